#!/usr/bin/python3
"""Walks what a screen reader sees of a running Pennyquill (AT-SPI, through pyatspi).

Run by scripts/check_accessibility.sh, which starts the program on a private session bus with
accessibility on. Prints what it found and exits 1 on the first missing name, role or action.
"""
import sys
import time

import pyatspi


def find_app(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.5)
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


app = find_app("Pennyquill")
if app is None:
    fail("Pennyquill is not on the accessibility bus")
nodes = [n for n, _ in walk(app)]
for node, depth in walk(app):
    if node.getRoleName() in ("push button", "toggle button", "text", "status bar", "image"):
        print("  " * depth + f"{node.getRoleName()}: {node.name!r}")

by_name = {}
for node in nodes:
    by_name.setdefault((node.getRoleName(), node.name), node)

wanted = [("push button", "Bold"), ("push button", "Italic"), ("push button", "Underline"),
          ("push button", "Bullet"), ("push button", "Set Alarm For Selected Text"),
          ("push button", "Minimize Note"), ("push button", "Hide Note"),
          ("push button", "Delete Note"), ("push button", "Menu"), ("text", "Shopping"),
          ("status bar", "")]
for role, name in wanted:
    if (role, name) not in by_name and not (role == "status bar" and any(
            n.getRoleName() == role for n in nodes)):
        fail(f"no {role} named {name!r}")
    print(f"ok: {role} {name!r}")

text_box = by_name[("text", "Shopping")]
text = text_box.queryText()
text.setSelection(0, 0, len("Shopping"))
bold = by_name[("push button", "Bold")]
action = bold.queryAction()
names = [action.getName(i) for i in range(action.nActions)]
if "Press" not in names and "press" not in [n.lower() for n in names]:
    fail(f"Bold has no press action: {names}")
action.doAction([n.lower() for n in names].index("press"))
time.sleep(0.5)
if not bold.getState().contains(pyatspi.STATE_CHECKED):
    fail("Bold is not checked after its press action on the selected word")
print("ok: Bold's press action bolded the selection (the button is checked)")

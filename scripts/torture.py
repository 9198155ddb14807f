#!/usr/bin/env python3
"""Kills a typing pennyquill at random moments and checks that no note is lost.

Starts the real program under Xvfb on a session of a few notes, clicks into a
note, types letters with xdotool, and after a random pause (while loading,
typing or saving) ends it with SIGKILL. After every kill the files must load
whole: every note is still there, and its text is what it had before, or
that with more typed letters in it (the old or a newer text, never less; a
letter may land inside the text when it comes before the caret is moved to
the end).

    scripts/torture.py build/src/pennyquill [kills] [notes]
"""
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

program = os.path.abspath(sys.argv[1])
kills = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
note_count = int(sys.argv[3]) if len(sys.argv) > 3 else 6
rng = random.Random(int(os.environ.get("TORTURE_SEED", "13")))

home = tempfile.mkdtemp(prefix="pq-torture-")
env = dict(os.environ, PENNYQUILL_HOME=home, XDG_RUNTIME_DIR=home + "/run",
           XDG_CONFIG_HOME=home + "/config", QT_QPA_PLATFORM="xcb")
os.makedirs(home + "/run", mode=0o700)


def place(i):
    return 20 + (i % 4) * 300, 20 + (i // 4) * 200  # pixels


def seed_session():
    with open(home + "/session.ini", "w", newline="") as f:
        for i in range(1, note_count + 1):
            x, y = place(i - 1)
            f.write(f"[Note{i}]\r\nLeft={x * 15}\r\nTop={y * 15}\r\nMinimized=False\r\n"
                    f"Skin=\r\nVisible=True\r\nOnTop=False\r\nAlerts=\r\nTextID={i}\r\n")
        f.write(f"[Number of notes]\r\nTotal={note_count}\r\n")
    with open(home + "/filecon.pqn", "w", newline="") as f:
        for i in range(1, note_count + 1):
            f.write(f"[ID: {i}]\r\n{{\\rtf1\\ansi zz{i}zz }}\r\n")
    # No first-run notices in the way of the typing.
    with open(home + "/registry.ini", "w") as f:
        f.write("[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\nUserName=Tester\n"
                "ShowTipText=no\nShowRnd=no\nShowWhenStart=yes\nRunWithWindows=no\n"
                "TipDelay=5\nNoTrayNoticeShown=yes\n")


def keeps(old, new):
    """True when new is old with letters added anywhere: nothing was lost."""
    letters = iter(new)
    return all(c in letters for c in old)


def texts_on_disk():
    """Each note's typed letters, or None for a note that is not there."""
    with open(home + "/filecon.pqn", "rb") as f:
        text = f.read().decode("utf-8", "replace")
    found = {}
    for m in re.finditer(r"zz(\d+)zz ?([a-y]*)", text):
        found.setdefault(int(m.group(1)), m.group(2))
    with open(home + "/session.ini", "rb") as f:
        total = re.search(rb"Total=(\d+)", f.read())
    if not total or int(total.group(1)) != note_count:
        return None
    return [found.get(i) for i in range(1, note_count + 1)]


display = subprocess.Popen(["Xvfb", ":97", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
env["DISPLAY"] = ":97"
time.sleep(1)
seed_session()
known = [""] * note_count  # the letters each note holds on disk
lost = 0
broken = 0
started = time.time()
try:
    for round_ in range(1, kills + 1):
        proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        deadline = time.time() + rng.uniform(0.3, 6.0)
        time.sleep(min(1.5, deadline - time.time()))
        while time.time() < deadline:
            i = rng.randrange(note_count)
            x, y = place(i)
            letters = "".join(rng.choice("abcdefghij") for _ in range(rng.randint(1, 6)))
            subprocess.run(["xdotool", "mousemove", str(x + 60), str(y + 70), "click", "1",
                            "key", "ctrl+End", "type", "--delay", "15", letters],
                           env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(rng.uniform(0, 0.5))
        proc.send_signal(signal.SIGKILL)
        proc.wait()
        if os.path.exists(home + "/session.saving"):
            # Killed while a complete save was put in place: the next start
            # finishes it, and the next round checks the result.
            continue
        on_disk = texts_on_disk()
        if on_disk is None:
            broken += 1
            print(f"round {round_}: session not whole", flush=True)
            continue
        for i, text in enumerate(on_disk):
            if text is None:
                lost += 1
                print(f"round {round_}: note {i + 1} lost", flush=True)
            elif not keeps(known[i], text):
                # Letters typed while a note was not yet there may land
                # elsewhere; only text that went missing counts as lost.
                lost += 1
                print(f"round {round_}: note {i + 1} went back from {known[i]!r} "
                      f"to {text!r}", flush=True)
            if text is not None:
                known[i] = text
        if round_ % 50 == 0:
            print(f"{round_} kills, {lost} notes lost, {broken} broken sessions, "
                  f"{time.time() - started:.0f} s", flush=True)
finally:
    display.terminate()
print(f"RESULT: {kills} kills, {lost} notes lost, {broken} broken sessions")
shutil.rmtree(home, ignore_errors=True)
sys.exit(1 if lost or broken else 0)

#!/usr/bin/env python3
"""xpad as the test of the import: under Xvfb, with a private HOME, the distribution's xpad
makes notes from files (xpad --new-from-file), xdotool moves them, xpad quits (and writes its
info and content files); then pennyquill --import xpad brings them in, and the texts and
places in Pennyquill's saved session are compared with xpad's.

    scripts/xpad_import_check.py build/src/pennyquill [--shot summary.png]

Installs xpad, Xvfb and xdotool when missing (apt-get, with sudo when not root)."""
import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PACKAGES = {"xpad": "xpad", "Xvfb": "xvfb", "xdotool": "xdotool", "import": "imagemagick"}
NOTES = [  # text, where xdotool puts the note (pixels)
    ("Groceries\nmilk, bread\ncafé au lait", (60, 80)),
    ("Call the dentist #2\nbefore Friday", (420, 120)),
    ("Plan\n- tests\n- release", (200, 400)),
]


def ensure_packages():
    missing = sorted({pkg for tool, pkg in PACKAGES.items() if shutil.which(tool) is None})
    if not missing:
        return
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    print("Installing:", " ".join(missing))
    subprocess.run(sudo + ["apt-get", "update"], check=True)
    subprocess.run(sudo + ["apt-get", "install", "-y", "--no-install-recommends"] + missing,
                   check=True, env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))


def rtf_text(rtf):
    """The plain text of RTF as Pennyquill's writer makes it (enough for plain notes)."""
    out, depth, skip_at, i = [], 0, None, 0
    while i < len(rtf):
        c = rtf[i]
        if c == "{":
            depth += 1
            if skip_at is None and re.match(r"\{\\(\*|fonttbl|colortbl|pntext|pn\b|stylesheet)",
                                            rtf[i:]):
                skip_at = depth
            i += 1
        elif c == "}":
            if skip_at == depth:
                skip_at = None
            depth -= 1
            i += 1
        elif c == "\\":
            m = re.match(r"\\('([0-9a-fA-F]{2})|u(-?\d+) ?\??|([a-z]+)(-?\d+)? ?|(.))", rtf[i:],
                         re.S)
            i += m.end()
            if skip_at is not None:
                continue
            if m.group(2):
                out.append(bytes([int(m.group(2), 16)]).decode("cp1252"))
            elif m.group(3):
                out.append(chr(int(m.group(3)) % 65536))
            elif m.group(4) in ("par", "line"):
                out.append("\n")
            elif m.group(4) == "tab":
                out.append("\t")
            elif m.group(6) in ("\\", "{", "}"):
                out.append(m.group(6))
        else:
            if skip_at is None and c not in "\r\n":
                out.append(c)
            i += 1
    return "".join(out).rstrip("\n")


def session(home):
    with open(os.path.join(home, "session.ini"), encoding="latin-1", newline="") as f:
        ini = f.read()
    with open(os.path.join(home, "filecon.pqn"), encoding="latin-1", newline="") as f:
        pqn = f.read()
    texts = {int(m.group(1)): m.group(2)
             for m in re.finditer(r"\[ID: (\d+)\]\r\n(.*?)(?=\r\n\[ID: |\Z)", pqn, re.S)}
    notes = []
    for sec in re.finditer(r"\[Note\d+\]\r\n(.*?)(?=\r\n\[|\Z)", ini, re.S):
        keys = dict(line.split("=", 1) for line in sec.group(1).split("\r\n") if "=" in line)
        notes.append((rtf_text(texts[int(keys["TextID"])]),
                      (round(float(keys["Left"]) / 15), round(float(keys["Top"]) / 15))))
    return notes


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--shot", help="screenshot of the import summary (PNG)")
    args = parser.parse_args()
    program = os.path.realpath(args.program)
    ensure_packages()
    if not os.environ.get("XPAD_CHECK_DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x800x24",
                               "env", "XPAD_CHECK_DISPLAY=1", "PYTHONUNBUFFERED=1",
                               sys.executable] + sys.argv)

    home = tempfile.mkdtemp(prefix="xpad-check-")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_RUNTIME_DIR=os.path.join(home, "run"), PENNYQUILL_HOME=os.path.join(home, "pq"),
               QT_QPA_PLATFORM="xcb", NO_AT_BRIDGE="1")
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    os.makedirs(env["PENNYQUILL_HOME"], mode=0o700)
    with open(os.path.join(env["PENNYQUILL_HOME"], "registry.ini"), "w") as f:
        f.write("[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\nUserName=T\n"
                "ShowTipText=no\nShowWhenStart=yes\nNoTrayNoticeShown=yes\n")
    # No notes of its own: an empty session.
    with open(os.path.join(env["PENNYQUILL_HOME"], "session.ini"), "w") as f:
        f.write("[Number of notes]\r\nTotal=0\r\n")
    open(os.path.join(env["PENNYQUILL_HOME"], "filecon.pqn"), "w").close()

    def run(*command):
        """Runs a command and returns its output; only xdotool's is read (xpad's stays open in
        the copy it hands over to)."""
        output = subprocess.PIPE if command[0] == "xdotool" else subprocess.DEVNULL
        return subprocess.run(list(command), env=env, stdout=output, stderr=subprocess.DEVNULL,
                              text=True, timeout=30)

    # 1. xpad makes the notes; xdotool puts each one somewhere of its own.
    xpad = subprocess.Popen(["xpad", "--no-new"], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    time.sleep(3)
    for n, (text, place) in enumerate(NOTES):
        path = os.path.join(home, f"note{n}.txt")
        with open(path, "w", encoding="utf-8") as f:
            f.write(text + "\n")
        run("xpad", "--new-from-file", path)
        time.sleep(2)
        first_line = text.split("\n")[0]
        ids = run("xdotool", "search", "--name", "^" + re.escape(first_line)).stdout.split()
        if not ids:
            sys.exit(f"FAIL: xpad showed no window for {first_line!r}")
        for wid in ids:
            run("xdotool", "windowmove", "--sync", wid, str(place[0]), str(place[1]))
        time.sleep(1)
    run("xpad", "--quit")
    xpad.wait(timeout=20)
    folder = os.path.join(env["XDG_CONFIG_HOME"], "xpad")
    made = []
    for name in sorted(os.listdir(folder)):
        if not name.startswith("info-"):
            continue
        info = dict(line.split(" ", 1) for line in open(os.path.join(folder, name)).read()
                    .splitlines() if " " in line)
        text = open(os.path.join(folder, info["content"]), encoding="utf-8").read()
        if text.strip():
            made.append((text[:-1] if text.endswith("\n") else text,
                         (int(info["x"]), int(info["y"]))))
    print(f"xpad made {len(made)} notes in {folder}:")
    for text, place in made:
        print(f"  at {place}: {text!r}")

    # 2. Pennyquill imports them; the summary is closed as a user would.
    pq = subprocess.Popen([program, "--import", "xpad"], env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE, text=True)
    summary = []
    for _ in range(60):
        time.sleep(0.5)
        summary = run("xdotool", "search", "--onlyvisible", "--name", "^Pennyquill$").stdout.split()
        if summary:
            break
    if not summary:
        pq.kill()
        sys.exit("FAIL: Pennyquill showed no import summary")
    time.sleep(1)
    if args.shot:
        run("import", "-window", "root", os.path.realpath(args.shot))
        print("summary screenshot:", args.shot)
    run("xdotool", "windowfocus", "--sync", summary[-1])
    run("xdotool", "key", "Return")
    time.sleep(4)  # the session is written a few seconds after the change
    pq.send_signal(signal.SIGTERM)
    pq.wait(timeout=30)

    imported = session(env["PENNYQUILL_HOME"])
    print(f"Pennyquill saved {len(imported)} notes:")
    for text, place in imported:
        print(f"  at {place}: {text!r}")
    ok = sorted(made) == sorted(imported) and len(made) == len(NOTES)
    if ok:
        shutil.rmtree(home, ignore_errors=True)
    else:
        print("Pennyquill said:", pq.stderr.read().strip(), "\nfiles kept in", home)
    print("PASS: texts and places are equal" if ok else "FAIL: texts or places differ")
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Profile of one start of the real program under Xvfb (run by hand, not by ctest).

Makes the same session as startup.py (a few lines of rich text per note, spread over the
screen), starts the program under a profiler with its own PENNYQUILL_HOME, waits until every
note window is mapped, lets it settle and ends it with SIGTERM, so the profile covers start,
the settled notes and exit.

  bench/startup_profile.py [--program build/src/pennyquill] [--notes 200]
                           [--tool callgrind|heaptrack|strace] [--out FILE]

Then: callgrind_annotate --inclusive=yes FILE, heaptrack_print FILE.zst, or read FILE
(strace's table of system calls).
"""
import argparse
import os
import shutil
import signal
import subprocess
import sys
import time

import startup

TOOLS = {
    "callgrind": lambda out: ["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out],
    "heaptrack": lambda out: ["heaptrack", "-o", out],
    # System calls of every thread, counted: futex and poll show the waits on the X connection.
    "strace": lambda out: ["strace", "-f", "-c", "-o", out],
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=startup.PROGRAM)
    parser.add_argument("--notes", type=int, default=200)
    parser.add_argument("--tool", choices=sorted(TOOLS), default="callgrind")
    parser.add_argument("--out", default=None, help="profile file (default: in the folder)")
    parser.add_argument("--settle", type=float, default=5)
    parser.add_argument("--timeout", type=float, default=1200)
    args = parser.parse_args()
    out = os.path.abspath(args.out or f"{args.tool}.pennyquill.{args.notes}")

    work, env = startup.scratch("pq-profile-")
    startup.pennyquill_home(work, env, args.notes)
    xvfb = startup.Xvfb()
    env["DISPLAY"] = xvfb.display
    try:
        watcher = startup.MapWatcher(xvfb.display)
        begin = time.monotonic()
        with open(out + ".log", "w") as log:
            proc = subprocess.Popen(TOOLS[args.tool](out) + [os.path.abspath(args.program)],
                                    env=env, stdout=subprocess.DEVNULL, stderr=log)
            shown = watcher.wait_for(args.notes, args.timeout)
            watcher.close()
            if shown is None:
                print("not every note was shown in time", file=sys.stderr)
            else:
                print(f"{args.notes} notes shown after {shown - begin:.1f} s (under the profiler)")
            time.sleep(args.settle)
            proc.send_signal(signal.SIGTERM)
            proc.wait(args.timeout)
        print("profile:", out)
    finally:
        xvfb.stop()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""A session with one huge note, run under Xvfb (by hand, not by ctest).

Writes a session of 20 notes of which one (the tenth) holds 2,000,000 empty paragraphs (10 MB
of RTF), starts the real program on its own X server and reports:
- the time until all 20 note windows are mapped, and until the program is idle again;
- for a stop signal sent at several moments of loading (and once after it): the time from
  SIGTERM to the program's end, and whether the session files were left untouched.

  bench/huge_note.py [--program build/src/pennyquill] [--paragraphs 2000000] [--runs 3]
"""
import argparse
import hashlib
import os
import shutil
import signal
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import startup  # noqa: E402  (the X helpers of the start-up benchmark)

NOTES = 20
HUGE = 10


def write_session(home, paragraphs):
    startup.pennyquill_session(home, NOTES)
    path = os.path.join(home, "filecon.pqn")
    with open(path, newline="") as f:
        text = f.read()
    marker = f"[ID: {HUGE}]\r\n{{\\rtf1\\ansi"
    text = text.replace(marker, marker + " Huge" + "\\par\r\n" * paragraphs, 1)
    with open(path, "w", newline="") as f:
        f.write(text)


UNMAP_NOTIFY = 18


def wait_loaded(watcher, wanted, timeout):
    """(when `wanted` note windows are mapped, when the splash goes away: the session is back
    whole then), monotonic seconds, None for what did not happen in time."""
    deadline = time.monotonic() + timeout
    event = startup.XEvent()
    x, dpy = watcher.x, startup.ctypes.c_void_p(watcher.dpy)
    splashes, shown, loaded = set(), None, None
    while shown is None or loaded is None:
        while x.XPending(dpy):
            x.XNextEvent(dpy, startup.ctypes.byref(event))
            window = event.xmap.window
            if event.type == startup.MAP_NOTIFY and not event.xmap.override_redirect:
                if watcher._is_splash(window):
                    splashes.add(window)
                elif window not in watcher.mapped:
                    watcher.mapped.add(window)
                    if len(watcher.mapped) >= wanted and shown is None:
                        shown = time.monotonic()
            elif event.type == UNMAP_NOTIFY and window in splashes and loaded is None:
                loaded = time.monotonic()
        left = deadline - time.monotonic()
        if left <= 0:
            break
        startup.select.select([watcher.fd], [], [], min(left, 0.05))
    return shown, loaded


def digest(home):
    files = {}
    for name in sorted(os.listdir(home)):
        path = os.path.join(home, name)
        if os.path.isfile(path) and name.startswith(("session", "filecon")):
            with open(path, "rb") as f:
                files[name] = hashlib.sha1(f.read()).hexdigest()
    return files


def run(program, paragraphs, stop_at):
    """stop_at: None (measure the start), seconds after the start, or "loaded"."""
    work, env = startup.scratch("pq-huge-")
    home = os.path.join(work, "home")
    os.makedirs(home)
    write_session(home, paragraphs)
    env["PENNYQUILL_HOME"] = home
    before = digest(home)
    xvfb = startup.Xvfb()
    env["DISPLAY"] = xvfb.display
    result = {}
    try:
        watcher = startup.MapWatcher(xvfb.display)
        start = time.monotonic()
        proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        if isinstance(stop_at, float):
            time.sleep(max(0.0, stop_at - (time.monotonic() - start)))
        elif stop_at == "loaded":
            wait_loaded(watcher, NOTES, 120)
        else:
            shown, loaded = wait_loaded(watcher, NOTES, 120)
            result["shown_s"] = (shown - start) if shown else float("nan")
            result["loaded_s"] = (loaded - start) if loaded else float("nan")
        watcher.close()
        if stop_at is None:
            proc.send_signal(signal.SIGKILL)
            proc.wait()
            return result
        stop = time.monotonic()
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(timeout=60)
            result["exit_s"] = time.monotonic() - stop
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
            result["exit_s"] = float("nan")
        after = digest(home)
        result["untouched"] = after == before
    finally:
        xvfb.stop()
        shutil.rmtree(work, ignore_errors=True)
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=startup.PROGRAM)
    parser.add_argument("--paragraphs", type=int, default=2000000)
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    starts = [run(program, args.paragraphs, None) for _ in range(args.runs)]
    print(f"{NOTES} notes, one of {args.paragraphs} empty paragraphs:")
    each = ", ".join("%.2f" % r["shown_s"] for r in starts)
    print(f"  all notes shown  {statistics.median(r['shown_s'] for r in starts):6.2f} s "
          f"(runs: {each})")
    print(f"  all text back    {statistics.median(r['loaded_s'] for r in starts):6.2f} s "
          "(the splash goes; the session can be saved from then on)")
    print("SIGTERM to exit:")
    for moment in (0.3, 0.6, 1.0, 1.5, 2.0, "loaded"):
        runs = [run(program, args.paragraphs, moment) for _ in range(args.runs)]
        worst = max(r["exit_s"] for r in runs)
        untouched = all(r["untouched"] for r in runs)
        label = f"at {moment} s" if isinstance(moment, float) else "once all text is back"
        print(f"  {label:<20} worst {worst:6.2f} s  files "
              f"{'untouched' if untouched else 'written'}")


if __name__ == "__main__":
    main()

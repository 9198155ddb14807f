#!/usr/bin/env python3
"""X requests, round trips and events of one start of the real program (run by hand).

Makes the same session as startup.py, starts the program under Xvfb behind xtrace (Debian
package xtrace), waits until every note window is mapped, lets it settle, ends it with SIGTERM
and counts what went over the X connection: requests by name, the requests that waited for a
reply (round trips), the events and the bytes sent, in all and per note.

  bench/xrequests.py [--program build/src/pennyquill] [--notes 20] [--keep FILE]
"""
import argparse
import collections
import os
import re
import shutil
import signal
import subprocess
import sys
import time

import startup

REQUEST = re.compile(r"^\d+:<:[0-9a-f]+:\s*(\d+): (?:([\w-]+)-)?Request\([\d,]+\): (\w+)")
REPLY = re.compile(r"^\d+:>:[0-9a-f]+:\d+: Reply to (\w+)")
EVENT = re.compile(r"^\d+:>:[0-9a-f]+: Event (?:\(generated\) )?(\w+)\(")


def free_display():
    for number in range(240, 340):
        if not os.path.exists(f"/tmp/.X{number}-lock") and \
                not os.path.exists(f"/tmp/.X11-unix/X{number}"):
            return f":{number}"
    raise RuntimeError("no free display number for xtrace")


def count(trace):
    requests, replies, events = (collections.Counter() for _ in range(3))
    sent = 0
    with open(trace, errors="replace") as f:
        for line in f:
            if m := REQUEST.match(line):
                sent += int(m.group(1))
                requests[(m.group(2) + " " if m.group(2) else "") + m.group(3)] += 1
            elif m := REPLY.match(line):
                replies[m.group(1)] += 1
            elif m := EVENT.match(line):
                events[m.group(1)] += 1
    return requests, replies, events, sent


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=startup.PROGRAM)
    parser.add_argument("--notes", type=int, default=20)
    parser.add_argument("--settle", type=float, default=3)
    parser.add_argument("--timeout", type=float, default=300)
    parser.add_argument("--keep", help="keep xtrace's full log in this file")
    args = parser.parse_args()

    work, env = startup.scratch("pq-xrequests-")
    startup.pennyquill_home(work, env, args.notes)
    trace = os.path.abspath(args.keep) if args.keep else os.path.join(work, "xtrace.log")
    xvfb = startup.Xvfb()
    proxy = free_display()
    tracer = None
    try:
        tracer = subprocess.Popen(["xtrace", "-n", "-k", "-d", xvfb.display, "-D", proxy,
                                   "-o", trace], stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{proxy[1:]}"):
                break
            time.sleep(0.05)
        env["DISPLAY"] = proxy
        watcher = startup.MapWatcher(xvfb.display)
        proc = subprocess.Popen([os.path.abspath(args.program)], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if watcher.wait_for(args.notes, args.timeout) is None:
            print("not every note was shown in time", file=sys.stderr)
        watcher.close()
        time.sleep(args.settle)
        proc.send_signal(signal.SIGTERM)
        proc.wait(args.timeout)
    finally:
        if tracer:
            tracer.terminate()
            tracer.wait()
        xvfb.stop()
    requests, replies, events, sent = count(trace)
    n = args.notes
    total = sum(requests.values())
    print(f"{n} notes: {total} requests ({total / n:.1f}/note), {sum(replies.values())} round "
          f"trips ({sum(replies.values()) / n:.1f}/note), {sum(events.values())} events, "
          f"{sent / 1024:.0f} KiB sent ({sent / 1024 / n:.1f} KiB/note)")
    for title, table in (("requests", requests), ("replies", replies), ("events", events)):
        print(title + ":")
        for name, times in table.most_common(16):
            print(f"  {name:32} {times:7} {times / n:7.2f}/note")
    shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()

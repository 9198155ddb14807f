#!/usr/bin/env python3
"""Start-up benchmark of the real program under Xvfb (run by hand, not by ctest).

For sessions of 1, 100 and 1,000 notes (a few lines of rich text each, spread over the
screen) it starts the program on its own X server with its own PENNYQUILL_HOME and reports:
time until every note window is mapped (and from the first one to the last), CPU used until
then by the program and by the X server, RSS and PSS (and the slope per extra note), X server
memory of the client (X-Resource, through xrestop) and of the whole server, idle CPU and the
time from SIGTERM to exit.

  bench/startup.py [--program build/src/pennyquill] [--notes 1,100,1000] [--runs 5]
                   [--idle 30] [--peer xpad]

--peer xpad measures xpad the same way in the same run (install it yourself) and prints the
ratios. Needs Xvfb and libX11; xrestop is optional (X server memory per client).
"""
import argparse
import ctypes
import ctypes.util
import os
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

SCREEN_W, SCREEN_H = 1920, 1080
TWIPS = 15
# The program the bench tools start unless told otherwise: the build's own.
PROGRAM = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build", "src",
                       "pennyquill")
CLK = os.sysconf("SC_CLK_TCK")
PAGE_KIB = os.sysconf("SC_PAGE_SIZE") // 1024

# ---- X: watching windows being mapped --------------------------------------------------

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong),
                ("window", ctypes.c_ulong), ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


class MapWatcher:
    """Counts top-level windows mapped on a display, leaving out splash windows and
    override-redirect ones (menus, tool tips)."""

    def __init__(self, display):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XInternAtom.restype = ctypes.c_ulong
        self.x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.x.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
            ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
        for name in ("XSelectInput", "XNextEvent", "XPending", "XConnectionNumber", "XFlush",
                     "XCloseDisplay", "XFree"):
            getattr(self.x, name).argtypes = None
        self.dpy = self.x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open display " + display)
        self.root = self.x.XDefaultRootWindow(self.dpy)
        self.type_atom = self.x.XInternAtom(self.dpy, b"_NET_WM_WINDOW_TYPE", 0)
        self.splash_atom = self.x.XInternAtom(self.dpy, b"_NET_WM_WINDOW_TYPE_SPLASH", 0)
        self.x.XSelectInput(ctypes.c_void_p(self.dpy), ctypes.c_ulong(self.root),
                            ctypes.c_long(SUBSTRUCTURE_NOTIFY_MASK))
        self.x.XFlush(ctypes.c_void_p(self.dpy))
        self.fd = self.x.XConnectionNumber(ctypes.c_void_p(self.dpy))
        self.mapped = set()
        self.first = None

    def _is_splash(self, window):
        actual, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        ok = self.x.XGetWindowProperty(self.dpy, window, self.type_atom, 0, 16, 0, 4,
                                       ctypes.byref(actual), ctypes.byref(fmt),
                                       ctypes.byref(count), ctypes.byref(after),
                                       ctypes.byref(data))
        if ok != 0 or not data.value:
            return False
        atoms = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))
        splash = any(atoms[i] == self.splash_atom for i in range(count.value))
        self.x.XFree(data)
        return splash

    def wait_for(self, wanted, timeout):
        """Seconds (monotonic clock) when `wanted` windows are mapped, or None."""
        deadline = time.monotonic() + timeout
        event = XEvent()
        while True:
            while self.x.XPending(ctypes.c_void_p(self.dpy)):
                self.x.XNextEvent(ctypes.c_void_p(self.dpy), ctypes.byref(event))
                if event.type == MAP_NOTIFY and not event.xmap.override_redirect:
                    window = event.xmap.window
                    if window not in self.mapped and not self._is_splash(window):
                        self.mapped.add(window)
                        if len(self.mapped) == 1:
                            self.first = time.monotonic()
                        if len(self.mapped) >= wanted:
                            return time.monotonic()
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.fd], [], [], min(left, 0.05))

    def close(self):
        self.x.XCloseDisplay(ctypes.c_void_p(self.dpy))


# ---- sessions ------------------------------------------------------------------------------

def note_place(i):
    """Pixels; spread over the whole screen, every note fully on it."""
    return 10 + (i * 157) % (SCREEN_W - 290), 10 + (i * 89) % (SCREEN_H - 190)


def pennyquill_session(home, count):
    registry = ("[HKEY_CURRENT_USER\\Software\\Corvane\\Pennyquill 1.0]\r\n"
                "UserName=Bench\r\nShowTipText=yes\r\nShowRnd=no\r\nShowWhenStart=yes\r\n"
                "RunWithWindows=no\r\nTipDelay=15\r\nNoTrayNoticeShown=yes\r\n")
    with open(os.path.join(home, "registry.ini"), "w", newline="") as f:
        f.write(registry)
    ini, text = [], []
    for i in range(1, count + 1):
        x, y = note_place(i)
        ini.append(f"[Note{i}]\r\nLeft={x * TWIPS}\r\nTop={y * TWIPS}\r\nMinimized=False\r\n"
                   f"Skin=<<Base Skin>>\r\nVisible=True\r\nOnTop=False\r\nAlerts=\r\n"
                   f"TextID={i}\r\n")
        text.append(f"[ID: {i}]\r\n{{\\rtf1\\ansi\\ansicpg1252\\deff0{{\\fonttbl{{\\f0 Tahoma;}}}}"
                    f"\r\n{{\\colortbl ;\\red255\\green128\\blue0;}}\r\n"
                    f"\\pard\\f0\\fs16 Note {i}: buy \\b milk\\b0 , call \\i Bo\\i0\\par\r\n"
                    f"\\cf1 water the plants\\cf0  before Friday\\par\r\n"
                    f"{{\\pntext\\'b7\\tab}}{{\\*\\pn\\pnlvlblt{{\\pntxtb\\'b7}}}}"
                    f"\\ul third line\\ulnone\\par\r\n}}\r\n")
    ini.append(f"[Number of notes]\r\nTotal={count}\r\n")
    with open(os.path.join(home, "session.ini"), "w", newline="") as f:
        f.write("".join(ini))
    with open(os.path.join(home, "filecon.pqn"), "w", newline="") as f:
        f.write("".join(text))


def xpad_session(home, count):
    folder = os.path.join(home, ".config", "xpad")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "default-style"), "w") as f:
        f.write("")
    for i in range(1, count + 1):
        x, y = note_place(i)
        name = f"{i:06d}"
        with open(os.path.join(folder, "content-" + name), "w") as f:
            f.write(f"Note {i}: buy milk, call Bo\nwater the plants before Friday\nthird line\n")
        with open(os.path.join(folder, "info-" + name), "w") as f:
            f.write(f"width 263\nheight 165\nx {x}\ny {y}\nfollow_font 1\nfollow_color 1\n"
                    f"sticky 0\nhidden 0\ncontent content-{name}\n")


# ---- one run -----------------------------------------------------------------------------

def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLK


def memory_kib(pid):
    values = {}
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            m = re.match(r"(\w+):\s+(\d+) kB", line)
            if m:
                values[m.group(1)] = int(m.group(2))
    return values.get("Rss", 0), values.get("Pss", 0)


def rss_kib(pid):
    with open(f"/proc/{pid}/statm") as f:
        return int(f.read().split()[1]) * PAGE_KIB


def xres_bytes(display):
    """X server memory (pixmaps and other resources) of the clients on the benchmark's own
    server, leaving out the server's own resources ("<unknown>") and xrestop. The PID of
    a client is not always known to the server, so the program is the only client then."""
    if not shutil.which("xrestop"):
        return None
    try:
        out = subprocess.run(["xrestop", "-display", display, "-b", "-m", "1"],
                             capture_output=True, text=True, timeout=60).stdout
    except subprocess.TimeoutExpired:
        return None
    total = 0
    for block in re.split(r"\n(?=\S)", out):
        head = block.split("\n", 1)[0]
        if "<unknown>" in head or " xrestop " in head:
            continue
        m = re.search(r"total bytes\s*:\s*~?(\d+)", block)
        total += int(m.group(1)) if m else 0
    return total


class Xvfb:
    def __init__(self):
        self.proc = None
        for number in range(140, 240):
            if os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            self.display = f":{number}"
            self.proc = subprocess.Popen(
                ["Xvfb", self.display, "-screen", "0", f"{SCREEN_W}x{SCREEN_H}x24", "-nolisten",
                 "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(100):
                if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                    time.sleep(0.1)
                    return
                if self.proc.poll() is not None:
                    break
                time.sleep(0.05)
        raise RuntimeError("no Xvfb could be started")

    def stop(self):
        self.proc.terminate()
        self.proc.wait()


def scratch(prefix):
    """A scratch folder for one start, and the environment that keeps the program in it:
    HOME, the XDG folders and a private runtime folder; no QT_QPA_PLATFORM, so it picks X11."""
    work = tempfile.mkdtemp(prefix=prefix)
    runtime = os.path.join(work, "runtime")
    os.makedirs(runtime, mode=0o700)
    env = dict(os.environ, HOME=work, XDG_CONFIG_HOME=os.path.join(work, ".config"),
               XDG_DATA_HOME=os.path.join(work, ".local/share"), XDG_RUNTIME_DIR=runtime)
    env.pop("QT_QPA_PLATFORM", None)
    return work, env


def pennyquill_home(work, env, count):
    """A data folder in work holding a session of count notes, named in env."""
    home = os.path.join(work, "home")
    os.makedirs(home)
    pennyquill_session(home, count)
    env["PENNYQUILL_HOME"] = home


def run_once(program, count, idle, args):
    work, env = scratch("pq-bench-")
    if program == "xpad":
        xpad_session(work, count)
        command = ["xpad"]
    else:
        pennyquill_home(work, env, count)
        command = [program]
    xvfb = Xvfb()
    env["DISPLAY"] = xvfb.display
    result = {}
    try:
        server_before = rss_kib(xvfb.proc.pid)
        server_cpu_before = cpu_seconds(xvfb.proc.pid)
        watcher = MapWatcher(xvfb.display)
        start = time.monotonic()
        errors = open(os.path.join(work, "stderr.txt"), "w+")
        proc = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=errors)
        shown = watcher.wait_for(count, args.timeout)
        result["cpu_start"] = cpu_seconds(proc.pid)
        result["xserver_cpu"] = cpu_seconds(xvfb.proc.pid) - server_cpu_before
        result["shown_s"] = (shown - start) if shown else float("nan")
        result["loading_s"] = (shown - watcher.first) if shown else float("nan")
        watcher.close()
        time.sleep(args.settle)
        if proc.poll() is not None:
            errors.seek(0)
            raise RuntimeError(f"{command[0]} ended by itself ({proc.returncode}) after "
                               f"{result['shown_s']:.1f} s:\n{errors.read()[-2000:]}")
        result["rss_kib"], result["pss_kib"] = memory_kib(proc.pid)
        result["xres_kib"] = (xres_bytes(xvfb.display) or float("nan")) / 1024
        result["xserver_kib"] = rss_kib(xvfb.proc.pid) - server_before
        if idle > 0:
            before = cpu_seconds(proc.pid)
            time.sleep(idle)
            result["idle_pct"] = 100 * (cpu_seconds(proc.pid) - before) / idle
        stop = time.monotonic()
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(timeout=args.timeout)
            result["exit_s"] = time.monotonic() - stop
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
            result["exit_s"] = float("nan")
    finally:
        xvfb.stop()
        shutil.rmtree(work, ignore_errors=True)
    return result


def median(runs, key):
    values = [r[key] for r in runs if key in r and r[key] == r[key]]
    return statistics.median(values) if values else float("nan")


def measure(program, sizes, args):
    table = {}
    for count in sizes:
        idle = args.idle if count == args.idle_notes else 0
        runs = [run_once(program, count, idle, args) for _ in range(args.runs)]
        table[count] = {key: median(runs, key) for key in runs[0]}
        print(f"  {os.path.basename(program)} {count:5d} notes: " +
              ", ".join(f"{k}={v:.3f}" for k, v in table[count].items()), file=sys.stderr)
    return table


def summary(table, sizes):
    small, large = sizes[-2] if len(sizes) > 1 else sizes[0], sizes[-1]
    big = table[large]
    extra = max(1, large - small)
    return {
        f"{large} notes: start until every note is shown (s)": big["shown_s"],
        f"{large} notes: first note shown until the last (s)": big["loading_s"],
        "start CPU per note (ms)": 1000 * big["cpu_start"] / large,
        "X server CPU per note until shown (ms)": 1000 * big["xserver_cpu"] / large,
        f"RSS per extra note, slope {small} -> {large} (KiB)":
            (big["rss_kib"] - table[small]["rss_kib"]) / extra,
        f"PSS per extra note, slope {small} -> {large} (KiB)":
            (big["pss_kib"] - table[small]["pss_kib"]) / extra,
        "X server memory per note, X-Resource (KiB)": big["xres_kib"] / large,
        "X server RSS growth per note (KiB)": big["xserver_kib"] / large,
        f"Exit (SIGTERM) with {large} notes (s)": big["exit_s"],
        f"idle CPU, {sizes_idle(table)} notes (%)": idle_of(table),
    }


def sizes_idle(table):
    return next((n for n, r in table.items() if r.get("idle_pct") == r.get("idle_pct")
                 and "idle_pct" in r), "-")


def idle_of(table):
    for row in table.values():
        if "idle_pct" in row:
            return row["idle_pct"]
    return float("nan")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=PROGRAM)
    parser.add_argument("--notes", default="1,100,1000")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle", type=float, default=30, help="seconds of idle CPU measure")
    parser.add_argument("--idle-notes", type=int, default=100)
    parser.add_argument("--settle", type=float, default=3, help="seconds before memory is read")
    parser.add_argument("--timeout", type=float, default=120)
    parser.add_argument("--peer", choices=["xpad"])
    args = parser.parse_args()
    sizes = [int(n) for n in args.notes.split(",")]

    programs = [os.path.abspath(args.program)] + ([args.peer] if args.peer else [])
    results = {p: measure(p, sizes, args) for p in programs}

    print(f"\nMedians of {args.runs} runs, Xvfb {SCREEN_W}x{SCREEN_H}x24\n")
    names = [os.path.basename(p) for p in programs]
    header = f"| {'':58s} | " + " | ".join(f"{n:>10s}" for n in names)
    if args.peer:
        header += f" | {'ratio':>7s}"
    print(header + " |")
    print("|" + "-" * 60 + "|" + "|".join("-" * 12 for _ in names) +
          ("|---------" if args.peer else "") + "|")
    summaries = [summary(results[p], sizes) for p in programs]
    for key in summaries[0]:
        row = f"| {key:58s} | " + " | ".join(f"{s[key]:10.3f}" for s in summaries)
        if args.peer:
            ours, theirs = summaries[0][key], summaries[1][key]
            row += f" | {theirs / ours:7.1f}" if ours else f" | {'-':>7s}"
        print(row + " |")
    print("\nPer session size (shown s / CPU s / RSS KiB / PSS KiB / X-Res KiB / exit s):")
    for p, name in zip(programs, names):
        for count in sizes:
            r = results[p][count]
            print(f"  {name:10s} {count:5d}: {r['shown_s']:.3f} / {r['cpu_start']:.3f} / "
                  f"{r['rss_kib']:.0f} / {r['pss_kib']:.0f} / {r['xres_kib']:.0f} / "
                  f"{r['exit_s']:.3f}")


if __name__ == "__main__":
    main()

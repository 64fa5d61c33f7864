#!/usr/bin/env python3
"""Measures what `kelvor.scr /s` costs under Wine, against the floor for a ten-frame saver: a bare
full-screen window that repaints itself ten times a second (floor_window.exe).

Each round runs the floor and then the saver with each setting of the table below, one after the
other on the same private Xvfb display, so the machine's load is about the same for all of a round.
For each run, over the measured window: the processor time of the Windows program's own process
(user + system of all its threads, in nanoseconds from the scheduler: /proc/PID/task/*/schedstat),
the same for the program with its servers (the Wine server and the X server), and for the whole
Wine session (also Wine's own processes: services, device drivers, which do work of their own); its
peak memory (VmHWM); and the time from process start to its first frame (for the saver: the first
frame with text on it). The table gives the range over the rounds of each figure and of its ratio to
the floor of the same round. With --before, each setting also runs with the kelvor.scr of that
folder (an earlier build), right after this build's run, so before and after compare in the same
round.

    scripts/measure_cost.py [--seconds 25] [--rounds 3] [--only WORD ...] [--build DIR] [--before DIR]
    scripts/measure_cost.py --long 600     # the default saver for ten minutes: growth over time

The long run reports resident memory, peak memory, open handles (file descriptors of the Wine
process) and threads after 1 minute and at the end. GDI objects and kernel handles cannot be counted
under Wine (GetGuiResources and GetProcessHandleCount answer 0 there).
"""

import argparse
import ctypes
import os
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
import harness  # noqa: E402

# The screen of the figures in the performance notes.
SCREEN = 1280, 1024

ALL_LINES = 0xFF
ALL_EXTRA_LINES = 3  # ExtraItems: the address and system lines
DEFAULT_LINES = 127
NETWORK = 0x40
DESCRIPTION = "Measuring the running saver"
# Name, settings (None: the floor; {} the defaults: "Bounce Off Sides" and the default lines).
SETTINGS = [
    ("floor", None),
    ("nothing shown, stationary", {"DisplayItems": 0, "MoveOption": 4}),
    ("every line but network, stationary", {"DisplayItems": ALL_LINES & ~NETWORK, "MoveOption": 4}),
    ("network line only, stationary", {"DisplayItems": NETWORK, "MoveOption": 4}),
    ("default lines, stationary", {"DisplayItems": DEFAULT_LINES, "MoveOption": 4}),
    ("default settings (bounce)", {}),
    ("every line, random jumping", {"DisplayItems": ALL_LINES, "MoveOption": 0}),
    ("every line, random sliding", {"DisplayItems": ALL_LINES, "MoveOption": 1}),
    ("every line, bounce", {"DisplayItems": ALL_LINES, "MoveOption": 2}),
    ("every line, random path", {"DisplayItems": ALL_LINES, "MoveOption": 3}),
    ("every line, stationary", {"DisplayItems": ALL_LINES, "MoveOption": 4}),
    ("every line with address and system, bounce", {"DisplayItems": ALL_LINES, "ExtraItems": ALL_EXTRA_LINES,
                                                    "MoveOption": 2}),
    ("every line with address and system, stationary", {"DisplayItems": ALL_LINES, "ExtraItems": ALL_EXTRA_LINES,
                                                        "MoveOption": 4}),
]


def processor_ms(pid):
    """Processor time of all the process's threads in milliseconds, to the nanosecond: clock ticks
    are too coarse for a program that spends a few milliseconds a second."""
    total = 0
    try:
        for thread in os.listdir(f"/proc/{pid}/task"):
            try:
                total += int(Path(f"/proc/{pid}/task/{thread}/schedstat").read_text().split()[0])
            except (OSError, IndexError, ValueError):
                pass  # the thread ended meanwhile
    except OSError:
        return 0.0
    return total / 1e6


def status_kib(pid, name):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith(name + ":"):
            return int(line.split()[1])
    return 0


def handles(pid):
    """Open handles of a Wine process: its file descriptors."""
    return len(os.listdir(f"/proc/{pid}/fd"))


def session_pids(session):
    """The processes of the session but the measured program, each with whether it is one of the
    servers (the Wine server, the X server) or one of Wine's own processes of the session's prefix."""
    marker = f"WINEPREFIX={session.prefix}".encode()
    pids = {session._xvfb.pid: True}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                if marker in Path(f"/proc/{entry}/environ").read_bytes().split(b"\0"):
                    pids[int(entry)] = Path(f"/proc/{entry}/comm").read_text().startswith("wineserver")
            except OSError:
                pass
    return pids


def session_ms(session, program):
    """{pid: (is a server, processor milliseconds)} of the session's processes but the program."""
    return {pid: (server, processor_ms(pid)) for pid, server in session_pids(session).items() if pid != program}


class Screen:
    """Reads the X server's root window directly (libX11 through ctypes), fast enough to time a first
    frame. The root is set to an almost black colour of its own (ROOT_PIXEL): with a plane mask that
    leaves out its one bit, the root and a black fill both read as zero and anything lit (text) does
    not; with a mask of only that bit, any paint at all (the floor's black fill) shows."""

    ROOT_PIXEL = 0x000001

    class XImage(ctypes.Structure):
        _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                    ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                    ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                    ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]

    def __init__(self, display):
        self.x = ctypes.CDLL("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(self.XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                     ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XSetWindowBackground.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong]
        self.x.XClearWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError(f"cannot open display {display}")
        self.root = self.x.XDefaultRootWindow(self.display)

    def paint_root(self):
        """Gives the root its own colour, where no window covers it."""
        self.x.XSetWindowBackground(self.display, self.root, self.ROOT_PIXEL)
        self.x.XClearWindow(self.display, self.root)
        self.x.XFlush(self.display)

    def _grab(self, plane_mask):
        z_pixmap = 2
        image = self.x.XGetImage(self.display, self.root, 0, 0, harness.SCREEN_WIDTH, harness.SCREEN_HEIGHT,
                                 plane_mask, z_pixmap)
        if not image:
            return b""
        contents = image.contents
        data = ctypes.string_at(contents.data, contents.bytes_per_line * contents.height)
        self.x.XFree(contents.data)
        self.x.XFree(image)
        return data

    def any_lit_pixel(self):
        data = self._grab(0xFFFFFF & ~self.ROOT_PIXEL)
        return data.count(0) != len(data)

    def any_painted_pixel(self):
        """Whether anything was painted over the root's own colour (black included)."""
        data = self._grab(self.ROOT_PIXEL)
        return bool(data) and data.count(self.ROOT_PIXEL.to_bytes(4, "little")) != len(data) // 4

    def close(self):
        self.x.XCloseDisplay(self.display)


def first_frame(session, process, with_text):
    """Seconds from process start until its first frame is on the screen: for the saver, the first
    with text; for the floor, its first fill. Both are timed the same way, by looking at the screen."""
    screen = Screen(session.display)
    try:
        shown = screen.any_lit_pixel if with_text else screen.any_painted_pixel
        while time.monotonic() - process.started < 20:
            if shown():
                return time.monotonic() - process.started
            time.sleep(0.01)
    finally:
        screen.close()
    raise RuntimeError("nothing was painted" if not with_text else "the saver showed no text")


def finish(session, process, title):
    """Ends a program as a user would (a key), and waits until its window has left the screen: a killed
    Wine program's window can stay on the screen for seconds and hold up the next program's start."""
    window = session.wait_for_window(title, timeout=1)
    if window is not None and process.running():
        session.send_key(window, "Escape")
    if process.wait_exit(10) is None:
        process.kill()
    screen = Screen(session.display)
    try:
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline and (session.find_windows(title) or screen.any_lit_pixel()):
            time.sleep(0.1)
    finally:
        screen.close()


def start(session, settings):
    """Starts the floor (settings None) or the saver with the settings; returns the process and its title."""
    if settings is None:
        started = time.monotonic()
        process = session.start_program(session.floor)
        title = "^KelvorFloor$"
    else:
        session.clear_settings()
        values = dict(settings)
        if values.get("DisplayItems", 0) & 0x80:
            values["Descr"] = DESCRIPTION
        session.set_settings(**values)
        started = time.monotonic()
        process = session.start_saver("/s")
        title = "^KelvorSS$"
    process.started = started
    return process, title


def measure(session, settings, seconds):
    process, title = start(session, settings)
    try:
        shown = first_frame(session, process, with_text=settings is not None)
        if session.wait_for_window(title) is None:
            raise RuntimeError(f"{title} did not appear")
        pid = process.popen.pid
        time.sleep(2)  # start-up is not part of the steady state
        own_before = processor_ms(pid)
        others_before = session_ms(session, pid)
        time.sleep(seconds)
        own = processor_ms(pid) - own_before
        others = {p: (server, ms - others_before[p][1]) for p, (server, ms) in session_ms(session, pid).items()
                  if p in others_before}
        servers = sum(ms for server, ms in others.values() if server)
        wine = sum(ms for server, ms in others.values() if not server)
        peak = status_kib(pid, "VmHWM")
    finally:
        finish(session, process, title)
    return {"own": own, "servers": own + servers, "all": own + servers + wine, "peak": peak, "first": shown}


def span(values, form):
    low, high = min(values), max(values)
    return form.format(low) if form.format(low) == form.format(high) else f"{form.format(low)}-{form.format(high)}"


def open_session(arguments, work="measure"):
    arch = harness.machine_arch()
    session = harness.WineSession(arch, ROOT / "build" / work)
    if arguments.build:
        session.product = Path(arguments.build).resolve() / "kelvor.scr"
    session.floor = session.product.parent / "floor_window.exe"
    session.start()
    screen = Screen(session.display)
    screen.paint_root()
    screen.close()
    return arch, session


def table(arguments):
    chosen = [(name, settings) for name, settings in SETTINGS
              if settings is None or not arguments.only or any(word in name for word in arguments.only)]
    arch, session = open_session(arguments)
    builds = [("", session.product)]
    if arguments.before:
        builds.append(("before: ", Path(arguments.before).resolve() / "kelvor.scr"))
    results = {}
    for name, settings in chosen:
        for label, _ in builds if settings is not None else builds[:1]:
            results[label + name] = []
    try:
        # A fresh prefix builds its font cache at the first program that draws text: not measured.
        warm_up, title = start(session, {})
        session.wait_for_window(title)
        time.sleep(3)
        finish(session, warm_up, title)
        for round_number in range(arguments.rounds):
            for name, settings in chosen:
                for label, product in builds if settings is not None else builds[:1]:
                    session.product = product
                    results[label + name].append(measure(session, settings, arguments.seconds))
                    print(f"round {round_number + 1}: {label}{name}: {results[label + name][-1]}", file=sys.stderr,
                          flush=True)
    finally:
        session.close()

    floor = results["floor"]
    print(f"{'32-bit' if arch == '32' else 'x64'} build under Wine, {harness.SCREEN_WIDTH} x {harness.SCREEN_HEIGHT}, "
          f"{arguments.rounds} rounds of {arguments.seconds} s windows; processor time in ms over the window "
          f"(with servers: also the Wine server and the X server; whole session: also Wine's own processes); "
          f"ranges over the rounds, each ratio against the floor of the same round")
    print()
    print("| what runs | own time | vs floor | with servers | vs floor | whole session | vs floor | peak memory "
          "| vs floor | first frame | vs floor |")
    print("|---|---|---|---|---|---|---|---|---|---|---|")
    for name, runs in results.items():
        def ratios(key):
            return [run[key] / base[key] if base[key] else float("inf") for run, base in zip(runs, floor)]
        print(f"| {name} | {span([r['own'] for r in runs], '{:.0f}')} | {span(ratios('own'), '{:.2f}')} "
              f"| {span([r['servers'] for r in runs], '{:.0f}')} | {span(ratios('servers'), '{:.2f}')} "
              f"| {span([r['all'] for r in runs], '{:.0f}')} | {span(ratios('all'), '{:.2f}')} "
              f"| {span([r['peak'] / 1024 for r in runs], '{:.1f} MB')} | {span(ratios('peak'), '{:.2f}')} "
              f"| {span([r['first'] * 1000 for r in runs], '{:.0f} ms')} "
              f"| {span([(r['first'] - b['first']) * 1000 for r, b in zip(runs, floor)], '{:+.0f} ms')} |")


def long_run(arguments):
    arch, session = open_session(arguments, "measure-long")
    try:
        process, title = start(session, {})
        if session.wait_for_window(title) is None:
            raise RuntimeError("the saver did not appear")
        pid = process.popen.pid
        begin = process.started

        def sample():
            return {"minutes": (time.monotonic() - begin) / 60, "ms": processor_ms(pid),
                    "resident": status_kib(pid, "VmRSS"), "peak": status_kib(pid, "VmHWM"),
                    "handles": handles(pid), "threads": status_kib(pid, "Threads")}

        time.sleep(max(0.0, 60 - (time.monotonic() - begin)))
        samples = [sample()]
        while time.monotonic() - begin < arguments.long:
            time.sleep(min(60.0, max(0.0, arguments.long - (time.monotonic() - begin))))
            samples.append(sample())
        finish(session, process, title)
    finally:
        session.close()
    print(f"default settings, {'32-bit' if arch == '32' else 'x64'} build under Wine, "
          f"{harness.SCREEN_WIDTH} x {harness.SCREEN_HEIGHT}")
    print("| minute | processor time since start | resident memory | peak memory | open handles | threads |")
    print("|---|---|---|---|---|---|")
    for s in samples:
        print(f"| {s['minutes']:.1f} | {s['ms']:.0f} ms | {s['resident']} KiB | {s['peak']} KiB | {s['handles']} "
              f"| {s['threads']} |")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=int, default=25, help="length of each measured window")
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--only", nargs="*", help="settings whose names hold one of these words (the floor always)")
    parser.add_argument("--before", help="also run each setting with the kelvor.scr of this folder")
    parser.add_argument("--long", type=int, help="instead: run the default saver this many seconds")
    parser.add_argument("--build", help="the folder of kelvor.scr and floor_window.exe (default: this machine's "
                        "Wine architecture's build folder)")
    arguments = parser.parse_args()
    harness.SCREEN_WIDTH, harness.SCREEN_HEIGHT = SCREEN
    if arguments.long:
        long_run(arguments)
    else:
        table(arguments)


if __name__ == "__main__":
    main()

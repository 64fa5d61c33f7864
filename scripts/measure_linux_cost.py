#!/usr/bin/env python3
"""Measures what the display module for xscreensaver (build/linux/kelvor -root) costs, against the
floor for a ten-frame module: tests/linux/tools/floor_window, which fills the root window ten times
a second and does nothing else.

Both run at the same time, each on a private Xvfb display of its own, so that the load of the machine
is the same for both; the span is measured after a 2-second start and repeated for the given rounds.
For each: processor time (the scheduler's nanosecond count from /proc/PID/schedstat, user + system),
peak memory (VmHWM), and the resident memory and open file descriptors after the first and before the
last ten seconds, so that growth shows.
With --copies N, N of each run at once (each on its own display) and the ratio is that of the sums,
which evens out how much one process happens to be charged in a round.
Usage: scripts/measure_linux_cost.py [--copies N] [seconds [rounds [module options...]]]   (default
1 copy, 60 s, 3 rounds, the default settings)
"""

import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "scripts"))
sys.path.insert(0, str(ROOT / "tests" / "linux"))
import measure_cost  # noqa: E402
import xvfb_session  # noqa: E402


def scheduled_seconds(pid):
    return int(Path(f"/proc/{pid}/schedstat").read_text().split()[0]) / 1e9


def snapshot(pid):
    return measure_cost.status_kib(pid, "VmRSS"), measure_cost.handles(pid)


def measure_round(sessions, programs, seconds):
    processes = {name: session.start_program(program, *arguments)
                 for (name, (program, arguments)), session in zip(programs.items(), sessions)}
    time.sleep(2)  # start-up (fontconfig reads its cache) is not part of the steady state
    begin = {name: scheduled_seconds(p.pid) for name, p in processes.items()}
    time.sleep(10)
    early = {name: snapshot(p.pid) for name, p in processes.items()}
    time.sleep(seconds - 20)
    late = {name: snapshot(p.pid) for name, p in processes.items()}
    time.sleep(10)
    figures = {}
    for name, process in processes.items():
        if process.poll() is not None:
            raise RuntimeError(f"{name} ended early: {process.stderr.read()}")
        figures[name] = {"cpu": scheduled_seconds(process.pid) - begin[name],
                         "peak": measure_cost.status_kib(process.pid, "VmHWM"),
                         "rss": (early[name][0], late[name][0]), "fds": (early[name][1], late[name][1])}
        xvfb_session.stop(process)
    return figures


def main():
    arguments = sys.argv[1:]
    copies = 1
    if arguments[:1] == ["--copies"]:
        copies = int(arguments[1])
        arguments = arguments[2:]
    seconds = int(arguments[0]) if len(arguments) > 0 else 60
    rounds = int(arguments[1]) if len(arguments) > 1 else 3
    options = arguments[2:]
    programs = {}
    for copy in range(1, copies + 1):
        suffix = f" {copy}" if copies > 1 else ""
        programs[f"kelvor -root{suffix}"] = (xvfb_session.MODULE, ["-root", *options])
        programs[f"floor{suffix}"] = (xvfb_session.TOOLS / "floor_window", [])
    work = ROOT / "build" / "measure-linux"
    sessions = [xvfb_session.XvfbSession(work / name.replace(" -root", "").replace(" ", "-")).start()
                for name in programs]
    print(f"{rounds} rounds of {seconds} s at {xvfb_session.SCREEN_WIDTH} x {xvfb_session.SCREEN_HEIGHT}, "
          f"{copies} of each at once, options: -root {' '.join(options) or '(default settings)'}", flush=True)
    ratios = []
    try:
        for round_number in range(1, rounds + 1):
            figures = measure_round(sessions, programs, seconds)
            module = sum(f["cpu"] for name, f in figures.items() if name.startswith("kelvor"))
            floor = sum(f["cpu"] for name, f in figures.items() if name.startswith("floor"))
            ratios.append(module / floor)
            print(f"round {round_number}: processor ratio {ratios[-1]:.2f}", flush=True)
            for name, f in figures.items():
                print(f"  {name:13} processor {f['cpu']:.3f} s, peak memory {f['peak']} KiB, "
                      f"resident {f['rss'][0]} -> {f['rss'][1]} KiB, descriptors {f['fds'][0]} -> {f['fds'][1]}",
                      flush=True)
    finally:
        for session in sessions:
            session.close()
    print(f"processor-time ratio module / floor: {sum(ratios) / len(ratios):.2f} on average "
          f"({', '.join(f'{r:.2f}' for r in ratios)})")


if __name__ == "__main__":
    main()

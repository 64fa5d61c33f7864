#!/usr/bin/env python3
"""Measures what `kelvor.scr /s` costs over a run under Wine, against the floor for a ten-frame
saver: a bare full-screen window that repaints itself ten times a second (floor_window.exe).

For each program, one after the other on the same private Xvfb display: processor time (user +
system, from /proc) over the measured span, peak memory (VmHWM), and the resident memory and open
handles (Linux file descriptors of the Wine process) after the first and before the last ten
seconds, so growth shows. Usage: scripts/measure_cost.py [seconds]   (default 60)
"""

import os
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
import harness  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def status_kib(pid, name):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith(name + ":"):
            return int(line.split()[1])
    return 0


def handles(pid):
    return len(os.listdir(f"/proc/{pid}/fd"))


def measure(session, start, title, seconds):
    process = start()
    if session.wait_for_window(title) is None:
        raise RuntimeError(f"{title} did not appear")
    pid = process.popen.pid
    time.sleep(2)  # start-up is not part of the steady state
    begin = cpu_seconds(pid)
    time.sleep(10)
    early = (status_kib(pid, "VmRSS"), handles(pid))
    time.sleep(seconds - 20)
    late = (status_kib(pid, "VmRSS"), handles(pid))
    time.sleep(10)
    used = cpu_seconds(pid) - begin
    peak = status_kib(pid, "VmHWM")
    process.kill()
    return {"cpu": used, "peak": peak, "rss_early": early[0], "rss_late": late[0],
            "fds_early": early[1], "fds_late": late[1]}


def main():
    seconds = int(sys.argv[1]) if len(sys.argv) > 1 else 60
    arch = harness.machine_arch()
    session = harness.WineSession(arch, ROOT / "build" / "measure").start()
    build = session.product.parent
    try:
        session.clear_settings()
        saver = measure(session, lambda: session.start_saver("/s"), "^KelvorSS$", seconds)
        floor = measure(session, lambda: session.start_program(build / "floor_window.exe"), "^KelvorFloor$", seconds)
    finally:
        session.close()
    print(f"measured over {seconds} s at {harness.SCREEN_WIDTH} x {harness.SCREEN_HEIGHT}, default settings, "
          f"{'32-bit' if arch == '32' else 'x64'} build")
    for name, figures in (("kelvor.scr /s", saver), ("floor", floor)):
        print(f"{name:14} processor {figures['cpu']:.2f} s, peak memory {figures['peak']} KiB, "
              f"resident {figures['rss_early']} -> {figures['rss_late']} KiB, "
              f"handles {figures['fds_early']} -> {figures['fds_late']}")
    if floor["cpu"] > 0:
        print(f"processor-time ratio saver / floor: {saver['cpu'] / floor['cpu']:.2f}")
    print(f"peak-memory ratio saver / floor: {saver['peak'] / floor['peak']:.2f}")


if __name__ == "__main__":
    main()

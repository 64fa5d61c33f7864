#!/usr/bin/env python3
"""Measures what the display module for xscreensaver (build/linux/kelvor -root) costs, against the
floor for a ten-frame module: tests/linux/tools/floor_window, which fills the root window ten times
a second and does nothing else.

Both run at the same time, each on a private Xvfb display of its own, so that the load of the machine
is the same for both; the span is measured after a 2-second start and repeated for the given rounds.
For each: processor time (the scheduler's nanosecond count from /proc/PID/task/*/schedstat, user +
system of all threads), alone and with its display's X server, which does the drawing it asks for;
peak memory (VmHWM); and the resident memory and open file descriptors after the first and before
the last ten seconds, so that growth shows.
With --copies N, N of each run at once (each on its own display) and the ratios are those of the
sums, which evens out how much one process happens to be charged in a round.
With --peers, the programs a user would otherwise run for the same purpose run beside them, each on
a display of its own: conky showing the same information once and ten times a second, and once a
second with two more lines (the addresses and the system, as the module's address and system
lines), and xscreensaver's text modules noseguy, apple2, phosphor and fontglide (packages conky-std
and xscreensaver-data-extra; install them for the measurement only).
Usage: scripts/measure_linux_cost.py [--copies N] [--peers] [seconds [rounds [module options...]]]
(default 1 copy, no peers, 60 s, 3 rounds, the default settings)
"""

import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "scripts"))
sys.path.insert(0, str(ROOT / "tests" / "linux"))
import measure_cost  # noqa: E402
import xvfb_session  # noqa: E402


HACKS = Path("/usr/libexec/xscreensaver")
PEER_HACKS = ("noseguy", "apple2", "phosphor", "fontglide")

# conky with the module's lines, drawn on the root window; ${interface} is the first network
# interface but the loopback.
CONKY_CONFIG = """conky.config = {
    out_to_x = true, own_window = false, double_buffer = true, background = false,
    use_xft = true, font = 'DejaVu Sans:size=10', alignment = 'middle_middle',
    update_interval = %(interval)s,
};
conky.text = [[
${nodename}:  ${time %%I:%%M:%%S %%P}
up for ${uptime}
Memory usage: ${mem}
CPU usage: ${cpu cpu1}%% ${cpu cpu2}%%
%(more)sNetwork activity: rx: ${downspeed %(interface)s}  tx: ${upspeed %(interface)s}
]];
"""
# What the module's address and system lines show, as far as conky has it: the interface's IPv4
# addresses, the kernel's name and release.
CONKY_MORE_LINES = """IP addresses: ${addrs %(interface)s}
System: ${sysname} ${kernel}
"""


def network_interface():
    for line in Path("/proc/net/dev").read_text().splitlines()[2:]:
        name = line.split(":", 1)[0].strip()
        if name != "lo":
            return name
    return "lo"


def peers(work):
    """{name: (program, arguments)} of the peers; raises when one is not installed."""
    conky = Path("/usr/bin/conky")
    missing = [str(p) for p in [conky] + [HACKS / hack for hack in PEER_HACKS] if not p.exists()]
    if missing:
        raise SystemExit(f"not installed: {', '.join(missing)} (apt-get install conky-std xscreensaver-data-extra)")
    programs = {}
    interface = network_interface()
    for interval, more, name in ((1.0, False, "conky 1/s"), (1.0, True, "conky 1/s, 7 lines"),
                                 (0.1, False, "conky 10/s")):
        config = work / f"conky-{interval}{'-more' if more else ''}.conf"
        config.parent.mkdir(parents=True, exist_ok=True)
        config.write_text(CONKY_CONFIG % {"interval": interval, "interface": interface,
                                          "more": CONKY_MORE_LINES % {"interface": interface} if more else ""})
        programs[name] = (conky, ["-c", str(config)])
    for hack in PEER_HACKS:
        programs[hack] = (HACKS / hack, ["-root"])
    return programs


def scheduled_seconds(pid):
    return measure_cost.processor_ms(pid) / 1e3


def snapshot(pid):
    return measure_cost.status_kib(pid, "VmRSS"), measure_cost.handles(pid)


def measure_round(sessions, programs, seconds):
    processes = {name: session.start_program(program, *arguments)
                 for (name, (program, arguments)), session in zip(programs.items(), sessions)}
    servers = {name: session._xvfb.pid for name, session in zip(programs, sessions)}
    time.sleep(2)  # start-up (fontconfig reads its cache) is not part of the steady state
    begin = {name: scheduled_seconds(p.pid) for name, p in processes.items()}
    begin_servers = {name: scheduled_seconds(pid) for name, pid in servers.items()}
    time.sleep(10)
    early = {name: snapshot(p.pid) for name, p in processes.items()}
    time.sleep(seconds - 20)
    late = {name: snapshot(p.pid) for name, p in processes.items()}
    time.sleep(10)
    figures = {}
    for name, process in processes.items():
        if process.poll() is not None:
            raise RuntimeError(f"{name} ended early: {process.stderr.read()}")
        cpu = scheduled_seconds(process.pid) - begin[name]
        figures[name] = {"cpu": cpu, "with server": cpu + scheduled_seconds(servers[name]) - begin_servers[name],
                         "peak": measure_cost.status_kib(process.pid, "VmHWM"),
                         "rss": (early[name][0], late[name][0]), "fds": (early[name][1], late[name][1])}
    for process in processes.values():
        xvfb_session.stop(process)
    return figures


def average(values):
    return sum(values) / len(values)


def main():
    arguments = sys.argv[1:]
    copies = 1
    with_peers = False
    while arguments[:1] in (["--copies"], ["--peers"]):
        if arguments[0] == "--copies":
            copies = int(arguments[1])
            arguments = arguments[2:]
        else:
            with_peers = True
            arguments = arguments[1:]
    seconds = int(arguments[0]) if len(arguments) > 0 else 60
    rounds = int(arguments[1]) if len(arguments) > 1 else 3
    options = arguments[2:]
    work = ROOT / "build" / "measure-linux"
    programs = {}
    for copy in range(1, copies + 1):
        suffix = f" {copy}" if copies > 1 else ""
        programs[f"kelvor -root{suffix}"] = (xvfb_session.MODULE, ["-root", *options])
        programs[f"floor{suffix}"] = (xvfb_session.TOOLS / "floor_window", [])
    if with_peers:
        programs.update(peers(work))
    sessions = [xvfb_session.XvfbSession(work / name.replace(" -root", "").replace(" ", "-").replace("/", "-")).start()
                for name in programs]
    print(f"{rounds} rounds of {seconds} s at {xvfb_session.SCREEN_WIDTH} x {xvfb_session.SCREEN_HEIGHT}, "
          f"{copies} of each at once, options: -root {' '.join(options) or '(default settings)'}", flush=True)
    results = []
    try:
        for round_number in range(1, rounds + 1):
            figures = measure_round(sessions, programs, seconds)
            results.append(figures)

            def total(prefix, key):
                return sum(f[key] for name, f in figures.items() if name.startswith(prefix))
            print(f"round {round_number}: processor ratio {total('kelvor', 'cpu') / total('floor', 'cpu'):.2f}, "
                  f"with the X server {total('kelvor', 'with server') / total('floor', 'with server'):.2f}",
                  flush=True)
            for name, f in figures.items():
                print(f"  {name:13} processor {f['cpu']:.3f} s, with the X server {f['with server']:.3f} s, "
                      f"peak memory {f['peak']} KiB, resident {f['rss'][0]} -> {f['rss'][1]} KiB, "
                      f"descriptors {f['fds'][0]} -> {f['fds'][1]}", flush=True)
    finally:
        for session in sessions:
            session.close()

    def ratios(key):
        return [sum(f[key] for n, f in r.items() if n.startswith("kelvor")) /
                sum(f[key] for n, f in r.items() if n.startswith("floor")) for r in results]
    for key, what in (("cpu", "alone"), ("with server", "with the X server")):
        values = ratios(key)
        print(f"processor-time ratio module / floor, {what}: {average(values):.2f} on average "
              f"({', '.join(f'{r:.2f}' for r in values)})")
    print()
    print("| program | processor time, % of one core | with its X server | peak memory |")
    print("|---|---|---|---|")
    for name in programs:
        def share(key):
            values = [100 * r[name][key] / seconds for r in results]
            low, high = min(values), max(values)
            return f"{average(values):.2f} % ({low:.2f}-{high:.2f})"
        print(f"| {name} | {share('cpu')} | {share('with server')} | "
              f"{max(r[name]['peak'] for r in results):,} KiB |")


if __name__ == "__main__":
    main()

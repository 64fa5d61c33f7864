"""The address and system lines of the display module: the machine's own addresses and system, an
address change shown while the module runs (in a private network namespace, so that the machine's
own network stays untouched), and nothing read for them while they are off."""

import os
import re
import shlex
import signal
import subprocess
import time
import unittest
from pathlib import Path

import xvfb_session
from expected_addresses import address_line, host_ip
from module_case import STILL_TEXT, ModuleCase
from xvfb_session import BLACK, MODULE, stop

# How soon a change of the addresses must show.
CHANGE_SHOWN_WITHIN = 5.0


def comparable(text):
    """Text as OCR and the module both give it: blanks dropped, and the letters OCR takes for 0 and 1
    made digits."""
    return re.sub(r"\s+", "", text).translate(str.maketrans("OoIl|", "00111"))


def system_line():
    """The distribution's pretty name and the kernel's version, read here independently of the module."""
    fields = {}
    for path in (Path("/etc/os-release"), Path("/usr/lib/os-release")):
        if path.exists():
            for word in shlex.split(path.read_text(), comments=True):
                key, _, value = word.partition("=")
                fields[key] = value
            break
    version = re.match(r"[\d.]*", os.uname().release).group(0).rstrip(".")
    return f"System: {fields.get('PRETTY_NAME') or fields['NAME']}, Linux {version}"


class NetworkNamespace:
    """A network namespace of its own, held open by a sleeping process; `ip` and programs run in it."""

    def __init__(self):
        self.holder = subprocess.Popen(["unshare", "--net", "sleep", "600"])
        path = Path(f"/proc/{self.holder.pid}/ns/net")
        deadline = time.time() + 10
        # unshare makes the namespace before it starts sleep, under the same process id.
        while path.exists() and os.readlink(path) == os.readlink("/proc/self/ns/net") and time.time() < deadline:
            time.sleep(0.02)
        self.enter = ["nsenter", f"--net={path}"]

    def ip(self, *arguments):
        return subprocess.run([*self.enter, "ip", *arguments], capture_output=True, text=True, check=True,
                              timeout=20).stdout

    def close(self):
        stop(self.holder)


class AddressAndSystemTest(ModuleCase):
    def read_block(self, name):
        shot = self.x.screenshot(self.x.work_dir / f"{name}.png")
        return xvfb_session.harness.read_text(shot, self.x.drawn_box(), self.x.work_dir / f"{name}-text.png", 6)

    def assertShows(self, name, *lines):
        text = self.read_block(name)
        for line in lines:
            self.assertIn(comparable(line), comparable(text), f"{line!r} not in what OCR read: {text!r}")

    def wait_for_change(self, box):
        """Seconds until the drawn block is no longer `box`; fails after CHANGE_SHOWN_WITHIN."""
        started = time.monotonic()
        while time.monotonic() - started < CHANGE_SHOWN_WITHIN:
            if self.x.screen_pixels().bounding_box_not(BLACK) != box:
                return time.monotonic() - started
            time.sleep(0.1)
        self.fail(f"the block did not change within {CHANGE_SHOWN_WITHIN} s")

    def test_the_lines_show_the_machines_addresses_and_its_system(self):
        self.clear_root()
        module = self.start("-root", *STILL_TEXT, "-lines", "address,system")
        self.drawn_box(module)
        time.sleep(1.5)
        self.assertShows("own", address_line(host_ip), system_line())
        stop(module)
        self.assertEqual(module.stderr.read(), "")

    @unittest.skipUnless(os.geteuid() == 0, "a network namespace of its own needs root")
    def test_an_address_change_shows_within_five_seconds(self):
        namespace = NetworkNamespace()
        self.addCleanup(namespace.close)
        # A dummy interface where the kernel has the driver, else a pair of virtual ethernet ends, both
        # inside the namespace: addresses only, no traffic. No link-local addresses of their own, so
        # that only the test's own changes announce anything.
        try:
            namespace.ip("link", "add", "kv0", "type", "dummy")
        except subprocess.CalledProcessError:
            namespace.ip("link", "add", "kv0", "type", "veth", "peer", "name", "kv1")
            namespace.ip("link", "set", "kv1", "addrgenmode", "none", "up")
        for command in (("link", "set", "lo", "up"), ("link", "set", "kv0", "addrgenmode", "none", "up"),
                        ("addr", "add", "10.77.0.1/24", "dev", "kv0")):
            namespace.ip(*command)
        self.clear_root()
        # The X server is reached through its socket's path: an abstract socket belongs to the
        # network namespace it was made in.
        module = self.x.start_program("nsenter", namespace.enter[1], str(MODULE), "-root", *STILL_TEXT, "-lines",
                                      "address")
        self.addCleanup(stop, module)
        self.drawn_box(module)
        time.sleep(1.5)
        self.assertEqual(address_line(namespace.ip), "IP address: 10.77.0.1")
        self.assertShows("namespace-start", "IP address: 10.77.0.1")

        box = self.x.screen_pixels().bounding_box_not(BLACK)
        namespace.ip("addr", "add", "10.77.1.1/24", "dev", "kv0")
        namespace.ip("addr", "add", "fd77::1/64", "dev", "kv0", "nodad")
        added = self.wait_for_change(box)
        time.sleep(0.5)
        expected = address_line(namespace.ip)
        self.assertEqual(expected, "IP addresses: 10.77.0.1, 10.77.1.1, fd77::1")
        self.assertShows("namespace-added", expected)

        box = self.x.screen_pixels().bounding_box_not(BLACK)
        namespace.ip("addr", "del", "fd77::1/64", "dev", "kv0")
        self.wait_for_change(box)
        # An interface brought down keeps its IPv4 addresses, which no longer count; no address
        # comes or goes, only the interface's state is announced.
        time.sleep(0.5)
        box = self.x.screen_pixels().bounding_box_not(BLACK)
        namespace.ip("link", "set", "kv0", "down")
        down = self.wait_for_change(box)
        time.sleep(0.5)
        self.assertIn("10.77.0.1", namespace.ip("-o", "addr"))
        self.assertEqual(address_line(namespace.ip), "IP address: none")
        self.assertShows("namespace-down", "IP address: none")
        print(f"address added: shown after {added:.1f} s; interface down: after {down:.1f} s", flush=True)
        stop(module)
        self.assertEqual(module.stderr.read(), "")

    def test_nothing_is_read_for_the_lines_while_they_are_off(self):
        for name, lines, reads in (("defaults", (), False), ("every line", ("-lines", "all"), True)):
            with self.subTest(name):
                self.clear_root()
                trace = self.x.work_dir / "calls.txt"
                traced = self.x.start_program("strace", "-f", "-e", "trace=socket,openat", "-o", str(trace),
                                              str(MODULE), "-root", *lines)
                self.drawn_box(traced)
                time.sleep(1.5)
                # The tracer and the module alike: a module left without its tracer would run on.
                os.killpg(traced.pid, signal.SIGKILL)
                traced.wait(timeout=10)
                calls = trace.read_text()
                self.assertEqual("os-release" in calls, reads, calls[-2000:])
                self.assertEqual("AF_NETLINK" in calls, reads, calls[-2000:])

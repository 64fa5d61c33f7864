"""The address and system lines on the screen: the machine's own addresses as `ip` lists them, and
the name of the Windows that Wine plays, in both families."""

import re
import subprocess
import time
import unittest

import harness

FULL_SCREEN_TITLE = "^KelvorSS$"
BLACK = (0, 0, 0)


def machine_addresses():
    """The addresses the line should show, by its rule: IPv4 of interfaces that are up, loopback left
    out, then global IPv6 (no link-local, no loopback), each family in the system's order."""
    links = subprocess.run(["ip", "-o", "link"], capture_output=True, text=True, check=True).stdout
    up = {m.group(1) for m in re.finditer(r"^\d+: ([^:@]+)[^<]*<([^>]*)>", links, re.M) if "UP" in m.group(2).split(",")}
    listed = subprocess.run(["ip", "-o", "addr"], capture_output=True, text=True, check=True).stdout
    v4, v6 = [], []
    for m in re.finditer(r"^\d+: (\S+)\s+(inet6?) ([0-9a-f.:]+)/\d+ .*?scope (\w+)", listed, re.M):
        name, family, address, scope = m.groups()
        if name not in up or scope == "host" or address.startswith("127.") or address == "::1":
            continue
        if family == "inet":
            v4.append(address)
        elif scope == "global":
            v6.append(address)
    return v4 + v6


def address_line(addresses):
    if not addresses:
        return "IP address: none"
    return ("IP addresses: " if len(addresses) > 1 else "IP address: ") + ", ".join(addresses)


class AddressAndSystemLinesTest(unittest.TestCase):
    def setUp(self):
        self.wine = harness.session()
        self.wine.clear_settings()
        self.saver = None

    def tearDown(self):
        if self.saver is not None:
            self.saver.kill()
        self.wine.set_windows_version("win7")

    def shown_lines(self, name, wanted, attempts=4):
        """The two lines read by OCR, as a list; read again (a misread glyph) until `wanted` matches
        them or the attempts run out."""
        lines = []
        for attempt in range(attempts):
            box = self.wine.screen_pixels().bounding_box_not(BLACK)
            if box is not None:
                shot = self.wine.screenshot(self.wine.work_dir / f"{name}-{attempt}.png")
                text = harness.read_text(shot, box, self.wine.work_dir / f"{name}-{attempt}-text.png", page_mode=6)
                lines = [line.strip() for line in text.splitlines() if line.strip()]
                if wanted(lines):
                    break
            time.sleep(1)
        return lines

    def check_lines(self, version, system_pattern):
        self.wine.set_windows_version(version)
        # Only the two new lines, large and still; the registry value is all it takes.
        self.wine.set_settings(DisplayItems=0, ExtraItems=3, MoveOption=4, FontSize=20, FontName="Arial")
        self.saver = self.wine.start_saver("/s")
        self.assertIsNotNone(self.wine.wait_for_window(FULL_SCREEN_TITLE), "no full-screen window")
        expected = address_line(machine_addresses())
        pattern = re.compile(system_pattern)
        lines = self.shown_lines(f"address-system-{version}",
                                 lambda lines: len(lines) == 2 and lines[0] == expected and pattern.fullmatch(lines[1]))
        self.assertEqual(len(lines), 2, lines)
        self.assertEqual(lines[0], expected)
        self.assertIsNotNone(pattern.fullmatch(lines[1]), lines[1])

    def test_as_windows_7_the_machines_addresses_and_the_version_wine_reports(self):
        self.check_lines("win7", r"System: Windows 7 Service Pack 1 \(build 7601\)")

    def test_as_windows_98_the_same_addresses_and_the_9x_version(self):
        self.check_lines("win98", r"System: Windows 98( Second Edition)? \(4\.10\.\d+\)")


if __name__ == "__main__":
    unittest.main()

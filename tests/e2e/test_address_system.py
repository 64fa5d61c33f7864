"""The address and system lines on the screen: the machine's own addresses as `ip` lists them, and
the name of the Windows that Wine plays, in both families."""

import json
import re
import subprocess
import sys
import time
import unittest
from pathlib import Path

import harness
from expected_addresses import address_line

FULL_SCREEN_TITLE = "^KelvorSS$"
BLACK = (0, 0, 0)
# Where no notification exists (Wine has none) the addresses are read again every 5 s; the line then
# waits for the next text rebuild and the screenshot for the next paint.
APPEARS_WITHIN_SECONDS = 5.5


def private_networks_possible():
    """Whether this machine lets a test make a network namespace with a veth pair in it."""
    probe = subprocess.run(["unshare", "-n", "ip", "link", "add", "probe0", "type", "veth", "peer", "name", "probe1"],
                           capture_output=True, text=True)
    return probe.returncode == 0, probe.stderr.strip()


class AddressAndSystemLinesTest(unittest.TestCase):
    def setUp(self):
        self.wine = harness.session()
        self.wine.clear_settings()
        self.addCleanup(self.wine.set_windows_version, "win7")

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
        self.addCleanup(self.wine.start_saver("/s").kill)
        self.assertIsNotNone(self.wine.wait_for_window(FULL_SCREEN_TITLE), "no full-screen window")
        expected = address_line()
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

    def test_an_address_added_while_it_runs_appears_within_5_seconds(self):
        possible, why = private_networks_possible()
        if not possible:
            self.skipTest(f"no private network namespace with a veth pair here: {why}")
        work = self.wine.work_dir / "private-network"
        helper = Path(__file__).resolve().parent / "private_network.py"
        run = subprocess.run(["unshare", "-n", sys.executable, str(helper), "--arch", self.wine.arch,
                              "--work", str(work)], capture_output=True, text=True, timeout=240)
        self.assertEqual(run.returncode, 0, run.stderr[-2000:])
        report = json.loads(run.stdout.strip().splitlines()[-1])
        self.assertEqual(report["before"], "IP address: 10.99.0.1")
        self.assertIsNotNone(report["seconds"], f"the new address did not appear; {report}")
        self.assertEqual(report["after"], "IP addresses: 10.99.0.1, 10.99.0.2")
        self.assertLessEqual(report["seconds"], APPEARS_WITHIN_SECONDS, report)


if __name__ == "__main__":
    unittest.main()

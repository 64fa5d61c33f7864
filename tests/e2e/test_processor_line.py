"""The running saver's processor line, read off the screen: Wine's performance data hold no processor
object, so the figures come from the kernel's processor times, one per processor."""

import os
import re
import subprocess
import time
import unittest

import harness

FULL_SCREEN_TITLE = "^KelvorSS$"
BLACK = (0, 0, 0)
SHOW_CPU_ONLY = 32
STATIONARY_IN_CENTRE = 4


class ProcessorLineTest(unittest.TestCase):
    def setUp(self):
        self.wine = harness.session()
        self.wine.set_windows_version("win7")
        self.wine.clear_settings()
        self.saver = None

    def tearDown(self):
        if self.saver is not None:
            self.saver.kill()

    def read_line(self, name):
        """The text on the screen, read by OCR from the block of drawn pixels."""
        box = self.wine.screen_pixels().bounding_box_not(BLACK)
        self.assertIsNotNone(box, "nothing drawn")
        shot = self.wine.screenshot(self.wine.work_dir / f"{name}.png")
        margin = 12
        left, top = max(box[0] - margin, 0), max(box[1] - margin, 0)
        width, height = box[2] - left + 1 + margin, box[3] - top + 1 + margin
        crop = self.wine.work_dir / f"{name}-line.png"
        subprocess.run(["convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}", "+repage", str(crop)],
                       check=True, timeout=30)
        # One line of text (page segmentation mode 7).
        return subprocess.run(["tesseract", str(crop), "stdout", "--psm", "7"], capture_output=True, text=True,
                              check=True, timeout=60).stdout.strip()

    def test_the_line_shows_a_load_for_each_processor(self):
        processors = os.cpu_count()
        self.wine.set_settings(DisplayItems=SHOW_CPU_ONLY, MoveOption=STATIONARY_IN_CENTRE, FontSize=36)
        self.saver = self.wine.start_saver("/s")
        self.assertIsNotNone(self.wine.wait_for_window(FULL_SCREEN_TITLE), "no full-screen window")
        # One figure per processor: "12% 03%", or "42 %" for a lone processor.
        form = " ".join([r"\d{2,3}%"] * processors) if processors > 1 else r"\d{2,3} %"
        pattern = re.compile(r"CPU usage: " + form)
        time.sleep(2.5)  # past the first reading, which covers the time since the system started
        text = ""
        for attempt in range(3):  # a misread glyph gets another screenshot
            text = self.read_line(f"processor-line-{attempt}")
            if pattern.fullmatch(text):
                break
            time.sleep(1)
        self.assertIsNotNone(pattern.fullmatch(text), text)
        self.assertTrue(all(0 <= int(figure) <= 100 for figure in re.findall(r"\d+", text)), text)


if __name__ == "__main__":
    unittest.main()

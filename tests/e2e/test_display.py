"""The running saver as a user sees it: the screen, the text block and how it moves."""

import os
import re
import time
import unittest

import harness

FULL_SCREEN_TITLE = "^KelvorSS$"
BLACK = (0, 0, 0)


class DisplayTest(unittest.TestCase):
    def setUp(self):
        self.wine = harness.session()
        self.wine.set_windows_version("win7")
        self.wine.clear_settings()
        self.saver = None

    def tearDown(self):
        if self.saver is not None:
            self.saver.kill()

    def start(self, **settings):
        self.wine.set_settings(**settings)
        self.saver = self.wine.start_saver("/s")
        window = self.wine.wait_for_window(FULL_SCREEN_TITLE)
        self.assertIsNotNone(window, "no full-screen window")
        return window

    def text_box(self, timeout=10):
        """The bounding box of everything that is not background, once some text is shown."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            box = self.wine.screen_pixels().bounding_box_not(BLACK)
            if box is not None:
                return box
            time.sleep(0.1)
        self.fail("no text appeared")

    @staticmethod
    def centre(box):
        return (box[0] + box[2]) / 2, (box[1] + box[3]) / 2

    def read_text(self, name):
        """The text on the screen, read by OCR as one line from the block of drawn pixels."""
        box = self.text_box()
        shot = self.wine.screenshot(self.wine.work_dir / f"{name}.png")
        return harness.read_text(shot, box, self.wine.work_dir / f"{name}-text.png")

    def test_the_text_appears_near_the_centre_and_stays_there_when_stationary(self):
        self.start(MoveOption=4)
        first = self.text_box()
        cx, cy = self.centre(first)
        self.assertAlmostEqual(cx, harness.SCREEN_WIDTH / 2, delta=40)
        self.assertAlmostEqual(cy, harness.SCREEN_HEIGHT / 2, delta=40)
        # Five lines and the network line below them.
        self.assertGreater(first[3] - first[1], 60)
        time.sleep(2.5)
        later = self.text_box()
        self.assertEqual((later[0], later[1]), (first[0], first[1]))

    def test_bounce_off_sides_moves_the_text_from_the_centre(self):
        self.start(MoveOption=2)
        first = self.text_box()
        cx, cy = self.centre(first)
        self.assertAlmostEqual(cx, harness.SCREEN_WIDTH / 2, delta=80)
        self.assertAlmostEqual(cy, harness.SCREEN_HEIGHT / 2, delta=80)
        time.sleep(2)
        later = self.text_box()
        # The bounce sets off towards the bottom right.
        self.assertGreater(later[0], first[0])
        self.assertGreater(later[1], first[1])
        # Nothing is left behind: what is drawn is still one block of six lines.
        self.assertAlmostEqual(later[3] - later[1], first[3] - first[1], delta=1)

    def test_nothing_selected_shows_the_smiley_alone(self):
        self.start(DisplayItems=0, MoveOption=4, FontSize=20)
        box = self.text_box()
        width, height = box[2] - box[0] + 1, box[3] - box[1] + 1
        self.assertLess(width, 80)
        self.assertLess(height, 45)
        self.assertGreater(width, 10)

    def test_colours_come_from_the_settings(self):
        background, text = 0x00204080, 0x0000FFFF  # a brown background, yellow text
        self.start(BgColour=background, FontColour=text, MoveOption=4, FontSize=24)
        time.sleep(1.5)
        screen = self.wine.screen_pixels()
        self.assertGreater(screen.share_of(harness.colour_of(background)), 0.8)
        self.assertGreater(screen.share_of(harness.colour_of(text)), 0.001)

    def test_the_processor_line_shows_a_load_for_each_processor(self):
        # Wine's performance data hold no processor object: the figures come from the kernel's
        # processor times. Only the processor line, large and still.
        self.start(DisplayItems=32, MoveOption=4, FontSize=36)
        processors = os.cpu_count()
        form = " ".join([r"\d{2,3}%"] * processors) if processors > 1 else r"\d{2,3} %"
        pattern = re.compile(r"CPU usage: " + form)
        time.sleep(2.5)  # past the first reading, which covers the time since the system started
        text = ""
        for attempt in range(3):  # a misread glyph gets another screenshot
            text = self.read_text(f"processor-line-{attempt}")
            if pattern.fullmatch(text):
                break
            time.sleep(1)
        self.assertIsNotNone(pattern.fullmatch(text), text)
        self.assertTrue(all(0 <= int(figure) <= 100 for figure in re.findall(r"\d+", text)), text)


if __name__ == "__main__":
    unittest.main()

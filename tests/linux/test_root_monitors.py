"""The module on the root window of two monitors side by side, unevenly sized (Xorg's dummy driver,
placed by xrandr): it centres on the primary, never shows text where no monitor shows, and follows
a monitor switched off and on."""

import time
import unittest

import two_monitors
import xvfb_session
from two_monitors import BLACK, SECONDARY_LEFT, UNEVEN
from xvfb_session import stop

# How long each moving animation is sampled; jumps come every 5.1 s.
SAMPLE_SECONDS = 12


class MonitorsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.x = xvfb_session.session()
        cls.server = two_monitors.TwoMonitorServer(cls.x.work_dir / "monitors", first_number=170).start(UNEVEN)

    @classmethod
    def tearDownClass(cls):
        cls.server.close()

    def setUp(self):
        self.server.place(UNEVEN)

    def start_module(self, *arguments):
        module = self.x.start_module("-root", *arguments, env=self.x.env(DISPLAY=self.server.display))
        self.addCleanup(stop, module)
        return module

    def block_box(self, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            box = self.server.screen_pixels().bounding_box_not(BLACK)
            if box is not None:
                return box
            time.sleep(0.2)
        return None

    def test_centres_on_the_primary(self):
        for layout in (UNEVEN, SECONDARY_LEFT):
            with self.subTest(layout=layout.name):
                self.server.place(layout)
                self.start_module("-animation", "centre")
                time.sleep(0.5)  # the first frame paints the whole root
                box = self.block_box()
                self.assertIsNotNone(box, "no text appeared")
                primary = layout.primary
                self.assertTrue(two_monitors.box_within(box, primary), f"text at {box}")
                self.assertAlmostEqual((box[0] + box[2]) / 2, (primary[0] + primary[2]) / 2, delta=40)
                self.assertAlmostEqual((box[1] + box[3]) / 2, (primary[1] + primary[3]) / 2, delta=30)
                self.doCleanups()

    def test_bouncing_and_jumping_never_show_text_where_no_monitor_shows(self):
        dead = two_monitors.dead_area(UNEVEN)
        for animation in ("bounce", "jump"):
            with self.subTest(animation=animation):
                self.start_module("-animation", animation)
                time.sleep(0.5)
                self.assertIsNotNone(self.block_box(), "no text appeared")
                boxes = set()
                deadline = time.time() + SAMPLE_SECONDS
                while time.time() < deadline:
                    screen = self.server.screen_pixels()
                    self.assertIsNone(two_monitors.crop(screen, dead).bounding_box_not(BLACK),
                                      "text where no monitor shows")
                    boxes.add(screen.bounding_box_not(BLACK))
                self.assertGreater(len(boxes), 1, "the block did not move")
                self.doCleanups()

    def test_follows_a_monitor_switched_off_and_on(self):
        self.start_module("-animation", "jump")
        secondary = UNEVEN.secondary
        deadline = time.time() + 25
        box = None
        while time.time() < deadline:
            box = self.server.screen_pixels().bounding_box_not(BLACK)
            if box is not None and two_monitors.box_within(box, secondary):
                break
            time.sleep(0.3)
        self.assertTrue(box is not None and two_monitors.box_within(box, secondary), "never on the secondary")
        self.server.switch_secondary_off()
        try:
            self.assertEqual(self.server.size(), (800, 600))
            # Between jumps only the change of monitors can bring the block onto the primary.
            self.assertIsNotNone(self.block_box(timeout=3), "the text went with its monitor")
        finally:
            self.server.switch_secondary_on()
        time.sleep(0.5)
        self.assertIsNotNone(self.block_box(timeout=3), "no text after the monitor came back")


if __name__ == "__main__":
    unittest.main()

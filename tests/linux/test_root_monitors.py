"""The module on the root window of two monitors side by side, unevenly sized (Xorg's dummy driver,
placed by xrandr): it centres on the primary, never shows text where no monitor shows, and follows
a monitor switched off and on; where no monitor is named primary, the one at the origin is."""

import time
import unittest

import two_monitors
import xvfb_session
from two_monitors import SECONDARY_LEFT, UNEVEN
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

    def block_box(self, timeout=10, within=None):
        return two_monitors.wait_for_block(self.server, timeout, within)

    def test_centres_on_the_primary(self):
        for layout in (UNEVEN, SECONDARY_LEFT):
            with self.subTest(layout=layout.name):
                self.server.place(layout)
                self.start_module("-animation", "centre")
                time.sleep(0.5)  # the first frame paints the whole root
                two_monitors.check_centred_on_primary(self, self.block_box(), layout)
                self.doCleanups()

    def test_centres_on_the_monitor_at_the_origin_where_none_is_named_primary(self):
        # The first output listed lies right of the one at the origin.
        self.server.place(SECONDARY_LEFT)
        self.server.xrandr("--noprimary")
        self.start_module("-animation", "centre")
        time.sleep(0.5)
        at_origin = two_monitors.Layout("no-primary", SECONDARY_LEFT.secondary, SECONDARY_LEFT.primary)
        two_monitors.check_centred_on_primary(self, self.block_box(), at_origin)

    def test_bouncing_and_jumping_never_show_text_where_no_monitor_shows(self):
        for animation in ("bounce", "jump"):
            with self.subTest(animation=animation):
                # A large block: a bounce reaches the part below the primary within seconds.
                self.start_module("-animation", animation, "-font", "DejaVu Sans-24", "-lines", "all")
                time.sleep(0.5)
                self.assertIsNotNone(self.block_box(), "no text appeared")
                two_monitors.check_dead_area(self, self.server, SAMPLE_SECONDS)
                self.doCleanups()

    def test_follows_a_monitor_switched_off_and_on(self):
        self.start_module("-animation", "jump")
        secondary = UNEVEN.secondary
        # A jump every five seconds lands there about two times in three: a minute's jumps all but
        # never miss it, where 25 s could.
        box = self.block_box(timeout=60, within=secondary)
        self.assertIsNotNone(box, "never on the secondary")
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

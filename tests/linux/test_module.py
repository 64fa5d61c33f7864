"""The display module as xscreensaver and a user see it: where it draws, what it shows, how it moves,
how it ends and how it refuses what it cannot do."""

import signal
import subprocess
import time
import unittest

import xvfb_session
from module_case import STILL_TEXT, ModuleCase
from xvfb_session import BLACK, TOOLS, stop


def rgb(hex_text):
    value = int(hex_text.lstrip("#"), 16)
    return value >> 16, (value >> 8) & 0xFF, value & 0xFF


class ModuleTest(ModuleCase):
    def test_root_shows_the_lines(self):
        self.clear_root()
        module = self.start("-root", *STILL_TEXT, "-lines", "uptime,since,memory,cpu,network")
        box = self.drawn_box(module)
        time.sleep(1.5)  # past the first processor reading
        shot = self.x.screenshot(self.x.work_dir / "root.png")
        text = xvfb_session.harness.read_text(shot, self.x.drawn_box(), self.x.work_dir / "root-text.png", 6)
        # OCR may read a lone 0 as the letter O.
        for pattern in (r"up for [\dO]+ days?, \d+:\d\d:\d\d", r"up since \d\d-\w{3}-\d\d \d+:\d\d:\d\d [ap]m",
                        r"Memory usage: [\d,]+ K", r"CPU usage: (\d{2,3} ?%\s*)+", r"Network activity: rx: . +tx: ."):
            self.assertRegex(text, pattern)
        # Centred on the screen.
        self.assertAlmostEqual((box[0] + box[2]) / 2, xvfb_session.SCREEN_WIDTH / 2, delta=40)
        self.assertAlmostEqual((box[1] + box[3]) / 2, xvfb_session.SCREEN_HEIGHT / 2, delta=40)

    def test_a_given_window_is_drawn_in_and_nothing_else(self):
        left, top, width, height, grey = 200, 150, 400, 300, "808080"
        background = "#204080"
        for how in ("-window-id", "XSCREENSAVER_WINDOW"):
            with self.subTest(how):
                self.clear_root()
                pane = self.x.start_program(TOOLS / "pane_window", str(left), str(top), str(width), str(height), grey,
                                            "6")
                self.addCleanup(stop, pane)
                pane_id = pane.stdout.readline().strip()
                self.assertTrue(pane_id.isdigit(), pane.stderr.read() if not pane_id else pane_id)
                if how == "-window-id":
                    module = self.start("-window-id", pane_id, "-bg", background, "-animation", "centre")
                else:
                    module = self.start("-root", "-bg", background, "-animation", "centre",
                                        env=self.x.env(XSCREENSAVER_WINDOW=hex(int(pane_id))))
                time.sleep(1.5)
                screen = self.x.screen_pixels()
                # Everything outside the pane is still the black root; the pane is painted over.
                self.assertEqual(screen.bounding_box_not(BLACK), (left, top, left + width - 1, top + height - 1))
                self.assertEqual(screen.pixel(left + 2, top + 2), rgb(background))
                self.assertEqual(screen.share_of(rgb(grey)), 0)
                drawn = [screen.pixel(x, y) for y in range(top, top + height) for x in range(left, left + width)]
                self.assertGreater(sum(1 for pixel in drawn if pixel != rgb(background)), 200, "no text in the pane")
                # The pane goes away: the module ends with it, without a word of the requests that
                # failed for the window on the way.
                self.assertEqual(pane.wait(timeout=15), 0)
                self.assertEqual(module.wait(timeout=3), 0)
                self.assertEqual(module.stderr.read(), "")

    def test_window_opens_a_window_of_its_own_and_draws_there(self):
        self.clear_root()
        module = self.start("-window", "-animation", "centre", "-bg", "#204080")
        found = subprocess.run(["xdotool", "search", "--sync", "--name", "^Kelvor$"], env=self.x.env(),
                               capture_output=True, text=True, timeout=20).stdout.split()
        self.assertEqual(len(found), 1, module.stderr.read() if module.poll() is not None else found)
        # Without a window manager it stays where it was made: the top-left corner.
        box = self.drawn_box(module)
        self.assertEqual(box, (0, 0, 799, 599))
        time.sleep(1.5)
        screen = self.x.screen_pixels()
        inside = [screen.pixel(x, y) for y in range(0, 600, 2) for x in range(0, 800, 2)]
        self.assertGreater(sum(1 for pixel in inside if pixel != rgb("#204080")), 100, "no text in the window")

    def test_bounce_moves_the_block(self):
        self.clear_root()
        module = self.start("-root", "-animation", "bounce")
        first = self.drawn_box(module)
        time.sleep(2)
        later = self.drawn_box(module)
        self.assertNotEqual(later[:2], first[:2])
        # Nothing is left behind: what is drawn is still one block of the same height.
        self.assertAlmostEqual(later[3] - later[1], first[3] - first[1], delta=1)

    def test_sigterm_and_sigint_end_it_within_a_second(self):
        for number in (signal.SIGTERM, signal.SIGINT):
            with self.subTest(signal.Signals(number).name):
                module = self.start("-root", "-animation", "centre")
                self.drawn_box(module)
                sent = time.monotonic()
                module.send_signal(number)
                self.assertEqual(module.wait(timeout=5), 0)
                self.assertLess(time.monotonic() - sent, 1.0)

    def test_wrong_options_are_warned_of_and_it_draws_with_the_defaults(self):
        # What xscreensaver would otherwise start again and again: each wrong argument is one line of
        # warning, and the module runs on with that option's default.
        self.clear_root()
        warnings = ("unknown option '-spin', ignored",
                    "bad value 'spin' for option '-animation', using its default",
                    "bad value '11' for option '-randomness', using its default",
                    "bad value 'xyz' for option '-window-id', using its default",
                    "bad value 'Sans--5' for option '-font', using its default",
                    "option '-lines' needs a value, ignored",
                    "unknown colour 'no-such-colour' for option '-bg', using its default")
        # An empty XSCREENSAVER_WINDOW counts as none.
        module = self.start("-root", "-spin", "-animation", "spin", "-randomness", "11", "-window-id", "xyz", "-font",
                            "Sans--5", "-bg", "no-such-colour", "-lines", env=self.x.env(XSCREENSAVER_WINDOW=""))
        box = self.drawn_box(module)
        # The default animation bounces the block; it is shown whole.
        self.assertLess(box[2] - box[0], xvfb_session.SCREEN_WIDTH / 2)
        time.sleep(0.5)
        self.assertIsNone(module.poll(), "the module ended")
        stop(module)
        errors = module.stderr.read()
        self.assertEqual(errors.splitlines(), [f"kelvor: {warning}" for warning in warnings])
        self.assertNotIn("usage:", errors)
        # Only what leaves nothing to draw on ends it: with one line and a failure status.
        for arguments, message in ((["-window-id", "0x7fffff0"], "kelvor: there is no window 0x7fffff0"),
                                   (["-root", "-display", ":9999"], "kelvor: cannot open display ':9999'")):
            with self.subTest(" ".join(arguments)):
                code, errors = self.x.run_module(*arguments)
                self.assertNotEqual(code, 0)
                self.assertEqual(errors.splitlines(), [message])

    def test_fps_shows_the_frame_rate_in_the_bottom_left_corner(self):
        self.clear_root()
        module = self.start("-root", "--fps", "-animation", "centre", "-lines", "cpu")
        self.drawn_box(module)
        time.sleep(2.5)  # past the first reading
        screen = self.x.screen_pixels()
        corner = [screen.pixel(x, y) for y in range(xvfb_session.SCREEN_HEIGHT - 60, xvfb_session.SCREEN_HEIGHT)
                  for x in range(0, 200)]
        self.assertGreater(sum(1 for pixel in corner if pixel != BLACK), 100, "no frame rate in the corner")
        shot = self.x.screenshot(self.x.work_dir / "fps.png")
        text = xvfb_session.harness.read_text(
            shot, (0, xvfb_session.SCREEN_HEIGHT - 60, 250, xvfb_session.SCREEN_HEIGHT - 1),
            self.x.work_dir / "fps-text.png", 6)
        self.assertRegex(text, r"FPS: ?\d+[.,]\d")
        stop(module)
        self.assertEqual(module.stderr.read(), "")

    def test_small_windows_show_the_whole_block(self):
        grey = "808080"
        for width, height in ((300, 200), (200, 150)):
            with self.subTest(f"{width} x {height}"):
                left, top = 100, 100
                pane = self.x.start_program(TOOLS / "pane_window", str(left), str(top), str(width), str(height), grey,
                                            "8")
                self.addCleanup(stop, pane)
                pane_id = pane.stdout.readline().strip()
                # A large font: halved for the pane and then made smaller still until the block fits.
                module = self.start("-window-id", pane_id, "-animation", "centre", "-font", "DejaVu Sans-30")
                time.sleep(1.5)
                screen = self.x.screen_pixels()
                drawn = [(x, y) for y in range(top, top + height) for x in range(left, left + width)
                         if screen.pixel(x, y) != BLACK]
                self.assertGreater(len(drawn), 200, "no text in the pane")
                xs = [x for x, _ in drawn]
                ys = [y for _, y in drawn]
                # A block cut off by the pane would reach both of its edges.
                self.assertLess(max(xs) - min(xs) + 1, width)
                self.assertLess(max(ys) - min(ys) + 1, height)
                # Centred.
                self.assertAlmostEqual((min(xs) + max(xs)) / 2, left + width / 2, delta=12)
                stop(module)
                stop(pane)

    def test_a_resized_window_keeps_the_block_centred(self):
        self.clear_root()
        module = self.start("-window", "-geometry", "640x480", "-animation", "centre")
        found = subprocess.run(["xdotool", "search", "--sync", "--name", "^Kelvor$"], env=self.x.env(),
                               capture_output=True, text=True, timeout=20).stdout.split()
        self.assertEqual(len(found), 1)
        self.drawn_box(module)
        time.sleep(1.2)
        subprocess.run(["xdotool", "windowsize", found[0], "320", "240"], env=self.x.env(), check=True, timeout=20)
        # What the window leaves uncovered the server paints with the root's black.
        time.sleep(1.5)
        box = self.drawn_box(module)
        self.assertLess(box[2], 320)
        self.assertLess(box[3], 240)
        self.assertAlmostEqual((box[0] + box[2]) / 2, 160, delta=8)
        self.assertAlmostEqual((box[1] + box[3]) / 2, 120, delta=8)
        # q closes a window of its own (there is no window manager to give it the focus).
        subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], env=self.x.env(), check=True, timeout=20)
        subprocess.run(["xdotool", "key", "q"], env=self.x.env(), check=True, timeout=20)
        self.assertEqual(module.wait(timeout=5), 0)

    def test_a_command_line_as_the_settings_program_writes_it_runs(self):
        # What xscreensaver's settings program wrote to ~/.xscreensaver for choices made in its
        # dialog (the host tests hold every argument of the description against the options).
        module = self.start("-root", "-animation", "centre", "-randomness", "10", "-clock", "24", "-font",
                            "DejaVu Sans-12:bold", "-fg", "#ffffff", "-bg", "navy", "-lines", "text,cpu,network",
                            "-text", "Rack 4", "--address", "--system")
        self.drawn_box(module, background=rgb("#000080"))
        time.sleep(0.5)
        self.assertIsNone(module.poll(), module.stderr.read() if module.poll() is not None else "")

    def test_text_is_sized_at_the_displays_dots_per_inch(self):
        heights = {}
        for dpi in (96, 192):
            with self.subTest(dpi=dpi):
                x = xvfb_session.XvfbSession(self.x.work_dir / f"dpi{dpi}", dpi=dpi).start()
                self.addCleanup(x.close)
                module = x.start_module("-root", *STILL_TEXT, "-lines", "cpu")
                box = x.drawn_box()
                self.assertIsNotNone(box, f"nothing drawn at {dpi} dpi")
                heights[dpi] = box[3] - box[1] + 1
                stop(module)
                x.close()
        # "CPU usage": 20 points are about 27 pixels at 96 dpi; the glyphs fill most of that.
        self.assertAlmostEqual(heights[96], 22, delta=6)
        self.assertAlmostEqual(heights[192] / heights[96], 2.0, delta=0.2)


if __name__ == "__main__":
    unittest.main()

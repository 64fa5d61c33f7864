"""Start-up and dispatch of kelvor.scr as Windows starts it."""

import time
import unittest

import harness

FULL_SCREEN_TITLE = "^KelvorSS$"
ERROR_BOX_TITLE = "^Kelvor Screen Saver$"


class StartupTest(unittest.TestCase):
    def setUp(self):
        self.wine = harness.session()
        self.wine.set_windows_version("win7")
        self.wine.clear_settings()

    def assert_ends_without_window(self, *arguments):
        saver = self.wine.start_saver(*arguments)
        seen = []
        deadline = time.time() + 15
        while saver.running() and time.time() < deadline:
            seen += self.wine.find_windows(".+")
            time.sleep(0.1)
        self.assertFalse(saver.running(), f"{arguments} is still running")
        self.assertEqual(saver.wait_exit(1), 0)
        self.assertEqual(seen, [], f"{arguments} showed a window")

    def test_unrecognised_switches_end_at_once_without_a_window(self):
        for arguments in (["-s"], ["s"], ["/x"]):
            with self.subTest(arguments=arguments):
                self.assert_ends_without_window(*arguments)

    def test_full_screen_covers_the_screen_in_the_background_colour_and_ends_on_a_key(self):
        self.wine.set_settings(BgColour=0x00402010, DisplayItems=0)
        saver = self.wine.start_saver("/s")
        window = self.wine.wait_for_window(FULL_SCREEN_TITLE)
        self.assertIsNotNone(window, "no full-screen window")
        self.assertEqual(self.wine.window_geometry(window)[2:], (harness.SCREEN_WIDTH, harness.SCREEN_HEIGHT))
        time.sleep(1)
        screen = self.wine.screen_pixels()
        self.assertGreater(screen.share_of(harness.colour_of(0x00402010)), 0.95)
        self.wine.send_key(window, "space")
        self.assertEqual(saver.wait_exit(10), 0)

    def test_a_second_full_screen_start_ends_at_once(self):
        first = self.wine.start_saver("/s")
        window = self.wine.wait_for_window(FULL_SCREEN_TITLE)
        self.assertIsNotNone(window)
        second = self.wine.start_saver("/S")
        self.assertEqual(second.wait_exit(15), 0)
        self.assertTrue(first.running())
        self.assertEqual(len(self.wine.find_windows(FULL_SCREEN_TITLE)), 1)
        self.wine.send_key(window, "Escape")
        self.assertEqual(first.wait_exit(10), 0)

    def test_a_stored_number_too_large_for_its_field_shows_the_critical_error(self):
        self.wine.set_settings(DisplayItems=256)
        saver = self.wine.start_saver("/s")
        box = self.wine.wait_for_window(ERROR_BOX_TITLE)
        self.assertIsNotNone(box, "no critical-error box")
        self.assertEqual(self.wine.find_windows(FULL_SCREEN_TITLE), [])
        self.assertTrue(saver.running(), "the program ended before the box was dismissed")
        self.wine.send_key(box, "Return")
        self.assertIsNotNone(saver.wait_exit(10), "the program did not end after the box")
        self.assertEqual(self.wine.find_windows(".+"), [])


if __name__ == "__main__":
    unittest.main()

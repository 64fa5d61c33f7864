"""The live information block moves full screen for every animation type, and the preview lives in
its pane."""

import time
import unittest

import harness

FULL_SCREEN_TITLE = "^KelvorSS$"
# How long the preview pane stays open.
PANE_SECONDS = 8
BLACK = (0, 0, 0)
RANDOM_JUMPING, RANDOM_SLIDING, RANDOM_PATH = 0, 1, 3
NAMES = {RANDOM_JUMPING: "Random Jumping", RANDOM_SLIDING: "Random Sliding", RANDOM_PATH: "Random Path"}
# Random jumping moves on the 51st tick and every 51 ticks after, so 5.1 s is its first jump.
WATCH_SECONDS = 12


class AnimationTest(unittest.TestCase):
    def setUp(self):
        self.wine = harness.session()
        self.wine.set_windows_version("win7")
        self.wine.clear_settings()

    def start_program(self, program, *arguments):
        process = self.wine.start_program(program, *arguments)
        self.addCleanup(process.kill)
        return process

    def watch_block(self, name, timeout=WATCH_SECONDS):
        """Waits for the block to appear, then for it to show somewhere else with the same height."""
        first = None
        deadline = time.time() + timeout
        while time.time() < deadline:
            box = self.wine.screen_pixels().bounding_box_not(BLACK)
            if box is not None and first is None:
                first = box
            elif box is not None and box[:2] != first[:2]:
                # A block drawn twice, or a trail, would change the height of what is not black.
                self.assertAlmostEqual(box[3] - box[1], first[3] - first[1], delta=1,
                                       msg=f"{name}: the block changed its height")
                return
            time.sleep(0.25)
        self.assertIsNotNone(first, f"{name}: no text appeared")
        self.fail(f"{name}: the block did not move in {timeout} s")

    def test_every_animation_type_moves_the_block_full_screen(self):
        # "Bounce Off Sides" and "Stationary in Centre" have tests of their own.
        for option in (RANDOM_JUMPING, RANDOM_SLIDING, RANDOM_PATH):
            with self.subTest(NAMES[option]):
                self.wine.set_settings(MoveOption=option)
                saver = self.start_program(self.wine.product, "/s")
                self.assertIsNotNone(self.wine.wait_for_window(FULL_SCREEN_TITLE), "no full-screen window")
                self.watch_block(NAMES[option])
                saver.kill()

    def test_the_preview_fills_its_pane_and_ends_when_the_pane_closes(self):
        # Wine does not draw a child window of another process, so the pane reports what it holds.
        pane_program = self.wine.product.parent / "preview_pane.exe"
        self.assertTrue(pane_program.exists(), f"{pane_program} is not built")
        report = self.wine.work_dir / "preview_pane_report.txt"
        for version in ("win7", "win98"):
            with self.subTest(version):
                self.wine.set_windows_version(version)
                report.unlink(missing_ok=True)
                pane = self.start_program(pane_program, harness.windows_path(self.wine.product),
                                          harness.windows_path(report), str(PANE_SECONDS))
                seen = harness.wait_for_file_text(report, "KelvorDisplayWindow 0 0 152 112 1", PANE_SECONDS)
                self.assertEqual(seen, "KelvorDisplayWindow 0 0 152 112 1")
                # 0: the saver ended once its pane was gone.
                self.assertEqual(pane.wait_exit(PANE_SECONDS + 15), 0)


if __name__ == "__main__":
    unittest.main()

"""The options dialog of kelvor.scr as a user meets it: opened by "/C" or no switch, closed with
Enter or Esc, placed over and disabling "Display Properties", and setting the all-users default
screen saver on the NT family."""

import time
import unittest

import harness

DIALOG_TITLE = "^Kelvor Screen Saver Setup$"
ERROR_BOX_TITLE = "^Kelvor Screen Saver$"
FRAME_TOLERANCE = 8
DEFAULT_USER_DESKTOP = r"HKU\.DEFAULT\Control Panel\Desktop"
SAVED_VALUES = {
    "FontName": ("REG_SZ", "Verdana"), "FontSize": ("REG_DWORD", 10), "FontColour": ("REG_DWORD", 16777215),
    "BgColour": ("REG_DWORD", 0), "FontSettings": ("REG_DWORD", 0), "DisplayItems": ("REG_DWORD", 127),
    "Descr": ("REG_SZ", ""), "MouseSettings": ("REG_DWORD", 0), "MoveOption": ("REG_DWORD", 2),
    "MoveEBRandom": ("REG_DWORD", 2), "TimeFormat": ("REG_DWORD", 0), "ExtraItems": ("REG_DWORD", 0),
}


class OptionsDialogTest(unittest.TestCase):
    def setUp(self):
        self.wine = harness.session()
        self.wine.set_windows_version("win7")
        self.wine.clear_settings()

    def open_dialog(self, *arguments):
        saver = self.wine.start_saver(*arguments)
        self.addCleanup(saver.kill)
        window = self.wine.wait_for_window(DIALOG_TITLE)
        self.assertIsNotNone(window, f"{arguments} showed no options dialog")
        return saver, window

    def close_with(self, saver, window, key):
        self.wine.send_key(window, key)
        self.assertEqual(saver.wait_exit(15), 0, f"the program did not end after {key}")

    def start_titled_window(self, title, left, top):
        helper = self.wine.product.parent / "title_window.exe"
        self.assertTrue(helper.exists(), f"{helper} is not built")
        state = self.wine.work_dir / "title_window_state.txt"
        state.unlink(missing_ok=True)
        process = self.wine.start_program(helper, title, harness.windows_path(state), str(left), str(top))
        self.addCleanup(process.kill)
        self.assertEqual(harness.wait_for_file_text(state, "enabled", 15), "enabled")
        return process, state

    def test_configure_switch_and_empty_command_line_open_the_dialog(self):
        for arguments in (["/c"], ["/C:1234"], []):
            with self.subTest(arguments=arguments):
                saver, window = self.open_dialog(*arguments)
                self.assertEqual(self.wine.find_windows("^KelvorSS$"), [])
                self.close_with(saver, window, "Escape")

    def test_font_and_colour_dialogs_carry_their_titles_and_cancel_quietly(self):
        saver, window = self.open_dialog("/c")
        for key, title in (("alt+f", "^Specify Display Font\\.\\.\\.$"),
                           ("alt+b", "^Specify Background Colour\\.\\.\\.$")):
            with self.subTest(title=title):
                self.wine.send_key(window, key)
                chooser = self.wine.wait_for_window(title)
                self.assertIsNotNone(chooser, f"{key} opened no {title}")
                self.wine.send_key(chooser, "Escape")
                deadline = time.time() + 10
                while self.wine.find_windows(title) and time.time() < deadline:
                    time.sleep(0.1)
                self.assertEqual(self.wine.find_windows(title), [])
        self.close_with(saver, window, "Escape")
        self.assertIsNone(self.wine.reg_query(harness.SETTINGS_KEY, "FontName"))

    def test_enter_saves_all_twelve_values(self):
        saver, window = self.open_dialog("/c")
        self.close_with(saver, window, "Return")
        for name, (kind, value) in SAVED_VALUES.items():
            stored = self.wine.reg_query(harness.SETTINGS_KEY, name)
            self.assertIsNotNone(stored, name)
            self.assertEqual(stored[0], kind, name)
            if kind == "REG_DWORD":
                self.assertEqual(self.wine.reg_number(harness.SETTINGS_KEY, name), value, name)
            else:
                self.assertEqual(stored[1], value, name)

    def test_the_address_and_system_boxes_answer_to_their_access_keys(self):
        saver, window = self.open_dialog("/c")
        self.wine.send_key(window, "alt+s")
        self.close_with(saver, window, "Return")
        self.assertEqual(self.wine.reg_number(harness.SETTINGS_KEY, "ExtraItems"), 2)

        saver, window = self.open_dialog("/c")
        for key in ("alt+i", "alt+s"):
            self.wine.send_key(window, key)
        self.close_with(saver, window, "Return")
        self.assertEqual(self.wine.reg_number(harness.SETTINGS_KEY, "ExtraItems"), 1)

    def test_what_ok_saves_is_what_the_next_full_screen_start_shows(self):
        self.wine.set_settings(DisplayItems=0, MoveOption=2)
        saver, window = self.open_dialog("/c")
        # The animation tab, its list by the access key of "&type", and the last entry.
        for key in ("alt+n", "alt+t", "End"):
            self.wine.send_key(window, key)
        self.close_with(saver, window, "Return")
        self.assertEqual(self.wine.reg_number(harness.SETTINGS_KEY, "MoveOption"), 4)

        full_screen = self.wine.start_saver("/s")
        self.addCleanup(full_screen.kill)
        self.assertIsNotNone(self.wine.wait_for_window("^KelvorSS$"))
        time.sleep(1.5)
        first = self.wine.screen_pixels().bounding_box_not((0, 0, 0))
        time.sleep(2)
        self.assertIsNotNone(first, "no text shown")
        self.assertEqual(self.wine.screen_pixels().bounding_box_not((0, 0, 0)), first, "the text moved")
        self.assertAlmostEqual((first[0] + first[2]) / 2, harness.SCREEN_WIDTH / 2, delta=30)

    def test_escape_saves_nothing(self):
        saver, window = self.open_dialog("/c")
        self.close_with(saver, window, "Escape")
        self.assertIsNone(self.wine.reg_query(harness.SETTINGS_KEY, "FontName"))
        self.assertIsNone(self.wine.reg_query(harness.SETTINGS_KEY, "DisplayItems"))

    def test_display_properties_is_disabled_while_the_dialog_is_open(self):
        # Near the bottom-right corner: the dialog is pulled back to end at the screen's edges.
        _, state = self.start_titled_window("Display Properties", 700, 520)
        saver, window = self.open_dialog("/c")
        self.assertEqual(harness.wait_for_file_text(state, "disabled", 15), "disabled")
        # The X window is the dialog's client area: its edges lie a frame's width inside the screen's.
        left, top, width, height = self.wine.window_geometry(window)
        self.assertLessEqual(harness.SCREEN_WIDTH - (left + width), FRAME_TOLERANCE)
        self.assertLessEqual(harness.SCREEN_HEIGHT - (top + height), FRAME_TOLERANCE)
        self.close_with(saver, window, "Escape")
        self.assertEqual(harness.wait_for_file_text(state, "enabled", 15), "enabled")

        # Without "/C" the window is left alone and the dialog sits in the screen's centre.
        saver, window = self.open_dialog()
        time.sleep(0.5)
        self.assertEqual(harness.wait_for_file_text(state, "enabled", 1), "enabled")
        left, top, width, height = self.wine.window_geometry(window)
        self.assertLessEqual(abs(2 * left + width - harness.SCREEN_WIDTH), 2)
        self.close_with(saver, window, "Escape")

    def test_nt_family_ticking_the_default_saver_box_takes_the_role(self):
        self.wine.reg_add(DEFAULT_USER_DESKTOP, "SCRNSAVE.EXE", "REG_SZ", "previous.scr")
        try:
            saver, window = self.open_dialog("/c")
            # The "&Other" tab, then back from the tab strip to its last box, which is ticked.
            self.wine.send_key(window, "alt+o")
            self.wine.send_key(window, "shift+Tab")
            self.wine.send_key(window, "space")
            self.close_with(saver, window, "Return")
            self.assertEqual(self.wine.reg_query(DEFAULT_USER_DESKTOP, "SCRNSAVE.EXE"), ("REG_SZ", "kelvor.scr"))
            self.assertEqual(self.wine.reg_query(harness.SETTINGS_KEY, "oldDefaultSS"), ("REG_SZ", "previous.scr"))
        finally:
            self.wine.wine("reg", "delete", DEFAULT_USER_DESKTOP, "/v", "SCRNSAVE.EXE", "/f", check=False)

    def test_a_value_the_dialog_cannot_show_gives_the_critical_error(self):
        self.wine.set_settings(MoveOption=7)
        saver = self.wine.start_saver("/c")
        self.addCleanup(saver.kill)
        box = self.wine.wait_for_window(ERROR_BOX_TITLE)
        self.assertIsNotNone(box, "no critical-error box")
        self.assertEqual(self.wine.find_windows(DIALOG_TITLE), [])
        self.wine.send_key(box, "Return")
        self.assertIsNotNone(saver.wait_exit(10), "the program did not end after the box")


if __name__ == "__main__":
    unittest.main()

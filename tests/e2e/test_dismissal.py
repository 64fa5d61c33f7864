"""Ending the full-screen saver: keys, clicks, mouse movement, the 9x mouse options and password."""

import hashlib
import time
import unittest

import harness

FULL_SCREEN_TITLE = "^KelvorSS$"
PROMPT_TITLE = "^Kelvor Screen Saver$"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
PASSWORD_KEY = r"HKCU\Software\Kelvor Screen Saver\Password"
FAMILIES = ("win7", "win98")


def password_record(password, rounds=1000):
    """A stored password in the stand-in's format: PBKDF2-HMAC-SHA256 with a salt."""
    salt = bytes(range(16))
    digest = hashlib.pbkdf2_hmac("sha256", password.encode("latin-1"), salt, rounds, 32)
    return f"pbkdf2-sha256${rounds}${salt.hex()}${digest.hex()}"


class DismissalTest(unittest.TestCase):
    def setUp(self):
        self.wine = harness.session()
        self.wine.clear_settings()
        self.saver = None

    def tearDown(self):
        if self.saver is not None:
            self.saver.kill()
        self.wine.reg_delete_key(PASSWORD_KEY)
        self.wine.reg_add(DESKTOP_KEY, "ScreenSaveUsePassword", "REG_DWORD", 0)
        self.wine.set_windows_version("win7")

    def start(self, family="win7", **settings):
        if self.saver is not None:
            self.saver.kill()
        self.wine.set_windows_version(family)
        self.wine.set_settings(**{"MoveOption": 4, **settings})
        self.saver = self.wine.start_saver("/s")
        window = self.wine.wait_for_window(FULL_SCREEN_TITLE)
        self.assertIsNotNone(window, "no full-screen window")
        time.sleep(1.0)  # the first ticks have placed the block
        return window

    def move_mouse(self, count, start=0):
        for i in range(start, start + count):
            self.wine.move_mouse(100 + 7 * i, 100 + 5 * i)
            time.sleep(0.05)

    def assert_still_running(self, seconds=1.0):
        self.assertIsNone(self.saver.wait_exit(seconds), "the saver ended")

    def test_a_key_ends_the_saver(self):
        for family in FAMILIES:
            with self.subTest(family):
                window = self.start(family)
                self.wine.send_key(window, "space")
                self.assertEqual(self.saver.wait_exit(10), 0)

    def test_a_click_ends_the_saver_also_on_the_information_block(self):
        for family in FAMILIES:
            for x, y in ((500, 400), (harness.SCREEN_WIDTH // 2, harness.SCREEN_HEIGHT // 2)):
                with self.subTest(family=family, at=(x, y)):
                    window = self.start(family)
                    self.wine.click(window, x, y)
                    self.assertEqual(self.saver.wait_exit(10), 0)

    def test_the_tenth_mouse_move_within_ten_seconds_ends_the_saver(self):
        for family in FAMILIES:
            with self.subTest(family):
                self.start(family)
                # Showing the window brings one move event of its own, and the centring swallows two:
                # ten moves of ours leave nine counted, which keep the saver; the next one ends it.
                self.move_mouse(10)
                self.assert_still_running()
                self.move_mouse(1, start=10)
                self.assertEqual(self.saver.wait_exit(10), 0)

    def test_the_9x_mouse_options_hold(self):
        window = self.start("win98", MouseSettings=3)
        self.wine.click(window, 500, 400)
        self.move_mouse(30)
        self.assert_still_running()
        self.wine.send_key(window, "space")
        self.assertEqual(self.saver.wait_exit(10), 0)

    def test_the_nt_family_ignores_the_mouse_options(self):
        window = self.start("win7", MouseSettings=3)
        self.wine.click(window, 500, 400)
        self.assertEqual(self.saver.wait_exit(10), 0)
        self.start("win7", MouseSettings=3)
        self.move_mouse(11)
        self.assertEqual(self.saver.wait_exit(10), 0)

    def set_password_with_the_change_dialog(self, password):
        changer = self.wine.start_saver("/a")
        dialog = self.wine.wait_for_window("^Change Password$")
        self.assertIsNotNone(dialog, "no password-change dialog")
        self.wine.type_text(dialog, password)
        self.wine.send_key(dialog, "Tab")
        self.wine.type_text(dialog, password)
        self.wine.send_key(dialog, "Return")
        self.assertEqual(changer.wait_exit(10), 0)
        self.assertIsNotNone(self.wine.reg_query(PASSWORD_KEY, "Hash"), "no password stored")

    def test_the_9x_password_keeps_the_saver_until_it_is_given(self):
        self.wine.set_windows_version("win98")
        self.set_password_with_the_change_dialog("kelvor7")
        stored = self.wine.reg_query(PASSWORD_KEY, "Hash")[1]
        self.assertNotIn("kelvor7", stored)
        self.wine.reg_add(DESKTOP_KEY, "ScreenSaveUsePassword", "REG_DWORD", 1)
        window = self.start("win98", MoveOption=2)

        self.wine.send_key(window, "space")
        prompt = self.wine.wait_for_window(PROMPT_TITLE)
        self.assertIsNotNone(prompt, "no password prompt")
        self.wine.type_text(prompt, "wrong")
        self.wine.send_key(prompt, "Return")
        self.assert_still_running(1.5)
        self.assertEqual(self.wine.find_windows(PROMPT_TITLE), [])
        before = self.wine.screen_pixels().bounding_box_not((0, 0, 0))
        time.sleep(1)
        after = self.wine.screen_pixels().bounding_box_not((0, 0, 0))
        self.assertNotEqual(before, after, "the text stopped moving")

        self.wine.send_key(window, "space")
        prompt = self.wine.wait_for_window(PROMPT_TITLE)
        self.assertIsNotNone(prompt, "no second password prompt")
        self.wine.type_text(prompt, "kelvor7")
        self.wine.send_key(prompt, "Return")
        self.assertEqual(self.saver.wait_exit(10), 0)

    def test_closings_of_windows_never_shown_ask_for_no_password(self):
        self.wine.set_windows_version("win98")
        self.wine.reg_add(DESKTOP_KEY, "ScreenSaveUsePassword", "REG_DWORD", 1)
        self.wine.reg_add(PASSWORD_KEY, "Hash", "REG_SZ", password_record("kelvor7"))
        for arguments in (["/x"], ["-s"]):
            with self.subTest(arguments=arguments):
                process = self.wine.start_saver(*arguments)
                self.assertEqual(process.wait_exit(15), 0)
                self.assertEqual(self.wine.find_windows(PROMPT_TITLE), [])
        # The options dialog and the password change end with their own windows, without a prompt.
        for arguments, title in ((["/c"], "^Kelvor Screen Saver Setup$"), (["/a"], "^Change Password$")):
            with self.subTest(arguments=arguments):
                process = self.wine.start_saver(*arguments)
                window = self.wine.wait_for_window(title)
                self.assertIsNotNone(window, f"{arguments} showed no window")
                self.wine.send_key(window, "Escape")
                self.assertEqual(process.wait_exit(15), 0)
                self.assertEqual(self.wine.find_windows(PROMPT_TITLE), [])

if __name__ == "__main__":
    unittest.main()

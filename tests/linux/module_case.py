"""What the tests of the display module share: a test case on the session's Xvfb that starts the
module, waits for its drawing and clears the root window."""

import time
import unittest

import xvfb_session
from xvfb_session import BLACK, TOOLS, stop

# The information lines, large and still, for the screenshots that are read by OCR.
STILL_TEXT = ("-animation", "centre", "-font", "DejaVu Sans-20")


class ModuleCase(unittest.TestCase):
    def setUp(self):
        self.x = xvfb_session.session()

    def start(self, *arguments, env=None):
        module = self.x.start_module(*arguments, env=env)
        self.addCleanup(stop, module)
        return module

    def drawn_box(self, module, background=BLACK):
        box = self.x.drawn_box(background=background)
        if box is None:
            stop(module)
            self.fail(f"nothing was drawn; the module said: {module.stderr.read()}")
        return box

    def clear_root(self):
        """Paints the root window black again: a module ended before leaves its block there."""
        floor = self.x.start_program(TOOLS / "floor_window")
        time.sleep(0.5)
        stop(floor)

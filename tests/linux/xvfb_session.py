"""A private Xvfb display for the tests of the display module (build/linux/kelvor).

One session per test run (and one more for a test that needs another DPI); every program a test
starts through it is ended when the session closes. Screens and OCR come from the Wine tests'
harness, which the two kinds of tests share.
"""

import os
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
import harness  # noqa: E402

BUILD = ROOT / "build" / "linux"
MODULE = BUILD / "kelvor"
TOOLS = BUILD / "tools"
SCREEN_WIDTH = harness.SCREEN_WIDTH
SCREEN_HEIGHT = harness.SCREEN_HEIGHT
BLACK = (0, 0, 0)

# The session of this run, set by the runner before the tests start.
current_session = None


def session():
    if current_session is None:
        raise RuntimeError("the Xvfb session is not started; run the tests through run_linux_tests.py")
    return current_session


class XvfbSession:
    def __init__(self, work_dir, dpi=96):
        self.work_dir = Path(work_dir)
        self.work_dir.mkdir(parents=True, exist_ok=True)
        self.dpi = dpi
        self.display = None
        self._xvfb = None
        self._processes = []

    def start(self):
        # A black root (-br), so that whatever the module draws stands out.
        self.display, self._xvfb = harness.start_xvfb("-dpi", str(self.dpi), "-br", first_number=150)
        return self

    def close(self):
        for process in self._processes:
            stop(process)
        self._processes.clear()
        if self._xvfb is not None:
            harness.stop_xvfb(self._xvfb)
            self._xvfb = None

    def env(self, **extra):
        env = dict(os.environ)
        env.pop("XSCREENSAVER_WINDOW", None)
        env.update({"DISPLAY": self.display}, **extra)
        return env

    def start_program(self, program, *arguments, env=None):
        process = subprocess.Popen([str(program), *arguments], env=env or self.env(), stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE, text=True, start_new_session=True)
        self._processes.append(process)
        return process

    def start_module(self, *arguments, env=None):
        return self.start_program(MODULE, *arguments, env=env)

    def run_module(self, *arguments, timeout=10):
        """Runs the module to its end: (exit code, standard error)."""
        result = subprocess.run([str(MODULE), *arguments], env=self.env(), capture_output=True, text=True,
                                timeout=timeout)
        return result.returncode, result.stderr

    def screen_pixels(self):
        data = subprocess.run(["import", "-display", self.display, "-window", "root", "-depth", "8", "rgb:-"],
                              check=True, timeout=30, capture_output=True).stdout
        return harness.Screen(SCREEN_WIDTH, SCREEN_HEIGHT, data)

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.display, "-window", "root", str(path)], check=True, timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return Path(path)

    def drawn_box(self, timeout=10, background=BLACK):
        """The bounding box of what is not background, once something is drawn; None if nothing is."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            box = self.screen_pixels().bounding_box_not(background)
            if box is not None:
                return box
            time.sleep(0.1)
        return None


def wait_until(condition, timeout, what):
    """The first true value of `condition()` within `timeout` seconds; else a test failure that
    says `what` did not happen (a text, or a function that gives it)."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError(f"{what() if callable(what) else what} within {timeout} s")


def stop(process, timeout=10):
    """Ends a program the test started, if it still runs."""
    if process.poll() is None:
        process.send_signal(signal.SIGKILL)
        process.wait(timeout=timeout)

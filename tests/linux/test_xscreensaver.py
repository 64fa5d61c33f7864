"""The module under the real xscreensaver daemon on the private display: added to a programs list
the way the README says, run when the daemon blanks the screen, ended when it unblanks."""

import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

import xvfb_session
from xvfb_session import MODULE

# xscreensaver refuses to run display modules as root; the daemon then runs as this user.
UNPRIVILEGED = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]


def module_processes(path):
    """Process ids whose program is `path`."""
    found = []
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            arguments = (entry / "cmdline").read_bytes().split(b"\0")
        except OSError:
            continue
        if arguments and arguments[0] == str(path).encode():
            found.append(int(entry.name))
    return found


def environment_of(pid):
    pairs = Path(f"/proc/{pid}/environ").read_bytes().split(b"\0")
    return dict(pair.decode(errors="replace").split("=", 1) for pair in pairs if b"=" in pair)


class XscreensaverTest(unittest.TestCase):
    def setUp(self):
        self.x = xvfb_session.session()
        # Under /tmp: the daemon's user must reach it, whoever owns the folders of the build.
        self.home = Path(tempfile.mkdtemp(prefix="kelvor-xscreensaver-home-"))
        self.addCleanup(shutil.rmtree, self.home, ignore_errors=True)
        self.home.chmod(0o777)
        # A copy the daemon's user can surely run, wherever the build lies.
        self.module = self.home / "kelvor"
        shutil.copy2(MODULE, self.module)
        self.module.chmod(0o755)
        self.user = UNPRIVILEGED if os.getuid() == 0 else []
        self.daemon = None

    def tearDown(self):
        if self.daemon is not None and self.daemon.poll() is None:
            os.killpg(self.daemon.pid, signal.SIGKILL)
            self.daemon.wait(timeout=10)
        for pid in module_processes(self.module):
            os.kill(pid, signal.SIGKILL)

    def env(self):
        return {"DISPLAY": self.x.display, "HOME": str(self.home), "PATH": os.environ.get("PATH", "/usr/bin:/bin")}

    def command(self, *arguments):
        return subprocess.run([*self.user, "xscreensaver-command", *arguments], env=self.env(), capture_output=True,
                              text=True, timeout=30)

    def start_daemon(self, programs_line):
        """Starts the daemon with a ~/.xscreensaver that runs only `programs_line`, and has it blank
        the screen; returns its log."""
        (self.home / ".xscreensaver").write_text(
            "timeout: 0:30:00\ncycle: 0:00:00\nlock: False\nsplash: False\nfade: False\nunfade: False\n"
            "dpmsEnabled: False\nmode: one\nselected: 0\n"
            f"programs: {programs_line} \\n\n")
        log = self.x.work_dir / "xscreensaver.log"
        with open(log, "w") as output:
            self.daemon = subprocess.Popen([*self.user, "xscreensaver", "-no-splash", "-verbose"], env=self.env(),
                                           stdout=output, stderr=subprocess.STDOUT, start_new_session=True)
        answers = []

        def blanked():
            self.assertIsNone(self.daemon.poll(), f"the daemon ended; its log: {log.read_text()}")
            answer = self.command("-select", "1")
            answers.append(answer.stdout + answer.stderr)
            return "blanking" in answer.stdout

        # A loaded machine can take a while to start the daemon and its helpers.
        xvfb_session.wait_until(blanked, 45,
                                lambda: f"the daemon did not blank (it said: {answers[-1:]}; its log: {log})")
        return log

    def test_the_daemon_runs_the_module_when_it_blanks_and_ends_it_when_it_unblanks(self):
        # The programs line as the README tells users to add it.
        self.start_daemon(f"{self.module} -root -animation centre -font 'DejaVu Sans-20' -lines cpu")
        pids = xvfb_session.wait_until(lambda: module_processes(self.module), 20, "the daemon did not start the module")
        self.assertEqual(len(pids), 1)
        # It draws into the window the daemon names in the environment.
        self.assertRegex(environment_of(pids[0]).get("XSCREENSAVER_WINDOW", ""), r"^(0x)?[0-9A-Fa-f]+$")
        box = self.x.drawn_box(timeout=15)
        self.assertIsNotNone(box, "nothing drawn on the blanked screen")
        self.assertAlmostEqual((box[0] + box[2]) / 2, xvfb_session.SCREEN_WIDTH / 2, delta=40)
        time.sleep(1.5)
        shot = self.x.screenshot(self.x.work_dir / "xscreensaver.png")
        text = xvfb_session.harness.read_text(shot, box, self.x.work_dir / "xscreensaver-text.png")
        self.assertRegex(text, r"CPU usage: (\d{2,3} ?%\s*)+")

        self.assertEqual(self.command("-deactivate").returncode, 0)
        xvfb_session.wait_until(lambda: not module_processes(self.module), 10, "the module did not end on unblanking")

    def test_wrong_values_in_the_programs_line_start_the_module_once(self):
        # What a slip in the settings dialog's fields writes, with the options every module takes.
        log = self.start_daemon(f"{self.module} -root -animation centre -fg nosuch -randomness 99 -spin "
                                "-font 'DejaVu Sans-20' -lines cpu --fps -delay 50000 -install")
        pids = xvfb_session.wait_until(lambda: module_processes(self.module), 20, "the daemon did not start the module")
        box = self.x.drawn_box(timeout=15)
        self.assertIsNotNone(box, "nothing drawn on the blanked screen")
        time.sleep(4)
        # Still the one process, started once.
        self.assertEqual(module_processes(self.module), pids)
        starts = [line for line in log.read_text().splitlines() if "forked" in line and str(self.module) in line]
        self.assertEqual(len(starts), 1, log.read_text())
        box = self.x.drawn_box(timeout=5)
        shot = self.x.screenshot(self.x.work_dir / "xscreensaver-wrong.png")
        text = xvfb_session.harness.read_text(shot, (box[0], xvfb_session.SCREEN_HEIGHT // 3, box[2],
                                                     xvfb_session.SCREEN_HEIGHT * 2 // 3),
                                              self.x.work_dir / "xscreensaver-wrong-text.png")
        self.assertRegex(text, r"CPU usage: (\d{2,3} ?%\s*)+")


if __name__ == "__main__":
    unittest.main()

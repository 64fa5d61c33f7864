"""The module as MATE's screen saver runs it, from the Debian package that scripts/package.sh leaves
in build/dist: the package's tree is unpacked into a private root, and the screen saver's programs
run in a mount namespace of their own where that tree's module folder and desktop entries stand in
for the system's (the screen saver runs modules only from fixed folders under /usr), with a D-Bus
session of their own and their settings in a private keyfile."""

import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

import xvfb_session
from xvfb_session import harness

MODULE = "/usr/libexec/xscreensaver/kelvor"
# The folders of the unpacked package that stand in for the system's.
STAND_INS = ("usr/libexec/xscreensaver", "usr/share/applications/screensavers")
PREVIEW_SIZE = (480, 300)

BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path={socket}</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""

# One theme, never locking, never starting on its own.
SETTINGS = """[org/mate/screensaver]
mode='single'
themes=['screensavers-kelvor']
lock-enabled=false
idle-activation-enabled=false
"""


def children(parent, program):
    """Process ids of `parent`'s children that run `program`."""
    found = []
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            # The parent's id follows the name in brackets, which may hold spaces.
            ppid = int((entry / "stat").read_text().rsplit(")", 1)[1].split()[1])
            arguments = (entry / "cmdline").read_bytes().split(b"\0")
        except (OSError, IndexError, ValueError):
            continue
        if ppid == parent and arguments[0] == program.encode():
            found.append(int(entry.name))
    return found


def window_of(pid):
    """The window the screen saver handed the module, in its environment."""
    pairs = Path(f"/proc/{pid}/environ").read_bytes().split(b"\0")
    return dict(pair.decode(errors="replace").split("=", 1) for pair in pairs if b"=" in pair)["XSCREENSAVER_WINDOW"]


class MateScreensaverTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        package = harness.BUILD / "dist" / f"kelvor_{harness.project_version()}_{cls.arch()}.deb"
        if not package.exists():
            raise AssertionError(f"{package} is missing; scripts/package.sh builds it")
        cls.work = Path(tempfile.mkdtemp(prefix="kelvor-mate-"))
        cls.root = cls.work / "root"
        subprocess.run(["dpkg-deb", "-x", str(package), str(cls.root)], check=True, timeout=60)
        settings = cls.work / "config" / "glib-2.0" / "settings"
        settings.mkdir(parents=True)
        (settings / "keyfile").write_text(SETTINGS)
        (cls.work / "home").mkdir()
        runtime = cls.work / "runtime"
        runtime.mkdir(mode=0o700)
        socket = cls.work / "bus"
        (cls.work / "bus.conf").write_text(BUS_CONFIG.format(socket=socket))
        # No service activation: only the programs the test starts are on the bus.
        cls.bus = subprocess.Popen(["dbus-daemon", "--nofork", f"--config-file={cls.work / 'bus.conf'}"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 10
        while not socket.exists() and time.time() < deadline:
            time.sleep(0.05)
        cls.x = xvfb_session.session()
        cls.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "DISPLAY": cls.x.display,
                   "HOME": str(cls.work / "home"), "XDG_CONFIG_HOME": str(cls.work / "config"),
                   "XDG_RUNTIME_DIR": str(runtime), "GSETTINGS_BACKEND": "keyfile", "XDG_CURRENT_DESKTOP": "MATE",
                   "DBUS_SESSION_BUS_ADDRESS": f"unix:path={socket}", "LANG": "C.UTF-8"}

    @classmethod
    def tearDownClass(cls):
        xvfb_session.stop(cls.bus)
        shutil.rmtree(cls.work, ignore_errors=True)

    @staticmethod
    def arch():
        return subprocess.run(["dpkg", "--print-architecture"], capture_output=True, text=True,
                              check=True).stdout.strip()

    def start_in_namespace(self, *command):
        """Starts a program of the screen saver where the package's folders stand in for the system's."""
        binds = " && ".join(f"mount --bind {self.root / folder} /{folder}" for folder in STAND_INS)
        namespace = ["unshare", "--mount", "--propagation", "private"]
        if os.getuid() != 0:
            namespace[1:1] = ["--user", "--map-root-user"]
        log = open(self.x.work_dir / f"{Path(command[0]).name}.log", "w")
        self.addCleanup(log.close)
        process = subprocess.Popen([*namespace, "sh", "-c", f'{binds} && exec "$@"', "sh", *command], env=self.env,
                                   stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        self.addCleanup(xvfb_session.stop, process)
        return process

    def command(self, *arguments):
        return subprocess.run(["mate-screensaver-command", *arguments], env=self.env, capture_output=True, text=True,
                              timeout=30)

    def geometry(self, window):
        """(left, top, width, height) of a window on the screen."""
        info = subprocess.run(["xwininfo", "-display", self.x.display, "-id", window], capture_output=True,
                              text=True, check=True, timeout=10).stdout
        return tuple(int(re.search(rf"{name}:\s+(-?\d+)", info).group(1))
                     for name in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def read_block(self, area, name, scale=100):
        """The text of what is drawn inside `area` (left, top, width, height) of one screenshot,
        enlarged by `scale` percent before it is read. The images stay in the session's folder."""
        shot = self.x.screenshot(self.x.work_dir / f"{name}.png")
        left, top, width, height = area
        cut = self.x.work_dir / f"{name}-area.png"
        subprocess.run(["convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}", "+repage", str(cut)],
                       check=True, timeout=30)
        pixels = subprocess.run(["convert", str(cut), "-depth", "8", "rgb:-"], capture_output=True, check=True,
                                timeout=30).stdout
        box = harness.Screen(width, height, pixels).bounding_box_not(xvfb_session.BLACK)
        self.assertIsNotNone(box, f"nothing drawn in {area}")
        subprocess.run(["convert", str(cut), "-resize", f"{scale}%", str(cut)], check=True, timeout=30)
        return harness.read_text(cut, [edge * scale // 100 for edge in box], self.x.work_dir / f"{name}-text.png",
                                 page_mode=6)

    def test_the_daemon_runs_the_packaged_module_full_screen_and_ends_it(self):
        daemon = self.start_in_namespace("mate-screensaver", "--no-daemon")
        xvfb_session.wait_until(lambda: self.command("--query").returncode == 0, 20, "the daemon did not answer")
        self.assertEqual(self.command("--activate").returncode, 0)
        pids = xvfb_session.wait_until(lambda: children(daemon.pid, MODULE), 10,
                                       "the daemon did not start the module")
        self.assertEqual(len(pids), 1)
        self.assertEqual(self.geometry(window_of(pids[0])),
                         (0, 0, xvfb_session.SCREEN_WIDTH, xvfb_session.SCREEN_HEIGHT))
        time.sleep(1.5)
        text = self.read_block((0, 0, xvfb_session.SCREEN_WIDTH, xvfb_session.SCREEN_HEIGHT), "mate-full")
        # OCR reads the thousands separator as a comma or a full stop.
        self.assertRegex(text, r"Memory usage: [\d,.]+ K")
        self.assertRegex(text, r"CPU usage: (\d{1,3} ?%\s*)+")

        self.assertEqual(self.command("--deactivate").returncode, 0)
        xvfb_session.wait_until(lambda: not children(daemon.pid, MODULE), 5,
                                "the module did not end on deactivation")

    def test_the_preferences_preview_runs_the_module_in_its_pane(self):
        preferences = self.start_in_namespace("mate-screensaver-preferences")
        pids = xvfb_session.wait_until(lambda: children(preferences.pid, MODULE), 30,
                                       "the preferences did not start the module for the preview")
        pane = self.geometry(window_of(pids[0]))
        self.assertEqual(pane[2:], PREVIEW_SIZE)
        time.sleep(1.5)
        # The preview halves the font; enlarged, the letters read well enough to find the lines of
        # memory and processor usage with their figures.
        text = self.read_block(pane, "mate-preview", scale=250)
        self.assertEqual(len(re.findall(r"usage: \d", text)), 2, text)


if __name__ == "__main__":
    unittest.main()

"""A two-monitor X server for the end-to-end tests of the saver and of the Linux module.

Xvfb stacks its heads at 0,0, so monitors side by side come from Xorg with the dummy video driver:
two of its outputs placed by xrandr. One server serves every test of a run that needs it; the
layouts switch with xrandr, without a restart.
"""

import subprocess
import time
from collections import namedtuple
from pathlib import Path

import harness

PRIMARY_OUTPUT = "DUMMY0"
SECONDARY_OUTPUT = "DUMMY1"
BLACK = (0, 0, 0)

# Rectangles in X screen pixels: (left, top, right, bottom).
Layout = namedtuple("Layout", "name primary secondary")
# An 800 x 600 primary with a 1024 x 768 monitor right of it: below the primary no monitor shows.
UNEVEN = Layout("uneven", (0, 0, 800, 600), (800, 0, 1824, 768))
# The same monitors with the secondary left of the primary (negative coordinates on Windows).
SECONDARY_LEFT = Layout("secondary-left", (1024, 0, 1824, 600), (0, 0, 1024, 768))

CONFIG = """\
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
    Option "DontVTSwitch" "true"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
    Modeline "800x600" 38.25 800 832 912 1024 600 603 607 624 -hsync +vsync
    Modeline "1024x768" 63.50 1024 1072 1176 1328 768 771 775 798 -hsync +vsync
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 2048 1024
        Modes "800x600"
    EndSubSection
EndSection
"""


def mode_of(rect):
    return f"{rect[2] - rect[0]}x{rect[3] - rect[1]}"


def dead_area(layout):
    """The part of the layout's bounding rectangle that neither monitor shows, as one rectangle
    (the layouts here have one)."""
    primary, secondary = layout.primary, layout.secondary
    taller, shorter = (primary, secondary) if primary[3] > secondary[3] else (secondary, primary)
    return (shorter[0], shorter[3], shorter[2], taller[3])


class TwoMonitorServer:
    def __init__(self, work_dir, first_number=120):
        self.work_dir = Path(work_dir)
        self.work_dir.mkdir(parents=True, exist_ok=True)
        self.first_number = first_number
        self.display = None
        self.layout = None
        self._server = None

    def start(self, layout=UNEVEN):
        config = self.work_dir / "xorg-dummy.conf"
        config.write_text(CONFIG)
        number = harness.free_display_number(self.first_number)
        self.display = f":{number}"
        self._server = subprocess.Popen(
            ["Xorg", self.display, "-config", str(config), "-logfile", str(self.work_dir / "xorg-dummy.log"),
             "-noreset", "-nolisten", "tcp", "-novtswitch", "-sharevts", "-br"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 20
        while not Path(f"/tmp/.X11-unix/X{number}").exists():
            if time.time() > deadline or self._server.poll() is not None:
                self.close()
                raise RuntimeError("the two-monitor X server did not start (see xorg-dummy.log)")
            time.sleep(0.05)
        self.xrandr("--addmode", SECONDARY_OUTPUT, mode_of(layout.secondary))
        self.place(layout)
        return self

    def close(self):
        if self._server is not None:
            harness.stop_xvfb(self._server)
            self._server = None

    def xrandr(self, *arguments):
        return subprocess.run(["xrandr", "-display", self.display, *arguments], check=True, capture_output=True,
                              text=True, timeout=30).stdout

    def place(self, layout):
        self.layout = layout
        self.xrandr("--output", PRIMARY_OUTPUT, "--mode", mode_of(layout.primary),
                    "--pos", f"{layout.primary[0]}x{layout.primary[1]}", "--primary",
                    "--output", SECONDARY_OUTPUT, "--mode", mode_of(layout.secondary),
                    "--pos", f"{layout.secondary[0]}x{layout.secondary[1]}")
        # A full query after placing: before it, Wine may see the primary alone.
        self.xrandr("-q")

    def switch_secondary_off(self):
        self.xrandr("--output", SECONDARY_OUTPUT, "--off")
        self.xrandr("-q")

    def switch_secondary_on(self):
        self.place(self.layout)

    def size(self):
        """The screen's width and height now."""
        first = self.xrandr("-q").splitlines()[0]  # "Screen 0: minimum ..., current W x H, maximum ..."
        current = first.split("current")[1].split(",")[0].split("x")
        return int(current[0]), int(current[1])

    def screen_pixels(self):
        width, height = self.size()
        data = subprocess.run(["import", "-display", self.display, "-window", "root", "-depth", "8", "rgb:-"],
                              check=True, timeout=30, capture_output=True).stdout
        return harness.Screen(width, height, data)


def box_within(box, rect):
    """Whether a (left, top, right, bottom) box of inclusive pixels lies within an exclusive rectangle."""
    return rect[0] <= box[0] and rect[1] <= box[1] and box[2] < rect[2] and box[3] < rect[3]


def check_centred_on_primary(test, box, layout):
    """The box of the text lies on the primary monitor, around its centre (the text's box sits
    inside the block, whose centre is the primary's), or `test` fails."""
    primary = layout.primary
    test.assertIsNotNone(box, "no text appeared")
    test.assertTrue(box_within(box, primary), f"text at {box}")
    test.assertLessEqual(abs((box[0] + box[2]) / 2 - (primary[0] + primary[2]) / 2), 40, f"text at {box}")
    test.assertLessEqual(abs((box[1] + box[3]) / 2 - (primary[1] + primary[3]) / 2), 30, f"text at {box}")


def crop(screen, rect):
    """The part of a screen inside a rectangle, as a Screen of its own."""
    left, top, right, bottom = rect
    rows = [screen.rgb[(y * screen.width + left) * 3:(y * screen.width + right) * 3] for y in range(top, bottom)]
    return harness.Screen(right - left, bottom - top, b"".join(rows))


def wait_for_block(server, timeout=10, within=None):
    """The box of what is not black on the server's screen once something is drawn (inside the
    rectangle `within`, when given); None if nothing is in time."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        box = server.screen_pixels().bounding_box_not(BLACK)
        if box is not None and (within is None or box_within(box, within)):
            return box
        time.sleep(0.2)
    return None


def check_dead_area(test, server, seconds):
    """Screens of the server's layout for `seconds`: a moving block that never shows text where no
    monitor shows, or a failure of `test`."""
    dead = dead_area(server.layout)
    seen = set()
    deadline = time.time() + seconds
    while time.time() < deadline:
        screen = server.screen_pixels()
        seen.add(screen.bounding_box_not(BLACK))
        test.assertIsNone(crop(screen, dead).bounding_box_not(BLACK), "text where no monitor shows")
    test.assertGreater(len(seen), 1, "the block did not move")

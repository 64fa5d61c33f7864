"""Wine + Xvfb harness for the tests that run kelvor.scr and the Windows-built tests.

One WineSession per test run: a private Xvfb display and a fresh Wine prefix of the product's
architecture (32-bit, or x64 under 64-bit Wine where this machine cannot run 32-bit programs), shared
by the tests of that run. Every process a test starts is tracked and ended when the session closes.
"""

import os
import re
import shutil
import socket
import subprocess
import tempfile
import time
from pathlib import Path

SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768
SETTINGS_KEY = r"HKLM\Software\Kelvor Screen Saver\Settings"
BUILD = Path(__file__).resolve().parents[2] / "build"
# Wine's loaders: the `wine` wrapper always tries the 32-bit one, so 64-bit runs call theirs directly.
WINE_LOADERS = {"32": "/usr/lib/wine/wine", "64": "/usr/lib/wine/wine64"}


def machine_arch():
    """'32' or '64': what the tests run under Wine on this machine (scripts/wine_arch.sh decides)."""
    script = BUILD.parent / "scripts" / "wine_arch.sh"
    return subprocess.run([str(script)], capture_output=True, text=True, check=True).stdout.strip()


def product_path(arch):
    """The kelvor.scr of an architecture: build/win32 (32-bit) or build/win64 (x64)."""
    return BUILD / ("win32" if arch == "32" else "win64") / "kelvor.scr"


def project_version():
    """The version of the products and packages, as CMakeLists.txt states it."""
    text = (BUILD.parent / "CMakeLists.txt").read_text()
    return re.search(r"^project\(kelvor VERSION ([\d.]+)", text, re.MULTILINE).group(1)


def free_display_number(start=90):
    for number in range(start, start + 100):
        if not Path(f"/tmp/.X{number}-lock").exists() and not Path(f"/tmp/.X11-unix/X{number}").exists():
            return number
    raise RuntimeError("no free X display number")


def start_xvfb(*options, first_number=90):
    """Starts a private Xvfb screen of SCREEN_WIDTH x SCREEN_HEIGHT at 24 bits with the given extra
    options; returns its display name and its process once it takes connections."""
    number = free_display_number(first_number)
    display = f":{number}"
    xvfb = subprocess.Popen(
        ["Xvfb", display, "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", *options, "-nolisten", "tcp"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.time() + 20
    while not Path(f"/tmp/.X11-unix/X{number}").exists():
        if time.time() > deadline or xvfb.poll() is not None:
            xvfb.kill()
            raise RuntimeError("Xvfb did not start")
        time.sleep(0.05)
    return display, xvfb


def stop_xvfb(xvfb):
    xvfb.terminate()
    try:
        xvfb.wait(timeout=10)
    except subprocess.TimeoutExpired:
        xvfb.kill()


# The session of this run, set by the runner before the tests start.
current_session = None


def session():
    if current_session is None:
        raise RuntimeError("the Wine session is not started; run the tests through run_wine_tests.py")
    return current_session


class SaverProcess:
    """A program started under Wine; its Linux process is the Windows program itself."""

    def __init__(self, popen, command_line):
        self.popen = popen
        self.command_line = command_line

    def wait_exit(self, timeout):
        """The exit code, or None when the program is still running after `timeout` seconds."""
        try:
            return self.popen.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def running(self):
        return self.popen.poll() is None

    def kill(self):
        if self.running():
            self.popen.kill()
            self.popen.wait(timeout=10)


class WineSession:
    def __init__(self, arch, work_dir=None):
        self.arch = arch
        self.product = product_path(arch)
        self.work_dir = Path(work_dir or tempfile.mkdtemp(prefix="kelvor-wine-"))
        self.work_dir.mkdir(parents=True, exist_ok=True)
        self.prefix = self.work_dir / "prefix"
        self.display = None
        self._xvfb = None
        self._processes = []
        self._windows_version = None
        self._keeper = None

    # ----- life cycle -------------------------------------------------------------------------

    def start(self):
        # A display set before the start (another kind of X server) is used as it is.
        if self.display is None:
            self.display, self._xvfb = start_xvfb()
        if self.prefix.exists():
            shutil.rmtree(self.prefix)
        subprocess.run([self.loader(), "wineboot", "-i"], env=self.env(), check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=180)
        # Wine ends its services a few seconds after its last program, and from then on every program
        # waits seconds for them to start again (about 15 s for msiexec on a busy machine). A
        # windowless program that lives as long as the session keeps every later wine call quick; a
        # persistent wineserver does not.
        self._keeper = subprocess.Popen([self.loader(), "cmd.exe"], env=self.env(), stdin=subprocess.PIPE,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Without a window manager Wine waits for one on every closing window; unmanaged windows
        # close at once.
        self.reg_add(r"HKCU\Software\Wine\X11 Driver", "Managed", "REG_SZ", "N")
        self.set_windows_version("win7")
        return self

    def close(self):
        for process in self._processes:
            process.kill()
        self._processes.clear()
        if self._keeper is not None:
            self._keeper.kill()
            self._keeper.wait(timeout=10)
            self._keeper = None
        if self.display is not None:
            subprocess.run(["wineserver", "-k"], env=self.env(), check=False, timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if self._xvfb is not None:
            stop_xvfb(self._xvfb)
            self._xvfb = None

    def env(self):
        env = dict(os.environ)
        env.update({
            "WINEPREFIX": str(self.prefix),
            "WINEARCH": "win32" if self.arch == "32" else "win64",
            # Programs that Wine itself starts use the same loader.
            "WINELOADER": self.loader(),
            "WINEDEBUG": "-all",
            # No Mono or Gecko installer prompts in a fresh prefix.
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "DISPLAY": self.display or "",
            # What the Windows-built tests compare the computer name with.
            "KELVOR_HOST_NAME": socket.gethostname(),
        })
        return env

    def loader(self):
        return WINE_LOADERS[self.arch]

    def wine(self, *args, timeout=60, check=True):
        """Runs a Wine tool to its end and returns its completed process."""
        return subprocess.run([self.loader(), *args], env=self.env(), capture_output=True, text=True, encoding="latin-1",
                              timeout=timeout, check=check)

    # ----- Windows version --------------------------------------------------------------------

    def set_windows_version(self, version):
        """'win7' (NT family) or 'win98' (9x family)."""
        if version != self._windows_version:
            self.reg_add(r"HKCU\Software\Wine", "Version", "REG_SZ", version)
            self._windows_version = version

    # ----- registry ---------------------------------------------------------------------------

    def reg_add(self, key, name, kind, data):
        self.wine("reg", "add", key, "/v", name, "/t", kind, "/d", str(data), "/f")

    def reg_delete_key(self, key):
        self.wine("reg", "delete", key, "/f", check=False)

    def reg_delete_value(self, key, name):
        self.wine("reg", "delete", key, "/v", name, "/f", check=False)

    def reg_values(self, key, *arguments):
        """{name: (type, text)} of the values `reg query` shows for a key; {} when there is none."""
        result = self.wine("reg", "query", key, *arguments, check=False)
        if result.returncode != 0:
            return {}
        values = {}
        for line in result.stdout.splitlines():
            match = re.match(r"\s+(.+?)\s+(REG_\w+)\s*(.*)$", line)
            if match:
                values[match.group(1)] = match.group(2), match.group(3).strip()
        return values

    def reg_query(self, key, name):
        """(type, text) of a value as `reg query` shows it, or None when it does not exist."""
        for shown, value in self.reg_values(key, "/v", name).items():
            if shown.lower() == name.lower():
                return value
        return None

    def reg_number(self, key, name):
        value = self.reg_query(key, name)
        if value is None or value[0] != "REG_DWORD":
            return None
        number = int(value[1], 16)
        return number - (1 << 32) if number & 0x80000000 else number

    def set_settings(self, **values):
        """Stores settings values: str as REG_SZ, int as REG_DWORD."""
        for name, value in values.items():
            if isinstance(value, str):
                self.reg_add(SETTINGS_KEY, name, "REG_SZ", value)
            else:
                self.reg_add(SETTINGS_KEY, name, "REG_DWORD", value & 0xFFFFFFFF)

    def clear_settings(self):
        self.reg_delete_key(SETTINGS_KEY)

    # ----- programs ---------------------------------------------------------------------------

    def start_saver(self, *arguments):
        return self.start_program(self.product, *arguments)

    def start_program(self, program, *arguments, cwd=None):
        popen = subprocess.Popen([self.loader(), str(program), *arguments], env=self.env(), cwd=cwd,
                                 stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                 start_new_session=True)
        process = SaverProcess(popen, " ".join(arguments))
        self._processes.append(process)
        return process

    # ----- windows and input ------------------------------------------------------------------

    def _xdotool(self, *args, check=False):
        return subprocess.run(["xdotool", *args], env=self.env(), capture_output=True, text=True,
                              timeout=30, check=check)

    def find_windows(self, title_pattern, visible_only=True):
        """X window ids whose title matches the regular expression (Win32 captions are X titles)."""
        args = ["search"]
        if visible_only:
            args.append("--onlyvisible")
        result = self._xdotool(*args, "--name", title_pattern)
        return [line for line in result.stdout.split() if line.isdigit()]

    def wait_for_window(self, title_pattern, timeout=20, visible_only=True):
        deadline = time.time() + timeout
        while time.time() < deadline:
            windows = self.find_windows(title_pattern, visible_only)
            if windows:
                return windows[0]
            time.sleep(0.1)
        return None

    def window_geometry(self, window):
        """(x, y, width, height) of an X window."""
        result = self._xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in result.stdout.splitlines() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def send_key(self, window, key):
        # There is no window manager on a bare Xvfb: focus the window, then type.
        self._xdotool("windowfocus", "--sync", window)
        self._xdotool("key", key)

    def type_text(self, window, text):
        self._xdotool("windowfocus", "--sync", window)
        self._xdotool("type", "--delay", "30", text)

    def move_mouse(self, x, y):
        self._xdotool("mousemove", str(x), str(y))

    def click(self, window, x, y, button=1):
        self._xdotool("windowfocus", "--sync", window)
        self._xdotool("mousemove", str(x), str(y))
        self._xdotool("click", str(button))

    # ----- screen -----------------------------------------------------------------------------

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.display, "-window", "root", str(path)],
                       check=True, timeout=30, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return Path(path)

    def screen_pixels(self):
        """The whole screen as a Screen of RGB pixels."""
        data = subprocess.run(["import", "-display", self.display, "-window", "root", "-depth", "8", "rgb:-"],
                              check=True, timeout=30, capture_output=True).stdout
        return Screen(SCREEN_WIDTH, SCREEN_HEIGHT, data)


class Screen:
    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.rgb[offset:offset + 3])

    def bounding_box_not(self, colour):
        """(left, top, right, bottom) of the pixels that differ from `colour`, or None."""
        left, top, right, bottom = self.width, self.height, -1, -1
        row_bytes = self.width * 3
        target = bytes(colour)
        for y in range(self.height):
            row = self.rgb[y * row_bytes:(y + 1) * row_bytes]
            if row == target * self.width:
                continue
            for x in range(self.width):
                if row[x * 3:x * 3 + 3] != target:
                    left = min(left, x)
                    right = max(right, x)
            top = min(top, y)
            bottom = y
        return None if right < 0 else (left, top, right, bottom)

    def share_of(self, colour):
        target = bytes(colour)
        count = sum(1 for i in range(0, len(self.rgb), 3) if self.rgb[i:i + 3] == target)
        return count / (self.width * self.height)


def read_text(shot, box, crop, page_mode=7, margin=12):
    """The text inside `box` (left, top, right, bottom) of the screenshot `shot`, read by OCR: one
    line with page mode 7, a block of lines with 6. The cut-out is saved as `crop`."""
    left, top = max(box[0] - margin, 0), max(box[1] - margin, 0)
    width, height = box[2] - left + 1 + margin, box[3] - top + 1 + margin
    subprocess.run(["convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}", "+repage", str(crop)],
                   check=True, timeout=30)
    return subprocess.run(["tesseract", str(crop), "stdout", "--psm", str(page_mode)], capture_output=True, text=True,
                          check=True, timeout=60).stdout.strip()


def windows_path(path):
    """A Linux path as Wine's programs name it (drive Z: is the root)."""
    return "Z:" + str(path).replace("/", "\\")


def wait_for_file_text(path, wanted, timeout):
    """Waits until the file holds `wanted` (surrounding white space aside); returns what it last held,
    None when there was no file. The helper programs report their state through files."""
    deadline = time.time() + timeout
    seen = None
    while time.time() < deadline:
        seen = path.read_text().strip() if path.exists() else None
        if seen == wanted:
            break
        time.sleep(0.1)
    return seen


def colour_of(rgb_value):
    """A Windows COLORREF (red in the low byte) as an (r, g, b) tuple."""
    return rgb_value & 0xFF, (rgb_value >> 8) & 0xFF, (rgb_value >> 16) & 0xFF


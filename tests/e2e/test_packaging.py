"""The deployment packages of build/dist as an administrator uses them: the MSI package of this
session's architecture installed, run, installed again, replaced by a later version and uninstalled
silently under Wine, its properties refused when out of range; and, read as files, both MSI packages
against the Group Policy template and the zip against the products."""

import hashlib
import re
import subprocess
import sys
import time
import unittest
import xml.etree.ElementTree as ET
import zipfile

import harness

DIST = harness.BUILD / "dist"
PACKAGING = harness.BUILD.parent / "packaging"
ICON = harness.BUILD.parent / "src" / "win32" / "resources" / "kelvor.ico"
MSI_ARCH = {"32": "x86", "64": "x64"}
DESKTOP_KEY = r"HKU\.DEFAULT\Control Panel\Desktop"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
ADMX = "{http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions}"
FULL_SCREEN_TITLE = "^KelvorSS$"
# Windows Installer's failure; a Linux exit status keeps only its low eight bits.
INSTALL_FAILURE_STATUS = 1603 & 0xFF
# What InstalledPackageTest.state() finds where nothing was installed or written.
NOTHING_INSTALLED = (None, {}, {}, None)


def package(arch):
    """The MSI package of an architecture ('32' or '64') in build/dist."""
    found = sorted(DIST.glob(f"kelvor-*-{MSI_ARCH[arch]}.msi"))
    if len(found) != 1:
        raise AssertionError(f"expected one {MSI_ARCH[arch]} package in {DIST}, found {found}")
    return found[0]


def msi_table(msi, table):
    """The rows of an MSI table as dictionaries of column texts."""
    lines = subprocess.run(["msiinfo", "export", str(msi), table], capture_output=True, text=True,
                           check=True).stdout.splitlines()
    columns = lines[0].split("\t")
    return [dict(zip(columns, line.split("\t"))) for line in lines[3:]]


def msi_property(msi, name):
    return next(row["Value"] for row in msi_table(msi, "Property") if row["Property"] == name)


def packed_guid(guid):
    """A product code as Windows Installer's registry keys spell it."""
    digits = guid.strip("{}").replace("-", "")
    return (digits[7::-1] + digits[11:7:-1] + digits[15:11:-1]
            + "".join(digits[i + 1] + digits[i] for i in range(16, 32, 2)))


def digest(path):
    return hashlib.sha256(path.read_bytes()).hexdigest() if path.exists() else None


class InstalledPackageTest(unittest.TestCase):
    """The package of this session's architecture, under Wine."""

    @classmethod
    def setUpClass(cls):
        cls.wine = harness.session()
        cls.msi = package(cls.wine.arch)
        cls.code = msi_property(cls.msi, "ProductCode")
        cls.installed_file = cls.wine.prefix / "drive_c" / "windows" / "system32" / "kelvor.scr"

    def setUp(self):
        self.wine.set_windows_version("win7")
        self.forget_installation()
        self.saver = None

    def tearDown(self):
        if self.saver is not None:
            self.saver.kill()
        self.forget_installation()

    def forget_installation(self):
        self.msiexec("/x")
        self.wine.clear_settings()
        self.wine.reg_delete_value(DESKTOP_KEY, "SCRNSAVE.EXE")

    def msiexec(self, action, *properties):
        return self.wine.wine("msiexec", action, harness.windows_path(self.msi), "/qn", *properties, timeout=180,
                              check=False).returncode

    def settings(self):
        return self.wine.reg_values(harness.SETTINGS_KEY)

    def entry(self):
        """The Programs and Features entry of the product: its values, {} when it is not there."""
        return self.wine.reg_values(fr"{UNINSTALL_KEY}\{self.code}")

    def product_icon(self):
        """The icon file Programs and Features shows, as a Linux path, or None."""
        value = self.wine.reg_query(fr"HKLM\Software\Classes\Installer\Products\{packed_guid(self.code)}",
                                    "ProductIcon")
        if value is None:
            return None
        drive, _, rest = value[1].partition(":\\")
        self.assertEqual(drive.upper(), "C")
        return self.wine.prefix / "drive_c" / rest.replace("\\", "/")

    def state(self):
        """What an installation leaves on the machine, to compare two installations."""
        return (digest(self.installed_file), self.settings(), self.entry(),
                self.wine.reg_values(DESKTOP_KEY).get("SCRNSAVE.EXE"))

    def test_silent_install_with_two_properties_again_and_uninstall(self):
        properties = ("FONTNAME=Courier New", "BGCOLOUR=4202512")
        self.assertEqual(self.msiexec("/i", *properties), 0)

        self.assertEqual(digest(self.installed_file), digest(self.wine.product))
        # Those two values and no others; the default user's saver is left alone.
        self.assertEqual(self.settings(), {"FontName": ("REG_SZ", "Courier New"),
                                           "BgColour": ("REG_DWORD", "0x402010")})
        self.assertIsNone(self.wine.reg_query(DESKTOP_KEY, "SCRNSAVE.EXE"))
        entry = self.entry()
        self.assertEqual(entry.get("DisplayName"), ("REG_SZ", "Kelvor Screen Saver"))
        self.assertEqual(entry.get("Publisher"), ("REG_SZ", "Kelvor Software"))
        self.assertEqual(entry.get("DisplayVersion"), ("REG_SZ", harness.project_version()))
        icon = self.product_icon()
        self.assertIsNotNone(icon, "no product icon")
        self.assertEqual(digest(icon), digest(ICON))

        installed = self.state()
        self.assertEqual(self.msiexec("/i", *properties), 0)
        self.assertEqual(self.state(), installed)

        self.assertEqual(self.msiexec("/x"), 0)
        self.assertFalse(self.installed_file.exists())
        self.assertEqual(self.entry(), {})
        # The settings stay, as those saved by the options dialog do.
        self.assertEqual(set(self.settings()), {"FontName", "BgColour"})

    def test_a_later_version_replaces_this_one_and_keeps_its_settings(self):
        # Windows Installer compares three fields of a version; the revision is the fourth.
        version = msi_property(self.msi, "ProductVersion").split(".")
        later = ".".join(version[:3] + [str(int(version[3]) + 1)])
        later_msi = self.wine.work_dir / f"kelvor-{later}.msi"
        subprocess.run([sys.executable, "scripts/wixl_build.py", "-a", MSI_ARCH[self.wine.arch], "-o", str(later_msi),
                        "-D", f"Arch={MSI_ARCH[self.wine.arch]}", "-D", f"Version={later}",
                        "-D", f"ScrSource={self.wine.product.relative_to(harness.BUILD.parent)}",
                        "-D", f"IconSource={ICON.relative_to(harness.BUILD.parent)}", "packaging/kelvor.wxs"],
                       cwd=harness.BUILD.parent, check=True, capture_output=True)
        self.addCleanup(self.wine.wine, "msiexec", "/x", harness.windows_path(later_msi), "/qn", timeout=180,
                        check=False)

        self.assertEqual(self.msiexec("/i", "FONTSIZE=20"), 0)
        self.assertEqual(self.wine.wine("msiexec", "/i", harness.windows_path(later_msi), "/qn", timeout=180,
                                        check=False).returncode, 0)
        self.assertEqual(self.entry(), {})
        self.assertEqual(self.wine.reg_query(fr"{UNINSTALL_KEY}\{msi_property(later_msi, 'ProductCode')}",
                                             "DisplayVersion"), ("REG_SZ", later))
        self.assertEqual(self.settings(), {"FontSize": ("REG_DWORD", "0x14")})
        self.assertTrue(self.installed_file.exists())

    def test_the_installed_saver_runs_full_screen_with_the_preset_settings(self):
        self.assertEqual(self.msiexec("/i", "BGCOLOUR=4202512", "DISPLAYITEMS=0"), 0)
        self.saver = self.wine.start_program(r"C:\windows\system32\kelvor.scr", "/s")
        window = self.wine.wait_for_window(FULL_SCREEN_TITLE)
        self.assertIsNotNone(window, "no full-screen window")
        time.sleep(1)
        self.assertGreater(self.wine.screen_pixels().share_of(harness.colour_of(0x402010)), 0.95)
        self.wine.send_key(window, "space")
        self.assertEqual(self.saver.wait_exit(10), 0)

    def test_a_value_out_of_range_is_refused_and_nothing_is_written(self):
        for bad in ("FONTSIZE=2161", "FONTSIZE=1", "BGCOLOUR=16777216", "MOVEOPTION=5", "DISPLAYITEMS=-1",
                    "TIMEFORMAT=yes", "EXTRAITEMS=4", "SETDEFAULT=2"):
            with self.subTest(bad=bad):
                good = ("FONTNAME=Courier",) if bad.startswith("SETDEFAULT") else ("FONTNAME=Courier", "SETDEFAULT=1")
                status = self.msiexec("/i", *good, bad)
                left = self.state()
                if left != NOTHING_INSTALLED:  # the next case starts clean even so
                    self.forget_installation()
                self.assertEqual(status, INSTALL_FAILURE_STATUS)
                self.assertEqual(left, NOTHING_INSTALLED)

    def test_the_refusal_tells_which_property_and_what_it_takes(self):
        installer = self.wine.start_program("msiexec", "/i", harness.windows_path(self.msi), "/qb", "MOVEEBRANDOM=11")
        self.addCleanup(installer.kill)
        reader = self.wine.wine(self.wine.product.parent / "child_window_texts.exe", "Install Failed", timeout=30,
                                check=False)
        self.assertEqual(reader.returncode, 0, "no message box")
        self.assertIn("MOVEEBRANDOM must be a whole number from 0 to 10.", reader.stdout.splitlines())
        self.wine.send_key(self.wine.wait_for_window("^Install Failed$"), "Return")
        self.assertEqual(installer.wait_exit(30), INSTALL_FAILURE_STATUS)
        self.assertEqual(self.state(), NOTHING_INSTALLED)

    def test_setdefault_keeps_the_saver_it_replaces_then_names_this_one(self):
        for previous, kept in (("logon.scr", "logon.scr"), (None, ""), ("KELVOR.SCR", None)):
            with self.subTest(previous=previous):
                self.forget_installation()
                if previous is not None:
                    self.wine.reg_add(DESKTOP_KEY, "SCRNSAVE.EXE", "REG_SZ", previous)
                self.assertEqual(self.msiexec("/i", "SETDEFAULT=1"), 0)
                if kept is None:
                    # Already this saver: nothing changes, so what was kept before is not lost.
                    self.assertEqual(self.settings(), {})
                    self.assertEqual(self.wine.reg_query(DESKTOP_KEY, "SCRNSAVE.EXE"), ("REG_SZ", previous))
                else:
                    self.assertEqual(self.settings(), {"oldDefaultSS": ("REG_SZ", kept)})
                    self.assertEqual(self.wine.reg_query(DESKTOP_KEY, "SCRNSAVE.EXE"), ("REG_SZ", "kelvor.scr"))


def template_values():
    """{value name: (registry type, (lowest, highest) or None)} of the Group Policy template."""
    root = ET.parse(PACKAGING / "kelvor.admx").getroot()
    # Its language file must be well-formed too; the host tests check what the two say.
    ET.parse(PACKAGING / "en-US" / "kelvor.adml")
    values = {}
    for elements in root.iter(f"{ADMX}elements"):
        for element in elements:
            kind = element.tag.removeprefix(ADMX)
            if kind == "text":
                values[element.get("valueName")] = ("REG_SZ", None)
                continue
            if kind == "decimal":
                numbers = [int(element.get("minValue", "0")), int(element.get("maxValue", "9999"))]
            else:  # enum and boolean: every choice is a decimal
                numbers = [int(choice.get("value")) for choice in element.iter(f"{ADMX}decimal")]
            values[element.get("valueName")] = ("REG_DWORD", (min(numbers), max(numbers)))
    return values


def package_values(msi):
    """The same for the settings an MSI package writes from its properties: the value, its type, the
    condition of its component and the range its launch conditions allow."""
    ranges = {}
    for row in msi_table(msi, "LaunchCondition"):
        match = re.fullmatch(r"NOT (\w+) OR \(\1 >= (-?\d+) AND \1 <= (-?\d+)\)", row["Condition"])
        if match:
            ranges[match.group(1)] = int(match.group(2)), int(match.group(3))
    conditions = {row["Component"]: row["Condition"] for row in msi_table(msi, "Component")}
    values = {}
    for row in msi_table(msi, "Registry"):
        match = re.fullmatch(r"(#?)\[(\w+)\]", row["Value"])
        if row["Key"] != r"Software\Kelvor Screen Saver\Settings" or not match or match.group(2) == "PREVIOUSSAVER":
            continue
        number, prop = match.groups()
        values[row["Name"]] = ("REG_DWORD" if number else "REG_SZ", ranges.get(prop), prop,
                               conditions[row["Component_"]])
    return values


class PackageFilesTest(unittest.TestCase):
    """Both MSI packages and the zip, read as files."""

    def test_each_package_presets_what_the_template_sets_with_the_same_types_and_ranges(self):
        expected = {name: (kind, span, name.upper(), name.upper()) for name, (kind, span) in template_values().items()}
        for arch, platform in (("32", "Intel"), ("64", "x64")):
            with self.subTest(arch=arch):
                msi = package(arch)
                self.assertEqual(package_values(msi), expected)
                summary = subprocess.run(["msiinfo", "suminfo", str(msi)], capture_output=True, text=True,
                                         check=True).stdout
                self.assertIn(f"Template: {platform};1033", summary)
                sizes = [int(row["FileSize"]) for row in msi_table(msi, "File")]
                self.assertEqual(sizes, [harness.product_path(arch).stat().st_size])

    def test_the_zip_holds_both_savers_in_folders_named_for_them_and_where_each_goes(self):
        archives = list(DIST.glob("kelvor-*.zip"))
        self.assertEqual(len(archives), 1)
        with zipfile.ZipFile(archives[0]) as archive:
            files = {name.split("/", 1)[1]: archive.read(name) for name in archive.namelist() if not name.endswith("/")}
        self.assertEqual(files["32-bit/kelvor.scr"], harness.product_path("32").read_bytes())
        self.assertEqual(files["64-bit/kelvor.scr"], harness.product_path("64").read_bytes())
        note = files["README.txt"].decode("ascii")
        for folder in (r"C:\Windows\System", r"C:\Windows\System32", r"C:\Windows\SysWOW64"):
            self.assertIn(folder + "\r\n", note)
        self.assertEqual(files["group-policy/kelvor.admx"], (PACKAGING / "kelvor.admx").read_bytes())


if __name__ == "__main__":
    unittest.main()

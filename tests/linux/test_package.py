"""The module as it is installed: the tree `cmake --install build/linux` makes under a prefix and
DESTDIR, and the Debian package and the RPM scripts/package.sh leaves in build/dist, read as files:
their contents, the Debian package's control fields, the dependencies of both against the libraries
the module links, and the verdicts of lintian, rpmlint and desktop-file-validate."""

import gzip
import os
import re
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

from xvfb_session import BUILD, MODULE, ROOT, harness

PACKAGING = ROOT / "packaging" / "xscreensaver"
MANUAL = PACKAGING / "kelvor.6"
DESCRIPTION = PACKAGING / "kelvor.xml"
DESKTOP_ENTRY = ROOT / "packaging" / "mate" / "kelvor.desktop"
RPMLINT_CONFIG = ROOT / "packaging" / "rpm" / "rpmlintrc.toml"
DIST = harness.BUILD / "dist"
# Where each package keeps its copyright file, the one file they place differently.
DEBIAN_COPYRIGHT = "usr/share/doc/kelvor/copyright"
RPM_COPYRIGHT = "usr/share/licenses/kelvor/copyright"


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, check=True, timeout=60, **options).stdout


def files_under(top):
    return {path.relative_to(top).as_posix() for path in top.rglob("*") if not path.is_dir()}


def owning_package(library):
    """The installed package that holds a library; dpkg knows some files only by their /usr name."""
    for path in (library, "/usr" + library):
        found = subprocess.run(["dpkg", "-S", path], capture_output=True, text=True)
        if found.returncode == 0:
            return found.stdout.split(":", 1)[0]
    raise AssertionError(f"no installed package holds {library}")


def needed_libraries(program):
    """The libraries the program names itself (not those they pull in)."""
    return re.findall(r"\(NEEDED\)\s+Shared library: \[(.+?)\]", run("readelf", "-d", str(program)))


def linked_packages(program):
    """The packages of the libraries the program names itself."""
    resolved = dict(re.findall(r"^\s*(\S+) => (/\S+)", run("ldd", str(program)), re.MULTILINE))
    return {owning_package(resolved[name]) for name in needed_libraries(program)}


def deb_files(package):
    """Each file (not folder) of a Debian package: its path, its mode and its owner."""
    listing = [line.split() for line in run("dpkg-deb", "-c", str(package)).splitlines()]
    return {entry[5].removeprefix("./"): (entry[0], entry[1]) for entry in listing if not entry[0].startswith("d")}


def desktop_entry_fields(text):
    return dict(line.split("=", 1) for line in text.splitlines() if "=" in line and not line.startswith("#"))


class InstalledTreeTest(unittest.TestCase):
    def test_install_puts_four_files_where_xscreensaver_and_mates_screen_saver_look(self):
        with tempfile.TemporaryDirectory() as destdir:
            run("cmake", "--install", str(BUILD), "--prefix", "/opt/kelvor", env=dict(os.environ, DESTDIR=destdir))
            prefix = Path(destdir) / "opt" / "kelvor"
            self.assertEqual(files_under(Path(destdir)), {
                "opt/kelvor/libexec/xscreensaver/kelvor",
                "opt/kelvor/share/xscreensaver/config/kelvor.xml",
                "opt/kelvor/share/man/man6/kelvor.6",
                "opt/kelvor/share/applications/screensavers/kelvor.desktop",
            })
            installed = prefix / "libexec" / "xscreensaver" / "kelvor"
            self.assertEqual(installed.stat().st_mode & 0o777, 0o755)
            self.assertEqual(installed.read_bytes(), MODULE.read_bytes())
            self.assertEqual((prefix / "share/xscreensaver/config/kelvor.xml").read_bytes(), DESCRIPTION.read_bytes())
            self.assertEqual((prefix / "share/man/man6/kelvor.6").read_bytes(), MANUAL.read_bytes())
            self.assertEqual((prefix / "share/applications/screensavers/kelvor.desktop").read_bytes(),
                             DESKTOP_ENTRY.read_bytes())

    @unittest.skipUnless(shutil.which("desktop-file-validate"), "desktop-file-utils is not installed")
    def test_desktop_entry_is_valid_and_runs_the_module_where_the_packages_install_it(self):
        checked = subprocess.run(["desktop-file-validate", str(DESKTOP_ENTRY)], capture_output=True, text=True)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
        # Hints are advice; a Screensaver entry has no main category of the menus on purpose.
        self.assertNotRegex(checked.stdout, r"(error|warning):")
        fields = desktop_entry_fields(DESKTOP_ENTRY.read_text())
        program, *arguments = fields["Exec"].split()
        self.assertEqual((program, fields["TryExec"]), ("/usr/libexec/xscreensaver/kelvor",) * 2)
        # Into the window the screen saver names in the environment, or the whole screen.
        self.assertEqual(arguments, ["-root"])
        self.assertEqual((fields["Type"], fields["Categories"]), ("Application", "Screensaver;"))
        self.assertIn("MATE;", fields["OnlyShowIn"])

    def test_manual_page_describes_every_option_and_formats_cleanly(self):
        usage = run(str(MODULE), "-help")
        options = set(re.findall(r"(?<![\w-])--?([a-z][a-z-]*)", usage))
        self.assertGreater(len(options), 10, usage)
        page = MANUAL.read_text()
        described = set(re.findall(r"^\.B \\-(\S+)", page.split("\n.SH OPTIONS\n", 1)[1], re.MULTILINE))
        self.assertEqual(options - {name.replace("\\-", "-") for name in described}, set())
        formatted = subprocess.run(["groff", "-man", "-ww", "-z", str(MANUAL)], capture_output=True, text=True)
        self.assertEqual((formatted.returncode, formatted.stderr), (0, ""))


class DebianPackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.arch = run("dpkg", "--print-architecture").strip()
        cls.package = DIST / f"kelvor_{harness.project_version()}_{cls.arch}.deb"
        if not cls.package.exists():
            raise AssertionError(f"{cls.package} is missing; scripts/package.sh builds it")

    def field(self, name):
        return run("dpkg-deb", "-f", str(self.package), name).strip()

    def test_contents_are_the_installed_tree_under_usr_with_its_documents(self):
        self.assertEqual(deb_files(self.package), {
            "usr/libexec/xscreensaver/kelvor": ("-rwxr-xr-x", "root/root"),
            "usr/share/xscreensaver/config/kelvor.xml": ("-rw-r--r--", "root/root"),
            "usr/share/man/man6/kelvor.6.gz": ("-rw-r--r--", "root/root"),
            "usr/share/applications/screensavers/kelvor.desktop": ("-rw-r--r--", "root/root"),
            "usr/share/doc/kelvor/copyright": ("-rw-r--r--", "root/root"),
            "usr/share/doc/kelvor/changelog.gz": ("-rw-r--r--", "root/root"),
        })
        with tempfile.TemporaryDirectory() as unpacked:
            run("dpkg-deb", "-x", str(self.package), unpacked)
            usr = Path(unpacked) / "usr"
            self.assertEqual((usr / "share/xscreensaver/config/kelvor.xml").read_bytes(), DESCRIPTION.read_bytes())
            self.assertEqual((usr / "share/applications/screensavers/kelvor.desktop").read_bytes(),
                             DESKTOP_ENTRY.read_bytes())
            self.assertEqual(gzip.decompress((usr / "share/man/man6/kelvor.6.gz").read_bytes()), MANUAL.read_bytes())
            changelog = gzip.decompress((usr / "share/doc/kelvor/changelog.gz").read_bytes()).decode()
            self.assertTrue(changelog.startswith(f"kelvor ({harness.project_version()}) "), changelog)
            # Stripped, and still the program: it answers -help as the build does.
            module = usr / "libexec/xscreensaver/kelvor"
            self.assertNotIn(".symtab", run("readelf", "-S", str(module)))
            self.assertEqual(run(str(module), "-help"), run(str(MODULE), "-help"))

    def test_control_fields_name_the_version_and_every_linked_library(self):
        self.assertEqual(
            [self.field(name) for name in ("Package", "Version", "Architecture", "Section", "Priority")],
            ["kelvor", harness.project_version(), self.arch, "x11", "optional"])
        self.assertRegex(self.field("Maintainer"), r"^[^<>]+ <[^@\s]+@[^>\s]+>$")
        summary, *long_description = self.field("Description").splitlines()
        self.assertTrue(0 < len(summary) <= 80 and long_description, summary)
        depends = {re.match(r"[\w.+-]+", clause.strip()).group() for clause in self.field("Depends").split(",")}
        self.assertLessEqual(linked_packages(MODULE), depends)

    @unittest.skipUnless(shutil.which("lintian"), "lintian is not installed")
    def test_lintian_finds_no_error_or_warning(self):
        checked = subprocess.run(["lintian", "--fail-on", "error,warning", str(self.package)], capture_output=True,
                                 text=True, timeout=300)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
        self.assertNotRegex(checked.stdout, r"(?m)^[EW]: ")


class RpmTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        arch = run("rpm", "--eval", "%{_arch}").strip()
        cls.package = DIST / f"kelvor-{harness.project_version()}-1.{arch}.rpm"
        if not cls.package.exists():
            raise AssertionError(f"{cls.package} is missing; scripts/package.sh builds it")

    def query(self, form):
        return run("rpm", "-qp", "--queryformat", form, str(self.package))

    def test_holds_the_debian_packages_files_with_their_modes_and_owners(self):
        deb = DIST / f"kelvor_{harness.project_version()}_{run('dpkg', '--print-architecture').strip()}.deb"
        entries = [line.split(" ", 3) for line in self.query("[%{FILEMODES:perms} %{FILEUSERNAME} %{FILEGROUPNAME} "
                                                              "%{FILENAMES}\n]").splitlines()]
        files = {name.removeprefix("/"): (mode, f"{user}/{group}") for mode, user, group, name in entries
                 if not mode.startswith("d")}
        expected = deb_files(deb)
        # The Debian changelog's entries are in the RPM's header (rpm -q --changelog).
        del expected["usr/share/doc/kelvor/changelog.gz"]
        expected[RPM_COPYRIGHT] = expected.pop(DEBIAN_COPYRIGHT)
        self.assertEqual(files, expected)
        with tempfile.TemporaryDirectory() as unpacked:
            payload = subprocess.run(["rpm2cpio", str(self.package)], capture_output=True, check=True,
                                     timeout=60).stdout
            subprocess.run(["cpio", "-idm", "--quiet"], input=payload, cwd=unpacked, check=True, timeout=60)
            run("dpkg-deb", "-x", str(deb), unpacked + "/deb")
            for name in expected:
                # The same bytes; the copyright file lies where each distribution keeps them.
                deb_name = DEBIAN_COPYRIGHT if name == RPM_COPYRIGHT else name
                self.assertEqual(Path(unpacked, name).read_bytes(), Path(unpacked, "deb", deb_name).read_bytes(), name)

    def test_requires_every_library_the_module_links_and_lints_without_errors(self):
        self.assertEqual(self.query("%{NAME} %{VERSION}"), f"kelvor {harness.project_version()}")
        required = set(run("rpm", "-qpR", str(self.package)).splitlines())
        for library in needed_libraries(MODULE):
            # "libX11.so.6()(64bit)" on 64-bit systems, "libX11.so.6()" on others.
            self.assertTrue(any(name.startswith(f"{library}()") for name in required), (library, required))
        checked = subprocess.run(["rpmlint", "-c", str(RPMLINT_CONFIG), str(self.package)], capture_output=True,
                                 text=True, timeout=120)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
        self.assertRegex(checked.stdout, r" 0 errors, 0 warnings")

"""The module as it is installed: the tree `cmake --install build/linux` makes under a prefix and
DESTDIR, and the Debian package scripts/package.sh leaves in build/dist, read as files: its
contents, its control fields, its dependencies against the libraries the module links, and lintian's
verdict where the machine has lintian."""

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
DIST = harness.BUILD / "dist"


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


def linked_packages(program):
    """The packages of the libraries the program names itself (not those they pull in)."""
    needed = re.findall(r"\(NEEDED\)\s+Shared library: \[(.+?)\]", run("readelf", "-d", str(program)))
    resolved = dict(re.findall(r"^\s*(\S+) => (/\S+)", run("ldd", str(program)), re.MULTILINE))
    return {owning_package(resolved[name]) for name in needed}


class InstalledTreeTest(unittest.TestCase):
    def test_install_puts_three_files_where_xscreensaver_looks(self):
        with tempfile.TemporaryDirectory() as destdir:
            run("cmake", "--install", str(BUILD), "--prefix", "/opt/kelvor", env=dict(os.environ, DESTDIR=destdir))
            prefix = Path(destdir) / "opt" / "kelvor"
            self.assertEqual(files_under(Path(destdir)), {
                "opt/kelvor/libexec/xscreensaver/kelvor",
                "opt/kelvor/share/xscreensaver/config/kelvor.xml",
                "opt/kelvor/share/man/man6/kelvor.6",
            })
            installed = prefix / "libexec" / "xscreensaver" / "kelvor"
            self.assertEqual(installed.stat().st_mode & 0o777, 0o755)
            self.assertEqual(installed.read_bytes(), MODULE.read_bytes())
            self.assertEqual((prefix / "share/xscreensaver/config/kelvor.xml").read_bytes(), DESCRIPTION.read_bytes())
            self.assertEqual((prefix / "share/man/man6/kelvor.6").read_bytes(), MANUAL.read_bytes())

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
        listing = [line.split() for line in run("dpkg-deb", "-c", str(self.package)).splitlines()]
        files = {entry[5].removeprefix("./"): (entry[0], entry[1]) for entry in listing if not entry[0].startswith("d")}
        self.assertEqual(files, {
            "usr/libexec/xscreensaver/kelvor": ("-rwxr-xr-x", "root/root"),
            "usr/share/xscreensaver/config/kelvor.xml": ("-rw-r--r--", "root/root"),
            "usr/share/man/man6/kelvor.6.gz": ("-rw-r--r--", "root/root"),
            "usr/share/doc/kelvor/copyright": ("-rw-r--r--", "root/root"),
            "usr/share/doc/kelvor/changelog.gz": ("-rw-r--r--", "root/root"),
        })
        with tempfile.TemporaryDirectory() as unpacked:
            run("dpkg-deb", "-x", str(self.package), unpacked)
            usr = Path(unpacked) / "usr"
            self.assertEqual((usr / "share/xscreensaver/config/kelvor.xml").read_bytes(), DESCRIPTION.read_bytes())
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

"""What a release gives an administrator to trust, read as files: the packages signed with a
throwaway certificate made here (every Windows file verifies, a changed one does not, a wrong
password stops the packaging and leaves nothing behind), the checksums of build/dist, and MSI
packages that are the same bytes when made from the same files.

Reuses the products scripts/package.sh has built; signing builds nothing again.
Run: python3 tests/scripts/test_release.py [--results FILE]   (adds a line "release P F" to FILE)
"""

import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import unittest
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
BUILD = ROOT / "build"
DIST = BUILD / "dist"
WORK = BUILD / "release-tests"
sys.path.insert(0, str(ROOT / "scripts"))
import msi_summary  # noqa: E402
from stage_runner import run_stage  # noqa: E402

VERSION_LINE = "project(kelvor VERSION "
SAVERS = {"32-bit": BUILD / "win32" / "kelvor.scr", "64-bit": BUILD / "win64" / "kelvor.scr"}


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=600, **{"cwd": ROOT, **options})


def digest(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def version():
    line = next(line for line in (ROOT / "CMakeLists.txt").read_text().splitlines() if line.startswith(VERSION_LINE))
    return line.removeprefix(VERSION_LINE).split()[0].rstrip(")")


def make_certificate(folder, password):
    """A self-signed code-signing certificate: its PEM file (to verify with) and its PKCS#12 file."""
    key, certificate, pkcs12 = folder / "key.pem", folder / "certificate.pem", folder / "certificate.p12"
    password_file = folder / "password"
    password_file.write_text(password + "\n")
    made = run("openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", str(key), "-out",
               str(certificate), "-days", "2", "-subj", "/CN=Kelvor test signing",
               "-addext", "extendedKeyUsage=codeSigning", "-addext", "keyUsage=digitalSignature")
    if made.returncode != 0:
        raise AssertionError(made.stderr)
    exported = run("openssl", "pkcs12", "-export", "-inkey", str(key), "-in", str(certificate), "-out", str(pkcs12),
                   "-passout", f"file:{password_file}")
    if exported.returncode != 0:
        raise AssertionError(exported.stderr)
    return certificate, pkcs12, password_file


def package(dist, pkcs12, password_file):
    """scripts/package.sh into a folder of its own, signing with that certificate."""
    environment = dict(os.environ, KELVOR_SIGN_PKCS12=str(pkcs12), KELVOR_SIGN_PASSWORD_FILE=str(password_file))
    environment.pop("KELVOR_SIGN_TIMESTAMP_URL", None)
    return run("scripts/package.sh", str(dist), env=environment)


def extract_saver(msi, folder):
    """The saver file an MSI package holds."""
    extracted = run("msiextract", "-C", str(folder), str(msi))
    if extracted.returncode != 0:
        raise AssertionError(extracted.stderr)
    return next(folder.rglob("kelvor.scr"))


def flip_one_byte(data, offset):
    changed = bytearray(data)
    changed[offset] ^= 0x01
    return bytes(changed)


class SignedPackagesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        shutil.rmtree(WORK, ignore_errors=True)
        WORK.mkdir(parents=True)
        cls.unsigned_savers = {name: digest(path) for name, path in SAVERS.items()}
        cls.certificate, cls.pkcs12, cls.password_file = make_certificate(WORK, "a throwaway password")
        cls.dist = WORK / "dist"
        cls.packaged = package(cls.dist, cls.pkcs12, cls.password_file)
        if cls.packaged.returncode != 0:
            raise AssertionError(cls.packaged.stdout + cls.packaged.stderr)

    def verify(self, path):
        return run("osslsigncode", "verify", "-CAfile", str(self.certificate), "-in", str(path))

    def signed_files(self):
        """{name: path} of every Windows file of the signed packages: the MSIs, and the saver files
        in the zip and in each MSI."""
        files = {msi.name: msi for msi in self.dist.glob("*.msi")}
        unpacked = WORK / "unpacked"
        shutil.rmtree(unpacked, ignore_errors=True)
        with zipfile.ZipFile(self.dist / f"kelvor-{version()}.zip") as archive:
            for name in archive.namelist():
                if name.endswith(".scr"):
                    files[f"zip {name}"] = Path(archive.extract(name, unpacked))
        for msi in self.dist.glob("*.msi"):
            files[f"{msi.name} kelvor.scr"] = extract_saver(msi, unpacked / msi.stem)
        return files

    def test_says_it_signs_every_windows_file_verifies_and_one_changed_byte_fails(self):
        self.assertIn(f"package: signing the saver files and the MSI packages with {self.pkcs12}",
                      self.packaged.stdout)
        files = self.signed_files()
        self.assertEqual(len(files), 6, sorted(files))
        for name, path in files.items():
            with self.subTest(file=name):
                verified = self.verify(path)
                self.assertEqual(verified.returncode, 0, verified.stdout + verified.stderr)
                self.assertIn("Signature verification: ok", verified.stdout)
        # The build tree keeps its unsigned files, which the tests run and compare; and the signature
        # is all that signing adds to them.
        self.assertEqual({name: digest(path) for name, path in SAVERS.items()}, self.unsigned_savers)
        for folder, build in SAVERS.items():
            with self.subTest(unsigned=folder):
                removed = WORK / f"unsigned-{folder}.scr"
                removed.unlink(missing_ok=True)
                signed = files[f"zip kelvor-{version()}/{folder}/kelvor.scr"]
                removing = run("osslsigncode", "remove-signature", "-in", str(signed), "-out", str(removed))
                self.assertEqual(removing.returncode, 0, removing.stdout)
                self.assertEqual(digest(removed), digest(build))
        # A file changed by one byte no longer verifies.
        saver = files[f"zip kelvor-{version()}/64-bit/kelvor.scr"]
        msi = files[f"kelvor-{version()}-x64.msi"]
        # A byte of the program's code, and one of the MSI's summary (its description).
        data = msi.read_bytes()
        offsets = msi_summary.CompoundFile(data).stream_offsets(msi_summary.SUMMARY_STREAM)
        description_at = offsets[bytes(data[offset] for offset in offsets).index(b"Kelvor Screen Saver")]
        for path, offset in ((saver, 0x1000), (msi, description_at)):
            with self.subTest(file=path.name):
                changed = WORK / f"changed-{path.name}"
                changed.write_bytes(flip_one_byte(path.read_bytes(), offset))
                verified = self.verify(changed)
                self.assertNotEqual(verified.returncode, 0, verified.stdout)
                self.assertNotIn("Signature verification: ok", verified.stdout)

    def test_the_checksums_cover_every_file_and_check(self):
        for dist in (DIST, self.dist):
            with self.subTest(dist=dist):
                listed = sorted(line.split("  ", 1)[1] for line in (dist / "SHA256SUMS").read_text().splitlines())
                self.assertEqual(listed, sorted(path.name for path in dist.iterdir() if path.name != "SHA256SUMS"))
                checked = run("sha256sum", "--strict", "-c", "SHA256SUMS", cwd=dist)
                self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)

    def test_a_wrong_password_or_certificate_stops_packaging_and_leaves_nothing(self):
        wrong_password = WORK / "wrong-password"
        wrong_password.write_text("not the password\n")
        for pkcs12, password_file in ((self.pkcs12, wrong_password), (self.certificate, self.password_file)):
            with self.subTest(pkcs12=pkcs12.name, password=password_file.name):
                dist = WORK / "refused"
                dist.mkdir(exist_ok=True)
                refused = package(dist, pkcs12, password_file)
                self.assertNotEqual(refused.returncode, 0)
                self.assertEqual(refused.stderr.splitlines()[-1],
                                 f"sign: cannot sign kelvor.scr: the password in {password_file} does not open "
                                 f"{pkcs12}, or that is not a PKCS#12 file")
                self.assertFalse(dist.exists(), sorted(dist.rglob("*")) if dist.exists() else None)
                self.assertEqual(sorted(BUILD.glob("package.*")), [])


class ReproducibleMsiTest(unittest.TestCase):
    def build_msi(self, saver, output):
        built = run(sys.executable, "scripts/wixl_build.py", "-a", "x64", "-o", str(output), "-D", "Arch=x64",
                    "-D", f"Version={version()}", "-D", f"ScrSource={saver.relative_to(ROOT)}",
                    "-D", "IconSource=src/win32/resources/kelvor.ico", "packaging/kelvor.wxs",
                    env=dict(os.environ, SOURCE_DATE_EPOCH="1700000000"))
        self.assertEqual(built.returncode, 0, built.stderr)
        summary = run("msiinfo", "suminfo", str(output), env=dict(os.environ, TZ="UTC")).stdout
        codes = run("msiinfo", "export", str(output), "Property").stdout
        product_code = next(line.split("\t")[1] for line in codes.splitlines() if line.startswith("ProductCode\t"))
        return output.read_bytes(), product_code, summary

    def test_the_same_files_make_the_same_msi_and_a_changed_file_new_codes(self):
        folder = WORK / "msi"
        shutil.rmtree(folder, ignore_errors=True)
        savers = [folder / "one" / "kelvor.scr", folder / "two" / "other" / "kelvor.scr", folder / "changed.scr"]
        for saver in savers:
            saver.parent.mkdir(parents=True, exist_ok=True)
        original = SAVERS["64-bit"].read_bytes()
        savers[0].write_bytes(original)
        savers[1].write_bytes(original)
        savers[2].write_bytes(flip_one_byte(original, 0x1000))
        for saver in savers:
            os.utime(saver, (1700000000, 1700000000))
        first, second, changed = (self.build_msi(saver, folder / f"{index}.msi") for index, saver in enumerate(savers))

        self.assertEqual(first[0], second[0])
        for time in ("Created", "Last saved"):
            self.assertIn(f"{time}: Tue Nov 14 22:13:20 2023\n", first[2])
        self.assertNotEqual(first[1], changed[1])
        package_code = next(line for line in first[2].splitlines() if line.startswith("Revision number"))
        self.assertNotIn(package_code, changed[2])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--results")
    args = parser.parse_args()
    return run_stage("release", unittest.defaultTestLoader.loadTestsFromModule(sys.modules[__name__]), args.results)


if __name__ == "__main__":
    sys.exit(main())

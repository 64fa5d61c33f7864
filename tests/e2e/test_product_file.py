"""Both kelvor.scr files, read as files (nothing is run, so both are checked on every machine): each
must load on every Windows it is for, so it imports nothing that Windows 95 or NT 4 lacks (the x64
file holds itself to the same list), carries its version resource and manifest, and ships stripped
and small."""

import re
import subprocess
import unittest

import harness

LATE_BOUND_LIST = harness.BUILD.parent / "src" / "win32" / "late_bound_api.h"
# What the program looks up at run time (the late-bound list: library and name of each entry), and
# calls that the 9x family or NT 4 lack which the runtime it links must not import either.
LATE_BOUND = re.findall(r'LateBoundApi<[^;]*?>\s*\w+\{[^"]*"([\w.]+)",\s*"(\w+)"\}', LATE_BOUND_LIST.read_text())
NEWER_CALLS = {name for _, name in LATE_BOUND} | {
    "GetTickCount64", "AddVectoredExceptionHandler", "RemoveVectoredExceptionHandler",
    "TryEnterCriticalSection", "InitializeCriticalSectionAndSpinCount", "IsDebuggerPresent",
    "GetHandleInformation", "SetProcessDPIAware", "GetProcessHandleCount",
}
# Libraries that only late-bound calls use may not be in the import table at all: the running saver
# loads none of them unless it needs them.
LOOKED_UP_LIBRARIES = {library.lower() for library, _ in LATE_BOUND} - {"kernel32.dll", "user32.dll", "advapi32.dll"}
# Per architecture: the binutils prefix, the object format objdump names and the manifest's name for it.
ARCHITECTURES = {"32": ("i686-w64-mingw32", "pei-i386", "x86"), "64": ("x86_64-w64-mingw32", "pei-x86-64", "amd64")}


def binutil(arch, tool, *arguments):
    prefix = ARCHITECTURES[arch][0]
    return subprocess.run([f"{prefix}-{tool}", *arguments, str(harness.product_path(arch))],
                          capture_output=True, text=True, check=True).stdout


class ProductFileTest(unittest.TestCase):
    def test_imports_only_what_every_supported_windows_exports(self):
        self.assertGreaterEqual(len(LATE_BOUND), 14, "the late-bound list was not read")
        for arch in ARCHITECTURES:
            with self.subTest(arch=arch):
                dump = binutil(arch, "objdump", "-p")
                libraries = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
                functions = set(re.findall(r"^\t[0-9a-f]+\t +[0-9]+  (\w+)", dump, re.MULTILINE))
                self.assertIn("getversionexa", {f.lower() for f in functions})
                self.assertEqual(functions & NEWER_CALLS, set())
                self.assertEqual(libraries & LOOKED_UP_LIBRARIES, set())

    def test_architecture_version_manifest_and_a_small_stripped_file(self):
        for arch, (_, object_format, manifest_arch) in ARCHITECTURES.items():
            with self.subTest(arch=arch):
                self.assertIn(object_format, binutil(arch, "objdump", "-f"))
                self.assertNotIn(".debug", binutil(arch, "objdump", "-h"))
                self.assertLess(harness.product_path(arch).stat().st_size, 1 << 20)
                text = binutil(arch, "windres", "--input-format=coff", "-O", "rc")
                self.assertIn("FILEVERSION 1, 4, 0, 5", re.sub(r",\s*", ", ", text))
                self.assertIn("Common-Controls", text)
                self.assertIn("dpiAware", text)
                # A manifest naming another architecture stops the program from starting on Windows.
                self.assertLessEqual(set(re.findall(r'processorArchitecture="+([^"]*)"', text)), {"*", manifest_arch})
                self.assertIn("ICON", text)


if __name__ == "__main__":
    unittest.main()

"""kelvor.scr itself: it must load on every Windows it supports, so it imports nothing that
Windows 95 or NT 4 lacks, and carries its version resource and manifest."""

import re
import subprocess
import unittest

import harness

# Calls that the 9x family or NT 4 do not export: the program looks these up at run time, and the
# runtime it links must not import them either.
NEWER_CALLS = {
    "GetTickCount64", "AddVectoredExceptionHandler", "RemoveVectoredExceptionHandler",
    "TryEnterCriticalSection", "InitializeCriticalSectionAndSpinCount", "IsDebuggerPresent",
    "GetHandleInformation", "GetNativeSystemInfo", "GlobalMemoryStatusEx", "GetIfTable",
    "MonitorFromPoint", "GetMonitorInfoA", "EnumDisplayDevicesA", "EnumDisplaySettingsExA",
    "SetProcessDPIAware", "GetProcessHandleCount", "RtlGenRandom", "SystemFunction036",
}
LOOKED_UP_LIBRARIES = {"iphlpapi.dll", "mpr.dll", "password.cpl"}


def objdump(*arguments):
    return subprocess.run(["i686-w64-mingw32-objdump", *arguments, str(harness.session().product)],
                          capture_output=True, text=True, check=True).stdout


class ProductFileTest(unittest.TestCase):
    def test_imports_only_what_every_supported_windows_exports(self):
        dump = objdump("-p")
        libraries = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
        functions = set(re.findall(r"^\t[0-9a-f]+\t +[0-9]+  (\w+)", dump, re.MULTILINE))
        self.assertIn("getversionexa", {f.lower() for f in functions})
        self.assertEqual(functions & NEWER_CALLS, set())
        self.assertEqual(libraries & LOOKED_UP_LIBRARIES, set())

    def test_is_a_32_bit_program_with_version_and_manifest(self):
        headers = objdump("-f")
        self.assertIn("pei-i386", headers)
        resources = subprocess.run(["i686-w64-mingw32-windres", "--input-format=coff",
                                    str(harness.session().product), "-O", "rc"],
                                   capture_output=True, text=True)
        text = resources.stdout
        self.assertIn("FILEVERSION 1, 4, 0, 5", re.sub(r",\s*", ", ", text))
        self.assertIn("Common-Controls", text)
        self.assertIn("dpiAware", text)


if __name__ == "__main__":
    unittest.main()

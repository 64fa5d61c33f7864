#!/usr/bin/env python3
"""Runs the Windows-built tests and the end-to-end tests of kelvor.scr in one Wine session.

Prints a line per stage and writes "<stage> <passed> <failed>" lines to --results.
"""

import argparse
import json
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402

# The Windows-built tests that run a second time with Wine set to Windows 98.
PROBE_TESTS_9X = "WinProbes.*:WinDisplayLayout.*"


def run_gtest_binary(session, binary, work_dir, stage, *arguments):
    report = work_dir / f"{stage}.json"
    report.unlink(missing_ok=True)
    # The tests run in the work folder so that the report lands there.
    process = session.start_program(Path(binary).resolve(), f"--gtest_output=json:{report.name}", *arguments,
                                    cwd=work_dir)
    exit_code = process.wait_exit(timeout=600)
    output = process.popen.stdout.read().decode(errors="replace") if process.popen.stdout else ""
    if exit_code is None:
        process.kill()
        print(output)
        return 0, 1
    if not report.exists():
        print(output)
        return 0, 1
    data = json.loads(report.read_text())
    failed = data.get("failures", 0) + data.get("errors", 0)
    passed = data.get("tests", 0) - failed - data.get("disabled", 0)
    if failed or exit_code != 0:
        print(output)
        if failed == 0:
            failed = 1
    return passed, failed


def run_e2e(pattern):
    suite = unittest.defaultTestLoader.discover(str(Path(__file__).resolve().parent), pattern=pattern)
    runner = unittest.TextTestRunner(verbosity=2, stream=sys.stdout)
    result = runner.run(suite)
    failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    passed = result.testsRun - failed - len(result.skipped)
    return passed, failed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--arch", choices=("32", "64"), required=True,
                        help="32: the 32-bit builds under 32-bit Wine; 64: the x64 builds under 64-bit Wine")
    parser.add_argument("--win32-tests", default=None)
    parser.add_argument("--work", required=True)
    parser.add_argument("--results", required=True)
    parser.add_argument("--pattern", default="test_*.py")
    args = parser.parse_args()

    work_dir = Path(args.work).resolve()
    work_dir.mkdir(parents=True, exist_ok=True)
    results = []
    started = time.time()
    session = harness.WineSession(args.arch, work_dir)
    try:
        session.start()
        harness.current_session = session
        print(f"wine session ready on {session.display} in {time.time() - started:.0f} s", flush=True)
        if args.win32_tests:
            results.append(("win32",) + run_gtest_binary(session, args.win32_tests, work_dir, "win32"))
            print(f"win32: {results[-1][1]} passed, {results[-1][2]} failed", flush=True)
            # The probes once more as the 9x family sees the system.
            session.set_windows_version("win98")
            results.append(("win32-9x",) + run_gtest_binary(session, args.win32_tests, work_dir, "win32-9x",
                                                             f"--gtest_filter={PROBE_TESTS_9X}"))
            print(f"win32-9x: {results[-1][1]} passed, {results[-1][2]} failed", flush=True)
            session.set_windows_version("win7")
        results.append(("e2e",) + run_e2e(args.pattern))
        print(f"e2e: {results[-1][1]} passed, {results[-1][2]} failed", flush=True)
    except Exception as error:  # a broken session is a failure of the stage, not a crash of the run
        print(f"wine tests could not run: {error}", flush=True)
        results.append(("wine-session", 0, 1))
    finally:
        session.close()
    with open(args.results, "a") as out:
        for stage, passed, failed in results:
            out.write(f"{stage} {passed} {failed}\n")
    return 1 if any(failed for _, _, failed in results) else 0


if __name__ == "__main__":
    sys.exit(main())

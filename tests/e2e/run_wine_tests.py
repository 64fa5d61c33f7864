#!/usr/bin/env python3
"""Runs the Windows-built tests and the end-to-end tests of kelvor.scr in one Wine session.

Prints a line per stage and writes "<stage> <passed> <failed>" lines to --results; the stages of the
32-bit builds end in "-x86". Every test has a time limit: a test that hangs fails with its name.
"""

import argparse
import json
import re
import signal
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402

# The Windows-built tests that run a second time with Wine set to Windows 98.
PROBE_TESTS_9X = "WinProbes.*:WinDisplayLayout.*"
# How long the Windows-built tests may take in all, and one end-to-end test; generous, since under
# emulation everything takes several times as long.
GTEST_SECONDS = 900
E2E_TEST_SECONDS = 300


def unfinished_gtest(output):
    """The name of the test that started last and did not finish, or None."""
    running = None
    for line in output.splitlines():
        match = re.match(r"\[ +(RUN|OK|FAILED|SKIPPED) +\] (\S+\.\S+)", line)
        if match:
            running = match.group(2) if match.group(1) == "RUN" else None
    return running


def run_gtest_binary(session, binary, work_dir, stage, *arguments):
    report = work_dir / f"{stage}.json"
    report.unlink(missing_ok=True)
    log = work_dir / f"{stage}.log"
    # The tests run in the work folder so that the report lands there; the output goes to a file, which
    # cannot fill up and stop the program as a pipe can.
    with open(log, "wb") as output_file:
        process = session.start_program(Path(binary).resolve(), f"--gtest_output=json:{report.name}", *arguments,
                                        cwd=work_dir, output=output_file)
    exit_code = process.wait_exit(timeout=GTEST_SECONDS)
    output = log.read_text(errors="replace")
    if exit_code is None:
        process.kill()
        print(output)
        print(f"{stage}: {unfinished_gtest(output) or 'the program'} did not end within {GTEST_SECONDS} s")
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


class TestTimeLimit(Exception):
    pass


class TimedResult(unittest.TextTestResult):
    """Interrupts a test that runs longer than E2E_TEST_SECONDS: it then fails with its name, and the
    programs it left running are ended so that they cannot disturb the next tests."""

    def startTest(self, test):
        self.cut = False

        def interrupt(_signal, _frame):
            self.cut = True
            raise TestTimeLimit(f"{test.id()} did not end within {E2E_TEST_SECONDS} s")

        signal.signal(signal.SIGALRM, interrupt)
        signal.alarm(E2E_TEST_SECONDS)
        super().startTest(test)

    def stopTest(self, test):
        signal.alarm(0)
        if self.cut:
            harness.session().end_programs()
        super().stopTest(test)


def run_e2e(pattern):
    suite = unittest.defaultTestLoader.discover(str(Path(__file__).resolve().parent), pattern=pattern)
    runner = unittest.TextTestRunner(verbosity=2, stream=sys.stdout, resultclass=TimedResult)
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

    suffix = "-x86" if args.arch == "32" else ""
    work_dir = Path(args.work).resolve()
    work_dir.mkdir(parents=True, exist_ok=True)
    results = []
    started = time.time()
    # Ended from outside (a time limit): close the session all the same, so that no Wine program or
    # X server outlives the run.
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    session = harness.WineSession(args.arch, work_dir)
    try:
        session.start()
        harness.current_session = session
        print(f"wine session ready on {session.display} in {time.time() - started:.0f} s", flush=True)
        if args.win32_tests:
            stage = "win32" + suffix
            results.append((stage,) + run_gtest_binary(session, args.win32_tests, work_dir, stage))
            print(f"{stage}: {results[-1][1]} passed, {results[-1][2]} failed", flush=True)
            # The probes once more as the 9x family sees the system.
            session.set_windows_version("win98")
            stage = "win32-9x" + suffix
            results.append((stage,) + run_gtest_binary(session, args.win32_tests, work_dir, stage,
                                                       f"--gtest_filter={PROBE_TESTS_9X}"))
            print(f"{stage}: {results[-1][1]} passed, {results[-1][2]} failed", flush=True)
            session.set_windows_version("win7")
        stage = "e2e" + suffix
        results.append((stage,) + run_e2e(args.pattern))
        print(f"{stage}: {results[-1][1]} passed, {results[-1][2]} failed", flush=True)
    except Exception as error:  # a broken session is a failure of the stage, not a crash of the run
        print(f"wine tests could not run: {error}", flush=True)
        results.append(("wine-session" + suffix, 0, 1))
    finally:
        session.close()
        with open(args.results, "a") as out:
            for stage, passed, failed in results:
                out.write(f"{stage} {passed} {failed}\n")
    return 1 if any(failed for _, _, failed in results) else 0


if __name__ == "__main__":
    sys.exit(main())

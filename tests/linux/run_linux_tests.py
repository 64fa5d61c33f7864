#!/usr/bin/env python3
"""Runs the tests of the display module for xscreensaver (build/linux/kelvor) on a private Xvfb.

Writes a "<stage> <passed> <failed>" line to --results.
"""

import argparse
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import xvfb_session  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--work", required=True)
    parser.add_argument("--results", required=True)
    parser.add_argument("--pattern", default="test_*.py")
    args = parser.parse_args()

    started = time.time()
    session = xvfb_session.XvfbSession(Path(args.work).resolve())
    try:
        session.start()
        xvfb_session.current_session = session
        print(f"Xvfb ready on {session.display} in {time.time() - started:.0f} s", flush=True)
        suite = unittest.defaultTestLoader.discover(str(Path(__file__).resolve().parent), pattern=args.pattern)
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
        failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
        passed = result.testsRun - failed - len(result.skipped)
    except Exception as error:  # a broken session is a failure of the stage, not a crash of the run
        print(f"linux tests could not run: {error}", flush=True)
        passed, failed = 0, 1
    finally:
        session.close()
    print(f"linux-e2e: {passed} passed, {failed} failed", flush=True)
    with open(args.results, "a") as out:
        out.write(f"linux-e2e {passed} {failed}\n")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

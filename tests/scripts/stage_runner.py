"""Runs a unittest suite as one stage of scripts/test.sh: shows each test as it runs, and adds the
line "<stage> <passed> <failed>" to the results file when one is given."""

import unittest


def run_stage(stage, suite, results=None):
    """Returns the exit status: 1 when a test failed."""
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    passed = result.testsRun - failed - len(result.skipped)
    print(f"{stage}: {passed} passed, {failed} failed", flush=True)
    if results:
        with open(results, "a") as out:
            out.write(f"{stage} {passed} {failed}\n")
    return 1 if failed else 0

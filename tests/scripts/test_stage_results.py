#!/usr/bin/env python3
"""The test run's book of stages (scripts/stage_results.sh): a stage that dies cannot vanish from it.

Run by scripts/test.sh before the build; writes a "runner <passed> <failed>" line to --results.
"""

import argparse
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

from stage_runner import run_stage

BOOK = Path(__file__).resolve().parents[2] / "scripts" / "stage_results.sh"


def run_book(script):
    """Runs a fake test run that sources the book; returns its exit status and output."""
    with tempfile.TemporaryDirectory() as work:
        results = Path(work) / "results.txt"
        results.write_text("")
        run = subprocess.run(["bash", "-c", f'export results="{results}"; . "{BOOK}"; {script}'],
                             capture_output=True, text=True, timeout=60)
        return run.returncode, run.stdout


class StageBookTest(unittest.TestCase):
    def test_stages_that_die_or_never_report_fail_by_name(self):
        code, out = run_book(
            'expect_stages fine killed silent cut\n'
            'echo "fine 3 0" >> "$results"\n'
            # Killed after it wrote part of its stages, as an out-of-memory kill would.
            'bash -c \'echo "killed 2 0" >> "$results"; kill -KILL $$\'; note_runner_end killed $?\n'
            'timeout 0.1 sleep 5; note_runner_end cut $?\n'
            'close_stages')
        self.assertNotEqual(code, 0)
        lines = out.splitlines()
        self.assertIn("killed-signal-9 0 1", lines)
        self.assertIn("silent-missing 0 1", lines)
        self.assertIn("cut-time-limit 0 1", lines)
        self.assertIn("cut-missing 0 1", lines)
        self.assertEqual(lines[-1], "5 passed, 4 failed")

    def test_a_run_whose_stages_all_report_passes(self):
        code, out = run_book('expect_stages a b\necho "a 1 0" >> "$results"\n'
                             'false; note_runner_end b $?\necho "b 2 0" >> "$results"\nclose_stages')
        self.assertEqual((code, out.splitlines()[-1]), (0, "3 passed, 0 failed"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--results")
    args = parser.parse_args()
    return run_stage("runner", unittest.defaultTestLoader.loadTestsFromTestCase(StageBookTest), args.results)


if __name__ == "__main__":
    sys.exit(main())

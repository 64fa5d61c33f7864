#!/usr/bin/env bash
# Builds everything and runs every test: host (plain and sanitized), fuzzing for a short budget,
# the Windows-built tests and the end-to-end tests under Wine. Ends with "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."

results=build/test-results.txt
mkdir -p build
: > "$results"

record_gtest() {  # stage, json report, exit code
    local stage=$1 report=$2 code=$3
    if [ -f "$report" ]; then
        python3 - "$stage" "$report" "$code" >> "$results" <<'PY'
import json, sys
stage, report, code = sys.argv[1], sys.argv[2], int(sys.argv[3])
data = json.load(open(report))
failed = data.get("failures", 0) + data.get("errors", 0)
passed = data.get("tests", 0) - failed - data.get("disabled", 0)
if code != 0 and failed == 0:
    failed = 1
print(stage, passed, failed)
PY
    else
        echo "$stage 0 1" >> "$results"
    fi
}

if ! scripts/build.sh all; then
    echo "build 0 1" >> "$results"
else
    for stage in host asan; do
        echo "== $stage unit tests"
        rm -f "build/$stage/unit_tests.json"
        "build/$stage/unit_tests" --gtest_brief=1 --gtest_output="json:build/$stage/unit_tests.json"
        record_gtest "$stage" "build/$stage/unit_tests.json" $?
    done

    echo "== fuzzing"
    if KELVOR_FUZZ_SECONDS=${KELVOR_FUZZ_SECONDS:-10} scripts/fuzz.sh; then echo "fuzz 1 0" >> "$results"; else echo "fuzz 0 1" >> "$results"; fi

    echo "== Windows tests and end-to-end tests under Wine"
    python3 tests/e2e/run_wine_tests.py --product build/win32/kelvor.scr \
        --win32-tests build/win32-tests/win32_tests.exe --work build/wine-tests --results "$results"
fi

echo "== summary"
cat "$results"
read -r passed failed < <(awk '{p += $2; f += $3} END {print p + 0, f + 0}' "$results")
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# Builds everything and runs every test: host (plain and sanitized), fuzzing for a short budget,
# the display module for xscreensaver on a private Xvfb, the Windows-built tests and the end-to-end
# tests under Wine, the deployment packages among them. Ends with "N passed, N failed".
# Where this machine cannot run 32-bit programs, the Wine stage runs the same tests with the x64
# builds under 64-bit Wine; KELVOR_WINE_ARCH=32|64 forces either.
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

scripts/setup.sh
wine_tests=()
if ! arch=$(scripts/wine_arch.sh); then
    echo "wine-arch 0 1" >> "$results"
    arch=none
elif [ "$arch" = 32 ]; then
    wine_stage="the 32-bit builds under 32-bit Wine"
    wine_tests=(win32-tests)
else
    wine_stage="the x64 builds under 64-bit Wine, since ${KELVOR_WINE_ARCH:+KELVOR_WINE_ARCH=64 asks for them}"
    [ -n "${KELVOR_WINE_ARCH:-}" ] || wine_stage+="this machine cannot run 32-bit programs"
    wine_tests=(win64-tests)
fi

if ! scripts/build.sh host asan linux win32 win64 "${wine_tests[@]}"; then
    echo "build 0 1" >> "$results"
else
    for stage in host asan; do
        echo "== $stage unit tests"
        rm -f "build/$stage/unit_tests.json"
        "build/$stage/unit_tests" --gtest_brief=1 --gtest_output="json:build/$stage/unit_tests.json"
        record_gtest "$stage" "build/$stage/unit_tests.json" $?
    done

    # The Wine stage installs the MSI package of its architecture; packaging itself is no test.
    echo "== packages"
    scripts/package.sh || echo "package 0 1" >> "$results"

    echo "== fuzzing"
    if KELVOR_FUZZ_SECONDS=${KELVOR_FUZZ_SECONDS:-10} scripts/fuzz.sh; then echo "fuzz 1 0" >> "$results"; else echo "fuzz 0 1" >> "$results"; fi

    echo "== the display module for xscreensaver (build/linux/kelvor) on a private Xvfb"
    python3 tests/linux/run_linux_tests.py --work build/linux-tests --results "$results"

    echo "== Windows tests and end-to-end tests under Wine: ${wine_stage:-no architecture chosen}"
    [ "$arch" = none ] || python3 tests/e2e/run_wine_tests.py --arch "$arch" \
        --win32-tests "build/win$arch-tests/win32_tests.exe" --work build/wine-tests --results "$results"
fi

echo "== summary"
cat "$results"
read -r passed failed < <(awk '{p += $2; f += $3} END {print p + 0, f + 0}' "$results")
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

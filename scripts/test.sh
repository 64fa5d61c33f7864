#!/usr/bin/env bash
# Builds everything and runs every test: host (plain and sanitized), fuzzing for a short budget,
# the display module for xscreensaver on a private Xvfb, the Windows-built tests and the end-to-end
# tests under Wine, the deployment packages among them, and the release files (signed with a throwaway
# certificate, checksums). Ends with "N passed, N failed".
# The Wine stages run twice: with the x64 builds under 64-bit Wine, then with the 32-bit builds under
# 32-bit Wine (stages ending in "-x86"), which runs through emulation where this machine cannot run
# 32-bit programs (scripts/emulate_i386.sh). KELVOR_WINE_ARCH=64 or 32 runs only one of them.
set -uo pipefail
cd "$(dirname "$0")/.."

results=build/test-results.txt
mkdir -p build
: > "$results"
. scripts/stage_results.sh

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

# A Wine stage cut by this limit fails; each test inside it has a shorter one of its own.
wine_stage_seconds=2400

scripts/setup.sh
if [ -z "${KELVOR_WINE_ARCH:-}" ]; then
    wine_arches=(64 32)
elif arch=$(scripts/wine_arch.sh); then
    wine_arches=("$arch")
else
    echo "wine-arch 0 1" >> "$results"
    wine_arches=()
fi
wine_tests=()
for arch in "${wine_arches[@]}"; do wine_tests+=("win$arch-tests"); done

run_wine_stages() {  # 32 | 64
    local arch=$1 suffix="" how wrapper=()
    if [ "$arch" = 64 ]; then
        echo "== Windows tests and end-to-end tests under Wine, x64: the x64 builds under 64-bit Wine"
    else
        suffix=-x86
        if ! how=$(scripts/emulate_i386.sh --how); then
            echo "== Windows tests and end-to-end tests under Wine, x86: cannot run; $how"
            echo "wine$suffix 0 1" >> "$results"
            return
        fi
        echo "== Windows tests and end-to-end tests under Wine, x86: the 32-bit builds under 32-bit Wine, $how"
        wrapper=(scripts/emulate_i386.sh)
    fi
    expect_stages "win32$suffix" "win32-9x$suffix" "e2e$suffix"
    timeout --kill-after=30 "$wine_stage_seconds" "${wrapper[@]}" python3 tests/e2e/run_wine_tests.py --arch "$arch" \
        --win32-tests "build/win$arch-tests/win32_tests.exe" --work "build/wine-tests$suffix" --results "$results"
    note_runner_end "wine$suffix" $?
}

echo "== the test runner's own book of stages"
python3 tests/scripts/test_stage_results.py --results "$results"
note_runner_end runner $?
expect_stages runner build

if ! scripts/build.sh host asan linux win32 win64 "${wine_tests[@]}"; then
    echo "build 0 1" >> "$results"
else
    echo "build 1 0" >> "$results"
    expect_stages host asan package release fuzz linux-e2e
    for stage in host asan; do
        echo "== $stage unit tests"
        rm -f "build/$stage/unit_tests.json"
        "build/$stage/unit_tests" --gtest_brief=1 --gtest_output="json:build/$stage/unit_tests.json"
        code=$?
        record_gtest "$stage" "build/$stage/unit_tests.json" $code
        note_runner_end "$stage" $code
    done

    # The Wine stage installs the MSI package of its architecture and compares the unsigned packages
    # with the build's files; packaging itself is no test.
    echo "== packages"
    if env -u KELVOR_SIGN_PKCS12 scripts/package.sh; then echo "package 1 0" >> "$results"; else echo "package 0 1" >> "$results"; fi
    echo "== release files: signing with a throwaway certificate, checksums, the same MSI from the same files"
    python3 tests/scripts/test_release.py --results "$results"
    note_runner_end release $?

    echo "== fuzzing"
    if KELVOR_FUZZ_SECONDS=${KELVOR_FUZZ_SECONDS:-10} scripts/fuzz.sh; then echo "fuzz 1 0" >> "$results"; else echo "fuzz 0 1" >> "$results"; fi

    echo "== the display module for xscreensaver (build/linux/kelvor) on a private Xvfb"
    python3 tests/linux/run_linux_tests.py --work build/linux-tests --results "$results"
    note_runner_end linux-e2e $?

    for arch in "${wine_arches[@]}"; do run_wine_stages "$arch"; done
fi

close_stages

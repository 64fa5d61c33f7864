#!/usr/bin/env bash
# Builds every libFuzzer target in tests/fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for a fixed time, starting with the reproducers kept
# in tests/fuzz/corpus/<target>/ (inputs that once failed). Exits non-zero when a target crashes,
# runs out of memory or a sanitizer reports anything.
#   KELVOR_FUZZ_SECONDS  seconds per target (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${KELVOR_FUZZ_SECONDS:-20}"
build=build/fuzz

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVOR_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="-fno-sanitize-recover=all" >/dev/null

targets=()
for source in tests/fuzz/*.cpp; do
    targets+=("$(basename "$source" .cpp)")
done
[ ${#targets[@]} -gt 0 ] || { echo "fuzz: no targets in tests/fuzz/" >&2; exit 1; }
ninja -C "$build" -j2 "${targets[@]}"

# A smaller quarantine keeps memory use modest on a shared machine; freed memory is still checked.
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:quarantine_size_mb=64"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
failed=()
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$corpus" "$artifacts"
    log="$build/$target.log"
    echo "fuzz: $target for ${seconds}s"
    status=0
    kept=()
    [ -d "tests/fuzz/corpus/$target" ] && kept=("tests/fuzz/corpus/$target")
    "$build/$target" -max_total_time="$seconds" -timeout=10 -artifact_prefix="$artifacts/" "$corpus" "${kept[@]}" \
        >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ] || grep -qE 'runtime error:|ERROR: (Address|Leak|UndefinedBehavior)Sanitizer' "$log"; then
        echo "fuzz: $target FAILED (exit $status), see $log and $artifacts/" >&2
        grep -E 'runtime error:|ERROR:|SUMMARY:' "$log" | head -5 >&2 || true
        failed+=("$target")
    else
        echo "fuzz: $target passed: $(grep -oE 'Done [0-9]+ runs' "$log" | grep -oE '[0-9]+' || echo '?') runs"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: ${#failed[@]} of ${#targets[@]} targets failed: ${failed[*]}" >&2
    exit 1
fi
echo "fuzz: all ${#targets[@]} targets passed"

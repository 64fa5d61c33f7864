#!/usr/bin/env bash
# Builds the host tests (plain and sanitized), the Windows product with the helper programs of its
# tests, and the Windows-built tests.
# Usage: scripts/build.sh [host|asan|win32|win32-tests|all]   (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

what=${1:-all}
jobs=$(nproc)

configure() {  # dir, cmake arguments...
    local dir=$1; shift
    [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

if [ "$what" = host ] || [ "$what" = all ]; then
    configure build/host -DCMAKE_BUILD_TYPE=Debug
    ninja -C build/host -j "$jobs" unit_tests
fi
if [ "$what" = asan ] || [ "$what" = all ]; then
    configure build/asan -DCMAKE_BUILD_TYPE=Debug -DKELVOR_SANITIZE=ON
    ninja -C build/asan -j "$jobs" unit_tests
fi
if [ "$what" = win32 ] || [ "$what" = all ]; then
    configure build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
    ninja -C build/win32 -j "$jobs"
fi
if [ "$what" = win32-tests ] || [ "$what" = all ]; then
    configure build/win32-tests -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
        -DKELVOR_MINGW_THREADS=posix
    ninja -C build/win32-tests -j "$jobs" win32_tests
fi

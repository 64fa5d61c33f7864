#!/usr/bin/env bash
# Builds the host tests (plain and sanitized), both Windows products (32-bit and x64) with the
# helper programs of their tests, the Windows-built tests of either architecture, and the display
# module for xscreensaver on Linux (build/linux/kelvor) with the helper programs of its tests.
# Usage: scripts/build.sh [host|asan|win32|win64|win32-tests|win64-tests|linux|all ...]   (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

[ $# -eq 0 ] && set -- all
jobs=$(nproc)

configure() {  # dir, cmake arguments...
    local dir=$1; shift
    [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

toolchain() {  # win32 | win64
    [ "$1" = win32 ] && echo cmake/mingw-i686.cmake || echo cmake/mingw-x86_64.cmake
}

build() {
    case $1 in
        host)
            configure build/host -DCMAKE_BUILD_TYPE=Debug
            ninja -C build/host -j "$jobs" unit_tests ;;
        asan)
            configure build/asan -DCMAKE_BUILD_TYPE=Debug -DKELVOR_SANITIZE=ON
            ninja -C build/asan -j "$jobs" unit_tests ;;
        win32|win64)
            configure "build/$1" -DCMAKE_TOOLCHAIN_FILE="$(toolchain "$1")" -DCMAKE_BUILD_TYPE=Release
            ninja -C "build/$1" -j "$jobs" ;;
        win32-tests|win64-tests)
            configure "build/$1" -DCMAKE_TOOLCHAIN_FILE="$(toolchain "${1%-tests}")" -DCMAKE_BUILD_TYPE=Release \
                -DKELVOR_MINGW_THREADS=posix
            ninja -C "build/$1" -j "$jobs" win32_tests ;;
        linux)
            configure build/linux -DCMAKE_BUILD_TYPE=Release
            ninja -C build/linux -j "$jobs" kelvor floor_window pane_window ;;
        all)
            for what in host asan win32 win64 win32-tests win64-tests linux; do build "$what"; done ;;
        *)
            echo "build: unknown target '$1' (host, asan, win32, win64, win32-tests, win64-tests, linux, all)" >&2
            exit 2 ;;
    esac
}

for what in "$@"; do build "$what"; done

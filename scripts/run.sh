#!/usr/bin/env bash
# Builds kelvor.scr and runs it under Wine: on $DISPLAY when there is one; otherwise on a private
# Xvfb for a few seconds, saving a screenshot whose path is printed. Runs the 32-bit build where
# this machine runs 32-bit programs, else the x64 build under 64-bit Wine (KELVOR_WINE_ARCH=32|64
# forces either; the 32-bit build then runs through emulation where the kernel cannot run it).
# Usage: scripts/run.sh [switch ...]      (default: /s; e.g. /c, "/p <handle>", /a)
set -uo pipefail
cd "$(dirname "$0")/.."
log=build/run.log
mkdir -p build

fail() {  # what failed, what to do
    echo "run: $1; $2" >&2
    exit 1
}

scripts/setup.sh >"$log" 2>&1 || fail "installing the packages failed" "see $log (set-up needs root or sudo and Debian's package archive)"
arch=$(scripts/wine_arch.sh 2>>"$log") || fail "KELVOR_WINE_ARCH is not 32 or 64" "unset it or give one of the two"
build=win$arch
scripts/build.sh "$build" >>"$log" 2>&1 || fail "building build/$build/kelvor.scr failed" "see $log"
if [ "$arch" = 32 ] && [ -z "${KELVOR_I386_EMULATED:-}" ]; then
    how=$(scripts/emulate_i386.sh --how) || fail "32-bit programs cannot run here ($how)" "KELVOR_WINE_ARCH=64 runs the x64 build"
    # Once more inside the emulated environment, where setting up and building find nothing to do.
    [ "$how" = native ] || exec scripts/emulate_i386.sh "$0" "$@"
fi

[ $# -eq 0 ] && set -- /s
if [ "$arch" = 32 ]; then loader=/usr/lib/wine/wine; else loader=/usr/lib/wine/wine64; fi
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-prefix-$build} WINEARCH=$build WINELOADER=$loader WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml="
seconds=${KELVOR_RUN_SECONDS:-5}

prepare_prefix() {
    [ -d "$WINEPREFIX" ] && return
    "$loader" wineboot -i >>"$log" 2>&1 || {
        rm -rf "$WINEPREFIX"
        fail "Wine could not create its prefix $WINEPREFIX" "see $log"
    }
}

if [ -n "${DISPLAY:-}" ]; then
    prepare_prefix
    "$loader" "build/$build/kelvor.scr" "$@"
    status=$?
    [ $status -eq 0 ] || fail "kelvor.scr ended with status $status" "see $log and the messages above"
    exit 0
fi

number=99
while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
export DISPLAY=:$number
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >>"$log" 2>&1 &
xvfb=$!
cleanup() { wineserver -k >/dev/null 2>&1 || true; kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$number" ] || fail "the private display $DISPLAY did not start" "see $log"
prepare_prefix
# No window manager runs on the private display: let Wine draw the window frames itself.
"$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$log" 2>&1

"$loader" "build/$build/kelvor.scr" "$@" >>"$log" 2>&1 &
saver=$!
# The seconds count from its first window: Wine may take a while to start, under emulation half a
# minute on a busy machine.
for _ in $(seq 600); do
    kill -0 "$saver" 2>/dev/null || break
    [ -n "$(xdotool search --onlyvisible --name . 2>/dev/null)" ] && break
    sleep 0.1
done
sleep "$seconds"
kill -0 "$saver" 2>/dev/null || { wait "$saver"; status=$?; [ $status -eq 0 ] || fail "kelvor.scr ended early with status $status" "see $log"; }
mkdir -p build/screenshots
shot="$PWD/build/screenshots/kelvor-$build-$(echo "$*" | tr -c 'A-Za-z0-9' '_' | sed 's/_*$//').png"
import -window root "$shot" >>"$log" 2>&1 || fail "the screenshot could not be taken" "see $log"
kill "$saver" 2>/dev/null
echo "$shot"

#!/usr/bin/env bash
# Builds kelvor.scr and runs it under Wine: on $DISPLAY when there is one; otherwise on a private
# Xvfb for a few seconds, saving a screenshot whose path is printed.
# Usage: scripts/run.sh [switch ...]      (default: /s; e.g. /c, "/p <handle>", /a)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh win32 >/dev/null

[ $# -eq 0 ] && set -- /s
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-prefix} WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
seconds=${KELVOR_RUN_SECONDS:-5}

if [ -n "${DISPLAY:-}" ]; then
    [ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1
    exec wine build/win32/kelvor.scr "$@"
fi

number=99
while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
export DISPLAY=:$number
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() { wineserver -k >/dev/null 2>&1 || true; kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1
# No window manager runs on the private display: let Wine draw the window frames itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

wine build/win32/kelvor.scr "$@" &
saver=$!
sleep "$seconds"
mkdir -p build/screenshots
shot="$PWD/build/screenshots/kelvor-$(echo "$*" | tr -c 'A-Za-z0-9' '_' | sed 's/_*$//').png"
import -window root "$shot"
kill "$saver" 2>/dev/null || true
echo "$shot"

#!/usr/bin/env bash
# Puts the module's installed tree under ROOT as the packages ship it: what `cmake --install`
# puts under /usr, with the module stripped as distributions strip their own (no debugging
# symbols, no compiler notes), every time the last commit's (or SOURCE_DATE_EPOCH's), whenever the
# sources were checked out. The Debian package and the RPM both start from it.
# Usage: scripts/stage_module.sh ROOT
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 1 ] || { echo "usage: scripts/stage_module.sh ROOT" >&2; exit 2; }
DESTDIR="$1" cmake --install build/linux --prefix /usr >/dev/null
strip --remove-section=.comment --remove-section=.note --strip-unneeded "$1/usr/libexec/xscreensaver/kelvor"
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
find "$1" -exec touch -h -d "@$epoch" {} +

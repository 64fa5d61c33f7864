#!/usr/bin/env bash
# Checks that a commit's release can be reproduced: builds its packages (scripts/package.sh,
# unsigned) twice, in two fresh clones at two different paths, one after the other and so at
# different times, the second also in another time zone and with another umask, both without the
# compiler cache; then compares every file of the two build/dist folders, and both kelvor.scr files,
# byte by byte and names each one that differs or is missing from one of them. Run it before each
# release (docs/releases.md): it builds everything twice from nothing, 2.5 to 9 minutes on 2 cores.
# Usage: scripts/check_reproducible.sh [COMMIT]     (default HEAD; uncommitted changes are not built)
# The clones are made under build/reproduce/ and removed when the builds agree; when they do not,
# they stay there for a closer look.
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
work=$PWD/build/reproduce
first="$work/first/kelvor"
second="$work/second-build/in/another/folder/kelvor"
rm -rf "$work"
mkdir -p "$work"
started=$(date +%s)

build_in() {  # folder, then the environment to build in
    local folder=$1; shift
    git clone -q --no-checkout . "$folder"
    git -C "$folder" checkout -q "$commit"
    echo "reproduce: building $commit in $folder"
    if ! (cd "$folder" && env -u CMAKE_CXX_COMPILER_LAUNCHER CCACHE_DISABLE=1 "$@" scripts/package.sh) \
        > "$folder.log" 2>&1; then
        echo "reproduce: the build in $folder failed; its output is in $folder.log" >&2
        exit 1
    fi
}

build_in "$first" TZ=UTC
build_in "$second" TZ=Pacific/Auckland bash -c 'umask 002 && exec "$@"' umask002

differ=()
same=0
# Every file of build/dist, and the saver files of the build trees, which show whether a difference
# inside the zip or an MSI comes from the program or from the packaging.
while read -r name; do
    if [ ! -f "$first/$name" ] || [ ! -f "$second/$name" ]; then
        differ+=("$name (only in one build)")
    elif cmp -s "$first/$name" "$second/$name"; then
        same=$((same + 1))
    else
        differ+=("$name")
    fi
done < <( (cd "$first" && printf '%s\n' build/dist/*; cd "$second" && printf '%s\n' build/dist/*
           printf '%s\n' build/win32/kelvor.scr build/win64/kelvor.scr) | LC_ALL=C sort -u)

minutes=$(( ($(date +%s) - started + 59) / 60 ))
if [ ${#differ[@]} -gt 0 ]; then
    echo "reproduce: the two builds differ in ${differ[*]}; both are under $work ($minutes min)" >&2
    exit 1
fi
rm -rf "$work"
echo "reproduce: all $same files (build/dist and both saver files) are byte-identical in both builds of $commit ($minutes min)"

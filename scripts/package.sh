#!/usr/bin/env bash
# Builds what administrators deploy into build/dist/: an MSI package per architecture
# (kelvor-<version>-x86.msi with the 32-bit saver, kelvor-<version>-x64.msi with the x64 one),
# kelvor-<version>.zip with both saver files, where each goes, and the Group Policy template, and
# the display module for xscreensaver as a Debian package (kelvor_<version>_<arch>.deb) and as an
# RPM (kelvor-<version>-1.<arch>.rpm).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh win32 win64 linux

version=$(sed -n 's/^project(kelvor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package: no version in CMakeLists.txt" >&2; exit 1; }
dist=build/dist
rm -rf "$dist"
mkdir -p "$dist"

for arch in x86 x64; do
    [ "$arch" = x86 ] && scr=build/win32/kelvor.scr || scr=build/win64/kelvor.scr
    python3 scripts/wixl_build.py -a "$arch" -o "$dist/kelvor-$version-$arch.msi" \
        -D Arch="$arch" -D Version="$version" -D ScrSource="$scr" \
        -D IconSource=src/win32/resources/kelvor.ico packaging/kelvor.wxs
done

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
folder="$staging/kelvor-$version"
mkdir -p "$folder/32-bit" "$folder/64-bit" "$folder/group-policy/en-US"
cp build/win32/kelvor.scr "$folder/32-bit/"
cp build/win64/kelvor.scr "$folder/64-bit/"
cp packaging/kelvor.admx "$folder/group-policy/"
cp packaging/en-US/kelvor.adml "$folder/group-policy/en-US/"
# Windows users read the note in Notepad, which wants CR LF line ends.
sed 's/$/\r/' packaging/where-each-file-goes.txt > "$folder/README.txt"
(cd "$staging" && zip -q -r -X "$OLDPWD/$dist/kelvor-$version.zip" "kelvor-$version")
scripts/deb_build.sh "$version" "$dist" >/dev/null
scripts/rpm_build.sh "$version" "$dist" >/dev/null
echo "package: $(cd "$dist" && ls | tr '\n' ' ')"

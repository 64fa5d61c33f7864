#!/usr/bin/env bash
# Builds what administrators deploy into build/dist/ (or the folder given): an MSI package per
# architecture (kelvor-<version>-x86.msi with the 32-bit saver, kelvor-<version>-x64.msi with the x64
# one), kelvor-<version>.zip with both saver files, where each goes, and the Group Policy template,
# the display module for xscreensaver as a Debian package (kelvor_<version>_<arch>.deb) and as an
# RPM (kelvor-<version>-1.<arch>.rpm), and SHA256SUMS, the digest of every one of them.
# With a certificate (KELVOR_SIGN_PKCS12 and KELVOR_SIGN_PASSWORD_FILE, see scripts/sign.sh) both
# saver files are signed before they are packed, and both MSI packages after; the build tree keeps
# its unsigned files. Without one, the files are unsigned, and the same sources make the same bytes:
# every time in the packages is the last commit's (SOURCE_DATE_EPOCH).
# Everything is made in a staging folder and moved to the output folder only when all succeeded, so
# a failure leaves no half-made or half-signed file there.
# Usage: scripts/package.sh [OUTPUT_DIR]
set -euo pipefail
# Paths given are taken from where package.sh was started.
dist=$(realpath -m -- "${1:-$(dirname "$0")/../build/dist}")
for variable in KELVOR_SIGN_PKCS12 KELVOR_SIGN_PASSWORD_FILE; do
    [ -z "${!variable:-}" ] || export "$variable=$(realpath -m -- "${!variable}")"
done
cd "$(dirname "$0")/.."
scripts/build.sh win32 win64 linux

version=$(sed -n 's/^project(kelvor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package: no version in CMakeLists.txt" >&2; exit 1; }
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
# Zip keeps local times, and every file's mode is packed.
export TZ=UTC
umask 022

if [ -n "${KELVOR_SIGN_PKCS12:-}" ]; then
    echo "package: signing the saver files and the MSI packages with $KELVOR_SIGN_PKCS12"
    place() { scripts/sign.sh "$1" "$2"; }
else
    echo "package: the saver files and the MSI packages are unsigned: KELVOR_SIGN_PKCS12 is not set"
    place() { cp "$1" "$2"; }
fi

rm -rf "$dist"
mkdir -p build
# Inside the source tree: wixl takes the files it packs by relative paths only.
staging=$(mktemp -d build/package.XXXXXX)
trap 'rm -rf "$staging"' EXIT
out="$staging/dist"
mkdir -p "$out"

# The saver files as they are shipped, each in the folder it has in the zip.
folder="$staging/zip/kelvor-$version"
mkdir -p "$folder/32-bit" "$folder/64-bit" "$folder/group-policy/en-US"
place build/win32/kelvor.scr "$folder/32-bit/kelvor.scr"
place build/win64/kelvor.scr "$folder/64-bit/kelvor.scr"

for arch in x86 x64; do
    [ "$arch" = x86 ] && scr="$folder/32-bit/kelvor.scr" || scr="$folder/64-bit/kelvor.scr"
    # The MSI's cabinet keeps the file's time.
    touch -d "@$SOURCE_DATE_EPOCH" "$scr"
    msi="kelvor-$version-$arch.msi"
    python3 scripts/wixl_build.py -a "$arch" -o "$staging/$msi" \
        -D Arch="$arch" -D Version="$version" -D ScrSource="$scr" \
        -D IconSource=src/win32/resources/kelvor.ico packaging/kelvor.wxs
    place "$staging/$msi" "$out/$msi"
done

cp packaging/kelvor.admx "$folder/group-policy/"
cp packaging/en-US/kelvor.adml "$folder/group-policy/en-US/"
# Windows users read the note in Notepad, which wants CR LF line ends.
sed 's/$/\r/' packaging/where-each-file-goes.txt > "$folder/README.txt"
# The same entries in the same order with the same times and modes, and no extra fields (-X).
chmod -R u=rwX,go=rX "$folder"
find "$folder" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$staging/zip" && find "kelvor-$version" | LC_ALL=C sort | zip -q -X -@ "../dist/kelvor-$version.zip")

scripts/deb_build.sh "$version" "$out" >/dev/null
scripts/rpm_build.sh "$version" "$out" >/dev/null

# Last, so that it covers every file of the folder.
(cd "$out" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort |
    xargs sha256sum > SHA256SUMS)
mv "$out" "$dist"
echo "package: $(cd "$dist" && ls | tr '\n' ' ')"

#!/usr/bin/env bash
# Builds the Debian package of the display module for xscreensaver from build/linux: the tree
# scripts/stage_module.sh stages, with the manual page compressed, the copyright file,
# the changelog and the control fields of packaging/debian/. Depends lists the packages of the
# libraries the module links, as dpkg-shlibdeps finds them.
# Usage: scripts/deb_build.sh VERSION OUTPUT_DIR     (prints the package's path)
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 2 ] || { echo "usage: scripts/deb_build.sh VERSION OUTPUT_DIR" >&2; exit 2; }
version=$1
out=$2
arch=$(dpkg --print-architecture)

umask 022
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
# The layout dpkg-shlibdeps expects: the package's tree (with its DEBIAN folder) in
# debian/<package>, beside the control file of a source package, from which it reads the names.
root="$staging/debian/kelvor"
mkdir -p "$root/DEBIAN"
scripts/stage_module.sh "$root"
module=usr/libexec/xscreensaver/kelvor
gzip -9n "$root/usr/share/man/man6/kelvor.6"

doc="$root/usr/share/doc/kelvor"
mkdir -p "$doc"
cp packaging/debian/copyright "$doc/"
# The changelog's date and the files' times are the last commit's, so that the same sources make
# the same package.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
sed -e "s/@VERSION@/$version/" -e "s/@DATE@/$(LC_ALL=C date -u -R -d "@$SOURCE_DATE_EPOCH")/" packaging/debian/changelog.in |
    gzip -9n > "$doc/changelog.gz"

printf 'Source: kelvor\n\nPackage: kelvor\nArchitecture: any\n' > "$staging/debian/control"
depends=$(cd "$staging" && dpkg-shlibdeps -O -e"debian/kelvor/$module" | sed -n 's/^shlibs:Depends=//p')
[ -n "$depends" ] || { echo "deb_build: dpkg-shlibdeps found no libraries" >&2; exit 1; }

installed_size=$(du -sk "$root/usr" | cut -f1)
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) > "$root/DEBIAN/md5sums"
sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e "s/@INSTALLED_SIZE@/$installed_size/" \
    -e "s/@DEPENDS@/$depends/" packaging/debian/control.in > "$root/DEBIAN/control"

mkdir -p "$out"
package="$out/kelvor_${version}_$arch.deb"
dpkg-deb --root-owner-group --build "$root" "$package" >/dev/null
echo "$package"

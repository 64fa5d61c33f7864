#!/usr/bin/env bash
# Builds the RPM of the display module for xscreensaver from build/linux, for Fedora-family
# systems: the tree scripts/stage_module.sh stages, with the copyright file of packaging/debian/
# where Fedora keeps licenses, and the Debian package's summary and description. rpmbuild works
# out the libraries it requires from the module itself, compresses the manual page and names the
# file as RPMs are named. Its script that compresses manual pages is written for bash, which
# Debian's /bin/sh is not.
# The same sources make the same package: the build time, the files' times and the changelog's
# date are the last commit's, and the build host is not recorded.
# Usage: scripts/rpm_build.sh VERSION OUTPUT_DIR     (prints the package's path)
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 2 ] || { echo "usage: scripts/rpm_build.sh VERSION OUTPUT_DIR" >&2; exit 2; }
version=$1
out=$2

umask 022
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
tree="$staging/tree"
scripts/stage_module.sh "$tree"
install -D -m 644 packaging/debian/copyright "$tree/usr/share/licenses/kelvor/copyright"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
# Debian's form of the description (a summary line, then lines indented by one blank, "." for an
# empty one) in RPM's.
summary=$(sed -n 's/^Description: //p' packaging/debian/control.in)
summary=${summary^}  # RPM summaries start with a capital, Debian's with a small letter
description=$(sed -n '/^Description: /,$p' packaging/debian/control.in | sed -n '1!{s/^ //; s/^\.$//; p}')
python3 - "$staging/kelvor.rpmspec" "$version" "$tree" \
    "$(LC_ALL=C date -u -d "@$SOURCE_DATE_EPOCH" '+%a %b %d %Y')" "$summary" "$description" <<'PY'
import sys
out, version, tree, date, summary, description = sys.argv[1:]
text = open("packaging/rpm/kelvor.rpmspec.in").read()
for name, value in (("VERSION", version), ("TREE", tree), ("DATE", date),
                    ("SUMMARY", summary), ("DESCRIPTION", description)):
    text = text.replace(f"@{name}@", value)
open(out, "w").write(text)
PY

mkdir -p "$out"
out=$(realpath "$out")
rpmbuild -bb --quiet \
    --define "_topdir $staging/rpmbuild" --define "_rpmdir $out" --define "_rpmfilename %{NAME}-%{VERSION}-%{RELEASE}.%{ARCH}.rpm" \
    --define "debug_package %{nil}" --define "_build_id_links none" \
    --define "use_source_date_epoch_as_buildtime 1" --define "clamp_mtime_to_source_date_epoch 1" \
    --define "_buildhost reproducible" --define "__brp_compress bash %{_rpmconfigdir}/brp-compress %{?_prefix}" \
    "$staging/kelvor.rpmspec" >"$staging/rpmbuild.log" 2>&1 || { cat "$staging/rpmbuild.log" >&2; exit 1; }
echo "$out/kelvor-$version-1.$(rpm --eval '%{_arch}').rpm"

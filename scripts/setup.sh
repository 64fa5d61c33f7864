#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine; quick when all is there.
set -euo pipefail

packages=(cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64
          xvfb xdotool imagemagick x11-utils tesseract-ocr python3 procps wixl msitools zip
          pkg-config libx11-dev libx11-xcb-dev libxcb1-dev libxft-dev libfontconfig-dev fonts-dejavu-core xscreensaver util-linux
          libxrandr-dev libxinerama-dev xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils dpkg-dev lintian
          mate-screensaver dbus-daemon desktop-file-utils rpm rpmlint cpio
          osslsigncode openssl)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
# qemu's user-mode emulator runs the 32-bit Wine stages where the kernel cannot run 32-bit programs
# (scripts/emulate_i386.sh). Version 7.2 of bookworm treats MAP_FIXED_NOREPLACE as a hint and gives
# Wine wrong trap numbers, so it comes from bookworm-backports, pinned so that nothing else does.
qemu_version=1:10.0
qemu_ready() {
    dpkg --compare-versions "$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null)" ge "$qemu_version"
}

[ ${#missing[@]} -eq 0 ] && qemu_ready && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
fi
if ! qemu_ready; then
    # The mirror this machine's own Debian sources use.
    mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null \
        | grep -oE '^(URIs: *|deb +)https?://[^ ]+/debian/?( |$)' | head -n 1 | sed -E 's/^(URIs: *|deb +)//; s/ *$//' || true)
    echo "deb ${mirror:-http://deb.debian.org/debian} bookworm-backports main" \
        | "${as_root[@]}" tee /etc/apt/sources.list.d/kelvor-bookworm-backports.list >/dev/null
    printf '%s\n' "Package: *" "Pin: release n=bookworm-backports" "Pin-Priority: 1" "" \
        "Package: qemu-user" "Pin: release n=bookworm-backports" "Pin-Priority: 600" \
        | "${as_root[@]}" tee /etc/apt/preferences.d/kelvor-bookworm-backports >/dev/null
fi
echo "setup: installing ${missing[*]}${missing[*]:+ }$(qemu_ready || echo "qemu-user (>= $qemu_version)")"
"${as_root[@]}" apt-get update -qq
[ ${#missing[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
# Without its recommended qemu-user-binfmt, which would register the emulators for the whole machine.
qemu_ready || DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends qemu-user >/dev/null

#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine; quick when all is there.
set -euo pipefail

packages=(cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64
          xvfb xdotool imagemagick x11-utils tesseract-ocr python3 procps wixl msitools zip
          pkg-config libx11-dev libx11-xcb-dev libxcb1-dev libxft-dev libfontconfig-dev fonts-dejavu-core xscreensaver util-linux
          libxrandr-dev libxinerama-dev xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils dpkg-dev lintian)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null

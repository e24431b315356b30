#!/usr/bin/env bash
# Installs what building, running and testing lumoclick need on Debian 12.
set -euo pipefail
pkgs=(cmake ninja-build g++ qt6-base-dev libqt6sql6-sqlite libx11-dev libxtst-dev
      duktape-dev libgtest-dev libgmock-dev sqlite3 xvfb xauth x11-utils xdotool fonts-wqy-zenhei imagemagick icewm
      clang-14 libclang-rt-14-dev python3
      qt6-tools-dev qt6-l10n-tools qt6-translations-l10n desktop-file-utils appstream man-db dpkg-dev debhelper binutils lintian librsvg2-bin)
# The Windows calls, cross-built with mingw-w64 and tested under 64-bit Wine
# (no i386 architecture needed); the X libraries are those winex11 loads.
win32_pkgs=(g++-mingw-w64-x86-64-posix wine64 googletest libxrandr2 libxi6 libxcursor1 libxfixes3 libxrender1
            libxinerama1 libxcomposite1)
missing() { for p in "$@"; do dpkg -s "$p" >/dev/null 2>&1 || echo "$p"; done; }
mapfile -t missing_pkgs < <(missing "${pkgs[@]}")
mapfile -t missing_win32 < <(missing "${win32_pkgs[@]}")
if [ ${#missing_pkgs[@]} -gt 0 ] || [ ${#missing_win32[@]} -gt 0 ]; then
  apt-get update -qq
fi
if [ ${#missing_pkgs[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing_pkgs[@]}"
fi
if [ ${#missing_win32[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing_win32[@]}"
fi

#!/usr/bin/env bash
# Installs what building, running and testing lumoclick need on Debian 12.
set -euo pipefail
pkgs=(cmake ninja-build g++ qt6-base-dev libqt6sql6-sqlite qt6-declarative-dev libx11-dev libxtst-dev
      libjpeg-dev libgtest-dev libgmock-dev sqlite3 xvfb xauth x11-utils xdotool fonts-wqy-zenhei imagemagick icewm)
missing=()
for p in "${pkgs[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

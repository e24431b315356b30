#!/usr/bin/env bash
# Renders packaging/icons/lumoclick.svg to the PNG sizes the hicolor theme
# installs; run it after changing the SVG and commit the PNGs.
set -euo pipefail
icons="$(cd "$(dirname "$0")/../packaging/icons" && pwd)"
for n in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/${n}x${n}"
  rsvg-convert -w "$n" -h "$n" "$icons/lumoclick.svg" -o "$icons/${n}x${n}/lumoclick.png"
done

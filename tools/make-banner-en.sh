#!/usr/bin/env bash
# Draws resources/banner_en.jpg: the banner's gradient and layout with the
# English title, for the English interface.
set -euo pipefail
cd "$(dirname "$0")/.."
convert -size 549x82 gradient:'srgb(31,95,167)-srgb(111,175,236)' \
  -font /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc \
  -fill white -pointsize 25 -annotate +22+51 'Tarvik Mouse Clicker' \
  -fill 'rgba(255,255,255,0.85)' -pointsize 12 -annotate +300+48 'Single point · Multi-point · Timed' \
  -quality 92 resources/banner_en.jpg

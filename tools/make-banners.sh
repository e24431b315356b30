#!/usr/bin/env bash
# Draws the main window's banners: resources/banner.jpg (Chinese) and
# resources/banner_en.jpg (English), each also at twice the size as
# banner@2x.jpg and banner_en@2x.jpg for screens at a device pixel ratio of
# 2. One layout at both scales: a gradient, the title and a subtitle.
set -euo pipefail
cd "$(dirname "$0")/.."
font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc

# draw OUTPUT SCALE TITLE TITLE_SIZE SUBTITLE SUBTITLE_SIZE
draw() {
  local output=$1 scale=$2 title=$3 titleSize=$4 subtitle=$5 subtitleSize=$6
  convert -size $((549 * scale))x$((82 * scale)) gradient:'srgb(31,95,167)-srgb(111,175,236)' \
    -font "$font" \
    -fill white -pointsize $((titleSize * scale)) -annotate +$((22 * scale))+$((51 * scale)) "$title" \
    -fill 'rgba(255,255,255,0.85)' -pointsize $((subtitleSize * scale)) -annotate +$((300 * scale))+$((48 * scale)) "$subtitle" \
    -strip -quality 92 "$output"
}

for scale in 1 2; do
  suffix=$([ "$scale" = 2 ] && echo @2x || true)
  draw "resources/banner$suffix.jpg" "$scale" 'Tarvik鼠标点击器' 30 '单点 · 多点脚本 · 定时点击' 14
  draw "resources/banner_en$suffix.jpg" "$scale" 'Tarvik Mouse Clicker' 25 'Single point · Multi-point · Timed' 12
done

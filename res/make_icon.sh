#!/usr/bin/env bash
# Draws the plug-in's icon (resource 113): a blue tile holding a 2 x 2 grid of pale yellow
# check boxes, three of them ticked, like the worked marks of the multiplier windows.
# Writes res/stats.ico with 48, 32 and 16 pixel images. Needs ImageMagick.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

box() {  # left top: one pale yellow box with a dark frame
  local x=$1 y=$2
  echo "fill '#FFFAC6' stroke '#123A6E' stroke-width 6 roundrectangle $x,$y $((x + 82)),$((y + 82)) 10,10"
}
tick() {  # left top of its box: a green tick
  local x=$1 y=$2
  echo "fill none stroke '#1B8A2E' stroke-width 16 stroke-linecap round stroke-linejoin round \
polyline $((x + 16)),$((y + 44)) $((x + 34)),$((y + 64)) $((x + 68)),$((y + 18))"
}

convert -size 256x256 xc:none \
  -fill '#2D6CC0' -stroke '#123A6E' -strokewidth 6 -draw "roundrectangle 6,6 249,249 36,36" \
  -draw "$(box 36 36)" -draw "$(box 138 36)" -draw "$(box 36 138)" -draw "$(box 138 138)" \
  -draw "$(tick 36 36)" -draw "$(tick 138 36)" -draw "$(tick 36 138)" \
  "$work/tile.png"
for size in 48 32 16; do
  convert "$work/tile.png" -filter Lanczos -resize ${size}x${size} "$work/tile_$size.png"
done
convert "$work/tile_48.png" "$work/tile_32.png" "$work/tile_16.png" "$here/stats.ico"

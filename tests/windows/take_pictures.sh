#!/usr/bin/env bash
# Takes the pictures of the multiplier windows for docs/: the windows run under wine64 in a
# virtual desktop on a private Xvfb, filled with a sample log's 20 m band, and ImageMagick's
# import cuts each one out of the screen. Needs the win64 build (window_pictures.exe).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build/win64"
program="$build/tests/windows/window_pictures.exe"
[ -f "$program" ] || { echo "build the win64 preset first: $program is missing" >&2; exit 1; }
source "$root/tests/wine/picture_desktop.sh"

mkdir -p "$work/run" "$root/docs"
(cd "$work/run" && "$root/tests/wine/wine-run" explorer /desktop=pictures,1024x768 \
  "$(windows_path "$program")" \
  "$(windows_path "$work")") &
viewer=$!

taken=0
while kill -0 "$viewer" 2>/dev/null; do
  for ready in "$work"/*.ready; do
    [ -e "$ready" ] || continue
    name="$(basename "$ready" .ready)"
    import -display "$DISPLAY" -window root -crop "$(cat "$ready")" +repage "$root/docs/$name.png"
    echo "docs/$name.png"
    rm "$ready"
    touch "$work/$name.taken"
    taken=$((taken + 1))
  done
  [ "$taken" -ge 9 ] && break
  sleep 0.2
done
[ "$taken" -ge 9 ] || { echo "only $taken pictures were taken" >&2; exit 1; }

#!/usr/bin/env bash
# Takes the pictures of the control window for docs/: with English captions for a UK
# station and with the Russian ones, under wine64 in a virtual desktop on a private Xvfb.
# Both run in the same Western locale: the Russian captions show in Cyrillic letters on any
# system. Needs the win64 build (control_window_pictures.exe).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build/win64"
program="$build/tests/setup/control_window_pictures.exe"
[ -f "$program" ] || { echo "build the win64 preset first: $program is missing" >&2; exit 1; }
source "$root/tests/wine/picture_desktop.sh"

mkdir -p "$root/docs"
picture() {  # prefix name locale
  (cd "$work" && LANG="$3" LC_ALL="$3" "$root/tests/wine/wine-run" explorer \
    /desktop=pictures,400x600 "$(windows_path "$program")" "$(windows_path "$work")" "$1" "$2") &
  local viewer=$!
  for _ in $(seq 300); do
    if [ -e "$work/$2.ready" ]; then
      import -display "$DISPLAY" -window root -crop "$(cat "$work/$2.ready")" +repage \
        "$root/docs/$2.png"
      echo "docs/$2.png"
      touch "$work/$2.taken"
      wait "$viewer" || true
      return 0
    fi
    kill -0 "$viewer" 2>/dev/null || break
    sleep 0.2
  done
  echo "the control window for $2 did not show" >&2
  return 1
}
picture G control_window C.UTF-8
picture UA9 control_window_russian C.UTF-8

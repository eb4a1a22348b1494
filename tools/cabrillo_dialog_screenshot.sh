#!/usr/bin/env bash
# Photographs the Cabrillo header dialog of the win64 build as a user sees it, on a private
# Xvfb display: docs/cabrillo_dialog.png. Build first: cmake --build --preset win64
# Usage: tools/cabrillo_dialog_screenshot.sh [build folder] [output png]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win64}
output=${2:-$root/docs/cabrillo_dialog.png}
ready=$(mktemp -u /tmp/cabrillo-dialog-XXXXXX)

Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
# A prefix of its own: wine draws the window frames itself, as there is no window manager.
export DISPLAY=:97 STATS_WINEPREFIX=$build/wineprefix-screenshots
cleanup() {
  rm -f "$ready"
  WINEPREFIX=$STATS_WINEPREFIX wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1
"$root/tests/wine/wine-run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null

"$root/tests/wine/wine-run" "$build/tests/reports/cabrillo_dialog_show.exe" "Z:$ready" &
host=$!
for _ in $(seq 600); do
  [ -s "$ready" ] && break
  sleep 0.1
done
[ -s "$ready" ] || { echo "the dialog did not open" >&2; exit 1; }
sleep 1  # let it paint
read -r width height left top <"$ready"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$output"
rm -f "$ready"  # the host closes the dialog
wait "$host"
echo "$output"

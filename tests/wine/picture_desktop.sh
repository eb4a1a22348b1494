# Sourced by the picture scripts: a private Xvfb for wine64 and a scratch folder, both
# gone when the script ends. Needs `build` (the win64 build folder) to be set; sets
# STATS_WINEPREFIX, DISPLAY and `work`, and defines windows_path PATH.
export STATS_WINEPREFIX="$build/wineprefix"
work="$(mktemp -d)"
cleanup() {
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  WINEPREFIX="$STATS_WINEPREFIX" /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$work/display" 2>/dev/null &
xvfb=$!
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
windows_path() { WINEPREFIX="$STATS_WINEPREFIX" /usr/lib/wine/wine64 winepath -w "$1" 2>/dev/null; }

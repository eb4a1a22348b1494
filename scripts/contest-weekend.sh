#!/usr/bin/env bash
# A contest weekend in minutes: plays a whole contest log through the plug-in as a host
# does (every window open on Windows), then prints each export's latency on the host's
# thread, the refreshes, the working set, the plug-in's GDI objects and whether report,
# problem-line file and Cabrillo file match stats-replay's. The last line sums it up.
# Usage: scripts/contest-weekend.sh [win32|win64|native] [LOG]
# Without LOG it plays the UK CW sample log made with 5,000 QSOs. It builds what it needs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-win32}
case $preset in
  win32 | win64 | native) ;;
  *)
    echo "usage: scripts/contest-weekend.sh [win32|win64|native] [LOG]" >&2
    exit 2
    ;;
esac
arguments=()
[ -z "${2:-}" ] || arguments=("$(realpath "$2")")

cd "$root"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target contest-weekend -j"$(nproc)" >/dev/null
program=$root/build/$preset/bench/contest-weekend
if [ "$preset" = native ]; then
  exec "$program" "${arguments[@]}"
fi

export STATS_WINEPREFIX=$root/build/$preset/wineprefix
[ ${#arguments[@]} -eq 0 ] || arguments=("Z:${arguments[0]}")
# No window manager runs: wine would wait for one, two seconds, whenever a window goes.
tests/wine/wine-run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
status=0
tests/wine/wine-run "$program.exe" "${arguments[@]}" 2>&1 | tr -d '\r' |
  grep -v '^X connection' || status=$?
WINEPREFIX=$STATS_WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
exit "$status"

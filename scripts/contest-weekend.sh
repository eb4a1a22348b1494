#!/usr/bin/env bash
# A contest weekend in minutes: plays a whole contest log through the plug-in as a host
# does (every window open on Windows), then prints each export's latency on the host's
# thread, the refreshes, the working set, the plug-in's GDI objects and whether report,
# problem-line file and Cabrillo file match stats-replay's. The last line sums it up.
# Usage: scripts/contest-weekend.sh [--busy] [--qsos N] [win32|win64|native] [LOG]
# Without LOG it plays the UK CW sample log made with N QSOs (5,000). --busy keeps every
# core but one, and one thread more, busy with work of normal priority while the weekend
# plays, as the logger, the rig control and the browser of a contest PC do. It builds what
# it needs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: scripts/contest-weekend.sh [--busy] [--qsos N] [win32|win64|native] [LOG]"
busy=0
options=()
while [ $# -gt 0 ]; do
  case $1 in
    --busy) busy=1 ;;
    --qsos)
      [ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
      options+=(--qsos "$2")
      shift
      ;;
    --*) echo "$usage" >&2; exit 2 ;;
    *) break ;;
  esac
  shift
done
preset=${1:-win32}
case $preset in
  win32 | win64 | native) ;;
  *)
    echo "$usage" >&2
    exit 2
    ;;
esac
log=()
[ -z "${2:-}" ] || log=("$(realpath "$2")")

cd "$root"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target contest-weekend -j"$(nproc)" >/dev/null
program=$root/build/$preset/bench/contest-weekend

# The busy work: plain loops at the priority of this script, one per core: with the
# weekend, the other cores and one thread more. Each is ended by its own process id.
workers=()
stop_workers() {
  for worker in "${workers[@]}"; do kill "$worker" 2>/dev/null || true; done
}
trap stop_workers EXIT
if [ "$busy" = 1 ]; then
  for _ in $(seq "$(nproc)"); do
    bash -c 'while :; do :; done' &
    workers+=($!)
  done
fi

if [ "$preset" = native ]; then
  status=0
  "$program" "${options[@]}" "${log[@]}" || status=$?
  exit "$status"
fi

export STATS_WINEPREFIX=$root/build/$preset/wineprefix
[ ${#log[@]} -eq 0 ] || log=("Z:${log[0]}")
# No window manager runs: wine would wait for one, two seconds, whenever a window goes.
tests/wine/wine-run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
status=0
tests/wine/wine-run "$program.exe" "${options[@]}" "${log[@]}" 2>&1 | tr -d '\r' |
  grep -v '^X connection' || status=$?
WINEPREFIX=$STATS_WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
exit "$status"

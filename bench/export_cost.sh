#!/usr/bin/env bash
# The cost per call of AddData0, CheckCall0 and GetResult0 in the three builds, in one run on one
# machine: libStats.so natively, the i686 Stats.dll under 32-bit wine, the x86_64 Stats.dll
# under wine64. Needs the native, win32 and win64 builds (scripts/build.sh win32 win64 native).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
echo "| library | QSOs | AddData0 µs/QSO | CheckCall0 ns/call | GetResult0 ms |"
echo "|---|---|---|---|---|"
"$root/build/native/bench/export-cost" "$root/build/native/libStats.so" "libStats.so (native)"
for arch in win32 win64; do
  status=0
  output=$(STATS_WINEPREFIX="$root/build/$arch/wineprefix" "$root/tests/wine/wine-run" \
    "$root/build/$arch/bench/export-cost.exe" "Z:$root/build/$arch/Stats.dll" "Stats.dll ($arch, wine)" 2>&1) ||
    status=$?
  # wine-run's skip code: this machine cannot start the program (no 32-bit wine).
  if [ "$status" = 77 ]; then
    echo "| Stats.dll ($arch, wine) | skipped: this machine cannot run it | | | |"
    continue
  fi
  printf '%s\n' "$output" | tr -d "\r" | grep -v "^X connection"
  [ "$status" = 0 ] || exit "$status"
done

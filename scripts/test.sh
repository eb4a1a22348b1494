#!/usr/bin/env bash
# Builds every target and runs every test: native unit and interface tests, the same under
# AddressSanitizer + UndefinedBehaviorSanitizer and under ThreadSanitizer, the Windows
# DLLs' export tables, and the wine tests of both DLLs: the i686 product under 32-bit wine,
# the x86_64 build under wine64. The Clang build (native-clang) proves at compile time that
# every field a lock guards is touched only while the lock is held.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh || exit 1
scripts/build.sh || exit 1

# Can this machine start a 32-bit Windows program? Without wine32 it cannot: then the
# 32-bit runs are skipped, loudly, and everything else still runs.
win32_runs() {
  local probe=build/win32/wine-probe
  mkdir -p "$probe"
  echo 'int main(void) { return 0; }' | i686-w64-mingw32-gcc -x c - -o "$probe/probe.exe" &&
    STATS_WINEPREFIX="$PWD/build/win32/wineprefix" tests/wine/wine-run "$probe/probe.exe" >/dev/null 2>&1
}
if ! win32_runs; then
  export STATS_NO_WIN32=1
  cat <<'WARNING'
##########################################################################################
## WARNING: 32-bit Windows programs do not start under wine on this machine.           ##
## The tests of the product DLL (build/win32/Stats.dll) are SKIPPED: install wine32:i386 ##
## (scripts/install-deps.sh does) and run again.                                       ##
##########################################################################################
WARNING
fi

passed=0 failed=0 skipped=0
run() {
  local preset=$1 log
  log=$(mktemp)
  echo "== test $preset"
  ctest --preset "$preset" -j2 2>&1 | tee "$log"
  local summary total failures skips
  summary=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n1)
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  failures=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$summary")
  if [ -z "$summary" ]; then
    total=0
    grep -q "No tests were found" "$log" && failures=0 || failures=1
  fi
  skips=$(grep -c '\*\*\*Skipped' "$log")
  passed=$((passed + total - failures - skips))
  failed=$((failed + failures))
  skipped=$((skipped + skips))
  rm -f "$log"
}
run native
run native-asan
run native-tsan
run fuzz
[ -n "${STATS_NO_WIN32:-}" ] || run win32
run win64
for tree in build/win32 build/win64; do
  WINEPREFIX="$PWD/$tree/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
done
[ -z "${STATS_NO_WIN32:-}" ] || echo "WARNING: the win32 tests were skipped (no 32-bit wine)"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]

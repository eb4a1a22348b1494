#!/usr/bin/env bash
# Builds every target and runs every test: native unit and interface tests, the same under
# AddressSanitizer + UndefinedBehaviorSanitizer and under ThreadSanitizer, the Windows
# DLLs' export tables, and the wine64 tests of the x86_64 DLL.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh || exit 1
scripts/build.sh || exit 1

passed=0 failed=0
run() {
  local preset=$1 log
  log=$(mktemp)
  echo "== test $preset"
  ctest --preset "$preset" -j2 2>&1 | tee "$log"
  local summary total failures
  summary=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n1)
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  failures=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$summary")
  if [ -z "$summary" ]; then
    total=0
    grep -q "No tests were found" "$log" && failures=0 || failures=1
  fi
  passed=$((passed + total - failures))
  failed=$((failed + failures))
  rm -f "$log"
}
run native
run native-asan
run native-tsan
run fuzz
run win64
for tree in build/win64; do
  WINEPREFIX="$PWD/$tree/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# Plays the session in a fresh folder and compares its transcript with the expected one.
# Usage: compare_sessions.sh EXPECTED [RUNNER] SESSION_PROGRAM LIBRARY plain|decorated
set -euo pipefail
expected=$1
shift
program=("${@:1:$#-2}")
library=${*: -2:1} names=${*: -1}
for file in "${program[@]}" "$library"; do
  [ -e "$file" ] || { echo "skipped: $file is not built"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"${program[@]}" "$library" "$names" transcript
if ! cmp -s "$expected" transcript; then
  diff -u --text "$expected" transcript || true
  echo "FAIL: the session through $library ($names names) differs from $expected"
  exit 1
fi
echo "ok: $library ($names names) gives the expected transcript"

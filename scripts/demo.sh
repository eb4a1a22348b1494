#!/usr/bin/env bash
# Builds the plug-in and plays a small contest session through libStats.so, as a host
# would, then shows what the plug-in answered and the files it wrote.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh win32 win64 native
out=$(mktemp -d)
(cd "$out" && "$OLDPWD/build/native/tests/interface/stats-session" \
   "$OLDPWD/build/native/libStats.so" plain transcript && tr -d '\r' < transcript)
echo
echo "Plug-in files written in $out; the product for the host: build/win32/Stats.dll"

#!/usr/bin/env bash
# Builds everything, then scores the two sample logs with the plug-in as a host would
# (stats-replay through libStats.so) and shows the reports and the files it wrote.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh win32 win64 native >/dev/null
tools/demo.sh "${1:-build/demo}"
echo "The plug-in for the host: build/win32/Stats.dll (32-bit Windows)"

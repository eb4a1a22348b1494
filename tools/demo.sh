#!/usr/bin/env bash
# Replays the two sample logs with the plug-in, shows their reports and where the
# plug-in's files went.
#   tools/demo.sh [OUTPUT_FOLDER]        (default: ./stats-replay-demo)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$source_dir/build/native"
output=$(realpath -m "${1:-stats-replay-demo}")
cty=/usr/share/hamradio-files/cty.dat

if [ ! -f "$cty" ]; then
  echo "demo: $cty is missing: install the Debian package hamradio-files" >&2
  exit 1
fi
# Build what the demo needs (nothing when it is up to date).
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake --preset native -S "$source_dir" >/dev/null
fi
cmake --build "$build_dir" -j2 --target stats-replay >/dev/null

for sample in G4SMP-uk-cw.adi K1SMP-dx-ssb.log; do
  folder="$output/${sample%.*}"
  mkdir -p "$folder"
  echo "=================== $sample"
  cd "$folder"
  "$build_dir/stats-replay" "$source_dir/samples/$sample"
  # Once more for export: the plug-in writes the Cabrillo log too.
  "$build_dir/stats-replay" --cabrillo "$source_dir/samples/$sample" >/dev/null 2>&1
  echo
  echo "The plug-in's files are in $folder:"
  find . -type f | sort | sed 's|^\./|  |'
  echo
done

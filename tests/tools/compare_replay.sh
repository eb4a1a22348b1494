#!/usr/bin/env bash
# Replays a log with the native tool and with the Windows tool under wine, each in a
# fresh folder, and compares what they print, their exit codes and every file they leave.
# Usage: compare_replay.sh NATIVE_TOOL WINE_RUNNER WINDOWS_TOOL LOGFILE [OPTION...]
# The Windows console ends lines in CR LF; that one difference is allowed on output, and
# the private X server of the wine runner may say goodbye on stderr.
set -euo pipefail
native=$1 wine_run=$2 windows=$3 log=$4
shift 4
[ -e "$windows" ] || { echo "skipped: $windows is not built"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
name=$(basename "$log")
run() {  # folder, program...
  local folder=$work/$1
  shift
  mkdir -p "$folder"
  cp "$log" "$folder/$name"
  local rc=0
  (cd "$folder" && "$@" "${options[@]}" "$name" >"$folder.out" 2>"$folder.err") || rc=$?
  echo $rc >"$folder.rc"
}
# The Windows tool looks for cty.dat and MASTER.SCP beside itself: both are given Debian's.
options=(--cty /usr/share/hamradio-files/cty.dat --scp /usr/share/hamradio-files/MASTER.SCP "$@")
run native "$native"
run windows "$wine_run" "$windows"
sed -i -e 's/\r$//' -e '/^X connection to .* broken/d' "$work/windows.out" "$work/windows.err"
status=0
for part in rc out err; do
  if ! cmp -s "$work/native.$part" "$work/windows.$part"; then
    diff -u --text "$work/native.$part" "$work/windows.$part" || true
    status=1
  fi
done
diff -r --text "$work/native" "$work/windows" || status=1
if [ $status -ne 0 ]; then
  echo "FAIL: the Windows replay of $name differs from the native one"
  exit 1
fi
echo "ok: the Windows replay of $name matches the native one ($(ls "$work/native" | wc -l) files)"

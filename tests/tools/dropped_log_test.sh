#!/usr/bin/env bash
# A log dropped on stats-replay.exe, under wine: a contester's log in a folder with spaces
# and a letter beyond ASCII, the tool in another such folder with Stats.dll and cty.dat.
# The page lands beside the log, with the bytes --hours --html writes, and not over a file
# of the contester's; the plug-in's files go to "<log name> files"; the page is opened
# through the shell (by the test's stand-in, registered for pages in this prefix), and no
# key is awaited. An unreadable log leaves no page and waits for a key.
# Usage: dropped_log_test.sh WINE_RUN STATS_REPLAY_EXE STATS_DLL PAGE_OPENER_EXE LOG
set -euo pipefail
wine_run=$1 tool=$2 library=$3 opener=$4 log=$5
export LC_ALL=C.UTF-8  # the names reach wine as they are
fail() { echo "FAIL: $*"; exit 1; }
in_wine() {
  local rc=0
  "$wine_run" "$@" || rc=$?
  [ $rc -ne 77 ] || exit 77
  return $rc
}
home="$STATS_WINEPREFIX/drive_c/users/Seán" win_home='C:\users\Seán'
logs="$home/Contest logs" win_log="$win_home\\Contest logs\\G4XYZ.adi"
work=$(mktemp -d)
# The stand-in opens pages (the build tree's prefix has no program for them); the first
# call also makes the prefix.
classes=HKCR
trap 'in_wine reg delete "$classes\\.html" /f >/dev/null 2>&1 || true
      in_wine reg delete "$classes\\StatsTestPage" /f >/dev/null 2>&1 || true
      rm -rf "$home" "$work"' EXIT
in_wine reg add "$classes\\.html" /ve /d StatsTestPage /f >/dev/null
rm -rf "$home"
mkdir -p "$home/Stats" "$logs" "$work/dropped" "$work/console"
cp "$tool" "$library" "$opener" /usr/share/hamradio-files/cty.dat "$home/Stats/"
in_wine "$home/Stats/stats-replay.exe" --help >/dev/null  # skipped where it cannot run
in_wine reg add "$classes\\StatsTestPage\\shell\\open\\command" /ve /f \
  /d "\"$win_home\\Stats\\$(basename "$opener")\" \"%1\"" >/dev/null
export STATS_OPENED_PAGES="$win_home\\opened.txt"
cp "$log" "$logs/G4XYZ.adi"
echo "the contester's own notes" >"$logs/G4XYZ.html"

dropped() {  # LOG KEYS: started as a drop starts it, in a folder where nothing may land
  local rc=0
  (cd "$work/dropped" && printf %s "$2" |
    STATS_REPLAY_DROPPED=1 in_wine "$home/Stats/stats-replay.exe" "$1" >"$work/out" 2>&1) ||
    rc=$?
  sed -i 's/\r$//' "$work/out"
  return $rc
}
dropped "$win_log" "" || { cat "$work/out"; fail "the dropped log was not scored"; }
! grep -q "Press a key" "$work/out" || fail "a key was awaited after a good run"
[ "$(cat "$logs/G4XYZ.html")" = "the contester's own notes" ] || fail "the contester's file was replaced"
page="$logs/G4XYZ (2).html"
(cd "$work/console" &&
  in_wine "$home/Stats/stats-replay.exe" --hours --html "$win_home\\page.html" "$win_log" \
    >/dev/null 2>&1) || fail "--hours --html failed"
cmp "$page" "$home/page.html" || fail "the page beside the log is not the one --html writes"
grep -qF '<p class="meta">C:\users\Seán\Contest logs\G4XYZ.adi &middot;' "$page" ||
  fail "the page does not name the log in UTF-8"
[ -f "$logs/G4XYZ files/Plugins/UK_EI.ini" ] && ls "$logs/G4XYZ files/"*.txt >/dev/null ||
  fail "the plug-in's files are not in the folder beside the log"
[ -z "$(ls -A "$work/dropped")" ] || fail "files were left in the current folder"
! ls "$logs"/*.cbr "$logs/G4XYZ files"/*.cbr >/dev/null 2>&1 || fail "a Cabrillo file was written"
for _ in $(seq 100); do  # the shell starts the opener, which may finish after the tool
  [ -s "$home/opened.txt" ] && break
  sleep 0.2
done
[ "$(cat "$home/opened.txt" 2>/dev/null)" = "$win_home\\Contest logs\\G4XYZ (2).html" ] ||
  fail "the page was not opened: $(cat "$home/opened.txt" 2>/dev/null)"

echo "not a log" >"$logs/notes.adi"
if dropped "$win_home\\Contest logs\\notes.adi" x; then fail "an unreadable log was taken"; fi
grep -q "Press a key" "$work/out" || { cat "$work/out"; fail "no key was awaited after an unreadable log"; }
[ ! -e "$logs/notes.html" ] && [ ! -e "$logs/notes files" ] || fail "an unreadable log left files"
echo "ok: the dropped log's page is beside it and was opened; an unreadable log waits for a key"

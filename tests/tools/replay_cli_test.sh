#!/usr/bin/env bash
# stats-replay from the command line: exit codes and messages of the bad cases, and
# nothing written outside the current folder.
# Usage: replay_cli_test.sh STATS_REPLAY PROBLEMS_LOG
set -uo pipefail
tool=$1 problems=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/run" && cd "$work/run"
failures=0
expect() {  # description, wanted exit code, pattern the output must hold, command...
  local what=$1 code=$2 pattern=$3
  shift 3
  local output rc=0
  output=$("$@" 2>&1) || rc=$?
  if [ "$rc" -ne "$code" ] || ! grep -qE -- "$pattern" <<<"$output"; then
    echo "FAIL: $what: exit code $rc (wanted $code), output:"
    echo "$output"
    failures=$((failures + 1))
  fi
}
printf '<EOH>\n<CALL:5>G4ABC <EOR>\n' >broken.adi
printf 'CALL,DATE\n' >table.csv
printf 'START-OF-LOG: 3.0\rQSO: 1830 CW 2016-11-12 1300 G4XYZ 599 1 LN DL1ABC 599 2\r' >topband.log
mkdir folder.adi
expect "no country file" 1 "cannot read /no/cty.dat.*" "$tool" --cty /no/cty.dat broken.adi
expect "the hint names the package and the option" 1 "hamradio-files.*--cty FILE" \
  "$tool" --cty /no/cty.dat broken.adi
expect "no readable QSO" 1 "broken.adi:2: QSO_DATE '' and TIME_ON '' are no date and time" \
  "$tool" broken.adi
expect "not a log" 1 "table.csv: neither an ADIF log nor a Cabrillo log" "$tool" table.csv
expect "a missing log" 1 "missing.adi: no such file" "$tool" missing.adi
expect "a folder" 1 "folder.adi: a folder, not a file" "$tool" folder.adi
if [ "$(id -u)" -ne 0 ]; then
  cp table.csv locked.adi && chmod 000 locked.adi
  expect "an unreadable log" 1 "locked.adi: cannot be read: Permission denied" "$tool" locked.adi
fi
expect "help" 0 "^usage: stats-replay" "$tool" --help
expect "short help" 0 "Exit status 0 when a QSO" "$tool" -h --colour
expect "nothing counted" 1 "no QSO was counted" "$tool" topband.log
expect "a bad own call" 2 "--call 'M0NOM <': not a call sign" "$tool" --call 'M0NOM <' broken.adi
expect "an unknown option" 2 "unknown option --colour" "$tool" --colour red broken.adi
expect "a bad area code" 2 "--area XY: not a UK/EI area code" "$tool" --area XY broken.adi
expect "a bad start day" 2 "--start 2016-02-30: not a date YYYY-MM-DD" \
  "$tool" --start 2016-02-30 broken.adi
expect "no log" 2 "no log file given" "$tool" --leg cw
expect "a library that is none" 1 "cannot load table.csv" "$tool" --library table.csv broken.adi
cp "$problems" .
expect "a log with problems" 0 \
  "Summary: 11 QSOs read, 7 stored, 2 refused, 2 dupes, 1 area warnings, 2 calls not placed \
\(left out\), 0 outside the contest period \(left out\), 3 records skipped" \
  "$tool" "$(basename "$problems")"
expect "the Cabrillo file written" 0 "^Cabrillo log: G4XYZ.cbr$" \
  "$tool" --cabrillo "$(basename "$problems")"
# A Cabrillo log that cannot be written, and a header value that cannot be stored.
rm -f G4XYZ.cbr && mkdir G4XYZ.cbr
expect "the Cabrillo file not written" 1 "File not produced: G4XYZ.cbr" \
  "$tool" --cabrillo "$(basename "$problems")"
rmdir G4XYZ.cbr
chmod 444 Plugins/UK_EI.ini
expect "a header value not stored" 1 "the header value Name could not be stored" \
  "$tool" --header NAME=Jean problems.adi
chmod 644 Plugins/UK_EI.ini
expect "an unknown header tag" 2 "--header FOO=1: TAG=VALUE with a TAG of NAME" \
  "$tool" --header FOO=1 broken.adi
# Header values stay in the plug-in's INI file for the next export.
"$tool" --cabrillo --header CATEGORY-POWER=LOW --header 'name=Jean Smith' problems.adi >/dev/null 2>&1
"$tool" --cabrillo problems.adi >/dev/null 2>&1
if ! grep -q $'^CATEGORY-POWER: LOW\r$' G4XYZ.cbr || ! grep -q $'^NAME: Jean Smith\r$' G4XYZ.cbr; then
  echo "FAIL: the Cabrillo header lacks the values given by --header:"
  head -22 G4XYZ.cbr
  failures=$((failures + 1))
fi
# Everything the runs wrote is in the current folder.
stray=$(find "$work" -newer "$work/run/broken.adi" -not -path "$work/run*" | head -5)
if [ -n "$stray" ]; then
  echo "FAIL: written outside the current folder: $stray"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "ok: stats-replay's bad cases" || exit 1

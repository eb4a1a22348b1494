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
printf ' \r\n' >empty.adi
printf 'START-OF-LOG: 3.0\rQSO: 1830 CW 2016-11-12 1300 G4XYZ 599 1 LN DL1ABC 599 2\r' >topband.log
mkdir folder.adi
expect "no country file" 1 "cannot read /no/cty.dat.*" "$tool" --cty /no/cty.dat broken.adi
expect "the hint names the package and the option" 1 "hamradio-files.*--cty FILE" \
  "$tool" --cty /no/cty.dat broken.adi
expect "no readable QSO" 1 "no QSO left to hand to the plug-in: none of the log's 1 records could be read" \
  "$tool" broken.adi
expect "why it was not read" 1 \
  "^  no valid date and time: 1 records skipped, the first at line 2 \(QSO_DATE missing\)$" \
  "$tool" broken.adi
expect "an empty log" 1 "no QSO left to hand to the plug-in: the log holds no QSO" "$tool" empty.adi
expect "not a log" 1 "table.csv: neither an ADIF log nor a Cabrillo log" "$tool" table.csv
expect "a missing log" 1 "missing.adi: no such file" "$tool" missing.adi
expect "a folder" 1 "folder.adi: a folder, not a file" "$tool" folder.adi
if [ "$(id -u)" -ne 0 ]; then
  cp table.csv locked.adi && chmod 000 locked.adi
  expect "an unreadable log" 1 "locked.adi: cannot be read: Permission denied" "$tool" locked.adi
fi
expect "help" 0 "^usage: stats-replay" "$tool" --help
expect "short help" 0 "Exit status 0 when a QSO" "$tool" -h --colour
expect "nothing counted" 1 "no QSO was counted: all 1 QSOs handed to the plug-in were refused" \
  "$tool" topband.log
expect "a bad own call" 2 "--call 'M0NOM <': not a call sign" "$tool" --call 'M0NOM <' broken.adi
expect "an unknown option" 2 "^stats-replay: unknown option --colour \(see --help\)$" \
  "$tool" --colour red broken.adi
if [ "$("$tool" --colour red broken.adi 2>&1 | wc -l)" -ne 1 ]; then
  echo "FAIL: a wrong option prints more than one line"
  failures=$((failures + 1))
fi
expect "a bad area code" 2 "--area XY: not a UK/EI area code" "$tool" --area XY broken.adi
expect "Norwich's NK passes the area check" 1 "at line 2 \\(QSO_DATE missing\\)" "$tool" --area nk broken.adi
expect "a bad start day" 2 "--start 2016-02-30: not a date YYYY-MM-DD" \
  "$tool" --start 2016-02-30 broken.adi
expect "no log" 2 "no log file given" "$tool" --leg cw
expect "a library that is none" 1 "cannot load table.csv" "$tool" --library table.csv broken.adi
cp "$problems" .
expect "a log with problems" 0 \
  "Summary: 11 QSOs read, 8 stored, 3 refused, 2 dupes, 1 area warnings, 2 calls not placed \
\(no multiplier\), 0 outside the contest period \(left out\), 0 of the other mode \(left out\), \
3 records skipped" \
  "$tool" "$(basename "$problems")"
expect "one line per reason" 0 "^  not a contest mode: 1 QSOs, the first at line 7 \(RTTY\)$" \
  "$tool" "$(basename "$problems")"
expect "the check before submission" 0 "^Before you submit:$" "$tool" "$(basename "$problems")"
expect "nothing for the adjudicator to find" 0 "^  nothing found$" "$tool" "$(basename "$problems")"
expect "no check-partial file" 1 "^stats-replay: /no/MASTER.SCP: no such file$" \
  "$tool" --scp /no/MASTER.SCP "$(basename "$problems")"
expect "the hour table's totals" 0 "^Total +0 +1 +3 +2 +6 +24 +5 +2 +168$" \
  "$tool" --hours "$(basename "$problems")"
expect "the hour table's rates" 0 "^Best 60 minutes: 6 QSOs from 1205; best 10 minutes: 5 QSOs \
\\(30/hour\\) from 1205; off-times: 1216-1200 \\(23h44\\), 23h44 in all$" \
  "$tool" --hours "$(basename "$problems")"
expect "a page that cannot be written" 1 "^stats-replay: nowhere/page.html: cannot be written: No such" \
  "$tool" --html nowhere/page.html "$(basename "$problems")"
expect "a page over the log" 2 "--html ./problems.adi: that is the log file" \
  "$tool" --html ./problems.adi "$(basename "$problems")"
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
expect "an unknown header tag" 2 "--header FOO=1: TAG=VALUE with a TAG of OPERATORS" \
  "$tool" --header FOO=1 broken.adi
# Header values stay in the plug-in's INI file for the next export.
"$tool" --cabrillo --header CATEGORY-POWER=LOW --header 'name=Jean Smith' problems.adi >/dev/null 2>&1
"$tool" --cabrillo problems.adi >/dev/null 2>&1
if ! grep -q $'^CATEGORY-POWER: LOW\r$' G4XYZ.cbr || ! grep -q $'^NAME: Jean Smith\r$' G4XYZ.cbr; then
  echo "FAIL: the Cabrillo header lacks the values given by --header:"
  head -22 G4XYZ.cbr
  failures=$((failures + 1))
fi
# The Cabrillo log of the CW leg holds no SSB QSO, whatever the options say.
printf 'START-OF-LOG: 3.0\nQSO: 14025 CW 2016-11-12 1300 G4XYZ 599 1 LN DL1ABC 599 2\n%s\n' \
  'QSO: 14250 PH 2016-11-12 1301 G4XYZ 59 2 LN DL2ABC 59 3' >mixed.log
expect "the other mode left out of the Cabrillo log" 0 \
  "mixed.log: --keep-other-mode does not apply to the Cabrillo log: its SSB QSOs are left out" \
  "$tool" --cabrillo --keep-other-mode mixed.log
if grep -q ' PH ' G4XYZ.cbr; then
  echo "FAIL: an SSB QSO in the Cabrillo log of the CW leg"
  failures=$((failures + 1))
fi
# The check takes the category of the log's own header, unless --header gives another.
printf 'START-OF-LOG: 3.0\nCATEGORY-BAND: 20M\n%s\n%s\n' \
  'QSO: 14025 CW 2016-11-12 1300 G4XYZ 599 1 LN DL1ABC 599 2' \
  'QSO:  7025 CW 2016-11-12 1301 G4XYZ 599 2 LN DL1ABC 599 3' >band.log
expect "the log's category checked" 0 "^  4: DL1ABC: CATEGORY-BAND 20M, but 1 QSO is on another band$" \
  "$tool" band.log
expect "--header over the log's category" 0 "^  nothing found$" "$tool" --header CATEGORY-BAND=ALL band.log
# Everything the runs wrote is in the current folder.
stray=$(find "$work" -newer "$work/run/broken.adi" -not -path "$work/run*" | head -5)
if [ -n "$stray" ]; then
  echo "FAIL: written outside the current folder: $stray"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "ok: stats-replay's bad cases" || exit 1

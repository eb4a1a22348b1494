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
expect "why it was not read" 1 \
  "^  no valid date and time: 1 record skipped, the first at line 2 \(QSO_DATE missing\)$" \
  "$tool" broken.adi
mkdir problem-lines && mkdir problem-lines/VurovODUVIR_EI_13_11_2016.txt
long="$(printf 'a%.0s' $(seq 240)).html"
for wanted in "1 area warning," "Problem lines: VurovODUVIR_EI_13_11_2016.txt not written" "Page: $long"; do
  expect "a problem-line file that cannot be written, a page of a long name" 0 "$wanted" \
    sh -c 'cd problem-lines && "$0" --html "$1" "$2"' "$tool" "$long" "$problems"
done
expect "no readable QSO, hours of nothing" 1 \
  "no QSO left to hand to the plug-in: the log's one record could not be read" "$tool" --hours broken.adi
if [ -e Plugins ] || ls Vurov* >/dev/null 2>&1; then
  echo "FAIL: a run with no QSO to hand over wrote the plug-in's files"
  failures=$((failures + 1))
fi
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
expect "nothing counted" 1 "no QSO was counted: the plug-in refused every QSO handed to it \(1 QSO\)" \
  "$tool" topband.log
expect "no Cabrillo log without a QSO line" 1 "File not produced: G4XYZ.cbr: no QSO line: the \
plug-in took none of the 1 QSO handed to it" "$tool" --cabrillo topband.log
[ -e G4XYZ.cbr ] && echo "FAIL: a Cabrillo log without a QSO line" && failures=$((failures + 1))
expect "the area codes" 0 "^AB AL .* ZE NK \(Norwich" "$tool" --areas
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
  "Summary: 11 QSOs read, 8 stored, 3 refused, 2 dupes, 1 area warning, 2 calls not placed \
\(no multiplier\), 0 outside the contest period \(left out\), 0 of the other mode \(left out\), \
3 records skipped" \
  "$tool" "$(basename "$problems")"
expect "one line per reason" 0 "^  not a contest mode: 1 QSO, the first at line 7 \(RTTY\)$" \
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
# No output over the log or over another output, under any of its names; nothing written.
cp G4XYZ.cbr before.cbr && ln -s problems.adi linked.adi
expect "a Cabrillo log over the log" 2 "the Cabrillo log G4XYZ.cbr: that is the log file G4XYZ.cbr" \
  "$tool" --cabrillo G4XYZ.cbr
expect "a page over the Cabrillo log" 2 "^stats-replay: --html G4XYZ.cbr: that is the Cabrillo log" \
  "$tool" --cabrillo --html G4XYZ.cbr problems.adi
expect "a page over the settings" 2 "--html Plugins/UK_EI.ini: that is the plug-in's settings" \
  "$tool" --html Plugins/UK_EI.ini problems.adi
expect "a page over a link to the log" 2 "--html linked.adi: that is the log file" \
  "$tool" --html linked.adi problems.adi
if ! cmp -s G4XYZ.cbr before.cbr || ! grep -q '^\[Settings\]' Plugins/UK_EI.ini; then
  echo "FAIL: a refused run wrote over a file"
  failures=$((failures + 1))
fi
# A Cabrillo log that cannot be written, and a header value that cannot be stored.
rm -f G4XYZ.cbr && mkdir G4XYZ.cbr
expect "the Cabrillo file not written" 1 "File not produced: G4XYZ.cbr" \
  "$tool" --cabrillo "$(basename "$problems")"
rmdir G4XYZ.cbr
# Settings the plug-in would not read as given: the run stops before the replay, in one line.
cp Plugins/UK_EI.ini settings.ini
printf '[Settings]\r\nMode=0\r\nsetup_areacode=NI\r\n' >Plugins/UK_EI.ini
chmod 444 Plugins/UK_EI.ini
expect "the leg not stored" 1 "^stats-replay: Mode=1 could not be stored in Plugins.UK_EI.ini \
\(a read-only or unusable file, or a full disk\): nothing replayed$" "$tool" --cabrillo problems.adi
expect "a header value not stored" 1 "Mode=1 could not be stored" \
  "$tool" --header NAME=Jean problems.adi
if [ "$("$tool" --cabrillo problems.adi 2>&1 | wc -l)" -ne 1 ] || [ -e G4XYZ.cbr ]; then
  echo "FAIL: a run on settings it could not write said more than one line or exported"
  failures=$((failures + 1))
fi
chmod 644 Plugins/UK_EI.ini && mv Plugins/UK_EI.ini settings.ini.ro && mkdir Plugins/UK_EI.ini
expect "a folder for settings" 1 "Mode=1 could not be stored" "$tool" --hours problems.adi
if [ "$("$tool" problems.adi 2>&1 | grep -c '^Stats: Plugins/UK_EI.ini cannot be read')" -ne 1 ]; then
  echo "FAIL: the notice of unusable settings not said once"
  failures=$((failures + 1))
fi
rmdir Plugins/UK_EI.ini && mv settings.ini Plugins/UK_EI.ini
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
# The plug-in's export fits but the header's rewrite does not (a file size limit, as a full
# disk): the earlier log stays whole, and the run says so.
cp G4XYZ.cbr before.cbr
limited() {  # largest file in bytes, command...
  python3 -c 'import os, resource, signal, sys
signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
resource.setrlimit(resource.RLIMIT_FSIZE, (int(sys.argv[1]),) * 2)
os.execv(sys.argv[2], sys.argv[2:])' "$@"
}
expect "the header values not written" 1 \
  "File not produced: G4XYZ.cbr: its header values could not be written into it; the file is as" \
  limited $(($(stat -c %s G4XYZ.cbr) + 40)) "$tool" --cabrillo --header "LOCATION=$(printf '%080d' 0)" \
  problems.adi
if ! cmp -s G4XYZ.cbr before.cbr || ls G4XYZ.cbr.* >/dev/null 2>&1; then
  echo "FAIL: the earlier Cabrillo log was not kept whole, or its copy left behind"
  failures=$((failures + 1))
fi
# A Cabrillo log's header travels into the file written, in values robots accept.
mkdir header && pushd header >/dev/null
printf '%s\n' 'START-OF-LOG: 3.0' 'CALLSIGN: G4XYZ' 'CATEGORY-OPERATOR: MULTI-OP' 'CATEGORY-POWER: low' \
  'GRID-LOCATOR: IO91' 'OPERATORS: G4XYZ G4ABC' 'NAME: Seán Ó Briain' 'SOAPBOX: one' 'SOAPBOX: two' \
  'QSO: 14025 CW 2016-11-12 1300 G4XYZ 599 1 LN DL1ABC 599 2' >header.log
expect "the log's tags the writer knows not" 0 "header.log: the log's header lines GRID-LOCATOR are \
left out of the Cabrillo log: its writer knows no such tag" "$tool" --cabrillo header.log
expect "the plug-in's defaults named" 0 "takes the plug-in's defaults CATEGORY-ASSISTED NON-ASSISTED: \
check them" "$tool" --cabrillo header.log
travelled="CATEGORY-OPERATOR: MULTI-OP|CATEGORY-POWER: LOW|OPERATORS: G4XYZ G4ABC|NAME: Sean O Briain"
if [ "$(grep -cE "^($travelled|SOAPBOX: one|SOAPBOX: two)"$'\r$' G4XYZ.cbr)" -ne 6 ] || grep -q GRID G4XYZ.cbr; then
  echo "FAIL: the log's header did not travel:" && head -24 G4XYZ.cbr
  failures=$((failures + 1))
fi
expect "a dialog value robots know by another name" 0 \
  "CATEGORY-OPERATOR: MULTI-MULTI: the header dialog offers it, but robots expect MULTI-OP" \
  "$tool" --cabrillo --header CATEGORY-OPERATOR=MULTI-MULTI header.log
expect "a header value robots refuse" 2 "^stats-replay: --header CATEGORY-POWER: 100W: robots accept \
HIGH, LOW, QRP \(see --help\)$" "$tool" --header CATEGORY-POWER=100W header.log
sed -i 's/low/100W/' header.log
cp G4XYZ.cbr accepted.cbr
expect "a log's header value robots refuse" 1 "File not produced: G4XYZ.cbr: CATEGORY-POWER: 100W: \
robots accept HIGH, LOW, QRP; the file is as it was before" "$tool" --cabrillo header.log
cmp -s G4XYZ.cbr accepted.cbr || { echo "FAIL: a Cabrillo log with a value robots refuse" && failures=$((failures + 1)); }
popd >/dev/null
# A portable station's first export, in a fresh folder.
mkdir portable && pushd portable >/dev/null
printf '%s\n' 'START-OF-LOG: 3.0' 'CALLSIGN: G4XYZ/P' \
  'QSO: 14025 CW 2016-11-12 1300 G4XYZ/P 599 1 LN DL1ABC 599 2' \
  'QSO: 14025 CW 2016-11-10 1300 G4XYZ/P 599 2 LN DL2ABC 599 3' \
  'QSO: 14025 CW 2016-11-12 1302 G4XYZ/P 599 3 LN XX0XX 599 4' \
  'QSO: 14250 PH 2016-11-12 1303 G4XYZ/P 59 4 LN DL3ABC 59 5' 'END-OF-LOG:' 'CALLSIGN: G4AAA' >p.log
output=$("$tool" --cabrillo --keep-other-mode p.log 2>&1)
if ! grep -q '^Cabrillo log: G4XYZ_P.cbr$' <<<"$output" || [ ! -e G4XYZ_P.cbr ] ||
  [ "$(grep -c 'does not apply' <<<"$output")" -ne 1 ] || grep -q 'saved for' <<<"$output" ||
  [ "$(grep -o '^  \(calls not placed\|outside the contest period\)' <<<"$output" | tr -d '\n')" != \
    "  calls not placed  outside the contest period" ]; then
  echo "FAIL: a portable station's first export:" && echo "$output"
  failures=$((failures + 1))
fi
popd >/dev/null
# Every QSO line of a Cabrillo log has as many fields, or there is no file.
printf '%s<STX_STRING:6>001 LN<SRX:1>5<EOR>\n%s<STX_STRING:6>002 LN<SRX_STRING:7>HANS 12<EOR>\n' \
  '<STATION_CALLSIGN:5>G4XYZ<CALL:6>DL1ABC<QSO_DATE:8>20161112<TIME_ON:4>1300<BAND:3>20m<MODE:2>CW' \
  '<STATION_CALLSIGN:5>G4XYZ<CALL:6>DL2ABC<QSO_DATE:8>20161112<TIME_ON:4>1301<BAND:3>20m<MODE:2>CW' \
  >uneven.adi
rm -f G4XYZ.cbr
expect "QSO lines of unequal fields" 1 "File not produced: G4XYZ.cbr: its QSO line 24 has 14 \
fields, the first 13: 'QSO: 14000 CW 2016-11-12 1301 .* HANS 12 --'$" "$tool" --cabrillo uneven.adi
[ -e G4XYZ.cbr ] && echo "FAIL: a Cabrillo log of unequal QSO lines" && failures=$((failures + 1))
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

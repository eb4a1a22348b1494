#!/usr/bin/env bash
# The pages of stats-replay --html in a real browser: headless Chromium loads each log's
# page without a console message, renders it to a PNG, and the page it built carries
# charts of the sizes and bar counts its hours imply and an hour table whose totals are
# the plug-in's report's. Skipped (exit 77) where chromium is not installed.
# Usage: browser_page_test.sh STATS_REPLAY LOGFILE...
set -uo pipefail
tool=$(realpath "$1")
shift
command -v chromium >/dev/null || {
  echo "SKIPPED: chromium is not installed (scripts/install-deps.sh installs it)"
  exit 77
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $page: $*"
  failures=$((failures + 1))
}
# The browser as root in a container: no sandbox, no GPU, no network or profile of its own.
browse() {  # output option, page
  timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$(mktemp -d "$work/profile.XXXX")" --enable-logging=stderr --v=0 \
    --window-size=1280,2400 "$1" "file://$2"
}
# One chart of the dumped page: the svg element, on one line.
chart() {  # id
  grep -o "<svg id=\"$1\".*</svg>" "$dom" | sed 's|</svg>.*||'
}
count() {  # pattern, text
  grep -o -- "$1" <<<"$2" | wc -l
}
sum() {  # attribute, text
  grep -o -- "$1=\"[0-9]*\"" <<<"$2" | tr -dc '0-9\n' | awk '{ s += $1 } END { print s + 0 }'
}
attribute() {  # name, text: the first value
  grep -o -m1 -- "$1=\"[^\"]*\"" <<<"$2" | head -1 | cut -d'"' -f2
}
for log in "$@"; do
  name=$(basename "$log") log=$(realpath "$log")
  page=$work/$name.html dom=$work/$name.dom
  (cd "$work" && cp "$log" . && "$tool" --html "$page" "$name" >/dev/null 2>&1) ||
    { fail "stats-replay failed"; continue; }
  browse --dump-dom "$page" >"$dom" 2>"$work/dom.err"
  browse --screenshot="$work/$name.png" "$page" >/dev/null 2>"$work/png.err"
  if grep -h ':CONSOLE' "$work/dom.err" "$work/png.err"; then fail "console messages"; fi
  [ "$(head -c 8 "$work/$name.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "no PNG rendered"
  grep -Eq '(src|href)=' "$dom" && fail "the page refers to something outside itself"

  # The hour table's totals are the report's Total line and score.
  foot=$(grep -o '<tfoot><tr [^>]*>' "$dom")
  total=$(grep -o '^Total	[^<]*' "$dom" | head -1 | tr -s '\t ' ' ')
  score=$(grep -o '^Score: [^<]*' "$dom" | head -1 | sed 's/.* = //')
  table="Total $(attribute data-qsos "$foot") $(attribute data-points "$foot")"
  table+=" $(attribute data-dxcc "$foot") $(attribute data-areas "$foot")"
  [ "$table" = "$total" ] || fail "hour table '$table', report '$total'"
  [ "$(attribute data-score "$foot")" = "$score" ] || fail "hour table's score, report's $score"

  # 24 hour bars, as wide as their hours need; QSO bars as high as their QSOs.
  bands=$(($(count '<th>' "$(grep -o '<thead>.*</thead>' "$dom")") - 6))
  for id in qsos-per-hour score-per-hour; do
    svg=$(chart $id)
    [ "$(attribute data-bars "$svg")" = 24 ] && [ "$(count '<g class="bar"' "$svg")" = 24 ] ||
      fail "$id has not 24 bars"
    [ "$(attribute width "$svg")" = $((48 + 24 * 26 + 8)) ] || fail "$id is not 680 wide"
  done
  svg=$(chart qsos-per-hour)
  [ "$(sum data-qsos "$svg")" = "$(attribute data-qsos "$foot")" ] ||
    fail "the QSO bars do not add up to the total"
  top=$(attribute data-top "$svg")
  while read -r qsos height; do
    [ "$height" = $((qsos * 180 / top)) ] || fail "a bar of $qsos QSOs is $height high"
  done < <(grep -o 'data-qsos="[0-9]*" data-height="[0-9]*"' <<<"$svg" | tr -dc '0-9 \n' |
    sed 's/^ *//')
  svg=$(chart multipliers-per-band)
  [ "$(count '<g class="bar"' "$svg")" = $((2 * bands)) ] ||
    fail "multipliers-per-band has not two bars for each of $bands bands"
  [ "$(attribute width "$svg")" = $((48 + bands * 64 + 8)) ] || fail "multipliers width"
  [ "$(sum data-dxcc "$svg")" = "$(attribute data-dxcc "$foot")" ] || fail "DXCC bars"
  [ "$(sum data-area "$svg")" = "$(attribute data-areas "$foot")" ] || fail "area bars"
done
[ "$failures" -eq 0 ] && echo "ok: the pages render in Chromium and match the reports" || exit 1

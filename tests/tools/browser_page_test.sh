#!/usr/bin/env bash
# The pages of stats-replay --html in a real browser. Headless Chromium loads each log's
# page without a console message and renders it to a PNG; the page it built carries charts
# of the sizes and bar counts its hours imply and an hour table whose totals are the
# plug-in's report's. Then each page is laid out at 1280 and 390 px, light and dark, in a
# frame of that width (headless windows are never narrower than 500 px), and measured
# there: the body never scrolls sideways, the charts keep their aspect and their text is
# 10 px or more, the hour table scrolls in its box with the Hour column in view, each band
# has one colour in every chart and on every page, neighbouring bands differ in lightness,
# bands without a counted QSO are not drawn, every QSO part is a pixel high or more, and
# the check section comes first and lists every refusal and dupe the summary counts.
# Skipped (exit 77) where chromium is not installed.
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
browse() {  # options..., page
  timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$(mktemp -d "$work/profile.XXXX")" --enable-logging=stderr --v=0 \
    --allow-file-access-from-files --hide-scrollbars "$@"
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
# The page laid out in a frame; what it measures lands in the wrapper's body attributes.
cat >"$work/measure.js" <<'EOF'
const measure = (frame) => {
  const w = frame.contentWindow, d = w.document, problems = [], out = {};
  const style = (e) => w.getComputedStyle(e);
  if (d.documentElement.scrollWidth > w.innerWidth) problems.push('the body scrolls sideways');
  for (const svg of d.querySelectorAll('svg')) {
    const r = svg.getBoundingClientRect(), width = +svg.getAttribute('width');
    const scale = r.width / width;
    if (scale > 1.001) problems.push(svg.id + ' stretched');
    if (Math.abs(r.height - r.width * svg.getAttribute('height') / width) > 1)
      problems.push(svg.id + ' lost its aspect');
    for (const t of svg.querySelectorAll('text'))
      if (parseFloat(style(t).fontSize) * scale < 10) problems.push(svg.id + ' text below 10 px');
    for (const rect of svg.querySelectorAll('rect')) {
      const value = /: (score )?([0-9]+)/.exec(rect.textContent);
      if (value && +value[2] > 0 && !(+rect.getAttribute('height') >= 1))
        problems.push(svg.id + ': no pixel for ' + rect.textContent);
    }
  }
  const box = d.getElementById('hours').parentElement;
  if (box.getBoundingClientRect().right > w.innerWidth + 1) problems.push('hour table cut');
  box.scrollLeft = box.scrollWidth;
  if (d.querySelector('#hours td').getBoundingClientRect().left < box.getBoundingClientRect().left - 1)
    problems.push('the Hour column scrolls out of view');
  for (const head of ['new DXCC', 'new areas', 'QSOs so far', 'mults so far'])
    if (!d.querySelector('#hours thead').textContent.includes(head)) problems.push('no ' + head);
  // Band colours: the legend's, the same in every chart; none for score, DXCC or areas.
  const colour = (e) => e.tagName === 'rect' ? style(e).fill : style(e).backgroundColor;
  const luminance = (c) => c.match(/[0-9.]+/g).slice(0, 3).map((v) => v / 255)
    .map((v) => v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4)
    .reduce((s, v, i) => s + v * [0.2126, 0.7152, 0.0722][i], 0);
  const bands = [...d.querySelector('.legend').children].map((li) =>
    [li.textContent, colour(li.firstChild), li.firstChild.className.split(' ')[1]]);
  out.bands = bands.map(([band, c]) => band + '=' + c).join(';');
  for (let i = 1; i < bands.length; ++i)
    if (Math.abs(luminance(bands[i][1]) - luminance(bands[i - 1][1])) < 0.1)
      problems.push(bands[i - 1][0] + ' and ' + bands[i][0] + ' alike in lightness');
  for (const [band, c, cls] of bands)
    for (const e of d.getElementsByClassName(cls))
      if (colour(e) !== c) problems.push(band + ' has two colours');
  for (const kind of ['score', 'dxcc', 'area'])
    if (bands.some(([, c]) => c === colour(d.querySelector('.swatch.' + kind))))
      problems.push(kind + ' has a band colour');
  // The report's bands: those without a counted QSO are drawn nowhere; the points and
  // area grids of the others are the report's.
  for (const line of d.getElementById('report').textContent.split('\n')) {
    const row = line.split('\t');
    if (row.length !== 5 || row[0] === 'Band' || row[0] === 'Total') continue;
    const [band, qsos, points, , areas] = row.map((v) => v.trim());
    const shown = [...d.querySelectorAll('th, .legend li, svg text')].some((e) => e.textContent === band);
    if (qsos === '0' && shown) problems.push(band + ' drawn without a counted QSO');
    if (qsos === '0') continue;
    if (d.querySelector(`#points tr[data-band="${band}"]`).dataset.points !== points)
      problems.push(band + ' points by continent do not add up');
    if (d.querySelector(`table.areas[data-band="${band}"]`).dataset.worked !== areas)
      problems.push(band + ' area grid is not the report\'s');
  }
  const strip = d.getElementById('timeline');
  for (const [from, to] of strip.dataset.breaks.split(' ').filter(Boolean).map((b) => b.split('-').map(Number)))
    for (const rect of strip.querySelectorAll('rect[data-band]'))
      if (+rect.getAttribute('x') + 1 < to && +rect.getAttribute('x') + +rect.getAttribute('width') > from + 1)
        problems.push('the timeline is coloured in a break');
  if (!(d.getElementById('check').compareDocumentPosition(d.getElementById('qsos-per-hour')) & 4))
    problems.push('the check is not before the charts');
  const listed = (pattern) => [...d.querySelectorAll('.reason')]
    .filter((r) => pattern.test(r.querySelector('h3').textContent))
    .reduce((s, r) => s + r.querySelectorAll('li').length, 0);
  out.refused = listed(/^(not a contest band|no serial number|not a contest mode|refused) /);
  out.dupes = listed(/^dupes /);
  out.areaWarnings = listed(/^received area codes/);
  out.onMinutes = d.getElementById('operating').dataset.onMinutes;
  out.bonusLegend = d.body.textContent.includes('bonus hours');
  out.bonusRows = d.querySelectorAll('#hours tr.bonus').length;
  out.problems = problems.join('; ');
  for (const [key, value] of Object.entries(out))
    document.body.setAttribute(`data-${key.replace(/[A-Z]/g, (c) => '-' + c.toLowerCase())}-${frame.width}`, value);
};
onload = () => document.querySelectorAll('iframe').forEach(measure);
EOF
for log in "$@"; do
  name=$(basename "$log") log=$(realpath "$log")
  page=$work/$name.html dom=$work/$name.dom
  (cd "$work" && cp "$log" . && "$tool" --html "$page" "$name" >"$work/$name.out" 2>&1) ||
    { fail "stats-replay failed"; continue; }
  browse --window-size=1280,2400 --dump-dom "file://$page" >"$dom" 2>"$work/dom.err"
  browse --window-size=1280,2400 --screenshot="$work/$name.png" "file://$page" >/dev/null \
    2>"$work/png.err"
  if grep -h ':CONSOLE' "$work/dom.err" "$work/png.err"; then fail "console messages"; fi
  [ "$(head -c 8 "$work/$name.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "no PNG rendered"
  grep -Eq '(src|href)=' "$dom" && fail "the page refers to something outside itself"
  [ "$(wc -c <"$page")" -lt 1000000 ] || fail "larger than 1 MB"

  # The hour table's totals are the report's Total line and score.
  foot=$(grep -o '<tfoot><tr [^>]*>' "$dom")
  total=$(grep -o '^Total	[^<]*' "$dom" | head -1 | tr -s '\t ' ' ')
  score=$(grep -o '^Score: [^<]*' "$dom" | head -1 | sed 's/.* = //')
  table="Total $(attribute data-qsos "$foot") $(attribute data-points "$foot")"
  table+=" $(attribute data-dxcc "$foot") $(attribute data-areas "$foot")"
  [ "$table" = "$total" ] || fail "hour table '$table', report '$total'"
  [ "$(attribute data-score "$foot")" = "$score" ] || fail "hour table's score, report's $score"

  # 24 hour bars, as wide as their hours need; QSO bars as high as their QSOs, and each
  # band's part at least a pixel.
  bands=$(grep -o '<g class="bar" data-band=' "$dom" | wc -l)
  bands=$((bands / 2))
  for id in qsos-per-hour score-per-hour; do
    svg=$(chart $id)
    [ "$(attribute data-bars "$svg")" = 24 ] && [ "$(count '<g class="bar"' "$svg")" = 24 ] ||
      fail "$id has not 24 bars"
    [ "$(attribute width "$svg")" = $((40 + 24 * 16 + 8)) ] || fail "$id is not 432 wide"
  done
  svg=$(chart qsos-per-hour)
  [ "$(sum data-qsos "$svg")" = "$(attribute data-qsos "$foot")" ] ||
    fail "the QSO bars do not add up to the total"
  top=$(attribute data-top "$svg")
  while read -r qsos height parts; do
    [ "$height" -ge $((qsos * 180 / top)) ] && [ "$height" -le $((qsos * 180 / top + parts)) ] ||
      fail "a bar of $qsos QSOs is $height high"
  done < <(grep -o '<g class="bar" data-hour="[0-9]*" data-qsos="[0-9]*" data-height="[0-9]*">[^g]*' \
    <<<"$svg" | awk -F'"' '{ print $6, $8, gsub(/<rect/, "") }')
  svg=$(chart multipliers-per-band)
  [ "$(attribute width "$svg")" = $((40 + bands * 64 + 8)) ] || fail "multipliers width"
  [ "$(sum data-dxcc "$svg")" = "$(attribute data-dxcc "$foot")" ] || fail "DXCC bars"
  [ "$(sum data-area "$svg")" = "$(attribute data-areas "$foot")" ] || fail "area bars"

  # Laid out at a contester's widths and schemes.
  summary=$(grep '^Summary:' "$work/$name.out")
  on=$(grep -o 'On-time [0-9]*h[0-9]*' "$work/$name.out" | tr -dc '0-9h')
  for scheme in light dark; do
    wrapper=$work/$name.$scheme.html
    echo "<!DOCTYPE html><body><iframe src=\"$page\" width=\"1280\" height=\"2000\"></iframe>" \
      "<iframe src=\"$page\" width=\"390\" height=\"2000\"></iframe>" \
      "<script>$(cat "$work/measure.js")</script></body>" >"$wrapper"
    scheme_option=--blink-settings=preferredColorScheme=$([ $scheme = dark ] && echo 0 || echo 1)
    body=$(browse --window-size=1400,2000 "$scheme_option" --dump-dom "file://$wrapper" \
      2>/dev/null | grep -o '<body[^>]*>')
    for width in 1280 390; do
      at="$width px, $scheme:"
      value() { attribute "data-$1-$width" "$body"; }
      [ -n "$(value bands)" ] || { fail "$at not measured"; continue; }
      [ -z "$(value problems)" ] || fail "$at $(value problems)"
      tr ";" "\n" <<<"$(value bands)" >>"$work/colours"
      grep -qE " $(value refused) refused, $(value dupes) dupes?, $(value area-warnings) area warnings?," <<<"$summary" ||
        fail "$at the check lists other refusals, dupes or area warnings than '$summary'"
      [ "$(value on-minutes)" = $((10#${on%h*} * 60 + 10#${on#*h})) ] ||
        fail "$at on-time not the check's $on"
      [ "$(value bonus-legend)" = "$([ "$(value bonus-rows)" -gt 0 ] && echo true || echo false)" ] ||
        fail "$at a bonus legend without bonus hours, or none with them"
    done
  done
done
# One colour per band, on every page.
page=all
sort -u "$work/colours" | cut -d= -f1 | uniq -d | grep . && fail "a band with two colours"
[ "$failures" -eq 0 ] && echo "ok: the pages render in Chromium and hold at 1280 and 390 px" || exit 1

#include "tools/page/html_page.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string_view>

#include "contest/contest_rules.h"

namespace {

// Chart geometry in CSS pixels. A chart is drawn at its own size, never stretched: its
// text keeps its size whatever the number of bands, and a phone shrinks the widest chart
// by no more than a tenth.
constexpr int kLeft = 40;  // room for the axis labels
constexpr int kRight = 8;
constexpr int kTop = 12;
constexpr int kBottom = 24;  // room for the hour or band labels
constexpr int kPlotHeight = 180;
constexpr int kHourStep = 16;  // one hour's bar and the gap after it
constexpr int kHourBar = 12;
constexpr int kBandStep = 64;  // a band's two multiplier bars and the gap after them
constexpr int kMultiplierBar = 24;
constexpr int kStripHeight = 24;  // the day's timeline
constexpr long long kDaySeconds = 24 * 60 * 60;
constexpr size_t kAreaGridColumns = 13;  // the area window's rows

// How every page starts, and the line that names its log.
constexpr std::string_view kPageStart = "<!DOCTYPE html>\n<html lang=\"en\"><head>";
constexpr std::string_view kLogLineStart = "<p class=\"meta\">";
constexpr std::string_view kLogLineSeparator = " &middot; ";

// Each band has its colour on every page (a colour-blind-safe set; neighbouring bands
// differ in lightness too); score, DXCC and areas have colours no band has.
constexpr const char* kStyle = R"(
:root{color-scheme:light dark;--bg:#fff;--fg:#1f2328;--muted:#59636e;--line:#d1d9e0;
--bonus:#fff1c7;--score:#4d4d4d;--dxcc:#cc79a7;--area:#882255;--worked:#fff;
--b160:#0072b2;--b80:#e69f00;--b40:#009e73;--b20:#56b4e9;--b15:#d55e00;--b10:#f0e442;
--bx:#999}
@media (prefers-color-scheme:dark){:root{--bg:#0d1117;--fg:#e6edf3;--muted:#9198a1;
--line:#3d444d;--bonus:#3a2d0c;--score:#c8c8c8;--area:#c0508a}}
*{box-sizing:border-box}
body{margin:0 auto;max-width:1200px;padding:16px;background:var(--bg);color:var(--fg);
font:15px/1.45 system-ui,-apple-system,"Segoe UI",Roboto,sans-serif}
h1{font-size:1.5em;margin:0 0 4px}h2{font-size:1.2em;margin:28px 0 8px;
border-bottom:1px solid var(--line)}h3{font-size:1em;margin:16px 0 4px}
.meta,.note,figcaption,caption{color:var(--muted)}caption{text-align:left}
.facts{display:flex;flex-wrap:wrap;gap:8px 24px;margin:12px 0;padding:0}
.facts li{list-style:none}.facts b{display:block;font-size:1.4em}
pre{font:13px/1.35 ui-monospace,Menlo,Consolas,monospace;tab-size:8;overflow-x:auto;
padding:8px;border:1px solid var(--line)}
.scroll{overflow-x:auto;max-width:100%}
table{border-collapse:collapse;font-variant-numeric:tabular-nums;font-size:14px}
th,td{padding:2px 8px;text-align:right;border-bottom:1px solid var(--line)}
th:first-child,td:first-child{text-align:left;position:sticky;left:0;background:var(--bg)}
tr.bonus td{background:var(--bonus)}tfoot td{font-weight:bold}
.charts,.grids{display:flex;flex-wrap:wrap;gap:16px;align-items:flex-start}
figure{margin:0;min-width:0;max-width:100%}
svg{display:block;max-width:100%;height:auto;font:13px system-ui,sans-serif}
svg text{fill:var(--muted)}svg .axis{stroke:var(--line)}
.bonus-band{fill:var(--bonus)}.score{fill:var(--score)}.dxcc{fill:var(--dxcc)}
.area{fill:var(--area)}
.b160{fill:var(--b160);background:var(--b160)}.b80{fill:var(--b80);background:var(--b80)}
.b40{fill:var(--b40);background:var(--b40)}.b20{fill:var(--b20);background:var(--b20)}
.b15{fill:var(--b15);background:var(--b15)}.b10{fill:var(--b10);background:var(--b10)}
.bx{fill:var(--bx);background:var(--bx)}
.legend{display:flex;flex-wrap:wrap;gap:4px 16px;margin:4px 0;padding:0;font-size:13px}
.legend li{list-style:none}.swatch{display:inline-block;width:10px;height:10px;
margin-right:4px}.swatch.score{background:var(--score)}.swatch.dxcc{background:var(--dxcc)}
.swatch.area{background:var(--area)}
.swatch.bonus-band{background:var(--bonus);outline:1px solid var(--line)}
.left-out ul,.findings{margin:0;padding-left:20px;font-size:13px;overflow-wrap:anywhere}
.left-out .line{color:var(--muted);display:inline-block;min-width:6em}
table.grid{font:12px ui-monospace,Menlo,Consolas,monospace}
table.grid td{padding:1px 3px;text-align:center;color:var(--muted);border:1px solid var(--line);
position:static}
table.grid td.w{background:var(--area);color:var(--worked);font-weight:bold}
table.dxcc td.w{background:var(--dxcc);color:#000}table.dxcc td{text-align:center}
tr.continent th{text-align:left;background:var(--bg)}
@media (max-width:600px){body{padding:8px;font-size:14px}pre{font-size:11px}}
@page{size:A4;margin:14mm}
@media print{:root{--bg:#fff;--fg:#000;--muted:#444;--line:#bbb;--bonus:#fff1c7}
body{max-width:none;padding:0;font-size:10pt}pre,.scroll{overflow:visible}
pre{font-size:8pt;white-space:pre-wrap}table{font-size:8pt}
figure,tr,.left-out li{break-inside:avoid}h2{break-after:avoid}}
)";

constexpr std::array<const char*, 6> kContinents = {"EU", "AF", "AS", "NA", "SA", "OC"};

std::string Escaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\r':
        break;  // the report's lines end in CR LF
      default:
        out += c;
    }
  }
  return out;
}

std::string Number(long long value) {
  return std::to_string(value);
}

std::string Count(size_t value) {
  return Number(static_cast<long long>(value));
}

// An axis label short enough for the room left of the chart: "2.5M", "500k", "50".
std::string AxisLabel(long long value) {
  for (const auto& [unit, suffix] : {std::pair{1000000LL, "M"}, std::pair{1000LL, "k"}}) {
    if (value < unit) continue;
    const long long tenths = value % unit * 10 / unit;
    return Number(value / unit) + (tenths != 0 ? "." + Number(tenths) : "") + suffix;
  }
  return Number(value);
}

// The band's colour class: the same band has the same colour on every page.
std::string BandClass(const std::string& band) {
  const int slot = BandSlotNoCase(band);
  if (slot < 0) return "bx";
  const std::string_view name = kBandNames[slot];
  return "b" + std::string(name.substr(0, name.size() - 1));
}

// The smallest of 1, 2, 5 times a power of ten not below `value`: the axis's top.
long long AxisTop(long long value) {
  for (long long power = 1;; power *= 10) {
    for (const long long step : {1, 2, 5}) {
      if (step * power >= value) return step * power;
    }
  }
}

// How high a value stands above the axis, in whole pixels; anything above nothing at
// least one.
long long Height(long long value, long long top) {
  return value > 0 ? std::max(1LL, value * kPlotHeight / top) : 0;
}

std::string Rect(long long x, long long y, long long width, long long height,
                 const std::string& cls, const std::string& title) {
  return "<rect class=\"" + cls + "\" x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" width=\"" +
         Number(width) + "\" height=\"" + Number(height) + "\"><title>" + Escaped(title) +
         "</title></rect>";
}

std::string Text(long long x, long long y, const char* anchor, const std::string& text) {
  return "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" text-anchor=\"" + anchor + "\">" +
         Escaped(text) + "</text>";
}

std::string SvgStart(const std::string& id, int width, int height, const std::string& label) {
  return "<svg id=\"" + id + "\" width=\"" + Number(width) + "\" height=\"" + Number(height) +
         "\" viewBox=\"0 0 " + Number(width) + ' ' + Number(height) +
         "\" role=\"img\" aria-label=\"" + Escaped(label) + "\">";
}

// The chart's frame: the svg element with its size, the value axis with three lines and
// labels, and the labels under the bars.
class Chart {
 public:
  Chart(const std::string& id, int bars, int width, long long top, const std::string& label)
      : top_(top) {
    svg_ = SvgStart(id, width, kTop + kPlotHeight + kBottom, label);
    svg_.insert(svg_.size() - 1,
                " data-bars=\"" + Number(bars) + "\" data-top=\"" + Number(top) + "\"");
    for (const long long value : {0LL, top / 2, top}) {
      const long long y = Baseline() - value * kPlotHeight / top;
      svg_ += "<line class=\"axis\" x1=\"" + Number(kLeft) + "\" x2=\"" + Number(width - kRight) +
              "\" y1=\"" + Number(y) + "\" y2=\"" + Number(y) + "\"/>" +
              Text(kLeft - 4, y + 4, "end", AxisLabel(value));
    }
  }
  static int Baseline() { return kTop + kPlotHeight; }
  static constexpr int kLabelY = kTop + kPlotHeight + 17;
  long long top() const { return top_; }
  void Add(const std::string& element) { svg_ += element; }
  void Label(long long x, const std::string& text) { svg_ += Text(x, kLabelY, "middle", text); }
  std::string Done() { return svg_ + "</svg>"; }

 private:
  long long top_;
  std::string svg_;
};

int HourChartWidth() {
  return kLeft + 24 * kHourStep + kRight;
}

long long HourX(size_t hour) {
  return kLeft + static_cast<long long>(hour) * kHourStep + (kHourStep - kHourBar) / 2;
}

std::string HourLabel(const ContestHour& hour) {
  return HourAndMinute(hour.start);
}

// Every third hour is labelled: 24 labels do not fit a phone.
std::string HourLabels(const ContestHours& hours, long long y) {
  std::string labels;
  for (size_t hour = 0; hour < hours.hours.size(); hour += 3) {
    labels +=
        Text(HourX(hour) + kHourBar / 2, y, "middle", HourLabel(hours.hours[hour]).substr(0, 2));
  }
  return labels;
}

// The bands with a counted QSO, as indexes into ContestHours::bands: only these are drawn.
std::vector<size_t> CountedBands(const ContestHours& hours) {
  std::vector<size_t> counted;
  for (size_t b = 0; b < hours.whole.bands.size(); ++b) {
    if (hours.whole.bands[b].qsos > 0) counted.push_back(b);
  }
  return counted;
}

std::string QsoChart(const ContestHours& hours) {
  int most = 0;
  for (const ContestHour& hour : hours.hours) most = std::max(most, hour.qsos);
  Chart chart("qsos-per-hour", static_cast<int>(hours.hours.size()), HourChartWidth(),
              AxisTop(std::max(most, 1)), "QSOs per hour, stacked by band");
  for (size_t h = 0; h < hours.hours.size(); ++h) {
    const ContestHour& hour = hours.hours[h];
    // Each band's part runs from the top of the parts below to the height of the sums
    // with it, at least a pixel high.
    std::string parts;
    long long below = 0;
    long long drawn = 0;
    for (size_t b = 0; b < hour.qsosByBand.size(); ++b) {
      if (hour.qsosByBand[b] == 0) continue;
      below += hour.qsosByBand[b];
      const long long height = std::max(Height(below, chart.top()), drawn + 1) - drawn;
      parts += Rect(
          HourX(h), Chart::Baseline() - drawn - height, kHourBar, height, BandClass(hours.bands[b]),
          HourLabel(hour) + ' ' + hours.bands[b] + ": " + Number(hour.qsosByBand[b]) + " QSOs");
      drawn += height;
    }
    chart.Add("<g class=\"bar\" data-hour=\"" + HourLabel(hour) + "\" data-qsos=\"" +
              Number(hour.qsos) + "\" data-height=\"" + Number(drawn) + "\">" + parts + "</g>");
  }
  chart.Add(HourLabels(hours, Chart::kLabelY));
  return chart.Done();
}

bool AnyBonusHour(const ContestHours& hours) {
  return std::any_of(hours.hours.begin(), hours.hours.end(),
                     [](const ContestHour& hour) { return hour.bonus; });
}

std::string ScoreChart(const ContestHours& hours) {
  long long most = 0;
  for (const ContestHour& hour : hours.hours) most = std::max(most, hour.score);
  Chart chart("score-per-hour", static_cast<int>(hours.hours.size()), HourChartWidth(),
              AxisTop(std::max(most, 1LL)), "Claimed score at each hour's end");
  for (size_t h = 0; h < hours.hours.size(); ++h) {
    if (!hours.hours[h].bonus) continue;
    chart.Add("<rect class=\"bonus-band\" data-bonus=\"" + HourLabel(hours.hours[h]) + "\" x=\"" +
              Number(kLeft + static_cast<long long>(h) * kHourStep) + "\" y=\"" + Number(kTop) +
              "\" width=\"" + Number(kHourStep) + "\" height=\"" + Number(kPlotHeight) + "\"/>");
  }
  for (size_t h = 0; h < hours.hours.size(); ++h) {
    const ContestHour& hour = hours.hours[h];
    const long long height = Height(hour.score, chart.top());
    chart.Add("<g class=\"bar\" data-hour=\"" + HourLabel(hour) + "\" data-score=\"" +
              Number(hour.score) + "\" data-height=\"" + Number(height) + "\">" +
              Rect(HourX(h), Chart::Baseline() - height, kHourBar, height, "score",
                   HourLabel(hour) + ": score " + Number(hour.score)) +
              "</g>");
  }
  chart.Add(HourLabels(hours, Chart::kLabelY));
  return chart.Done();
}

std::string MultiplierChart(const ContestHours& hours, const std::vector<size_t>& counted) {
  const std::vector<ReportRow>& bands = hours.whole.bands;
  int most = 0;
  for (const size_t b : counted) most = std::max({most, bands[b].dxcc, bands[b].areas});
  const int width = kLeft + static_cast<int>(counted.size()) * kBandStep + kRight;
  Chart chart("multipliers-per-band", static_cast<int>(2 * counted.size()), width,
              AxisTop(std::max(most, 1)), "Multipliers per band: DXCC and areas");
  for (size_t i = 0; i < counted.size(); ++i) {
    const ReportRow& band = bands[counted[i]];
    const long long x =
        kLeft + static_cast<long long>(i) * kBandStep + (kBandStep - 2 * kMultiplierBar) / 2;
    const std::pair<int, const char*> kinds[] = {{band.dxcc, "dxcc"}, {band.areas, "area"}};
    for (int k = 0; k < 2; ++k) {
      const long long height = Height(kinds[k].first, chart.top());
      chart.Add("<g class=\"bar\" data-band=\"" + Escaped(band.band) + "\" data-" +
                kinds[k].second + "=\"" + Number(kinds[k].first) + "\" data-height=\"" +
                Number(height) + "\">" +
                Rect(x + k * kMultiplierBar, Chart::Baseline() - height, kMultiplierBar, height,
                     kinds[k].second,
                     band.band + ": " + Number(kinds[k].first) + (k == 0 ? " DXCC" : " areas")) +
                "</g>");
    }
    chart.Label(x + kMultiplierBar, band.band);
  }
  return chart.Done();
}

std::string Cell(const std::string& text) {
  return "<td>" + text + "</td>";
}

std::string HourTableHtml(const ContestHours& hours, const std::vector<size_t>& counted) {
  std::string html = "<div class=\"scroll\"><table id=\"hours\"><thead><tr><th>Hour</th>";
  for (const size_t b : counted) html += "<th>" + Escaped(hours.bands[b]) + "</th>";
  html +=
      "<th>QSOs</th><th>Points</th><th>new DXCC</th><th>new areas</th><th>QSOs so far</th>"
      "<th>mults so far</th><th>Score</th></tr></thead><tbody>";
  for (const ContestHour& hour : hours.hours) {
    html += hour.bonus ? "<tr class=\"bonus\">" : "<tr>";
    html += Cell(HourLabel(hour) + (hour.bonus ? "*" : ""));
    for (const size_t b : counted) html += Cell(Number(hour.qsosByBand[b]));
    html += Cell(Number(hour.qsos)) + Cell(Number(hour.points)) + Cell(Number(hour.newDxcc)) +
            Cell(Number(hour.newAreas)) + Cell(Number(hour.qsosSoFar)) +
            Cell(Number(hour.multipliersSoFar)) + Cell(Number(hour.score)) + "</tr>";
  }
  const ReportTable& whole = hours.whole;
  html += "</tbody><tfoot><tr data-qsos=\"" + Number(whole.total.qsos) + "\" data-points=\"" +
          Number(whole.total.points) + "\" data-dxcc=\"" + Number(whole.total.dxcc) +
          "\" data-areas=\"" + Number(whole.total.areas) + "\" data-score=\"" +
          Number(whole.score) + "\"><td>Total</td>";
  for (const size_t b : counted) html += Cell(Number(whole.bands[b].qsos));
  html += Cell(Number(whole.total.qsos)) + Cell(Number(whole.total.points)) +
          Cell(Number(whole.total.dxcc)) + Cell(Number(whole.total.areas)) +
          Cell(Number(whole.total.qsos)) + Cell(Number(whole.total.dxcc + whole.total.areas)) +
          Cell(Number(whole.score)) + "</tr></tfoot></table></div>";
  return html;
}

// The group by which a QSO scores: UK/EI, else the worked station's continent.
std::string PointsGroup(const CountedQso& qso) {
  if (IsUkEiPrefix(qso.prefix)) return "UK/EI";
  return qso.continent.empty() ? "not placed" : qso.continent;
}

// QSOs and points per band and group, in report order: UK/EI first, then the continents.
// In this contest the group decides a QSO's points.
std::string PointsTable(const ContestHours& hours, const std::vector<size_t>& counted) {
  struct Tally {
    int qsos = 0, points = 0;
    void Add(const CountedQso& qso) {
      ++qsos;
      points += qso.points;
    }
  };
  std::map<std::pair<std::string, std::string>, Tally> tallies;  // by band and group
  std::map<std::string, Tally> byGroup, byBand;
  for (const CountedQso& qso : hours.counted) {
    const std::string group = PointsGroup(qso);
    tallies[{qso.band, group}].Add(qso);
    byGroup[group].Add(qso);
    byBand[qso.band].Add(qso);
  }
  std::vector<std::string> groups{"UK/EI"};
  groups.insert(groups.end(), kContinents.begin(), kContinents.end());
  for (const auto& [group, tally] : byGroup) {
    if (std::find(groups.begin(), groups.end(), group) == groups.end()) groups.push_back(group);
  }
  groups.erase(std::remove_if(groups.begin(), groups.end(),
                              [&](const std::string& group) { return byGroup.count(group) == 0; }),
               groups.end());

  std::string html =
      "<div class=\"scroll\"><table id=\"points\"><thead><tr><th rowspan=\"2\">Band</th>";
  for (const std::string& group : groups) html += "<th colspan=\"2\">" + Escaped(group) + "</th>";
  html += "<th colspan=\"2\">all</th></tr><tr>";
  for (size_t g = 0; g <= groups.size(); ++g) html += "<th>QSOs</th><th>points</th>";
  html += "</tr></thead><tbody>";
  auto cells = [&](const Tally& tally) {
    html += tally.qsos == 0 ? "<td></td><td></td>"
                            : Cell(Number(tally.qsos)) + Cell(Number(tally.points));
  };
  for (const size_t b : counted) {
    const std::string& band = hours.bands[b];
    const Tally all = byBand[band];
    html += "<tr data-band=\"" + Escaped(band) + "\" data-qsos=\"" + Number(all.qsos) +
            "\" data-points=\"" + Number(all.points) + "\"><td>" + Escaped(band) + "</td>";
    for (const std::string& group : groups) cells(tallies[{band, group}]);
    cells(all);
    html += "</tr>";
  }
  html += "</tbody><tfoot><tr><td>Total</td>";
  Tally total;
  for (const std::string& group : groups) {
    cells(byGroup[group]);
    total.qsos += byGroup[group].qsos;
    total.points += byGroup[group].points;
  }
  cells(total);
  return html + "</tr></tfoot></table></div>";
}

// For each band, the area codes in the rows of the area window, the worked ones marked.
std::string AreaGrids(const ContestHours& hours, const std::vector<size_t>& counted) {
  std::map<std::string, std::set<std::string>> worked;  // by band
  for (const CountedQso& qso : hours.counted) {
    if (!qso.area.empty()) worked[qso.band].insert(qso.area);
  }
  std::string html = "<div class=\"grids\">";
  for (const size_t b : counted) {
    const std::string& band = hours.bands[b];
    const std::set<std::string>& areas = worked[band];
    html += "<table class=\"grid areas\" data-band=\"" + Escaped(band) + "\" data-worked=\"" +
            Count(areas.size()) + "\"><caption>" + Escaped(band) + ": " + Count(areas.size()) +
            " of " + Count(kAreaCodes.size()) + " areas</caption>";
    for (size_t i = 0; i < kAreaCodes.size(); ++i) {
      const std::string code(kAreaCodes[i]);
      if (i % kAreaGridColumns == 0) html += i == 0 ? "<tr>" : "</tr><tr>";
      html += areas.count(code) ? "<td class=\"w\">" + code + "</td>" : "<td>" + code + "</td>";
    }
    html += "</tr></table>";
  }
  return html + "</div>";
}

// Every DXCC worked on some band, by continent, with the bands it was worked on.
std::string DxccGrid(const ContestHours& hours, const std::vector<size_t>& counted) {
  std::map<std::string, std::string> continentOf;                // by prefix
  std::map<std::pair<std::string, std::string>, bool> workedOn;  // by prefix and band
  for (const CountedQso& qso : hours.counted) {
    if (qso.prefix.empty()) continue;  // a call not placed is no DXCC
    continentOf.emplace(qso.prefix, qso.continent);
    workedOn[{qso.prefix, qso.band}] = true;
  }
  std::map<std::string, std::vector<std::string>> byContinent;
  for (const auto& [prefix, continent] : continentOf) byContinent[continent].push_back(prefix);
  std::vector<std::string> continents(kContinents.begin(), kContinents.end());
  for (const auto& [continent, prefixes] : byContinent) {
    if (std::find(continents.begin(), continents.end(), continent) == continents.end()) {
      continents.push_back(continent);
    }
  }
  std::string html =
      "<div class=\"scroll\"><table class=\"grid dxcc\" id=\"dxcc\"><thead><tr><th>DXCC</th>";
  for (const size_t b : counted) html += "<th>" + Escaped(hours.bands[b]) + "</th>";
  html += "</tr></thead>";
  for (const std::string& continent : continents) {
    const auto found = byContinent.find(continent);
    if (found == byContinent.end()) continue;
    html += "<tbody><tr class=\"continent\"><th colspan=\"" + Count(counted.size() + 1) + "\">" +
            Escaped(continent.empty() ? std::string("no continent") : continent) + ": " +
            Count(found->second.size()) + " DXCC</th></tr>";
    for (const std::string& prefix : found->second) {
      html += "<tr><td>" + Escaped(prefix) + "</td>";
      for (const size_t b : counted) {
        html += workedOn.count({prefix, hours.bands[b]}) ? "<td class=\"w\">&#10003;</td>"
                                                         : "<td></td>";
      }
      html += "</tr>";
    }
    html += "</tbody>";
  }
  return html + "</table></div>";
}

// x of a moment of the contest day on the timeline.
long long DayX(long long seconds, long long start) {
  const long long into = std::clamp(seconds - start, 0LL, kDaySeconds);
  return kLeft + into * 24 * kHourStep / kDaySeconds;
}

struct Run {
  long long from, to;
  const std::string* band;
};

// The 24 hours coloured by the band of the last QSO, from the first to the end, without
// the breaks.
std::string Timeline(const ContestHours& hours, const std::vector<OffTime>& breaks) {
  const long long start = WholeSeconds(hours.station.contestStart);
  std::vector<Run> runs;
  const std::vector<CountedQso>& qsos = hours.counted;
  for (size_t i = 0; i < qsos.size(); ++i) {
    const long long from = i == 0 ? start : qsos[i].seconds;
    const long long to = i + 1 < qsos.size() ? qsos[i + 1].seconds : start + kDaySeconds;
    if (!runs.empty() && *runs.back().band == qsos[i].band) {
      runs.back().to = to;
    } else {
      runs.push_back({from, to, &qsos[i].band});
    }
  }
  // The breaks cut the runs.
  std::string drawnBreaks;
  for (const OffTime& off : breaks) {
    const long long from = WholeSeconds(off.from);
    const long long to = WholeSeconds(off.to);
    drawnBreaks += (drawnBreaks.empty() ? "" : " ") + Number(DayX(from, start)) + '-' +
                   Number(DayX(to, start));
    std::vector<Run> cut;
    for (const Run& run : runs) {
      if (run.to <= from || run.from >= to) {
        cut.push_back(run);
        continue;
      }
      if (run.from < from) cut.push_back({run.from, from, run.band});
      if (run.to > to) cut.push_back({to, run.to, run.band});
    }
    runs = std::move(cut);
  }
  std::string svg = SvgStart("timeline", HourChartWidth(), kStripHeight + 22,
                             "The 24 hours by band, the breaks blank");
  svg.insert(svg.size() - 1, " data-breaks=\"" + drawnBreaks + "\"");
  svg += "<rect class=\"axis\" fill=\"none\" x=\"" + Number(kLeft) + "\" y=\"0\" width=\"" +
         Number(24 * kHourStep) + "\" height=\"" + Number(kStripHeight) + "\"/>";
  for (const Run& run : runs) {
    const long long x = DayX(run.from, start);
    svg += "<rect class=\"" + BandClass(*run.band) + "\" data-band=\"" + Escaped(*run.band) +
           "\" x=\"" + Number(x) + "\" y=\"0\" width=\"" +
           Number(std::max(1LL, DayX(run.to, start) - x)) + "\" height=\"" + Number(kStripHeight) +
           "\"/>";
  }
  return svg + HourLabels(hours, kStripHeight + 16) + "</svg>";
}

std::string Fact(const std::string& label, const std::string& value) {
  return "<li>" + label + "<b>" + value + "</b></li>";
}

std::string BandLegend(const ContestHours& hours, const std::vector<size_t>& counted) {
  std::string html = "<ul class=\"legend\">";
  for (const size_t b : counted) {
    html += "<li><span class=\"swatch " + BandClass(hours.bands[b]) + "\"></span>" +
            Escaped(hours.bands[b]) + "</li>";
  }
  return html + "</ul>";
}

std::string LogQsoText(const LogQso& qso) {
  return FormatDate(qso.time, "%Y-%m-%d %H%M") + ' ' + qso.call + ' ' + qso.band + ' ' + qso.mode +
         " sent " + qso.sentExchange + " received " + qso.receivedExchange +
         (qso.receivedArea.empty() ? "" : " " + qso.receivedArea);
}

// The QSO the log file has on a line.
std::string QsoAt(const LogFile& log, int line) {
  const auto found = std::lower_bound(log.qsos.begin(), log.qsos.end(), line,
                                      [](const LogQso& qso, int at) { return qso.line < at; });
  return found != log.qsos.end() && found->line == line ? LogQsoText(*found) : std::string();
}

std::string LeftOutHtml(const std::vector<LeftOutGroup>& leftOut) {
  std::string html = "<div class=\"left-out\">";
  if (leftOut.empty()) html += "<p>Every QSO of the log was handed over and counted.</p>";
  for (const LeftOutGroup& group : leftOut) {
    html += "<div class=\"reason\" data-count=\"" + Count(group.lines.size()) + "\"><h3>" +
            Escaped(group.reason) + " (" + Count(group.lines.size()) + ")</h3><ul>";
    for (const LogProblem& line : group.lines) {
      html += "<li><span class=\"line\">" +
              (line.line > 0 ? "line " + Number(line.line) : std::string("the log")) + "</span> " +
              Escaped(line.what) + (line.detail.empty() ? "" : " (" + Escaped(line.detail) + ")") +
              "</li>";
    }
    html += "</ul></div>";
  }
  return html + "</div>";
}

// What the adjudicator will find, first the counts by kind, then each finding with its
// lines.
std::string FindingsHtml(const LogCheck& check) {
  std::string counts;
  for (int kind = 0; kind < kFindingKinds; ++kind) {
    if (check.counts[kind] == 0) continue;
    counts += (counts.empty() ? "" : ", ") + Number(check.counts[kind]) + ' ' +
              KindName(static_cast<FindingKind>(kind), check.counts[kind]);
  }
  std::string html = "<div id=\"findings\" data-count=\"" + Count(check.findings.size()) +
                     "\"><h3>Findings (" + Count(check.findings.size()) + ")</h3><p>" +
                     (counts.empty() ? "Nothing found." : Escaped(counts)) +
                     "</p><ul class=\"findings\">";
  for (const Finding& finding : check.findings) {
    html += "<li>" + Escaped(FindingLine(finding)) + "</li>";
  }
  return html + "</ul></div>\n";
}

// The on-time and the breaks as the check counts them, and the band changes.
std::string OperatingTimeHtml(const OperatingTime& time, int bandChanges) {
  std::string html =
      "<ul class=\"facts\" id=\"operating\" data-on-minutes=\"" + Number(time.onMinutes) + "\">" +
      Fact("On-time", Duration(time.onMinutes)) + Fact("Off-time", Duration(time.off.minutes)) +
      Fact("Band changes", Number(bandChanges)) + "</ul><p>Breaks of 60 minutes or more:";
  for (const OffTime& off : time.off.breaks) {
    html += ' ' + HourAndMinute(off.from) + '-' + HourAndMinute(off.to) + " (" +
            Duration(off.minutes) + ')';
  }
  return html + (time.off.breaks.empty() ? " none.</p>" : ".</p>");
}

}  // namespace

std::vector<LeftOutGroup> LeftOutGroups(const LogFile& log, const ReplayResult& result,
                                        const ContestHours& hours) {
  std::vector<LeftOutGroup> groups;
  for (const ReasonCount& reason : result.reasons) {
    LeftOutGroup group{reason.what, {}};
    for (const int line : reason.lines) group.lines.push_back({line, QsoAt(log, line)});
    groups.push_back(std::move(group));
  }
  LeftOutGroup areas{"received area codes the plug-in does not accept: no area multiplier", {}};
  for (const HostQso& qso : hours.areaWarnings) {
    areas.lines.push_back({qso.line, QsoAt(log, qso.line)});
  }
  groups.push_back(std::move(areas));
  groups.push_back({"Left out or noted by the tool", result.warnings});
  groups.push_back({"Records skipped when the log was read", log.problems});
  groups.erase(std::remove_if(groups.begin(), groups.end(),
                              [](const LeftOutGroup& group) { return group.lines.empty(); }),
               groups.end());
  return groups;
}

std::string HtmlPage(const std::string& logName, const std::string& report,
                     const ContestHours& hours, const LogCheck& check,
                     const std::vector<LeftOutGroup>& leftOut) {
  const ReplayStation& station = hours.station;
  const std::string leg = station.cwLeg ? "CW" : "SSB";
  const ReportTable& whole = hours.whole;
  const std::vector<size_t> counted = CountedBands(hours);
  std::string html;
  html.reserve(256 * 1024);
  html += kPageStart;
  html +=
      "<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<title>" +
      Escaped(station.ownCall) + ": UK/EI DX Contest " + leg + "</title>\n<style>" + kStyle +
      "</style></head>\n<body>\n<h1>" + Escaped(station.ownCall) + ": UK/EI DX Contest, " + leg +
      " leg</h1>\n" + std::string(kLogLineStart) + Escaped(logName) +
      std::string(kLogLineSeparator) + FormatDate(station.contestStart, "%Y-%m-%d %H%M") + " to " +
      FormatDate(station.contestEnd, "%Y-%m-%d %H%M") + " UTC" +
      (station.areaCode.empty() ? "" : " &middot; area " + Escaped(station.areaCode)) +
      "</p>\n<ul class=\"facts\">" + Fact("Claimed score", Number(whole.score)) +
      Fact("QSOs", Number(whole.total.qsos)) + Fact("Points", Number(whole.total.points)) +
      Fact("DXCC", Number(whole.total.dxcc)) + Fact("Areas", Number(whole.total.areas)) +
      Fact("On-time", Duration(check.time.onMinutes)) +
      "</ul>\n<h2 id=\"check\">Before you submit</h2>\n" + FindingsHtml(check) +
      LeftOutHtml(leftOut) + "\n<h2>Charts</h2>\n<div class=\"charts\">\n<figure>" +
      QsoChart(hours) + "<figcaption>QSOs per hour, stacked by band</figcaption>" +
      BandLegend(hours, counted) + "</figure>\n<figure>" + ScoreChart(hours) +
      "<figcaption>Claimed score at each hour's end</figcaption><ul class=\"legend\">"
      "<li><span class=\"swatch score\"></span>score</li>" +
      (AnyBonusHour(hours)
           ? "<li><span class=\"swatch bonus-band\"></span>bonus hours: QSOs score double</li>"
           : "") +
      "</ul></figure>\n<figure>" + MultiplierChart(hours, counted) +
      "<figcaption>Multipliers per band</figcaption><ul class=\"legend\"><li><span "
      "class=\"swatch dxcc\"></span>DXCC</li><li><span class=\"swatch area\"></span>areas"
      "</li></ul></figure>\n</div>\n<h2>Operating time</h2>\n" +
      OperatingTimeHtml(check.time, hours.bandChanges) + "\n<figure>" +
      Timeline(hours, check.time.off.breaks) + BandLegend(hours, counted) +
      "</figure>\n<h2>Where the points came from</h2>\n" + PointsTable(hours, counted) +
      "\n<h2>Multipliers worked and missed</h2>\n<h3>Areas</h3>\n" + AreaGrids(hours, counted) +
      "\n<h3>DXCC by continent</h3>\n" + DxccGrid(hours, counted) + "\n<h2>Hour by hour</h2>\n" +
      HourTableHtml(hours, counted) + "\n<p class=\"note\">" + Escaped(BestRates(hours)) +
      "</p>\n<h2>The plug-in's report</h2>\n<pre id=\"report\">" + Escaped(report) +
      "</pre>\n</body></html>\n";
  return html;
}

bool IsPageOfLog(const std::string& bytes, const std::string& logFileName) {
  if (bytes.compare(0, kPageStart.size(), kPageStart) != 0) return false;
  const size_t start = bytes.find(kLogLineStart);
  if (start == std::string::npos) return false;
  const size_t nameStart = start + kLogLineStart.size();
  const size_t end = bytes.find(kLogLineSeparator, nameStart);
  const size_t newline = bytes.find('\n', nameStart);
  if (end == std::string::npos || end > newline) return false;
  const std::string logName = bytes.substr(nameStart, end - nameStart);
  const size_t folderEnd = logName.find_last_of("/\\");
  return logName.substr(folderEnd == std::string::npos ? 0 : folderEnd + 1) == Escaped(logFileName);
}

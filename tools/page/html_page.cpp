#include "tools/page/html_page.h"

#include <algorithm>
#include <string_view>

namespace {

// Chart geometry in CSS pixels; the charts scale down to the page's width.
constexpr int kLeft = 48;  // room for the axis labels
constexpr int kRight = 8;
constexpr int kTop = 12;
constexpr int kBottom = 24;  // room for the hour or band labels
constexpr int kPlotHeight = 180;
constexpr int kHourStep = 26;  // one hour's bar and the gap after it
constexpr int kHourBar = 20;
constexpr int kBandStep = 64;  // a band's two multiplier bars and the gap after them
constexpr int kMultiplierBar = 24;
constexpr int kBandColours = 8;  // colour classes band-0 ... band-7, then again

// How every page starts, and the line that names its log.
constexpr std::string_view kPageStart = "<!DOCTYPE html>\n<html lang=\"en\"><head>";
constexpr std::string_view kLogLineStart = "<p class=\"meta\">";
constexpr std::string_view kLogLineSeparator = " &middot; ";

constexpr const char* kStyle = R"(
:root{color-scheme:light dark;--bg:#fff;--fg:#1f2328;--muted:#59636e;--line:#d1d9e0;
--bonus:#fff1c7;--score:#0969da;--dxcc:#8250df;--area:#1a7f37;
--b0:#0969da;--b1:#bf3989;--b2:#1a7f37;--b3:#bc4c00;--b4:#8250df;--b5:#9a6700;
--b6:#0a7e8c;--b7:#6e7781}
@media (prefers-color-scheme:dark){:root{--bg:#0d1117;--fg:#e6edf3;--muted:#9198a1;
--line:#3d444d;--bonus:#3a2d0c;--score:#4493f8;--dxcc:#ab7df8;--area:#3fb950;
--b0:#4493f8;--b1:#f778ba;--b2:#3fb950;--b3:#f0883e;--b4:#ab7df8;--b5:#d29922;
--b6:#39c5cf;--b7:#9198a1}}
*{box-sizing:border-box}
body{margin:0 auto;max-width:1200px;padding:16px;background:var(--bg);color:var(--fg);
font:15px/1.45 system-ui,-apple-system,"Segoe UI",Roboto,sans-serif}
h1{font-size:1.5em;margin:0 0 4px}h2{font-size:1.2em;margin:28px 0 8px;
border-bottom:1px solid var(--line)}h3{font-size:1em;margin:16px 0 4px}
.meta,.note,figcaption{color:var(--muted)}
.facts{display:flex;flex-wrap:wrap;gap:8px 24px;margin:12px 0;padding:0}
.facts li{list-style:none}.facts b{display:block;font-size:1.4em}
pre{font:13px/1.35 ui-monospace,Menlo,Consolas,monospace;tab-size:8;overflow-x:auto;
padding:8px;border:1px solid var(--line)}
.scroll{overflow-x:auto}
table{border-collapse:collapse;font-variant-numeric:tabular-nums;font-size:14px}
th,td{padding:2px 8px;text-align:right;border-bottom:1px solid var(--line)}
th:first-child,td:first-child{text-align:left}
tr.bonus td{background:var(--bonus)}tfoot td{font-weight:bold}
.charts{display:flex;flex-wrap:wrap;gap:16px}
figure{margin:0;flex:1 1 560px;max-width:100%}figure.narrow{flex:0 1 420px}
svg{display:block;width:100%;height:auto;font:11px system-ui,sans-serif}
svg text{fill:var(--muted)}svg .axis{stroke:var(--line)}
.bonus-band{fill:var(--bonus)}.score{fill:var(--score)}.dxcc{fill:var(--dxcc)}
.area{fill:var(--area)}
.band-0{fill:var(--b0);background:var(--b0)}.band-1{fill:var(--b1);background:var(--b1)}
.band-2{fill:var(--b2);background:var(--b2)}.band-3{fill:var(--b3);background:var(--b3)}
.band-4{fill:var(--b4);background:var(--b4)}.band-5{fill:var(--b5);background:var(--b5)}
.band-6{fill:var(--b6);background:var(--b6)}.band-7{fill:var(--b7);background:var(--b7)}
.legend{display:flex;flex-wrap:wrap;gap:4px 16px;margin:4px 0;padding:0;font-size:13px}
.legend li{list-style:none}.swatch{display:inline-block;width:10px;height:10px;
margin-right:4px}.swatch.dxcc{background:var(--dxcc)}.swatch.area{background:var(--area)}
.swatch.bonus-band{background:var(--bonus);outline:1px solid var(--line)}
.left-out ul{margin:0;padding-left:20px;font-size:13px}
.left-out .line{color:var(--muted);display:inline-block;min-width:6em}
@media (max-width:600px){body{padding:8px;font-size:14px}pre{font-size:11px}}
@page{size:A4;margin:14mm}
@media print{:root{--bg:#fff;--fg:#000;--muted:#444;--line:#bbb;--bonus:#fff1c7}
body{max-width:none;padding:0;font-size:10pt}pre,.scroll{overflow:visible}
pre{font-size:8pt;white-space:pre-wrap}table{font-size:8pt}
figure,tr,.left-out li{break-inside:avoid}h2{break-after:avoid}}
)";

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

// An axis label short enough for the room left of the chart: "2.5M", "500k", "50".
std::string AxisLabel(long long value) {
  for (const auto& [unit, suffix] : {std::pair{1000000LL, "M"}, std::pair{1000LL, "k"}}) {
    if (value < unit) continue;
    const long long tenths = value % unit * 10 / unit;
    return Number(value / unit) + (tenths != 0 ? "." + Number(tenths) : "") + suffix;
  }
  return Number(value);
}

std::string BandClass(size_t band) {
  return "band-" + Number(static_cast<long long>(band % kBandColours));
}

// The smallest of 1, 2, 5 times a power of ten not below `value`: the axis's top.
long long AxisTop(long long value) {
  for (long long power = 1;; power *= 10) {
    for (const long long step : {1, 2, 5}) {
      if (step * power >= value) return step * power;
    }
  }
}

// How high a value stands above the axis, in whole pixels.
long long Height(long long value, long long top) {
  return value * kPlotHeight / top;
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

// The chart's frame: the svg element with its size, the value axis with three lines and
// labels, and the labels under the bars.
class Chart {
 public:
  Chart(const std::string& id, int bars, int width, long long top, const std::string& label)
      : top_(top) {
    const int height = kTop + kPlotHeight + kBottom;
    svg_ = "<svg id=\"" + id + "\" data-bars=\"" + Number(bars) + "\" data-top=\"" + Number(top) +
           "\" width=\"" + Number(width) + "\" height=\"" + Number(height) + "\" viewBox=\"0 0 " +
           Number(width) + ' ' + Number(height) + "\" role=\"img\" aria-label=\"" + Escaped(label) +
           "\">";
    for (const long long value : {0LL, top / 2, top}) {
      const long long y = Baseline() - Height(value, top);
      svg_ += "<line class=\"axis\" x1=\"" + Number(kLeft) + "\" x2=\"" + Number(width - kRight) +
              "\" y1=\"" + Number(y) + "\" y2=\"" + Number(y) + "\"/>" +
              Text(kLeft - 4, y + 4, "end", AxisLabel(value));
    }
  }
  static int Baseline() { return kTop + kPlotHeight; }
  long long top() const { return top_; }
  void Add(const std::string& element) { svg_ += element; }
  void Label(long long x, const std::string& text) {
    svg_ += Text(x, Baseline() + 16, "middle", text);
  }
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
void LabelHours(Chart& chart, const ContestHours& hours) {
  for (size_t hour = 0; hour < hours.hours.size(); hour += 3) {
    chart.Label(HourX(hour) + kHourBar / 2, HourLabel(hours.hours[hour]).substr(0, 2));
  }
}

std::string QsoChart(const ContestHours& hours) {
  int most = 0;
  for (const ContestHour& hour : hours.hours) most = std::max(most, hour.qsos);
  Chart chart("qsos-per-hour", static_cast<int>(hours.hours.size()), HourChartWidth(),
              AxisTop(std::max(most, 1)), "QSOs per hour, stacked by band");
  for (size_t h = 0; h < hours.hours.size(); ++h) {
    const ContestHour& hour = hours.hours[h];
    chart.Add("<g class=\"bar\" data-hour=\"" + HourLabel(hour) + "\" data-qsos=\"" +
              Number(hour.qsos) + "\" data-height=\"" + Number(Height(hour.qsos, chart.top())) +
              "\">");
    // Each band's part runs between the heights of the sums below and with it, so that
    // the parts add up to the bar's height exactly.
    long long below = 0;
    for (size_t b = 0; b < hour.qsosByBand.size(); ++b) {
      if (hour.qsosByBand[b] == 0) continue;
      const long long with = below + hour.qsosByBand[b];
      const long long bottom = Height(below, chart.top());
      const long long height = Height(with, chart.top()) - bottom;
      chart.Add(Rect(
          HourX(h), Chart::Baseline() - bottom - height, kHourBar, height, BandClass(b),
          HourLabel(hour) + ' ' + hours.bands[b] + ": " + Number(hour.qsosByBand[b]) + " QSOs"));
      below = with;
    }
    chart.Add("</g>");
  }
  LabelHours(chart, hours);
  return chart.Done();
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
  LabelHours(chart, hours);
  return chart.Done();
}

std::string MultiplierChart(const ContestHours& hours) {
  const std::vector<ReportRow>& bands = hours.whole.bands;
  int most = 0;
  for (const ReportRow& band : bands) most = std::max({most, band.dxcc, band.areas});
  const int width = kLeft + static_cast<int>(bands.size()) * kBandStep + kRight;
  Chart chart("multipliers-per-band", static_cast<int>(2 * bands.size()), width,
              AxisTop(std::max(most, 1)), "Multipliers per band: DXCC and areas");
  for (size_t b = 0; b < bands.size(); ++b) {
    const long long x =
        kLeft + static_cast<long long>(b) * kBandStep + (kBandStep - 2 * kMultiplierBar) / 2;
    const std::pair<int, const char*> kinds[] = {{bands[b].dxcc, "dxcc"}, {bands[b].areas, "area"}};
    for (int k = 0; k < 2; ++k) {
      const long long height = Height(kinds[k].first, chart.top());
      chart.Add(
          "<g class=\"bar\" data-band=\"" + Escaped(bands[b].band) + "\" data-" + kinds[k].second +
          "=\"" + Number(kinds[k].first) + "\" data-height=\"" + Number(height) + "\">" +
          Rect(x + k * kMultiplierBar, Chart::Baseline() - height, kMultiplierBar, height,
               kinds[k].second,
               bands[b].band + ": " + Number(kinds[k].first) + (k == 0 ? " DXCC" : " areas")) +
          "</g>");
    }
    chart.Label(x + kMultiplierBar, bands[b].band);
  }
  return chart.Done();
}

std::string Cell(const std::string& text) {
  return "<td>" + text + "</td>";
}

std::string HourTableHtml(const ContestHours& hours) {
  std::string html = "<div class=\"scroll\"><table id=\"hours\"><thead><tr><th>Hour</th>";
  for (const std::string& band : hours.bands) html += "<th>" + Escaped(band) + "</th>";
  html +=
      "<th>QSOs</th><th>Points</th><th>DXCC</th><th>Area</th><th>Score</th></tr></thead><tbody>";
  for (const ContestHour& hour : hours.hours) {
    html += hour.bonus ? "<tr class=\"bonus\">" : "<tr>";
    html += Cell(HourLabel(hour) + (hour.bonus ? "*" : ""));
    for (const int qsos : hour.qsosByBand) html += Cell(Number(qsos));
    html += Cell(Number(hour.qsos)) + Cell(Number(hour.points)) + Cell(Number(hour.newDxcc)) +
            Cell(Number(hour.newAreas)) + Cell(Number(hour.score)) + "</tr>";
  }
  const ReportTable& whole = hours.whole;
  html += "</tbody><tfoot><tr data-qsos=\"" + Number(whole.total.qsos) + "\" data-points=\"" +
          Number(whole.total.points) + "\" data-dxcc=\"" + Number(whole.total.dxcc) +
          "\" data-areas=\"" + Number(whole.total.areas) + "\" data-score=\"" +
          Number(whole.score) + "\"><td>Total</td>";
  for (const ReportRow& band : whole.bands) html += Cell(Number(band.qsos));
  html += Cell(Number(whole.total.qsos)) + Cell(Number(whole.total.points)) +
          Cell(Number(whole.total.dxcc)) + Cell(Number(whole.total.areas)) +
          Cell(Number(whole.score)) + "</tr></tfoot></table></div>";
  return html;
}

std::string Fact(const std::string& label, const std::string& value) {
  return "<li>" + label + "<b>" + value + "</b></li>";
}

std::string QsoText(const HostQso& qso) {
  return FormatDate(qso.time, "%Y-%m-%d %H%M") + ' ' + qso.call + ' ' + qso.band + ' ' + qso.mode +
         " sent " + qso.sentNumber + " received " + qso.exchange;
}

}  // namespace

std::vector<LeftOutGroup> LeftOutGroups(const LogFile& log, const ReplayResult& result,
                                        const ContestHours& hours) {
  std::vector<LeftOutGroup> groups;
  LeftOutGroup refused{"Refused by the plug-in: band, mode or numbers not of the contest", {}};
  for (const HostQso& qso : hours.refused) refused.lines.push_back({qso.line, QsoText(qso)});
  std::stable_sort(refused.lines.begin(), refused.lines.end(),
                   [](const LogProblem& a, const LogProblem& b) { return a.line < b.line; });
  groups.push_back(std::move(refused));
  groups.push_back({"Left out or noted by the tool", result.warnings});
  groups.push_back({"Records skipped when the log was read", log.problems});
  groups.erase(std::remove_if(groups.begin(), groups.end(),
                              [](const LeftOutGroup& group) { return group.lines.empty(); }),
               groups.end());
  return groups;
}

std::string HtmlPage(const std::string& logName, const std::string& report,
                     const ContestHours& hours, const std::vector<LeftOutGroup>& leftOut) {
  const ReplayStation& station = hours.station;
  const std::string leg = station.cwLeg ? "CW" : "SSB";
  const ReportTable& whole = hours.whole;
  std::string html;
  html.reserve(64 * 1024);
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
      "</ul>\n<h2>Charts</h2>\n<div class=\"charts\">\n<figure>" + QsoChart(hours) +
      "<figcaption>QSOs per hour, stacked by band</figcaption><ul class=\"legend\">";
  for (size_t b = 0; b < hours.bands.size(); ++b) {
    html += "<li><span class=\"swatch " + BandClass(b) + "\"></span>" + Escaped(hours.bands[b]) +
            "</li>";
  }
  html += "</ul></figure>\n<figure>" + ScoreChart(hours) +
          "<figcaption>Claimed score at each hour's end</figcaption><ul class=\"legend\">"
          "<li><span class=\"swatch bonus-band\"></span>bonus hours: QSOs score double</li>"
          "</ul></figure>\n<figure class=\"narrow\">" +
          MultiplierChart(hours) +
          "<figcaption>Multipliers per band</figcaption><ul class=\"legend\"><li><span "
          "class=\"swatch dxcc\"></span>DXCC</li><li><span class=\"swatch area\"></span>areas"
          "</li></ul></figure>\n</div>\n<h2>Hour by hour</h2>\n" +
          HourTableHtml(hours) + "\n<p class=\"note\">" + Escaped(RatesLine(hours)) +
          "</p>\n<h2>The plug-in's report</h2>\n<pre id=\"report\">" + Escaped(report) +
          "</pre>\n<h2>Not scored</h2>\n<div class=\"left-out\">";
  if (leftOut.empty()) html += "<p>Every QSO of the log was handed over and taken.</p>";
  for (const LeftOutGroup& group : leftOut) {
    html += "<h3>" + Escaped(group.reason) + " (" +
            Number(static_cast<long long>(group.lines.size())) + ")</h3><ul>";
    for (const LogProblem& line : group.lines) {
      html += "<li><span class=\"line\">" +
              (line.line > 0 ? "line " + Number(line.line) : std::string("the log")) + "</span> " +
              Escaped(line.what) + "</li>";
    }
    html += "</ul>";
  }
  html += "</div>\n</body></html>\n";
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

#include "tools/hours/contest_hours.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "contest/contest_rules.h"
#include "platform/ascii_text.h"
#include "platform/text_format.h"
#include "reports/report.h"

namespace {

constexpr int kContestHours = 24;
constexpr long long kSecondsPerHour = 3600;
constexpr int kOffTimeMinutes = 30;

std::vector<std::string> ReportLines(const std::string& report) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = report.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(report.substr(start, end - start));
  }
  lines.push_back(report.substr(start));
  return lines;
}

// "20m\t 12\t 34\t 5\t 6": the band text may hold anything, so the numbers are read from
// the end.
ReportRow ReadRow(const std::string& line) {
  ReportRow row;
  int* const fields[] = {&row.qsos, &row.points, &row.dxcc, &row.areas};
  size_t end = line.size();
  for (int field = 3; field >= 0; --field) {
    const size_t at = line.rfind("\t ", end == 0 ? 0 : end - 1);
    if (at == std::string::npos) throw ReplayError("the report has a malformed line: " + line);
    *fields[field] = std::atoi(line.c_str() + at + 2);
    end = at;
  }
  row.band = line.substr(0, end);
  return row;
}

ReportTable Report(const StatsLibrary& stats) {
  int status = 0;
  const char* text = stats.GetResult0(&status);
  return ReadReportTable(text ? text : "");
}

const ReportRow* RowOf(const ReportTable& table, const std::string& band) {
  for (const ReportRow& row : table.bands) {
    if (row.band == band) return &row;
  }
  return nullptr;
}

// The most QSOs within `seconds` of a QSO, the earliest of equals.
BestRate BusiestStretch(const std::vector<long long>& times, long long seconds) {
  BestRate best;
  size_t end = 0;
  for (size_t first = 0; first < times.size(); ++first) {
    while (end < times.size() && times[end] < times[first] + seconds) ++end;
    const int qsos = static_cast<int>(end - first);
    if (qsos > best.qsos) best = {qsos, AtSeconds(times[first])};
  }
  return best;
}

CountedQso Counted(const HostQso& qso, const Station& station) {
  CountedQso counted{WholeSeconds(qso.time), qso.band, qso.worked.prefix,
                     qso.worked.continent,   {},       0};
  const std::string area = ReceivedAreaCode(qso);
  if (IsUkEiPrefix(qso.worked.prefix) && IsValidAreaCode(area)) {
    counted.area = AreaDistrict(area);
  }
  CInfo record;
  record.prefix = qso.worked.prefix;
  record.continent = qso.worked.continent;
  record.band = qso.band;
  record.time = qso.time;
  counted.points = QsoPoints(record, station);
  return counted;
}

}  // namespace

ReportTable ReadReportTable(const std::string& report) {
  ReportTable table;
  const std::vector<std::string> lines = ReportLines(report);
  auto line = std::find_if(lines.begin(), lines.end(),
                           [](const std::string& text) { return text.rfind("Band\t", 0) == 0; });
  if (line == lines.end()) throw ReplayError("the report has no band table");
  for (++line; line != lines.end() && line->rfind("Total\t", 0) != 0; ++line) {
    table.bands.push_back(ReadRow(*line));
  }
  if (line == lines.end()) throw ReplayError("the report has no Total line");
  table.total = ReadRow(*line);
  const auto score = std::find_if(line, lines.end(), [](const std::string& text) {
    return text.rfind("Score: ", 0) == 0 && text.find(" = ") != std::string::npos;
  });
  if (score == lines.end()) throw ReplayError("the report has no score");
  table.score = std::atoll(score->c_str() + score->find(" = ") + 3);
  return table;
}

ContestHours PlayHours(const StatsLibrary& stats, const ReplayResult& plan,
                       const ReplayOptions& options) {
  const std::vector<HostQso>& qsos = plan.handed;
  ContestHours hours;
  hours.station = plan.station;
  WriteSettings(hours.station, options);
  ResetFor(stats, hours.station, false);

  const bool ukEiStation = IsUkEiPrefix(hours.station.placement.prefix);
  Station scoring;
  scoring.isUkEiStation = ukEiStation ? 1 : 0;
  scoring.ownContinent = hours.station.placement.continent;
  StoredQsos stored(qsos.size());
  std::vector<long long> countedTimes;
  const std::string* lastBand = nullptr;
  size_t next = 0;
  auto handUntil = [&](long long end) {
    for (; next < qsos.size() && WholeSeconds(qsos[next].time) < end; ++next) {
      const HostQso& qso = qsos[next];
      if (AddQso(stats, qso) == 0) {
        hours.refused.push_back(qso);
        continue;
      }
      if (HasAreaWarning(qso)) hours.areaWarnings.push_back(qso);
      hours.bandChanges += lastBand != nullptr && *lastBand != qso.band ? 1 : 0;
      lastBand = &qso.band;
      if (!stored.StoreIsDupe(qso)) {
        countedTimes.push_back(WholeSeconds(qso.time));
        hours.counted.push_back(Counted(qso, scoring));
      }
    }
  };

  const long long start = WholeSeconds(hours.station.contestStart);
  handUntil(start);
  std::vector<ReportTable> ends{Report(stats)};  // before the first hour, then at each end
  for (int hour = 0; hour < kContestHours; ++hour) {
    handUntil(start + (hour + 1) * kSecondsPerHour);
    ends.push_back(Report(stats));
  }
  handUntil(LLONG_MAX);
  hours.whole = Report(stats);

  for (const ReportRow& row : hours.whole.bands) hours.bands.push_back(row.band);
  int qsosInHours = 0;
  for (int hour = 0; hour < kContestHours; ++hour) {
    const ReportTable& before = ends[hour];
    const ReportTable& after = ends[hour + 1];
    ContestHour row;
    row.start = AtSeconds(start + hour * kSecondsPerHour);
    row.bonus = ukEiStation && IsBonusHour(HourOfDay(row.start));
    for (const std::string& band : hours.bands) {
      const ReportRow* was = RowOf(before, band);
      const ReportRow* is = RowOf(after, band);
      row.qsosByBand.push_back((is ? is->qsos : 0) - (was ? was->qsos : 0));
    }
    row.qsos = after.total.qsos - before.total.qsos;
    row.points = after.total.points - before.total.points;
    row.newDxcc = after.total.dxcc - before.total.dxcc;
    row.newAreas = after.total.areas - before.total.areas;
    row.qsosSoFar = after.total.qsos;
    row.multipliersSoFar = after.total.dxcc + after.total.areas;
    row.score = after.score;
    qsosInHours += row.qsos;
    hours.hours.push_back(std::move(row));
  }
  hours.outsideHours = hours.whole.total.qsos - qsosInHours;
  hours.best60 = BusiestStretch(countedTimes, 60 * 60);
  hours.best10 = BusiestStretch(countedTimes, 10 * 60);
  OffTimes off =
      FindOffTimes(countedTimes, start, start + kContestHours * kSecondsPerHour, kOffTimeMinutes);
  hours.offTimes = std::move(off.breaks);
  hours.offMinutes = off.minutes;
  return hours;
}

std::string BestRates(const ContestHours& hours) {
  if (hours.best60.qsos == 0) return "No QSO counted: no rates";
  return "Best 60 minutes: " + Counted(hours.best60.qsos, "QSO") + " from " +
         HourAndMinute(hours.best60.from) +
         "; best 10 minutes: " + Counted(hours.best10.qsos, "QSO") + " (" +
         std::to_string(6 * hours.best10.qsos) + "/hour) from " + HourAndMinute(hours.best10.from);
}

std::string RatesLine(const ContestHours& hours) {
  if (hours.best60.qsos == 0) return "No QSO counted: no rates, no off-times";
  std::string text = BestRates(hours) + "; off-times:";
  for (const OffTime& off : hours.offTimes) {
    text += ' ' + HourAndMinute(off.from) + '-' + HourAndMinute(off.to) + " (" +
            Duration(off.minutes) + ')';
  }
  return text + (hours.offTimes.empty() ? " none" : ", " + Duration(hours.offMinutes) + " in all");
}

std::string HourTable(const ContestHours& hours) {
  std::vector<int> widths;
  for (const std::string& band : hours.bands) {
    widths.push_back(std::max<int>(5, static_cast<int>(band.size())) + 1);
  }
  std::string text = "Hour  ";
  for (size_t b = 0; b < hours.bands.size(); ++b) {
    text += std::string(widths[b] - hours.bands[b].size(), ' ') + hours.bands[b];
  }
  text += "  QSOs Points  DXCC  Area       Score\n";
  auto numbers = [&](const std::vector<int>& byBand, int qsos, int points, int dxcc, int areas,
                     long long score) {
    for (size_t b = 0; b < byBand.size(); ++b) {
      text += Formatted("%*d", widths[b], byBand[b]);
    }
    text += Formatted("%6d%7d%6d%6d%12lld\n", qsos, points, dxcc, areas, score);
  };
  bool anyBonus = false;
  for (const ContestHour& hour : hours.hours) {
    text += HourAndMinute(hour.start) + (hour.bonus ? "* " : "  ");
    anyBonus = anyBonus || hour.bonus;
    numbers(hour.qsosByBand, hour.qsos, hour.points, hour.newDxcc, hour.newAreas, hour.score);
  }
  const ReportTable& whole = hours.whole;
  std::vector<int> bandTotals;
  for (const ReportRow& row : whole.bands) bandTotals.push_back(row.qsos);
  text += "Total ";
  numbers(bandTotals, whole.total.qsos, whole.total.points, whole.total.dxcc, whole.total.areas,
          whole.score);
  if (anyBonus) text += "* bonus hour: the station's QSOs score double\n";
  if (hours.outsideHours != 0) {
    text += Counted(hours.outsideHours, "QSO") +
            " from outside the 24 hours counted in the totals only\n";
  }
  return text + RatesLine(hours) + '\n';
}

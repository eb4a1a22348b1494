// The statistics report, made from the log in one pass.

#include "reports/report.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "platform/text_format.h"

namespace {

struct BandRow {
  int qsos = 0, points = 0, dxcc = 0, areas = 0;
};

struct RateWindow {
  int qsos = 0, points = 0;
  void Add(int qsoPoints) {
    ++qsos;
    points += qsoPoints;
  }
};

struct Tally {
  std::vector<BandRow> rows;  // one per entry of bandsSeen, in report order
  RateWindow lastHour, lastTenMinutes;
  int lastQsoPoints = 0;  // of the counted QSO that stands last in the log
};

// The band slot whose worked lists a row feeds: the band of the same name, also in another
// letter case for a contest band ("20M"); none for any other text.
int SlotFedBy(std::string_view band) {
  const int exact = BandSlotExact(band);
  if (exact >= 0 || !bandRules.ContainsNoCase(band)) return exact;
  return BandSlotNoCase(band);
}

// An invalid time is in no hour of the day.
int TimeOfDayFactor(const OleDate& time) {
  return IsBonusHour(HourOfDay(time)) ? 2 : 1;
}

// QSOs on 80m and 40m score double.
int BandFactor(std::string_view band) {
  return band == "80m" || band == "40m" ? 2 : 1;
}

// The points of a QSO by the classes and continents of the two stations.
int BasePoints(const CInfo& qso, const Station& station) {
  if (station.isUkEiStation == 1) {
    return (qso.continent == station.ownContinent ? 2 : 4) * TimeOfDayFactor(qso.time);
  }
  if (station.ownContinent == "EU")
    return IsUkEiPrefix(qso.prefix) ? 2 : qso.continent == "EU" ? 1 : 2;
  return IsUkEiPrefix(qso.prefix) ? 4 : qso.continent == "EU" ? 2 : 1;
}

// A date as a point on one time line: before 30 December 1899 the day count runs backwards
// but its fraction forwards.
double TimeLineDays(double dt) {
  const double wholeDays = std::trunc(dt);
  return dt >= 0 ? dt : wholeDays - (dt - wholeDays);
}

// Whole minutes from `time` to `reference` (negative when `time` is later), rounded to the
// nearest second first and then truncated; empty when either date is not a valid one.
std::optional<double> MinutesBefore(const OleDate& reference, const OleDate& time) {
  if (reference.m_status != OleDate::kValid || time.m_status != OleDate::kValid) {
    return std::nullopt;
  }
  constexpr double kHalfSecond = 0.5 / 86400.0;
  const double days = TimeLineDays(reference.m_dt) - TimeLineDays(time.m_dt);
  return std::trunc((days + (days < 0 ? -kHalfSecond : kHalfSecond)) * 1440.0);
}

// One pass over the log: counted QSOs (not dupes, call not empty) are tallied on the row of
// their band text, and their prefixes and area districts go, once each and in log order, to
// the row's multipliers and to the worked lists of the slot the row feeds.
Tally TallyLog(const Station& station, const QsoLog& qsoList, const std::vector<std::string>& bands,
               WorkedLists& worked) {
  const size_t rowCount = bands.size();
  Tally tally;
  tally.rows.resize(rowCount);
  std::unordered_map<std::string_view, size_t> rowOfBand;
  std::vector<int> slotOfRow(rowCount);
  for (size_t row = 0; row < rowCount; ++row) {
    rowOfBand.emplace(bands[row], row);
    slotOfRow[row] = SlotFedBy(bands[row]);
    if (slotOfRow[row] >= 0) {
      worked.workedDxccByBand[slotOfRow[row]].clear();
      worked.workedAreasByBand[slotOfRow[row]].clear();
    }
  }
  std::vector<std::unordered_set<std::string_view>> rowPrefixes(rowCount), rowAreas(rowCount);
  std::array<std::unordered_set<std::string_view>, kBandSlots> slotPrefixes, slotAreas;

  const std::vector<CInfo>& log = qsoList.records();
  const bool withRates = station.cabrilloRequested == 0;
  const OleDate reference = log.empty() ? OleDate{} : log.back().time;
  std::string_view lastBand;
  size_t row = rowCount;
  for (const CInfo& qso : log) {
    if (qso.call.empty() || qso.isDupe != 0) continue;
    if (row == rowCount || qso.band != lastBand) {
      const auto found = rowOfBand.find(qso.band);
      row = found == rowOfBand.end() ? rowCount : found->second;
      lastBand = qso.band;
    }
    if (row == rowCount) continue;

    BandRow& counts = tally.rows[row];
    const int points = QsoPoints(qso, station);
    ++counts.qsos;
    counts.points += points;
    tally.lastQsoPoints = points;
    if (withRates) {
      const std::optional<double> minutes = MinutesBefore(reference, qso.time);
      if (minutes && *minutes < 60) tally.lastHour.Add(points);
      if (minutes && *minutes < 10) tally.lastTenMinutes.Add(points);
    }

    // A call the country file could not place has no prefix: it scores, but is no DXCC.
    const int slot = slotOfRow[row];
    if (!qso.prefix.empty() && rowPrefixes[row].insert(qso.prefix).second) {
      ++counts.dxcc;
      if (slot >= 0 && slotPrefixes[slot].insert(qso.prefix).second) {
        worked.workedDxccByBand[slot].push_back(qso.prefix);
      }
    }
    const std::string_view district = AreaDistrict(qso.areaCode);
    if (!district.empty() && rowAreas[row].insert(district).second) {
      ++counts.areas;
      if (slot >= 0 && slotAreas[slot].insert(district).second) {
        worked.workedAreasByBand[slot].emplace_back(district);
      }
    }
  }
  return tally;
}

std::string ReportOrderKey(const std::string& band) {
  return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

}  // namespace

int QsoPoints(const CInfo& qso, const Station& station) {
  return BasePoints(qso, station) * BandFactor(qso.band);
}

// Report order: the band texts, each padded in front with "0" to 20 characters, in
// descending order, so that a wider number comes first (160m, 80m, 40m, 20m, 15m, 10m).
// The order has always been that of an exchange sort (for i < j, swap when key i is below
// key j). Texts with equal keys differ only in leading zeros ("20m", "020m"), and the
// exchange sort leaves them in an order of its own: while the greater keys are picked one
// by one, a run of equal texts at the front of the rest turns round by one for each
// greater text behind it. Computed directly, for any number of texts a host sends.
void SortIntoReportOrder(std::vector<std::string>& bands) {
  const size_t n = bands.size();
  std::vector<std::string> keys(n);
  for (size_t i = 0; i < n; ++i) keys[i] = ReportOrderKey(bands[i]);
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return keys[b] < keys[a]; });

  // Texts of greater keys, by their place in the list before sorting (a Fenwick tree).
  std::vector<size_t> greater(n + 1, 0);
  const auto countBefore = [&](size_t place) {
    size_t count = 0;
    for (; place > 0; place -= place & (~place + 1)) count += greater[place];
    return count;
  };
  std::vector<std::string> sorted;
  sorted.reserve(n);
  for (size_t first = 0; first < n;) {
    size_t end = first + 1;
    while (end < n && keys[order[end]] == keys[order[first]]) ++end;
    // The equal texts, in their places before sorting: the m-th turns the first m round by
    // one for every greater text between it and the next equal one.
    const auto group = order.begin() + static_cast<std::ptrdiff_t>(first);
    const size_t size = end - first;
    std::vector<size_t> picked(group, group + static_cast<std::ptrdiff_t>(size));
    for (size_t m = 2; m <= size; ++m) {
      const size_t from = group[static_cast<std::ptrdiff_t>(m - 1)] + 1;
      const size_t to = m < size ? group[static_cast<std::ptrdiff_t>(m)] : n;
      const size_t turns = (countBefore(to) - countBefore(from)) % m;
      std::rotate(picked.begin(), picked.begin() + static_cast<std::ptrdiff_t>(turns),
                  picked.begin() + static_cast<std::ptrdiff_t>(m));
    }
    for (size_t member = first; member < end; ++member) {
      for (size_t place = order[member] + 1; place <= n; place += place & (~place + 1)) {
        ++greater[place];
      }
    }
    for (const size_t place : picked) sorted.push_back(std::move(bands[place]));
    first = end;
  }
  bands = std::move(sorted);
}

void MakeReport(const Station& station, const QsoLog& qsoList,
                const std::vector<std::string>& bands, ReportResults& results) {
  std::string& text = results.text;
  text.clear();
  AppendFormat(text,
               station.isCwMode != 0
                   ? "  UK/EI DX  CW DX Contest %s-%s \r\n\t    Contestant: %s\r\n"
                     "Band\tQSOs\tPoints\tDXCC\tArea\r\n"
                   : "  UK/EI DX  SSB DX Contest %s-%s \r\n\t    Contestant: %s\r\n"
                     "Band\tQSOs\tPoints\tDXCC\tArea\r\n",
               station.startDayMonth.c_str(), station.endDate.c_str(), station.ownCall.c_str());

  const Tally tally = TallyLog(station, qsoList, bands, results.worked);
  BandRow total;
  for (size_t row = 0; row < tally.rows.size(); ++row) {
    const BandRow& counts = tally.rows[row];
    AppendFormat(text, "%s\t %i\t %i\t %i\t %i\r\n", bands[row].c_str(), counts.qsos, counts.points,
                 counts.dxcc, counts.areas);
    total.qsos += counts.qsos;
    total.points += counts.points;
    total.dxcc += counts.dxcc;
    total.areas += counts.areas;
  }
  // Multipliers count once per band; 64 bits, so that no log can overflow the score.
  const long long score = static_cast<long long>(total.points) * (total.dxcc + total.areas);

  AppendFormat(text, "Total\t %i\t %i\t %i\t %i\r\n", total.qsos, total.points, total.dxcc,
               total.areas);
  if (station.cabrilloRequested == 0 && !qsoList.empty()) {
    AppendFormat(text,
                 "\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n"
                 "Hourly (10min) pts rate: %5i (%i) points/hour\r\n\r\nLast QSO: %i points",
                 tally.lastHour.qsos, 6 * tally.lastTenMinutes.qsos, tally.lastHour.points,
                 6 * tally.lastTenMinutes.points, tally.lastQsoPoints);
  }

  results.claimedScore = score;
  AppendFormat(text, "\r\nScore: %i*(%i+%i) = ", total.points, total.dxcc, total.areas);
  text += std::to_string(score) + "\r\n";
}

std::string ExportCabrilloLog(CabrilloLog& cabrillo, const Station& station, const QsoLog& qsoList,
                              long long claimedScore) {
  const bool cwLeg = station.isCwMode != 0;
  cabrillo.qsoLines.clear();
  cabrillo.qsoLines.reserve(qsoList.size());
  for (const CInfo& qso : qsoList.records()) {
    cabrillo.AddQsoLine(qso.call, qso.frequencyKhz, CabrilloMode(qso.mode), qso.time,
                        qso.exchangeSent, qso.exchangeReceived, cwLeg);
  }
  return cabrillo.WriteLogFile(cwLeg, claimedScore, station.hostFolder);
}

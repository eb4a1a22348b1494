// The statistics report, made from the log in one pass.

#include "reports/report.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <string_view>

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

// QSOs on 80m and 40m score double.
int BandFactor(std::string_view band) {
  return band == "80m" || band == "40m" ? 2 : 1;
}

// The points of a QSO by the classes and continents of the two stations, before the band's
// factor.
int BasePoints(bool ukEiStation, bool ownInEurope, bool sameContinent, WorkedClass worked,
               bool bonusHour) {
  if (ukEiStation) return (sameContinent ? 2 : 4) * (bonusHour ? 2 : 1);
  static constexpr std::array<int, 3> kFromEurope{2, 1, 2}, kFromElsewhere{4, 2, 1};
  return (ownInEurope ? kFromEurope : kFromElsewhere)[static_cast<size_t>(worked)];
}

// The same from the numbers the log gave the QSO's texts.
class PointsByKeys {
 public:
  PointsByKeys(const Station& station, const QsoLog& log)
      : ukEiStation_(station.isUkEiStation == 1),
        ownInEurope_(station.ownContinent == "EU"),
        ownContinent_(log.ContinentNumber(station.ownContinent)) {}

  int operator()(const QsoKeys& keys) const {
    return BasePoints(ukEiStation_, ownInEurope_, keys.continent == ownContinent_, keys.workedClass,
                      keys.bonusHour);
  }

 private:
  bool ukEiStation_, ownInEurope_;
  int ownContinent_;
};

// The numbers of one kind (prefixes, districts) each of a few groups has seen, a bit each.
class SeenNumbers {
 public:
  SeenNumbers(int groups, int numbers)
      : words_((static_cast<size_t>(numbers) + kBits - 1) / kBits),
        bits_(static_cast<size_t>(groups) * words_) {}

  // Marks the number seen in the group; whether it was new there.
  bool Mark(int group, int number) {
    size_t& word = bits_[static_cast<size_t>(group) * words_ + static_cast<size_t>(number) / kBits];
    const size_t bit = size_t{1} << (static_cast<size_t>(number) % kBits);
    const bool added = (word & bit) == 0;
    word |= bit;
    return added;
  }

 private:
  static constexpr size_t kBits = sizeof(size_t) * 8;
  size_t words_;
  std::vector<size_t> bits_;
};

// A band text of the log as the report counts it: its row, the slot the row feeds, and
// the factor of its points.
struct LogBand {
  size_t row;  // the row count where no row has the text
  int slot = -1;
  int factor = 1;
};

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
// the row's multipliers and to the worked lists of the slot the row feeds. The keys the log
// gave each record number its texts, so a band text of the log has at most one row and
// multipliers are marked in bit sets.
Tally TallyLog(const Station& station, const QsoLog& qsoList, const std::vector<std::string>& bands,
               WorkedLists& worked) {
  const size_t rowCount = bands.size();
  Tally tally;
  tally.rows.resize(rowCount);
  std::vector<LogBand> logBands(static_cast<size_t>(qsoList.bandCount()), LogBand{rowCount});
  for (size_t row = 0; row < rowCount; ++row) {
    const int slot = SlotFedBy(bands[row]);
    if (slot >= 0) {
      worked.workedDxccByBand[slot].clear();
      worked.workedAreasByBand[slot].clear();
    }
    const int band = qsoList.BandNumber(bands[row]);
    if (band != TextNumbers::kUnknown) logBands[band] = {row, slot, BandFactor(bands[row])};
  }
  SeenNumbers bandPrefixes(qsoList.bandCount(), qsoList.prefixCount());
  SeenNumbers bandAreas(qsoList.bandCount(), qsoList.districtCount());
  SeenNumbers slotPrefixes(kBandSlots, qsoList.prefixCount());
  SeenNumbers slotAreas(kBandSlots, qsoList.districtCount());
  const PointsByKeys basePoints(station, qsoList);

  const bool withRates = station.cabrilloRequested == 0;
  const OleDate reference = qsoList.empty() ? OleDate{} : qsoList.records().back().time;
  for (const CInfo& qso : qsoList.records()) {
    if (qso.isDupe != 0 || qso.call.empty()) continue;
    const QsoKeys& keys = qso.keys;
    const LogBand& band = logBands[keys.band];
    if (band.row == rowCount) continue;

    BandRow& counts = tally.rows[band.row];
    const int points = basePoints(keys) * band.factor;
    ++counts.qsos;
    counts.points += points;
    tally.lastQsoPoints = points;
    if (withRates) {
      const std::optional<double> minutes = MinutesBefore(reference, qso.time);
      if (minutes && *minutes < 60) tally.lastHour.Add(points);
      if (minutes && *minutes < 10) tally.lastTenMinutes.Add(points);
    }

    if (keys.prefix != QsoKeys::kNone && bandPrefixes.Mark(keys.band, keys.prefix)) {
      ++counts.dxcc;
      if (band.slot >= 0 && slotPrefixes.Mark(band.slot, keys.prefix)) {
        worked.workedDxccByBand[band.slot].push_back(qso.prefix);
      }
    }
    if (keys.district != QsoKeys::kNone && bandAreas.Mark(keys.band, keys.district)) {
      ++counts.areas;
      if (band.slot >= 0 && slotAreas.Mark(band.slot, keys.district)) {
        worked.workedAreasByBand[band.slot].emplace_back(AreaDistrict(qso.areaCode));
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
  return BasePoints(station.isUkEiStation == 1, station.ownContinent == "EU",
                    qso.continent == station.ownContinent, WorkedClassOf(qso),
                    IsBonusHour(HourOfDay(qso.time))) *
         BandFactor(qso.band);
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

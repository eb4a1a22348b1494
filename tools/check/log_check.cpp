#include "tools/check/log_check.h"

#include <algorithm>
#include <numeric>

#include "contest/contest_rules.h"
#include "contest/settings_file.h"
#include "platform/ascii_text.h"
#include "platform/ini_file.h"
#include "platform/text_format.h"
#include "tools/logs/log_fields.h"
#include "tools/replay/header_settings.h"

namespace {

constexpr int kContestMinutes = 24 * 60;
constexpr int kShortestBreakMinutes = 60;  // the contest's shortest off-time

// The serial number of an exchange ("012 LN", "599 012"); -1 when it holds none.
long SerialOf(std::string_view exchange) {
  const std::optional<ExchangeParts> parts = SplitExchange(exchange);
  if (!parts || parts->number.empty()) return -1;
  return std::stol(parts->number.substr(0, 9));
}

// The area code after the number, "LN" of "012 LN" and "12ln"; empty when there is none.
std::string AreaOf(std::string_view exchange) {
  const std::optional<ExchangeParts> parts = SplitExchange(exchange);
  return parts && parts->letters.size() == 2 ? parts->letters : std::string();
}

std::string Serial(long number) {
  return Formatted("%03ld", number);
}

class Checker {
 public:
  Checker(const KnownCalls& knownCalls, const ReplayStation& station,
          const std::vector<HostQso>& qsos, const CategoryHeader& header)
      : known_(knownCalls), station_(station), qsos_(qsos), header_(header), order_(qsos.size()) {
    seconds_.reserve(qsos.size());
    for (const HostQso& qso : qsos) seconds_.push_back(WholeSeconds(qso.time));
    std::iota(order_.begin(), order_.end(), 0);
    std::stable_sort(order_.begin(), order_.end(),
                     [&](size_t a, size_t b) { return seconds_[a] < seconds_[b]; });
  }

  LogCheck Run() {
    CheckCalls();
    CheckStations();
    CheckOwnSerials();
    CheckOperatingTime();
    CheckCategory();
    std::stable_sort(check_.findings.begin(), check_.findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    for (const Finding& finding : check_.findings) ++check_.counts[static_cast<int>(finding.kind)];
    return std::move(check_);
  }

 private:
  void Add(FindingKind kind, const HostQso* qso, const HostQso* other, std::string what) {
    check_.findings.push_back({kind, qso ? qso->line : 0, other ? other->line : 0,
                               qso ? qso->call : station_.ownCall, std::move(what)});
  }

  // A call worked once, not known, with exactly one known call or call worked more often
  // one edit away.
  void CheckCalls() {
    if (known_.size() == 0) return;
    KnownCalls worked(qsos_.size());
    std::vector<size_t> times, qsoOf;  // per base call worked
    for (size_t index = 0; index < qsos_.size(); ++index) {
      const size_t call = worked.Add(BaseCall(qsos_[index].call));
      if (call == times.size()) {
        times.push_back(0);
        qsoOf.push_back(index);
      }
      ++times[call];
    }
    KnownCalls workedAgain;
    for (size_t call = 0; call < times.size(); ++call) {
      if (times[call] > 1) workedAgain.Add(worked[call]);
    }
    for (size_t call = 0; call < times.size(); ++call) {
      if (times[call] > 1 || known_.Contains(worked[call])) continue;
      const std::vector<std::string> near = known_.NearCalls(worked[call], &workedAgain);
      if (near.size() != 1) continue;
      const HostQso& qso = qsos_[qsoOf[call]];
      const std::string_view base = BaseCall(qso.call);
      std::string likely = qso.call;
      likely.replace(static_cast<size_t>(base.data() - qso.call.data()), base.size(), near[0]);
      Add(FindingKind::kBustedCall, &qso, nullptr,
          "not in MASTER.SCP and worked once; likely " + likely);
    }
  }

  // The QSOs of each worked call, in time order: the area codes and the serial numbers
  // received.
  void CheckStations() {
    KnownCalls calls(qsos_.size());
    std::vector<size_t> stationOf;  // per QSO in time order
    stationOf.reserve(order_.size());
    for (const size_t index : order_) stationOf.push_back(calls.Add(qsos_[index].call));
    // Each station's QSOs side by side, in time order.
    std::vector<size_t> start(calls.size() + 1, 0);
    for (const size_t station : stationOf) ++start[station + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<size_t> next(start.begin(), start.end() - 1);
    std::vector<size_t> byStation(order_.size());
    for (size_t at = 0; at < order_.size(); ++at) byStation[next[stationOf[at]]++] = order_[at];
    for (size_t station = 0; station < calls.size(); ++station) {
      if (start[station + 1] - start[station] < 2) continue;
      const std::vector<size_t> qsos(byStation.begin() + start[station],
                                     byStation.begin() + start[station + 1]);
      CheckAreas(qsos);
      CheckReceivedSerials(qsos);
    }
  }

  // Each area code that is not the one received most often (of equals, a valid one, then
  // the first received), paired with the first QSO that has that one.
  void CheckAreas(const std::vector<size_t>& station) {
    std::vector<std::string> areas;
    std::vector<std::pair<std::string, int>> counts;  // in the order first received
    for (const size_t index : station) {
      areas.push_back(AreaOf(qsos_[index].exchange));
      if (areas.back().empty()) continue;
      auto count = std::find_if(counts.begin(), counts.end(),
                                [&](const auto& seen) { return seen.first == areas.back(); });
      if (count == counts.end()) count = counts.insert(count, {areas.back(), 0});
      ++count->second;
    }
    if (counts.size() < 2) return;
    const auto rank = [](const std::pair<std::string, int>& count) {
      return 2 * count.second + (IsValidAreaCode(count.first) ? 1 : 0);
    };
    const auto& [most, times] =
        *std::max_element(counts.begin(), counts.end(),
                          [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    const bool mostOften =
        std::count_if(counts.begin(), counts.end(),
                      [times = times](const auto& count) { return count.second == times; }) == 1;
    const HostQso* firstOfMost =
        &qsos_[station[std::find(areas.begin(), areas.end(), most) - areas.begin()]];
    int withArea = 0;
    for (const auto& count : counts) withArea += count.second;
    for (size_t at = 0; at < station.size(); ++at) {
      if (areas[at].empty() || areas[at] == most) continue;
      std::string what = "area " + areas[at] + " received, " + most + " at line " +
                         std::to_string(firstOfMost->line);
      if (mostOften) {
        what += "; " + most + " is received most often (" + std::to_string(times) + " of " +
                std::to_string(withArea) + " QSOs)";
      }
      Add(FindingKind::kAreaDisagrees, &qsos_[station[at]], firstOfMost, std::move(what));
    }
  }

  // A serial number lower than the one received before from the same station.
  void CheckReceivedSerials(const std::vector<size_t>& station) {
    const HostQso* before = nullptr;
    long serialBefore = -1;
    for (const size_t index : station) {
      const HostQso& qso = qsos_[index];
      const long serial = SerialOf(qso.exchange);
      if (serial < 0) continue;
      if (before && serial < serialBefore) {
        Add(FindingKind::kSerialBackwards, &qso, before,
            "serial " + Serial(serial) + " received after " + Serial(serialBefore) + " at line " +
                std::to_string(before->line) + ": one of the two is miscopied");
      }
      before = &qso;
      serialBefore = serial;
    }
  }

  // A sent number not above the one sent before; a skip is normal after a deleted QSO.
  void CheckOwnSerials() {
    const HostQso* before = nullptr;
    long serialBefore = -1;
    for (const size_t index : order_) {
      const HostQso& qso = qsos_[index];
      const long serial = SerialOf(qso.sentNumber);
      if (serial < 0) continue;
      if (before && serial <= serialBefore) {
        Add(FindingKind::kOwnSerial, &qso, before,
            "serial " + Serial(serial) + " sent after " + Serial(serialBefore) + " at line " +
                std::to_string(before->line) +
                (serial == serialBefore ? ": sent twice" : ": going backwards"));
      }
      before = &qso;
      serialBefore = serial;
    }
  }

  // The on-time, and the first QSO past the hours of CATEGORY-TIME ("12-HOURS").
  void CheckOperatingTime() {
    const long long start = WholeSeconds(station_.contestStart);
    std::vector<long long> seconds;
    seconds.reserve(order_.size());
    for (const size_t index : order_) seconds.push_back(seconds_[index]);
    OperatingTime& time = check_.time;
    time.off = FindOffTimes(seconds, start, start + kContestMinutes * 60LL, kShortestBreakMinutes);
    time.onMinutes = kContestMinutes - time.off.minutes;

    const std::string category = UpperAscii(TrimBlanks(header_.time));
    const size_t dash = category.find("-HOURS");
    if (dash == std::string::npos || dash == 0 || dash + 6 != category.size()) return;
    const int allowed = DigitsValue(category.substr(0, dash)) * 60;
    if (allowed <= 0 || time.onMinutes <= allowed) return;
    size_t nextBreak = 0;
    int offBefore = 0;
    for (size_t at = 0; at < order_.size(); ++at) {
      if (seconds[at] < start || seconds[at] >= start + kContestMinutes * 60LL) continue;
      while (nextBreak < time.off.breaks.size() &&
             WholeSeconds(time.off.breaks[nextBreak].to) <= seconds[at]) {
        offBefore += time.off.breaks[nextBreak++].minutes;
      }
      if ((seconds[at] - start) / 60 - offBefore < allowed) continue;
      Add(FindingKind::kOperatingTime, &qsos_[order_[at]], nullptr,
          "on the air past " + std::to_string(allowed / 60) + " hours here (CATEGORY-TIME " +
              category + "), " + Duration(time.onMinutes) + " in all");
      return;
    }
  }

  void CheckCategory() {
    std::vector<std::string_view> operators;
    std::string_view rest = header_.operators;
    while (!rest.empty()) {
      const size_t end = std::min(rest.find_first_of(" ,\t"), rest.size());
      if (end > 0) operators.push_back(rest.substr(0, end));
      rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    if (EqualNoCase(TrimBlanks(header_.operatorCategory), "SINGLE-OP") && operators.size() > 1) {
      Add(FindingKind::kCategory, nullptr, nullptr,
          "CATEGORY-OPERATOR SINGLE-OP, but OPERATORS names " + std::to_string(operators.size()) +
              " calls");
    }
    const std::string_view band = TrimBlanks(header_.band);
    if (!band.empty() && !EqualNoCase(band, "ALL")) {
      int others = 0;
      const HostQso* first = nullptr;
      for (const size_t index : order_) {
        if (EqualNoCase(qsos_[index].band, band)) continue;
        if (others++ == 0) first = &qsos_[index];
      }
      if (first) {
        Add(FindingKind::kCategory, first, nullptr,
            "CATEGORY-BAND " + UpperAscii(band) + ", but " +
                (others == 1
                     ? std::string("1 QSO is on another band")
                     : std::to_string(others) + " QSOs are on other bands, the first here"));
      }
    }
    const std::string_view mode = TrimBlanks(header_.mode);
    const char* leg = station_.cwLeg ? "CW" : "SSB";
    if (!mode.empty() && !EqualNoCase(mode, leg)) {
      Add(FindingKind::kCategory, nullptr, nullptr,
          "CATEGORY-MODE " + UpperAscii(mode) + ", but the log is of the " + leg + " leg");
    }
  }

  const KnownCalls& known_;
  const ReplayStation& station_;
  const std::vector<HostQso>& qsos_;
  const CategoryHeader& header_;
  std::vector<long long> seconds_;  // of each QSO
  std::vector<size_t> order_;       // of qsos_, in time order, equal times in log order
  LogCheck check_;
};

}  // namespace

std::string FindingLine(const Finding& finding) {
  std::string line = finding.line == 0 ? "header" : std::to_string(finding.line);
  if (finding.otherLine != 0) line += ", " + std::to_string(finding.otherLine);
  return line + ": " + finding.call + ": " + finding.what;
}

std::string KindName(FindingKind kind, int count) {
  const bool one = count == 1;
  switch (kind) {
    case FindingKind::kBustedCall:
      return one ? "possible busted call" : "possible busted calls";
    case FindingKind::kAreaDisagrees:
      return one ? "area code that disagrees" : "area codes that disagree";
    case FindingKind::kSerialBackwards:
      return one ? "received serial going backwards" : "received serials going backwards";
    case FindingKind::kOwnSerial:
      return one ? "own serial repeated or going backwards"
                 : "own serials repeated or going backwards";
    case FindingKind::kOperatingTime:
      return one ? "on-time past the category's hours" : "on-times past the category's hours";
    case FindingKind::kCategory:
      return one ? "category the log contradicts" : "categories the log contradicts";
  }
  return {};
}

CategoryHeader SubmittedCategoryHeader(const LogFile& log, const ReplayOptions& options) {
  const IniFile settings(kSettingsSection, kSettingsPath);
  const auto submitted = [&](std::string_view tag) {
    const std::optional<std::string> key = HeaderSettingKey(tag);
    const auto given =
        std::find_if(options.headerSettings.begin(), options.headerSettings.end(),
                     [&](const auto& setting) { return key && setting.first == *key; });
    if (given != options.headerSettings.end()) return given->second;
    for (const auto& [logTag, value] : log.header) {
      if (logTag == tag) return value;
    }
    return key ? settings.Read(*key) : std::string();
  };
  return {submitted("CATEGORY-OPERATOR"), submitted("OPERATORS"), submitted("CATEGORY-BAND"),
          submitted("CATEGORY-MODE"), submitted("CATEGORY-TIME")};
}

LogCheck CheckLog(const KnownCalls& knownCalls, const ReplayStation& station,
                  const std::vector<HostQso>& qsos, const CategoryHeader& header) {
  return Checker(knownCalls, station, qsos, header).Run();
}

std::string BeforeYouSubmit(const LogCheck& check) {
  std::string text = "Before you submit:\n  On-time " + Duration(check.time.onMinutes) +
                     ", off-times of 60 minutes or more:";
  for (const OffTime& off : check.time.off.breaks) {
    text += ' ' + HourAndMinute(off.from) + '-' + HourAndMinute(off.to) + " (" +
            Duration(off.minutes) + ')';
  }
  text += check.time.off.breaks.empty() ? " none\n" : "\n";
  for (const Finding& finding : check.findings) text += "  " + FindingLine(finding) + '\n';
  if (check.findings.empty()) return text + "  nothing found\n";
  std::string counts;
  for (int kind = 0; kind < kFindingKinds; ++kind) {
    if (check.counts[kind] == 0) continue;
    counts += (counts.empty() ? "  " : ", ") + std::to_string(check.counts[kind]) + ' ' +
              KindName(static_cast<FindingKind>(kind), check.counts[kind]);
  }
  return text + counts + '\n';
}

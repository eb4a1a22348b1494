#include "tools/replay.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <unordered_set>

#include "platform/ascii_text.h"
#include "platform/ini_file.h"
#include "plugin/contest_rules.h"
#include "tools/log_fields.h"
#include "tools/whole_file.h"

namespace {

struct SentExchange {
  std::string number;
  std::string areaCode;  // empty when the exchange ends in none
};

// "001 LN" and "001LN" are the number 001 and the area LN; "001" is the number alone. The
// host passes the number only: the plug-in adds the own area code itself.
SentExchange SplitSentExchange(std::string_view text) {
  const std::string_view exchange = TrimBlanks(text);
  const std::string area = UpperAscii(LastTwo(exchange));
  if (exchange.size() > 2 && IsValidAreaCode(area)) {
    return {std::string(TrimBlanks(exchange.substr(0, exchange.size() - 2))), area};
  }
  return {std::string(exchange), {}};
}

std::string OwnCall(const LogFile& log, const ReplayOptions& options) {
  std::string call = UpperAscii(options.ownCall);
  if (call.empty()) call = log.ownCall;
  for (size_t i = 0; call.empty() && i < log.qsos.size(); ++i) call = log.qsos[i].ownCall;
  if (call.empty()) throw ReplayError("the log does not name the own call: give --call");
  // It names the Cabrillo log and its file.
  if (!IsCallSign(call)) throw ReplayError("own call '" + call + "' is no call sign: give --call");
  return call;
}

struct ModeCounts {
  int cw = 0;
  int ssb = 0;
};

ModeCounts CountModes(const std::vector<const LogQso*>& qsos) {
  ModeCounts counts;
  for (const LogQso* qso : qsos) {
    counts.cw += qso->mode == "CW" ? 1 : 0;
    counts.ssb += qso->mode == "SSB" ? 1 : 0;
  }
  return counts;
}

bool CwLeg(const ModeCounts& modes, const ReplayOptions& options) {
  if (options.cwLeg) return *options.cwLeg;
  if (modes.cw == 0 && modes.ssb == 0) {
    throw ReplayError("the log has no CW or SSB QSO: give --leg");
  }
  return modes.cw >= modes.ssb;
}

// The area code sent most often (the first of equals); empty when no QSO sent one.
std::string SentAreaCode(const std::vector<const LogQso*>& qsos) {
  std::map<std::string, int> counts;
  std::string best;
  for (const LogQso* qso : qsos) {
    const std::string area = SplitSentExchange(qso->sentExchange).areaCode;
    if (area.empty()) continue;
    const int count = ++counts[area];
    if (best.empty() || count > counts[best]) best = area;
  }
  return best;
}

// A moment in whole seconds, for exact comparisons of the contest period.
long long Seconds(const OleDate& date) {
  return std::llround(date.m_dt * 86400.0);
}

// 12:00 UTC of the given day; without one, the 12:00 UTC that starts the 24 hours holding
// the most QSOs (the earliest of equals), so that a few QSOs logged before or after the
// contest do not move it.
OleDate ContestStart(const LogFile& log, const ReplayOptions& options) {
  if (options.startDay) {
    CalendarTime day = *options.startDay;
    day.hour = 12;
    day.minute = 0;
    day.second = 0;
    return FromCalendar(day);
  }
  // Keyed by the day (since the OLE epoch; QSO dates are after 1900) of the 12:00 start.
  std::map<long long, int> qsosByStartDay;
  for (const LogQso& qso : log.qsos) ++qsosByStartDay[(Seconds(qso.time) - 43200) / 86400];
  const auto busiest =
      std::max_element(qsosByStartDay.begin(), qsosByStartDay.end(),
                       [](const auto& a, const auto& b) { return a.second < b.second; });
  return OleDate{static_cast<double>(busiest->first) + 0.5, OleDate::kValid};
}

// The plug-in's problem line of a received area code that is not in its table.
constexpr std::string_view kAreaWarning = "UK/EI Code Area is not acceptable";

int CountOccurrences(std::string_view text, std::string_view part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

std::string ReadFileOrNothing(const std::string& path) {
  try {
    return ReadWholeFile(path);
  } catch (const FileError&) {
    return {};
  }
}

// The own call is a call sign: letters, digits and "/", which a file name cannot hold.
std::string CabrilloFileName(std::string call) {
  std::replace(call.begin(), call.end(), '/', '_');
  return call + ".cbr";
}

std::string DayAndTime(const OleDate& date) {
  return FormatDate(date, "%Y-%m-%d %H%M");
}

// The leg and the own area code, where the operator of the host sets them.
void WriteSettings(const ReplayStation& station) {
  std::error_code ignored;
  std::filesystem::create_directory("Plugins", ignored);
  const IniFile settings(kPluginIniSection, kPluginIniPath);
  settings.Write("Mode", station.cwLeg ? "1" : "0");
  settings.Write("setup_areacode", station.areaCode);
  // Every other reset opens the plug-in's windows; this marks them as just shown, so the
  // replay's reset leaves them closed.
  settings.Write("Start", "1");
}

// The received exchange as the host passes it: a UK/EI area code that the log keeps in a
// field of its own follows the number.
std::string ReceivedExchange(const LogQso& qso, const Placement& worked) {
  if (qso.receivedArea.empty() || qso.receivedExchange.empty() || !IsUkEiPrefix(worked.prefix)) {
    return qso.receivedExchange;
  }
  return qso.receivedExchange + " " + qso.receivedArea;
}

}  // namespace

SendsAreaCode UkEiStations(const CtyDatabase& cty) {
  return [&cty](std::string_view ownCall) { return IsUkEiPrefix(cty.Resolve(ownCall).prefix); };
}

ReplayResult Replay(const StatsLibrary& stats, const CtyDatabase& cty, const LogFile& log,
                    const ReplayOptions& options) {
  if (log.qsos.empty()) throw ReplayError("the log holds no readable QSO");
  ReplayResult result;
  ReplaySummary& summary = result.summary;
  std::vector<LogProblem>& warnings = result.warnings;
  ReplayStation& station = result.station;
  station.ownCall = OwnCall(log, options);
  station.placement = cty.Resolve(station.ownCall);
  if (!station.placement.placed()) {
    warnings.push_back({0, "own call " + station.ownCall + " is not in the country file"});
  }
  if (!log.contest.empty() && !NamesThisContest(log.contest)) {
    warnings.push_back({0, "the log is of the contest '" + log.contest +
                               "', not of the UK/EI DX Contest: scored by this contest's rules"});
  }
  station.contestStart = ContestStart(log, options);
  station.contestEnd = OleDate{station.contestStart.m_dt + 1.0, OleDate::kValid};

  // What the plug-in gets, and the places of the worked stations.
  std::vector<const LogQso*> handed;
  std::vector<Placement> worked;
  handed.reserve(log.qsos.size());
  worked.reserve(log.qsos.size());
  int firstOutside = 0;
  for (const LogQso& qso : log.qsos) {
    ++summary.read;
    const long long at = Seconds(qso.time);
    if (!options.keepOutsidePeriod &&
        (at < Seconds(station.contestStart) || at >= Seconds(station.contestEnd))) {
      if (summary.outsidePeriod++ == 0) firstOutside = qso.line;
      continue;
    }
    Placement placement = cty.Resolve(qso.call);
    if (!placement.placed()) {
      ++summary.notPlaced;
      warnings.push_back({qso.line, qso.call + " is not in the country file: left out"});
      continue;
    }
    handed.push_back(&qso);
    worked.push_back(std::move(placement));
  }
  if (summary.outsidePeriod > 0) {
    warnings.push_back({firstOutside, std::to_string(summary.outsidePeriod) +
                                          " QSOs (the first here) are outside the contest period " +
                                          DayAndTime(station.contestStart) + " to " +
                                          DayAndTime(station.contestEnd) +
                                          ": left out (see --start, --keep-outside-period)"});
  }
  if (handed.empty()) throw ReplayError("no QSO left to hand to the plug-in");

  const ModeCounts modes = CountModes(handed);
  station.cwLeg = CwLeg(modes, options);
  if (modes.cw > 0 && modes.ssb > 0) {
    warnings.push_back({0, "the log mixes modes, " + std::to_string(modes.cw) + " CW and " +
                               std::to_string(modes.ssb) + " SSB QSOs: scored on the " +
                               (station.cwLeg ? "CW" : "SSB") +
                               " leg, and the plug-in counts both modes"});
  }
  const auto fromBand = std::find_if(handed.begin(), handed.end(),
                                     [](const LogQso* qso) { return qso->frequencyFromBand; });
  if (fromBand != handed.end()) {
    warnings.push_back(
        {(*fromBand)->line,
         std::to_string(std::count_if(fromBand, handed.end(),
                                      [](const LogQso* qso) { return qso->frequencyFromBand; })) +
             " QSOs (the first here) have no usable FREQ (missing, not in MHz, "
             "or off their BAND): given their band's lower edge"});
  }

  if (!options.areaCode.empty()) {
    station.areaCode = UpperAscii(options.areaCode);
  } else if (IsUkEiPrefix(station.placement.prefix)) {
    station.areaCode = SentAreaCode(handed);
    if (station.areaCode.empty()) {
      // Every QSO line of its Cabrillo log would lack a field: log checkers refuse it.
      if (options.cabrillo) {
        throw ReplayError(
            "the QSOs send no own area code, which every QSO line of the "
            "Cabrillo log needs: give --area");
      }
      warnings.push_back({0, "the QSOs send no own area code: give --area"});
    }
  }
  WriteSettings(station);

  // The host folder is where the plug-in looks for the host program's version: the
  // current folder, which holds none.
  stats.ResetStats0("", options.cabrillo ? 1 : 0, station.ownCall.c_str(), &station.contestStart,
                    &station.contestEnd, "", "", "", "", "", "", "", "", "",
                    station.placement.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "",
                    station.placement.continent.c_str(), "");

  std::unordered_set<std::string> storedQsos;  // call, band and mode of each stored QSO
  OleDate noDate{0.0, OleDate::kNull};
  for (size_t i = 0; i < handed.size(); ++i) {
    const LogQso& qso = *handed[i];
    // The own call as logged with the QSO, unless the operator named another.
    const std::string& ownCall =
        options.ownCall.empty() && !qso.ownCall.empty() ? qso.ownCall : station.ownCall;
    const std::string sentNumber = SplitSentExchange(qso.sentExchange).number;
    const std::string exchange = ReceivedExchange(qso, worked[i]);
    OleDate time = qso.time;
    const int stored = stats.AddData0(
        ownCall.c_str(), qso.call.c_str(), &time, &noDate, &noDate, &noDate, 0, qso.frequencyHz,
        qso.mode.c_str(), qso.rstSent.c_str(), qso.rstReceived.c_str(), sentNumber.c_str(),
        exchange.c_str(), "", "", "", "", "", "", "", "", "", worked[i].prefix.c_str(), 0, 0, 0,
        0.0, 0.0, "", worked[i].continent.c_str(), "", qso.band.c_str(), "");
    if (stored == 0) {
      ++summary.refused;
      continue;
    }
    ++summary.stored;
    if (!storedQsos.insert(qso.call + '\n' + qso.band + '\n' + qso.mode).second) ++summary.dupes;
  }

  int status = 0;
  const char* report = stats.GetResult0(&status);
  result.report = report ? report : "";

  // The plug-in names its files after the contest's end and the own call.
  const std::string problemLines =
      "VurovODUVIR_EI_" + FormatDate(station.contestEnd, "%d_%m_%Y") + ".txt";
  summary.areaWarnings = CountOccurrences(ReadFileOrNothing(problemLines), kAreaWarning);
  result.filesWritten.push_back(problemLines);
  if (options.cabrillo) result.filesWritten.push_back(CabrilloFileName(station.ownCall));
  return result;
}

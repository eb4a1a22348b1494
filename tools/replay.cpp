#include "tools/replay.h"

#include <filesystem>
#include <map>
#include <unordered_set>

#include "platform/ascii_text.h"
#include "platform/ini_file.h"
#include "plugin/contest_rules.h"

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
  if (!options.ownCall.empty()) return UpperAscii(options.ownCall);
  if (!log.ownCall.empty()) return log.ownCall;
  for (const LogQso& qso : log.qsos) {
    if (!qso.ownCall.empty()) return qso.ownCall;
  }
  throw ReplayError("the log does not name the own call: give --call");
}

bool CwLeg(const LogFile& log, const ReplayOptions& options) {
  if (options.cwLeg) return *options.cwLeg;
  int cw = 0;
  int ssb = 0;
  for (const LogQso& qso : log.qsos) {
    cw += qso.mode == "CW" ? 1 : 0;
    ssb += qso.mode == "SSB" ? 1 : 0;
  }
  if (cw == 0 && ssb == 0) throw ReplayError("the log has no CW or SSB QSO: give --leg");
  return cw >= ssb;
}

// The area code sent most often (the first of equals); empty when no QSO sent one.
std::string SentAreaCode(const LogFile& log) {
  std::map<std::string, int> counts;
  std::string best;
  for (const LogQso& qso : log.qsos) {
    const std::string area = SplitSentExchange(qso.sentExchange).areaCode;
    if (area.empty()) continue;
    const int count = ++counts[area];
    if (best.empty() || count > counts[best]) best = area;
  }
  return best;
}

// 12:00 UTC of the given day, or of the first QSO's day; the contest lasts 24 hours.
OleDate ContestStart(const LogFile& log, const ReplayOptions& options) {
  CalendarTime day = options.startDay ? *options.startDay : *ToCalendar(log.qsos.front().time);
  day.hour = 12;
  day.minute = 0;
  day.second = 0;
  return FromCalendar(day);
}

// The received exchange as the host passes it: a UK/EI area code that the log keeps in a
// field of its own follows the number.
std::string ReceivedExchange(const LogQso& qso, const Placement& worked) {
  if (qso.receivedArea.empty() || qso.receivedExchange.empty() || !IsUkEiPrefix(worked.prefix)) {
    return qso.receivedExchange;
  }
  return qso.receivedExchange + " " + qso.receivedArea;
}

// AddData0 and RemoveData0 take the same arguments.
template <typename Entry>
int Pass(Entry entry, const HostQso& qso) {
  OleDate time = qso.time;
  OleDate noDate{0.0, OleDate::kNull};
  return entry(qso.ownCall.c_str(), qso.call.c_str(), &time, &noDate, &noDate, &noDate, 0,
               qso.frequencyHz, qso.mode.c_str(), qso.rstSent.c_str(), qso.rstReceived.c_str(),
               qso.sentNumber.c_str(), qso.exchange.c_str(), "", "", "", "", "", "", "", "", "",
               qso.worked.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", qso.worked.continent.c_str(), "",
               qso.band.c_str(), "");
}

}  // namespace

ReplayStation PlanStation(const CtyDatabase& cty, const LogFile& log, const ReplayOptions& options,
                          std::vector<LogProblem>& warnings) {
  if (log.qsos.empty()) throw ReplayError("the log holds no readable QSO");
  ReplayStation station;
  station.ownCall = OwnCall(log, options);
  station.placement = cty.Resolve(station.ownCall);
  if (!station.placement.placed()) {
    warnings.push_back({0, "own call " + station.ownCall + " is not in the country file"});
  }
  station.cwLeg = CwLeg(log, options);
  if (!options.areaCode.empty()) {
    station.areaCode = UpperAscii(options.areaCode);
  } else if (IsUkEiPrefix(station.placement.prefix)) {
    station.areaCode = SentAreaCode(log);
    if (station.areaCode.empty()) {
      warnings.push_back({0, "the QSOs send no own area code: give --area"});
    }
  }
  station.contestStart = ContestStart(log, options);
  station.contestEnd = OleDate{station.contestStart.m_dt + 1.0, OleDate::kValid};
  return station;
}

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

void ResetFor(const StatsLibrary& stats, const ReplayStation& station, bool cabrillo) {
  OleDate start = station.contestStart;
  OleDate end = station.contestEnd;
  // The host folder is where the plug-in looks for the host program's version: the
  // current folder, which holds none.
  stats.ResetStats0("", cabrillo ? 1 : 0, station.ownCall.c_str(), &start, &end, "", "", "", "", "",
                    "", "", "", "", station.placement.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "",
                    station.placement.continent.c_str(), "");
}

HostQso AsHostPasses(const LogQso& qso, const Placement& worked, const ReplayStation& station,
                     const ReplayOptions& options) {
  HostQso passed;
  // The own call as logged with the QSO, unless the operator named another.
  passed.ownCall = options.ownCall.empty() && !qso.ownCall.empty() ? qso.ownCall : station.ownCall;
  passed.call = qso.call;
  passed.mode = qso.mode;
  passed.rstSent = qso.rstSent;
  passed.rstReceived = qso.rstReceived;
  passed.sentNumber = SplitSentExchange(qso.sentExchange).number;
  passed.exchange = ReceivedExchange(qso, worked);
  passed.band = qso.band;
  passed.worked = worked;
  passed.time = qso.time;
  passed.frequencyHz = qso.frequencyHz;
  return passed;
}

int AddQso(const StatsLibrary& stats, const HostQso& qso) {
  return Pass(stats.AddData0, qso);
}

int RemoveQso(const StatsLibrary& stats, const HostQso& qso) {
  return Pass(stats.RemoveData0, qso);
}

ReplayResult Replay(const StatsLibrary& stats, const CtyDatabase& cty, const LogFile& log,
                    const ReplayOptions& options) {
  ReplayResult result;
  result.station = PlanStation(cty, log, options, result.warnings);
  const ReplayStation& station = result.station;
  WriteSettings(station);
  ResetFor(stats, station, options.cabrillo);

  ReplaySummary& summary = result.summary;
  std::unordered_set<std::string> storedQsos;  // call, band and mode of each stored QSO
  for (const LogQso& qso : log.qsos) {
    const Placement worked = cty.Resolve(qso.call);
    if (!worked.placed()) {
      ++summary.notPlaced;
      result.warnings.push_back({qso.line, qso.call + " is not in the country file"});
    }
    const int stored = AddQso(stats, AsHostPasses(qso, worked, station, options));
    ++summary.read;
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
  return result;
}

#include "tools/replay/replay.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>

#include "contest/contest_rules.h"
#include "contest/settings_file.h"
#include "host/host_calls.h"
#include "platform/ascii_text.h"
#include "platform/ini_file.h"
#include "platform/memory_prefault.h"
#include "reports/cabrillo_header.h"
#include "reports/cabrillo_log.h"
#include "reports/stats_file.h"
#include "tools/logs/log_fields.h"
#include "tools/logs/whole_file.h"
#include "tools/replay/header_settings.h"
#include "tools/replay/kept_file.h"

namespace {

struct SentExchange {
  std::string number;
  std::string areaCode;  // empty when the exchange ends in none
};

// "001 LN" and "001LN" are the number 001 and the area LN; "001" is the number alone. The
// host passes the number only: the plug-in adds the own area code itself.
SentExchange SplitSentExchange(std::string_view text) {
  const std::optional<ExchangeParts> parts = SplitExchange(text);
  if (!parts) return {std::string(TrimBlanks(text)), {}};
  return {parts->number, IsValidAreaCode(parts->letters) ? parts->letters : std::string()};
}

std::string OwnCall(const LogFile& log, const ReplayOptions& options) {
  std::string call = UpperAscii(options.ownCall);
  if (call.empty()) call = log.ownCall;
  for (size_t i = 0; call.empty() && i < log.qsos.size(); ++i) call = log.qsos[i].ownCall;
  if (call.empty()) throw ReplayError("the log does not name the own call: give --call");
  // It names the Cabrillo log and its file.
  if (!IsCallSign(call)) {
    throw ReplayError("own call '" + Excerpt(call) + "' is no call sign: give --call");
  }
  return call;
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

std::string ReadFileOrNothing(const std::string& path) {
  try {
    return ReadWholeFile(path);
  } catch (const FileError&) {
    return {};
  }
}

// When the file was last written; none when there is no such file.
std::optional<std::filesystem::file_time_type> LastWritten(const std::string& path) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(path, error);
  if (error || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
  return time;
}

std::string DayAndTime(const OleDate& date) {
  return FormatDate(date, "%Y-%m-%d %H%M");
}

// The received exchange as the host passes it: a UK/EI area code that the log keeps in a
// field of its own follows the number.
std::string ReceivedExchange(const LogQso& qso, const Placement& worked) {
  if (qso.receivedArea.empty() || qso.receivedExchange.empty() || !IsUkEiPrefix(worked.prefix)) {
    return qso.receivedExchange;
  }
  return qso.receivedExchange + " " + qso.receivedArea;
}

// The QSOs inside the contest period, unless all are to be kept; the others are counted.
std::vector<const LogQso*> QsosInPeriod(const LogFile& log, const ReplayOptions& options,
                                        ReplayResult& result) {
  const ReplayStation& station = result.station;
  ReasonCount outside{"outside the contest period " + DayAndTime(station.contestStart) + " to " +
                      DayAndTime(station.contestEnd) +
                      ", left out (see --start, --keep-outside-period)"};
  std::vector<const LogQso*> inPeriod;
  inPeriod.reserve(log.qsos.size());
  long long first = Seconds(log.qsos.front().time);
  long long last = first;
  for (const LogQso& qso : log.qsos) {
    const long long at = Seconds(qso.time);
    first = std::min(first, at);
    last = std::max(last, at);
    if (!options.keepOutsidePeriod &&
        (at < Seconds(station.contestStart) || at >= Seconds(station.contestEnd))) {
      outside.Add(qso.line);
      continue;
    }
    inPeriod.push_back(&qso);
  }
  result.summary.outsidePeriod = outside.count;
  if (outside.count > 0) result.reasons.push_back(outside);
  if (inPeriod.empty()) {
    const auto day = [](long long seconds) {
      return FormatDate(OleDate{static_cast<double>(seconds) / 86400.0, OleDate::kValid},
                        "%Y-%m-%d");
    };
    result.nothingToHand =
        "no QSO is inside the contest period " + DayAndTime(station.contestStart) + " to " +
        DayAndTime(station.contestEnd) + "; the log holds " + Counted(outside.count, "QSO") +
        " from " + day(first) + " to " + day(last) + " (see --start)";
  }
  return inPeriod;
}

// The leg: given, or the mode of most QSOs (CW of equals).
bool ChooseLeg(const std::vector<const LogQso*>& qsos, const ReplayOptions& options,
               std::vector<LogProblem>& warnings) {
  int cw = 0;
  int ssb = 0;
  for (const LogQso* qso : qsos) {
    cw += qso->mode == "CW" ? 1 : 0;
    ssb += qso->mode == "SSB" ? 1 : 0;
  }
  bool cwLeg = cw >= ssb;
  if (options.cwLeg) {
    cwLeg = *options.cwLeg;
  } else if (cw == 0 && ssb == 0) {
    throw ReplayError("the log has no CW or SSB QSO: give --leg");
  }
  if (cw > 0 && ssb > 0 && options.keepOtherMode && !options.cabrillo) {
    warnings.push_back({0, "the log mixes modes, " + Counted(cw, "CW QSO") + " and " +
                               Counted(ssb, "SSB QSO") + ": scored on the " +
                               (cwLeg ? "CW" : "SSB") + " leg, and the plug-in counts both modes"});
  }
  return cwLeg;
}

// The QSOs of the leg: those of the other leg's mode are left out unless kept (never
// from the Cabrillo log, which is the log of one leg).
std::vector<const LogQso*> QsosOfLeg(const std::vector<const LogQso*>& qsos,
                                     const ReplayOptions& options, ReplayResult& result) {
  const bool cwLeg = result.station.cwLeg;
  const char* otherMode = cwLeg ? "SSB" : "CW";
  if (options.keepOtherMode && options.cabrillo) {
    result.warnings.push_back(
        {0, std::string("--keep-other-mode does not apply to the Cabrillo log: its ") + otherMode +
                " QSOs are left out"});
  }
  const bool keepOtherMode = options.keepOtherMode && !options.cabrillo;
  ReasonCount other{std::string(otherMode) + " QSOs on the " + (cwLeg ? "CW" : "SSB") +
                    " leg, left out (see --leg, --keep-other-mode)"};
  std::vector<const LogQso*> ofLeg;
  ofLeg.reserve(qsos.size());
  for (const LogQso* qso : qsos) {
    if (!keepOtherMode && qso->mode == otherMode) {
      other.Add(qso->line);
      continue;
    }
    ofLeg.push_back(qso);
  }
  result.summary.otherMode = other.count;
  if (other.count > 0) result.reasons.push_back(other);
  if (ofLeg.empty()) {
    result.nothingToHand = std::string("no QSO in the period is of the ") + (cwLeg ? "CW" : "SSB") +
                           " leg, " + Counted(other.count, std::string(otherMode) + " QSO") +
                           " (see --leg, --keep-other-mode)";
  }
  return ofLeg;
}

// One word for all QSOs whose frequency the reader took from their band.
void WarnOfBandFrequencies(const std::vector<const LogQso*>& qsos,
                           std::vector<LogProblem>& warnings) {
  int count = 0;
  int firstLine = 0;
  for (const LogQso* qso : qsos) {
    if (!qso->frequencyFromBand) continue;
    if (count++ == 0) firstLine = qso->line;
  }
  if (count == 0) return;
  warnings.push_back({firstLine, Counted(count, "QSO") +
                                     " (the first here) gave a band but no usable frequency "
                                     "(a band designator; FREQ missing, not in MHz, or off its "
                                     "BAND): given their band's lower edge"});
}

// The own area code: given, or the one the log's QSOs sent.
std::string OwnAreaCode(const std::vector<const LogQso*>& qsos, const ReplayOptions& options,
                        const ReplayStation& station, std::vector<LogProblem>& warnings,
                        std::string& cabrilloRefusal) {
  const bool ukEi = IsUkEiPrefix(station.placement.prefix);
  if (!options.areaCode.empty()) {
    if (ukEi || !station.placement.placed()) return UpperAscii(options.areaCode);
    warnings.push_back(
        {0, "--area " + options.areaCode + " ignored: " + station.ownCall +
                " is not a UK/EI station, and only UK/EI stations send an area code"});
    return {};
  }
  if (!ukEi) return {};
  std::map<std::string, int> counts;
  std::string best;  // sent most often, the first of equals
  for (const LogQso* qso : qsos) {
    const std::string area = SplitSentExchange(qso->sentExchange).areaCode;
    if (area.empty()) continue;
    const int count = ++counts[area];
    if (best.empty() || count > counts[best]) best = area;
  }
  if (!best.empty()) return best;
  // Every QSO line of the Cabrillo log would lack a field: log checkers refuse such a log.
  if (options.cabrillo) {
    cabrilloRefusal =
        "the QSOs send no own area code, which every QSO line needs: give --area with the "
        "station's code (--areas lists the valid ones)";
  } else {
    warnings.push_back({0, "the QSOs send no own area code: give --area"});
  }
  return {};
}

// Robots read a QSO line by its fields: a line with another count of fields than the first
// QSO line, and why; empty when every QSO line has as many.
std::string UnevenQsoLine(const std::string& cabrillo) {
  int line = 0;
  size_t firstFields = 0;
  for (size_t start = 0; start < cabrillo.size(); ++line) {
    const size_t end = std::min(cabrillo.find("\r\n", start), cabrillo.size());
    const std::string_view text = std::string_view(cabrillo).substr(start, end - start);
    start = end + 2;
    if (text.rfind("QSO: ", 0) != 0) continue;
    size_t fields = 0;
    for (size_t at = 0; (at = text.find_first_not_of(' ', at)) != std::string_view::npos;
         at = text.find(' ', at)) {
      ++fields;
    }
    if (firstFields == 0) firstFields = fields;
    if (fields != firstFields) {
      return "its QSO line " + std::to_string(line + 1) + " has " + std::to_string(fields) +
             " fields, the first " + std::to_string(firstFields) + ": '" + std::string(text) + "'";
    }
  }
  return {};
}

// The QSOs in time order, as a host logs them and as contest robots want the Cabrillo log:
// the sort is stable, so QSOs of the same minute keep the log's order and the later copy of
// a dupe is the dupe. One warning counts the QSOs logged before an earlier one.
void PutInTimeOrder(std::vector<const LogQso*>& qsos, std::vector<LogProblem>& warnings) {
  const auto minute = [](const LogQso* qso) { return Seconds(qso->time) / 60; };
  int late = 0;
  int firstLate = 0;
  for (size_t i = 1; i < qsos.size(); ++i) {
    if (minute(qsos[i]) < minute(qsos[i - 1]) && late++ == 0) firstLate = qsos[i]->line;
  }
  if (late == 0) return;
  std::stable_sort(qsos.begin(), qsos.end(),
                   [&](const LogQso* a, const LogQso* b) { return minute(a) < minute(b); });
  warnings.push_back({firstLate, "the log is out of time order: " + Counted(late, "QSO") +
                                     " (the first here) logged after a later one; handed over "
                                     "in time order"});
}

// A QSO's call, band and mode as one text: calls and band and mode texts hold no line end.
std::string DupeKey(const HostQso& qso) {
  std::string key;
  key.reserve(qso.call.size() + qso.band.size() + qso.mode.size() + 2);
  return key.append(qso.call).append(1, '\n').append(qso.band).append(1, '\n').append(qso.mode);
}

// The QSO's texts as AddData0 and RemoveData0 receive them.
Qso Passed(const HostQso& qso) {
  return {qso.ownCall.c_str(),          qso.call.c_str(),    qso.worked.prefix.c_str(),
          qso.worked.continent.c_str(), qso.band.c_str(),    qso.time,
          qso.exchange.c_str(),         qso.mode.c_str(),    qso.frequencyHz,
          qso.sentNumber.c_str(),       qso.rstSent.c_str(), qso.rstReceived.c_str()};
}

// The QSOs as the host passes them, every call placed, or handed over unplaced and counted.
std::vector<HostQso> AsHostPasses(const std::vector<const LogQso*>& qsos, const CtyDatabase& cty,
                                  const ReplayOptions& options, ReplayResult& result) {
  std::vector<HostQso> passed;
  ReserveBacked(passed, qsos.size());
  passed.resize(qsos.size());
  std::vector<const LogQso*> notPlaced;
  for (size_t i = 0; i < qsos.size(); ++i) {
    const LogQso& qso = *qsos[i];
    HostQso& host = passed[i];
    host.line = qso.line;
    // The own call as logged with the QSO, unless the operator named another.
    host.ownCall =
        options.ownCall.empty() && !qso.ownCall.empty() ? qso.ownCall : result.station.ownCall;
    host.call = qso.call;
    host.mode = qso.mode;
    host.rstSent = qso.rstSent;
    host.rstReceived = qso.rstReceived;
    host.sentNumber = SplitSentExchange(qso.sentExchange).number;
    host.band = qso.band;
    host.worked = cty.Resolve(qso.call);
    host.exchange = ReceivedExchange(qso, host.worked);
    host.time = qso.time;
    host.frequencyHz = qso.frequencyHz;
    if (!host.worked.placed()) notPlaced.push_back(&qso);
  }
  // Counted in log order, as every reason is.
  std::sort(notPlaced.begin(), notPlaced.end(),
            [](const LogQso* a, const LogQso* b) { return a->line < b->line; });
  ReasonCount unplaced{"calls not placed by the country file, handed over (no multiplier)"};
  for (const LogQso* qso : notPlaced) unplaced.Add(qso->line, qso->call);
  result.summary.notPlaced = unplaced.count;
  if (unplaced.count > 0) result.reasons.insert(result.reasons.begin(), unplaced);
  return passed;
}

// Why the plug-in refuses a QSO, checked in its order, and what of the QSO says so.
std::pair<const char*, std::string> RefusalOf(const HostQso& qso) {
  if (qso.exchange.empty() || qso.sentNumber.empty()) return {"no serial number", {}};
  if (!bandRules.ContainsNoCase(qso.band)) return {"not a contest band", qso.band};
  if (!modeRules.ContainsNoCase(qso.mode)) return {"not a contest mode", qso.mode};
  return {"refused", {}};
}

// One AddData0 per QSO, as the host does, counted; the reasons for refusals go before
// those already given, the dupes after them.
void HandToPlugin(const StatsLibrary& stats, const std::vector<HostQso>& qsos,
                  ReplayResult& result) {
  ReplaySummary& summary = result.summary;
  std::vector<ReasonCount> reasons = {
      {"not a contest band"}, {"no serial number"}, {"not a contest mode"}, {"refused"}};
  ReasonCount dupes{"dupes"};
  StoredQsos storedQsos(qsos.size());
  for (const HostQso& qso : qsos) {
    if (AddQso(stats, qso) == 0) {
      ++summary.refused;
      const auto [why, detail] = RefusalOf(qso);
      std::find_if(reasons.begin(), reasons.end(), [why = why](const ReasonCount& reason) {
        return reason.what == why;
      })->Add(qso.line, detail);
      continue;
    }
    ++summary.stored;
    summary.areaWarnings += HasAreaWarning(qso) ? 1 : 0;
    if (storedQsos.StoreIsDupe(qso)) {
      ++summary.dupes;
      dupes.Add(qso.line, qso.call);
    }
  }
  reasons.erase(std::remove_if(reasons.begin(), reasons.end(),
                               [](const ReasonCount& reason) { return reason.count == 0; }),
                reasons.end());
  result.reasons.insert(result.reasons.begin(), reasons.begin(), reasons.end());
  if (dupes.count > 0) result.reasons.push_back(dupes);
}

// A value the plug-in must read as the tool gives it: when it cannot be stored, the plug-in
// would score with what the file holds, or with its defaults, and the run stops.
void Store(const IniFile& settings, const std::string& key, const std::string& value) {
  if (!settings.Write(key, value)) {
    throw ReplayError(key + "=" + value + " could not be stored in " + kSettingsPath +
                      " (a read-only or unusable file, or a full disk): nothing replayed");
  }
}

// The Cabrillo header in the settings belongs to the call it was saved for: exporting for
// another call takes the operators from the new call, unless given, with a word to check
// the rest.
void KeepHeaderForStation(const ReplayStation& station, const ReplayOptions& options,
                          std::vector<LogProblem>& warnings) {
  const IniFile settings(kSettingsSection, kSettingsPath);
  const std::string savedFor = settings.Read(kHeaderCallKey);
  if (!savedFor.empty() && savedFor != station.ownCall) {
    const bool operatorsGiven =
        std::any_of(options.headerSettings.begin(), options.headerSettings.end(),
                    [](const auto& setting) { return setting.first == "Operators"; });
    std::string what =
        std::string("the Cabrillo header in ") + kSettingsPath + " was saved for " + savedFor;
    if (!operatorsGiven) {
      Store(settings, "Operators", station.ownCall);
      what += ": OPERATORS is now " + station.ownCall;
    }
    warnings.push_back({0, what + "; check its other values (see --header)"});
  }
  Store(settings, kHeaderCallKey, station.ownCall);
}

}  // namespace

void WriteSettings(const ReplayStation& station, const ReplayOptions& options) {
  std::error_code ignored;
  std::filesystem::create_directory("Plugins", ignored);
  const IniFile settings(kSettingsSection, kSettingsPath);
  Store(settings, kModeKey, station.cwLeg ? "1" : "0");
  Store(settings, kAreaCodeKey, station.areaCode);
  for (const auto& [key, value] : options.headerSettings) Store(settings, key, value);
  // Every other reset opens the plug-in's windows; this marks them as just shown, so the
  // replay's reset leaves them closed.
  Store(settings, kStartKey, "1");
}

// The plug-in names its files after the contest's end and the own call.
std::string ProblemLinesFile(const ReplayStation& station) {
  return StatsFileName(StatsFileDateTag(station.contestStart, station.contestEnd));
}

std::string CabrilloFile(const ReplayStation& station) {
  return CabrilloFileName(FileBaseName(station.ownCall));
}

void ResetFor(const StatsLibrary& stats, const ReplayStation& station, bool cabrillo) {
  // The host folder is where the plug-in looks for the host program's version: the
  // current folder, which holds none.
  Reset({station.ownCall.c_str(), station.placement.prefix.c_str(),
         station.placement.continent.c_str(), cabrillo ? 1 : 0, "", station.contestStart,
         station.contestEnd},
        stats);
}

std::string ReceivedAreaCode(const HostQso& qso) {
  return LastTwo(UpperAscii(TrimBlanks(qso.exchange)));
}

bool HasAreaWarning(const HostQso& qso) {
  return IsUkEiPrefix(qso.worked.prefix) && !IsValidAreaCode(ReceivedAreaCode(qso));
}

StoredQsos::StoredQsos(size_t expected) {
  qsos_.reserve(expected);
  keys_.Reserve(expected);
}

bool StoredQsos::StoreIsDupe(const HostQso& qso) {
  // The stored QSOs' keys are built only to tell apart keys of the same hash: for a dupe.
  std::string storedKey;
  const auto keyOf = [&](TextIndex::Number number) {
    storedKey = DupeKey(*qsos_[number]);
    return std::string_view(storedKey);
  };
  const auto next = static_cast<TextIndex::Number>(qsos_.size());
  if (keys_.FindOrAdd(DupeKey(qso), next, keyOf) != next) return true;
  qsos_.push_back(&qso);
  return false;
}

int AddQso(const StatsLibrary& stats, const HostQso& qso) {
  return Add(Passed(qso), stats);
}

int RemoveQso(const StatsLibrary& stats, const HostQso& qso) {
  return Remove(Passed(qso), stats);
}

SendsAreaCode UkEiStations(const CtyDatabase& cty) {
  return [&cty](std::string_view ownCall) { return IsUkEiPrefix(cty.Resolve(ownCall).prefix); };
}

ReplayResult PlanReplay(const CtyDatabase& cty, const LogFile& log, const ReplayOptions& options) {
  ReplayResult result;
  result.summary.read = static_cast<int>(log.qsos.size());
  if (log.qsos.empty()) {
    result.nothingToHand =
        log.problems.empty() ? "the log holds no QSO"
        : log.problems.size() == 1
            ? "the log's one record could not be read"
            : "none of the log's " + std::to_string(log.problems.size()) + " records could be read";
    return result;
  }
  ReplayStation& station = result.station;
  station.ownCall = OwnCall(log, options);
  station.placement = cty.Resolve(station.ownCall);
  if (!station.placement.placed()) {
    result.warnings.push_back({0, "own call " + station.ownCall +
                                      " is not in the country file: scored as a station outside "
                                      "UK/EI, on no continent"});
  }
  if (!log.contest.empty() && !NamesThisContest(log.contest)) {
    result.warnings.push_back(
        {0, "the log is of the contest '" + Excerpt(log.contest) +
                "', not of the UK/EI DX Contest: scored by the UK/EI DX rules all the same"});
  }
  station.contestStart = ContestStart(log, options);
  station.contestEnd = OleDate{station.contestStart.m_dt + 1.0, OleDate::kValid};

  const std::vector<const LogQso*> inPeriod = QsosInPeriod(log, options, result);
  if (inPeriod.empty()) return result;
  station.cwLeg = ChooseLeg(inPeriod, options, result.warnings);
  std::vector<const LogQso*> ofLeg = QsosOfLeg(inPeriod, options, result);
  if (ofLeg.empty()) return result;
  WarnOfBandFrequencies(ofLeg, result.warnings);
  station.areaCode = OwnAreaCode(ofLeg, options, station, result.warnings, result.cabrilloRefusal);
  PutInTimeOrder(ofLeg, result.warnings);
  result.handed = AsHostPasses(ofLeg, cty, options, result);
  return result;
}

ReplayResult Replay(const StatsLibrary& stats, const CtyDatabase& cty, const LogFile& log,
                    const ReplayOptions& options) {
  return Replay(stats, log, options, PlanReplay(cty, log, options));
}

ReplayResult Replay(const StatsLibrary& stats, const LogFile& log, const ReplayOptions& options,
                    ReplayResult plan) {
  ReplayResult result = std::move(plan);
  if (result.handed.empty()) return result;
  const ReplayStation& station = result.station;
  // The plug-in writes the Cabrillo log, the tool then its header values: an earlier log
  // stays whole until both have succeeded.
  std::optional<KeptFile> earlier;
  if (options.cabrillo) {
    result.cabrilloFile = CabrilloFile(station);
    try {
      earlier.emplace(result.cabrilloFile);
    } catch (const FileError& error) {
      throw ReplayError(result.cabrilloFile + ": " + error.what() + ": nothing replayed");
    }
  }
  WriteSettings(station, options);
  if (options.cabrillo || !options.headerSettings.empty()) {
    KeepHeaderForStation(station, options, result.warnings);
  }
  // The plug-in replaces the file only when it writes a whole new one.
  const auto cabrilloBefore = LastWritten(result.cabrilloFile);
  const bool exporting = options.cabrillo && result.cabrilloRefusal.empty();
  ResetFor(stats, station, exporting);
  HandToPlugin(stats, result.handed, result);

  int status = 0;
  const char* report = stats.GetResult0(&status);
  result.report = report ? report : "";

  result.problemLinesFile = ProblemLinesFile(station);
  const auto cabrilloAfter = LastWritten(result.cabrilloFile);
  if (exporting && cabrilloAfter && cabrilloAfter != cabrilloBefore) {
    if (result.summary.stored == 0) {
      result.cabrilloRefusal = "no QSO line: the plug-in took none of the " +
                               Counted(result.summary.refused, "QSO") + " handed to it";
    } else {
      WrittenHeader header = WriteHeader(IniFile(kSettingsSection, kSettingsPath), log.header,
                                         options.headerSettings, result.cabrilloFile);
      result.cabrilloRefusal = !header.refusal.empty() ? std::move(header.refusal)
                               : !header.whole
                                   ? "its header values could not be written into it"
                                   : UnevenQsoLine(ReadFileOrNothing(result.cabrilloFile));
      result.cabrilloProduced = result.cabrilloRefusal.empty();
      for (std::string& notice : header.notices) result.warnings.push_back({0, std::move(notice)});
    }
    // A file robots would refuse, or one without its header values, is not left to be sent
    // in: the earlier file is put back.
    if (!result.cabrilloRefusal.empty()) {
      const bool hadEarlier = !earlier->keptPath().empty();
      if (!earlier->Restore()) {
        result.cabrilloRefusal += "; the earlier file is " + earlier->keptPath();
      } else if (hadEarlier) {
        result.cabrilloRefusal += "; the file is as it was before";
      }
    }
  }
  return result;
}

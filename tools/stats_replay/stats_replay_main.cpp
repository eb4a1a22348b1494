// stats-replay: scores a contest log file with the plug-in, outside the host.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "contest/contest_rules.h"
#include "platform/ascii_text.h"
#include "tools/check/log_check.h"
#include "tools/hours/contest_hours.h"
#include "tools/logs/log_fields.h"
#include "tools/logs/whole_file.h"
#include "tools/page/html_page.h"
#include "tools/replay/header_settings.h"
#include "tools/replay/header_values.h"
#include "tools/replay/output_files.h"
#include "tools/replay/replay.h"
#if defined(_WIN32)
#include "tools/stats_replay/dropped_log_win32.h"
#endif

namespace {

// Linux has the country file and the check-partial file from Debian's hamradio-files; on
// Windows they lie beside the tool, where the contester puts the cty.dat and MASTER.SCP
// their logger keeps up to date.
#if defined(_WIN32)
constexpr const char* kLibraryFile = "Stats.dll";
constexpr const char* kCtyHint = "Put cty.dat beside stats-replay.exe";
constexpr const char* kScpFile = "MASTER.SCP";
#else
constexpr const char* kLibraryFile = "libStats.so";
constexpr const char* kDefaultCty = "/usr/share/hamradio-files/cty.dat";
constexpr const char* kDefaultScp = "/usr/share/hamradio-files/MASTER.SCP";
constexpr const char* kCtyHint = "The country file comes with the Debian package hamradio-files";
#endif

constexpr const char* kUsage =
    "usage: stats-replay [--call CALL] [--area XX] [--leg cw|ssb] [--start YYYY-MM-DD]\n"
    "                    [--keep-outside-period] [--keep-other-mode] [--cty FILE]\n"
    "                    [--scp FILE] [--library PATH] [--cabrillo]\n"
    "                    [--header TAG=VALUE]... [--hours] [--html FILE] LOGFILE\n"
    "       stats-replay --areas\n"
    "Scores an ADIF or Cabrillo log of the UK/EI DX Contest with the Stats plug-in and\n"
    "prints its report. QSOs outside the contest's 24 hours (from 12:00 UTC of --start,\n"
    "or of the day most QSOs say) and QSOs of the other leg's mode (the leg is that of\n"
    "most QSOs unless --leg says) are left out; calls the country file cannot place\n"
    "earn no multiplier. The section \"Before you submit\" names what the adjudicator\n"
    "will find: calls likely busted (against the check-partial file MASTER.SCP, or\n"
    "--scp FILE), exchanges and serials that disagree, the on-time, the category.\n"
    "The plug-in's files land in the current folder; with --cabrillo it writes the\n"
    "Cabrillo log too (on Windows after its header dialog). --header keeps a Cabrillo\n"
    "header value in the plug-in's INI file for this and later exports, for example\n"
    "--header CATEGORY-POWER=LOW --header NAME='Jean Smith'. --hours adds the table of\n"
    "the 24 hours, --html FILE writes the report, that table, charts and the QSOs not\n"
    "scored as one web page. --areas lists the UK/EI area codes that --area takes.\n"
    "Exit status 0 when a QSO was counted, 1 when none was or a file or value could\n"
    "not be written, 2 for a wrong command line.\n";

struct Arguments {
  bool help = false;
  bool areas = false;  // list the UK/EI area codes
  ReplayOptions replay;
  std::string cty;  // empty: the default country file
  std::string scp;  // empty: the default check-partial file
  std::string library;
  std::string logFile;
  bool hours = false;
  std::string htmlFile;  // empty: no page
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

CalendarTime StartDay(const std::string& text) {
  const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-';
  const int year = shaped ? DigitsValue(text.substr(0, 4)) : -1;
  const int month = shaped ? DigitsValue(text.substr(5, 2)) : -1;
  const int day = shaped ? DigitsValue(text.substr(8, 2)) : -1;
  if (!QsoTime(year, month, day, 12, 0, 0)) {
    throw UsageError("--start " + text + ": not a date YYYY-MM-DD");
  }
  return CalendarTime{year, month, day, 12, 0, 0};
}

// "TAG=VALUE" as the INI key and the value to store.
std::pair<std::string, std::string> HeaderSetting(const std::string& text) {
  const size_t equals = text.find('=');
  const std::optional<std::string> key = HeaderSettingKey(text.substr(0, equals));
  if (equals == std::string::npos || !key) {
    throw UsageError("--header " + text + ": TAG=VALUE with a TAG of " + HeaderSettingTags());
  }
  const AcceptedValue accepted =
      AcceptedHeaderValue(UpperAscii(text.substr(0, equals)), text.substr(equals + 1));
  if (!accepted.refusal.empty()) throw UsageError("--header " + accepted.refusal);
  std::string value = StoredHeaderValue(text.substr(equals + 1));
  if (value.size() >= IniFile::kReadBufferSize) {
    throw UsageError("--header " + text + ": the plug-in reads at most " +
                     std::to_string(IniFile::kReadBufferSize - 1) + " characters");
  }
  return {*key, std::move(value)};
}

Arguments ParseArguments(const std::vector<std::string>& argv) {
  const size_t argc = argv.size();
  Arguments arguments;
  for (size_t i = 1; i < argc; ++i) {
    const std::string& option = argv[i];
    if (option == "--help" || option == "-h") {
      arguments.help = true;
      return arguments;
    }
    if (option == "--areas") {
      arguments.areas = true;
      return arguments;
    }
    if (option == "--cabrillo") {
      arguments.replay.cabrillo = true;
      continue;
    }
    if (option == "--hours") {
      arguments.hours = true;
      continue;
    }
    if (option == "--keep-outside-period") {
      arguments.replay.keepOutsidePeriod = true;
      continue;
    }
    if (option == "--keep-other-mode") {
      arguments.replay.keepOtherMode = true;
      continue;
    }
    if (option.size() > 2 && option.compare(0, 2, "--") == 0) {
      if (i + 1 >= argc) throw UsageError(option + " needs a value");
      const std::string value = argv[++i];
      if (option == "--call") {
        if (!IsCallSign(value)) throw UsageError("--call '" + value + "': not a call sign");
        arguments.replay.ownCall = value;
      } else if (option == "--area") {
        if (!IsValidAreaCode(UpperAscii(value))) {
          throw UsageError("--area " + value + ": not a UK/EI area code");
        }
        arguments.replay.areaCode = value;
      } else if (option == "--leg") {
        if (!EqualNoCase(value, "cw") && !EqualNoCase(value, "ssb")) {
          throw UsageError("--leg " + value + ": cw or ssb");
        }
        arguments.replay.cwLeg = EqualNoCase(value, "cw");
      } else if (option == "--start") {
        arguments.replay.startDay = StartDay(value);
      } else if (option == "--header") {
        arguments.replay.headerSettings.push_back(HeaderSetting(value));
      } else if (option == "--cty") {
        arguments.cty = value;
      } else if (option == "--scp") {
        arguments.scp = value;
      } else if (option == "--html") {
        arguments.htmlFile = value;
      } else if (option == "--library") {
        arguments.library = value;
      } else {
        throw UsageError("unknown option " + option);
      }
      continue;
    }
    if (!arguments.logFile.empty()) throw UsageError("one log file only");
    arguments.logFile = option;
  }
  if (arguments.logFile.empty()) throw UsageError("no log file given");
  return arguments;
}

std::string DefaultCty(const char* toolPath) {
#if defined(_WIN32)
  return (std::filesystem::u8path(toolPath).parent_path() / "cty.dat").u8string();
#else
  (void)toolPath;
  return kDefaultCty;
#endif
}

// The check-partial file: given, or the default; without it the check names no busted
// call, and says so.
KnownCalls LoadKnownCalls(const Arguments& arguments, const char* toolPath) {
#if defined(_WIN32)
  const std::string defaultScp =
      (std::filesystem::path(toolPath).parent_path() / kScpFile).string();
#else
  (void)toolPath;
  const std::string defaultScp = kDefaultScp;
#endif
  try {
    return KnownCalls::Load(arguments.scp.empty() ? defaultScp : arguments.scp);
  } catch (const KnownCallsError& error) {
    if (!arguments.scp.empty()) throw;
    std::cerr << "stats-replay: " << error.what()
              << ": no busted calls are named (give --scp FILE)\n";
    return {};
  }
}

// The build puts the tool beside the library, and so does an installation.
std::string DefaultLibrary(const char* toolPath) {
  const std::filesystem::path beside =
      std::filesystem::u8path(toolPath).parent_path() / kLibraryFile;
  std::error_code error;
  if (!std::filesystem::exists(beside, error)) {
    throw UsageError(std::string("no ") + kLibraryFile + " beside the tool: give --library PATH");
  }
  return beside.u8string();
}

void PrintWarnings(const std::string& file, const std::vector<LogProblem>& warnings) {
  for (const LogProblem& warning : warnings) {
    std::cerr << file;
    if (warning.line > 0) std::cerr << ':' << warning.line;
    std::cerr << ": " << warning.what << '\n';
  }
}

// One line per reason: how often, and where first in the log file.
void PrintReasons(const std::vector<ReasonCount>& reasons, const char* noun, const char* after) {
  for (const ReasonCount& reason : reasons) {
    std::cout << "  " << reason.what << ": " << Counted(reason.count, noun) << after
              << ", the first at line " << reason.lines.front();
    if (!reason.firstDetail.empty()) std::cout << " (" << reason.firstDetail << ')';
    std::cout << '\n';
  }
}

// The counts, then why QSOs were left out, refused or skipped.
void PrintSummary(const ReplayResult& result, const LogFile& log) {
  const ReplaySummary& summary = result.summary;
  std::cout << "\nSummary: " << Counted(summary.read, "QSO") << " read, " << summary.stored
            << " stored, " << summary.refused << " refused, " << Counted(summary.dupes, "dupe")
            << ", " << Counted(summary.areaWarnings, "area warning") << ", "
            << Counted(summary.notPlaced, "call") << " not placed (no multiplier), "
            << summary.outsidePeriod << " outside the contest period (left out), "
            << summary.otherMode << " of the other mode (left out), "
            << Counted(static_cast<int>(log.problems.size()), "record") << " skipped\n";
  PrintReasons(result.reasons, "QSO", "");
  PrintReasons(CountReasons(log.problems), "record", " skipped");
}

// Before anything is written: no file the run writes may be the log or another of them.
void RefuseOverwrites(const Arguments& arguments, const ReplayStation& station) {
  std::vector<NamedFile> outputs = PluginFiles(station, arguments.replay.cabrillo);
  if (!arguments.htmlFile.empty()) outputs.push_back({"--html", arguments.htmlFile});
  if (const auto clash = OverwrittenFile({"the log file", arguments.logFile}, outputs)) {
    throw UsageError(*clash);
  }
}

// The report's lines end in CR LF; the terminal's in LF.
std::string TerminalText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

int Run(const Arguments& arguments, const char* toolPath) {
  CtyDatabase cty = [&] {
    try {
      return CtyDatabase::Load(arguments.cty.empty() ? DefaultCty(toolPath) : arguments.cty);
    } catch (const CtyError& error) {
      throw CtyError(std::string(error.what()) + "\n" + kCtyHint +
                     "; give another one with --cty FILE.");
    }
  }();
  const KnownCalls knownCalls = LoadKnownCalls(arguments, toolPath);
  const std::string libraryPath =
      arguments.library.empty() ? DefaultLibrary(toolPath) : arguments.library;
  const StatsLibrary stats(libraryPath);

  const LogFile log = [&] {
    try {
      return ReadLog(ReadWholeFile(arguments.logFile), UkEiStations(cty));
    } catch (const std::runtime_error& error) {  // FileError or LogError
      throw LogError(arguments.logFile + ": " + error.what());
    }
  }();
  PrintWarnings(arguments.logFile, log.warnings);
  // With nothing to hand over, nothing is written.
  ReplayResult plan = PlanReplay(cty, log, arguments.replay);
  const bool handsQsos = !plan.handed.empty();
  if (handsQsos) RefuseOverwrites(arguments, plan.station);
  // Before the replay, whose reset leaves the plug-in's files as the replay alone makes them.
  std::optional<ContestHours> hours;
  if (handsQsos && (arguments.hours || !arguments.htmlFile.empty())) {
    hours = PlayHours(stats, plan, arguments.replay);
  }
  const ReplayResult result = Replay(stats, log, arguments.replay, std::move(plan));
  PrintWarnings(arguments.logFile, result.warnings);
  if (!result.nothingToHand.empty()) {
    std::cerr << "stats-replay: no QSO left to hand to the plug-in: " << result.nothingToHand
              << '\n';
    PrintSummary(result, log);
    return 1;
  }

  const ReplayStation& station = result.station;
  const Placement& own = station.placement;
  std::cout << "Replaying " << arguments.logFile << " as " << station.ownCall << " ("
            << (own.placed() ? own.prefix + ", " + own.continent : "not placed") << "), "
            << (station.cwLeg ? "CW" : "SSB") << " leg";
  if (!station.areaCode.empty()) std::cout << ", area " << station.areaCode;
  std::cout << ", contest " << FormatDate(station.contestStart, "%Y-%m-%d %H%M") << " to "
            << FormatDate(station.contestEnd, "%Y-%m-%d %H%M") << "\n\n"
            << TerminalText(result.report);
  if (!result.report.empty() && result.report.back() != '\n') std::cout << '\n';
  PrintSummary(result, log);
  const LogCheck check =
      CheckLog(knownCalls, station, result.handed, SubmittedCategoryHeader(log, arguments.replay));
  std::cout << '\n' << BeforeYouSubmit(check) << '\n';
  if (!arguments.htmlFile.empty()) {
    try {
      WriteWholeFile(arguments.htmlFile, HtmlPage(arguments.logFile, result.report, *hours, check,
                                                  LeftOutGroups(log, result, *hours)));
    } catch (const FileError& error) {
      throw FileError(arguments.htmlFile + ": " + error.what());
    }
  }
  // Paths from the current folder, where the plug-in writes.
  // The plug-in writes only a regular file; the counts above never depend on it.
  std::error_code noFile;
  std::cout << "Problem lines: " << result.problemLinesFile
            << (std::filesystem::is_regular_file(result.problemLinesFile, noFile)
                    ? " (refused QSOs and dupes in detail)\n"
                    : " not written: something else has its name\n");
  if (result.cabrilloProduced) std::cout << "Cabrillo log: " << result.cabrilloFile << '\n';
  if (!arguments.htmlFile.empty()) std::cout << "Page: " << arguments.htmlFile << '\n';
  int status = 0;
  if (!result.cabrilloFile.empty() && !result.cabrilloProduced) {
    std::cerr << "stats-replay: File not produced: " << result.cabrilloFile;
    if (!result.cabrilloRefusal.empty()) std::cerr << ": " << result.cabrilloRefusal;
    std::cerr << '\n';
    status = 1;
  }
  if (arguments.hours) std::cout << '\n' << HourTable(*hours);
  const ReplaySummary& summary = result.summary;
  if (summary.counted() > 0) return status;
  std::cerr << "stats-replay: no QSO was counted: the plug-in refused every QSO handed to it ("
            << Counted(summary.stored + summary.refused, "QSO") << ")\n";
  return 1;
}

// `commandLine`: the tool's path, then its arguments.
int RunCommandLine(const std::vector<std::string>& commandLine) {
  try {
    const Arguments arguments = ParseArguments(commandLine);
    if (arguments.help) {
      std::cout << kUsage;
      return 0;
    }
    if (arguments.areas) {
      for (const std::string_view code : kAreaCodes) std::cout << code << ' ';
      std::cout << "NK (Norwich, counted as NR)\n";
      return 0;
    }
    return Run(arguments, commandLine[0].c_str());
  } catch (const UsageError& error) {
    std::cerr << "stats-replay: " << error.what() << " (see --help)\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "stats-replay: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#if defined(_WIN32)
  const std::vector<std::string> commandLine = Utf8CommandLine();
  if (StartedWithDroppedLog(commandLine)) return ReplayDroppedLog(commandLine, RunCommandLine);
#else
  const std::vector<std::string> commandLine(argv, argv + argc);
#endif
  return RunCommandLine(commandLine);
}

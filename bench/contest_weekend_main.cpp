// contest-weekend: a whole contest log played through the plug-in as a host plays it
// during the contest, in compressed time, with every window open. For each QSO the call
// is typed (one CheckCall0 per character, the host's entry field following), the exchange
// checked and the QSO logged; the host pumps its messages between calls, so the window
// thread's refreshes ask it for the entry field and the dial while it goes on. Every 10th
// QSO the statistics are asked for, every 200th an earlier QSO is edited (removed and
// added again), and the leg is switched and back once. Then the log is exported as a host
// exports it, and the report, the problem-line file and the Cabrillo file are compared
// with those of stats-replay's run of the same log.
//
// Usage: contest-weekend [--qsos N] [LOG]
// Without LOG it plays the UK CW sample log made with N QSOs (5,000) by the sample-log
// generator; with LOG, the first N QSOs of that log (all without --qsos).
// Timing is reported, never judged: the exit code says only whether the files are
// identical and the plug-in's GDI objects went back to their count before the windows.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "bench/weekend_host.h"
#include "contest/contest_rules.h"
#include "contest/qso_record.h"
#include "contest/settings_file.h"
#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "platform/ini_file.h"
#include "tools/logs/whole_file.h"
#include "tools/replay/replay.h"
#include "tools/samples/sample_log.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCtyFile = "/usr/share/hamradio-files/cty.dat";
constexpr const char* kMasterScp = "/usr/share/hamradio-files/MASTER.SCP";
constexpr int kDefaultQsos = 5000;
// The operator pauses after typing a call now and then; the refresh timer fires in that
// pause, and the host goes on while the window thread does the refresh.
constexpr int kRefreshEvery = 10;
constexpr int kResultEvery = 10;
constexpr int kEditEvery = 200;

using Clock = std::chrono::steady_clock;

// The latencies of one export on the host's thread, in milliseconds.
struct ExportTimes {
  const char* name;
  std::vector<double> milliseconds;

  template <typename Call>
  auto Time(Call call) {
    const auto start = Clock::now();
    const auto result = call();
    milliseconds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    return result;
  }
  double Percentile(double fraction) const {
    std::vector<double> sorted = milliseconds;
    std::sort(sorted.begin(), sorted.end());
    const size_t rank =
        static_cast<size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted.empty() ? 0 : sorted[std::max<size_t>(rank, 1) - 1];
  }
};

struct Exports {
  ExportTimes checkCall{"CheckCall0", {}};
  ExportTimes validExchange{"IsValidExchg0", {}};
  ExportTimes addData{"AddData0", {}};
  ExportTimes removeData{"RemoveData0", {}};
  ExportTimes result{"GetResult0", {}};
  std::vector<ExportTimes*> all() {
    return {&checkCall, &validExchange, &addData, &removeData, &result};
  }
};

struct Arguments {
  int qsos = 0;  // 0: the whole log, or the default sample size
  std::string logFile;
};

Arguments ParseArguments(int argc, char** argv) {
  Arguments arguments;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--qsos" && i + 1 < argc) {
      arguments.qsos = std::atoi(argv[++i]);
      if (arguments.qsos <= 0) throw std::runtime_error("--qsos needs a positive number");
    } else if (arguments.logFile.empty() && argument.rfind("--", 0) != 0) {
      arguments.logFile = argument;
    } else {
      throw std::runtime_error("usage: contest-weekend [--qsos N] [LOG]");
    }
  }
  return arguments;
}

LogFile LoadLog(const Arguments& arguments, const CtyDatabase& cty) {
  if (arguments.logFile.empty()) {
    SampleLogPlan plan = UkCwSample();
    plan.qsos = arguments.qsos > 0 ? arguments.qsos : kDefaultQsos;
    return ReadLog(GenerateSampleLog(plan, CallPool(ReadWholeFile(kMasterScp), cty)),
                   UkEiStations(cty));
  }
  LogFile log = ReadLog(ReadWholeFile(arguments.logFile), UkEiStations(cty));
  if (arguments.qsos > 0 && log.qsos.size() > static_cast<size_t>(arguments.qsos)) {
    log.qsos.resize(static_cast<size_t>(arguments.qsos));
  }
  return log;
}

// Every file the plug-in left in the current folder (its settings aside), by name.
std::map<std::string, std::string> PluginFiles() {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::current_path())) {
    if (!entry.is_regular_file()) continue;
    files[entry.path().filename().string()] = ReadFileBytes(entry.path().string());
  }
  return files;
}

// The only text file in the current folder: the problem-line file the reset created.
fs::path ProblemLineFile() {
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::current_path())) {
    if (entry.path().extension() == ".txt") return entry.path();
  }
  throw std::runtime_error("the reset made no problem-line file");
}

// The settings an operator leaves behind when they want every window at the next start.
void WantEveryWindow(const ReplayStation& station) {
  WriteSettings(station, {});
  const IniFile settings(kSettingsSection, kSettingsPath);
  settings.Write(kStartKey, "0");
  settings.Write(kModeCwKey, station.cwLeg ? "1" : "0");
  settings.Write(kModeSsbKey, station.cwLeg ? "0" : "1");
  for (const char* view : {kViewAreaKey, kViewDxccKey, kViewDxccExtendedKey}) {
    settings.Write(view, "1");
  }
}

int CheckCall(const StatsLibrary& stats, const std::string& typed, const HostQso& qso,
              const std::string& typedPrefix) {
  char output[100];
  return Check(typed.c_str(), qso.mode.c_str(), typedPrefix.c_str(), qso.band.c_str(), nullptr,
               output, stats);
}

std::string Key(const HostQso& qso) {
  return qso.call + '\n' + qso.band + '\n' + qso.mode;
}

// What the weekend measured.
struct Weekend {
  size_t workingSetAtTenth = 0, workingSetAtEnd = 0;
  size_t recordsAtTenth = 0, recordsAtEnd = 0;  // QSOs the plug-in stored
  int bandChanges = 0;
  int edits = 0;
  std::string report;
  std::map<std::string, std::string> files;
};

Weekend PlayWeekend(WeekendHost& host, const CtyDatabase& cty, const std::vector<HostQso>& qsos,
                    Exports& exports) {
  const StatsLibrary& stats = host.plugin();
  Weekend weekend;
  size_t keystrokes = 0;
  for (const HostQso& qso : qsos) keystrokes += qso.call.size();
  // Room for every latency before the first QSO: the host's own memory stays flat.
  exports.checkCall.milliseconds.reserve(keystrokes);
  exports.validExchange.milliseconds.reserve(qsos.size());
  exports.addData.milliseconds.reserve(qsos.size() + qsos.size() / kEditEvery);
  exports.removeData.milliseconds.reserve(qsos.size() / kEditEvery);
  exports.result.milliseconds.reserve(qsos.size() / kResultEvery + 1);
  // Whether each QSO went in cleanly (stored, no problem line), and how many stored QSOs
  // share each call, band and mode: an edit of such a QSO changes no result.
  std::vector<bool> clean(qsos.size(), false);
  std::unordered_map<std::string, int> stored;
  stored.reserve(qsos.size());
  const fs::path problemLines = ProblemLineFile();

  int lastBand = -1;
  for (size_t i = 0; i < qsos.size(); ++i) {
    const HostQso& qso = qsos[i];
    if (i > 0 && i % kEditEvery == 0) {
      // The operator corrects a QSO from half-way back in the log: the host deletes it and
      // logs it again, at the end of the plug-in's log.
      for (size_t j = i / 2; j-- > 0;) {
        if (!clean[j] || stored[Key(qsos[j])] != 1) continue;
        exports.removeData.Time([&] { return RemoveQso(stats, qsos[j]); });
        host.PumpWaiting();
        exports.addData.Time([&] { return AddQso(stats, qsos[j]); });
        host.PumpWaiting();
        ++weekend.edits;
        break;
      }
    }
    const int band = BandSlotExact(qso.band);
    weekend.bandChanges += band != lastBand && lastBand >= 0 ? 1 : 0;
    lastBand = band;
    for (size_t typed = 1; typed <= qso.call.size(); ++typed) {
      const std::string text = qso.call.substr(0, typed);
      const std::string prefix = cty.Resolve(text).prefix;
      host.Show(text, qso.frequencyHz);
      exports.checkCall.Time([&] { return CheckCall(stats, text, qso, prefix); });
      host.PumpWaiting();
    }
    if (i % kRefreshEvery == 0) host.AwaitRefresh();
    exports.validExchange.Time([&] {
      return stats.IsValidExchg0(qso.exchange.c_str(), "", qso.worked.prefix.c_str(), "", 0, 0, 0);
    });
    const uintmax_t linesBefore = fs::file_size(problemLines);
    const int taken = exports.addData.Time([&] { return AddQso(stats, qso); });
    clean[i] = taken == 1 && fs::file_size(problemLines) == linesBefore;
    if (taken == 1) ++stored[Key(qso)];
    host.Show("", qso.frequencyHz);  // the host clears its entry field after logging
    host.PumpWaiting();
    if ((i + 1) % kResultEvery == 0) {
      int status = 0;
      exports.result.Time([&] { return stats.GetResult0(&status); });
      host.PumpWaiting();
    }
    if (i + 1 == qsos.size() / 10) {
      weekend.workingSetAtTenth = WeekendHost::WorkingSet();
      for (const auto& [key, count] : stored) weekend.recordsAtTenth += static_cast<size_t>(count);
    }
  }
  int status = 0;
  weekend.report = exports.result.Time([&] { return stats.GetResult0(&status); });
  weekend.workingSetAtEnd = WeekendHost::WorkingSet();
  for (const auto& [key, count] : stored) weekend.recordsAtEnd += static_cast<size_t>(count);
  weekend.files = PluginFiles();
  return weekend;
}

// The export as a host runs it: a statistics run for export over the whole log, its
// header dialog and its "Output" box confirmed. The files it adds join those of the run.
void Export(WeekendHost& host, const CtyDatabase& cty, const LogFile& log,
            std::map<std::string, std::string>& files) {
  ReplayOptions options;
  options.cabrillo = true;
  host.ConfirmingDialogs([&] { Replay(host.plugin(), cty, log, options); });
  files.merge(PluginFiles());
}

std::string Kilobytes(double bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f KB", bytes / 1024);
  return text;
}

int Run(const Arguments& arguments) {
  const CtyDatabase cty = CtyDatabase::Load(kCtyFile);
  const LogFile log = LoadLog(arguments, cty);
  // The station and the QSOs as stats-replay hands them over.
  const ReplayResult plan = PlanReplay(cty, log, {});
  const std::vector<HostQso>& qsos = plan.handed;
  const ReplayStation& station = plan.station;

  WeekendHost host;
  TempFolder folder;
  for (const char* run : {"weekend", "replay"}) fs::create_directories(fs::path(run) / "Plugins");
  fs::current_path("weekend");

  Exports exports;
  const std::optional<long> gdiBefore = host.GdiObjects();
  WantEveryWindow(station);
  host.Show("", qsos.front().frequencyHz);
  ResetFor(host.plugin(), station, false);
  std::optional<long> gdiOpen;
  if (WeekendHost::HasWindows()) {
    if (!host.AwaitWindows()) throw std::runtime_error("the plug-in's windows did not open");
    // Before the first QSO: a switch of the leg starts the problem-line file afresh.
    if (!host.ChangeLegAndBack(station.cwLeg)) {
      throw std::runtime_error("the leg boxes of the control window did not answer");
    }
    gdiOpen = host.GdiObjects();
  }
  const auto start = Clock::now();
  Weekend weekend = PlayWeekend(host, cty, qsos, exports);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  const bool windowsClosed = !WeekendHost::HasWindows() || host.CloseWindows();
  const std::optional<long> gdiAfter = host.GdiObjects();
  Export(host, cty, log, weekend.files);

  // stats-replay's runs of the log: the plain one for the report and the problem lines,
  // the one for export for the Cabrillo file.
  fs::current_path("../replay");
  const std::string replayReport = Replay(host.plugin(), cty, log, {}).report;
  std::map<std::string, std::string> replayFiles = PluginFiles();
  Export(host, cty, log, replayFiles);
  fs::current_path(folder.path());

  std::printf("contest-weekend: %zu QSOs of %s, %s leg, through %s; %.1f s\n", qsos.size(),
              station.ownCall.c_str(), station.cwLeg ? "CW" : "SSB", host.plugin().path().c_str(),
              seconds);
  std::printf("| export | calls | p50 ms | p99 ms | max ms |\n|---|---|---|---|---|\n");
  double worstP99 = 0, worstMax = 0;
  for (const ExportTimes* times : exports.all()) {
    const double p99 = times->Percentile(0.99), max = times->Percentile(1.0);
    std::printf("| %s | %zu | %.3f | %.3f | %.3f |\n", times->name, times->milliseconds.size(),
                times->Percentile(0.5), p99, max);
    worstP99 = std::max(worstP99, p99);
    worstMax = std::max(worstMax, max);
  }
  std::printf("dial: %d band changes; %d edits; refreshes: %d\n", weekend.bandChanges,
              weekend.edits, host.refreshes());
  const double growth =
      static_cast<double>(weekend.workingSetAtEnd) - static_cast<double>(weekend.workingSetAtTenth);
  const double records =
      static_cast<double>((weekend.recordsAtEnd - weekend.recordsAtTenth) * sizeof(CInfo));
  std::printf(
      "working set: %s at 10 %%, %s at the end: growth %s, of which the %zu records"
      " stored since, at %zu bytes each, %s\n",
      Kilobytes(static_cast<double>(weekend.workingSetAtTenth)).c_str(),
      Kilobytes(static_cast<double>(weekend.workingSetAtEnd)).c_str(), Kilobytes(growth).c_str(),
      weekend.recordsAtEnd - weekend.recordsAtTenth, sizeof(CInfo), Kilobytes(records).c_str());
  bool leaks = false;
  if (gdiBefore) {
    std::printf(
        "GDI objects of the plug-in: %ld before the windows, %ld with them open, %ld after"
        " they closed%s\n",
        *gdiBefore, gdiOpen.value_or(-1), gdiAfter.value_or(-1),
        windowsClosed ? "" : " (the window thread did not end)");
    leaks = !windowsClosed || gdiAfter != gdiBefore;
  }
  const bool identical = weekend.report == replayReport && weekend.files == replayFiles;
  for (const auto& [name, bytes] : replayFiles) {
    const auto found = weekend.files.find(name);
    std::printf("%s: %s\n", name.c_str(),
                found != weekend.files.end() && found->second == bytes ? "identical" : "differs");
  }
  std::printf("report: %s\n", weekend.report == replayReport ? "identical" : "differs");
  std::printf(
      "weekend: %zu QSOs, p99 %.3f ms, max %.3f ms, growth %.0f KB, refreshes %d, files %s\n",
      qsos.size(), worstP99, worstMax, (growth - records) / 1024, host.refreshes(),
      identical ? "identical" : "differ");
  return identical && !leaks ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(ParseArguments(argc, argv));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "contest-weekend: %s\n", error.what());
    return 2;
  }
}

// What the host's thread pays per call in the loaded plug-in: AddData0 while a log of
// 10,000 and of 100,000 QSOs is loaded, CheckCall0 against the full log, and GetResult0 of
// the log; and GetResult0 of a log whose 20,000 QSOs each came with a band text of its own,
// as a hostile host may send them (a report row each). The same
// program runs natively against libStats.so and under wine against either Stats.dll, so
// the three can be set side by side from one run on one machine.
//
// Usage: export-cost LIBRARY [LABEL]   (prints one table row per log size)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/synthetic_log.h"
#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "tools/replay/replay.h"

namespace {

constexpr int kRepeats = 3;  // the best of three: the least disturbed by the rest of the machine

using Clock = std::chrono::steady_clock;
volatile int answerSink;  // keeps the calls from being optimised away

double Seconds(Clock::duration elapsed) {
  return std::chrono::duration<double>(elapsed).count();
}

// A DX station's log of the synthetic QSOs, as the host passes them.
std::vector<HostQso> HostQsos(const SyntheticLog& log) {
  std::vector<HostQso> qsos(log.calls.size());
  for (size_t i = 0; i < qsos.size(); ++i) {
    HostQso& qso = qsos[i];
    qso.ownCall = "DL1AAA";
    qso.call = log.calls[i];
    qso.mode = "CW";
    qso.rstSent = qso.rstReceived = "599";
    qso.sentNumber = "001";
    qso.exchange = log.exchanges[i];
    qso.band = log.bands[i];
    qso.worked = {"K", "NA"};
    qso.time = FromCalendar({2016, 11, 12, 12, 5, 0});
    qso.frequencyHz = 14025000;
  }
  return qsos;
}

// Seconds for one GetResult0.
double ReportSeconds(const StatsLibrary& stats) {
  int status = 0;
  const auto begin = Clock::now();
  const char* report = stats.GetResult0(&status);
  const double seconds = Seconds(Clock::now() - begin);
  answerSink = report != nullptr ? report[0] : 0;
  return seconds;
}

// Seconds per AddData0, loading the whole log after a reset.
double LoadLog(const StatsLibrary& stats, const std::vector<HostQso>& qsos) {
  ReplayStation station;
  station.ownCall = "DL1AAA";
  station.placement = {"DL", "EU"};
  station.contestStart = FromCalendar({2016, 11, 12, 12, 0, 0});
  station.contestEnd = FromCalendar({2016, 11, 13, 12, 0, 0});
  // The reset leaves the windows closed: the weekend benchmark measures them open.
  WriteSettings(station, {});
  ResetFor(stats, station, false);
  const auto begin = Clock::now();
  for (const HostQso& qso : qsos) AddQso(stats, qso);
  return Seconds(Clock::now() - begin) / static_cast<double>(qsos.size());
}

// Seconds per CheckCall0 of a call from the log, on its own band or on another.
double CheckCalls(const StatsLibrary& stats, const SyntheticLog& log, int checks) {
  char output[100];
  int answers = 0;
  const auto begin = Clock::now();
  for (int i = 0; i < checks; ++i) {
    const size_t n = static_cast<size_t>(i) * 7919 % log.calls.size();
    answers += Check(log.calls[n].c_str(), "CW", "K", i % 2 ? log.bands[n] : "10m", nullptr, output,
                     stats);
  }
  const double seconds = Seconds(Clock::now() - begin);
  answerSink = answers;
  return seconds / checks;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: export-cost LIBRARY [LABEL]\n");
    return 2;
  }
  const std::string label = argc == 3 ? argv[2] : argv[1];
  try {
    TempFolder folder;
    const StatsLibrary stats(argv[1]);
    for (const int size : {10000, 100000}) {
      const SyntheticLog log = MakeSyntheticLog(size);
      const std::vector<HostQso> qsos = HostQsos(log);
      double add = 1e9, check = 1e9, report = 1e9;
      for (int repeat = 0; repeat < kRepeats; ++repeat) {
        add = std::min(add, LoadLog(stats, qsos));
        check = std::min(check, CheckCalls(stats, log, 100000));
        report = std::min(report, ReportSeconds(stats));
      }
      std::printf("| %s | %d | %.2f | %.0f | %.1f |\n", label.c_str(), size, add * 1e6, check * 1e9,
                  report * 1e3);
    }
    std::vector<HostQso> qsos = HostQsos(MakeSyntheticLog(20000));
    for (size_t i = 0; i < qsos.size(); ++i) qsos[i].band = "b" + std::to_string(i * 7919 % 20000);
    LoadLog(stats, qsos);
    double report = 1e9;
    for (int repeat = 0; repeat < kRepeats; ++repeat)
      report = std::min(report, ReportSeconds(stats));
    std::printf("| %s | 20000, a band text each | | | %.1f |\n", label.c_str(), report * 1e3);
  } catch (const StatsLibraryError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}

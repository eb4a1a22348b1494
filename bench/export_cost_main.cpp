// What the host's thread pays per call in the loaded plug-in: AddData0 while a log of
// 10,000 and of 100,000 QSOs is loaded, and CheckCall0 against the full log. The same
// program runs natively against libStats.so and under wine against either Stats.dll, so
// the three can be set side by side from one run on one machine.
//
// Usage: export-cost LIBRARY [LABEL]   (prints one table row per log size)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench/synthetic_log.h"
#include "tests/support/temp_folder.h"
#include "tools/stats_library.h"

namespace {

const char* const kUnused = "";
constexpr int kRepeats = 3;  // the best of three: the least disturbed by the rest of the machine

using Clock = std::chrono::steady_clock;
volatile int answerSink;  // keeps the calls from being optimised away

double Seconds(Clock::duration elapsed) {
  return std::chrono::duration<double>(elapsed).count();
}

void Reset(const StatsLibrary& stats) {
  OleDate start = FromCalendar({2016, 11, 12, 12, 0, 0});
  OleDate end = FromCalendar({2016, 11, 13, 12, 0, 0});
  stats.ResetStats0("", 0, "DL1AAA", &start, &end, kUnused, kUnused, kUnused, kUnused, kUnused,
                    kUnused, kUnused, kUnused, kUnused, "DL", 0, 0, 0, 0.0, 0.0, kUnused, "EU",
                    kUnused);
}

// Seconds per AddData0, loading the whole log after a reset.
double LoadLog(const StatsLibrary& stats, const SyntheticLog& log) {
  Reset(stats);
  OleDate time = FromCalendar({2016, 11, 12, 12, 5, 0});
  OleDate other{};
  const auto begin = Clock::now();
  for (size_t i = 0; i < log.calls.size(); ++i) {
    stats.AddData0("DL1AAA", log.calls[i].c_str(), &time, &other, &other, &other, 0, 14025000, "CW",
                   "599", "599", "001", log.exchanges[i].c_str(), kUnused, kUnused, kUnused,
                   kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, "K", 0, 0, 0, 0.0, 0.0,
                   kUnused, "NA", kUnused, log.bands[i], kUnused);
  }
  return Seconds(Clock::now() - begin) / static_cast<double>(log.calls.size());
}

// Seconds per CheckCall0 of a call from the log, on its own band or on another.
double CheckCalls(const StatsLibrary& stats, const SyntheticLog& log, int checks) {
  char output[100];
  int answers = 0;
  const auto begin = Clock::now();
  for (int i = 0; i < checks; ++i) {
    const size_t n = static_cast<size_t>(i) * 7919 % log.calls.size();
    answers += stats.CheckCall0(log.calls[n].c_str(), 0, 0, "CW", kUnused, kUnused, kUnused,
                                kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, "K", 0, 0, 0,
                                0.0, 0.0, kUnused, kUnused, kUnused, kUnused, kUnused,
                                i % 2 ? log.bands[n] : "10m", nullptr, output, nullptr);
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
      double add = 1e9, check = 1e9;
      for (int repeat = 0; repeat < kRepeats; ++repeat) {
        add = std::min(add, LoadLog(stats, log));
        check = std::min(check, CheckCalls(stats, log, 100000));
      }
      std::printf("| %s | %d | %.2f | %.0f |\n", label.c_str(), size, add * 1e6, check * 1e9);
    }
  } catch (const StatsLibraryError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}

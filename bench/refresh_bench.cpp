// One refresh of the multiplier windows against logs of 1,000 to 100,000 QSOs: the time
// the window thread holds the contest lock, since the host's answers take no time here.

#include <benchmark/benchmark.h>

#include <string>

#include "plugin/entry_points.h"
#include "setup/window_refresh.h"
#include "tests/setup/scripted_host.h"
#include "tests/support/host_calls.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr OpenWindows kAllOpen{true, true, true};

// Every twentieth QSO is with W1AW, on the band of its turn.
void LoadLog(int size) {
  static const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};
  Reset();
  for (int i = 0; i < size; ++i) {
    const std::string call = i % 20 == 0 ? "W1AW" : "K" + std::to_string(i) + "X";
    Add(Qso{.call = call.c_str(), .prefix = "K", .continent = "NA", .band = kBands[i % 5]});
  }
}

// The call typed: its rows are worked out from the whole log.
void BM_RefreshTypedCall(benchmark::State& state) {
  TempFolder folder;
  LoadLog(static_cast<int>(state.range(0)));
  ScriptedHost host;
  host.entryText = "W1AW";
  WindowRefresh refresh(contest);
  for (auto _ : state) benchmark::DoNotOptimize(refresh.Run(host, kAllOpen));
}

// Nothing typed: the band's worked lists are copied for the grids.
void BM_RefreshEmptyEntry(benchmark::State& state) {
  TempFolder folder;
  LoadLog(static_cast<int>(state.range(0)));
  GetResult0(nullptr);
  ScriptedHost host;
  WindowRefresh refresh(contest);
  for (auto _ : state) benchmark::DoNotOptimize(refresh.Run(host, kAllOpen));
}

}  // namespace

BENCHMARK(BM_RefreshTypedCall)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefreshEmptyEntry)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();

// One refresh of the multiplier windows against logs of 1,000 to 100,000 QSOs: the time
// the window thread holds the contest lock, since the host's answers take no time here.

#include <benchmark/benchmark.h>

#include <string>

#include "host/host_calls.h"
#include "host/scripted_host.h"
#include "host/temp_folder.h"
#include "plugin/entry_points.h"
#include "setup/window_refresh.h"

namespace {

constexpr OpenWindows kAllOpen{true, true, true};

// W1AW is worked on each band, at five places spread over the log, as a busy station is.
void LoadLog(int size) {
  static const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};
  Reset();
  const int spacing = size / 5;
  for (int i = 0; i < size; ++i) {
    const bool w1aw = i % spacing == 0;
    const std::string call = w1aw ? "W1AW" : "K" + std::to_string(i) + "X";
    const char* band = kBands[w1aw ? i / spacing : i % 5];
    Add(Qso{.call = call.c_str(), .prefix = "K", .continent = "NA", .band = band});
  }
}

// The call typed: its rows are worked out from its QSOs.
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

// A contest-length session: 200,000 entry-point calls with a refreshing window thread.

#include <benchmark/benchmark.h>

#include "host/contest_session.h"
#include "host/temp_folder.h"

namespace {

void BM_ContestSession(benchmark::State& state) {
  TempFolder folder;
  SessionFigures figures;
  for (auto _ : state) figures = RunContestSession(static_cast<size_t>(state.range(0)));
  state.counters["calls"] = static_cast<double>(figures.calls);
  state.counters["refreshes"] = static_cast<double>(figures.refreshes);
  state.counters["heap_growth_bytes"] = static_cast<double>(figures.heapGrowthBytes);
}

}  // namespace

BENCHMARK(BM_ContestSession)->Arg(200000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_MAIN();

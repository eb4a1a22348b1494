// The contest log's entry points against logs of 1,000 to 100,000 QSOs.

#include <benchmark/benchmark.h>

#include "bench/synthetic_log.h"
#include "host/host_calls.h"
#include "host/temp_folder.h"

namespace {

Qso QsoOf(const SyntheticLog& log, int i) {
  Qso qso;
  qso.call = log.calls[i].c_str();
  qso.exchange = log.exchanges[i].c_str();
  qso.prefix = "K";
  qso.continent = "NA";
  qso.band = log.bands[i];
  return qso;
}

void Load(const SyntheticLog& log) {
  Reset();
  for (size_t i = 0; i < log.calls.size(); ++i) Add(QsoOf(log, static_cast<int>(i)));
}

void BM_LoadLog(benchmark::State& state) {
  TempFolder folder;
  const SyntheticLog log = MakeSyntheticLog(static_cast<int>(state.range(0)));
  for (auto _ : state) Load(log);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["ns_per_qso"] = benchmark::Counter(
      static_cast<double>(state.iterations() * state.range(0)),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_CheckCall(benchmark::State& state) {
  TempFolder folder;
  const SyntheticLog log = MakeSyntheticLog(static_cast<int>(state.range(0)));
  Load(log);
  int i = 0;
  for (auto _ : state) {
    const int n = i++ % static_cast<int>(log.calls.size());
    benchmark::DoNotOptimize(Check(log.calls[n].c_str(), "CW", "K", i % 2 ? log.bands[n] : "10m"));
  }
}

// Takes QSOs out of the second quarter of the log, so that about half the log moves up;
// the re-entry at the end that keeps the size is not timed.
void BM_RemoveData(benchmark::State& state) {
  TempFolder folder;
  const int size = static_cast<int>(state.range(0));
  const SyntheticLog log = MakeSyntheticLog(size);
  Load(log);
  int i = 0;
  for (auto _ : state) {
    const int n = size / 4 + i++ % (size / 4);
    benchmark::DoNotOptimize(Remove(QsoOf(log, n)));
    state.PauseTiming();
    Add(QsoOf(log, n));
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(BM_LoadLog)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckCall)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_RemoveData)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();

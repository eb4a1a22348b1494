// The contest log's entry points against logs of 1,000 to 100,000 QSOs.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "tests/support/host_calls.h"
#include "tests/support/temp_folder.h"

namespace {

struct LogData {
  std::vector<std::string> calls, exchanges;
  std::vector<const char*> bands;
};

// About one QSO in twenty repeats an earlier call on its band: the dupes of a real log.
LogData MakeLog(int size) {
  static const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};
  LogData log;
  for (int i = 0; i < size; ++i) {
    const int station = i % 20 == 19 ? i / 2 : i;
    log.calls.push_back("K" + std::to_string(station) + "X");
    log.exchanges.push_back(std::to_string(i % 5000 + 1));
    log.bands.push_back(kBands[station % 5]);
  }
  return log;
}

Qso QsoOf(const LogData& log, int i) {
  Qso qso;
  qso.call = log.calls[i].c_str();
  qso.exchange = log.exchanges[i].c_str();
  qso.prefix = "K";
  qso.continent = "NA";
  qso.band = log.bands[i];
  return qso;
}

void Load(const LogData& log) {
  Reset();
  for (size_t i = 0; i < log.calls.size(); ++i) Add(QsoOf(log, static_cast<int>(i)));
}

void BM_LoadLog(benchmark::State& state) {
  TempFolder folder;
  const LogData log = MakeLog(static_cast<int>(state.range(0)));
  for (auto _ : state) Load(log);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["ns_per_qso"] = benchmark::Counter(
      static_cast<double>(state.iterations() * state.range(0)),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_CheckCall(benchmark::State& state) {
  TempFolder folder;
  const LogData log = MakeLog(static_cast<int>(state.range(0)));
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
  const LogData log = MakeLog(size);
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

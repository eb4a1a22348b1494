// GetResult0 on logs of 1,000 to 100,000 QSOs (5,000 and 20,000 as in the contest weekend),
// with and without the Cabrillo export.
// Run: build/native/bench/report_bench

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "host/host_calls.h"
#include "host/temp_folder.h"

namespace {

struct Worked {
  const char* prefix;
  const char* continent;
};

// A UK/EI own station scores by time of day too: the most work per QSO.
void FillLog(int qsoCount, int cabrilloExport) {
  Reset({"G4ZZ", "G", "EU", cabrilloExport});
  static const std::array<const char*, 5> kBands = {"80m", "40m", "20m", "15m", "10m"};
  static const std::array<const char*, 6> kAreas = {"5LN", "12AB", "7 BA", "123SW", "9KT", "44XX"};
  std::vector<Worked> stations;
  static std::vector<std::string> prefixes;  // the texts outlive the calls
  prefixes.clear();
  for (int i = 0; i < 300; ++i) prefixes.push_back("P" + std::to_string(i));
  for (int i = 0; i < 300; ++i) {
    stations.push_back({prefixes[i].c_str(), i % 3 == 0 ? "EU" : i % 3 == 1 ? "NA" : "AS"});
  }
  stations[0] = {"G", "EU"};
  stations[1] = {"GM", "EU"};
  uint32_t random = 12345;
  for (int i = 0; i < qsoCount; ++i) {
    random = random * 1664525u + 1013904223u;
    const Worked& station =
        stations[random % 4 == 0 ? random % 2 : (random >> 8) % stations.size()];
    const std::string call = "C" + std::to_string((random >> 4) % (qsoCount / 2 + 1));
    const bool ukEi = station.prefix[0] == 'G';
    const double minute = 48.0 * 60 * i / qsoCount;
    Add({"G4ZZ", call.c_str(), station.prefix, station.continent,
         kBands[(random >> 12) % kBands.size()], ContestDay(0, 0, minute * 60),
         ukEi ? kAreas[(random >> 16) % kAreas.size()] : "5", (random >> 20) % 2 ? "CW" : "SSB",
         14025000});
  }
}

void GetResult(benchmark::State& state, int cabrilloExport) {
  TempFolder folder;
  FillLog(static_cast<int>(state.range(0)), cabrilloExport);
  for (auto _ : state) {
    int status = 0;
    benchmark::DoNotOptimize(GetResult0(&status));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_GetResult0(benchmark::State& state) {
  GetResult(state, 0);
}
void BM_GetResult0WithCabrilloFile(benchmark::State& state) {
  GetResult(state, 1);
}

BENCHMARK(BM_GetResult0)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetResult0WithCabrilloFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// stats-replay's work: loading the country file, and a 100,000-QSO ADIF log scored end to
// end (file read, ADIF, country file, the plug-in through its entry points, the report).

#include <benchmark/benchmark.h>

#include <string>

#include "tests/support/temp_folder.h"
#include "tools/replay.h"
#include "tools/sample_log.h"
#include "tools/whole_file.h"

namespace {

constexpr const char* kCty = "/usr/share/hamradio-files/cty.dat";
constexpr const char* kMasterScp = "/usr/share/hamradio-files/MASTER.SCP";

void LoadCountryFile(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CtyDatabase::Load(kCty));
}
BENCHMARK(LoadCountryFile)->Unit(benchmark::kMillisecond);

void ReplayAdifLog(benchmark::State& state) {
  TempFolder folder;
  SampleLogPlan plan = UkCwSample();
  plan.qsos = static_cast<int>(state.range(0));
  WriteFileBytes("log.adi", GenerateSampleLog(plan, CallPool(ReadWholeFile(kMasterScp),
                                                             CtyDatabase::Load(kCty))));
  const StatsLibrary stats(STATS_LIBRARY_FILE);
  for (auto _ : state) {
    const CtyDatabase cty = CtyDatabase::Load(kCty);
    const ReplayResult result =
        Replay(stats, cty, ReadLog(ReadWholeFile("log.adi"), UkEiStations(cty)), {});
    benchmark::DoNotOptimize(result.report.data());
  }
}
BENCHMARK(ReplayAdifLog)->Arg(2000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// stats-replay's work: loading the country file, a 100,000-QSO ADIF log scored and checked
// end to end (file read, ADIF, country file, the plug-in through its entry points, the
// report, the check against MASTER.SCP), and the page of --html for a 5,000-QSO log.

#include <benchmark/benchmark.h>

#include <string>

#include "host/temp_folder.h"
#include "tools/check/log_check.h"
#include "tools/hours/contest_hours.h"
#include "tools/logs/whole_file.h"
#include "tools/page/html_page.h"
#include "tools/replay/replay.h"
#include "tools/samples/sample_log.h"

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
    const LogCheck check =
        CheckLog(KnownCalls::Load(kMasterScp), result.station, result.handed, {});
    benchmark::DoNotOptimize(result.report.data());
    benchmark::DoNotOptimize(check.findings.data());
  }
}
BENCHMARK(ReplayAdifLog)->Arg(2000)->Arg(100000)->Unit(benchmark::kMillisecond);

// What --html adds to a replay: the log played hour by hour through the plug-in, the page
// built and written. Its size in bytes is a counter.
void WriteHourPage(benchmark::State& state) {
  TempFolder folder;
  SampleLogPlan plan = UkCwSample();
  plan.qsos = static_cast<int>(state.range(0));
  const CtyDatabase cty = CtyDatabase::Load(kCty);
  const LogFile log =
      ReadLog(GenerateSampleLog(plan, CallPool(ReadWholeFile(kMasterScp), cty)), UkEiStations(cty));
  const StatsLibrary stats(STATS_LIBRARY_FILE);
  const ReplayResult result = Replay(stats, cty, log, {});
  const LogCheck check = CheckLog({}, result.station, result.handed, {});
  size_t bytes = 0;
  for (auto _ : state) {
    const ContestHours hours = PlayHours(stats, PlanReplay(cty, log, {}), {});
    const std::string page =
        HtmlPage("log.adi", result.report, hours, check, LeftOutGroups(log, result, hours));
    WriteWholeFile("page.html", page);
    bytes = page.size();
  }
  state.counters["page_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(WriteHourPage)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

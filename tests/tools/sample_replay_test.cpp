// The sample logs replayed end to end through the loaded plug-in, checked against the
// plain reference model of the contest rules fed with the same QSOs: the report line by
// line, the problem-line file byte for byte, the summary, and the Cabrillo log of an
// export run.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <ostream>
#include <set>
#include <tuple>

#include "contest/contest_rules.h"
#include "host/temp_folder.h"
#include "tests/model/reference_log.h"
#include "tools/check/log_check.h"
#include "tools/hours/contest_hours.h"
#include "tools/logs/whole_file.h"
#include "tools/page/html_page.h"
#include "tools/replay/replay.h"

namespace {

constexpr const char* kCty = "/usr/share/hamradio-files/cty.dat";
constexpr const char* kScp = "/usr/share/hamradio-files/MASTER.SCP";

struct Sample {
  const char* file;
  const char* ownCall;
  const char* areaCode;
  bool cwLeg;
  std::array<int, kFindingKinds> findings;  // planted by the generator, by kind
};

void PrintTo(const Sample& sample, std::ostream* out) {
  *out << sample.file;
}

std::vector<std::string> Lines(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t found; (found = text.find(end, start)) != std::string::npos;
       start = found + end.size()) {
    lines.push_back(text.substr(start, found - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::string FirstWord(const std::string& text) {
  return text.substr(0, text.find(' '));
}

class SampleReplay : public ::testing::TestWithParam<Sample> {};

TEST_P(SampleReplay, ScoresTheLogAsTheContestRulesDo) {
  if (!std::ifstream(kCty)) GTEST_SKIP() << kCty << " is not installed (Debian hamradio-files)";
  const Sample& sample = GetParam();
  TempFolder folder;
  const CtyDatabase cty = CtyDatabase::Load(kCty);
  const LogFile log = ReadLog(
      ReadWholeFile(std::string(STATS_SOURCE_DIR "/samples/") + sample.file), UkEiStations(cty));
  ASSERT_EQ(log.qsos.size(), 2000u);
  ASSERT_TRUE(log.problems.empty());
  const StatsLibrary stats(STATS_LIBRARY_FILE);
  const ReplayResult result = Replay(stats, cty, log, {});

  const ReplayStation& station = result.station;
  EXPECT_EQ(station.ownCall, sample.ownCall);
  EXPECT_EQ(station.areaCode, sample.areaCode);
  EXPECT_EQ(station.cwLeg, sample.cwLeg);
  EXPECT_TRUE(result.warnings.empty());

  // The model gets the QSOs as a host would pass them: a UK/EI station's area code after its
  // number, and the number sent first.
  ReferenceLog model;
  model.Reset({station.ownCall, station.placement.prefix, station.placement.continent,
               station.contestStart, station.contestEnd},
              station.areaCode, station.cwLeg);
  for (const LogQso& qso : log.qsos) {
    const Placement worked = cty.Resolve(qso.call);
    const std::string exchange = qso.receivedArea.empty() || !IsUkEiPrefix(worked.prefix)
                                     ? qso.receivedExchange
                                     : qso.receivedExchange + " " + qso.receivedArea;
    model.Add({qso.ownCall, qso.call, qso.time, qso.frequencyHz, qso.mode, qso.rstSent,
               qso.rstReceived, FirstWord(qso.sentExchange), exchange, worked.prefix,
               worked.continent, qso.band});
  }
  const ModelReport expected = model.Report(false);

  const std::vector<std::string> reportLines = Lines(result.report, "\r\n");
  EXPECT_EQ(reportLines, Lines(expected.text, "\r\n"));
  EXPECT_GT(reportLines.size(), 12u);
  EXPECT_EQ(ReadFileBytes(model.statsFileName()), model.statsFile());

  const int stored = static_cast<int>(model.log().size());
  int dupes = 0;
  for (const ModelQso& qso : model.log()) dupes += qso.isDupe ? 1 : 0;
  EXPECT_EQ(result.summary.read, 2000);
  EXPECT_EQ(result.summary.stored, stored);
  EXPECT_EQ(result.summary.refused, 2000 - stored);
  EXPECT_EQ(result.summary.dupes, dupes);
  EXPECT_EQ(result.summary.notPlaced, 0);
  // The check names what the generator planted (and its miscopied area codes), no more.
  const LogCheck check = CheckLog(KnownCalls::Load(kScp), station, result.handed, {});
  EXPECT_EQ(std::vector<int>(check.counts, check.counts + kFindingKinds),
            std::vector<int>(sample.findings.begin(), sample.findings.end()));

#if !defined(_WIN32)  // on Windows an export run asks the operator: header dialog, message box
  // For export the plug-in writes every stored QSO to the Cabrillo log, with the score.
  ReplayOptions exportRun;
  exportRun.cabrillo = true;
  Replay(stats, cty, log, exportRun);
  const std::string cabrillo = ReadFileBytes(std::string(sample.ownCall) + ".cbr");
  EXPECT_NE(cabrillo.find("\r\nCLAIMED-SCORE: " + std::to_string(expected.score) + "\r\n"),
            std::string::npos);
  int qsoLines = 0;
  for (const std::string& line : Lines(cabrillo, "\r\n")) qsoLines += line.rfind("QSO: ", 0) == 0;
  EXPECT_EQ(qsoLines, stored);
  // ... which reads back to the same score.
  const std::string score = result.report.substr(result.report.rfind("Score: "));
  const ReplayResult again = Replay(stats, cty, ReadLog(cabrillo, UkEiStations(cty)), {});
  EXPECT_EQ(again.report.substr(again.report.rfind("Score: ")), score);
#endif

  // Hour by hour the plug-in's own numbers add up to its report's; UK/EI stations have
  // four bonus hours.
  const ContestHours hours = PlayHours(stats, PlanReplay(cty, log, {}), {});
  const ReportTable report = ReadReportTable(result.report);
  EXPECT_EQ(hours.outsideHours, 0);
  std::vector<int> qsosByBand(report.bands.size());
  ReportRow sums;
  int bonusHours = 0;
  for (const ContestHour& hour : hours.hours) {
    ASSERT_EQ(hour.qsosByBand.size(), qsosByBand.size());
    for (size_t band = 0; band < qsosByBand.size(); ++band)
      qsosByBand[band] += hour.qsosByBand[band];
    sums.qsos += hour.qsos;
    sums.points += hour.points;
    sums.dxcc += hour.newDxcc;
    sums.areas += hour.newAreas;
    bonusHours += hour.bonus ? 1 : 0;
  }
  for (size_t band = 0; band < qsosByBand.size(); ++band) {
    EXPECT_EQ(qsosByBand[band], report.bands[band].qsos) << report.bands[band].band;
  }
  EXPECT_EQ(
      std::tie(sums.qsos, sums.points, sums.dxcc, sums.areas),
      std::tie(report.total.qsos, report.total.points, report.total.dxcc, report.total.areas));
  EXPECT_EQ(hours.hours.back().score, report.score);
  // The counted QSOs' points, DXCC and areas, which the page splits, are the report's.
  for (const ReportRow& band : report.bands) {
    int points = 0;
    std::set<std::string> prefixes, areas;
    for (const CountedQso& qso : hours.counted) {
      if (qso.band != band.band) continue;
      points += qso.points;
      if (!qso.prefix.empty()) prefixes.insert(qso.prefix);
      if (!qso.area.empty()) areas.insert(qso.area);
    }
    EXPECT_EQ(std::make_tuple(points, prefixes.size(), areas.size()),
              std::make_tuple(band.points, size_t(band.dxcc), size_t(band.areas)))
        << band.band;
  }
  EXPECT_EQ(bonusHours, sample.ownCall[0] == 'G' ? 4 : 0);
  EXPECT_EQ(hours.refused.size(), static_cast<size_t>(2000 - stored));

  // Three charts: a bar for each hour, twice, and two for each band.
  const std::string page = HtmlPage(sample.file, result.report, hours, {}, {});
  EXPECT_LT(page.size(), 200'000u);
  size_t bars = 0;
  for (size_t at = 0; (at = page.find("<g class=\"bar\"", at + 1)) != std::string::npos;) ++bars;
  const auto drawn = std::count_if(report.bands.begin(), report.bands.end(),
                                   [](const ReportRow& band) { return band.qsos > 0; });
  EXPECT_EQ(bars, 2 * 24 + 2 * static_cast<size_t>(drawn));  // not 160 m, where none counted
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SampleReplay,
    ::testing::Values(Sample{"G4SMP-uk-cw.adi", "G4SMP", "CB", true, {3, 1, 1, 0, 0, 0}},
                      Sample{"K1SMP-dx-ssb.log", "K1SMP", "", false, {3, 4, 1, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.ownCall); });

}  // namespace

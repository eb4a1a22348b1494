#include "tools/replay/replay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "contest/settings_file.h"
#include "host/temp_folder.h"
#include "platform/ini_file.h"
#include "platform/text_format.h"
#include "tests/tools/cty_excerpt.h"
#include "tools/check/log_check.h"
#include "tools/hours/contest_hours.h"
#include "tools/logs/whole_file.h"
#include "tools/page/html_page.h"
#include "tools/replay/kept_file.h"
#include "tools/replay/output_files.h"
#include "tools/stats_replay/page_beside_log.h"

namespace {

// A UK station's CW log: the area code sent is LN, one miscopied area, dupes, a QSO on
// 160 m, one in RTTY, one with a call no entity knows.
constexpr const char* kUkLog =
    "<EOH>\n"
    "<CALL:6>DL1ABC <QSO_DATE:8>20161112 <TIME_ON:4>1205 <FREQ:6>14.025 <MODE:2>CW "
    "<RST_SENT:3>599 <RST_RCVD:3>579 <STX_STRING:6>001 LN <SRX:2>12 <STATE:2>CA "
    "<STATION_CALLSIGN:5>G4XYZ <EOR>\n"
    "<CALL:6>GM3ABC <QSO_DATE:8>20161112 <TIME_ON:4>1206 <FREQ:6>14.026 <MODE:2>CW "
    "<RST_SENT:3>599 <RST_RCVD:3>599 <STX_STRING:5>002LN <SRX:2>44 <STATE:2>ab <EOR>\n"
    "<CALL:6>GM3ABC <QSO_DATE:8>20161112 <TIME_ON:4>1207 <FREQ:6>14.027 <MODE:2>CW "
    "<RST_SENT:3>599 <RST_RCVD:3>599 <STX_STRING:6>003 LN <SRX:2>45 <STATE:2>AB <EOR>\n"
    "<CALL:6>DL1ABC <QSO_DATE:8>20161112 <TIME_ON:4>1208 <FREQ:6>14.028 <MODE:2>CW "
    "<RST_SENT:3>599 <RST_RCVD:3>599 <STX:3>004 <SRX:2>13 <STATE:2>CA <EOR>\n"
    "<CALL:5>W1ABC <QSO_DATE:8>20161112 <TIME_ON:4>1209 <FREQ:5>1.825 <MODE:2>CW "
    "<RST_SENT:3>599 <RST_RCVD:3>599 <STX:3>005 <SRX:1>7 <EOR>\n"
    "<CALL:5>XX0XX <QSO_DATE:8>20161112 <TIME_ON:4>1210 <FREQ:6>14.080 <MODE:2>CW "
    "<RST_SENT:3>599 <RST_RCVD:3>599 <STX:3>006 <SRX:1>8 <EOR>\n"
    "<CALL:6>DL2ABC <QSO_DATE:8>20161112 <TIME_ON:4>1210 <FREQ:6>14.080 <MODE:4>RTTY "
    "<RST_SENT:3>599 <RST_RCVD:3>599 <STX:3>006 <SRX:1>8 <EOR>\n"
    "<CALL:6>2M0ZET <QSO_DATE:8>20161112 <TIME_ON:4>1211 <FREQ:5>7.010 <MODE:2>CW "
    "<RST_SENT:3>599 <RST_RCVD:3>599 <STX:3>007 <SRX:1>9<SRX_STRING:2>zz <EOR>\n";

class Replaying : public ::testing::Test {
 protected:
  ReplayResult Run(const char* log, const ReplayOptions& options = {}) {
    return Replay(stats, cty, ReadLog(log, UkEiStations(cty)), options);
  }
  std::string Setting(const char* key) {
    return IniFile(kSettingsSection, kSettingsPath).Read(key);
  }

  TempFolder folder;
  const StatsLibrary stats{STATS_LIBRARY_FILE};
  const CtyDatabase cty = Excerpt();
};

TEST_F(Replaying, HandsEveryQsoToThePluginAsTheHostDoes) {
  const ReplayResult result = Run(kUkLog);

  const ReplayStation& station = result.station;
  EXPECT_EQ(station.ownCall, "G4XYZ");
  EXPECT_EQ(station.placement.prefix, "G");
  EXPECT_EQ(station.placement.continent, "EU");
  EXPECT_TRUE(station.cwLeg);
  EXPECT_EQ(station.areaCode, "LN");
  EXPECT_EQ(FormatDate(station.contestStart, "%Y-%m-%d %H%M%S"), "2016-11-12 120000");
  EXPECT_EQ(FormatDate(station.contestEnd, "%Y-%m-%d %H%M%S"), "2016-11-13 120000");
  EXPECT_EQ(Setting("Mode"), "1");
  EXPECT_EQ(Setting("setup_areacode"), "LN");
  EXPECT_EQ(Setting("Start"), "0");  // the reset opened no windows

  EXPECT_EQ(result.summary.read, 8);
  EXPECT_EQ(result.summary.stored, 6);
  EXPECT_EQ(result.summary.refused, 2);
  EXPECT_EQ(result.summary.dupes, 2);
  EXPECT_EQ(result.summary.areaWarnings, 1);
  EXPECT_EQ(result.summary.notPlaced, 1);
  EXPECT_TRUE(result.warnings.empty());
  // One count per reason, with the first line and what of it gives the reason.
  std::vector<std::string> reasons;
  for (const ReasonCount& reason : result.reasons) {
    reasons.push_back(reason.what + ": " + std::to_string(reason.count) + " from line " +
                      std::to_string(reason.lines.front()) + " " + reason.firstDetail);
  }
  EXPECT_EQ(reasons, (std::vector<std::string>{
                         "not a contest band: 1 from line 6 160m",
                         "not a contest mode: 1 from line 8 RTTY",
                         "calls not placed by the country file, handed over (no multiplier): 1 "
                         "from line 7 XX0XX",
                         "dupes: 2 from line 4 GM3ABC",
                     }));
  // The call that cannot be placed is judged with the others: 20m has 3 QSOs.
  EXPECT_NE(result.report.find("\r\n20m\t 3\t 8\t"), std::string::npos) << result.report;
  EXPECT_EQ(result.problemLinesFile, "VurovODUVIR_EI_13_11_2016.txt");
  EXPECT_EQ(result.cabrilloFile, "");

  // The problem lines repeat what the plug-in was handed: the sent number without the
  // area code, the area code of a UK/EI station's STATE after its number, but not the
  // American one, the received RST, the frequency in kHz.
  EXPECT_EQ(ReadFileBytes("VurovODUVIR_EI_13_11_2016.txt"),
            "UK/EI CW DX Contest UBN file \r\n"
            "QSO:  14027  CW  2016-11-12 1207  G4XYZ  599  003  GM3ABC  599  45 AB   DUPE !!!\r\n"
            "QSO:  14028  CW  2016-11-12 1208  G4XYZ  599  004  DL1ABC  599  13   DUPE !!!\r\n"
            "QSO:  1825  CW  2016-11-12 1209  G4XYZ  599  005  W1ABC  599  7   NO CONTEST BAND "
            "!!!\r\n"
            "QSO:  14080  RTTY  2016-11-12 1210  G4XYZ  599  006  DL2ABC  599  8   NO CONTEST "
            "MODE !!!\r\n"
            "QSO:  7010  CW  2016-11-12 1211  G4XYZ  599  007  2M0ZET  599  9 ZZ  9 ZZ  UK/EI "
            "Code Area is not acceptable !!!\r\n");
}

// The hour table's numbers are the plug-in's report's, hour by hour and in total.
void ExpectSameTotals(const ContestHours& hours, const std::string& report) {
  const ReportTable table = ReadReportTable(report);
  EXPECT_EQ(hours.whole.score, table.score);
  EXPECT_EQ(hours.whole.bands.size(), table.bands.size());
  const ReportRow& mine = hours.whole.total;
  EXPECT_EQ(std::tie(mine.qsos, mine.points, mine.dxcc, mine.areas),
            std::tie(table.total.qsos, table.total.points, table.total.dxcc, table.total.areas));
  int qsos = 0, points = 0, dxcc = 0, areas = 0;
  for (const ContestHour& hour : hours.hours) {
    qsos += hour.qsos;
    points += hour.points;
    dxcc += hour.newDxcc;
    areas += hour.newAreas;
  }
  EXPECT_EQ(qsos + hours.outsideHours, table.total.qsos);
  if (hours.outsideHours != 0) return;
  EXPECT_EQ(std::tie(points, dxcc, areas),
            std::tie(table.total.points, table.total.dxcc, table.total.areas));
  EXPECT_EQ(hours.hours.back().score, table.score);
}

TEST_F(Replaying, TellsTheContestHourByHour) {
  const LogFile log = ReadLog(kUkLog, UkEiStations(cty));
  const ContestHours hours = PlayHours(stats, PlanReplay(cty, log, {}), {});
  ExpectSameTotals(hours, Replay(stats, cty, log, {}).report);
  ASSERT_EQ(hours.hours.size(), 24u);
  // The refused QSO on 160 m opened a row in the report, as it does in the host.
  EXPECT_EQ(hours.bands, (std::vector<std::string>{"160m", "40m", "20m"}));
  EXPECT_EQ(hours.hours[0].qsosByBand, (std::vector<int>{0, 1, 3}));
  for (size_t hour = 0; hour < 24; ++hour) {
    EXPECT_EQ(hours.hours[hour].bonus, hour >= 13 && hour <= 16) << hour;  // 0100 to 0400
  }
  ASSERT_EQ(hours.refused.size(), 2u);
  EXPECT_EQ(hours.refused[0].line, 6);  // on 160 m
  EXPECT_EQ(hours.refused[1].line, 8);  // in RTTY
  // Dupes do not count towards the rates: DL1ABC, GM3ABC, XX0XX, 2M0ZET.
  EXPECT_EQ(RatesLine(hours),
            "Best 60 minutes: 4 QSOs from 1205; best 10 minutes: 4 QSOs (24/hour) from 1205; "
            "off-times: 1211-1200 (23h49), 23h49 in all");
  const std::string table = HourTable(hours);
  EXPECT_EQ(table.substr(0, table.find('\n', table.find('\n') + 1) + 1),
            "Hour    160m   40m   20m  QSOs Points  DXCC  Area       Score\n"
            "1200       0     1     3     4     12     3     1          48\n");
  EXPECT_NE(table.find("\n0100*      0     0     0     0      0     0     0          48\n"),
            std::string::npos);
  EXPECT_NE(table.find("\nTotal      0     1     3     4     12     3     1          48\n"
                       "* bonus hour: the station's QSOs score double\n"),
            std::string::npos);

  EXPECT_THROW(ReadReportTable("Band\tQSOs\r\n20m\t 1\r\n"), ReplayError);
}

TEST_F(Replaying, PagesTheContestWithWhatWasNotScored) {
  const LogFile log = ReadLog(kUkLog, UkEiStations(cty));
  const ContestHours hours = PlayHours(stats, PlanReplay(cty, log, {}), {});
  const ReplayResult result = Replay(stats, cty, log, {});
  std::vector<LeftOutGroup> groups = LeftOutGroups(log, result, hours);
  // The replay's four reasons with every line, then the area code the plug-in refused.
  ASSERT_EQ(groups.size(), 5u);
  EXPECT_EQ(groups[0].lines[0].line, 6);
  EXPECT_EQ(groups[0].lines[0].what, "2016-11-12 1209 W1ABC 160m CW sent 005 received 7");
  EXPECT_EQ(groups[3].lines.size(), 2u);  // the dupes
  EXPECT_EQ(groups[4].lines[0].what, "2016-11-12 1211 2M0ZET 40m CW sent 007 received 9 ZZ");
  groups.push_back({"noted", {{0, "a word on the whole log"}}});

  const std::string page = HtmlPage("<G4XYZ & co>.adi", result.report, hours, {}, groups);
  EXPECT_NE(page.find(">&lt;G4XYZ &amp; co&gt;.adi &middot; 2016-11-12 1200 to 2016-11-13 1200 "
                      "UTC &middot; area LN<"),
            std::string::npos);
  EXPECT_NE(page.find("<li><span class=\"line\">line 8</span> 2016-11-12 1210 DL2ABC 20m RTTY "
                      "sent 006 received 8</li>"),
            std::string::npos);
  EXPECT_NE(page.find("<span class=\"line\">the log</span> a word on the whole log"),
            std::string::npos);
  EXPECT_EQ(page.find('\r'), std::string::npos);
  // 160 m, where no QSO was counted, is not drawn.
  EXPECT_NE(page.find("<svg id=\"multipliers-per-band\" width=\"176\""), std::string::npos);
  EXPECT_EQ(page.find(">160m<"), std::string::npos);

  // A dropped log's page goes beside it, over an earlier page of that log and nothing else.
  const std::filesystem::path dropped = std::filesystem::current_path() / "G4XYZ.adi";
  EXPECT_TRUE(IsPageOfLog(page, "<G4XYZ & co>.adi"));
  EXPECT_FALSE(IsPageOfLog(page, "G4XYZ.adi"));
  WriteWholeFile("G4XYZ.html", "<!DOCTYPE html>\n<p class=\"meta\">G4XYZ.adi &middot; ");
  const PlacesBesideLog places = PlacesBeside(dropped);
  EXPECT_EQ(places.page, dropped.parent_path() / "G4XYZ (2).html");
  EXPECT_EQ(places.filesFolder, dropped.parent_path() / "G4XYZ files");
  WriteWholeFile("G4XYZ (2).html", HtmlPage("C:\\Contest logs\\G4XYZ.adi", "", hours, {}, {}));
  EXPECT_EQ(PlacesBeside(dropped).page, places.page);
}

TEST_F(Replaying, TheHoursAtTheirEdges) {
  // QSOs exactly 10 or 60 minutes apart are in different windows; a break of exactly 30
  // minutes is an off-time.
  const ContestHours hours = PlayHours(
      stats,
      PlanReplay(cty,
                 ReadLog("START-OF-LOG: 3.0\n"
                         "QSO: 14025 CW 2016-11-12 1200 G4XYZ 599 001 LN DL1ABC 599 001\n"
                         "QSO: 14025 CW 2016-11-12 1210 G4XYZ 599 002 LN DL2ABC 599 001\n"
                         "QSO: 14025 CW 2016-11-12 1300 G4XYZ 599 003 LN DL3ABC 599 001\n"
                         "QSO: 14025 CW 2016-11-12 1330 G4XYZ 599 004 LN DL4ABC 599 001\n",
                         UkEiStations(cty)),
                 {}),
      {});
  EXPECT_EQ(hours.best60.qsos, 2);
  EXPECT_EQ(hours.best10.qsos, 1);
  ASSERT_EQ(hours.offTimes.size(), 3u);
  EXPECT_EQ(hours.offTimes[1].minutes, 30);
  // A busiest hour of 1, 2 or 5 times a power of ten is the QSO chart's top.
  for (const int busiest : {1, 2, 5, 50}) {
    std::string log = "START-OF-LOG: 3.0\n";
    for (int i = 0; i < busiest; ++i) {
      log += Formatted("QSO: 14025 CW 2016-11-12 12%02d G4XYZ 599 %03d LN DL%dABC 599 001\n", i,
                       i + 1, i);
    }
    const ContestHours busy =
        PlayHours(stats, PlanReplay(cty, ReadLog(log, UkEiStations(cty)), {}), {});
    EXPECT_NE(HtmlPage("log", "", busy, {}, {})
                  .find("stacked by band\" data-bars=\"24\" data-top=\"" + std::to_string(busiest) +
                        "\""),
              std::string::npos)
        << busiest;
  }
}

TEST_F(Replaying, QsosKeptFromOutsideTheHoursCountInTheTotalsOnly) {
  ReplayOptions options;
  options.keepOutsidePeriod = true;
  const LogFile log = ReadLog(
      "START-OF-LOG: 3.0\n"
      "QSO: 14250 PH 2016-11-11 2300 W1XYZ 59 000 K1ABC 59 000\n"
      "QSO: 14250 PH 2016-11-12 1300 W1XYZ 59 001 G4ABC 59 012 LN\n"
      "QSO: 14250 PH 2016-11-12 1345 W1XYZ 59 002 G4ABD 59 013 LN\n"
      "QSO: 14250 PH 2016-11-13 1200 W1XYZ 59 004 G4ABE 59 020 LN\n",
      UkEiStations(cty));
  const ContestHours hours = PlayHours(stats, PlanReplay(cty, log, options), options);
  ExpectSameTotals(hours, Replay(stats, cty, log, options).report);
  EXPECT_EQ(hours.outsideHours, 2);
  EXPECT_EQ(hours.hours[1].qsos, 2);
  for (const ContestHour& hour : hours.hours) EXPECT_FALSE(hour.bonus);  // a DX station's
  EXPECT_EQ(hours.offTimes.size(), 3u);  // 1200-1300, 1300-1345, 1345-1200
  EXPECT_EQ(hours.offMinutes, 60 + 45 + 22 * 60 + 15);
  EXPECT_NE(
      HourTable(hours).find("\n2 QSOs from outside the 24 hours counted in the totals only\n"),
      std::string::npos);
}

// A run writes none of its files over its log or over another of them, whatever the names.
TEST_F(Replaying, KnowsAFileByItsOtherNames) {
#if defined(_WIN32)
  constexpr bool kCaseIgnored = true;
#else
  constexpr bool kCaseIgnored = false;
#endif
  std::ofstream("G4XYZ.cbr") << "log";
  std::filesystem::create_directory("Plugins");
  std::filesystem::create_hard_link("G4XYZ.cbr", "linked.cbr");
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"G4XYZ.cbr", "./G4XYZ.cbr", true},
      {"G4XYZ.cbr", "Plugins/../G4XYZ.cbr", true},
      {"G4XYZ.cbr", "linked.cbr", true},
      {"page.htm", "Plugins/../page.htm", true},  // neither exists yet
      {"Plugins\\UK_EI.ini", "Plugins/UK_EI.ini", true},
      {"G4XYZ.cbr", "g4xyz.CBR", kCaseIgnored},
      {"page.htm", "PAGE.htm", kCaseIgnored},
      {"G4XYZ.cbr", "G4XYZ.cbr.htm", false},
  };
  for (const auto& [a, b, same] : cases) EXPECT_EQ(SameFile(a, b), same) << a << " " << b;
  ReplayStation station;
  station.ownCall = "G4XYZ";
  EXPECT_EQ(OverwrittenFile({"the log file", "./G4XYZ.cbr"}, PluginFiles(station, true)),
            "the Cabrillo log G4XYZ.cbr: that is the log file ./G4XYZ.cbr");
  EXPECT_EQ(OverwrittenFile({"the log file", "G4XYZ.cbr"}, PluginFiles(station, false)),
            std::nullopt);
}

// An earlier Cabrillo log kept while a new one is written comes back whole when put back.
TEST_F(Replaying, KeepsTheEarlierFileUntilTheNewOneStands) {
  std::ofstream("G4XYZ.cbr") << "earlier";
  for (const bool restore : {true, false}) {
    KeptFile earlier("G4XYZ.cbr");
    ASSERT_EQ(earlier.keptPath(), "G4XYZ.cbr.earlier");
    std::filesystem::remove("G4XYZ.cbr");  // the writer's replacement, as a new file
    std::ofstream("G4XYZ.cbr") << "new";
    if (restore) {
      EXPECT_TRUE(earlier.Restore());
    }
    EXPECT_EQ(ReadFileBytes("G4XYZ.cbr"), restore ? "earlier" : "new");
  }
  EXPECT_FALSE(std::filesystem::exists("G4XYZ.cbr.earlier"));
  KeptFile none("G4ABC.cbr");  // none to keep: putting back removes the new one
  std::ofstream("G4ABC.cbr") << "new";
  EXPECT_TRUE(none.Restore());
  EXPECT_FALSE(std::filesystem::exists("G4ABC.cbr"));
}

TEST_F(Replaying, TheOperatorsChoicesOverrideTheLog) {
  ReplayOptions options;
  options.ownCall = "gm4abc";
  options.cwLeg = false;
  options.areaCode = "ab";
  options.startDay = CalendarTime{2016, 11, 19, 0, 0, 0};
  options.keepOutsidePeriod = true;
  options.keepOtherMode = true;
  // A header saved for another station: its operators are not this one's.
  const IniFile settings(kSettingsSection, kSettingsPath);
  std::filesystem::create_directory("Plugins");
  settings.Write(kHeaderCallKey, "G4ABC");
  settings.Write("Operators", "G4ABC");
  options.headerSettings = {{"Club", "RSGB"}};
  const ReplayResult result = Run(kUkLog, options);
  EXPECT_EQ(result.summary.outsidePeriod, 0);
  EXPECT_EQ(result.summary.otherMode, 0);
  EXPECT_EQ(Setting("Operators"), "GM4ABC");
  EXPECT_EQ(Setting(kHeaderCallKey), "GM4ABC");
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_EQ(result.warnings[0].what,
            "the Cabrillo header in Plugins\\UK_EI.ini was saved for G4ABC: OPERATORS is now "
            "GM4ABC; check its other values (see --header)");

  EXPECT_EQ(result.station.ownCall, "GM4ABC");
  EXPECT_EQ(result.station.placement.prefix, "GM");
  EXPECT_EQ(Setting("Mode"), "0");
  EXPECT_EQ(Setting("setup_areacode"), "AB");
  const std::string problems = ReadFileBytes("VurovODUVIR_EI_20_11_2016.txt");
  EXPECT_EQ(problems.substr(0, problems.find('\n') + 1), "UK/EI SSB DX Contest UBN file \r\n");
  EXPECT_EQ(problems.find("G4XYZ"), std::string::npos) << "the log's own call went through";
  EXPECT_NE(problems.find("  GM4ABC  599  003  GM3ABC"), std::string::npos);
}

TEST_F(Replaying, ADxStationSendsNoAreaCodeAndTheLegFollowsTheModes) {
  // The contest's 24 hours are those of most QSOs; the first QSO and the last lie outside.
  // The QSOs go over in time order: the later copy is the dupe.
  const ReplayResult result =
      Run("START-OF-LOG: 3.0\n"
          "QSO: 14250 PH 2016-11-11 2300 W1XYZ 59 000 K1ABC 59 000\n"
          "QSO: 14250 PH 2016-11-12 1301 W1XYZ 59 002 G4ABC 59 013 LN\n"
          "QSO: 14250 PH 2016-11-12 1300 W1XYZ 59 001 G4ABC 59 012 LN\n"
          "QSO: 14020 CW 2016-11-12 1302 W1XYZ 599 003 DL1ABC 599 014\n"
          "QSO: 14250 PH 2016-11-13 1200 W1XYZ 59 004 G4ABD 59 020 LN\n");
  EXPECT_EQ(result.station.ownCall, "W1XYZ");
  EXPECT_EQ(result.station.placement.continent, "NA");
  EXPECT_FALSE(result.station.cwLeg);
  EXPECT_EQ(result.station.areaCode, "");
  EXPECT_EQ(FormatDate(result.station.contestStart, "%Y-%m-%d %H%M"), "2016-11-12 1200");
  EXPECT_EQ(result.summary.outsidePeriod, 2);
  EXPECT_EQ(result.summary.otherMode, 1);  // the CW QSO on the SSB leg
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_EQ(result.warnings[0].line, 4);
  EXPECT_EQ(result.warnings[0].what,
            "the log is out of time order: 1 QSO (the first here) logged after a later one; "
            "handed over in time order");
  ASSERT_EQ(result.reasons.size(), 3u);
  EXPECT_EQ(result.reasons[0].what,
            "outside the contest period 2016-11-12 1200 to 2016-11-13 1200, left out (see "
            "--start, --keep-outside-period)");
  EXPECT_EQ(result.reasons[0].lines, (std::vector<int>{2, 6}));  // every line, not the first only
  EXPECT_EQ(result.reasons[1].what,
            "CW QSOs on the SSB leg, left out (see --leg, --keep-other-mode)");
  EXPECT_EQ(result.reasons[1].lines, std::vector<int>{5});
  EXPECT_EQ(result.reasons[2].what, "dupes");
  EXPECT_EQ(Setting("Mode"), "0");
  EXPECT_EQ(result.summary.dupes, 1);
  EXPECT_EQ(result.summary.stored, 2);
  EXPECT_EQ(ReadFileBytes("VurovODUVIR_EI_13_11_2016.txt"),
            "UK/EI SSB DX Contest UBN file \r\n"
            "QSO:  14250  SSB  2016-11-12 1301  W1XYZ  59  002  G4ABC  59  013 LN   DUPE !!!\r\n");

  // Two windows of as many QSOs: the earlier is the contest. A station outside UK/EI sends
  // no area code, whatever --area says.
  ReplayOptions options;
  options.areaCode = "LN";
  const ReplayResult tie =
      Run("START-OF-LOG: 3.0\n"
          "QSO: 14250 PH 2016-11-13 1300 W1XYZ 59 002 G4ABD 59 014 LN\n"
          "QSO: 14250 PH 2016-11-12 1300 W1XYZ 59 001 G4ABC 59 013 LN\n",
          options);
  EXPECT_EQ(FormatDate(tie.station.contestStart, "%Y-%m-%d %H%M"), "2016-11-12 1200");
  EXPECT_EQ(tie.station.areaCode, "");
  ASSERT_EQ(tie.warnings.size(), 1u);
  EXPECT_EQ(tie.warnings[0].what,
            "--area LN ignored: W1XYZ is not a UK/EI station, and only UK/EI stations send an area "
            "code");
}

TEST_F(Replaying, SaysWhatTheLogLeavesOpen) {
  const char* qsoWithoutOwnCall =
      "<CALL:5>G4ABC <QSO_DATE:8>20161112 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <STX:1>1 "
      "<SRX:1>2 <EOR>";
  EXPECT_EQ(Run("<EOH>").nothingToHand, "the log holds no QSO");
  EXPECT_EQ(Run("<CALL:5>G4ABC <EOR>").nothingToHand, "the log's one record could not be read");
  try {
    Run(qsoWithoutOwnCall);
    FAIL();
  } catch (const ReplayError& error) {
    EXPECT_STREQ(error.what(), "the log does not name the own call: give --call");
  }
  ReplayOptions options;
  options.ownCall = "DL1XYZ";
  EXPECT_EQ(Run("<EOH>", options).nothingToHand, "the log holds no QSO");
  try {
    Run("<CALL:5>G4ABC <QSO_DATE:8>20161112 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>FM <EOR>", options);
    FAIL();
  } catch (const ReplayError& error) {
    EXPECT_STREQ(error.what(), "the log has no CW or SSB QSO: give --leg");
  }

  options.ownCall = "M0NOM <";
  try {
    Run(qsoWithoutOwnCall, options);
    FAIL();
  } catch (const ReplayError& error) {
    EXPECT_STREQ(error.what(), "own call 'M0NOM <' is no call sign: give --call");
  }

  // A UK station whose log sends no area code: the run goes on, with a warning, and no
  // area code of an earlier run stays behind in the settings; but its Cabrillo log would
  // lack a field in every QSO line, and is not written.
  IniFile(kSettingsSection, kSettingsPath).Write("setup_areacode", "ZE");
  options.ownCall = "G4XYZ";
  const ReplayResult result =
      Run("<CONTEST_ID:8>CQ-WW-CW <CALL:5>G4ABC <QSO_DATE:8>20161112 <TIME_ON:4>1200 <BAND:3>20m "
          "<MODE:2>CW <STX:1>1 <SRX:1>2 <EOR>",
          options);
  std::vector<std::string> warnings;
  for (const LogProblem& warning : result.warnings) warnings.push_back(warning.what);
  EXPECT_EQ(warnings,
            (std::vector<std::string>{
                "the log is of the contest 'CQ-WW-CW', not of the UK/EI DX Contest: scored by "
                "the UK/EI DX rules all the same",
                "1 QSO (the first here) gave a band but no usable frequency (a band designator; "
                "FREQ missing, not in MHz, or off its BAND): given their band's lower edge",
                "the QSOs send no own area code: give --area"}));
  EXPECT_EQ(Setting("setup_areacode"), "");
  EXPECT_EQ(result.summary.stored, 1);
  options.startDay = CalendarTime{2016, 11, 19, 0, 0, 0};
  EXPECT_EQ(Run(qsoWithoutOwnCall, options).nothingToHand,
            "no QSO is inside the contest period 2016-11-19 1200 to 2016-11-20 1200; the log "
            "holds 1 QSO from 2016-11-12 to 2016-11-12 (see --start)");
  options.startDay.reset();
  options.cwLeg = false;
  EXPECT_EQ(Run(qsoWithoutOwnCall, options).nothingToHand,
            "no QSO in the period is of the SSB leg, 1 CW QSO (see --leg, "
            "--keep-other-mode)");
  options.cwLeg.reset();
  options.ownCall = "XX0XYZ";
  EXPECT_EQ(Run(qsoWithoutOwnCall, options).warnings.at(0).what,
            "own call XX0XYZ is not in the country file: scored as a station outside UK/EI, on "
            "no continent");
  options.ownCall = "G4XYZ";
  options.cabrillo = true;
  const ReplayResult scored = Run(qsoWithoutOwnCall, options);
  EXPECT_EQ(scored.cabrilloRefusal,
            "the QSOs send no own area code, which every QSO line needs: give --area with the "
            "station's code (--areas lists the valid ones)");
  EXPECT_NE(scored.report.find("Score: 2*(1+0) = 2"), std::string::npos) << scored.report;
  EXPECT_FALSE(std::ifstream("G4XYZ.cbr"));
}

TEST_F(Replaying, ChecksTheLogAsTheAdjudicatorWill) {
  const ReplayResult planned = PlanReplay(
      cty,
      ReadLog("START-OF-LOG: 3.0\n"
              "QSO: 14025 CW 2016-11-12 1200 G4XYZ 599 001 LN DL1ABC 599 5\n"
              "QSO: 14025 CW 2016-11-12 1210 G4XYZ 599 002 LN DL1ABX 599 6\n"  // two near calls
              "QSO: 14025 CW 2016-11-12 1220 G4XYZ 599 003 LN W1AWX 599 7\n"
              "QSO: 14025 CW 2016-11-12 1230 G4XYZ 599 004 LN ON4NU/P 599 8\n"
              "QSO: 14025 CW 2016-11-12 1240 G4XYZ 599 005 LN GM3ABC 599 10 AB\n"
              "QSO:  7025 CW 2016-11-12 1300 G4XYZ 599 006 LN GM3ABC 599 20 AB\n"
              "QSO:  3525 CW 2016-11-12 1310 G4XYZ 599 008 LN GM3ABC 599 15 DD\n"  // a skip
              "QSO: 14025 CW 2016-11-12 1320 G4XYZ 599 008 LN G4NEW 599 30 LN\n"
              "QSO:  7025 CW 2016-11-12 1330 G4XYZ 599 007 LN G4NEW 599 31 LN\n"
              "QSO:  7025 CW 2016-11-12 1340 G4XYZ 599 009 LN G4NW 599 32 LN\n"
              "QSO:  7025 CW 2016-11-12 1350 G4XYZ 599 010 LN W1AX 599 33\n",
              UkEiStations(cty)),
      {});
  const std::vector<HostQso>& qsos = planned.handed;
  const KnownCalls known =
      KnownCalls::FromText("# MASTER.SCP\nDL1ABC\nDL1ABD\nGM3ABC\nW1AW\nON4UN\n");
  const LogCheck check =
      CheckLog(known, planned.station, qsos, {"single-op", "G4XYZ, G4ABC", "20M", "SSB", ""});
  EXPECT_EQ(BeforeYouSubmit(check),
            "Before you submit:\n"
            "  On-time 1h50, off-times of 60 minutes or more: 1350-1200 (22h10)\n"
            "  header: G4XYZ: CATEGORY-OPERATOR SINGLE-OP, but OPERATORS names 2 calls\n"
            "  header: G4XYZ: CATEGORY-MODE SSB, but the log is of the CW leg\n"
            "  4: W1AWX: not in MASTER.SCP and worked once; likely W1AW\n"
            "  5: ON4NU/P: not in MASTER.SCP and worked once; likely ON4UN/P\n"
            "  7: GM3ABC: CATEGORY-BAND 20M, but 5 QSOs are on other bands, the first here\n"
            "  8, 6: GM3ABC: area DD received, AB at line 6; AB is received most often (2 of 3 "
            "QSOs)\n"
            "  8, 7: GM3ABC: serial 015 received after 020 at line 7: one of the two is miscopied\n"
            "  9, 8: G4NEW: serial 008 sent after 008 at line 8: sent twice\n"
            "  10, 9: G4NEW: serial 007 sent after 008 at line 9: going backwards\n"
            "  11: G4NW: not in MASTER.SCP and worked once; likely G4NEW\n"
            "  12: W1AX: not in MASTER.SCP and worked once; likely W1AW\n"
            "  4 possible busted calls, 1 area code that disagrees, 1 received serial going "
            "backwards, 2 own serials repeated or going backwards, 3 categories the log "
            "contradicts\n");

  // A QSO every 55 minutes from the start: no break, so the 15th is past 12 hours on.
  std::vector<HostQso> steady(15, qsos[0]);
  for (size_t at = 0; at < steady.size(); ++at) {
    steady[at].line = static_cast<int>(at) + 2;
    steady[at].sentNumber = std::to_string(at + 1);
    steady[at].time.m_dt = planned.station.contestStart.m_dt + at * 55 / 1440.0;
  }
  const LogCheck twelve = CheckLog({}, planned.station, steady, {"", "", "", "", "12-HOURS"});
  EXPECT_EQ(twelve.time.onMinutes, 14 * 55);
  ASSERT_EQ(twelve.findings.size(), 1u);
  EXPECT_EQ(FindingLine(twelve.findings[0]),
            "16: DL1ABC: on the air past 12 hours here (CATEGORY-TIME 12-HOURS), 12h50 in all");
  EXPECT_EQ(BeforeYouSubmit(CheckLog({}, planned.station, steady, {"", "", "", "", "24-HOURS"})),
            "Before you submit:\n"
            "  On-time 12h50, off-times of 60 minutes or more: 0050-1200 (11h10)\n"
            "  nothing found\n");
}

}  // namespace

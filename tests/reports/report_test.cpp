// The statistics report: rows, points, multipliers, rates, score and the worked lists.

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "plugin/contest_state.h"

namespace {

using List = std::vector<std::string>;

class ReportTest : public ::testing::Test {
 protected:
  void Leg(const char* mode) { contest.settings.Write("Mode", mode); }
  TempFolder folder_;
};

TEST_F(ReportTest, DxStationInEuropeOnTheCwLeg) {
  Leg("1");
  Reset({"DL1ZZ", "DL", "EU"});
  const char* own = "DL1ZZ";
  // The last QSO (11:00) is the reference of the rate windows.
  Add({own, "DL1AA", "DL", "EU", "20m", ContestDay(10, 0), "5"});         // 60:00 before
  Add({own, "G3XX", "G", "EU", "160m", ContestDay(10, 30), "5LN"});       // refused
  Add({own, "GM3YY", "GM", "EU", "40m", ContestDay(10, 55), "12AB"});     // 05:00
  Add({own, "W1AW", "W", "NA", "80m", ContestDay(11, 5), "5"});           // later
  Add({own, "DL1AA", "DL", "EU", "20m", ContestDay(10, 59), "5"});        // dupe
  Add({own, "", "DL", "EU", "20m", ContestDay(10, 59), "5"});             // no call
  Add({own, "G4BB", "G", "EU", "20m", ContestDay(10, 0, 1), "5LN"});      // 59:59
  Add({own, "G4CC", "G", "EU", "20m", ContestDay(10, 50, 0.4), "7 LN"});  // 9:59.6
  Add({own, "G4DD", "G", "EU", "40m", ContestDay(11, 0), "9BA"});

  EXPECT_EQ(Report(),
            "  UK/EI DX  CW DX Contest 12.11-13.11.2016 \r\n"
            "\t    Contestant: DL1ZZ\r\n"
            "Band\tQSOs\tPoints\tDXCC\tArea\r\n"
            "160m\t 0\t 0\t 0\t 0\r\n"
            "80m\t 1\t 4\t 1\t 0\r\n"
            "40m\t 2\t 8\t 2\t 2\r\n"
            "20m\t 3\t 5\t 2\t 1\r\n"
            "Total\t 6\t 17\t 5\t 3\r\n"
            "\r\nHourly (10min) QSO rate:     5 (18) QSOs/hour\r\n"
            "Hourly (10min) pts rate:    16 (72) points/hour\r\n"
            "\r\nLast QSO: 4 points"
            "\r\nScore: 17*(5+3) = 136\r\n");
  EXPECT_EQ(contest.log.bandsSeen, (List{"160m", "80m", "40m", "20m"}));
  EXPECT_EQ(contest.results.claimedScore, 136);
  EXPECT_EQ(contest.settings.Read("Claimed"), "136");
  contest.settings.Write("Claimed", "0");  // from outside: the same score is written again
  Report();
  EXPECT_EQ(contest.settings.Read("Claimed"), "136");
  EXPECT_EQ(contest.results.worked.workedDxccByBand[2], (List{"GM", "G"}));
  EXPECT_EQ(contest.results.worked.workedAreasByBand[2], (List{"AB", "BA"}));
  EXPECT_EQ(contest.results.worked.workedDxccByBand[3], (List{"DL", "G"}));
  EXPECT_EQ(contest.results.worked.workedAreasByBand[3], (List{"LN"}));
  EXPECT_EQ(contest.results.worked.workedDxccByBand[1], (List{"W"}));
  EXPECT_TRUE(contest.results.worked.workedDxccByBand[0].empty());
}

TEST_F(ReportTest, DxStationOutsideEurope) {
  Reset({"W1ZZ", "W", "NA"});
  Add({"W1ZZ", "G4AA", "G", "EU", "15m", ContestDay(9, 0), "5LN"});  // 4
  Add({"W1ZZ", "DL1AA", "DL", "EU", "15m", ContestDay(9, 1), "5"});  // 2
  Add({"W1ZZ", "JA1AA", "JA", "AS", "40m", ContestDay(9, 2), "5"});  // 1, doubled
  // Norwich sends NK or NR: one district. A call without a prefix scores but is no DXCC.
  Add({"W1ZZ", "G4NK", "G", "EU", "15m", ContestDay(9, 3), "3NK"});  // 4
  Add({"W1ZZ", "G4NR", "G", "EU", "15m", ContestDay(9, 4), "4NR"});  // 4
  Add({"W1ZZ", "X1XX", "", "NA", "15m", ContestDay(9, 5), "5"});     // 1
  const std::string report = Report();
  EXPECT_NE(report.find("\r\n40m\t 1\t 2\t 1\t 0\r\n15m\t 5\t 15\t 2\t 2\r\n"), std::string::npos)
      << report;
  EXPECT_NE(report.find("Score: 17*(3+2) = 85\r\n"), std::string::npos) << report;
  EXPECT_EQ(contest.results.worked.workedDxccByBand[4], (List{"G", "DL"}));
  EXPECT_EQ(contest.results.worked.workedAreasByBand[4], (List{"LN", "NR"}));
}

TEST_F(ReportTest, UkEiStationOnTheSsbLegWithBandTextsInOtherCase) {
  contest.settings.Write("setup_areacode", "LN");
  contest.results.worked.workedDxccByBand[0] = {"kept"};
  contest.results.worked.workedDxccByBand[5] = {"kept"};
  Reset({"G4ZZ", "G", "EU"});
  const char* own = "G4ZZ";
  // Time of day: factor 2 from 01:00 to 04:59 for a UK/EI station.
  Add({own, "DL1AA", "DL", "EU", "20m", ContestDay(0, 59, 59), "5", "SSB"});  // 2
  Add({own, "W1AW", "W", "NA", "20m", ContestDay(1, 0), "5", "SSB"});         // 8
  Add({own, "DL1AA", "DL", "EU", "20M", ContestDay(4, 59, 59), "5", "SSB"});  // 4
  Add({own, "GM4XX", "GM", "EU", "80m", ContestDay(5, 0), "12AB", "SSB"});    // 4
  Add({own, "G4BB", "G", "EU", "20M", ContestDay(3, 0), "5LN", "SSB"});       // 4
  Add({own, "G4CC", "G", "EU", "20m", ContestDay(12, 0), "7 LN", "ssb"});     // 2
  Add({own, "G4DD", "G", "EU", "160M", ContestDay(12, 1), "8LN", "SSB"});     // refused

  EXPECT_EQ(Report(),
            "  UK/EI DX  SSB DX Contest 12.11-13.11.2016 \r\n"
            "\t    Contestant: G4ZZ\r\n"
            "Band\tQSOs\tPoints\tDXCC\tArea\r\n"
            "160M\t 0\t 0\t 0\t 0\r\n"
            "80m\t 1\t 4\t 1\t 1\r\n"
            "20m\t 3\t 12\t 3\t 1\r\n"
            "20M\t 2\t 8\t 2\t 1\r\n"
            "Total\t 6\t 24\t 6\t 3\r\n"
            "\r\nHourly (10min) QSO rate:     1 (6) QSOs/hour\r\n"
            "Hourly (10min) pts rate:     2 (12) points/hour\r\n"
            "\r\nLast QSO: 2 points"
            "\r\nScore: 24*(6+3) = 216\r\n");
  // "20m" and "20M" both feed the 20m slot, each value once; a refused band feeds none, and
  // slots without a row keep what they held.
  EXPECT_EQ(contest.results.worked.workedDxccByBand[3], (List{"DL", "W", "G"}));
  EXPECT_EQ(contest.results.worked.workedAreasByBand[3], (List{"LN"}));
  EXPECT_EQ(contest.results.worked.workedDxccByBand[1], (List{"GM"}));
  EXPECT_EQ(contest.results.worked.workedAreasByBand[1], (List{"AB"}));
  EXPECT_EQ(contest.results.worked.workedDxccByBand[0], (List{"kept"}));
  EXPECT_EQ(contest.results.worked.workedDxccByBand[5], (List{"kept"}));
}

TEST_F(ReportTest, EmptyLogAndExportRun) {
  Reset({"DL1ZZ", "DL", "EU"});
  EXPECT_EQ(Report(),
            "  UK/EI DX  SSB DX Contest 12.11-13.11.2016 \r\n\t    Contestant: DL1ZZ\r\n"
            "Band\tQSOs\tPoints\tDXCC\tArea\r\nTotal\t 0\t 0\t 0\t 0\r\n"
            "\r\nScore: 0*(0+0) = 0\r\n");

  // An export run has no rate element but writes the score, and the file from every QSO.
  Reset({"DL1ZZ", "DL", "EU", 1});
  Add({"DL1ZZ", "G4BB", "G", "EU", "20m", ContestDay(9, 0), "5LN", "SSB"});
  Add({"DL1ZZ", "G4BB", "G", "EU", "20m", ContestDay(9, 1), "5LN", "SSB"});
  EXPECT_EQ(Report(),
            "  UK/EI DX  SSB DX Contest 12.11-13.11.2016 \r\n\t    Contestant: DL1ZZ\r\n"
            "Band\tQSOs\tPoints\tDXCC\tArea\r\n20m\t 1\t 2\t 1\t 1\r\nTotal\t 1\t 2\t 1\t 1\r\n"
            "\r\nScore: 2*(1+1) = 4\r\n");
  EXPECT_EQ(contest.settings.Read("Claimed"), "4");
  EXPECT_EQ(contest.cabrilloLog.qsoLines.size(), 2u);
  EXPECT_NE(ReadFileBytes("DL1ZZ.cbr").find("CLAIMED-SCORE: 4\r\n"), std::string::npos);
}

}  // namespace

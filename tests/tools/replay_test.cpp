#include "tools/replay.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/ini_file.h"
#include "tests/support/temp_folder.h"
#include "tests/tools/cty_excerpt.h"

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
    "<RST_SENT:3>599 <RST_RCVD:3>599 <STX:3>007 <SRX_STRING:4>9 zz <EOR>\n";

class Replaying : public ::testing::Test {
 protected:
  ReplayResult Run(const char* log, const ReplayOptions& options = {}) {
    return Replay(stats, cty, ReadLog(log, UkEiStations(cty)), options);
  }
  std::string Setting(const char* key) {
    return IniFile(kPluginIniSection, kPluginIniPath).Read(key);
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
  EXPECT_EQ(result.summary.stored, 5);
  EXPECT_EQ(result.summary.refused, 2);
  EXPECT_EQ(result.summary.dupes, 2);
  EXPECT_EQ(result.summary.areaWarnings, 1);
  EXPECT_EQ(result.summary.notPlaced, 1);
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_EQ(result.warnings[0].line, 7);
  EXPECT_EQ(result.warnings[0].what, "XX0XX is not in the country file: left out");
  // A call that cannot be placed earns no multiplier: 20m has DL and GM only.
  EXPECT_NE(result.report.find("\r\n20m\t 2\t 4\t 2\t 1\r\n"), std::string::npos) << result.report;
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
            "QSO:  7010  CW  2016-11-12 1211  G4XYZ  599  007  2M0ZET  599  9 zz  9 ZZ  UK/EI "
            "Code Area is not acceptable !!!\r\n");
}

TEST_F(Replaying, TheOperatorsChoicesOverrideTheLog) {
  ReplayOptions options;
  options.ownCall = "gm4abc";
  options.cwLeg = false;
  options.areaCode = "ab";
  options.startDay = CalendarTime{2016, 11, 19, 0, 0, 0};
  options.keepOutsidePeriod = true;
  const ReplayResult result = Run(kUkLog, options);
  EXPECT_EQ(result.summary.outsidePeriod, 0);

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
  const ReplayResult result =
      Run("START-OF-LOG: 3.0\n"
          "QSO: 14250 PH 2016-11-11 2300 W1XYZ 59 000 K1ABC 59 000\n"
          "QSO: 14250 PH 2016-11-12 1300 W1XYZ 59 001 G4ABC 59 012 LN\n"
          "QSO: 14250 PH 2016-11-12 1301 W1XYZ 59 002 G4ABC 59 013 LN\n"
          "QSO: 14020 CW 2016-11-12 1302 W1XYZ 599 003 DL1ABC 599 014\n"
          "QSO: 14250 PH 2016-11-13 1200 W1XYZ 59 004 G4ABD 59 020 LN\n");
  EXPECT_EQ(result.station.ownCall, "W1XYZ");
  EXPECT_EQ(result.station.placement.continent, "NA");
  EXPECT_FALSE(result.station.cwLeg);
  EXPECT_EQ(result.station.areaCode, "");
  EXPECT_EQ(FormatDate(result.station.contestStart, "%Y-%m-%d %H%M"), "2016-11-12 1200");
  EXPECT_EQ(result.summary.outsidePeriod, 2);
  ASSERT_EQ(result.warnings.size(), 2u);
  EXPECT_EQ(result.warnings[0].line, 2);
  EXPECT_EQ(result.warnings[0].what,
            "2 QSOs (the first here) are outside the contest period 2016-11-12 1200 to "
            "2016-11-13 1200: left out (see --start, --keep-outside-period)");
  EXPECT_EQ(result.warnings[1].what,
            "the log mixes modes, 1 CW and 2 SSB QSOs: scored on the SSB leg, and the plug-in "
            "counts both modes");
  EXPECT_EQ(Setting("Mode"), "0");
  EXPECT_EQ(result.summary.dupes, 1);
  EXPECT_EQ(ReadFileBytes("VurovODUVIR_EI_13_11_2016.txt"),
            "UK/EI SSB DX Contest UBN file \r\n"
            "QSO:  14250  SSB  2016-11-12 1301  W1XYZ  59  002  G4ABC  59  013 LN   DUPE !!!\r\n");
}

TEST_F(Replaying, SaysWhatTheLogLeavesOpen) {
  const char* qsoWithoutOwnCall =
      "<CALL:5>G4ABC <QSO_DATE:8>20161112 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <STX:1>1 "
      "<SRX:1>2 <EOR>";
  EXPECT_THROW(Run("<EOH>"), ReplayError);
  try {
    Run(qsoWithoutOwnCall);
    FAIL();
  } catch (const ReplayError& error) {
    EXPECT_STREQ(error.what(), "the log does not name the own call: give --call");
  }
  ReplayOptions options;
  options.ownCall = "DL1XYZ";
  try {
    Run("<EOH>", options);
    FAIL();
  } catch (const ReplayError& error) {
    EXPECT_STREQ(error.what(), "the log holds no QSO");
  }
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
  IniFile(kPluginIniSection, kPluginIniPath).Write("setup_areacode", "ZE");
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
                "1 QSOs (the first here) have no usable FREQ (missing, not in MHz, or off their "
                "BAND): given their band's lower edge",
                "the QSOs send no own area code: give --area"}));
  EXPECT_EQ(Setting("setup_areacode"), "");
  EXPECT_EQ(result.summary.stored, 1);
  options.cabrillo = true;
  try {
    Run(qsoWithoutOwnCall, options);
    FAIL();
  } catch (const ReplayError& error) {
    EXPECT_STREQ(error.what(),
                 "the QSOs send no own area code, which every QSO line of the Cabrillo log "
                 "needs: give --area");
  }
  EXPECT_FALSE(std::ifstream("G4XYZ.cbr"));
}

}  // namespace

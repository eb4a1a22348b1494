// The Cabrillo file: QSO lines of both legs, the header lines, the host version.

#include <gtest/gtest.h>
#include <filesystem>

#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "reports/cabrillo_log.h"

namespace {

TEST(CabrilloLog, QsoLinesOfBothLegs) {
  CabrilloLog log;
  log.header.callsign = "G4ABCD";
  const OleDate time = ContestDay(9, 59);
  log.AddQsoLine("DL1AA", 14025, "CW", time, "001 LN", "005 --", true);
  log.AddQsoLine("DL1AA", 3510, "PH", time, "001 LN", "7 AB", false);         // short form
  log.AddQsoLine("OH2BH", 144300, "CW", time, "12 --", "12 AB", true);        // 5 characters
  log.AddQsoLine("JA1ABCDEFGHIJ", 7012, "??", time, "1000 LN", "123", true);  // 3 characters
  EXPECT_EQ(log.qsoLines[0],
            "QSO: 14025 CW 2016-11-13 0959 G4ABCD        599 001 LN  DL1AA         599 005 --\r\n");
  EXPECT_EQ(log.qsoLines[1],
            "QSO:  3510 PH 2016-11-13 0959 G4ABCD        59  001 LN  DL1AA        59  07 AB\r\n");
  EXPECT_EQ(log.qsoLines[2],
            "QSO: 144300 CW 2016-11-13 0959 G4ABCD        599 12 --  OH2BH         599 12 AB\r\n");
  EXPECT_EQ(log.qsoLines[3],
            "QSO:  7012 ?? 2016-11-13 0959 G4ABCD        599 1000 LN  JA1ABCDEFGHIJ  599 123\r\n");
}

TEST(CabrilloLog, ModesAndVersionTexts) {
  EXPECT_STREQ(CabrilloMode("CW"), "CW");
  EXPECT_STREQ(CabrilloMode("cw"), "CW");
  EXPECT_STREQ(CabrilloMode("SSB"), "PH");
  EXPECT_STREQ(CabrilloMode("Ssb"), "PH");
  EXPECT_STREQ(CabrilloMode("RTTY"), "??");
  EXPECT_EQ(VersionText({2u << 16 | 5u, 0}), "2.5");
  EXPECT_EQ(VersionText({3u << 16 | 1u, 5u << 16}), "3.1.5");
}

TEST(CabrilloLog, WholeFile) {
  TempFolder folder;
  // A host program in the host folder, but without a version resource.
  std::filesystem::create_directory("host");
  WriteFileBytes("host/Qorv2.exe", "MZ");

  CabrilloLog log;
  log.fileBaseName = "TESTLOG";
  CabrilloDialogFields& h = log.header;
  h.callsign = "G4ABC";
  h.categoryOperator = "SINGLE-OP";
  h.categoryAssisted = "NON-ASSISTED";
  h.categoryBand = "ALL";
  h.categoryMode = "SSB";
  h.categoryPower = "LOW";
  h.categoryTime = "24-HOURS";
  h.location = "DX";
  h.name = "Jane Doe";
  h.operators = "G4ABC G4XYZ";
  h.soapbox = "first\r\nSOAPBOX: second";
  h.contest = "not written";
  log.AddQsoLine("DL1AA", 3510, "PH", ContestDay(0, 5), "001 LN", "005 --", false);

  EXPECT_EQ(log.WriteLogFile(false, 1234, "host/"), "File produced: TESTLOG.cbr");
  EXPECT_EQ(ReadFileBytes("TESTLOG.cbr"),
            "START-OF-LOG: 3.0\r\n"
            "CALLSIGN: G4ABC\r\n"
            "CONTEST: UKEIDXSSB\r\n"
            "CATEGORY-OPERATOR: SINGLE-OP\r\n"
            "CATEGORY-ASSISTED: NON-ASSISTED\r\n"
            "CATEGORY-BAND: ALL\r\n"
            "CATEGORY-MODE: SSB\r\n"
            "CATEGORY-POWER: LOW\r\n"
            "CATEGORY-TIME: 24-HOURS\r\n"
            "CLAIMED-SCORE: 1234\r\n"
            "CLUB: \r\n"
            "CREATED-BY: Qorv \r\n"
            "LOCATION: DX\r\n"
            "EMAIL: \r\n"
            "NAME: Jane Doe\r\n"
            "ADDRESS: \r\n"
            "ADDRESS-CITY: \r\n"
            "ADDRESS-STATE-PROVINCE: \r\n"
            "ADDRESS-POSTALCODE: \r\n"
            "ADDRESS-COUNTRY: \r\n"
            "OPERATORS: G4ABC G4XYZ\r\n"
            "SOAPBOX: first\r\n"
            "SOAPBOX: second\r\n"
            "QSO:  3510 PH 2016-11-13 0005 G4ABC         59  001 LN  DL1AA        59  005 --\r\n"
            "END-OF-LOG:\r\n");

  EXPECT_EQ(FindHostProgram("host/"), "host/Qorv2.exe");
  EXPECT_EQ(FindHostProgram("host/Qo"), "host/Qorv2.exe");
  EXPECT_EQ(FindHostProgram("host/X"), std::nullopt);
}

}  // namespace

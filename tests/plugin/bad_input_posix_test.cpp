// Whatever the host hands over, the plug-in answers and keeps its log.

#include <sys/stat.h>
#include <sys/types.h>

#include <string>

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "plugin/contest_state.h"
#include "plugin/entry_points.h"

TEST(BadInput, MissingTextsReadAsEmpty) {
  TempFolder folder;
  Reset();
  EXPECT_EQ(AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr,
                     nullptr, nullptr, nullptr, nullptr),
            0);
  EXPECT_EQ(contest.log.bandsSeen, std::vector<std::string>{""});
  // Numbers present, everything else missing: still refused for the band.
  EXPECT_EQ(AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
                     nullptr, "1", "2", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr,
                     nullptr, nullptr, nullptr),
            0);
  // A QSO whose only missing parts are the ones the intake may do without is stored.
  EXPECT_EQ(
      AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, "CW", nullptr, nullptr,
               "1", "2", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
               nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, "20m", nullptr),
      1);
  EXPECT_EQ(contest.log.qsoList.records().back().exchangeReceived, "002 --");
  EXPECT_EQ(RemoveData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0,
                        nullptr, nullptr, nullptr, nullptr, nullptr),
            0);
  EXPECT_EQ(CheckCall0(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
            4);
  EXPECT_EQ(CheckCall0(nullptr, 0, 0, "CW", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr,
                       nullptr, nullptr, nullptr, "20m", nullptr, nullptr, nullptr),
            1);
  EXPECT_EQ(IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);

  // The report does not write through a missing status pointer.
  EXPECT_NE(GetResult0(nullptr), nullptr);
  int status = 0;
  EXPECT_EQ(GetResult0(&status), GetResult0(nullptr));
  EXPECT_EQ(status, -1);
}

TEST(BadInput, LongAndNonAsciiTextsPassWhole) {
  TempFolder folder;
  const std::string longCall(10000, 'W');
  const std::string longExchange = std::string(9998, '9') + "LN";
  const std::string highBytes = "\xc4\xe9\xff\x80 \xa0";
  HostStation station;
  station.ownCall = longCall.c_str();
  station.ownPrefix = highBytes.c_str();
  Reset(station);
  EXPECT_EQ(contest.station.ownCall, longCall);

  EXPECT_EQ(Add(Qso{.call = longCall.c_str(), .exchange = longExchange.c_str()}), 1);
  EXPECT_EQ(contest.log.qsoList.records().back().exchangeReceived, std::string(9998, '9') + " LN");
  EXPECT_EQ(Add(Qso{.call = highBytes.c_str(), .mode = highBytes.c_str()}), 0);
  EXPECT_EQ(Add(Qso{.call = longCall.c_str(), .band = longCall.c_str()}), 0);
  EXPECT_EQ(Add(Qso{.call = highBytes.c_str(), .prefix = "G", .exchange = highBytes.c_str()}), 1);

  const std::string problems = ReadFileBytes(contest.station.statsFileName);
  EXPECT_NE(problems.find("QSO:  14025  " + highBytes + "  2016-11-12 1205  DL1AAA  599  001  " +
                          highBytes + "  599  5LN   NO CONTEST MODE !!!\r\n"),
            std::string::npos);
  EXPECT_NE(problems.find("  " + longCall + "  599  5LN   NO CONTEST BAND !!!\r\n"),
            std::string::npos);
  EXPECT_EQ(Check(longCall.c_str()), 0);
  EXPECT_EQ(Check(highBytes.c_str()), 0);
  EXPECT_EQ(Check(highBytes.c_str(), highBytes.c_str()), 4);
  EXPECT_EQ(Remove(Qso{.call = longCall.c_str()}), 1);
  EXPECT_EQ(contest.log.qsoList.size(), 1u);
  EXPECT_EQ(IsValidExchg0(longCall.c_str(), "", "K", "", 0, 0, 0), 0);
}

TEST(BadInput, UnwritableStatsFileLosesOnlyTheProblemLines) {
  TempFolder folder;
  // A folder where the file should be: no one, not even root, can open it for writing.
  mkdir("VurovODUVIR_EI_13_11_2016.txt", 0700);
  EXPECT_EQ(Reset(), 1);
  EXPECT_EQ(Add(Qso{}), 1);
  EXPECT_EQ(Add(Qso{}), 1);  // a dupe whose line cannot be written
  EXPECT_EQ(Add(Qso{.band = "160m"}), 0);
  EXPECT_EQ(Add(Qso{.exchange = "5zz"}), 1);
  EXPECT_EQ(contest.log.qsoList.size(), 3u);
  EXPECT_EQ(contest.log.qsoList.records()[1].isDupe, 1);
  EXPECT_EQ(Check("G4ABC"), 0);
}

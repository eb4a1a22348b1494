#include <ctime>

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "platform/ini_file.h"
#include "plugin/contest_state.h"
#include "plugin/entry_points.h"

namespace {
const char* const kStatsFile = "VurovODUVIR_EI_13_11_2016.txt";
const IniFile settings("Settings", "Plugins\\UK_EI.ini");
}  // namespace

TEST(StatisticsReset, StoresStationDatesAndCreatesTheStatsFile) {
  TempFolder folder;
  EXPECT_EQ(Reset(), 1);  // no settings file at all
  EXPECT_EQ(contest.station.startDayMonth, "12.11");
  EXPECT_EQ(contest.station.startYear, "2016");
  EXPECT_EQ(contest.station.endDate, "13.11.2016");
  EXPECT_EQ(contest.station.statsFileName, kStatsFile);
  EXPECT_EQ(contest.station.ownCall, "DL1AAA");
  EXPECT_EQ(contest.station.ownContinent, "EU");
  EXPECT_EQ(contest.station.isCwMode, 0);
  EXPECT_EQ(ReadFileBytes(kStatsFile), "UK/EI SSB DX Contest UBN file \r\n");
  EXPECT_EQ(contest.view.bandStatus[0][0], "160m");  // not the band rules' repeated 80m
  EXPECT_EQ(contest.view.bandStatus[1][0], "80m");
  EXPECT_EQ(contest.view.bandStatus[5][4], "-");

  settings.Write("Mode", "1");
  Add(Qso{});
  Reset();
  EXPECT_EQ(ReadFileBytes(kStatsFile), "UK/EI CW DX Contest UBN file \r\n");
  EXPECT_TRUE(contest.log.qsoList.empty());
  EXPECT_EQ(contest.log.bandsSeen.size(), 0u);
}

TEST(StatisticsReset, StationFlagsFollowEveryReset) {
  TempFolder folder;
  settings.Write("setup_areacode", "LN");
  Reset(HostStation{.ownCall = "GM4AAA", .ownPrefix = "GM"});
  EXPECT_EQ(contest.station.isUkEiStation, 1);
  EXPECT_EQ(contest.station.ownAreaCode, "LN");
  EXPECT_EQ(contest.station.useRussianCaptions, 0);

  // A DX log opened after a UK/EI one is a DX log: no UK/EI scoring, no old area code.
  Reset(HostStation{.ownCall = "UA3AAA", .ownPrefix = "UA"});
  EXPECT_EQ(contest.station.isUkEiStation, 0);
  EXPECT_EQ(contest.station.ownAreaCode, "");
  EXPECT_EQ(contest.station.useRussianCaptions, 1);
  Add(Qso{.ownCall = "UA3AAA"});
  EXPECT_EQ(contest.log.qsoList.records().back().exchangeSent, "001 --");

  Reset(HostStation{.ownPrefix = "DL"});
  EXPECT_EQ(contest.station.useRussianCaptions, 0);
}

TEST(StatisticsReset, WindowStartToggleAndExportResets) {
  TempFolder folder;
  settings.Write("Start", "0");
  Reset();  // starts the windows (none natively) and records it
  EXPECT_EQ(settings.Read("Start"), "1");
  Reset();
  EXPECT_EQ(settings.Read("Start"), "0");
  EXPECT_EQ(contest.station.startFlag, 1);

  Reset(HostStation{.cabrilloExport = 1});  // an export never starts the windows
  EXPECT_EQ(settings.Read("Start"), "0");
  EXPECT_EQ(contest.station.cabrilloRequested, 1);
}

TEST(StatisticsReset, InvalidAndMissingDatesGiveSoundNames) {
  TempFolder folder;
  Reset(HostStation{.end = OleDate{0.0, OleDate::kInvalid}});
  EXPECT_EQ(contest.station.endDate, "Invalid DateTime");
  EXPECT_EQ(contest.station.statsFileName, "VurovODUVIR_EI_12_11_2016.txt");  // the start's date
  EXPECT_EQ(ReadFileBytes(contest.station.statsFileName), "UK/EI SSB DX Contest UBN file \r\n");

  EXPECT_EQ(ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0,
                        nullptr, nullptr, nullptr),
            1);
  char today[16];
  const std::time_t now = std::time(nullptr);
  std::strftime(today, sizeof today, "%d_%m_%Y", std::gmtime(&now));
  EXPECT_EQ(contest.station.statsFileName, "VurovODUVIR_EI_" + std::string(today) + ".txt");
  EXPECT_EQ(contest.station.ownCall, "");
}

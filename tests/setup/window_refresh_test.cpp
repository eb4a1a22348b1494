// The refresh worked out without windows: rows of the typed call, the band from the
// frequency, "<SP1>" to the host, captions and the worked lists of the band.

#include "setup/window_refresh.h"

#include <cmath>
#include <mutex>

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/scripted_host.h"
#include "host/temp_folder.h"

namespace {

constexpr OpenWindows kAllOpen{true, true, true};

OleDate At(int hour, int minute) {
  return FromCalendar({2016, 11, 12, hour, minute, 0});
}

class WindowRefreshTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Reset();
    MutexLock guard(contest.lock);
    contest.view.currentCall.clear();
    contest.view.currentBandIndex = -1;
    contest.results.worked.workedAreasByBand = {};
    contest.results.worked.workedDxccByBand = {};
  }
  WindowUpdate Refresh(const OpenWindows& open = kAllOpen) { return refresh.Run(host, open); }

  TempFolder folder;
  ScriptedHost host;
  WindowRefresh refresh{contest};
};

TEST_F(WindowRefreshTest, TypedCallFillsTheRowsWithItsLastQsoPerBand) {
  Add(Qso{.call = "W1AW", .prefix = "K", .band = "20m", .time = At(12, 5), .mode = "CW"});
  Add(Qso{.call = "W1AW", .prefix = "K", .band = "20m", .time = At(13, 40), .mode = "SSB"});
  Add(Qso{.call = "W1AW", .prefix = "K", .band = "40m", .time = At(14, 1), .mode = "CW"});
  Add(Qso{.call = "DL1ZZ", .prefix = "DL", .band = "10m", .time = At(15, 0), .mode = "CW"});
  host.entryText = "W1AW";

  const WindowUpdate update = Refresh();

  EXPECT_EQ(host.fields, std::vector<int>{kCallEntryField});
  MutexLock guard(contest.lock);
  EXPECT_EQ(contest.view.currentCall, "W1AW");
  // A US station with no area in the log: its zone column is 00 and one blank.
  EXPECT_EQ(contest.view.bandStatus[3], (BandStatusRow{"20m", "SSB", "13:40", "00 ", "   -"}));
  EXPECT_EQ(contest.view.bandStatus[2], (BandStatusRow{"40m", "CW", "14:01", "00 ", "   -"}));
  EXPECT_EQ(contest.view.bandStatus[5], (BandStatusRow{"10m", "   -", "   -", " -", "   -"}));
  // Slot 0 keeps the name the reset gave it.
  EXPECT_EQ(contest.view.bandStatus[0], (BandStatusRow{"160m", "   -", "   -", " -", "   -"}));
  EXPECT_EQ(contest.view.currentBandIndex, 3);
  // While a call is typed only the DXCC window's caption changes, and the grids follow.
  EXPECT_EQ(update.dxccCaption, "CQ-UK/EI-SSB worked with W1AW");
  EXPECT_FALSE(update.dxccExtendedCaption);
  EXPECT_FALSE(update.areaCaption);
  EXPECT_TRUE(update.onContestBand);
}

TEST_F(WindowRefreshTest, ZoneColumnOfOtherStationsAndTheCwCaption) {
  {
    MutexLock guard(contest.lock);
    contest.station.isCwMode = 1;
  }
  Add(Qso{.call = "DL1ZZ", .prefix = "DL", .band = "20m"});
  Add(Qso{.call = "VE3XX", .prefix = "VE", .band = "15m"});
  host.entryText = "DL1ZZ";
  EXPECT_EQ(Refresh().dxccCaption, "CQ-UK/EI-CW worked with DL1ZZ");
  {
    // Outside the USA and Canada the zone stands alone: two digits, no blank.
    MutexLock guard(contest.lock);
    EXPECT_EQ(contest.view.bandStatus[3][3], "00");
  }
  host.entryText = "VE3XX";
  Refresh();
  MutexLock guard(contest.lock);
  EXPECT_EQ(contest.view.bandStatus[3][3], " -");
  EXPECT_EQ(contest.view.bandStatus[4][3], "00 ");
}

TEST_F(WindowRefreshTest, OneOrTwoCharactersChangeNothingButTheCall) {
  Add(Qso{.call = "W1AW", .prefix = "K", .band = "20m"});
  host.entryText = "W1AW";
  Refresh();
  host.entryText = "W1";
  host.frequency = 7025000;

  const WindowUpdate update = Refresh();

  EXPECT_EQ(host.frequencyCalls, 1);
  EXPECT_FALSE(update.dxccCaption);
  EXPECT_FALSE(update.onContestBand);
  // A window that opens now shows what the others show: the call before.
  EXPECT_EQ(refresh.Shown(kAllOpen).dxccCaption, "CQ-UK/EI-SSB worked with W1AW");
  MutexLock guard(contest.lock);
  EXPECT_EQ(contest.view.currentCall, "W1");
  EXPECT_EQ(contest.view.bandStatus[3][1], "CW");
  EXPECT_EQ(contest.view.currentBandIndex, 3);
}

TEST_F(WindowRefreshTest, EmptyEntryShowsWhatWasWorkedOnTheBand) {
  {
    MutexLock guard(contest.lock);
    contest.station.startYear = "2016";
    contest.results.worked.workedAreasByBand[2] = {"LN", "ab"};
    contest.results.worked.workedDxccByBand[2] = {"SU", "DL", "3A"};
    contest.results.worked.workedDxccByBand[3] = {"G"};
  }
  host.frequency = 7001500;

  WindowUpdate update = Refresh();

  EXPECT_EQ(update.dxccCaption, "CQ-UK/EI-SSB 2016  DXCC worked on 40m");
  EXPECT_EQ(update.dxccExtendedCaption, "CQ-UK/EI-SSB 2016  DXCC worked on 40m");
  EXPECT_EQ(update.areaCaption, "CQ-UK/EI-SSB 2016  Area worked on 40m");
  EXPECT_EQ(update.workedAreas, (std::vector<std::string>{"LN", "ab"}));
  EXPECT_EQ(update.workedDxcc, (std::vector<std::string>{"SU", "DL", "3A"}));
  // The button lists the band's prefixes by byte value; the worked list stays as it was.
  ASSERT_TRUE(update.button);
  EXPECT_EQ(update.button->bandPrefixes, (std::vector<std::string>{"3A", "DL", "SU"}));
  {
    MutexLock guard(contest.lock);
    EXPECT_EQ(contest.view.bandStatus[3], (BandStatusRow{"20m", "   -", "   -", " -", "   -"}));
    EXPECT_EQ(contest.results.worked.workedDxccByBand[2][0], "SU");
  }

  // Closed windows get nothing.
  update = Refresh(OpenWindows{false, true, false});
  EXPECT_TRUE(update.dxccCaption);
  EXPECT_FALSE(update.dxccExtendedCaption);
  EXPECT_FALSE(update.areaCaption);
  EXPECT_TRUE(update.workedAreas.empty());
  EXPECT_TRUE(update.workedDxcc.empty());

  // A window that opens shows the band of the last refresh with the lists and leg of now,
  // without asking the host.
  {
    MutexLock guard(contest.lock);
    contest.station.isCwMode = 1;
    contest.results.worked.workedAreasByBand[2] = {"LN", "ab", "ZE"};
  }
  update = refresh.Shown(OpenWindows{true, false, false});
  EXPECT_EQ(update.areaCaption, "CQ-UK/EI-CW 2016  Area worked on 40m");
  EXPECT_EQ(update.workedAreas, (std::vector<std::string>{"LN", "ab", "ZE"}));
  EXPECT_FALSE(update.dxccCaption);
  EXPECT_TRUE(update.onContestBand);
  EXPECT_EQ(host.frequencyCalls, 2);
}

TEST_F(WindowRefreshTest, HostIsToldOfMovesOverThreeHundredHertz) {
  const double steps[] = {14025000, 14025200, 14025400, 14025700, 14025701, 14025500};
  std::vector<size_t> sent;
  for (double frequency : steps) {
    host.frequency = frequency;
    Refresh();
    sent.push_back(host.commands.size());
  }
  // The first refresh after load tells it (the reference starts at 0); then every move of
  // more than 300 Hz from where it was last told.
  EXPECT_EQ(sent, (std::vector<size_t>{1, 1, 2, 2, 3, 3}));
  EXPECT_EQ(host.commands.back(), "<SP1>");
  EXPECT_EQ(refresh.lastTuneFrequency(), 14025701);
}

TEST_F(WindowRefreshTest, OffTheContestBandsOnlyTheRowsFollow) {
  Add(Qso{.call = "W1AW", .prefix = "K", .band = "10m"});
  host.frequency = 14025000;
  Refresh();
  host.entryText = "W1AW";
  host.frequency = 29600000;

  const WindowUpdate update = Refresh();

  EXPECT_FALSE(update.onContestBand);
  EXPECT_EQ(update.dxccCaption, "CQ-UK/EI-SSB worked with W1AW");
  MutexLock guard(contest.lock);
  EXPECT_EQ(contest.view.currentBandIndex, 3);
  EXPECT_EQ(contest.view.bandStatus[5][1], "CW");
}

TEST_F(WindowRefreshTest, FailedHostCallEndsTheRefreshAndTheNextOneTriesAgain) {
  Add(Qso{.call = "W1AW", .prefix = "K", .band = "20m"});
  host.entryText = "W1AW";
  host.failEntryText = true;
  WindowUpdate update = Refresh();
  EXPECT_FALSE(update.dxccCaption);
  EXPECT_EQ(host.frequencyCalls, 0);
  {
    MutexLock guard(contest.lock);
    EXPECT_EQ(contest.view.currentCall, "");
    EXPECT_EQ(contest.view.bandStatus[3][1], "-");
  }

  host.failEntryText = false;
  host.failFrequency = true;
  update = Refresh();
  EXPECT_TRUE(update.dxccCaption);  // the rows and the caption come before the frequency
  EXPECT_FALSE(update.onContestBand);

  host.failFrequency = false;
  host.failCommands = true;
  update = Refresh();
  EXPECT_FALSE(update.onContestBand);
  EXPECT_EQ(refresh.lastTuneFrequency(), 0);

  host.failCommands = false;
  update = Refresh();
  EXPECT_TRUE(update.onContestBand);
  EXPECT_EQ(host.commands, std::vector<std::string>{"<SP1>"});
}

TEST(BandSlotOfFrequency, WholeMegahertzOfTheSixBands) {
  EXPECT_EQ(BandSlotOfFrequency(1830000), 0);
  EXPECT_EQ(BandSlotOfFrequency(3799999), 1);
  EXPECT_EQ(BandSlotOfFrequency(7000000), 2);
  EXPECT_EQ(BandSlotOfFrequency(14999999.9), 3);
  EXPECT_EQ(BandSlotOfFrequency(21025000), 4);
  EXPECT_EQ(BandSlotOfFrequency(28500000), 5);
  for (double off :
       {0.0, 999999.0, 2000000.0, 10100000.0, 29600000.0, -1000000.0, 1e300, std::nan("")}) {
    EXPECT_EQ(BandSlotOfFrequency(off), -1) << off;
  }
}

TEST(WindowsToReopen, WantedAndNotOpen) {
  const OpenWindows reopen = WindowsToReopen({true, true, false}, {true, false, false});
  EXPECT_FALSE(reopen.area);
  EXPECT_TRUE(reopen.dxcc);
  EXPECT_FALSE(reopen.dxccExtended);
}

}  // namespace

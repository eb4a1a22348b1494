#include <cstring>

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "plugin/entry_points.h"

namespace {
class CallCheck : public ::testing::Test {
 protected:
  TempFolder folder;
  void SetUp() override { Reset(); }
};
}  // namespace

TEST_F(CallCheck, DupeKnownAndNewMultiplier) {
  EXPECT_EQ(Check("G4ABC"), 2);         // empty log: every call is a new multiplier
  Add(Qso{});                           // G4ABC, prefix G, 20m CW
  EXPECT_EQ(Check("G4ABC", "SSB"), 0);  // the mode is not compared
  EXPECT_EQ(Check("G4ABC", "CW", "G", "40m"), 2);
  Add(Qso{.call = "G3XYZ", .band = "40m"});
  EXPECT_EQ(Check("G4ABC", "CW", "G", "40m"), 1);
  EXPECT_EQ(Check("g4abc"), 1);  // exact comparison: not a dupe, but G is worked on 20m
  EXPECT_EQ(Check("DL1ZZZ", "CW", "DL"), 2);
  EXPECT_EQ(Check("XX0XX", "CW", ""), 1);  // not placed: no multiplier to win
}

TEST_F(CallCheck, UncheckedCallsAndTheOutputBuffer) {
  Add(Qso{});
  EXPECT_EQ(Check("G4ABC", "CW", "G", "160m"), 4);
  EXPECT_EQ(Check("G4ABC", "CW", "G", "20m", "40m"), 4);
  EXPECT_EQ(Check("G4ABC", "CW", "G", "20m", "20M"), 0);
  EXPECT_EQ(Check("G4ABC", "FM"), 4);
  EXPECT_EQ(Check("G4ABC", "CW", "G", nullptr, "20m"), 4);

  char output[100];
  std::memset(output, 'x', sizeof output);
  EXPECT_EQ(Check("", "CW", "G", "20m", nullptr, output), 1);
  EXPECT_EQ(output[0], 'x');  // untouched on the empty call
  EXPECT_EQ(Check("G4ABC", "CW", "G", "20m", nullptr, output), 0);
  EXPECT_EQ(output[0], 'x');  // and on a dupe
  EXPECT_EQ(Check("G0AAA", "CW", "G", "20m", nullptr, output), 1);
  EXPECT_EQ(output[0], '\0');
  EXPECT_EQ(output[1], 'x');
}

TEST(ExchangeCheck, ZonesByPrefix) {
  struct Case {
    const char* exchange;
    const char* prefix;
    int flag;
    int valid;
  };
  for (const Case& c :
       {Case{"14", "DL", 0, 1}, Case{"41", "DL", 0, 0}, Case{"40", "DL", 0, 1},
        Case{"00", "DL", 0, 1}, Case{"4", "K", 0, 1}, Case{"2", "K", 0, 0}, Case{"4", "VE", 0, 1},
        Case{"6", "VE", 0, 0}, Case{"4", "DL", 0, 0}, Case{"001", "DL", 0, 0},
        Case{"1a", "DL", 0, 0}, Case{"", "K", 0, 0}, Case{"14", "DL", 1, 0},
        Case{"\xb2", "K", 0, 0}, Case{"\xb9\xb9", "DL", 0, 0}}) {
    EXPECT_EQ(IsValidExchg0(c.exchange, "x", c.prefix, "x", 0, 0, c.flag), c.valid)
        << c.exchange << " " << c.prefix;
  }
  EXPECT_EQ(GetExchgCount0(nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(GetNumberOfSets(), 1);
  EXPECT_STREQ(GetSetName(5), "CQ UK/EI CW/SSB (C)");
  EXPECT_STREQ(GetSetName(-1), "CQ UK/EI CW/SSB (C)");
}

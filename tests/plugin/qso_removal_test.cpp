#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "plugin/contest_state.h"

namespace {

class QsoRemoval : public ::testing::Test {
 protected:
  TempFolder folder;
  void SetUp() override { Reset(); }
};

std::vector<std::string> Exchanges() {
  std::vector<std::string> exchanges;
  for (const CInfo& qso : contest.log.qsoList.records()) exchanges.push_back(qso.exchangeReceived);
  return exchanges;
}

}  // namespace

TEST_F(QsoRemoval, RemovesTheFirstMatchAndKeepsTheOrder) {
  EXPECT_EQ(Remove(Qso{}), 1);  // empty log
  Add(Qso{.exchange = "1LN"});
  Add(Qso{.call = "G3XYZ", .exchange = "2LN"});
  Add(Qso{.exchange = "3LN"});
  // Any time, frequency, RST or exchange finds the record.
  EXPECT_EQ(Remove(Qso{.time = OleDate{}, .exchange = "9", .frequencyHz = 7000000}), 1);
  EXPECT_EQ(Exchanges(), (std::vector<std::string>{"002 LN", "003 LN"}));
  EXPECT_EQ(Remove(Qso{.call = "G3XYZ", .band = "40m"}), 1);  // no such record
  EXPECT_EQ(contest.log.qsoList.size(), 2u);
}

TEST_F(QsoRemoval, DeletingOneOfADupePairLeavesTheOtherCounted) {
  Add(Qso{.exchange = "1LN"});
  Add(Qso{.exchange = "2LN"});
  Add(Qso{.exchange = "3LN"});
  EXPECT_EQ(Remove(Qso{}), 1);
  ASSERT_EQ(contest.log.qsoList.size(), 2u);
  EXPECT_EQ(contest.log.qsoList.records()[0].isDupe, 0);
  EXPECT_EQ(contest.log.qsoList.records()[1].isDupe, 1);
  EXPECT_EQ(Check("G4ABC"), 0);  // still worked on 20m
  Remove(Qso{});
  Remove(Qso{});
  EXPECT_EQ(Check("G4ABC", "CW", "G"), 2);  // gone from the indexes too
}

TEST_F(QsoRemoval, RefusedArgumentsAndExactMatching) {
  Add(Qso{.band = "20M", .mode = "cw"});
  EXPECT_EQ(Remove(Qso{.mode = "FM"}), 0);
  EXPECT_EQ(Remove(Qso{.mode = "cw", .sentNumber = ""}), 0);
  EXPECT_EQ(Remove(Qso{.exchange = "", .mode = "cw"}), 0);
  EXPECT_EQ(Remove(Qso{.mode = "cw"}), 1);  // 20m is not 20M
  EXPECT_EQ(contest.log.qsoList.size(), 1u);
  // A QSO logged as "cw" can be deleted again.
  EXPECT_EQ(Remove(Qso{.band = "20M", .mode = "cw"}), 1);
  EXPECT_TRUE(contest.log.qsoList.empty());
}

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "plugin/contest_state.h"

namespace {

const char* const kStatsFile = "VurovODUVIR_EI_13_11_2016.txt";
const std::string kHeader = "UK/EI SSB DX Contest UBN file \r\n";

std::string ProblemLines() {
  return ReadFileBytes(kStatsFile).substr(kHeader.size());
}
const CInfo& Last() {
  return contest.log.qsoList.records().back();
}

class QsoIntake : public ::testing::Test {
 protected:
  TempFolder folder;
  void SetUp() override { Reset(); }
};

}  // namespace

TEST_F(QsoIntake, RefusalsWriteProblemLinesInTheirOrder) {
  EXPECT_EQ(Add(Qso{.band = "160m", .frequencyHz = 1825300}), 0);
  EXPECT_EQ(Add(Qso{.mode = "RTTY"}), 0);
  // The number check comes before the band check.
  EXPECT_EQ(Add(Qso{.band = "2m", .sentNumber = "", .rstReceived = ""}), 0);
  EXPECT_EQ(Add(Qso{.exchange = ""}), 0);
  EXPECT_EQ(
      ProblemLines(),
      "QSO:  1825  CW  2016-11-12 1205  DL1AAA  599  001  G4ABC  599  5LN   NO CONTEST BAND !!!\r\n"
      "QSO:  14025  RTTY  2016-11-12 1205  DL1AAA  599  001  G4ABC  599  5LN   NO CONTEST MODE "
      "!!!\r\n"
      "QSO:  14025  CW  2016-11-12 1205  DL1AAA  599    G4ABC    5LN   NO TX or RX NUMBER !!!\r\n"
      "QSO:  14025  CW  2016-11-12 1205  DL1AAA  599  001  G4ABC  599     NO TX or RX NUMBER "
      "!!!\r\n");
  EXPECT_TRUE(contest.log.qsoList.empty());
  EXPECT_EQ(contest.log.bandsSeen, (std::vector<std::string>{"160m", "20m", "2m"}));
}

TEST_F(QsoIntake, StoresTheRecordAsPassed) {
  EXPECT_EQ(Add(Qso{.call = "g4abc",
                    .continent = "eu",
                    .band = "80M",
                    .mode = "cw",
                    .frequencyHz = 3799999,
                    .rstSent = "579",
                    .rstReceived = "589"}),
            1);
  const CInfo& qso = Last();
  EXPECT_EQ(qso.call, "g4abc");
  EXPECT_EQ(qso.mode, "cw");
  EXPECT_EQ(qso.band, "80M");
  EXPECT_EQ(qso.continent, "eu");
  EXPECT_EQ(qso.rstSent, "579");
  EXPECT_EQ(qso.rstReceived, "589");
  EXPECT_EQ(qso.prefix, "G");
  EXPECT_EQ(qso.areaCode, "LN");
  EXPECT_EQ(qso.frequencyKhz, 3799);
  EXPECT_EQ(qso.isDupe, 0);
  EXPECT_EQ(qso.zone, 0);
  EXPECT_EQ(ProblemLines(), "");
}

TEST_F(QsoIntake, ReceivedExchangesTakeTheirNormalForm) {
  struct Case {
    const char* prefix;
    const char* exchange;
    const char* normal;
    const char* area;
  };
  for (const Case& c : {Case{"G", "5AB", "005 AB", "AB"}, Case{"GW", "15ab", "015 AB", "AB"},
                        Case{"GM", "123AB", "123 AB", "AB"}, Case{"EI", "1 AB", "001 AB", "AB"},
                        Case{"GI", "12 AB", "012 AB", "AB"}, Case{"GD", "123 ab", "123 ab", "AB"},
                        Case{"G", "1234ZE", "1234 ZE", "ZE"}, Case{"G", "  7LN\t", "007 LN", "LN"},
                        Case{"DL", "7", "007 --", ""}, Case{"W", "42", "042 --", ""},
                        Case{"JA", "1234", "1234 --", ""}, Case{"DL", " 42 ", "042 --", ""},
                        // Digits alone from UK/EI: a serial sent without an area code.
                        Case{"G", "123", "123 --", ""}, Case{"EI", "7", "007 --", ""},
                        Case{"GM", " 42 ", "042 --", ""}, Case{"GW", "1234", "1234 --", ""},
                        Case{"G", "199", "199 --", ""}, Case{"GI", "90", "090 --", ""},
                        // Norwich sends NK, kept as received.
                        Case{"G", "5nk", "005 NK", "NK"}, Case{"G", "12 NK", "012 NK", "NK"}}) {
    Add(Qso{.prefix = c.prefix, .exchange = c.exchange});
    EXPECT_EQ(Last().exchangeReceived, c.normal) << c.exchange;
    EXPECT_EQ(Last().areaCode, c.area) << c.exchange;
  }
}

TEST_F(QsoIntake, InvalidAreaCodeWarnsButKeepsTheQso) {
  EXPECT_EQ(Add(Qso{.prefix = "GM", .exchange = "12 zz"}), 1);
  EXPECT_EQ(Add(Qso{.call = "EI5XX", .prefix = "EI", .exchange = "5 xx"}), 1);
  EXPECT_EQ(Last().exchangeReceived, "005 xx");
  EXPECT_EQ(Add(Qso{.call = "G3XYY", .prefix = "G", .exchange = "123"}), 1);
  EXPECT_EQ(ProblemLines(),
            "QSO:  14025  CW  2016-11-12 1205  DL1AAA  599  001  G4ABC  599  12 zz  12 ZZ"
            "  UK/EI Code Area is not acceptable !!!\r\n"
            "QSO:  14025  CW  2016-11-12 1205  DL1AAA  599  001  EI5XX  599  5 xx  5 XX"
            "  UK/EI Code Area is not acceptable !!!\r\n"
            "QSO:  14025  CW  2016-11-12 1205  DL1AAA  599  001  G3XYY  599  123  123"
            "  UK/EI Code Area is not acceptable !!!\r\n");
  EXPECT_EQ(Last().areaCode, "");
  EXPECT_EQ(contest.log.qsoList.size(), 3u);
}

TEST_F(QsoIntake, DupesAreFlaggedOncePerEarlierQso) {
  Add(Qso{});
  Add(Qso{.band = "20M"});  // another band text: not a dupe
  Add(Qso{.mode = "SSB"});  // another mode: not a dupe
  Add(Qso{});
  EXPECT_EQ(Add(Qso{.exchange = "12 zz"}), 1);  // warning first, then one line per dupe
  EXPECT_EQ(Last().isDupe, 1);
  const std::string dupe =
      "QSO:  14025  CW  2016-11-12 1205  DL1AAA  599  001  G4ABC  599  5LN   DUPE !!!\r\n";
  const std::string dupeOfThird =
      "QSO:  14025  CW  2016-11-12 1205  DL1AAA  599  001  G4ABC  599  12 zz   DUPE !!!\r\n";
  EXPECT_EQ(ProblemLines(), dupe +
                                "QSO:  14025  CW  2016-11-12 1205  DL1AAA  599  001  G4ABC  599"
                                "  12 zz  12 ZZ  UK/EI Code Area is not acceptable !!!\r\n" +
                                dupeOfThird + dupeOfThird);
  std::vector<int> flags;
  for (const CInfo& qso : contest.log.qsoList.records()) flags.push_back(qso.isDupe);
  EXPECT_EQ(flags, (std::vector<int>{0, 0, 0, 1, 1}));
}

TEST_F(QsoIntake, SentExchangeCarriesTheOwnAreaCode) {
  Add(Qso{});
  EXPECT_EQ(Last().exchangeSent, "001 --");
  IniFile("Settings", "Plugins\\UK_EI.ini").Write("setup_areacode", "NE");
  Reset(HostStation{.ownCall = "G4BBB", .ownPrefix = "G"});
  Add(Qso{.sentNumber = "017"});
  EXPECT_EQ(Last().exchangeSent, "017 NE");
}

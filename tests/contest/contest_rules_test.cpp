#include <gtest/gtest.h>

#include "contest/contest_rules.h"

TEST(ContestRules, PrefixAndAreaTablesCompareExactly) {
  EXPECT_TRUE(IsUkEiPrefix("GW"));
  EXPECT_TRUE(IsUkEiPrefix("EI"));
  for (const char* notUkEi : {"EA", "gw", "", "G ", "G0", "GMM"}) {
    EXPECT_FALSE(IsUkEiPrefix(notUkEi)) << notUkEi;
  }
  EXPECT_TRUE(IsRussianCaptionPrefix("UA2/f"));
  EXPECT_FALSE(IsRussianCaptionPrefix("UA2/F"));
  EXPECT_TRUE(IsValidAreaCode("CW"));
  EXPECT_TRUE(IsValidAreaCode("ZE"));
  EXPECT_TRUE(IsValidAreaCode("AB"));
  EXPECT_TRUE(IsValidAreaCode("NK"));  // Norwich, the district NR of the table
  EXPECT_TRUE(IsValidAreaCode("NR"));
  EXPECT_EQ(AreaDistrict("NK"), "NR");
  EXPECT_EQ(AreaDistrict("NR"), "NR");
  EXPECT_EQ(AreaDistrict("LN"), "LN");
  for (const char* invalid : {"ZD", "Z", "", "ln", "LNX", "nk"}) {
    EXPECT_FALSE(IsValidAreaCode(invalid)) << invalid;
  }
  EXPECT_TRUE(std::is_sorted(kAreaCodes.begin(), kAreaCodes.end()));
}

TEST(ContestRules, BandsAndModesIgnoreCase) {
  EXPECT_TRUE(bandRules.ContainsNoCase("20M"));
  EXPECT_FALSE(bandRules.ContainsNoCase("160m"));
  EXPECT_FALSE(bandRules.ContainsNoCase(""));
  EXPECT_TRUE(bandRules.ContainsNoCase("80M"));  // slot 0 repeats 80m
  EXPECT_TRUE(modeRules.ContainsNoCase("cw"));
  EXPECT_TRUE(modeRules.ContainsNoCase("Ssb"));
  EXPECT_FALSE(modeRules.ContainsNoCase("FM"));
  EXPECT_EQ(BandSlotExact("160m"), 0);
  EXPECT_EQ(BandSlotExact("20M"), -1);
  EXPECT_EQ(BandSlotNoCase("20M"), 3);
}

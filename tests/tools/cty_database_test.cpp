#include "tools/logs/cty_database.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/tools/cty_excerpt.h"

namespace {

void ExpectPlaced(const CtyDatabase& cty, const char* call, const char* prefix,
                  const char* continent) {
  const Placement placement = cty.Resolve(call);
  EXPECT_EQ(placement.prefix, prefix) << call;
  EXPECT_EQ(placement.continent, continent) << call;
}

TEST(CtyDatabase, ExactCallsComeBeforeTheLongestPrefix) {
  const CtyDatabase cty = Excerpt();
  ExpectPlaced(cty, "G4ABC", "G", "EU");
  ExpectPlaced(cty, "GM4ABC", "GM", "EU");   // GM beats G
  ExpectPlaced(cty, "UA9ABC", "UA9", "AS");  // UA9 beats U
  ExpectPlaced(cty, "RA9XYZ", "UA9", "AS");  // prefix from the continuation line
  ExpectPlaced(cty, "RA3XYZ", "UA", "EU");
  ExpectPlaced(cty, "KH6ABC", "K", "NA");  // an exact call beats the longer prefix
  ExpectPlaced(cty, "KH6XYZ", "KH6", "OC");
  ExpectPlaced(cty, "AA0XX", "K", "NA");      // zone overrides are not part of the prefix
  ExpectPlaced(cty, " dl1abc ", "DL", "EU");  // case and blanks do not matter
  ExpectPlaced(cty, "G0IBN/LH", "G", "EU");   // exact calls may carry a suffix
}

TEST(CtyDatabase, ContinentOverridesOfPrefixesAndCallsAreHonoured) {
  const CtyDatabase cty = Excerpt();
  ExpectPlaced(cty, "TA2XYZ", "TA", "AS");
  ExpectPlaced(cty, "TA1XYZ", "TA", "EU");
  ExpectPlaced(cty, "TA2ABC/1", "TA", "EU");
}

TEST(CtyDatabase, EntitiesOffTheDxccListCountForTheEntityUnderneath) {
  const CtyDatabase cty = Excerpt();
  ExpectPlaced(cty, "2M0ZET", "GM", "EU");  // Shetland is Scotland for DXCC
  ExpectPlaced(cty, "2M0ZET/P", "GM", "EU");
  ExpectPlaced(cty, "IG9ABC", "I", "AF");  // Italy, but in Africa
  // Listed under England and under Shetland: the DXCC entity is the listed one.
  ExpectPlaced(cty, "GB2ELH", "G", "EU");
}

TEST(CtyDatabase, PortableCallsArePlacedWhereTheStationOperates) {
  const CtyDatabase cty = Excerpt();
  ExpectPlaced(cty, "DL/G4ABC", "DL", "EU");
  ExpectPlaced(cty, "G4ABC/DL", "DL", "EU");
  ExpectPlaced(cty, "KH6/W1ABC/P", "KH6", "OC");
  ExpectPlaced(cty, "G4ABC/P", "G", "EU");
  ExpectPlaced(cty, "g4abc/qrp", "G", "EU");
  ExpectPlaced(cty, "GB2ELH/P", "GM", "EU");  // exact with its suffix, not the base call
  ExpectPlaced(cty, "GM4ABC/M", "GM", "EU");
  ExpectPlaced(cty, "UA9ABC/3", "UA", "EU");  // moved to call area 3: European Russia
  ExpectPlaced(cty, "RA3ABC/9", "UA9", "AS");
  ExpectPlaced(cty, "W1ABC/7", "K", "NA");
  ExpectPlaced(cty, "GM/W1ABC", "GM", "EU");  // MM, GM in front name the place
  ExpectPlaced(cty, "MM/W1ABC", "GM", "EU");
  ExpectPlaced(cty, "G4ABC/70", "G", "EU");   // a special-event number
  ExpectPlaced(cty, "DL1ABC/C", "DL", "EU");  // a suffix that is no prefix
  ExpectPlaced(cty, "ZS/G4ABC", "", "");      // a place the file does not know
  ExpectPlaced(cty, "G4ABC/MM", "", "");
  ExpectPlaced(cty, "DL1ABC/AM", "", "");
  ExpectPlaced(cty, "ZS6ABC", "", "");  // no entity of the excerpt
  ExpectPlaced(cty, "/P", "", "");
  ExpectPlaced(cty, "", "", "");
}

TEST(CtyDatabase, BrokenFilesAreRefusedWithTheirLine) {
  try {
    CtyDatabase::Parse("England: 14: 27: EU: 52.77: 1.47: 0.0: G:\n  G;\nbroken: 1: 2;\n", "x.dat");
    FAIL();
  } catch (const CtyError& error) {
    EXPECT_STREQ(error.what(), "x.dat:3: not a cty.dat entity");
  }
  try {
    CtyDatabase::Parse("England: 14: 27: EU: 52.77: 1.47: 0.0: G:\n  G,M\n", "x.dat");
    FAIL();
  } catch (const CtyError& error) {
    EXPECT_STREQ(error.what(), "x.dat:1: entity without its closing ';'");
  }
  EXPECT_THROW(CtyDatabase::Parse(" \r\n", "empty.dat"), CtyError);
  EXPECT_THROW(CtyDatabase::Load("no-such-folder/cty.dat"), CtyError);
}

TEST(CtyDatabase, RealCountryFile) {
  const char* path = "/usr/share/hamradio-files/cty.dat";
  if (!std::ifstream(path)) GTEST_SKIP() << path << " is not installed (Debian hamradio-files)";
  const CtyDatabase cty = CtyDatabase::Load(path);
  ExpectPlaced(cty, "G3TXF", "G", "EU");
  ExpectPlaced(cty, "2E0ABC", "G", "EU");
  ExpectPlaced(cty, "MM0ABC", "GM", "EU");
  ExpectPlaced(cty, "GB3LER", "GM", "EU");  // Shetland
  ExpectPlaced(cty, "MI0ABC", "GI", "EU");
  ExpectPlaced(cty, "EI7M", "EI", "EU");
  ExpectPlaced(cty, "MU0ABC", "GU", "EU");
  ExpectPlaced(cty, "IT9ABC", "I", "EU");     // Sicily
  ExpectPlaced(cty, "4U1A", "OE", "EU");      // Vienna International Centre
  ExpectPlaced(cty, "JW/LB2PG", "JW", "EU");  // Bear Island
  ExpectPlaced(cty, "EA8/G4ABC", "EA8", "AF");
  ExpectPlaced(cty, "K1ABC", "K", "NA");
  ExpectPlaced(cty, "UA0ABC", "UA9", "AS");
  ExpectPlaced(cty, "VK2ABC", "VK", "OC");
}

}  // namespace

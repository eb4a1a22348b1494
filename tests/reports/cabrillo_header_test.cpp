// The Cabrillo header: defaults, INI keys, soapbox encoding, file base name.

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "reports/cabrillo_header.h"

namespace {

class CabrilloHeaderTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  IniFile settings_{"Settings", "Plugins\\UK_EI.ini"};
  CabrilloLog log_;
};

TEST_F(CabrilloHeaderTest, DefaultsWithoutIniFile) {
  LoadHeader(log_, "G4ABC", ContestDay(-12, 0), ContestDay(12, 0), true, settings_);
  const CabrilloDialogFields& h = log_.header;
  EXPECT_EQ(h.callsign, "G4ABC");
  EXPECT_EQ(h.operators, "G4ABC");
  EXPECT_EQ(h.contest, "UKEIDXCW");
  EXPECT_EQ(h.categoryMode, "CW");
  EXPECT_EQ(h.categoryOperator, "SINGLE-OP");
  EXPECT_EQ(h.categoryOverlay, "NONE");
  EXPECT_EQ(h.categoryBand, "ALL");
  EXPECT_EQ(h.categoryPower, "HIGH");
  EXPECT_EQ(h.categoryTime, "24-HOURS");
  EXPECT_EQ(h.location, "DX");
  EXPECT_EQ(h.categoryStation, "FIXED");
  EXPECT_EQ(h.categoryAssisted, "NON-ASSISTED");
  EXPECT_EQ(h.name + h.claimed + h.soapbox + h.club + h.email, "");
  EXPECT_EQ(log_.fileBaseName, "G4ABC");

  LoadHeader(log_, "G4ABC", ContestDay(-12, 0), ContestDay(12, 0), false, settings_);
  EXPECT_EQ(log_.header.contest, "UKEIDXSSB");
  EXPECT_EQ(log_.header.categoryMode, "SSB");
}

TEST_F(CabrilloHeaderTest, ConfirmedHeaderRoundTripsThroughTheIniFile) {
  settings_.Write("Claimed", "136");
  LoadHeader(log_, "PA/G4ABC/P", ContestDay(-12, 0), ContestDay(12, 0), true, settings_);
  CabrilloDialogFields edited = log_.header;
  edited.callsign = "G4XYZ";
  edited.claimed = "999999";
  edited.name = "Jane Doe";
  edited.categoryOperator = "MULTI-OP";
  edited.categoryPower = "LOW";
  edited.contest = "MYCONTEST";
  edited.soapbox = "line one\r\nline two\r\nline three";
  log_.qsoLines = {"collected earlier\r\n"};
  StoreHeader(log_, edited, settings_);

  EXPECT_EQ(log_.header.callsign, "G4XYZ");
  EXPECT_EQ(log_.header.claimed, "136");  // shown only
  EXPECT_EQ(log_.fileBaseName, "PA_G4ABC_P");
  EXPECT_EQ(log_.header.soapbox, "line one\r\nSOAPBOX: line two\r\nSOAPBOX: line three");
  EXPECT_TRUE(log_.qsoLines.empty());
  EXPECT_EQ(settings_.Read("SoapBox"), "line one<CR><LF>line two<CR><LF>line three");
  EXPECT_EQ(settings_.Read("Name"), "Jane Doe");
  EXPECT_EQ(settings_.Read("Category"), "MULTI-OP");
  EXPECT_EQ(settings_.Read("Category_Overlay"), "NONE");
  EXPECT_EQ(settings_.Read("Contest"), "MYCONTEST");
  EXPECT_EQ(settings_.Read("Operators"), "PA/G4ABC/P");
  EXPECT_EQ(settings_.Read("Claimed"), "136");

  // The next run: texts come back, categories and the contest name start afresh.
  LoadHeader(log_, "G4ABC", ContestDay(-12, 0), ContestDay(12, 0), true, settings_);
  EXPECT_EQ(log_.header.soapbox, "line one\r\nline two\r\nline three");
  EXPECT_EQ(log_.header.name, "Jane Doe");
  EXPECT_EQ(log_.header.operators, "PA/G4ABC/P");
  EXPECT_EQ(log_.header.categoryOperator, "SINGLE-OP");
  EXPECT_EQ(log_.header.categoryPower, "HIGH");
  EXPECT_EQ(log_.header.contest, "UKEIDXCW");
}

// A read of the INI file gives back 99 bytes: longer texts are named before they are stored,
// and stored cut, never inside a line break's "<CR><LF>".
TEST_F(CabrilloHeaderTest, TextsTooLongForTheIniFileAreNamedAndCutWhole) {
  LoadHeader(log_, "G4ABC", ContestDay(-12, 0), ContestDay(12, 0), true, settings_);
  CabrilloDialogFields edited = log_.header;
  edited.name = std::string(99, 'n');
  edited.soapbox = std::string(91, 's') + "\r\n";  // 99 bytes with its markers
  EXPECT_EQ(TooLongToKeepNotice(edited), "");

  edited.name += "n";
  edited.soapbox = std::string(95, 's') + "\r\nlast";  // the markers would end at byte 103
  const std::string notice = TooLongToKeepNotice(edited);
  EXPECT_EQ(notice.substr(0, notice.find('\r')),
            "Too long to be kept whole for the next export: NAME, SOAPBOX.");
  StoreHeader(log_, edited, settings_);
  EXPECT_EQ(settings_.Read("Name"), std::string(99, 'n'));
  EXPECT_EQ(settings_.Read("SoapBox"), std::string(95, 's'));
  EXPECT_EQ(log_.header.soapbox, std::string(95, 's') + "\r\nSOAPBOX: last");  // this export

  edited.soapbox = std::string(97, 's') + "\rx";  // a lone break's marker
  StoreHeader(log_, edited, settings_);
  EXPECT_EQ(settings_.Read("SoapBox"), std::string(97, 's'));
  LoadHeader(log_, "G4ABC", ContestDay(-12, 0), ContestDay(12, 0), true, settings_);
  EXPECT_EQ(log_.header.soapbox, std::string(97, 's'));
}

TEST(CabrilloHeader, FileBaseNamesAndReplacement) {
  EXPECT_EQ(FileBaseName("G4ABC/P"), "G4ABC_P");
  EXPECT_EQ(FileBaseName(" EI\\G4ABC "), "EI_G4ABC");
  EXPECT_EQ(FileBaseName("G4:AB*C?\"<>|"), "G4_AB_C_____");
  EXPECT_EQ(FileBaseName("   "), "QXLG");
  EXPECT_EQ(FileBaseName(""), "QXLG");
  // Names Windows keeps for devices, whatever the extension, and what it drops or refuses.
  EXPECT_EQ(FileBaseName("NUL"), "NUL_");
  EXPECT_EQ(FileBaseName("con.x"), "con_.x");
  EXPECT_EQ(FileBaseName("Com1"), "Com1_");
  EXPECT_EQ(FileBaseName("LPT9 .A.B"), "LPT9_ .A.B");
  EXPECT_EQ(FileBaseName("AUX"), "AUX_");
  EXPECT_EQ(FileBaseName("PRN"), "PRN_");
  EXPECT_EQ(FileBaseName("COM0"), "COM0");
  for (const char* superscript : {"\xb9", "\xb2", "\xb3", "\xc2\xb9", "\xc2\xb2", "\xc2\xb3"}) {
    EXPECT_EQ(FileBaseName(std::string("lpt") + superscript + ".x"),
              std::string("lpt") + superscript + "_.x");
    EXPECT_EQ(FileBaseName(std::string("COM") + superscript),
              std::string("COM") + superscript + "_");
  }
  EXPECT_EQ(FileBaseName("CONSOLE"), "CONSOLE");
  EXPECT_EQ(FileBaseName("G4ABC.."), "G4ABC__");
  EXPECT_EQ(FileBaseName("G4\x01"
                         "AB\x7f"),
            "G4_AB_");
  EXPECT_EQ(ReplaceAll("a<CR>b<CR>", "<CR>", "<CR><CR>"), "a<CR><CR>b<CR><CR>");
  EXPECT_EQ(ReplaceAll("abc", "x", "y"), "abc");
}

}  // namespace

// The control window's choices, captions and leg change, without the window.

#include "setup/control_settings.h"

#include <mutex>

#include <gtest/gtest.h>

#include "host/host_calls.h"
#include "host/scripted_host.h"
#include "host/temp_folder.h"

namespace {

const char* const kIni = "Plugins/UK_EI.ini";
const char* const kStatsFile = "VurovODUVIR_EI_13_11_2016.txt";

class ControlSettingsTest : public ::testing::Test {
 protected:
  void Start(const std::string& ini, const char* ownPrefix = "G") {
    WriteFileBytes(kIni, "[Settings]\r\nStart=1\r\n" + ini);
    Reset(HostStation{.ownPrefix = ownPrefix});
    settings.Load();
  }
  std::string Key(const char* key) { return contest.settings.Read(key, "<missing>"); }

  TempFolder folder;
  ScriptedHost host;
  ControlSettings settings{contest, host};
};

TEST_F(ControlSettingsTest, LoadsTheChoicesAndLetsTheNextResetFollowTheCwBox) {
  Start(
      "setup_mode_cw=1\r\nsetup_view_zone=1\r\nsetup_view_multiplier_extended=7\r\n"
      "setup_areacode= ln\r\n");
  const ControlChoices& choices = settings.choices();
  EXPECT_EQ(choices.modeCw, 1);
  EXPECT_EQ(choices.modeSsb, 0);
  EXPECT_EQ(choices.viewArea, 1);
  EXPECT_EQ(choices.viewDxcc, 0);
  EXPECT_EQ(choices.viewDxccExtended, 7);
  EXPECT_EQ(choices.areaCodeText, "ln");
  EXPECT_EQ(Key("Mode"), "1");
  EXPECT_EQ(contest.station.ownAreaCode, "ln");
  const OpenWindows wanted = settings.wantedWindows();
  EXPECT_TRUE(wanted.area && !wanted.dxcc && wanted.dxccExtended);
  EXPECT_TRUE(settings.SendsAreaCode());
}

TEST_F(ControlSettingsTest, CaptionsFollowTheLegBoxAndTheOwnStation) {
  Start("");
  // Neither leg stored: the SSB caption, and "Mode" written empty (read as SSB).
  EXPECT_EQ(Key("Mode"), "");
  ControlCaptions captions = settings.Captions();
  EXPECT_EQ(captions.window, "Setup CQ-UK/EI-SSB-2016");
  EXPECT_EQ(captions.viewLabel, "View");
  EXPECT_EQ(captions.modeLabel, "Mode");

  Start("setup_mode_cw=1\r\n", "UA9");
  captions = settings.Captions();
  // Code page 1251: "Установки CQ-UK/EI-CW-2016", "Отображать", "Вид радиосвязи".
  EXPECT_EQ(captions.window, "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8 CQ-UK/EI-CW-2016");
  EXPECT_EQ(captions.viewLabel, "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC");
  EXPECT_EQ(captions.modeLabel, "\xC2\xE8\xE4 \xF0\xE0\xE4\xE8\xEE\xF1\xE2\xFF\xE7\xE8");
  EXPECT_FALSE(settings.SendsAreaCode());
}

TEST_F(ControlSettingsTest, ChoosingTheActiveLegChangesNothing) {
  Start("setup_mode_cw=1\r\nMode=1\r\n");
  WriteFileBytes(kStatsFile, "kept\r\n");
  const std::string ini = ReadFileBytes(kIni);

  EXPECT_FALSE(settings.SwitchLeg(Leg::kCw));

  EXPECT_EQ(ReadFileBytes(kIni), ini);
  EXPECT_EQ(ReadFileBytes(kStatsFile), "kept\r\n");
  EXPECT_TRUE(host.commands.empty());
  EXPECT_EQ(settings.choices().modeCw, 1);
}

TEST_F(ControlSettingsTest, SsbChoiceFollowsTheSettingsFileNotTheBoxes) {
  // The SSB box shows ticked, but the file says the SSB leg is not active.
  Start("setup_mode_cw=1\r\nsetup_mode_ssb=1\r\n");
  contest.settings.Write("setup_mode_ssb", "0");
  {
    MutexLock guard(contest.lock);
    contest.station.isCwMode = 1;
  }

  EXPECT_TRUE(settings.SwitchLeg(Leg::kSsb));
  settings.StartLeg(Leg::kSsb);

  EXPECT_EQ(settings.choices().modeCw, 0);
  EXPECT_EQ(settings.choices().modeSsb, 1);
  EXPECT_EQ(Key("setup_mode_ssb"), "1");
  EXPECT_EQ(Key("setup_mode_cw"), "0");
  EXPECT_EQ(Key("Mode"), "0");
  EXPECT_EQ(contest.station.isCwMode, 0);
  EXPECT_EQ(contest.station.statsFileName, kStatsFile);
  EXPECT_EQ(ReadFileBytes(kStatsFile), "UK/EI SSB DX Contest UBN file \r\n");
  EXPECT_EQ(host.commands, (std::vector<std::string>{"<MODE:SSB>", "<MODE:SSB>"}));
  EXPECT_EQ(settings.Captions().window, "Setup CQ-UK/EI-SSB-2016");

  host.commands.clear();
  Add(Qso{.sentNumber = ""});  // a problem line in the SSB file
  EXPECT_TRUE(settings.SwitchLeg(Leg::kCw));
  settings.StartLeg(Leg::kCw);
  EXPECT_EQ(Key("setup_mode_cw"), "1");
  EXPECT_EQ(Key("setup_mode_ssb"), "0");
  EXPECT_EQ(Key("Mode"), "1");
  EXPECT_EQ(contest.station.isCwMode, 1);
  EXPECT_EQ(ReadFileBytes(kStatsFile), "UK/EI CW DX Contest UBN file \r\n");
  EXPECT_EQ(host.commands, std::vector<std::string>{"<MODE:CW>"});

  // A host that fails the commands does not stop the change.
  host.failCommands = true;
  EXPECT_TRUE(settings.SwitchLeg(Leg::kSsb));
  settings.StartLeg(Leg::kSsb);
  EXPECT_EQ(ReadFileBytes(kStatsFile), "UK/EI SSB DX Contest UBN file \r\n");
}

TEST_F(ControlSettingsTest, ViewsAreaCodeAndTheLegForTheHost) {
  Start("Mode=1\r\n");
  settings.SetView(View::kDxccExtended, true);
  settings.SetView(View::kArea, false);
  EXPECT_EQ(Key("setup_view_multiplier_extended"), "1");
  EXPECT_EQ(Key("setup_view_zone"), "0");
  EXPECT_EQ(Key("setup_view_multiplier"), "<missing>");
  EXPECT_EQ(settings.choices().viewDxccExtended, 1);

  // Stored as typed: no trimming, no case change, no check.
  settings.StoreAreaCode("x");
  settings.StoreAreaCode("ln ");
  EXPECT_EQ(ReadFileBytes(kIni).find("setup_areacode=ln \r\n") != std::string::npos, true);
  EXPECT_EQ(contest.station.ownAreaCode, "ln ");

  settings.TellHostTheLeg();
  EXPECT_EQ(host.commands, std::vector<std::string>{"<MODE:CW>"});
}

}  // namespace

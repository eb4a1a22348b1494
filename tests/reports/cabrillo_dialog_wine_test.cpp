// The Cabrillo header dialog in Stats.dll under wine64: a host starts an export run, a
// second thread plays the operator. OK keeps and saves the header and the report writes
// the file; Cancel switches the export off and leaves the INI file as it was.
// The program's name contains "Qorv" and it carries version 2.5.0.0: it is the host
// program the Cabrillo writer finds in the host folder.

#include <gtest/gtest.h>
#include <filesystem>

#include <atomic>
#include <optional>
#include <thread>

#include "host/temp_folder.h"
#include "res/cabrillo_dialog.h"
#include "tests/reports/dialog_host_win32.h"
#include "tests/support/keyboard_win32.h"

namespace {

std::string IniValue(const char* key) {
  char value[256] = "";
  GetPrivateProfileStringA("Settings", key, "<missing>", value, sizeof value, "Plugins\\UK_EI.ini");
  return value;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM collected) {
  char className[32] = "";
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") == 0) {
    *reinterpret_cast<std::string*>(collected) += WindowText(child);
  }
  return TRUE;
}

// The texts of a message box's static controls, one after the other.
std::string MessageBoxText(HWND box) {
  std::string text;
  EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
  return text;
}

// While the host's thread is inside GetResult0: closes every "Output" box and keeps its text.
class OutputBoxWatcher {
 public:
  OutputBoxWatcher()
      : thread_([this] {
          while (!done_) {
            if (HWND box = WaitForDialog("Output", 0.1)) {
              texts_ += MessageBoxText(box) + "|";
              SendMessageA(box, WM_COMMAND, IDOK, 0);
              while (IsWindow(box)) Sleep(10);
            }
          }
        }) {}
  std::string Finish() {
    done_ = true;
    thread_.join();
    return texts_;
  }

 private:
  std::atomic<bool> done_{false};
  std::string texts_;
  std::thread thread_;
};

class CabrilloDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { stats_.emplace(STATS_DLL_PATH); }
  void TearDown() override { stats_.reset(); }

  // The host's export run for G4ABC; `operate` plays the operator at the open dialog.
  template <typename Operate>
  void ResetForExport(Operate operate) {
    std::thread operatorThread([&] {
      HWND dialog = WaitForDialog(kHeaderDialogCaption, 60);
      ASSERT_NE(dialog, nullptr) << "no header dialog";
      // The dialog shows once its controls hold the header.
      for (int waited = 0; !IsWindowVisible(dialog) && waited < 10000; waited += 10) Sleep(10);
      operate(dialog);
    });
    Reset({"G4ABC", "DL", "EU", 1, hostFolder_.c_str()}, *stats_);
    operatorThread.join();
  }

  std::string ReportWithOutputBoxes(std::string& boxTexts) {
    Add({"G4ABC", "G4BB", "G", "EU", "20m", ContestDay(9, 0), "5LN"}, *stats_);
    Add({"G4ABC", "DL1AA", "DL", "EU", "40m", ContestDay(9, 1), "7"}, *stats_);
    OutputBoxWatcher watcher;
    const std::string report = Report(*stats_);
    boxTexts = watcher.Finish();
    return report;
  }

  TempFolder folder_;
  std::string hostFolder_ = ProgramFolder();
  std::optional<StatsLibrary> stats_;
};

TEST_F(CabrilloDialogTest, OkKeepsTheHeaderAndTheReportWritesTheFile) {
  WriteFileBytes("Plugins/UK_EI.ini", "[Settings]\r\nMode=1\r\nClaimed=77\r\n");
  ResetForExport([](HWND dialog) {
    EXPECT_EQ(WindowText(dialog), kHeaderDialogCaption);
    EXPECT_EQ(ItemText(dialog, IDC_CABRILLO_CALLSIGN), "G4ABC");
    EXPECT_EQ(ItemText(dialog, IDC_CABRILLO_OPERATORS), "G4ABC");
    EXPECT_EQ(ItemText(dialog, IDC_CABRILLO_CONTEST), "UKEIDXCW");
    EXPECT_EQ(ItemText(dialog, IDC_CABRILLO_CLAIMED), "77");
    EXPECT_EQ(ItemText(dialog, IDC_CABRILLO_CATEGORY_MODE), "CW");
    EXPECT_EQ(ItemText(dialog, IDC_CABRILLO_LOCATION), "DX");
    EXPECT_EQ(ItemText(dialog, IDC_CABRILLO_CATEGORY_TIME), "24-HOURS");
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_CABRILLO_CATEGORY_TIME, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_CABRILLO_LOCATION, CB_GETCOUNT, 0, 0), 64);
    char entry[64] = "";
    SendDlgItemMessageA(dialog, IDC_CABRILLO_CATEGORY_POWER, CB_GETLBTEXT, 2,
                        reinterpret_cast<LPARAM>(entry));
    EXPECT_STREQ(entry, "QRP");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_CABRILLO_CATEGORY_STATION)));
    const LONG modeStyle =
        GetWindowLongA(GetDlgItem(dialog, IDC_CABRILLO_CATEGORY_MODE), GWL_STYLE);
    EXPECT_TRUE(modeStyle & ES_READONLY);
    const LONG soapboxStyle = GetWindowLongA(GetDlgItem(dialog, IDC_CABRILLO_SOAPBOX), GWL_STYLE);
    EXPECT_TRUE((soapboxStyle & ES_MULTILINE) && (soapboxStyle & ES_WANTRETURN));
    RECT ok{81, 302, 81 + 51, 302 + 21}, button{};
    MapDialogRect(dialog, &ok);
    GetWindowRect(GetDlgItem(dialog, IDOK), &button);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(button.left, ok.left);
    EXPECT_EQ(button.bottom, ok.bottom);

    SetDlgItemTextA(dialog, IDC_CABRILLO_CALLSIGN, "G4XYZ");
    SetDlgItemTextA(dialog, IDC_CABRILLO_NAME, "Jane Doe");
    // Enter in SOAPBOX starts a new line; the dialog stays.
    const HWND soapbox = GetDlgItem(dialog, IDC_CABRILLO_SOAPBOX);
    const auto soapboxReads = [&](const std::string& text) {
      for (int waited = 0; waited < 3000 && WindowText(soapbox) != text; waited += 20) Sleep(20);
      return WindowText(soapbox) == text;
    };
    SetWindowTextA(soapbox, "line one\r\nline two");
    PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(soapbox), TRUE);
    PostMessageA(soapbox, EM_SETSEL, 100, 100);
    PressKey(soapbox, VK_RETURN);
    EXPECT_TRUE(soapboxReads("line one\r\nline two\r\n"));
    for (const char c : std::string("line three")) PostMessageA(soapbox, WM_CHAR, c, 1);
    EXPECT_TRUE(soapboxReads("line one\r\nline two\r\nline three"));
    EXPECT_TRUE(IsWindowVisible(dialog));
    SetDlgItemTextA(dialog, IDC_CABRILLO_CATEGORY_OPERATOR, "MULTI-TWO");  // typed
    SendDlgItemMessageA(dialog, IDC_CABRILLO_CATEGORY_POWER, CB_SELECTSTRING,
                        static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("lo"));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  });

  EXPECT_EQ(IniValue("Name"), "Jane Doe");
  EXPECT_EQ(IniValue("SoapBox"), "line one<CR><LF>line two<CR><LF>line three");
  EXPECT_EQ(IniValue("Category"), "MULTI-TWO");
  EXPECT_EQ(IniValue("Contest"), "UKEIDXCW");
  EXPECT_EQ(IniValue("Operators"), "G4ABC");

  std::string boxTexts;
  const std::string report = ReportWithOutputBoxes(boxTexts);
  EXPECT_EQ(boxTexts, "File produced: G4ABC.cbr|");
  EXPECT_EQ(report.find("Hourly"), std::string::npos);
  EXPECT_EQ(IniValue("Claimed"), "12");  // 20m 2 points, 40m 2 points; 2 DXCC + 1 area
  const std::string file = ReadFileBytes("G4ABC.cbr");
  for (const char* line :
       {"START-OF-LOG: 3.0\r\nCALLSIGN: G4XYZ\r\nCONTEST: UKEIDXCW\r\n"
        "CATEGORY-OPERATOR: MULTI-TWO\r\n",
        "CATEGORY-POWER: LOW\r\n", "CLAIMED-SCORE: 12\r\n", "CREATED-BY: Qorv 2.5\r\n",
        "NAME: Jane Doe\r\n",
        "SOAPBOX: line one\r\nSOAPBOX: line two\r\nSOAPBOX: line three\r\n"
        "QSO: 14025 CW 2016-11-13 0900 G4XYZ         599 001 --  G4BB          599 005 LN\r\n"
        "QSO: 14025 CW 2016-11-13 0901 G4XYZ         599 001 --  DL1AA         599 007 --\r\n"
        "END-OF-LOG:\r\n"}) {
    EXPECT_NE(file.find(line), std::string::npos) << line << "\nin\n" << file;
  }

  // A log that cannot be replaced (read-only) stays whole, with no temporary file beside it;
  // once writable, it is replaced.
  SetFileAttributesA("G4ABC.cbr", FILE_ATTRIBUTE_READONLY);
  ReportWithOutputBoxes(boxTexts);
  EXPECT_EQ(boxTexts, "File not produced: G4ABC.cbr|");
  EXPECT_EQ(ReadFileBytes("G4ABC.cbr"), file);
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
  }
  SetFileAttributesA("G4ABC.cbr", FILE_ATTRIBUTE_NORMAL);
  ReportWithOutputBoxes(boxTexts);
  EXPECT_EQ(boxTexts, "File produced: G4ABC.cbr|");
  EXPECT_NE(ReadFileBytes("G4ABC.cbr"), file);
}

// A text too long for the INI file is named before it is stored: Cancel goes back to the
// dialog, OK stores it cut.
TEST_F(CabrilloDialogTest, TooLongTextIsNamedBeforeItIsStored) {
  WriteFileBytes("Plugins/UK_EI.ini", "[Settings]\r\nMode=1\r\n");
  const std::string longName(120, 'n');
  ResetForExport([&](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_CABRILLO_NAME, longName.c_str());
    for (const int answer : {IDCANCEL, IDOK}) {
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
      HWND box = WaitForDialog("Cabrillo header", 60);
      ASSERT_NE(box, nullptr) << "no notice";
      EXPECT_NE(MessageBoxText(box).find("kept whole for the next export: NAME."),
                std::string::npos)
          << MessageBoxText(box);
      SendMessageA(box, WM_COMMAND, answer, 0);
      while (IsWindow(box)) Sleep(10);
      if (answer == IDCANCEL) {
        Sleep(200);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(IniValue("Name"), "<missing>");
      }
    }
  });
  EXPECT_EQ(IniValue("Name"), std::string(99, 'n'));
}

// Cancel, Esc and the close box are one answer.
TEST_F(CabrilloDialogTest, CancelSwitchesTheExportOff) {
  enum class Way { kCancelButton, kEscape, kCloseBox };
  for (const Way way : {Way::kCancelButton, Way::kEscape, Way::kCloseBox}) {
    SCOPED_TRACE(static_cast<int>(way));
    const std::string ini = "[Settings]\r\nMode=1\r\nName=Old Name\r\nStart=0\r\n";
    WriteFileBytes("Plugins/UK_EI.ini", ini);
    ResetForExport([way](HWND dialog) {
      SetDlgItemTextA(dialog, IDC_CABRILLO_NAME, "New Name");
      if (way == Way::kCancelButton) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      } else if (way == Way::kEscape) {
        PressKey(dialog, VK_ESCAPE);
      } else {
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
    });
    EXPECT_EQ(ReadFileBytes("Plugins/UK_EI.ini"), ini);

    std::string boxTexts;
    const std::string report = ReportWithOutputBoxes(boxTexts);
    EXPECT_EQ(boxTexts, "");
    EXPECT_NE(report.find("Hourly"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("G4ABC.cbr"));
    // The report's claimed score in the file before the next round writes the file anew.
    for (int waited = 0; waited < 3000 && IniValue("Claimed") == "<missing>"; waited += 10) {
      Sleep(10);
    }
  }
}

// The claimed score of a report reaches the settings file off the host's thread, soon, and
// at once for whatever reads it next: an unload, the header dialog of the next reset.
TEST_F(CabrilloDialogTest, ClaimedScoreIsInTheFileForEveryReader) {
  const auto score = [](const std::string& report) {
    const size_t equals = report.rfind("= ");
    return equals == std::string::npos
               ? report
               : report.substr(equals + 2, report.find('\r', equals) - equals - 2);
  };
  WriteFileBytes("Plugins/UK_EI.ini", "[Settings]\r\nMode=1\r\nStart=1\r\n");
  Reset({"G4ABC", "G", "EU"}, *stats_);
  Add({"G4ABC", "DL1AA", "DL", "EU", "20m", ContestDay(9, 0), "5"}, *stats_);
  const std::string first = score(Report(*stats_));
  for (int waited = 0; waited < 2000 && IniValue("Claimed") != first; waited += 10) Sleep(10);
  EXPECT_EQ(IniValue("Claimed"), first);

  Add({"G4ABC", "SU1SK", "SU", "AF", "20m", ContestDay(9, 1), "5"}, *stats_);
  const std::string second = score(Report(*stats_));
  ASSERT_NE(second, first);
  stats_.reset();
  EXPECT_EQ(IniValue("Claimed"), second);

  SetUp();
  Reset({"G4ABC", "G", "EU"}, *stats_);
  Add({"G4ABC", "DL1AA", "DL", "EU", "40m", ContestDay(9, 2), "5"}, *stats_);
  const std::string third = score(Report(*stats_));
  ASSERT_NE(third, second);
  ResetForExport([&](HWND dialog) {
    // Found as soon as it exists: its fields are filled a moment later.
    for (int waited = 0; waited < 3000 && ItemText(dialog, IDC_CABRILLO_CLAIMED) != third;
         waited += 20) {
      Sleep(20);
    }
    EXPECT_EQ(ItemText(dialog, IDC_CABRILLO_CLAIMED), third);
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
}

}  // namespace

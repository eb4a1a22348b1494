// A contester's session under wine64: the fake host loads Stats.dll, resets, logs QSOs,
// types calls and tunes while the plug-in's windows follow, switches the leg and unloads
// the plug-in with every window open.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <tuple>

#include "host/fake_host_win32.h"
#include "host/host_calls.h"
#include "host/temp_folder.h"
#include "res/control_window_ids.h"
#include "tests/support/keyboard_win32.h"

namespace {

using namespace std::chrono_literals;

constexpr DISPID kFrequency = 2, kEntryText = 8;

std::string Setting(const char* key) {
  char value[100] = {};
  GetPrivateProfileStringA("Settings", key, "<missing>", value, sizeof value,
                           ".\\Plugins\\UK_EI.ini");
  return value;
}

void Set(const char* key, const char* value) {
  WritePrivateProfileStringA("Settings", key, value, ".\\Plugins\\UK_EI.ini");
}

std::wstring WideText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

bool Checked(HWND dialog, int id) {
  return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

BOOL CALLBACK AddTicked(HWND child, LPARAM list) {
  char name[32] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Button") == 0 && SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED) {
    reinterpret_cast<std::vector<std::string>*>(list)->push_back(WindowText(child));
  }
  return TRUE;
}

// Captions of the ticked boxes among the children of a window (pages included).
std::vector<std::string> TickedBoxes(HWND window) {
  std::vector<std::string> ticked;
  EnumChildWindows(window, AddTicked, reinterpret_cast<LPARAM>(&ticked));
  std::sort(ticked.begin(), ticked.end());
  return ticked;
}

// The font of a template of the plug-in: points, character set and face.
std::tuple<int, int, std::string> TemplateFont(int templateId) {
  const HMODULE plugin = GetModuleHandleA("Stats.dll");
  const HRSRC found = FindResourceA(plugin, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
  const auto* words = static_cast<const WORD*>(LockResource(LoadResource(plugin, found)));
  if (words == nullptr || words[1] != 0xFFFF) return {};  // no extended template
  words += 13;  // version, signature, help id, extended style, style, items, x, y, cx, cy
  for (int field = 0; field < 3; ++field) {  // menu, class, caption
    if (*words == 0xFFFF) {
      words += 2;
    } else {
      while (*words++ != 0) {
      }
    }
  }
  const int points = words[0];
  const int charset = reinterpret_cast<const BYTE*>(words + 2)[1];
  std::string face;
  for (const WORD* c = words + 3; *c != 0; ++c) face += static_cast<char>(*c);
  return {points, charset, face};
}

POINT ClientCorner(HWND control) {
  RECT area;
  GetWindowRect(control, &area);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
  return {area.left, area.top};
}

// The thread has ended; the host pumps meanwhile, as the system may ask it about the
// windows the thread leaves behind.
bool Ended(FakeHost& host, DWORD threadId) {
  const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, threadId);
  if (thread == nullptr) return true;
  const bool ended =
      host.PumpUntil([&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, 5000);
  CloseHandle(thread);
  return ended;
}

BOOL CALLBACK CountVisible(HWND window, LPARAM count) {
  if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int VisibleWindowsOf(DWORD thread) {
  int visible = 0;
  EnumThreadWindows(thread, CountVisible, reinterpret_cast<LPARAM>(&visible));
  return visible;
}

int CheckCall(StatsLibrary& plugin, const char* call, const char* band = "20m",
              const char* secondBand = nullptr) {
  char output[100] = "untouched";
  return Check(call, "CW", "G", band, secondBand, output, plugin);
}

// What `read` gives once it gives `expected`, or at the end of the wait: the windows work
// on their own thread, which answers in its own time (wine under load is slow).
template <typename Read, typename Value>
Value Eventually(FakeHost& host, Read read, const Value& expected, int milliseconds = 3000) {
  Value value = read();
  host.PumpUntil(
      [&] {
        value = read();
        return value == expected;
      },
      milliseconds);
  return value;
}

std::string Eventually(FakeHost& host, HWND window, const std::string& caption) {
  return Eventually(
      host, [&] { return WindowText(window); }, caption);
}

// Every test runs in a folder of its own, with a host that has the plug-in loaded.
class ControlWindowTest : public ::testing::Test {
 protected:
  // Before the folder goes: the plug-in writes its files there.
  void TearDown() override { host_.reset(); }

  FakeHost& Host(bool running = true) {
    host_ = std::make_unique<FakeHost>(running);
    host_->Load();
    return *host_;
  }
  const StatsEntryPoints& Stats() { return host_->plugin(); }
  void Reset(const char* prefix = "G") { ::Reset({"G4AAA", prefix, "EU"}, Stats()); }
  // Resets with the window start due; the control window is open and has made its first
  // refresh when a host runs.
  PluginWindows Open(const char* prefix = "G") {
    Reset(prefix);
    host_->PumpUntil(
        [&] {
          const HWND control = FindPluginWindows().control;
          return control != nullptr && IsWindowVisible(control);
        },
        5000);
    host_->PumpUntil([&] { return host_->CallsOf(kEntryText) > 0; }, 2000);
    host_->Pump(200);
    return FindPluginWindows();
  }
  // Types a call, as far as the host's call check and its entry field go, and waits until
  // the refresh has asked for it.
  void Type(const char* call) {
    host_->entryText = call;
    const size_t asked = host_->CallsOf(kEntryText);
    CheckCall(host_->plugin(), call);
    host_->PumpUntil([&] { return host_->CallsOf(kEntryText) > asked; }, 3000);
    host_->Pump(150);
  }

  TempFolder folder_;
  std::unique_ptr<FakeHost> host_;
};

// The plug-in's windows once those wanted are there and shown, and only those.
PluginWindows WaitForWindows(FakeHost& host, bool area, bool dxcc, bool dxccExtended) {
  const auto shown = [](HWND window, bool wanted) {
    return wanted ? window != nullptr && IsWindowVisible(window) : window == nullptr;
  };
  PluginWindows windows;
  host.PumpUntil(
      [&] {
        windows = FindPluginWindows();
        return shown(windows.area, area) && shown(windows.dxcc, dxcc) &&
               shown(windows.dxccExtended, dxccExtended);
      },
      5000);
  return windows;
}

TEST_F(ControlWindowTest, EveryOtherResetOpensTheControlWindow) {
  FakeHost& host = Host();
  Set("Start", "1");
  Reset();
  host.Pump(500);
  EXPECT_EQ(FindPluginWindows().control, nullptr);
  EXPECT_EQ(Setting("Start"), "0");

  Set("setup_mode_cw", "1");
  Set("Mode", "1");
  const PluginWindows windows = Open();
  ASSERT_NE(windows.control, nullptr);
  EXPECT_EQ(Setting("Start"), "1");
  EXPECT_EQ(WindowText(windows.control), "Setup CQ-UK/EI-CW-2016");
  EXPECT_EQ(WindowText(GetDlgItem(windows.control, IDC_VIEW_LABEL)), "View");
  EXPECT_EQ(WindowText(GetDlgItem(windows.control, IDC_MODE_LABEL)), "Mode");
  EXPECT_TRUE(Checked(windows.control, IDC_MODE_CW));
  EXPECT_FALSE(Checked(windows.control, IDC_MODE_SSB));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(windows.control, IDC_AREA_CODE)));
  RECT frame;
  GetWindowRect(windows.control, &frame);
  EXPECT_EQ(frame.left, 10);
  EXPECT_EQ(frame.top, 400);
  EXPECT_TRUE(GetMenuState(GetSystemMenu(windows.control, FALSE), SC_CLOSE, MF_BYCOMMAND) &
              MF_DISABLED);
  EXPECT_NE(SendMessageA(windows.control, WM_GETICON, ICON_BIG, 0), 0);
  // Arial 8 with the Cyrillic character set (wine takes the face from the template, not
  // the character set), black on pale yellow.
  EXPECT_EQ(TemplateFont(IDD_SETUP_CQ_WW),
            std::make_tuple(8, RUSSIAN_CHARSET, std::string("Arial")));
  const HDC dc = GetDC(windows.control);
  LOGBRUSH brush{};
  GetObjectA(reinterpret_cast<HBRUSH>(SendMessageA(windows.control, WM_CTLCOLORSTATIC,
                                                   reinterpret_cast<WPARAM>(dc),
                                                   reinterpret_cast<LPARAM>(windows.control))),
             sizeof brush, &brush);
  EXPECT_EQ(brush.lbColor, 0x00C6FAFFu);
  EXPECT_EQ(GetBkColor(dc), 0x00C6FAFFu);
  EXPECT_EQ(GetTextColor(dc), 0u);
  ReleaseDC(windows.control, dc);
  // The leg for the host, then the first refresh: the call, the frequency, "<SP1>".
  EXPECT_EQ(host.Commands(), (std::vector<std::string>{"<MODE:CW>", "<SP1>"}));
  ASSERT_EQ(host.calls().size(), 4u);
  EXPECT_EQ(host.calls()[1].member, kEntryText);
  EXPECT_EQ(host.calls()[1].field, 5);
  EXPECT_EQ(host.calls()[2].member, kFrequency);

  // The next reset leaves the window as it is.
  Reset();
  host.Pump(400);
  EXPECT_EQ(FindPluginWindows().control, windows.control);
  EXPECT_EQ(Setting("Start"), "0");
}

TEST_F(ControlWindowTest, RussianCaptionsAndNoAreaCodeOutsideTheUkAndIreland) {
  Host();
  Set("setup_mode_cw", "1");
  const PluginWindows windows = Open("UA9");
  ASSERT_NE(windows.control, nullptr);
  // In Cyrillic letters whatever the system's code page (under wine here: 1252).
  EXPECT_EQ(WideText(windows.control), L"Установки CQ-UK/EI-CW-2016");
  EXPECT_EQ(WideText(GetDlgItem(windows.control, IDC_VIEW_LABEL)), L"Отображать");
  EXPECT_EQ(WideText(GetDlgItem(windows.control, IDC_MODE_LABEL)), L"Вид радиосвязи");
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(windows.control, IDC_AREA_CODE)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(windows.control, IDC_AREA_CODE_LABEL)));
  EXPECT_EQ(ClientCorner(GetDlgItem(windows.control, IDC_MODE_CW)).x, 20);
  EXPECT_EQ(ClientCorner(GetDlgItem(windows.control, IDC_MODE_SSB)).x, 80);
  EXPECT_EQ(ClientCorner(GetDlgItem(windows.control, IDC_MODE_SSB)).y, 25);
}

TEST_F(ControlWindowTest, FiveCallChecksGiveOneRefreshAfterTheLast) {
  FakeHost& host = Host();
  ASSERT_NE(Open().control, nullptr);
  host.ForgetCalls();

  std::chrono::steady_clock::time_point last;
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(CheckCall(host.plugin(), "G4ABC"), 2);
    last = std::chrono::steady_clock::now();
    host.Pump(50);
  }
  host.Pump(1200);
  ASSERT_EQ(host.CallsOf(kEntryText), 1u);
  const auto delay = host.calls()[0].when - last;
  EXPECT_GE(delay, 250ms);
  EXPECT_LE(delay, 800ms);

  // A call the plug-in does not check (160 m, or two bands that differ) asks for nothing.
  EXPECT_EQ(CheckCall(host.plugin(), "G4ABC", "160m"), 4);
  EXPECT_EQ(CheckCall(host.plugin(), "G4ABC", "20m", "40m"), 4);
  host.Pump(800);
  EXPECT_EQ(host.CallsOf(kEntryText), 1u);
}

TEST_F(ControlWindowTest, WindowsFollowTheTypedCallTheBandAndWhatWasWorked) {
  FakeHost& host = Host();
  Set("setup_view_zone", "1");
  Set("setup_view_multiplier", "1");
  Set("setup_view_multiplier_extended", "1");
  const StatsEntryPoints& stats = Stats();
  PluginWindows windows = Open();
  const Qso qsos[] = {
      {"G4AAA", "G4ABC", "G", "EU", "20m", ContestDay(10, 0), "12LN"},
      {"G4AAA", "GM3XYZ", "GM", "EU", "20m", ContestDay(10, 5), "7AB"},
      {"G4AAA", "DL1AAA", "DL", "EU", "20m", ContestDay(10, 10), "5"},
      {"G4AAA", "SU1SK", "SU", "AF", "20m", ContestDay(10, 20), "5"},
      {"G4AAA", "G4ABC", "G", "EU", "40m", ContestDay(11, 0), "13LN"},
      {"G4AAA", "JA1XX", "JA", "AS", "40m", ContestDay(11, 5), "5"},
  };
  for (const Qso& qso : qsos) ASSERT_EQ(Add(qso, stats), 1);
  Report(stats);
  // The first refresh reopened the windows wanted.
  windows = WaitForWindows(host, true, true, true);
  ASSERT_NE(windows.dxccExtended, nullptr);
  EXPECT_EQ(Setting("setup_view_zone"), "1");

  Type("");
  EXPECT_EQ(Eventually(host, windows.area, "CQ-UK/EI-SSB 2016  Area worked on 20m"),
            "CQ-UK/EI-SSB 2016  Area worked on 20m");
  EXPECT_EQ(WindowText(windows.dxcc), "CQ-UK/EI-SSB 2016  DXCC worked on 20m");
  EXPECT_EQ(WindowText(windows.dxccExtended), "CQ-UK/EI-SSB 2016  DXCC worked on 20m");
  EXPECT_EQ(TickedBoxes(windows.area), (std::vector<std::string>{"AB", "LN"}));
  EXPECT_EQ(TickedBoxes(windows.dxccExtended),
            (std::vector<std::string>{"DL", "G", "GM", "SU", "SU"}));

  host.frequency = 7012000;
  Type("");
  EXPECT_EQ(Eventually(host, windows.area, "CQ-UK/EI-SSB 2016  Area worked on 40m"),
            "CQ-UK/EI-SSB 2016  Area worked on 40m");
  EXPECT_EQ(TickedBoxes(windows.area), std::vector<std::string>{"LN"});
  EXPECT_EQ(TickedBoxes(windows.dxccExtended), (std::vector<std::string>{"G", "JA"}));

  // The DXCC window follows the typed call; one or two characters change nothing.
  Type("G4ABC");
  EXPECT_EQ(Eventually(host, windows.dxcc, "CQ-UK/EI-SSB worked with G4ABC"),
            "CQ-UK/EI-SSB worked with G4ABC");
  EXPECT_EQ(WindowText(windows.area), "CQ-UK/EI-SSB 2016  Area worked on 40m");
  Type("DL");
  EXPECT_EQ(WindowText(windows.dxcc), "CQ-UK/EI-SSB worked with G4ABC");

  // A window the operator hid with Esc is still followed; one closed with its view box
  // leaves the screen, and its view is off.
  Click(windows.control, IDC_VIEW_DXCC_EXTENDED);
  EXPECT_EQ(Eventually(
                host, [&] { return IsWindowVisible(windows.dxccExtended) != FALSE; }, false),
            false);
  // Written once the window has left the screen.
  EXPECT_EQ(Eventually(
                host, [] { return Setting("setup_view_multiplier_extended"); }, std::string("0")),
            "0");
  EXPECT_FALSE(Checked(windows.control, IDC_VIEW_DXCC_EXTENDED));
  PressKey(windows.area, VK_ESCAPE);
  EXPECT_EQ(Eventually(
                host, [&] { return IsWindowVisible(windows.area) != FALSE; }, false),
            false);
  host.frequency = 14025000;
  Type("");
  EXPECT_EQ(Eventually(host, windows.area, "CQ-UK/EI-SSB 2016  Area worked on 20m"),
            "CQ-UK/EI-SSB 2016  Area worked on 20m");
  // Opened again, it shows the band of now at once, before the host has answered anything
  // (it does not pump).
  Click(windows.control, IDC_VIEW_DXCC_EXTENDED);
  Sleep(400);
  EXPECT_TRUE(IsWindowVisible(windows.dxccExtended));
  EXPECT_EQ(WindowText(windows.dxccExtended), "CQ-UK/EI-SSB 2016  DXCC worked on 20m");
  EXPECT_EQ(TickedBoxes(windows.dxccExtended),
            (std::vector<std::string>{"DL", "G", "GM", "SU", "SU"}));
  EXPECT_EQ(Setting("setup_view_multiplier_extended"), "1");
  EXPECT_TRUE(Checked(windows.control, IDC_VIEW_DXCC_EXTENDED));
}

TEST_F(ControlWindowTest, HostHearsOfMovesOverThreeHundredHertzOnly) {
  FakeHost& host = Host();
  ASSERT_NE(Open().control, nullptr);
  host.ForgetCalls();
  for (const double frequency : {14025200.0, 14025300.0, 14025301.0, 14025500.0, 21000000.0}) {
    host.frequency = frequency;
    Type("");
  }
  host.Pump(200);
  EXPECT_EQ(host.CallsOf(kFrequency), 5u);
  EXPECT_EQ(host.Commands(), (std::vector<std::string>{"<SP1>", "<SP1>"}));
}

TEST_F(ControlWindowTest, LegChangeRewritesTheProblemFileAndTellsTheHost) {
  FakeHost& host = Host();
  Set("setup_mode_cw", "1");
  Set("Mode", "1");
  const PluginWindows windows = Open();
  ASSERT_NE(windows.control, nullptr);
  Add({"G4AAA", "DL1AAA", "DL", "EU", "160m", ContestDay(10, 0), "5"}, Stats());
  EXPECT_NE(ReadFileBytes("VurovODUVIR_EI_13_11_2016.txt").find("NO CONTEST BAND"),
            std::string::npos);
  host.Pump(300);
  host.ForgetCalls();
  const auto problemFile = [] { return ReadFileBytes("VurovODUVIR_EI_13_11_2016.txt"); };

  // The active leg's box only ticks again.
  Click(windows.control, IDC_MODE_CW);
  host.Pump(300);
  EXPECT_TRUE(Checked(windows.control, IDC_MODE_CW));
  EXPECT_TRUE(host.Commands().empty());

  Click(windows.control, IDC_MODE_SSB);
  // Shown at once, while the host has yet to answer the leg's command (it does not pump).
  Sleep(300);
  EXPECT_TRUE(Checked(windows.control, IDC_MODE_SSB));
  EXPECT_FALSE(Checked(windows.control, IDC_MODE_CW));
  EXPECT_EQ(WindowText(windows.control), "Setup CQ-UK/EI-SSB-2016");
  EXPECT_TRUE(host.Commands().empty());
  EXPECT_EQ(Eventually(host, problemFile, std::string("UK/EI SSB DX Contest UBN file \r\n")),
            "UK/EI SSB DX Contest UBN file \r\n");
  EXPECT_EQ(Eventually(host, windows.control, "Setup CQ-UK/EI-SSB-2016"),
            "Setup CQ-UK/EI-SSB-2016");
  EXPECT_FALSE(Checked(windows.control, IDC_MODE_CW));
  EXPECT_TRUE(Checked(windows.control, IDC_MODE_SSB));
  EXPECT_EQ(Setting("Mode"), "0");
  EXPECT_EQ(Setting("setup_mode_cw"), "0");
  host.Pump(200);
  EXPECT_EQ(host.Commands(), (std::vector<std::string>{"<MODE:SSB>", "<MODE:SSB>"}));

  host.ForgetCalls();
  Click(windows.control, IDC_MODE_CW);
  EXPECT_EQ(Eventually(host, problemFile, std::string("UK/EI CW DX Contest UBN file \r\n")),
            "UK/EI CW DX Contest UBN file \r\n");
  host.Pump(200);
  EXPECT_EQ(host.Commands(), std::vector<std::string>{"<MODE:CW>"});

  // The own area code is kept as typed.
  SetDlgItemTextA(windows.control, IDC_AREA_CODE, "ln ");
  EXPECT_NE(ReadFileBytes("Plugins\\UK_EI.ini").find("setup_areacode=ln \r\n"), std::string::npos);
}

TEST_F(ControlWindowTest, WithoutARunningHostTheWindowWorksAndNothingIsRefreshed) {
  FakeHost& host = Host(false);
  Set("setup_view_zone", "1");
  const PluginWindows windows = Open();
  ASSERT_NE(windows.control, nullptr);
  CheckCall(host.plugin(), "G4ABC");
  host.Pump(600);
  EXPECT_EQ(FindPluginWindows().area, nullptr);
  Click(windows.control, IDC_MODE_CW);
  EXPECT_EQ(Eventually(
                host, [] { return ReadFileBytes("VurovODUVIR_EI_13_11_2016.txt"); },
                std::string("UK/EI CW DX Contest UBN file \r\n")),
            "UK/EI CW DX Contest UBN file \r\n");
  EXPECT_TRUE(host.calls().empty());
  Click(windows.control, IDC_VIEW_DXCC);
  EXPECT_NE(WaitForWindows(host, false, true, false).dxcc, nullptr);
}

TEST_F(ControlWindowTest, FailingHostCallsEndTheRefreshQuietly) {
  FakeHost& host = Host();
  Set("setup_view_multiplier", "1");
  PluginWindows windows = Open();
  windows = WaitForWindows(host, false, true, false);
  ASSERT_NE(windows.dxcc, nullptr);
  host.failCalls = true;
  host.ForgetCalls();
  Type("G4ABC");
  host.Pump(300);
  EXPECT_EQ(host.CallsOf(kEntryText), 1u);
  EXPECT_EQ(host.CallsOf(kFrequency), 0u);
  // No message box: the thread shows only its own windows.
  EXPECT_EQ(VisibleWindowsOf(windows.thread), 2);
  host.failCalls = false;
  Type("G4ABC");
  EXPECT_EQ(Eventually(host, windows.dxcc, "CQ-UK/EI-SSB worked with G4ABC"),
            "CQ-UK/EI-SSB worked with G4ABC");
}

// The host is slow to answer: a leg chosen meanwhile is shown chosen and carried out once the
// host has answered.
TEST_F(ControlWindowTest, LegChosenWhileTheHostIsBusyIsCarriedOutAfterwards) {
  FakeHost& host = Host();
  Set("setup_mode_cw", "1");
  Set("Mode", "1");
  const PluginWindows windows = Open();
  ASSERT_NE(windows.control, nullptr);
  host.ForgetCalls();
  CheckCall(host.plugin(), "G4ABC");
  Sleep(600);  // the refresh asks for the typed call, and the host does not answer yet
  Click(windows.control, IDC_MODE_SSB);
  Sleep(300);
  EXPECT_TRUE(Checked(windows.control, IDC_MODE_SSB));
  EXPECT_FALSE(Checked(windows.control, IDC_MODE_CW));

  EXPECT_EQ(Eventually(
                host, [] { return ReadFileBytes("VurovODUVIR_EI_13_11_2016.txt"); },
                std::string("UK/EI SSB DX Contest UBN file \r\n")),
            "UK/EI SSB DX Contest UBN file \r\n");
  host.Pump(300);
  EXPECT_EQ(Setting("Mode"), "0");
  EXPECT_EQ(Setting("setup_mode_ssb"), "1");
  EXPECT_EQ(Setting("setup_mode_cw"), "0");
  EXPECT_EQ(host.Commands(), (std::vector<std::string>{"<MODE:SSB>", "<MODE:SSB>"}));
  EXPECT_TRUE(Checked(windows.control, IDC_MODE_SSB));
}

// The host's calls may come from any thread. A worker that starts the windows and then
// does not pump: the control window shows all the same. That worker gone, the next control
// window, started on the host's main thread, is linked to the host there. Unloaded on yet
// another thread, the plug-in has its link taken down on the main thread: no window of it
// stays, and the host's object is released.
TEST_F(ControlWindowTest, HostLinkBelongsToTheThreadOfTheResetThatStartsTheWindows) {
  FakeHost& host = Host();
  const ULONG references = host.ServerReferences();
  const HANDLE finish = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread worker([&] {
    Reset();
    WaitForSingleObject(finish, INFINITE);
  });
  PluginWindows first;
  host.PumpUntil(
      [&] {
        first = FindPluginWindows();
        return first.control != nullptr && IsWindowVisible(first.control);
      },
      5000);
  EXPECT_TRUE(first.control != nullptr && IsWindowVisible(first.control));
  SetEvent(finish);
  worker.join();
  CloseHandle(finish);
  PostMessageA(first.control, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(Ended(host, first.thread));

  host.ForgetCalls();
  Set("Start", "0");
  const PluginWindows second = Open();
  ASSERT_NE(second.control, nullptr);
  EXPECT_NE(second.thread, first.thread);
  ASSERT_FALSE(host.Commands().empty());
  EXPECT_EQ(host.Commands().front(), "<MODE:SSB>");
  EXPECT_GT(host.CallsOf(kEntryText), 0u);

  std::atomic<bool> unloaded{false};
  std::thread unloader([&] {
    host.Unload();
    unloaded = true;
  });
  host.PumpUntil([&] { return unloaded.load(); }, 5000);
  unloader.join();
  EXPECT_TRUE(Ended(host, second.thread));
  EXPECT_EQ(FindWindowExA(HWND_MESSAGE, nullptr, "Static", nullptr), nullptr);
  EXPECT_EQ(host.ServerReferences(), references);
}

// The keys as the operator presses them: Tab walks the boxes and the edit box in order;
// Enter and Esc end the window as they end a dialog.
TEST_F(ControlWindowTest, TabEnterAndEscapeInTheControlWindow) {
  FakeHost& host = Host();
  for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
    SCOPED_TRACE(key);
    Set("Start", "0");
    const PluginWindows windows = Open();
    ASSERT_NE(windows.control, nullptr);
    EXPECT_EQ(GetDlgCtrlID(FocusOf(windows.thread)), IDC_MODE_CW);
    std::vector<int> visited;
    for (int press = 0; press < 6; ++press) {
      const HWND before = FocusOf(windows.thread);
      PressKey(before != nullptr ? before : windows.control, VK_TAB);
      host.PumpUntil([&] { return FocusOf(windows.thread) != before; }, 2000);
      visited.push_back(GetDlgCtrlID(FocusOf(windows.thread)));
    }
    EXPECT_EQ(visited, (std::vector<int>{IDC_MODE_SSB, IDC_VIEW_AREA, IDC_VIEW_DXCC,
                                         IDC_VIEW_DXCC_EXTENDED, IDC_AREA_CODE, IDC_MODE_CW}));
    const HWND focus = FocusOf(windows.thread);
    PressKey(focus != nullptr ? focus : windows.control, key);
    EXPECT_TRUE(Ended(host, windows.thread));
    EXPECT_EQ(FindPluginWindows().control, nullptr);
  }
}

// Esc ends the window thread; the windows come up where they were left, and a move is kept.
TEST_F(ControlWindowTest, EscapeEndsTheWindowThreadAndTheNextStartOpensANewOne) {
  FakeHost& host = Host();
  Set("setup_view_multiplier", "1");
  Set("setup_cq_ww_x", "150");
  Set("setup_cq_ww_y", "200");
  Set("dxcc_x", "420");
  Set("dxcc_y", "60");
  const PluginWindows first = Open();
  ASSERT_NE(first.control, nullptr);
  const HWND dxcc = WaitForWindows(host, false, true, false).dxcc;
  ASSERT_NE(dxcc, nullptr);
  RECT frame;
  GetWindowRect(first.control, &frame);
  EXPECT_EQ(frame.left, 150);
  EXPECT_EQ(frame.top, 200);
  GetWindowRect(dxcc, &frame);
  EXPECT_EQ(frame.left, 420);
  EXPECT_EQ(frame.top, 60);
  // Moved by the operator: kept once the mouse is over it.
  SetWindowPos(first.control, nullptr, 230, 310, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageA(first.control, WM_SETCURSOR, reinterpret_cast<WPARAM>(first.control),
               MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
  EXPECT_EQ(Setting("setup_cq_ww_x"), "230");
  EXPECT_EQ(Setting("setup_cq_ww_y"), "310");
  PressKey(first.control, VK_ESCAPE);
  EXPECT_TRUE(Ended(host, first.thread));
  EXPECT_FALSE(IsWindow(first.control));
  EXPECT_EQ(FindPluginWindows().dxcc, nullptr);
  EXPECT_EQ(Setting("setup_view_multiplier"), "1");  // wanted again next time

  Reset();  // "Start" is 1: nothing opens
  host.Pump(300);
  EXPECT_EQ(FindPluginWindows().control, nullptr);
  const PluginWindows second = Open();
  ASSERT_NE(second.control, nullptr);
  EXPECT_NE(second.thread, first.thread);
  EXPECT_NE(WaitForWindows(host, false, true, false).dxcc, nullptr);  // reopened
  GetWindowRect(second.control, &frame);
  EXPECT_EQ(frame.left, 230);
  EXPECT_EQ(frame.top, 310);
}

// Unloading with every window open closes them and ends the window thread, quickly.
TEST_F(ControlWindowTest, FreeLibraryWithAllWindowsOpen) {
  FakeHost& host = Host();
  Set("setup_view_zone", "1");
  Set("setup_view_multiplier", "1");
  Set("setup_view_multiplier_extended", "1");
  Open();
  const PluginWindows windows = WaitForWindows(host, true, true, true);
  ASSERT_NE(windows.dxccExtended, nullptr);

  EXPECT_LT(host.Unload(), 1000ms);

  EXPECT_TRUE(Ended(host, windows.thread));
  for (HWND window : {windows.control, windows.area, windows.dxcc, windows.dxccExtended}) {
    EXPECT_FALSE(IsWindow(window));
  }
  host.Pump(200);  // the process lives on, and so does its message loop
}

// The host unloads the plug-in while the window thread waits for its answer to a call.
TEST_F(ControlWindowTest, FreeLibraryWhileTheRefreshWaitsForTheHost) {
  FakeHost& host = Host();
  Set("setup_view_multiplier", "1");
  Open();
  const PluginWindows windows = WaitForWindows(host, false, true, false);
  ASSERT_NE(windows.dxcc, nullptr);
  const size_t asked = host.CallsOf(kEntryText);

  CheckCall(host.plugin(), "G4ABC");
  Sleep(600);  // the refresh asks for the call, and the host does not answer
  EXPECT_LT(host.Unload(), 1000ms);

  EXPECT_TRUE(Ended(host, windows.thread));
  EXPECT_FALSE(IsWindow(windows.control));
  EXPECT_FALSE(IsWindow(windows.dxcc));
  host.Pump(300);
  EXPECT_LE(host.CallsOf(kEntryText), asked + 1);
}

// A host that changes plug-ins loads the next one right after the last went.
TEST_F(ControlWindowTest, LoadAgainRightAfterFreeLibrary) {
  FakeHost& host = Host();
  Set("setup_view_multiplier_extended", "1");
  Open();
  const PluginWindows first = WaitForWindows(host, false, false, true);
  ASSERT_NE(first.dxccExtended, nullptr);
  EXPECT_LT(host.Unload(), 1000ms);
  host.Load();
  Set("Start", "0");
  const PluginWindows second = Open();
  ASSERT_NE(second.control, nullptr);
  EXPECT_NE(WaitForWindows(host, false, false, true).dxccExtended, nullptr);
  EXPECT_TRUE(Ended(host, first.thread));
}

// The host unloads the plug-in at any moment after the reset that starts the windows: at
// once, or while the first refresh reopens the wanted windows. The reset returns with the
// control window there; the window thread ends by itself (not by TerminateThread, which
// leaves exit code 1) and takes every window with it.
TEST_F(ControlWindowTest, FreeLibraryAtAnyMomentAfterTheResetThatStartsTheWindows) {
  FakeHost& host = Host();
  Set("setup_view_zone", "1");
  Set("setup_view_multiplier", "1");
  Set("setup_view_multiplier_extended", "1");
  for (const int delay : {0, 0, 10, 40, 290, 320, 350}) {
    SCOPED_TRACE(delay);
    Set("Start", "0");
    Reset();
    const PluginWindows windows = FindPluginWindows();
    ASSERT_NE(windows.control, nullptr);
    const HANDLE thread =
        OpenThread(SYNCHRONIZE | THREAD_QUERY_LIMITED_INFORMATION, FALSE, windows.thread);
    host.Pump(delay);
    EXPECT_LT(host.Unload(), 5000ms);
    EXPECT_TRUE(Ended(host, windows.thread));
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeThread(thread, &exitCode);
    CloseHandle(thread);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(IsWindow(windows.control));
    EXPECT_EQ(FindPluginWindows().thread, 0u);
    host.Load();
  }
}

}  // namespace

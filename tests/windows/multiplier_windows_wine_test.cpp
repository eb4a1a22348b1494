// The multiplier windows on a window thread of their own: opened from their templates,
// filled from a band's worked lists, switched, resized, painted and moved.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "plugin/contest_state.h"
#include "res/multiplier_ids.h"
#include "tests/support/keyboard_win32.h"
#include "tests/windows/window_thread_win32.h"
#include "windows/multiplier_windows_win32.h"
#include "windows/window_colours.h"

namespace {

std::string Text(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

POINT Corner(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  return {frame.left, frame.top};
}

// A control's or child's rectangle in its parent's client coordinates.
RECT InParent(HWND child) {
  RECT area;
  GetWindowRect(child, &area);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

// A template rectangle in pixels, as the dialog places a control: corner and size each
// converted on their own.
RECT InPixels(HWND dialog, int x, int y, int width, int height) {
  RECT corner{x, y, 0, 0}, size{width, height, 0, 0};
  MapDialogRect(dialog, &corner);
  MapDialogRect(dialog, &size);
  return {corner.left, corner.top, corner.left + size.left, corner.top + size.top};
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Captions of the ticked boxes of a dialog, after its box table; every box must be there
// with its caption and at its place in the template.
std::vector<std::string> CheckedBoxes(HWND dialog, const BoxPage& page) {
  std::vector<std::string> checked;
  for (const CheckBox& box : page.boxes) {
    const HWND control = GetDlgItem(dialog, box.controlId);
    EXPECT_NE(control, nullptr) << page.className << " " << box.controlId;
    if (control == nullptr) continue;
    EXPECT_EQ(Text(control), box.caption);
    EXPECT_TRUE(SameRect(InParent(control), InPixels(dialog, box.x, box.y, box.width, box.height)))
        << page.className << " " << box.caption;
    EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & 0x0F, BS_AUTOCHECKBOX);
    if (SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) {
      checked.emplace_back(box.caption);
    }
  }
  return checked;
}

using Captions = std::vector<std::string>;

void ExpectTopLevelTraits(HWND window) {
  EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
  const UINT close = GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND);
  EXPECT_TRUE(close & MF_DISABLED);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetParent(window), nullptr);
}

// The brush and text colours a window hands out for its controls.
void ExpectPaleYellowControls(HWND window, HWND control) {
  const HDC dc = GetDC(window);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
      window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  LOGBRUSH colour{};
  ASSERT_TRUE(GetObjectA(brush, sizeof colour, &colour));
  EXPECT_EQ(colour.lbColor, kPaleYellow);
  EXPECT_EQ(GetBkColor(dc), kPaleYellow);
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  ReleaseDC(window, dc);
}

// The template's style bits that must be set and those that must not.
void ExpectStyle(HWND window, LONG present, LONG absent) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_EQ(style & present, present);
  EXPECT_EQ(style & absent, 0);
}

// The dialog's font as its template names it.
void ExpectFont(HWND dialog, const char* face, int points) {
  LOGFONTA font{};
  ASSERT_TRUE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)),
                         sizeof font, &font));
  EXPECT_STREQ(font.lfFaceName, face);
  const HDC screen = GetDC(nullptr);
  EXPECT_EQ(font.lfHeight, -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72));
  ReleaseDC(nullptr, screen);
}

// The operator drags the window there, and the mouse then passes over it.
void MoveAsTheOperator(HWND window, int x, int y) {
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
               MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
}

// Esc or Enter as the operator presses it, to the window with the focus: the window only
// hides, its object stays until the control window closes it.
void ExpectKeyHides(WindowThread& thread, HWND window, UINT key) {
  const HWND focus = FocusOf(GetWindowThreadProcessId(window, nullptr));
  PressKey(focus != nullptr ? focus : window, key);
  thread.Run([] {});
  EXPECT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));
}

std::string Setting(const char* key) {
  return contest.settings.Read(key);
}

// Every test starts in a folder of its own, with no settings, and a window thread.
class MultiplierWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "stats_windows_" + std::to_string(GetCurrentProcessId()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA((folder_ + "\\Plugins").c_str(), nullptr);
    SetCurrentDirectoryA(folder_.c_str());
    MutexLock guard(contest.lock);
    contest.view.currentCall.clear();
    contest.view.currentBandIndex = -1;
    for (auto& list : contest.results.worked.workedDxccByBand) list.clear();
    for (auto& list : contest.results.worked.workedAreasByBand) list.clear();
  }
  void TearDown() override {
    SetCurrentDirectoryA("..");
    DeleteFileA((folder_ + "\\Plugins\\UK_EI.ini").c_str());
    RemoveDirectoryA((folder_ + "\\Plugins").c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  WindowThread thread_;
  std::string folder_;
};

TEST_F(MultiplierWindowsTest, AreaGridTicksTheAreasOfTheBandAndNothingElse) {
  {
    MutexLock guard(contest.lock);
    contest.results.worked.workedAreasByBand[2] = {"ZE", "CW", "AB", "ab", "XX"};
  }
  auto window = thread_.Run([] { return OpenWindow<AreaCode>(contest.settings); });
  ASSERT_TRUE(window);
  const HWND hwnd = window->hwnd();
  EXPECT_EQ(Text(hwnd), "Area");
  ExpectTopLevelTraits(hwnd);
  ExpectStyle(hwnd, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME,
              WS_THICKFRAME | WS_MAXIMIZEBOX);
  ExpectFont(hwnd, "MS Shell Dlg", 8);
  EXPECT_EQ(Corner(hwnd).x, 10);
  EXPECT_EQ(Corner(hwnd).y, 400);
  ExpectPaleYellowControls(hwnd, GetDlgItem(hwnd, 1015));
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_TRUE(SameRect(client, InPixels(hwnd, 0, 0, 316, 172)));
  EXPECT_EQ(thread_.Run([&] { return CheckedBoxes(hwnd, AreaGrid()); }), Captions{});

  thread_.Run([&] {
    std::vector<std::string> areas;
    {
      MutexLock guard(contest.lock);
      areas = contest.results.worked.workedAreasByBand[2];
    }
    MarkWorkedAreas(*window, areas);
    window->ShowCheckValues();
  });
  EXPECT_EQ(thread_.Run([&] { return CheckedBoxes(hwnd, AreaGrid()); }),
            (Captions{"AB", "CW", "ZE"}));

  // A click changes only the look until the values are shown again.
  thread_.Run([&] { SendMessageA(GetDlgItem(hwnd, 1088), BM_CLICK, 0, 0); });  // BS
  EXPECT_EQ(thread_.Run([&] { return CheckedBoxes(hwnd, AreaGrid()); }),
            (Captions{"AB", "BS", "CW", "ZE"}));
  thread_.Run([&] {
    MarkWorkedAreas(*window, {});
    window->ShowCheckValues();
  });
  EXPECT_EQ(thread_.Run([&] { return CheckedBoxes(hwnd, AreaGrid()); }), Captions{});

  thread_.Run([&] { window.reset(); });
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MultiplierWindowsTest, AreaGridComesBackWhereItWasLeft) {
  contest.settings.Write("area_x", "0");
  contest.settings.Write("area_y", "250");
  auto window = thread_.Run([] { return OpenWindow<AreaCode>(contest.settings); });
  ASSERT_TRUE(window);
  const HWND hwnd = window->hwnd();
  EXPECT_EQ(Corner(hwnd).x, 10);
  EXPECT_EQ(Corner(hwnd).y, 250);

  thread_.Run([&] { MoveAsTheOperator(hwnd, 300, 120); });
  EXPECT_EQ(Setting("area_x"), "300");
  EXPECT_EQ(Setting("area_y"), "120");
  thread_.Run([&] { window.reset(); });

  window = thread_.Run([] { return OpenWindow<AreaCode>(contest.settings); });
  EXPECT_EQ(Corner(window->hwnd()).x, 300);
  EXPECT_EQ(Corner(window->hwnd()).y, 120);
  ExpectKeyHides(thread_, window->hwnd(), VK_RETURN);
  thread_.Run([&] { window.reset(); });
}

// The page windows in tab order, told apart by their first box.
std::vector<HWND> Pages(HWND window) {
  const std::vector<std::string> firstBoxes = {"1A0", "3B6", "1S", "4U1U", "8R", "3D2"};
  std::vector<HWND> pages(firstBoxes.size(), nullptr);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    for (size_t k = 0; k < firstBoxes.size(); ++k) {
      if (GetDlgItem(child, 1015) && Text(GetDlgItem(child, 1015)) == firstBoxes[k]) {
        pages[k] = child;
      }
    }
  }
  return pages;
}

// The one visible page, which must stand in the page area; -1 unless exactly one shows.
int VisiblePage(HWND window) {
  const std::vector<HWND> pages = Pages(window);
  int visible = -1, count = 0;
  for (size_t k = 0; k < pages.size(); ++k) {
    if (pages[k] && IsWindowVisible(pages[k])) {
      visible = static_cast<int>(k);
      ++count;
    }
  }
  if (count != 1) return -1;
  RECT tabs;
  GetWindowRect(GetDlgItem(window, IDC_CONTINENT_TABS), &tabs);
  const RECT area = InParent(pages[visible]);
  EXPECT_TRUE(
      SameRect(area, {13, 44, 13 + tabs.right - tabs.left - 7, 44 + tabs.bottom - tabs.top - 38}));
  EXPECT_EQ(SendMessageA(GetDlgItem(window, IDC_CONTINENT_TABS), TCM_GETCURSEL, 0, 0), visible);
  return visible;
}

TEST_F(MultiplierWindowsTest, ExtendedDxccWindowShowsEuropeFirstAndFollowsItsTabs) {
  contest.settings.Write("dxcc_extended_x", "500");
  contest.settings.Write("dxcc_extended_y", "80");
  auto window = thread_.Run([] { return OpenWindow<Multiplier_Mult>(contest.settings); });
  ASSERT_TRUE(window);
  const HWND hwnd = window->hwnd();
  EXPECT_EQ(Text(hwnd), "Multiplier");
  ExpectTopLevelTraits(hwnd);
  ExpectStyle(hwnd, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
              WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  ExpectFont(hwnd, "Arial", 9);
  EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_NE(SendMessageA(hwnd, WM_QUERYDRAGICON, 0, 0), 0);
  EXPECT_EQ(Corner(hwnd).x, 500);
  EXPECT_EQ(Corner(hwnd).y, 80);
  ExpectPaleYellowControls(hwnd, hwnd);

  const HWND tabs = GetDlgItem(hwnd, IDC_CONTINENT_TABS);
  EXPECT_TRUE(SameRect(InParent(tabs), InPixels(hwnd, 7, 7, 277, 121)));
  EXPECT_TRUE(GetWindowLongA(tabs, GWL_STYLE) & TCS_BUTTONS);
  ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 6);
  const std::vector<std::string> labels = {"   EU ", "   AF ", "   AS ",
                                           "   NA ", "   SA ", "   OC "};
  for (int k = 0; k < 6; ++k) {
    char label[32] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = label;
    item.cchTextMax = sizeof label;
    SendMessageA(tabs, TCM_GETITEMA, k, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::string(label), labels[k]);
  }
  EXPECT_EQ(thread_.Run([&] { return VisiblePage(hwnd); }), kEurope);

  // A click on the SA tab: the tab control tells its window, which shows that page.
  RECT sa;
  SendMessageA(tabs, TCM_GETITEMRECT, kSouthAmerica, reinterpret_cast<LPARAM>(&sa));
  const LPARAM middle = MAKELPARAM((sa.left + sa.right) / 2, (sa.top + sa.bottom) / 2);
  PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageA(tabs, WM_LBUTTONUP, 0, middle);
  EXPECT_EQ(thread_.Run([&] { return VisiblePage(hwnd); }), kSouthAmerica);
  thread_.Run([&] {
    window->ShowPage(6);
    window->ShowPage(-1);
  });
  EXPECT_EQ(thread_.Run([&] { return VisiblePage(hwnd); }), kSouthAmerica);
  thread_.Run([&] { window->ShowPage(kOceania); });
  EXPECT_EQ(thread_.Run([&] { return VisiblePage(hwnd); }), kOceania);

  // Moved by the operator, it notes its new place when the mouse passes.
  thread_.Run([&] { MoveAsTheOperator(hwnd, 520, 90); });
  EXPECT_EQ(Setting("dxcc_extended_x"), "520");
  EXPECT_EQ(Setting("dxcc_extended_y"), "90");

  // Hidden with Esc and shown again, it stands where it was left and starts on the EU page.
  ExpectKeyHides(thread_, hwnd, VK_ESCAPE);
  thread_.Run([&] { window->Show(); });
  EXPECT_EQ(thread_.Run([&] { return VisiblePage(hwnd); }), kEurope);
  EXPECT_EQ(Corner(hwnd).x, 520);
  EXPECT_EQ(Corner(hwnd).y, 90);

  thread_.Run([&] { window.reset(); });
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MultiplierWindowsTest, ContinentPagesTickTheBandsPrefixesOnEveryPage) {
  auto window = thread_.Run([] { return OpenWindow<Multiplier_Mult>(contest.settings); });
  ASSERT_TRUE(window);
  const HWND hwnd = window->hwnd();
  const std::vector<HWND> pages = thread_.Run([&] { return Pages(hwnd); });
  for (int p = 0; p < kContinentPages; ++p) {
    ASSERT_NE(pages[p], nullptr) << p;
    EXPECT_EQ(GetParent(pages[p]), hwnd);
    ExpectStyle(pages[p], WS_CHILD, WS_POPUP | WS_CAPTION | WS_BORDER | WS_THICKFRAME);
    ExpectFont(pages[p], "Arial", 9);
    ExpectPaleYellowControls(pages[p], GetDlgItem(pages[p], 1015));
  }
  auto checked = [&](ContinentPage p) {
    return thread_.Run([&] { return CheckedBoxes(pages[p], ContinentPages()[p]); });
  };
  for (int p = 0; p < kContinentPages; ++p) EXPECT_EQ(checked(ContinentPage(p)), Captions{});

  thread_.Run([&] {
    MarkWorkedDxcc(*window, {"DL", "SU", "ZS", "3Y", "dl", "VK9M", "E4"});
    window->ShowCheckValues();
  });
  EXPECT_EQ(checked(kEurope), Captions{"DL"});
  EXPECT_EQ(checked(kAfrica), (Captions{"3Y/b", "E4", "SU", "ZS"}));
  EXPECT_EQ(checked(kAsia), (Captions{"E4", "SU"}));
  EXPECT_EQ(checked(kNorthAmerica), Captions{});
  EXPECT_EQ(checked(kSouthAmerica), Captions{});
  EXPECT_EQ(checked(kOceania), Captions{"VK9M"});

  thread_.Run([&] {
    MarkWorkedDxcc(*window, {});
    window->ShowCheckValues();
  });
  for (int p = 0; p < kContinentPages; ++p) EXPECT_EQ(checked(ContinentPage(p)), Captions{});
  thread_.Run([&] { window.reset(); });

  // Made hidden, the window has its pages made only when it shows: with the values marked.
  window = thread_.Run([] {
    auto hidden = std::make_unique<Multiplier_Mult>(contest.settings);
    hidden->Create();
    return hidden;
  });
  EXPECT_EQ(thread_.Run([&] { return Pages(window->hwnd())[kEurope]; }), nullptr);
  thread_.Run([&] {
    MarkWorkedDxcc(*window, {"DL"});
    window->Show();
  });
  const HWND europe = thread_.Run([&] { return Pages(window->hwnd())[kEurope]; });
  EXPECT_EQ(thread_.Run([&] { return CheckedBoxes(europe, ContinentPages()[kEurope]); }),
            Captions{"DL"});
  thread_.Run([&] { window.reset(); });
}

TEST_F(MultiplierWindowsTest, DxccWindowKeepsItsButtonSizedToTheClientArea) {
  auto window = thread_.Run([] { return OpenWindow<Multiplier>(contest.settings); });
  ASSERT_TRUE(window);
  const HWND hwnd = window->hwnd();
  EXPECT_EQ(Text(hwnd), "Multiplier");
  ExpectTopLevelTraits(hwnd);
  EXPECT_EQ(Corner(hwnd).x, 10);
  EXPECT_EQ(Corner(hwnd).y, 400);
  const HWND button = GetDlgItem(hwnd, IDC_INFO_BUTTON);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  ExpectStyle(
      hwnd, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
      WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  ExpectFont(hwnd, "MS Shell Dlg", 8);
  EXPECT_EQ(Text(button), "Button2");
  EXPECT_TRUE(GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP);

  thread_.Run([&] {
    RECT frame{0, 0, 400, 300};
    AdjustWindowRectEx(&frame, GetWindowLongA(hwnd, GWL_STYLE), FALSE,
                       GetWindowLongA(hwnd, GWL_EXSTYLE));
    SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
  });
  RECT client;
  GetClientRect(hwnd, &client);
  ASSERT_EQ(client.right, 400);
  ASSERT_EQ(client.bottom, 300);
  EXPECT_TRUE(SameRect(InParent(button), {1, 1, 1 + 396, 1 + 296}));

  thread_.Run([&] { MoveAsTheOperator(hwnd, 430, 70); });
  EXPECT_EQ(Setting("dxcc_x"), "430");
  EXPECT_EQ(Setting("dxcc_y"), "70");
  ExpectKeyHides(thread_, hwnd, VK_ESCAPE);
  thread_.Run([&] { window->Show(); });
  EXPECT_EQ(Corner(hwnd).x, 430);
  EXPECT_EQ(Corner(hwnd).y, 70);
  thread_.Run([&] { window.reset(); });
}

// The button's face drawn into a bitmap of the given size, as the dialog has it painted.
class Face {
 public:
  Face(CCqWwInfoButton& button, int width, int height) : width_(width), height_(height) {
    const HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    previous_ = SelectObject(dc_, bitmap_);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = IDC_INFO_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = button.hwnd();
    item.hDC = dc_;
    item.rcItem = {0, 0, width, height};
    button.DrawItem(item);
  }
  ~Face() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  // Pixels of the area that differ from the colour: where text was drawn.
  int Marked(int left, int top, int right, int bottom, COLORREF background) const {
    int marked = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) marked += At(x, y) != background;
    }
    return marked;
  }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

TEST_F(MultiplierWindowsTest, ButtonPaintsTheListViewAndTheCallView) {
  auto window = thread_.Run([] { return OpenWindow<Multiplier>(contest.settings); });
  ASSERT_TRUE(window);
  CCqWwInfoButton& button = window->button();

  // No band yet: the pale yellow background alone.
  thread_.Run([&] {
    const Face face(button, 250, 140);
    EXPECT_EQ(face.Marked(0, 0, 250, 140, kPaleYellow), 0);
  });

  InfoButtonState state;
  state.currentBandIndex = 3;
  state.bandPrefixes = {"3A", "9A", "A4", "DL", "G", "VK", "VK0"};
  thread_.Run([&] {
    button.SetState(state);
    const Face face(button, 250, 140);
    EXPECT_EQ(face.At(249, 139), kPaleYellow);
    EXPECT_GT(face.Marked(5, 15, 45, 30, kPaleYellow), 0);     // first cell
    EXPECT_GT(face.Marked(205, 15, 245, 30, kPaleYellow), 0);  // sixth cell
    EXPECT_GT(face.Marked(5, 30, 45, 45, kPaleYellow), 0);     // seventh, on the second line
    EXPECT_EQ(face.Marked(45, 30, 250, 140, kPaleYellow), 0);
    EXPECT_EQ(face.Marked(0, 0, 250, 15, kPaleYellow), 0);
  });
  state = {};
  state.currentCall = "G4ABC";
  state.currentBandIndex = 5;
  state.bandStatus[1] = {"80m", "CW", "12:34", "00", ""};
  thread_.Run([&] {
    button.SetState(state);
    const Face face(button, 300, 140);  // lines of 20 pixels
    EXPECT_EQ(face.At(299, 0), kCallViewBackground);
    EXPECT_EQ(face.At(150, 129), kCallViewBackground);
    EXPECT_EQ(face.At(150, 130), kCallViewHighlight);  // the 10m stripe
    EXPECT_EQ(face.At(0, 139), kCallViewHighlight);
    EXPECT_EQ(face.At(299, 139), kCallViewHighlight);
    EXPECT_GT(face.Marked(140, 0, 200, 14, kCallViewBackground), 0);  // the call
    EXPECT_GT(face.Marked(20, 50, 60, 70, kCallViewBackground), 0);   // 80m line
    EXPECT_EQ(face.Marked(0, 70, 300, 130, kCallViewBackground), 0);  // empty lines
  });
  state.currentBandIndex = -1;
  thread_.Run([&] {
    button.SetState(state);
    const Face face(button, 300, 140);
    EXPECT_EQ(face.Marked(0, 130, 300, 140, kCallViewBackground), 0);
  });
  // Painting through the window goes through the same code, off-screen first.
  thread_.Run([&] {
    button.Invalidate();
    UpdateWindow(button.hwnd());
  });
  thread_.Run([&] { window.reset(); });
}

}  // namespace

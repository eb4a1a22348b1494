#include "windows/multiplier_mult_win32.h"

#include <commctrl.h>

#include "res/multiplier_ids.h"

namespace {

constexpr std::array<const char*, kContinentPages> kTabTexts = {"   EU ", "   AF ", "   AS ",
                                                                "   NA ", "   SA ", "   OC "};

}  // namespace

Multiplier_Mult::Multiplier_Mult(const IniFile& settings)
    : TopLevelDialog(IDD_MULTIPLIER_MULT, kDxccExtendedPositionKeys, settings),
      pages_{&europe_, &africa_, &asia_, &northAmerica_, &southAmerica_, &oceania_},
      icon_(PluginIcon()) {}

void Multiplier_Mult::ShowPage(int index) {
  if (index < 0 || index >= kContinentPages) return;
  for (int k = 0; k < kContinentPages; ++k) {
    const HWND page = pages_[k]->hwnd();
    if (k == index) {
      SetWindowPos(page, HWND_TOP, pageArea_.left, pageArea_.top, pageArea_.right - pageArea_.left,
                   pageArea_.bottom - pageArea_.top, SWP_SHOWWINDOW);
      SendMessageA(tabs_, TCM_SETCURSEL, k, 0);
    } else {
      ShowWindow(page, SW_HIDE);
    }
  }
}

bool Multiplier_Mult::MakeNextPage() {
  if (pagesMade_ == kContinentPages) return false;
  ContinentPageDialog& page = *pages_[pagesMade_++];
  page.Create(hwnd());
  page.ShowCheckValues();
  return true;
}

void Multiplier_Mult::MakeEveryPage() {
  while (MakeNextPage()) {
  }
}

void Multiplier_Mult::SetCheckValues(ContinentPage page, CheckValues values) {
  pages_[page]->SetCheckValues(std::move(values));
}

void Multiplier_Mult::ShowCheckValues() const {
  for (const ContinentPageDialog* page : pages_) page->ShowCheckValues();
}

void Multiplier_Mult::InitDialog() {
  tabs_ = GetDlgItem(hwnd(), IDC_CONTINENT_TABS);
  InitTopLevel();
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  // The pages fill the tab control below its row of buttons.
  RECT tabFrame;
  GetWindowRect(tabs_, &tabFrame);
  pageArea_ = {13, 44, 13 + (tabFrame.right - tabFrame.left) - 7,
               44 + (tabFrame.bottom - tabFrame.top) - 38};
  for (int k = 0; k < kContinentPages; ++k) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kTabTexts[k]);
    SendMessageA(tabs_, TCM_INSERTITEMA, k, reinterpret_cast<LPARAM>(&item));
  }
}

void Multiplier_Mult::PaintMinimized() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(hwnd(), &paint);
  SendMessageA(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(hwnd(), &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, icon_);
  EndPaint(hwnd(), &paint);
}

INT_PTR Multiplier_Mult::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitDialog();
      return TRUE;
    case WM_SHOWWINDOW:
      if (wParam) {
        MakeEveryPage();
        ShowPage(0);
      }
      return FALSE;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.idFrom != IDC_CONTINENT_TABS || header.code != TCN_SELCHANGE) return FALSE;
      ShowPage(static_cast<int>(SendMessageA(tabs_, TCM_GETCURFOCUS, 0, 0)));
      return TRUE;
    }
    case WM_PAINT:
      if (!IsIconic(hwnd())) return FALSE;
      PaintMinimized();
      return TRUE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(icon_);
    default:
      if (const INT_PTR brush = background_.Colour(message, wParam)) return brush;
      return TopLevelDialog::HandleMessage(message, wParam, lParam);
  }
}

#include "windows/multiplier_win32.h"

#include "res/multiplier_ids.h"

Multiplier::Multiplier(const IniFile& settings)
    : TopLevelDialog(IDD_MULTIPLIER, kDxccPositionKeys, settings) {}

INT_PTR Multiplier::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      button_.Attach(GetDlgItem(hwnd(), IDC_INFO_BUTTON));
      InitTopLevel();
      return TRUE;
    case WM_SIZE:
      FitButton();
      return FALSE;
    case WM_DRAWITEM:
      if (wParam != IDC_INFO_BUTTON) return FALSE;
      button_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    default:
      return TopLevelDialog::HandleMessage(message, wParam, lParam);
  }
}

// A margin of one pixel at the top and left and three at the right and bottom.
void Multiplier::FitButton() {
  if (button_.hwnd() == nullptr) return;
  RECT client;
  GetClientRect(hwnd(), &client);
  MoveWindow(button_.hwnd(), client.left + 1, client.top + 1, client.right - 4, client.bottom - 4,
             TRUE);
}

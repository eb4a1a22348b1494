#include "windows/area_code_win32.h"

#include "res/multiplier_ids.h"

AreaCode::AreaCode(const IniFile& settings)
    : TopLevelDialog(IDD_AREA_CODE, kAreaPositionKeys, settings), grid_(AreaGrid()) {}

INT_PTR AreaCode::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    InitTopLevel();
    // Made hidden, maybe while another window has the keyboard: it takes the focus only
    // when it is shown.
    return FALSE;
  }
  if (const INT_PTR brush = background_.Colour(message, wParam)) return brush;
  return TopLevelDialog::HandleMessage(message, wParam, lParam);
}

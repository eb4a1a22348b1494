#include "windows/area_code_win32.h"

#include "res/multiplier_ids.h"

AreaCode::AreaCode(const IniFile& settings)
    : TopLevelDialog(IDD_AREA_CODE, kAreaPositionKeys, settings), grid_(AreaGrid()) {}

INT_PTR AreaCode::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    InitTopLevel();
    return TRUE;
  }
  if (const INT_PTR brush = background_.Colour(message, wParam)) return brush;
  return TopLevelDialog::HandleMessage(message, wParam, lParam);
}

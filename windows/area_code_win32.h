#pragma once
// The area-code window: a grid of boxes captioned with the 155 UK/EI area codes, ticked for
// the areas worked on the current band.

#include "windows/check_box_grid_win32.h"
#include "windows/dialog_window_win32.h"

class AreaCode : public TopLevelDialog {
 public:
  explicit AreaCode(const IniFile& settings);

  // One value per area code, in the order of the contest's area-code table.
  void SetCheckValues(CheckValues values) { grid_.SetCheckValues(std::move(values)); }
  void ShowCheckValues() const { grid_.ShowCheckValues(hwnd()); }

 protected:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CheckBoxGrid grid_;
  PaleYellowBackground background_;
};

#pragma once
// The DXCC window: a resizable window filled by the worked-status button, which lists the
// prefixes worked on the current band or, while a call is typed, how that call was worked.

#include "windows/dialog_window_win32.h"
#include "windows/info_button_win32.h"

class Multiplier : public TopLevelDialog {
 public:
  explicit Multiplier(const IniFile& settings);

  CCqWwInfoButton& button() { return button_; }

 protected:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FitButton();
  CCqWwInfoButton button_;
};

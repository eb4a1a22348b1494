#pragma once
// The six pages of the extended DXCC window, one per continent: child dialogs with a grid of
// boxes captioned with DXCC prefixes, ticked for the prefixes worked on the current band.
// The six differ only in their template and their boxes.

#include "windows/check_box_grid_win32.h"
#include "windows/dialog_window_win32.h"

class ContinentPageDialog : public DialogWindow {
 public:
  // Creates the page hidden, as a child of the extended DXCC window.
  bool Create(HWND parent);
  void SetCheckValues(CheckValues values) { grid_.SetCheckValues(std::move(values)); }
  void ShowCheckValues() const { grid_.ShowCheckValues(hwnd()); }

 protected:
  explicit ContinentPageDialog(ContinentPage page);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  const BoxPage& page_;
  CheckBoxGrid grid_;
  PaleYellowBackground background_;
};

class WAE_ALL : public ContinentPageDialog {
 public:
  WAE_ALL() : ContinentPageDialog(kEurope) {}
};

class AF_DXCC : public ContinentPageDialog {
 public:
  AF_DXCC() : ContinentPageDialog(kAfrica) {}
};

class AS_DXCC : public ContinentPageDialog {
 public:
  AS_DXCC() : ContinentPageDialog(kAsia) {}
};

class NA_DXCC : public ContinentPageDialog {
 public:
  NA_DXCC() : ContinentPageDialog(kNorthAmerica) {}
};

class SA_DXCC : public ContinentPageDialog {
 public:
  SA_DXCC() : ContinentPageDialog(kSouthAmerica) {}
};

class OC_DXCC : public ContinentPageDialog {
 public:
  OC_DXCC() : ContinentPageDialog(kOceania) {}
};

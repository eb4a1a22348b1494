#pragma once
// The extended DXCC window: a row of six tab buttons, EU, AF, AS, NA, SA and OC, each
// showing one continent page of DXCC boxes. Every show starts on the EU page. The window
// is made with its tabs alone; its pages, hundreds of boxes, may be made one at a time
// later, and are all made by the time it shows.

#include <array>

#include "windows/continent_pages_win32.h"
#include "windows/dialog_window_win32.h"

class Multiplier_Mult : public TopLevelDialog {
 public:
  explicit Multiplier_Mult(const IniFile& settings);
  // The pages go with the window, before their objects.
  ~Multiplier_Mult() override { Destroy(); }

  // Shows page `index` (in tab order: EU, AF, AS, NA, SA, OC), hides the other five and
  // selects its tab; any other index changes nothing.
  void ShowPage(int index);
  // Makes the next page not yet made, with its values; false once every page is made.
  bool MakeNextPage();
  void SetCheckValues(ContinentPage page, CheckValues values);
  // Shows every page's values in its boxes, Europe first.
  void ShowCheckValues() const;

 protected:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void InitDialog();
  void MakeEveryPage();
  void PaintMinimized();

  NA_DXCC northAmerica_;
  SA_DXCC southAmerica_;
  AS_DXCC asia_;
  AF_DXCC africa_;
  OC_DXCC oceania_;
  WAE_ALL europe_;
  // The pages in tab order.
  std::array<ContinentPageDialog*, kContinentPages> pages_;
  // Where every page stands: client pixels.
  RECT pageArea_{};
  PaleYellowBackground background_;
  HICON icon_;
  HWND tabs_ = nullptr;
  int pagesMade_ = 0;
};

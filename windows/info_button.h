#pragma once
// The worked-status button: the owner-drawn control 1016 that fills the DXCC window. It
// keeps no data: every paint shows the contest state as it is, in the list view or the
// call view (windows/info_button_face.h), built off-screen and copied in one transfer.

#include <windows.h>

class CCqWwInfoButton {
 public:
  // Binds the button to its control; the dialog hands it the control's WM_DRAWITEM.
  void Attach(HWND control) { control_ = control; }
  HWND hwnd() const { return control_; }

  void DrawItem(const DRAWITEMSTRUCT& item);
  // Has the whole face painted again, without erasing it first.
  void Invalidate();

 private:
  HWND control_ = nullptr;
};

#pragma once
// The worked-status button: the owner-drawn control 1016 that fills the DXCC window. Every
// paint shows the snapshot the refresh handed it last, in the list view or the call view
// (windows/info_button_face.h), built off-screen and copied in one transfer.

#include <windows.h>

#include <utility>

#include "windows/info_button_face.h"

class CCqWwInfoButton {
 public:
  // Binds the button to its control; the dialog hands it the control's WM_DRAWITEM.
  void Attach(HWND control) { control_ = control; }
  HWND hwnd() const { return control_; }

  // What the next paint shows.
  void SetState(InfoButtonState state) { state_ = std::move(state); }
  void DrawItem(const DRAWITEMSTRUCT& item);
  // Has the whole face painted again, without erasing it first.
  void Invalidate();

 private:
  HWND control_ = nullptr;
  InfoButtonState state_;
};

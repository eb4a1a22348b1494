#pragma once
// The check values of a dialog's grid of boxes and their way into the boxes. A box that the
// operator clicks changes only its look: the next ShowCheckValues sets it back.

#include <windows.h>

#include "windows/box_tables.h"
#include "windows/worked_marks.h"

class CheckBoxGrid {
 public:
  explicit CheckBoxGrid(const BoxPage& page) : page_(page), values_(page.boxes.size(), 0) {}

  // One value per box, in the page's box order; a list of another length is cut or padded
  // with 0.
  void SetCheckValues(CheckValues values);
  // Ticks or clears every box of the dialog after its value.
  void ShowCheckValues(HWND dialog) const;

 private:
  const BoxPage& page_;
  CheckValues values_;
};

#include "windows/check_box_grid_win32.h"

#include <utility>

void CheckBoxGrid::SetCheckValues(CheckValues values) {
  values_ = std::move(values);
  values_.resize(page_.boxes.size(), 0);
}

void CheckBoxGrid::ShowCheckValues(HWND dialog) const {
  for (size_t i = 0; i < page_.boxes.size(); ++i) {
    CheckDlgButton(dialog, page_.boxes[i].controlId, values_[i] ? BST_CHECKED : BST_UNCHECKED);
  }
}

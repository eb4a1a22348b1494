#include "windows/check_box_grid.h"

#include <string>
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

bool CheckBoxGrid::MakeBoxes(HWND dialog, StopAsked stop) const {
  const auto font = static_cast<WPARAM>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  for (size_t i = 0; i < page_.boxes.size(); ++i) {
    if (stop()) return false;
    const CheckBox& box = page_.boxes[i];
    // Corner and size each converted to pixels on their own, as the dialog does.
    RECT corner{box.x, box.y, 0, 0}, size{box.width, box.height, 0, 0};
    MapDialogRect(dialog, &corner);
    MapDialogRect(dialog, &size);
    const HWND made = CreateWindowExA(
        WS_EX_NOPARENTNOTIFY, "Button", std::string(box.caption).c_str(),
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, corner.left, corner.top, size.left,
        size.top, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(box.controlId)),
        PluginModule(), nullptr);
    if (made == nullptr) return false;
    SendMessageA(made, WM_SETFONT, font, FALSE);
    if (values_[i]) SendMessageA(made, BM_SETCHECK, BST_CHECKED, 0);
  }
  return true;
}

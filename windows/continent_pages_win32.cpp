#include "windows/continent_pages_win32.h"

ContinentPageDialog::ContinentPageDialog(ContinentPage page)
    : page_(ContinentPages()[page]), grid_(page_) {}

bool ContinentPageDialog::Create(HWND parent) {
  return CreateFromTemplate(page_.templateId, parent);
}

INT_PTR ContinentPageDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  // Made hidden, maybe while another window has the keyboard: no box takes the focus.
  if (message == WM_INITDIALOG) return FALSE;
  return background_.Colour(message, wParam);
}

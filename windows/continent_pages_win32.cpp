#include "windows/continent_pages_win32.h"

ContinentPageDialog::ContinentPageDialog(ContinentPage page)
    : page_(ContinentPages()[page]), grid_(page_) {}

bool ContinentPageDialog::Create(HWND parent) {
  return CreateFromTemplate(page_.templateId, parent);
}

INT_PTR ContinentPageDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  return background_.Colour(message, wParam);
}

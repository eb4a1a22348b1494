#include "windows/dialog_window.h"

#include <utility>

#include "plugin/contest_state.h"
#include "res/multiplier_ids.h"
#include "windows/gdi_objects.h"
#include "windows/window_colours.h"

HINSTANCE PluginModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&PluginModule), &module);
  return module;
}

void DialogWindow::Destroy() {
  if (hwnd_ == nullptr) return;
  SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
  DestroyWindow(std::exchange(hwnd_, nullptr));
}

void DialogWindow::SetCaption(const std::string& caption) {
  SetWindowTextA(hwnd_, caption.c_str());
}

bool DialogWindow::CreateFromTemplate(int templateId, HWND parent) {
  return CreateDialogParamA(PluginModule(), MAKEINTRESOURCEA(templateId), parent, DialogProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR CALLBACK DialogWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    reinterpret_cast<DialogWindow*>(lParam)->hwnd_ = hwnd;
  }
  auto* window = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (window == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    window->hwnd_ = nullptr;
    return FALSE;
  }
  return window->HandleMessage(message, wParam, lParam);
}

bool TopLevelDialog::Open() {
  if (!CreateFromTemplate(templateId_, nullptr)) return false;
  ShowWindow(hwnd(), SW_SHOW);
  return true;
}

void TopLevelDialog::InitTopLevel() {
  const ScreenPosition corner = RestoreWindowPosition(contest.settings, positionKeys_);
  SetWindowPos(hwnd(), nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconA(PluginModule(), MAKEINTRESOURCEA(IDI_STATS))));
  EnableMenuItem(GetSystemMenu(hwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);
}

INT_PTR TopLevelDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_SETCURSOR: {
      // Sent whenever the mouse moves over the window: the moment to note where it stands.
      RECT frame;
      GetWindowRect(hwnd(), &frame);
      SaveWindowPositionIfMoved(contest.settings, positionKeys_, {frame.left, frame.top});
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        ShowWindow(hwnd(), SW_HIDE);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

PaleYellowBackground::PaleYellowBackground() : brush_(CreateCountedBrush(kPaleYellow)) {}

PaleYellowBackground::~PaleYellowBackground() {
  DeleteCounted(brush_);
}

INT_PTR PaleYellowBackground::Colour(UINT message, WPARAM wParam) const {
  if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC) return 0;
  const HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, kPaleYellow);
  return reinterpret_cast<INT_PTR>(brush_);
}

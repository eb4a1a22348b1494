#include "windows/cabrillo_dialog_win32.h"

#include <windows.h>

#include <vector>

#include "reports/cabrillo_header.h"
#include "reports/cabrillo_header_fields.h"
#include "res/cabrillo_dialog.h"

namespace {

constexpr const char* kTooLongCaption = "Cabrillo header";

// A combo box shows the first list entry that begins with the text, ignoring case, and
// otherwise the text itself in its edit field.
void ShowText(HWND dialog, const CabrilloHeaderField& control, const std::string& text) {
  if (control.isComboBox &&
      SendDlgItemMessageA(dialog, control.controlId, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                          reinterpret_cast<LPARAM>(text.c_str())) != CB_ERR) {
    return;
  }
  SetDlgItemTextA(dialog, control.controlId, text.c_str());
}

// What the control shows: for a combo box the text of its edit field, typed or selected.
std::string ControlText(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1);
  const int length = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), static_cast<size_t>(length > 0 ? length : 0));
}

INT_PTR CALLBACK CabrilloDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const auto& fields = *reinterpret_cast<const CabrilloDialogFields*>(lParam);
      // In the table's order; the sorted boxes show them sorted.
      for (const HeaderFieldValues& values : kHeaderFieldValues) {
        const int id = HeaderField(values.field).controlId;
        for (const char* entry : values.offered) {
          SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        }
      }
      for (const CabrilloHeaderField& control : kCabrilloHeaderFields) {
        ShowText(dialog, control, fields.*control.field);
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        CabrilloDialogFields confirmed;
        for (const CabrilloHeaderField& control : kCabrilloHeaderFields) {
          confirmed.*control.field = ControlText(dialog, control.controlId);
        }
        // Nothing is cut silently: the operator may go back and shorten the texts.
        const std::string notice = TooLongToKeepNotice(confirmed);
        if (!notice.empty() && MessageBoxA(dialog, notice.c_str(), kTooLongCaption,
                                           MB_OKCANCEL | MB_ICONWARNING) != IDOK) {
          return TRUE;
        }
        *reinterpret_cast<CabrilloDialogFields*>(GetWindowLongPtrA(dialog, DWLP_USER)) = confirmed;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

bool ShowCabrilloDialog(CabrilloDialogFields& fields) {
  // The template lives in this DLL, not in the host's program.
  HMODULE module = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&CabrilloDialogProc), &module);
  // Owned by the host's active window, which stays disabled while the dialog is open.
  return DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_CABRILLO), GetActiveWindow(),
                         CabrilloDialogProc, reinterpret_cast<LPARAM>(&fields)) == IDOK;
}

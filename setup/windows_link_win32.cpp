// The plug-in's windows on Windows.

#include <windows.h>

#include "platform/windows_link.h"
#include "reports/cabrillo_dialog_win32.h"

namespace {

class Win32Windows final : public WindowsLink {
 public:
  bool ControlWindowOpen() override { return false; }
  void StartControlWindow() override {}
  void ArmRefresh() override {}
  void StopRefresh() override {}
  bool RunCabrilloDialog(CabrilloDialogFields& fields) override {
    return ShowCabrilloDialog(fields);
  }
  void ShowMessage(const std::string& text, const char* caption, MessageKind kind) override {
    MessageBoxA(nullptr, text.c_str(), caption,
                kind == MessageKind::kInformation ? MB_ICONINFORMATION : MB_OK);
  }
};

}  // namespace

WindowsLink& Windows() {
  static Win32Windows windows;
  return windows;
}

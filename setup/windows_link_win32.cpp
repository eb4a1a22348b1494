// The plug-in's windows on Windows: a window thread with the control window, reached from
// the host's thread by posted messages only.

#include <windows.h>

#include "platform/windows_link.h"
#include "reports/cabrillo_dialog_win32.h"
#include "setup/window_thread.h"

namespace {

class Win32Windows final : public WindowsLink {
 public:
  bool ControlWindowOpen() override { return WindowThreadRunning(); }
  void StartControlWindow() override { StartWindowThread(); }
  void ArmRefresh() override { PostRefreshRequest(true); }
  void StopRefresh() override { PostRefreshRequest(false); }
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

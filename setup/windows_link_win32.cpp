#include "setup/windows_link_win32.h"

#include <windows.h>

#include "setup/window_thread_win32.h"
#include "windows/cabrillo_dialog_win32.h"

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
  // The information box (the export's "Output") belongs to the host's active window on the
  // calling thread, as the header dialog does: it stays in front of the host and is modal
  // to it. The plain notice belongs to no window.
  void ShowMessage(const std::string& text, const char* caption, MessageKind kind) override {
    const bool information = kind == MessageKind::kInformation;
    MessageBoxA(information ? GetActiveWindow() : nullptr, text.c_str(), caption,
                information ? MB_ICONINFORMATION : MB_OK);
  }
};

}  // namespace

WindowsLink& ThreadWindows() {
  static Win32Windows windows;
  return windows;
}

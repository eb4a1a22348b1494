#include "plugin/windows_link.h"

namespace {

class NoWindows final : public WindowsLink {
 public:
  bool ControlWindowOpen() override { return false; }
  void StartControlWindow() override {}
  void ArmRefresh() override {}
  void StopRefresh() override {}
  bool RunCabrilloDialog(CabrilloDialogFields&) override { return true; }
  void ShowMessage(const std::string&, const char*, MessageKind) override {}
};

NoWindows noWindows;
// Written once as the module loads, before any thread of the host calls in.
WindowsLink* windowsInUse = &noWindows;

}  // namespace

WindowsLink& Windows() {
  return *windowsInUse;
}

void UseWindows(WindowsLink& windows) {
  windowsInUse = &windows;
}

#include "platform/windows_link.h"

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

}  // namespace

WindowsLink& Windows() {
  static NoWindows none;
  return none;
}

#include "windows/multiplier_windows.h"

namespace {

template <typename Window>
std::unique_ptr<Window> Open() {
  auto window = std::make_unique<Window>();
  if (!window->Open()) return nullptr;
  return window;
}

}  // namespace

std::unique_ptr<AreaCode> OpenAreaCode() {
  return Open<AreaCode>();
}
std::unique_ptr<Multiplier> OpenMultiplier() {
  return Open<Multiplier>();
}
std::unique_ptr<Multiplier_Mult> OpenMultiplierMult() {
  return Open<Multiplier_Mult>();
}

void MarkWorkedAreas(AreaCode& window, const std::vector<std::string>& workedAreas) {
  window.SetCheckValues(MarkWorked(AreaGrid(), workedAreas));
}

void MarkWorkedDxcc(Multiplier_Mult& window, const std::vector<std::string>& workedDxcc) {
  for (int page = 0; page < kContinentPages; ++page) {
    window.SetCheckValues(static_cast<ContinentPage>(page),
                          MarkWorked(ContinentPages()[page], workedDxcc));
  }
}

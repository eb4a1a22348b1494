#include "windows/multiplier_windows_win32.h"

namespace {

template <typename Window>
std::unique_ptr<Window> Open(const IniFile& settings) {
  auto window = std::make_unique<Window>(settings);
  if (!window->Open()) return nullptr;
  return window;
}

}  // namespace

std::unique_ptr<AreaCode> OpenAreaCode(const IniFile& settings) {
  return Open<AreaCode>(settings);
}
std::unique_ptr<Multiplier> OpenMultiplier(const IniFile& settings) {
  return Open<Multiplier>(settings);
}
std::unique_ptr<Multiplier_Mult> OpenMultiplierMult(const IniFile& settings) {
  return Open<Multiplier_Mult>(settings);
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

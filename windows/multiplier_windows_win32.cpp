#include "windows/multiplier_windows_win32.h"

void MarkWorkedAreas(AreaCode& window, const std::vector<std::string>& workedAreas) {
  window.SetCheckValues(MarkWorked(AreaGrid(), workedAreas));
}

void MarkWorkedDxcc(Multiplier_Mult& window, const std::vector<std::string>& workedDxcc) {
  for (int page = 0; page < kContinentPages; ++page) {
    window.SetCheckValues(static_cast<ContinentPage>(page),
                          MarkWorked(ContinentPages()[page], workedDxcc));
  }
}

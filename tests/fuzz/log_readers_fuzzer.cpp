// libFuzzer target for the replay tool's readers: the input is read as a log (ADIF or
// Cabrillo, by content) and as a country file, and every call found is placed.

#include <cstdint>
#include <string_view>

#include "tools/logs/cty_database.h"
#include "tools/logs/log_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  try {
    // Own calls of G are UK stations: Cabrillo lines are read both ways.
    const LogFile log =
        ReadLog(text, [](std::string_view call) { return !call.empty() && call[0] == 'G'; });
    for (const LogQso& qso : log.qsos) {
      if (qso.line <= 0) __builtin_trap();  // every QSO knows where it stands
    }
  } catch (const LogError&) {
    // Neither kind of log: the tool says so and stops.
  }
  try {
    const CtyDatabase cty = CtyDatabase::Parse(text, "fuzz");
    for (std::string_view call : {"G4ABC", "DL/G4ABC", "G4ABC/P", "W1ABC/4", "/", "", "A/B/C"}) {
      cty.Resolve(call);
    }
    // Its own words as calls.
    for (size_t start = 0; start < text.size() && start < 512; start += 7) {
      cty.Resolve(text.substr(start, 9));
    }
  } catch (const CtyError&) {
    // No country file.
  }
  return 0;
}

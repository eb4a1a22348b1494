#pragma once
// A synthetic contest log for the benchmarks: distinct calls over five bands, with about one
// QSO in twenty repeating an earlier call on its band, as the dupes of a real log do.

#include <string>
#include <vector>

struct SyntheticLog {
  std::vector<std::string> calls, exchanges;
  std::vector<const char*> bands;
};

inline SyntheticLog MakeSyntheticLog(int size) {
  static const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};
  SyntheticLog log;
  for (int i = 0; i < size; ++i) {
    const int station = i % 20 == 19 ? i / 2 : i;
    log.calls.push_back("K" + std::to_string(station) + "X");
    log.exchanges.push_back(std::to_string(i % 5000 + 1));
    log.bands.push_back(kBands[station % 5]);
  }
  return log;
}

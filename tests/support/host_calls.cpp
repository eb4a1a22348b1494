#include "tests/support/host_calls.h"

#include "plugin/entry_points.h"

namespace {
const char* const kUnused = "unused";
}

int Reset(HostStation s) {
  return ResetStats0(s.hostFolder, s.cabrilloExport, s.ownCall, &s.start, &s.end, kUnused, kUnused,
                     kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, s.ownPrefix, 0,
                     0, 0, 0.0, 0.0, kUnused, s.ownContinent, kUnused);
}

int Add(Qso q) {
  OleDate other{};
  return AddData0(q.ownCall, q.call, &q.time, &other, &other, &other, 0, q.frequencyHz, q.mode,
                  q.rstSent, q.rstReceived, q.sentNumber, q.exchange, kUnused, kUnused, kUnused,
                  kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, q.prefix, 0, 0, 0, 0.0, 0.0,
                  kUnused, q.continent, kUnused, q.band, kUnused);
}

int Remove(Qso q) {
  OleDate other{};
  return RemoveData0(q.ownCall, q.call, &q.time, &other, &other, &other, 0, q.frequencyHz, q.mode,
                     q.rstSent, q.rstReceived, q.sentNumber, q.exchange, kUnused, kUnused, kUnused,
                     kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, q.prefix, 0, 0, 0, 0.0,
                     0.0, kUnused, q.continent, kUnused, q.band, kUnused);
}

int Check(const char* call, const char* mode, const char* prefix, const char* band,
          const char* secondBand, char* output) {
  return CheckCall0(call, 0, 0, mode, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
                    kUnused, kUnused, prefix, 0, 0, 0, 0.0, 0.0, kUnused, kUnused, kUnused, kUnused,
                    kUnused, band, secondBand, output, nullptr);
}

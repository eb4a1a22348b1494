#include "host/host_calls.h"

namespace {

// What the host passes where the plug-in reads nothing.
const char* const kUnused = "";

// AddData0 and RemoveData0 take the same arguments.
int Pass(decltype(&::AddData0) entry, const Qso& q) {
  OleDate time = q.time;
  return entry(q.ownCall, q.call, &time, nullptr, nullptr, nullptr, 0, q.frequencyHz, q.mode,
               q.rstSent, q.rstReceived, q.sentNumber, q.exchange, kUnused, kUnused, kUnused,
               kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, q.prefix, 0, 0, 0, 0.0, 0.0,
               kUnused, q.continent, kUnused, q.band, kUnused);
}

}  // namespace

int Reset(const HostStation& s, const StatsEntryPoints& stats) {
  OleDate start = s.start, end = s.end;
  return stats.ResetStats0(s.hostFolder, s.cabrilloExport, s.ownCall, &start, &end, kUnused,
                           kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
                           s.ownPrefix, 0, 0, 0, 0.0, 0.0, kUnused, s.ownContinent, kUnused);
}

int Add(const Qso& qso, const StatsEntryPoints& stats) {
  return Pass(stats.AddData0, qso);
}

int Remove(const Qso& qso, const StatsEntryPoints& stats) {
  return Pass(stats.RemoveData0, qso);
}

int Check(const char* call, const char* mode, const char* prefix, const char* band,
          const char* secondBand, char* output, const StatsEntryPoints& stats) {
  return stats.CheckCall0(call, 0, 0, mode, kUnused, kUnused, kUnused, kUnused, kUnused, kUnused,
                          kUnused, kUnused, kUnused, prefix, 0, 0, 0, 0.0, 0.0, kUnused, kUnused,
                          kUnused, kUnused, kUnused, band, secondBand, output, nullptr);
}

std::string Report(const StatsEntryPoints& stats) {
  int status = 0;
  const char* text = stats.GetResult0(&status);
  return status == -1 && text != nullptr ? std::string(text) : "status not -1";
}

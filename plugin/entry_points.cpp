// The entry points: each turns the host's arguments into the log's operation, which takes
// the contest lock itself. A missing text reads as an empty one and a missing date as the
// null date, whatever the host passes, and no exception ever reaches the host: it would end
// its process.

#include "plugin/entry_points.h"

#include <string_view>

#include "plugin/contest_log.h"
#include "plugin/windows_link.h"

namespace {

std::string_view View(Text text) {
  return text ? std::string_view(text) : std::string_view();
}

QsoArgs Qso(Text ownCall, Text call, const OleDate* time, unsigned frequencyHz, Text mode,
            Text rstSent, Text rstReceived, Text sentNumber, Text exchange, Text prefix,
            Text continent, Text band) {
  return QsoArgs{View(ownCall),  View(call),    DateOrNull(time),  frequencyHz,
                 View(mode),     View(rstSent), View(rstReceived), View(sentNumber),
                 View(exchange), View(prefix),  View(continent),   View(band)};
}

// Runs an entry point's work; should it throw (memory exhausted), the host gets `failed`.
template <typename Result, typename Work>
Result Guarded(Result failed, Work&& work) noexcept {
  try {
    return work();
  } catch (...) {
    return failed;
  }
}

}  // namespace

STATS_API int GetNumberOfSets() {
  return 1;
}

STATS_API Text GetSetName(int) {
  return "CQ UK/EI CW/SSB (C)";
}

STATS_API void SetupSet0() {
  Guarded(false, [] {
    Windows().ShowMessage("No additional setup for this contest", nullptr,
                          WindowsLink::MessageKind::kPlain);
    return true;
  });
}

STATS_API int ResetStats0(Text hostFolder, int cabrilloExport, Text ownCall, OleDate* contestStart,
                          OleDate* contestEnd, Text, Text, Text, Text, Text, Text, Text, Text, Text,
                          Text ownPrefix, int, int, int, double, double, Text, Text ownContinent,
                          Text) {
  return Guarded(1, [&] {
    return ResetStatistics(StationArgs{View(hostFolder), cabrilloExport, View(ownCall),
                                       DateOrNull(contestStart), DateOrNull(contestEnd),
                                       View(ownPrefix), View(ownContinent)});
  });
}

STATS_API int AddData0(Text ownCall, Text call, OleDate* time, OleDate*, OleDate*, OleDate*,
                       unsigned, unsigned frequencyHz, Text mode, Text rstSent, Text rstReceived,
                       Text sentNumber, Text exchange, Text, Text, Text, Text, Text, Text, Text,
                       Text, Text, Text prefix, int, int, int, double, double, Text, Text continent,
                       Text, Text band, Text) {
  return Guarded(0, [&] {
    return TakeQso(Qso(ownCall, call, time, frequencyHz, mode, rstSent, rstReceived, sentNumber,
                       exchange, prefix, continent, band));
  });
}

STATS_API int RemoveData0(Text ownCall, Text call, OleDate* time, OleDate*, OleDate*, OleDate*,
                          unsigned, unsigned frequencyHz, Text mode, Text rstSent, Text rstReceived,
                          Text sentNumber, Text exchange, Text, Text, Text, Text, Text, Text, Text,
                          Text, Text, Text prefix, int, int, int, double, double, Text,
                          Text continent, Text, Text band, Text) {
  return Guarded(0, [&] {
    return RemoveQso(Qso(ownCall, call, time, frequencyHz, mode, rstSent, rstReceived, sentNumber,
                         exchange, prefix, continent, band));
  });
}

STATS_API int CheckCall0(Text call, unsigned, unsigned, Text mode, Text, Text, Text, Text, Text,
                         Text, Text, Text, Text, Text prefix, int, int, int, double, double, Text,
                         Text, Text, Text, Text, Text band, Text secondBand, char* output, char*) {
  return Guarded(kCallNotChecked, [&] {
    return CheckCall(CallCheckArgs{View(call), View(mode), View(prefix), band, secondBand, output});
  });
}

STATS_API int IsValidExchg0(Text exchange, Text, Text prefix, Text, int, int, int flag) {
  return IsValidExchange(View(exchange), View(prefix), flag);
}

STATS_API int GetExchgCount0(Text, Text, Text) {
  return 1;
}

STATS_API Text GetResult0(int* status) {
  Text report = Guarded<Text>("", [] { return ProduceReport(); });
  if (status != nullptr) *status = -1;
  return report;
}

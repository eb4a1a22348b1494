#pragma once
// The calls a host makes into the plug-in, each written once: the arguments the plug-in
// reads are named, the others filled in as the host fills them. They go through a table of
// entry points, linked or loaded; without one, through the entry points linked in.
// Whatever a caller leaves unsaid is a DX station in the contest of 12-13 November 2016
// working G4ABC on 20 m CW.

#include <string>

#include "host/stats_entry_points.h"

// 13 November 2016, the last day of that contest weekend, at the time of day given.
inline OleDate ContestDay(int hour, int minute, double second = 0) {
  constexpr double kNovember13th2016 = 42687;
  return OleDate{kNovember13th2016 + (hour * 3600 + minute * 60 + second) / 86400, OleDate::kValid};
}

// What ResetStats0 reads.
struct HostStation {
  const char* ownCall = "DL1AAA";
  const char* ownPrefix = "DL";
  const char* ownContinent = "EU";
  int cabrilloExport = 0;
  const char* hostFolder = "";
  OleDate start = ContestDay(-12, 0);  // 12 November, 12:00
  OleDate end = ContestDay(12, 0);
};

// What AddData0 and RemoveData0 read.
struct Qso {
  const char* ownCall = "DL1AAA";
  const char* call = "G4ABC";
  const char* prefix = "G";
  const char* continent = "EU";
  const char* band = "20m";
  OleDate time = ContestDay(-12, 5);  // 12 November, 12:05
  const char* exchange = "5LN";
  const char* mode = "CW";
  unsigned frequencyHz = 14025000;
  const char* sentNumber = "001";
  const char* rstSent = "599";
  const char* rstReceived = "599";
};

int Reset(const HostStation& station = {}, const StatsEntryPoints& stats = LinkedStats());
int Add(const Qso& qso, const StatsEntryPoints& stats = LinkedStats());
int Remove(const Qso& qso, const StatsEntryPoints& stats = LinkedStats());
int Check(const char* call, const char* mode = "CW", const char* prefix = "G",
          const char* band = "20m", const char* secondBand = nullptr, char* output = nullptr,
          const StatsEntryPoints& stats = LinkedStats());
// The report of GetResult0; "status not -1" when the plug-in does not say it made one.
std::string Report(const StatsEntryPoints& stats = LinkedStats());

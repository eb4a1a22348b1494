#pragma once
// The entry-point calls a host makes, for tests that drive the plug-in as a host does:
// linked (libStats.so) or loaded (Stats.dll).

#include <string>

#include "plugin/entry_points.h"

struct StatsEntryPoints {
  decltype(&ResetStats0) resetStats;
  decltype(&AddData0) addData;
  decltype(&GetResult0) getResult;
};

// 13 November 2016, the last day of a contest weekend, at the time of day given.
inline OleDate ContestDay(int hour, int minute, double second = 0) {
  constexpr double kNovember13th2016 = 42687;
  return OleDate{kNovember13th2016 + (hour * 3600 + minute * 60 + second) / 86400, OleDate::kValid};
}

struct TestStation {
  const char* call;
  const char* prefix;
  const char* continent;
  int cabrilloExport = 0;
  const char* hostFolder = "";
};

inline int ResetFor(const StatsEntryPoints& stats, const TestStation& station) {
  OleDate start = ContestDay(-12, 0), end = ContestDay(12, 0);  // 12.11. 12:00 to 13.11. 12:00
  return stats.resetStats(station.hostFolder, station.cabrilloExport, station.call, &start, &end,
                          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                          nullptr, station.prefix, 0, 0, 0, 0.0, 0.0, nullptr, station.continent,
                          nullptr);
}

struct TestQso {
  const char* call;
  const char* prefix;
  const char* continent;
  const char* band;
  OleDate time;
  const char* exchange = "5";
  const char* mode = "CW";
  unsigned frequencyHz = 14025000;
  const char* sentNumber = "001";
};

inline int AddQso(const StatsEntryPoints& stats, const char* ownCall, TestQso qso) {
  return stats.addData(ownCall, qso.call, &qso.time, nullptr, nullptr, nullptr, 0, qso.frequencyHz,
                       qso.mode, "599", "599", qso.sentNumber, qso.exchange, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, qso.prefix, 0,
                       0, 0, 0.0, 0.0, nullptr, qso.continent, nullptr, qso.band, nullptr);
}

inline std::string Report(const StatsEntryPoints& stats) {
  int status = 0;
  const char* text = stats.getResult(&status);
  return status == -1 && text != nullptr ? std::string(text) : "status not -1";
}

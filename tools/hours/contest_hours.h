#pragma once
// The contest told hour by hour. The plug-in's own report is asked at the end of every
// contest hour while the log is handed over in time order, so that every QSO count,
// point and multiplier of the table is the plug-in's; the table's last state is the
// report of the whole log.

#include <string>
#include <vector>

#include "tools/replay/off_times.h"
#include "tools/replay/replay.h"

// One band line of the plug-in's report, or its Total line.
struct ReportRow {
  std::string band;
  int qsos = 0, points = 0, dxcc = 0, areas = 0;
};

// The table of the plug-in's report.
struct ReportTable {
  std::vector<ReportRow> bands;  // in report order
  ReportRow total;
  long long score = 0;
};

// Throws ReplayError when the text lacks the band table or the score.
ReportTable ReadReportTable(const std::string& report);

struct ContestHour {
  OleDate start;
  bool bonus = false;           // the own station scores double in this hour
  std::vector<int> qsosByBand;  // in the order of ContestHours::bands
  int qsos = 0, points = 0, newDxcc = 0, newAreas = 0;
  int qsosSoFar = 0, multipliersSoFar = 0;  // at the hour's end
  long long score = 0;                      // claimed at the hour's end
};

// A QSO the plug-in counted (taken, no dupe), with what gave its points and multipliers.
struct CountedQso {
  long long seconds = 0;  // since the OLE epoch
  std::string band, prefix, continent;
  std::string area;  // the district worked; empty when none
  int points = 0;
};

// The busiest stretch of a given length, from its first QSO.
struct BestRate {
  int qsos = 0;
  OleDate from;
};

struct ContestHours {
  ReplayStation station;
  std::vector<std::string> bands;  // of the whole log's report, in its order
  std::vector<ContestHour> hours;  // the 24 hours from the period's start
  ReportTable whole;               // the report of the whole log
  int outsideHours = 0;            // counted QSOs kept from outside the 24 hours
  BestRate best60, best10;
  std::vector<OffTime> offTimes;  // without a counted QSO, of 30 minutes or more
  int offMinutes = 0;
  std::vector<HostQso> refused;  // handed over but not taken, in time order
  // Taken with a received area code the plug-in does not accept, in time order.
  std::vector<HostQso> areaWarnings;
  std::vector<CountedQso> counted;  // in time order
  int bandChanges = 0;              // between QSOs taken one after the other
};

// Plays the plan of a log (PlanReplay) as Replay does, with a report at each hour's end.
// Leaves the plug-in holding the log; a later Replay starts afresh. Throws ReplayError as
// Replay does.
ContestHours PlayHours(const StatsLibrary& stats, const ReplayResult& plan,
                       const ReplayOptions& options);

// The table as text, one line per hour, then the totals and the rates line.
std::string HourTable(const ContestHours& hours);

// The best 60 and 10 minutes, in one line without its end.
std::string BestRates(const ContestHours& hours);
// The best 60 and 10 minutes and the off-times, in one line without its end.
std::string RatesLine(const ContestHours& hours);

#pragma once
// Scores a contest log with the plug-in the way the host does: the leg and the own area
// code go into the plug-in's INI file as the operator would set them, then one reset with
// the station's data, one AddData0 per QSO in log order, and the report.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ole_date.h"
#include "tools/cty_database.h"
#include "tools/log_file.h"
#include "tools/stats_library.h"

struct ReplayOptions {
  std::string ownCall;                   // empty: the log's own call
  std::string areaCode;                  // empty: the area code the log's QSOs sent
  std::optional<bool> cwLeg;             // unset: the mode of most of the log's QSOs
  std::optional<CalendarTime> startDay;  // unset: the day of the first QSO
  bool cabrillo = false;                 // a run for export: the plug-in writes the Cabrillo log
};

// The station as the reset received it.
struct ReplayStation {
  std::string ownCall;
  Placement placement;
  bool cwLeg = false;
  std::string areaCode;
  OleDate contestStart, contestEnd;
};

struct ReplaySummary {
  int read = 0;       // QSOs handed to the plug-in
  int stored = 0;     // taken into its log
  int refused = 0;    // not taken (band, mode or numbers not of the contest)
  int dupes = 0;      // stored with the call, band and mode of an earlier stored QSO
  int notPlaced = 0;  // worked calls the country file cannot place
};

struct ReplayResult {
  ReplayStation station;
  std::string report;  // as GetResult0 returned it
  ReplaySummary summary;
  std::vector<LogProblem> warnings;  // line 0: about the log as a whole
};

class ReplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws ReplayError when the log has no QSO, or leaves the own call or the leg open.
ReplayResult Replay(const StatsLibrary& stats, const CtyDatabase& cty, const LogFile& log,
                    const ReplayOptions& options);

// The settings file of the plug-in, relative to the current folder, and its section.
inline constexpr const char* kPluginIniPath = "Plugins\\UK_EI.ini";
inline constexpr const char* kPluginIniSection = "Settings";

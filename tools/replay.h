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

// The steps of a replay, for programs that play a log as a host does in other ways.

// The station of the log, from the options where they name it; remarks on the log as a
// whole go to `warnings`. Throws ReplayError as Replay does.
ReplayStation PlanStation(const CtyDatabase& cty, const LogFile& log, const ReplayOptions& options,
                          std::vector<LogProblem>& warnings);

// The leg and the own area code into the plug-in's INI file, as the operator sets them,
// with the windows marked as just shown so that the next reset leaves them closed.
void WriteSettings(const ReplayStation& station);

// ResetStats0 with the station; `cabrillo`: a run for export.
void ResetFor(const StatsLibrary& stats, const ReplayStation& station, bool cabrillo);

// One QSO of the log with the texts the host passes for it.
struct HostQso {
  std::string ownCall, call, mode, rstSent, rstReceived, sentNumber, exchange, band;
  Placement worked;
  OleDate time;
  unsigned frequencyHz = 0;
};
HostQso AsHostPasses(const LogQso& qso, const Placement& worked, const ReplayStation& station,
                     const ReplayOptions& options);

// AddData0 and RemoveData0 of the QSO; what they return.
int AddQso(const StatsLibrary& stats, const HostQso& qso);
int RemoveQso(const StatsLibrary& stats, const HostQso& qso);

// The settings file of the plug-in, relative to the current folder, and its section.
inline constexpr const char* kPluginIniPath = "Plugins\\UK_EI.ini";
inline constexpr const char* kPluginIniSection = "Settings";

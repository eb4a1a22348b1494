#pragma once
// Scores a contest log with the plug-in the way the host does: the leg and the own area
// code go into the plug-in's INI file as the operator would set them, then one reset with
// the station's data, one AddData0 per QSO in time order, and the report. CW and SSB are
// separate contests: QSOs of the other leg's mode are left out, and so are QSOs outside
// the contest's 24 hours. A call that the country file cannot place is handed over with
// an empty prefix and continent, as the host does: the adjudicator judges it, and it earns
// no multiplier.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "contest/text_index.h"
#include "host/stats_library.h"
#include "platform/ole_date.h"
#include "tools/logs/cty_database.h"
#include "tools/logs/log_file.h"

struct ReplayOptions {
  std::string ownCall;                   // empty: the log's own call
  std::string areaCode;                  // empty: the area code the log's QSOs sent
  std::optional<bool> cwLeg;             // unset: the mode of most of the log's QSOs
  std::optional<CalendarTime> startDay;  // unset: the 24 hours that hold most QSOs
  bool keepOutsidePeriod = false;        // hand over the QSOs outside the contest period too
  bool keepOtherMode = false;  // hand over the other leg's QSOs too (not for the Cabrillo log)
  bool cabrillo = false;       // a run for export: the plug-in writes the Cabrillo log
  // Cabrillo header values to keep in the plug-in's INI file: INI key, value as stored.
  std::vector<std::pair<std::string, std::string>> headerSettings;
};

// The station as the reset received it.
struct ReplayStation {
  std::string ownCall;
  Placement placement;
  bool cwLeg = false;
  std::string areaCode;
  // Null until the log gives them: the plug-in then names its file after today.
  OleDate contestStart{0.0, OleDate::kNull}, contestEnd{0.0, OleDate::kNull};
};

struct ReplaySummary {
  int read = 0;           // QSOs read from the log
  int outsidePeriod = 0;  // left out: outside the contest's 24 hours
  int otherMode = 0;      // left out: CW QSOs on the SSB leg, SSB QSOs on the CW leg
  int notPlaced = 0;      // handed over unplaced: worked calls the country file cannot place
  int stored = 0;         // handed to the plug-in and taken into its log
  int refused = 0;        // handed over but not taken (band, mode or numbers not of the contest)
  int dupes = 0;          // stored with the call, band and mode of an earlier stored QSO
  int areaWarnings = 0;   // stored with a received area code the plug-in does not accept
  int counted() const { return stored - dupes; }
};

struct HostQso;  // below

struct ReplayResult {
  ReplayStation station;
  std::string report;  // as GetResult0 returned it
  ReplaySummary summary;
  std::vector<LogProblem> warnings;  // line 0: about the log as a whole
  // Why QSOs were left out, refused, unplaced or dupes, one count per reason.
  std::vector<ReasonCount> reasons;
  // Why no QSO was handed to the plug-in; empty when some were.
  std::string nothingToHand;
  // The plug-in's files, in the current folder; no Cabrillo file unless one was asked for.
  std::string problemLinesFile;
  std::string cabrilloFile;
  bool cabrilloProduced = false;  // written whole by this run, with the header values
  // Why the Cabrillo log was not written or was taken back: no own area code, no QSO line, a
  // header value no robot accepts, its header values not written; and whether the earlier
  // file stands. Empty when it was produced or not asked for.
  std::string cabrilloRefusal;
  // The QSOs handed to the plug-in, in the order handed; by a plan, those to hand.
  std::vector<HostQso> handed;
};

class ReplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Whether an own call is a UK/EI station's, by the country file: how to read the sent
// exchange of a Cabrillo log.
SendsAreaCode UkEiStations(const CtyDatabase& cty);

// Throws ReplayError when the log leaves the own call or the leg open, or the settings
// cannot be written. When no QSO is left to hand over, the plug-in is not called, and the
// result says why. A Cabrillo log that robots would refuse is not written, and the result
// says why.
ReplayResult Replay(const StatsLibrary& stats, const CtyDatabase& cty, const LogFile& log,
                    const ReplayOptions& options);
// The replay of a plan that PlanReplay made of the log with these options.
ReplayResult Replay(const StatsLibrary& stats, const LogFile& log, const ReplayOptions& options,
                    ReplayResult plan);

// The steps of a replay, for programs that play a log as a host does in other ways.

// One QSO of the log with the texts the host passes for it.
struct HostQso {
  int line = 0;  // of the log file
  std::string ownCall, call, mode, rstSent, rstReceived, sentNumber, exchange, band;
  Placement worked;
  OleDate time;
  unsigned frequencyHz = 0;
};

// The station and the QSOs to hand over, in time order, as Replay works them out; the
// station, the counts of what was left out and the warnings, the QSOs to hand in `handed`,
// and why none is left when none is. Throws ReplayError as Replay does.
ReplayResult PlanReplay(const CtyDatabase& cty, const LogFile& log, const ReplayOptions& options);

// The leg, the own area code and the Cabrillo header values into the plug-in's INI file,
// as the operator sets them, with the windows marked as just shown so that the next reset
// leaves them closed. Throws ReplayError when a value cannot be stored: the plug-in would
// not read what the replay says it scores.
void WriteSettings(const ReplayStation& station, const ReplayOptions& options);

// The plug-in's files of the station, in the current folder: the problem lines of its
// contest period, the Cabrillo log named after its call.
std::string ProblemLinesFile(const ReplayStation& station);
std::string CabrilloFile(const ReplayStation& station);

// ResetStats0 with the station; `cabrillo`: a run for export.
void ResetFor(const StatsLibrary& stats, const ReplayStation& station, bool cabrillo);

// The QSOs stored so far, by call, band and mode: a stored QSO with the key of an earlier
// stored one is a dupe. It keeps pointers: each QSO must outlive it.
class StoredQsos {
 public:
  explicit StoredQsos(size_t expected);
  // Stores the QSO; whether an earlier one had its key.
  bool StoreIsDupe(const HostQso& qso);

 private:
  std::vector<const HostQso*> qsos_;  // those that were no dupe, as stored
  TextIndex keys_;                    // their keys: call, band and mode
};

// The area code the plug-in takes from a UK/EI station's exchange: its last two letters,
// when they are a valid code.
std::string ReceivedAreaCode(const HostQso& qso);
// Whether the plug-in stores the QSO with an area warning: a UK/EI station's exchange
// without a valid area code.
bool HasAreaWarning(const HostQso& qso);

// AddData0 and RemoveData0 of the QSO; what they return.
int AddQso(const StatsLibrary& stats, const HostQso& qso);
int RemoveQso(const StatsLibrary& stats, const HostQso& qso);

// The key, of the tool's own, of the call the Cabrillo header in the settings is for.
inline constexpr const char* kHeaderCallKey = "Header_Call";

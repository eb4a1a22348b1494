#pragma once
// The check the adjudicator will make, before the log is submitted: calls that are likely
// busted, exchanges that disagree between QSOs of one station, own serial numbers that
// repeat or go backwards, the operating time, and a category that the log contradicts.
// Each finding names the QSO's line in the log file, both lines for a pair.

#include <string>
#include <string_view>
#include <vector>

#include "tools/logs/known_calls.h"
#include "tools/replay/off_times.h"
#include "tools/replay/replay.h"

enum class FindingKind {
  kBustedCall,       // worked once, not known, exactly one known call one edit away
  kAreaDisagrees,    // the station's area code differs from another QSO of it
  kSerialBackwards,  // the station's serial numbers go backwards in time
  kOwnSerial,        // an own serial number repeats or goes backwards in time
  kOperatingTime,    // more on-time than the category allows
  kCategory,         // the header's category and the log disagree
};
inline constexpr int kFindingKinds = 6;

struct Finding {
  FindingKind kind;
  int line = 0;       // the QSO's line in the log; 0: the log's header
  int otherLine = 0;  // the other QSO of a pair; 0 when there is none
  std::string call;   // the worked call; the own call for a finding about the header
  std::string what;   // "likely G4ABC (not in MASTER.SCP, worked once)"
};

// "LINE: CALL: what", "LINE, OTHER: CALL: what" for a pair, "header: CALL: what".
std::string FindingLine(const Finding& finding);

// "possible busted call" / "possible busted calls", by the count.
std::string KindName(FindingKind kind, int count);

// The header values the category is checked against, as the written file has them;
// empty where not given.
struct CategoryHeader {
  std::string operatorCategory;  // CATEGORY-OPERATOR
  std::string operators;         // OPERATORS, calls apart by blanks or commas
  std::string band;              // CATEGORY-BAND
  std::string mode;              // CATEGORY-MODE
  std::string time;              // CATEGORY-TIME
};

// The header the Cabrillo file carries: the values of --header, else those of the log's own
// header, else those kept in the plug-in's INI file.
CategoryHeader SubmittedCategoryHeader(const LogFile& log, const ReplayOptions& options);

// The time on the air: the contest's 24 hours less the breaks of 60 minutes or more.
struct OperatingTime {
  int onMinutes = 0;
  OffTimes off;  // breaks of 60 minutes or more
};

struct LogCheck {
  std::vector<Finding> findings;   // by line, pairs by their later line
  int counts[kFindingKinds] = {};  // per kind, indexed by FindingKind
  OperatingTime time;
  int count(FindingKind kind) const { return counts[static_cast<int>(kind)]; }
};

// Checks the QSOs handed to the plug-in (those of the leg and the period) of the station,
// taken in time order, equal times in log order.
LogCheck CheckLog(const KnownCalls& knownCalls, const ReplayStation& station,
                  const std::vector<HostQso>& qsos, const CategoryHeader& header);

// The section "Before you submit": the on-time, one line per finding, the count per kind;
// "nothing found" when there is nothing to report. Lines end in LF.
std::string BeforeYouSubmit(const LogCheck& check);

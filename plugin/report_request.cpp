// GetResult0: the report made anew from the log under the contest lock; the claimed score
// handed to its writer; for an export, the Cabrillo file written and the operator told.

#include "plugin/contest_log.h"
#include "plugin/windows_link.h"

const char* ProduceReport() {
  MutexLock guard(contest.lock);
  ContestLog& log = contest.log;
  SortIntoReportOrder(log.bandsSeen);
  MakeReport(contest.station, log.qsoList, log.bandsSeen, contest.results);
  const long long claimedScore = contest.results.claimedScore;
  const bool exporting = contest.station.cabrilloRequested != 0;
  const std::string message =
      exporting ? ExportCabrilloLog(contest.cabrilloLog, contest.station, log.qsoList, claimedScore)
                : std::string();
  const char* text = contest.results.text.c_str();
  // The operator closes the box in their own time: the window thread must not wait for it.
  guard.Unlock();
  contest.claimedSetting.Set(std::to_string(claimedScore));
  if (exporting) {
    contest.claimedSetting.Flush();
    Windows().ShowMessage(message, "Output", WindowsLink::MessageKind::kInformation);
  }
  return text;
}

// ResetStats0: starts a statistics run.

#include "plugin/contest_log.h"
#include "plugin/windows_link.h"
#include "reports/cabrillo_header.h"
#include "reports/stats_file.h"

namespace {

void StoreStation(const StationArgs& args) REQUIRES(contest.lock) {
  Station& station = contest.station;
  station.startDayMonth = FormatDate(args.contestStart, "%d.%m");
  station.startYear = FormatDate(args.contestStart, "%Y");
  station.endDate = FormatDate(args.contestEnd, "%d.%m.%Y");
  contest.log.qsoList.Clear();
  contest.log.bandsSeen.clear();
  station.hostFolder = args.hostFolder;
  station.ownPrefix = args.ownPrefix;
  // Both flags follow the station of this run: a DX log opened after a UK/EI one in the
  // same host session is scored as DX and sends no area code.
  station.useRussianCaptions = IsRussianCaptionPrefix(station.ownPrefix) ? 1 : 0;
  station.isUkEiStation = IsUkEiPrefix(station.ownPrefix) ? 1 : 0;
  station.ownAreaCode = station.isUkEiStation ? contest.settings.Read(kAreaCodeKey) : std::string();
  station.ownContinent = args.ownContinent;
  station.ownCall = args.ownCall;
  for (int slot = 0; slot < kBandSlots; ++slot) {
    contest.view.bandStatus[slot] =
        BandStatusRow{std::string(kBandNames[slot]), "-", "-", "-", "-"};
  }
  station.isCwMode = contest.settings.ReadInt(kModeKey);
  station.cabrilloRequested = args.cabrilloExport;
}

// The header dialog of an export: 1 after OK; 0 after Cancel, which switches the export of
// this statistics run off. The lock is let go while the dialog is open.
int RunHeaderDialog(const std::string& ownCall, const OleDate& contestStart,
                    const OleDate& contestEnd) EXCLUDES(contest.lock) {
  CabrilloDialogFields fields;
  {
    MutexLock guard(contest.lock);
    LoadHeader(contest.cabrilloLog, ownCall, contestStart, contestEnd,
               contest.station.isCwMode != 0, contest.settings);
    fields = contest.cabrilloLog.header;
  }
  Windows().StopRefresh();
  const bool confirmed = Windows().RunCabrilloDialog(fields);

  MutexLock guard(contest.lock);
  if (!confirmed) {
    contest.station.cabrilloRequested = 0;
    return 0;
  }
  StoreHeader(contest.cabrilloLog, fields, contest.settings);
  return 1;
}

// Every other reset opens the windows: the key "Start" remembers which one is due,
// also from one run of the host to the next. Returns the key as it was read.
int ToggleWindowStart() {
  const IniFile& settings = contest.settings;
  const int startFlag = settings.ReadInt(kStartKey);
  if (startFlag != 0) {
    settings.Write(kStartKey, "0");
  } else if (!Windows().ControlWindowOpen()) {
    Windows().StartControlWindow();
    settings.Write(kStartKey, "1");
  }
  return startFlag;
}

}  // namespace

int ResetStatistics(const StationArgs& args) {
  // The header dialog shows the claimed score of the last report.
  contest.claimedSetting.Flush();
  MutexLock guard(contest.lock);
  StoreStation(args);

  // The dialog and the window thread run without the lock: the refresh takes it.
  guard.Unlock();
  if (args.cabrilloExport != 0) {
    RunHeaderDialog(std::string(args.ownCall), args.contestStart, args.contestEnd);
    contest.settings.Write(kStartKey, "1");
  }
  const int startFlag = ToggleWindowStart();
  guard.Lock();

  Station& station = contest.station;
  station.startFlag = startFlag;
  station.endDateTag = StatsFileDateTag(args.contestStart, args.contestEnd);
  station.statsFileName = StatsFileName(station.endDateTag);
  CreateStatsFile(station.statsFileName, station.isCwMode != 0);
  return 1;
}

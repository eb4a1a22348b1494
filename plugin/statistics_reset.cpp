// ResetStats0: starts a statistics run.

#include <mutex>

#include "platform/windows_link.h"
#include "plugin/contest_log.h"
#include "plugin/contest_state.h"
#include "reports/cabrillo_header.h"
#include "reports/stats_file.h"

namespace {

void StoreStation(const StationArgs& station) {
  ContestState& c = contest;
  c.startDayMonth = FormatDate(station.contestStart, "%d.%m");
  c.startYear = FormatDate(station.contestStart, "%Y");
  c.endDate = FormatDate(station.contestEnd, "%d.%m.%Y");
  c.qsoList.Clear();
  c.bandsSeen.clear();
  c.hostFolder = station.hostFolder;
  c.ownPrefix = station.ownPrefix;
  // Both flags follow the station of this run: a DX log opened after a UK/EI one in the
  // same host session is scored as DX and sends no area code.
  c.useRussianCaptions = IsRussianCaptionPrefix(c.ownPrefix) ? 1 : 0;
  c.isUkEiStation = IsUkEiPrefix(c.ownPrefix) ? 1 : 0;
  c.ownAreaCode = c.isUkEiStation ? c.settings.Read("setup_areacode") : std::string();
  c.ownContinent = station.ownContinent;
  c.ownCall = station.ownCall;
  for (int slot = 0; slot < kBandSlots; ++slot) {
    c.bandStatus[slot] = BandStatusRow{std::string(kBandNames[slot]), "-", "-", "-", "-"};
  }
  c.isCwMode = c.settings.ReadInt("Mode");
  c.cabrilloRequested = station.cabrilloExport;
}

// Every other reset opens the windows: the INI key "Start" remembers which one is due,
// also from one run of the host to the next. Returns the key as it was read.
int ToggleWindowStart() {
  const IniFile& settings = contest.settings;
  const int startFlag = settings.ReadInt("Start");
  if (startFlag != 0) {
    settings.Write("Start", "0");
  } else if (!Windows().ControlWindowOpen()) {
    Windows().StartControlWindow();
    settings.Write("Start", "1");
  }
  return startFlag;
}

}  // namespace

int ResetStatistics(const StationArgs& station) {
  // The header dialog shows the claimed score of the last report.
  contest.claimedSetting.Flush();
  std::unique_lock<std::mutex> guard(contest.lock);
  StoreStation(station);

  // The dialog and the window thread run without the lock: the refresh takes it.
  guard.unlock();
  if (station.cabrilloExport != 0) {
    RunHeaderDialog(std::string(station.ownCall), station.contestStart, station.contestEnd);
    contest.settings.Write("Start", "1");
  }
  const int startFlag = ToggleWindowStart();
  guard.lock();

  contest.startFlag = startFlag;
  contest.endDateTag = StatsFileDateTag(station.contestStart, station.contestEnd);
  contest.statsFileName = StatsFileName(contest.endDateTag);
  CreateStatsFile(contest.statsFileName, contest.isCwMode != 0);
  return 1;
}

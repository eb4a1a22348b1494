#pragma once
// The plug-in's contest state: one instance per loaded module, built when the library
// loads. The host's thread changes it inside the entry points; the window thread reads the
// log and the report's results and keeps the window view for its refresh. Every part that
// both threads touch is guarded by `lock`; the settings file guards itself.
//
// Who takes the lock: the operation behind each entry point (plugin/contest_log.h) takes it
// itself, for no longer than its work on the state, and lets it go before a dialog, a
// message box or a request to the windows; the entry points themselves take no lock. On
// the window thread the refresh and the control window's settings take it only to copy or
// change the state, never across a call to the host.

#include <array>
#include <string>
#include <vector>

#include "contest/band_tables.h"
#include "contest/qso_log.h"
#include "contest/settings_file.h"
#include "contest/station.h"
#include "platform/annotated_mutex.h"
#include "platform/deferred_setting.h"
#include "platform/ini_file.h"
#include "reports/cabrillo_log.h"
#include "reports/report.h"

// The log of this statistics run, and every band text it was handed (in report order as
// of the last report, the new ones behind).
struct ContestLog {
  QsoLog qsoList;
  std::vector<std::string> bandsSeen;
};

// What the refresh followed from the host, for the worked-status button.
struct WindowView {
  std::array<BandStatusRow, kBandSlots> bandStatus;
  std::string currentCall;
  int currentBandIndex = -1;
};

struct ContestState {
  Mutex lock;
  Station station GUARDED_BY(lock);
  ContestLog log GUARDED_BY(lock);
  // The last report: its text stays the host's until the next one.
  ReportResults results GUARDED_BY(lock);
  WindowView view GUARDED_BY(lock);
  // The Cabrillo header and QSO lines of an export.
  CabrilloLog cabrilloLog GUARDED_BY(lock);

  const IniFile settings{kSettingsSection, kSettingsPath};
  // The score of the last report, written off the host's thread.
  DeferredSetting claimedSetting{settings, kClaimedKey};
};

extern ContestState contest;

#pragma once
// The plug-in's whole contest state: one instance per loaded module, built when the
// library loads. The host's thread changes it inside the entry points; the window thread
// reads it for its refresh. Both hold `lock` while they touch it.

#include <array>
#include <mutex>
#include <string>
#include <vector>

#include "platform/deferred_setting.h"
#include "platform/ini_file.h"
#include "plugin/contest_rules.h"
#include "plugin/qso_log.h"
#include "plugin/settings_file.h"
#include "reports/cabrillo_log.h"

// One worked-with row per band slot: band name, mode, time, zone, spare column.
using BandStatusRow = std::array<std::string, 5>;

struct ContestState {
  std::mutex lock;

  // Station and contest data, set by each reset.
  std::string ownCall;
  std::string ownPrefix;
  std::string ownContinent;
  std::string hostFolder;
  int isUkEiStation = 0;
  int useRussianCaptions = 0;
  std::string ownAreaCode;
  std::string startDayMonth;  // "%d.%m"
  std::string startYear;      // "%Y"
  std::string endDate;        // "%d.%m.%Y"
  std::string endDateTag;     // "%d_%m_%Y"
  std::string statsFileName;
  int cabrilloRequested = 0;

  // Settings.
  IniFile settings{kSettingsSection, kSettingsPath};
  // "Claimed": the score of the last report, written off the host's thread.
  DeferredSetting claimedSetting{settings, "Claimed"};
  int isCwMode = 0;
  int startFlag = 0;

  // The log of this statistics run, and every band text it was handed.
  QsoLog qsoList;
  std::vector<std::string> bandsSeen;

  // Per band slot.
  std::array<BandStatusRow, kBandSlots> bandStatus;
  std::array<std::vector<std::string>, kBandSlots> workedDxccByBand;
  std::array<std::vector<std::string>, kBandSlots> workedAreasByBand;

  // Followed from the host by the refresh.
  std::string currentCall;
  int currentBandIndex = -1;

  // The Cabrillo header and QSO lines of an export.
  CabrilloLog cabrilloLog;

  // The last report. The score is 64 bits wide: no log can overflow it.
  long long claimedScore = 0;
  std::string reportText;
};

extern ContestState contest;

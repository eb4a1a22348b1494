#pragma once
// The station and the statistics run it keeps, set by each reset. The control window
// changes the leg, the own area code and the problem-line file it names.

#include <string>

struct Station {
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
  int isCwMode = 0;
  int startFlag = 0;  // the INI key "Start" as the reset read it
};

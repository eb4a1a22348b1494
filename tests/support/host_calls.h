#pragma once
// The entry points called the way a host calls them, with the unused parameters filled
// in and the used ones named.

#include <string>

#include "platform/ole_date.h"

struct HostStation {
  const char* hostFolder = "";
  int cabrilloExport = 0;
  const char* ownCall = "DL1AAA";
  OleDate start = FromCalendar({2016, 11, 12, 12, 0, 0});
  OleDate end = FromCalendar({2016, 11, 13, 12, 0, 0});
  const char* ownPrefix = "DL";
  const char* ownContinent = "EU";
};

struct Qso {
  const char* ownCall = "DL1AAA";
  const char* call = "G4ABC";
  OleDate time = FromCalendar({2016, 11, 12, 12, 5, 0});
  unsigned frequencyHz = 14025000;
  const char* mode = "CW";
  const char* rstSent = "599";
  const char* rstReceived = "599";
  const char* sentNumber = "001";
  const char* exchange = "5LN";
  const char* prefix = "G";
  const char* continent = "EU";
  const char* band = "20m";
};

int Reset(HostStation station = {});
int Add(Qso qso);
int Remove(Qso qso);
int Check(const char* call, const char* mode = "CW", const char* prefix = "G",
          const char* band = "20m", const char* secondBand = nullptr, char* output = nullptr);

#pragma once
// One QSO of the contest log, as the intake stored it.

#include <string>

#include "platform/ole_date.h"

struct CInfo {
  std::string call;       // worked call, as the host passed it
  std::string prefix;     // DXCC prefix of the worked station: the DXCC multiplier
  std::string continent;  // continent of the worked station
  std::string band;       // band text as passed ("20m", or "20M")
  std::string mode;       // mode text as passed ("CW", "SSB", "cw")
  std::string rstReceived;
  std::string rstSent;
  std::string exchangeReceived;  // normal form: number, blank, area code or "--"
  std::string exchangeSent;      // sent number, blank, own area code or "--"
  std::string areaCode;          // the valid area code as received; its district is the multiplier
  int zone = 0;                  // never set by the intake; shown by the worked-with rows
  int frequencyKhz = 0;
  int isDupe = 0;  // an earlier QSO has the same call, band and mode
  OleDate time;
};

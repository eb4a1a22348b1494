#pragma once
// One QSO of the contest log, as the intake stored it.

#include <cstdint>
#include <string>

#include "platform/ole_date.h"

// How the worked station scores against a station outside UK/EI.
enum class WorkedClass : uint8_t { kUkEi, kEurope, kElsewhere };

// What the report reads of a QSO, worked out from its texts and time once, when the log
// takes it in. The numbers are the log's for its texts; kNone where a text is empty.
struct QsoKeys {
  static constexpr int kNone = -1;
  int prefix = kNone;    // the DXCC prefix
  int district = kNone;  // the area code's district
  int continent = 0;
  int band = 0;  // the band text as passed
  WorkedClass workedClass = WorkedClass::kElsewhere;
  bool bonusHour = false;  // made in the small hours, when UK/EI stations score double
};

// The fields the report reads come first, so that it finds them close together.
struct CInfo {
  OleDate time;
  int isDupe = 0;         // an earlier QSO has the same call, band and mode
  QsoKeys keys;           // set by the log from the texts below and the time
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
};

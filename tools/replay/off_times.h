#pragma once
// Stretches of the contest period without a QSO: the hour table shows those of 30 minutes
// or more, the operating time counts those of 60 minutes or more, the contest's shortest
// break.

#include <string>
#include <vector>

#include "platform/ole_date.h"

// A moment in whole seconds, for exact comparisons of times.
long long WholeSeconds(const OleDate& date);
OleDate AtSeconds(long long seconds);

// A stretch of the contest period without a QSO.
struct OffTime {
  OleDate from, to;
  int minutes = 0;
};

struct OffTimes {
  std::vector<OffTime> breaks;  // in time order
  int minutes = 0;              // of all of them
};

// The stretches of at least `shortest` minutes between `start`, the QSOs' times (in
// seconds, in time order; those outside the period are passed over) and `end`.
OffTimes FindOffTimes(const std::vector<long long>& seconds, long long start, long long end,
                      int shortest);

// "1302" for 13:02 UTC; the rates line, the check and the page name times so.
std::string HourAndMinute(const OleDate& time);
// "2h05" for 125 minutes.
std::string Duration(int minutes);

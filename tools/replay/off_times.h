#pragma once
// Stretches of the contest period without a QSO: the hour table shows those of 30 minutes
// or more, the operating time counts those of 60 minutes or more, the contest's shortest
// break.

#include <vector>

#include "platform/ole_date.h"

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

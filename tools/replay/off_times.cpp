#include "tools/replay/off_times.h"

#include <cmath>

#include "platform/text_format.h"

long long WholeSeconds(const OleDate& date) {
  return std::llround(date.m_dt * 86400.0);
}

OleDate AtSeconds(long long seconds) {
  return OleDate{static_cast<double>(seconds) / 86400.0, OleDate::kValid};
}

OffTimes FindOffTimes(const std::vector<long long>& seconds, long long start, long long end,
                      int shortest) {
  OffTimes off;
  long long from = start;
  auto gapUntil = [&](long long to) {
    const int minutes = static_cast<int>((to - from) / 60);
    if (minutes >= shortest) {
      off.breaks.push_back({AtSeconds(from), AtSeconds(to), minutes});
      off.minutes += minutes;
    }
  };
  for (const long long time : seconds) {
    if (time < start || time >= end) continue;
    gapUntil(time);
    from = time;
  }
  gapUntil(end);
  return off;
}

std::string HourAndMinute(const OleDate& time) {
  return FormatDate(time, "%H%M");
}

std::string Duration(int minutes) {
  return Formatted("%dh%02d", minutes / 60, minutes % 60);
}

#include "platform/ole_date.h"

#include <cmath>

namespace {

constexpr double kFirstDay = -657434.0;  // 1 January 100
constexpr double kLastDay = 2958465.0;   // 31 December 9999
constexpr double kHalfSecond = 1.0 / (2.0 * 86400.0);
constexpr long kDaysFromCivilEpochTo1899_12_30 = -25569 + 719468;  // see CivilFromDays

// Howard Hinnant's civil calendar algorithms, days counted from 1 March of year 0.
void CivilFromDays(long days, int& year, int& month, int& day) {
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long dayOfEra = days - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long monthIndex = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

long DaysFromCivil(int year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra;
}

void AppendNumber(std::string& out, int value, int width) {
  char digits[16];
  int length = 0;
  unsigned magnitude = static_cast<unsigned>(value < 0 ? -value : value);
  do {
    digits[length++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) out += '-';
  for (int pad = length; pad < width; ++pad) out += '0';
  while (length > 0) out += digits[--length];
}

}  // namespace

namespace {

struct DayAndSecond {
  long wholeDays;  // days since 30 December 1899, as the whole part of the day count
  long second;     // of the day, 0 to 86399
};

// Rounds to the nearest second and splits the day count, as the platform does; empty for
// dates that are not valid or fall outside years 100 to 9999 (NaN included).
std::optional<DayAndSecond> SplitDate(const OleDate& date) {
  const double dt = date.m_dt;
  if (date.m_status != OleDate::kValid || !(dt >= kFirstDay && dt < kLastDay + 1.0)) {
    return std::nullopt;
  }
  // Negative day counts run backwards in days but forwards in time of day:
  // -1.25 is 29 December 1899, 06:00.
  const double rounded = dt + (dt > 0.0 ? kHalfSecond : -kHalfSecond);
  if (rounded >= kLastDay + 1.0) return std::nullopt;  // rounded into the year 10000
  const double magnitude = std::fabs(rounded);
  const long second = static_cast<long>((magnitude - std::floor(magnitude)) * 86400.0);
  return DayAndSecond{static_cast<long>(rounded), second > 86399 ? 86399 : second};
}

}  // namespace

std::optional<CalendarTime> ToCalendar(const OleDate& date) {
  const std::optional<DayAndSecond> split = SplitDate(date);
  if (!split) return std::nullopt;
  CalendarTime fields{};
  CivilFromDays(split->wholeDays + kDaysFromCivilEpochTo1899_12_30, fields.year, fields.month,
                fields.day);
  fields.hour = static_cast<int>(split->second / 3600);
  fields.minute = static_cast<int>(split->second / 60 % 60);
  fields.second = static_cast<int>(split->second % 60);
  return fields;
}

int HourOfDay(const OleDate& date) {
  const std::optional<DayAndSecond> split = SplitDate(date);
  return split ? static_cast<int>(split->second / 3600) : -1;
}

OleDate FromCalendar(const CalendarTime& time) {
  const long days =
      DaysFromCivil(time.year, time.month, time.day) - kDaysFromCivilEpochTo1899_12_30;
  const double dayFraction = (time.hour * 3600.0 + time.minute * 60.0 + time.second) / 86400.0;
  // Before 1899-12-30 the fraction counts forwards from a negative whole day.
  return OleDate{days >= 0 ? days + dayFraction : days - dayFraction, OleDate::kValid};
}

std::string FormatDate(const OleDate& date, const char* pattern) {
  if (date.m_status == OleDate::kNull) return {};
  const std::optional<CalendarTime> fields = ToCalendar(date);
  if (!fields) return "Invalid DateTime";
  std::string out;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (*p != '%' || p[1] == '\0') {
      out += *p;
      continue;
    }
    switch (*++p) {
      case 'd':
        AppendNumber(out, fields->day, 2);
        break;
      case 'm':
        AppendNumber(out, fields->month, 2);
        break;
      case 'Y':
        AppendNumber(out, fields->year, 1);
        break;
      case 'y':
        AppendNumber(out, fields->year % 100, 2);
        break;
      case 'H':
        AppendNumber(out, fields->hour, 2);
        break;
      case 'M':
        AppendNumber(out, fields->minute, 2);
        break;
      case 'S':
        AppendNumber(out, fields->second, 2);
        break;
      default:
        out += *p;
        break;
    }
  }
  return out;
}

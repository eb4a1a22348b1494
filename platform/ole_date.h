#pragma once
// The host's date object: an OLE Automation day count (days since 30 December 1899, the
// time of day as the fraction) followed by a validity status. The host passes pointers
// to it, so the layout must match its own to the byte.

#include <optional>
#include <string>

struct OleDate {
  enum Status : int { kValid = 0, kInvalid = 1, kNull = 2 };
  double m_dt = 0.0;
  int m_status = kValid;
};
static_assert(sizeof(OleDate) == 16, "the host's date object is a double and an int, 8-aligned");

struct CalendarTime {
  int year, month, day, hour, minute, second;
};

// Splits a valid date into calendar fields the way the platform does: rounded to the
// nearest second first, so that 12:05 stored as 12:04:59.9999 reads 12:05. Empty for
// invalid or null dates and for day counts outside years 100 to 9999 (NaN included).
std::optional<CalendarTime> ToCalendar(const OleDate& date);

// The hour of the day as ToCalendar gives it, or -1 where ToCalendar gives nothing.
int HourOfDay(const OleDate& date);

// Builds a valid date from calendar fields (used by hosts and tools, not by the logic).
OleDate FromCalendar(const CalendarTime& time);

// Formats with the strftime codes %d %m %Y %y %H %M %S and %%. A null date gives an
// empty text, an invalid or unrepresentable one "Invalid DateTime".
std::string FormatDate(const OleDate& date, const char* pattern);

// The host passes dates by pointer; a missing one reads as the null date.
inline OleDate DateOrNull(const OleDate* date) {
  return date ? *date : OleDate{0.0, OleDate::kNull};
}

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "platform/ole_date.h"

TEST(OleDate, FormatsFieldsAndRoundsToTheNearestSecond) {
  const OleDate noon = FromCalendar({2016, 11, 12, 12, 5, 0});
  EXPECT_EQ(FormatDate(noon, "%Y-%m-%d %H%M"), "2016-11-12 1205");
  EXPECT_EQ(FormatDate(noon, "%d.%m"), "12.11");
  EXPECT_EQ(FormatDate(noon, "%d.%m.%Y"), "12.11.2016");
  EXPECT_EQ(FormatDate(noon, "%d_%m_%Y %H:%M:%S %y%%"), "12_11_2016 12:05:00 16%");

  // 12:05 stored a hair early must still read 12:05, not 12:04.
  const OleDate early{noon.m_dt - 1e-9, OleDate::kValid};
  EXPECT_EQ(FormatDate(early, "%H%M"), "1205");
  // 23:59:59.6 rounds into the next day.
  const OleDate lateNight{FromCalendar({2016, 11, 12, 0, 0, 0}).m_dt + (86399.6 / 86400.0),
                          OleDate::kValid};
  EXPECT_EQ(FormatDate(lateNight, "%Y-%m-%d %H%M%S"), "2016-11-13 000000");
}

TEST(OleDate, EpochLeapYearsAndDaysBeforeTheEpoch) {
  EXPECT_EQ(FormatDate(OleDate{0.0, OleDate::kValid}, "%Y-%m-%d %H%M"), "1899-12-30 0000");
  EXPECT_EQ(FormatDate(OleDate{60.0, OleDate::kValid}, "%Y-%m-%d"), "1900-02-28");
  EXPECT_EQ(FormatDate(FromCalendar({2000, 2, 29, 6, 30, 0}), "%Y-%m-%d %H%M"), "2000-02-29 0630");
  // Before the epoch the day counts backwards but the time of day forwards.
  EXPECT_EQ(FormatDate(OleDate{-1.25, OleDate::kValid}, "%Y-%m-%d %H%M"), "1899-12-29 0600");
  EXPECT_DOUBLE_EQ(FromCalendar({1899, 12, 29, 6, 0, 0}).m_dt, -1.25);
}

TEST(OleDate, NullInvalidAndUnrepresentableDates) {
  EXPECT_EQ(FormatDate(OleDate{42000.0, OleDate::kNull}, "%Y"), "");
  EXPECT_EQ(FormatDate(OleDate{42000.0, OleDate::kInvalid}, "%Y"), "Invalid DateTime");
  EXPECT_EQ(FormatDate(OleDate{42000.0, 7}, "%Y"), "Invalid DateTime");
  for (double day : {std::nan(""), std::numeric_limits<double>::infinity(), -1e300, 1e300,
                     -657435.0, 2958466.0}) {
    EXPECT_EQ(FormatDate(OleDate{day, OleDate::kValid}, "%Y"), "Invalid DateTime") << day;
  }
  EXPECT_EQ(FormatDate(OleDate{-657434.0, OleDate::kValid}, "%Y-%m-%d"), "100-01-01");
  EXPECT_EQ(FormatDate(OleDate{2958465.5, OleDate::kValid}, "%Y-%m-%d %H%M"), "9999-12-31 1200");
  EXPECT_EQ(FormatDate(DateOrNull(nullptr), "%Y"), "");
  EXPECT_EQ(FormatDate(OleDate{2958465.999999, OleDate::kValid}, "%Y"), "Invalid DateTime");
}

TEST(OleDate, HourOfDayAgreesWithTheCalendar) {
  for (double dt : {42686.0, 42686.5, 42686.0 + 1.0 / 24 - 1e-9, -1.25, -0.99, 0.9999999, 2958465.5,
                    -657434.0}) {
    const OleDate date{dt, OleDate::kValid};
    EXPECT_EQ(HourOfDay(date), ToCalendar(date)->hour) << dt;
  }
  EXPECT_EQ(HourOfDay(OleDate{42686.5, OleDate::kInvalid}), -1);
  EXPECT_EQ(HourOfDay(OleDate{std::nan(""), OleDate::kValid}), -1);
}

#include <gtest/gtest.h>

#include "DateValue.h"

using namespace nv;

TEST(DateValue, CountsDaysFromThirtiethDecember1899) {
    EXPECT_EQ(dateSerial(1899, 12, 30), 0);
    EXPECT_EQ(dateSerial(1900, 1, 1), 2);
    EXPECT_EQ(dateSerial(2002, 6, 21), 37428);
    EXPECT_EQ(dateSerial(2050, 1, 1), 54789);
    EXPECT_EQ(dateSerial(1899, 12, 29), -1);
}

TEST(DateValue, MonthsAndDaysOutOfRangeCarry) {
    EXPECT_EQ(dateSerial(2004, 3, 0), dateSerial(2004, 2, 29));  // day 0 of the next month
    EXPECT_EQ(dateSerial(2002, 13, 0), dateSerial(2002, 12, 31));
    EXPECT_EQ(dateSerial(2002, 13, 1), dateSerial(2003, 1, 1));
    EXPECT_EQ(dateSerial(2002, 0, 1), dateSerial(2001, 12, 1));
    EXPECT_EQ(dateSerial(2002, -11, 1), dateSerial(2001, 1, 1));
    EXPECT_EQ(dateSerial(2002, 1, 32), dateSerial(2002, 2, 1));
}

TEST(DateValue, SplitsIntoPartsWithTimeRoundedToTheSecond) {
    const DateParts p = splitDate(dateSerial(2002, 6, 21) + timeSerial(17, 5, 9));
    EXPECT_EQ(p.year, 2002);
    EXPECT_EQ(p.month, 6);
    EXPECT_EQ(p.day, 21);
    EXPECT_EQ(p.hour, 17);
    EXPECT_EQ(p.minute, 5);
    EXPECT_EQ(p.second, 9);
    // 23:59:59.7 rounds into the next day when split, but the day alone is never rounded up.
    const DateValue late = dateSerial(2002, 6, 21) + 86399.7 / 86400;
    EXPECT_EQ(day(late), 22);
    EXPECT_EQ(dateOnly(late), dateSerial(2002, 6, 21));
}

TEST(DateValue, NegativeValuesCountBackWithTheTimeRunningForward) {
    const DateParts p = splitDate(-1.25);
    EXPECT_EQ(p.year, 1899);
    EXPECT_EQ(p.month, 12);
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.hour, 6);
}

TEST(DateValue, TimeSerialCarriesHoursPastADay) {
    EXPECT_DOUBLE_EQ(timeSerial(24, 1, 0), 1 + 60.0 / 86400);
    EXPECT_DOUBLE_EQ(timeSerial(12, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(timeSerial(0, 90, 0), 1.5 / 24);
}

TEST(DateValue, WeekdayCountsSundayAsOne) {
    EXPECT_EQ(weekday(dateSerial(2002, 6, 16)), 1);  // Sunday
    EXPECT_EQ(weekday(dateSerial(2002, 6, 21)), 6);  // Friday
    EXPECT_EQ(weekday(dateSerial(2002, 6, 22)), 7);  // Saturday
    EXPECT_EQ(weekday(0), 7);                        // 30 December 1899, a Saturday
    EXPECT_EQ(weekday(-1), 6);
}

TEST(DateValue, ClockSourceIsASeam) {
    const DateValue fixed = dateSerial(2002, 6, 21) + timeSerial(13, 14, 15);
    const ClockSource previous = setClockSource([fixed] { return fixed; });
    EXPECT_EQ(now(), fixed);
    EXPECT_EQ(today(), dateSerial(2002, 6, 21));
    setClockSource(previous);
    EXPECT_GT(now(), dateSerial(2020, 1, 1));
}

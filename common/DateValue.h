// The date value: a double counting days from 30 December 1899, the fraction being the time
// of day. Before that day the whole part counts back while the fraction still runs forward
// (-1.25 is 29 December 1899, 06:00).
#pragma once

#include <cstdint>
#include <functional>

namespace nv {

using DateValue = double;

struct DateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

// Days from 30 December 1899 to the given day. Months and days outside their range carry over,
// so day 0 is the last day of the month before and month 13 is January of the next year.
DateValue dateSerial(int year, int month, int day);

// The time of day as a fraction; hours, minutes and seconds outside their range carry over, so
// 24:01:00 is one day and one minute.
DateValue timeSerial(int hour, int minute, int second);

// Year, month, day and the time of day rounded to the nearest second.
DateParts splitDate(DateValue d);

int year(DateValue d);
int month(DateValue d);
int day(DateValue d);
int hour(DateValue d);
int minute(DateValue d);
int second(DateValue d);

// 1 = Sunday ... 7 = Saturday.
int weekday(DateValue d);

// The day without its time of day (the time is dropped, never rounded up into the next day).
DateValue dateOnly(DateValue d);

// The seam through which every part of the program asks what time it is. The real clock is
// the system's local time; tests install a fixed or fast clock.
using ClockSource = std::function<DateValue()>;
DateValue now();
DateValue today();
ClockSource setClockSource(ClockSource source);  // an empty source restores the system clock
DateValue systemNow();

}  // namespace nv

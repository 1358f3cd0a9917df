// Calendar arithmetic (leap year, day of the year, first and last day of a week, month and
// year) and the two formatters through which every prayer time and Hijri date is shown.
#pragma once

#include <cstdint>
#include <string>

#include "DateValue.h"
#include "modHijri.h"

namespace nv {

bool IsLeapYear(int16_t year);
// The day number in its year, 1 for 1 January; a time of 12:00 or later may move it up by one.
int16_t DayOfYear(const DateValue& d);
DateValue FirstDayOfWeek(DateValue d);  // the Sunday on or before d, time of day kept
DateValue LastDayOfWeek(DateValue d);   // the Saturday on or after d, time of day kept
DateValue FirstDayOfMonth(DateValue d);
DateValue LastDayOfMonth(DateValue d);
DateValue FirstDayOfYear(DateValue d);
DateValue LastDayOfYear(DateValue d);

// The entries of the three format lists offered to the user, in their order.
inline constexpr const char* kGregorianDateFormats[] = {"mmm d ddd",  "d mmm ddd",   "d-mmm",
                                                       "Short Date", "Medium Date", "Long Date"};
inline constexpr const char* kHijriDateFormats[] = {"mmm d ddd", "d mmm ddd",   "d-mmm",     "d-m-yyyy",
                                                   "m/d/yyyy",  "Medium Date", "Long Date", "Both Date1"};
inline constexpr const char* kTimeFormats[] = {"hh:mm xx/xx", "Short Time", "Medium Time", "Long Time"};

// A time taken to the nearest whole minute (30 seconds and more go up, 23:59:30 to the next
// day's 00:00): the minute a prayer time is shown with and alerts at.
DateValue RoundToMinute(DateValue t);
// A time of day in the user's time format; "hh:mm xx/xx" is the 12-hour clock without designator.
// A format without seconds shows the time's nearest minute.
std::string FormatTimeText(DateValue t, const std::string& format);
// A day as a date of the Hijri calendar in one of the Hijri layouts; empty when the date cannot
// be converted.
std::string FormatHijriDate(DateValue d, const std::string& format, const HijriCalendar& calendar = {});

}  // namespace nv

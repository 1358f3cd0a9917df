// The platform's date formatting: a date value written with a named format ("Short Date",
// "Medium Date", "Long Date", "General Date", "Short Time", "Medium Time", "Long Time") or a
// pattern of the date-format language, with month and weekday names from the current locale:
//   d dd ddd dddd   day, two-digit day, abbreviated and full weekday; ddddd short date, dddddd long date
//   m mm mmm mmmm   month (a minute right after an hour or right before seconds), abbreviated and full month
//   y yy yyyy       day of the year, two-digit and four-digit year; w weekday number; q quarter
//   h hh n nn s ss  hour, minute, second; ttttt long time; c general date
//   AM/PM am/pm A/P a/p AMPM   twelve-hour clock with that designator (AMPM: the locale's; a locale
//                   without designators keeps the 24-hour clock and writes none)
//   "text" or \c    literal text; a "," is the locale's comma ("،" in Arabic script)
#pragma once

#include <string>
#include <string_view>

#include "DateValue.h"

namespace nv {

std::string FormatDate(DateValue d, std::string_view format);

}  // namespace nv

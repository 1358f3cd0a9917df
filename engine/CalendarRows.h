// What one row of the prayer calendar shows, shared by the main window, printing and
// noorvale-times: the days a view covers, the text of the Day column and the six time texts.
#pragma once

#include <array>
#include <string>

#include "DateValue.h"
#include "Translate.h"
#include "clsPrayTime.h"
#include "modHijri.h"

namespace nv {

enum CalendarView : int { kViewToday = 1, kViewWeek = 2, kViewMonth = 3, kViewYear = 4 };
enum DateStyle : int { kDateGregorian = 1, kDateHijri = 2 };

// The default names of the six periods and their descriptive names (period 1 first), in
// English: as stored, and as noorvale-times prints them. DefaultPeriodName and
// PeriodDescription give them in the program's language.
inline const std::array<std::string, 6> kPeriodNames = {
    NV_TRANSLATE_NOOP("Prayer", "Fajr"), NV_TRANSLATE_NOOP("Prayer", "Shurooq"),
    NV_TRANSLATE_NOOP("Prayer", "Dhuhr"), NV_TRANSLATE_NOOP("Prayer", "Asr"),
    NV_TRANSLATE_NOOP("Prayer", "Maghrib"), NV_TRANSLATE_NOOP("Prayer", "Isha")};
inline const std::array<std::string, 6> kPeriodDescriptions = {
    //: What the period of the day is (beside its prayer's name "Fajr").
    NV_TRANSLATE_NOOP("Prayer", "Dawn"),
    //: What the period of the day is (beside its name "Shurooq").
    NV_TRANSLATE_NOOP("Prayer", "Sunrise"),
    //: What the period of the day is (beside its prayer's name "Dhuhr").
    NV_TRANSLATE_NOOP("Prayer", "Noon"),
    //: What the period of the day is (beside its prayer's name "Asr").
    NV_TRANSLATE_NOOP("Prayer", "Afternoon"),
    //: What the period of the day is (beside its prayer's name "Maghrib").
    NV_TRANSLATE_NOOP("Prayer", "Sunset"),
    //: What the period of the day is (beside its prayer's name "Isha").
    NV_TRANSLATE_NOOP("Prayer", "Night")};

// The default name and the descriptive name of period 1..6 in the program's language; empty for
// any other number.
const std::string& DefaultPeriodName(int period);
const std::string& PeriodDescription(int period);

// The first and last day of a view around `startDate`: one day, Sunday to Saturday, the month
// or the year; any other view number covers the week.
void CalendarRange(int view, DateValue startDate, DateValue& first, DateValue& last);

// The calculator's time of period 1..6 as a time of day; a time not above 0 or a period
// outside 1..6 gives 0 (00:00).
DateValue PeriodTime(const clsPrayTime& calculator, int period);

// The Day column: the date of the Hijri calendar in the Hijri format for date style 2, else the
// date in the Gregorian format.
std::string DayText(DateValue d, int dateStyle, const std::string& dateFormat, const std::string& hijriFormat,
                    const HijriCalendar& calendar);

// Why the calculator's last day cannot be right, as one line for a tool tip or a printed
// footnote, in the program's language; empty when its six times are in order.
std::string DayNote(const clsPrayTime& calculator);

// A period's time in the time format.
std::string PeriodText(const clsPrayTime& calculator, int period, const std::string& timeFormat);

}  // namespace nv

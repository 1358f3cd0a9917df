// The Hijri calendars: the arithmetical (tabular) Islamic calendar, Gregorian (or, before the
// reform, Julian) dates to Hijri dates through Julian Day Numbers; the Umm Al-Qura calendar of
// Saudi Arabia; the calendar the user chose with its day adjustment; and the Hijri month names,
// which have translations of their own in the catalogues (context "Hijri").
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "DateValue.h"

namespace nv {

// Which Hijri calendar: the tabular one (30-year cycle, 1 Muharram 1 = 16 July 622 Julian) or Umm
// Al-Qura, taken from ICU's "islamic-umalqura" calendar. ICU holds Umm Al-Qura for the years
// 1300 to 1600 AH (12 November 1882 to 25 November 2174, all the days the program computes);
// outside them a date is the tabular date, as ICU itself gives it there.
enum HijriCalendarKind : int16_t { kHijriTabular = 0, kHijriUmmAlQura = 1 };
inline constexpr const char* kHijriCalendarNames[2] = {"tabular", "umm-al-qura"};
inline constexpr int16_t kUmmAlQuraFirstYear = 1300;
inline constexpr int16_t kUmmAlQuraLastYear = 1600;
// Days a community that sights the moon may be ahead of (+) or behind (-) its calendar.
inline constexpr int16_t kMaxHijriAdjustment = 2;

// A calendar as the user chose it: a day d shows as the Hijri date of d + adjustment.
struct HijriCalendar {
    int16_t kind = kHijriTabular;
    int16_t adjustment = 0;
    bool operator==(const HijriCalendar&) const = default;
};

struct HijriDate {
    int16_t year = 0, month = 0, day = 0;
    bool operator==(const HijriDate&) const = default;
};

// The Hijri date of the day of `d` in that calendar; none when the day is too far out for
// 16-bit Hijri years.
std::optional<HijriDate> ToHijri(DateValue d, const HijriCalendar& calendar);

// The full month name of a Hijri month 1..12 in the program's language, "Error" (never
// translated) for any other number.
const std::string& HijriMonthName(int month);
// The month's name where a layout wants it short: the English three-letter form ("Rab II"), or
// the full name in a language with names of its own (they have no customary short forms).
std::string HijriMonthShortName(int month);

// Overwrites year, month, day with the Hijri date and returns the full month name (HijriMonthName).
std::string GregorianToHijri(int16_t& year, int16_t& month, int16_t& day);
// calendar 1: Gregorian from 15 October 1582 and Julian before; any other value: always Julian.
int32_t JulianDayNumber(int16_t year, int16_t month, int16_t day, int16_t calendar);
int32_t JulianCalendarDayNumber(int16_t year, int16_t month, int16_t day);
// Raises Overflow (6) when the day number is too far out for 16-bit Hijri years.
std::string JulianDayToHijri(int32_t julianDay, int16_t& year, int16_t& month, int16_t& day);
// The first `length` bytes of the name (never half a UTF-8 character), with " I", " II", " Q" or
// " H" where the English names would otherwise read alike.
std::string HijriMonthAbbrev(const std::string& fullName, int32_t length);

}  // namespace nv

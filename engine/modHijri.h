// The arithmetical Islamic calendar: Gregorian (or, before the reform, Julian) dates to Hijri
// dates through Julian Day Numbers, and the Hijri month names, which have translations of their
// own in the catalogues (context "Hijri").
#pragma once

#include <cstdint>
#include <string>

namespace nv {

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

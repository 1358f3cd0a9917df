// The calendar settings the main window, printing and the Options dialog share: the view, the
// date style, the three formats, the Hijri calendar, the colour that marks today's row and the
// auto-resize flag, kept under HKEY_CURRENT_USER\...\Noorvale\Options\PrayCalendar with the
// column widths under its "Column" subkey (" 1" ... " 8", in twips). The Hijri calendar is
// "HijriCalendar" (0 tabular, 1 Umm Al-Qura) and "HijriAdjust" (days, -2..2); absent, the
// tabular calendar without adjustment.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "modHijri.h"

namespace nv {

struct CalendarProps {
    int16_t view = 2;       // 1 Today, 2 Week, 3 Month, 4 Year
    int16_t dateStyle = 1;  // 1 Gregorian, 2 Hijri
    std::string dateFormat = "mmm d ddd";
    std::string hijriFormat = "mmm d ddd";
    std::string timeFormat = "hh:mm xx/xx";
    HijriCalendar hijriCalendar;
    // Whether the time format is the user's: stored, or picked in Options. One the user has not
    // chosen is the language's default and is not stored, so it follows a change of language.
    bool timeFormatChosen = false;
    int32_t markColor = 255;  // COLORREF of today's row
    bool autoResize = true;
};

inline constexpr int kCalendarColumns = 8;
inline constexpr int32_t kDefaultColumnWidth = 1250;

// The program-wide record.
CalendarProps& CalProp();

std::string CalendarKey();  // ...\Options\PrayCalendar

// Reads the record; a value outside its accepted range (a blank text) takes its default, the
// time format `defaultTimeFormat` (the language's) when none is stored.
void LoadCalProp(CalendarProps& props, const std::string& defaultTimeFormat = CalendarProps().timeFormat);
// The stored Hijri calendar alone (the calculator's Ramadan rule follows it from start-up on).
HijriCalendar LoadHijriCalendar();
// The stored "Gridlines" flag (0 or 1, default 0).
bool LoadGridlines();
// The stored width of column 1..8 in twips; outside 0..2000 it is 1250.
int32_t LoadColumnWidth(int column);
// Writes the record (the time format only when the user chose it), the grid-lines flag and the
// column widths (twips, [0] is column 1).
void SaveCalProp(const CalendarProps& props, bool gridlines, const std::array<int32_t, kCalendarColumns>& widths);

}  // namespace nv

#include "CalendarRows.h"

#include "FormatDate.h"
#include "modDateLib.h"

namespace nv {

namespace {

TranslatedTable<6> tableOf(const std::array<std::string, 6>& texts) {
    return TranslatedTable<6>("Prayer", {texts[0].c_str(), texts[1].c_str(), texts[2].c_str(), texts[3].c_str(),
                                         texts[4].c_str(), texts[5].c_str()});
}

const std::string& entry(const TranslatedTable<6>& table, int period) {
    static const std::string none;
    return period >= 1 && period <= 6 ? table[static_cast<size_t>(period - 1)] : none;
}

}  // namespace

const std::string& DefaultPeriodName(int period) {
    static const TranslatedTable<6> names = tableOf(kPeriodNames);
    return entry(names, period);
}

const std::string& PeriodDescription(int period) {
    static const TranslatedTable<6> descriptions = tableOf(kPeriodDescriptions);
    return entry(descriptions, period);
}

void CalendarRange(int view, DateValue startDate, DateValue& first, DateValue& last) {
    switch (view) {
    case kViewToday:
        first = last = startDate;
        break;
    case kViewMonth:
        first = FirstDayOfMonth(startDate);
        last = LastDayOfMonth(startDate);
        break;
    case kViewYear:
        first = FirstDayOfYear(startDate);
        last = LastDayOfYear(startDate);
        break;
    default:
        first = FirstDayOfWeek(startDate);
        last = LastDayOfWeek(startDate);
        break;
    }
}

DateValue PeriodTime(const clsPrayTime& calculator, int period) {
    DateValue t = 0;
    switch (period) {
    case 1: t = calculator.Dawn(); break;
    case 2: t = calculator.Sunrise(); break;
    case 3: t = calculator.Noon(); break;
    case 4: t = calculator.Afternoon(); break;
    case 5: t = calculator.Sunset(); break;
    case 6: t = calculator.Night(); break;
    default: break;
    }
    return t > 0 ? t : 0;
}

std::string DayText(DateValue d, int dateStyle, const std::string& dateFormat, const std::string& hijriFormat,
                    const HijriCalendar& calendar) {
    if (dateStyle == kDateHijri) return FormatHijriDate(d, hijriFormat, calendar);
    return FormatDate(d, dateFormat);
}

std::string DayNote(const clsPrayTime& calculator) {
    // Looked up once per language, not for every row of a calendar.
    static const TranslatedTable<5> notes(
        "Calendar", {NV_TRANSLATE_NOOP("Calendar", "Midnight sun: the sun does not set on this day."),
                     NV_TRANSLATE_NOOP("Calendar", "Polar night: the sun does not rise on this day."),
                     NV_TRANSLATE_NOOP("Calendar", "No true dawn/dusk: the sun does not sink to the Fajr or Isha "
                                                   "angle on this day."),
                     NV_TRANSLATE_NOOP("Calendar", "These times are not in order for this place and method."),
                     NV_TRANSLATE_NOOP("Calendar", "No Asr shadow: the sun does not reach the Asr altitude on this "
                                                   "day.")});
    if (calculator.Ordered()) return {};
    switch (calculator.DayKind()) {
    case kDayMidnightSun: return notes[0];
    case kDayPolarNight: return notes[1];
    case kDayNoTrueTwilight: return notes[2];
    case kDayNoAsrShadow: return notes[4];
    default: return notes[3];
    }
}

std::string PeriodText(const clsPrayTime& calculator, int period, const std::string& timeFormat) {
    return FormatTimeText(PeriodTime(calculator, period), timeFormat);
}

}  // namespace nv

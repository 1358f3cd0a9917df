#include "modDateLib.h"

#include <cctype>
#include <cmath>

#include "DateLocale.h"
#include "FormatDate.h"
#include "VbConv.h"
#include "VbError.h"
#include "modHijri.h"

namespace nv {

bool IsLeapYear(int16_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int16_t DayOfYear(const DateValue& d) { return toInt16(d - dateSerial(year(d), 1, 1) + 1); }

DateValue FirstDayOfWeek(DateValue d) { return d - weekday(d) + 1; }

DateValue LastDayOfWeek(DateValue d) { return d - weekday(d) + 7; }

DateValue FirstDayOfMonth(DateValue d) {
    const DateParts p = splitDate(d);
    return dateSerial(p.year, p.month, 1);
}

DateValue LastDayOfMonth(DateValue d) {
    const DateParts p = splitDate(d);
    return dateSerial(p.year, p.month + 1, 0);
}

DateValue FirstDayOfYear(DateValue d) { return dateSerial(year(d), 1, 1); }

DateValue LastDayOfYear(DateValue d) { return dateSerial(year(d), 12, 31); }

DateValue RoundToMinute(DateValue t) {
    const double day = std::floor(t);
    // Whole seconds first, so that a time stored as 29.9999 seconds past the minute stays 30.
    const double seconds = std::round((t - day) * 86400);
    return day + std::floor((seconds + 30) / 60) / 1440;
}

std::string FormatTimeText(DateValue t, const std::string& format) {
    if (format == "hh:mm xx/xx") {
        std::string text = FormatDate(RoundToMinute(t), "hh:mm AM/PM");
        return text.substr(0, text.find(' '));
    }
    std::string named = format;
    for (char& c : named) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string& pattern = named == "long time" ? currentDateLocale().longTimePattern() : named;
    const bool seconds = named != "short time" && named != "medium time" && pattern.find_first_of("sS") != std::string::npos;
    return FormatDate(seconds ? t : RoundToMinute(t), format);
}

std::string FormatHijriDate(DateValue d, const std::string& format, const HijriCalendar& calendar) {
    try {
        const std::optional<HijriDate> h = ToHijri(d, calendar);
        if (!h) return {};  // a date the conversion cannot handle
        const std::string& name = HijriMonthName(h->month);
        if (name == "Error") return {};

        std::string fmt = format;
        for (char& c : fmt) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const std::string S = HijriMonthShortName(h->month);
        const std::string ns = std::to_string(h->day), ms = std::to_string(h->month), ys = std::to_string(h->year);
        auto W = [&] { return FormatDate(d, "ddd"); };

        if (fmt == "MMM D DDD") return S + " " + ns + " " + W();
        if (fmt == "D MMM DDD") return ns + " " + S + " " + W();
        if (fmt == "D-MMM") return ns + "-" + S;
        if (fmt == "D-M-YYYY") return ns + "-" + ms + "-" + ys;
        if (fmt == "M/D/YYYY") return ms + "/" + ns + "/" + ys;
        if (fmt == "MEDIUM DATE") return ns + "-" + S + "-" + ys;
        const std::string comma = currentDateLocale().comma() + " ";
        if (fmt == "LONG DATE") return W() + comma + name + " " + ns + comma + ys;
        if (fmt == "BOTH DATE1") return FormatDate(d, "mmm d") + "/" + S + " " + ns + " - " + W();
        return W() + comma + ns + " " + name + " " + ys;
    } catch (...) {
        logSwallowedError(std::source_location::current());
        return {};  // any other failure gives the empty string too
    }
}

}  // namespace nv

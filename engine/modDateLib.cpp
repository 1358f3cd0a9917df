#include "modDateLib.h"

#include <cctype>

#include "DateLocale.h"
#include "FormatDate.h"
#include "VbConv.h"
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

std::string FormatTimeText(DateValue t, const std::string& format) {
    if (format == "hh:mm xx/xx") {
        std::string text = FormatDate(t, "hh:mm AM/PM");
        return text.substr(0, text.find(' '));
    }
    return FormatDate(t, format);
}

std::string FormatHijriDate(DateValue d, const std::string& format) {
    try {
        const DateParts p = splitDate(d);
        int16_t y = narrow16(p.year), m = narrow16(p.month), n = narrow16(p.day);
        const std::string name = GregorianToHijri(y, m, n);
        if (name == "Error") return {};

        std::string fmt = format;
        for (char& c : fmt) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const std::string S = HijriMonthShortName(m);
        const std::string ns = std::to_string(n), ms = std::to_string(m), ys = std::to_string(y);
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
        return {};  // a date the conversion cannot handle
    }
}

}  // namespace nv

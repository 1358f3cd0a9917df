#include "TimesRender.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <sstream>

#include "Authorities.h"
#include "TimesArguments.h"
#include "TimesRows.h"
#include "VbConv.h"
#include "modNoorvale.h"
#include "modTimeZone.h"

namespace nv {

namespace {

std::string isoDate(DateValue d) {
    const DateParts p = splitDate(d);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", p.year, p.month, p.day);
    return buf;
}

// The text with every byte that is not part of a well-formed UTF-8 sequence replaced by U+FFFD.
std::string validUtf8(const std::string& s) {
    std::string out;
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        size_t len = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3 : (c >= 0xF0 && c <= 0xF4) ? 4 : 0;
        bool ok = len > 0 && i + len <= s.size();
        for (size_t k = 1; ok && k < len; ++k) ok = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        if (ok && len >= 3) {  // no overlong forms, surrogates or code points past U+10FFFF
            const unsigned char c1 = static_cast<unsigned char>(s[i + 1]);
            ok = !(c == 0xE0 && c1 < 0xA0) && !(c == 0xED && c1 >= 0xA0) && !(c == 0xF0 && c1 < 0x90) &&
                 !(c == 0xF4 && c1 >= 0x90);
        }
        if (ok) {
            out.append(s, i, len);
            i += len;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

std::string jsonString(const std::string& text) {
    const std::string s = validUtf8(text);
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out.push_back(static_cast<char>(c));
            }
        }
    }
    return out + "\"";
}

std::string csvField(const std::string& s) {
    if (s.find_first_of(",\"\n\r") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out.push_back(c);
    }
    return out + "\"";
}

// Display width of a UTF-8 text: one column per code point.
size_t width(const std::string& s) {
    size_t w = 0;
    for (unsigned char c : s) w += (c & 0xC0) != 0x80;
    return w;
}

std::string angleText(int degrees, int minutes, bool negative, char pos, char neg) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d%c", degrees, minutes, negative ? neg : pos);
    return buf;
}

// The method's header values, shared by the json and text headers.
std::string highLatName(const clsPrayTime& pt) {
    return kHighLatRuleNames[pt.HighLatRule() >= kHighLatNone && pt.HighLatRule() <= kHighLatAngle ? pt.HighLatRule() : 0];
}

std::string astronomyName(const clsPrayTime& pt) {
    return kAstronomyNames[pt.Astronomy() == kAstronomyClassic ? kAstronomyClassic : kAstronomyPrecise];
}

std::string latitudeText(const clsPrayTime& pt) {
    return angleText(pt.LatDegree(), pt.LatMinute(), pt.LatSouthOfEq(), 'N', 'S');
}

std::string longitudeText(const clsPrayTime& pt) {
    return angleText(pt.LonDegree(), pt.LonMinute(), pt.LonWestOfGW(), 'E', 'W');
}

void renderJson(const TimesRequest& request, const std::vector<TimesRow>& rows, std::ostream& out) {
    const clsPrayTime& pt = request.calculator;
    const std::string rule = highLatName(pt);
    std::ostringstream o;
    o << "{\n  \"location\": {\"name\": " << jsonString(pt.LocationName()) << ", \"latitude\": "
      << jsonString(latitudeText(pt)) << ", \"longitude\": " << jsonString(longitudeText(pt))
      << ", \"altitude\": " << pt.Altitude() << ", \"gmtOffset\": " << pt.GMTOffset() << ", \"zone\": "
      << jsonString(pt.AutoZone() ? "auto" : OffsetText(pt.GMTOffsetMinutes())) << "},\n";
    o << "  \"method\": {\"index\": " << request.method << ", \"name\": " << jsonString(kCalcMethods[request.method].name)
      << ", \"authority\": " << (request.authorityName.empty() ? std::string("null") : jsonString(request.authorityName))
      << ", \"fajrAngle\": " << exactText(pt.DawnTwilightAngle())
      << ", \"fajrMinutes\": " << exactText(pt.MinutesToSunrise())
      << ", \"ishaAngle\": " << exactText(pt.NightTwilightAngle())
      << ", \"ishaMinutes\": " << exactText(pt.MinutesAfterSunset()) << ", \"asr\": \""
      << (pt.ShadowRatio() == 2 ? "hanafi" : "shafii") << "\", \"margin\": " << pt.MarginOfSafety()
      << ", \"highLat\": \"" << rule << "\", \"maghribAngle\": " << exactText(pt.SunsetTwilightAngle())
      << ", \"ramadanIshaMinutes\": " << exactText(pt.RamadanMinutesAfterSunset()) << ", \"astronomy\": \""
      << astronomyName(pt) << "\", \"ramadanCalendar\": \""
      << (pt.RamadanCalendar() == kRamadanUmmAlQura ? "umm-al-qura" : "chosen") << "\", \"rounding\": \""
      << kRoundingNames[pt.Rounding() == kRoundUp ? kRoundUp : kRoundNearest] << "\", \"shafaq\": \""
      << kShafaqNames[pt.Shafaq() >= kShafaqGeneral && pt.Shafaq() <= kShafaqWhite ? pt.Shafaq() : int16_t{kShafaqNone}]
      << "\", \"adjustments\": {";
    for (int p = 1; p <= 6; ++p) o << (p > 1 ? ", " : "") << '"' << kAdjustNames[p - 1] << "\": " << pt.Adjustment(p);
    o << "}},\n";
    const HijriCalendar calendar = pt.Calendar();
    o << "  \"hijriCalendar\": {\"kind\": \"" << kHijriCalendarNames[calendar.kind == kHijriUmmAlQura ? 1 : 0]
      << "\", \"adjust\": " << calendar.adjustment << "},\n";
    o << "  \"periods\": [";
    for (int p = 0; p < 6; ++p) o << (p ? ", " : "") << jsonString(request.names[static_cast<size_t>(p)]);
    o << "],\n  \"days\": [";
    for (size_t i = 0; i < rows.size(); ++i) {
        const TimesRow& r = rows[i];
        o << (i ? ",\n" : "\n") << "    {\"date\": \"" << isoDate(r.date) << "\", \"dayOfYear\": " << r.dayOfYear
          << ", \"day\": " << jsonString(r.day) << ", \"seconds\": [";
        for (int p = 0; p < 6; ++p) o << (p ? ", " : "") << exactText(r.seconds[p]);
        o << "], \"times\": [";
        for (int p = 0; p < 6; ++p) o << (p ? ", " : "") << jsonString(r.times[p]);
        o << "], \"offset\": \"" << OffsetText(r.offsetMinutes) << "\", \"ordered\": " << (r.ordered ? "true" : "false")
          << ", \"highLat\": " << (r.adjusted ? "\"" + rule + "\"" : std::string("null"));
        if (!r.ordered) o << ", \"note\": " << jsonString(r.note);
        o << "}";
    }
    o << "\n  ]\n}\n";
    out << o.str();
}

void renderCsv(const TimesRequest& request, const std::vector<TimesRow>& rows, std::ostream& out) {
    out << "date,day";
    for (const auto& n : request.names) out << ',' << csvField(n);
    out << ",note\r\n";
    for (const TimesRow& r : rows) {
        out << isoDate(r.date) << ',' << csvField(r.day);
        for (const auto& t : r.times) out << ',' << csvField(t);
        out << ',' << csvField(r.note) << "\r\n";
    }
}

void renderText(const TimesRequest& request, const std::vector<TimesRow>& rows, std::ostream& out) {
    const clsPrayTime& pt = request.calculator;
    const std::array<std::string, 6>& names = request.names;
    std::string offsets;
    for (const TimesRow& r : rows) {
        const std::string o = "GMT" + (r.offsetMinutes % 60 == 0 ? (r.offsetMinutes < 0 ? "" : "+") + std::to_string(r.offsetMinutes / 60)
                                                                  : OffsetText(r.offsetMinutes));
        if (offsets.find(o) == std::string::npos) offsets += (offsets.empty() ? "" : ", ") + o;
    }
    out << validUtf8(pt.LocationName()) << "  " << latitudeText(pt) << " " << longitudeText(pt) << "  " << offsets
        << (pt.AutoZone() ? " (system zone)" : "") << "\n"
        << (request.authorityName.empty() ? std::string(kCalcMethods[request.method].name) : validUtf8(request.authorityName))
        << ", " << (pt.ShadowRatio() == 2 ? "Hanafi" : "Shafi'i") << ", margin " << pt.MarginOfSafety() << " min"
        << (pt.HighLatRule() != kHighLatNone ? ", high latitudes: " + highLatName(pt) : "")
        << (pt.Astronomy() == kAstronomyClassic ? ", classic astronomy" : "")
        << (pt.Shafaq() >= kShafaqGeneral && pt.Shafaq() <= kShafaqWhite
                ? std::string(", seasonal twilight (") + kShafaqNames[pt.Shafaq()] + " shafaq)"
                : std::string())
        << (pt.Rounding() == kRoundUp ? ", rounded up" : "") << "\n";
    if (pt.HasAdjustments()) out << "Adjustments: " << validUtf8(AdjustmentsText(pt, names)) << " min\n";
    out << "\n";
    bool anyNote = false;
    for (const TimesRow& r : rows) anyNote = anyNote || !r.ordered;
    size_t widths[7] = {3, 0, 0, 0, 0, 0, 0};
    for (int p = 0; p < 6; ++p) widths[p + 1] = width(names[static_cast<size_t>(p)]);
    for (const TimesRow& r : rows) {
        widths[0] = std::max(widths[0], width(r.day));
        for (int p = 0; p < 6; ++p) widths[p + 1] = std::max(widths[p + 1], width(r.times[p]));
    }
    auto cell = [&](const std::string& s, size_t w, bool last) {
        out << s;
        if (!last) out << std::string(w - width(s) + 2, ' ');
    };
    cell("Day", widths[0], false);
    for (int p = 0; p < 6; ++p) cell(names[static_cast<size_t>(p)], widths[p + 1], p == 5 && !anyNote);
    if (anyNote) out << "Note";
    out << "\n";
    for (const TimesRow& r : rows) {
        cell(r.day, widths[0], false);
        for (int p = 0; p < 6; ++p) cell(r.times[p], widths[p + 1], p == 5 && !anyNote);
        if (anyNote) out << (r.ordered ? "" : "! " + r.note);
        out << "\n";
    }
}

}  // namespace

std::string AuthorityList() {
    constexpr size_t kKeyWidth = 14;
    std::ostringstream o;
    for (const Authority& a : kAuthorities) {
        o << a.key << std::string(kKeyWidth - std::string(a.key).size(), ' ') << a.name << "\n"
          << std::string(kKeyWidth, ' ');
        if (a.dawnTwilightAngle != 0) o << "Fajr " << exactText(a.dawnTwilightAngle) << " degrees";
        else o << "Fajr " << exactText(a.minutesToSunrise) << " min before sunrise";
        if (a.sunsetTwilightAngle != 0) o << ", Maghrib " << exactText(a.sunsetTwilightAngle) << " degrees";
        if (a.nightTwilightAngle != 0) o << ", Isha " << exactText(a.nightTwilightAngle) << " degrees";
        else o << ", Isha " << exactText(a.minutesAfterSunset) << " min after Maghrib";
        if (a.ramadanMinutesAfterSunset != 0)
            o << " (" << exactText(a.ramadanMinutesAfterSunset) << " in Ramadan"
              << (a.ramadanCalendar == kRamadanUmmAlQura ? " of the Umm Al-Qura calendar)" : ")");
        if (a.shafaq != kShafaqNone)
            o << ", within the season's minutes of sunrise and sunset (" << kShafaqNames[a.shafaq] << " shafaq)";
        o << ", " << (a.shadowRatio == 2 ? "Hanafi" : "Shafi'i");
        if (a.rounding == kRoundUp) o << ", rounded up";
        std::string adjust;
        for (int p = 0; p < 6; ++p)
            if (a.adjustments[static_cast<size_t>(p)] != 0)
                adjust += (adjust.empty() ? "" : ",") + std::string(kAdjustNames[p]) + "=" +
                          (a.adjustments[static_cast<size_t>(p)] > 0 ? "+" : "") +
                          std::to_string(a.adjustments[static_cast<size_t>(p)]);
        if (!adjust.empty()) o << ", adjust " << adjust;
        o << "\n";
    }
    return o.str();
}


void RenderTimesRows(const TimesRequest& request, const std::vector<TimesRow>& rows, std::ostream& out) {
    if (request.format == "json") renderJson(request, rows, out);
    else if (request.format == "csv") renderCsv(request, rows, out);
    else renderText(request, rows, out);
}

}  // namespace nv

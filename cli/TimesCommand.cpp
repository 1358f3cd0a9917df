#include "TimesCommand.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

#include "Authorities.h"
#include "CalendarRows.h"
#include "DateValue.h"
#include "RegistryStore.h"
#include "VbConv.h"
#include "VbError.h"
#include "clsPrayTime.h"
#include "modDateLib.h"
#include "modNoorvale.h"
#include "modTimeZone.h"

namespace nv {

namespace {

constexpr const char* kUsage = R"(Usage: noorvale-times [options]

Prints the prayer calendar: one row per day with the date and the six times Fajr, Shurooq,
Dhuhr, Asr, Maghrib and Isha, as the Noorvale main window shows them.

The place, the method and the prayers' names are the ones stored by Noorvale (its Customize
dialog), read from ~/.config/Noorvale/registry.reg ($XDG_CONFIG_HOME/Noorvale/registry.reg);
on a first start, before anything is stored, the place is Vellmore, LA (30:23N 91:00W) with the
system's time zone and the method is Custom with 15 degrees for Fajr and Isha, Shafi'i, a
margin of 2 minutes. Each place or method option below replaces that one stored value.

Settings:
  --store FILE           read the settings from FILE instead of the user's store (never written)
Place:
  --name TEXT            the place's name (shown in the header; "Unknown" when --lat or
                         --lon is given without it)
  --lat DD:MMN|S         latitude in degrees and minutes, e.g. 30:23N or 33:52S
  --lon DDD:MME|W        longitude in degrees and minutes, e.g. 91:00W or 151:12E
  --alt METRES           altitude of the place in metres above sea level (0 to 9000)
  --tz H|H:MM|auto|ZONE  time-zone offset east of Greenwich in hours or hours and minutes
                         (-12:00 to +14:00, e.g. 5:30, -3:30, +13); auto for the system's
                         zone, or a zone name such as Asia/Kolkata: then each day takes the
                         zone's offset at its noon, daylight saving included
Method:
  --method 0..5          0 Umm Al-Qura, Makkah; 1 World Islamic League; 2 Egyptian General
                         Organization of Survey; 3 University Of Islamic Sciences, Karachi;
                         4 Islamic Society Of North America (ISNA); 5 Custom / User Defined
  --fajr-angle DEG       custom method: sun's depression at Fajr (0 = use --fajr-minutes);
                         the --fajr-* and --isha-* options alone mean --method 5
  --fajr-minutes MIN     custom method: minutes from Fajr to sunrise
  --isha-angle DEG       custom method: sun's depression at Isha (0 = use --isha-minutes)
  --isha-minutes MIN     custom method: minutes from sunset to Isha
  --asr shafii|hanafi    Asr shadow ratio 1 (Shafi'i) or 2 (Hanafi)
  --margin N             safety margin in minutes, 0 to 5
  --authority NAME       the parameters of an authority's published timetables (its angles or
                         minutes, Maghrib angle, Ramadan rule, Asr rule and adjustments) as
                         a custom method; NAME as --list-authorities shows it
  --list-authorities     the authorities and their parameters
  --adjust P=M,...       minutes added to each named prayer after the method and the margin,
                         -60 to 60, e.g. fajr=+2,sunrise=-7 (fajr, sunrise, dhuhr, asr,
                         maghrib, isha); the others keep the stored (or the authority's)
  --high-lat none|middle|seventh|angle
                         high-latitude rule: Fajr no earlier and Isha no later than the
                         middle, one seventh, or angle/60 of the night from sunset to
                         sunrise; where the sun does not rise or set, sunrise and sunset are
                         taken at 65 degrees latitude (default: the stored rule, else none)
Days:
  --from YYYY-MM-DD      the start date (default today); 1900-01-01 to 2050-01-01
  --days N               that many days from the start date
  --view today|week|month|year
                         the day, Sunday-to-Saturday week, month or year around the start
                         date, as the main window's views (default week)
Output:
  --dates gregorian|hijri
  --date-format F        mmm d ddd | d mmm ddd | d-mmm | Short Date | Medium Date | Long Date
  --hijri-format F       mmm d ddd | d mmm ddd | d-mmm | d-m-yyyy | m/d/yyyy | Medium Date |
                         Long Date | Both Date1
  --hijri-calendar tabular|umm-al-qura
                         the Hijri calendar of the dates and of a Ramadan rule that follows
                         the chosen calendar: the arithmetical (tabular) one, or Saudi
                         Arabia's Umm Al-Qura (held for 1300 to 1600 AH, 1882 to 2174; the
                         tabular date outside them); default: the one chosen in Noorvale's
                         Options, else tabular. The makkah authority counts Ramadan by Umm
                         Al-Qura whatever this says
  --hijri-adjust DAYS    -2 to 2 days added to the Hijri date, for a community whose month
                         begins when it sights the moon (default: the stored adjustment, else 0)
  --time-format F        hh:mm xx/xx | Short Time | Medium Time | Long Time
  --format text|csv|json json carries per day the date, the six times as seconds after
                         midnight, the formatted texts, the zone offset, whether the times
                         are in order ("ordered") and the high-latitude rule that adjusted
                         them ("highLat", or null); its header the Hijri calendar and the
                         one the Ramadan rule counts by ("chosen" or "umm-al-qura")
  --help                 this text
  --version              the program's version

A day whose times cannot be in order (the sun does not reach the Fajr or Isha angle, does not
set, or does not rise) is marked: a "Note" column in text, a "note" column in csv.

Exit status: 0 done, 1 the output could not be written, 2 a bad argument.
)";

struct BadArgument {
    std::string text;
};

[[noreturn]] void bad(const std::string& option, const std::string& why) { throw BadArgument{option + ": " + why}; }

// Plain decimal digits with an optional sign: no blanks, no other bases.
bool decimalText(const std::string& text, bool fraction) {
    size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
    size_t digits = 0, points = 0;
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) ++digits;
        else if (fraction && text[i] == '.' && points == 0) ++points;
        else return false;
    }
    return digits > 0;
}

bool parseInteger(const std::string& text, long& value) {
    if (!decimalText(text, false)) return false;
    size_t used = 0;
    try {
        value = std::stol(text, &used, 10);
    } catch (...) {
        return false;
    }
    return used == text.size();
}

long integerArg(const std::string& option, const std::string& text, long lo, long hi) {
    long v = 0;
    if (!parseInteger(text, v)) bad(option, "'" + text + "' is not a whole number");
    if (v < lo || v > hi)
        bad(option, text + " is out of range (" + std::to_string(lo) + " to " + std::to_string(hi) + ")");
    return v;
}

std::string numberText(double v);

double numberArg(const std::string& option, const std::string& text, double lo, double hi) {
    size_t used = 0;
    double v = 0;
    try {
        v = std::stod(text, &used);
    } catch (...) {
        used = 0;
    }
    if (!decimalText(text, true) || used != text.size() || !std::isfinite(v))
        bad(option, "'" + text + "' is not a number");
    if (v < lo || v > hi) bad(option, text + " is out of range (" + numberText(lo) + " to " + numberText(hi) + ")");
    return v;
}

// "30:23N", "30N", "-30:23", "30.5S": whole degrees, minutes and whether it lies on the negative
// side (south or west).
struct Angle {
    int degrees = 0, minutes = 0;
    bool negative = false;
};

Angle angleArg(const std::string& option, const std::string& text, char positive, char negative) {
    std::string s = text;
    Angle a;
    const std::string expected = "expected degrees and minutes like 30:23" + std::string(1, positive);
    bool lettered = false;
    if (!s.empty()) {
        const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(s.back())));
        if (last == positive || last == negative) {
            a.negative = last == negative;
            lettered = true;
            s.pop_back();
        }
    }
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        const bool minus = s[0] == '-';
        if (lettered && minus != a.negative)
            bad(option, "'" + text + "': the sign contradicts " + std::string(1, a.negative ? negative : positive));
        a.negative = minus;
        s.erase(0, 1);
    }
    const size_t colon = s.find(':');
    long degrees = 0, minutes = 0;
    if (colon != std::string::npos) {
        if (!parseInteger(s.substr(0, colon), degrees) || !parseInteger(s.substr(colon + 1), minutes) || degrees < 0)
            bad(option, "'" + text + "': " + expected);
        if (minutes < 0 || minutes > 59) bad(option, "'" + text + "': minutes must be 0 to 59");
    } else if (s.find('.') != std::string::npos) {
        const double v = numberArg(option, s, 0, 32767);
        degrees = static_cast<long>(v);
        minutes = std::lround((v - degrees) * 60);
        if (minutes == 60) {
            ++degrees;
            minutes = 0;
        }
    } else if (!parseInteger(s, degrees) || degrees < 0) {
        bad(option, "'" + text + "': " + expected);
    }
    if (degrees > 32767) bad(option, "'" + text + "' is out of range (0 to 180)");
    a.degrees = static_cast<int>(degrees);
    a.minutes = static_cast<int>(minutes);
    return a;
}

std::string choiceArg(const std::string& option, const std::string& text, const std::vector<std::string>& choices) {
    for (const auto& c : choices) {
        if (c.size() != text.size()) continue;
        bool same = true;
        for (size_t i = 0; i < c.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(c[i])) == std::tolower(static_cast<unsigned char>(text[i]));
        if (same) return c;
    }
    std::string list;
    for (const auto& c : choices) list += (list.empty() ? "" : ", ") + ("'" + c + "'");
    bad(option, "'" + text + "' is not one of " + list);
}

template <size_t N>
std::vector<std::string> listOf(const char* const (&entries)[N]) {
    return std::vector<std::string>(entries, entries + N);
}

DateValue dateArg(const std::string& option, const std::string& text) {
    int y = 0, m = 0, d = 0;
    bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-';
    for (size_t i = 0; shaped && i < text.size(); ++i)
        shaped = i == 4 || i == 7 || std::isdigit(static_cast<unsigned char>(text[i]));
    if (!shaped || std::sscanf(text.c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3)
        bad(option, "'" + text + "' is not a date like 2002-06-21");
    const DateValue v = dateSerial(y, m, d);
    const DateParts p = splitDate(v);
    if (p.year != y || p.month != m || p.day != d) bad(option, "'" + text + "' is not a real date");
    if (v < 2 || v > 54789) bad(option, text + " is outside 1900-01-01 to 2050-01-01");
    return v;
}

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

std::string numberText(double v) { return exactText(v); }

// The names --adjust and the json header give the six times.
constexpr const char* kAdjustNames[6] = {"fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"};

// "fajr=+2,sunrise=-7": each named time's minutes replace the ones the calculator holds.
void adjustArg(const std::string& option, const std::string& text, clsPrayTime& pt) {
    bool seen[6] = {};
    size_t from = 0;
    while (from <= text.size()) {
        const size_t comma = std::min(text.find(',', from), text.size());
        const std::string item = text.substr(from, comma - from);
        const size_t eq = item.find('=');
        if (eq == std::string::npos) bad(option, "'" + item + "': expected a prayer and minutes like fajr=+2");
        const std::string name = choiceArg(option, item.substr(0, eq), listOf(kAdjustNames));
        int p = 0;
        while (name != kAdjustNames[p]) ++p;
        if (seen[p]) bad(option, name + " is given twice");
        seen[p] = true;
        std::string minutes = item.substr(eq + 1);
        if (minutes.size() > 1 && minutes[0] == '+' && minutes[1] != '-' && minutes[1] != '+') minutes.erase(0, 1);
        pt.Adjustment(p + 1, static_cast<int16_t>(integerArg(option, minutes, -kMaxAdjustment, kMaxAdjustment)));
        from = comma + 1;
    }
}

std::string authorityList() {
    std::ostringstream o;
    for (const Authority& a : kAuthorities) {
        o << a.key << std::string(12 - std::string(a.key).size(), ' ') << a.name << "\n" << std::string(12, ' ');
        if (a.dawnTwilightAngle != 0) o << "Fajr " << numberText(a.dawnTwilightAngle) << " degrees";
        else o << "Fajr " << numberText(a.minutesToSunrise) << " min before sunrise";
        if (a.sunsetTwilightAngle != 0) o << ", Maghrib " << numberText(a.sunsetTwilightAngle) << " degrees";
        if (a.nightTwilightAngle != 0) o << ", Isha " << numberText(a.nightTwilightAngle) << " degrees";
        else o << ", Isha " << numberText(a.minutesAfterSunset) << " min after Maghrib";
        if (a.ramadanMinutesAfterSunset != 0)
            o << " (" << numberText(a.ramadanMinutesAfterSunset) << " in Ramadan"
              << (a.ramadanCalendar == kRamadanUmmAlQura ? " of the Umm Al-Qura calendar)" : ")");
        o << ", " << (a.shadowRatio == 2 ? "Hanafi" : "Shafi'i");
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

struct Row {
    DateValue date;
    int dayOfYear;
    std::string day;
    double seconds[6];
    std::string times[6];
    int32_t offsetMinutes;
    bool ordered;
    std::string note;
    bool adjusted;
};

// "5", "+13", "-3:30", "5:45": minutes east of Greenwich, -12:00 to +14:00.
int32_t offsetArg(const std::string& option, const std::string& text) {
    int32_t minutes = 0;
    if (!ParseOffset(text, minutes))
        bad(option, "'" + text + "' is not an offset like 3, -5, 5:30 or -3:30, nor auto or a zone name");
    if (minutes < kLowestOffsetMinutes || minutes > kHighestOffsetMinutes)
        bad(option, text + " is out of range (-12:00 to +14:00)");
    return minutes;
}

// Flushes the output; a failed write is reported in one line and gives exit status 1.
int finish(std::ostream& out, std::ostream& err) {
    errno = 0;
    out.flush();
    if (out) return 0;
    const int e = errno;
    err << "noorvale-times: cannot write the output" << (e ? std::string(": ") + std::strerror(e) : std::string()) << "\n";
    return 1;
}

}  // namespace

int runTimesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        std::map<std::string, std::string> opt;
        static const std::vector<std::string> known = {"--authority", "--adjust",
            "--name", "--lat", "--lon", "--alt", "--tz", "--method", "--fajr-angle", "--fajr-minutes",
            "--isha-angle", "--isha-minutes", "--asr", "--margin", "--from", "--days", "--view", "--dates",
            "--date-format", "--hijri-format", "--hijri-calendar", "--hijri-adjust", "--time-format", "--format",
            "--store", "--high-lat"};
        for (size_t i = 0; i < args.size(); ++i) {
            std::string name = args[i], value;
            if (name == "--help" || name == "-h") {
                out << kUsage;
                return finish(out, err);
            }
            if (name == "--list-authorities") {
                out << authorityList();
                return finish(out, err);
            }
            if (name == "--version") {
                out << "noorvale-times " << NOORVALE_VERSION << "\n";
                return finish(out, err);
            }
            const size_t eq = name.find('=');
            const bool inlineValue = name.rfind("--", 0) == 0 && eq != std::string::npos;
            if (inlineValue) {
                value = name.substr(eq + 1);
                name = name.substr(0, eq);
            }
            bool isKnown = false;
            for (const auto& k : known) isKnown = isKnown || k == name;
            if (!isKnown) bad(name, "unknown option (see --help)");
            if (!inlineValue) {
                if (i + 1 >= args.size()) bad(name, "needs a value");
                value = args[++i];
            }
            if (opt.count(name)) bad(name, "given twice");
            opt[name] = value;
        }
        auto has = [&](const char* k) { return opt.count(k) != 0; };

        // The stored settings, as the main window loads them at start-up.
        struct StoreChoice {
            bool chosen = false;
            std::string previous;
            ~StoreChoice() {
                if (chosen) RegistryStore::instance().setFile(previous);
            }
        } store;
        if (has("--store")) {
            const std::string& file = opt["--store"];
            struct stat st {};
            if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(file.c_str(), R_OK) != 0)
                bad("--store", "'" + file + "' is not a readable file");
            store.previous = RegistryStore::instance().setFile(file);
            store.chosen = true;
        }
        InitPeriodNames();
        LoadPeriodNames();
        LoadLocation();
        LoadMethod();
        clsPrayTime pt = PrayTime();
        const std::array<std::string, 6> names = PeriodNames;

        auto setter = [&](const std::string& option, auto&& apply) {
            try {
                apply();
            } catch (const VbError& e) {
                bad(option, "'" + opt[option] + "': " + e.description());
            }
        };
        if (has("--name")) pt.LocationName(opt["--name"]);
        else if (has("--lat") || has("--lon")) pt.LocationName("Unknown");
        if (has("--lat")) {
            const Angle a = angleArg("--lat", opt["--lat"], 'N', 'S');
            setter("--lat", [&] {
                pt.LatDegree(static_cast<int16_t>(a.degrees));
                pt.LatMinute(static_cast<int16_t>(a.minutes));
            });
            pt.LatSouthOfEq(a.negative);
        }
        if (has("--lon")) {
            const Angle a = angleArg("--lon", opt["--lon"], 'E', 'W');
            setter("--lon", [&] {
                pt.LonDegree(static_cast<int16_t>(a.degrees));
                pt.LonMinute(static_cast<int16_t>(a.minutes));
            });
            pt.LonWestOfGW(a.negative);
        }
        if (has("--alt")) pt.Altitude(static_cast<int16_t>(integerArg("--alt", opt["--alt"], 0, 9000)));
        std::optional<ScopedLocalZone> zone;
        if (has("--tz")) {
            const std::string& tz = opt["--tz"];
            if (tz == "auto") {
                pt.AutoZone(true);
            } else if (!tz.empty() && (std::isdigit(static_cast<unsigned char>(tz[0])) || tz[0] == '+' || tz[0] == '-')) {
                pt.GMTOffsetMinutes(offsetArg("--tz", tz));
                pt.AutoZone(false);
            } else if (IsZoneName(tz)) {
                zone.emplace(tz);
                pt.AutoZone(true);
            } else {
                bad("--tz", "'" + tz + "' is neither an offset like 5:30, nor auto, nor a zone of the system's zone database");
            }
        }

        const bool customValues =
            has("--fajr-angle") || has("--fajr-minutes") || has("--isha-angle") || has("--isha-minutes");
        int method = CalcMethod;
        std::string authorityName = AuthorityName;
        if (has("--method")) method = static_cast<int>(integerArg("--method", opt["--method"], 0, 5));
        else if (customValues) method = kCustomMethod;
        if (customValues && method != kCustomMethod)
            bad("--method", std::to_string(method) + " is a preset; --fajr-* and --isha-* need --method 5");
        if (has("--method")) ApplyCalcMethod(pt, method);
        if (has("--method") || customValues) authorityName.clear();
        if (has("--authority")) {
            if (has("--method") || customValues)
                bad("--authority", "give either an authority or --method and the --fajr-* and --isha-* values");
            const Authority* a = FindAuthority(opt["--authority"]);
            if (!a) bad("--authority", "'" + opt["--authority"] + "' is not one of the authorities (see --list-authorities)");
            ApplyAuthority(pt, *a);
            method = kCustomMethod;
            authorityName = a->name;
        }
        if (has("--adjust")) adjustArg("--adjust", opt["--adjust"], pt);
        if (has("--fajr-angle")) pt.DawnTwilightAngle(numberArg("--fajr-angle", opt["--fajr-angle"], 0, 89));
        if (has("--fajr-minutes")) pt.MinutesToSunrise(numberArg("--fajr-minutes", opt["--fajr-minutes"], 0, 1440));
        if (has("--isha-angle")) pt.NightTwilightAngle(numberArg("--isha-angle", opt["--isha-angle"], 0, 89));
        if (has("--isha-minutes"))
            pt.MinutesAfterSunset(numberArg("--isha-minutes", opt["--isha-minutes"], 0, 1440));
        if (has("--asr"))
            pt.ShadowRatio(choiceArg("--asr", opt["--asr"], {"shafii", "hanafi"}) == "hanafi" ? 2 : 1);
        if (has("--margin")) pt.MarginOfSafety(static_cast<int16_t>(integerArg("--margin", opt["--margin"], 0, 5)));
        if (has("--high-lat")) {
            const std::string rule = choiceArg("--high-lat", opt["--high-lat"], listOf(kHighLatRuleNames));
            for (int16_t r = kHighLatNone; r <= kHighLatAngle; ++r)
                if (rule == kHighLatRuleNames[r]) pt.HighLatRule(r);
        }

        HijriCalendar calendar = pt.Calendar();  // the stored choice
        if (has("--hijri-calendar")) {
            const std::string kind =
                choiceArg("--hijri-calendar", opt["--hijri-calendar"], listOf(kHijriCalendarNames));
            calendar.kind = kind == kHijriCalendarNames[kHijriUmmAlQura] ? kHijriUmmAlQura : kHijriTabular;
        }
        if (has("--hijri-adjust"))
            calendar.adjustment = static_cast<int16_t>(
                integerArg("--hijri-adjust", opt["--hijri-adjust"], -kMaxHijriAdjustment, kMaxHijriAdjustment));
        pt.Calendar(calendar);

        const DateValue start = has("--from") ? dateArg("--from", opt["--from"]) : today();
        if (has("--days") && has("--view")) bad("--days", "give either --days or --view, not both");
        DateValue first = start, last = start;
        if (has("--days")) {
            last = start + integerArg("--days", opt["--days"], 1, 54789) - 1;
        } else {
            static const std::vector<std::string> views = {"today", "week", "month", "year"};
            const std::string view = has("--view") ? choiceArg("--view", opt["--view"], views) : "week";
            int v = kViewWeek;
            for (size_t i = 0; i < views.size(); ++i)
                if (views[i] == view) v = static_cast<int>(i) + 1;
            CalendarRange(v, start, first, last);
        }
        if (first < 2 || last > 54789)
            bad(has("--days") ? "--days" : "--from", "the days reach outside 1900-01-01 to 2050-01-01");

        const int dateStyle =
            has("--dates") && choiceArg("--dates", opt["--dates"], {"gregorian", "hijri"}) == "hijri" ? kDateHijri
                                                                                                   : kDateGregorian;
        const std::string dateFormat =
            has("--date-format") ? choiceArg("--date-format", opt["--date-format"], listOf(kGregorianDateFormats))
                                 : kGregorianDateFormats[0];
        const std::string hijriFormat =
            has("--hijri-format") ? choiceArg("--hijri-format", opt["--hijri-format"], listOf(kHijriDateFormats))
                                  : kHijriDateFormats[0];
        const std::string timeFormat =
            has("--time-format") ? choiceArg("--time-format", opt["--time-format"], listOf(kTimeFormats))
                                 : kTimeFormats[0];
        const std::string format = has("--format") ? choiceArg("--format", opt["--format"], {"text", "csv", "json"})
                                                   : std::string("text");

        std::vector<Row> rows;
        for (DateValue d = first; d <= last; d += 1) {
            pt.PrayerDate(d);
            pt.Calculate();
            Row r{d, DayOfYear(d), DayText(d, dateStyle, dateFormat, hijriFormat, calendar), {}, {},
                  pt.DayOffsetMinutes(), pt.Ordered(), DayNote(pt), pt.HighLatAdjusted()};
            for (int p = 1; p <= 6; ++p) {
                r.seconds[p - 1] = pt.StoredSeconds(p);
                r.times[p - 1] = PeriodText(pt, p, timeFormat);
            }
            rows.push_back(std::move(r));
        }

        const std::string highLatName =
            kHighLatRuleNames[pt.HighLatRule() >= kHighLatNone && pt.HighLatRule() <= kHighLatAngle ? pt.HighLatRule() : 0];
        const std::string lat = angleText(pt.LatDegree(), pt.LatMinute(), pt.LatSouthOfEq(), 'N', 'S');
        const std::string lon = angleText(pt.LonDegree(), pt.LonMinute(), pt.LonWestOfGW(), 'E', 'W');
        if (format == "json") {
            std::ostringstream o;
            o << "{\n  \"location\": {\"name\": " << jsonString(pt.LocationName()) << ", \"latitude\": "
              << jsonString(lat) << ", \"longitude\": " << jsonString(lon) << ", \"altitude\": " << pt.Altitude()
              << ", \"gmtOffset\": " << pt.GMTOffset() << ", \"zone\": "
              << jsonString(pt.AutoZone() ? "auto" : OffsetText(pt.GMTOffsetMinutes())) << "},\n";
            o << "  \"method\": {\"index\": " << method << ", \"name\": " << jsonString(kCalcMethods[method].name)
              << ", \"authority\": " << (authorityName.empty() ? std::string("null") : jsonString(authorityName))
              << ", \"fajrAngle\": " << numberText(pt.DawnTwilightAngle())
              << ", \"fajrMinutes\": " << numberText(pt.MinutesToSunrise())
              << ", \"ishaAngle\": " << numberText(pt.NightTwilightAngle())
              << ", \"ishaMinutes\": " << numberText(pt.MinutesAfterSunset()) << ", \"asr\": \""
              << (pt.ShadowRatio() == 2 ? "hanafi" : "shafii") << "\", \"margin\": " << pt.MarginOfSafety()
              << ", \"highLat\": \"" << highLatName << "\", \"maghribAngle\": " << numberText(pt.SunsetTwilightAngle())
              << ", \"ramadanIshaMinutes\": " << numberText(pt.RamadanMinutesAfterSunset())
              << ", \"ramadanCalendar\": \""
              << (pt.RamadanCalendar() == kRamadanUmmAlQura ? "umm-al-qura" : "chosen") << "\", \"adjustments\": {";
            for (int p = 1; p <= 6; ++p)
                o << (p > 1 ? ", " : "") << '"' << kAdjustNames[p - 1] << "\": " << pt.Adjustment(p);
            o << "}},\n";
            o << "  \"hijriCalendar\": {\"kind\": \"" << kHijriCalendarNames[calendar.kind == kHijriUmmAlQura ? 1 : 0]
              << "\", \"adjust\": " << calendar.adjustment << "},\n";
            o << "  \"periods\": [";
            for (int p = 0; p < 6; ++p) o << (p ? ", " : "") << jsonString(names[p]);
            o << "],\n  \"days\": [";
            for (size_t i = 0; i < rows.size(); ++i) {
                const Row& r = rows[i];
                o << (i ? ",\n" : "\n") << "    {\"date\": \"" << isoDate(r.date) << "\", \"dayOfYear\": " << r.dayOfYear
                  << ", \"day\": " << jsonString(r.day) << ", \"seconds\": [";
                for (int p = 0; p < 6; ++p) o << (p ? ", " : "") << numberText(r.seconds[p]);
                o << "], \"times\": [";
                for (int p = 0; p < 6; ++p) o << (p ? ", " : "") << jsonString(r.times[p]);
                o << "], \"offset\": \"" << OffsetText(r.offsetMinutes) << "\", \"ordered\": "
                  << (r.ordered ? "true" : "false") << ", \"highLat\": "
                  << (r.adjusted ? "\"" + highLatName + "\"" : std::string("null"));
                if (!r.ordered) o << ", \"note\": " << jsonString(r.note);
                o << "}";
            }
            o << "\n  ]\n}\n";
            out << o.str();
        } else if (format == "csv") {
            out << "date,day";
            for (const auto& n : names) out << ',' << csvField(n);
            out << ",note\r\n";
            for (const Row& r : rows) {
                out << isoDate(r.date) << ',' << csvField(r.day);
                for (const auto& t : r.times) out << ',' << csvField(t);
                out << ',' << csvField(r.note) << "\r\n";
            }
        } else {
            std::string offsets;
            for (const Row& r : rows) {
                const std::string o = "GMT" + (r.offsetMinutes % 60 == 0 ? (r.offsetMinutes < 0 ? "" : "+") + std::to_string(r.offsetMinutes / 60)
                                                                          : OffsetText(r.offsetMinutes));
                if (offsets.find(o) == std::string::npos) offsets += (offsets.empty() ? "" : ", ") + o;
            }
            out << validUtf8(pt.LocationName()) << "  " << lat << " " << lon << "  " << offsets
                << (pt.AutoZone() ? " (system zone)" : "") << "\n"
                << (authorityName.empty() ? std::string(kCalcMethods[method].name) : validUtf8(authorityName)) << ", "
                << (pt.ShadowRatio() == 2 ? "Hanafi" : "Shafi'i") << ", margin "
                << pt.MarginOfSafety() << " min" << (pt.HighLatRule() != kHighLatNone ? ", high latitudes: " + highLatName : "")
                << "\n";
            if (pt.HasAdjustments()) out << "Adjustments: " << validUtf8(AdjustmentsText(pt, names)) << " min\n";
            out << "\n";
            bool anyNote = false;
            for (const Row& r : rows) anyNote = anyNote || !r.ordered;
            size_t widths[7] = {3, 0, 0, 0, 0, 0, 0};
            for (int p = 0; p < 6; ++p) widths[p + 1] = width(names[p]);
            for (const Row& r : rows) {
                widths[0] = std::max(widths[0], width(r.day));
                for (int p = 0; p < 6; ++p) widths[p + 1] = std::max(widths[p + 1], width(r.times[p]));
            }
            auto cell = [&](const std::string& s, size_t w, bool last) {
                out << s;
                if (!last) out << std::string(w - width(s) + 2, ' ');
            };
            cell("Day", widths[0], false);
            for (int p = 0; p < 6; ++p) cell(names[p], widths[p + 1], p == 5 && !anyNote);
            if (anyNote) out << "Note";
            out << "\n";
            for (const Row& r : rows) {
                cell(r.day, widths[0], false);
                for (int p = 0; p < 6; ++p) cell(r.times[p], widths[p + 1], p == 5 && !anyNote);
                if (anyNote) out << (r.ordered ? "" : "! " + r.note);
                out << "\n";
            }
        }
        return finish(out, err);
    } catch (const BadArgument& e) {
        err << "noorvale-times: " << e.text << "\n";
        return 2;
    } catch (const VbError& e) {
        err << "noorvale-times: " << e.description() << " (" << e.source() << ")\n";
        return 2;
    } catch (const std::exception& e) {
        err << "noorvale-times: " << e.what() << "\n";
        return 2;
    }
}

}  // namespace nv

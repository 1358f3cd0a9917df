#include "TimesArguments.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>

#include "Authorities.h"
#include "CalendarRows.h"
#include "RegistryStore.h"
#include "VbConv.h"
#include "VbError.h"
#include "modDateLib.h"
#include "modNoorvale.h"

namespace nv {

namespace {

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
    if (v < lo || v > hi) bad(option, text + " is out of range (" + exactText(lo) + " to " + exactText(hi) + ")");
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

// "5", "+13", "-3:30", "5:45": minutes east of Greenwich, -12:00 to +14:00.
int32_t offsetArg(const std::string& option, const std::string& text) {
    int32_t minutes = 0;
    if (!ParseOffset(text, minutes))
        bad(option, "'" + text + "' is not an offset like 3, -5, 5:30 or -3:30, nor auto or a zone name");
    if (minutes < kLowestOffsetMinutes || minutes > kHighestOffsetMinutes)
        bad(option, text + " is out of range (-12:00 to +14:00)");
    return minutes;
}

// The options as given: each known name once, with its value.
class Options {
public:
    bool has(const char* name) const { return values_.count(name) != 0; }
    const std::string& operator[](const std::string& name) const { return values_.at(name); }
    void add(const std::string& name, const std::string& value) { values_[name] = value; }

private:
    std::map<std::string, std::string> values_;
};

// Reads the names and values; help, the authority list and the version stop the reading.
TimesAction scanOptions(const std::vector<std::string>& args, Options& opt) {
    static const std::vector<std::string> known = {"--authority", "--adjust",
        "--name", "--lat", "--lon", "--alt", "--tz", "--method", "--fajr-angle", "--fajr-minutes",
        "--isha-angle", "--isha-minutes", "--asr", "--margin", "--from", "--days", "--view", "--dates",
        "--date-format", "--hijri-format", "--hijri-calendar", "--hijri-adjust", "--time-format", "--format", "--store",
        "--high-lat", "--astronomy", "--shafaq"};
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        if (name == "--help" || name == "-h") return TimesAction::Help;
        if (name == "--list-authorities") return TimesAction::ListAuthorities;
        if (name == "--version") return TimesAction::Version;
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
        if (opt.has(name.c_str())) bad(name, "given twice");
        opt.add(name, value);
    }
    return TimesAction::Calendar;
}

// The stored settings, as the main window loads them at start-up, from the user's store or
// from --store's file.
void loadStoredSettings(const Options& opt, TimesRequest& request) {
    struct StoreChoice {
        bool chosen = false;
        std::string previous;
        ~StoreChoice() {
            if (chosen) RegistryStore::instance().setFile(previous);
        }
    } store;
    if (opt.has("--store")) {
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
    request.calculator = PrayTime();
    request.names = PeriodNames;
    request.method = CalcMethod;
    request.authorityName = AuthorityName;
}

// A calculator setter that may refuse the value: its refusal names the option.
template <class Apply>
void checkedSet(const Options& opt, const std::string& option, Apply&& apply) {
    try {
        apply();
    } catch (const VbError& e) {
        bad(option, "'" + opt[option] + "': " + e.description());
    }
}

void applyPlace(const Options& opt, TimesRequest& request) {
    clsPrayTime& pt = request.calculator;
    if (opt.has("--name")) pt.LocationName(opt["--name"]);
    else if (opt.has("--lat") || opt.has("--lon")) pt.LocationName("Unknown");
    if (opt.has("--lat")) {
        const Angle a = angleArg("--lat", opt["--lat"], 'N', 'S');
        checkedSet(opt, "--lat", [&] {
            pt.LatDegree(static_cast<int16_t>(a.degrees));
            pt.LatMinute(static_cast<int16_t>(a.minutes));
        });
        pt.LatSouthOfEq(a.negative);
    }
    if (opt.has("--lon")) {
        const Angle a = angleArg("--lon", opt["--lon"], 'E', 'W');
        checkedSet(opt, "--lon", [&] {
            pt.LonDegree(static_cast<int16_t>(a.degrees));
            pt.LonMinute(static_cast<int16_t>(a.minutes));
        });
        pt.LonWestOfGW(a.negative);
    }
    if (opt.has("--alt")) pt.Altitude(static_cast<int16_t>(integerArg("--alt", opt["--alt"], 0, 9000)));
    if (opt.has("--tz")) {
        const std::string& tz = opt["--tz"];
        if (tz == "auto") {
            pt.AutoZone(true);
        } else if (!tz.empty() && (std::isdigit(static_cast<unsigned char>(tz[0])) || tz[0] == '+' || tz[0] == '-')) {
            pt.GMTOffsetMinutes(offsetArg("--tz", tz));
            pt.AutoZone(false);
        } else if (IsZoneName(tz)) {
            request.zone.emplace(tz);
            pt.AutoZone(true);
        } else {
            bad("--tz", "'" + tz + "' is neither an offset like 5:30, nor auto, nor a zone of the system's zone database");
        }
    }
}

void applyMethod(const Options& opt, TimesRequest& request) {
    clsPrayTime& pt = request.calculator;
    const bool customValues =
        opt.has("--fajr-angle") || opt.has("--fajr-minutes") || opt.has("--isha-angle") || opt.has("--isha-minutes");
    int& method = request.method;
    if (opt.has("--method")) method = static_cast<int>(integerArg("--method", opt["--method"], 0, 5));
    else if (customValues) method = kCustomMethod;
    if (customValues && method != kCustomMethod)
        bad("--method", std::to_string(method) + " is a preset; --fajr-* and --isha-* need --method 5");
    if (opt.has("--method")) ApplyCalcMethod(pt, method);
    if (opt.has("--method") || customValues) request.authorityName.clear();
    if (opt.has("--authority")) {
        if (opt.has("--method") || customValues)
            bad("--authority", "give either an authority or --method and the --fajr-* and --isha-* values");
        const Authority* a = FindAuthority(opt["--authority"]);
        if (!a) bad("--authority", "'" + opt["--authority"] + "' is not one of the authorities (see --list-authorities)");
        ApplyAuthority(pt, *a);
        method = kCustomMethod;
        request.authorityName = a->name;
    }
    if (opt.has("--adjust")) adjustArg("--adjust", opt["--adjust"], pt);
    if (opt.has("--shafaq")) {
        const std::vector<std::string> kinds(std::begin(kShafaqNames) + 1, std::end(kShafaqNames));
        const std::string kind = choiceArg("--shafaq", opt["--shafaq"], kinds);
        if (pt.Shafaq() == kShafaqNone)
            bad("--shafaq", "the method has no seasonal twilight rule; it comes with --authority moonsighting or "
                            "isna-canada");
        for (int16_t k = kShafaqGeneral; k <= kShafaqWhite; ++k)
            if (kind == kShafaqNames[k]) pt.Shafaq(k);
    }
    if (opt.has("--fajr-angle")) pt.DawnTwilightAngle(numberArg("--fajr-angle", opt["--fajr-angle"], 0, 89));
    if (opt.has("--fajr-minutes")) pt.MinutesToSunrise(numberArg("--fajr-minutes", opt["--fajr-minutes"], 0, 1440));
    if (opt.has("--isha-angle")) pt.NightTwilightAngle(numberArg("--isha-angle", opt["--isha-angle"], 0, 89));
    if (opt.has("--isha-minutes"))
        pt.MinutesAfterSunset(numberArg("--isha-minutes", opt["--isha-minutes"], 0, 1440));
    if (opt.has("--asr"))
        pt.ShadowRatio(choiceArg("--asr", opt["--asr"], {"shafii", "hanafi"}) == "hanafi" ? 2 : 1);
    if (opt.has("--margin")) pt.MarginOfSafety(static_cast<int16_t>(integerArg("--margin", opt["--margin"], 0, 5)));
    if (opt.has("--high-lat")) {
        const std::string rule = choiceArg("--high-lat", opt["--high-lat"], listOf(kHighLatRuleNames));
        for (int16_t r = kHighLatNone; r <= kHighLatAngle; ++r)
            if (rule == kHighLatRuleNames[r]) pt.HighLatRule(r);
    }
    if (opt.has("--astronomy")) {
        const std::string astronomy = choiceArg("--astronomy", opt["--astronomy"], listOf(kAstronomyNames));
        pt.Astronomy(astronomy == kAstronomyNames[kAstronomyClassic] ? kAstronomyClassic : kAstronomyPrecise);
    }
    HijriCalendar calendar = pt.Calendar();  // the stored choice
    if (opt.has("--hijri-calendar")) {
        const std::string kind = choiceArg("--hijri-calendar", opt["--hijri-calendar"], listOf(kHijriCalendarNames));
        calendar.kind = kind == kHijriCalendarNames[kHijriUmmAlQura] ? kHijriUmmAlQura : kHijriTabular;
    }
    if (opt.has("--hijri-adjust"))
        calendar.adjustment = static_cast<int16_t>(
            integerArg("--hijri-adjust", opt["--hijri-adjust"], -kMaxHijriAdjustment, kMaxHijriAdjustment));
    pt.Calendar(calendar);
}

void readDays(const Options& opt, TimesRequest& request) {
    const DateValue start = opt.has("--from") ? dateArg("--from", opt["--from"]) : today();
    if (opt.has("--days") && opt.has("--view")) bad("--days", "give either --days or --view, not both");
    DateValue first = start, last = start;
    if (opt.has("--days")) {
        last = start + integerArg("--days", opt["--days"], 1, 54789) - 1;
    } else {
        static const std::vector<std::string> views = {"today", "week", "month", "year"};
        const std::string view = opt.has("--view") ? choiceArg("--view", opt["--view"], views) : "week";
        int v = kViewWeek;
        for (size_t i = 0; i < views.size(); ++i)
            if (views[i] == view) v = static_cast<int>(i) + 1;
        CalendarRange(v, start, first, last);
    }
    if (first < 2 || last > 54789)
        bad(opt.has("--days") ? "--days" : "--from", "the days reach outside 1900-01-01 to 2050-01-01");
    request.first = first;
    request.last = last;
}

void readOutput(const Options& opt, TimesRequest& request) {
    request.dateStyle =
        opt.has("--dates") && choiceArg("--dates", opt["--dates"], {"gregorian", "hijri"}) == "hijri" ? kDateHijri
                                                                                                   : kDateGregorian;
    request.dateFormat =
        opt.has("--date-format") ? choiceArg("--date-format", opt["--date-format"], listOf(kGregorianDateFormats))
                                 : kGregorianDateFormats[0];
    request.hijriFormat =
        opt.has("--hijri-format") ? choiceArg("--hijri-format", opt["--hijri-format"], listOf(kHijriDateFormats))
                                  : kHijriDateFormats[0];
    request.timeFormat =
        opt.has("--time-format") ? choiceArg("--time-format", opt["--time-format"], listOf(kTimeFormats))
                                 : kTimeFormats[0];
    request.format = opt.has("--format") ? choiceArg("--format", opt["--format"], {"text", "csv", "json"})
                                         : std::string("text");
}

}  // namespace

void ParseTimesArguments(const std::vector<std::string>& args, TimesRequest& request) {
    Options opt;
    request.action = scanOptions(args, opt);
    if (request.action != TimesAction::Calendar) return;
    loadStoredSettings(opt, request);
    applyPlace(opt, request);
    applyMethod(opt, request);
    readDays(opt, request);
    readOutput(opt, request);
}

}  // namespace nv

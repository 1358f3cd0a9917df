#include "modNoorvale.h"

#include <unistd.h>

#include <cmath>
#include <climits>
#include <cstdlib>

#include "CalendarProps.h"
#include "CalendarRows.h"
#include "Process.h"
#include "RegistryStore.h"
#include "Translate.h"
#include "VbConv.h"
#include "VbError.h"
#include "modRegistry.h"
#include "modTimeZone.h"

namespace nv {

int16_t CalcMethod = 0;
std::string AuthorityName;
int32_t TZMode = 0;
std::array<std::array<std::string, 6>, 2> PeriodNameTable;
std::array<std::string, 6> PeriodNames;
std::array<AlertKind, 1> AlertKinds;

namespace {

// A stored "LatDegree" or "LonDegree" that is absent reads as this, so that a stored 0 (a place
// on the equator or the Greenwich meridian) is told apart from a missing value.
constexpr int16_t kMissingDegree = -1;
// An absent "GMTOffsetMinutes" reads as this (no real offset is that large).
constexpr int16_t kNoMinutes = -32768;

std::string locationKey() { return UserKey() + "Location"; }
std::string methodKey() { return UserKey() + "Method"; }
std::string periodKey(int period) { return UserKey() + "Period\\" + std::to_string(period); }

// The stored number as a 16-bit integer (nearest, halves to even); the default when it is
// absent or does not convert.
int16_t readNumber(const std::string& key, const char* name, int16_t defaultValue) {
    int16_t v = defaultValue;
    resumeNext([&] { v = ReadRegValue(HKEY_CURRENT_USER, key, name, RegValue(int32_t{defaultValue})).toInt(); });
    return v;
}

std::string readText(const std::string& key, const char* name, const std::string& defaultValue) {
    std::string v = defaultValue;
    resumeNext([&] { v = ReadRegValue(HKEY_CURRENT_USER, key, name, RegValue(defaultValue)).toText(); });
    return v;
}

// The system's offset from Greenwich now, in minutes.
int32_t systemOffsetMinutes() {
    int32_t minutes = 0;
    resumeNext([&] { minutes = GetUTCOffset() / 60; });
    return minutes;
}

std::string trimBlanks(const std::string& s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

void setLocationFallback(clsPrayTime& pt) {
    pt.LocationName("Vellmore, LA -- USA");
    // Minutes before degrees: each degree setter checks against the minutes already set.
    resumeNext([&] { pt.LatMinute(23); });
    resumeNext([&] { pt.LatDegree(30); });
    pt.LatSouthOfEq(false);
    resumeNext([&] { pt.LonMinute(0); });
    resumeNext([&] { pt.LonDegree(91); });
    pt.LonWestOfGW(true);
    pt.Altitude(0);
    pt.GMTOffsetMinutes(systemOffsetMinutes());
    pt.AutoZone(TZMode == 0);
}

void setMethodFallback(clsPrayTime& pt) {
    pt.DawnTwilightAngle(15);
    pt.MinutesToSunrise(0);
    pt.NightTwilightAngle(15);
    pt.MinutesAfterSunset(0);
    resumeNext([&] { pt.ShadowRatio(1); });
    pt.MarginOfSafety(2);
    pt.SunsetTwilightAngle(0);
    pt.RamadanMinutesAfterSunset(0);
    pt.RamadanCalendar(kRamadanChosenCalendar);
    pt.Rounding(kRoundNearest);
    pt.Shafaq(kShafaqNone);
    AuthorityName.clear();
}

void writeLong(const std::string& key, const char* name, double value) {
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, key, name, toInt32(value)); });
}

// A number stored as text, to any fraction; the default when it is absent or not a number.
double readExact(const std::string& key, const char* name, double defaultValue) {
    const std::string text = readText(key, name, "");
    double v = defaultValue;
    if (!text.empty()) resumeNext([&] { v = cdbl(text); });
    return std::isfinite(v) ? v : defaultValue;
}

void writeExact(const std::string& key, const char* name, double value) {
    resumeNext([&] { WriteRegString(HKEY_CURRENT_USER, key, name, exactText(value)); });
}

std::string adjustmentName(int period) { return "Adjustment" + std::to_string(period); }

// The values that come after the four twilight parameters: the Maghrib angle, the Ramadan Isha
// rule with its calendar, the rounding, the seasonal rule and the authority's name; each absent or unusable one is 0 (empty).
void loadAdjustments(clsPrayTime& pt, const std::string& key) {
    for (int p = 1; p <= 6; ++p) {
        const int16_t minutes = readNumber(key, adjustmentName(p).c_str(), 0);
        pt.Adjustment(p, minutes < -kMaxAdjustment || minutes > kMaxAdjustment ? int16_t{0} : minutes);
    }
}

void loadMethodExtras(clsPrayTime& pt, const std::string& key) {
    const double sunsetAngle = readExact(key, "SunsetTwilightAngle", 0);
    pt.SunsetTwilightAngle(sunsetAngle > 0 && sunsetAngle < 90 ? sunsetAngle : 0);
    const int16_t ramadan = readNumber(key, "RamadanMinutesAfterSunset", 0);
    pt.RamadanMinutesAfterSunset(ramadan < 0 ? int16_t{0} : ramadan);
    const int16_t ramadanCalendar = readNumber(key, "RamadanCalendar", kRamadanChosenCalendar);
    pt.RamadanCalendar(ramadanCalendar == kRamadanUmmAlQura ? ramadanCalendar : int16_t{kRamadanChosenCalendar});
    const int16_t rounding = readNumber(key, "Rounding", kRoundNearest);
    pt.Rounding(rounding == kRoundUp ? rounding : int16_t{kRoundNearest});
    const int16_t shafaq = readNumber(key, "Shafaq", kShafaqNone);
    pt.Shafaq(shafaq >= kShafaqGeneral && shafaq <= kShafaqWhite ? shafaq : int16_t{kShafaqNone});
    AuthorityName = CalcMethod == kCustomMethod ? trimBlanks(readText(key, "Authority", "")) : std::string();
}

}  // namespace

clsPrayTime& PrayTime() {
    static clsPrayTime calculator;
    return calculator;
}

std::string UserKey() { return std::string(kNoorvaleKey) + "\\User\\"; }

void InitPeriodNames() {
    for (int p = 1; p <= 6; ++p) {
        PeriodNameTable[0][p - 1] = DefaultPeriodName(p);
        PeriodNameTable[1][p - 1] = PeriodDescription(p);
    }
}

// A name never renamed is stored as its English default (what older versions stored too), and
// shown in the program's language; any other stored name is the user's and shown as it is.
void LoadPeriodNames() {
    for (int p = 1; p <= 6; ++p) {
        const std::string& english = kPeriodNames[static_cast<size_t>(p - 1)];
        const std::string stored = readText(periodKey(p), "Name", english);
        PeriodNames[p - 1] = stored == english ? DefaultPeriodName(p) : stored;
    }
}

void SavePeriodNames() {
    RegBatch batch;
    for (int p = 1; p <= 6; ++p) {
        const std::string& name = PeriodNames[p - 1];
        const std::string& stored = name == DefaultPeriodName(p) ? kPeriodNames[static_cast<size_t>(p - 1)] : name;
        resumeNext([&] { WriteRegString(HKEY_CURRENT_USER, periodKey(p), "Name", stored); });
    }
}

void InitAlertKinds() { AlertKinds[0] = AlertKind{Translate("Settings", "Sound Alert"), "SPEAKER"}; }

void LoadLocation() {
    clsPrayTime& pt = PrayTime();
    const std::string key = locationKey();
    TZMode = 0;  // stays so when the fallback comes before "TZMode" is read

    std::string name = trimBlanks(readText(key, "Name", ""));
    pt.LocationName(name.empty() ? "Unknown" : name);

    const int16_t latDegree = readNumber(key, "LatDegree", kMissingDegree);
    if (latDegree < 0) return setLocationFallback(pt);
    resumeNext([&] { pt.LatDegree(latDegree); });

    int16_t latMinute = readNumber(key, "LatMinute", 0);
    if (latMinute < 0) latMinute = 23;
    resumeNext([&] { pt.LatMinute(latMinute); });

    const int16_t south = readNumber(key, "LatSouthOfEq", -2);
    if (south != 0 && south != 1) return setLocationFallback(pt);
    pt.LatSouthOfEq(south == 1);

    const int16_t lonDegree = readNumber(key, "LonDegree", kMissingDegree);
    if (lonDegree < 0) return setLocationFallback(pt);
    resumeNext([&] { pt.LonDegree(lonDegree); });

    int16_t lonMinute = readNumber(key, "LonMinute", 0);
    if (lonMinute < 0) lonMinute = 0;
    resumeNext([&] { pt.LonMinute(lonMinute); });

    const int16_t west = readNumber(key, "LonWestOfGW", -2);
    if (west != 0 && west != 1) return setLocationFallback(pt);
    pt.LonWestOfGW(west == 1);

    const int16_t altitude = readNumber(key, "Altitude", 0);
    pt.Altitude(altitude < 0 ? int16_t{0} : altitude);

    const int16_t mode = readNumber(key, "TZMode", 0);
    TZMode = mode == 0 || mode == 1 ? mode : 0;

    // The offset in minutes: "GMTOffsetMinutes" when it agrees with the whole hours of
    // "GMTOffset" (a writer that knows only the hours may have changed them), else the hours.
    const int32_t system = systemOffsetMinutes();
    int32_t offset = system;
    if (TZMode == 1) {
        const int16_t hours = readNumber(key, "GMTOffset", static_cast<int16_t>(system / 60));
        const int16_t minutes = readNumber(key, "GMTOffsetMinutes", kNoMinutes);
        offset = minutes != kNoMinutes && minutes / 60 == hours ? minutes : int32_t{hours} * 60;
    }
    // +13 and +14 are real zones; only an offset past 14 hours either way is not.
    if (offset >= -kHighestOffsetMinutes && offset <= kHighestOffsetMinutes) {
        pt.GMTOffsetMinutes(offset);
        pt.AutoZone(TZMode == 0);
        return;
    }
    setLocationFallback(pt);
}

void SaveLocation() {
    RegBatch batch;
    const clsPrayTime& pt = PrayTime();
    const std::string key = locationKey();
    resumeNext([&] { WriteRegString(HKEY_CURRENT_USER, key, "Name", pt.LocationName()); });
    writeLong(key, "TZMode", TZMode);
    writeLong(key, "GMTOffset", pt.GMTOffset());
    writeLong(key, "GMTOffsetMinutes", pt.GMTOffsetMinutes());
    writeLong(key, "LatDegree", pt.LatDegree());
    writeLong(key, "LatMinute", pt.LatMinute());
    writeLong(key, "LatSouthOfEq", pt.LatSouthOfEq() ? 1 : 0);
    writeLong(key, "LonDegree", pt.LonDegree());
    writeLong(key, "LonMinute", pt.LonMinute());
    writeLong(key, "LonWestOfGW", pt.LonWestOfGW() ? 1 : 0);
    writeLong(key, "Altitude", pt.Altitude());
}

void LoadMethod() {
    clsPrayTime& pt = PrayTime();
    const std::string key = methodKey();

    pt.Calendar(LoadHijriCalendar());
    loadAdjustments(pt, key);
    // Absent (a file of an earlier version) or unknown: the precise sun.
    pt.Astronomy(readNumber(key, "Astronomy", kAstronomyPrecise) == kAstronomyClassic ? int16_t{kAstronomyClassic}
                                                                                      : int16_t{kAstronomyPrecise});
    // A method number past the list is as unusable as a negative one.
    const int16_t method = readNumber(key, "CalcMethod", kCustomMethod);
    if (method < 0 || method > kCustomMethod) return setMethodFallback(pt);
    CalcMethod = method;

    loadMethodExtras(pt, key);

    // An exact angle stands when it rounds to the whole number beside it (a writer that knows
    // only the whole numbers may have changed that one since).
    auto exact = [&](const char* name, int16_t whole) {
        const double v = readExact(key, name, whole);
        return toInt32(v) == whole ? v : static_cast<double>(whole);
    };
    const int16_t dawnAngle = readNumber(key, "DawnTwilightAngle", 15);
    if (dawnAngle < 0) return setMethodFallback(pt);
    pt.DawnTwilightAngle(exact("DawnTwilightAngleExact", dawnAngle));

    auto notNegative = [](int16_t v) { return v < 0 ? int16_t{0} : v; };
    pt.MinutesToSunrise(notNegative(readNumber(key, "MinutesToSunrise", 0)));
    const int16_t nightAngle = notNegative(readNumber(key, "NightTwilightAngle", 15));
    pt.NightTwilightAngle(exact("NightTwilightAngleExact", nightAngle));
    pt.MinutesAfterSunset(notNegative(readNumber(key, "MinutesAfterSunset", 0)));

    const int16_t ratio = readNumber(key, "ShadowRatio", 1);
    resumeNext([&] { pt.ShadowRatio(ratio < 1 ? int16_t{1} : ratio); });

    const int16_t margin = readNumber(key, "SafetyMinutes", 2);
    pt.MarginOfSafety(margin < 0 || margin > 5 ? int16_t{2} : margin);

    // A preset keeps its exact angles (the whole numbers stored beside it are for older readers).
    ApplyCalcMethod(pt, CalcMethod);

    const int16_t rule = readNumber(key, "HighLatRule", kHighLatNone);
    pt.HighLatRule(rule >= kHighLatNone && rule <= kHighLatAngle ? rule : int16_t{kHighLatNone});
}

void SaveMethod() {
    RegBatch batch;
    const clsPrayTime& pt = PrayTime();
    const std::string key = methodKey();
    writeLong(key, "CalcMethod", CalcMethod);
    writeLong(key, "DawnTwilightAngle", pt.DawnTwilightAngle());
    writeLong(key, "MinutesToSunrise", pt.MinutesToSunrise());
    writeLong(key, "NightTwilightAngle", pt.NightTwilightAngle());
    writeLong(key, "MinutesAfterSunset", pt.MinutesAfterSunset());
    writeLong(key, "ShadowRatio", pt.ShadowRatio());
    writeLong(key, "SafetyMinutes", pt.MarginOfSafety());
    writeExact(key, "DawnTwilightAngleExact", pt.DawnTwilightAngle());
    writeExact(key, "NightTwilightAngleExact", pt.NightTwilightAngle());
    writeExact(key, "SunsetTwilightAngle", pt.SunsetTwilightAngle());
    writeLong(key, "RamadanMinutesAfterSunset", pt.RamadanMinutesAfterSunset());
    writeLong(key, "RamadanCalendar", pt.RamadanCalendar());
    writeLong(key, "Rounding", pt.Rounding() == kRoundUp ? kRoundUp : kRoundNearest);
    writeLong(key, "Shafaq", pt.Shafaq() >= kShafaqGeneral && pt.Shafaq() <= kShafaqWhite ? pt.Shafaq() : int16_t{kShafaqNone});
    for (int p = 1; p <= 6; ++p) writeLong(key, adjustmentName(p).c_str(), pt.Adjustment(p));
    resumeNext([&] {
        WriteRegString(HKEY_CURRENT_USER, key, "Authority", CalcMethod == kCustomMethod ? AuthorityName : "");
    });
    writeLong(key, "HighLatRule", pt.HighLatRule());
    writeLong(key, "Astronomy", pt.Astronomy() == kAstronomyClassic ? kAstronomyClassic : kAstronomyPrecise);
}

namespace {
constexpr int16_t kAlertPeriods[] = {1, 3, 4, 5, 6};
// The value name of alert kind 1's switch, as the number-to-text function writes 1: " 1".
const std::string kSoundSwitch = str(1);
}  // namespace

void LoadAlertSwitches(AlertRecords& records) {
    for (int16_t p : kAlertPeriods) {
        int16_t v = readNumber(periodKey(p), kSoundSwitch.c_str(), 1);
        if (v != 0 && v != 1) v = 1;
        records[static_cast<size_t>(PeriodToAlert(p) - 1)].sound = v == 1;
    }
}

void SaveAlertSwitches(const AlertRecords& records) {
    RegBatch batch;
    for (int16_t p : kAlertPeriods)
        writeLong(periodKey(p), kSoundSwitch.c_str(), records[static_cast<size_t>(PeriodToAlert(p) - 1)].sound ? 1 : 0);
}

namespace {
std::string& chosenProgramFolder() {
    static std::string folder;
    return folder;
}
}  // namespace

void setProgramFolder(const std::string& folder) { chosenProgramFolder() = folder; }

std::string ProgramFolder() {
    if (!chosenProgramFolder().empty()) return chosenProgramFolder();
    return ExecutableFolder();
}

std::string DefaultSoundFile() { return ProgramFolder() + "/Media/Nv_001.wav"; }

std::string GetSoundFile(int16_t period) { return readText(periodKey(period), "SoundFile", DefaultSoundFile()); }

void SaveSoundFile(int16_t period, const std::string& path) {
    resumeNext([&] { WriteRegString(HKEY_CURRENT_USER, periodKey(period), "SoundFile", path); });
}

int16_t AlertToPeriod(int16_t alert) { return alert == 1 ? int16_t{1} : static_cast<int16_t>(alert + 1); }

int16_t PeriodToAlert(int16_t period) { return period < 2 ? period : static_cast<int16_t>(period - 1); }

std::string AdjustmentsText(const clsPrayTime& pt, const std::array<std::string, 6>& names, bool rightToLeft) {
    //: Between the items of a list ("Fajr +2, Shurooq -7").
    const std::string separator = Translate("Settings", ", ");
    const char* mark = rightToLeft ? "\u200E" : "";  // a left-to-right mark: the sign stays before the number
    std::string text;
    for (int p = 1; p <= 6; ++p) {
        const int16_t minutes = pt.Adjustment(p);
        if (minutes == 0) continue;
        text += (text.empty() ? "" : separator) + names[static_cast<size_t>(p - 1)] + " " + mark +
                (minutes > 0 ? "+" : "") + std::to_string(minutes);
    }
    return text;
}

DateValue GetPeriodTime(int16_t period) {
    DateValue t = 0;
    resumeNext([&] { t = PeriodTime(PrayTime(), period); });
    return t;
}

}  // namespace nv

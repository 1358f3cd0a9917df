#include "clsPrayTime.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "VbConv.h"
#include "VbError.h"
#include "modDateLib.h"
#include "modHijri.h"
#include "modMathLib.h"
#include "modTimeZone.h"

namespace nv {

namespace {

constexpr const char* kSourcePrefix = "Noorvale.clsPrayTime.";
constexpr const char* kFailure = "clsNoorvale component failure";

template <class F>
auto trapped(const char* procedure, F&& body) -> decltype(body()) {
    return classTrap(kErrPrayTimeFailure, kSourcePrefix, procedure, kFailure, std::forward<F>(body));
}

// The description is in the program's language: the error boxes show it.
[[noreturn]] void raiseCheck(int32_t number, const char* procedure, const std::string& description) {
    throw VbError(number, std::string(kSourcePrefix) + procedure, description);
}

double TimeinSeconds(double hours) { return std::floor(hours * 3600); }

// Whether a date lies in Ramadan (month 9) of the calendar.
bool inRamadan(DateValue date, const HijriCalendar& calendar) {
    const std::optional<HijriDate> h = ToHijri(date, calendar);
    return h && h->month == 9;
}

// A count of seconds brought into 0 .. 86 399: the same clock time of the day.
double intoDay(double seconds) { return seconds - 86400 * std::floor(seconds / 86400); }

// With a high-latitude rule, a sunrise or sunset that does not happen, and the share of the
// afternoon for an Asr that does not, come from this latitude on the place's side of the equator.
constexpr double kRuleLatitude = 65;

// A time brought to its whole minute: down, or up when it is not on one already.
double minuteDown(double seconds) { return 60 * std::floor(seconds / 60); }
double minuteUp(double seconds) { return 60 * std::ceil(seconds / 60); }

}  // namespace

double SeasonalMinutes(bool fajr, int16_t shafaq, double latitude, DateValue date) {
    if (shafaq < kShafaqGeneral || shafaq > kShafaqWhite) return 0;
    // The season's values at days 0, 91, 137 and 183 after the winter solstice, each the base
    // plus its minutes per 55 degrees of latitude.
    struct Season {
        double base, a, b, c, d;
    };
    static constexpr Season kFajr{75, 28.65, 19.44, 32.74, 48.10};
    static constexpr Season kIsha[3] = {{75, 25.60, 2.05, -9.21, 6.14},    // general
                                        {62, 17.40, -7.16, 5.12, 19.44},   // red
                                        {75, 25.60, 7.16, 36.84, 81.84}};  // white
    const Season& s = fajr ? kFajr : kIsha[shafaq - kShafaqGeneral];
    const double share = std::fabs(latitude) / 55;
    const double a = s.base + s.a * share, b = s.base + s.b * share, c = s.base + s.c * share,
                 d = s.base + s.d * share;
    const bool leap = IsLeapYear(static_cast<int16_t>(year(date)));
    const int daysInYear = leap ? 366 : 365;
    int day = DayOfYear(date) + (latitude >= 0 ? 10 : -(leap ? 173 : 172));
    if (day >= daysInYear) day -= daysInYear;
    if (day < 0) day += daysInYear;
    // Through a, b, c, d and back through c and b to a at the year's end, straight between.
    const double points[7][2] = {{0, a}, {91, b}, {137, c}, {183, d}, {229, c}, {275, b}, {double(daysInYear), a}};
    for (int i = 1; i < 7; ++i)
        if (day < points[i][0])
            return points[i - 1][1] +
                   (points[i][1] - points[i - 1][1]) * (day - points[i - 1][0]) / (points[i][0] - points[i - 1][0]);
    return a;
}

clsPrayTime::clsPrayTime() {
    Set2Vellmore();
    dawn_ = sunrise_ = noon_ = afternoon_ = sunset_ = night_ = 0;
}

void clsPrayTime::PrayerDate(DateValue value) {
    if (value < 2 || value > 54789) {
        prayerDate_ = today();
        raiseCheck(kErrPrayerDateInvalid, "PrayerDate",
                   Translate("Calculator", "Date is not valid"));
    }
    prayerDate_ = value;
}

void clsPrayTime::LonDegree(int16_t value) {
    if (value + intDiv(int64_t{lonMinute_}, 100) > 180) {
        lonDegree_ = 180;
        lonMinute_ = 0;
        raiseCheck(kErrLongitudeInvalid, "LonDegree",
                   Translate("Calculator", "Longitude is not valid, must be less than 180"));
    }
    lonDegree_ = value;
}

void clsPrayTime::LonMinute(int16_t value) {
    if (intDiv(int64_t{value}, 100) + lonDegree_ > 180) {
        lonDegree_ = 180;
        lonMinute_ = 0;
        raiseCheck(kErrLongitudeInvalid, "LonMinute",
                   Translate("Calculator", "Longitude is not valid, must be less than 180"));
    }
    lonMinute_ = value;
}

void clsPrayTime::LatDegree(int16_t value) {
    if (value + intDiv(int64_t{latMinute_}, 100) > 89.8) {
        latDegree_ = 89;
        latMinute_ = 1;
        raiseCheck(kErrLatitudeInvalid, "LatDegree",
                   Translate("Calculator", "Latitude is not valid, must be less than 89.8"));
    }
    latDegree_ = value;
}

void clsPrayTime::LatMinute(int16_t value) {
    if (intDiv(int64_t{value}, 100) + latDegree_ > 89.8) {
        latDegree_ = 89;
        latMinute_ = 1;
        raiseCheck(kErrLatitudeInvalid, "LatMinute",
                   Translate("Calculator", "Latitude is not valid, must be less than 89.8"));
    }
    latMinute_ = value;
}

void clsPrayTime::ShadowRatio(int16_t value) {
    if (value < 1 || value > 2) {
        shadowRatio_ = 1;
        raiseCheck(kErrShadowRatioInvalid, "ShadowRatio",
                   Translate("Calculator", "Shadow Ratio is not valid, must be between 1 and 2"));
    }
    shadowRatio_ = value;
}

int16_t clsPrayTime::Adjustment(int period) const {
    return period >= 1 && period <= 6 ? adjustments_[period - 1] : int16_t{0};
}

void clsPrayTime::Adjustment(int period, int16_t minutes) {
    if (period >= 1 && period <= 6) adjustments_[period - 1] = minutes;
}

bool clsPrayTime::HasAdjustments() const {
    for (int16_t a : adjustments_)
        if (a != 0) return true;
    return false;
}

DateValue clsPrayTime::timeProperty(const char* name, double stored) const {
    return trapped(name, [&] { return SecondsToTime(static_cast<float>(stored)); });
}

DateValue clsPrayTime::Dawn() const { return timeProperty("Dawn", dawn_); }
DateValue clsPrayTime::Sunrise() const { return timeProperty("Sunrise", sunrise_); }
DateValue clsPrayTime::Noon() const { return timeProperty("Noon", noon_); }
DateValue clsPrayTime::Afternoon() const { return timeProperty("Afternoon", afternoon_); }
DateValue clsPrayTime::Sunset() const { return timeProperty("Sunset", sunset_); }
DateValue clsPrayTime::Night() const { return timeProperty("Night", night_); }

double clsPrayTime::StoredSeconds(int period) const {
    switch (period) {
    case 1: return dawn_;
    case 2: return sunrise_;
    case 3: return noon_;
    case 4: return afternoon_;
    case 5: return sunset_;
    case 6: return night_;
    default: return 0;
    }
}

bool clsPrayTime::Calculate() {
    return trapped("Calculate", [&] {
        double latitude = DegToRad(latDegree_ + latMinute_ / 60.0);
        if (latSouthOfEq_) latitude = -latitude;
        double longitude = DegToRad(lonDegree_ + lonMinute_ / 60.0);
        if (lonWestOfGW_) longitude = -longitude;

        dayOffsetMinutes_ = autoZone_ ? GetUTCOffsetAt(prayerDate_) / 60 : offsetMinutes_;
        const double zone = mul16(narrow16(dayOffsetMinutes_ / 60), 15) + (dayOffsetMinutes_ % 60) / 4.0;
        const double L = (RadToDeg(longitude) - zone) * 4 / 60;
        const SunDay sun(astronomy_, prayerDate_, zone, L);

        const bool rule = highLatRule_ >= kHighLatMiddle && highLatRule_ <= kHighLatAngle;
        const bool seasonal = shafaq_ >= kShafaqGeneral && shafaq_ <= kShafaqWhite;
        SunEventAngles angles{dawnTwilightAngle_, nightTwilightAngle_, sunsetTwilightAngle_, shadowRatio_, altitude_};
        SunDayEvents ev = sun.events(latitude, angles, rule || seasonal);
        dayKind_ = ev.sunrise.reached && ev.sunset.reached ? kDayRegular
                   : ev.upAtNoon                            ? kDayMidnightSun
                                                            : kDayPolarNight;
        highLatAdjusted_ = false;
        if (rule) {
            // Only what does not happen is taken from the stand-in latitude (at sea level).
            std::optional<SunDayEvents> standIn;
            auto stand = [&]() -> const SunDayEvents& {
                if (!standIn) {
                    SunEventAngles seaLevel = angles;
                    seaLevel.altitude = 0;
                    standIn = sun.events(DegToRad(latitude < 0 ? -kRuleLatitude : kRuleLatitude), seaLevel, true);
                }
                return *standIn;
            };
            if (!ev.sunrise.reached) ev.sunrise = stand().sunrise;
            if (!ev.sunset.reached) {
                ev.sunset = stand().sunset;
                if (sunsetTwilightAngle_ == 0) ev.maghrib = ev.sunset;
            }
            if (!ev.nextSunrise.reached) ev.nextSunrise = stand().nextSunrise;
            if (!ev.asr.reached || ev.asr.hours <= ev.noon.hours || ev.asr.hours >= ev.sunset.hours) {
                // Asr keeps the share of the afternoon from Dhuhr to sunset that it has there.
                const SunDayEvents& s = stand();
                const double share = (s.asr.hours - s.noon.hours) / (s.sunset.hours - s.noon.hours);
                ev.asr = {ev.noon.hours + share * (ev.sunset.hours - ev.noon.hours), true};
                highLatAdjusted_ = true;
            }
            highLatAdjusted_ = highLatAdjusted_ || dayKind_ != kDayRegular;
        }

        const int16_t M = mul16(marginOfSafety_, 60);
        dawn_ = TimeinSeconds(ev.dawn.hours) - M;
        sunrise_ = TimeinSeconds(ev.sunrise.hours) - M;
        noon_ = M + TimeinSeconds(ev.noon.hours);
        afternoon_ = M + TimeinSeconds(ev.asr.hours);
        sunset_ = M + TimeinSeconds(ev.maghrib.hours);
        night_ = M + TimeinSeconds(ev.night.hours);

        const bool dawnByMinutes = dawnTwilightAngle_ == 0 && minutesToSunrise_ > 0;
        const bool nightByMinutes = nightTwilightAngle_ == 0 && minutesAfterSunset_ > 0;
        auto ishaByMinutes = [&] {
            const HijriCalendar ramadanCalendar =
                ramadanCalendar_ == kRamadanUmmAlQura ? HijriCalendar{kHijriUmmAlQura, 0} : calendar_;
            const bool ramadan = ramadanMinutesAfterSunset_ > 0 && inRamadan(prayerDate_, ramadanCalendar);
            night_ = sunset_ + (ramadan ? ramadanMinutesAfterSunset_ : minutesAfterSunset_) * 60;
        };
        if (dawnByMinutes) dawn_ = sunrise_ - minutesToSunrise_ * 60;
        if (nightByMinutes) ishaByMinutes();

        // A twilight angle the sun never reaches that day leaves Fajr or Isha at solar midnight
        // (or at noon): no true time. So does a Maghrib angle, and an Asr shadow never cast.
        bool dawnLost = !dawnByMinutes && !ev.dawn.reached;
        bool nightLost = !nightByMinutes && !ev.night.reached;
        bool maghribLost = sunsetTwilightAngle_ != 0 && !ev.maghrib.reached;
        const bool asrLost = !ev.asr.reached;  // with a rule it has its share of the afternoon

        // The seasonal rule bounds Fajr and Isha by the angle, or sets them where the sun does
        // not reach it; from 55 degrees they are a seventh of the night from sunrise and sunset.
        if (seasonal && ev.sunrise.reached && ev.sunset.reached && ev.nextSunrise.reached) {
            const double degrees = RadToDeg(latitude);
            const bool seventh = std::fabs(degrees) >= kSeasonalSeventhLatitude;
            const double night = (ev.nextSunrise.hours - ev.sunset.hours) / 7;
            const double before = seventh ? night : SeasonalMinutes(true, shafaq_, degrees, prayerDate_) / 60;
            const double after = seventh ? night : SeasonalMinutes(false, shafaq_, degrees, prayerDate_) / 60;
            const double earliestDawn = TimeinSeconds(ev.sunrise.hours - before) - M;
            const double latestNight = TimeinSeconds(ev.sunset.hours + after) + M;
            if (!dawnByMinutes && (seventh || dawnLost || dawn_ < earliestDawn)) dawn_ = earliestDawn;
            if (!nightByMinutes && (seventh || nightLost || night_ > latestNight)) night_ = latestNight;
            dawnLost = nightLost = false;
        }
        if (dayKind_ == kDayRegular && asrLost) dayKind_ = kDayNoAsrShadow;
        if (dayKind_ == kDayRegular && (dawnLost || nightLost || maghribLost)) dayKind_ = kDayNoTrueTwilight;

        if (rule) {
            // Fajr no earlier and Isha no later than the rule's portion of the coming night, from
            // sunset to the next sunrise; a Fajr or Isha by minutes stays within its middle.
            const double darkness = (ev.nextSunrise.hours - ev.sunset.hours) * 3600;
            auto portion = [&](bool byMinutes, double angle) {
                if (byMinutes || highLatRule_ == kHighLatMiddle) return 0.5;
                if (highLatRule_ == kHighLatSeventh) return 1.0 / 7;
                return std::min(angle / 60, 0.5);
            };
            const double sunset = M + TimeinSeconds(ev.sunset.hours);
            const double earliestDawn =
                std::floor(ev.sunrise.hours * 3600 - portion(dawnByMinutes, dawnTwilightAngle_) * darkness) - M;
            const double latestNight =
                std::floor(ev.sunset.hours * 3600 + portion(nightByMinutes, nightTwilightAngle_) * darkness) + M;
            if (dawnLost || dawn_ < earliestDawn || dawn_ >= sunrise_) {
                highLatAdjusted_ = true;
                dawn_ = earliestDawn;
                dawnLost = false;
            }
            if (!nightByMinutes && (nightLost || night_ > latestNight || night_ <= sunset)) {
                highLatAdjusted_ = true;
                night_ = latestNight;
                nightLost = false;
            }
            // A Maghrib angle counts only between sunset and Isha; else Maghrib is sunset.
            if (sunsetTwilightAngle_ != 0 &&
                (maghribLost || sunset_ <= sunset || sunset_ >= (nightByMinutes ? latestNight : night_))) {
                highLatAdjusted_ = true;
                sunset_ = sunset;
                maghribLost = false;
                if (nightByMinutes) ishaByMinutes();
            }
            if (nightByMinutes && night_ > latestNight) {
                highLatAdjusted_ = true;
                night_ = latestNight;
            }
            // The day spans no more than a day: where a short night or a stand-in sunset brings
            // Maghrib to the previous Fajr's clock time, Fajr comes a minute after it, and Isha no
            // later than the next Fajr.
            if (sunset_ + 60 > dawn_ + 86400) {
                highLatAdjusted_ = true;
                dawn_ = sunset_ + 60 - 86400;
            }
            if (night_ > dawn_ + 86400) {
                highLatAdjusted_ = true;
                night_ = dawn_ + 86400;
            }
        }

        double* const times[6] = {&dawn_, &sunrise_, &noon_, &afternoon_, &sunset_, &night_};
        for (int p = 0; p < 6; ++p) {
            const double t = *times[p] + adjustments_[p] * 60;
            // Rounded up, no prayer is early and sunrise (Fajr's end) is not late.
            *times[p] = intoDay(rounding_ != kRoundUp ? t : p == 1 ? minuteDown(t) : minuteUp(t));
        }

        // In order around the clock, counted from Fajr; Isha may reach the next Fajr.
        auto fromDawn = [&](double v) { return intoDay(v - dawn_); };
        const double ishaFromDawn = fromDawn(night_) == 0 ? 86400 : fromDawn(night_);
        ordered_ = !dawnLost && !nightLost && !maghribLost && !asrLost && 0 < fromDawn(sunrise_) &&
                   fromDawn(sunrise_) < fromDawn(noon_) && fromDawn(noon_) < fromDawn(afternoon_) &&
                   fromDawn(afternoon_) < fromDawn(sunset_) && fromDawn(sunset_) < ishaFromDawn;
        return ordered_;
    });
}

int32_t clsPrayTime::Set2Vellmore() {
    return trapped("Set2Vellmore", [&] {
        locationName_ = "Vellmore, LA -- USA";
        lonDegree_ = 91;
        lonMinute_ = 0;
        lonWestOfGW_ = true;
        latDegree_ = 30;
        latMinute_ = 23;
        latSouthOfEq_ = false;
        altitude_ = 0;
        prayerDate_ = today();
        dawnTwilightAngle_ = 15;
        nightTwilightAngle_ = 15;
        minutesToSunrise_ = 0;
        minutesAfterSunset_ = 0;
        shadowRatio_ = 1;
        marginOfSafety_ = 2;
        sunsetTwilightAngle_ = 0;
        ramadanMinutesAfterSunset_ = 0;
        ramadanCalendar_ = kRamadanChosenCalendar;
        rounding_ = kRoundNearest;
        shafaq_ = kShafaqNone;
        for (int16_t& a : adjustments_) a = 0;
        return int32_t{0};
    });
}

DateValue clsPrayTime::SecondsToTime(float seconds) const {
    return trapped("SecondsToTime", [&] {
        const double a = std::fabs(static_cast<double>(seconds));
        const int64_t h = intDiv(a, 3600.0);
        const int64_t m = intDiv(a - h * 3600.0, 60.0);
        const int64_t x = static_cast<int64_t>(roundHalfEven(a - h * 3600.0 - m * 60.0));
        return timeSerial(narrow32(h), narrow32(m), narrow32(x));
    });
}

std::string clsPrayTime::SecondtoStrTime(float seconds, bool& ShowSeconds, bool& Use24Hour) const {
    return trapped("SecondtoStrTime", [&] {
        const double a = std::fabs(static_cast<double>(seconds));
        int64_t h = intDiv(a, 3600.0);
        const int64_t m = intDiv(a - h * 3600.0, 60.0);
        const int64_t x = static_cast<int64_t>(roundHalfEven(a - h * 3600.0 - m * 60.0));
        if (!Use24Hour && h > 12) h = h - 12;
        char buf[48];
        if (ShowSeconds)
            std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", static_cast<long long>(h),
                          static_cast<long long>(m), static_cast<long long>(x));
        else
            std::snprintf(buf, sizeof buf, "%02lld:%02lld", static_cast<long long>(h), static_cast<long long>(m));
        return std::string(buf);
    });
}

std::string CalcMethodDisplayName(int index) {
    return index >= 0 && index <= kCustomMethod ? Translate("Method", kCalcMethods[index].name) : std::string();
}

void ApplyCalcMethod(clsPrayTime& calculator, int index) {
    if (index < 0 || index >= kCustomMethod) return;
    const CalcMethodPreset& m = kCalcMethods[index];
    calculator.DawnTwilightAngle(m.dawnTwilightAngle);
    calculator.MinutesToSunrise(m.minutesToSunrise);
    calculator.NightTwilightAngle(m.nightTwilightAngle);
    calculator.MinutesAfterSunset(m.minutesAfterSunset);
    calculator.SunsetTwilightAngle(0);
    calculator.RamadanMinutesAfterSunset(0);
    calculator.RamadanCalendar(kRamadanChosenCalendar);
    calculator.Rounding(kRoundNearest);
    calculator.Shafaq(kShafaqNone);
}

}  // namespace nv

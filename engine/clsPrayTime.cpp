#include "clsPrayTime.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "VbConv.h"
#include "VbError.h"
#include "modAstoLib.h"
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

// An hour-angle cosine outside -1..1: the sun never reaches that altitude that day.
bool neverReached(double cosine) { return cosine >= 1 || cosine <= -1; }

// With a high-latitude rule, a day whose sun does not rise or set, or stays up or down for less
// than an hour, takes its sunrise, sunset and Asr from this latitude on its own side of the equator.
constexpr double kRuleLatitude = 65;
constexpr double kShortestDayOrNight = 1;  // hours

}  // namespace

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

        const int16_t n = DayOfYear(prayerDate_);
        const int days = IsLeapYear(narrow16(year(prayerDate_))) ? 366 : 365;
        const double gamma = static_cast<double>(n - 1) / days * 6.28318530717958;
        const double E = EquationOfTime(gamma);
        const double delta = SunDeclination(gamma);

        const bool rule = highLatRule_ >= kHighLatMiddle && highLatRule_ <= kHighLatAngle;
        const double riseCosine = SunriseCosine(latitude, altitude_, delta);
        double H0 = SunriseHours(riseCosine);
        dayKind_ = riseCosine >= 1 ? kDayMidnightSun : riseCosine <= -1 ? kDayPolarNight : kDayRegular;
        highLatAdjusted_ = false;
        double asrLatitude = latitude;
        double t = std::fabs(std::tan(latitude - delta)) + shadowRatio_;
        if (rule && (dayKind_ != kDayRegular || 2 * H0 < kShortestDayOrNight || 24 - 2 * H0 < kShortestDayOrNight ||
                     neverReached(HourAngleCosine(-ArcCot(t), delta, latitude)))) {
            asrLatitude = DegToRad(latitude < 0 ? -kRuleLatitude : kRuleLatitude);
            t = std::fabs(std::tan(asrLatitude - delta)) + shadowRatio_;
            H0 = SunriseHourAngle(asrLatitude, altitude_, delta);
            highLatAdjusted_ = true;
        }

        dayOffsetMinutes_ = autoZone_ ? GetUTCOffsetAt(prayerDate_) / 60 : offsetMinutes_;
        const double zone = mul16(narrow16(dayOffsetMinutes_ / 60), 15) + (dayOffsetMinutes_ % 60) / 4.0;
        const double L = (RadToDeg(longitude) - zone) * 4 / 60;

        // Noon is the middle of sunrise and sunset as they fall, before any time is brought
        // back into the day, so a sunset past midnight does not pull it to the night.
        const double R = 12 - H0 - L - E / 60;  // SunriseTime
        const double S = H0 + 12 - L - E / 60;  // SunsetTime
        const double N = (R + S) / 2;           // NoonTime
        // Maghrib when the sun is that far below the horizon, else at sunset.
        const double G = sunsetTwilightAngle_ != 0 ? N + HourAngle(DegToRad(sunsetTwilightAngle_), delta, latitude) : S;

        const double dawnDepression = DegToRad(dawnTwilightAngle_), nightDepression = DegToRad(nightTwilightAngle_);
        const double dawnCosine = HourAngleCosine(dawnDepression, delta, latitude);
        const double nightCosine = HourAngleCosine(nightDepression, delta, latitude);
        const double F = N - HourAngleHours(dawnCosine);   // DawnTime
        const double I = N + HourAngleHours(nightCosine);  // NightTime
        const double A = N + HourAngle(-ArcCot(t), delta, asrLatitude);  // AfternoonTime

        const int16_t M = mul16(marginOfSafety_, 60);
        dawn_ = TimeinSeconds(F) - M;
        sunrise_ = TimeinSeconds(R) - M;
        noon_ = M + TimeinSeconds(N);
        afternoon_ = M + TimeinSeconds(A);
        sunset_ = M + TimeinSeconds(G);
        night_ = M + TimeinSeconds(I);

        const bool dawnByMinutes = dawnTwilightAngle_ == 0 && minutesToSunrise_ > 0;
        const bool nightByMinutes = nightTwilightAngle_ == 0 && minutesAfterSunset_ > 0;
        if (dawnByMinutes) dawn_ = sunrise_ - minutesToSunrise_ * 60;
        if (nightByMinutes) {
            const HijriCalendar ramadanCalendar =
                ramadanCalendar_ == kRamadanUmmAlQura ? HijriCalendar{kHijriUmmAlQura, 0} : calendar_;
            const bool ramadan = ramadanMinutesAfterSunset_ > 0 && inRamadan(prayerDate_, ramadanCalendar);
            night_ = sunset_ + (ramadan ? ramadanMinutesAfterSunset_ : minutesAfterSunset_) * 60;
        }

        // A twilight angle the sun never reaches that day leaves Fajr or Isha at solar midnight
        // (or at noon): no true time.
        bool dawnLost = !dawnByMinutes && neverReached(dawnCosine);
        bool nightLost = !nightByMinutes && neverReached(nightCosine);
        if (dayKind_ == kDayRegular && (dawnLost || nightLost)) dayKind_ = kDayNoTrueTwilight;

        if (rule) {  // Fajr and Isha stay within the rule's portion of the night
            const double darkness = 86400 - (sunset_ - sunrise_);
            auto portion = [&](double angle) {
                if (highLatRule_ == kHighLatMiddle) return 0.5;
                if (highLatRule_ == kHighLatSeventh) return 1.0 / 7;
                return std::min(angle / 60, 0.5);
            };
            {  // a Fajr by minutes is never earlier than the middle of the night
                const double limit = sunrise_ - std::floor((dawnByMinutes ? 0.5 : portion(dawnTwilightAngle_)) * darkness);
                if (dawnLost || dawn_ < limit || dawn_ >= sunrise_) {
                    highLatAdjusted_ = true;
                    dawn_ = limit;
                    dawnLost = false;
                }
            }
            {  // an Isha by minutes is never later than the middle of the night
                const double limit = sunset_ + std::floor((nightByMinutes ? 0.5 : portion(nightTwilightAngle_)) * darkness);
                if (nightLost || night_ > limit || night_ <= sunset_) {
                    highLatAdjusted_ = true;
                    night_ = limit;
                    nightLost = false;
                }
            }
        }

        double* const times[6] = {&dawn_, &sunrise_, &noon_, &afternoon_, &sunset_, &night_};
        for (int p = 0; p < 6; ++p) *times[p] = intoDay(*times[p] + adjustments_[p] * 60);

        // In order around the clock, counted from Fajr; Isha may reach the next Fajr.
        auto fromDawn = [&](double v) { return intoDay(v - dawn_); };
        const double ishaFromDawn = fromDawn(night_) == 0 ? 86400 : fromDawn(night_);
        ordered_ = !dawnLost && !nightLost && 0 < fromDawn(sunrise_) && fromDawn(sunrise_) < fromDawn(noon_) &&
                   fromDawn(noon_) < fromDawn(afternoon_) && fromDawn(afternoon_) < fromDawn(sunset_) &&
                   fromDawn(sunset_) < ishaFromDawn;
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
}

}  // namespace nv

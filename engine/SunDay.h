// One day of the sun as the prayer times need it: the moments it stands at the horizon, at the
// twilight angles and at the Asr shadow, for any latitude, worked out in one of two ways:
//   precise  the sun's position at each moment (SunTrack), each event found from the day's
//            estimate again and again at its own moment until it moves less than a second;
//            Dhuhr is the transit;
//   classic  the day-of-year series of earlier versions, taken once for the whole day; Dhuhr is
//            the middle of sunrise and sunset.
// Times are hours of the local clock after the day's midnight, unwrapped (below 0 or past 24
// when they fall on the day before or after).
#pragma once

#include <cstdint>
#include <optional>

#include "DateValue.h"
#include "modAstoLib.h"

namespace nv {

// The astronomy the calculator uses: the precise sun, or the series of earlier versions.
enum Astronomies : int16_t { kAstronomyPrecise = 0, kAstronomyClassic = 1 };
inline constexpr const char* kAstronomyNames[2] = {"precise", "classic"};

struct SunEvent {
    double hours = 0;
    // False when the sun never stands there that day; `hours` is then transit (the sun never
    // gets that high) or the transit 12 hours away (it never gets that low).
    bool reached = true;
};

// The angles of the events, in degrees.
struct SunEventAngles {
    double dawnDepression = 0, nightDepression = 0;
    double maghribDepression = 0;  // 0: Maghrib is sunset
    int16_t shadowRatio = 1;
    int16_t altitude = 0;  // metres: the horizon dips by kDipPerRootMetre per square root
};

struct SunDayEvents {
    SunEvent dawn, sunrise, noon, asr, sunset, maghrib, night;
    SunEvent nextSunrise;  // the next day's sunrise, for the length of the coming night
    bool upAtNoon = false;  // the sun's centre is above the horizon at transit
};

class SunDay {
public:
    // `date` is the day, `zoneDegrees` the meridian of the clock's zone (15 per hour east of
    // Greenwich), `correction` the hours of the place's longitude against that meridian
    // (4 minutes per degree, east positive).
    SunDay(int16_t astronomy, DateValue date, double zoneDegrees, double correction);

    // The events at `latitude` (radians). Without `withNextSunrise` that one is left at 0.
    SunDayEvents events(double latitude, const SunEventAngles& angles, bool withNextSunrise) const;

private:
    SunDayEvents classicEvents(double latitude, const SunEventAngles& angles) const;
    SunDayEvents preciseEvents(double latitude, const SunEventAngles& angles, bool withNextSunrise) const;
    double transitAt(double hours) const;
    // The event of the day `dayAfter` days after this one, found from `estimate` (hours of this
    // day's clock).
    SunEvent preciseEvent(double sinLat, double cosLat, double altitude, int side, double estimate, int dayAfter) const;

    double correction_;
    // classic: the day's equation of time (minutes) and declination (radians)
    double equationOfTime_ = 0, declination_ = 0;
    std::optional<SunTrack> track_;  // precise
};

}  // namespace nv

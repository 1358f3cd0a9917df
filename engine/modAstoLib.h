// Solar routines: the classic day-of-year series for the equation of time and the declination,
// the sun's position at any moment, and the two hour-angle routines. Angles in radians, the
// fractional year in radians, hour angles in decimal hours.
#pragma once

#include <cstdint>

namespace nv {

double EquationOfTime(double gamma);  // minutes
double SunDeclination(double gamma);  // radians

// Where the sun stands at one moment.
struct SunPosition {
    double declination;     // radians, apparent
    double equationOfTime;  // minutes, apparent minus mean solar time
};
// The Julian day of the date value 0 (30 December 1899, 00:00).
inline constexpr double kJulianDayOfDateZero = 2415018.5;
// The sun at a Julian day, from the low-precision solar coordinates of Meeus ("Astronomical
// Algorithms", ch. 25), as NOAA's solar calculator uses them: the declination to about 0.01
// degree and the equation of time to a few seconds from 1900 to 2100.
SunPosition SunPositionAt(double julianDay);

// The sun through one local day: worked out at the day's midnight, noon and next midnight and
// interpolated between them (a parabola through the three), which stays within 0.0001 degree
// and 0.01 s of SunPositionAt from a day before that noon to two days after.
class SunTrack {
public:
    explicit SunTrack(double julianDayOfNoon);
    struct Point {
        double sinDeclination;
        double equationOfTime;  // minutes
    };
    Point at(double hoursFromNoon) const;

private:
    Point before_, noon_, after_;
};
// The dip of the horizon seen from a height: degrees per square root of the height in metres.
inline constexpr double kDipPerRootMetre = 0.0347;

// The cosine of the sunrise hour angle, not clamped: 1 or more when the sun does not set that
// day, -1 or less when it does not rise. The horizon is lowered by the dip of `altitude` metres.
double SunriseCosine(double latitude, int16_t altitude, const double& declination);
// Half the day from noon to sunrise or sunset, in hours (12 when the sun does not set, 0 when it
// does not rise).
double SunriseHourAngle(double latitude, int16_t altitude, const double& declination);
// The same from its cosine.
double SunriseHours(double cosine);
// The cosine of the hour angle at which the sun stands `depression` below the horizon, not
// clamped: 1 or more when the sun never rises that high, -1 or less when it never sinks that low.
double HourAngleCosine(double depression, double declination, double latitude);
// Time from noon until the sun stands `depression` below the horizon (negative: above it).
double HourAngle(double depression, double declination, double latitude);
// The same from its cosine.
double HourAngleHours(double cosine);

}  // namespace nv

// Solar routines: equation of time, declination and the two hour-angle routines.
// Angles in radians, the fractional year in radians, hour angles in decimal hours.
#pragma once

#include <cstdint>

namespace nv {

double EquationOfTime(double gamma);  // minutes
double SunDeclination(double gamma);  // radians
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

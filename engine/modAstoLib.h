// Solar routines: equation of time, declination and the two hour-angle routines.
// Angles in radians, the fractional year in radians, hour angles in decimal hours.
#pragma once

#include <cstdint>

namespace nv {

double EquationOfTime(double gamma);  // minutes
double SunDeclination(double gamma);  // radians
// Half the day from noon to sunrise or sunset, for a horizon lowered by the place's altitude.
double SunriseHourAngle(double latitude, int16_t altitude, const double& declination);
// Time from noon until the sun stands `depression` below the horizon (negative: above it).
double HourAngle(double depression, double declination, double latitude);

}  // namespace nv

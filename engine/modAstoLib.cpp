#include "modAstoLib.h"

#include <cmath>

#include "modMathLib.h"

namespace nv {

double EquationOfTime(double gamma) {
    return (0.001868 * std::cos(gamma) + 0.000075 - 0.032077 * std::sin(gamma) - 0.014615 * std::cos(2 * gamma) -
            0.04089 * std::sin(2 * gamma)) *
           229.18;
}

double SunDeclination(double gamma) {
    return 0.006918 - 0.399912 * std::cos(gamma) + 0.070257 * std::sin(gamma) - 0.006758 * std::cos(2 * gamma) +
           0.000907 * std::sin(2 * gamma) - 0.002697 * std::cos(3 * gamma) + 0.00148 * std::sin(3 * gamma);
}

double SunriseCosine(double latitude, int16_t altitude, const double& declination) {
    // A negative altitude has no square root: the horizon altitude then stays 0.
    double h0 = 0;
    if (altitude >= 0) h0 = DegToRad(-0.8333) - DegToRad(kDipPerRootMetre) * std::sqrt(static_cast<double>(altitude));
    double x = 0;
    const double denominator = std::cos(latitude) * std::cos(declination);
    if (denominator != 0)
        x = (std::sin(latitude) * std::sin(declination) - std::sin(h0)) / denominator;
    return x;
}

double SunriseHours(double cosine) {
    if (cosine > 1) cosine = 1;
    return RadToDeg(ArcCos(-cosine)) * 4 / 60;
}

double SunriseHourAngle(double latitude, int16_t altitude, const double& declination) {
    return SunriseHours(SunriseCosine(latitude, altitude, declination));
}

double HourAngleCosine(double depression, double declination, double latitude) {
    double x = 0;
    const double denominator = std::cos(declination) * std::cos(latitude);
    if (denominator != 0)
        x = (-std::sin(depression) - std::sin(declination) * std::sin(latitude)) / denominator;
    return x;
}

double HourAngleHours(double cosine) {
    if (cosine > 1) cosine = 1;
    return RadToDeg(ArcCos(cosine)) / 15;
}

double HourAngle(double depression, double declination, double latitude) {
    return HourAngleHours(HourAngleCosine(depression, declination, latitude));
}

}  // namespace nv

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

SunPosition SunPositionAt(double julianDay) {
    const double t = (julianDay - 2451545.0) / 36525;  // Julian centuries from J2000
    const double l0 = DegToRad(std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360));  // mean longitude
    const double m = DegToRad(357.52911 + t * (35999.05029 - 0.0001537 * t));                   // mean anomaly
    const double e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);                        // eccentricity
    const double sinM = std::sin(m), cosM = std::cos(m);
    const double sin2M = 2 * sinM * cosM;
    const double sin3M = sinM * (3 - 4 * sinM * sinM);
    const double centre = sinM * (1.914602 - t * (0.004817 + 0.000014 * t)) + sin2M * (0.019993 - 0.000101 * t) +
                          sin3M * 0.000289;  // degrees
    const double omega = DegToRad(125.04 - 1934.136 * t);
    const double apparent = DegToRad(RadToDeg(l0) + centre - 0.00569 - 0.00478 * std::sin(omega));
    const double meanObliquity = 23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
    const double obliquity = DegToRad(meanObliquity + 0.00256 * std::cos(omega));
    const double y = std::tan(obliquity / 2) * std::tan(obliquity / 2);
    const double sin2L0 = std::sin(2 * l0), cos2L0 = std::cos(2 * l0);
    const double sin4L0 = 2 * sin2L0 * cos2L0;
    const double eot = y * sin2L0 - 2 * e * sinM + 4 * e * y * sinM * cos2L0 - 0.5 * y * y * sin4L0 -
                       1.25 * e * e * sin2M;  // radians
    return {std::asin(std::sin(obliquity) * std::sin(apparent)), 4 * RadToDeg(eot)};
}

namespace {

SunTrack::Point trackPoint(double julianDay) {
    const SunPosition p = SunPositionAt(julianDay);
    return {std::sin(p.declination), p.equationOfTime};
}

}  // namespace

SunTrack::SunTrack(double julianDayOfNoon)
    : before_(trackPoint(julianDayOfNoon - 0.5)), noon_(trackPoint(julianDayOfNoon)),
      after_(trackPoint(julianDayOfNoon + 0.5)) {}

SunTrack::Point SunTrack::at(double hoursFromNoon) const {
    // Newton's form of the parabola through the samples at -12, 0 and +12 hours.
    const double x = hoursFromNoon / 12;
    auto parabola = [x](double before, double noon, double after) {
        return noon + x * (after - before) / 2 + x * x * (after - 2 * noon + before) / 2;
    };
    return {parabola(before_.sinDeclination, noon_.sinDeclination, after_.sinDeclination),
            parabola(before_.equationOfTime, noon_.equationOfTime, after_.equationOfTime)};
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

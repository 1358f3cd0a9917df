#include "SunDay.h"

#include <algorithm>
#include <cmath>

#include "VbConv.h"
#include "modDateLib.h"
#include "modMathLib.h"

namespace nv {

namespace {

// An hour-angle cosine outside -1..1: the sun never reaches that altitude that day.
bool neverReached(double cosine) { return cosine >= 1 || cosine <= -1; }

// The sun's altitude at sunrise and sunset: refraction and the sun's radius (50'), and the dip
// of the horizon seen from `altitude` metres. A negative altitude has no dip.
double horizon(int16_t altitude) {
    double h = DegToRad(-50.0 / 60);
    if (altitude > 0) h -= DegToRad(kDipPerRootMetre) * std::sqrt(static_cast<double>(altitude));
    return h;
}

// The Asr altitude for the sun's zenith distance at transit: the shadow is the noon shadow plus
// `ratio` times the object. None (false) when the sun is not up at transit: there is no shadow.
bool asrAltitude(double zenith, int16_t ratio, double& altitude) {
    if (zenith >= kPi / 2) return false;
    altitude = std::atan(1 / (ratio + std::tan(zenith)));
    return true;
}

constexpr double kSecond = 1.0 / 3600;  // hours
constexpr int kMostPasses = 8;

}  // namespace

SunDay::SunDay(int16_t astronomy, DateValue date, double zoneDegrees, double correction) : correction_(correction) {
    const int16_t n = DayOfYear(date);
    const int y = year(date);
    if (astronomy == kAstronomyClassic) {
        const int days = IsLeapYear(narrow16(y)) ? 366 : 365;
        const double gamma = static_cast<double>(n - 1) / days * 6.28318530717958;
        equationOfTime_ = EquationOfTime(gamma);
        declination_ = SunDeclination(gamma);
    } else {
        const DateValue day = dateSerial(y, 1, 1) + n - 1;
        track_.emplace(day + kJulianDayOfDateZero + (12 - zoneDegrees / 15) / 24);
    }
}

SunDayEvents SunDay::events(double latitude, const SunEventAngles& angles, bool withNextSunrise) const {
    return track_ ? preciseEvents(latitude, angles, withNextSunrise) : classicEvents(latitude, angles);
}

SunDayEvents SunDay::classicEvents(double latitude, const SunEventAngles& angles) const {
    const double delta = declination_, E = equationOfTime_, L = correction_;
    SunDayEvents ev;
    const double riseCosine = SunriseCosine(latitude, angles.altitude, delta);
    const double H0 = SunriseHours(riseCosine);
    const double R = 12 - H0 - L - E / 60;
    const double S = H0 + 12 - L - E / 60;
    const double N = (R + S) / 2;
    ev.sunrise = {R, !neverReached(riseCosine)};
    ev.sunset = {S, ev.sunrise.reached};
    ev.noon = {N, true};
    ev.nextSunrise = {R + 24, ev.sunrise.reached};  // the series has one sun for the day
    ev.upAtNoon = riseCosine > -1;

    const double dawnCosine = HourAngleCosine(DegToRad(angles.dawnDepression), delta, latitude);
    const double nightCosine = HourAngleCosine(DegToRad(angles.nightDepression), delta, latitude);
    ev.dawn = {N - HourAngleHours(dawnCosine), !neverReached(dawnCosine)};
    ev.night = {N + HourAngleHours(nightCosine), !neverReached(nightCosine)};
    if (angles.maghribDepression != 0) {
        const double c = HourAngleCosine(DegToRad(angles.maghribDepression), delta, latitude);
        ev.maghrib = {N + HourAngleHours(c), !neverReached(c)};
    } else {
        ev.maghrib = ev.sunset;
    }
    const double t = std::fabs(std::tan(latitude - delta)) + angles.shadowRatio;
    const double asrCosine = HourAngleCosine(-ArcCot(t), delta, latitude);
    ev.asr = {N + HourAngleHours(asrCosine), !neverReached(asrCosine) && std::fabs(latitude - delta) < kPi / 2};
    return ev;
}

double SunDay::transitAt(double hours) const { return 12 - correction_ - track_->at(hours - 12).equationOfTime / 60; }

SunEvent SunDay::preciseEvent(double sinLat, double cosLat, double altitude, int side, double estimate,
                              int dayAfter) const {
    const double sinAltitude = std::sin(altitude);
    SunEvent ev{estimate, true};
    for (int pass = 0; pass < kMostPasses; ++pass) {
        const SunTrack::Point p = track_->at(ev.hours - 12);
        const double cosDeclination = std::sqrt(1 - p.sinDeclination * p.sinDeclination);
        const double cosine = (sinAltitude - sinLat * p.sinDeclination) / (cosLat * cosDeclination);
        ev.reached = !neverReached(cosine);
        const double hourAngle = RadToDeg(std::acos(std::clamp(cosine, -1.0, 1.0))) / 15;
        const double next = 24 * dayAfter + 12 - correction_ - p.equationOfTime / 60 + side * hourAngle;
        const bool settled = std::fabs(next - ev.hours) < kSecond;
        ev.hours = next;
        if (settled) break;
    }
    return ev;
}

SunDayEvents SunDay::preciseEvents(double latitude, const SunEventAngles& angles, bool withNextSunrise) const {
    SunDayEvents ev;
    double noon = transitAt(12);
    for (int pass = 0; pass < kMostPasses; ++pass) {
        const double next = transitAt(noon);
        const bool settled = std::fabs(next - noon) < kSecond;
        noon = next;
        if (settled) break;
    }
    ev.noon = {noon, true};

    const double sinLat = std::sin(latitude), cosLat = std::cos(latitude);
    const double sinNoonDeclination = track_->at(noon - 12).sinDeclination;
    const double noonDeclination = std::asin(sinNoonDeclination);
    // The day's first estimate of each event: the hour angle with the declination of transit.
    auto estimate = [&](double altitude, int side) {
        const double cosine = (std::sin(altitude) - sinLat * sinNoonDeclination) / (cosLat * std::cos(noonDeclination));
        return noon + side * RadToDeg(std::acos(std::clamp(cosine, -1.0, 1.0))) / 15;
    };
    auto event = [&](double altitude, int side) {
        return preciseEvent(sinLat, cosLat, altitude, side, estimate(altitude, side), 0);
    };

    const double h0 = horizon(angles.altitude);
    ev.sunrise = event(h0, -1);
    ev.sunset = event(h0, +1);
    ev.upAtNoon = std::sin(h0) < std::cos(latitude - noonDeclination);
    ev.dawn = event(-DegToRad(angles.dawnDepression), -1);
    ev.night = event(-DegToRad(angles.nightDepression), +1);
    ev.maghrib = angles.maghribDepression != 0 ? event(-DegToRad(angles.maghribDepression), +1) : ev.sunset;
    double asr = 0;
    if (asrAltitude(std::fabs(latitude - noonDeclination), angles.shadowRatio, asr)) ev.asr = event(asr, +1);
    else ev.asr = {noon, false};
    if (withNextSunrise) ev.nextSunrise = preciseEvent(sinLat, cosLat, h0, -1, ev.sunrise.hours + 24, 1);
    return ev;
}

}  // namespace nv

#pragma once
// How far apart two counts of seconds after midnight are on the clock: both are taken into the
// day first, and the distance may run across midnight (23:59 and 00:01 are two minutes apart).

#include <algorithm>
#include <cmath>

namespace nv::test {

inline double intoDay(double s) { return s - 86400 * std::floor(s / 86400); }

inline double clockDistance(double a, double b) {
    const double d = std::fabs(intoDay(a) - intoDay(b));
    return std::min(d, 86400 - d);
}

}  // namespace nv::test

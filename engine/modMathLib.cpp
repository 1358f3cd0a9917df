#include "modMathLib.h"

#include <cmath>

namespace nv {

double DegToRad(double x) { return x * kDegToRad; }

double RadToDeg(double x) { return x * kRadToDeg; }

double ArcCos(double x) {
    if (x >= 1) return 0;
    if (x <= -1) return kPi;
    return std::atan(-x / std::sqrt(-x * x + 1)) + 2 * std::atan(1.0);
}

double ArcCot(double x) { return std::atan(x) + 2 * std::atan(1.0); }

bool IsNumericKey(int16_t keyCode) { return (keyCode >= '0' && keyCode <= '9') || keyCode == 8; }

}  // namespace nv

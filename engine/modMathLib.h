// Angle conversions, the clamped arc-cosine, the Asr angle function and the digit-key filter.
#pragma once

#include <cstdint>

namespace nv {

inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130824;
inline constexpr double kPi = 3.14159265358979;

double DegToRad(double x);
double RadToDeg(double x);
// Never fails: 0 at or above 1, pi at or below -1.
double ArcCos(double x);
double ArcCot(double x);
// True for the digit keys and backspace (8).
bool IsNumericKey(int16_t keyCode);

}  // namespace nv

#include <gtest/gtest.h>

#include <cmath>

#include "modAstoLib.h"
#include "modMathLib.h"

using namespace nv;

TEST(MathLib, ArcCosClampsAndNeverFails) {
    EXPECT_EQ(ArcCos(1), 0);
    EXPECT_EQ(ArcCos(1.5), 0);
    EXPECT_EQ(ArcCos(-1), 3.14159265358979);
    EXPECT_EQ(ArcCos(-7), 3.14159265358979);
    EXPECT_NEAR(ArcCos(0), M_PI / 2, 1e-15);
    EXPECT_NEAR(ArcCos(0.5), M_PI / 3, 1e-14);
    EXPECT_NEAR(ArcCos(-0.5), 2 * M_PI / 3, 1e-14);
}

TEST(MathLib, ConversionsUseTheProgramsConstants) {
    EXPECT_EQ(DegToRad(1), 0.0174532925199433);
    EXPECT_EQ(RadToDeg(1), 57.2957795130824);
    EXPECT_NEAR(ArcCot(0), M_PI / 2, 1e-15);
    EXPECT_NEAR(ArcCot(1), M_PI * 3 / 4, 1e-15);
}

TEST(MathLib, NumericKeysAreDigitsAndBackspace) {
    for (int16_t k = 48; k <= 57; ++k) EXPECT_TRUE(IsNumericKey(k)) << k;
    EXPECT_TRUE(IsNumericKey(8));
    for (int16_t k : {46, 45, 13, 0, 47, 58, 32, 97}) EXPECT_FALSE(IsNumericKey(k)) << k;
}

TEST(AstoLib, EquationOfTimeAndDeclinationOnFirstJanuary) {
    EXPECT_NEAR(EquationOfTime(0), (0.001868 + 0.000075 - 0.014615) * 229.18, 1e-12);
    EXPECT_NEAR(EquationOfTime(0), -2.904, 0.001);
    EXPECT_NEAR(SunDeclination(0), 0.006918 - 0.399912 - 0.006758 - 0.002697, 1e-15);
}

TEST(AstoLib, SunriseHourAngleAtTheEquator) {
    const double delta = 0;
    EXPECT_NEAR(SunriseHourAngle(0, 0, delta), RadToDeg(ArcCos(-std::sin(DegToRad(0.8333)))) * 4 / 60, 1e-12);
    EXPECT_NEAR(SunriseHourAngle(0, 0, delta), 6.0556, 0.0001);
    EXPECT_NEAR(SunriseHourAngle(0, 100, delta), 6.0787, 0.0001);  // 100 m dip the horizon by 0.347 degrees
    // A negative altitude has no square root: the horizon altitude stays 0, exactly 6 hours.
    EXPECT_NEAR(SunriseHourAngle(0, -5, delta), 6.0, 1e-12);
}

TEST(AstoLib, SunriseHourAngleInPolarDayAndNight) {
    const double summer = DegToRad(23.44), winter = DegToRad(-23.44);
    EXPECT_NEAR(SunriseHourAngle(DegToRad(80), 0, summer), 12, 1e-12);  // the sun never sets
    EXPECT_EQ(SunriseHourAngle(DegToRad(80), 0, winter), 0);   // the sun never rises
}

TEST(AstoLib, HourAngleOfTwilightAtTheEquator) {
    EXPECT_NEAR(HourAngle(0, 0, 0), 6, 1e-12);
    EXPECT_NEAR(HourAngle(DegToRad(18), 0, 0), 7.2, 1e-12);
    EXPECT_NEAR(HourAngle(DegToRad(18), DegToRad(23.44), DegToRad(60)), 12, 1e-12);  // never that dark
    EXPECT_EQ(HourAngle(DegToRad(-80), 0, DegToRad(60)), 0);                      // never that high
}

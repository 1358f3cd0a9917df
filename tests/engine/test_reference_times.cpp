// The calculator against reference times worked out apart from it: tests/engine/reference_times.py
// computes them with the NOAA solar calculator's equations (Meeus), the sun's declination and the
// equation of time taken at each time's own moment. The program's day-of-year series is coarser,
// so each time may differ from the reference by up to kTolerance; every fault worth catching
// (a lost sign, a wrong angle, a wrong zone) moves a time by several minutes or hours.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "ClockDistance.h"
#include "DateValue.h"
#include "clsPrayTime.h"
#include "modTimeZone.h"

using namespace nv;

using nv::test::clockDistance;
using nv::test::intoDay;

namespace {

constexpr double kTolerance = 90;  // seconds
constexpr double kNone = -1;       // the sun never reaches that angle: no reference time

struct Place {
    const char* name;
    int latDeg, latMin;
    bool south;
    int lonDeg, lonMin;
    bool west;
    int32_t offsetMinutes;
    double fajr, isha, ishaMinutes;
    int16_t ratio;
    int16_t metres;
};

struct Case {
    Place place;
    int y, m, d;
    double seconds[6];  // Fajr .. Isha, unwrapped, without a margin
};

clsPrayTime calculatorFor(const Place& p, DateValue date) {
    clsPrayTime c;
    c.LatMinute(static_cast<int16_t>(p.latMin));
    c.LatDegree(static_cast<int16_t>(p.latDeg));
    c.LatSouthOfEq(p.south);
    c.LonMinute(static_cast<int16_t>(p.lonMin));
    c.LonDegree(static_cast<int16_t>(p.lonDeg));
    c.LonWestOfGW(p.west);
    c.GMTOffsetMinutes(p.offsetMinutes);
    c.DawnTwilightAngle(p.fajr);
    c.NightTwilightAngle(p.isha);
    c.MinutesAfterSunset(p.ishaMinutes);
    c.ShadowRatio(p.ratio);
    c.Altitude(p.metres);
    c.MarginOfSafety(0);
    c.PrayerDate(date);
    return c;
}

const Place kSydney{"Sydney", 33, 52, true, 151, 12, false, 600, 18, 17, 0, 1, 0};
const Place kAuckland{"Auckland", 36, 51, true, 174, 46, false, 13 * 60, 18, 17, 0, 1, 0};
const Place kDelhi{"Delhi", 28, 36, false, 77, 12, false, 330, 18, 18, 0, 1, 0};
const Place kCairo{"Cairo", 30, 3, false, 31, 14, false, 120, 19.5, 17.5, 0, 1, 0};
const Place kMakkah{"Makkah", 21, 25, false, 39, 49, false, 180, 19, 0, 90, 1, 0};
const Place kSingapore{"Singapore", 1, 17, false, 103, 51, false, 480, 20, 18, 0, 2, 0};
const Place kQuito{"Quito", 0, 13, true, 78, 31, true, -300, 18, 17, 0, 1, 0};
const Place kNewYork{"New York", 40, 43, false, 74, 0, true, -240, 15, 15, 0, 1, 0};
const Place kSanaa{"Sana'a", 15, 21, false, 44, 12, false, 180, 18, 17, 0, 1, 2250};

}  // namespace

TEST(ReferenceTimes, EverySixTimesWithinTheToleranceOfTheReference) {
    const Case cases[] = {
        {kSydney, 2026, 6, 21, {19832, 25199, 43016, 52556, 60833, 65898}},
        {kAuckland, 2026, 1, 15, {16237, 22664, 48610, 62458, 74532, 80512}},
        {kDelhi, 2026, 1, 1, {20991, 26033, 44680, 54997, 63332, 68375}},
        {kCairo, 2026, 3, 20, {16343, 21549, 43351, 55782, 65181, 69832}},
        {kMakkah, 2024, 2, 29, {19416, 24115, 45190, 57262, 66283, 66283 + 5400}},
        {kMakkah, 2024, 12, 31, {20073, 25098, 44634, 55713, 64173, 64173 + 5400}},
        {kSingapore, 2026, 6, 21, {20179, 25227, 47182, 62997, 69137, 73653}},
        {kQuito, 2026, 12, 21, {17578, 22087, 43935, 56286, 65783, 70028}},
        {kNewYork, 2026, 7, 1, {13772, 19717, 46797, 61195, 73865, 79799}},
        {kSanaa, 2026, 3, 1, {18539, 22417, 44132, 56217, 65859, 69489}},
    };
    for (const Case& c : cases) {
        clsPrayTime p = calculatorFor(c.place, dateSerial(c.y, c.m, c.d));
        EXPECT_TRUE(p.Calculate()) << c.place.name;
        EXPECT_TRUE(p.Ordered()) << c.place.name;
        for (int k = 0; k < 6; ++k) {
            const double got = p.StoredSeconds(k + 1);
            EXPECT_GE(got, 0) << c.place.name << " period " << k + 1;
            EXPECT_LT(got, 86400) << c.place.name << " period " << k + 1;
            EXPECT_LE(clockDistance(got, c.seconds[k]), kTolerance)
                << c.place.name << " " << c.y << "-" << c.m << "-" << c.d << " period " << k + 1 << ": " << got
                << " against " << c.seconds[k];
        }
    }
}

TEST(ReferenceTimes, AltitudeLowersTheHorizonByTheDipOfItsMetres) {
    // Sana'a at sea level and at 2250 m: sunrise about 7 minutes earlier, sunset later, Maghrib
    // still well before Isha.
    Place low = kSanaa;
    low.metres = 0;
    clsPrayTime atSea = calculatorFor(low, dateSerial(2026, 3, 1));
    clsPrayTime high = calculatorFor(kSanaa, dateSerial(2026, 3, 1));
    atSea.Calculate();
    high.Calculate();
    const double earlier = atSea.StoredSeconds(2) - high.StoredSeconds(2);
    EXPECT_GT(earlier, 5 * 60);
    EXPECT_LT(earlier, 9 * 60);
    EXPECT_GT(high.StoredSeconds(5) - atSea.StoredSeconds(5), 5 * 60);
    EXPECT_GT(high.StoredSeconds(6) - high.StoredSeconds(5), 60 * 60);
    EXPECT_EQ(high.StoredSeconds(1), atSea.StoredSeconds(1));  // twilight angles do not move
}

TEST(ReferenceTimes, AutomaticZoneTakesEachDatesOwnOffset) {
    const ScopedLocalZone zone("America/New_York");
    Place ny = kNewYork;
    clsPrayTime p = calculatorFor(ny, dateSerial(2026, 7, 1));
    p.AutoZone(true);
    p.GMTOffsetMinutes(0);  // the fixed offset is not used
    p.Calculate();
    EXPECT_EQ(p.DayOffsetMinutes(), -240);
    EXPECT_LE(clockDistance(p.StoredSeconds(3), 46797), kTolerance);
    p.PrayerDate(dateSerial(2026, 1, 15));
    p.Calculate();
    EXPECT_EQ(p.DayOffsetMinutes(), -300);
    // Across the March change (8 March 2026) Dhuhr steps an hour later on the clock.
    p.PrayerDate(dateSerial(2026, 3, 7));
    p.Calculate();
    const double before = p.StoredSeconds(3);
    p.PrayerDate(dateSerial(2026, 3, 9));
    p.Calculate();
    EXPECT_NEAR(p.StoredSeconds(3) - before, 3600, 60);
}

TEST(ReferenceTimes, HighLatitudeSummerWithEachRule) {
    // Reykjavik, 21 June 2024, ISNA 15/15, GMT: the sun never sinks to 15 degrees; sunrise
    // 10532, noon 48580, Asr 66153 and sunset 86622 (past midnight) by the reference.
    const Place reykjavik{"Reykjavik", 64, 8, false, 21, 56, true, 0, 15, 15, 0, 1, 0};
    const double sunrise = 10532, sunset = 86622, night = 86400 - (sunset - sunrise);
    struct RuleCase {
        int16_t rule;
        double portion;
    };
    const RuleCase rules[] = {{kHighLatMiddle, 0.5}, {kHighLatSeventh, 1.0 / 7}, {kHighLatAngle, 15.0 / 60}};

    clsPrayTime none = calculatorFor(reykjavik, dateSerial(2024, 6, 21));
    EXPECT_FALSE(none.Calculate());
    EXPECT_EQ(none.DayKind(), kDayNoTrueTwilight);
    EXPECT_LE(clockDistance(none.StoredSeconds(3), 48580), kTolerance);  // noon before the wrap
    EXPECT_LE(clockDistance(none.StoredSeconds(4), 66153), kTolerance);
    EXPECT_LE(clockDistance(none.StoredSeconds(5), sunset), kTolerance);

    for (const RuleCase& r : rules) {
        clsPrayTime p = calculatorFor(reykjavik, dateSerial(2024, 6, 21));
        p.HighLatRule(r.rule);
        EXPECT_TRUE(p.Calculate()) << kHighLatRuleNames[r.rule];
        // Exactly the rule's part of the night from the day's own Maghrib to its Shurooq.
        const double darkness = intoDay(p.StoredSeconds(2) - p.StoredSeconds(5));
        EXPECT_EQ(p.StoredSeconds(1), intoDay(p.StoredSeconds(2) - std::floor(r.portion * darkness)));
        EXPECT_EQ(p.StoredSeconds(6), intoDay(p.StoredSeconds(5) + std::floor(r.portion * darkness)));
        EXPECT_TRUE(p.HighLatAdjusted()) << kHighLatRuleNames[r.rule];
        EXPECT_LE(clockDistance(p.StoredSeconds(1), sunrise - r.portion * night), kTolerance) << kHighLatRuleNames[r.rule];
        EXPECT_LE(clockDistance(p.StoredSeconds(6), sunset + r.portion * night), kTolerance) << kHighLatRuleNames[r.rule];
        EXPECT_LE(clockDistance(p.StoredSeconds(3), 48580), kTolerance);
        p.PrayerDate(dateSerial(2024, 3, 20));  // the equinox: true dawn and dusk, nothing to adjust
        EXPECT_TRUE(p.Calculate());
        EXPECT_EQ(p.HighLatAdjusted(), r.rule == kHighLatSeventh) << kHighLatRuleNames[r.rule];
    }
}

TEST(ReferenceTimes, WithARuleFajrAndIshaByMinutesStayWithinTheMiddleOfTheNight) {
    // Reykjavik, 21 June 2024: Fajr 90 minutes before sunrise and Isha 90 minutes after sunset
    // would cross in the short night; with any rule both stop at its middle, to the second.
    const Place reykjavik{"Reykjavik", 64, 8, false, 21, 56, true, 0, 0, 0, 90, 1, 0};
    for (int16_t rule : {kHighLatMiddle, kHighLatSeventh, kHighLatAngle}) {
        clsPrayTime p = calculatorFor(reykjavik, dateSerial(2024, 6, 21));
        p.MinutesToSunrise(90);
        p.HighLatRule(rule);
        EXPECT_TRUE(p.Calculate());
        EXPECT_LE(clockDistance(p.StoredSeconds(1), p.StoredSeconds(6)), 1) << rule;
        const double middle = (10532 + 86622) / 2.0 + 43200;  // of the reference night
        EXPECT_LE(clockDistance(p.StoredSeconds(1), middle), kTolerance) << rule;
    }
}

TEST(ReferenceTimes, WithARuleEveryDayAtHighLatitudesIsInOrder) {
    for (int16_t rule : {kHighLatMiddle, kHighLatSeventh, kHighLatAngle}) {
        for (int lat = 48; lat <= 70; ++lat) {
            for (bool south : {false, true}) {
                for (int method : {0, 2, 4}) {
                    clsPrayTime p;
                    ApplyCalcMethod(p, method);
                    p.LatDegree(static_cast<int16_t>(lat));
                    p.LatMinute(0);
                    p.LatSouthOfEq(south);
                    p.LonWestOfGW(false);
                    p.LonDegree(25);
                    p.GMTOffset(2);
                    p.HighLatRule(rule);
                    int unordered = 0;
                    for (DateValue d = dateSerial(2026, 1, 1); d <= dateSerial(2026, 12, 31); d += 1) {
                        p.PrayerDate(d);
                        if (!p.Calculate()) ++unordered;
                    }
                    EXPECT_EQ(unordered, 0) << "rule " << rule << " lat " << lat << (south ? "S" : "N") << " method " << method;
                }
            }
        }
    }
}

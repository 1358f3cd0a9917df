// The calculator against reference times worked out apart from it: tests/engine/reference_times.py
// computes them with the NOAA solar calculator's equations (Meeus), the sun's declination and the
// equation of time taken directly at each time's own moment until it settles; the calculator
// interpolates the sun through the day and keeps whole seconds. Sunrise, Dhuhr and sunset
// follow the reference within kSunTolerance, the twilights and Asr, where the sun moves slowly
// against the angle, within kTwilightTolerance (a second or two, all year, wherever the sky
// defines the time).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "ClockDistance.h"
#include "DateValue.h"
#include "clsPrayTime.h"
#include "modTimeZone.h"

using namespace nv;

using nv::test::clockDistance;
using nv::test::intoDay;

namespace {

constexpr double kSunTolerance = 5;        // seconds
constexpr double kTwilightTolerance = 10;  // seconds
constexpr double kTolerance = kTwilightTolerance;

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
    const double kAllowed[6] = {kTwilightTolerance, kSunTolerance, kSunTolerance, kTwilightTolerance, kSunTolerance,
                                kTwilightTolerance};
    const Case cases[] = {
        {kSydney, 2026, 6, 21, {19832, 25199, 43016, 52556, 60833, 65898}},
        {kAuckland, 2026, 1, 15, {16237, 22664, 48610, 62454, 74532, 80512}},
        {kDelhi, 2026, 1, 1, {20991, 26033, 44680, 54998, 63332, 68375}},
        {kCairo, 2026, 3, 20, {16343, 21549, 43351, 55789, 65181, 69832}},
        {kMakkah, 2024, 2, 29, {19416, 24115, 45190, 57267, 66283, 66283 + 5400}},
        {kMakkah, 2024, 12, 31, {20073, 25098, 44634, 55715, 64173, 64173 + 5400}},
        {kSingapore, 2026, 6, 21, {20179, 25227, 47182, 62997, 69137, 73653}},
        {kQuito, 2026, 12, 21, {17578, 22087, 43935, 56286, 65783, 70028}},
        {kNewYork, 2026, 7, 1, {13772, 19717, 46797, 61194, 73865, 79799}},
        {kSanaa, 2026, 3, 1, {18539, 22417, 44132, 56222, 65859, 69489}},
    };
    for (const Case& c : cases) {
        clsPrayTime p = calculatorFor(c.place, dateSerial(c.y, c.m, c.d));
        EXPECT_TRUE(p.Calculate()) << c.place.name;
        EXPECT_TRUE(p.Ordered()) << c.place.name;
        for (int k = 0; k < 6; ++k) {
            const double got = p.StoredSeconds(k + 1);
            EXPECT_GE(got, 0) << c.place.name << " period " << k + 1;
            EXPECT_LT(got, 86400) << c.place.name << " period " << k + 1;
            EXPECT_LE(clockDistance(got, c.seconds[k]), kAllowed[k])
                << c.place.name << " " << c.y << "-" << c.m << "-" << c.d << " period " << k + 1 << ": " << got
                << " against " << c.seconds[k];
        }
    }
}

TEST(ReferenceTimes, EveryDayOfALeapAndACommonYearFromSixtySouthToSixtyFourNorth) {
    // tests/engine/reference_year.txt: `reference_times.py --year`, every day of 2024 and 2025 at
    // its YEAR_PLACES, in the same order; "-" where the sun does not stand at that angle.
    const Place places[] = {
        {"Orcadas", 60, 44, true, 44, 44, true, -180, 18, 17, 0, 1, 0},
        {"Cape Town", 33, 55, true, 18, 25, false, 120, 18, 17, 0, 2, 0},
        {"Jakarta", 6, 12, true, 106, 49, false, 420, 20, 18, 0, 1, 0},
        {"Quito", 0, 13, true, 78, 31, true, -300, 18, 17, 0, 1, 2850},
        {"Makkah", 21, 25, false, 39, 49, false, 180, 18.5, 17, 0, 1, 0},
        {"Delhi", 28, 36, false, 77, 12, false, 330, 18, 18, 0, 2, 0},
        {"Istanbul", 41, 1, false, 28, 58, false, 180, 18, 17, 0, 1, 0},
        {"New York", 40, 43, false, 74, 0, true, -300, 15, 15, 0, 1, 0},
        {"London", 51, 30, false, 0, 8, true, 0, 18, 17, 0, 1, 0},
        {"Stockholm", 59, 20, false, 18, 4, false, 60, 18, 17, 0, 1, 0},
        {"Reykjavik", 64, 8, false, 21, 56, true, 0, 15, 15, 0, 1, 0},
    };
    const double allowed[6] = {kTwilightTolerance, kSunTolerance, kSunTolerance, kTwilightTolerance, kSunTolerance,
                               kTwilightTolerance};
    std::ifstream table(std::string(NOORVALE_SOURCE_DIR) + "/tests/engine/reference_year.txt");
    ASSERT_TRUE(table.is_open());
    int days = 0, undefined = 0;
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        size_t place = 0;
        std::string date;
        std::array<std::string, 6> reference;
        fields >> place >> date;
        for (std::string& r : reference) fields >> r;
        ASSERT_LT(place, std::size(places)) << line;
        const Place& at = places[place];
        clsPrayTime p = calculatorFor(
            at, dateSerial(std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)), std::stoi(date.substr(8, 2))));
        const bool ordered = p.Calculate();
        bool skyDefinesAll = true;
        for (int k = 0; k < 6; ++k) {
            if (reference[k] == "-") {
                skyDefinesAll = false;
                continue;
            }
            const double distance = clockDistance(p.StoredSeconds(k + 1), std::stod(reference[k]));
            EXPECT_LE(distance, allowed[k]) << at.name << " " << date << " period " << k + 1;
        }
        // A day is in order exactly when the sky defines all six times.
        EXPECT_EQ(ordered, skyDefinesAll) << at.name << " " << date;
        ++days;
        undefined += !skyDefinesAll;
    }
    EXPECT_EQ(days, 11 * (366 + 365));
    EXPECT_GT(undefined, 100);  // Orcadas, London, Stockholm and Reykjavik summers
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

TEST(ReferenceTimes, HighLatitudeSummerWithoutARule) {
    // Reykjavik, 21 June 2024, ISNA 15/15, GMT: the sun never sinks to 15 degrees; noon 48580,
    // Asr 66152 and sunset 86622 (past midnight) by the reference.
    const Place reykjavik{"Reykjavik", 64, 8, false, 21, 56, true, 0, 15, 15, 0, 1, 0};
    const double sunset = 86622;

    clsPrayTime none = calculatorFor(reykjavik, dateSerial(2024, 6, 21));
    EXPECT_FALSE(none.Calculate());
    EXPECT_EQ(none.DayKind(), kDayNoTrueTwilight);
    EXPECT_LE(clockDistance(none.StoredSeconds(3), 48580), kTolerance);  // noon before the wrap
    EXPECT_LE(clockDistance(none.StoredSeconds(4), 66152), kTolerance);
    EXPECT_LE(clockDistance(none.StoredSeconds(5), sunset), kTolerance);

}

TEST(ReferenceTimes, WithARuleFajrAndIshaFollowAdhansSameNamedRules) {
    // tests/engine/adhan_rules.js: the adhan library's middle of the night, one seventh and
    // twilight angle / 60, its night running from sunset to the next day's sunrise, margin 0.
    // Where the rule decides (ruled), the calculator says it adjusted the time.
    const Place london{"London", 51, 30, false, 0, 8, true, 0, 18, 17, 0, 1, 0};
    const Place stockholm{"Stockholm", 59, 20, false, 18, 4, false, 60, 18, 17, 0, 1, 0};
    const Place reykjavik{"Reykjavik", 64, 8, false, 21, 56, true, 0, 15, 15, 0, 1, 0};
    const Place ushuaia{"Ushuaia", 54, 48, true, 68, 18, true, -180, 18, 17, 0, 1, 0};
    struct RuleCase {
        const Place& place;
        int16_t rule;
        int y, m, d;
        double fajr, isha;
        bool ruled;
    };
    const RuleCase cases[] = {
        {london, kHighLatMiddle, 2024, 6, 21, 139, 86555, true},
        {london, kHighLatMiddle, 2024, 5, 10, 5261, 80036, false},
        {london, kHighLatMiddle, 2024, 1, 15, 21566, 65640, false},
        {london, kHighLatSeventh, 2024, 6, 21, 9607, 77086, true},
        {london, kHighLatSeventh, 2024, 5, 10, 10936, 75156, true},
        {london, kHighLatSeventh, 2024, 1, 15, 21566, 65640, false},
        {london, kHighLatAngle, 2024, 6, 21, 5441, 80810, true},
        {london, kHighLatAngle, 2024, 5, 10, 6078, 79499, true},
        {london, kHighLatAngle, 2024, 1, 15, 21566, 65640, false},
        {stockholm, kHighLatMiddle, 2024, 4, 20, 2844, 80876, false},
        {stockholm, kHighLatMiddle, 2024, 6, 21, -631, 85786, true},  // Fajr the evening before
        {stockholm, kHighLatSeventh, 2024, 4, 20, 10863, 74019, true},
        {stockholm, kHighLatSeventh, 2024, 6, 21, 6287, 78867, true},
        {stockholm, kHighLatAngle, 2024, 4, 20, 5786, 78557, true},
        {stockholm, kHighLatAngle, 2024, 6, 21, 3243, 81588, true},
        {reykjavik, kHighLatMiddle, 2024, 5, 20, 5225, 91440, true},
        {reykjavik, kHighLatSeventh, 2024, 5, 20, 11601, 85063, true},
        {reykjavik, kHighLatAngle, 2024, 5, 20, 9688, 86976, true},
        {ushuaia, kHighLatMiddle, 2024, 12, 21, 5480, 91911, true},
        {ushuaia, kHighLatSeventh, 2024, 12, 21, 14064, 83327, true},
        {ushuaia, kHighLatAngle, 2024, 12, 21, 10287, 86703, true},
    };
    for (const RuleCase& c : cases) {
        clsPrayTime p = calculatorFor(c.place, dateSerial(c.y, c.m, c.d));
        p.HighLatRule(c.rule);
        EXPECT_TRUE(p.Calculate()) << c.place.name << " " << kHighLatRuleNames[c.rule];
        EXPECT_LE(clockDistance(p.StoredSeconds(1), c.fajr), 60) << c.place.name << " " << kHighLatRuleNames[c.rule] << " " << c.m;
        EXPECT_LE(clockDistance(p.StoredSeconds(6), c.isha), 60) << c.place.name << " " << kHighLatRuleNames[c.rule] << " " << c.m;
        EXPECT_EQ(p.HighLatAdjusted(), c.ruled) << c.place.name << " " << kHighLatRuleNames[c.rule] << " " << c.m;
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
        // The middle of the reference night, give or take the next sunrise's few seconds.
        const double middle = (10532 + 86622) / 2.0 + 43200;
        EXPECT_LE(clockDistance(p.StoredSeconds(1), middle), 60) << rule;
    }
}

TEST(ReferenceTimes, WithARuleEveryDayAtHighLatitudesIsInOrderAndKeepsTheRealSunrise) {
    // Every day of a year up to the pole's edge in both hemispheres, with each rule and methods
    // by angles, by minutes and with a Maghrib angle (Tehran's 17.7/14 and 4.5): in order, and a
    // sunrise and sunset that really happen are the ones of the day without a rule.
    struct Method {
        double fajr, isha, ishaMinutes, maghrib;
    };
    const Method methods[] = {{19, 0, 90, 0}, {19.5, 17.5, 0, 0}, {15, 15, 0, 0}, {17.7, 14, 0, 4.5}};
    for (int16_t rule : {kHighLatMiddle, kHighLatSeventh, kHighLatAngle}) {
        for (int lat : {48, 54, 60, 63, 66, 69, 72, 75, 78, 81, 84, 87, 89}) {
            for (bool south : {false, true}) {
                for (const Method& m : methods) {
                    const Place place{"", lat, 0, south, 25, 0, false, 120, m.fajr, m.isha, m.ishaMinutes, 1, 0};
                    clsPrayTime p = calculatorFor(place, dateSerial(2024, 1, 1));
                    p.SunsetTwilightAngle(m.maghrib);
                    p.MarginOfSafety(2);
                    clsPrayTime none = p;
                    p.HighLatRule(rule);
                    int unordered = 0, sunriseMoved = 0, sunsetMoved = 0;
                    for (DateValue d = dateSerial(2024, 1, 1); d <= dateSerial(2024, 12, 31); d += 1) {
                        p.PrayerDate(d);
                        none.PrayerDate(d);
                        unordered += !p.Calculate();
                        none.Calculate();
                        const bool realDay = none.DayKind() != kDayMidnightSun && none.DayKind() != kDayPolarNight;
                        sunriseMoved += realDay && p.StoredSeconds(2) != none.StoredSeconds(2);
                        sunsetMoved += realDay && m.maghrib == 0 && p.StoredSeconds(5) != none.StoredSeconds(5);
                    }
                    const std::string where = std::to_string(lat) + (south ? "S" : "N") + " rule " +
                                              kHighLatRuleNames[rule] + " Fajr " + std::to_string(m.fajr);
                    EXPECT_EQ(unordered, 0) << where;
                    EXPECT_EQ(sunriseMoved, 0) << where;
                    EXPECT_EQ(sunsetMoved, 0) << where;
                }
            }
        }
    }
}

TEST(ReferenceTimes, TheStandInLatitudeTakesOnlyWhatDoesNotHappen) {
    // Longyearbyen, February 2024, World Islamic League, margin 0, the middle of the night. The
    // sun first rises on the 16th: from then Shurooq and Maghrib are the real ones (the
    // reference's), before it the 65-degree stand-in's. On the 16th the sun at noon is too low
    // for any Asr shadow: Asr keeps its share of the afternoon (its own note without a rule).
    const Place longyearbyen{"Longyearbyen", 78, 13, false, 15, 38, false, 60, 18, 17, 0, 1, 0};
    struct Day {
        int d;
        int kind;  // without a rule
        double sunrise, sunset;
    };
    const Day days[] = {{14, kDayPolarNight, 0, 0},
                        {16, kDayNoAsrShadow, 41409, 46512},
                        {18, kDayRegular, 38484, 49424},
                        {20, kDayRegular, 36588, 51303}};
    for (const Day& day : days) {
        clsPrayTime p = calculatorFor(longyearbyen, dateSerial(2024, 2, day.d));
        EXPECT_EQ(p.Calculate(), day.kind == kDayRegular) << day.d;
        EXPECT_EQ(p.DayKind(), day.kind) << day.d;
        const double asr = p.StoredSeconds(4);
        p.HighLatRule(kHighLatMiddle);
        EXPECT_TRUE(p.Calculate()) << day.d;
        EXPECT_EQ(p.HighLatAdjusted(), day.kind != kDayRegular) << day.d;
        if (day.kind == kDayPolarNight) {
            // 65 degrees: a day of about five hours around noon, not this sky's
            EXPECT_LT(p.StoredSeconds(2), 10 * 3600.0) << day.d;
            EXPECT_GT(p.StoredSeconds(5), 14 * 3600.0) << day.d;
            continue;
        }
        EXPECT_LE(clockDistance(p.StoredSeconds(2), day.sunrise), kSunTolerance) << day.d;
        EXPECT_LE(clockDistance(p.StoredSeconds(5), day.sunset), kSunTolerance) << day.d;
        if (day.kind == kDayRegular) {
            EXPECT_EQ(p.StoredSeconds(4), asr) << day.d;  // a real Asr stays
        }
        EXPECT_GT(p.StoredSeconds(4), p.StoredSeconds(3)) << day.d;
        EXPECT_LT(p.StoredSeconds(4), p.StoredSeconds(5)) << day.d;
    }
}

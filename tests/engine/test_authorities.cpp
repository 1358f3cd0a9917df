// Each authority's parameter set against reference times worked out apart from the program:
// tests/engine/authority_times.py applies the authority's angles, Maghrib angle, Isha minutes (and
// Ramadan minutes), Asr rule and adjustments with the NOAA solar equations of reference_times.py,
// not with the program's day-of-year series; so each time may differ by up to kTolerance. A wrong
// angle, a lost adjustment or a Maghrib at sunset instead of at its angle moves a time by minutes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Authorities.h"
#include "ClockDistance.h"
#include "DateValue.h"
#include "clsPrayTime.h"
#include "modHijri.h"

using namespace nv;

using nv::test::clockDistance;

namespace {

constexpr double kTolerance = 90;  // seconds

struct City {
    const char* key;
    int latDeg, latMin;
    bool south;
    int lonDeg, lonMin;
    int32_t offsetMinutes;
};

constexpr City kCities[] = {
    {"makkah", 21, 25, false, 39, 49, 180},   {"dubai", 25, 16, false, 55, 18, 240},
    {"kuwait", 29, 22, false, 47, 59, 180},   {"qatar", 25, 17, false, 51, 32, 180},
    {"singapore", 1, 17, false, 103, 51, 480}, {"malaysia", 3, 8, false, 101, 41, 480},
    {"indonesia", 6, 12, true, 106, 49, 420}, {"turkey", 39, 56, false, 32, 52, 180},
    {"france", 48, 51, false, 2, 21, 60},     {"russia", 55, 45, false, 37, 37, 180},
    {"tehran", 35, 41, false, 51, 25, 210},   {"kelantan", 6, 8, false, 102, 15, 480},
    {"egypt", 30, 3, false, 31, 14, 120},
};

struct Case {
    const char* key;
    int y, m, d;
    double seconds[6];
};

clsPrayTime calculatorFor(const std::string& key, DateValue date) {
    clsPrayTime c;
    for (const City& city : kCities) {
        if (key != city.key) continue;
        c.LatMinute(static_cast<int16_t>(city.latMin));
        c.LatDegree(static_cast<int16_t>(city.latDeg));
        c.LatSouthOfEq(city.south);
        c.LonMinute(static_cast<int16_t>(city.lonMin));
        c.LonDegree(static_cast<int16_t>(city.lonDeg));
        c.LonWestOfGW(false);
        c.GMTOffsetMinutes(city.offsetMinutes);
    }
    ApplyAuthority(c, *FindAuthority(key));
    c.MarginOfSafety(1);  // picking an authority takes the margin away
    ApplyAuthority(c, *FindAuthority(key));
    c.PrayerDate(date);
    return c;
}

}  // namespace

TEST(Authorities, EachAuthorityWithinTheToleranceOfTheReference) {
    const Case cases[] = {
        {"makkah", 2024, 3, 20, {18508, 23072, 44883, 57176, 66713, 73913}},  // Makkah
        {"makkah", 2024, 6, 21, {15084, 20367, 44558, 56550, 68749, 74149}},  // Makkah
        {"makkah", 2024, 12, 21, {19942, 24846, 44340, 55383, 63834, 69234}},  // Makkah
        {"dubai", 2024, 3, 20, {18328, 22773, 44948, 57217, 66846, 71237}},  // Dubai
        {"dubai", 2024, 6, 21, {14311, 19577, 44622, 56658, 69365, 74572}},  // Dubai
        {"dubai", 2024, 12, 21, {20240, 25024, 44403, 54929, 63481, 68205}},  // Dubai
        {"kuwait", 2024, 3, 20, {16349, 21099, 42924, 55367, 64775, 69394}},  // Kuwait City
        {"kuwait", 2024, 6, 21, {11614, 17347, 42598, 55424, 67849, 73398}},  // Kuwait City
        {"kuwait", 2024, 12, 21, {18805, 23904, 42379, 52539, 60854, 65810}},  // Kuwait City
        {"qatar", 2024, 3, 20, {15685, 20256, 42072, 54461, 64090, 69490}},  // Doha
        {"qatar", 2024, 6, 21, {11679, 17059, 41746, 53905, 66612, 72012}},  // Doha
        {"qatar", 2024, 12, 21, {17602, 22511, 41527, 52171, 60723, 66123}},  // Doha
        {"singapore", 2024, 3, 20, {21183, 25783, 47638, 58522, 69375, 73495}},  // Singapore
        {"singapore", 2024, 6, 21, {20245, 25293, 47308, 59622, 69203, 73719}},  // Singapore
        {"singapore", 2024, 12, 21, {20307, 25335, 47087, 59336, 68719, 73219}},  // Singapore
        {"malaysia", 2024, 3, 20, {22118, 26243, 48098, 59180, 69836, 73962}},  // Kuala Lumpur
        {"malaysia", 2024, 6, 21, {21024, 25560, 47768, 60117, 69856, 74391}},  // Kuala Lumpur
        {"malaysia", 2024, 12, 21, {21492, 25988, 47547, 59734, 68986, 73482}},  // Kuala Lumpur
        {"kelantan", 2024, 3, 20, {21964, 26107, 47962, 59328, 69703, 73606}},  // Kota Bharu
        {"kelantan", 2024, 6, 21, {20528, 25108, 47632, 60012, 70036, 74344}},  // Kota Bharu
        {"kelantan", 2024, 12, 21, {21665, 26165, 47411, 59473, 68537, 72775}},  // Kota Bharu
        {"indonesia", 2024, 3, 20, {16900, 21168, 43387, 54759, 65180, 69263}},  // Jakarta
        {"indonesia", 2024, 6, 21, {16798, 21461, 43056, 55113, 64230, 68670}},  // Jakarta
        {"indonesia", 2024, 12, 21, {15173, 19939, 42834, 55217, 65310, 69831}},  // Jakarta
        {"turkey", 2024, 3, 20, {19255, 24272, 46851, 59219, 68930, 73636}},  // Ankara
        {"turkey", 2024, 6, 21, {11820, 18789, 46526, 60843, 73723, 80160}},  // Ankara
        {"turkey", 2024, 12, 21, {23350, 28786, 46309, 54854, 63291, 68401}},  // Ankara
        {"egypt", 2024, 3, 20, {16306, 21514, 43343, 55792, 65199, 69851}},  // Cairo
        {"egypt", 2024, 6, 21, {11297, 17668, 43018, 55951, 68369, 73985}},  // Cairo
        {"egypt", 2024, 12, 21, {18850, 24421, 42801, 52873, 61180, 66171}},  // Cairo
        {"france", 2024, 3, 20, {20650, 24761, 46673, 58726, 68641, 72766}},  // Paris
        {"france", 2024, 6, 21, {11021, 17224, 46351, 61790, 75477, 81680}},  // Paris
        {"france", 2024, 12, 21, {26623, 31290, 46135, 52774, 60981, 65647}},  // Paris
        {"russia", 2024, 1, 5, {24813, 32273, 45280, 50232, 58303, 65318}},  // Moscow
        {"russia", 2024, 12, 15, {24447, 32007, 44691, 49393, 57369, 64477}},  // Moscow
        {"russia", 2024, 12, 21, {24679, 32261, 44868, 49521, 57476, 64606}},  // Moscow
        {"tehran", 2024, 3, 20, {17035, 22059, 43900, 56335, 66860, 69691}},  // Tehran
        {"tehran", 2024, 6, 21, {10929, 17333, 43574, 57323, 71086, 74656}},  // Tehran
        {"tehran", 2024, 12, 21, {20416, 25821, 43355, 52620, 62108, 65145}},  // Tehran
    };
    for (const Case& c : cases) {
        clsPrayTime p = calculatorFor(c.key, dateSerial(c.y, c.m, c.d));
        p.Rounding(kRoundNearest);  // the reference is to the second
        EXPECT_TRUE(p.Calculate()) << c.key;
        for (int k = 0; k < 6; ++k)
            EXPECT_LE(clockDistance(p.StoredSeconds(k + 1), c.seconds[k]), kTolerance)
                << c.key << " " << c.y << "-" << c.m << "-" << c.d << " period " << k + 1 << ": "
                << p.StoredSeconds(k + 1) << " against " << c.seconds[k];
    }
    // Every authority in the list is checked above, but for those of the seasonal rule: their
    // publications check them (test_publications.cpp).
    for (const Authority& a : kAuthorities) {
        bool found = a.shafaq != kShafaqNone;
        for (const Case& c : cases) found = found || std::string(c.key) == a.key;
        EXPECT_TRUE(found) << a.key;
    }
}

TEST(Authorities, RamadanIshaCountsRamadanByUmmAlQuraForMakkahAndByTheChosenCalendarOtherwise) {
    // Ramadan by Umm Al-Qura: 11 March to 9 April 2024, 1 to 29 March 2025, 2 April to 1 May
    // 2022. The tabular calendar has 1 Ramadan 1446 on 1 March 2025 too, but a 30th on 30 March,
    // and 1 Ramadan 1443 on 3 April 2022.
    constexpr HijriCalendar tabular{kHijriTabular, 0}, ummAlQura{kHijriUmmAlQura, 0};
    const HijriCalendar shownCalendars[] = {tabular, {kHijriTabular, 2}, {kHijriUmmAlQura, -2}};
    struct Day {
        int y, m, d;
        double makkah;  // whatever calendar is shown
        HijriCalendar chosen;
        double byChosen;
    };
    const Day days[] = {{2024, 3, 10, 90, ummAlQura, 90},           {2024, 3, 11, 120, tabular, 120},
                        {2024, 4, 10, 90, tabular, 90},             {2025, 2, 28, 90, {kHijriUmmAlQura, 1}, 120},
                        {2025, 3, 1, 120, {kHijriUmmAlQura, -1}, 90}, {2025, 3, 29, 120, ummAlQura, 120},
                        {2025, 3, 30, 90, tabular, 120},            {2025, 3, 30, 90, {kHijriUmmAlQura, -1}, 120},
                        {2022, 4, 1, 90, ummAlQura, 90},            {2022, 4, 2, 120, tabular, 90},
                        {2022, 4, 2, 120, {kHijriTabular, 1}, 120}, {2022, 5, 2, 90, {kHijriTabular, 2}, 90}};
    // Isha after Maghrib in minutes; Maghrib's own minutes and the margin do not carry Isha along.
    auto ishaMinutes = [](const Day& day, const HijriCalendar& calendar, int16_t ramadanCalendar) {
        clsPrayTime p = calculatorFor("makkah", dateSerial(day.y, day.m, day.d));
        p.Calendar(calendar);
        p.RamadanCalendar(ramadanCalendar);
        p.MarginOfSafety(3);
        p.Adjustment(5, 2);
        p.Calculate();
        return (p.StoredSeconds(6) - (p.StoredSeconds(5) - 120)) / 60;
    };
    const int16_t makkah = FindAuthority("makkah")->ramadanCalendar;
    for (const Day& day : days) {
        for (const HijriCalendar& shown : shownCalendars)
            EXPECT_EQ(ishaMinutes(day, shown, makkah), day.makkah)
                << day.y << "-" << day.m << "-" << day.d << " shown " << shown.kind << " " << shown.adjustment;
        EXPECT_EQ(ishaMinutes(day, day.chosen, kRamadanChosenCalendar), day.byChosen)
            << day.y << "-" << day.m << "-" << day.d << " chosen " << day.chosen.kind << " " << day.chosen.adjustment;
    }
    EXPECT_EQ(FindAuthority("MAKKAH"), FindAuthority("Umm Al-Qura University, Makkah"));
    EXPECT_EQ(FindAuthority("makka"), nullptr);
}

TEST(Authorities, AdjustmentsMoveEachTimeByItsOwnMinutesAfterEverythingElse) {
    // The worked example (Vellmore, GMT-6, 21 June 2002, margin 2) and each time moved alone;
    // Isha pushed past midnight comes back into the day.
    const double plain[6] = {13267, 18001, 43639, 56620, 69037, 73771};
    const int16_t adjust[6] = {2, -7, 5, 4, 7, -3};
    clsPrayTime p;
    p.Astronomy(kAstronomyClassic);
    p.GMTOffset(-6);
    p.PrayerDate(dateSerial(2002, 6, 21));
    for (int k = 0; k < 6; ++k) p.Adjustment(k + 1, adjust[k]);
    EXPECT_TRUE(p.HasAdjustments());
    EXPECT_TRUE(p.Calculate());
    for (int k = 0; k < 6; ++k) EXPECT_EQ(p.StoredSeconds(k + 1), plain[k] + adjust[k] * 60) << k + 1;
    EXPECT_EQ(p.Adjustment(0), 0);
    EXPECT_EQ(p.Adjustment(7), 0);

    p.NightTwilightAngle(0);
    p.MinutesAfterSunset(180);  // Isha at 22:10:37, then an hour and a half and a bit later
    p.Adjustment(6, 60);
    p.Adjustment(5, 0);
    p.GMTOffsetMinutes(-6 * 60 + 90);
    p.Calculate();
    EXPECT_EQ(p.StoredSeconds(6), p.StoredSeconds(5) + 240 * 60 - 86400);
    EXPECT_TRUE(p.Ordered());  // Isha after midnight is still that evening's
}

TEST(Authorities, PickingOneReplacesEveryValueOfTheMethodBefore) {
    // A custom method by minutes with the mosque's own Fajr minutes, then Turkey picked: nothing
    // of the earlier method is left (its json and its Customize boxes show the authority's).
    clsPrayTime p;
    p.DawnTwilightAngle(0);
    p.MinutesToSunrise(75);
    p.NightTwilightAngle(0);
    p.MinutesAfterSunset(90);
    p.SunsetTwilightAngle(4);
    p.RamadanMinutesAfterSunset(120);
    p.RamadanCalendar(kRamadanUmmAlQura);
    p.ShadowRatio(2);
    p.Adjustment(1, 9);
    p.Rounding(kRoundUp);
    p.Shafaq(kShafaqRed);
    p.MarginOfSafety(3);
    ApplyAuthority(p, *FindAuthority("turkey"));
    const double values[] = {p.DawnTwilightAngle(),       p.MinutesToSunrise(),    p.NightTwilightAngle(),
                             p.MinutesAfterSunset(),      p.SunsetTwilightAngle(), p.RamadanMinutesAfterSunset(),
                             double(p.RamadanCalendar()), double(p.ShadowRatio()), double(p.Adjustment(1)),
                             double(p.Adjustment(2)),     double(p.Rounding()),    double(p.Shafaq()),
                             double(p.MarginOfSafety())};
    const double want[] = {18, 0, 17, 0, 0, 0, kRamadanChosenCalendar, 1, 0, -7, kRoundNearest, kShafaqNone, 0};
    for (size_t i = 0; i < std::size(want); ++i) EXPECT_EQ(values[i], want[i]) << i;
}

TEST(Authorities, TheSeasonalRuleTurnsWithTheHemisphere) {
    // South of the equator the seasons run half a year later: 182 days in a common year, 183 in a
    // leap year, from one winter solstice to the other.
    for (const int y : {2025, 2024}) {
        const int halfYear = y == 2024 ? 183 : 182;
        for (int day = 1; day <= 183; ++day) {
            const DateValue north = dateSerial(y, 1, day), south = north + halfYear;
            for (const int16_t shafaq : {kShafaqGeneral, kShafaqRed, kShafaqWhite}) {
                EXPECT_DOUBLE_EQ(SeasonalMinutes(false, shafaq, -40, south), SeasonalMinutes(false, shafaq, 40, north))
                    << y << " day " << day << " shafaq " << shafaq;
            }
            EXPECT_DOUBLE_EQ(SeasonalMinutes(true, kShafaqGeneral, -33.9, south), SeasonalMinutes(true, kShafaqGeneral, 33.9, north))
                << y << " day " << day;
        }
    }
    EXPECT_EQ(SeasonalMinutes(true, kShafaqNone, 40, dateSerial(2025, 1, 1)), 0);

    // The minutes themselves, against tests/engine/seasonal_minutes.py: Fajr, then Isha by the
    // general, red and white shafaq; about the solstices, the leap year's end and between.
    struct Case {
        double latitude;
        int y, m, d;
        double minutes[4];
    };
    const Case cases[] = {
        {51.5, 2024, 12, 20, {101.732050, 98.728586, 78.040012, 98.781167}},
        {51.5, 2024, 12, 31, {100.879136, 96.547682, 75.765574, 97.073487}},
        {51.5, 2025, 1, 1, {100.784368, 96.305360, 75.512859, 96.883744}},
        {51.5, 2025, 3, 22, {93.202909, 76.919545, 55.295636, 81.704364}},
        {51.5, 2025, 5, 6, {105.385814, 66.605296, 66.544213, 108.891478}},
        {51.5, 2025, 6, 21, {119.726427, 80.436812, 79.911415, 150.715992}},
        {51.5, 2025, 8, 6, {105.969209, 66.688551, 67.085676, 110.411644}},
        {51.5, 2025, 9, 28, {93.777836, 78.389636, 56.828776, 82.855467}},
        {51.5, 2025, 12, 21, {101.826818, 98.970909, 78.292727, 98.970909}},
        {51.5, 2024, 6, 21, {120.039091, 80.749273, 80.202909, 151.632000}},
        {43.6, 2024, 12, 20, {97.631405, 95.088667, 75.579505, 95.133182}},
        {43.6, 2024, 12, 31, {96.909327, 93.242310, 73.653962, 93.687457}},
        {43.6, 2025, 1, 1, {96.829096, 93.037159, 73.440013, 93.526820}},
        {43.6, 2025, 3, 22, {90.410618, 76.625091, 56.324073, 80.675927}},
        {43.6, 2025, 5, 6, {100.724689, 67.893028, 65.847140, 103.692591}},
        {43.6, 2025, 6, 21, {112.865480, 79.602816, 77.163839, 139.101306}},
        {43.6, 2025, 8, 6, {101.218593, 67.963511, 66.305543, 104.979567}},
        {43.6, 2025, 9, 28, {90.897353, 77.869673, 57.622032, 81.650453}},
        {43.6, 2025, 12, 21, {97.711636, 95.293818, 75.793455, 95.293818}},
        {43.6, 2024, 6, 21, {113.130182, 79.867345, 77.410618, 139.876800}},
        {-33.9, 2024, 12, 20, {104.441279, 78.578795, 73.790232, 124.840236}},
        {-33.9, 2024, 12, 31, {102.588972, 76.727694, 72.063342, 119.413556}},
        {-33.9, 2025, 1, 1, {102.383160, 76.522016, 71.871466, 118.810591}},
        {-33.9, 2025, 3, 22, {87.160319, 76.112670, 57.751379, 79.810852}},
        {-33.9, 2025, 5, 6, {89.757389, 83.359945, 64.987583, 84.969750}},
        {-33.9, 2025, 6, 21, {92.658818, 90.778909, 72.724727, 90.778909}},
        {-33.9, 2025, 8, 6, {89.789273, 83.441473, 65.072607, 85.033587}},
        {-33.9, 2025, 9, 28, {88.407785, 75.056545, 58.903175, 82.594672}},
        {-33.9, 2025, 12, 21, {104.647091, 78.784473, 73.982109, 125.443200}},
        {-33.9, 2024, 6, 21, {92.658818, 90.778909, 72.724727, 90.778909}},
        {30.0, 2024, 12, 20, {90.572068, 88.822478, 71.343696, 88.853107}},
        {30.0, 2024, 12, 31, {90.075225, 87.552048, 70.018781, 87.858342}},
        {30.0, 2025, 1, 1, {90.020020, 87.410889, 69.871568, 87.747812}},
        {30.0, 2025, 3, 22, {85.603636, 76.118182, 58.094545, 78.905455}},
        {30.0, 2025, 5, 6, {92.700474, 70.109881, 64.647115, 94.742609}},
        {30.0, 2025, 6, 21, {101.054229, 78.167075, 72.433834, 119.106403}},
        {30.0, 2025, 8, 6, {93.040316, 70.158379, 64.962530, 95.628142}},
        {30.0, 2025, 9, 28, {85.938545, 76.974545, 58.987636, 79.576000}},
        {30.0, 2025, 12, 21, {90.627273, 88.963636, 71.490909, 88.963636}},
        {30.0, 2024, 6, 21, {101.236364, 78.349091, 72.603636, 119.640000}},
    };
    for (const Case& c : cases) {
        const DateValue date = dateSerial(c.y, c.m, c.d);
        EXPECT_NEAR(SeasonalMinutes(true, kShafaqGeneral, c.latitude, date), c.minutes[0], 1e-5)
            << c.latitude << " " << c.y << "-" << c.m << "-" << c.d;
        for (int16_t shafaq = kShafaqGeneral; shafaq <= kShafaqWhite; ++shafaq)
            EXPECT_NEAR(SeasonalMinutes(false, shafaq, c.latitude, date), c.minutes[shafaq], 1e-5)
                << c.latitude << " " << c.y << "-" << c.m << "-" << c.d << " shafaq " << shafaq;
    }
}

TEST(Authorities, FromFiftyFiveDegreesTheSeasonalRuleTakesASeventhOfTheNight) {
    // Oslo and Helsinki: Fajr a seventh of the night (sunset to the next sunrise) before sunrise,
    // Isha a seventh after sunset, in midsummer as in midwinter.
    struct Place {
        int latDeg, latMin, lonDeg, lonMin;
        int32_t offset;
    };
    for (const Place& place : {Place{59, 55, 10, 45, 60}, Place{60, 10, 24, 56, 120}}) {
        for (const DateValue date : {dateSerial(2025, 6, 21), dateSerial(2025, 12, 21), dateSerial(2025, 3, 20)}) {
            auto at = [&](DateValue d, int16_t margin = 0) {
                clsPrayTime p;
                p.LatDegree(static_cast<int16_t>(place.latDeg));
                p.LatMinute(static_cast<int16_t>(place.latMin));
                p.LatSouthOfEq(false);
                p.LonDegree(static_cast<int16_t>(place.lonDeg));
                p.LonMinute(static_cast<int16_t>(place.lonMin));
                p.LonWestOfGW(false);
                p.GMTOffsetMinutes(place.offset);
                ApplyAuthority(p, *FindAuthority("moonsighting"));
                p.Adjustment(5, 0);  // Maghrib at sunset
                p.MarginOfSafety(margin);
                p.PrayerDate(d);
                p.Calculate();
                return p;
            };
            const clsPrayTime today = at(date), tomorrow = at(date + 1);
            const double seventh = (tomorrow.StoredSeconds(2) + 86400 - today.StoredSeconds(5)) / 7;
            EXPECT_NEAR(today.StoredSeconds(2) - today.StoredSeconds(1), seventh, 2) << place.latDeg << " " << date;
            EXPECT_NEAR(today.StoredSeconds(6) - today.StoredSeconds(5), seventh, 2) << place.latDeg << " " << date;
            EXPECT_TRUE(today.Ordered());
            // A margin the user gives moves them like every other time.
            const clsPrayTime safer = at(date, 2);
            EXPECT_EQ(safer.StoredSeconds(1), today.StoredSeconds(1) - 120);
            EXPECT_EQ(safer.StoredSeconds(6), today.StoredSeconds(6) + 120);
        }
    }
}

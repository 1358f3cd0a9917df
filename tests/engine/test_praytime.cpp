#include <gtest/gtest.h>

#include <cmath>

#include "DateValue.h"
#include "VbError.h"
#include "clsPrayTime.h"

using namespace nv;

namespace {

struct Seconds {
    double dawn, sunrise, noon, afternoon, sunset, night;
};

Seconds stored(const clsPrayTime& p) {
    return {p.StoredSeconds(1), p.StoredSeconds(2), p.StoredSeconds(3),
            p.StoredSeconds(4), p.StoredSeconds(5), p.StoredSeconds(6)};
}

// The worked example, with the classic series it was worked out with.
clsPrayTime vellmoreOn21June2002() {
    clsPrayTime p;
    p.Astronomy(kAstronomyClassic);
    p.GMTOffset(-6);
    p.PrayerDate(dateSerial(2002, 6, 21));
    return p;
}

void expectSeconds(const clsPrayTime& p, Seconds want) {
    const Seconds got = stored(p);
    EXPECT_EQ(got.dawn, want.dawn);
    EXPECT_EQ(got.sunrise, want.sunrise);
    EXPECT_EQ(got.noon, want.noon);
    EXPECT_EQ(got.afternoon, want.afternoon);
    EXPECT_EQ(got.sunset, want.sunset);
    EXPECT_EQ(got.night, want.night);
}

template <class F>
VbError raised(F&& f) {
    try {
        f();
    } catch (const VbError& e) {
        return e;
    }
    ADD_FAILURE() << "no error raised";
    return VbError(0, "", "");
}

}  // namespace

TEST(PrayTime, NewObjectHoldsTheVellmoreDefaults) {
    const ClockSource previous = setClockSource([] { return dateSerial(2026, 12, 7) + 0.75; });
    clsPrayTime p;
    setClockSource(previous);
    EXPECT_EQ(p.LocationName(), "Vellmore, LA -- USA");
    EXPECT_EQ(p.LonDegree(), 91);
    EXPECT_EQ(p.LonMinute(), 0);
    EXPECT_TRUE(p.LonWestOfGW());
    EXPECT_EQ(p.LatDegree(), 30);
    EXPECT_EQ(p.LatMinute(), 23);
    EXPECT_FALSE(p.LatSouthOfEq());
    EXPECT_EQ(p.Altitude(), 0);
    EXPECT_EQ(p.GMTOffset(), 0);
    EXPECT_EQ(p.DawnTwilightAngle(), 15);
    EXPECT_EQ(p.NightTwilightAngle(), 15);
    EXPECT_EQ(p.MinutesToSunrise(), 0);
    EXPECT_EQ(p.MinutesAfterSunset(), 0);
    EXPECT_EQ(p.ShadowRatio(), 1);
    EXPECT_EQ(p.MarginOfSafety(), 2);
    EXPECT_EQ(p.PrayerDate(), dateSerial(2026, 12, 7));  // today, without the time of day
    expectSeconds(p, {0, 0, 0, 0, 0, 0});
    p.MinutesToSunrise(90);
    p.MinutesAfterSunset(90);
    EXPECT_EQ(p.Set2Vellmore(), 0);
    EXPECT_EQ(p.MinutesToSunrise(), 0);
    EXPECT_EQ(p.MinutesAfterSunset(), 0);
}

TEST(PrayTime, WorkedExampleTwentyFirstJune2002ToTheSecond) {
    clsPrayTime p = vellmoreOn21June2002();
    EXPECT_TRUE(p.Calculate());
    expectSeconds(p, {13267, 18001, 43639, 56620, 69037, 73771});
    EXPECT_EQ(p.Dawn(), timeSerial(3, 41, 7));
    EXPECT_EQ(p.Sunrise(), timeSerial(5, 0, 1));
    EXPECT_EQ(p.Noon(), timeSerial(12, 7, 19));
    EXPECT_EQ(p.Afternoon(), timeSerial(15, 43, 40));
    EXPECT_EQ(p.Sunset(), timeSerial(19, 10, 37));
    EXPECT_EQ(p.Night(), timeSerial(20, 29, 31));
}

TEST(PrayTime, MarginLatitudeMinutesAndShadowRatioVariants) {
    clsPrayTime p = vellmoreOn21June2002();
    p.MarginOfSafety(0);
    p.Calculate();
    expectSeconds(p, {13387, 18121, 43519, 56500, 68917, 73651});

    p = vellmoreOn21June2002();
    p.LatMinute(0);
    p.Calculate();
    EXPECT_EQ(p.StoredSeconds(1), 13354);
    EXPECT_EQ(p.StoredSeconds(5), 68981);

    p = vellmoreOn21June2002();
    p.ShadowRatio(2);
    p.Calculate();
    expectSeconds(p, {13267, 18001, 43639, 61274, 69037, 73771});
}

TEST(PrayTime, DefaultObjectAtGreenwichOffsetWrapsSunsetPastMidnight) {
    // Vellmore's times on Greenwich's clock: Maghrib and Isha fall after midnight, in order
    // around the clock, and noon stays the middle of sunrise and sunset.
    clsPrayTime p;
    p.Astronomy(kAstronomyClassic);
    p.PrayerDate(dateSerial(2002, 6, 21));
    EXPECT_TRUE(p.Calculate());
    const Seconds s = stored(p);
    EXPECT_LT(s.sunset, s.afternoon);  // Sunset wrapped past 24 hours
    EXPECT_EQ(s.noon, 43639 + 6 * 3600);
    EXPECT_EQ(s.sunset, 69037 + 6 * 3600 - 86400);
}

TEST(PrayTime, UmmAlQuraIshaIsNinetyMinutesAfterSunset) {
    for (int m : {1, 4, 7, 10}) {
        clsPrayTime p;
        ApplyCalcMethod(p, 0);
        p.LatDegree(21);
        p.LatMinute(25);
        p.LonWestOfGW(false);
        p.LonDegree(39);
        p.LonMinute(49);
        p.GMTOffset(3);
        p.MarginOfSafety(static_cast<int16_t>(m % 3));
        p.PrayerDate(dateSerial(2010, m, 15));
        p.Calculate();
        EXPECT_EQ(p.StoredSeconds(6), p.StoredSeconds(5) + 5400);
    }
}

TEST(PrayTime, FixedMinutesApplyOnlyWithAZeroAngleAndPositiveMinutes) {
    clsPrayTime p = vellmoreOn21June2002();
    p.DawnTwilightAngle(0);
    p.MinutesToSunrise(90);
    p.Calculate();
    EXPECT_EQ(p.StoredSeconds(1), p.StoredSeconds(2) - 5400);

    // Angle 0 with minutes 0: the geometric-horizon time less the margin, a little after the
    // sunrise of the lowered horizon, not Sunrise minus anything.
    clsPrayTime q = vellmoreOn21June2002();
    q.DawnTwilightAngle(0);
    q.MarginOfSafety(0);
    q.Calculate();
    EXPECT_GT(q.StoredSeconds(1), q.StoredSeconds(2));
    EXPECT_LT(q.StoredSeconds(1), q.StoredSeconds(2) + 300);

    // Minutes are ignored while the angle is not 0.
    clsPrayTime r = vellmoreOn21June2002();
    r.MinutesToSunrise(90);
    r.MinutesAfterSunset(90);
    r.Calculate();
    EXPECT_EQ(r.StoredSeconds(1), 13267);
    EXPECT_EQ(r.StoredSeconds(6), 73771);
}

TEST(PrayTime, PolarNightAndMidnightSunReturnFalseWithoutError) {
    clsPrayTime p;
    p.Astronomy(kAstronomyClassic);
    p.LatDegree(70);
    p.LatMinute(0);
    p.LonWestOfGW(false);
    p.LonDegree(20);
    p.GMTOffset(1);
    p.PrayerDate(dateSerial(2002, 12, 21));
    EXPECT_FALSE(p.Calculate());
    const Seconds n = stored(p);
    EXPECT_EQ(n.sunrise, n.noon - 2 * 120);
    EXPECT_EQ(n.noon, n.afternoon);
    EXPECT_EQ(n.noon, n.sunset);
    EXPECT_LT(n.dawn, n.sunrise);  // the sun still reaches 15 degrees below the horizon
    EXPECT_GT(n.night, n.sunset);

    EXPECT_EQ(p.DayKind(), kDayPolarNight);

    p.PrayerDate(dateSerial(2002, 6, 21));
    EXPECT_FALSE(p.Calculate());
    EXPECT_EQ(p.DayKind(), kDayMidnightSun);
    const Seconds s = stored(p);
    EXPECT_EQ(s.dawn, s.sunrise);
    // Noon - 12 h - margin falls on the evening before: the same clock time, not its absolute value.
    EXPECT_NEAR(s.dawn, s.noon - 43200 - 240 + 86400, 1);
    EXPECT_EQ(s.sunset, s.night);
}

TEST(PrayTime, SixteenBitOverflowRaisesComponentFailure) {
    clsPrayTime p = vellmoreOn21June2002();
    p.GMTOffset(2185);
    const VbError e = raised([&] { p.Calculate(); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042AFDu);
    EXPECT_EQ(e.source(), "Noorvale.clsPrayTime.Calculate");
    EXPECT_EQ(e.description(), "clsNoorvale component failure");

    p.GMTOffset(-6);
    p.MarginOfSafety(547);  // x 60 no longer fits 16 bits
    EXPECT_EQ(static_cast<uint32_t>(raised([&] { p.Calculate(); }).number()), 0x80042AFDu);
    p.MarginOfSafety(546);
    EXPECT_NO_THROW(p.Calculate());
}

TEST(PrayTime, SettersRaiseTheirErrorsAfterStoringTheReplacement) {
    const ClockSource previous = setClockSource([] { return dateSerial(2026, 12, 7) + 0.5; });
    clsPrayTime p;
    struct Case {
        std::function<void()> act;
        uint32_t number;
        const char* source;
        const char* description;
        std::function<void()> check;
    };
    const std::vector<Case> cases = {
        {[&] { p.PrayerDate(dateSerial(2002, 6, 21)); p.PrayerDate(54789.5); }, 0x80042AF9u, "Noorvale.clsPrayTime.PrayerDate", "Date is not valid",
         [&] { EXPECT_EQ(p.PrayerDate(), dateSerial(2026, 12, 7)); }},
        {[&] { p.PrayerDate(1.9); }, 0x80042AF9u, "Noorvale.clsPrayTime.PrayerDate", "Date is not valid", [] {}},
        {[&] { p.LonDegree(181); }, 0x80042AFAu, "Noorvale.clsPrayTime.LonDegree",
         "Longitude is not valid, must be less than 180",
         [&] { EXPECT_EQ(p.LonDegree(), 180); EXPECT_EQ(p.LonMinute(), 0); }},
        {[&] { p.LonMinute(30); p.LonDegree(180); p.LonMinute(100); }, 0x80042AFAu, "Noorvale.clsPrayTime.LonMinute",
         "Longitude is not valid, must be less than 180", [&] { EXPECT_EQ(p.LonMinute(), 0); }},
        {[&] { p.LatDegree(90); }, 0x80042AFBu, "Noorvale.clsPrayTime.LatDegree",
         "Latitude is not valid, must be less than 89.8",
         [&] { EXPECT_EQ(p.LatDegree(), 89); EXPECT_EQ(p.LatMinute(), 1); }},
        {[&] { p.LatDegree(89); p.LatMinute(100); }, 0x80042AFBu, "Noorvale.clsPrayTime.LatMinute",
         "Latitude is not valid, must be less than 89.8", [] {}},
        {[&] { p.ShadowRatio(3); }, 0x80042AFCu, "Noorvale.clsPrayTime.ShadowRatio",
         "Shadow Ratio is not valid, must be between 1 and 2", [&] { EXPECT_EQ(p.ShadowRatio(), 1); }},
        {[&] { p.ShadowRatio(0); }, 0x80042AFCu, "Noorvale.clsPrayTime.ShadowRatio",
         "Shadow Ratio is not valid, must be between 1 and 2", [] {}},
    };
    for (const Case& c : cases) {
        p.Set2Vellmore();
        p.ShadowRatio(2);
        const VbError e = raised(c.act);
        EXPECT_EQ(static_cast<uint32_t>(e.number()), c.number) << c.source;
        EXPECT_EQ(e.source(), c.source);
        EXPECT_EQ(e.description(), c.description);
        c.check();
    }
    setClockSource(previous);
}

TEST(PrayTime, SetterChecksCountMinutesOnlyByWholeHundreds) {
    clsPrayTime p;
    EXPECT_NO_THROW(p.LonDegree(180));
    EXPECT_NO_THROW(p.LonMinute(99));
    EXPECT_NO_THROW(p.LatDegree(89));
    EXPECT_NO_THROW(p.LatMinute(59));
    EXPECT_NO_THROW(p.PrayerDate(54789));
    EXPECT_NO_THROW(p.PrayerDate(2));
    EXPECT_NO_THROW(p.ShadowRatio(2));
    // Minutes set after a too-large degree: the loader's order leaves 89 degrees with the minutes.
    clsPrayTime q;
    EXPECT_THROW(q.LatDegree(95), VbError);
    q.LatMinute(40);
    EXPECT_EQ(q.LatDegree(), 89);
    EXPECT_EQ(q.LatMinute(), 40);
}

TEST(PrayTime, StoredSecondsConvertToTimesOfDay) {
    clsPrayTime p;
    EXPECT_DOUBLE_EQ(p.SecondsToTime(86460), 1 + 60.0 / 86400);  // one day and 00:01:00
    EXPECT_DOUBLE_EQ(p.SecondsToTime(-3600), 1.0 / 24);           // the absolute value
    EXPECT_DOUBLE_EQ(p.SecondsToTime(59.5f), 60.0 / 86400);       // halves to even: 60
    EXPECT_DOUBLE_EQ(p.SecondsToTime(58.5f), 58.0 / 86400);
    bool withSeconds = false, use24 = false;
    EXPECT_EQ(p.SecondtoStrTime(49500, withSeconds, use24), "01:45");
    withSeconds = true;
    use24 = true;
    EXPECT_EQ(p.SecondtoStrTime(49545, withSeconds, use24), "13:45:45");
    EXPECT_EQ(p.SecondtoStrTime(0, withSeconds, use24), "00:00:00");
}

TEST(PrayTime, LateIshaPastMidnightKeepsItsClockTime) {
    clsPrayTime p = vellmoreOn21June2002();
    p.NightTwilightAngle(0);
    p.MinutesAfterSunset(300);
    EXPECT_TRUE(p.Calculate());  // before the next Fajr, so still in order
    EXPECT_EQ(p.StoredSeconds(6), 69037 + 300 * 60 - 86400);
    EXPECT_EQ(p.Night(), timeSerial(0, 10, 37));
    p.MinutesAfterSunset(540);  // past the next Fajr
    EXPECT_FALSE(p.Calculate());
}

TEST(PrayTime, ZoneOffsetInMinutesKeepsWholeHoursBitExact) {
    clsPrayTime p = vellmoreOn21June2002();
    p.GMTOffsetMinutes(-360);
    EXPECT_EQ(p.GMTOffset(), -6);
    p.Calculate();
    expectSeconds(p, {13267, 18001, 43639, 56620, 69037, 73771});
    p.GMTOffsetMinutes(-330);  // half an hour east moves every time 30 minutes later on the clock
    p.Calculate();
    expectSeconds(p, {13267 + 1800, 18001 + 1800, 43639 + 1800, 56620 + 1800, 69037 + 1800, 73771 + 1800});
    EXPECT_EQ(p.GMTOffset(), -5);  // whole hours cut toward zero
}

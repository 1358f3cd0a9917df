#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <vector>

#include "DateValue.h"
#include "VbError.h"
#include "modHijri.h"

using namespace nv;

namespace {
struct Hijri {
    int year, month, day;
    std::string name;
};
Hijri toHijri(int y, int m, int d) {
    int16_t hy = static_cast<int16_t>(y), hm = static_cast<int16_t>(m), hd = static_cast<int16_t>(d);
    const std::string name = GregorianToHijri(hy, hm, hd);
    return {hy, hm, hd, name};
}
}  // namespace

TEST(Hijri, DatesOfTheTable) {
    struct Case {
        int y, m, d;
        Hijri want;
    };
    for (const Case& c : std::vector<Case>{
             {2002, 3, 15, {1423, 1, 1, "Muharram"}},
             {2002, 6, 21, {1423, 4, 10, "Rabi Thani"}},
             {2002, 12, 6, {1423, 10, 1, "Shawwal"}},
             {1900, 1, 1, {1317, 8, 28, "Sha'ban"}},
             {2050, 1, 1, {1472, 4, 7, "Rabi Thani"}},
         }) {
        const Hijri h = toHijri(c.y, c.m, c.d);
        EXPECT_EQ(h.year, c.want.year) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(h.month, c.want.month);
        EXPECT_EQ(h.day, c.want.day);
        EXPECT_EQ(h.name, c.want.name);
    }
}

TEST(Hijri, JulianDayNumbers) {
    EXPECT_EQ(JulianDayNumber(2002, 3, 15, 1), 2452349);
    EXPECT_EQ(JulianDayNumber(2002, 6, 21, 1), 2452447);
    EXPECT_EQ(JulianDayNumber(1582, 10, 4, 1), 2299160);  // last Julian day
    EXPECT_EQ(JulianDayNumber(1582, 10, 15, 1), 2299161);  // first Gregorian day
    EXPECT_EQ(JulianDayNumber(622, 7, 16, 1), 1948440);
    EXPECT_EQ(JulianDayNumber(2002, 6, 21, 0), JulianCalendarDayNumber(2002, 6, 21));
}

TEST(Hijri, FirstDayOfTheEraAndTheDayBefore) {
    int16_t y = 0, m = 0, d = 0;
    EXPECT_EQ(JulianDayToHijri(1948440, y, m, d), "Muharram");
    EXPECT_EQ(y, 1);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(JulianDayToHijri(1948439, y, m, d), "Dhu'l-Hijja");
    EXPECT_EQ(y, 0);
    EXPECT_EQ(m, 12);
    EXPECT_EQ(d, 29);
}

TEST(Hijri, CycleYearLengths) {
    auto yearStart = [](int year) {  // the day number of 1 Muharram of `year`, found by search
        int32_t jd = 1948440 + static_cast<int32_t>((year - 1) * 354.367);
        int16_t y = 0, m = 0, d = 0;
        for (jd -= 5;; ++jd) {
            JulianDayToHijri(jd, y, m, d);
            if (y == year && m == 1 && d == 1) return jd;
        }
    };
    EXPECT_EQ(yearStart(2) - yearStart(1), 354);
    EXPECT_EQ(yearStart(3) - yearStart(2), 355);
    const std::set<int> longYears = {2, 5, 7, 10, 13, 16, 18, 21, 24, 26, 29};
    for (int year = 1411; year <= 1441; ++year)
        EXPECT_EQ(yearStart(year + 1) - yearStart(year), longYears.count((year - 1) % 30 + 1) ? 355 : 354) << year;
    EXPECT_EQ(yearStart(31) - yearStart(1), 10631);
}

TEST(Hijri, FarDatesOverflowInsteadOfWrapping) {
    int16_t y = 0, m = 0, d = 0;
    EXPECT_THROW(JulianDayToHijri(2147483000, y, m, d), VbError);
}

TEST(Hijri, MonthNamesAndAbbreviations) {
    const std::vector<std::string> abbrev = {"Muh", "Saf", "Rab I", "Rab II", "Jum I", "Jum II",
                                             "Raj", "Sha", "Ram",   "Sha",    "Dhu Q", "Dhu H"};
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(HijriMonthAbbrev(HijriMonthName(m), 3), abbrev[m - 1]);
    EXPECT_EQ(HijriMonthName(0), "Error");
    EXPECT_EQ(HijriMonthName(13), "Error");
    EXPECT_EQ(HijriMonthAbbrev("Rabi Awal", 9), "Rabi Awal");
    EXPECT_EQ(HijriMonthAbbrev("Jumada Thani", 8), "Jumada T II");
    EXPECT_EQ(HijriMonthAbbrev("rabi thani", 3), "rab II");  // compared without regard to case
}

namespace {
constexpr HijriCalendar kTabular{kHijriTabular, 0};
constexpr HijriCalendar kUmmAlQura{kHijriUmmAlQura, 0};
HijriCalendar ummAlQura(int adjustment) { return {kHijriUmmAlQura, static_cast<int16_t>(adjustment)}; }
HijriCalendar tabular(int adjustment) { return {kHijriTabular, static_cast<int16_t>(adjustment)}; }
}  // namespace

TEST(Hijri, UmmAlQuraDatesAsSaudiArabiaPublishedThemAndTheDayAdjustment) {
    struct Case {
        int y, m, d;
        HijriCalendar calendar;
        HijriDate want;
    };
    for (const Case& c : std::vector<Case>{
             // Ramadan 1446: 1 Ramadan on 1 March 2025, 1 Shawwal (Eid) on 30 March; the tabular
             // calendar counts a 30th of Ramadan instead.
             {2025, 2, 28, kUmmAlQura, {1446, 8, 29}},
             {2025, 3, 1, kUmmAlQura, {1446, 9, 1}},
             {2025, 3, 30, kUmmAlQura, {1446, 10, 1}},
             {2025, 3, 30, kTabular, {1446, 9, 30}},
             // Ramadan 1443 began on 2 April 2022, a day before the tabular calendar's.
             {2022, 4, 2, kUmmAlQura, {1443, 9, 1}},
             {2022, 4, 2, kTabular, {1443, 8, 29}},
             {2025, 6, 26, kUmmAlQura, {1447, 1, 1}},
             // A community a day or two behind or ahead of its calendar.
             {2025, 3, 1, ummAlQura(-1), {1446, 8, 29}},
             {2025, 3, 29, ummAlQura(1), {1446, 10, 1}},  // this Ramadan had 29 days
             {2025, 2, 28, tabular(-2), {1446, 8, 27}},
             // The edges of the table ICU holds (1300 to 1600), and beyond them the tabular date.
             {1882, 11, 12, kUmmAlQura, {1300, 1, 1}},
             {1882, 11, 11, kUmmAlQura, {1299, 12, 29}},
             {2174, 11, 26, kUmmAlQura, {1601, 1, 1}},
             {1850, 1, 1, kUmmAlQura, {1266, 2, 16}},
         }) {
        const std::optional<HijriDate> h = ToHijri(dateSerial(c.y, c.m, c.d), c.calendar);
        ASSERT_TRUE(h.has_value()) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(*h, c.want) << c.y << "-" << c.m << "-" << c.d << " calendar " << c.calendar.kind << " "
                              << c.calendar.adjustment << ": " << h->year << "-" << h->month << "-" << h->day;
    }
    // The time of day does not move the date; a day too far out has none.
    EXPECT_EQ(ToHijri(dateSerial(2025, 3, 1) + 0.99, kUmmAlQura), ToHijri(dateSerial(2025, 3, 1), kUmmAlQura));
    EXPECT_FALSE(ToHijri(dateSerial(33000, 1, 1), kUmmAlQura).has_value());
}

TEST(Hijri, UmmAlQuraDaysFollowOneAnotherAndEqualTheTabularOutsideTheTable) {
    // Every day from 1870 to 2190: the next day is the next Hijri day, or the 1st after a 29th
    // or 30th; outside 1300..1600 the date is the tabular one.
    const DateValue first = dateSerial(1870, 1, 1), last = dateSerial(2190, 1, 1);
    HijriDate before = ToHijri(first - 1, kUmmAlQura).value();
    int monthsInTable = 0;
    for (DateValue d = first; d <= last; d += 1) {
        const HijriDate h = ToHijri(d, kUmmAlQura).value();
        const bool newMonth = h.day == 1;
        if (newMonth) {
            ASSERT_TRUE(before.day == 29 || before.day == 30) << d;
            ASSERT_EQ(h.month, before.month % 12 + 1) << d;
            ASSERT_EQ(h.year, before.year + (h.month == 1 ? 1 : 0)) << d;
        } else {
            ASSERT_EQ(h, (HijriDate{before.year, before.month, static_cast<int16_t>(before.day + 1)})) << d;
        }
        const bool inTable = h.year >= kUmmAlQuraFirstYear && h.year <= kUmmAlQuraLastYear;
        if (!inTable) {
            ASSERT_EQ(h, ToHijri(d, kTabular).value()) << d;
        }
        monthsInTable += inTable && newMonth;
        before = h;
    }
    EXPECT_EQ(monthsInTable, (kUmmAlQuraLastYear - kUmmAlQuraFirstYear + 1) * 12);
}

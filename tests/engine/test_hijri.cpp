#include <gtest/gtest.h>

#include <set>

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

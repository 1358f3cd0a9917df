#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "Authorities.h"
#include "CalendarRows.h"
#include "DateLocale.h"
#include "FormatDate.h"
#include "Translate.h"
#include "modDateLib.h"
#include "modHijri.h"
#include "support/FixedLocale.h"

using namespace nv;

namespace {
const DateValue kFriday = dateSerial(2002, 6, 21);  // 10 Rabi Thani 1423
}

TEST(DateLib, LeapYearsAndDayOfYear) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(2002));
    EXPECT_TRUE(IsLeapYear(2004));
    EXPECT_EQ(DayOfYear(dateSerial(2004, 12, 31)), 366);
    EXPECT_EQ(DayOfYear(dateSerial(2002, 1, 1)), 1);
    EXPECT_EQ(DayOfYear(kFriday), 172);
    EXPECT_EQ(DayOfYear(kFriday + 0.5), 172);   // 172.5: halves go to the even neighbour
    EXPECT_EQ(DayOfYear(kFriday + 0.75), 173);  // a late time of day moves it up
}

TEST(DateLib, WeekMonthAndYearBounds) {
    const DateValue wednesday = dateSerial(2002, 6, 19);
    EXPECT_EQ(FirstDayOfWeek(wednesday), dateSerial(2002, 6, 16));
    EXPECT_EQ(LastDayOfWeek(wednesday), dateSerial(2002, 6, 22));
    const DateValue sunday = dateSerial(2002, 6, 16), saturday = dateSerial(2002, 6, 22);
    EXPECT_EQ(FirstDayOfWeek(sunday), sunday);
    EXPECT_EQ(LastDayOfWeek(saturday), saturday);
    EXPECT_EQ(FirstDayOfWeek(wednesday + 0.25), dateSerial(2002, 6, 16) + 0.25);  // time carried
    EXPECT_EQ(LastDayOfMonth(dateSerial(2004, 2, 15)), dateSerial(2004, 2, 29));
    EXPECT_EQ(LastDayOfMonth(dateSerial(2002, 12, 10)), dateSerial(2002, 12, 31));
    EXPECT_EQ(FirstDayOfMonth(dateSerial(2002, 12, 10) + 0.7), dateSerial(2002, 12, 1));
    EXPECT_EQ(FirstDayOfYear(kFriday), dateSerial(2002, 1, 1));
    EXPECT_EQ(LastDayOfYear(kFriday), dateSerial(2002, 12, 31));
}

TEST(DateLib, CalendarViewRanges) {
    DateValue first = 0, last = 0;
    CalendarRange(kViewToday, kFriday, first, last);
    EXPECT_EQ(first, kFriday);
    EXPECT_EQ(last, kFriday);
    CalendarRange(kViewWeek, dateSerial(2002, 6, 16), first, last);
    EXPECT_EQ(first, dateSerial(2002, 6, 16));
    EXPECT_EQ(last, dateSerial(2002, 6, 22));
    CalendarRange(kViewWeek, dateSerial(2002, 6, 22), first, last);
    EXPECT_EQ(first, dateSerial(2002, 6, 16));
    CalendarRange(kViewMonth, dateSerial(2004, 2, 10), first, last);
    EXPECT_EQ(last - first + 1, 29);
    CalendarRange(kViewYear, dateSerial(2004, 7, 1), first, last);
    EXPECT_EQ(last - first + 1, 366);
    CalendarRange(9, kFriday, first, last);  // unknown views show the week
    EXPECT_EQ(first, dateSerial(2002, 6, 16));
}

TEST(DateLib, TimeFormats) {
    test::ScopedUsLocale us;
    const DateValue t = timeSerial(17, 5, 9);
    EXPECT_EQ(FormatTimeText(t, "hh:mm xx/xx"), "05:05");
    EXPECT_EQ(FormatTimeText(t, "Short Time"), "17:05");
    EXPECT_EQ(FormatTimeText(t, "Medium Time"), "05:05 PM");
    EXPECT_EQ(FormatTimeText(t, "Long Time"), "5:05:09 PM");
    EXPECT_EQ(FormatTimeText(t, "AMPM hh:nn"), "PM 05:05");  // the designator first
    EXPECT_EQ(FormatTimeText(timeSerial(12, 0, 0), "hh:mm xx/xx"), "12:00");
    EXPECT_EQ(FormatTimeText(timeSerial(0, 5, 0), "hh:mm xx/xx"), "12:05");
    EXPECT_EQ(FormatTimeText(timeSerial(13, 0, 0), "hh:mm xx/xx"), "01:00");
    EXPECT_EQ(FormatTimeText(timeSerial(0, 30, 0), "hh:mm xx/xx"), "12:30");
    EXPECT_EQ(FormatTimeText(1 + timeSerial(0, 1, 0), "Short Time"), "00:01");  // past midnight

    // Without seconds a time shows its nearest minute, 30 seconds going up; with them, as it is.
    struct Rounded {
        DateValue t;
        const char* format;
        const char* text;
    };
    const Rounded rounded[] = {
        {timeSerial(5, 0, 29), "Short Time", "05:00"},
        {timeSerial(5, 0, 30), "Short Time", "05:01"},
        {timeSerial(5, 0, 30) - 1e-9, "Short Time", "05:01"},  // a stored 30 s a hair short of it
        {timeSerial(5, 0, 59), "Long Time", "5:00:59 AM"},
        {timeSerial(12, 59, 30), "hh:mm xx/xx", "01:00"},
        {timeSerial(11, 59, 45), "Medium Time", "12:00 PM"},
        {timeSerial(23, 59, 30), "Short Time", "00:00"},
        {timeSerial(16, 44, 59), "long time", "4:44:59 PM"},
    };
    for (const Rounded& r : rounded) EXPECT_EQ(FormatTimeText(r.t, r.format), r.text) << r.format;
    EXPECT_EQ(RoundToMinute(timeSerial(23, 59, 30)), 1.0);  // the next midnight
    EXPECT_DOUBLE_EQ(RoundToMinute(1 + timeSerial(0, 0, 40)), 1 + timeSerial(0, 1, 0));  // past it, day kept
}

// A language without AM/PM designators (French, Indonesian) reads the designator's formats as 24-hour
// times; a designator written out in the pattern stays the 12-hour clock it asks for.
TEST(DateLib, ALocaleWithoutDesignatorsKeepsThe24HourClock) {
    auto none = std::make_shared<TableDateLocale>(static_cast<const TableDateLocale&>(*test::usEnglishLocale()));
    none->am.clear();
    none->pm.clear();
    const auto previous = setDateLocale(none);
    const std::pair<const char*, const char*> cases[] = {
        {"Medium Time", "17:05"}, {"Long Time", "17:05:09"}, {"hh:nn AMPM!", "17:05!"},
        {"hh:mm xx/xx", "05:05"}, {"hh:nn AM/PM", "05:05 PM"}, {"h:nn a/p", "5:05 p"},
    };
    for (const auto& [format, shown] : cases) EXPECT_EQ(FormatTimeText(timeSerial(17, 5, 9), format), shown) << format;
    EXPECT_EQ(FormatTimeText(timeSerial(0, 30, 0), "Medium Time"), "00:30");
    setDateLocale(previous);
}

TEST(DateLib, GregorianDisplayFormats) {
    test::ScopedUsLocale us;
    EXPECT_EQ(FormatDate(kFriday, "mmm d ddd"), "Jun 21 Fri");
    EXPECT_EQ(FormatDate(kFriday, "d mmm ddd"), "21 Jun Fri");
    EXPECT_EQ(FormatDate(kFriday, "d-mmm"), "21-Jun");
    EXPECT_EQ(FormatDate(kFriday, "Short Date"), "6/21/2002");
    EXPECT_EQ(FormatDate(kFriday, "Medium Date"), "21-Jun-02");
    EXPECT_EQ(FormatDate(kFriday, "Long Date"), "Friday, June 21, 2002");
    EXPECT_EQ(FormatDate(kFriday, "long date"), "Friday, June 21, 2002");
    EXPECT_EQ(FormatDate(kFriday + timeSerial(9, 7, 3), "yyyy-mm-dd hh:nn:ss"), "2002-06-21 09:07:03");
    EXPECT_EQ(FormatDate(kFriday + timeSerial(9, 7, 3), "h:mm:ss a/p"), "9:07:03 a");
    EXPECT_EQ(FormatDate(kFriday, "dddd \"the\" d\\t\\h"), "Friday the 21th");
    EXPECT_EQ(FormatDate(kFriday, "General Date"), "6/21/2002");
    EXPECT_EQ(FormatDate(kFriday + 0.5, "General Date"), "6/21/2002 12:00:00 PM");
}

TEST(DateLib, HijriLayouts) {
    test::ScopedUsLocale us;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"mmm d ddd", "Rab II 10 Fri"},
        {"d mmm ddd", "10 Rab II Fri"},
        {"d-mmm", "10-Rab II"},
        {"D-MMM", "10-Rab II"},
        {"d-m-yyyy", "10-4-1423"},
        {"m/d/yyyy", "4/10/1423"},
        {"Medium Date", "10-Rab II-1423"},
        {"Long Date", "Fri, Rabi Thani 10, 1423"},
        {"Both Date1", "Jun 21/Rab II 10 - Fri"},
        {"BOTH DATE1", "Jun 21/Rab II 10 - Fri"},
        {"something else", "Fri, 10 Rabi Thani 1423"},
    };
    for (const auto& [format, want] : cases) EXPECT_EQ(FormatHijriDate(kFriday, format), want) << format;
    // Sha'ban and Shawwal share their abbreviation.
    EXPECT_EQ(FormatHijriDate(dateSerial(1900, 1, 1), "d-mmm"), "28-Sha");
    EXPECT_EQ(FormatHijriDate(dateSerial(2002, 12, 6), "d-mmm"), "1-Sha");
}

TEST(DateLib, DayColumnFollowsTheDateStyle) {
    test::ScopedUsLocale us;
    EXPECT_EQ(DayText(kFriday, kDateGregorian, "mmm d ddd", "d-mmm", {}), "Jun 21 Fri");
    EXPECT_EQ(DayText(kFriday, kDateHijri, "mmm d ddd", "d-mmm", {}), "10-Rab II");
}

TEST(DateLib, PosixLocaleLayoutsAreRewritten) {
    EXPECT_EQ(patternFromStrftime("%m/%d/%y"), "mm/dd/yy");
    EXPECT_EQ(patternFromStrftime("%I:%M:%S %p"), "hh:nn:ss AMPM");
    EXPECT_EQ(patternFromStrftime("%d.%m.%Y"), "dd.mm.yyyy");
    EXPECT_EQ(patternFromStrftime("%H時%M分"), "hh\"時\"nn\"分\"");
    EXPECT_EQ(patternFromStrftime("%r"), "hh:nn:ss AMPM");
}

TEST(DateLib, SystemLocaleFollowsTheEnvironment) {
    const char* saved = std::getenv("LC_ALL");
    const std::string previous = saved ? saved : "";
    setenv("LC_ALL", "C", 1);
    const auto c = systemDateLocale();
    if (saved) setenv("LC_ALL", previous.c_str(), 1);
    else unsetenv("LC_ALL");
    EXPECT_EQ(c->monthName(6, true), "Jun");
    EXPECT_EQ(c->monthName(6, false), "June");
    EXPECT_EQ(c->dayName(1, false), "Sunday");
    EXPECT_EQ(c->amDesignator(), "AM");
    auto old = setDateLocale(c);
    EXPECT_EQ(FormatDate(kFriday, "Short Date"), "06/21/02");
    EXPECT_EQ(FormatDate(timeSerial(17, 5, 9), "Long Time"), "17:05:09");
    EXPECT_EQ(FormatDate(kFriday, "Long Date"), "Friday, June 21, 2002");
    setDateLocale(old);
}

// Under a catalogue (a hook in its place that marks each text with its context) the windows' texts
// of the engine come translated, each from its own context; the Hijri short forms become the
// language's full names only where the catalogue names the months; without it all is English.
TEST(DateLib, EngineTextsFollowTheCatalogue) {
    test::ScopedUsLocale us;
    auto calculatorFor = [](int16_t latDegree, int16_t latMinute, int16_t lonDegree, DateValue date) {
        clsPrayTime p;
        p.LatMinute(latMinute);
        p.LatDegree(latDegree);
        p.LonMinute(0);
        p.LonDegree(lonDegree);
        p.GMTOffset(0);
        ApplyCalcMethod(p, 4);  // ISNA 15/15
        p.PrayerDate(date);
        p.Calculate();
        return p;
    };
    const clsPrayTime reykjavik = calculatorFor(64, 8, 21, dateSerial(2024, 6, 21));
    const clsPrayTime tromsoSummer = calculatorFor(69, 39, 18, dateSerial(2024, 6, 21));
    const clsPrayTime tromsoWinter = calculatorFor(69, 39, 18, dateSerial(2024, 12, 21));
    const std::string noTwilight = "No true dawn/dusk: the sun does not sink to the Fajr or Isha angle on this day.";

    struct Case {
        std::function<std::string(const char*, const char*)> hook;  // empty: no catalogue
        std::string hijriShort, hijriLong, prayer, description, note, midnightSun, polarNight, method, authority;
    };
    const auto marked = [](const char* context, const char* text) { return std::string(context) + ":" + text; };
    const auto notesOnly = [](const char* context, const char* text) {
        return std::string(context) == "Calendar" ? std::string("!") + text : std::string(text);
    };
    const Case cases[] = {
        {{}, "10-Rab II", "Fri, Rabi Thani 10, 1423", "Fajr", "Dawn", noTwilight,
         "Midnight sun: the sun does not set on this day.", "Polar night: the sun does not rise on this day.",
         "Islamic Society Of North America (ISNA)", "Diyanet, Turkey"},
        {marked, "10-Hijri:Rabi Thani", "Fri, Hijri:Rabi Thani 10, 1423", "Prayer:Fajr", "Prayer:Dawn",
         "Calendar:" + noTwilight, "Calendar:Midnight sun: the sun does not set on this day.",
         "Calendar:Polar night: the sun does not rise on this day.",
         "Method:Islamic Society Of North America (ISNA)", "Authority:Diyanet, Turkey"},
        {notesOnly, "10-Rab II", "Fri, Rabi Thani 10, 1423", "Fajr", "Dawn", "!" + noTwilight,
         "!Midnight sun: the sun does not set on this day.", "!Polar night: the sun does not rise on this day.",
         "Islamic Society Of North America (ISNA)", "Diyanet, Turkey"},
    };
    for (const Case& c : cases) {
        setTranslateHook(c.hook);
        const std::string label = c.hijriShort;
        EXPECT_EQ(FormatHijriDate(kFriday, "d-mmm"), c.hijriShort) << label;
        EXPECT_EQ(FormatHijriDate(kFriday, "Long Date"), c.hijriLong) << label;
        EXPECT_EQ(DefaultPeriodName(1), c.prayer) << label;
        EXPECT_EQ(PeriodDescription(1), c.description) << label;
        EXPECT_EQ(DayNote(reykjavik), c.note) << label;
        EXPECT_EQ(DayNote(tromsoSummer), c.midnightSun) << label;
        EXPECT_EQ(DayNote(tromsoWinter), c.polarNight) << label;
        EXPECT_EQ(CalcMethodDisplayName(4), c.method) << label;
        EXPECT_EQ(AuthorityDisplayName("TURKEY"), c.authority) << label;
        EXPECT_EQ(AuthorityDisplayName("diyanet, turkey"), c.authority) << label;
        EXPECT_EQ(AuthorityDisplayName("Our own mosque"), "Our own mosque") << label;
        EXPECT_EQ(CalcMethodDisplayName(6), "") << label;
        EXPECT_EQ(DefaultPeriodName(7), "") << label;
        EXPECT_EQ(PeriodDescription(0), "") << label;
        for (int m : {0, 13}) {  // compared by the callers, never translated
            EXPECT_EQ(HijriMonthName(m), "Error") << label;
            EXPECT_EQ(HijriMonthShortName(m), "Error") << label;
        }
    }
    setTranslateHook({});
    // A translated name is never cut inside a character.
    EXPECT_EQ(HijriMonthAbbrev("\u0645\u062d\u0631\u0645", 3), "\u0645");
}

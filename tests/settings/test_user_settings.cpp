#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "Authorities.h"
#include "CalendarProps.h"
#include "CalendarRows.h"
#include "RegistryStore.h"
#include "Translate.h"
#include "modNoorvale.h"
#include "modRegistry.h"
#include "modTimeZone.h"
#include "support/TempHome.h"

using namespace nv;

namespace {

const std::string kLocation = std::string(kNoorvaleKey) + "\\User\\Location";
const std::string kMethod = std::string(kNoorvaleKey) + "\\User\\Method";

// A fresh run of the program on the same store: new tables and calculator, the file read again,
// the system six hours behind Greenwich.
class UserSettings : public ::testing::Test {
protected:
    void SetUp() override {
        previousZone_ = setTimeZoneSource([](TimeZoneInformation& i) {
            i = {360, 0, 0, 0};
            return TIME_ZONE_ID_UNKNOWN;
        });
        restart();
    }
    void TearDown() override { setTimeZoneSource(previousZone_); }

    void restart() {
        PrayTime() = clsPrayTime();
        setPlace("not loaded", 1, 1, true, 1, 1, false);  // nothing like the fallback
        PrayTime().Altitude(9);
        PrayTime().GMTOffset(3);
        PrayTime().Astronomy(kAstronomyClassic);
        CalcMethod = 0;
        TZMode = 0;
        PeriodNames = {};
        RegistryStore::instance().setFile(home_.storeFile());
        InitPeriodNames();
        LoadPeriodNames();
        InitAlertKinds();
        LoadLocation();
        LoadMethod();
    }

    // Takes a value out of the store file, as in a file an older version wrote.
    void dropValue(const std::string& name) {
        std::ifstream in(home_.storeFile());
        std::stringstream kept;
        for (std::string line; std::getline(in, line);)
            if (line.rfind("\"" + name + "\"=", 0) != 0) kept << line << "\n";
        in.close();
        std::ofstream(home_.storeFile()) << kept.str();
    }

    static void expectVellmore() {
        const clsPrayTime& pt = PrayTime();
        EXPECT_EQ(pt.LocationName(), "Vellmore, LA -- USA");
        EXPECT_EQ(pt.LatDegree(), 30);
        EXPECT_EQ(pt.LatMinute(), 23);
        EXPECT_FALSE(pt.LatSouthOfEq());
        EXPECT_EQ(pt.LonDegree(), 91);
        EXPECT_EQ(pt.LonMinute(), 0);
        EXPECT_TRUE(pt.LonWestOfGW());
        EXPECT_EQ(pt.Altitude(), 0);
        EXPECT_EQ(pt.GMTOffset(), -6);
    }

    static void setPlace(const char* name, int latD, int latM, bool south, int lonD, int lonM, bool west) {
        clsPrayTime& pt = PrayTime();
        pt.LocationName(name);
        pt.LatMinute(static_cast<int16_t>(latM));
        pt.LatDegree(static_cast<int16_t>(latD));
        pt.LatSouthOfEq(south);
        pt.LonMinute(static_cast<int16_t>(lonM));
        pt.LonDegree(static_cast<int16_t>(lonD));
        pt.LonWestOfGW(west);
    }

    test::TempHome home_;
    TimeZoneSource previousZone_;
};

}  // namespace

TEST_F(UserSettings, FirstStartOnAnEmptyStore) {
    expectVellmore();
    EXPECT_EQ(TZMode, 0);
    const clsPrayTime& pt = PrayTime();
    EXPECT_EQ(CalcMethod, 5);
    EXPECT_EQ(pt.DawnTwilightAngle(), 15);
    EXPECT_EQ(pt.NightTwilightAngle(), 15);
    EXPECT_EQ(pt.MinutesToSunrise(), 0);
    EXPECT_EQ(pt.MinutesAfterSunset(), 0);
    EXPECT_EQ(pt.ShadowRatio(), 1);
    EXPECT_EQ(pt.MarginOfSafety(), 2);
    EXPECT_EQ(PeriodNames, (std::array<std::string, 6>{"Fajr", "Shurooq", "Dhuhr", "Asr", "Maghrib", "Isha"}));
    EXPECT_EQ(PeriodNameTable[1][5], "Night");
    EXPECT_EQ(AlertKinds[0].name, "Sound Alert");
    EXPECT_EQ(AlertKinds[0].imageKey, "SPEAKER");

    AlertRecords alerts;
    LoadAlertSwitches(alerts);
    for (const AlertRecord& a : alerts) EXPECT_TRUE(a.sound);
    const std::string folder = std::filesystem::canonical("/proc/self/exe").parent_path();
    EXPECT_EQ(ProgramFolder(), folder);
    for (int16_t a = 1; a <= 5; ++a) EXPECT_EQ(GetSoundFile(AlertToPeriod(a)), folder + "/Media/Nv_001.wav");
    // Loading wrote nothing.
    EXPECT_FALSE(std::filesystem::exists(home_.storeFile()));
}

TEST_F(UserSettings, PlacesOnTheEquatorAndTheMeridianSurviveARestart) {
    struct Place {
        const char* name;
        int latD, latM;
        bool south;
        int lonD, lonM;
        bool west;
    };
    for (const Place& p : {Place{"London", 51, 30, false, 0, 7, true}, Place{"Quito", 0, 13, true, 78, 30, true},
                           Place{"Null Island", 0, 0, false, 0, 0, false}}) {
        SCOPED_TRACE(p.name);
        setPlace(p.name, p.latD, p.latM, p.south, p.lonD, p.lonM, p.west);
        PrayTime().Altitude(35);
        PrayTime().GMTOffset(0);
        TZMode = 1;
        SaveLocation();
        restart();
        const clsPrayTime& pt = PrayTime();
        EXPECT_EQ(pt.LocationName(), p.name);
        EXPECT_EQ(pt.LatDegree(), p.latD);
        EXPECT_EQ(pt.LatMinute(), p.latM);
        EXPECT_EQ(pt.LatSouthOfEq(), p.south);
        EXPECT_EQ(pt.LonDegree(), p.lonD);
        EXPECT_EQ(pt.LonMinute(), p.lonM);
        EXPECT_EQ(pt.LonWestOfGW(), p.west);
        EXPECT_EQ(pt.Altitude(), 35);
        EXPECT_EQ(pt.GMTOffset(), 0);
        EXPECT_EQ(TZMode, 1);
    }
    // A missing or negative degree still takes the fallback, for either coordinate.
    WriteRegLong(HKEY_CURRENT_USER, kLocation, "LonDegree", -3);
    restart();
    expectVellmore();
    WriteRegLong(HKEY_CURRENT_USER, kLocation, "LonDegree", 0);
    WriteRegLong(HKEY_CURRENT_USER, kLocation, "LatDegree", 100000);  // does not convert: as missing
    restart();
    expectVellmore();
}

TEST_F(UserSettings, OffsetsInMinutesUpTo14HoursKeepThePlace) {
    setPlace("Auckland", 36, 51, true, 174, 46, false);
    TZMode = 1;
    // Stored offset (hours, minutes beside them or absent) -> offset read, in minutes.
    struct Case {
        int hours, minutes;
        int32_t read;
    };
    const int absent = 99999;
    for (const Case& c : {Case{13, 780, 780}, Case{14, 840, 840}, Case{5, 330, 330}, Case{-3, -210, -210},
                          Case{5, 345, 345}, Case{12, absent, 720}, Case{-12, absent, -720},
                          Case{2, 330, 120} /* the hours were changed by a writer that knows only them */}) {
        PrayTime().GMTOffset(0);
        SaveLocation();
        WriteRegLong(HKEY_CURRENT_USER, kLocation, "GMTOffset", c.hours);
        if (c.minutes == absent) dropValue("GMTOffsetMinutes");
        else WriteRegLong(HKEY_CURRENT_USER, kLocation, "GMTOffsetMinutes", c.minutes);
        restart();
        EXPECT_EQ(PrayTime().LocationName(), "Auckland") << c.hours;
        EXPECT_EQ(PrayTime().GMTOffsetMinutes(), c.read) << c.hours;
        EXPECT_FALSE(PrayTime().AutoZone());
    }
    // Saved: the whole hours for older readers, the minutes beside them.
    PrayTime().GMTOffsetMinutes(-210);
    SaveLocation();
    EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, kLocation, "GMTOffset", 0).toLong(), -3);
    EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, kLocation, "GMTOffsetMinutes", 0).toLong(), -210);

    for (int offset : {15, -15}) {  // no place is that far from Greenwich
        setPlace("Auckland", 36, 51, true, 174, 46, false);
        SaveLocation();
        WriteRegLong(HKEY_CURRENT_USER, kLocation, "GMTOffset", offset);
        dropValue("GMTOffsetMinutes");
        restart();
        expectVellmore();  // the offset is the system's
        EXPECT_EQ(TZMode, 1);
    }
}

TEST_F(UserSettings, AutomaticZoneFollowsTheSystemAtEachDate) {
    setPlace("Auckland", 36, 51, true, 174, 46, false);
    TZMode = 0;
    SaveLocation();
    const TimeZoneSource fixed = setTimeZoneSource(nullptr);  // the C library's zone data
    {
        const ScopedLocalZone zone("Pacific/Auckland");
        restart();
        EXPECT_EQ(PrayTime().LocationName(), "Auckland");  // +12 or +13, both real
        EXPECT_TRUE(PrayTime().AutoZone());
        clsPrayTime& pt = PrayTime();
        pt.PrayerDate(dateSerial(2026, 1, 15));
        pt.Calculate();
        EXPECT_EQ(pt.DayOffsetMinutes(), 13 * 60);
        pt.PrayerDate(dateSerial(2026, 7, 15));
        pt.Calculate();
        EXPECT_EQ(pt.DayOffsetMinutes(), 12 * 60);
    }
    setTimeZoneSource(fixed);
}

TEST_F(UserSettings, TimeZoneModeOtherThan0Or1IsAutomatic) {
    setPlace("Dubai", 25, 16, false, 55, 18, false);
    PrayTime().GMTOffset(4);
    TZMode = 1;
    SaveLocation();
    WriteRegLong(HKEY_CURRENT_USER, kLocation, "TZMode", 7);
    restart();
    EXPECT_EQ(TZMode, 0);
    EXPECT_EQ(PrayTime().LocationName(), "Dubai");
    EXPECT_EQ(PrayTime().GMTOffset(), -6);  // the stored 4 is ignored

    // A blank name reads as "Unknown"; a bad hemisphere flag is the fallback.
    WriteRegString(HKEY_CURRENT_USER, kLocation, "Name", "   ");
    restart();
    EXPECT_EQ(PrayTime().LocationName(), "Unknown");
    WriteRegLong(HKEY_CURRENT_USER, kLocation, "LatSouthOfEq", 2);
    restart();
    expectVellmore();
}

TEST_F(UserSettings, LocationChecksReplaceBadValues) {
    setPlace("Hilltop", 40, 10, false, 20, 5, false);
    TZMode = 1;
    PrayTime().GMTOffset(1);
    SaveLocation();
    WriteRegLong(HKEY_CURRENT_USER, kLocation, "LatMinute", -1);
    WriteRegLong(HKEY_CURRENT_USER, kLocation, "LonMinute", -1);
    WriteRegLong(HKEY_CURRENT_USER, kLocation, "Altitude", -50);
    restart();
    EXPECT_EQ(PrayTime().LatMinute(), 23);
    EXPECT_EQ(PrayTime().LonMinute(), 0);
    EXPECT_EQ(PrayTime().Altitude(), 0);
    EXPECT_EQ(PrayTime().LocationName(), "Hilltop");
    // A latitude the calculator refuses leaves its replacement, and loading goes on.
    WriteRegLong(HKEY_CURRENT_USER, kLocation, "LatDegree", 95);
    WriteRegLong(HKEY_CURRENT_USER, kLocation, "LatMinute", 0);
    restart();
    EXPECT_EQ(PrayTime().LatDegree(), 89);
    EXPECT_EQ(PrayTime().LonDegree(), 20);
    EXPECT_EQ(PrayTime().GMTOffset(), 1);
}

TEST_F(UserSettings, MethodsComeBackAfterARestart) {
    // The Egyptian preset keeps its 19.5 and 17.5; the store holds whole degrees (20 and 18) for
    // older readers.
    ApplyCalcMethod(PrayTime(), 2);
    CalcMethod = 2;
    PrayTime().HighLatRule(kHighLatSeventh);
    SaveMethod();
    EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, kMethod, "DawnTwilightAngle", 0).toLong(), 20);
    restart();
    EXPECT_EQ(CalcMethod, 2);
    EXPECT_EQ(PrayTime().DawnTwilightAngle(), 19.5);
    EXPECT_EQ(PrayTime().NightTwilightAngle(), 17.5);
    EXPECT_EQ(PrayTime().HighLatRule(), kHighLatSeventh);
    for (int stored : {7, -1}) {  // an unknown rule, like an absent one, is none
        WriteRegLong(HKEY_CURRENT_USER, kMethod, "HighLatRule", stored);
        restart();
        EXPECT_EQ(PrayTime().HighLatRule(), kHighLatNone);
    }
    // The classic series comes back; a file without the value, or with one it does not know,
    // gets the precise sun (the calculator before loading has the classic one).
    PrayTime().Astronomy(kAstronomyClassic);
    SaveMethod();
    EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, kMethod, "Astronomy", 0).toLong(), 1);
    restart();
    EXPECT_EQ(PrayTime().Astronomy(), kAstronomyClassic);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "Astronomy", 2);
    restart();
    EXPECT_EQ(PrayTime().Astronomy(), kAstronomyPrecise);
    dropValue("Astronomy");
    restart();
    EXPECT_EQ(PrayTime().Astronomy(), kAstronomyPrecise);

    // Umm Al-Qura: Isha 90 minutes after sunset.
    ApplyCalcMethod(PrayTime(), 0);
    CalcMethod = 0;
    PrayTime().ShadowRatio(2);
    PrayTime().MarginOfSafety(0);
    SaveMethod();
    restart();
    EXPECT_EQ(CalcMethod, 0);
    EXPECT_EQ(PrayTime().DawnTwilightAngle(), 19);
    EXPECT_EQ(PrayTime().NightTwilightAngle(), 0);
    EXPECT_EQ(PrayTime().MinutesAfterSunset(), 90);
    EXPECT_EQ(PrayTime().ShadowRatio(), 2);
    EXPECT_EQ(PrayTime().MarginOfSafety(), 0);

    // Custom: Fajr by minutes.
    CalcMethod = 5;
    PrayTime().DawnTwilightAngle(0);
    PrayTime().MinutesToSunrise(75);
    SaveMethod();
    restart();
    EXPECT_EQ(CalcMethod, 5);
    EXPECT_EQ(PrayTime().DawnTwilightAngle(), 0);
    EXPECT_EQ(PrayTime().MinutesToSunrise(), 75);
}

TEST_F(UserSettings, AFileWithoutTheNewValuesKeepsItsPlaceAndMethodUnderThePreciseSun) {
    // What an older version writes: the whole numbers only. Its place and method stand; the sun
    // is the precise one (tests/engine/reference_times.py: 13414, 18147, 43547, 56530, 68947,
    // 73680 seconds, then the margin of 2 minutes), not the classic series it had.
    for (const auto& [name, value] : {std::pair{"TZMode", 1}, {"GMTOffset", -6}, {"LatDegree", 30}, {"LatMinute", 23},
                                      {"LatSouthOfEq", 0}, {"LonDegree", 91}, {"LonMinute", 0}, {"LonWestOfGW", 1}})
        WriteRegLong(HKEY_CURRENT_USER, kLocation, name, value);
    for (const auto& [name, value] : {std::pair{"CalcMethod", 5}, {"DawnTwilightAngle", 15}, {"MinutesToSunrise", 0},
                                      {"NightTwilightAngle", 15}, {"MinutesAfterSunset", 0}, {"ShadowRatio", 1},
                                      {"SafetyMinutes", 2}})
        WriteRegLong(HKEY_CURRENT_USER, kMethod, name, value);
    AuthorityName = "stale";  // left over from before the load
    restart();
    clsPrayTime& pt = PrayTime();
    pt.PrayerDate(dateSerial(2002, 6, 21));
    pt.Calculate();
    EXPECT_EQ(pt.Astronomy(), kAstronomyPrecise);
    const double want[6] = {13414 - 120, 18147 - 120, 43547 + 120, 56530 + 120, 68947 + 120, 73680 + 120};
    for (int p = 1; p <= 6; ++p) EXPECT_NEAR(pt.StoredSeconds(p), want[p - 1], 2) << p;
    EXPECT_FALSE(pt.HasAdjustments());
    EXPECT_EQ(AuthorityName, "");
}

TEST_F(UserSettings, AnAuthorityItsExactAnglesAndTheAdjustmentsComeBack) {
    clsPrayTime& pt = PrayTime();
    ApplyAuthority(pt, *FindAuthority("tehran"));
    pt.Adjustment(1, -60);
    pt.Adjustment(6, 60);
    CalcMethod = kCustomMethod;
    AuthorityName = FindAuthority("tehran")->name;
    SaveMethod();
    EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, kMethod, "DawnTwilightAngle", 0).toLong(), 18);  // older readers
    AuthorityName.clear();
    restart();
    EXPECT_EQ(AuthorityName, "Institute of Geophysics, University of Tehran");
    EXPECT_EQ(pt.DawnTwilightAngle(), 17.7);
    EXPECT_EQ(pt.NightTwilightAngle(), 14);
    EXPECT_EQ(pt.SunsetTwilightAngle(), 4.5);
    EXPECT_EQ(pt.Adjustment(1), -60);
    EXPECT_EQ(pt.Adjustment(6), 60);

    // An older writer changed the whole degrees: they stand, the stale exact angle is dropped.
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "DawnTwilightAngle", 16);
    // Adjustments past an hour either way are not kept.
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "Adjustment1", 61);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "Adjustment6", -61);
    restart();
    EXPECT_EQ(pt.DawnTwilightAngle(), 16);
    EXPECT_EQ(pt.NightTwilightAngle(), 14);
    EXPECT_FALSE(pt.HasAdjustments());

    // Makkah's Ramadan rule is kept; a preset has no authority and none of its rules.
    ApplyAuthority(pt, *FindAuthority("makkah"));
    SaveMethod();
    restart();
    EXPECT_EQ(pt.RamadanMinutesAfterSunset(), 120);
    EXPECT_EQ(pt.DawnTwilightAngle(), 18.5);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "CalcMethod", 1);
    restart();
    EXPECT_EQ(AuthorityName, "");
    EXPECT_EQ(pt.RamadanMinutesAfterSunset(), 0);
    EXPECT_EQ(pt.DawnTwilightAngle(), 18);

    // The rounding, the seasonal rule's shafaq and a margin raised again come back; values no
    // version writes round to the nearest minute without the rule.
    ApplyAuthority(pt, *FindAuthority("moonsighting"));
    pt.Shafaq(kShafaqWhite);
    pt.Rounding(kRoundUp);
    pt.MarginOfSafety(3);
    CalcMethod = kCustomMethod;
    SaveMethod();
    restart();
    EXPECT_EQ(pt.Shafaq(), kShafaqWhite);
    EXPECT_EQ(pt.Rounding(), kRoundUp);
    EXPECT_EQ(pt.MarginOfSafety(), 3);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "Shafaq", 4);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "Rounding", 2);
    restart();
    EXPECT_EQ(pt.Shafaq(), kShafaqNone);
    EXPECT_EQ(pt.Rounding(), kRoundNearest);
}

TEST_F(UserSettings, TheHijriCalendarAndTheRamadanCalendarComeBackAndWhatIsAbsentIsTodays) {
    // Nothing stored: the tabular calendar without adjustment, for the dates and the Ramadan rule.
    EXPECT_EQ(PrayTime().Calendar(), HijriCalendar{});
    CalendarProps props;

    // Umm Al-Qura two days behind, and a custom method whose Ramadan Isha follows that calendar:
    // from the start the calculator counts Ramadan 1443 from 2 April 2022 + 2 days.
    props.hijriCalendar = {kHijriUmmAlQura, -2};
    SaveCalProp(props, false, {});
    clsPrayTime& pt = PrayTime();
    ApplyAuthority(pt, *FindAuthority("makkah"));
    pt.RamadanCalendar(kRamadanChosenCalendar);
    CalcMethod = kCustomMethod;
    SaveMethod();
    restart();
    EXPECT_EQ(pt.Calendar(), (HijriCalendar{kHijriUmmAlQura, -2}));
    auto ishaMinutes = [&](int y, int m, int d) {
        pt.PrayerDate(dateSerial(y, m, d));
        pt.Calculate();
        return (pt.StoredSeconds(6) - pt.StoredSeconds(5)) / 60;
    };
    EXPECT_EQ(ishaMinutes(2022, 4, 3), 90);
    EXPECT_EQ(ishaMinutes(2022, 4, 4), 120);

    // The Umm Al-Qura authority keeps its own calendar for Ramadan; a preset has none.
    ApplyAuthority(pt, *FindAuthority("makkah"));
    SaveMethod();
    restart();
    EXPECT_EQ(pt.RamadanCalendar(), kRamadanUmmAlQura);
    EXPECT_EQ(ishaMinutes(2022, 4, 2), 120);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "RamadanCalendar", 7);
    restart();
    EXPECT_EQ(pt.RamadanCalendar(), kRamadanChosenCalendar);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "RamadanCalendar", kRamadanUmmAlQura);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "CalcMethod", 0);
    restart();
    EXPECT_EQ(pt.RamadanCalendar(), kRamadanChosenCalendar);

    // Each stored value out of its range alone takes its default.
    const std::string calendarKey = CalendarKey();
    for (const auto& [kind, adjustment, want] :
         {std::tuple{1, 3, HijriCalendar{kHijriUmmAlQura, 0}}, {2, -2, HijriCalendar{kHijriTabular, -2}},
          {-1, -3, HijriCalendar{}}, {1, 2, HijriCalendar{kHijriUmmAlQura, 2}}}) {
        WriteRegLong(HKEY_CURRENT_USER, calendarKey, "HijriCalendar", kind);
        WriteRegLong(HKEY_CURRENT_USER, calendarKey, "HijriAdjust", adjustment);
        restart();
        EXPECT_EQ(pt.Calendar(), want) << kind << " " << adjustment;
        LoadCalProp(props);
        EXPECT_EQ(props.hijriCalendar, want) << kind << " " << adjustment;
    }
}

TEST_F(UserSettings, MethodChecksReplaceBadValues) {
    auto marginFor = [&](int stored) {
        WriteRegLong(HKEY_CURRENT_USER, kMethod, "SafetyMinutes", stored);
        restart();
        return PrayTime().MarginOfSafety();
    };
    EXPECT_EQ(marginFor(6), 2);
    EXPECT_EQ(marginFor(-1), 2);
    EXPECT_EQ(marginFor(0), 0);
    EXPECT_EQ(marginFor(5), 5);

    WriteRegLong(HKEY_CURRENT_USER, kMethod, "ShadowRatio", 0);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "MinutesAfterSunset", -5);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "NightTwilightAngle", -1);
    restart();
    EXPECT_EQ(PrayTime().ShadowRatio(), 1);
    EXPECT_EQ(PrayTime().MinutesAfterSunset(), 0);
    EXPECT_EQ(PrayTime().NightTwilightAngle(), 0);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "ShadowRatio", 3);  // refused by the calculator: 1
    restart();
    EXPECT_EQ(PrayTime().ShadowRatio(), 1);

    // A negative Fajr angle, or a method that is not in the list, is the fallback; the method
    // number keeps what it had.
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "DawnTwilightAngle", 18);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "MinutesToSunrise", 30);
    for (int method : {-1, 6}) {
        WriteRegLong(HKEY_CURRENT_USER, kMethod, "CalcMethod", method);
        restart();
        EXPECT_EQ(CalcMethod, 0);
        EXPECT_EQ(PrayTime().DawnTwilightAngle(), 15);
        EXPECT_EQ(PrayTime().MinutesToSunrise(), 0);
        EXPECT_EQ(PrayTime().MarginOfSafety(), 2);
    }
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "CalcMethod", 3);
    WriteRegLong(HKEY_CURRENT_USER, kMethod, "DawnTwilightAngle", -18);
    restart();
    EXPECT_EQ(CalcMethod, 3);
    EXPECT_EQ(PrayTime().DawnTwilightAngle(), 15);
    EXPECT_EQ(PrayTime().MinutesToSunrise(), 0);
}

// A period's name shown and stored again, for each kind of stored name, in English and under a
// catalogue (a hook in its place): a default never renamed follows the language and is stored
// in English; a name of the user's own is kept as it is.
TEST_F(UserSettings, DefaultPeriodNamesFollowTheLanguageAndUserNamesStay) {
    const std::string period1 = UserKey() + "Period\\1";
    const std::string arabicFajr = "\u0627\u0644\u0641\u062c\u0631";  // the catalogue's "Fajr"
    const auto arabic = [&](const char* context, const char* text) {
        const std::string c = context, t = text;
        if (c == "Prayer" && t == "Fajr") return arabicFajr;
        if (c == "Prayer" && t == "Dawn") return std::string("\u0637\u0644\u0648\u0639 \u0627\u0644\u0641\u062c\u0631");
        if (c == "Settings" && t == "Sound Alert") return std::string("\u062a\u0646\u0628\u064a\u0647");
        return t;
    };
    struct Case {
        const char* stored;  // nullptr: never stored
        bool catalogue;
        std::string shown, savedAs;
    };
    const Case cases[] = {
        {nullptr, false, "Fajr", "Fajr"},
        {"Fajr", false, "Fajr", "Fajr"},
        {"Subh", false, "Subh", "Subh"},
        {arabicFajr.c_str(), false, arabicFajr, arabicFajr},
        {nullptr, true, arabicFajr, "Fajr"},
        {"Fajr", true, arabicFajr, "Fajr"},
        {"Subh", true, "Subh", "Subh"},
        {arabicFajr.c_str(), true, arabicFajr, "Fajr"},
    };
    for (const Case& c : cases) {
        const std::string label = std::string(c.stored ? c.stored : "(none)") + (c.catalogue ? " / catalogue" : "");
        WriteRegString(HKEY_CURRENT_USER, period1, "Name", c.stored ? c.stored : "");
        if (!c.stored) dropValue("Name");
        if (c.catalogue) setTranslateHook(arabic);
        restart();
        EXPECT_EQ(PeriodNames[0], c.shown) << label;
        EXPECT_EQ(PeriodNameTable[0][0], c.catalogue ? arabicFajr : "Fajr") << label;
        EXPECT_EQ(PeriodNames[5], "Isha") << label;  // no entry in the catalogue: English
        SavePeriodNames();
        EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, period1, "Name", "").toText(), c.savedAs) << label;
        EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, UserKey() + "Period\\7", "Name", "-").toText(), "-") << label;
        EXPECT_EQ(PeriodNameTable[1][0], c.catalogue ? arabic("Prayer", "Dawn") : "Dawn") << label;
        EXPECT_EQ(AlertKinds[0].name, c.catalogue ? arabic("Settings", "Sound Alert") : "Sound Alert") << label;
        setTranslateHook({});
    }
}

TEST_F(UserSettings, PeriodNamesAlertSwitchesAndSoundsAreKept) {
    PeriodNames[5] = "Night prayer";
    PeriodNames[1] = "Sunrise (no prayer)";
    SavePeriodNames();
    AlertRecords alerts;
    for (AlertRecord& a : alerts) a.sound = true;
    alerts[2].sound = false;  // Asr
    SaveAlertSwitches(alerts);
    SaveSoundFile(AlertToPeriod(5), "/home/me/adhan.ogg");
    restart();
    EXPECT_EQ(PeriodNames[5], "Night prayer");
    EXPECT_EQ(PeriodNames[1], "Sunrise (no prayer)");
    EXPECT_EQ(PeriodNames[0], "Fajr");
    AlertRecords loaded;
    LoadAlertSwitches(loaded);
    for (int a = 0; a < 5; ++a) EXPECT_EQ(loaded[static_cast<size_t>(a)].sound, a != 2) << a;
    EXPECT_EQ(GetSoundFile(6), "/home/me/adhan.ogg");
    EXPECT_EQ(GetSoundFile(5), DefaultSoundFile());

    // The switch is the value " 1" of periods 1, 3, 4, 5, 6; Shurooq has only its name.
    std::ifstream in(home_.storeFile());
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("\\User\\Period\\4]\n\"Name\"=\"Asr\"\n\" 1\"=dword:00000000\n"), std::string::npos)
        << text.str();
    EXPECT_NE(text.str().find("\\User\\Period\\2]\n\"Name\"=\"Sunrise (no prayer)\"\n\n"), std::string::npos);

    // A switch other than 0 or 1 is on.
    WriteRegLong(HKEY_CURRENT_USER, std::string(kNoorvaleKey) + "\\User\\Period\\4", " 1", 7);
    LoadAlertSwitches(loaded);
    EXPECT_TRUE(loaded[2].sound);
}

TEST_F(UserSettings, AlertsAndPeriodsMapOntoEachOther) {
    const int16_t periods[] = {1, 3, 4, 5, 6};
    for (int16_t a = 1; a <= 5; ++a) {
        EXPECT_EQ(AlertToPeriod(a), periods[a - 1]);
        EXPECT_EQ(PeriodToAlert(periods[a - 1]), a);
    }
    EXPECT_EQ(PeriodToAlert(2), 1);  // Shurooq has no alert of its own
    PrayTime().PrayerDate(37428);    // 2002-06-21
    PrayTime().GMTOffset(-6);
    PrayTime().Calculate();
    EXPECT_EQ(GetPeriodTime(1), PrayTime().Dawn());
    EXPECT_EQ(GetPeriodTime(6), PrayTime().Night());
    EXPECT_GT(GetPeriodTime(6), GetPeriodTime(5));
    EXPECT_EQ(GetPeriodTime(0), 0);
    EXPECT_EQ(GetPeriodTime(7), 0);
}

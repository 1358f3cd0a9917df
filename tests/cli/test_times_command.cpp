#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "CalendarProps.h"
#include "TimesCommand.h"
#include "modNoorvale.h"
#include "modRegistry.h"
#include "modTimeZone.h"
#include "support/TempDir.h"
#include "support/TempHome.h"

using namespace nv;

namespace {

struct Result {
    int code;
    std::string out, err;
};

Result run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = runTimesCommand(args, out, err);
    return {code, out.str(), err.str()};
}

// Runs a shell command, standard error folded into the output.
Result runShell(const std::string& line) {
    const std::string command = line + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf{};
    size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) out.append(buf.data(), n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, ""};
}

// Runs the built program itself, standard error folded into the output.
Result runProgram(const std::string& args) {
    return runShell(std::string(NOORVALE_BIN_DIR) + "/noorvale-times " + args);
}

// Every case runs with a home of its own: an empty settings store unless the case fills it.
class OwnHome : public ::testing::Environment {
public:
    void SetUp() override { home_ = std::make_unique<test::TempHome>(); }
    void TearDown() override { home_.reset(); }

private:
    std::unique_ptr<test::TempHome> home_;
};
const auto* const ownHome = ::testing::AddGlobalTestEnvironment(new OwnHome);

int lines(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

}  // namespace

TEST(TimesCommand, JsonCarriesTheStoredSecondsOfTheWorkedExample) {
    // The worked example under the classic series, to the second; the texts show each time's
    // nearest minute (15:43:40 is 03:44).
    const std::string place = "--lat 30:23N --lon 91:00W --tz -6 --method 4 --from 2002-06-21 --days 1 --format json";
    const Result r = runProgram(place + " --astronomy classic");
    ASSERT_EQ(r.code, 0) << r.out;
    EXPECT_NE(r.out.find("\"seconds\": [13267, 18001, 43639, 56620, 69037, 73771]"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"date\": \"2002-06-21\""), std::string::npos);
    EXPECT_NE(r.out.find("\"dayOfYear\": 172"), std::string::npos);
    EXPECT_NE(r.out.find("\"astronomy\": \"classic\""), std::string::npos);
    EXPECT_NE(r.out.find("\"times\": [\"03:41\", \"05:00\", \"12:07\", \"03:44\", \"07:11\", \"08:30\"]"),
              std::string::npos)
        << r.out;
    // The precise sun by default: Dhuhr 12:05:47 by tests/engine/reference_times.py, 12:07:47
    // with the margin, shown as 12:08.
    const Result precise = runProgram(place);
    EXPECT_NE(precise.out.find("\"astronomy\": \"precise\""), std::string::npos);
    EXPECT_NE(precise.out.find(", 43666, "), std::string::npos) << precise.out;
    EXPECT_NE(precise.out.find("\"12:08\""), std::string::npos) << precise.out;
}

TEST(TimesCommand, ViewsCoverTheMainWindowsRanges) {
    const std::vector<std::string> base = {"--tz", "-6", "--format", "csv", "--from"};
    auto rows = [&](const std::string& from, const std::string& view) {
        auto args = base;
        args.push_back(from);
        args.push_back("--view");
        args.push_back(view);
        const Result r = run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        return lines(r.out) - 1;  // less the header
    };
    EXPECT_EQ(rows("2002-06-21", "today"), 1);
    EXPECT_EQ(rows("2002-06-21", "week"), 7);
    EXPECT_EQ(rows("2004-02-10", "month"), 29);
    EXPECT_EQ(rows("2004-07-01", "year"), 366);
    const Result week = run({"--tz", "-6", "--format", "csv", "--from", "2002-06-19", "--view", "week"});
    EXPECT_EQ(week.out.find("2002-06-16"), week.out.find('\n') + 1);  // starts on the Sunday
}

TEST(TimesCommand, MethodsAndFormatsChangeTheRows) {
    // The worked example's day under the classic series it was worked out with.
    const Result hanafi = run({"--astronomy", "classic", "--tz", "-6", "--from", "2002-06-21", "--days", "1", "--asr", "hanafi",
                               "--time-format", "Long Time", "--format", "json"});
    ASSERT_EQ(hanafi.code, 0) << hanafi.err;
    EXPECT_NE(hanafi.out.find("61274"), std::string::npos);
    const Result umm = run({"--astronomy", "classic", "--tz", "-6", "--from", "2002-06-21", "--days", "1", "--method", "0",
                            "--format", "json"});
    EXPECT_NE(umm.out.find("\"ishaMinutes\": 90"), std::string::npos);
    EXPECT_NE(umm.out.find(", 74437]"), std::string::npos);  // Sunset 69037 + 5400
    const Result custom = run({"--astronomy", "classic", "--tz", "-6", "--from", "2002-06-21", "--days", "1", "--fajr-angle", "0",
                               "--fajr-minutes", "90", "--margin", "0", "--format", "json"});
    ASSERT_EQ(custom.code, 0) << custom.err;
    EXPECT_NE(custom.out.find("[12721, 18121,"), std::string::npos) << custom.out;
    const Result hijri = run({"--tz", "-6", "--from", "2002-06-21", "--days", "1", "--dates", "hijri",
                              "--hijri-format", "d-m-yyyy", "--format", "csv"});
    EXPECT_NE(hijri.out.find("2002-06-21,10-4-1423,"), std::string::npos) << hijri.out;
}

TEST(TimesCommand, TextTableHasAHeaderAndOneRowPerDay) {
    const Result r = run({"--tz", "-6", "--from", "2002-06-21", "--days", "3", "--name", "Home"});
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.out.rfind("Home  30:23N 91:00W  GMT-6\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("Fajr"), std::string::npos);
    EXPECT_NE(r.out.find("Isha\n"), std::string::npos);
    EXPECT_EQ(lines(r.out), 7);
}

TEST(TimesCommand, AutomaticTimeZoneUsesTheSystemOffset) {
    const TimeZoneSource previous = setTimeZoneSource([](TimeZoneInformation& i) {
        i = {-330, 0, 0, 0};
        return TIME_ZONE_ID_UNKNOWN;
    });
    const Result r = run({"--tz", "auto", "--days", "1", "--from", "2002-06-21", "--format", "json"});
    setTimeZoneSource(previous);
    EXPECT_NE(r.out.find("\"gmtOffset\": 5"), std::string::npos);
}

TEST(TimesCommand, BadArgumentsGiveOneLineAndStatusTwo) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--lat 95", "--lat"},
        {"--lat 30:75N", "--lat"},
        {"--lon 181:00E", "--lon"},
        {"--lat abc", "--lat"},
        {"--from 1899-12-31", "--from"},
        {"--from 2050-01-02", "--from"},
        {"--from 2002-02-30", "--from"},
        {"--from tomorrow", "--from"},
        {"--from 2049-12-30 --days 5", "--days"},
        {"--format xml", "--format"},
        {"--time-format hh:mm", "--time-format"},
        {"--date-format 'yyyy'", "--date-format"},
        {"--tz 1x", "--tz"},
        {"--tz 15", "--tz"},
        {"--tz 14:30", "--tz"},
        {"--tz -12:30", "--tz"},
        {"--tz 5:3", "--tz"},
        {"--tz Mars/Olympus", "--tz"},
        {"--tz ../../etc/passwd", "--tz"},
        {"--lat -30:23N", "--lat"},
        {"--lon +74:00W", "--lon"},
        {"--from 2002-06-+1", "--from"},
        {"--days ' 3'", "--days"},
        {"--alt 0x10", "--alt"},
        {"--alt 9001", "--alt"},
        {"--fajr-angle 0x10", "--fajr-angle"},
        {"--isha-angle inf", "--isha-angle"},
        {"--high-lat polar", "--high-lat"},
        {"--astronomy modern", "--astronomy"},
        {"--method 6", "--method"},
        {"--method 2 --fajr-angle 18", "--method"},
        {"--margin 1e3", "--margin"},
        {"--days 0", "--days"},
        {"--days 3 --view week", "--days"},
        {"--asr maliki", "--asr"},
        {"--frobnicate", "--frobnicate"},
        {"--lat", "--lat"},
    };
    for (const auto& [args, named] : cases) {
        const Result r = runProgram(args);
        EXPECT_EQ(r.code, 2) << args << "\n" << r.out;
        EXPECT_EQ(lines(r.out), 1) << args << "\n" << r.out;
        EXPECT_EQ(r.out.rfind("noorvale-times: " + named, 0), 0u) << args << "\n" << r.out;
    }
}

TEST(TimesCommand, HelpDocumentsEveryOption) {
    const Result r = run({"--help"});
    EXPECT_EQ(r.code, 0);
    for (const char* option : {"--lat", "--lon", "--alt", "--tz", "--method", "--fajr-angle", "--fajr-minutes",
                               "--isha-angle", "--isha-minutes", "--asr", "--margin", "--from", "--days", "--view",
                               "--dates", "--date-format", "--hijri-format", "--hijri-calendar", "--hijri-adjust",
                               "--time-format", "--format",
                               "--store", "--high-lat", "--astronomy", "--version", "metres"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

namespace {

// Stores London, the Egyptian method and a renamed Isha, as Noorvale's Customize dialog would.
void storeLondon() {
    clsPrayTime& pt = PrayTime();
    pt.LocationName("London");
    pt.LatMinute(30);
    pt.LatDegree(51);
    pt.LatSouthOfEq(false);
    pt.LonMinute(7);
    pt.LonDegree(0);
    pt.LonWestOfGW(true);
    pt.Altitude(11);
    pt.GMTOffset(0);
    TZMode = 1;
    SaveLocation();
    CalcMethod = 2;
    ApplyCalcMethod(pt, 2);
    SaveMethod();
    InitPeriodNames();
    PeriodNames = PeriodNameTable[0];
    PeriodNames[5] = "Night prayer";
    SavePeriodNames();
}

}  // namespace

TEST(TimesCommand, WithoutPlaceOptionsItShowsTheStoredSettings) {
    test::TempHome home;
    storeLondon();
    const Result text = runProgram("--from 2002-06-21 --days 1");
    ASSERT_EQ(text.code, 0) << text.out;
    EXPECT_EQ(text.out.rfind("London  51:30N 0:07W  GMT+0\n"
                             "Egyptian General Organization of Survey, Shafi'i, margin 2 min\n",
                             0),
              0u)
        << text.out;
    // London in June never sees the sun 17.5 degrees down: the day is marked, with the reason.
    EXPECT_NE(text.out.find("Night prayer  Note\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("! No true dawn/dusk"), std::string::npos) << text.out;

    const Result json = run({"--from", "2002-06-21", "--days", "1", "--format", "json"});
    EXPECT_NE(json.out.find("\"fajrAngle\": 19.5, \"fajrMinutes\": 0, \"ishaAngle\": 17.5"), std::string::npos)
        << json.out;  // the preset's own angles, not the whole degrees stored beside it
    EXPECT_NE(json.out.find("\"Maghrib\", \"Night prayer\"]"), std::string::npos);
    const Result csv = run({"--from", "2002-06-21", "--days", "1", "--format", "csv"});
    EXPECT_EQ(csv.out.rfind("date,day,Fajr,Shurooq,Dhuhr,Asr,Maghrib,Night prayer,note\r\n", 0), 0u) << csv.out;
}

TEST(TimesCommand, OptionsReplaceTheStoredValuesOneByOne) {
    test::TempHome home;
    storeLondon();
    const Result r = run({"--lat", "30:23N", "--tz", "3", "--method", "4", "--from", "2002-06-21", "--days", "1"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Unknown  30:23N 0:07W  GMT+3\nIslamic Society Of North America (ISNA), Shafi'i", 0), 0u)
        << r.out;
    const Result custom = run({"--isha-minutes", "80", "--from", "2002-06-21", "--days", "1", "--format", "json"});
    EXPECT_NE(custom.out.find("\"index\": 5, \"name\": \"Custom / User Defined\", \"authority\": null, \"fajrAngle\": 19.5"),
              std::string::npos)
        << custom.out;  // the other stored values stay
}

// In an Arabic session (the locale made for the test) the program still writes English for
// scripts: month and weekday names, AM/PM, notes, method and authority; only the name the user
// stored comes out as stored.
TEST(TimesCommand, AnArabicSessionStillGetsEnglishButTheStoredName) {
    test::TempDir locales;
    ASSERT_EQ(std::system(("localedef -i ar_SA -f UTF-8 " + locales.path() + "/ar_SA.UTF-8 >/dev/null 2>&1").c_str()),
              0);
    test::TempHome home;
    storeLondon();
    const std::string isha = "\u0635\u0644\u0627\u0629 \u0627\u0644\u0639\u0634\u0627\u0621";
    PeriodNames[5] = isha;
    SavePeriodNames();
    const std::string environment = "env -u LC_ALL -u LC_TIME -u LC_MESSAGES -u LANGUAGE LOCPATH=" + locales.path() +
                                    " LANG=ar_SA.UTF-8 ";
    // The locale is really there: the C library gives Arabic weekday names in it.
    const Result date = runShell(environment + "date -d 2024-03-12 +%A");
    ASSERT_EQ(date.out.find("Tuesday"), std::string::npos) << date.out;

    const std::string runs[] = {
        "--from 2002-06-21 --days 2 --dates hijri --hijri-format 'Long Date' --time-format 'Medium Time'",
        "--from 2002-06-21 --days 2 --date-format 'Long Date' --format csv",
        "--from 2002-06-21 --days 1 --dates hijri --hijri-format 'Both Date1' --format json --authority turkey",
        "--list-authorities",
    };
    for (const std::string& args : runs) {
        const Result r = runShell(environment + NOORVALE_BIN_DIR + "/noorvale-times " + args);
        ASSERT_EQ(r.code, 0) << args << "\n" << r.out;
        std::string rest = r.out;
        for (size_t at; (at = rest.find(isha)) != std::string::npos;) rest.erase(at, isha.size());
        for (unsigned char c : rest) ASSERT_LT(c, 0x80) << args << "\n" << r.out;
        if (args.find("list") == std::string::npos) {
            EXPECT_NE(r.out.find(isha), std::string::npos) << args;
        }
    }
    const Result text = runShell(environment + NOORVALE_BIN_DIR +
                                 "/noorvale-times --from 2002-06-21 --days 1 --date-format 'Long Date'");
    EXPECT_NE(text.out.find("Friday, 21 June 2002"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("! No true dawn/dusk"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Egyptian General Organization of Survey, Shafi'i"), std::string::npos) << text.out;
}

TEST(TimesCommand, StoreReadsAnotherFileAndNeverWritesIt) {
    test::TempHome empty;
    const std::string file = empty.dir() + "/elsewhere.reg";
    {
        test::TempHome london;
        storeLondon();
        std::filesystem::copy_file(london.storeFile(), file);
    }
    const auto before = std::filesystem::last_write_time(file);
    const Result r = runProgram("--store " + file + " --from 2002-06-21 --days 1");
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(r.out.rfind("London  51:30N 0:07W  GMT+0\n", 0), 0u) << r.out;
    EXPECT_EQ(std::filesystem::last_write_time(file), before);
    EXPECT_FALSE(std::filesystem::exists(empty.storeFile()));
    // In this process too, the store goes back to the user's afterwards.
    EXPECT_EQ(run({"--store", file, "--days", "1"}).code, 0);
    EXPECT_EQ(RegistryStore::instance().file(), empty.storeFile());

    const Result missing = runProgram("--store " + empty.dir() + "/nothing.reg");
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.out.rfind("noorvale-times: --store", 0), 0u) << missing.out;
}

TEST(TimesCommand, ZonesInMinutesByNameAndPerDate) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        // Delhi at +5:30: solar noon 12:24:40 by an independent reference, 12:26:40 with the margin.
        {{"--lat", "28:36N", "--lon", "77:12E", "--tz", "5:30", "--from", "2026-01-01", "--days", "1", "--format", "json"},
         {"\"zone\": \"+5:30\"", "\"offset\": \"+5:30\"", ", 44800, "}},
        {{"--lat", "28:36N", "--lon", "77:12E", "--tz", "Asia/Kolkata", "--from", "2026-01-01", "--days", "1", "--format",
          "json"},
         {"\"zone\": \"auto\"", "\"offset\": \"+5:30\"", "\"ordered\": true, \"highLat\": null"}},
        {{"--lat", "36:51S", "--lon", "174:46E", "--tz", "+13", "--from", "2026-01-15", "--days", "1"},
         {"GMT+13\n"}},
        {{"--lat", "40:43N", "--lon", "74:00W", "--tz", "America/New_York", "--from", "2026-03-07", "--days", "3"},
         {"GMT-5, GMT-4 (system zone)\n"}},
        {{"--lat", "47:34N", "--lon", "52:43W", "--tz", "-3:30", "--from", "2026-01-10", "--days", "1"},
         {"GMT-3:30\n"}},
    };
    for (const Case& c : cases) {
        const Result r = run(c.args);
        ASSERT_EQ(r.code, 0) << r.err;
        for (const auto& e : c.expected) EXPECT_NE(r.out.find(e), std::string::npos) << e << "\n" << r.out;
    }
    // Dhuhr steps by the hour at both New York changes of 2026, and nowhere else.
    const Result year = run({"--lat", "40:43N", "--lon", "74:00W", "--tz", "America/New_York", "--from", "2026-01-01",
                             "--view", "year", "--format", "json"});
    std::vector<double> noons;
    for (size_t at = year.out.find("\"seconds\": ["); at != std::string::npos; at = year.out.find("\"seconds\": [", at + 1)) {
        size_t comma = year.out.find(',', at);
        comma = year.out.find(',', comma + 1);
        noons.push_back(std::stod(year.out.substr(comma + 2)));
    }
    ASSERT_EQ(noons.size(), 365u);
    std::vector<size_t> jumps;
    for (size_t i = 1; i < noons.size(); ++i)
        if (std::fabs(noons[i] - noons[i - 1]) > 1800) jumps.push_back(i);
    EXPECT_EQ(jumps, (std::vector<size_t>{66, 304}));  // 8 March and 1 November
}

TEST(TimesCommand, HighLatitudeDaysAreMarkedUntilARuleOrdersThem) {
    const std::vector<std::string> reykjavik = {"--lat", "64:08N", "--lon", "21:56W", "--tz", "0", "--method", "4",
                                                "--from", "2024-06-21", "--days", "1", "--time-format", "Short Time"};
    const Result none = run(reykjavik);
    EXPECT_NE(none.out.find("13:32"), std::string::npos) << none.out;  // Dhuhr (13:31:40), not 01:32
    EXPECT_NE(none.out.find("! No true dawn/dusk"), std::string::npos) << none.out;
    auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> a = reykjavik;
        a.insert(a.end(), extra.begin(), extra.end());
        return run(a);
    };
    EXPECT_NE(with({"--format", "csv"}).out.find(",No true dawn/dusk"), std::string::npos);
    const Result json = with({"--format", "json"});
    EXPECT_NE(json.out.find("\"ordered\": false, \"highLat\": null, \"note\": \"No true dawn/dusk"), std::string::npos)
        << json.out;
    for (const char* rule : {"middle", "seventh", "angle"}) {
        const Result r = with({"--high-lat", rule, "--format", "json"});
        EXPECT_NE(r.out.find(std::string("\"ordered\": true, \"highLat\": \"") + rule + "\""), std::string::npos)
            << rule << "\n" << r.out;
    }
}

TEST(TimesCommand, VersionFailedWritesAndBytesThatAreNotUtf8) {
    const Result version = runProgram("--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out.rfind("noorvale-times ", 0), 0u);
    // Standard output on a full disk: one line on standard error (here read back) and status 1.
    FILE* pipe = popen((std::string(NOORVALE_BIN_DIR) + "/noorvale-times --days 1 2>&1 >/dev/full").c_str(), "r");
    std::array<char, 512> buf{};
    const std::string said(buf.data(), fread(buf.data(), 1, buf.size(), pipe));
    const int status = pclose(pipe);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_EQ(said, "noorvale-times: cannot write the output: No space left on device\n");
    const Result json = run({"--name", std::string("Caf\xe9 \xff\xc3", 7), "--days", "1", "--format", "json"});
    EXPECT_NE(json.out.find("\"name\": \"Caf\xef\xbf\xbd \xef\xbf\xbd\xef\xbf\xbd\""), std::string::npos) << json.out;
}

TEST(TimesCommand, AuthorityAndAdjustmentsShapeTheTimesAndTheHeaders) {
    test::TempHome home;
    const std::vector<std::string> ankara = {"--lat", "39:56N", "--lon", "32:52E", "--tz", "3", "--margin", "0",
                                             "--from", "2024-06-21", "--days", "1"};
    auto with = [&](std::vector<std::string> extra) {
        extra.insert(extra.begin(), ankara.begin(), ankara.end());
        return run(extra);
    };
    auto seconds = [](const std::string& json) {
        const size_t at = json.find("\"seconds\": [") + 12;
        std::vector<double> v;
        std::istringstream in(json.substr(at, json.find(']', at) - at));
        for (std::string item; std::getline(in, item, ',');) v.push_back(std::stod(item));
        return v;
    };
    const Result plain = with({"--fajr-angle", "18", "--isha-angle", "17", "--format", "json"});
    const Result turkey = with({"--authority", "Turkey", "--format", "json"});
    ASSERT_EQ(turkey.code, 0) << turkey.err;
    EXPECT_NE(turkey.out.find("\"authority\": \"Diyanet, Turkey\", \"fajrAngle\": 18"), std::string::npos) << turkey.out;
    EXPECT_NE(turkey.out.find("\"adjustments\": {\"fajr\": 0, \"sunrise\": -7, \"dhuhr\": 5, \"asr\": 5, \"maghrib\": 8, "
                              "\"isha\": 1}"),
              std::string::npos)
        << turkey.out;
    const int minutes[6] = {0, -7, 5, 5, 8, 1};
    const std::vector<double> a = seconds(plain.out), b = seconds(turkey.out);
    ASSERT_EQ(a.size(), 6u);
    ASSERT_EQ(b.size(), 6u);
    for (int p = 0; p < 6; ++p) EXPECT_EQ(b[p] - a[p], minutes[p] * 60) << p;

    // --adjust replaces the named times' minutes only; the text header lists them by name.
    // The authority's own minutes are its margin; the user may give one again.
    const Result mosque = run({"--lat", "39:56N", "--lon", "32:52E", "--tz", "3", "--from", "2024-06-21", "--days", "1",
                               "--authority", "turkey", "--adjust", "fajr=+2,sunrise=-5"});
    ASSERT_EQ(mosque.code, 0) << mosque.err;
    EXPECT_NE(mosque.out.find("Diyanet, Turkey, Shafi'i, margin 0 min\n"
                              "Adjustments: Fajr +2, Shurooq -5, Dhuhr +5, Asr +5, Maghrib +8, Isha +1 min\n"),
              std::string::npos)
        << mosque.out;
    const Result raised = run({"--lat", "39:56N", "--lon", "32:52E", "--authority", "turkey", "--margin", "2"});
    EXPECT_NE(raised.out.find("Diyanet, Turkey, Shafi'i, margin 2 min\n"), std::string::npos) << raised.out;

    struct Bad {
        std::vector<std::string> args;
        const char* message;
    };
    const Bad bads[] = {
        {{"--authority", "nowhere"}, "--authority: 'nowhere' is not one of the authorities"},
        {{"--authority", "turkey", "--method", "1"}, "--authority: give either an authority or --method"},
        {{"--adjust", "fajr=61"}, "--adjust: 61 is out of range (-60 to 60)"},
        {{"--adjust", "fajr=2,fajr=3"}, "--adjust: fajr is given twice"},
        {{"--adjust", "fajr=+2,"}, "--adjust: '': expected a prayer and minutes"},
        {{"--adjust", "noon=1"}, "--adjust: 'noon' is not one of 'fajr', 'sunrise'"},
        {{"--adjust", "asr=1.5"}, "--adjust: '1.5' is not a whole number"},
        {{"--authority", "turkey", "--shafaq", "red"}, "--shafaq: the method has no seasonal twilight rule"},
        {{"--authority", "moonsighting", "--shafaq", "pink"}, "--shafaq: 'pink' is not one of 'general', 'red', 'white'"},
    };
    for (const Bad& bad : bads) {
        const Result r = with(bad.args);
        EXPECT_EQ(r.code, 2) << bad.message;
        EXPECT_NE(r.err.find(bad.message), std::string::npos) << r.err;
    }
    const Result list = run({"--list-authorities"});
    EXPECT_EQ(list.code, 0);
    EXPECT_NE(list.out.find("makkah        Umm Al-Qura University, Makkah\n"
                            "              Fajr 18.5 degrees, Isha 90 min after Maghrib (120 in Ramadan of the Umm Al-Qura "
                            "calendar), Shafi'i, rounded up\n"),
              std::string::npos)
        << list.out;
    EXPECT_NE(list.out.find("moonsighting  Moonsighting Committee Worldwide\n"
                            "              Fajr 18 degrees, Isha 18 degrees, within the season's minutes of sunrise and "
                            "sunset (general shafaq), Hanafi, adjust dhuhr=+5,maghrib=+3\n"),
              std::string::npos)
        << list.out;

    // The shafaq of the seasonal rule: at London in late March the red one ends Isha earliest, the
    // white one latest.
    auto londonIsha = [&](const char* shafaq) {
        const Result r = run({"--lat", "51:31N", "--lon", "0:07W", "--tz", "Europe/London", "--from", "2025-03-22",
                              "--days", "1", "--authority", "moonsighting", "--shafaq", shafaq});
        EXPECT_NE(r.out.find(std::string("Hanafi, margin 0 min, seasonal twilight (") + shafaq + " shafaq)\n"),
                  std::string::npos)
            << r.out;
        return r.out.substr(r.out.rfind(' ') + 1);
    };
    EXPECT_EQ(londonIsha("general"), "07:34\n");  // as the Committee publishes it
    EXPECT_LT(londonIsha("red"), londonIsha("general"));
    EXPECT_LT(londonIsha("general"), londonIsha("white"));
    EXPECT_NE(list.out.find("Fajr 17.7 degrees, Maghrib 4.5 degrees, Isha 14 degrees"), std::string::npos);
}

TEST(TimesCommand, TheHijriCalendarComesFromTheStoreOrItsOptionsAndMakkahCountsRamadanByUmmAlQura) {
    test::TempHome home;
    // Riyadh through Ramadan 1446 (1 to 29 March 2025 by Umm Al-Qura): Isha 120 minutes after
    // Maghrib on those days and 90 on the others, whatever calendar the dates are shown in.
    auto ishaMinutes = [](const std::string& csv) {  // by date
        std::map<std::string, int> minutes;
        std::istringstream in(csv);
        for (std::string line; std::getline(in, line);) {
            char date[11] = {};
            int h[2] = {}, m[2] = {};
            if (std::sscanf(line.c_str(), "%10[0-9-],%*[^,],%*[^,],%*[^,],%*[^,],%*[^,],%d:%d,%d:%d", date, &h[0], &m[0],
                            &h[1], &m[1]) == 5)
                minutes[date] = (h[1] - h[0]) * 60 + m[1] - m[0];
        }
        return minutes;
    };
    const std::string riyadh =
        "--lat 24:38N --lon 46:43E --tz Asia/Riyadh --authority makkah --time-format 'Short Time' --format csv ";
    const Result r = runProgram(riyadh + "--hijri-calendar tabular --from 2025-02-26 --days 36");
    ASSERT_EQ(r.code, 0) << r.out;
    const std::map<std::string, int> minutes = ishaMinutes(r.out);
    ASSERT_EQ(minutes.size(), 36u) << r.out;
    for (const auto& [date, m] : minutes) EXPECT_EQ(m, date >= "2025-03-01" && date <= "2025-03-29" ? 120 : 90) << date;
    const Result first = runProgram(riyadh + "--from 2022-04-01 --days 2");
    EXPECT_EQ(ishaMinutes(first.out), (std::map<std::string, int>{{"2022-04-01", 90}, {"2022-04-02", 120}})) << first.out;

    // The dates: the tabular calendar unless the store or an option says otherwise.
    auto day = [](const std::vector<std::string>& extra) {
        std::vector<std::string> args = {"--from", "2025-03-30", "--days", "1", "--dates", "hijri", "--hijri-format",
                                         "d-m-yyyy", "--format", "csv"};
        args.insert(args.end(), extra.begin(), extra.end());
        const Result r = run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        const size_t at = r.out.find("\r\n2025-03-30,") + 13;
        return r.out.substr(at, r.out.find(',', at) - at);
    };
    EXPECT_EQ(day({}), "30-9-1446");
    EXPECT_EQ(day({"--hijri-calendar", "umm-al-qura"}), "1-10-1446");
    EXPECT_EQ(day({"--hijri-calendar", "Umm-Al-Qura", "--hijri-adjust", "-1"}), "29-9-1446");
    WriteRegLong(HKEY_CURRENT_USER, CalendarKey(), "HijriCalendar", kHijriUmmAlQura);
    WriteRegLong(HKEY_CURRENT_USER, CalendarKey(), "HijriAdjust", 1);
    EXPECT_EQ(day({}), "2-10-1446");
    EXPECT_EQ(day({"--hijri-calendar", "tabular"}), "1-10-1446");  // the stored adjustment stays
    const Result json = run({"--from", "2025-03-30", "--days", "1", "--authority", "makkah", "--format", "json"});
    EXPECT_NE(json.out.find("\"ramadanCalendar\": \"umm-al-qura\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"hijriCalendar\": {\"kind\": \"umm-al-qura\", \"adjust\": 1}"), std::string::npos);

    using Bad = std::pair<std::vector<std::string>, std::string>;
    for (const auto& [args, message] :
         {Bad{{"--hijri-adjust", "3"}, "--hijri-adjust: 3 is out of range (-2 to 2)"},
          Bad{{"--hijri-calendar", "lunar"}, "--hijri-calendar: 'lunar' is not one of 'tabular', 'umm-al-qura'"}}) {
        const Result r = run(args);
        EXPECT_EQ(r.code, 2) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

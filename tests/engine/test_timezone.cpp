#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "modTimeZone.h"

using namespace nv;

namespace {
// Installs a fixed time-zone record for the lifetime of the object.
class ScopedZone {
public:
    ScopedZone(TimeZoneInformation info, uint32_t result)
        : previous_(setTimeZoneSource([info, result](TimeZoneInformation& out) {
              out = info;
              return result;
          })) {}
    ~ScopedZone() { setTimeZoneSource(previous_); }

private:
    TimeZoneSource previous_;
};

// Sets TZ for the lifetime of the object.
class ScopedTZ {
public:
    explicit ScopedTZ(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old, had_ = true;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTZ() {
        if (had_) setenv("TZ", saved_.c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }

private:
    std::string saved_;
    bool had_ = false;
};
}  // namespace

TEST(TimeZone, RecordsGiveSecondsEastOfUtc) {
    {
        ScopedZone z({300, 0, -60, 3}, TIME_ZONE_ID_STANDARD);
        EXPECT_EQ(GetUTCOffset(), -18000);
    }
    {
        ScopedZone z({300, 0, -60, 3}, TIME_ZONE_ID_DAYLIGHT);
        EXPECT_EQ(GetUTCOffset(), -14400);
        EXPECT_EQ(GetUTCOffset() / 3600, -4);
    }
    {
        ScopedZone z({300, 0, -60, 0}, TIME_ZONE_ID_DAYLIGHT);  // no daylight saving in this zone
        EXPECT_EQ(GetUTCOffset(), -18000);
    }
    {
        ScopedZone z({-330, 0, 0, 0}, TIME_ZONE_ID_UNKNOWN);
        EXPECT_EQ(GetUTCOffset(), 19800);
        EXPECT_EQ(GetUTCOffset() / 3600, 5);
    }
    {
        ScopedZone z({210, 0, 0, 0}, TIME_ZONE_ID_UNKNOWN);  // UTC-3:30 truncates toward zero
        EXPECT_EQ(GetUTCOffset() / 3600, -3);
    }
    {
        ScopedZone z({-120, 0, 0, 0}, TIME_ZONE_ID_INVALID);  // a failed call reads as zero
        EXPECT_EQ(GetUTCOffset(), 0);
    }
}

TEST(TimeZone, SystemRecordComesFromTheCLibrary) {
    TimeZoneInformation info;
    {
        ScopedTZ tz("Asia/Kolkata");
        EXPECT_EQ(GetTimeZoneInformation(info), TIME_ZONE_ID_UNKNOWN);
        EXPECT_EQ(info.Bias, -330);
        EXPECT_EQ(info.DaylightMonth, 0);
        EXPECT_EQ(GetUTCOffset(), 19800);
    }
    {
        ScopedTZ tz("America/New_York");
        const uint32_t r = GetTimeZoneInformation(info);
        EXPECT_EQ(info.Bias, 300);
        EXPECT_EQ(info.DaylightBias, -60);
        EXPECT_NE(info.DaylightMonth, 0);
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        EXPECT_EQ(r, local.tm_isdst > 0 ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD);
        EXPECT_EQ(GetUTCOffset(), local.tm_gmtoff);
    }
    {
        ScopedTZ tz("Australia/Sydney");  // daylight saving in January
        GetTimeZoneInformation(info);
        EXPECT_EQ(info.Bias, -600);
        EXPECT_EQ(info.DaylightBias, -60);
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        EXPECT_EQ(GetUTCOffset(), local.tm_gmtoff);
    }
}

TEST(TimeZone, OffsetsAtEachDatesNoonFollowDaylightSaving) {
    struct Case {
        const char* zone;
        int y, m, d;
        int32_t seconds;
    };
    const Case cases[] = {
        {"America/New_York", 2026, 3, 7, -5 * 3600}, {"America/New_York", 2026, 3, 8, -4 * 3600},
        {"America/New_York", 2026, 10, 31, -4 * 3600}, {"America/New_York", 2026, 11, 1, -5 * 3600},
        {"Asia/Kolkata", 2026, 1, 1, 19800},          {"Asia/Kathmandu", 2026, 6, 1, 20700},
        {"America/St_Johns", 2026, 1, 10, -12600},    {"Pacific/Auckland", 2026, 1, 15, 13 * 3600},
        {"Pacific/Kiritimati", 2026, 6, 1, 14 * 3600}, {"Australia/Sydney", 2026, 7, 1, 10 * 3600},
    };
    const ScopedLocalZone utc("UTC");
    for (const Case& c : cases) {
        const ScopedLocalZone zone(c.zone);
        EXPECT_EQ(GetUTCOffsetAt(dateSerial(c.y, c.m, c.d)), c.seconds) << c.zone << " " << c.m << "-" << c.d;
    }
    EXPECT_EQ(GetUTCOffsetAt(dateSerial(2026, 7, 1)), 0);  // the zone before is back
    // With a record installed through the seam, the record's offset whatever the date.
    ScopedZone z({-330, 0, 0, 0}, TIME_ZONE_ID_UNKNOWN);
    EXPECT_EQ(GetUTCOffsetAt(dateSerial(2026, 7, 1)), 19800);
}

TEST(TimeZone, OffsetTextsReadAndWrite) {
    struct Case {
        const char* text;
        bool ok;
        int32_t minutes;
    };
    const Case cases[] = {{"5", true, 300},       {"+13", true, 780},   {"-3:30", true, -210}, {"5:45", true, 345},
                          {"-0:30", true, -30},   {"14:00", true, 840},   {"5:59", true, 359}, {"5:3", false, 0},     {"5:60", false, 0},
                          {" 5", false, 0},       {"0x10", false, 0},   {"", false, 0},        {"-", false, 0},
                          {"5:30:00", false, 0},  {"123", false, 0},    {"+-3", false, 0},     {"3:-30", false, 0}};
    for (const Case& c : cases) {
        int32_t m = 0;
        EXPECT_EQ(ParseOffset(c.text, m), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(m, c.minutes) << c.text;
        }
    }
    EXPECT_EQ(OffsetText(330), "+5:30");
    EXPECT_EQ(OffsetText(-210), "-3:30");
    EXPECT_EQ(OffsetText(-30), "-0:30");
    EXPECT_EQ(OffsetText(0), "+0:00");
    EXPECT_EQ(OffsetText(845), "+14:05");
    EXPECT_TRUE(IsZoneName("Asia/Kolkata"));
    for (const char* zone : {"UTC", "America/Port-au-Prince", "Etc/GMT+5", "America/North_Dakota/New_Salem"})
        EXPECT_TRUE(IsZoneName(zone)) << zone;
    for (const char* bad : {"", "Mars/Olympus", "/etc/passwd", "../../etc/passwd", "Asia", "Asia/Kolkata "})
        EXPECT_FALSE(IsZoneName(bad)) << bad;
}

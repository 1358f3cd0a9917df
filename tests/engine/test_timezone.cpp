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

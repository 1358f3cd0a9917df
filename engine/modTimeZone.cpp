#include "modTimeZone.h"

#include <ctime>
#include <mutex>

namespace nv {

namespace {

std::mutex sourceMutex;
TimeZoneSource& source() {
    static TimeZoneSource s;
    return s;
}

long offsetAt(int year, int month, int& isDst) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = 15;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    const std::time_t when = std::mktime(&t);
    std::tm local{};
    localtime_r(&when, &local);
    isDst = local.tm_isdst;
    return local.tm_gmtoff;
}

}  // namespace

uint32_t GetTimeZoneInformation(TimeZoneInformation& info) {
    info = TimeZoneInformation{};
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return TIME_ZONE_ID_INVALID;
    const int year = local.tm_year + 1900;

    int janDst = 0, julDst = 0;
    const long jan = offsetAt(year, 1, janDst);
    const long jul = offsetAt(year, 7, julDst);
    if (janDst <= 0 && julDst <= 0) {  // no daylight saving: the offset in force now
        info.Bias = static_cast<int32_t>(-local.tm_gmtoff / 60);
        return TIME_ZONE_ID_UNKNOWN;
    }
    // Standard time is the half of the year without daylight saving (the southern hemisphere
    // keeps its daylight saving in January).
    const long standard = janDst > 0 ? jul : jan;
    const long daylight = janDst > 0 ? jan : jul;
    info.Bias = static_cast<int32_t>(-standard / 60);
    info.DaylightBias = static_cast<int32_t>(-(daylight - standard) / 60);
    for (int m = 1; m <= 12; ++m) {  // the first month that has daylight saving in its middle
        int dst = 0;
        offsetAt(year, m, dst);
        if (dst > 0 && info.DaylightMonth == 0) info.DaylightMonth = static_cast<uint16_t>(m);
    }
    if (info.DaylightMonth == 0) info.DaylightMonth = janDst > 0 ? 1 : 7;
    return local.tm_isdst > 0 ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
}

TimeZoneSource setTimeZoneSource(TimeZoneSource newSource) {
    std::lock_guard<std::mutex> lock(sourceMutex);
    TimeZoneSource old = source();
    source() = std::move(newSource);
    return old;
}

int32_t GetUTCOffset() {
    TimeZoneSource s;
    {
        std::lock_guard<std::mutex> lock(sourceMutex);
        s = source();
    }
    TimeZoneInformation info;
    const uint32_t result = s ? s(info) : GetTimeZoneInformation(info);
    if (result == TIME_ZONE_ID_INVALID) return 0;  // a failed call reads as a zeroed record
    int32_t offset = -info.Bias * 60;
    if (result == TIME_ZONE_ID_DAYLIGHT && info.DaylightMonth != 0) offset = offset - info.DaylightBias * 60;
    return offset;
}

}  // namespace nv

#include "modTimeZone.h"

#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <cctype>
#include <cmath>
#include <mutex>

namespace nv {

namespace {

std::mutex sourceMutex;
TimeZoneSource& source() {
    static TimeZoneSource s;
    return s;
}

// 1 January 1970 as a date value.
constexpr double kUnixEpochDay = 25569;

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

int32_t GetUTCOffsetAt(DateValue date) {
    bool seamInstalled = false;
    {
        std::lock_guard<std::mutex> lock(sourceMutex);
        seamInstalled = static_cast<bool>(source());
    }
    if (seamInstalled) return GetUTCOffset();
    // Local noon is Greenwich noon less the offset: first the offset at Greenwich noon, then the
    // one at the local noon it gives (changes of offset come at night, never near noon).
    const std::time_t greenwichNoon =
        static_cast<std::time_t>(std::floor(date) - kUnixEpochDay) * 86400 + 43200;
    std::tm local{};
    if (localtime_r(&greenwichNoon, &local) == nullptr) return 0;
    const std::time_t localNoon = greenwichNoon - local.tm_gmtoff;
    if (localtime_r(&localNoon, &local) == nullptr) return 0;
    return static_cast<int32_t>(local.tm_gmtoff);
}

std::string OffsetText(int32_t minutes) {
    const int32_t a = minutes < 0 ? -minutes : minutes;
    return (minutes < 0 ? "-" : "+") + std::to_string(a / 60) + (a % 60 < 10 ? ":0" : ":") + std::to_string(a % 60);
}

bool ParseOffset(const std::string& text, int32_t& minutes) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    const size_t colon = text.find(':');
    const size_t hoursEnd = colon == std::string::npos ? text.size() : colon;
    if (hoursEnd == i || hoursEnd - i > 2) return false;
    int32_t h = 0, m = 0;
    for (size_t k = i; k < hoursEnd; ++k) {
        if (!std::isdigit(static_cast<unsigned char>(text[k]))) return false;
        h = h * 10 + (text[k] - '0');
    }
    if (colon != std::string::npos) {
        if (text.size() != colon + 3) return false;
        for (size_t k = colon + 1; k < text.size(); ++k) {
            if (!std::isdigit(static_cast<unsigned char>(text[k]))) return false;
            m = m * 10 + (text[k] - '0');
        }
        if (m > 59) return false;
    }
    minutes = (negative ? -1 : 1) * (h * 60 + m);
    return true;
}

bool IsZoneName(const std::string& name) {
    if (name.empty() || name[0] == '/' || name.find("..") != std::string::npos) return false;
    for (unsigned char c : name)
        if (!(std::isalnum(c) || c == '/' || c == '_' || c == '-' || c == '+')) return false;
    const char* dir = std::getenv("TZDIR");
    const std::string file = std::string(dir && *dir ? dir : "/usr/share/zoneinfo") + "/" + name;
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

ScopedLocalZone::ScopedLocalZone(const std::string& name) {
    if (const char* old = std::getenv("TZ")) {
        saved_ = old;
        hadTZ_ = true;
    }
    setenv("TZ", name.c_str(), 1);
    tzset();
}

ScopedLocalZone::~ScopedLocalZone() {
    if (hadTZ_) setenv("TZ", saved_.c_str(), 1);
    else unsetenv("TZ");
    tzset();
}

}  // namespace nv

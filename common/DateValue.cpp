#include "DateValue.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <mutex>

namespace nv {

namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (Howard Hinnant's algorithm).
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

constexpr int64_t kEpochOffset = 25569;  // 1970-01-01 as a day count from 1899-12-30

// The day and the second of the day that a date value stands for.
void dayAndSecond(DateValue d, int64_t& dayNumber, int64_t& secondOfDay) {
    const double whole = std::trunc(d);
    const double fraction = std::fabs(d - whole);
    dayNumber = static_cast<int64_t>(whole);
    secondOfDay = static_cast<int64_t>(std::nearbyint(fraction * 86400.0));
    if (secondOfDay >= 86400) {  // rounds up into the next day
        secondOfDay -= 86400;
        dayNumber += d < 0 ? -1 : 1;
    }
}

std::mutex clockMutex;
ClockSource& clockSource() {
    static ClockSource source;
    return source;
}

}  // namespace

DateValue dateSerial(int year, int month, int day) {
    int64_t y = year, m = month - 1;
    y += m >= 0 ? m / 12 : -((11 - m) / 12);
    m = ((m % 12) + 12) % 12;
    return static_cast<double>(daysFromCivil(y, m + 1, 1) + kEpochOffset + (day - 1));
}

DateValue timeSerial(int hour, int minute, int second) {
    const int64_t total = int64_t{hour} * 3600 + int64_t{minute} * 60 + second;
    return static_cast<double>(total) / 86400.0;
}

DateParts splitDate(DateValue d) {
    int64_t dayNumber = 0, secondOfDay = 0;
    dayAndSecond(d, dayNumber, secondOfDay);
    DateParts p;
    civilFromDays(dayNumber - kEpochOffset, p.year, p.month, p.day);
    p.hour = static_cast<int>(secondOfDay / 3600);
    p.minute = static_cast<int>(secondOfDay / 60 % 60);
    p.second = static_cast<int>(secondOfDay % 60);
    return p;
}

int year(DateValue d) { return splitDate(d).year; }
int month(DateValue d) { return splitDate(d).month; }
int day(DateValue d) { return splitDate(d).day; }
int hour(DateValue d) { return splitDate(d).hour; }
int minute(DateValue d) { return splitDate(d).minute; }
int second(DateValue d) { return splitDate(d).second; }

int weekday(DateValue d) {
    int64_t dayNumber = 0, secondOfDay = 0;
    dayAndSecond(d, dayNumber, secondOfDay);
    // 30 December 1899 was a Saturday (7).
    return static_cast<int>(((dayNumber + 6) % 7 + 7) % 7) + 1;
}

DateValue dateOnly(DateValue d) { return std::trunc(d); }

DateValue systemNow() {
    using namespace std::chrono;
    const auto t = system_clock::now();
    const std::time_t secs = system_clock::to_time_t(t);
    std::tm local{};
    localtime_r(&secs, &local);
    const auto micros = duration_cast<microseconds>(t.time_since_epoch()).count() % 1000000;
    return dateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + micros / 1e6) / 86400.0;
}

DateValue now() {
    ClockSource source;
    {
        std::lock_guard<std::mutex> lock(clockMutex);
        source = clockSource();
    }
    return source ? source() : systemNow();
}

DateValue today() { return dateOnly(now()); }

ClockSource setClockSource(ClockSource source) {
    std::lock_guard<std::mutex> lock(clockMutex);
    ClockSource old = clockSource();
    clockSource() = std::move(source);
    return old;
}

}  // namespace nv


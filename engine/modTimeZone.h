// How many seconds local clock time is ahead of Greenwich right now, daylight saving included,
// computed from the system's time-zone record.
#pragma once

#include <cstdint>
#include <functional>

namespace nv {

// The parts of the system's time-zone record that the offset needs.
struct TimeZoneInformation {
    int32_t Bias = 0;          // minutes to add to local time to get UTC
    int32_t StandardBias = 0;
    int32_t DaylightBias = 0;  // minutes added to Bias while daylight saving is in effect
    uint16_t DaylightMonth = 0;  // month daylight saving starts; 0 when the zone has none
};

inline constexpr uint32_t TIME_ZONE_ID_UNKNOWN = 0;
inline constexpr uint32_t TIME_ZONE_ID_STANDARD = 1;
inline constexpr uint32_t TIME_ZONE_ID_DAYLIGHT = 2;
inline constexpr uint32_t TIME_ZONE_ID_INVALID = 0xFFFFFFFF;

// Fills the record and answers which of the zone's times is in effect.
using TimeZoneSource = std::function<uint32_t(TimeZoneInformation&)>;

// The record as the C library's zone data (TZ, /etc/localtime) gives it for this moment: the
// standard and daylight offsets are those of January and July.
uint32_t GetTimeZoneInformation(TimeZoneInformation& info);

// The seam: tests install records of their own; an empty source restores the system's.
TimeZoneSource setTimeZoneSource(TimeZoneSource source);

int32_t GetUTCOffset();

}  // namespace nv

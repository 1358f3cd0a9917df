// How many seconds local clock time is ahead of Greenwich right now, daylight saving included,
// computed from the system's time-zone record.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "DateValue.h"

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

// Seconds east of UTC of the local clock at noon of `date`, daylight saving included when it is
// in force that day. With a record installed through the seam, that record's offset.
int32_t GetUTCOffsetAt(DateValue date);

// The offsets a place can have, in minutes east of Greenwich: -12:00 to +14:00.
inline constexpr int32_t kLowestOffsetMinutes = -12 * 60;
inline constexpr int32_t kHighestOffsetMinutes = 14 * 60;

// An offset in minutes as text: "+5:30", "-3:30", "+0:00".
std::string OffsetText(int32_t minutes);
// Reads "5", "+13", "-3:30", "5:45" (hours, or hours and two-digit minutes, with an optional
// sign; no blanks) into minutes east of Greenwich. False when the text is not written so; the
// range is the caller's to check.
bool ParseOffset(const std::string& text, int32_t& minutes);

// Whether `name` is a zone of the system's zone database ("Asia/Kolkata", "UTC").
bool IsZoneName(const std::string& name);

// Makes `name` the process's local zone (TZ) while the object lives, then restores the old one.
class ScopedLocalZone {
public:
    explicit ScopedLocalZone(const std::string& name);
    ~ScopedLocalZone();
    ScopedLocalZone(const ScopedLocalZone&) = delete;
    ScopedLocalZone& operator=(const ScopedLocalZone&) = delete;

private:
    std::string saved_;
    bool hadTZ_ = false;
};

}  // namespace nv

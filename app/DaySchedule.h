// The five prayers (Fajr, Dhuhr, Asr, Maghrib, Isha) of the day the alerts follow, with their
// minutes, whether each one's alert is still to come, and whether its sound is on. The alert
// engine owns one and watches it every second.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "DateValue.h"

namespace nv {

struct PrayerSlot {
    int16_t Index = 0;     // prayer 1..5
    DateValue Time = 0;    // the shown whole minute, counted from the midnight that begins the
                           // schedule's date: below 0 for a Fajr of the evening before, 1 and more
                           // for a Maghrib or Isha past the next midnight
    bool Pending = false;  // its alert has not fired yet
    bool SoundAlert = false;
};

class DaySchedule {
public:
    // [k - 1] is prayer k.
    std::array<PrayerSlot, 5> Prayers{};
    // The next day's Fajr on the schedule's clock: far north in summer it may fall before midnight,
    // even before this day's Isha, and alerts then. Its sound is Fajr's.
    PrayerSlot NextFajr{};

    PrayerSlot& operator[](size_t i) { return Prayers[i]; }
    const PrayerSlot& operator[](size_t i) const { return Prayers[i]; }

    // Computes the date's prayers and the next day's Fajr with the shared calculator; a prayer whose
    // minute has passed is not pending. The sound switches keep their values.
    void Build(DateValue date);

    // Whether a prayer is still to come at `clock`, such as an Isha past midnight: the schedule
    // then stays until it has come.
    bool EveningPending(DateValue clock) const;

    // The first prayer whose minute is at or after `t` (on the schedule's clock); 6 when that is
    // the next day's Fajr, as it is once all are earlier.
    int16_t FindNextPrayer(DateValue t) const;
};

// The time of day of `t` without its seconds.
DateValue TruncToMinute(DateValue t);

// A slot's minute as the time of day it shows (its value is below 0 or past 1 beyond the day's
// midnights).
DateValue TimeOfDay(DateValue slotTime);

// The time now, truncated to the minute, counted from the midnight that begins `scheduleDate`
// (after the next midnight it is 1 and more, before it below 0).
DateValue ScheduleClock(DateValue scheduleDate);

}  // namespace nv

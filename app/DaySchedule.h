// Today's five prayers (Fajr, Dhuhr, Asr, Maghrib, Isha) with their minutes, whether each one's
// alert is still to come, and whether its sound is on. The alert engine of the main window
// watches it every second.
#pragma once

#include <array>
#include <cstdint>

#include "DateValue.h"

namespace nv {

struct PrayerSlot {
    int16_t Index = 0;     // prayer 1..5
    DateValue Time = 0;    // time after the schedule's midnight, the shown whole minute (1 and
                           // more: past the next midnight, for a Maghrib or Isha of that evening)
    bool Pending = false;  // its alert has not fired yet
    bool SoundAlert = false;
};

// [k - 1] is prayer k.
extern std::array<PrayerSlot, 5> DaySchedule;

// The time of day of `t` without its seconds.
DateValue TruncToMinute(DateValue t);

// Computes the date's prayers with the shared calculator; a prayer whose minute has passed is not
// pending. The sound switches keep their values.
void BuildDaySchedule(DateValue date);

// The time now, truncated to the minute, counted from the midnight that begins `scheduleDate`
// (after the next midnight it is 1 and more).
DateValue ScheduleClock(DateValue scheduleDate);

// Whether a prayer of the schedule is still to come at `clock`, such as an Isha past midnight:
// the schedule then stays until it has come.
bool EveningPending(DateValue clock);

// The first prayer whose minute is at or after `t` (on the schedule's clock); 6 when all are
// earlier.
int16_t FindNextPrayer(DateValue t);

}  // namespace nv

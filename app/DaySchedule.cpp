#include "DaySchedule.h"

#include "VbError.h"
#include "modDateLib.h"
#include "modNoorvale.h"

namespace nv {

std::array<PrayerSlot, 5> DaySchedule{};

DateValue TruncToMinute(DateValue t) {
    const DateParts p = splitDate(t);
    return timeSerial(p.hour, p.minute, 0);
}

void BuildDaySchedule(DateValue date) {
    const DateValue current = TruncToMinute(now());
    clsPrayTime& calculator = PrayTime();
    resumeNext([&] { calculator.PrayerDate(date); });
    resumeNext([&] { calculator.Calculate(); });
    for (int16_t k = 1; k <= 5; ++k) {
        PrayerSlot& slot = DaySchedule[k - 1];
        slot.Index = k;
        resumeNext([&] { slot.Time = RoundToMinute(GetPeriodTime(AlertToPeriod(k))); });  // the shown minute
        // A prayer that falls before the one before it (a Maghrib or Isha past midnight) is that
        // evening's: it counts from the next midnight.
        if (k > 1 && slot.Time < DaySchedule[k - 2].Time) slot.Time += 1;
        slot.Pending = slot.Time >= current;
    }
}

DateValue ScheduleClock(DateValue scheduleDate) { return TruncToMinute(now()) + (dateOnly(now()) - scheduleDate); }

bool EveningPending(DateValue clock) {
    for (const PrayerSlot& slot : DaySchedule)
        if (slot.Pending && slot.Time >= clock) return true;
    return false;
}

int16_t FindNextPrayer(DateValue t) {
    for (int16_t k = 1; k <= 5; ++k)
        if (DaySchedule[k - 1].Time >= t) return k;
    return 6;
}

}  // namespace nv

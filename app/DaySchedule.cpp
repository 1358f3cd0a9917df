#include "DaySchedule.h"

#include <cmath>

#include "CalendarRows.h"
#include "VbError.h"
#include "modDateLib.h"
#include "modNoorvale.h"

namespace nv {

namespace {

// The date's five shown minutes, each on the date's own clock. Dhuhr, the sun's transit, anchors
// the day: a Fajr after it (the sun never far enough below the horizon, a rule's Fajr before
// midnight) is the evening before's, and a later prayer that falls before the one before it (a
// Maghrib or Isha past midnight) counts from the next midnight.
std::array<DateValue, 5> PrayerMinutes(clsPrayTime& calculator, DateValue date) {
    std::array<DateValue, 5> minutes{};
    resumeNext([&] { calculator.PrayerDate(date); });
    resumeNext([&] { calculator.Calculate(); });
    for (int16_t k = 1; k <= 5; ++k)
        resumeNext([&] { minutes[k - 1] = RoundToMinute(PeriodTime(calculator, AlertToPeriod(k))); });
    if (minutes[0] > minutes[1]) minutes[0] -= 1;
    for (size_t k = 2; k < minutes.size(); ++k)
        if (minutes[k] < minutes[k - 1]) minutes[k] += 1;
    return minutes;
}

}  // namespace

DateValue TruncToMinute(DateValue t) {
    const DateParts p = splitDate(t);
    return timeSerial(p.hour, p.minute, 0);
}

DateValue TimeOfDay(DateValue slotTime) { return slotTime - std::floor(slotTime); }

void DaySchedule::Build(DateValue date) {
    clsPrayTime& calculator = PrayTime();
    const DateValue nextFajr = PrayerMinutes(calculator, date + 1)[0] + 1;
    const std::array<DateValue, 5> minutes = PrayerMinutes(calculator, date);
    const DateValue current = ScheduleClock(date);
    for (int16_t k = 1; k <= 5; ++k) {
        PrayerSlot& slot = Prayers[k - 1];
        slot.Index = k;
        slot.Time = minutes[k - 1];
        slot.Pending = slot.Time >= current;
    }
    NextFajr.Index = 1;
    NextFajr.Time = nextFajr;
    NextFajr.Pending = nextFajr >= current;
}

DateValue ScheduleClock(DateValue scheduleDate) { return TruncToMinute(now()) + (dateOnly(now()) - scheduleDate); }

bool DaySchedule::EveningPending(DateValue clock) const {
    for (const PrayerSlot& slot : Prayers)
        if (slot.Pending && slot.Time >= clock) return true;
    return false;
}

int16_t DaySchedule::FindNextPrayer(DateValue t) const {
    for (int16_t k = 1; k <= 5; ++k) {
        const DateValue time = Prayers[k - 1].Time;
        if (time >= t) return NextFajr.Time >= t && NextFajr.Time < time ? int16_t{6} : k;
    }
    return 6;
}

}  // namespace nv

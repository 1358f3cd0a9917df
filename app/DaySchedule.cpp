#include "DaySchedule.h"

#include "VbError.h"
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
        resumeNext([&] { slot.Time = TruncToMinute(GetPeriodTime(AlertToPeriod(k))); });
        slot.Pending = slot.Time >= current;
    }
}

int16_t FindNextPrayer(DateValue t) {
    for (int16_t k = 1; k <= 5; ++k)
        if (DaySchedule[k - 1].Time >= t) return k;
    return 6;
}

}  // namespace nv

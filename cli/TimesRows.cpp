#include "TimesRows.h"

#include "CalendarRows.h"
#include "TimesArguments.h"
#include "modDateLib.h"

namespace nv {

std::vector<TimesRow> ComputeTimesRows(TimesRequest& request) {
    clsPrayTime& pt = request.calculator;
    std::vector<TimesRow> rows;
    for (DateValue d = request.first; d <= request.last; d += 1) {
        pt.PrayerDate(d);
        pt.Calculate();
        TimesRow r{d, DayOfYear(d), DayText(d, request.dateStyle, request.dateFormat, request.hijriFormat, pt.Calendar()),
                   {}, {},
                   pt.DayOffsetMinutes(), pt.Ordered(), DayNote(pt), pt.HighLatAdjusted()};
        for (int p = 1; p <= 6; ++p) {
            r.seconds[p - 1] = pt.StoredSeconds(p);
            r.times[p - 1] = PeriodText(pt, p, request.timeFormat);
        }
        rows.push_back(std::move(r));
    }
    return rows;
}

}  // namespace nv

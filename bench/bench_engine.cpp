// The engine's hot paths: one Calculate, a year of calendar rows, and the Hijri conversion.
#include <benchmark/benchmark.h>

#include "CalendarRows.h"
#include "DateValue.h"
#include "clsPrayTime.h"
#include "modDateLib.h"
#include "modHijri.h"
#include "modTimeZone.h"

#include <optional>

using namespace nv;

// Argument: the astronomy, 0 the precise sun (each event found again at its own moment), 1 the
// classic series (one sun for the day); their difference is what the precise sun costs.
static void BM_Calculate(benchmark::State& state) {
    clsPrayTime p;
    p.Astronomy(static_cast<int16_t>(state.range(0)));
    p.GMTOffset(-6);
    p.PrayerDate(dateSerial(2002, 6, 21));
    for (auto _ : state) benchmark::DoNotOptimize(p.Calculate());
}
BENCHMARK(BM_Calculate)->Arg(kAstronomyPrecise)->Arg(kAstronomyClassic);

// What the main window's Year view does: 366 days, each a Calculate, the Day text and six times;
// argument 1: Hijri dates; argument 2: the automatic zone, each date its own offset (New York);
// argument 3: Umm Al-Qura dates and an Isha whose Ramadan minutes follow that calendar.
static void BM_YearOfRows(benchmark::State& state) {
    const bool hijri = state.range(0) == 1 || state.range(0) == 3;
    const bool perDate = state.range(0) == 2;
    std::optional<ScopedLocalZone> zone;
    if (perDate) zone.emplace("America/New_York");
    clsPrayTime p;
    p.GMTOffset(-6);
    p.AutoZone(perDate);
    HijriCalendar calendar;
    if (state.range(0) == 3) {
        calendar.kind = kHijriUmmAlQura;
        p.Calendar(calendar);
        p.NightTwilightAngle(0);
        p.MinutesAfterSunset(90);
        p.RamadanMinutesAfterSunset(120);
    }
    DateValue first = 0, last = 0;
    CalendarRange(kViewYear, dateSerial(2004, 6, 21), first, last);
    size_t bytes = 0;
    for (auto _ : state) {
        for (DateValue d = first; d <= last; d += 1) {
            p.PrayerDate(d);
            p.Calculate();
            std::string day = DayText(d, hijri ? kDateHijri : kDateGregorian, "mmm d ddd", "mmm d ddd", calendar);
            bytes += day.size();
            for (int period = 1; period <= 6; ++period) bytes += PeriodText(p, period, "hh:mm xx/xx").size();
        }
    }
    benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_YearOfRows)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// One Calculate with a high-latitude rule on a day the rule decides (Reykjavik, 21 June).
static void BM_CalculateHighLatitude(benchmark::State& state) {
    clsPrayTime p;
    p.LatDegree(64);
    p.LatMinute(8);
    p.LonDegree(21);
    p.LonMinute(56);
    p.GMTOffset(0);
    p.HighLatRule(kHighLatMiddle);
    p.PrayerDate(dateSerial(2024, 6, 21));
    for (auto _ : state) benchmark::DoNotOptimize(p.Calculate());
}
BENCHMARK(BM_CalculateHighLatitude);

static void BM_GregorianToHijri(benchmark::State& state) {
    int16_t day = 1;
    for (auto _ : state) {
        int16_t y = 2002, m = 6, d = day;
        benchmark::DoNotOptimize(GregorianToHijri(y, m, d));
        day = static_cast<int16_t>(day % 28 + 1);
    }
}
BENCHMARK(BM_GregorianToHijri);

// Argument: the calendar (0 tabular, 1 Umm Al-Qura).
static void BM_FormatHijriDate(benchmark::State& state) {
    const DateValue d = dateSerial(2002, 6, 21);
    const HijriCalendar calendar{static_cast<int16_t>(state.range(0)), 0};
    for (auto _ : state) benchmark::DoNotOptimize(FormatHijriDate(d, "Long Date", calendar));
}
BENCHMARK(BM_FormatHijriDate)->Arg(0)->Arg(1);

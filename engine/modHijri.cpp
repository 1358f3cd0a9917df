#include "modHijri.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>

#include "Translate.h"
#include "VbConv.h"
#include "VbError.h"

namespace nv {

namespace {
// Every intermediate value is a 32-bit integer: an overflow is an error, as for a 16-bit one.
int32_t add32(int64_t a, int64_t b) { return narrow32(a + b); }
int32_t sub32(int64_t a, int64_t b) { return narrow32(a - b); }
int32_t mul32(int64_t a, int64_t b) { return narrow32(a * b); }
int32_t div32(int64_t a, int64_t b) { return narrow32(intDiv(a, b)); }

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// The month names in the program's language, looked up once per language install.
const TranslatedTable<12>& monthNames() {
    static const TranslatedTable<12> names(
        "Hijri", {NV_TRANSLATE_NOOP("Hijri", "Muharram"),     NV_TRANSLATE_NOOP("Hijri", "Safar"),
                  NV_TRANSLATE_NOOP("Hijri", "Rabi Awal"),    NV_TRANSLATE_NOOP("Hijri", "Rabi Thani"),
                  NV_TRANSLATE_NOOP("Hijri", "Jumada Awal"),  NV_TRANSLATE_NOOP("Hijri", "Jumada Thani"),
                  NV_TRANSLATE_NOOP("Hijri", "Rajab"),        NV_TRANSLATE_NOOP("Hijri", "Sha'ban"),
                  NV_TRANSLATE_NOOP("Hijri", "Ramadan"),      NV_TRANSLATE_NOOP("Hijri", "Shawwal"),
                  NV_TRANSLATE_NOOP("Hijri", "Dhu'l-Qa'dah"), NV_TRANSLATE_NOOP("Hijri", "Dhu'l-Hijja")});
    return names;
}

// Whether the program's language has month names of its own, kept with the language install it
// was found for: bit 0 the answer, the other bits the install count + 1 (one value, so that a
// reader never pairs an answer with another install).
std::atomic<unsigned> namesTranslatedState{0};

bool namesTranslated() {
    const unsigned want = translationGeneration() + 1;
    unsigned state = namesTranslatedState.load(std::memory_order_acquire);
    if (state >> 1 != want) {
        const TranslatedTable<12>& names = monthNames();
        bool translated = false;
        for (size_t i = 0; i < names.size(); ++i) translated = translated || names[i] != names.source(i);
        state = want << 1 | (translated ? 1u : 0u);
        namesTranslatedState.store(state, std::memory_order_release);
    }
    return (state & 1) != 0;
}

const std::string& errorName() {
    static const std::string error = "Error";  // compared by callers: never translated
    return error;
}

// The Julian Day Number on which each month of an Umm Al-Qura year begins, and as the 13th the
// day after its last month; all 0 when ICU has no such calendar or gives a month that is not 29
// or 30 days long.
using YearStarts = std::array<int32_t, 13>;

YearStarts readUmmAlQuraYear(int year) {
    YearStarts starts{};
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), icu::Locale("en@calendar=islamic-umalqura"), status));
    if (U_FAILURE(status) || !calendar || std::strcmp(calendar->getType(), "islamic-umalqura") != 0) return {};
    for (int month = 0; month < 12; ++month) {
        calendar->clear();
        calendar->set(year, month, 1);
        starts[static_cast<size_t>(month)] = calendar->get(UCAL_JULIAN_DAY, status);
    }
    starts[12] = starts[11] + calendar->getActualMaximum(UCAL_DATE, status);  // it stands on month 12
    bool sound = U_SUCCESS(status);
    for (size_t m = 1; sound && m < starts.size(); ++m) {
        const int32_t length = starts[m] - starts[m - 1];
        sound = length == 29 || length == 30;
    }
    return sound ? starts : YearStarts{};
}

// ICU works out an Umm Al-Qura date slowly (some 10 microseconds), so a year's month starts are
// read once, when a day of that year is first asked for, and then serve every thread.
const YearStarts& ummAlQuraYear(int year) {
    constexpr size_t kYears = kUmmAlQuraLastYear - kUmmAlQuraFirstYear + 1;
    static std::array<std::once_flag, kYears> read;
    static std::array<YearStarts, kYears> years{};
    const auto i = static_cast<size_t>(year - kUmmAlQuraFirstYear);
    std::call_once(read[i], [&] { years[i] = readUmmAlQuraYear(year); });
    return years[i];
}

std::optional<HijriDate> ummAlQuraDate(int32_t julianDay) {
    int16_t tabularYear = 0, month = 0, day = 0;
    JulianDayToHijri(julianDay, tabularYear, month, day);
    // The months of the two calendars begin at most a few days apart: the year is the tabular
    // one or a neighbour.
    for (const int year : {tabularYear - 1, int{tabularYear}, tabularYear + 1}) {
        if (year < kUmmAlQuraFirstYear || year > kUmmAlQuraLastYear) continue;
        const YearStarts& starts = ummAlQuraYear(year);
        if (julianDay < starts.front() || julianDay >= starts.back()) continue;
        const auto m =
            static_cast<size_t>(std::upper_bound(starts.begin(), starts.end(), julianDay) - starts.begin() - 1);
        return HijriDate{static_cast<int16_t>(year), static_cast<int16_t>(m + 1),
                         static_cast<int16_t>(julianDay - starts[m] + 1)};
    }
    return std::nullopt;
}

}  // namespace

std::optional<HijriDate> ToHijri(DateValue d, const HijriCalendar& calendar) {
    try {
        const DateParts p = splitDate(d);
        const int32_t julianDay =
            add32(JulianDayNumber(narrow16(p.year), narrow16(p.month), narrow16(p.day), 1), calendar.adjustment);
        if (calendar.kind == kHijriUmmAlQura)
            if (const std::optional<HijriDate> h = ummAlQuraDate(julianDay)) return h;
        HijriDate h;
        JulianDayToHijri(julianDay, h.year, h.month, h.day);
        return h;
    } catch (const VbError&) {
        return std::nullopt;  // too far out for 16-bit years
    }
}

const std::string& HijriMonthName(int month) {
    return month >= 1 && month <= 12 ? monthNames()[static_cast<size_t>(month - 1)] : errorName();
}

std::string HijriMonthShortName(int month) {
    if (month < 1 || month > 12) return errorName();
    if (namesTranslated()) return monthNames()[static_cast<size_t>(month - 1)];
    return HijriMonthAbbrev(monthNames().source(static_cast<size_t>(month - 1)), 3);
}

std::string GregorianToHijri(int16_t& year, int16_t& month, int16_t& day) {
    return JulianDayToHijri(JulianDayNumber(year, month, day, 1), year, month, day);
}

int32_t JulianDayNumber(int16_t y, int16_t m, int16_t d, int16_t calendar) {
    const bool gregorian = calendar == 1 && (y > 1582 || (y == 1582 && m > 10) || (y == 1582 && m == 10 && d > 14));
    if (!gregorian) return JulianCalendarDayNumber(y, m, d);
    const int32_t a = div32(m - 14, 12);
    return sub32(add32(sub32(add32(div32(mul32(1461, add32(add32(y, 4800), a)), 4),
                                   div32(mul32(367, sub32(sub32(m, 2), mul32(12, a))), 12)),
                             div32(mul32(3, div32(add32(add32(y, 4900), a), 100)), 4)),
                       d),
                 32075);
}

int32_t JulianCalendarDayNumber(int16_t y, int16_t m, int16_t d) {
    return add32(add32(add32(sub32(mul32(367, y), div32(mul32(7, add32(add32(y, 5001), div32(m - 9, 7))), 4)),
                             div32(mul32(275, m), 9)),
                       d),
                 1729777);
}

std::string JulianDayToHijri(int32_t julianDay, int16_t& year, int16_t& month, int16_t& day) {
    int32_t l = add32(sub32(julianDay, 1948440), 10632);
    const int32_t n = div32(sub32(l, 1), 10631);
    l = add32(sub32(l, mul32(10631, n)), 354);
    const int32_t j = add32(mul32(div32(sub32(10985, l), 5316), div32(mul32(50, l), 17719)),
                            mul32(div32(l, 5670), div32(mul32(43, l), 15238)));
    l = add32(sub32(sub32(l, mul32(div32(sub32(30, j), 15), div32(mul32(17719, j), 50))),
                    mul32(div32(j, 16), div32(mul32(15238, j), 43))),
              29);
    month = narrow16(div32(mul32(24, l), 709));
    day = narrow16(sub32(l, div32(mul16(709, month), 24)));
    year = narrow16(sub32(add32(mul32(30, n), j), 30));
    return HijriMonthName(month);
}

std::string HijriMonthAbbrev(const std::string& fullName, int32_t length) {
    size_t cut = std::min(fullName.size(), length < 0 ? size_t{0} : static_cast<size_t>(length));
    // Never half a character: a cut inside a UTF-8 sequence moves back to its start.
    while (cut > 0 && cut < fullName.size() && (static_cast<unsigned char>(fullName[cut]) & 0xC0) == 0x80) --cut;
    std::string text = fullName.substr(0, cut);
    const std::string name = upper(fullName);
    if (name == "RABI AWAL" && length < 7) text += " I";
    else if (name == "RABI THANI" && length < 7) text += " II";
    else if (name == "JUMADA AWAL" && length < 9) text += " I";
    else if (name == "JUMADA THANI" && length < 9) text += " II";
    else if (name == "DHU'L-QA'DAH" && length < 7) text += " Q";
    else if (name == "DHU'L-HIJJA" && length < 7) text += " H";
    return text;
}

}  // namespace nv

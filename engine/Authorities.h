// The authorities: the parameter sets that national religious authorities use for their
// published timetables, by name. Picking one writes its values into the custom method of the
// calculator: the twilight angles or minutes, the Maghrib angle, the Ramadan Isha rule and the
// calendar it counts Ramadan by, the Asr shadow ratio, the minutes the authority adds to each
// time, how it rounds them and its seasonal twilight rule; and no margin, its own minutes being
// its margin.
//
// Each set reproduces the authority's 2025 timetables (tests/engine/data/timetables) with the
// precise sun: the angles and rules it states, and the minutes and rounding its tables show.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Translate.h"
#include "clsPrayTime.h"

namespace nv {

struct Authority {
    const char* name;     // in English, as stored ("Diyanet, Turkey"); AuthorityDisplayName shows it
    const char* key;      // the short name noorvale-times takes ("turkey")
    double dawnTwilightAngle, minutesToSunrise, nightTwilightAngle, minutesAfterSunset;
    double sunsetTwilightAngle;        // 0: Maghrib at sunset
    double ramadanMinutesAfterSunset;  // 0: no Ramadan rule
    int16_t shadowRatio;               // 1 Shafi'i, 2 Hanafi
    std::array<int16_t, 6> adjustments;  // minutes for Fajr .. Isha
    int16_t ramadanCalendar = kRamadanChosenCalendar;  // the calendar of the Ramadan rule
    int16_t rounding = kRoundNearest;
    int16_t shafaq = kShafaqNone;  // the seasonal twilight rule and its shafaq
};

inline constexpr Authority kAuthorities[] = {
    {NV_TRANSLATE_NOOP("Authority", "Umm Al-Qura University, Makkah"),
     "makkah", 18.5, 0, 0, 90, 0, 120, 1, {}, kRamadanUmmAlQura, kRoundUp},
    {NV_TRANSLATE_NOOP("Authority", "General Authority of Islamic Affairs, Dubai"),
     "dubai", 18.2, 0, 18.2, 0, 0, 0, 1, {0, -3, 3, 1, 4, 0}},
    {NV_TRANSLATE_NOOP("Authority", "Ministry of Awqaf, Kuwait"),
     "kuwait", 18, 0, 17.5, 0, 0, 0, 1, {}},
    // Isha 90 minutes after the Maghrib it prints (sunset and 3 minutes), in Ramadan too.
    {NV_TRANSLATE_NOOP("Authority", "Ministry of Awqaf, Qatar"),
     "qatar", 18, 0, 0, 90, 0, 0, 1, {0, 0, 0, 0, 3, 3}},
    {NV_TRANSLATE_NOOP("Authority", "Majlis Ugama Islam Singapura (MUIS)"),
     "singapore", 20, 0, 18, 0, 0, 0, 1, {1, 1, 2, 1, 1, 1}},
    {NV_TRANSLATE_NOOP("Authority", "JAKIM, Malaysia"),
     "malaysia", 18, 0, 18, 0, 0, 0, 1, {0, 0, 1, 0, 0, 0}, kRamadanChosenCalendar, kRoundUp},
    {NV_TRANSLATE_NOOP("Authority", "JAKIM, Kelantan"),
     "kelantan", 18, 0, 17, 0, 0, 0, 1, {0, 0, 1, 0, 0, 0}, kRamadanChosenCalendar, kRoundUp},
    {NV_TRANSLATE_NOOP("Authority", "Kemenag, Indonesia"),
     "indonesia", 20, 0, 18, 0, 0, 0, 1, {2, -4, 3, 2, 3, 2}},
    {NV_TRANSLATE_NOOP("Authority", "Diyanet, Turkey"),
     "turkey", 18, 0, 17, 0, 0, 0, 1, {0, -7, 5, 5, 8, 1}},
    {NV_TRANSLATE_NOOP("Authority", "Egyptian General Authority of Survey"),
     "egypt", 19.5, 0, 17.5, 0, 0, 0, 1, {}},
    {NV_TRANSLATE_NOOP("Authority", "ISNA Canada"),
     "isna-canada", 18, 0, 18, 0, 0, 0, 1, {0, 0, 5, 0, 3, 0}, kRamadanChosenCalendar, kRoundNearest, kShafaqGeneral},
    // Its UK timetables, the ones most widely followed, print the Hanafi Asr.
    {NV_TRANSLATE_NOOP("Authority", "Moonsighting Committee Worldwide"),
     "moonsighting", 18, 0, 18, 0, 0, 0, 2, {0, 0, 5, 0, 3, 0}, kRamadanChosenCalendar, kRoundNearest, kShafaqGeneral},
    {NV_TRANSLATE_NOOP("Authority", "UOIF, France"),
     "france", 12, 0, 12, 0, 0, 0, 1, {}},
    {NV_TRANSLATE_NOOP("Authority", "Spiritual Administration of Muslims, Russia"),
     "russia", 16, 0, 15, 0, 0, 0, 1, {}},
    {NV_TRANSLATE_NOOP("Authority", "Institute of Geophysics, University of Tehran"),
     "tehran", 17.7, 0, 14, 0, 4.5, 0, 1, {}},
};

// The authority whose name or short name is this text (letter case aside); nullptr for none.
const Authority* FindAuthority(const std::string& text);
// An authority's name as the windows show it: one of ours (found by name or short name) in the
// program's language, any other text as it is.
std::string AuthorityDisplayName(const std::string& name);
// Writes the authority's values into the calculator and sets the margin to 0 (place and date
// stay).
void ApplyAuthority(clsPrayTime& calculator, const Authority& authority);

}  // namespace nv

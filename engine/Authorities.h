// The authorities: the parameter sets that national religious authorities use for their
// published timetables, by name. Picking one writes its values into the custom method of the
// calculator: the twilight angles or minutes, the Maghrib angle, the Ramadan Isha rule, the Asr
// shadow ratio and the minutes the authority adds to each time.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "clsPrayTime.h"

namespace nv {

struct Authority {
    const char* name;     // as shown and stored ("Diyanet İşleri Başkanlığı, Turkey")
    const char* key;      // the short name noorvale-times takes ("turkey")
    double dawnTwilightAngle, minutesToSunrise, nightTwilightAngle, minutesAfterSunset;
    double sunsetTwilightAngle;        // 0: Maghrib at sunset
    double ramadanMinutesAfterSunset;  // 0: no Ramadan rule
    int16_t shadowRatio;               // 1 Shafi'i, 2 Hanafi
    std::array<int16_t, 6> adjustments;  // minutes for Fajr .. Isha
};

inline constexpr Authority kAuthorities[] = {
    {"Umm Al-Qura University, Makkah", "makkah", 18.5, 0, 0, 90, 0, 120, 1, {}},
    {"General Authority of Islamic Affairs, Dubai", "dubai", 18.2, 0, 18.2, 0, 0, 0, 1, {}},
    {"Ministry of Awqaf, Kuwait", "kuwait", 18, 0, 17.5, 0, 0, 0, 1, {}},
    {"Ministry of Awqaf, Qatar", "qatar", 18, 0, 0, 90, 0, 0, 1, {}},
    {"Majlis Ugama Islam Singapura (MUIS)", "singapore", 20, 0, 18, 0, 0, 0, 1, {}},
    {"JAKIM, Malaysia", "malaysia", 20, 0, 18, 0, 0, 0, 1, {}},
    {"Kemenag, Indonesia", "indonesia", 20, 0, 18, 0, 0, 0, 1, {}},
    {"Diyanet, Turkey", "turkey", 18, 0, 17, 0, 0, 0, 1, {0, -7, 5, 4, 7, 0}},
    {"UOIF, France", "france", 12, 0, 12, 0, 0, 0, 1, {}},
    {"Spiritual Administration of Muslims, Russia", "russia", 16, 0, 15, 0, 0, 0, 1, {}},
    {"Institute of Geophysics, University of Tehran", "tehran", 17.7, 0, 14, 0, 4.5, 0, 1, {}},
};

// The authority whose name or short name is this text (letter case aside); nullptr for none.
const Authority* FindAuthority(const std::string& text);
// Writes the authority's values into the calculator (place, date and margin stay).
void ApplyAuthority(clsPrayTime& calculator, const Authority& authority);

}  // namespace nv

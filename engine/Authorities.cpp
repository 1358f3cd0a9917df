#include "Authorities.h"

#include <cctype>

namespace nv {

namespace {

bool sameText(const std::string& a, const char* b) {
    const std::string other(b);
    if (a.size() != other.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(other[i])))
            return false;
    return true;
}

}  // namespace

const Authority* FindAuthority(const std::string& text) {
    for (const Authority& a : kAuthorities)
        if (sameText(text, a.key) || sameText(text, a.name)) return &a;
    return nullptr;
}

std::string AuthorityDisplayName(const std::string& name) {
    const Authority* a = FindAuthority(name);
    return a ? Translate("Authority", a->name) : name;
}

void ApplyAuthority(clsPrayTime& calculator, const Authority& authority) {
    calculator.DawnTwilightAngle(authority.dawnTwilightAngle);
    calculator.MinutesToSunrise(authority.minutesToSunrise);
    calculator.NightTwilightAngle(authority.nightTwilightAngle);
    calculator.MinutesAfterSunset(authority.minutesAfterSunset);
    calculator.SunsetTwilightAngle(authority.sunsetTwilightAngle);
    calculator.RamadanMinutesAfterSunset(authority.ramadanMinutesAfterSunset);
    calculator.RamadanCalendar(authority.ramadanCalendar);
    calculator.ShadowRatio(authority.shadowRatio);
    calculator.Rounding(authority.rounding);
    calculator.Shafaq(authority.shafaq);
    calculator.MarginOfSafety(0);
    for (int p = 1; p <= 6; ++p) calculator.Adjustment(p, authority.adjustments[static_cast<size_t>(p - 1)]);
}

}  // namespace nv

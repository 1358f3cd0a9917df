// A fixed US-English locale for tests that compare locale-dependent texts.
#pragma once

#include <memory>

#include "DateLocale.h"

namespace nv::test {

inline std::shared_ptr<const DateLocale> usEnglishLocale() {
    auto l = std::make_shared<TableDateLocale>();
    l->months = {"January", "February", "March",     "April",   "May",      "June",
                 "July",    "August",   "September", "October", "November", "December"};
    l->monthsAbbrev = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    l->days = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    l->daysAbbrev = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    l->am = "AM";
    l->pm = "PM";
    l->shortDate = "m/d/yyyy";
    l->longDate = "dddd, mmmm d, yyyy";
    l->longTime = "h:nn:ss AMPM";
    return l;
}

// Installs the US-English locale for the lifetime of the object.
class ScopedUsLocale {
public:
    ScopedUsLocale() : previous_(setDateLocale(usEnglishLocale())) {}
    ~ScopedUsLocale() { setDateLocale(previous_); }

private:
    std::shared_ptr<const DateLocale> previous_;
};

}  // namespace nv::test

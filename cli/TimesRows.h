// noorvale-times, computing: one row per day with what the three output formats print.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DateValue.h"

namespace nv {

struct TimesRequest;

struct TimesRow {
    DateValue date;
    int dayOfYear;
    std::string day;         // the Day column
    double seconds[6];       // the calculator's stored seconds, Fajr .. Isha
    std::string times[6];    // the six times in the time format
    int32_t offsetMinutes;   // the zone offset of the day
    bool ordered;
    std::string note;        // why the day cannot be right; empty when it is
    bool adjusted;           // the high-latitude rule changed a time
};

// The rows of the request's days, computed with its calculator.
std::vector<TimesRow> ComputeTimesRows(TimesRequest& request);

}  // namespace nv

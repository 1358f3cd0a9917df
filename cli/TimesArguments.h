// noorvale-times, reading the command line: the options, checked one by one, applied to the
// stored place, method and prayer names, and what to print.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "DateValue.h"
#include "clsPrayTime.h"
#include "modTimeZone.h"

namespace nv {

// A bad argument: one line naming the option and why.
struct BadArgument {
    std::string text;
};

// The names --adjust and the json header give the six times.
inline constexpr const char* kAdjustNames[6] = {"fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"};

enum class TimesAction { Calendar, Help, ListAuthorities, Version };

// Everything the command line asks for, with the stored settings filled in.
struct TimesRequest {
    TimesAction action = TimesAction::Calendar;
    clsPrayTime calculator;
    std::array<std::string, 6> names;  // the prayers' names
    int method = 0;                    // the index in kCalcMethods
    std::string authorityName;         // empty when no authority's values are used
    DateValue first = 0, last = 0;     // the days
    int dateStyle = 0;
    std::string dateFormat, hijriFormat, timeFormat;
    std::string format;                 // text, csv or json
    std::optional<ScopedLocalZone> zone;  // a zone given by name, for the days' offsets
};

// Reads the arguments (without the program name) into `request`; throws BadArgument. Help,
// the authority list and the version end the reading at once.
void ParseTimesArguments(const std::vector<std::string>& args, TimesRequest& request);

}  // namespace nv

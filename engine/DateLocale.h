// The seam between the engine and the user's regional settings: month and weekday names, the
// AM/PM designators and the short date, long date and long time layouts, the layouts written
// in the program's own date-format language (see FormatDate.h). The system implementation
// reads the POSIX locale of the environment (LC_TIME); tests install a fixed one.
#pragma once

#include <array>
#include <memory>
#include <string>

namespace nv {

class DateLocale {
public:
    virtual ~DateLocale() = default;
    virtual const std::string& monthName(int month, bool abbreviated) const = 0;  // month 1..12
    virtual const std::string& dayName(int weekday, bool abbreviated) const = 0;  // 1 = Sunday
    virtual const std::string& amDesignator() const = 0;
    virtual const std::string& pmDesignator() const = 0;
    virtual const std::string& shortDatePattern() const = 0;
    virtual const std::string& longDatePattern() const = 0;
    virtual const std::string& longTimePattern() const = 0;
    // The comma a date is written with: "," or, in Arabic script, "،".
    virtual const std::string& comma() const {
        static const std::string latin = ",";
        return latin;
    }
};

// A locale whose texts are given once and kept: the base of the system locale and of any
// locale a caller wants to fix.
class TableDateLocale : public DateLocale {
public:
    std::array<std::string, 12> months, monthsAbbrev;
    std::array<std::string, 7> days, daysAbbrev;  // Sunday first
    std::string am, pm, shortDate, longDate, longTime;
    std::string commaSign = ",";

    const std::string& monthName(int month, bool abbreviated) const override;
    const std::string& dayName(int weekday, bool abbreviated) const override;
    const std::string& amDesignator() const override { return am; }
    const std::string& pmDesignator() const override { return pm; }
    const std::string& shortDatePattern() const override { return shortDate; }
    const std::string& longDatePattern() const override { return longDate; }
    const std::string& longTimePattern() const override { return longTime; }
    const std::string& comma() const override { return commaSign; }
};

// The user's locale as the environment names it (LC_ALL, LC_TIME, LANG); "C" when it names
// none or one that is not installed.
std::shared_ptr<const DateLocale> systemDateLocale();

// The environment's layouts with the English month and weekday names and AM/PM (the C
// locale's): what noorvale-times writes for scripts, whatever the session's language.
std::shared_ptr<const DateLocale> englishNamesDateLocale();

// A strftime layout ("%m/%d/%y", "%I:%M:%S %p") rewritten in the program's date-format language.
std::string patternFromStrftime(const std::string& layout);

// The locale every formatter uses; the system locale until another is installed.
const DateLocale& currentDateLocale();
std::shared_ptr<const DateLocale> setDateLocale(std::shared_ptr<const DateLocale> locale);

}  // namespace nv

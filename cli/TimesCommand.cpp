#include "TimesCommand.h"

#include <cerrno>
#include <cstring>
#include <ostream>

#include "TimesArguments.h"
#include "TimesRender.h"
#include "TimesRows.h"
#include "VbError.h"

namespace nv {

namespace {

constexpr const char* kUsage = R"(Usage: noorvale-times [options]

Prints the prayer calendar: one row per day with the date and the six times Fajr, Shurooq,
Dhuhr, Asr, Maghrib and Isha, as the Noorvale main window shows them.

The place, the method and the prayers' names are the ones stored by Noorvale (its Customize
dialog), read from ~/.config/Noorvale/registry.reg ($XDG_CONFIG_HOME/Noorvale/registry.reg);
on a first start, before anything is stored, the place is Vellmore, LA (30:23N 91:00W) with the
system's time zone and the method is Custom with 15 degrees for Fajr and Isha, Shafi'i, a
margin of 2 minutes. Each place or method option below replaces that one stored value.

Settings:
  --store FILE           read the settings from FILE instead of the user's store (never written)
Place:
  --name TEXT            the place's name (shown in the header; "Unknown" when --lat or
                         --lon is given without it)
  --lat DD:MMN|S         latitude in degrees and minutes, e.g. 30:23N or 33:52S
  --lon DDD:MME|W        longitude in degrees and minutes, e.g. 91:00W or 151:12E
  --alt METRES           altitude of the place in metres above sea level (0 to 9000)
  --tz H|H:MM|auto|ZONE  time-zone offset east of Greenwich in hours or hours and minutes
                         (-12:00 to +14:00, e.g. 5:30, -3:30, +13); auto for the system's
                         zone, or a zone name such as Asia/Kolkata: then each day takes the
                         zone's offset at its noon, daylight saving included
Method:
  --method 0..5          0 Umm Al-Qura, Makkah; 1 World Islamic League; 2 Egyptian General
                         Organization of Survey; 3 University Of Islamic Sciences, Karachi;
                         4 Islamic Society Of North America (ISNA); 5 Custom / User Defined
  --fajr-angle DEG       custom method: sun's depression at Fajr (0 = use --fajr-minutes);
                         the --fajr-* and --isha-* options alone mean --method 5
  --fajr-minutes MIN     custom method: minutes from Fajr to sunrise
  --isha-angle DEG       custom method: sun's depression at Isha (0 = use --isha-minutes)
  --isha-minutes MIN     custom method: minutes from sunset to Isha
  --asr shafii|hanafi    Asr shadow ratio 1 (Shafi'i) or 2 (Hanafi)
  --margin N             safety margin in minutes, 0 to 5
  --authority NAME       the parameters of an authority's published timetables (its angles or
                         minutes, Maghrib angle, Ramadan rule, Asr rule, adjustments,
                         rounding and seasonal rule) as a custom method, with no margin
                         unless --margin gives one; NAME as --list-authorities shows it
  --list-authorities     the authorities and their parameters
  --shafaq general|red|white
                         the shafaq that ends Isha's season in the seasonal twilight rule of
                         the moonsighting and isna-canada authorities (default: the stored
                         one, else general)
  --adjust P=M,...       minutes added to each named prayer after the method and the margin,
                         -60 to 60, e.g. fajr=+2,sunrise=-7 (fajr, sunrise, dhuhr, asr,
                         maghrib, isha); the others keep the stored (or the authority's)
  --high-lat none|middle|seventh|angle
                         high-latitude rule: Fajr no earlier and Isha no later than the
                         middle, one seventh, or angle/60 of the night from sunset to
                         sunrise; where the sun does not rise or set, sunrise and sunset are
                         taken at 65 degrees latitude (default: the stored rule, else none)
  --astronomy precise|classic
                         the sun's position at each time's own moment (precise, the default),
                         or the day-of-year series of earlier versions (classic)
Days:
  --from YYYY-MM-DD      the start date (default today); 1900-01-01 to 2050-01-01
  --days N               that many days from the start date
  --view today|week|month|year
                         the day, Sunday-to-Saturday week, month or year around the start
                         date, as the main window's views (default week)
Output:
  --dates gregorian|hijri
  --date-format F        mmm d ddd | d mmm ddd | d-mmm | Short Date | Medium Date | Long Date
  --hijri-format F       mmm d ddd | d mmm ddd | d-mmm | d-m-yyyy | m/d/yyyy | Medium Date |
                         Long Date | Both Date1
  --hijri-calendar tabular|umm-al-qura
                         the Hijri calendar of the dates and of a Ramadan rule that follows
                         the chosen calendar: the arithmetical (tabular) one, or Saudi
                         Arabia's Umm Al-Qura (held for 1300 to 1600 AH, 1882 to 2174; the
                         tabular date outside them); default: the one chosen in Noorvale's
                         Options, else tabular. The makkah authority counts Ramadan by Umm
                         Al-Qura whatever this says
  --hijri-adjust DAYS    -2 to 2 days added to the Hijri date, for a community whose month
                         begins when it sights the moon (default: the stored adjustment, else 0)
  --time-format F        hh:mm xx/xx | Short Time | Medium Time | Long Time
  --format text|csv|json json carries per day the date, the six times as seconds after
                         midnight, the formatted texts, the zone offset, whether the times
                         are in order ("ordered") and the high-latitude rule that adjusted
                         them ("highLat", or null); its header the Hijri calendar and the
                         one the Ramadan rule counts by ("chosen" or "umm-al-qura")
  --help                 this text
  --version              the program's version

A day whose times cannot be in order (the sun does not reach the Fajr or Isha angle, does not
set, or does not rise) is marked: a "Note" column in text, a "note" column in csv.

Exit status: 0 done, 1 the output could not be written, 2 a bad argument.
)";

// Flushes the output; a failed write is reported in one line and gives exit status 1.
int finish(std::ostream& out, std::ostream& err) {
    errno = 0;
    out.flush();
    if (out) return 0;
    const int e = errno;
    err << "noorvale-times: cannot write the output" << (e ? std::string(": ") + std::strerror(e) : std::string()) << "\n";
    return 1;
}

}  // namespace

int runTimesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        TimesRequest request;
        ParseTimesArguments(args, request);
        switch (request.action) {
        case TimesAction::Help: out << kUsage; break;
        case TimesAction::ListAuthorities: out << AuthorityList(); break;
        case TimesAction::Version: out << "noorvale-times " << NOORVALE_VERSION << "\n"; break;
        case TimesAction::Calendar: RenderTimesRows(request, ComputeTimesRows(request), out); break;
        }
        return finish(out, err);
    } catch (const BadArgument& e) {
        err << "noorvale-times: " << e.text << "\n";
        return 2;
    } catch (const VbError& e) {
        err << "noorvale-times: " << e.description() << " (" << e.source() << ")\n";
        return 2;
    } catch (const std::exception& e) {
        err << "noorvale-times: " << e.what() << "\n";
        return 2;
    }
}

}  // namespace nv

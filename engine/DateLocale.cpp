#include "DateLocale.h"

#include <langinfo.h>
#include <locale.h>

#include <atomic>
#include <mutex>

namespace nv {

const std::string& TableDateLocale::monthName(int month, bool abbreviated) const {
    static const std::string none;
    if (month < 1 || month > 12) return none;
    return abbreviated ? monthsAbbrev[month - 1] : months[month - 1];
}

const std::string& TableDateLocale::dayName(int weekday, bool abbreviated) const {
    static const std::string none;
    if (weekday < 1 || weekday > 7) return none;
    return abbreviated ? daysAbbrev[weekday - 1] : days[weekday - 1];
}

std::string patternFromStrftime(const std::string& layout) {
    std::string out, literal;
    auto flushLiteral = [&] {
        if (literal.empty()) return;
        out += '"';
        out += literal;
        out += '"';
        literal.clear();
    };
    auto token = [&](const char* t) {
        flushLiteral();
        out += t;
    };
    for (size_t i = 0; i < layout.size(); ++i) {
        const char c = layout[i];
        if (c != '%' || i + 1 >= layout.size()) {
            if (c == '"') continue;  // cannot stand inside a quoted literal; never seen in real layouts
            if (c == ' ' || c == ':' || c == '/' || c == '-' || c == '.' || c == ',') {
                flushLiteral();
                out += c;
            } else {
                literal += c;
            }
            continue;
        }
        char conversion = layout[++i];
        bool unpadded = false;
        while ((conversion == '-' || conversion == '_' || conversion == '0' || conversion == 'E' || conversion == 'O') && i + 1 < layout.size()) {
            unpadded = unpadded || conversion == '-';
            conversion = layout[++i];
        }
        switch (conversion) {
        case 'd': token(unpadded ? "d" : "dd"); break;
        case 'e': token("d"); break;
        case 'm': token(unpadded ? "m" : "mm"); break;
        case 'b': case 'h': token("mmm"); break;
        case 'B': token("mmmm"); break;
        case 'a': token("ddd"); break;
        case 'A': token("dddd"); break;
        case 'y': token("yy"); break;
        case 'Y': token("yyyy"); break;
        case 'H': case 'I': token(unpadded ? "h" : "hh"); break;
        case 'k': case 'l': token("h"); break;
        case 'M': token("nn"); break;
        case 'S': token("ss"); break;
        case 'p': case 'P': token("AMPM"); break;
        case 'r': token("hh:nn:ss AMPM"); break;
        case 'R': token("hh:nn"); break;
        case 'T': token("hh:nn:ss"); break;
        case 'D': token("mm/dd/yy"); break;
        case 'F': token("yyyy-mm-dd"); break;
        case 'n': case 't': literal += ' '; break;
        case '%': literal += '%'; break;
        default: break;  // time zone names and the like have no place in these layouts
        }
    }
    flushLiteral();
    return out;
}

namespace {

class PosixDateLocale : public TableDateLocale {
public:
    // The names from the locale `namesFrom` names ("" the environment's), the layouts from the
    // environment's.
    explicit PosixDateLocale(const char* namesFrom) {
        auto open = [](const char* name) {
            locale_t l = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0));
            return l != static_cast<locale_t>(0) ? l : newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        };
        locale_t names = open(namesFrom);
        locale_t loc = open("");
        auto name = [names](nl_item item) { return std::string(nl_langinfo_l(item, names)); };
        auto info = [loc](nl_item item) { return std::string(nl_langinfo_l(item, loc)); };
        static const nl_item mon[12] = {MON_1, MON_2, MON_3, MON_4, MON_5, MON_6,
                                        MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
        static const nl_item abmon[12] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4, ABMON_5, ABMON_6,
                                          ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
        static const nl_item day[7] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
        static const nl_item abday[7] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};
        for (int i = 0; i < 12; ++i) {
            months[i] = name(mon[i]);
            monthsAbbrev[i] = name(abmon[i]);
        }
        for (int i = 0; i < 7; ++i) {
            days[i] = name(day[i]);
            daysAbbrev[i] = name(abday[i]);
        }
        am = name(AM_STR);
        pm = name(PM_STR);
        if (am.empty()) am = "AM";
        if (pm.empty()) pm = "PM";
        freelocale(names);
        const std::string dateLayout = info(D_FMT);
        shortDate = patternFromStrftime(dateLayout);
        longTime = patternFromStrftime(info(T_FMT));
        // The C library has no long date layout: name the weekday, then write the day before or
        // after the month as the locale's short date does.
        const size_t dayAt = dateLayout.find_first_of("de");
        const size_t monthAt = dateLayout.find_first_of("mbB");
        longDate = dayAt != std::string::npos && monthAt != std::string::npos && dayAt < monthAt
                       ? "dddd, d mmmm yyyy"
                       : "dddd, mmmm d, yyyy";
        freelocale(loc);
    }
};

std::mutex localeMutex;
std::shared_ptr<const DateLocale>& installed() {
    static std::shared_ptr<const DateLocale> locale;
    return locale;
}
std::atomic<const DateLocale*> fastLocale{nullptr};

}  // namespace

std::shared_ptr<const DateLocale> systemDateLocale() { return std::make_shared<PosixDateLocale>(""); }

std::shared_ptr<const DateLocale> englishNamesDateLocale() { return std::make_shared<PosixDateLocale>("C"); }

const DateLocale& currentDateLocale() {
    if (const DateLocale* l = fastLocale.load(std::memory_order_acquire)) return *l;
    std::lock_guard<std::mutex> lock(localeMutex);
    if (!installed()) installed() = systemDateLocale();
    fastLocale.store(installed().get(), std::memory_order_release);
    return *installed();
}

std::shared_ptr<const DateLocale> setDateLocale(std::shared_ptr<const DateLocale> locale) {
    std::lock_guard<std::mutex> lock(localeMutex);
    auto old = installed();
    installed() = locale ? std::move(locale) : systemDateLocale();
    fastLocale.store(installed().get(), std::memory_order_release);
    return old;
}

}  // namespace nv

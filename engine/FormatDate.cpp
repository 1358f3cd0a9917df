#include "FormatDate.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "DateLocale.h"

namespace nv {

namespace {

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool startsWithIgnoreCase(std::string_view s, size_t at, std::string_view prefix) {
    return s.size() - at >= prefix.size() && equalsIgnoreCase(s.substr(at, prefix.size()), prefix);
}

void appendNumber(std::string& out, int value, int minDigits) {
    char buf[16];
    int n = 0;
    unsigned v = static_cast<unsigned>(value < 0 ? -value : value);
    do {
        buf[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (n < minDigits) buf[n++] = '0';
    if (value < 0) out.push_back('-');
    while (n > 0) out.push_back(buf[--n]);
}

// Length of the am/pm token at `at`, or 0.
size_t ampmToken(std::string_view f, size_t at) {
    if (startsWithIgnoreCase(f, at, "AM/PM")) return 5;
    if (startsWithIgnoreCase(f, at, "AMPM")) return 4;
    if (startsWithIgnoreCase(f, at, "A/P")) return 3;
    return 0;
}

size_t runLength(std::string_view f, size_t at) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(f[at])));
    size_t n = 0;
    while (at + n < f.size() && std::tolower(static_cast<unsigned char>(f[at + n])) == c) ++n;
    return n;
}

// The next token of the pattern after `at` that is not literal text, lower-cased, or 0.
char nextFieldLetter(std::string_view f, size_t at) {
    for (size_t i = at; i < f.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(f[i])));
        if (c == '"') {
            const size_t close = f.find('"', i + 1);
            if (close == std::string_view::npos) return 0;
            i = close;
            continue;
        }
        if (c == '\\') {
            ++i;
            continue;
        }
        if (std::strchr("dwmyqhnsct", c) != nullptr || ampmToken(f, i) != 0) return c;
    }
    return 0;
}

void formatPattern(std::string& out, const DateParts& p, DateValue d, std::string_view f, const DateLocale& loc);

void generalDate(std::string& out, const DateParts& p, DateValue d, const DateLocale& loc) {
    const bool hasDate = std::trunc(d) != 0;
    const bool hasTime = p.hour != 0 || p.minute != 0 || p.second != 0;
    if (hasDate || !hasTime) formatPattern(out, p, d, loc.shortDatePattern(), loc);
    if (hasDate && hasTime) out.push_back(' ');
    if (hasTime) formatPattern(out, p, d, loc.longTimePattern(), loc);
}

void formatPattern(std::string& out, const DateParts& p, DateValue d, std::string_view f, const DateLocale& loc) {
    bool twelveHour = false;
    for (size_t i = 0; i < f.size() && !twelveHour; ++i) {
        if (f[i] == '"') {
            const size_t close = f.find('"', i + 1);
            if (close == std::string_view::npos) break;
            i = close;
        } else if (f[i] == '\\') {
            ++i;
        } else if (const size_t n = ampmToken(f, i)) {
            // A locale without designators (a language that reads 24-hour times) keeps the 24-hour clock.
            twelveHour = n != 4 || !loc.amDesignator().empty() || !loc.pmDesignator().empty();
            break;
        }
    }
    const int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
    const int shownHour = twelveHour ? hour12 : p.hour;
    const bool afternoon = p.hour >= 12;
    bool afterHour = false;

    for (size_t i = 0; i < f.size();) {
        const char raw = f[i];
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(raw)));
        if (raw == '"') {
            const size_t close = f.find('"', i + 1);
            const size_t end = close == std::string_view::npos ? f.size() : close;
            out.append(f.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (raw == '\\') {
            if (i + 1 < f.size()) out.push_back(f[i + 1]);
            i += 2;
            continue;
        }
        if (const size_t n = ampmToken(f, i)) {
            if (n == 4) {
                const std::string& designator = afternoon ? loc.pmDesignator() : loc.amDesignator();
                if (designator.empty() && !out.empty() && out.back() == ' ') out.pop_back();  // no blank left behind
                out += designator;
            } else if (n == 5) {  // "AM/PM" keeps the letter case the pattern gives it
                out.append(f.substr(afternoon ? i + 3 : i, 2));
            } else {  // "A/P"
                out.push_back(f[afternoon ? i + 2 : i]);
            }
            i += n;
            continue;
        }
        const size_t n = runLength(f, i);
        switch (c) {
        case 'd':
            if (n == 1) appendNumber(out, p.day, 1);
            else if (n == 2) appendNumber(out, p.day, 2);
            else if (n == 3) out += loc.dayName(weekday(d), true);
            else if (n == 4) out += loc.dayName(weekday(d), false);
            else if (n == 5) formatPattern(out, p, d, loc.shortDatePattern(), loc);
            else formatPattern(out, p, d, loc.longDatePattern(), loc);
            i += n > 6 ? 6 : n;
            afterHour = false;
            continue;
        case 'm': {
            const size_t used = n > 4 ? 4 : n;
            const bool minute = used <= 2 && (afterHour || nextFieldLetter(f, i + used) == 's');
            if (minute) appendNumber(out, p.minute, static_cast<int>(used));
            else if (used <= 2) appendNumber(out, p.month, static_cast<int>(used));
            else out += loc.monthName(p.month, used == 3);
            i += used;
            afterHour = false;
            continue;
        }
        case 'y':
            if (n == 1) {
                appendNumber(out, static_cast<int>(std::trunc(d) - dateSerial(p.year, 1, 1)) + 1, 1);
                i += 1;
            } else if (n < 4) {
                appendNumber(out, p.year % 100, 2);
                i += 2;
            } else {
                appendNumber(out, p.year, 4);
                i += 4;
            }
            afterHour = false;
            continue;
        case 'h':
            appendNumber(out, shownHour, n >= 2 ? 2 : 1);
            i += n >= 2 ? 2 : 1;
            afterHour = true;
            continue;
        case 'n':
            appendNumber(out, p.minute, n >= 2 ? 2 : 1);
            i += n >= 2 ? 2 : 1;
            afterHour = false;
            continue;
        case 's':
            appendNumber(out, p.second, n >= 2 ? 2 : 1);
            i += n >= 2 ? 2 : 1;
            afterHour = false;
            continue;
        case 'w':
            if (n >= 2) {
                const double jan1 = dateSerial(p.year, 1, 1);
                appendNumber(out, static_cast<int>((std::trunc(d) - jan1 + weekday(jan1) - 1) / 7) + 1, 1);
                i += 2;
            } else {
                appendNumber(out, weekday(d), 1);
                i += 1;
            }
            afterHour = false;
            continue;
        case 'q':
            appendNumber(out, (p.month - 1) / 3 + 1, 1);
            i += 1;
            afterHour = false;
            continue;
        case 'c':
            generalDate(out, p, d, loc);
            i += 1;
            afterHour = false;
            continue;
        case 't':
            if (n >= 5) {
                formatPattern(out, p, d, loc.longTimePattern(), loc);
                i += 5;
                continue;
            }
            break;
        default:
            break;
        }
        if (raw == ',') out += loc.comma();  // the language's own comma
        else out.push_back(raw);  // anything else stands for itself, separators included
        ++i;
    }
}

}  // namespace

std::string FormatDate(DateValue d, std::string_view format) {
    const DateLocale& loc = currentDateLocale();
    const DateParts p = splitDate(d);
    std::string out;
    out.reserve(32);
    if (equalsIgnoreCase(format, "Short Date")) formatPattern(out, p, d, loc.shortDatePattern(), loc);
    else if (equalsIgnoreCase(format, "Long Date")) formatPattern(out, p, d, loc.longDatePattern(), loc);
    else if (equalsIgnoreCase(format, "Medium Date")) formatPattern(out, p, d, "dd-mmm-yy", loc);
    else if (equalsIgnoreCase(format, "Long Time")) formatPattern(out, p, d, loc.longTimePattern(), loc);
    else if (equalsIgnoreCase(format, "Medium Time")) formatPattern(out, p, d, "hh:nn AMPM", loc);
    else if (equalsIgnoreCase(format, "Short Time")) formatPattern(out, p, d, "hh:nn", loc);
    else if (equalsIgnoreCase(format, "General Date") || format.empty()) generalDate(out, p, d, loc);
    else formatPattern(out, p, d, format, loc);
    return out;
}

}  // namespace nv

#include "VbConv.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "VbError.h"

namespace nv {

namespace {
constexpr const char* kSource = "Noorvale";

[[noreturn]] void overflow() { raiseError(kErrOverflow, kSource); }
}  // namespace

double roundHalfEven(double value) { return std::nearbyint(value); }

int16_t toInt16(double value) {
    if (std::isnan(value)) overflow();
    const double r = std::nearbyint(value);
    if (r < -32768.0 || r > 32767.0) overflow();
    return static_cast<int16_t>(r);
}

int32_t toInt32(double value) {
    if (std::isnan(value)) overflow();
    const double r = std::nearbyint(value);
    if (r < -2147483648.0 || r > 2147483647.0) overflow();
    return static_cast<int32_t>(r);
}

int16_t narrow16(int64_t value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) overflow();
    return static_cast<int16_t>(value);
}

int32_t narrow32(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) overflow();
    return static_cast<int32_t>(value);
}

int16_t add16(int16_t a, int16_t b) { return narrow16(int64_t{a} + b); }
int16_t sub16(int16_t a, int16_t b) { return narrow16(int64_t{a} - b); }
int16_t mul16(int16_t a, int16_t b) { return narrow16(int64_t{a} * b); }

int64_t intDiv(int64_t a, int64_t b) {
    if (b == 0) raiseError(kErrDivisionByZero, kSource);
    if (a == std::numeric_limits<int64_t>::min() && b == -1) overflow();
    return a / b;  // C++ truncates toward zero
}

int64_t intDiv(double a, double b) {
    const double ra = std::nearbyint(a), rb = std::nearbyint(b);
    if (std::isnan(ra) || std::isnan(rb) || std::fabs(ra) > 9.2e18 || std::fabs(rb) > 9.2e18) overflow();
    return intDiv(static_cast<int64_t>(ra), static_cast<int64_t>(rb));
}

double val(std::string_view text) {
    // Blanks (space, tab, line feed, carriage return) are skipped wherever they stand.
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s.push_back(c);

    size_t i = 0;
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        const int base = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
        if (base == 0) return 0;
        double v = 0;
        for (i = 2; i < s.size(); ++i) {
            const int c = std::toupper(static_cast<unsigned char>(s[i]));
            int digit = -1;
            if (c >= '0' && c <= '9') digit = c - '0';
            else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            if (digit < 0 || digit >= base) break;
            v = v * base + digit;
        }
        return v;
    }

    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number.push_back(c);
            digits = true;
        } else if (c == '.' && !point) {
            number.push_back(c);
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
        size_t start = j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) exponent.push_back(s[j++]);
        if (j > start) number += exponent;
    }
    const double v = std::strtod(number.c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

double cdbl(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) digits = true;
        else if (text[i] == '.' && !point) point = true;
        else break;
    }
    if (digits && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const size_t start = j;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
        if (j > start) i = j;
    }
    if (!digits || i != text.size()) raiseError(kErrTypeMismatch, kSource);
    const double v = std::strtod(std::string(text).c_str(), nullptr);
    if (!std::isfinite(v)) overflow();
    return v;
}

std::string str(int64_t value) {
    std::string text = std::to_string(value);
    if (value >= 0) text.insert(text.begin(), ' ');
    return text;
}

std::string exactText(double value) {
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return std::string(buf, end);
}

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char digit = i + 1 < text.size() ? text[i + 1] : '\0';
        const size_t k = static_cast<size_t>(digit - '1');  // %1 is the first argument
        if (text[i] == '%' && digit >= '1' && digit <= '9' && k < args.size()) {
            out += *(args.begin() + k);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace nv

#include "UpdaterApp.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "MsgBox.h"
#include "Process.h"

namespace nv {

namespace {
std::mutex appMutex;
std::string& appNameStore() {
    static std::string name = "Tarvo";
    return name;
}
}  // namespace

const std::string& AppName() {
    std::lock_guard<std::mutex> lock(appMutex);
    return appNameStore();
}

void SetAppName(std::string name) {
    std::lock_guard<std::mutex> lock(appMutex);
    appNameStore() = std::move(name);
}

std::string ExeFolder() { return ExecutableFolder() + "/"; }

DateValue LocalDateFromTime(time_t t) {
    struct tm tmv {};
    if (!localtime_r(&t, &tmv)) return 0;
    return dateSerial(tmv.tm_year + 1900, tmv.tm_mon + 1, tmv.tm_mday) +
           timeSerial(tmv.tm_hour, tmv.tm_min, tmv.tm_sec);
}

static inline char lowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerChar(a[i]) != lowerChar(b[i])) return false;
    return true;
}

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (auto& c : out) c = lowerChar(c);
    return out;
}

std::string TrimBlanks(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    return std::string(s.substr(b, e - b));
}

std::string CommandLineText(int argc, char** argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

}  // namespace nv

#include "UpdaterApp.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "MsgBox.h"
#include "Process.h"
#include "cCrc32.h"

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

std::string GetTempPath() {
    const char* tmp = std::getenv("TMPDIR");
    std::string path = tmp && *tmp ? std::string(tmp) : std::string("/tmp");
    if (path.back() != '/') path += '/';
    return path;
}

std::string WorkFolderName(const std::string& appFolder) {
    cCrc32 crc;
    crc.AddString(appFolder);
    char tag[16];
    std::snprintf(tag, sizeof tag, "%08x", crc.Checksum());
    return "Tarvo-" + std::to_string(::getuid()) + "-" + tag;
}

std::string WorkFolder(const std::string& tempPath, const std::string& appFolder) {
    if (tempPath.empty()) return {};
    const std::string folder = tempPath + (tempPath.back() == '/' ? "" : "/") + WorkFolderName(appFolder);
    ::mkdir(folder.c_str(), 0700);
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) return {};
    if ((st.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) return {};
    return folder + "/";
}

std::string SelfUpdateHandOver(const std::string& workFolder, const std::string& appFolder, const std::string& program) {
    return workFolder + program + "," + appFolder + program + ",";
}

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

std::vector<std::string> SplitFields(const std::string& text) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        if (comma == std::string::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
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

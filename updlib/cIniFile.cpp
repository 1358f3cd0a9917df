#include "cIniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <functional>
#include <optional>

#include "UpdaterApp.h"
#include "VbConv.h"

namespace nv {

namespace {

constexpr size_t kValueLimit = 254;     // a 255-character buffer less its NUL
constexpr size_t kListBuffer = 8192;    // the buffer of the name lists
constexpr size_t kNumberBuffer = 30;    // the system reads numbers through a 30-character buffer

std::string source() { return AppName() + ".CIniFile"; }

// `description` is marked NV_TRANSLATE_NOOP("cIniFile", ...).
[[noreturn]] void raiseCheck(int32_t number, const char* description) {
    throw VbError(number, source(), Translate("cIniFile", description));
}

template <class F>
auto trapped(const char* procedure, F&& body) -> decltype(body()) {
    (void)procedure;  // every procedure of the class raises with the one class source
    return classTrap(kErrIniFailure, source(), "", NV_TRANSLATE_NOOP("VbError", "CIniFile component failure"), std::forward<F>(body));
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// One INI file as lines, with what each line is.
}  // namespace

struct IniText {
    enum class Kind { Other, Section, Key, Comment };
    struct Line {
        std::string text;
        Kind kind = Kind::Other;
        std::string name;   // section or key name
        std::string value;  // key value (quotes removed)
    };
    std::vector<Line> lines;
    std::string eol = "\r\n";
    bool bom = false;

    static Line classify(std::string text) {
        Line l;
        l.text = std::move(text);
        const std::string_view t = trim(l.text);
        if (t.empty()) return l;
        if (t[0] == ';') {
            l.kind = Kind::Comment;
        } else if (t[0] == '[') {
            l.kind = Kind::Section;
            const size_t close = t.rfind(']');
            l.name = std::string(trim(t.substr(1, close == std::string_view::npos || close == 0 ? std::string_view::npos : close - 1)));
        } else {
            l.kind = Kind::Key;
            const size_t eq = t.find('=');
            if (eq == std::string_view::npos) {
                l.name = std::string(t);
            } else {
                l.name = std::string(trim(t.substr(0, eq)));
                std::string_view v = trim(t.substr(eq + 1));
                if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                    v = v.substr(1, v.size() - 2);
                l.value = std::string(v);
            }
        }
        return l;
    }

    static IniText parse(const std::string& data, const std::function<void()>& pump = {}) {
        IniText ini;
        size_t i = 0;
        if (data.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            ini.bom = true;
            i = 3;
        }
        const size_t firstLf = data.find('\n');
        ini.eol = firstLf == std::string::npos || (firstLf > 0 && data[firstLf - 1] == '\r') ? "\r\n" : "\n";
        while (i < data.size()) {
            size_t e = data.find('\n', i);
            if (e == std::string::npos) e = data.size();
            std::string text = data.substr(i, e - i);
            if (!text.empty() && text.back() == '\r') text.pop_back();
            ini.lines.push_back(classify(std::move(text)));
            i = e + 1;
            if (pump && ini.lines.size() % 8192 == 0) pump();
        }
        return ini;
    }

    std::string serialize() const {
        std::string out = bom ? "\xEF\xBB\xBF" : "";
        for (const auto& l : lines) out += l.text + eol;
        return out;
    }

    // Lines [begin, end) of the first section of that name; the lines before the first header
    // are the section with the empty name.
    std::optional<std::pair<size_t, size_t>> section(std::string_view name) const {
        size_t begin = 0;
        bool found = name.empty();
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].kind != Kind::Section) continue;
            if (found) return std::make_pair(begin, i);
            if (EqualsNoCase(lines[i].name, name)) {
                found = true;
                begin = i + 1;
            }
        }
        if (found) return std::make_pair(begin, lines.size());
        return std::nullopt;
    }

    std::optional<size_t> key(std::string_view sectionName, std::string_view keyName) const {
        const auto s = section(sectionName);
        if (!s) return std::nullopt;
        for (size_t i = s->first; i < s->second; ++i)
            if (lines[i].kind == Kind::Key && EqualsNoCase(lines[i].name, keyName)) return i;
        return std::nullopt;
    }
};

namespace {

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// The file's text; a file that cannot be read reads as empty, as the system's functions do.
std::string readAll(const std::string& path) {
    std::string data;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return data;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
}

// Replaces the file with `data` in one step: a temporary file in the same folder, flushed to
// disk, then renamed over the target (which keeps its permissions). False when it failed; the
// old file is then untouched.
bool writeAtomically(const std::string& path, const std::string& data) {
    std::string target = path;
    std::optional<mode_t> mode;  // an existing file keeps its permissions
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {  // write through a link to the file it names
            char resolved[PATH_MAX];
            if (::realpath(path.c_str(), resolved)) target = resolved;
        }
        if (::stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;
    }
    static std::atomic<unsigned> counter{0};
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tmp = target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);  // the umask applies
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = !mode || ::fchmod(fd, *mode) == 0;
    size_t done = 0;
    while (ok && done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else done += static_cast<size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tmp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

// A key or value as it can stand on one line.
std::string oneLine(std::string s) {
    for (auto& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

// The system's reading of an integer: leading blanks, a sign, an optional 0x, 0o or 0b prefix,
// then the digits of that base up to the first other character, in 32 bits.
int32_t systemInteger(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    unsigned base = 10;
    if (i + 1 < s.size() && s[i] == '0') {
        const char p = s[i + 1];
        if (p == 'x' || p == 'X') base = 16;
        else if (p == 'o' || p == 'O') base = 8;
        else if (p == 'b' || p == 'B') base = 2;
        if (base != 10) i += 2;
    }
    uint32_t v = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        unsigned d;
        if (c >= '0' && c <= '9') d = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f') d = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') d = static_cast<unsigned>(c - 'A' + 10);
        else break;
        if (d >= base) break;
        v = v * base + d;
    }
    return static_cast<int32_t>(negative ? 0u - v : v);
}

// The first `limit` bytes of a text, not ending inside a UTF-8 character.
std::string cutText(const std::string& s, size_t limit) {
    if (s.size() <= limit) return s;
    size_t n = limit;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    return s.substr(0, n);
}

// A NUL-separated name list as the system returns it into a buffer of 8192 characters: when the
// names do not fit, the last one is cut and the list is 8190 characters long.
std::vector<std::string> nameList(const std::vector<std::string>& names) {
    std::string list;
    for (const auto& n : names) {
        list += n;
        list.push_back('\0');
    }
    if (list.size() > kListBuffer - 2) list.resize(kListBuffer - 2);
    std::vector<std::string> out;
    size_t i = 0;
    while (i < list.size()) {
        size_t e = list.find('\0', i);
        if (e == std::string::npos) e = list.size();
        out.push_back(list.substr(i, e - i));
        i = e + 1;
    }
    return out;
}

}  // namespace

const IniText& cIniFile::Parsed() const {
    struct stat st {};
    Stamp now;
    now.path = fileName_;
    if (::stat(fileName_.c_str(), &st) == 0) {
        now.dev = st.st_dev;
        now.ino = st.st_ino;
        now.size = static_cast<uint64_t>(st.st_size);
        now.mtimeNs = int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
        now.ctimeNs = int64_t{st.st_ctim.tv_sec} * 1000000000 + st.st_ctim.tv_nsec;
    }
    if (!parsed_ || !(now == stamp_)) {
        parsed_.reset();
        parsed_ = std::make_shared<const IniText>(IniText::parse(readAll(fileName_), eventPump_));
        stamp_ = now;
    }
    return *parsed_;
}

cIniFile::cIniFile() : fileName_(ExeFolder() + "orven.ini") {}

void cIniFile::Init(const std::string& FileName) { this->FileName(FileName); }

void cIniFile::FileName(const std::string& value) {
    if (value.empty()) raiseCheck(kErrIniInvalidFileName, NV_TRANSLATE_NOOP("cIniFile", "Invalid file name"));
    fileName_ = value;
}

namespace {
void checkF(const std::string& f) {
    if (f.empty()) raiseCheck(kErrIniNotInitialized, NV_TRANSLATE_NOOP("cIniFile", "Object not properly initialized"));
}
void checkX(const std::string& f) {
    if (!fileExists(f)) raiseCheck(kErrIniFileNotFound, NV_TRANSLATE_NOOP("cIniFile", "File not found"));
}
void checkS(const std::string& s) {
    if (s.empty()) raiseCheck(kErrIniInvalidSection, NV_TRANSLATE_NOOP("cIniFile", "Invalid section"));
}
void checkK(const std::string& k) {
    if (k.empty()) raiseCheck(kErrIniInvalidKey, NV_TRANSLATE_NOOP("cIniFile", "Invalid key"));
}
}  // namespace

bool cIniFile::DeleteKey(const std::string& Section, const std::string& Key) {
    checkF(fileName_);
    checkX(fileName_);
    checkS(Section);
    checkK(Key);
    return trapped("DeleteKey", [&] {
        IniText ini = IniText::parse(readAll(fileName_));
        const auto k = ini.key(Section, Key);
        if (!k) return true;  // nothing to remove
        ini.lines.erase(ini.lines.begin() + static_cast<std::ptrdiff_t>(*k));
        parsed_.reset();
        return writeAtomically(fileName_, ini.serialize());
    });
}

bool cIniFile::DeleteSection(const std::string& Section) {
    checkF(fileName_);
    checkX(fileName_);
    checkS(Section);
    return trapped("DeleteSection", [&] {
        IniText ini = IniText::parse(readAll(fileName_));
        const auto s = ini.section(Section);
        if (!s) return true;
        ini.lines.erase(ini.lines.begin() + static_cast<std::ptrdiff_t>(s->first - 1),
                        ini.lines.begin() + static_cast<std::ptrdiff_t>(s->second));
        parsed_.reset();
        return writeAtomically(fileName_, ini.serialize());
    });
}

int32_t cIniFile::EnumerateAllKeys(const std::string& Section, std::vector<std::string>& Keys) {
    checkF(fileName_);
    checkX(fileName_);
    checkS(Section);
    return trapped("EnumerateAllKeys", [&] {
        Keys.clear();
        const IniText& ini = Parsed();
        std::vector<std::string> names;
        if (const auto s = ini.section(Section)) {
            for (size_t i = s->first; i < s->second; ++i)
                if (ini.lines[i].kind == IniText::Kind::Key && !ini.lines[i].name.empty()) names.push_back(ini.lines[i].name);
        }
        Keys = nameList(names);
        return narrow32(static_cast<int64_t>(Keys.size()));
    });
}

int32_t cIniFile::EnumerateAllSections(std::vector<std::string>& Sections) {
    checkF(fileName_);
    checkX(fileName_);
    return trapped("EnumerateAllSections", [&] {
        Sections.clear();
        const IniText& ini = Parsed();
        std::vector<std::string> names;
        for (const auto& l : ini.lines)
            if (l.kind == IniText::Kind::Section) names.push_back(l.name);
        Sections = nameList(names);
        return narrow32(static_cast<int64_t>(Sections.size()));
    });
}

int16_t cIniFile::GetNumericValue(const std::string& Section, const std::string& Key) {
    checkF(fileName_);
    checkX(fileName_);
    return trapped("GetNumericValue", [&] {
        const IniText& ini = Parsed();
        const auto k = ini.key(Section, Key);
        if (!k) return int16_t{-1};
        std::string text = ini.lines[*k].value;
        text = text.substr(0, text.find('\0'));
        text = cutText(text, kNumberBuffer - 1);
        if (text.empty()) return int16_t{-1};
        return narrow16(systemInteger(text));
    });
}

std::string cIniFile::GetStringValue(const std::string& Section, const std::string& Key) {
    checkF(fileName_);
    checkX(fileName_);
    return trapped("GetStringValue", [&] {
        const IniText& ini = Parsed();
        const auto k = ini.key(Section, Key);
        if (!k) return std::string();
        const std::string v = cutText(ini.lines[*k].value, kValueLimit);
        return v.substr(0, v.find('\0'));
    });
}

void cIniFile::SaveNumericValue(const std::string& Section, const std::string& Key, int16_t Value) {
    checkF(fileName_);
    checkS(Section);
    checkK(Key);
    SaveStringValue(Section, Key, std::to_string(Value));
}

void cIniFile::SaveStringValue(const std::string& Section, const std::string& Key, const std::string& Value) {
    checkF(fileName_);
    checkS(Section);
    checkK(Key);
    trapped("SaveStringValue", [&] {
        IniText ini = IniText::parse(readAll(fileName_));
        const std::string section = oneLine(Section), key = oneLine(Key), value = oneLine(Value);
        if (const auto k = ini.key(section, key)) {
            auto& line = ini.lines[*k];
            line = IniText::classify(line.name + "=" + value);
        } else if (const auto s = ini.section(section)) {
            // After the last key of the section (right after its header when it has none).
            size_t at = s->second;
            while (at > s->first && ini.lines[at - 1].kind != IniText::Kind::Key) --at;
            ini.lines.insert(ini.lines.begin() + static_cast<std::ptrdiff_t>(at), IniText::classify(key + "=" + value));
        } else {
            if (!ini.lines.empty() && !trim(ini.lines.back().text).empty()) ini.lines.push_back(IniText::classify(""));
            ini.lines.push_back(IniText::classify("[" + section + "]"));
            ini.lines.push_back(IniText::classify(key + "=" + value));
        }
        parsed_.reset();
        writeAtomically(fileName_, ini.serialize());  // the platform ignores write failures here
    });
}

}  // namespace nv

#include "RegistryStore.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>
#include <set>

#include "Log.h"
#include "MsgBox.h"
#include "Translate.h"
#include "VbConv.h"

namespace nv {

namespace {

constexpr const char* kCurrentUser = "HKEY_CURRENT_USER";
constexpr size_t kMaxLine = 1 << 20;        // a longer line is damage, not a value
constexpr int kHexPerLine = 25;             // bytes per line of a written hex value

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// The full path of a key: the root's name and the subkey's non-empty components.
std::string fullPath(HKEY root, const std::string& subKey) {
    if (root != HKEY_CURRENT_USER) return {};
    std::string path = kCurrentUser;
    size_t i = 0;
    while (i <= subKey.size()) {
        size_t j = subKey.find('\\', i);
        if (j == std::string::npos) j = subKey.size();
        if (j > i) {
            path += '\\';
            path.append(subKey, i, j - i);
        }
        i = j + 1;
    }
    return path;
}

int32_t statusOf(int err) {
    return err == EACCES || err == EPERM || err == EROFS ? ERROR_ACCESS_DENIED : ERROR_WRITE_FAULT;
}

bool writeAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string baseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path names, its symbolic links followed; the last may name a file not made yet.
std::string linkTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char to[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), to, sizeof to);
        if (n <= 0 || static_cast<size_t>(n) >= sizeof to) return path;
        const std::string next(to, static_cast<size_t>(n));
        path = next[0] == '/' ? next : folderOf(path) + "/" + next;
    }
    return path;
}

bool makeFolders(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return true;
        errno = ENOTDIR;
        return false;
    }
    const std::string parent = folderOf(folder);
    if (parent != folder && !makeFolders(parent)) return false;
    return ::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}

// ---- the text format ----

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    return out + "\"";
}

bool printable(const std::string& s) {
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

std::string hexData(uint32_t type, const std::string& bytes) {
    std::string out = type == REG_BINARY ? "hex:" : "hex(" + [&] {
        char b[16];
        std::snprintf(b, sizeof b, "%x", type);
        return std::string(b);
    }() + "):";
    for (size_t i = 0; i < bytes.size(); ++i) {
        char b[4];
        std::snprintf(b, sizeof b, "%02x", static_cast<unsigned char>(bytes[i]));
        out += b;
        if (i + 1 < bytes.size()) {
            out += ',';
            if ((i + 1) % kHexPerLine == 0) out += "\\\n  ";
        }
    }
    return out;
}

std::string valueLine(const std::string& name, const RegData& d) {
    std::string line = name.empty() ? "@" : quoted(name);
    line += '=';
    if (d.type == REG_SZ && printable(d.bytes)) {
        line += quoted(d.bytes);
    } else if (d.isDword()) {
        char b[24];
        std::snprintf(b, sizeof b, "dword:%08x", d.dwordValue());
        line += b;
    } else {
        line += hexData(d.type, d.bytes);
    }
    return line + "\n";
}

// A quoted text starting at s[i] (the opening quote); on success i is past the closing quote.
bool parseQuoted(const std::string& s, size_t& i, std::string& out) {
    if (i >= s.size() || s[i] != '"') return false;
    out.clear();
    for (++i; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\\') {
            if (++i >= s.size()) return false;
            out.push_back(s[i]);
        } else if (c == '"') {
            ++i;
            return true;
        } else {
            out.push_back(c);
        }
    }
    return false;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = lower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

size_t skipBlanks(const std::string& s, size_t i) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return i;
}

// A number of 1 to 8 hex digits.
bool parseHexNumber(const std::string& digits, uint32_t& v) {
    if (digits.empty() || digits.size() > 8) return false;
    v = 0;
    for (char c : digits) {
        const int h = hexDigit(c);
        if (h < 0) return false;
        v = v * 16 + static_cast<uint32_t>(h);
    }
    return true;
}

// Bytes as comma-separated pairs of hex digits ("41,62,63"); none at all is an empty value.
bool parseHexBytes(const std::string& s, std::string& out) {
    out.clear();
    size_t i = skipBlanks(s, 0);
    while (i < s.size()) {
        const int hi = hexDigit(s[i]);
        const int lo = i + 1 < s.size() ? hexDigit(s[i + 1]) : -1;
        if (hi < 0 || lo < 0) return false;
        out.push_back(static_cast<char>(hi * 16 + lo));
        i = skipBlanks(s, i + 2);
        if (i == s.size()) break;
        if (s[i] != ',') return false;
        i = skipBlanks(s, i + 1);
        if (i == s.size()) return false;  // a comma with nothing after it
    }
    return true;
}

// The data part of a value line: "text", dword:XXXXXXXX, hex:.., hex(N):..
bool parseData(const std::string& s, RegData& d, std::string& why) {
    if (!s.empty() && s[0] == '"') {
        size_t i = 0;
        if (!parseQuoted(s, i, d.bytes)) {
            why = "the text has no closing quote";
            return false;
        }
        if (skipBlanks(s, i) != s.size()) {
            why = "something follows the text";
            return false;
        }
        d.type = REG_SZ;
        return true;
    }
    const size_t colon = s.find(':');
    std::string head = s.substr(0, colon);
    for (char& c : head) c = lower(c);
    std::string rest = colon == std::string::npos ? std::string() : s.substr(colon + 1);
    if (colon != std::string::npos && head == "dword") {
        while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
        uint32_t v = 0;
        if (!parseHexNumber(rest, v)) {
            why = "a dword needs 1 to 8 hex digits";
            return false;
        }
        d = RegData::dword(v);
        return true;
    }
    uint32_t type = REG_BINARY;
    const bool hex = colon != std::string::npos &&
                     (head == "hex" || (head.size() > 5 && head.compare(0, 4, "hex(") == 0 && head.back() == ')' &&
                                        parseHexNumber(head.substr(4, head.size() - 5), type)));
    if (!hex) {
        why = "unknown value type";
        return false;
    }
    if (!parseHexBytes(rest, d.bytes)) {
        why = "bad hex bytes";
        return false;
    }
    d.type = type;
    return true;
}

// A value line whose data is hex bytes (which may go on over several lines).
bool isHexValue(const std::string& line) {
    size_t i = 0;
    std::string name;
    if (line.empty() || (line[0] == '@' ? (i = 1, false) : !parseQuoted(line, i, name))) return false;
    i = skipBlanks(line, i);
    if (i >= line.size() || line[i] != '=') return false;
    i = skipBlanks(line, i + 1);
    return line.size() - i >= 3 && lower(line[i]) == 'h' && lower(line[i + 1]) == 'e' && lower(line[i + 2]) == 'x';
}

void trimRight(std::string& s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.pop_back();
}

}  // namespace

bool RegNameLess::operator()(const std::string& a, const std::string& b) const {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const char x = lower(a[i]), y = lower(b[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    return a.size() < b.size();
}

bool sameRegName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

const RegData* RegKey::find(const std::string& name) const {
    for (const auto& [n, d] : values)
        if (sameRegName(n, name)) return &d;
    return nullptr;
}

bool RegKey::set(const std::string& name, const RegData& data) {
    for (auto& [n, d] : values)
        if (sameRegName(n, name)) {
            if (d == data) return false;
            d = data;
            return true;
        }
    values.emplace_back(name, data);
    return true;
}

// ---- parse and serialize ----

std::string RegistryStore::serialize(const RegTree& tree) {
    // A key is written when it holds values or when no other key lies under it, so that every
    // key that exists comes back; the parents of a written key exist by implication.
    std::set<std::string, RegNameLess> parents;
    for (const auto& [path, key] : tree.keys)
        for (size_t i = path.find('\\'); i != std::string::npos; i = path.find('\\', i + 1))
            parents.insert(path.substr(0, i));
    std::string out = "REGEDIT4\n; Noorvale settings, written by Noorvale.\n";
    for (const auto& [path, key] : tree.keys) {
        if (key.values.empty() && parents.count(path)) continue;
        out += "\n[" + key.path + "]\n";
        for (const auto& [name, data] : key.values) out += valueLine(name, data);
    }
    return out;
}

// Reads the text line by line, so that a file of any size is read in little memory: a line
// longer than kMaxLine is passed over as it arrives.
class RegParser {
public:
    RegParser(RegTree& tree, RegLoadReport& report) : tree_(tree), report_(report) { report_.exists = true; }

    // The next bytes of the text, as they come.
    void feed(const char* data, size_t size) {
        if (!zeroSeen_ && std::memchr(data, '\0', size)) {
            zeroSeen_ = true;
            problem(lineNo_ + 1, "zero bytes in the file");
        }
        while (size > 0) {
            const char* nl = static_cast<const char*>(std::memchr(data, '\n', size));
            const size_t n = nl ? static_cast<size_t>(nl - data) : size;
            if (!partTooLong_) {
                if (part_.size() + n > kMaxLine) {
                    partTooLong_ = true;
                    part_.clear();
                } else {
                    part_.append(data, n);
                }
            }
            if (!nl) return;
            physical();
            data = nl + 1;
            size -= n + 1;
        }
    }

    // The end of the text.
    void finish() {
        if (!part_.empty() || partTooLong_) physical();
        if (open_) {  // the last line asked for one more: it stays as it was
            line_ += '\\';
            logical();
        }
    }

private:
    void problem(size_t lineNo, const std::string& why) {
        if (report_.badLines == 0) report_.firstProblem = "line " + std::to_string(lineNo) + ": " + why;
        ++report_.badLines;
        report_.damaged = true;
    }

    // One physical line: a value whose hex data ends in "\" goes on on the next line.
    void physical() {
        ++lineNo_;
        std::string part = std::move(part_);
        part_.clear();
        const bool partTooLong = partTooLong_;
        partTooLong_ = false;
        if (!open_) {
            line_.clear();
            startNo_ = lineNo_;
            tooLong_ = false;
            open_ = true;
        }
        trimRight(part);
        if (!line_.empty()) part.erase(0, skipBlanks(part, 0));
        if (partTooLong || line_.size() + part.size() > kMaxLine) tooLong_ = true;
        if (!tooLong_) line_ += part;
        if (tooLong_ || line_.empty() || line_.back() != '\\' || !isHexValue(line_)) {
            logical();
            return;
        }
        line_.pop_back();
    }

    void logical() {
        open_ = false;
        const size_t startNo = startNo_;
        if (tooLong_) {
            problem(startNo, "a line longer than " + std::to_string(kMaxLine) + " characters");
            return;
        }
        std::string line = std::move(line_);
        line_.clear();
        line.erase(0, skipBlanks(line, 0));
        if (line.empty() || line[0] == ';') return;
        if (!headerSeen_) {
            headerSeen_ = true;
            if (line == "REGEDIT4" || line == "Windows Registry Editor Version 5.00") return;
        }
        if (line[0] == '[') {
            key_ = nullptr;
            if (line.back() != ']') {
                problem(startNo, "a key line without its closing ']'");
                return;
            }
            std::string path = line.substr(1, line.size() - 2);
            const size_t slash = path.find('\\');
            const std::string root = path.substr(0, slash);
            if (!sameRegName(root, kCurrentUser)) {
                problem(startNo, "a key outside HKEY_CURRENT_USER");
                return;
            }
            std::string normal = kCurrentUser;
            if (slash != std::string::npos) normal = fullPath(HKEY_CURRENT_USER, path.substr(slash + 1));
            auto [it, added] = tree_.keys.try_emplace(normal);
            if (added) it->second.path = normal;
            key_ = &it->second;
            return;
        }
        std::string name;
        size_t i = 0;
        if (line[0] == '@') {
            i = 1;
        } else if (!parseQuoted(line, i, name)) {
            problem(startNo, "not a key, a value or a comment");
            return;
        }
        i = skipBlanks(line, i);
        if (i >= line.size() || line[i] != '=') {
            problem(startNo, "a value without '='");
            return;
        }
        i = skipBlanks(line, i + 1);
        RegData data;
        std::string why;
        if (!parseData(line.substr(i), data, why)) {
            problem(startNo, why);
            return;
        }
        if (!key_) {
            problem(startNo, "a value outside any usable key");
            return;
        }
        key_->set(name, data);
    }

    RegTree& tree_;
    RegLoadReport& report_;
    RegKey* key_ = nullptr;
    bool headerSeen_ = false;
    bool zeroSeen_ = false;
    std::string part_;          // the physical line being read
    bool partTooLong_ = false;  // it is longer than any line may be: the rest is passed over
    std::string line_;          // the logical line being joined
    size_t startNo_ = 0, lineNo_ = 0;
    bool tooLong_ = false;
    bool open_ = false;         // line_ goes on on the next physical line
};

RegLoadReport RegistryStore::parse(const std::string& text, RegTree& tree) {
    RegLoadReport report;
    RegParser parser(tree, report);
    parser.feed(text.data(), text.size());
    parser.finish();
    return report;
}

// ---- the store ----

RegistryStore& RegistryStore::instance() {
    static RegistryStore store;
    return store;
}

std::string RegistryStore::defaultFile() {
    std::string base;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd* pw = ::getpwuid(::getuid());
            home = pw ? pw->pw_dir : nullptr;
        }
        base = std::string(home && *home ? home : ".") + "/.config";
    }
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return base + "/Noorvale/registry.reg";
}

std::string RegistryStore::setFile(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::string previous = std::move(chosenFile_);
    chosenFile_ = path;
    loaded_ = false;
    unsaved_.clear();  // they were meant for the other file
    failedError_ = 0;
    told_ = false;
    return previous;
}

std::string RegistryStore::file() {
    std::lock_guard<std::mutex> lock(mutex_);
    return currentPathLocked();
}

std::string RegistryStore::currentPathLocked() { return chosenFile_.empty() ? defaultFile() : chosenFile_; }

RegistryStore::FileStamp RegistryStore::stampOf(const struct stat& st) {
    return FileStamp{true, st.st_dev, st.st_ino, st.st_size,
                     static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

RegistryStore::FileStamp RegistryStore::stampOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? stampOf(st) : FileStamp{};
}

void RegistryStore::refreshLocked() {
    const std::string path = currentPathLocked();
    if (loaded_ && path == loadedPath_ && stampOf(path) == loadedStamp_) return;

    RegTree tree;
    RegLoadReport report;
    FileStamp stamp;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR) {  // there, but not readable: never overwrite it unseen
            report.damaged = true;
            report.firstProblem = std::string("cannot be read: ") + std::strerror(errno);
            stamp = stampOf(path);
        }
    } else {
        struct stat st {};
        bool ok = ::fstat(fd, &st) == 0;
        RegParser parser(tree, report);
        char buf[65536];
        while (ok) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                ok = n == 0;
                break;
            }
            parser.feed(buf, static_cast<size_t>(n));
        }
        const int readErr = errno;
        ::close(fd);
        if (ok) {
            parser.finish();
            stamp = stampOf(st);
        } else {
            report.damaged = true;
            report.firstProblem = std::string("cannot be read: ") + std::strerror(readErr);
            stamp = stampOf(path);
        }
    }
    // What this process changed and could not write yet stays in effect over what the file holds.
    for (const Change& c : unsaved_) {
        auto [it, added] = tree.keys.try_emplace(c.key);
        if (added) it->second.path = c.key;
        it->second.set(c.name, c.data);
    }
    tree_ = std::move(tree);
    report_ = report;
    loadedPath_ = path;
    loadedStamp_ = stamp;
    loaded_ = true;
    damagedOnDisk_ = report.damaged;
}

std::optional<RegData> RegistryStore::query(HKEY root, const std::string& subKey, const std::string& name) {
    if (root != HKEY_CURRENT_USER) return std::nullopt;
    const std::string path = fullPath(root, subKey);
    std::lock_guard<std::mutex> lock(mutex_);
    refreshLocked();
    const auto it = tree_.keys.find(path);
    if (it == tree_.keys.end()) return std::nullopt;
    const RegData* d = it->second.find(name);
    if (!d) return std::nullopt;
    return *d;
}

bool RegistryStore::keyExists(HKEY root, const std::string& subKey) {
    if (root != HKEY_CURRENT_USER) return false;
    const std::string path = fullPath(root, subKey);
    std::lock_guard<std::mutex> lock(mutex_);
    refreshLocked();
    // The key itself, or a key under it (its parents exist by implication); both sort from
    // `path` on, among the keys that begin with it.
    for (auto it = tree_.keys.lower_bound(path); it != tree_.keys.end(); ++it) {
        const std::string& k = it->first;
        if (k.size() < path.size() || !sameRegName(k.substr(0, path.size()), path)) break;
        if (k.size() == path.size() || k[path.size()] == '\\') return true;
    }
    return false;
}

RegLoadReport RegistryStore::lastLoad() {
    std::lock_guard<std::mutex> lock(mutex_);
    refreshLocked();
    return report_;
}

bool RegistryStore::unsaved() {
    std::lock_guard<std::mutex> lock(mutex_);
    return !unsaved_.empty();
}

int RegistryStore::lastSaveError() {
    std::lock_guard<std::mutex> lock(mutex_);
    return failedError_;
}

// Between processes: one writer at a time, each starting from what the last one wrote. Where no
// lock file can be made (a read-only folder) the write goes on without one, and fails there.
void RegistryStore::takeLockLocked() {
    if (holding_) return;
    heldPath_ = currentPathLocked();
    makeFolders(folderOf(heldPath_));
    lockFd_ = ::open((heldPath_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ >= 0)
        while (::flock(lockFd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    holding_ = true;
    refreshLocked();
}

int32_t RegistryStore::set(HKEY root, const std::string& subKey, const std::string& name, const RegData& data) {
    if (root == HKEY_LOCAL_MACHINE) return ERROR_ACCESS_DENIED;
    if (root != HKEY_CURRENT_USER) return ERROR_INVALID_HANDLE;
    const std::string keyPath = fullPath(root, subKey);
    std::optional<SaveFailure> failure;
    int32_t status = ERROR_SUCCESS;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        takeLockLocked();
        auto [it, added] = tree_.keys.try_emplace(keyPath);
        if (added) it->second.path = keyPath;
        if (it->second.set(name, data)) {
            auto same = [&](const Change& c) { return c.key == keyPath && sameRegName(c.name, name); };
            unsaved_.erase(std::remove_if(unsaved_.begin(), unsaved_.end(), same), unsaved_.end());
            unsaved_.push_back(Change{keyPath, name, data});
        }
        if (batchDepth_ > 0) return ERROR_SUCCESS;
        // Also when this value was stored already: what an earlier write could not save goes now.
        if (!unsaved_.empty()) status = writeLocked(heldPath_);
        releaseLockLocked();
        failure = failureToTellLocked(status);
    }
    tell(failure);
    return status;
}

void RegistryStore::releaseLockLocked() {
    if (lockFd_ >= 0) ::close(lockFd_);  // releases the lock
    lockFd_ = -1;
    holding_ = false;
}

void RegistryStore::beginBatch() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++batchDepth_;
}

int32_t RegistryStore::endBatch() {
    std::optional<SaveFailure> failure;
    int32_t status = ERROR_SUCCESS;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (batchDepth_ == 0 || --batchDepth_ > 0) return ERROR_SUCCESS;
        if (holding_ && !unsaved_.empty()) status = writeLocked(heldPath_);
        if (holding_) releaseLockLocked();
        failure = failureToTellLocked(status);
    }
    tell(failure);
    return status;
}

int32_t RegistryStore::saveNow() {
    std::optional<SaveFailure> failure;
    int32_t status = ERROR_SUCCESS;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (unsaved_.empty() || batchDepth_ > 0) return ERROR_SUCCESS;  // a batch writes when it ends
        takeLockLocked();
        status = writeLocked(heldPath_);
        releaseLockLocked();
        failure = failureToTellLocked(status);
    }
    tell(failure);
    return status;
}

std::optional<SaveFailure> RegistryStore::failureToTellLocked(int32_t status) {
    if (status == ERROR_SUCCESS || told_) return std::nullopt;
    told_ = true;
    return SaveFailure{currentPathLocked(), failedError_};
}

RegistryStore::SaveFailureHandler RegistryStore::setSaveFailureHandler(SaveFailureHandler handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    SaveFailureHandler previous = std::move(failureHandler_);
    failureHandler_ = std::move(handler);
    return previous;
}

void RegistryStore::tell(const std::optional<SaveFailure>& failure) {
    if (!failure) return;
    SaveFailureHandler handler;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        handler = failureHandler_;
    }
    if (handler) handler(*failure);
    else MsgBox(saveFailureText(*failure), vbExclamation);
}

std::string RegistryStore::saveFailureText(const SaveFailure& failure) {
    std::string why;
    switch (failure.error) {
    case EROFS:
        why = Translate("Settings", "the disk it is on is read-only");
        break;
    case EACCES:
    case EPERM:
        why = Translate("Settings", "you may not write in its folder");
        break;
    case ENOSPC:
    case EDQUOT:
        why = Translate("Settings", "the disk is full");
        break;
    default:
        why = std::strerror(failure.error);
    }
    //: %1 the settings file, %2 why it could not be written ("the disk is full").
    return FillIn(Translate("Settings", "Your settings could not be saved in %1: %2.\n\nThe changes stay in effect "
                                        "while Noorvale runs, and are saved as soon as the file can be written."),
                  {failure.file, why});
}

int32_t RegistryStore::writeLocked(const std::string& path) {
    const int err = writeFileLocked(path);
    if (err != 0) {
        failedError_ = err;
        return statusOf(err);
    }
    unsaved_.clear();
    failedError_ = 0;
    told_ = false;
    return ERROR_SUCCESS;
}

int RegistryStore::writeFileLocked(const std::string& path) {
    // Through a symbolic link to the file it names, so that the link stays.
    const std::string target = linkTarget(path);
    const std::string folder = folderOf(target);
    const std::string base = baseName(target);
    if (!makeFolders(folder)) return errno;

    // A damaged file is set aside, once, before anything replaces it: a second name for it
    // (the store keeps its own until the new text is renamed over it, so a kill in between loses
    // nothing), or, where the file system has no second names, a rename.
    if (damagedOnDisk_ && loadedStamp_.exists) {
        struct stat current {};
        if (::stat(target.c_str(), &current) != 0) return errno;
        if (!S_ISREG(current.st_mode)) return EISDIR;  // a folder or a device is never replaced
        char stamp[32];
        const std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
        std::string aside = target + ".damaged-" + stamp;
        int err = 0;
        for (int n = 2; n < 1000; ++n) {
            err = ::link(target.c_str(), aside.c_str()) == 0 ? 0 : errno;
            if (err == EPERM || err == EXDEV || err == ENOTSUP || err == EMLINK) {
                struct stat st {};
                err = ::lstat(aside.c_str(), &st) == 0 ? EEXIST : ::rename(target.c_str(), aside.c_str()) == 0 ? 0 : errno;
            }
            if (err != EEXIST) break;
            aside = target + ".damaged-" + stamp + "-" + std::to_string(n);
        }
        if (err != 0) return err;
        //: %1 the settings file, %2 what was wrong in it ("line 12: ..."), %3 the copy of it that is kept.
        qCWarning(lcSettings).noquote()
            << QString::fromStdString(FillIn(Translate("Settings", "Noorvale: the settings file %1 was damaged (%2); "
                                                                   "what could be read is kept, and the damaged file "
                                                                   "is kept as %3"),
                                             {target, report_.firstProblem, aside}));
        damagedOnDisk_ = false;
    }

    // Temporary files left by writers that were killed before their rename.
    if (DIR* dir = ::opendir(folder.c_str())) {
        const std::string prefix = base + ".";
        while (const dirent* e = ::readdir(dir)) {
            const std::string n = e->d_name;
            if (n.size() <= prefix.size() + 4 || n.compare(0, prefix.size(), prefix) != 0 ||
                n.compare(n.size() - 4, 4, ".tmp") != 0)
                continue;
            const std::string pid = n.substr(prefix.size(), n.size() - prefix.size() - 4);
            if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9) continue;
            const pid_t p = static_cast<pid_t>(std::stol(pid));
            if (p != ::getpid() && ::kill(p, 0) != 0 && errno == ESRCH) ::unlink((folder + "/" + n).c_str());
        }
        ::closedir(dir);
    }

    // The new text reaches the disk before the rename makes it the store, so the store is
    // always a whole file: the old one or the new one. (The folder is not flushed: after a power
    // cut the rename itself may be lost, which leaves the old file; it would cost each write
    // some 8 ms more.)
    // The file keeps the permissions it was given.
    const std::string temp = target + "." + std::to_string(::getpid()) + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
    bool ok = writeAll(fd, serialize(tree_)) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok || ::rename(temp.c_str(), target.c_str()) != 0) {
        if (ok) err = errno;
        ::unlink(temp.c_str());
        return err != 0 ? err : EIO;
    }
    loadedPath_ = path;
    loadedStamp_ = stampOf(path);
    report_ = RegLoadReport{true, false, 0, {}};
    return 0;
}

}  // namespace nv

#include "RegistryText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <set>

namespace nv {

namespace {

constexpr const char* kCurrentUser = "HKEY_CURRENT_USER";
constexpr size_t kMaxLine = 1 << 20;        // a longer line is damage, not a value
constexpr int kHexPerLine = 25;             // bytes per line of a written hex value

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

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

std::string regKeyPath(HKEY root, const std::string& subKey) {
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

// ---- writing ----

std::string regText(const RegTree& tree) {
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

// ---- reading ----

RegParser::RegParser(RegTree& tree, RegLoadReport& report) : tree_(tree), report_(report) { report_.exists = true; }

void RegParser::feed(const char* data, size_t size) {
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

void RegParser::finish() {
    if (!part_.empty() || partTooLong_) physical();
    if (open_) {  // the last line asked for one more: it stays as it was
        line_ += '\\';
        logical();
    }
}

void RegParser::problem(size_t lineNo, const std::string& why) {
    if (report_.badLines == 0) report_.firstProblem = "line " + std::to_string(lineNo) + ": " + why;
    ++report_.badLines;
    report_.damaged = true;
}

void RegParser::physical() {
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

void RegParser::logical() {
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
        if (slash != std::string::npos) normal = regKeyPath(HKEY_CURRENT_USER, path.substr(slash + 1));
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

RegLoadReport parseRegText(const std::string& text, RegTree& tree) {
    RegLoadReport report;
    RegParser parser(tree, report);
    parser.feed(text.data(), text.size());
    parser.finish();
    return report;
}

}  // namespace nv

#include "SettingsFile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace nv {

namespace {

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// A quoted text at s[i] (the opening quote), its "\" escapes undone; on success i is past the
// closing quote.
bool quotedAt(const std::string& s, size_t& i, std::string& out) {
    if (i >= s.size() || s[i] != '"') return false;
    out.clear();
    for (++i; i < s.size(); ++i) {
        if (s[i] == '\\') {
            if (++i >= s.size()) return false;
            out.push_back(s[i]);
        } else if (s[i] == '"') {
            ++i;
            return true;
        } else {
            out.push_back(s[i]);
        }
    }
    return false;
}

std::string trimmed(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

}  // namespace

std::string DefaultSettingsFile() {
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

std::string ReadSettingsText(const std::string& file, const std::string& key, const std::string& name) {
    std::ifstream in(file, std::ios::binary);
    const std::string wanted = "[HKEY_CURRENT_USER\\" + key + "]";
    std::string line, value;
    bool inKey = false;
    while (std::getline(in, line)) {
        line = trimmed(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            inKey = sameName(line, wanted);
            continue;
        }
        if (!inKey) continue;
        size_t i = 0;
        std::string lineName, text;
        if (!quotedAt(line, i, lineName) || !sameName(lineName, name)) continue;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size() || line[i] != '=') continue;
        ++i;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        // Only a plain text counts; a number or hex data is no text.
        value = quotedAt(line, i, text) && trimmed(line.substr(i)).empty() ? text : std::string();
    }
    return value;
}

}  // namespace nv

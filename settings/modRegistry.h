// The registry: the settings store every part of Noorvale reads and writes its values through.
// Keys are a root plus a subkey path with "\" separators; values are text (REG_SZ,
// REG_EXPAND_SZ), 32-bit numbers (REG_DWORD) or of another type. The store lives per user in
// one text file (see RegistryStore.h). The placement of windows and controls is kept through
// it by WindowPlacement.h. Nothing here ever raises: a failed read gives the
// caller's default, a failed write returns a non-zero status.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "SettingsFile.h"

namespace nv {

using HKEY = uint32_t;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

// kNoorvaleKey, the base key of all of Noorvale's settings, comes with SettingsFile.h.

// What a read gives: the stored text or number, or the caller's default with its own type.
class RegValue {
public:
    RegValue() : v_(int32_t{0}) {}
    RegValue(int32_t n) : v_(n) {}  // int, int16_t and bool come here too
    RegValue(double d) : v_(d) {}
    RegValue(std::string s) : v_(std::move(s)) {}
    RegValue(const char* s) : v_(std::string(s)) {}

    bool isText() const { return std::holds_alternative<std::string>(v_); }
    bool isNumber() const { return !isText(); }
    // Conversions as the callers make them: a text converts through its numeric value, a
    // number to text as the platform writes it; out-of-range narrowing raises Overflow.
    int32_t toLong() const;
    int16_t toInt() const;
    double toDouble() const;
    std::string toText() const;
    bool operator==(const RegValue& other) const { return v_ == other.v_; }

private:
    std::variant<int32_t, double, std::string> v_;
};

RegValue ReadRegValue(HKEY root, const std::string& subKey, const std::string& name, const RegValue& defaultValue);
int32_t WriteRegString(HKEY root, const std::string& subKey, const std::string& name, const std::string& text);
int32_t WriteRegLong(HKEY root, const std::string& subKey, const std::string& name, int32_t value);
// The text up to, not including, its first zero character.
std::string TrimNull(const std::string& text);

}  // namespace nv

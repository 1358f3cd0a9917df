#include "modRegistry.h"

#include <cmath>
#include <cstdio>

#include "RegistryStore.h"
#include "VbConv.h"
#include "VbError.h"

namespace nv {

int32_t RegValue::toLong() const {
    if (const auto* n = std::get_if<int32_t>(&v_)) return *n;
    if (const auto* d = std::get_if<double>(&v_)) return toInt32(*d);
    return toInt32(val(std::get<std::string>(v_)));
}

int16_t RegValue::toInt() const {
    if (const auto* n = std::get_if<int32_t>(&v_)) return narrow16(*n);
    if (const auto* d = std::get_if<double>(&v_)) return toInt16(*d);
    return toInt16(val(std::get<std::string>(v_)));
}

double RegValue::toDouble() const {
    if (const auto* n = std::get_if<int32_t>(&v_)) return *n;
    if (const auto* d = std::get_if<double>(&v_)) return *d;
    return val(std::get<std::string>(v_));
}

std::string RegValue::toText() const {
    if (const auto* n = std::get_if<int32_t>(&v_)) return std::to_string(*n);
    if (const auto* d = std::get_if<double>(&v_)) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.15g", *d);
        return buf;
    }
    return std::get<std::string>(v_);
}

std::string TrimNull(const std::string& text) {
    const size_t zero = text.find('\0');
    return zero == std::string::npos ? text : text.substr(0, zero);
}

RegValue ReadRegValue(HKEY root, const std::string& subKey, const std::string& name, const RegValue& defaultValue) {
    RegValue result = defaultValue;
    resumeNext([&] {
        const std::optional<RegData> d = RegistryStore::instance().query(root, subKey, name);
        if (!d) return;
        if (d->type == REG_SZ || d->type == REG_EXPAND_SZ) {
            // The value read into a buffer one blank longer than its size, trailing blanks
            // removed, then cut at its first zero.
            std::string text = d->bytes + ' ';
            size_t end = text.size();
            while (end > 0 && text[end - 1] == ' ') --end;
            result = RegValue(TrimNull(text.substr(0, end)));
        } else if (d->isDword()) {
            result = RegValue(static_cast<int32_t>(d->dwordValue()));
        }
    });
    return result;
}

int32_t WriteRegString(HKEY root, const std::string& subKey, const std::string& name, const std::string& text) {
    int32_t status = ERROR_WRITE_FAULT;
    resumeNext([&] { status = RegistryStore::instance().set(root, subKey, name, RegData{REG_SZ, text}); });
    return status;
}

int32_t WriteRegLong(HKEY root, const std::string& subKey, const std::string& name, int32_t value) {
    int32_t status = ERROR_WRITE_FAULT;
    resumeNext([&] {
        status = RegistryStore::instance().set(root, subKey, name, RegData::dword(static_cast<uint32_t>(value)));
    });
    return status;
}

}  // namespace nv

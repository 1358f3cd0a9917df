#include "cCrc32.h"

#include <cstring>

#include "UpdaterApp.h"

namespace nv {

namespace {
template <class F>
auto trapped(F&& body) -> decltype(body()) {
    return classTrap(kErrCrc32Failure, AppName() + ".CCrc32", "", NV_TRANSLATE_NOOP("VbError", "CCrc32 component failure"), std::forward<F>(body));
}
}  // namespace

cCrc32::cCrc32() {
    trapped([&] { Init(); });
}

void cCrc32::Init(uint32_t Seed, uint32_t Precondition) noexcept {
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t v = n;
        for (int k = 0; k < 8; ++k) v = (v & 1u) ? (v >> 1) ^ Seed : v >> 1;
        table_[0][n] = v;
    }
    for (size_t t = 1; t < table_.size(); ++t)
        for (uint32_t n = 0; n < 256; ++n) table_[t][n] = (table_[t - 1][n] >> 8) ^ table_[0][table_[t - 1][n] & 0xFFu];
    register_ = Precondition;
}

void cCrc32::AddString(std::string_view StringValue) noexcept { AddBytes(StringValue.data(), StringValue.size()); }

void cCrc32::AddBytes(const void* data, size_t size) noexcept {
    const auto* p = static_cast<const unsigned char*>(data);
    uint32_t r = register_;
    const auto& t = table_;
    // Eight bytes a step (slicing-by-8); bytes are combined in little-endian order explicitly,
    // so the result does not depend on the machine's byte order.
    while (size >= 8) {
        const uint32_t lo = r ^ (uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24);
        const uint32_t hi = uint32_t{p[4]} | uint32_t{p[5]} << 8 | uint32_t{p[6]} << 16 | uint32_t{p[7]} << 24;
        r = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^
            t[3][hi & 0xFF] ^ t[2][(hi >> 8) & 0xFF] ^ t[1][(hi >> 16) & 0xFF] ^ t[0][hi >> 24];
        p += 8;
        size -= 8;
    }
    while (size--) r = (r >> 8) ^ t[0][(r ^ *p++) & 0xFFu];
    register_ = r;
}

std::string cCrc32::Value() const {
    return trapped([&] { return std::to_string(static_cast<int32_t>(~register_)); });
}

}  // namespace nv

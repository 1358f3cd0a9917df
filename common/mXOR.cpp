#include "mXOR.h"

namespace nv {

static_assert(kScrambleKey != 0 && kScrambleKey < 0x20, "the scramble key must be non-zero and below 0x20");

namespace {

// Length of the valid UTF-8 character starting at s[i], or 0 when none starts there.
size_t validCharLength(std::string_view s, size_t i) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    const size_t left = s.size() - i;
    const auto cont = [&](size_t k) { return (b(k) & 0xC0) == 0x80; };
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return left >= 2 && cont(i + 1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (left < 3 || !cont(i + 1) || !cont(i + 2)) return 0;
        if (c == 0xE0 && b(i + 1) < 0xA0) return 0;   // overlong
        if (c == 0xED && b(i + 1) >= 0xA0) return 0;  // surrogate
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (left < 4 || !cont(i + 1) || !cont(i + 2) || !cont(i + 3)) return 0;
        if (c == 0xF0 && b(i + 1) < 0x90) return 0;  // overlong
        if (c == 0xF4 && b(i + 1) >= 0x90) return 0;  // beyond U+10FFFF
        return 4;
    }
    return 0;
}

}  // namespace

std::string Scramble(std::string_view value) {
    std::string out(value);
    size_t i = 0;
    while (i < out.size()) {
        const size_t n = validCharLength(out, i);
        if (n == 0) {
            ++i;  // not a character: left as it is
            continue;
        }
        // The key is below 0x20, so XORing the code point's low bits only touches the low bits of
        // the last byte of its encoding (ASCII: the byte itself; otherwise a continuation byte,
        // whose six payload bits hold the code's lowest bits). The encoding stays valid.
        out[i + n - 1] = static_cast<char>(static_cast<unsigned char>(out[i + n - 1]) ^ kScrambleKey);
        i += n;
    }
    return out;
}

std::string Scramble(int64_t value) { return Scramble(std::to_string(value)); }

}  // namespace nv

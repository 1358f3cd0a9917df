#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "cCrc32.h"

using namespace nv;

namespace {
// The classic algorithm, one byte at a time.
uint32_t referenceCrc(const std::string& s, uint32_t seed = 0xEDB88320u, uint32_t pre = 0xFFFFFFFFu) {
    uint32_t table[256];
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t v = n;
        for (int k = 0; k < 8; ++k) v = (v & 1) ? (v >> 1) ^ seed : v >> 1;
        table[n] = v;
    }
    uint32_t r = pre;
    for (unsigned char c : s) r = (r >> 8) ^ table[(r ^ c) & 0xFF];
    return ~r;
}

std::string hex(const std::string& decimal) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", static_cast<uint32_t>(std::stol(decimal)));
    return buf;
}
}  // namespace

TEST(Crc32, CheckValueOf123456789) {
    cCrc32 crc;
    crc.AddString("123456789");
    EXPECT_EQ(crc.Value(), "-873187034");
    EXPECT_EQ(hex(crc.Value()), "CBF43926");
}

TEST(Crc32, EmptyTextGivesZero) {
    cCrc32 crc;
    EXPECT_EQ(crc.Value(), "0");
    crc.AddString("");
    EXPECT_EQ(crc.Value(), "0");
}

TEST(Crc32, TwoPartsEqualOne) {
    cCrc32 a, b;
    a.AddString("1234");
    a.AddString("56789");
    b.AddString("123456789");
    EXPECT_EQ(a.Value(), b.Value());
}

TEST(Crc32, ValueDoesNotChangeTheRegister) {
    cCrc32 crc;
    crc.AddString("1234");
    const std::string first = crc.Value();
    EXPECT_EQ(crc.Value(), first);
    crc.AddString("56789");
    EXPECT_EQ(crc.Value(), "-873187034");
}

TEST(Crc32, PositiveChecksumsHaveNoSignOrBlank) {
    cCrc32 crc;
    crc.AddString("a");  // E8B7BE43: negative; "abc" 352441C2: positive
    EXPECT_EQ(crc.Value(), std::to_string(static_cast<int32_t>(0xE8B7BE43u)));
    cCrc32 c2;
    c2.AddString("abc");
    EXPECT_EQ(c2.Value(), std::to_string(0x352441C2));
}

TEST(Crc32, AnyBytesAnyLengthAnySplitMatchTheByteAtATimeAlgorithm) {
    std::mt19937 rng(1);
    for (int n = 0; n < 300; ++n) {
        std::string s(rng() % 300, '\0');
        for (auto& c : s) c = static_cast<char>(rng());
        const size_t cut = s.empty() ? 0 : rng() % s.size();
        cCrc32 crc;
        crc.AddString(s.substr(0, cut));
        crc.AddString(s.substr(cut));
        ASSERT_EQ(crc.Checksum(), referenceCrc(s)) << n;
        ASSERT_EQ(crc.Value(), std::to_string(static_cast<int32_t>(referenceCrc(s))));
    }
}

TEST(Crc32, InitTakesAnotherPolynomialAndPrecondition) {
    cCrc32 crc;
    crc.Init(0x82F63B78u, 0xFFFFFFFFu);  // CRC-32C (Castagnoli)
    crc.AddString("123456789");
    EXPECT_EQ(crc.Checksum(), 0xE3069283u);
    crc.Init(0xEDB88320u, 0);
    crc.AddString("xyz");
    EXPECT_EQ(crc.Checksum(), referenceCrc("xyz", 0xEDB88320u, 0));
}

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "mXOR.h"

using namespace nv;

TEST(Scramble, TwiceGivesTheTextBack) {
    for (const std::string& t : std::vector<std::string>{"", "a", "http://127.0.0.1:8080/up/tarvo.ini,Noorvale,Noorvale,4", "نور ڤال ✓ 𝄞",
                                std::string("\x00\x1f\x7f", 3)}) {
        EXPECT_EQ(Scramble(Scramble(t)), t) << t;
        EXPECT_EQ(Scramble(t).size(), t.size()) << t;
    }
    EXPECT_EQ(Scramble(""), "");
}

TEST(Scramble, ChangesEveryCharacterAndNoCommaStays) {
    const std::string plain = "a,b,c,4";
    const std::string s = Scramble(plain);
    ASSERT_EQ(s.size(), plain.size());
    for (size_t i = 0; i < s.size(); ++i) EXPECT_NE(s[i], plain[i]);
    EXPECT_EQ(s.find(','), std::string::npos);
    EXPECT_NE(kScrambleKey, 0);
}

TEST(Scramble, ConcatenationIsTheConcatenationOfTheScrambledForms) {
    const std::string a = "/tmp/Tarvo,/opt/Noorvale/Tarvo,", b = "ۏ́x,y,z,4";
    EXPECT_EQ(Scramble(a + b), Scramble(a) + Scramble(b));
}

TEST(Scramble, KeepsUtf8ValidAndCharacterCounts) {
    const std::string t = "Ünïcödé مرحبا 日本 😀";
    const std::string s = Scramble(t);
    EXPECT_NE(s, t);
    // Same lead bytes in the same places: every character keeps its encoded length.
    for (size_t i = 0; i < t.size(); ++i)
        EXPECT_EQ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80, (static_cast<unsigned char>(t[i]) & 0xC0) == 0x80);
    // The character codes differ by the key in the low bits only: é (U+00E9) becomes U+00F6 (ö).
    EXPECT_EQ(Scramble("\xC3\xA9"), "\xC3\xB6");
}

TEST(Scramble, NumbersAreConvertedToTextFirst) {
    EXPECT_EQ(Scramble(int64_t{-12}), Scramble("-12"));
}

TEST(Scramble, RandomBytesRoundTripAndConcatenate) {
    std::mt19937 rng(7);
    for (int n = 0; n < 2000; ++n) {
        std::string a(rng() % 24, '\0'), b(rng() % 24, '\0');
        for (auto& c : a) c = static_cast<char>(rng());
        for (auto& c : b) c = static_cast<char>(rng() % 3 == 0 ? rng() : 0x80 | (rng() & 0x3F));
        ASSERT_EQ(Scramble(Scramble(a)), a);
        ASSERT_EQ(Scramble(a).size(), a.size());
        // Concatenation holds whenever the joint does not turn two broken halves into one character.
        if (!a.empty() && static_cast<unsigned char>(a.back()) < 0x80) {
            ASSERT_EQ(Scramble(a + b), Scramble(a) + Scramble(b));
        }
    }
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VbConv.h"
#include "VbError.h"

using namespace nv;

TEST(VbConv, RoundsHalvesToEvenIntoSixteenAndThirtyTwoBits) {
    EXPECT_EQ(toInt16(0.5), 0);
    EXPECT_EQ(toInt16(1.5), 2);
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(-3.5), -4);
    EXPECT_EQ(toInt16(2.500001), 3);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.0), static_cast<int32_t>(-2147483648LL));
}

TEST(VbConv, OutOfRangeIsOverflowErrorSix) {
    for (double v : {32767.5, -32768.6, 40000.0, 1e300}) {
        try {
            toInt16(v);
            FAIL() << v;
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), 6);
            EXPECT_EQ(e.description(), "Overflow");
        }
    }
    EXPECT_THROW(toInt32(2147483647.5), VbError);
    EXPECT_THROW(mul16(2185, 15), VbError);
    EXPECT_EQ(mul16(2184, 15), 32760);
    EXPECT_THROW(add16(32767, 1), VbError);
    EXPECT_THROW(narrow16(-32769), VbError);
}

TEST(VbConv, IntegerDivisionTruncatesTowardZeroAfterRounding) {
    EXPECT_EQ(intDiv(int64_t{7}, 2), 3);
    EXPECT_EQ(intDiv(int64_t{-7}, 2), -3);
    EXPECT_EQ(intDiv(int64_t{99}, 100), 0);
    EXPECT_EQ(intDiv(int64_t{-199}, 100), -1);
    EXPECT_EQ(intDiv(7.5, 2.0), 4);   // 7.5 rounds to 8
    EXPECT_EQ(intDiv(6.5, 2.0), 3);   // 6.5 rounds to 6
    try {
        intDiv(int64_t{1}, 0);
        FAIL();
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 11);
    }
}

TEST(VbConv, NumericValueOfTextIsItsLeadingNumber) {
    EXPECT_EQ(val("12abc"), 12);
    EXPECT_EQ(val("abc"), 0);
    EXPECT_EQ(val(""), 0);
    EXPECT_EQ(val("  -3.5 "), -3.5);
    EXPECT_EQ(val("1 2 3"), 123);
    EXPECT_EQ(val("1.5e2x"), 150);
    EXPECT_EQ(val("2e"), 2);
    EXPECT_EQ(val("&HFF"), 255);
    EXPECT_EQ(val("&O17"), 15);
    EXPECT_EQ(val("-"), 0);
    EXPECT_EQ(val("1e999"), 0);
}

TEST(VbConv, NumberToTextPutsABlankBeforeNonNegative) {
    EXPECT_EQ(str(1), " 1");
    EXPECT_EQ(str(0), " 0");
    EXPECT_EQ(str(-3), "-3");
}

TEST(VbConv, WholeTextNumberOrTypeMismatch) {
    EXPECT_EQ(cdbl("19.5"), 19.5);
    EXPECT_EQ(cdbl("  -6 "), -6);
    EXPECT_EQ(cdbl("1e3"), 1000);
    EXPECT_EQ(cdbl(".5"), 0.5);
    for (const char* bad : {"", "  ", "-", ".", "12abc", "1 2", "abc", "1e", "0x10", "inf"}) {
        try {
            cdbl(bad);
            ADD_FAILURE() << bad;
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), kErrTypeMismatch) << bad;
        }
    }
}

TEST(VbConv, FillInPutsTheArgumentsInTheirPlacesOnce) {
    struct Case {
        const char* text;
        std::vector<std::string> args;
        const char* want;
    };
    for (const Case& c : std::vector<Case>{
             {"The file %1 is missing.", {"a.txt"}, "The file a.txt is missing."},
             {"%2 içinde, %1. satırda", {"12", "Tarvo.frmTarvo"}, "Tarvo.frmTarvo içinde, 12. satırda"},
             {"in %1 at line %2", {"%2", "7"}, "in %2 at line 7"},  // an argument is never filled in again
             {"%1%1 and %3", {"x"}, "xx and %3"},                   // a place without an argument stays
             {"100% sure, %0 and %", {"x"}, "100% sure, %0 and %"},
             {"%9.", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine."},
             {"", {"x"}, ""},
         }) {
        std::vector<std::string_view> views(c.args.begin(), c.args.end());
        std::string got;
        switch (views.size()) {
        case 1: got = FillIn(c.text, {views[0]}); break;
        case 2: got = FillIn(c.text, {views[0], views[1]}); break;
        default:
            got = FillIn(c.text, {views[0], views[1], views[2], views[3], views[4], views[5], views[6], views[7], views[8]});
        }
        EXPECT_EQ(got, c.want) << c.text;
    }
}

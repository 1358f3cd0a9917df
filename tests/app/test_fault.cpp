#include <gtest/gtest.h>

#include "MExceptionHandler.h"
#include "VbError.h"

using namespace nv;

namespace {
volatile int zero = 0;

// A procedure in the skipping mode with a division by zero in it: the fault arrives as error
// 10000 and the procedure goes on with its next statement.
__attribute__((no_sanitize("integer-divide-by-zero"))) int divideAndGoOn(VbError& seen) {
    int result = 1;
    try {
        result = 10 / zero;
    } catch (const VbError& e) {
        seen = e;
    }
    return result + 1;
}

// A fault where no procedure takes errors (as in the toolkit's own code).
__attribute__((no_sanitize_undefined)) void writeNowhere() noexcept {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}
}  // namespace

TEST(ExceptionHandler, NamesTheFaultsOfTheTable) {
    EXPECT_EQ(GetExceptionText(0xC0000005), "Access Violation");
    EXPECT_EQ(GetExceptionText(0xC0000094), "Integer Divide By Zero");
    EXPECT_EQ(GetExceptionText(0xC00000FD), "Stack Overflow");
    EXPECT_EQ(GetExceptionText(0xC000013A), "Control-C Exit");
    EXPECT_EQ(GetExceptionText(0x1234), "Unknown (&H00001234)");
    EXPECT_EQ(GetExceptionText(0xE06D7363), "Unknown (&HE06D7363)");
}

TEST(ExceptionHandler, NamesTheInnermostRecordOfAChain) {
    EXCEPTION_RECORD inner{0xC0000094, nullptr};
    EXCEPTION_RECORD outer{0xC0000005, &inner};
    EXCEPTION_POINTERS pointers{&outer};
    try {
        ExceptionHandler(pointers);
        FAIL();
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 10000);
        EXPECT_EQ(e.source(), "ExceptionHandler");
        EXPECT_EQ(e.description(), "Integer Divide By Zero");
    }
}

TEST(ExceptionHandler, ADivisionByZeroBecomesErrorTenThousandAndTheProgramGoesOn) {
    InstallExceptionHandler();
    InstallExceptionHandler();  // twice is once
    for (int i = 0; i < 3; ++i) {  // as often as faults come
        VbError seen(0, "", "");
        EXPECT_EQ(divideAndGoOn(seen), 2);
        EXPECT_EQ(seen.number(), 10000);
        EXPECT_EQ(seen.source(), "ExceptionHandler");
        EXPECT_EQ(seen.description(), "Integer Divide By Zero");
    }
    RemoveExceptionHandler();
    EXPECT_FALSE(ExceptionHandlerInstalled());
}

TEST(ExceptionHandler, AFaultNothingTakesEndsTheProgramWithItsName) {
    EXPECT_EXIT(
        {
            InstallExceptionHandler();
            writeNowhere();
        },
        ::testing::ExitedWithCode(3), "Access Violation");
}

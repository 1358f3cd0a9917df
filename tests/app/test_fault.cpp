#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdlib>

#include "FaultReport.h"
#include "Log.h"
#include "MExceptionHandler.h"
#include "VbError.h"
#include "support/TempDir.h"

using namespace nv;

namespace {
volatile int zero = 0;

__attribute__((no_sanitize("integer-divide-by-zero"))) void divideByZero() { zero = 10 / zero; }

__attribute__((no_sanitize_undefined)) void writeNowhere() {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

void throwPastNoexcept() noexcept { raiseError(kErrOverflow, "Noorvale.frmMain"); }

// The program as it starts (its log in `stateHome`, the fault handler), without a core file,
// meeting `fault`.
void faultLogged(const std::string& stateHome, void (*fault)()) {
    ::setenv("XDG_STATE_HOME", stateHome.c_str(), 1);
    const struct rlimit noCore {0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    installLogFile("Noorvale");
    InstallExceptionHandler();
    try {
        fault();
    } catch (...) {
        std::_Exit(7);  // a fault must not arrive as an exception
    }
    std::_Exit(0);
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

TEST(ExceptionHandler, AFaultLeavesItsBacktraceInTheLogAndEndsTheProgramByItsSignal) {
    const struct {
        void (*fault)();
        int signal;
        const char* reported;
        const char* logged;
    } cases[] = {
        {writeNowhere, SIGSEGV, "Access Violation", "Noorvale ended by SIGSEGV (Access Violation) at address 0x0;"},
        {divideByZero, SIGFPE, "Integer Divide By Zero", "Noorvale ended by SIGFPE (Integer Divide By Zero)"},
        {throwPastNoexcept, SIGABRT, "uncaught error 6 \\(Overflow\\)",
         "critical noorvale.app: uncaught error 6 (Overflow) from Noorvale.frmMain\n"},
    };
    for (const auto& c : cases) {
        nv::test::TempDir state;
        EXPECT_EXIT(faultLogged(state.path(), c.fault),
            ::testing::KilledBySignal(c.signal), c.reported);
        const std::string log = nv::test::readFile(state / "Noorvale/Noorvale.log");
        EXPECT_NE(log.find(c.logged), std::string::npos) << log;
        const size_t backtrace = log.find("; backtrace:\n");
        ASSERT_NE(backtrace, std::string::npos) << log;
        size_t frames = 0;
        for (size_t at = log.find("test_app(", backtrace); at != std::string::npos; at = log.find("test_app(", at + 1))
            ++frames;
        EXPECT_GE(frames, 3u) << log;
    }
}

TEST(ExceptionHandler, InstallsOnceAndRemoves) {
    InstallExceptionHandler();
    InstallExceptionHandler();
    EXPECT_TRUE(faultReportInstalled());
    RemoveExceptionHandler();
    EXPECT_FALSE(ExceptionHandlerInstalled());
    EXPECT_FALSE(faultReportInstalled());
}

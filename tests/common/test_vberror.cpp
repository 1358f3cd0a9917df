#include <gtest/gtest.h>

#include <stdexcept>

#include "MsgBox.h"
#include "VbError.h"

using namespace nv;

TEST(VbError, MessageBoxModeReportsAndGoesOn) {
    std::vector<std::string> shown;
    const MsgBoxHandler previous = setMsgBoxHandler([&](const std::string& t, int style, const std::string& title) {
        EXPECT_EQ(style, vbOKOnly);
        EXPECT_EQ(title, "Noorvale");
        shown.push_back(t);
        return int{vbOK};
    });
    ErrorBoxTrap trap("Noorvale.frmMain.DispCalendarLine");
    int reached = 0;
    trap(1, [&] { ++reached; });
    trap(2, [&] { raiseError(kErrOverflow, "Noorvale"); });
    trap(3, [&] { throw std::runtime_error("bad thing"); });
    trap(4, [&] { ++reached; });
    setMsgBoxHandler(previous);
    EXPECT_EQ(reached, 2);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "Overflow\nin Noorvale.frmMain.DispCalendarLine at line 2");
    EXPECT_EQ(shown[1], "bad thing\nin Noorvale.frmMain.DispCalendarLine at line 3");
}

TEST(VbError, ResumeNextSkipsTheFailingStatement) {
    int x = 1;
    EXPECT_FALSE(resumeNext([&] {
        raiseError(kErrDivisionByZero, "t");
        x = 2;
    }));
    EXPECT_EQ(x, 1);
    EXPECT_TRUE(resumeNext([&] { x = 3; }));
    EXPECT_EQ(x, 3);
}

TEST(VbError, ClassTrapRaisesTheComponentFailure) {
    try {
        classTrap(kObjectError + 11005, "Noorvale.clsPrayTime.", "Calculate", "clsNoorvale component failure",
                  [] { raiseError(kErrOverflow, "x"); });
        FAIL();
    } catch (const VbError& e) {
        EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042AFDu);
        EXPECT_EQ(e.source(), "Noorvale.clsPrayTime.Calculate");
        EXPECT_EQ(e.description(), "clsNoorvale component failure");
    }
    EXPECT_EQ(classTrap(1, "a.", "b", "c", [] { return 42; }), 42);
}

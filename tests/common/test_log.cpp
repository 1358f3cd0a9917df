#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "Log.h"
#include "VbError.h"
#include "support/TempDir.h"

using namespace nv;
using nv::test::exists;
using nv::test::readFile;
using nv::test::TempDir;

namespace {

size_t count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// XDG_STATE_HOME for the lifetime of the object.
class StateHome {
public:
    explicit StateHome(const char* value) {
        if (const char* v = std::getenv("XDG_STATE_HOME")) saved_ = v, had_ = true;
        if (value) ::setenv("XDG_STATE_HOME", value, 1);
        else ::unsetenv("XDG_STATE_HOME");
    }
    ~StateHome() {
        if (had_) ::setenv("XDG_STATE_HOME", saved_.c_str(), 1);
        else ::unsetenv("XDG_STATE_HOME");
    }

private:
    std::string saved_;
    bool had_ = false;
};

}  // namespace

TEST(Log, ASwallowedErrorIsLoggedOnceWithItsPlace) {
    TempDir state;
    StateHome home(state.path().c_str());
    ASSERT_TRUE(installLogFile("test"));
    int skipped = 0;
    int divisionLine = 0;
    for (int i = 0; i < 3; ++i) {
        divisionLine = __LINE__ + 1;
        if (!resumeNext([] { raiseError(kErrDivisionByZero, "Noorvale.clsPrayTime"); })) ++skipped;
    }
    const int otherLine = __LINE__ + 1;
    resumeNext([] { throw std::runtime_error("disk full"); });
    resumeNext([] {});
    closeLogFile();

    EXPECT_EQ(skipped, 3);
    const std::string log = readFile(state / "Noorvale/test.log");
    const std::string division = "common/test_log.cpp:" + std::to_string(divisionLine) + " ";
    const std::string other = "common/test_log.cpp:" + std::to_string(otherLine) + " ";
    EXPECT_EQ(count(log, division), 1u) << log;
    EXPECT_EQ(count(log, other), 1u) << log;
    EXPECT_EQ(count(log, " warning "), 2u) << log;
    EXPECT_EQ(log.find(" info noorvale.common: test started, process "), 23u) << log;
    EXPECT_NE(log.find(" warning noorvale.common: error 11 (Division by zero) from Noorvale.clsPrayTime skipped at " +
                       division + "in "),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("Log_ASwallowedErrorIsLoggedOnceWithItsPlace_Test::TestBody"), std::string::npos) << log;
    EXPECT_NE(log.find("error 5 (disk full) skipped at " + other), std::string::npos) << log;
}

TEST(Log, TheFileIsInTheStateFolderAndStaysBounded) {
    TempDir home;
    const std::string homeState = home / ".local/state/Noorvale";
    const struct {
        const char* stateHome;
        std::string folder;
    } cases[] = {
        {"/somewhere/state", "/somewhere/state/Noorvale"},
        {nullptr, homeState},
        {"relative/state", homeState},  // not absolute: ignored
    };
    const char* savedHome = std::getenv("HOME");
    const std::string previousHome = savedHome ? savedHome : "";
    ::setenv("HOME", home.path().c_str(), 1);
    for (const auto& c : cases) {
        StateHome state(c.stateHome);
        EXPECT_EQ(logFolder(), c.folder) << (c.stateHome ? c.stateHome : "unset");
    }

    StateHome state(nullptr);
    constexpr int64_t kLimit = 4096;
    ASSERT_TRUE(installLogFile("Tarvo", kLimit));
    for (int i = 0; i < 40; ++i) qCInfo(lcUpdater).noquote() << QString(150, u'.') << "line" << i;
    closeLogFile();
    ::setenv("HOME", previousHome.c_str(), 1);

    const std::string current = readFile(homeState + "/Tarvo.log");
    const std::string old = readFile(homeState + "/Tarvo.log.1");
    EXPECT_LE(current.size(), size_t{kLimit});
    EXPECT_GT(old.size(), size_t{kLimit} * 3 / 4);
    EXPECT_LE(old.size(), size_t{kLimit});
    EXPECT_FALSE(exists(homeState + "/Tarvo.log.2"));
    EXPECT_NE(current.find(" info noorvale.updater: ...."), std::string::npos);
    EXPECT_NE(current.find(" line 39\n"), std::string::npos);
    EXPECT_EQ(current.find(" line 0\n"), std::string::npos);
}

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "KillTestValues.h"
#include "RegistryStore.h"
#include "modRegistry.h"
#include "support/TempHome.h"

extern char** environ;

using namespace nv;

namespace {

// Runs the writer on `file` until it ends; its wait status, or -1. `stopAfter` > 0 has it
// kill itself right after that many write steps of the store.
int runWriter(const std::string& file, const char* mode, int stopAfter, pid_t& pid) {
    std::string program = REGISTRY_WRITER;
    std::vector<char*> argv = {program.data(), const_cast<char*>(file.c_str())};
    if (mode) argv.push_back(const_cast<char*>(mode));
    argv.push_back(nullptr);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    if (stopAfter > 0) env.push_back("NOORVALE_TEST_STORE_STOP_AFTER=" + std::to_string(stopAfter));
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) return -1;
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid ? status : -1;
}

}  // namespace

// The writer is killed after each of its write steps in turn (the lock taken, the temporary file
// made, written, flushed, renamed over the store), at a later write each time.
TEST(RegistryKill, AWriterKilledAtAnyStepLeavesTheStoreWhole) {
    test::TempHome home;
    const std::string file = home.storeFile();
    pid_t pid = 0;
    ASSERT_EQ(runWriter(file, "fill", 0, pid), 0);
    int killedMidWrite = 0, lastRound = -1;

    for (int kill = 0; kill < 50; ++kill) {
        const int stopAfter = 3 * kill + 1;  // 3 and the 5 steps of a write share no factor
        SCOPED_TRACE("kill " + std::to_string(kill) + ", after step " + std::to_string(stopAfter));
        const int status = runWriter(file, nullptr, stopAfter, pid);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
        killedMidWrite += std::filesystem::exists(file + "." + std::to_string(pid) + ".tmp");
        // Read again from the disk: the file parses whole, and every write is either all there
        // or not at all, in the order they were made.
        RegistryStore::instance().setFile(file);
        const RegLoadReport report = RegistryStore::instance().lastLoad();
        ASSERT_TRUE(report.exists);
        ASSERT_FALSE(report.damaged) << report.firstProblem;
        const int32_t round = ReadRegValue(HKEY_CURRENT_USER, test::kKillKey, "Round", -1).toLong();
        ASSERT_GE(round, lastRound);
        lastRound = round;
        // The round each value was written in, in the order of the writes: never newer than a
        // write made before it, and each text whole.
        std::vector<int32_t> rounds = {round};
        for (int i = 0; i < test::kKillValues; ++i) {
            const RegValue v = ReadRegValue(HKEY_CURRENT_USER, test::kKillKey, "V" + std::to_string(i), "missing");
            const std::string t =
                ReadRegValue(HKEY_CURRENT_USER, test::kKillKey, "T" + std::to_string(i), "missing").toText();
            ASSERT_TRUE(v.isNumber()) << "V" << i;
            rounds.push_back(v.toLong());
            int32_t textRound = -1;
            ASSERT_EQ(std::sscanf(t.c_str(), "round %d", &textRound), 1) << "T" << i << " = " << t;
            ASSERT_EQ(t, test::killText(textRound, i));
            rounds.push_back(textRound);
        }
        ASSERT_TRUE(std::is_sorted(rounds.rbegin(), rounds.rend()));
    }
    EXPECT_GT(lastRound, 0);
    EXPECT_GT(killedMidWrite, 0);  // some kills did land between a write's start and its rename
    std::printf("50 kills, %d of them while a temporary file was being written; %d rounds begun\n",
                killedMidWrite, lastRound);
}

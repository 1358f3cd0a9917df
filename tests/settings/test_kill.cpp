#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>

#include "KillTestValues.h"
#include "RegistryStore.h"
#include "modRegistry.h"
#include "support/TempHome.h"

extern char** environ;

using namespace nv;

namespace {

// Starts the writer on `file` and waits until it says it is writing; its pid, or -1.
pid_t startWriter(const std::string& file) {
    int out[2];
    if (::pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    std::string program = REGISTRY_WRITER;
    char* argv[] = {program.data(), const_cast<char*>(file.c_str()), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string said;
    char c = 0;
    while (pid > 0 && said != "ready\n" && ::read(out[0], &c, 1) == 1) said.push_back(c);
    ::close(out[0]);
    if (pid > 0 && said != "ready\n") {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

bool temporaryFileBeside(const std::string& file) {
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(file).parent_path()))
        if (e.path().extension() == ".tmp") return true;
    return false;
}

}  // namespace

TEST(RegistryKill, AWriterKilledAtAnyMomentLeavesTheStoreWhole) {
    test::TempHome home;
    const std::string file = home.storeFile();
    std::random_device seed;
    const unsigned s = seed();
    std::mt19937 rng(s);
    std::uniform_int_distribution<int> pause(0, 25000);  // microseconds
    int killedMidWrite = 0, lastRound = -1;

    for (int kill = 0; kill < 50; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill) + ", seed " + std::to_string(s));
        const pid_t pid = startWriter(file);
        ASSERT_GT(pid, 0);
        ::usleep(static_cast<useconds_t>(pause(rng)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status));
        killedMidWrite += temporaryFileBeside(file);

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
    std::printf("50 kills, %d of them while a temporary file was being written; %d rounds written\n",
                killedMidWrite, lastRound);
}

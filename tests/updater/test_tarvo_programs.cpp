// The real Tarvo and Quenlo programs, started as Noorvale and Tarvo start them: offscreen, with
// a scrambled command line, against a real server on 127.0.0.1. Their message boxes go through
// the programs' documented test hook (NOORVALE_MSGBOX_LOG / NOORVALE_MSGBOX_ANSWERS): each box
// is written to a log file and answered from the list.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <sstream>

#include "UpdaterApp.h"
#include "support/UpdateSite.h"

extern char** environ;

using namespace nv;
using namespace nv::test;

namespace {

class Programs : public ::testing::Test {
protected:
    void SetUp() override {
        // Copies of the programs in the temporary program folder, as they are installed.
        for (const char* p : {"Tarvo", "Quenlo"}) {
            std::filesystem::copy_file(std::string(NOORVALE_BIN_DIR) + "/" + p, site.prog + "/" + p);
            setMode(site.prog + "/" + p, 0755);
        }
        log = site.root / "boxes.log";
    }
    void TearDown() override {
        if (child > 0) {
            ::kill(child, SIGTERM);
            ::waitpid(child, nullptr, 0);
        }
    }

    // Starts the program (in the program folder unless a path is given) with one argument; its
    // boxes answered from `answers`.
    pid_t start(const std::string& program, const std::string& argument, const std::string& answers = "ok") {
        std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "NOORVALE_MSGBOX_LOG=" + log,
                                        "NOORVALE_MSGBOX_ANSWERS=" + answers, "TMPDIR=" + site.tmp,
                                        "HOME=" + site.root.path(), "PATH=/usr/bin:/bin"};
        std::vector<char*> envp, argv;
        for (auto& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string path = program.find('/') == std::string::npos ? site.prog + "/" + program : program, arg = argument;
        argv = {path.data(), arg.data(), nullptr};
        pid_t pid = 0;
        EXPECT_EQ(::posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), envp.data()), 0);
        child = pid;
        return pid;
    }
    // Runs the program to its end; its exit status.
    int runToEnd(const std::string& program, const std::string& argument, const std::string& answers = "ok") {
        const pid_t pid = start(program, argument, answers);
        int status = 0;
        ::waitpid(pid, &status, 0);
        child = 0;
        return status;
    }
    std::vector<std::string> boxes() const {
        std::vector<std::string> lines;
        std::istringstream in(readFile(log));
        for (std::string l; std::getline(in, l);) lines.push_back(l);
        return lines;
    }

    UpdateSite site;
    std::string log;
    pid_t child = 0;
};

TEST_F(Programs, TarvoRefusesBadCommandLines) {
    const std::string title = "Tarvo Update Program\t";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "Cannot run program... Missing parameters..."},
        {Scramble("http://127.0.0.1/u.ini,Noorvale,Noorvale"), "Cannot run program... <err_UP>"},
        {Scramble("http://127.0.0.1/u.ini,Noorvale,Noorvale,5"), "Cannot run program... <err_UP>"},
        {"http://127.0.0.1/u.ini,Noorvale,Noorvale,4", "Cannot run program... <err_UP>"},  // never scrambled
    };
    for (const auto& [argument, message] : cases) {
        std::filesystem::remove(log);
        EXPECT_EQ(runToEnd("Tarvo", argument), 0);
        EXPECT_EQ(boxes(), std::vector<std::string>{title + message}) << argument;
    }
    EXPECT_FALSE(exists(site.root / "noorvale-started"));
}

TEST_F(Programs, TarvoInstallsAPublishedUpdate) {
    ASSERT_TRUE(site.publish());
    start("Tarvo", site.parameters());
    // The run is over when the last file is installed and the work files are gone.
    ASSERT_TRUE(eventually([&] {
        return readFile(site.prog + "/graphics/picclock.jpg") == readFile(site.source + "/graphics/picclock.jpg") &&
               exists(site.prog + "/Backup/picclock.jpg") && !exists(site.workFolder() + "/update.ini");
    })) << [&] {
        std::string seen;
        for (const auto& r : site.server.requests()) seen += r.substr(0, r.find('\r')) + "; ";
        for (const auto& [path, data] : UpdateSite::snapshot(site.root.path())) seen += path + " ";
        return seen;
    }();
    for (const char* f : {"Noorvale", "readme.txt"}) EXPECT_EQ(readFile(site.prog + "/" + f), readFile(site.source + "/" + f));
    EXPECT_EQ(modeOf(site.prog + "/Noorvale"), 0755u);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Programs, TwoInstallationsSharingATemporaryFolderUpdateAtOnce) {
    // A second installation with an update of its own on a server of its own; both Tarvos run at
    // the same time with the same temporary folder.
    UpdateSite other;
    for (const char* p : {"Tarvo", "Quenlo"}) {
        std::filesystem::copy_file(site.prog + "/" + p, other.prog + "/" + p);
        setMode(other.prog + "/" + p, 0755);
    }
    writeFile(other.source + "/readme.txt", "the other installation's readme\n" + std::string(900, 'o'));
    writeFile(other.source + "/graphics/picclock.jpg", std::string(30000, 'p'));
    ASSERT_TRUE(site.publish());
    ASSERT_TRUE(other.publish());
    EXPECT_NE(WorkFolderName(site.prog + "/"), WorkFolderName(other.prog + "/"));
    const pid_t first = start("Tarvo", site.parameters());
    start(other.prog + "/Tarvo", other.parameters());
    auto updated = [&](const UpdateSite& s) {
        for (const char* f : {"Noorvale", "readme.txt", "graphics/picclock.jpg"})
            if (readFile(s.prog + "/" + f) != readFile(s.source + "/" + f)) return false;
        return !exists(site.tmp + "/" + WorkFolderName(s.prog + "/") + "/update.ini");
    };
    EXPECT_TRUE(eventually([&] { return updated(site) && updated(other); }));
    EXPECT_TRUE(boxes().empty());
    ::kill(first, SIGTERM);
    ::waitpid(first, nullptr, 0);
}

TEST_F(Programs, ASecondTarvoFromTheSameFolderDoesNotRun) {
    ASSERT_TRUE(site.publish("--date '1999-01-01 00:00:00'"));
    const pid_t first = start("Tarvo", site.parameters());
    ASSERT_TRUE(eventually([&] { return exists(site.workFolder()); }, 10));  // the first one has started
    EXPECT_EQ(runToEnd("Tarvo", site.parameters()), 0);
    EXPECT_EQ(boxes(), std::vector<std::string>{"Tarvo\tProgram is already running"});
    child = first;  // ended by TearDown
}

TEST_F(Programs, SelfUpdateReplacesTarvoThroughQuenlo) {
    // The published Tarvo is a stand-in that records the parameter text it is started with.
    writeFile(site.root / "NewTarvo", standInTarvo(site.root / "tarvo-started", "1.01"));
    ASSERT_TRUE(site.publish("--allow-future-date --date '2030-01-01 12:00:00' --tarvo-version 1.01 --tarvo " + shellQuote(site.root / "NewTarvo")));
    const std::string parameters = site.parameters();
    EXPECT_EQ(runToEnd("Tarvo", parameters, "yes"), 0);  // hands over and ends
    const auto asked = boxes();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].rfind("Tarvo Message\tThere is a newer version of the Tarvo program available...", 0), 0u);

    ASSERT_TRUE(eventually([&] { return exists(site.root / "tarvo-started"); }, 30));
    EXPECT_EQ(readFile(site.root / "tarvo-started"), parameters);
    EXPECT_EQ(readFile(site.prog + "/Tarvo"), readFile(site.root / "NewTarvo"));
    EXPECT_EQ(modeOf(site.prog + "/Tarvo"), 0755u);  // the replaced program stays executable
    // Nothing of the product was touched, and the program was not started.
    EXPECT_EQ(readFile(site.prog + "/readme.txt"), "old readme\n");
    EXPECT_FALSE(exists(site.root / "noorvale-started"));
    EXPECT_EQ(boxes().size(), 1u);
}

TEST_F(Programs, SelfUpdateFromAFolderWithACommaReplacesOnlyTarvo) {
    // The program folder "a,b" beside a file "a": split at its comma, the hand-over would name "a".
    const std::string folder = site.root / "a,b";
    std::filesystem::create_directories(folder);
    for (const char* p : {"Tarvo", "Quenlo"}) {
        std::filesystem::copy_file(site.prog + "/" + p, folder + "/" + p);
        setMode(folder + "/" + p, 0755);
    }
    writeFile(site.root / "a", "decoy");
    writeFile(site.root / "NewTarvo", standInTarvo(site.root / "tarvo-started", "1.01"));
    ASSERT_TRUE(site.publish("--allow-future-date --date '2030-01-01 12:00:00' --tarvo-version 1.01 --tarvo " + shellQuote(site.root / "NewTarvo")));
    const std::string parameters = site.parameters();
    EXPECT_EQ(runToEnd(folder + "/Tarvo", parameters, "yes"), 0);
    ASSERT_TRUE(eventually([&] { return exists(site.root / "tarvo-started"); }, 30)) << readFile(log);
    EXPECT_EQ(readFile(site.root / "tarvo-started"), parameters);
    EXPECT_EQ(readFile(folder + "/Tarvo"), readFile(site.root / "NewTarvo"));
    EXPECT_EQ(readFile(site.root / "a"), "decoy");
    EXPECT_EQ(boxes().size(), 1u);  // only the question
}

TEST_F(Programs, QuenloRefusesBadParameters) {
    const std::string title = "Quenlo Message\tCannot run program...\\nERR# ";
    writeFile(site.root / "newfile", "new program");
    const std::string work = site.workFolder() + "/";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {Scramble("a"), "QNL101 ..."},
        {"", "QNL101 ..."},
        {Scramble("a,b"), "QNL102 ..."},
        // Only Tarvo beside Quenlo, and only from Tarvo's work folder.
        {Scramble(site.root / "newfile" + "," + site.prog + "/Tarvo,params"), "QNL104 ..."},
        {Scramble(work + "Tarvo," + site.prog + "/Missing,params"), "QNL104 ..."},
        {Scramble(work + "Tarvo," + site.root / "newfile" + ",params"), "QNL104 ..."},
        {Scramble(work + "Tarvo," + site.prog + "/Tarvo,params"), "QNL103 ..."},  // nothing in the work folder
    };
    const std::string tarvo = readFile(site.prog + "/Tarvo");
    for (const auto& [argument, code] : cases) {
        std::filesystem::remove(log);
        EXPECT_EQ(runToEnd("Quenlo", argument), 0);
        EXPECT_EQ(boxes(), std::vector<std::string>{title + code}) << code;
    }
    EXPECT_FALSE(exists(site.prog + "/Missing"));
    EXPECT_EQ(readFile(site.prog + "/Tarvo"), tarvo);
    EXPECT_EQ(readFile(site.root / "newfile"), "new program");
}

TEST_F(Programs, QuenloPassesOnParametersWithCommas) {
    setMode(site.prog + "/Tarvo", 0750);
    std::filesystem::create_directories(site.workFolder());
    setMode(site.workFolder(), 0700);
    const std::string source = site.workFolder() + "/Tarvo";
    writeFile(source, standInProgram(site.root / "target-started"));
    const std::string tail = "http://127.0.0.1/a,b,c,Noorvale,4";
    const std::string argument = Scramble(source + "," + site.prog + "/Tarvo,") + Scramble(tail);
    EXPECT_EQ(runToEnd("Quenlo", argument), 0);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(readFile(site.prog + "/Tarvo"), readFile(source));
    EXPECT_EQ(modeOf(site.prog + "/Tarvo"), 0750u);
    ASSERT_TRUE(eventually([&] { return exists(site.root / "target-started"); }, 10));
    EXPECT_EQ(readFile(site.root / "target-started"), Scramble(tail));
    EXPECT_TRUE(exists(source));  // the source is left in place
}

TEST_F(Programs, AnEndlessUpdateInformationFileStopsAtItsLimit) {
    site.server.setEndlessPage("/noorvale/update.ini", "[TARVO]\r\nName=Noorvale\r\nVersion=1.0\r\n\r\n[PADDING]\r\n");
    start("Tarvo", site.parameters());
    // Tarvo stops reading (the server's answer ends because Tarvo went away) and keeps no part
    // of the file.
    ASSERT_TRUE(eventually([&] { return site.server.endlessEnded() == 1; }, 30));
    EXPECT_TRUE(eventually([&] { return UpdateSite::snapshot(site.workFolder()).empty(); }, 5));
    int asked = 0;
    for (const auto& r : site.server.requests()) asked += r.substr(0, r.find('\r')).find("/update.ini ") != std::string::npos;
    EXPECT_EQ(asked, 1);
}

TEST_F(Programs, KilledAnywhereARerunLeavesTheNewProgramWhole) {
    // Twenty files in three folders, published with a date later than any install.
    for (int i = 0; i < 20; ++i) {
        const std::string sub = i % 3 == 0 ? "" : i % 3 == 1 ? "graphics/" : "Media/";
        std::string data(20000 + 3000 * i, '\0');
        for (size_t k = 0; k < data.size(); ++k) data[k] = static_cast<char>((k * (i + 3)) % 253);
        writeFile(site.source + "/" + sub + "f" + std::to_string(i) + ".dat", data);
        writeFile(site.prog + "/" + sub + "f" + std::to_string(i) + ".dat", "old " + std::to_string(i));
        makeOld(site.prog + "/" + sub + "f" + std::to_string(i) + ".dat");
    }
    ASSERT_TRUE(site.publish("--allow-future-date --date '2030-01-01 12:00:00' --no-compress"));
    const auto oldFiles = UpdateSite::snapshot(site.prog);
    const auto newFiles = UpdateSite::snapshot(site.source);
    auto check = [&](const char* when) {
        for (const auto& [path, data] : UpdateSite::snapshot(site.prog)) {
            if (path.rfind("Backup/", 0) == 0) {
                // A backup only ever holds a copy from before the update.
                bool old = false;
                for (const auto& [p, d] : oldFiles) old = old || (p.substr(p.rfind('/') + 1) == path.substr(7) && d == data);
                EXPECT_TRUE(old || path == "Backup/Tarvo.journal") << when << ": " << path;
                continue;
            }
            if (path == "Tarvo.installed") continue;  // Tarvo's note of the version it installed
            const bool isOld = oldFiles.count(path) && oldFiles.at(path) == data;
            const bool isNew = newFiles.count(path) && newFiles.at(path) == data;
            EXPECT_TRUE(isOld || isNew) << when << ": " << path;
        }
    };
    // Kill points spread over a whole run, from start-up to the end of the install.
    std::srand(20261207);
    for (int round = 0; round < 20; ++round) {
        const pid_t pid = start("Tarvo", site.parameters());
        ::usleep(static_cast<useconds_t>(2000000 + std::rand() % 1500000));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        child = 0;
        check(("after kill " + std::to_string(round)).c_str());
    }
    // The rerun puts a killed install back and installs the whole new program.
    start("Tarvo", site.parameters());
    ASSERT_TRUE(eventually([&] {
        const auto now = UpdateSite::snapshot(site.prog);
        for (const auto& [path, data] : newFiles)
            if (!now.count(path) || now.at(path) != data) return false;
        return !exists(site.prog + "/Backup/Tarvo.journal");
    }, 60));
    check("after the rerun");
    for (const auto& [path, data] : oldFiles) {
        if (newFiles.count(path)) {
            EXPECT_EQ(readFile(site.prog + "/Backup/" + path.substr(path.rfind('/') + 1)), data) << path;
        }
    }
}

}  // namespace

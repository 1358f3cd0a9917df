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
    pid_t start(const std::string& program, const std::string& argument, const std::string& answers = "ok",
                const std::string& extraEnv = "") {
        std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "NOORVALE_MSGBOX_LOG=" + log,
                                        "NOORVALE_MSGBOX_ANSWERS=" + answers, "TMPDIR=" + site.tmp,
                                        "HOME=" + site.root.path(), "PATH=/usr/bin:/bin"};
        if (!extraEnv.empty()) env.push_back(extraEnv);
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

// Tarvo and Quenlo do not hold the settings store: they read the language picked in Options from
// the settings file itself, and else speak the session's language, as Noorvale does.
TEST_F(Programs, TarvoAndQuenloSpeakThePickedLanguageElseTheSessions) {
    std::filesystem::copy(std::string(NOORVALE_BIN_DIR) + "/translations", site.prog + "/translations");
    const std::string store = site.root / ".config/Noorvale/registry.reg";
    std::filesystem::create_directories(site.root / ".config/Noorvale");
    auto pick = [&](const std::string& code) {
        writeFile(store, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\Options]\n"
                         "\"Language\"=\"" + code + "\"\n");
    };
    const std::string tarvoEn = "Tarvo Update Program\tCannot run program... Missing parameters...";
    const std::string tarvoTr = "Tarvo Güncelleme Programı\tProgram çalıştırılamıyor... Parametreler eksik...";
    const std::string quenloEn = "Quenlo Message\tCannot run program...\\nERR# QNL101 ...";
    const std::string quenloTr = "Quenlo İletisi\tProgram çalıştırılamıyor...\\nERR# QNL101 ...";
    struct Case {
        const char* stored;   // nullptr: no settings file
        const char* session;  // LANG
        bool turkish;
    };
    const Case cases[] = {
        {nullptr, "C", false}, {"tr", "C", true}, {nullptr, "tr_TR.UTF-8", true},
        {"", "tr_TR.UTF-8", true}, {"en", "tr_TR.UTF-8", false}, {"xx", "C", false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(store);
        if (c.stored) pick(c.stored);
        for (const char* program : {"Tarvo", "Quenlo"}) {
            std::filesystem::remove(log);
            const pid_t pid = start(program, "", "ok", std::string("LANG=") + c.session);
            int status = 0;
            ::waitpid(pid, &status, 0);
            child = 0;
            const bool tarvo = program == std::string("Tarvo");
            const std::string expected = tarvo ? (c.turkish ? tarvoTr : tarvoEn) : (c.turkish ? quenloTr : quenloEn);
            EXPECT_EQ(boxes(), std::vector<std::string>{expected})
                << program << ", stored " << (c.stored ? c.stored : "(none)") << ", LANG=" << c.session;
        }
    }
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

TEST_F(Programs, KilledAfterEveryRenameAndJournalWriteTheProgramIsOneWholeVersion) {
    // Three files replaced in three folders, one new file, one left as it is.
    writeFile(site.source + "/Media/new.dat", std::string(5000, 'n'));
    ASSERT_TRUE(site.publish());
    const std::string pristine = site.root / "pristine";
    std::filesystem::copy(site.prog, pristine, std::filesystem::copy_options::recursive);
    auto program = [&] {  // the product's files, without Tarvo's own
        auto files = UpdateSite::snapshot(site.prog);
        for (auto it = files.begin(); it != files.end();)
            it = it->first == "Tarvo" || it->first == "Quenlo" || it->first == "Tarvo.installed" || it->first.rfind("Backup/", 0) == 0
                     ? files.erase(it)
                     : std::next(it);
        return files;
    };
    const auto oldProgram = program();
    auto newProgram = oldProgram;
    for (const auto& [path, data] : UpdateSite::snapshot(site.source)) newProgram[path] = data;
    // "old", "new", or the files that are neither; a backup only ever holds a copy from before.
    auto version = [&] {
        const auto now = program();
        std::string state = now == oldProgram ? "old" : now == newProgram ? "new" : "mixed:" + UpdateSite::differences(now, newProgram);
        for (const auto& [path, data] : UpdateSite::snapshot(site.prog + "/Backup")) {
            const std::string name = path.substr(path.rfind('/') + 1);
            bool before = path == "Tarvo.journal" || path.rfind("Tarvo.staging/", 0) == 0;
            for (const auto& [p, d] : oldProgram) before = before || (p.substr(p.rfind('/') + 1) == name && d == data);
            if (!before) state += " backup:" + path;
        }
        return state;
    };
    // After a rerun nothing of the killed run is left.
    auto leftOver = [&] {
        std::string left;
        for (const auto& [path, data] : UpdateSite::snapshot(site.prog))
            if (path.find("Tarvo.staging") != std::string::npos || path.find(".new-") != std::string::npos || path == "Backup/Tarvo.journal")
                left += path + " ";
        return left;
    };
    auto endRun = [&](pid_t pid) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
        child = 0;
    };
    auto installed = [&] { return program() == newProgram && !exists(site.workFolder() + "/update.ini") && exists(site.prog + "/Tarvo.installed"); };
    const std::string offline = Scramble("http://127.0.0.1:1/noorvale/update.ini,Noorvale,Noorvale,4");
    int points = 0;
    for (int n = 1; n < 100; ++n) {
        std::filesystem::remove_all(site.prog);
        std::filesystem::copy(pristine, site.prog, std::filesystem::copy_options::recursive);
        std::filesystem::remove(log);
        const pid_t pid = start("Tarvo", site.parameters(), "ok", "NOORVALE_TEST_STOP_AFTER_RENAME=" + std::to_string(n));
        int status = 0;
        ASSERT_TRUE(eventually([&] { return ::waitpid(pid, &status, WNOHANG) == pid || installed(); }, 60)) << n;
        if (!WIFSIGNALED(status)) {  // past the last step: the install ran to its end
            endRun(pid);
            break;
        }
        child = 0;
        ASSERT_EQ(WTERMSIG(status), SIGKILL) << n;
        ++points;
        // Cut short in the middle of its swap, the program may be mixed; the journal then says so.
        const std::string killed = version();
        EXPECT_TRUE(killed == "old" || killed == "new" || exists(site.prog + "/Backup/Tarvo.journal")) << n << ": " << killed;
        // Every kind of next start puts the program back whole before anything else: a Tarvo
        // that cannot reach the update server (nothing listens), one the server answers 503,
        // and the recovery alone that Noorvale starts when it finds the journal.
        const size_t asked = site.server.requests().size();
        if (n % 3 == 0) {
            site.server.setPage("/noorvale/update.ini", "busy", 503);
            const pid_t rerun = start("Tarvo", site.parameters(), "abort");
            ASSERT_TRUE(eventually([&] { return site.server.requests().size() > asked; }, 30)) << n;
            endRun(rerun);
            site.serve();
        } else if (n % 3 == 1) {
            const pid_t rerun = start("Tarvo", offline, "abort");
            ASSERT_TRUE(eventually([&] { return !boxes().empty(); }, 30)) << n;
            endRun(rerun);
        } else {
            EXPECT_EQ(runToEnd("Tarvo", "--recover"), 0);
        }
        const std::string after = version();
        EXPECT_TRUE(after == "old" || after == "new") << "rerun after step " << n << ": " << after;
        EXPECT_EQ(leftOver(), "") << n;
        // Then a good rerun installs the new version whole and leaves nothing of the killed run.
        const pid_t good = start("Tarvo", site.parameters());
        EXPECT_TRUE(eventually(installed, 60)) << n << ": " << version();
        endRun(good);
        EXPECT_EQ(version(), "new") << n;
        EXPECT_EQ(leftOver(), "") << n;
    }
    // One journal write for the plan, three old copies aside, four new ones in, the note that
    // all are in, three old copies to their backup names, the journal's removal.
    EXPECT_EQ(points, 13);
    std::printf("kill points: %d\n", points);
}

}  // namespace

// Tarvo's update run inside the test: the real window (offscreen), a real HTTP server on
// 127.0.0.1, an update published with tools/nv-publish from real files into real gcab cabinets,
// and a temporary program folder. Message boxes are read and answered through the program's
// message-box seam; the network interfaces through the session's connection-state seam.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTranslator>

#include <signal.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <tuple>

#include "InstallRun.h"
#include "MsgBox.h"
#include "Translate.h"
#include "cNetGet.h"
#include "frmTarvo.h"
#include "modTarvo.h"
#include "support/UpdateSite.h"

using namespace nv;
using namespace nv::test;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

// A process running the program at `path` (an argument of its command line), or 0.
pid_t runningFrom(const std::string& path) {
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string pid = entry.path().filename();
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream in(entry.path() / "cmdline", std::ios::binary);
        for (std::string argument; std::getline(in, argument, '\0');)
            if (argument == path) return static_cast<pid_t>(std::stol(pid));
    }
    return 0;
}

struct Box {
    std::string text, title;
    int style;
};

class TarvoRun : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("TMPDIR", site.tmp.c_str(), 1);
        setAppTitle("Tarvo");
        setMsgBoxHandler([this](const std::string& text, int style, const std::string& title) {
            boxes.push_back({text, title, style});
            if (grabOnBox && form) grab(grabOnBox);
            if (answers.empty()) return int{vbOK};
            const int a = answers.front();
            answers.pop_front();
            return a;
        });
        frmTarvo::setProgramEnd([this] { ended = true; });
    }
    void TearDown() override {
        UpdatePublicKey.clear();
        setMsgBoxHandler({});
        ::unsetenv("TMPDIR");
    }

    // Starts Tarvo's window on the site's update, as Main does after its start-up checks.
    frmTarvo& start(const std::string& parameters = {}) {
        EXPECT_TRUE(ReadCommandLine(parameters.empty() ? site.parameters() : parameters, site.prog));
        form = std::make_unique<frmTarvo>();
        form->netGet().SetConnectionState([](uint32_t& flags) {
            flags = kConnectionLan;
            return true;
        });
        form->show();
        return *form;
    }
    frmTarvo& run(const std::string& parameters = {}) {
        start(parameters).TarvoUpdate();
        return *form;
    }
    void expectFailedAt(int step, const std::string& message) {
        EXPECT_EQ(form->message().toStdString(), message);
        EXPECT_EQ(form->actionCaption(), "Done");
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(form->stepState(j), j < step ? frmTarvo::StepState::OK : frmTarvo::StepState::Error) << "step " << j;
    }
    // A picture of the window for the eye, on request: NOORVALE_SHOTS=<folder>.
    void grab(const std::string& name) {
        const QString shots = qEnvironmentVariable("NOORVALE_SHOTS");
        if (!shots.isEmpty()) form->grab().save(shots + "/" + QString::fromStdString(name));
    }
    // A new key pair from the publishing tool in root/name (secret) and name.pub; the public key.
    std::string newKey(const std::string& name) {
        const std::string cmd = "python3 " + shellQuote(std::string(NOORVALE_SOURCE_DIR) + "/tools/nv-publish") +
                                " --new-key " + shellQuote(site.root / name) + " >/dev/null";
        EXPECT_EQ(std::system(cmd.c_str()), 0);
        std::string key = readFile(site.root / (name + ".pub"));
        return key.substr(0, key.find('\n'));
    }
    // Whether the window shows a label with exactly this text.
    bool shows(const QString& text) const {
        for (const QLabel* label : form->findChildren<QLabel*>())
            if (label->isVisible() && label->text() == text) return true;
        return false;
    }

    UpdateSite site;
    std::unique_ptr<frmTarvo> form;
    std::vector<Box> boxes;
    std::deque<int> answers;
    bool ended = false;
    const char* grabOnBox = nullptr;  // a picture of the window while a box is up
};

TEST_F(TarvoRun, FullUpdateInstallsWithBackupsAndStartsTheProgramOnClose) {
    ASSERT_TRUE(site.publish());
    const auto before = UpdateSite::snapshot(site.prog);
    run();
    grab("tarvo-finished.png");

    EXPECT_EQ(form->message(), "Tarvo has completed the update.");
    EXPECT_EQ(form->actionCaption(), "Finish");
    for (int j = 0; j < 4; ++j) EXPECT_EQ(form->stepState(j), frmTarvo::StepState::OK);
    EXPECT_EQ(form->progressWidth(), form->progressFullWidth() * 99 / 100);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form->windowTitle(), "ORVEN Tarvo for Noorvale");
    EXPECT_TRUE(shows("This update is not signed."));  // no key in this build

    // New contents in place, also in the sub-folder; untouched files stay.
    for (const char* f : {"Noorvale", "readme.txt", "graphics/picclock.jpg"})
        EXPECT_EQ(readFile(site.prog + "/" + f), readFile(site.source + "/" + f)) << f;
    EXPECT_EQ(readFile(site.prog + "/Media/Nv_001.wav"), before.at("Media/Nv_001.wav"));
    // The old copies in the flat backup folder.
    EXPECT_EQ(readFile(site.prog + "/Backup/Noorvale"), before.at("Noorvale"));
    EXPECT_EQ(readFile(site.prog + "/Backup/readme.txt"), before.at("readme.txt"));
    EXPECT_EQ(readFile(site.prog + "/Backup/picclock.jpg"), before.at("graphics/picclock.jpg"));
    // Permission bits of the replaced files kept: the program stays executable.
    EXPECT_EQ(modeOf(site.prog + "/Noorvale"), 0755u);
    EXPECT_EQ(modeOf(site.prog + "/readme.txt"), 0600u);
    // No work file left, and no temporary install file in the program folder; beside the
    // program, the record of the version installed.
    EXPECT_TRUE(UpdateSite::snapshot(site.workFolder()).empty());
    EXPECT_EQ(UpdateSite::snapshot(site.prog).size(), before.size() + 4);
    EXPECT_NE(readFile(site.prog + "/Tarvo.installed").find("Version=1.1"), std::string::npos);

    // Finish closes without asking and starts the program again.
    form->close();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(ended);
    EXPECT_TRUE(eventually([&] { return exists(site.root / "noorvale-started"); }, 10));
}

TEST_F(TarvoRun, NothingNewerEndsWithTheLatestVersionMessage) {
    ASSERT_TRUE(site.publish("--date '1999-01-01 00:00:00'"));
    const auto before = UpdateSite::snapshot(site.prog);
    run();
    grab("tarvo-latest.png");
    expectFailedAt(1, "You have the latest version, No update is available at this time.");
    EXPECT_TRUE(form->fileList().empty());
    EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "");
    EXPECT_FALSE(exists(site.prog + "/Backup"));
    // "Done" closes without asking and starts the program.
    form->close();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(eventually([&] { return exists(site.root / "noorvale-started"); }, 10));
}

TEST_F(TarvoRun, NoFileIsReplacedWithoutItsBackup) {
    ASSERT_TRUE(site.publish());
    writeFile(site.prog + "/Backup", "a file where the backup folder belongs");
    const auto before = UpdateSite::snapshot(site.prog);
    run();
    expectFailedAt(3, "Update Failed, could not install update files. The folder " + site.prog + "/Backup/ cannot be made.");
    EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "");
    EXPECT_TRUE(UpdateSite::snapshot(site.workFolder()).size() <= 3);  // extracted files not installed
}

TEST_F(TarvoRun, AnOlderOrReplayedSignedUpdateIsRefused) {
    // Version 1.1 installed from a signed update; its update.ini and signature kept as an
    // attacker would keep them.
    UpdatePublicKey = newKey("maker.key");
    const std::string signing = "--allow-future-date --date '2030-01-01 12:00:00' --sign-key " + shellQuote(site.root / "maker.key");
    ASSERT_TRUE(site.publish(signing));
    run();
    ASSERT_EQ(form->message(), "Tarvo has completed the update.");
    const std::string installed11 = site.info(), signature11 = readFile(site.infoPath() + ".sig");
    // A file the next update changes, then the same file as 1.1 had it.
    const std::string readme11 = readFile(site.source + "/readme.txt");
    struct Case {
        std::string what, version, readme;
        bool replay;
        int step;  // 0: installs
        std::string message;
    };
    const std::vector<Case> cases = {
        {"an older version", "1.0", "readme of 1.0\n", false, 1,
         "Update Failed, the update offered is version 1.0, older than the installed version 1.1."},
        {"older by its third number", "1.0.9", "readme of 1.0.9\n", false, 1,
         "Update Failed, the update offered is version 1.0.9, older than the installed version 1.1."},
        {"the installed update replayed", "", "", true, 1,
         "Version 1.1 is installed already, No update is available at this time."},
        {"the same version published with a file changed", "1.1", "readme of 1.1, corrected\n", false, 0, ""},
        {"a newer version", "1.2", readme11, false, 0, ""},
    };
    for (const auto& c : cases) {
        const auto before = UpdateSite::snapshot(site.prog);
        if (c.replay) {
            writeFile(site.infoPath(), installed11);
            writeFile(site.infoPath() + ".sig", signature11);
            site.serve();
        } else {
            writeFile(site.source + "/readme.txt", c.readme);
            ASSERT_TRUE(site.publish(signing + " --version " + c.version));
        }
        run();
        if (c.step == 0) {
            EXPECT_EQ(form->message(), "Tarvo has completed the update.") << c.what;
            EXPECT_EQ(readFile(site.prog + "/readme.txt"), c.readme) << c.what;
        } else {
            expectFailedAt(c.step, c.message);
            EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "") << c.what;
        }
    }
    EXPECT_NE(readFile(site.prog + "/Tarvo.installed").find("Version=1.2"), std::string::npos);
}

TEST_F(TarvoRun, OnlyOlderOrMissingFilesAreSelected) {
    ASSERT_TRUE(site.publish());
    // An installed copy newer than the published date is left alone; a date that is no date
    // always installs.
    const timeval future[2] = {{1956528000, 0}, {1956528000, 0}};  // 2032
    ::utimes((site.prog + "/readme.txt").c_str(), future);
    ::utimes((site.prog + "/graphics/picclock.jpg").c_str(), future);
    site.editInfo("2030-01-01 12:00:00,1.1,graphics\\", "sometime,1.1,graphics\\");
    start();
    ASSERT_TRUE(form->ConnectToNet(0, 10));
    ASSERT_TRUE(form->AnyUpdates(1, 25));
    ASSERT_EQ(form->fileList().size(), 2u);
    EXPECT_EQ(form->fileList()[0].rfind("Noorvale,", 0), 0u);
    EXPECT_EQ(form->fileList()[1].rfind("picclock.jpg,sometime,", 0), 0u);
}

TEST_F(TarvoRun, WrongProductNameOrMissingSectionsAreRefused) {
    ASSERT_TRUE(site.publish());
    const auto before = UpdateSite::snapshot(site.prog);
    run(site.parameters("noorvale"));  // differs only in letter case
    expectFailedAt(1, "Update Failed, Tarvo file is not valid.");

    site.editInfo("[CABFILES]", "[NOCABS]");
    run();
    expectFailedAt(2, "Update Failed, update package is not valid.");

    site.editInfo("[TARVO]", "[NOTHING]");
    run();
    expectFailedAt(1, "Update Failed, Tarvo file is not valid.");
    EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "");
}

TEST_F(TarvoRun, CrcAndSha256MismatchesInstallNothing) {
    ASSERT_TRUE(site.publish());
    const auto before = UpdateSite::snapshot(site.prog);
    const std::string cab = site.value("CAB1"), file = site.value("File1");
    auto field = [](const std::string& v, size_t i) { return SplitFields(v).at(i); };

    // A cabinet whose CRC text is wrong.
    site.editInfo(cab, field(cab, 0) + ",1234ABCD," + field(cab, 2));
    run();
    expectFailedAt(2, "Update Failed, could not authenticate update files. The data does not match its checksum.");
    // A cabinet entry without its CRC field never matches.
    site.editInfo(site.value("CAB1"), field(cab, 0));
    run();
    expectFailedAt(2, "Update Failed, could not authenticate update files. The data does not match its checksum.");
    // Right CRC, wrong SHA-256 of the cabinet.
    site.editInfo(site.value("CAB1"), field(cab, 0) + "," + field(cab, 1) + "," + std::string(64, '0'));
    run();
    expectFailedAt(2, "Update Failed, could not authenticate update files. The data does not match its checksum.");
    site.editInfo(site.value("CAB1"), cab);
    // An extracted file whose CRC text is wrong, then one whose SHA-256 is wrong.
    site.editInfo(file, field(file, 0) + "," + field(file, 1) + ",1.1,,CAB1,FFFFFFFF," + field(file, 6));
    run();
    expectFailedAt(2, "Update Failed, could not authenticate update files. The data does not match its checksum.");
    site.editInfo(site.value("File1"), field(file, 0) + "," + field(file, 1) + ",1.1,,CAB1," + field(file, 5) + "," +
                                           std::string(64, 'a'));
    run();
    expectFailedAt(2, "Update Failed, could not authenticate update files. The data does not match its checksum.");

    EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "");
    EXPECT_TRUE(UpdateSite::snapshot(site.workFolder()).size() <= 1);  // at most an extracted file that failed
    // A CRC text with surrounding blanks still matches; the whole update then goes through.
    site.editInfo(site.value("File1"), field(file, 0) + "," + field(file, 1) + ",1.1,,CAB1, " + field(file, 5) + " ," +
                                           field(file, 6));
    run();
    EXPECT_EQ(form->message(), "Tarvo has completed the update.");
}

TEST_F(TarvoRun, ServerStoppingMidDownloadInstallsNothing) {
    ASSERT_TRUE(site.publish());
    const auto before = UpdateSite::snapshot(site.prog);
    const std::string cabName = SplitFields(site.value("CAB2")).at(0);
    const std::string cab = readFile(site.site + "/" + cabName);
    site.server.setBrokenPage("/noorvale/" + cabName, cab, cab.size() / 2);
    site.server.setPage("/noorvale/" + cabName, "", 0);  // the broken answer wins over the page
    run();
    expectFailedAt(2, "Update Failed, could not retrieve updated files. The connection with the server has been reset.");
    EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "");
    EXPECT_FALSE(exists(site.workFolder() + "/" + cabName));
}

TEST_F(TarvoRun, ServerFailuresAreNamedByTheirTrueCauseAndKeepNothing) {
    ASSERT_TRUE(site.publish());
    const auto before = UpdateSite::snapshot(site.prog);
    const std::string pristine = site.info();
    const std::string cab2 = SplitFields(site.value("CAB2")).at(0);
    const auto cab2Fields = SplitFields(site.value("CAB2"));
    struct Case {
        const char* picture;
        std::function<void()> change;
        int step;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"tarvo-404.png", [&] { site.server.setPage("/noorvale/" + cab2, "<html>not here</html>", 404); }, 2,
         "Update Failed, could not retrieve updated files. The server answered 404 Not Found for " +
             site.server.url("/noorvale/" + cab2) + "."},
        {"tarvo-500.png", [&] { site.server.setPage("/noorvale/update.ini", "<html>[TARVO]\r\nName=Noorvale</html>", 500); }, 1,
         "Update Failed, could not retrieve Tarvo file. The server answered 500 Internal Server Error for " + site.url() + "."},
        // A cabinet that trickles in without end: cut at its deadline, ten minutes of 20 ms each
        // here; its stated size of 12 MiB earns it two minutes more.
        {nullptr, [&] { site.server.setSlowPage("/noorvale/" + cab2, std::string(100000, 'c')); }, 2,
         "Update Failed, could not retrieve updated files. The download did not finish within 10 minutes."},
        {nullptr,
         [&] {
             site.editInfo(site.value("CAB2"), cab2Fields[0] + "," + cab2Fields[1] + "," + cab2Fields[2] + "," +
                                                   std::to_string(12 << 20));
             site.server.setSlowPage("/noorvale/" + cab2, std::string(100000, 'c'));
         },
         2, "Update Failed, could not retrieve updated files. The download did not finish within 12 minutes."},
    };
    for (const auto& c : cases) {
        writeFile(site.infoPath(), pristine);
        site.serve();
        c.change();
        start();
        form->netGet().SetDeadlineMinute(20);
        form->TarvoUpdate();
        expectFailedAt(c.step, c.message);
        if (c.picture) grab(c.picture);
        EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "");
        EXPECT_TRUE(UpdateSite::snapshot(site.workFolder()).empty()) << c.message;  // no error page, no part
        site.server.setSlowPage("/noorvale/" + cab2, {});
    }
}

TEST_F(TarvoRun, HostileNamesAreRefusedAndNothingIsWritten) {
    ASSERT_TRUE(site.publish());
    const std::string file = site.value("File1"), cab = site.value("CAB1");
    const auto fields = SplitFields(file);
    auto entry = [&](const std::string& name, const std::string& sub) {
        return name + "," + fields[1] + ",1.1," + sub + ",CAB1," + fields[5] + "," + fields[6];
    };
    const std::vector<std::pair<std::string, std::string>> hostile = {
        {file, entry("../Noorvale", "")},
        {file, entry("Noorvale", "..\\")},
        {file, entry("Noorvale", "graphics\\..\\..\\")},
        {file, entry("Noorvale", "/tmp\\")},
        {file, entry("/tmp/Noorvale", "")},
        {file, entry("sub\\Noorvale", "")},
        {cab, "../../" + cab},
        {cab, "/tmp/" + cab},
        // Names of the work files, and a name twice (its backup would overwrite the first one's).
        {file, entry("update.ini", "")},
        {file, entry("Noorvale2.cab", "")},
        {file, entry("Tarvo", "")},
        {file, entry("picclock.jpg", "")},
    };
    const auto before = UpdateSite::snapshot(site.root.path());
    const std::string pristine = site.info();
    for (const auto& [from, to] : hostile) {
        writeFile(site.infoPath(), pristine);
        site.editInfo(from, to);
        const auto published = UpdateSite::snapshot(site.root.path());
        run();
        expectFailedAt(1, "Update Failed, update package is not valid.");
        // Only the downloaded update information file is new, in the work folder.
        auto after = UpdateSite::snapshot(site.root.path());
        for (const auto& [path, data] : published) after.erase(path);
        for (const auto& [path, data] : after)
            EXPECT_EQ(path, "tmp/" + WorkFolderName(site.prog + "/") + "/update.ini") << to;
    }
    // A hostile name in Tarvo's own entry, too.
    writeFile(site.infoPath(), pristine);
    site.editInfo("Version=1.0", "Version=1.0\r\nCabFile=../Tarvo.cab,0\r\nFile=Tarvo,2030-01-01,1.1,,T,0");
    run();
    expectFailedAt(1, "Update Failed, update package is not valid.");
    EXPECT_FALSE(exists(site.root / "Tarvo.cab"));
    (void)before;
}

TEST_F(TarvoRun, DownloadsAreBoundedAndAPartialFileIsNeverKept) {
    ASSERT_TRUE(site.publish());
    const auto before = UpdateSite::snapshot(site.prog);
    // A cabinet longer than the size the update information file states for it.
    const auto cab2 = SplitFields(site.value("CAB2"));
    ASSERT_EQ(cab2.size(), 4u);
    const int stated = std::stoi(cab2[3]) / 2;
    site.editInfo(site.value("CAB2"), cab2[0] + "," + cab2[1] + "," + cab2[2] + "," + std::to_string(stated));
    run();
    expectFailedAt(2, "Update Failed, could not retrieve updated files. The download is larger than " +
                          std::to_string(stated) + " bytes.");
    EXPECT_FALSE(exists(site.workFolder() + "/" + cab2[0]));
    // An update information file that never ends: the download stops at 1 MiB and is removed.
    site.server.setEndlessPage("/noorvale/update.ini", site.info() + "\r\n[PADDING]\r\n");
    run();
    expectFailedAt(1, "Update Failed, could not retrieve Tarvo file. The download is larger than 1048576 bytes.");
    EXPECT_TRUE(UpdateSite::snapshot(site.workFolder()).empty());
    EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "");
}

// A file system of `kib` KiB of its own on `folder` (a tmpfs), unmounted at the end.
class SmallDisk {
public:
    SmallDisk(const std::string& folder, int kib) : folder_(folder) {
        std::filesystem::create_directories(folder);
        mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + std::to_string(kib) + "k").c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

private:
    std::string folder_;
    bool mounted_ = false;
};

TEST_F(TarvoRun, AFullDiskIsNamedAndChangesNothing) {
    ASSERT_TRUE(site.publish());
    // The work folder on a disk that holds the update information file but not the cabinets,
    // then on one that holds the cabinets but not the files they unpack to.
    for (const auto& [kib, message] : std::vector<std::pair<int, std::string>>{
             {4, "Update Failed, could not retrieve updated files. There is not enough free disk space."},
             {12, "Update Failed, could not extract files. There is not enough free disk space."}}) {
        SmallDisk disk(site.tmp, kib);
        if (!disk.mounted()) GTEST_SKIP() << "no permission to mount a small file system here";
        const auto before = UpdateSite::snapshot(site.prog);
        run();
        expectFailedAt(2, message);
        EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "");
        EXPECT_TRUE(UpdateSite::snapshot(site.workFolder()).empty());
        form.reset();
    }
    // The program folder on a disk that holds the old files but not the new ones beside them.
    const auto old = UpdateSite::snapshot(site.prog);
    std::filesystem::remove_all(site.prog);
    SmallDisk disk(site.prog, 28);
    ASSERT_TRUE(disk.mounted());
    for (const auto& [path, data] : old) {
        writeFile(site.prog + "/" + path, data);
        makeOld(site.prog + "/" + path);
    }
    setMode(site.prog + "/Noorvale", 0755);
    run();
    expectFailedAt(3, "Update Failed, could not install update files. There is not enough free disk space.");
    EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), old), "");
}

TEST_F(TarvoRun, ABackupNameTakenByAFolderLeavesTheProgramAsItWas) {
    ASSERT_TRUE(site.publish());
    // The picture's old copy cannot be moved into the backup folder: a folder stands there.
    writeFile(site.prog + "/Backup/picclock.jpg/keep", "x");
    const auto before = UpdateSite::snapshot(site.prog);
    run();
    expectFailedAt(3, "Update Failed, could not install update files. The old copy of graphics/picclock.jpg could "
                      "not be kept. The previous version was restored.");
    grab("tarvo-restored.png");
    // Nothing of the program changed, and nothing is left over.
    EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "");
}

TEST_F(TarvoRun, NoFolderIsMadeThroughALink) {
    ASSERT_TRUE(site.publish());
    // The program's picture folder is a link to a folder elsewhere.
    std::filesystem::rename(site.prog + "/graphics", site.root / "elsewhere");
    std::filesystem::create_directory_symlink(site.root / "elsewhere", site.prog + "/graphics");
    const auto before = UpdateSite::snapshot(site.root / "elsewhere");
    run();
    expectFailedAt(3, "Update Failed, could not copy update files. The folder " + site.prog +
                          "/graphics/ cannot be made.");
    EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.root / "elsewhere"), before), "");
    EXPECT_EQ(readFile(site.prog + "/readme.txt"), "old readme\n");
}

TEST_F(TarvoRun, WithTheMakersKeyOnlyASignedUpdateIsRead) {
    // The maker's key pair, and a second one that is not the maker's.
    const std::string makers = newKey("maker.key"), others = newKey("other.key");
    ASSERT_EQ(makers.size(), 64u);
    ASSERT_TRUE(site.publish("--allow-future-date --date '2030-01-01 12:00:00' --sign-key " + shellQuote(site.root / "maker.key")));
    const std::string signedInfo = site.info();
    const auto before = UpdateSite::snapshot(site.prog);
    struct Case {
        const char* what;
        std::string key;
        std::function<void()> change;
        int step;
        std::string message;
    };
    const std::string notValid = "Update Failed, Tarvo file is not valid. ";
    const std::vector<Case> cases = {
        {"another key", others, [] {}, 1, notValid + "The signature of the update information file does not match."},
        {"one byte changed", makers, [&] { site.editInfo(",1.1,", ",1.2,"); }, 1,
         notValid + "The signature of the update information file does not match."},
        {"no signature", makers, [&] { site.server.setPage("/noorvale/update.ini.sig", "<html>no such page</html>", 404); }, 1,
         notValid + "The update information file is not signed."},
        {"a cabinet swapped", makers, [&] { site.server.setPage("/noorvale/Noorvale2.cab", readFile(site.site + "/Noorvale1.cab")); },
         2, "Update Failed, could not authenticate update files. The data does not match its checksum."},
    };
    for (const auto& c : cases) {
        writeFile(site.infoPath(), signedInfo);
        site.serve();
        c.change();
        UpdatePublicKey = c.key;
        run();
        expectFailedAt(c.step, c.message);
        EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "") << c.what;
        EXPECT_TRUE(UpdateSite::snapshot(site.workFolder()).empty()) << c.what;
    }
    // Signed, but a file without its SHA-256: with a key built in the field is required.
    writeFile(site.infoPath(), signedInfo);
    const std::string file1 = site.value("File1");
    site.editInfo(file1, file1.substr(0, file1.rfind(',')));
    const std::string resign = "python3 " + shellQuote(std::string(NOORVALE_SOURCE_DIR) + "/tools/nv-publish") +
                               " --sign-key " + shellQuote(site.root / "maker.key") + " --sign " + shellQuote(site.infoPath());
    ASSERT_EQ(std::system(resign.c_str()), 0);
    site.serve();
    UpdatePublicKey = makers;
    run();
    expectFailedAt(2, "Update Failed, could not authenticate update files. The update names no SHA-256 checksum for " +
                          SplitFields(file1).at(0) + ".");
    // Signed, but without the version it brings: refused before any file is chosen.
    writeFile(site.infoPath(), signedInfo);
    site.editInfo("ProductVersion=1.1\r\n", "");
    ASSERT_EQ(std::system(resign.c_str()), 0);
    site.serve();
    run();
    expectFailedAt(1, "Update Failed, Tarvo file is not valid. The update information file names no valid version.");
    // The maker's signature over the update as published: the whole update goes through.
    writeFile(site.infoPath(), signedInfo);
    ASSERT_EQ(std::system(resign.c_str()), 0);
    site.serve();
    run();
    UpdatePublicKey.clear();
    EXPECT_EQ(form->message(), "Tarvo has completed the update.");
    EXPECT_FALSE(shows("This update is not signed."));
    for (const char* f : {"Noorvale", "readme.txt", "graphics/picclock.jpg"})
        EXPECT_EQ(readFile(site.prog + "/" + f), readFile(site.source + "/" + f)) << f;
}

TEST_F(TarvoRun, DeadServerAsksToConnectAndFailsWithItsMessages) {
    const std::string dead = "http://127.0.0.1:" + std::to_string(HttpServer::closedPort()) + "/noorvale/update.ini";
    const std::string parameters = Scramble(dead + ",Noorvale,Noorvale,4");
    // The update server is the probe that proves the connection: it does not answer.
    answers = {vbRetry, vbAbort};
    grabOnBox = "tarvo-connecting.png";
    start(parameters);
    EXPECT_EQ(form->netGet().Probes().Item(1), "http://127.0.0.1:" + dead.substr(17, dead.find('/', 7) - 17) + "/");
    while (form->netGet().Probes().Count() > 1) {  // no address beyond 127.0.0.1 in a test
        const std::string first = form->netGet().Probes().Item(1);
        form->netGet().ClearProbes();
        form->netGet().AddProbe(first);
    }
    form->TarvoUpdate();
    // The update server refused the connection: the way to it works, the server does not.
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "The update server 127.0.0.1 is not answering, although the Internet\r\n"
                             "can be reached. It may be down for a while; please try again later.");
    EXPECT_EQ(boxes[0].style, vbCritical + vbAbortRetryIgnore);
    EXPECT_EQ(boxes[0].title, "Tarvo");
    expectFailedAt(0, "Update Failed, the update server 127.0.0.1 is not answering.");
    grabOnBox = nullptr;

    // No network interface up: no connection at all.
    boxes.clear();
    answers = {vbAbort};
    start(parameters);
    form->netGet().SetConnectionState([](uint32_t& flags) {
        flags = 0;
        return false;
    });
    form->TarvoUpdate();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "You must have an active connection to the Internet\r\nfor Tarvo to function properly. Please establish\r\n"
              "an Internet Connection and try again.");
    expectFailedAt(0, "Update Failed, could not connect to the Internet.");

    // Ignore goes on without a connection; the update information file cannot be fetched.
    boxes.clear();
    answers = {vbIgnore};
    start(parameters);
    form->netGet().ClearProbes();
    ASSERT_TRUE(form->ConnectToNet(0, 10));
    EXPECT_EQ(form->message(), "Internet Status: Not Connected");
    EXPECT_FALSE(form->AnyUpdates(1, 25));
    EXPECT_EQ(form->message(), "Update Failed, could not retrieve Tarvo file. The attempt to connect to the server failed.");
}

TEST_F(TarvoRun, NewerTarvoAsksAndWithoutTheHelperFails) {
    // The program Tarvo would start on closing: it stays running, so a start shows at once (the
    // start returns only once the program runs).
    const std::string program = site.prog + "/Noorvale";
    writeFile(program, "#!/bin/sh\nsleep 600\nexit 0\n");
    writeFile(site.root / "NewTarvo", standInTarvo(site.root / "tarvo-started", "1.01"));
    ASSERT_TRUE(site.publish("--allow-future-date --date '2030-01-01 12:00:00' --tarvo-version 1.01 --tarvo " + shellQuote(site.root / "NewTarvo")));
    const auto before = UpdateSite::snapshot(site.prog);

    answers = {vbNo};
    run();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Tarvo Message");
    EXPECT_EQ(boxes[0].style, vbQuestion + vbYesNo);
    EXPECT_EQ(boxes[0].text,
              "There is a newer version of the Tarvo program available...\r\nYou MUST update Tarvo before checking for "
              "Noorvale updates.\r\n\r\nDo you wish to download the update now?");
    expectFailedAt(1, "Update Failed, Tarvo version is not up to date.");

    // Yes, but there is no Quenlo beside Tarvo: the self-update fails and closing does not
    // start the program.
    answers = {vbYes};
    run();
    expectFailedAt(1, "Tarvo update Failed...");
    EXPECT_TRUE(form->selfUpdatePending());
    form->close();
    EXPECT_TRUE(ended);
    EXPECT_EQ(UpdateSite::differences(UpdateSite::snapshot(site.prog), before), "");
    const pid_t started = runningFrom(program);
    EXPECT_EQ(started, 0);
    // A program started anyway goes with its session (the stand-in and its sleep).
    if (started > 0 && ::getpgid(started) != ::getpgrp()) ::kill(-::getpgid(started), SIGKILL);
}

TEST_F(TarvoRun, ASelfUpdateDoneTodayIsNotOfferedAgain) {
    // The published Tarvo claims 1.01; a helper stand-in takes the hand-over.
    writeFile(site.root / "NewTarvo", standInTarvo(site.root / "tarvo-started", "1.01"));
    writeFile(site.prog + "/Quenlo", standInProgram(site.root / "quenlo-started"));
    setMode(site.prog + "/Quenlo", 0755);
    ASSERT_TRUE(site.publish("--allow-future-date --date '2030-01-01 12:00:00' --tarvo-version 1.01 --tarvo " +
                             shellQuote(site.root / "NewTarvo")));
    answers = {vbYes};
    run();
    ASSERT_EQ(boxes.size(), 1u);
    ASSERT_TRUE(eventually([&] { return exists(site.root / "quenlo-started"); }, 10));
    // The Tarvo that starts next still finds itself older than 1.01, but it is not asked again
    // today: it goes on with the product update.
    boxes.clear();
    run();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form->message(), "Tarvo has completed the update.");
    EXPECT_EQ(readFile(site.prog + "/readme.txt"), readFile(site.source + "/readme.txt"));
}

TEST_F(TarvoRun, CancelAsksAndOnlyYesCloses) {
    ASSERT_TRUE(site.publish());
    start();
    grab("tarvo-start.png");
    answers = {vbNo, vbYes};
    form->close();
    EXPECT_FALSE(ended);
    EXPECT_TRUE(form->isVisible());
    form->close();
    EXPECT_TRUE(ended);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Are you sure you want to cancel the Tarvo update?");
    EXPECT_EQ(boxes[0].title, "Tarvo");
}

TEST_F(TarvoRun, ProgressFollowsTheSteps) {
    ASSERT_TRUE(site.publish());
    start();
    const int full = form->progressFullWidth();
    EXPECT_EQ(form->progressWidth(), 1);
    form->ConnectToNet(0, 10);
    EXPECT_EQ(form->progressWidth(), full * 10 / 100);
    form->AnyUpdates(1, 25);
    EXPECT_EQ(form->progressWidth(), full * 25 / 100);
    form->DownloadUpdates(2, 70);
    grab("tarvo-retrieved.png");
    EXPECT_EQ(form->progressWidth(), full * 70 / 100);
    EXPECT_EQ(form->stepState(2), frmTarvo::StepState::OK);
    EXPECT_EQ(form->stepState(3), frmTarvo::StepState::None);
}

// A language in which every text reads "[text]": a text that reaches the window without going
// through the catalogue stays plain English and shows up.
class Bracketed : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char* = nullptr, int = -1) const override {
        return "[" + QString::fromUtf8(source) + "]";
    }
};

TEST_F(TarvoRun, InAnotherLanguageEveryTextIsTranslatedAndTheButtonsKeepTheirMeaning) {
    Bracketed language;
    QCoreApplication::installTranslator(&language);
    setTranslateHook([](const char* context, const char* text) { return QCoreApplication::translate(context, text).toStdString(); });
    struct Restore {
        Bracketed& language;
        ~Restore() {
            QCoreApplication::removeTranslator(&language);
            setTranslateHook({});
            QApplication::setLayoutDirection(Qt::LeftToRight);
        }
    } restore{language};
    QApplication::setLayoutDirection(Qt::RightToLeft);  // as the Arabic and Urdu catalogues say
    ASSERT_TRUE(site.publish());

    // The cancel question still comes while the button (now "[Cancel]") cancels.
    start();
    EXPECT_EQ(form->windowTitle(), "[ORVEN Tarvo for Noorvale]");
    answers = {vbNo};
    form->close();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "[Are you sure you want to cancel the Tarvo update?]");
    EXPECT_TRUE(form->isVisible());
    form.reset();
    boxes.clear();

    // An extracted file that fails its check: the extraction's own message stays, the sentence
    // and its cause each translated; every text on show is; the closing button does not ask.
    const std::string file = site.value("File1");
    auto field = [&](size_t i) { return SplitFields(file).at(i); };
    site.editInfo(file, field(0) + "," + field(1) + ",1.1,,CAB1,FFFFFFFF," + field(6));
    run();
    EXPECT_EQ(form->message(), "[Update Failed, could not authenticate update files. [The data does not match its checksum.]]");
    EXPECT_EQ(form->actionCaption(), "[Done]");
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            EXPECT_TRUE(label->text().startsWith('[')) << label->text().toStdString();
        }
    }
    // Mirrored: the button on the left, each step's picture right of its name, the progress
    // growing from the right edge.
    EXPECT_LT(form->findChild<QPushButton*>()->geometry().right(), form->width() / 2);
    int steps = 0;
    for (const QLabel* picture : form->findChildren<QLabel*>())
        for (const QLabel* name : form->findChildren<QLabel*>())
            if (!picture->pixmap().isNull() && name->y() == picture->y() - 1 && !name->text().isEmpty()) {
                EXPECT_GT(picture->x(), name->geometry().right()) << name->text().toStdString();
                ++steps;
            }
    EXPECT_EQ(steps, 4);
    const QLabel* progress = nullptr;
    for (const QLabel* bar : form->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (const QLabel* fill = bar->findChild<QLabel*>()) progress = fill;
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->width(), form->progressWidth());
    EXPECT_EQ(progress->geometry().right(), progress->parentWidget()->width() - 1);
    grab("tarvo-bracketed.png");
    form->close();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(ended);
}

// The checksum of a file as the update check computes it, against the publishing tool and
// against known values of the digest rule.
TEST(InstallRun, RecoverPutsBackWhatAKilledRunReplacedAndNothingElse) {
    TempDir dir;
    const std::string prog = dir / "prog/", backup = prog + "Backup/";
    // The state a run killed in the middle of its swaps leaves: a was moved to the backup and
    // replaced; b was not reached; c is new in this run; d was moved but the kill came before
    // the journal said so; e's staged copy is still there; a line naming a file outside the
    // program folder is never followed.
    writeFile(prog + "a", "new a");
    writeFile(backup + "a", "old a");
    writeFile(prog + "b", "old b");
    writeFile(backup + "b", "b from an earlier update");
    writeFile(prog + "c", "new c");
    writeFile(backup + "d", "old d");
    writeFile(prog + ".e.new-AbCdEf", "staged e");
    writeFile(dir / "outside", "outside");
    writeFile(backup + "outside", "planted");
    auto plan = [&](const char* existed, const std::string& name, const std::string& target) {
        return std::string("P\t") + existed + "\t" + target + "\t" + prog + "." + name + ".new-AbCdEf\t" + backup + name + "\n";
    };
    writeFile(InstallRun::JournalPath(backup), plan("1", "a", prog + "a") + plan("1", "b", prog + "b") + plan("0", "c", prog + "c") +
                                                   plan("1", "d", prog + "d") + plan("0", "e", prog + "e") +
                                                   plan("1", "outside", dir / "outside") + "M\t0\nM\t5\n");
    InstallRun::Recover(prog, backup);
    EXPECT_EQ(readFile(prog + "a"), "old a");
    EXPECT_EQ(readFile(prog + "b"), "old b");
    EXPECT_EQ(readFile(backup + "b"), "b from an earlier update");
    EXPECT_FALSE(exists(prog + "c"));
    EXPECT_EQ(readFile(prog + "d"), "old d");
    EXPECT_FALSE(exists(prog + ".e.new-AbCdEf"));
    EXPECT_EQ(readFile(dir / "outside"), "outside");
    EXPECT_FALSE(exists(InstallRun::JournalPath(backup)));
    // Recovery also sweeps what a run of that release left beside its targets.
    writeFile(prog + ".b.new-XyZ123", "left over");
    InstallRun::Recover(prog, backup);
    EXPECT_FALSE(exists(prog + ".b.new-XyZ123"));
    EXPECT_EQ(UpdateSite::snapshot(prog).size(), 5u);  // a, b, d and the two backups not taken back
}

TEST(InstallRun, AnyByteInTheFolderNameAndAJournalCutAnywhere) {
    const std::vector<std::string> folders = {"plain", "new\nline", "tab\there", "byte \xff\xfe", "a,b %d"};
    for (const auto& name : folders) {
        TempDir dir;
        const std::string prog = dir / name + "/", backup = prog + "Backup/";
        const std::string shown = ::testing::PrintToString(name);  // escaped on the output
        writeFile(prog + "a", "old a");
        writeFile(prog + "sub\n\xff/b", "old b");
        writeFile(dir / "a", "new a");
        writeFile(dir / "b", "new b");
        writeFile(dir / "c", "new c");
        std::filesystem::create_directories(backup);
        InstallRun run(prog, backup);
        std::string cause;
        ASSERT_TRUE(run.Stage(dir / "a", "", "a", cause) && run.Stage(dir / "b", "sub\n\xff/", "b", cause) &&
                    run.Stage(dir / "c", "", "c", cause)) << cause;
        ASSERT_TRUE(run.Commit(cause)) << cause;
        EXPECT_EQ(UpdateSite::snapshot(prog), (std::map<std::string, std::string>{
                      {"a", "new a"}, {"sub\n\xff/b", "new b"}, {"c", "new c"}, {"Backup/a", "old a"}, {"Backup/b", "old b"}}))
            << shown;
        // A run killed with every new file in but before its end is finished; one killed before
        // that is undone. Both also remove what was staged.
        for (const bool committed : {false, true}) {
            // An entry with any path outside the program folder is never followed.
            const std::string s = "Backup/Tarvo.staging/";
            const std::vector<InstallRun::Item> items = {{"a", s + "0.new", s + "0.old", "Backup/a", true},
                                                         {"d", s + "1.new", s + "1.old", "Backup/d", false},
                                                         {"../outside", s + "2.new", s + "2.old", "Backup/x", true},
                                                         {"y", s + "3.new", s + "3.old", "Backup/../../outside", true},
                                                         {"e", "../outside", s + "4.old", "Backup/e", false},
                                                         {"f", s + "5.new", "../outside", "Backup/f", true}};
            writeFile(backup + "Tarvo.staging/0.old", "older a");
            writeFile(backup + "Tarvo.staging/2.old", "planted");
            writeFile(backup + "Tarvo.staging/3.old", "planted");
            writeFile(dir / "outside", "outside");
            writeFile(prog + "d", "new d");
            writeFile(backup + "Tarvo.journal", InstallRun::JournalText(items, committed));
            InstallRun::Recover(prog, backup);
            EXPECT_EQ(readFile(prog + "a"), committed ? "new a" : "older a") << shown;
            EXPECT_EQ(readFile(backup + "a"), committed ? "older a" : "old a") << shown;
            EXPECT_EQ(exists(prog + "d"), committed) << shown;
            EXPECT_FALSE(exists(backup + "Tarvo.staging") || exists(backup + "Tarvo.journal")) << shown;
            EXPECT_EQ(readFile(dir / "outside"), "outside") << shown;
            writeFile(prog + "a", "new a");
        }
    }
    // A journal cut short at any byte (the power failed while it was written) reads as the whole
    // entries before the cut, and as done only with its last line whole.
    const std::vector<InstallRun::Item> items = {{"x\ny", "s\t1", "o 1", "B/x\xff", true}, {"12:3", "", ":", "\n", false}};
    const std::string text = InstallRun::JournalText(items, true);
    std::vector<InstallRun::Item> read;
    bool committed = false;
    ASSERT_TRUE(InstallRun::ReadJournal(text, read, committed));
    EXPECT_TRUE(committed);
    ASSERT_EQ(read.size(), 2u);
    for (size_t k = 0; k < 2; ++k)
        EXPECT_EQ(std::tie(read[k].target, read[k].staged, read[k].aside, read[k].backup, read[k].existed),
                  std::tie(items[k].target, items[k].staged, items[k].aside, items[k].backup, items[k].existed));
    const size_t first = InstallRun::JournalText({items[0]}, false).size();
    for (size_t cut = 5; cut < text.size(); ++cut) {
        ASSERT_TRUE(InstallRun::ReadJournal(text.substr(0, cut), read, committed));
        EXPECT_EQ(read.size(), cut < first ? 0u : cut < text.size() - 2 ? 1u : 2u) << cut;
        EXPECT_FALSE(committed) << cut;
    }
    // The earlier release's journal is no journal of this form.
    EXPECT_FALSE(InstallRun::ReadJournal("P\t1\t/p/a\t/p/.a.new-AbCdEf\t/p/Backup/a\n", read, committed));
}

TEST(VerifyCRC, AgreesWithThePublisherAtEveryBlockBoundary) {
    TempDir dir;
    std::string list;
    for (size_t n : {0, 1, 3, 511, 512, 513, 514, 1024, 1025, 70000}) {
        std::string data(n, '\0');
        for (size_t i = 0; i < n; ++i) data[i] = static_cast<char>((i * 131 + n) % 256);
        writeFile(dir / std::to_string(n), data);
        list += " " + std::to_string(n);
    }
    const std::string script =
        "import importlib.machinery,sys\n"
        "m=importlib.machinery.SourceFileLoader('p','" + std::string(NOORVALE_SOURCE_DIR) + "/tools/nv-publish').load_module()\n"
        "for n in sys.argv[2:]: print(n, m.crc_text(open(sys.argv[1]+'/'+n,'rb').read()))\n";
    writeFile(dir / "crc.py", script);
    const std::string cmd = "python3 " + shellQuote(dir / "crc.py") + " " + shellQuote(dir.path()) + list + " > " +
                            shellQuote(dir / "crc.txt");
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::ifstream in(dir / "crc.txt");
    frmTarvo form;
    int checked = 0;
    for (std::string n, crc; in >> n >> crc; ++checked) {
        EXPECT_TRUE(form.VerifyCRC(dir / n, crc)) << n;
        EXPECT_FALSE(form.VerifyCRC(dir / n, crc + "0")) << n;
    }
    EXPECT_EQ(checked, 10);
    // "abc": the length digits, the file, then three zero bytes: CRC-32 of "3abc\0\0\0".
    writeFile(dir / "abc", "abc");
    EXPECT_TRUE(form.VerifyCRC(dir / "abc", "D2EC08E"));
    EXPECT_TRUE(form.VerifyCRC(dir / "abc", "  D2EC08E "));
    EXPECT_FALSE(form.VerifyCRC(dir / "abc", "d2ec08e"));
    EXPECT_FALSE(form.VerifyCRC(dir / "abc", "0D2EC08E"));
    EXPECT_FALSE(form.VerifyCRC(dir / "missing", "D2EC08E"));
}

TEST(ModTarvo, UrlPartsVersionsAndDates) {
    EXPECT_EQ(FilePathURL("  http://h/a/b/update.ini "), "http://h/a/b/");
    EXPECT_EQ(FilePathURL("update.ini"), "");
    EXPECT_EQ(FileNameURL("http://h/a/update.ini  "), "update.ini");
    EXPECT_EQ(FileNameURL("update.ini"), "update.ini");

    EXPECT_EQ(VersionNumber(TarvoVersionText()), 10000);
    EXPECT_EQ(VersionNumber("1.2"), 12000);
    EXPECT_EQ(VersionNumber("1.15"), 11500);
    EXPECT_EQ(VersionNumber("1.01"), 10100);
    EXPECT_EQ(VersionNumber("junk"), 0);
    for (const auto& [a, b, order] : std::vector<std::tuple<std::string, std::string, int>>{
             {"1.1", "1.1", 0}, {"1.2", "1.2.0", 0}, {"1.10", "1.9", 1}, {"1.9", "1.10", -1}, {"2", "1.99.99", 1},
             {"1.01", "1.1", 0}, {"0.9", "1", -1}})
        EXPECT_EQ(CompareVersions(a, b), order) << a << " " << b;
    for (const char* v : {"1", "1.2", "10.20.30", "123456789.0"}) EXPECT_TRUE(IsVersionText(v)) << v;
    for (const char* v : {"", "1.", ".1", "1..2", "1.x", " 1.2", "1.2 ", "-1", "1234567890"}) EXPECT_FALSE(IsVersionText(v)) << v;

    DateValue d = 0;
    ASSERT_TRUE(ParseDateText("2030-01-02 03:04:05", d));
    EXPECT_EQ(d, dateSerial(2030, 1, 2) + timeSerial(3, 4, 5));
    ASSERT_TRUE(ParseDateText("1/2/2030 3:04:05 PM", d));
    EXPECT_EQ(d, dateSerial(2030, 1, 2) + timeSerial(15, 4, 5));
    ASSERT_TRUE(ParseDateText("2030-01-02", d));
    for (const char* bad : {"", "sometime", "2030-02-30", "2030-13-01 00:00:00", "2030-01-01 25:00", "2030-01-01x"})
        EXPECT_FALSE(ParseDateText(bad, d)) << bad;

    EXPECT_EQ(SplitFields("a,,b,"), (std::vector<std::string>{"a", "", "b", ""}));
}

}  // namespace

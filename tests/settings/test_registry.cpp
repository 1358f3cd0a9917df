#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "RegistryStore.h"
#include "Translate.h"
#include "VbError.h"
#include "modRegistry.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempHome.h"

using namespace nv;
namespace fs = std::filesystem;

namespace {

const std::string kKey = std::string(kNoorvaleKey) + "\\User\\Location";
const std::string kGoodHeader = "REGEDIT4\n\n";

void writeFile(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> filesBeside(const std::string& store) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(fs::path(store).parent_path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

RegValue read(const std::string& name, const RegValue& def, const std::string& key = kKey) {
    return ReadRegValue(HKEY_CURRENT_USER, key, name, def);
}

}  // namespace

TEST(RegValue, ConvertsAsTheCallersDo) {
    EXPECT_EQ(RegValue("12abc").toLong(), 12);
    EXPECT_EQ(RegValue(" 7").toInt(), 7);
    EXPECT_EQ(RegValue("abc").toInt(), 0);
    EXPECT_EQ(RegValue(2.5).toInt(), 2);  // halves to even
    EXPECT_EQ(RegValue(-5).toText(), "-5");
    EXPECT_EQ(RegValue(1.5).toText(), "1.5");
    EXPECT_EQ(RegValue(40000).toLong(), 40000);
    EXPECT_THROW(RegValue(40000).toInt(), VbError);
    EXPECT_THROW(RegValue("1e10").toLong(), VbError);
    EXPECT_EQ(TrimNull(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(TrimNull("abc"), "abc");
}

TEST(Registry, MissingValuesGiveTheDefaultWithItsType) {
    test::TempHome home;
    EXPECT_EQ(read("Name", RegValue(0)), RegValue(0));
    EXPECT_TRUE(read("Name", RegValue(0)).isNumber());
    EXPECT_EQ(read("Name", RegValue("")), RegValue(""));
    EXPECT_TRUE(read("Name", RegValue("")).isText());
    WriteRegLong(HKEY_CURRENT_USER, kKey, "Other", 1);
    EXPECT_EQ(read("Name", RegValue("x")), RegValue("x"));  // key there, value not
    EXPECT_FALSE(fs::exists(home.storeFile() + ".damaged"));
}

// A program that runs for weeks reads the file again each time another program wrote it, and
// keeps no file open for it.
TEST(Registry, ReadingTheFileAgainAfterEachOutsideChangeKeepsNoFileOpen) {
    test::TempHome home;
    auto openFiles = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{}); };
    const auto before = openFiles();
    for (int i = 1; i <= 50; ++i) {
        // Each text is longer than the last, so each change shows in the file's size.
        writeFile(home.storeFile(), kGoodHeader + "[HKEY_CURRENT_USER\\" + kKey + "]\n\"Name\"=\"" +
                                        std::string(static_cast<size_t>(i), 'x') + "\"\n");
        ASSERT_EQ(read("Name", RegValue("")).toText().size(), static_cast<size_t>(i));
    }
    EXPECT_EQ(openFiles(), before);
}

TEST(Registry, AWriteCreatesTheWholePathAndReadsBackWithTheStoredType) {
    test::TempHome home;
    const std::string deep = std::string(kNoorvaleKey) + "\\Options\\Compact";
    EXPECT_FALSE(RegistryStore::instance().keyExists(HKEY_CURRENT_USER, deep));
    EXPECT_EQ(WriteRegString(HKEY_CURRENT_USER, deep, "Caption", "Noorvale"), ERROR_SUCCESS);
    EXPECT_EQ(WriteRegLong(HKEY_CURRENT_USER, deep, "Top", -120), ERROR_SUCCESS);
    EXPECT_TRUE(RegistryStore::instance().keyExists(HKEY_CURRENT_USER, deep));
    EXPECT_TRUE(RegistryStore::instance().keyExists(HKEY_CURRENT_USER, std::string(kNoorvaleKey) + "\\Options"));
    EXPECT_TRUE(RegistryStore::instance().keyExists(HKEY_CURRENT_USER, "Software\\ORVEN"));
    EXPECT_FALSE(RegistryStore::instance().keyExists(HKEY_CURRENT_USER, "Software\\ORV"));

    // The stored type wins over the default's.
    EXPECT_EQ(read("Top", RegValue(""), deep), RegValue(-120));
    EXPECT_EQ(read("Caption", RegValue(0), deep), RegValue("Noorvale"));
    // Names of keys and values are not case-sensitive.
    EXPECT_EQ(read("CAPTION", RegValue(0), "software\\orven\\SOFTWARE\\noorvale\\options\\compact"),
              RegValue("Noorvale"));
    // Rewriting replaces, an empty text is a value.
    WriteRegString(HKEY_CURRENT_USER, deep, "caption", "");
    EXPECT_EQ(read("Caption", RegValue("x"), deep), RegValue(""));
    WriteRegString(HKEY_CURRENT_USER, deep, "Top", "text now");
    EXPECT_EQ(read("Top", RegValue(0), deep), RegValue("text now"));
}

TEST(Registry, TextsLoseTrailingBlanksAndStopAtTheirFirstZero) {
    test::TempHome home;
    WriteRegString(HKEY_CURRENT_USER, kKey, "Blanks", "Mecca  ");
    WriteRegString(HKEY_CURRENT_USER, kKey, "Zero", std::string("Abu\0Dhabi", 9));
    WriteRegString(HKEY_CURRENT_USER, kKey, "Quoted", "say \"salam\" \\ C:\\Media");
    WriteRegString(HKEY_CURRENT_USER, kKey, "Lines", "one\ntwo");
    WriteRegString(HKEY_CURRENT_USER, kKey, "Utf8", "Đakovo — Ürümqi");
    RegistryStore::instance().setFile(home.storeFile());  // read again from the disk
    EXPECT_EQ(read("Blanks", RegValue("")), RegValue("Mecca"));
    EXPECT_EQ(read("Zero", RegValue("")), RegValue("Abu"));
    EXPECT_EQ(read("Quoted", RegValue("")), RegValue("say \"salam\" \\ C:\\Media"));
    EXPECT_EQ(read("Lines", RegValue("")), RegValue("one\ntwo"));
    EXPECT_EQ(read("Utf8", RegValue("")), RegValue("Đakovo — Ürümqi"));
    EXPECT_FALSE(RegistryStore::instance().lastLoad().damaged);
}

TEST(Registry, TheFileIsARegeditExportUnderTheConfigFolder) {
    test::TempHome home;
    EXPECT_EQ(RegistryStore::instance().file(), home.dir() + "/.config/Noorvale/registry.reg");
    WriteRegString(HKEY_CURRENT_USER, kKey, "Name", "Vellmore, LA -- USA");
    WriteRegLong(HKEY_CURRENT_USER, kKey, "TZMode", 0);
    WriteRegLong(HKEY_CURRENT_USER, kKey, "GMTOffset", -6);
    WriteRegString(HKEY_CURRENT_USER, std::string(kNoorvaleKey) + "\\User\\Period\\1", "SoundFile", "C:\\a \"b\"");
    EXPECT_EQ(readFile(home.storeFile()),
              "REGEDIT4\n"
              "; Noorvale settings, written by Noorvale.\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\User\\Location]\n"
              "\"Name\"=\"Vellmore, LA -- USA\"\n"
              "\"TZMode\"=dword:00000000\n"
              "\"GMTOffset\"=dword:fffffffa\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\User\\Period\\1]\n"
              "\"SoundFile\"=\"C:\\\\a \\\"b\\\"\"\n");
    struct stat st {};
    ASSERT_EQ(::stat(home.storeFile().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    // Another file chosen (noorvale-times --store, a test's own store) is read afresh, and so is
    // the first one again.
    const std::string other = home.dir() + "/other.reg";
    std::ofstream(other) << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\User\\Location]\n"
                            "\"Name\"=\"Other Town\"\n";
    const std::string first = RegistryStore::instance().setFile(other);
    EXPECT_EQ(read("Name", "").toText(), "Other Town");
    RegistryStore::instance().setFile(first);
    EXPECT_EQ(read("Name", "").toText(), "Vellmore, LA -- USA");

    // Without XDG_CONFIG_HOME (or with a relative one) the folder is ~/.config.
    ::setenv("XDG_CONFIG_HOME", "relative/dir", 1);
    EXPECT_EQ(RegistryStore::defaultFile(), home.dir() + "/.config/Noorvale/registry.reg");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegistryStore::defaultFile(), home.dir() + "/.config/Noorvale/registry.reg");
    ::setenv("XDG_CONFIG_HOME", (home.dir() + "/xdg/").c_str(), 1);
    EXPECT_EQ(RegistryStore::defaultFile(), home.dir() + "/xdg/Noorvale/registry.reg");
}

TEST(Registry, ReadsTheOtherTypesOfAHandWrittenFile) {
    test::TempHome home;
    writeFile(home.storeFile(),
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "; a comment\r\n"
              "[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\User\\Location]\r\n"
              "\"NoZero\"=hex(1):41,62,63\r\n"
              "\"Expand\"=hex(2):25,48,4f,4d,45,25,00\r\n"
              "\"Binary\"=hex:01,02\r\n"
              "\"Multi\"=hex(7):61,00,00\r\n"
              "\"Wrapped\"=hex(1):4c,6f,6e,\\\r\n"
              "  67\r\n"
              "\"Short\"=dword:7\r\n"
              "\"Dword4\"=hex(4):10,00,00,00\r\n"
              "\"Dword2\"=hex(4):10,00\r\n"
              "@=\"default value\"\r\n"
              "\"twice\"=dword:1\r\n"
              "\"TWICE\"=dword:2\r\n");
    EXPECT_EQ(read("NoZero", RegValue("")), RegValue("Abc"));
    EXPECT_EQ(read("Expand", RegValue("")), RegValue("%HOME%"));  // no expansion
    EXPECT_EQ(read("Binary", RegValue("none")), RegValue("none"));
    EXPECT_EQ(read("Multi", RegValue("none")), RegValue("none"));
    EXPECT_EQ(read("Wrapped", RegValue("")), RegValue("Long"));
    EXPECT_EQ(read("Short", RegValue(0)), RegValue(7));
    EXPECT_EQ(read("Dword4", RegValue(0)), RegValue(16));
    EXPECT_EQ(read("Dword2", RegValue(-1)), RegValue(-1));
    EXPECT_EQ(read("", RegValue("")), RegValue("default value"));
    EXPECT_EQ(read("Twice", RegValue(0)), RegValue(2));
    EXPECT_FALSE(RegistryStore::instance().lastLoad().damaged) << RegistryStore::instance().lastLoad().firstProblem;

    // Written again, every value keeps its type and bytes.
    WriteRegLong(HKEY_CURRENT_USER, kKey, "New", 1);
    RegTree tree;
    EXPECT_FALSE(parseRegText(readFile(home.storeFile()), tree).damaged);
    const RegKey& key = tree.keys.begin()->second;
    EXPECT_EQ(*key.find("Binary"), (RegData{REG_BINARY, "\x01\x02"}));
    EXPECT_EQ(*key.find("Multi"), (RegData{7, std::string("a\0\0", 3)}));
    EXPECT_EQ(*key.find("Expand"), (RegData{REG_EXPAND_SZ, std::string("%HOME%\0", 7)}));
    EXPECT_EQ(read("Wrapped", RegValue("")), RegValue("Long"));
}

TEST(Registry, LocalMachineFindsNothing) {
    test::TempHome home;
    writeFile(home.storeFile(),
              "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Shared Tools\\MSINFO]\n\"Path\"=\"msinfo32\"\n");
    EXPECT_EQ(ReadRegValue(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Shared Tools\\MSINFO", "Path", ""), RegValue(""));
    EXPECT_NE(WriteRegString(HKEY_LOCAL_MACHINE, "Software\\X", "Path", "x"), ERROR_SUCCESS);
    EXPECT_NE(WriteRegLong(0x80000003u, "Software\\X", "N", 1), ERROR_SUCCESS);
}

TEST(Registry, SeesAndKeepsWhatAnotherProcessWrote) {
    test::TempHome home;
    WriteRegLong(HKEY_CURRENT_USER, kKey, "Mine", 1);
    EXPECT_EQ(read("Mine", RegValue(0)), RegValue(1));
    // Another program replaces the file (as our own writes do, by a rename).
    const std::string other = home.storeFile() + ".other";
    writeFile(other, readFile(home.storeFile()) + "\"Theirs\"=dword:00000002\n");
    fs::rename(other, home.storeFile());
    EXPECT_EQ(read("Theirs", RegValue(0)), RegValue(2));
    WriteRegLong(HKEY_CURRENT_USER, kKey, "Mine", 3);
    const std::string text = readFile(home.storeFile());
    EXPECT_NE(text.find("\"Theirs\"=dword:00000002"), std::string::npos);
    EXPECT_NE(text.find("\"Mine\"=dword:00000003"), std::string::npos);
    // Removed behind our back: reads find nothing, the next write starts a new file.
    fs::remove(home.storeFile());
    EXPECT_EQ(read("Mine", RegValue(0)), RegValue(0));
}

TEST(Registry, ABatchReachesTheDiskOnceWhenItEnds) {
    test::TempHome home;
    WriteRegLong(HKEY_CURRENT_USER, kKey, "A", 1);
    const std::string before = readFile(home.storeFile());
    {
        RegBatch batch;
        WriteRegLong(HKEY_CURRENT_USER, kKey, "B", 2);
        {
            RegBatch inner;
            WriteRegString(HKEY_CURRENT_USER, kKey, "C", "three");
        }
        WriteRegLong(HKEY_CURRENT_USER, kKey, "A", 4);
        EXPECT_EQ(readFile(home.storeFile()), before);  // nothing written yet
        EXPECT_EQ(read("B", RegValue(0)), RegValue(2));   // but this process sees it
        EXPECT_EQ(read("A", RegValue(0)), RegValue(4));
    }
    RegistryStore::instance().setFile(home.storeFile());
    EXPECT_EQ(read("A", RegValue(0)), RegValue(4));
    EXPECT_EQ(read("B", RegValue(0)), RegValue(2));
    EXPECT_EQ(read("C", RegValue("")), RegValue("three"));
    // After the batch every write goes straight to the disk again.
    WriteRegLong(HKEY_CURRENT_USER, kKey, "D", 5);
    EXPECT_NE(readFile(home.storeFile()).find("\"D\"=dword:00000005"), std::string::npos);
}

TEST(Registry, LeavesNoTemporaryFilesAndClearsThoseOfDeadWriters) {
    test::TempHome home;
    WriteRegLong(HKEY_CURRENT_USER, kKey, "A", 1);
    // A writer killed before its rename left its temporary file; pid 999999999 is not running.
    writeFile(home.storeFile() + ".999999999.tmp", "REGEDIT4\n[HKEY_CURRENT_USER\\");
    WriteRegLong(HKEY_CURRENT_USER, kKey, "A", 2);
    EXPECT_EQ(filesBeside(home.storeFile()), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

namespace {

// The store's folder refusing writes as it really does for this process until reopen(): read-only,
// full (a small disk of its own, filled up), or a file standing where the folder should be.
class Refusal {
public:
    enum Kind { ReadOnly, Full, FileInTheWay };
    Refusal(Kind kind, const std::string& folder) : kind_(kind), folder_(folder) {
        fs::create_directories(folder);
        if (kind == Full) mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16k") == 0;
    }
    ~Refusal() {
        readOnly_.reset();
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    // False when this process cannot be refused this way here.
    bool refuse() {
        switch (kind_) {
        case ReadOnly:
            readOnly_ = std::make_unique<test::ReadOnlyFolder>(folder_);
            return readOnly_->refusing();
        case Full: {
            if (!mounted_) return false;
            std::ofstream filler(folder_ + "/filler", std::ios::binary);
            const std::string block(1024, 'x');
            while (filler.write(block.data(), block.size())) filler.flush();
            return true;
        }
        case FileInTheWay:
            fs::rename(folder_, folder_ + ".moved");
            writeFile(folder_, "a file where the folder should be");
            return true;
        }
        return false;
    }
    void reopen() {
        switch (kind_) {
        case ReadOnly:
            readOnly_->writable();
            break;
        case Full:
            fs::remove(folder_ + "/filler");
            break;
        case FileInTheWay:
            fs::remove(folder_);
            fs::rename(folder_ + ".moved", folder_);
            break;
        }
    }

private:
    Kind kind_;
    std::string folder_;
    bool mounted_ = false;
    std::unique_ptr<test::ReadOnlyFolder> readOnly_;
};

}  // namespace

// A change that cannot be written is kept, the file stays as it was, the user hears of it once,
// and the change reaches the file as soon as the folder takes writes again.
TEST(RegistryRefused, NothingIsLostAndTheUserIsToldOnce) {
    struct Case {
        Refusal::Kind kind;
        const char* what;
        std::vector<int> errors;  // what the failure may be, as the system gives it
        const char* why;          // as the message puts it
    };
    const std::vector<Case> cases = {
        {Refusal::ReadOnly, "a read-only folder", {EROFS, EACCES}, ::geteuid() == 0 ? "read-only" : "may not write"},
        {Refusal::Full, "a full disk", {ENOSPC}, "the disk is full"},
        {Refusal::FileInTheWay, "a file in the folder's place", {ENOTDIR}, "Not a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempHome home;
        const std::string folder = fs::path(home.storeFile()).parent_path();
        Refusal refusal(c.kind, folder);
        std::vector<SaveFailure> told;
        const auto previous = RegistryStore::instance().setSaveFailureHandler([&](const SaveFailure& f) { told.push_back(f); });
        ASSERT_EQ(WriteRegString(HKEY_CURRENT_USER, kKey, "Name", "Old Town"), ERROR_SUCCESS);
        const std::string before = readFile(home.storeFile());
        if (!refusal.refuse()) {
            RegistryStore::instance().setSaveFailureHandler(previous);
            GTEST_SKIP() << c.what << ": cannot be made here";
        }

        EXPECT_NE(WriteRegString(HKEY_CURRENT_USER, kKey, "Name", "Readonly Town"), ERROR_SUCCESS);
        EXPECT_NE(WriteRegLong(HKEY_CURRENT_USER, kKey, "LatDegree", 12), ERROR_SUCCESS);
        {
            RegBatch batch;  // a save of several values: one more failure, not one more message
            WriteRegLong(HKEY_CURRENT_USER, kKey, "LonDegree", 34);
        }
        EXPECT_NE(RegistryStore::instance().saveNow(), ERROR_SUCCESS);
        EXPECT_EQ(read("Name", RegValue("")), RegValue("Readonly Town"));
        EXPECT_EQ(read("LatDegree", RegValue(0)), RegValue(12));
        EXPECT_TRUE(RegistryStore::instance().unsaved());
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0].file, home.storeFile());
        EXPECT_NE(std::find(c.errors.begin(), c.errors.end(), told[0].error), c.errors.end()) << told[0].error;
        const std::string text = RegistryStore::saveFailureText(told[0]);
        EXPECT_NE(text.find(home.storeFile()), std::string::npos) << text;
        EXPECT_NE(text.find(c.why), std::string::npos) << text;
        if (c.kind != Refusal::FileInTheWay) {
            EXPECT_EQ(readFile(home.storeFile()), before);
        }

        refusal.reopen();
        EXPECT_EQ(readFile(home.storeFile()), before);  // never damaged
        EXPECT_EQ(RegistryStore::instance().saveNow(), ERROR_SUCCESS);
        EXPECT_FALSE(RegistryStore::instance().unsaved());
        RegistryStore::instance().setFile(home.storeFile());  // forgets what it holds: reads the file
        EXPECT_EQ(read("Name", RegValue("")), RegValue("Readonly Town"));
        EXPECT_EQ(read("LatDegree", RegValue(0)), RegValue(12));
        EXPECT_EQ(read("LonDegree", RegValue(0)), RegValue(34));
        for (const std::string& n : filesBeside(home.storeFile())) EXPECT_EQ(n.find(".tmp"), std::string::npos) << n;
        EXPECT_EQ(told.size(), 1u);
        RegistryStore::instance().setSaveFailureHandler(previous);
    }
}

// A store that is a symbolic link (kept with the user's other settings files) is written through
// it: the file it names is replaced, the link stays, and nothing is left beside either.
TEST(Registry, AStoreThatIsALinkStaysALink) {
    for (const bool relative : {true, false}) {
        SCOPED_TRACE(relative ? "relative link" : "absolute link to a file not made yet");
        test::TempHome home;
        const std::string dotfiles = home.dir() + "/dotfiles";
        fs::create_directories(dotfiles);
        fs::create_directories(fs::path(home.storeFile()).parent_path());
        if (relative) {
            writeFile(dotfiles + "/noorvale.reg", kGoodHeader);
            fs::permissions(dotfiles + "/noorvale.reg", fs::perms(0644));
            fs::create_symlink("../../dotfiles/noorvale.reg", home.storeFile());
        } else {
            fs::create_symlink(dotfiles + "/noorvale.reg", home.storeFile());
        }
        EXPECT_EQ(WriteRegString(HKEY_CURRENT_USER, kKey, "Name", "Linked Town"), ERROR_SUCCESS);
        EXPECT_TRUE(fs::is_symlink(home.storeFile()));
        EXPECT_NE(readFile(dotfiles + "/noorvale.reg").find("\"Name\"=\"Linked Town\""), std::string::npos);
        if (relative) {
            EXPECT_EQ(fs::status(dotfiles + "/noorvale.reg").permissions(), fs::perms(0644));
        }
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dotfiles)) names.push_back(e.path().filename());
        EXPECT_EQ(names, std::vector<std::string>{"noorvale.reg"});
        RegistryStore::instance().setFile(home.storeFile());
        EXPECT_EQ(read("Name", RegValue("")), RegValue("Linked Town"));
    }
}

// ---- damaged files ----

namespace {

const std::string kGood =
    "REGEDIT4\n\n"
    "[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\User\\Location]\n"
    "\"Name\"=\"Accra\"\n"
    "\"LatDegree\"=dword:00000005\n";

constexpr char kGarbage[] = "\x89PNG\r\n\x1a\n\0\0\xff\xfe garbage";

struct Damage {
    const char* what;
    std::string text;
    std::string firstProblem;  // as the notice names it; empty: not compared
};

std::vector<std::string> damagedCopies(const std::string& store) {
    std::vector<std::string> out;
    for (const auto& n : filesBeside(store))
        if (n.rfind("registry.reg.damaged-", 0) == 0) out.push_back(fs::path(store).parent_path() / n);
    return out;
}

}  // namespace

TEST(RegistryDamage, WhatParsesIsUsedAndTheDamagedFileIsKeptBeforeAWrite) {
    const std::vector<Damage> damages = {
        {"garbage bytes", kGood + std::string(kGarbage, sizeof kGarbage - 1) + "\n\"Altitude\"=dword:00000064\n", ""},
        {"a cut line", kGood + "\"Altitude\"=dword:00000064\n\"LonDegree\"=dwo", "line 7: unknown value type"},
        {"a cut text", kGood + "\"Altitude\"=dword:00000064\n\"LonDegree\"=\"12", "line 7: the text has no closing quote"},
        {"an unknown type", kGood + "\"LonDegree\"=qword:0000000000000001\n\"Altitude\"=dword:00000064\n", "line 6: unknown value type"},
        {"a cut key", kGood + "\"Altitude\"=dword:00000064\n[HKEY_CURRENT_USER\\Software\\ORV", "line 7: a key line without its closing ']'"},
        {"a huge line", kGood + "\"LonDegree\"=\"" + std::string(3u << 20, 'x') + "\"\n\"Altitude\"=dword:00000064\n", "line 6: a line longer than 1048576 characters"},
        {"a bad dword", kGood + "\"LonDegree\"=dword:123456789\n\"Altitude\"=dword:00000064\n", "line 6: a dword needs 1 to 8 hex digits"},
        {"a broken hex value", kGood + "\"LonDegree\"=hex(4):1z,00\n\"Altitude\"=dword:00000064\n", "line 6: bad hex bytes"},
        {"a line of prose", kGood + "These are my settings, do not touch.\n\"Altitude\"=dword:00000064\n", "line 6: not a key, a value or a comment"},
        {"a key of another root", kGood + "[HKEY_LOCAL_MACHINE\\Software]\n\"LonDegree\"=dword:00000001\n"
                                          "[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\User\\Location]\n"
                                          "\"Altitude\"=dword:00000064\n",
         "line 6: a key outside HKEY_CURRENT_USER"},
        // Damage of any size costs nothing that parses after it.
        {"20 MB of junk lines first", [] {
             std::string junk;
             while (junk.size() < (20u << 20)) junk += "junk, not a value at all\n";
             return junk + kGood + "\"LonDegree\"=dwo\n\"Altitude\"=dword:00000064\n";
         }(),
         "line 1: not a key, a value or a comment"},
        {"a 20 MB line first", std::string(20u << 20, 'x') + "\n" + kGood + "\"LonDegree\"=\"12\n\"Altitude\"=dword:00000064\n",
         "line 1: a line longer than 1048576 characters"},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        test::TempHome home;
        writeFile(home.storeFile(), d.text);
        EXPECT_EQ(read("Name", RegValue("")), RegValue("Accra"));
        EXPECT_EQ(read("LatDegree", RegValue(-1)), RegValue(5));
        EXPECT_EQ(read("LonDegree", RegValue(-1)), RegValue(-1));  // lost: the default
        const RegLoadReport report = RegistryStore::instance().lastLoad();
        EXPECT_TRUE(report.damaged);
        EXPECT_FALSE(report.firstProblem.empty());
        if (!d.firstProblem.empty()) {
            EXPECT_EQ(report.firstProblem, d.firstProblem);
        }
        EXPECT_EQ(read("Altitude", RegValue(0)), RegValue(100));  // after the damage, or before a cut
        EXPECT_TRUE(damagedCopies(home.storeFile()).empty());  // reading alone changes nothing

        // The first write sets the damaged file aside, as it is (the same file, not a copy).
        struct stat before {};
        ASSERT_EQ(::stat(home.storeFile().c_str(), &before), 0);
        EXPECT_EQ(WriteRegLong(HKEY_CURRENT_USER, kKey, "LonDegree", 7), ERROR_SUCCESS);
        WriteRegLong(HKEY_CURRENT_USER, kKey, "LonMinute", 8);
        const auto copies = damagedCopies(home.storeFile());
        ASSERT_EQ(copies.size(), 1u);
        struct stat aside {};
        ASSERT_EQ(::stat(copies[0].c_str(), &aside), 0);
        EXPECT_EQ(aside.st_ino, before.st_ino);
        EXPECT_EQ(aside.st_nlink, 1u);
        EXPECT_EQ(readFile(copies[0]), d.text);
        // The new file is whole and holds what was read plus the new values.
        RegistryStore::instance().setFile(home.storeFile());
        EXPECT_FALSE(RegistryStore::instance().lastLoad().damaged);
        EXPECT_EQ(read("Name", RegValue("")), RegValue("Accra"));
        EXPECT_EQ(read("LonDegree", RegValue(-1)), RegValue(7));
        EXPECT_EQ(read("LonMinute", RegValue(-1)), RegValue(8));
    }
}

// The notice about a damaged store is one sentence of the catalogue, its three parts put in where
// the language wants them; a file name that holds "%2" is written as it is.
TEST(RegistryDamage, TheNoticeIsOneTranslatedSentence) {
    test::TempHome home;
    const std::string store = home.dir() + "/100%2 sure.reg";
    writeFile(store, kGood + "These are my settings, do not touch.\n");
    RegistryStore::instance().setFile(store);
    EXPECT_EQ(read("Name", RegValue("")), RegValue("Accra"));
    const std::string problem = RegistryStore::instance().lastLoad().firstProblem;
    EXPECT_EQ(problem, "line 6: not a key, a value or a comment");
    setTranslateHook([](const char* context, const char* text) {
        return std::string(context) == "Settings" ? "%3 <- %1 (%2) %4" : std::string(text);
    });
    testing::internal::CaptureStderr();
    WriteRegLong(HKEY_CURRENT_USER, kKey, "LonDegree", 7);
    const std::string notice = testing::internal::GetCapturedStderr();
    setTranslateHook({});
    std::string aside;
    for (const auto& n : filesBeside(store))
        if (n.rfind("100%2 sure.reg.damaged-", 0) == 0) aside = home.dir() + "/" + n;
    ASSERT_FALSE(aside.empty());
    EXPECT_EQ(notice, "noorvale.settings: " + aside + " <- " + store + " (" + problem + ") %4\n");
}

TEST(RegistryDamage, AFileThatIsNotTextAtAllReadsAsEmpty) {
    test::TempHome home;
    std::string noise(64 * 1024, '\0');
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 2654435761u) >> 13);
    writeFile(home.storeFile(), noise);
    EXPECT_EQ(read("Name", RegValue("none")), RegValue("none"));
    EXPECT_TRUE(RegistryStore::instance().lastLoad().damaged);
    EXPECT_EQ(WriteRegString(HKEY_CURRENT_USER, kKey, "Name", "Quito"), ERROR_SUCCESS);
    ASSERT_EQ(damagedCopies(home.storeFile()).size(), 1u);
    EXPECT_EQ(readFile(damagedCopies(home.storeFile())[0]), noise);
    EXPECT_EQ(read("Name", RegValue("")), RegValue("Quito"));
}

TEST(RegistryDamage, AFolderWhereTheFileShouldBeIsNeverReplaced) {
    test::TempHome home;
    fs::create_directories(home.storeFile());
    EXPECT_EQ(read("Name", RegValue("none")), RegValue("none"));
    EXPECT_NE(WriteRegString(HKEY_CURRENT_USER, kKey, "Name", "x"), ERROR_SUCCESS);
    EXPECT_TRUE(fs::is_directory(home.storeFile()));
}

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "UpdaterApp.h"
#include "cIniFile.h"
#include "support/Raised.h"
#include "support/TempDir.h"

using namespace nv;
using namespace nv::test;

namespace {

size_t entries(const std::string& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
    return n;
}
}  // namespace

TEST(IniFile, AFreshObjectReadsOrvenIniBesideTheExecutable) {
    cIniFile ini;
    EXPECT_EQ(ini.FileName(), ExeFolder() + "orven.ini");
    const std::string path = ExeFolder() + "orven.ini";
    ASSERT_FALSE(exists(path)) << "leftover " << path;
    writeFile(path, "[Main]\nWho=orven\n");
    const std::string value = ini.GetStringValue("main", "who");
    std::filesystem::remove(path);
    EXPECT_EQ(value, "orven");
}

TEST(IniFile, KeysComeInFileOrder) {
    TempDir dir;
    writeFile(dir / "a.ini", "[S]\nb=2\na=1\n[T]\nc=3\n");
    cIniFile ini;
    ini.Init(dir / "a.ini");
    std::vector<std::string> keys{"stale"};
    EXPECT_EQ(ini.EnumerateAllKeys("s", keys), 2);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0], "b");  // index 1 of the platform's array
    EXPECT_EQ(keys[1], "a");
    EXPECT_EQ(ini.EnumerateAllKeys("missing", keys), 0);
    EXPECT_TRUE(keys.empty());
    std::vector<std::string> sections;
    EXPECT_EQ(ini.EnumerateAllSections(sections), 2);
    EXPECT_EQ(sections, (std::vector<std::string>{"S", "T"}));
}

TEST(IniFile, ValuesAreCutAt254Characters) {
    TempDir dir;
    const std::string longValue(300, 'v');
    writeFile(dir / "a.ini", "[S]\nk=" + longValue + "\n");
    cIniFile ini;
    ini.Init(dir / "a.ini");
    EXPECT_EQ(ini.GetStringValue("S", "k"), longValue.substr(0, 254));
}

TEST(IniFile, NumbersAreReadAsTheSystemReadsThem) {
    TempDir dir;
    writeFile(dir / "a.ini", "[N]\na=12abc\nb=40000\nc=-5\nd=0x1F\ne= 7\nf=abc\ng=\nh=32767\ni=-32768\n");
    cIniFile ini;
    ini.Init(dir / "a.ini");
    EXPECT_EQ(ini.GetNumericValue("N", "missing"), -1);
    EXPECT_EQ(ini.GetNumericValue("N", "a"), 12);
    EXPECT_EQ(ini.GetNumericValue("N", "c"), -5);
    EXPECT_EQ(ini.GetNumericValue("N", "d"), 31);
    EXPECT_EQ(ini.GetNumericValue("N", "e"), 7);
    EXPECT_EQ(ini.GetNumericValue("N", "f"), 0);
    EXPECT_EQ(ini.GetNumericValue("N", "g"), -1);
    EXPECT_EQ(ini.GetNumericValue("N", "h"), 32767);
    EXPECT_EQ(ini.GetNumericValue("N", "i"), -32768);
    const VbError e = raised([&] { ini.GetNumericValue("N", "b"); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042C2Au);
    EXPECT_EQ(e.description(), "CIniFile component failure");
    EXPECT_EQ(e.source(), "Tarvo.CIniFile");
}

TEST(IniFile, AMissingFileIsNotFoundForReadingAndCreatedBySaving) {
    TempDir dir;
    cIniFile ini;
    ini.Init(dir / "new.ini");
    VbError e = raised([&] { ini.GetStringValue("S", "k"); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042C26u);
    EXPECT_EQ(e.description(), "File not found");
    EXPECT_EQ(e.source(), "Tarvo.CIniFile");
    ini.SaveStringValue("S", "k", "v");
    EXPECT_EQ(ini.GetStringValue("S", "k"), "v");
    EXPECT_EQ(readFile(dir / "new.ini"), "[S]\r\nk=v\r\n");
}

TEST(IniFile, ChecksComeInTheirOrder) {
    TempDir dir;
    cIniFile ini;
    VbError e = raised([&] { ini.Init(""); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042C25u);
    EXPECT_EQ(e.description(), "Invalid file name");
    e = raised([&] { ini.FileName(""); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042C25u);

    ini.Init(dir / "x.ini");
    e = raised([&] { ini.DeleteKey("", ""); });  // X before S
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042C26u);
    e = raised([&] { ini.SaveStringValue("", "k", "v"); });  // saving needs no file: S
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042C28u);
    EXPECT_EQ(e.description(), "Invalid section");
    e = raised([&] { ini.SaveNumericValue("s", "", 1); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042C29u);
    EXPECT_EQ(e.description(), "Invalid key");
    writeFile(dir / "x.ini", "");
    std::vector<std::string> keys;
    e = raised([&] { ini.EnumerateAllKeys("", keys); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042C28u);
    e = raised([&] { ini.DeleteKey("s", ""); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042C29u);
}

TEST(IniFile, WindowsRules) {
    TempDir dir;
    writeFile(dir / "a.ini",
              "; a comment\r\n"
              "top=level\r\n"
              "  [ Tarvo ]  \r\n"
              "  Name =  Noorvale  \r\n"
              "Quoted=\"  padded  \"\r\n"
              "Single='x'\r\n"
              "Half=\"x\r\n"
              ";Name=commented\r\n"
              "Inline=a ; not a comment\r\n"
              "name=second\r\n"
              "Eq=a=b\r\n"
              "bare line\r\n"
              "[tarvo]\r\n"
              "Name=other section\r\n"
              "Late=1\r\n");
    cIniFile ini;
    ini.Init(dir / "a.ini");
    EXPECT_EQ(ini.GetStringValue("TARVO", "NAME"), "Noorvale");  // first section, first key, trimmed
    EXPECT_EQ(ini.GetStringValue("Tarvo", "Quoted"), "  padded  ");
    EXPECT_EQ(ini.GetStringValue("Tarvo", "Single"), "x");
    EXPECT_EQ(ini.GetStringValue("Tarvo", "Half"), "\"x");
    EXPECT_EQ(ini.GetStringValue("Tarvo", "Inline"), "a ; not a comment");
    EXPECT_EQ(ini.GetStringValue("Tarvo", "Eq"), "a=b");
    EXPECT_EQ(ini.GetStringValue("Tarvo", "Late"), "");  // only in the second [tarvo]
    EXPECT_EQ(ini.GetStringValue("Tarvo", "missing"), "");
    std::vector<std::string> keys;
    EXPECT_EQ(ini.EnumerateAllKeys("tarvo", keys), 8);
    EXPECT_EQ(keys, (std::vector<std::string>{"Name", "Quoted", "Single", "Half", "Inline", "name", "Eq", "bare line"}));
    std::vector<std::string> sections;
    EXPECT_EQ(ini.EnumerateAllSections(sections), 2);
    EXPECT_EQ(sections, (std::vector<std::string>{"Tarvo", "tarvo"}));
}

TEST(IniFile, TheUpdateInformationFileReadsAsTheUpdateRunReadsIt) {
    TempDir dir;
    writeFile(dir / "noorvale.ini",
              "[TARVO]\nName=Noorvale\nVersion=1.0\nCabFile=tarvo.cab,1A2B3C\nFile=Tarvo,2004-01-01 10:00:00,,,TARVO,FFEE\n"
              "[CABFILES]\nCAB1=nv1.cab,DEADBEEF\n"
              "[FILES]\nF1=Noorvale,2004-01-02 10:00:00,x,,CAB1,1234\nF2=Nv_001.wav,2004-01-02,x,Media\\,CAB1,99\n");
    cIniFile ini;
    ini.Init(dir / "noorvale.ini");
    EXPECT_EQ(ini.GetStringValue("tarvo", "Name"), "Noorvale");
    std::vector<std::string> keys;
    ASSERT_EQ(ini.EnumerateAllKeys("FILES", keys), 2);
    EXPECT_EQ(ini.GetStringValue("FILES", keys[1]), "Nv_001.wav,2004-01-02,x,Media\\,CAB1,99");
}

TEST(IniFile, AFileIsParsedOncePerChange) {
    TempDir dir;
    const std::string path = dir / "big.ini";
    std::string text = "[FILES]\n";
    for (int i = 0; i < 20000; ++i) text += "; padding line " + std::to_string(i) + "\n";
    writeFile(path, text + "A=1\n");
    cIniFile ini;
    ini.Init(path);
    int pumped = 0;
    ini.SetEventPump([&] { ++pumped; });
    EXPECT_EQ(ini.GetStringValue("FILES", "A"), "1");
    EXPECT_GE(pumped, 2);  // events run during the long parse
    // Unchanged: no second parse.
    pumped = 0;
    std::vector<std::string> keys;
    EXPECT_EQ(ini.EnumerateAllKeys("FILES", keys), 1);
    EXPECT_EQ(ini.GetStringValue("files", "a"), "1");
    EXPECT_EQ(pumped, 0);
    // Changed in place, same size: read again.
    writeFile(path, text + "A=2\n");
    EXPECT_EQ(ini.GetStringValue("FILES", "A"), "2");
    // Replaced by another file of the same size with the old modification time: read again.
    struct stat before {};
    ::stat(path.c_str(), &before);
    writeFile(dir / "next.ini", text + "A=3\n");
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ::utimensat(AT_FDCWD, (dir / "next.ini").c_str(), times, 0);
    std::filesystem::rename(dir / "next.ini", path);
    EXPECT_EQ(ini.GetStringValue("FILES", "A"), "3");
    // Its own writes are seen at once.
    ini.SaveStringValue("FILES", "A", "4");
    EXPECT_EQ(ini.GetStringValue("FILES", "A"), "4");
}

TEST(IniFile, WritesKeepEverythingElseAndReplaceTheFileAtomically) {
    TempDir dir;
    const std::string original = "; settings\n[A]\nx=1\n\n; about B\n[B]\ny=2\n";
    writeFile(dir / "w.ini", original);
    ::chmod((dir / "w.ini").c_str(), 0640);
    cIniFile ini;
    ini.Init(dir / "w.ini");
    ini.SaveStringValue("a", "X", "10");  // existing key: its line changes, its name stays
    ini.SaveNumericValue("A", "z", -3);   // new key: after the section's last line
    ini.SaveStringValue("C", "w", "new\nline");  // new section at the end; a line break cannot split the line
    EXPECT_EQ(readFile(dir / "w.ini"), "; settings\n[A]\nx=10\nz=-3\n\n; about B\n[B]\ny=2\n\n[C]\nw=new line\n");
    EXPECT_EQ(ini.GetNumericValue("A", "Z"), -3);
    EXPECT_TRUE(ini.DeleteKey("A", "x"));
    EXPECT_TRUE(ini.DeleteKey("A", "not there"));
    EXPECT_TRUE(ini.DeleteSection("b"));
    EXPECT_EQ(readFile(dir / "w.ini"), "; settings\n[A]\nz=-3\n\n; about B\n[C]\nw=new line\n");
    struct stat st {};
    ::stat((dir / "w.ini").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(entries(dir.path()), 1u);  // no temporary file left behind
}

TEST(IniFile, AWriteThatCannotBeMadeLeavesTheFileAsItWas) {
    TempDir dir;
    writeFile(dir / "sub/r.ini", "[A]\nx=1\n");
    const std::string sub = dir / "sub";
    // A folder nobody may add files to: read-only, or for root an immutable one.
    const bool root = ::geteuid() == 0;
    if (root) {
        if (std::system(("chattr +i " + sub + " 2>/dev/null").c_str()) != 0) GTEST_SKIP() << "no immutable folders here";
    } else {
        ::chmod(sub.c_str(), 0555);
    }
    cIniFile ini;
    ini.Init(sub + "/r.ini");
    ini.SaveStringValue("A", "x", "2");  // ignored, as the platform ignores it
    const bool deleted = ini.DeleteKey("A", "x");
    const std::string value = ini.GetStringValue("A", "x");
    if (root) std::system(("chattr -i " + sub).c_str());
    EXPECT_FALSE(deleted);
    EXPECT_EQ(value, "1");
    EXPECT_EQ(entries(sub), 1u);
}

TEST(IniFile, NameListsStopAt8191Characters) {
    TempDir dir;
    std::string text = "[Big]\n";
    for (int i = 0; i < 1000; ++i) text += "key_number_" + std::to_string(100000 + i) + "=" + std::to_string(i) + "\n";
    writeFile(dir / "big.ini", text);
    cIniFile ini;
    ini.Init(dir / "big.ini");
    std::vector<std::string> keys;
    const int32_t n = ini.EnumerateAllKeys("Big", keys);
    // Every name is 17 characters + NUL: 455 whole names fill 8190 characters exactly.
    EXPECT_EQ(n, 455);
    size_t total = 0;
    for (const auto& k : keys) total += k.size() + 1;
    EXPECT_EQ(total, 8190u);
    EXPECT_EQ(keys.front(), "key_number_100000");

    // One more short name in front: the last name no longer fits and is cut.
    writeFile(dir / "big.ini", "[Big]\nk=0\n" + text.substr(6));
    EXPECT_EQ(ini.EnumerateAllKeys("Big", keys), 456);
    EXPECT_EQ(keys.back(), "key_number_10045");
}

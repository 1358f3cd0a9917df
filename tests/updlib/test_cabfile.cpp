#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "UpdaterApp.h"
#include "cCabFile.h"
#include "support/CabWriter.h"
#include "support/Gcab.h"
#include "support/Raised.h"
#include "support/TempDir.h"

using namespace nv;
using namespace nv::test;
namespace fs = std::filesystem;

namespace {


std::string randomText(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    static const char* words[] = {"prayer ", "time ", "Fajr ", "Isha\r\n", "0123 ", "noorvale ", "tarvo ", "x"};
    std::string s;
    while (s.size() < n) s += words[rng() % 8];
    s.resize(n);
    return s;
}

std::string randomBytes(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (auto& c : s) c = static_cast<char>(rng());
    return s;
}

// The files of the test cabinets, by their name on disk.
struct Source {
    std::string name, data;
};
std::vector<Source> sources() {
    return {
        {"readme.txt", randomText(120, 1)},
        {"Noorvale", randomBytes(70000, 2)},  // more than one 32 KiB block
        {"sub/Nv_001.wav", randomBytes(5000, 3)},
        {"sub/deeper/empty.dat", ""},
        {"sub/x&y<z>'q\".txt", "escaped names"},
    };
}

// A folder with the sources, and a cabinet of them made by gcab.
struct CabFixture {
    TempDir dir;
    std::string cab;
    explicit CabFixture(bool compress) {
        std::vector<std::string> names;
        for (const auto& s : sources()) {
            writeFile(dir / ("src/" + s.name), s.data);
            names.push_back(s.name);
        }
        cab = dir / "test.cab";
        if (!makeCabinet(dir / "src", cab, names, compress)) throw std::runtime_error("gcab failed");
    }
};

// Everything below `root`, as relative paths.
std::vector<std::string> tree(const std::string& root) {
    std::vector<std::string> out;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it)
        out.push_back(fs::relative(it->path(), root).string());
    std::sort(out.begin(), out.end());
    return out;
}

// Parses the XML with a real parser and returns the FULLNAME texts, or "ERROR: ..." when it is
// not well-formed.
std::string parseFullNames(const std::string& xmlPath) {
    const std::string cmd =
        "python3 -c \"import sys, xml.dom.minidom as m; d = m.parse(sys.argv[1]); "
        "print(d.documentElement.getAttribute('CABFILENAME')); "
        "[print(n.firstChild.data if n.firstChild else '') for n in d.getElementsByTagName('FULLNAME')]\" " +
        shellQuote(xmlPath) + " 2>&1";
    FILE* p = ::popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    const int rc = ::pclose(p);
    return rc == 0 ? out : "ERROR: " + out;
}

class CabTest : public ::testing::TestWithParam<bool> {};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Compression, CabTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? std::string("MSZIP") : std::string("Stored"); });

TEST_P(CabTest, FileCountIsTheSameEachTime) {
    CabFixture fx(GetParam());
    cCabFile cab;
    cab.CabName(fx.cab);
    EXPECT_EQ(cab.FileCount(), 5);
    EXPECT_EQ(cab.FileCount(), 5);
}

TEST_P(CabTest, GetInfoMatchesTheWholeNameWithoutRegardToCase) {
    CabFixture fx(GetParam());
    cCabFile cab;
    cab.CabName(fx.cab);
    std::vector<std::string> found;
    cab.FileFound = [&](const std::string& name, DateValue date, int32_t size, const std::string& path) {
        found.push_back(path + "|" + name + "|" + std::to_string(size));
        EXPECT_GT(date, dateSerial(2020, 1, 1));
    };
    EXPECT_TRUE(cab.GetInfo("SUB\\nv_001.WAV"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], "sub\\|Nv_001.wav|5000");
    EXPECT_FALSE(cab.GetInfo("Nv_001.wav"));  // the folder inside the cabinet is part of the name
    EXPECT_FALSE(cab.GetInfo("missing.txt"));
    EXPECT_TRUE(cab.GetInfo(""));  // any file: the first one is reported
    EXPECT_EQ(found.back(), "|readme.txt|120");
    EXPECT_EQ(found.size(), 2u);
}

TEST_P(CabTest, ExtractWritesByteIdenticalFilesAndMakesTheSubFolders) {
    CabFixture fx(GetParam());
    cCabFile cab;
    cab.CabName(fx.cab);
    std::vector<std::string> before, after;
    cab.BeforeExtract = [&](const std::string& name, bool&) { before.push_back(name); };
    cab.AfterExtract = [&](const std::string& target) { after.push_back(target); };
    const std::string out = fx.dir / "out";
    EXPECT_TRUE(cab.Extract("", out, ""));
    for (const auto& s : sources()) EXPECT_EQ(readFile(out + "/" + s.name), s.data) << s.name;
    EXPECT_EQ(before.size(), 5u);
    EXPECT_EQ(before[2], "sub\\Nv_001.wav");
    ASSERT_EQ(after.size(), 5u);
    EXPECT_EQ(after[2], out + "/sub/Nv_001.wav");
    EXPECT_TRUE(cab.Refused().empty());
}

TEST_P(CabTest, ExtractWithoutOutputFolderWritesNextToTheCabinet) {
    CabFixture fx(GetParam());
    cCabFile cab;
    cab.CabName(fx.cab);
    EXPECT_TRUE(cab.Extract("sub\\NV_001.wav"));
    EXPECT_EQ(readFile(fx.dir / "sub/Nv_001.wav"), sources()[2].data);
    EXPECT_FALSE(exists(fx.dir / "readme.txt"));
}

TEST_P(CabTest, ExtractOneFileUnderAnotherName) {
    CabFixture fx(GetParam());
    cCabFile cab;
    cab.CabName(fx.cab);
    EXPECT_TRUE(cab.Extract("Noorvale", fx.dir / "tmp", "Noorvale.new"));
    EXPECT_EQ(tree(fx.dir / "tmp"), (std::vector<std::string>{"Noorvale.new"}));
    EXPECT_EQ(readFile(fx.dir / "tmp/Noorvale.new"), sources()[1].data);
}

TEST_P(CabTest, BeforeExtractCanCancelAFile) {
    CabFixture fx(GetParam());
    cCabFile cab;
    cab.CabName(fx.cab);
    cab.BeforeExtract = [&](const std::string& name, bool& cancel) { cancel = name == "readme.txt"; };
    EXPECT_TRUE(cab.Extract("", fx.dir / "out"));
    EXPECT_FALSE(exists(fx.dir / "out/readme.txt"));
    EXPECT_TRUE(exists(fx.dir / "out/Noorvale"));
}

TEST_P(CabTest, ExtractedFilesKeepTheCabinetTime) {
    CabFixture fx(GetParam());
    const std::string src = fx.dir / "src/readme.txt";
    cCabFile cab;
    cab.CabName(fx.cab);
    ASSERT_TRUE(cab.Extract("readme.txt", fx.dir / "out"));
    struct stat a {}, b {};
    ::stat(src.c_str(), &a);
    ::stat((fx.dir / "out/readme.txt").c_str(), &b);
    EXPECT_LE(std::llabs(static_cast<long long>(a.st_mtime - b.st_mtime)), 2);  // DOS times count in 2 seconds
}

TEST_P(CabTest, GetXmlIsWellFormedAndNamesEveryFile) {
    CabFixture fx(GetParam());
    cCabFile cab;
    cab.CabName(fx.cab);
    const std::string xml = cab.GetXML("");
    EXPECT_EQ(xml.rfind("<?xml version=\"1.0\"?><CABFILE CABFILENAME = '", 0), 0u) << xml;
    EXPECT_NE(xml.find("<FILE><FULLNAME>sub\\Nv_001.wav</FULLNAME><NAME>Nv_001.wav</NAME><DATE>"), std::string::npos);
    EXPECT_NE(xml.find("</DATE><SIZE>5000</SIZE><PATH>sub\\</PATH></FILE>\r\n"), std::string::npos);
    EXPECT_NE(xml.find("x&amp;y&lt;z&gt;&apos;q&quot;.txt"), std::string::npos);
    writeFile(fx.dir / "list.xml", xml);
    EXPECT_EQ(parseFullNames(fx.dir / "list.xml"),
              fx.cab + "\nreadme.txt\nNoorvale\nsub\\Nv_001.wav\nsub\\deeper\\empty.dat\nsub\\x&y<z>'q\".txt\n");
    // One file, matched by its name without the folder.
    const std::string one = cab.GetXML("NV_001.WAV");
    EXPECT_EQ(one.find("readme"), std::string::npos);
    EXPECT_NE(one.find("<NAME>Nv_001.wav</NAME>"), std::string::npos);
}

TEST(CabFile, AnEscapedCabinetPathInTheXml) {
    TempDir dir;
    const std::string cabPath = dir / "a&b's.cab";
    writeFile(cabPath, makeStoredCabinet({{"docs\\readme.txt", std::string(120, 'r')}}));
    cCabFile cab;
    cab.CabName(cabPath);
    const std::string xml = cab.GetXML();
    const std::string date = CabDateText(CabLocalDate(2020, 5, 17, 12, 34, 56));
    EXPECT_EQ(xml, "<?xml version=\"1.0\"?><CABFILE CABFILENAME = '" + dir.path() +
                       "/a&amp;b&apos;s.cab'><FILES><FILE><FULLNAME>docs\\readme.txt</FULLNAME><NAME>readme.txt</NAME>"
                       "<DATE>" + date + "</DATE><SIZE>120</SIZE><PATH>docs\\</PATH></FILE>\r\n</FILES></CABFILE>");
    writeFile(dir / "x.xml", xml);
    EXPECT_EQ(parseFullNames(dir / "x.xml"), cabPath + "\ndocs\\readme.txt\n");
}

TEST(CabFile, HostileNamesNeverLeaveTheOutputFolder) {
    TempDir sandbox;
    const std::string absolute = sandbox / "abs-target.txt";  // an absolute name pointing into the sandbox
    std::string absoluteBackslash = absolute;
    for (auto& c : absoluteBackslash)
        if (c == '/') c = '\\';
    const std::vector<CabEntry> entries = {
        {"..\\evil", "1"},
        {"../evil2", "2"},
        {absolute, "3"},
        {absoluteBackslash, "4"},
        {"C:\\Windows\\win.ini", "5"},
        {"c:evil", "6"},
        {"sub\\..\\..\\climb", "7"},
        {"sub\\..", "8"},
        {"ok.txt", "fine"},
        {"sub\\.\\ok2.txt", "fine too"},
    };
    writeFile(sandbox / "cab/hostile.cab", makeStoredCabinet(entries));
    cCabFile cab;
    cab.CabName(sandbox / "cab/hostile.cab");
    EXPECT_EQ(cab.FileCount(), 10);
    std::vector<std::string> reported;
    cab.ExtractRefused = [&](const std::string& name) { reported.push_back(name); };
    EXPECT_TRUE(cab.Extract("", sandbox / "cab/out"));
    EXPECT_EQ(cab.Refused().size(), 8u);
    EXPECT_EQ(reported, cab.Refused());
    EXPECT_EQ(cab.Refused()[0], "..\\evil");
    EXPECT_EQ(tree(sandbox.path()), (std::vector<std::string>{"cab", "cab/hostile.cab", "cab/out", "cab/out/ok.txt",
                                                              "cab/out/sub", "cab/out/sub/ok2.txt"}));
    EXPECT_EQ(readFile(sandbox / "cab/out/ok.txt"), "fine");

    // Next to the cabinet (no output folder) the same holds.
    EXPECT_TRUE(cab.Extract());
    EXPECT_EQ(cab.Refused().size(), 8u);
    EXPECT_FALSE(exists(sandbox / "evil"));
    EXPECT_FALSE(exists(absolute));
    // An output name that climbs out is refused too.
    EXPECT_TRUE(cab.Extract("ok.txt", sandbox / "cab/out", "../../escaped.txt"));
    EXPECT_EQ(cab.Refused(), (std::vector<std::string>{"ok.txt"}));
    EXPECT_FALSE(exists(sandbox / "escaped.txt"));
}

TEST(CabFile, ALinkInsideTheOutputFolderDoesNotLeadOut) {
    TempDir sandbox;
    fs::create_directories(sandbox / "out");
    fs::create_directories(sandbox / "outside");
    fs::create_directory_symlink(sandbox / "outside", sandbox / "out/link");
    ::symlink((sandbox / "outside/target.txt").c_str(), (sandbox / "out/file-link.txt").c_str());
    writeFile(sandbox / "l.cab", makeStoredCabinet({{"link\\planted.txt", "x"}, {"link\\deeper\\planted.txt", "z"},
                                                    {"file-link.txt", "y"}}));
    cCabFile cab;
    cab.CabName(sandbox / "l.cab");
    const VbError e = raised([&] { cab.Extract("", sandbox / "out"); });
    EXPECT_EQ(e.number(), 5);  // the link named as a file is not followed: access denied
    EXPECT_EQ(cab.Refused(), (std::vector<std::string>{"link\\planted.txt", "link\\deeper\\planted.txt"}));
    EXPECT_TRUE(fs::is_empty(sandbox / "outside"));  // not even a folder is made through the link
}

TEST(CabFile, DamagedCabinetsRaiseInvalidData) {
    CabFixture fx(true);
    const std::string good = readFile(fx.cab);
    cCabFile cab;

    writeFile(fx.dir / "garbage.cab", randomBytes(4000, 9));
    cab.CabName(fx.dir / "garbage.cab");
    VbError e = raised([&] { cab.FileCount(); });
    EXPECT_EQ(e.number(), 13);
    EXPECT_EQ(e.source(), "CabFile");
    EXPECT_EQ(e.description(), "Invalid data.");
    e = raised([&] { cab.GetInfo("readme.txt"); });
    EXPECT_EQ(e.number(), 13);
    EXPECT_EQ(e.source(), "CabFile.GetInfo");
    e = raised([&] { cab.GetXML(""); });
    EXPECT_EQ(e.source(), "CabFile.GetXML");

    // Cut inside the file list: nothing can be read.
    writeFile(fx.dir / "head.cab", good.substr(0, 60));
    cab.CabName(fx.dir / "head.cab");
    e = raised([&] { cab.FileCount(); });
    EXPECT_EQ(e.number(), 13);

    // Cut inside the data: the list reads, the extraction fails and leaves no half file.
    writeFile(fx.dir / "half.cab", good.substr(0, good.size() / 2));
    cab.CabName(fx.dir / "half.cab");
    EXPECT_EQ(cab.FileCount(), 5);
    e = raised([&] { cab.Extract("", fx.dir / "half-out"); });
    EXPECT_EQ(e.number(), 13);
    EXPECT_EQ(e.description(), "Invalid data.");
    EXPECT_FALSE(exists(fx.dir / "half-out/sub/Nv_001.wav"));

    writeFile(fx.dir / "empty.cab", "");
    cab.CabName(fx.dir / "empty.cab");
    EXPECT_EQ(raised([&] { cab.FileCount(); }).number(), 13);
}

TEST(CabFile, ADataChecksumErrorIsACyclicRedundancyError) {
    TempDir dir;
    std::string cab = makeStoredCabinet({{"a.txt", "hello world"}});
    // Give the one data block a wrong checksum (offset of CFDATA = 36 + 8 + 16 + "a.txt\0").
    const size_t data = 36 + 8 + 16 + 6;
    cab[data] = 1;
    writeFile(dir / "c.cab", cab);
    cCabFile f;
    f.CabName(dir / "c.cab");
    const VbError e = raised([&] { f.Extract("", dir / "out"); });
    EXPECT_EQ(e.number(), 23);
    EXPECT_EQ(e.description(), "Data error (cyclic redundancy check).");
}

TEST(CabFile, MissingCabinetAndMissingName) {
    TempDir dir;
    cCabFile cab;
    VbError e = raised([&] { cab.FileCount(); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x800407A4u);
    EXPECT_EQ(e.source(), "CabFile");
    EXPECT_EQ(e.description(), "You must set the CabName property before taking any action on the CabFile object.");
    e = raised([&] { cab.GetInfo("x"); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x800407A4u);
    EXPECT_EQ(e.source(), "CabFile.GetInfo");

    cab.CabName(dir / "none.cab");
    e = raised([&] { cab.Extract(); });
    EXPECT_EQ(e.number(), 2);
    EXPECT_EQ(e.description(), "The system cannot find the file specified.");
    cab.CabName(dir.path());
    EXPECT_EQ(raised([&] { cab.FileCount(); }).number(), 5);
}

TEST(CabFile, AnEventHandlerErrorComesOutOfTheCallback) {
    TempDir dir;
    writeFile(dir / "e.cab", makeStoredCabinet({{"a.txt", "a"}}));
    cCabFile cab;
    cab.CabName(dir / "e.cab");
    cab.AfterExtract = [](const std::string&) { raiseError(kErrOverflow, "handler"); };
    const VbError e = raised([&] { cab.Extract("", dir / "out"); });
    EXPECT_EQ(e.number(), kErrOverflow);
    EXPECT_EQ(e.source(), "CabFile.CabCallBack");
    cab.FileFound = [](const std::string&, DateValue, int32_t, const std::string&) { throw std::runtime_error("x"); };
    const VbError e2 = raised([&] { cab.GetInfo("a.txt"); });
    EXPECT_EQ(e2.source(), "CabFile.GetInfo");
}

TEST(CabFile, ACabinetWithNoFiles) {
    TempDir dir;
    writeFile(dir / "none.cab", makeStoredCabinet({}));
    cCabFile cab;
    cab.CabName(dir / "none.cab");
    // An empty cabinet is either counted as empty or refused as damaged; it never crashes.
    try {
        EXPECT_EQ(cab.FileCount(), 0);
        EXPECT_FALSE(cab.GetInfo(""));
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 13);
    }
}

TEST(CabFile, TheCallbackForwardsToTheRegisteredObject) {
    EXPECT_EQ(CabinetCallback(0, kSpFileNotifyFileInCabinet, nullptr, nullptr), RegisteredCabFile() ? 2u : 0u);
    {
        TempDir dir;
        writeFile(dir / "r.cab", makeStoredCabinet({{"a.txt", "a"}}));
        cCabFile cab;
        cab.CabName(dir / "r.cab");
        cab.FileCount();
        EXPECT_EQ(RegisteredCabFile(), &cab);
        FileInCabinetInfo info;
        info.NameInCabinet = "x";
        EXPECT_EQ(CabinetCallback(kCabModeCount, kSpFileNotifyFileInCabinet, &info, nullptr), kFileOpSkip);
        EXPECT_EQ(CabinetCallback(kCabModeCount, kSpFileNotifyNeedNewCabinet, nullptr, nullptr), 0u);
        EXPECT_EQ(CabinetCallback(kCabModeCount, 0x99, nullptr, nullptr), 0u);
    }
    EXPECT_EQ(RegisteredCabFile(), nullptr);  // a destroyed object is no longer called
    EXPECT_EQ(CabinetCallback(0, kSpFileNotifyFileInCabinet, nullptr, nullptr), 0u);
}

TEST(CabFile, ErrorTexts) {
    EXPECT_EQ(CabErrorText(2), "The system cannot find the file specified.");
    EXPECT_EQ(CabErrorText(112), "There is not enough space on the disk.");
    EXPECT_EQ(CabErrorText(123), "The filename, directory name, or volume label syntax is incorrect.");
    EXPECT_EQ(CabErrorText(9999), "Unknown error.");
}

TEST(ModCallback, PathHelpers) {
    std::string folder, file;
    fSplitFile("a.txt", folder, file);
    EXPECT_EQ(folder, "");
    EXPECT_EQ(file, "a.txt");
    fSplitFile("c:\\x\\a.txt", folder, file);
    EXPECT_EQ(folder, "c:\\x\\");
    EXPECT_EQ(file, "a.txt");
    fSplitFile("/opt/noorvale/a.txt", folder, file);
    EXPECT_EQ(folder, "/opt/noorvale/");
    EXPECT_EQ(file, "a.txt");
    EXPECT_EQ(fFixPath("/opt/noorvale"), "/opt/noorvale/");
    EXPECT_EQ(fFixPath("/opt/noorvale/"), "/opt/noorvale/");
    EXPECT_EQ(fFixPath(""), "");

    TempDir dir;
    EXPECT_TRUE(fMakePath(dir.path()));
    EXPECT_TRUE(fMakePath(dir / "new1/new2/"));
    EXPECT_TRUE(fs::is_directory(dir / "new1/new2"));
    EXPECT_FALSE(fMakePath(""));
    writeFile(dir / "file", "x");
    EXPECT_FALSE(fMakePath(dir / "file/sub"));  // a file stands where a folder should
    EXPECT_FALSE(fMakePath(dir / "file"));
}

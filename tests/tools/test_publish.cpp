// nv-publish, the maker's publishing tool: what it writes and what it refuses. (That Tarvo
// accepts what it writes is shown by the update tests, which publish with it.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "updlib/support/Gcab.h"
#include "support/TempDir.h"

using namespace nv::test;

namespace {

int publish(const TempDir& dir, const std::string& args) {
    const std::string cmd = "python3 " + shellQuote(std::string(NOORVALE_SOURCE_DIR) + "/tools/nv-publish") + " " + args +
                            " >" + shellQuote(dir / "out.txt") + " 2>" + shellQuote(dir / "err.txt");
    const int rc = std::system(cmd.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

TEST(Publish, WritesEveryEntryInTheFormTarvoReads) {
    TempDir dir;
    writeFile(dir / "src/Noorvale", std::string(5000, 'n'));
    writeFile(dir / "src/a/b/deep.txt", "deep");
    writeFile(dir / "Tarvo", "new tarvo NOORVALE-TARVO-VERSION=1.1");
    ASSERT_EQ(publish(dir, shellQuote(dir / "src") + " " + shellQuote(dir / "site") +
                               " --product Noorvale --version 2.0 --allow-future-date --date '2030-05-06 07:08:09' --tarvo " +
                               shellQuote(dir / "Tarvo") + " --tarvo-version 1.1"),
              0)
        << readFile(dir / "err.txt");
    const std::string ini = readFile(dir / "site/update.ini");
    const std::string crc = "[1-9A-F][0-9A-F]{0,7}", sha = "[0-9a-f]{64}";
    EXPECT_TRUE(std::regex_search(ini, std::regex("^\\[TARVO\\]\r\nName=Noorvale\r\nVersion=1.1\r\nProductVersion=2.0\r\n")));
    EXPECT_TRUE(std::regex_search(ini, std::regex("\r\nCabFile=Tarvo.cab," + crc + "," + sha + "\r\n")));
    EXPECT_TRUE(std::regex_search(ini, std::regex("\r\nFile=Tarvo,2030-05-06 07:08:09,1.1,,TARVO," + crc + "," + sha + "\r\n")));
    // A cabinet's last field is its size in bytes.
    const auto cabSize = std::to_string(std::filesystem::file_size(dir / "site/Noorvale1.cab"));
    EXPECT_TRUE(std::regex_search(ini, std::regex("\r\nCAB1=Noorvale1.cab," + crc + "," + sha + "," + cabSize + "\r\nCAB2=Noorvale2.cab,")));
    EXPECT_TRUE(std::regex_search(ini, std::regex("\r\nFile1=Noorvale,2030-05-06 07:08:09,2.0,,CAB1," + crc + "," + sha + "\r\n")));
    EXPECT_TRUE(std::regex_search(ini, std::regex("\r\nFile2=deep.txt,2030-05-06 07:08:09,2.0,a\\\\b\\\\,CAB2," + crc + "," + sha + "\r\n")));
    // The cabinets are real: cabextract lists each file under its bare name.
    const std::string list = "cabextract -l " + shellQuote(dir / "site/Noorvale2.cab") + " > " + shellQuote(dir / "list.txt");
    ASSERT_EQ(std::system(list.c_str()), 0);
    EXPECT_NE(readFile(dir / "list.txt").find(" | deep.txt"), std::string::npos);
    EXPECT_TRUE(exists(dir / "site/Tarvo.cab"));
}

TEST(Publish, RefusesWhatAnUpdateCannotCarry) {
    TempDir dir;
    writeFile(dir / "dup/x.txt", "1");
    writeFile(dir / "dup/sub/x.txt", "2");
    EXPECT_EQ(publish(dir, shellQuote(dir / "dup") + " " + shellQuote(dir / "site") + " --product P --version 1"), 1);
    EXPECT_NE(readFile(dir / "err.txt").find("file names must differ across folders"), std::string::npos);

    writeFile(dir / "comma/a,b.txt", "1");
    EXPECT_EQ(publish(dir, shellQuote(dir / "comma") + " " + shellQuote(dir / "site") + " --product P --version 1"), 1);
    EXPECT_NE(readFile(dir / "err.txt").find("cannot carry"), std::string::npos);

    std::filesystem::create_directories(dir / "empty");
    EXPECT_EQ(publish(dir, shellQuote(dir / "empty") + " " + shellQuote(dir / "site") + " --product P --version 1"), 1);
    EXPECT_NE(readFile(dir / "err.txt").find("holds no files"), std::string::npos);

    writeFile(dir / "ok/a.txt", "1");
    EXPECT_EQ(publish(dir, shellQuote(dir / "ok") + " " + shellQuote(dir / "site") + " --product P --version 1 --date tomorrow"), 2);
    EXPECT_EQ(publish(dir, shellQuote(dir / "ok") + " " + shellQuote(dir / "site") + " --product P --version 1 --info ../x.ini"), 2);
    EXPECT_FALSE(exists(dir / "site/update.ini"));
    EXPECT_FALSE(exists(dir / "x.ini"));

    // More files than Tarvo's list of key names holds; a date in the future; a Tarvo that is not
    // the version it is published as, or no Tarvo at all.
    for (int i = 0; i < 1100; ++i) writeFile(dir / ("many/f" + std::to_string(i)), "x");
    writeFile(dir / "old-tarvo", "NOORVALE-TARVO-VERSION=1.0");
    const std::string ok = shellQuote(dir / "ok") + " " + shellQuote(dir / "site") + " --product P --version 1";
    const std::vector<std::pair<std::string, std::string>> refused = {
        {shellQuote(dir / "many") + " " + shellQuote(dir / "site") + " --product P --version 1", "Tarvo reads at most 8190"},
        {ok + " --date '2999-01-01 00:00:00'", "is in the future"},
        {ok + " --version 1.x", "is not a version"},
        {ok + " --tarvo " + shellQuote(dir / "old-tarvo") + " --tarvo-version 1.1", "is Tarvo 1.0, not the --tarvo-version 1.1"},
        {ok + " --tarvo " + shellQuote(dir / "ok/a.txt") + " --tarvo-version 1.0", "is not a Tarvo program"},
    };
    for (const auto& [arguments, why] : refused) {
        EXPECT_EQ(publish(dir, arguments), 1) << arguments;
        EXPECT_NE(readFile(dir / "err.txt").find(why), std::string::npos) << readFile(dir / "err.txt");
        EXPECT_FALSE(exists(dir / "site/update.ini")) << arguments;
    }
    // The Tarvo this build made carries its own version.
    EXPECT_EQ(publish(dir, ok + " --tarvo " + shellQuote(std::string(NOORVALE_BIN_DIR) + "/Tarvo") + " --tarvo-version 1.0"), 0)
        << readFile(dir / "err.txt");
}

}  // namespace

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <csignal>
#include <filesystem>

#include <ctime>

#include "UpdaterApp.h"
#include "cFile.h"
#include "support/Raised.h"
#include "support/TempDir.h"

using namespace nv;
using namespace nv::test;

TEST(CFile, ChecksRaiseTheirNumbersWithTheClassSource) {
    cFile f;
    VbError e = raised([&] { f.Size(); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042BC1u);
    EXPECT_EQ(e.source(), "Tarvo.CFile");
    EXPECT_EQ(e.description(), "Object not properly initialized. Set the PathFileName property to a non-empty value first");

    e = raised([&] { f.Init(""); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042BC2u);
    EXPECT_EQ(e.description(), "Invalid file name");

    f.PathFileName("/nonexistent-noorvale/x.txt");
    e = raised([&] { f.LastWriteTime(); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042BC3u);
    EXPECT_EQ(e.description(), "File not found");
    EXPECT_FALSE(f.Exists());
    e = raised([&] { f.Copy(""); });  // P, N, X in this order: N first here
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042BC2u);
}

TEST(CFile, CopyReplacesAnExistingTargetAndAMissingSourceCopiesNothing) {
    TempDir dir;
    writeFile(dir / "a.txt", "new");
    writeFile(dir / "b.txt", "old old");
    cFile f;
    f.Init(dir / "a.txt");
    f.Copy(dir / "b.txt");
    EXPECT_EQ(readFile(dir / "b.txt"), "new");
    f.Copy("  " + (dir / "c.txt") + "  ");  // surrounding blanks removed
    EXPECT_EQ(readFile(dir / "c.txt"), "new");

    cFile missing;
    missing.Init(dir / "missing.txt");
    const VbError e = raised([&] { missing.Copy(dir / "b.txt"); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042BC3u);
    EXPECT_EQ(readFile(dir / "b.txt"), "new");

    const VbError e2 = raised([&] { f.Copy(dir / "no-such-folder/x.txt"); });
    EXPECT_EQ(static_cast<uint32_t>(e2.number()), 0x80042BC4u);
    EXPECT_EQ(e2.description(), "File copy failed");
}

// Install replaces a program even while it runs, keeps the target's permission bits, leaves no
// temporary file behind, and on failure leaves the target as it was.
TEST(CFile, InstallReplacesARunningProgramAndKeepsItsMode) {
    TempDir dir;
    std::filesystem::copy_file("/bin/sleep", dir / "prog");
    ::chmod((dir / "prog").c_str(), 0750);
    writeFile(dir / "new", "#!/bin/sh\necho new\n");
    ::chmod((dir / "new").c_str(), 0644);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const std::string p = dir / "prog";
        ::execl(p.c_str(), p.c_str(), "30", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(pid, 0);
    ::usleep(100 * 1000);
    cFile f;
    f.Init(dir / "new");
    f.Install(dir / "prog");  // a plain copy onto a running program fails with "text file busy"
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(readFile(dir / "prog"), readFile(dir / "new"));
    struct stat st {};
    ::stat((dir / "prog").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0750u);
    // A new target takes the source's bits.
    f.Install(dir / "fresh");
    ::stat((dir / "fresh").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 3);

    // A folder where the target should be: nothing replaced, nothing left behind.
    std::filesystem::create_directory(dir / "folder");
    const VbError e = raised([&] { f.Install(dir / "folder"); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042BC4u);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 4);
    raised([&] { f.Install(dir / "no-such-folder/x"); });
}

TEST(CFile, DeleteOfAReadOnlyFileFails) {
    TempDir dir;
    writeFile(dir / "ro.txt", "x");
    ::chmod((dir / "ro.txt").c_str(), 0444);
    cFile f;
    f.Init(dir / "ro.txt");
    EXPECT_TRUE(f.ReadOnly());
    EXPECT_EQ(f.Attributes() & kAttrReadOnly, kAttrReadOnly);
    const VbError e = raised([&] { f.Delete(); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042BC6u);
    EXPECT_EQ(e.description(), "File delete failed");
    EXPECT_TRUE(f.Exists());

    ::chmod((dir / "ro.txt").c_str(), 0644);
    EXPECT_FALSE(f.ReadOnly());
    f.Delete();
    EXPECT_FALSE(f.Exists());
}

TEST(CFile, IdenticalWithComparesInBlocks) {
    TempDir dir;
    std::string data(16384 * 2 + 5, '\0');
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 + 3);
    writeFile(dir / "a.bin", data);
    writeFile(dir / "b.bin", data);
    cFile f;
    f.Init(dir / "a.bin");
    EXPECT_TRUE(f.IdenticalWith(dir / "b.bin"));
    EXPECT_TRUE(f.IdenticalWith(dir / "a.bin"));
    data.back() ^= 1;
    writeFile(dir / "b.bin", data);
    EXPECT_FALSE(f.IdenticalWith(dir / "b.bin"));
    data[100] ^= 1;  // a difference in the first block
    data.back() ^= 1;
    writeFile(dir / "b.bin", data);
    EXPECT_FALSE(f.IdenticalWith(dir / "b.bin"));
    writeFile(dir / "c.bin", data.substr(1));
    EXPECT_FALSE(f.IdenticalWith(dir / "c.bin"));
    const VbError e = raised([&] { f.IdenticalWith(dir / "none.bin"); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042BC3u);
}

TEST(CFile, ContentsWritesALineAndReadsLinesEachAfterCrLf) {
    TempDir dir;
    cFile f;
    f.Init(dir / "t.txt");
    f.Contents(std::string("ab"));
    EXPECT_EQ(readFile(dir / "t.txt"), "ab\r\n");
    EXPECT_EQ(f.Contents(), "\r\nab");
    writeFile(dir / "t.txt", "one\ntwo\r\nthree\rfour");
    EXPECT_EQ(f.Contents(), "\r\none\r\ntwo\r\nthree\r\nfour");
}

TEST(CFile, NameParts) {
    cFile f;
    f.Init("/dir/name.txt");
    EXPECT_EQ(f.FileExt(), "txt");
    EXPECT_EQ(f.FileName(), "name.txt");
    EXPECT_EQ(f.FilePath(), "/dir");
    f.Init("/dir/name");
    EXPECT_EQ(f.FileExt(), "");
    f.Init("/dir.d/name");  // a dot in a folder name is not an extension
    EXPECT_EQ(f.FileExt(), "");
    EXPECT_EQ(f.FilePath(), "/dir.d");
    f.Init("a.txt");
    EXPECT_EQ(f.FileName(), "a.txt");
    EXPECT_EQ(f.FilePath(), "");
}

TEST(CFile, SizeTimesAndAttributes) {
    TempDir dir;
    writeFile(dir / "s.txt", std::string(1234, 'z'));
    struct tm t {};
    t.tm_year = 2021 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 4;
    t.tm_hour = 5;
    t.tm_min = 6;
    t.tm_sec = 7;
    t.tm_isdst = -1;
    const time_t when = std::mktime(&t);
    const struct utimbuf times{when, when};
    ::utime((dir / "s.txt").c_str(), &times);
    cFile f;
    f.Init(dir / "s.txt");
    EXPECT_EQ(f.Size(), 1234);
    EXPECT_EQ(f.LastWriteTime(), dateSerial(2021, 3, 4) + timeSerial(5, 6, 7));
    EXPECT_EQ(f.LastAccessTime(), dateSerial(2021, 3, 4) + timeSerial(5, 6, 7));
    EXPECT_GT(f.CreationTime(), 0);
    EXPECT_EQ(f.Attributes(), kAttrArchive);
    EXPECT_EQ(f.ShortFileName(), dir / "s.txt");
    cFile folder;
    folder.Init(dir.path());
    EXPECT_TRUE(folder.Exists());
    EXPECT_EQ(folder.Attributes() & kAttrDirectory, kAttrDirectory);
}

TEST(CFile, ExistsIsADirectorySearchWithWildcards) {
    TempDir dir;
    writeFile(dir / "update.ini", "x");
    cFile f;
    f.Init(dir / "*.ini");
    EXPECT_TRUE(f.Exists());
    EXPECT_EQ(f.Size(), 1);
    f.Init(dir / "upd?te.ini");
    EXPECT_TRUE(f.Exists());
    f.Init(dir / "*.cab");
    EXPECT_FALSE(f.Exists());
    writeFile(dir / "[x].txt", "y");
    f.Init(dir / "[x].txt");
    EXPECT_TRUE(f.Exists());
    f.Init(dir / "[x]*");  // brackets stand for themselves
    EXPECT_TRUE(f.Exists());
}

TEST(CFile, MoveRenamesButNeverReplacesAndKeepsThePath) {
    TempDir dir;
    writeFile(dir / "m.txt", "m");
    writeFile(dir / "taken.txt", "t");
    cFile f;
    f.Init(dir / "m.txt");
    const VbError e = raised([&] { f.Move(dir / "taken.txt"); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042BC5u);
    EXPECT_EQ(readFile(dir / "taken.txt"), "t");
    f.Move(dir / "moved.txt");
    EXPECT_EQ(f.PathFileName(), dir / "m.txt");
    EXPECT_FALSE(f.Exists());
    EXPECT_EQ(readFile(dir / "moved.txt"), "m");
}

TEST(CFile, AFileTooLargeForThe32BitSizeIsAComponentFailure) {
    TempDir dir;
    const std::string path = dir / "big.bin";
    writeFile(path, "");
    if (::truncate(path.c_str(), int64_t{3} << 30) != 0) GTEST_SKIP() << "no sparse files here";
    cFile f;
    f.Init(path);
    const VbError e = raised([&] { f.Size(); });
    EXPECT_EQ(static_cast<uint32_t>(e.number()), 0x80042BC7u);
    EXPECT_EQ(e.description(), "CFile component failure");
    EXPECT_EQ(e.source(), "Tarvo.CFile");
}

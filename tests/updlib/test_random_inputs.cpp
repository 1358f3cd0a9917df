// Bounded random-input runs (fixed seeds, a few thousand inputs each, seconds in all) of the INI
// reader, the URL splitter and the cabinet reader. Each input may be refused with the class's
// documented error; nothing may crash, hang or write outside its output folder. Run them under
// the sanitizer build too (-DSANITIZE=ON).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "cCabFile.h"
#include "cIniFile.h"
#include "cNetURL.h"
#include "support/CabWriter.h"
#include "support/Gcab.h"
#include "support/TempDir.h"

using namespace nv;
using namespace nv::test;
namespace fs = std::filesystem;

namespace {

std::string pick(std::mt19937& rng, const std::vector<std::string>& pieces, size_t count) {
    std::string s;
    for (size_t i = 0; i < count; ++i) s += pieces[rng() % pieces.size()];
    return s;
}

// Changes a few bytes of the text: overwrite, insert, delete, or cut it short.
std::string mutate(std::mt19937& rng, std::string s, size_t focus, const std::string& alphabet) {
    const int edits = 1 + static_cast<int>(rng() % 6);
    for (int e = 0; e < edits; ++e) {
        const size_t limit = std::max<size_t>(1, std::min(s.size(), focus));
        const size_t at = s.empty() ? 0 : rng() % limit;
        const char c = rng() % 4 == 0 ? static_cast<char>(rng()) : alphabet[rng() % alphabet.size()];
        switch (rng() % 8) {
        case 0: s.insert(s.begin() + static_cast<std::ptrdiff_t>(at), c); break;
        case 1:
            if (!s.empty()) s.erase(at, 1 + rng() % 4);
            break;
        case 2:
            if (!s.empty()) s.resize(rng() % s.size());
            break;
        default:
            if (!s.empty()) s[at] = c;
            break;
        }
    }
    return s;
}

size_t countOutside(const std::string& sandbox, const std::string& allowedFile, const std::string& allowedFolder) {
    size_t n = 0;
    for (const auto& e : fs::directory_iterator(sandbox)) {
        const std::string p = e.path().string();
        if (p != allowedFile && p != allowedFolder) ++n;
    }
    return n;
}

}  // namespace

TEST(RandomInputs, IniReaderAndWriter) {
    TempDir dir(true);
    const std::string path = dir / "fuzz.ini";
    std::mt19937 rng(20240607);
    const std::vector<std::string> pieces = {"[",  "]", "=",  ";",  "\n", "\r\n", "\r", " ",   "\t",    "\"",  "'", "a",
                                             "Key", "S", "0x", "-",  "9",  "40000", "é",  "\x01", "\xFF", "ab=cd", "[S]"};
    cIniFile ini;
    ini.Init(path);
    int raised = 0;
    for (int n = 0; n < 4000; ++n) {
        std::string text = pick(rng, pieces, rng() % 80);
        if (rng() % 10 == 0) text += std::string(rng() % 600, 'v');
        if (rng() % 20 == 0) text.push_back('\0');
        writeFile(path, text);
        try {
            std::vector<std::string> sections, keys;
            ini.EnumerateAllSections(sections);
            for (const auto& s : sections) {
                if (s.empty()) continue;
                ini.EnumerateAllKeys(s, keys);
                for (const auto& k : keys) {
                    const std::string v = ini.GetStringValue(s, k);
                    ASSERT_LE(v.size(), 254u);
                    try {
                        ini.GetNumericValue(s, k);
                    } catch (const VbError& e) {
                        ASSERT_EQ(static_cast<uint32_t>(e.number()), 0x80042C2Au);  // a number too large
                        ++raised;
                    }
                }
            }
            // A plain value saved into any file reads back as saved, and the rest still reads.
            std::string section = "Sec", key = "k", value = "v";
            section += std::to_string(rng() % 3);
            key += std::to_string(rng() % 3);
            value += std::to_string(n);
            ini.SaveStringValue(section, key, value);
            ASSERT_EQ(ini.GetStringValue(section, key), value) << "after writing into:\n" << text;
            ini.EnumerateAllSections(sections);
            ASSERT_TRUE(ini.DeleteKey(section, key));
            ASSERT_EQ(ini.GetStringValue(section, key), "");
        } catch (const VbError& e) {
            FAIL() << "unexpected error " << e.number() << " " << e.description() << " for:\n" << text;
        }
    }
    EXPECT_GT(raised, 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(RandomInputs, UrlSplitter) {
    std::mt19937 rng(777);
    const std::vector<std::string> seeds = {"http://h:8080/a/b.ini?x=1", "https://user:pw@example.org/p/q.cab#frag",
                                            "ftp://files.example.org/pub/a.cab", "mailto:a@b.example?subject=x",
                                            "http://[::1]:8123/up/noorvale.ini", "http://127.0.0.1/a%20b/c d"};
    const std::string alphabet = "abcXYZ019:/?#@[]%. -_~&=+;,\\\"'<>";
    cNetURL u, v;
    int cracked = 0, roundTrips = 0;
    for (int n = 0; n < 4000; ++n) {
        const std::string url = n % 5 == 0 ? pick(rng, {"h", "/", ":", "//", "?", "#", "@", "http", "[", "]", "1"}, rng() % 12)
                                           : mutate(rng, seeds[rng() % seeds.size()], 64, alphabet);
        try {
            if (u.CrackUrl(url)) {
                ++cracked;
                const std::string built = u.CreateURL();
                // What was split and built again splits into the same parts.
                if (!built.empty() && u.Port() != 0 && v.CrackUrl(built)) {
                    ++roundTrips;
                    ASSERT_EQ(v.Scheme(), u.Scheme()) << url << " -> " << built;
                    ASSERT_EQ(v.HostHame(), u.HostHame()) << url << " -> " << built;
                    ASSERT_EQ(v.Port(), u.Port()) << url << " -> " << built;
                    ASSERT_EQ(v.URLPath(), u.URLPath()) << url << " -> " << built;
                    ASSERT_EQ(v.ExtraInfo(), u.ExtraInfo()) << url << " -> " << built;
                }
            } else {
                ASSERT_EQ(u.HostHame(), std::string(1024, ' '));
            }
            u.CombineUrl(seeds[0], url, static_cast<int32_t>(rng() % 2 ? 0 : kIcuNoMeta));
            u.CanonicalizeUrl(url, static_cast<int32_t>(rng() % 2 ? 0 : kIcuDecode));
        } catch (const VbError& e) {
            FAIL() << "unexpected error " << e.description() << " for " << url;
        }
    }
    EXPECT_GT(cracked, 500);
    EXPECT_GT(roundTrips, 300);
}

TEST(RandomInputs, CabinetReader) {
    TempDir sandbox(true);
    // Two cabinets to start from: one stored by our writer, one compressed by gcab.
    std::vector<CabEntry> entries = {{"a.txt", "alpha"}, {"sub\\b.bin", std::string(40000, 'b')}, {"sub\\c\\d.txt", "delta"}};
    const std::string stored = makeStoredCabinet(entries);
    writeFile(sandbox / "src/a.txt", "alpha alpha alpha");
    writeFile(sandbox / "src/sub/b.bin", std::string(40000, 'b'));
    writeFile(sandbox / "src/sub/c/d.txt", "delta");
    ASSERT_TRUE(makeCabinet(sandbox / "src", sandbox / "z.cab", {"a.txt", "sub/b.bin", "sub/c/d.txt"}, true));
    const std::string compressed = readFile(sandbox / "z.cab");
    fs::remove_all(sandbox / "src");
    fs::remove(sandbox / "z.cab");

    const std::string cabPath = sandbox / "in.cab", out = sandbox / "out";
    const std::string alphabet = std::string("\0\x01\xFF\x7F\x80 MSCF\\/.:", 15);
    std::mt19937 rng(4242);
    cCabFile cab;
    cab.CabName(cabPath);
    int refused = 0, failed = 0, extracted = 0;
    for (int n = 0; n < 4000; ++n) {
        const std::string& seed = n % 2 ? compressed : stored;
        // Most edits hit the headers and file list, some anywhere.
        const std::string input = mutate(rng, seed, rng() % 3 ? 120 : seed.size(), alphabet);
        writeFile(cabPath, input);
        fs::remove_all(out);
        try {
            cab.FileCount();
            cab.GetInfo("");
            cab.GetXML("");
            cab.Extract("", out);
            ++extracted;
        } catch (const VbError& e) {
            ++failed;
            ASSERT_LT(e.number(), 200) << e.description();  // a platform error code, never anything else
            ASSERT_NE(CabErrorText(e.number()), "") << e.number();
        }
        refused += static_cast<int>(cab.Refused().size());
        ASSERT_EQ(countOutside(sandbox.path(), cabPath, out), 0u) << "written outside the output folder, input " << n;
    }
    EXPECT_GT(failed, 100);
    EXPECT_GT(extracted, 100);
    RecordProperty("refused", refused);
    std::printf("cabinets: %d extracted, %d refused with an error, %d names refused\n", extracted, failed, refused);
}

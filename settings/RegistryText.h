// The settings store's file format, the regedit export style: a header line, then each key in
// brackets followed by its values, one a line.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\ORVEN\Software\Noorvale\User\Location]
//   "Name"="Vellmore, LA -- USA"
//   "TZMode"=dword:00000000
//
// A REG_SZ without control characters is quoted text (a backslash before a quote or a backslash);
// a four-byte REG_DWORD is dword:XXXXXXXX; every other value is hex bytes, hex:41,62 for REG_BINARY and hex(N): for type N,
// wrapped over lines that end in "\". Key paths and value names compare without regard to ASCII
// case. Reading is forgiving: the lines that parse are used, the rest is counted as damage.
// Only HKEY_CURRENT_USER is kept.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "modRegistry.h"

namespace nv {

// The value types of the registry.
enum RegType : uint32_t {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4,
};

// A stored value: its type and its bytes (text without any terminating zero unless one was
// stored; a REG_DWORD is four bytes, least significant first).
struct RegData {
    uint32_t type = REG_NONE;
    std::string bytes;
    bool operator==(const RegData&) const = default;

    static RegData dword(uint32_t value) {
        RegData d{REG_DWORD, std::string(4, '\0')};
        for (size_t i = 0; i < 4; ++i) d.bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return d;
    }
    // A REG_DWORD of exactly four bytes.
    bool isDword() const { return type == REG_DWORD && bytes.size() == 4; }
    uint32_t dwordValue() const {
        uint32_t v = 0;
        for (size_t i = bytes.size(); i-- > 0;) v = (v << 8) | static_cast<unsigned char>(bytes[i]);
        return v;
    }
};

// Key paths and value names compare without regard to ASCII case, as in the registry.
struct RegNameLess {
    bool operator()(const std::string& a, const std::string& b) const;
};
bool sameRegName(const std::string& a, const std::string& b);

// One key: its full path as first written ("HKEY_CURRENT_USER\Software\...") and its values
// in the order they were first set.
struct RegKey {
    std::string path;
    std::vector<std::pair<std::string, RegData>> values;
    const RegData* find(const std::string& name) const;
    // Sets a value, new or replaced; false when it already held just that.
    bool set(const std::string& name, const RegData& data);
};

// Every key of the store by full path.
struct RegTree {
    std::map<std::string, RegKey, RegNameLess> keys;
};

// What reading the file found.
struct RegLoadReport {
    bool exists = false;     // the file was there and could be opened
    bool damaged = false;    // some of it did not parse
    int badLines = 0;        // lines (or wrapped values) that were passed over
    std::string firstProblem;  // "line 12: ..." for the first of them
};

// The full path of a key: the root's name and the subkey's non-empty components, each after a
// "\"; empty for any root but HKEY_CURRENT_USER.
std::string regKeyPath(HKEY root, const std::string& subKey);

// The file's text for a tree.
std::string regText(const RegTree& tree);
// Adds to the tree what parses of a file's text.
RegLoadReport parseRegText(const std::string& text, RegTree& tree);

// Reads a file's text piece by piece, as it arrives, into a tree, so that a file of any size is
// read in little memory: a line longer than any value may be is passed over as it is read.
class RegParser {
public:
    RegParser(RegTree& tree, RegLoadReport& report);
    // The next bytes of the text.
    void feed(const char* data, size_t size);
    // The end of the text.
    void finish();

private:
    void problem(size_t lineNo, const std::string& why);
    // One physical line: a value whose hex data ends in "\" goes on on the next line.
    void physical();
    void logical();

    RegTree& tree_;
    RegLoadReport& report_;
    RegKey* key_ = nullptr;
    bool headerSeen_ = false;
    bool zeroSeen_ = false;
    std::string part_;          // the physical line being read
    bool partTooLong_ = false;  // it is longer than any line may be: the rest is passed over
    std::string line_;          // the logical line being joined
    size_t startNo_ = 0, lineNo_ = 0;
    bool tooLong_ = false;
    bool open_ = false;         // line_ goes on on the next physical line
};

}  // namespace nv

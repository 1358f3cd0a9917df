// One INI file, read and written with the Windows INI rules by our own reader and
// writer (there are no private-profile functions on this platform):
// - "[name]" starts a section; "key=value" lines belong to the section above them; section and
//   key names are matched without regard to case; the first section and the first key of a name
//   win; key and value lose their surrounding blanks and tabs, a value its surrounding pair of
//   quotes (' or ");
// - a line whose first non-blank character is ";" is a comment; a line without "=" counts as a
//   key without value; text is taken as it stands (no inline comments, no escapes);
// - values read are at most 254 characters, a list of names at most 8191, and numbers are read
//   as the system reads them (blanks, a sign, 0x/0o/0b prefixes, the leading digits);
// - the file is read and parsed once per change: the parse is kept until the file's size,
//   modification or change time or inode differ; long parses let pending events run through the
//   event pump; every write rewrites the whole file atomically (a
//   temporary file beside it, then a rename), keeping its line ends, its comments and the order
//   of everything not changed. New files get CR LF line ends.
//
// Errors are VbErrors with the source AppName() + ".CIniFile": the checks below, and
// 0x80042C2A "CIniFile component failure" for any other failure inside an operation (also a
// number that does not fit the 16-bit result of GetNumericValue).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "VbError.h"

namespace nv {

inline constexpr int32_t kErrIniInvalidFileName = kObjectError + 0x2C25;
inline constexpr int32_t kErrIniFileNotFound = kObjectError + 0x2C26;
inline constexpr int32_t kErrIniNotInitialized = kObjectError + 0x2C27;
inline constexpr int32_t kErrIniInvalidSection = kObjectError + 0x2C28;
inline constexpr int32_t kErrIniInvalidKey = kObjectError + 0x2C29;
inline constexpr int32_t kErrIniFailure = kObjectError + 0x2C2A;

struct IniText;

class cIniFile {
public:
    cIniFile();  // FileName = the executable's folder + "orven.ini"

    void Init(const std::string& FileName);
    const std::string& FileName() const { return fileName_; }
    void FileName(const std::string& value);

    bool DeleteKey(const std::string& Section, const std::string& Key);
    bool DeleteSection(const std::string& Section);
    // Replaces `Keys` by the key names of the section in file order and returns their number.
    // (The platform's 1-based array: its index 1 is element 0 here.)
    int32_t EnumerateAllKeys(const std::string& Section, std::vector<std::string>& Keys);
    int32_t EnumerateAllSections(std::vector<std::string>& Sections);
    int16_t GetNumericValue(const std::string& Section, const std::string& Key);
    std::string GetStringValue(const std::string& Section, const std::string& Key);
    void SaveNumericValue(const std::string& Section, const std::string& Key, int16_t Value);
    void SaveStringValue(const std::string& Section, const std::string& Key, const std::string& Value);

    // Lets pending window events run while a long file is parsed.
    void SetEventPump(std::function<void()> pump) { eventPump_ = std::move(pump); }

private:
    // The parse of the file as it is now; read again only when the file changed.
    const IniText& Parsed() const;

    std::string fileName_;
    std::function<void()> eventPump_;
    struct Stamp {
        std::string path;
        uint64_t dev = 0, ino = 0, size = 0;
        int64_t mtimeNs = 0, ctimeNs = 0;
        bool operator==(const Stamp&) const = default;
    };
    mutable Stamp stamp_;
    mutable std::shared_ptr<const IniText> parsed_;
};

}  // namespace nv

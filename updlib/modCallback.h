// Module modCallback: the plain callback of the cabinet iteration, which forwards each
// notification to the one cCabFile object currently working, and path helpers.
//
// Disk paths use "/". fSplitFile also splits the names inside a cabinet, which use "\".
#pragma once

#include <cstdint>
#include <string>

namespace nv {

class cCabFile;

// Notifications of the cabinet iteration (the platform's values) and the answers to the
// file-in-cabinet notification.
inline constexpr uint32_t kSpFileNotifyFileInCabinet = 0x11;
inline constexpr uint32_t kSpFileNotifyNeedNewCabinet = 0x12;
inline constexpr uint32_t kSpFileNotifyFileExtracted = 0x13;
inline constexpr uint32_t kFileOpAbort = 0;
inline constexpr uint32_t kFileOpDoIt = 1;
inline constexpr uint32_t kFileOpSkip = 2;

// What a file-in-cabinet notification carries (parameter 1).
struct FileInCabinetInfo {
    std::string NameInCabinet;  // as stored, folders separated by "\"
    uint32_t FileSize = 0;
    uint32_t Win32Error = 0;
    uint16_t DosDate = 0;
    uint16_t DosTime = 0;
    uint16_t DosAttribs = 0;
    std::string FullTargetName;  // filled by the callback when it answers extract (any length)
};

// What a file-extracted notification carries (parameter 1).
struct FilePaths {
    std::string Target;  // the file written
    std::string Source;  // the name in the cabinet
    uint32_t Win32Error = 0;
    uint32_t Flags = 0;
};

// The path with "/" appended when it does not end in "/". An empty path stays empty (the
// current folder), so it can never turn into the root folder.
std::string fFixPath(const std::string& path);
// Splits after the last "/" or "\": the folder keeps its separator (empty when there is none),
// the file is the rest (the whole name when there is no separator).
void fSplitFile(const std::string& fullName, std::string& folder, std::string& file);
// A name read from a cabinet or an update file ("\\" or "/" between folders) as a relative "/"
// path that stays below the folder it is joined to; empty when it would not: absolute, a drive
// letter, ".." anywhere, or no file name at its end.
std::string fSafeRelativePath(const std::string& name);
// Creates the folder and any missing parent folders; true when it exists as a folder afterwards.
// An empty folder gives false.
bool fMakePath(const std::string& folder);

// Makes the folders of `relativeFolder` ("/" path, may be empty) below the existing folder `root`,
// one by one, never through a link: a part that exists as a link or as a file stops it (and sets
// `throughLink` for a link). True when every part is a real folder afterwards.
bool fMakePathBelow(const std::string& root, const std::string& relativeFolder, bool* throughLink = nullptr);

// The object the callback forwards to. cCabFile's destructor clears its own registration.
void SetCabFile(cCabFile* cabFile);
cCabFile* RegisteredCabFile();
// Forwards the notification to the registered object's CabCallBack; 0 when none is registered.
uint32_t CabinetCallback(uint32_t context, uint32_t notification, void* param1, void* param2);

}  // namespace nv

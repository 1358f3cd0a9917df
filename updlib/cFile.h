// One file named by a full path, with its attributes, times, size, name parts and text
// contents, and copy, move, delete and compare.
//
// Paths are disk paths with "/" separators. Existence is a directory search: the path exists
// when it names a file or a folder, or when its last part holds the wildcards "*" or "?" and
// matches an entry of its folder (the first match then answers the property questions).
// Dates are local date values to the second.
//
// Errors are VbErrors with the source AppName() + ".CFile": the check failures below, and
// 0x80042BC7 "CFile component failure" for any other failure inside an operation.
#pragma once

#include <cstdint>
#include <string>

#include "DateValue.h"
#include "VbError.h"

namespace nv {

inline constexpr int32_t kErrCFileNotInitialized = kObjectError + 0x2BC1;
inline constexpr int32_t kErrCFileInvalidName = kObjectError + 0x2BC2;
inline constexpr int32_t kErrCFileNotFound = kObjectError + 0x2BC3;
inline constexpr int32_t kErrCFileCopyFailed = kObjectError + 0x2BC4;
inline constexpr int32_t kErrCFileMoveFailed = kObjectError + 0x2BC5;
inline constexpr int32_t kErrCFileDeleteFailed = kObjectError + 0x2BC6;
inline constexpr int32_t kErrCFileFailure = kObjectError + 0x2BC7;

// The attribute flags of the platform, as Attributes reports them.
inline constexpr int32_t kAttrReadOnly = 0x1;
inline constexpr int32_t kAttrHidden = 0x2;
inline constexpr int32_t kAttrDirectory = 0x10;
inline constexpr int32_t kAttrArchive = 0x20;
inline constexpr int32_t kAttrNormal = 0x80;

// Copies `from` beside `to` under the temporary name ".<name>.new-XXXXXX", flushed to the disk,
// with the permission bits of `to` when that is a file (else those of `from`). 0 with the
// temporary name in `staged`, or the error number (ENOSPC for a full disk, ...) and no file left.
int StageBeside(const std::string& from, const std::string& to, std::string& staged);
// The same copy under the name `staged` (made anew) instead of beside `to`.
int StageAt(const std::string& from, const std::string& to, const std::string& staged);

// Whether the file or folder exists; false also when the question itself fails.
bool FileExists(const std::string& path);

class cFile {
public:
    cFile() = default;

    void Init(const std::string& PathFileName);
    const std::string& PathFileName() const { return path_; }
    void PathFileName(const std::string& value);

    // Read-only (1) when the owner may not write, hidden (2) for a name starting with ".",
    // directory (16), archive (32) for a regular file; normal (128) when none of these.
    int32_t Attributes() const;
    DateValue LastWriteTime() const;
    DateValue CreationTime() const;  // the birth time where the file system keeps one, else the last write
    DateValue LastAccessTime() const;
    bool ReadOnly() const;
    int32_t Size() const;            // a file of 2 GiB or more raises the component failure
    std::string ShortFileName() const;  // no short names on this platform: the path itself

    // The name after the last "/", extension included; FilePath is the path before that "/".
    std::string FileName() const;
    // The text after the last "." of the file name; empty when the name has none.
    std::string FileExt() const;
    std::string FilePath() const;

    // Writes the text followed by CR LF, replacing the file.
    void Contents(const std::string& text);
    // Every line of the file, each preceded by CR LF (lines end at CR LF, LF or CR).
    std::string Contents() const;

    void Copy(const std::string& NewFileName);  // overwrites an existing target
    // Copies the file over NewFileName through a temporary file beside the target (StageBeside)
    // and a rename,
    // so the target is never half-written and a running program's file can be replaced. The
    // target keeps its permission bits (an executable stays executable); a new one gets the
    // file's own. Raises the copy failure when it cannot; the target is then unchanged.
    void Install(const std::string& NewFileName);
    void Move(const std::string& NewFileName);  // PathFileName is not changed; an existing target is not replaced
    void Delete();                              // a read-only file is not deleted
    bool Exists() const;
    bool IdenticalWith(const std::string& ReferenceFileName) const;

private:
    std::string path_;
};

}  // namespace nv

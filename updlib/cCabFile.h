// Microsoft cabinet (CAB) files, read and extracted with libmspack: count the files,
// tell whether the cabinet holds a file, extract one or all of them, describe the contents as
// XML. The iteration follows the platform's notification sequence: for each file in the cabinet
// a file-in-cabinet notification (answers abort, extract, skip), and for each file extracted a
// file-extracted notification; all of them go through modCallback's CabinetCallback.
//
// Names inside a cabinet use "\"; extraction turns them into "/" paths below the output folder.
// An entry whose name is absolute, has a drive letter or climbs out with "..", or whose target
// would resolve outside the output folder, is never written: it is skipped and listed in
// Refused() (and reported through ExtractRefused). GetXML escapes & < > ' " so its document is
// well-formed XML.
//
// Errors: an empty CabName raises 0x800407A4, source "CabFile"; a failed iteration raises the
// platform's error code (2 file not found, 13 invalid data for a damaged cabinet, 23 a data
// checksum failed, 5 access denied, 112 disk full, ...) with the source "CabFile" and the
// description of CabErrorText. GetInfo and GetXML re-raise every error with the sources
// "CabFile.GetInfo" and "CabFile.GetXML"; an error in an event handler comes out with the source
// "CabFile.CabCallBack".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "DateValue.h"
#include "VbError.h"
#include "modCallback.h"

namespace nv {

inline constexpr int32_t kErrCabNameNotSet = kObjectError + 0x7A4;

// Iteration modes (the context of the iteration).
inline constexpr uint32_t kCabModeCount = 0;
inline constexpr uint32_t kCabModeFind = 1;
inline constexpr uint32_t kCabModeExtract = 2;
inline constexpr uint32_t kCabModeDescribe = 3;

// The description of a platform error code raised by the cabinet reader ("Unknown error." for
// codes outside the table).
std::string CabErrorText(int32_t code);

// The date text of GetXML: the user's short date (with a four-digit year) and long time; the
// time is left out at midnight.
std::string CabDateText(DateValue d);

// The local date value of a cabinet's MS-DOS date and time, converted as the platform does
// (DOS date and time → file time → local file time).
DateValue CabLocalDate(int year, int month, int day, int hour, int minute, int second);

class cCabFile {
public:
    cCabFile() = default;
    ~cCabFile();
    cCabFile(const cCabFile&) = delete;
    cCabFile& operator=(const cCabFile&) = delete;

    const std::string& CabName() const { return cabName_; }
    void CabName(const std::string& value) { cabName_ = value; }

    int32_t FileCount();
    // True when the cabinet holds a file whose name (with its folder inside the cabinet) equals
    // the argument without regard to case; an empty argument asks for any file. FileFound
    // reports the first match.
    bool GetInfo(const std::string& FileToInvestigate);
    // Extracts the matching files (all when FileToExtract is empty) into OutputPath (empty: the
    // cabinet's folder) under OutputFile (empty: the name and sub-folder from the cabinet).
    // True when the iteration succeeded.
    bool Extract(const std::string& FileToExtract = {}, const std::string& OutputPath = {},
                 const std::string& OutputFile = {});
    std::string GetXML(const std::string& FileToInvestigate = {});

    // Names the last Extract refused to write (see above).
    const std::vector<std::string>& Refused() const { return refused_; }

    // Events.
    std::function<void(const std::string& FileName, DateValue DateTime, int32_t Size, const std::string& Path)> FileFound;
    std::function<void(const std::string& FileName, bool& Cancel)> BeforeExtract;
    std::function<void(const std::string& FileName)> AfterExtract;
    std::function<void(const std::string& NameInCabinet)> ExtractRefused;

private:
    friend uint32_t CabinetCallback(uint32_t, uint32_t, void*, void*);
    uint32_t CabCallBack(uint32_t mode, uint32_t notification, void* param1, void* param2);
    uint32_t OnFileInCabinet(uint32_t mode, FileInCabinetInfo& info);
    // Runs the iteration; false when the callback ended it early with the abort answer.
    bool Iterate(uint32_t mode);

    std::string cabName_;
    std::string fileToFind_;
    std::string outputFolder_;
    std::string outputFile_;
    int32_t count_ = 0;
    std::string xml_;
    bool match_ = false;
    std::vector<std::string> refused_;
};

}  // namespace nv

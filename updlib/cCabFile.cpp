#include "cCabFile.h"

#include <fcntl.h>
#include <langinfo.h>
#include <mspack.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include "UpdaterApp.h"

namespace nv {

namespace {

constexpr const char* kSource = "CabFile";

// ---------------------------------------------------------------------------------------------
// The file layer libmspack reads and writes through: stdio streams with large buffers, targets
// opened without following a link, and the errno of the last failure kept for the error code.

struct CabSystem;

struct CabStream : mspack_file {
    FILE* f = nullptr;
    CabSystem* sys = nullptr;
    bool writing = false;
};

struct CabSystem : mspack_system {
    int lastErrno = 0;       // errno of the last failed call
    bool ioError = false;    // a read or write failed for a reason other than the end of the file
    bool openFailed = false;
    CabSystem();
};

mspack_file* sysOpen(mspack_system* self, const char* filename, int mode) {
    auto* sys = static_cast<CabSystem*>(self);
    int fd = -1;
    const char* fmode = "rb";
    switch (mode) {
    case MSPACK_SYS_OPEN_READ: fd = ::open(filename, O_RDONLY | O_CLOEXEC); break;
    case MSPACK_SYS_OPEN_WRITE:
        fd = ::open(filename, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
        fmode = "wb";
        break;
    default: errno = EINVAL; break;  // the cabinet reader never updates or appends
    }
    if (fd >= 0) {
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {  // a folder or a device is not a cabinet
            ::close(fd);
            fd = -1;
            errno = EISDIR;
        }
    }
    if (fd < 0) {
        sys->lastErrno = errno;
        sys->openFailed = true;
        return nullptr;
    }
    auto* s = new (std::nothrow) CabStream;
    if (!s) {
        ::close(fd);
        sys->lastErrno = ENOMEM;
        return nullptr;
    }
    s->f = ::fdopen(fd, fmode);
    if (!s->f) {
        sys->lastErrno = errno;
        ::close(fd);
        delete s;
        return nullptr;
    }
    std::setvbuf(s->f, nullptr, _IOFBF, 1 << 16);
    s->sys = sys;
    s->writing = mode == MSPACK_SYS_OPEN_WRITE;
    return s;
}

void sysClose(mspack_file* file) {
    auto* s = static_cast<CabStream*>(file);
    if (!s) return;
    if (std::fclose(s->f) != 0 && s->writing) {
        s->sys->lastErrno = errno;
        s->sys->ioError = true;
    }
    delete s;
}

int sysRead(mspack_file* file, void* buffer, int bytes) {
    auto* s = static_cast<CabStream*>(file);
    if (!s || bytes < 0) return -1;
    const size_t n = std::fread(buffer, 1, static_cast<size_t>(bytes), s->f);
    if (n < static_cast<size_t>(bytes) && std::ferror(s->f)) {
        s->sys->lastErrno = errno;
        s->sys->ioError = true;
        return -1;
    }
    return static_cast<int>(n);
}

int sysWrite(mspack_file* file, void* buffer, int bytes) {
    auto* s = static_cast<CabStream*>(file);
    if (!s || bytes < 0) return -1;
    const size_t n = std::fwrite(buffer, 1, static_cast<size_t>(bytes), s->f);
    if (n < static_cast<size_t>(bytes)) {
        s->sys->lastErrno = errno;
        s->sys->ioError = true;
        return -1;
    }
    return static_cast<int>(n);
}

int sysSeek(mspack_file* file, off_t offset, int mode) {
    auto* s = static_cast<CabStream*>(file);
    if (!s) return -1;
    const int whence = mode == MSPACK_SYS_SEEK_START ? SEEK_SET : mode == MSPACK_SYS_SEEK_CUR ? SEEK_CUR : SEEK_END;
    return ::fseeko(s->f, offset, whence) == 0 ? 0 : -1;
}

off_t sysTell(mspack_file* file) {
    auto* s = static_cast<CabStream*>(file);
    return s ? ::ftello(s->f) : -1;
}

void sysMessage(mspack_file*, const char*, ...) {}  // the reader's warnings are not shown

void* sysAlloc(mspack_system*, size_t bytes) { return std::malloc(bytes); }
void sysFree(void* p) { std::free(p); }
void sysCopy(void* src, void* dest, size_t bytes) { std::memmove(dest, src, bytes); }

CabSystem::CabSystem() {
    open = sysOpen;
    close = sysClose;
    read = sysRead;
    write = sysWrite;
    seek = sysSeek;
    tell = sysTell;
    message = sysMessage;
    alloc = sysAlloc;
    free = sysFree;
    copy = sysCopy;
    null_ptr = nullptr;
}

struct Decompressor {
    CabSystem sys;
    mscab_decompressor* d = nullptr;
    mscabd_cabinet* cab = nullptr;
    Decompressor() {
        d = mspack_create_cab_decompressor(&sys);
        if (d) d->set_param(d, MSCABD_PARAM_DECOMPBUF, 1 << 16);
    }
    ~Decompressor() {
        if (d && cab) d->close(d, cab);
        if (d) mspack_destroy_cab_decompressor(d);
    }
};

// The platform's error code for a failed open of the cabinet or a target.
int32_t openErrorCode(int err, bool target) {
    switch (err) {
    case ENOENT: return target ? 3 : 2;
    case ENOTDIR: return 3;
    case EACCES:
    case EPERM:
    case EISDIR:
    case ELOOP: return 5;
    case ENOMEM: return 8;
    case EROFS: return 19;
    case ENOSPC:
    case EDQUOT: return 112;
    case ENAMETOOLONG: return 111;
    default: return target ? 82 : 4;
    }
}

// The platform's error code for a libmspack failure.
int32_t mspackErrorCode(int err, const CabSystem& sys, bool target) {
    switch (err) {
    case MSPACK_ERR_OK: return 0;
    case MSPACK_ERR_OPEN: return openErrorCode(sys.lastErrno, target);
    case MSPACK_ERR_NOMEMORY: return 8;
    case MSPACK_ERR_CHECKSUM: return 23;
    case MSPACK_ERR_READ:
    case MSPACK_ERR_WRITE:
    case MSPACK_ERR_SEEK:
        if (sys.ioError) {
            if (sys.lastErrno == ENOSPC || sys.lastErrno == EDQUOT) return 112;
            return err == MSPACK_ERR_WRITE ? 29 : 30;
        }
        return 13;  // the cabinet ends early: damaged
    default: return 13;  // signature, format, decompression: invalid data
    }
}

[[noreturn]] void raiseCabError(int32_t code, const std::string& source = kSource) {
    throw VbError(code, source, CabErrorText(code));
}

// Whether `path` (which exists) lies inside `folder` once links are resolved.
bool resolvesInside(const std::string& path, const std::string& folder) {
    char rp[PATH_MAX], rf[PATH_MAX];
    if (!::realpath(path.c_str(), rp) || !::realpath(folder.c_str(), rf)) return false;
    const std::string p = rp, f = rf;
    if (p == f) return true;
    const std::string prefix = f == "/" ? f : f + "/";
    return p.compare(0, prefix.size(), prefix) == 0;
}

std::string xmlEscape(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\'': out += "&apos;"; break;
        case '"': out += "&quot;"; break;
        default: out.push_back(c);
        }
    }
    return out;
}

// The element rule of GetXML: <tag name = 'value'>content</tag>; content and value are escaped
// by the caller.
std::string element(const std::string& content, const std::string& tag, const std::string& attribute = {},
                    const std::string& value = {}) {
    std::string e = "<" + tag;
    if (!attribute.empty()) e += " " + attribute + " = '" + value + "'";
    return e + ">" + content + "</" + tag + ">";
}

// Re-raises the error being handled with another source.
[[noreturn]] void reraiseWithSource(const std::string& source) {
    const VbError e = currentError();
    throw VbError(e.number(), source, e.description());
}

}  // namespace

std::string CabErrorText(int32_t code) {
    switch (code) {
    case 2: return Translate("cCabFile", "The system cannot find the file specified.");
    case 3: return Translate("cCabFile", "The system cannot find the path specified.");
    case 4: return Translate("cCabFile", "The system cannot open the file.");
    case 5: return Translate("cCabFile", "Access is denied.");
    case 8: return Translate("cCabFile", "Not enough storage is available to process this command.");
    case 13: return Translate("cCabFile", "Invalid data.");
    case 14: return Translate("cCabFile", "Not enough storage is available to complete this operation.");
    case 15: return Translate("cCabFile", "The system cannot find the drive specified.");
    case 19: return Translate("cCabFile", "The media is write protected.");
    case 20: return Translate("cCabFile", "The system cannot find the device specified.");
    case 21: return Translate("cCabFile", "The device is not ready.");
    case 23: return Translate("cCabFile", "Data error (cyclic redundancy check).");
    case 25: return Translate("cCabFile", "The drive cannot locate a specific area or track on the disk.");
    case 26: return Translate("cCabFile", "The specified disk or diskette cannot be accessed.");
    case 27: return Translate("cCabFile", "The drive cannot find the sector requested.");
    case 29: return Translate("cCabFile", "The system cannot write to the specified device.");
    case 30: return Translate("cCabFile", "The system cannot read from the specified device.");
    case 31: return Translate("cCabFile", "A device attached to the system is not functioning.");
    case 32: return Translate("cCabFile", "The process cannot access the file because it is being used by another process.");
    case 33: return Translate("cCabFile", "The process cannot access the file because another process has locked a portion of the file.");
    case 39: return Translate("cCabFile", "The disk is full.");
    case 82: return Translate("cCabFile", "The directory or file cannot be created.");
    case 111: return Translate("cCabFile", "The file name is too long.");
    case 112: return Translate("cCabFile", "There is not enough space on the disk.");
    case 123: return Translate("cCabFile", "The filename, directory name, or volume label syntax is incorrect.");
    default: return Translate("cCabFile", "Unknown error.");
    }
}

std::string CabDateText(DateValue d) {
    const DateParts p = splitDate(d);
    struct tm t {};
    t.tm_year = p.year - 1900;
    t.tm_mon = p.month - 1;
    t.tm_mday = p.day;
    t.tm_hour = p.hour;
    t.tm_min = p.minute;
    t.tm_sec = p.second;
    t.tm_wday = weekday(d) - 1;
    std::string dateFormat = nl_langinfo(D_FMT);
    for (size_t i = 0; (i = dateFormat.find("%y", i)) != std::string::npos; i += 2) dateFormat[i + 1] = 'Y';
    const std::string format = (p.hour || p.minute || p.second) ? dateFormat + " " + nl_langinfo(T_FMT) : dateFormat;
    char buf[128];
    const size_t n = std::strftime(buf, sizeof buf, format.c_str(), &t);
    return std::string(buf, n);
}

DateValue CabLocalDate(int year, int month, int day, int hour, int minute, int second) {
    struct tm t {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return LocalDateFromTime(::timegm(&t));  // the file time, read as UTC, to local time
}

cCabFile::~cCabFile() {
    if (RegisteredCabFile() == this) SetCabFile(nullptr);
}

bool cCabFile::Iterate(uint32_t mode) {
    if (cabName_.empty())
        throw VbError(kErrCabNameNotSet, kSource,
                      Translate("cCabFile", "You must set the CabName property before taking any action on the CabFile object."));
    SetCabFile(this);
    Decompressor dec;
    if (!dec.d) raiseCabError(8);
    dec.cab = dec.d->open(dec.d, cabName_.c_str());
    if (!dec.cab) raiseCabError(mspackErrorCode(dec.d->last_error(dec.d), dec.sys, false));
    const bool spanned = (dec.cab->flags & (MSCAB_HDR_PREVCAB | MSCAB_HDR_NEXTCAB)) != 0;
    for (mscabd_file* f = dec.cab->files; f; f = f->next) {
        FileInCabinetInfo info;
        info.NameInCabinet = f->filename ? f->filename : "";
        info.FileSize = f->length;
        info.DosDate = static_cast<uint16_t>(((f->date_y - 1980) << 9) | (f->date_m << 5) | f->date_d);
        info.DosTime = static_cast<uint16_t>((f->time_h << 11) | (f->time_m << 5) | (f->time_s / 2));
        info.DosAttribs = static_cast<uint16_t>(f->attribs);
        const uint32_t answer = CabinetCallback(mode, kSpFileNotifyFileInCabinet, &info, nullptr);
        if (answer == kFileOpAbort) return false;
        if (answer != kFileOpDoIt) continue;

        dec.sys.ioError = false;
        dec.sys.openFailed = false;
        const int err = dec.d->extract(dec.d, f, info.FullTargetName.c_str());
        int32_t code = mspackErrorCode(err, dec.sys, true);
        // The last bytes reach the disk only when the file is closed: a failure there (a full disk)
        // is a failed extraction too.
        if (code == 0 && dec.sys.ioError) code = mspackErrorCode(MSPACK_ERR_WRITE, dec.sys, true);
        if (code == 0) {
            // The file's time as the cabinet gives it, read as local time (as the platform does).
            struct tm t {};
            t.tm_year = f->date_y - 1900;
            t.tm_mon = f->date_m - 1;
            t.tm_mday = f->date_d;
            t.tm_hour = f->time_h;
            t.tm_min = f->time_m;
            t.tm_sec = f->time_s;
            t.tm_isdst = -1;
            const time_t when = std::mktime(&t);
            if (when != static_cast<time_t>(-1)) {
                const struct timespec times[2] = {{when, 0}, {when, 0}};
                ::utimensat(AT_FDCWD, info.FullTargetName.c_str(), times, AT_SYMLINK_NOFOLLOW);
            }
        } else {
            if (!dec.sys.openFailed) ::unlink(info.FullTargetName.c_str());  // no half-written file stays
            if (spanned && err == MSPACK_ERR_DATAFORMAT) {
                // The file continues in another cabinet, which this reader does not follow.
                CabinetCallback(mode, kSpFileNotifyNeedNewCabinet, nullptr, nullptr);
            }
        }
        FilePaths paths;
        paths.Target = info.FullTargetName;
        paths.Source = info.NameInCabinet;
        paths.Win32Error = static_cast<uint32_t>(code);
        const uint32_t result = CabinetCallback(mode, kSpFileNotifyFileExtracted, &paths, nullptr);
        if (result != 0) raiseCabError(static_cast<int32_t>(result));
    }
    return true;
}

uint32_t cCabFile::CabCallBack(uint32_t mode, uint32_t notification, void* param1, void*) {
    try {
        switch (notification) {
        case kSpFileNotifyFileInCabinet: return OnFileInCabinet(mode, *static_cast<FileInCabinetInfo*>(param1));
        case kSpFileNotifyNeedNewCabinet: return 0;  // cabinets spanning several files are not supported
        case kSpFileNotifyFileExtracted: {
            const auto& paths = *static_cast<FilePaths*>(param1);
            if (paths.Win32Error == 0 && AfterExtract) AfterExtract(paths.Target);
            return paths.Win32Error;
        }
        default: return 0;
        }
    } catch (...) {
        reraiseWithSource("CabFile.CabCallBack");
    }
}

uint32_t cCabFile::OnFileInCabinet(uint32_t mode, FileInCabinetInfo& info) {
    const std::string& name = info.NameInCabinet;
    switch (mode) {
    case kCabModeCount:
        ++count_;
        return kFileOpSkip;
    case kCabModeFind: {
        match_ = fileToFind_.empty() || EqualsNoCase(fileToFind_, name);
        if (!match_) return kFileOpSkip;
        if (FileFound) {
            std::string folder, file;
            fSplitFile(name, folder, file);
            const int year = 1980 + (info.DosDate >> 9), month = (info.DosDate >> 5) & 15, day = info.DosDate & 31;
            const int hour = info.DosTime >> 11, minute = (info.DosTime >> 5) & 63, second = (info.DosTime & 31) * 2;
            FileFound(file, CabLocalDate(year, month, day, hour, minute, second), static_cast<int32_t>(info.FileSize), folder);
        }
        return kFileOpAbort;  // the first match ends the search
    }
    case kCabModeExtract: {
        match_ = fileToFind_.empty() || EqualsNoCase(fileToFind_, name);
        if (!match_) return kFileOpSkip;
        bool cancel = false;
        if (BeforeExtract) BeforeExtract(name, cancel);
        if (cancel) return kFileOpSkip;
        const std::string relative = fSafeRelativePath(outputFile_.empty() ? name : outputFile_);
        const std::string base = outputFolder_.empty() ? [&] {
            std::string folder, file;
            fSplitFile(cabName_, folder, file);
            return folder;
        }() : outputFolder_;
        const std::string root = base.empty() ? std::string("./") : fFixPath(base);
        const auto refuse = [&] {
            refused_.push_back(name);
            if (ExtractRefused) ExtractRefused(name);
            return kFileOpSkip;
        };
        if (relative.empty()) return refuse();
        const std::string target = root + relative;
        std::string folder, file, relativeFolder, relativeFile;
        fSplitFile(target, folder, file);
        fSplitFile(relative, relativeFolder, relativeFile);
        // No folder is made through a link inside the output folder, and none outside it.
        bool throughLink = false;
        if (!fMakePath(root)) return kFileOpSkip;  // a folder that cannot be made skips the file
        if (!fMakePathBelow(root, relativeFolder, &throughLink)) return throughLink ? refuse() : kFileOpSkip;
        if (!resolvesInside(folder, root)) return refuse();  // the output folder itself leads elsewhere
        info.FullTargetName = target;
        return kFileOpDoIt;
    }
    case kCabModeDescribe: {
        std::string folder, file;
        fSplitFile(name, folder, file);
        match_ = fileToFind_.empty() || EqualsNoCase(fileToFind_, file);
        if (!match_) return kFileOpSkip;
        const int year = 1980 + (info.DosDate >> 9), month = (info.DosDate >> 5) & 15, day = info.DosDate & 31;
        const int hour = info.DosTime >> 11, minute = (info.DosTime >> 5) & 63, second = (info.DosTime & 31) * 2;
        const DateValue date = CabLocalDate(year, month, day, hour, minute, second);
        xml_ += element(element(xmlEscape(name), "FULLNAME") + element(xmlEscape(file), "NAME") +
                            element(xmlEscape(CabDateText(date)), "DATE") +
                            element(std::to_string(info.FileSize), "SIZE") + element(xmlEscape(folder), "PATH"),
                        "FILE") +
                "\r\n";
        return kFileOpSkip;
    }
    default: return kFileOpSkip;
    }
}

int32_t cCabFile::FileCount() {
    count_ = 0;
    Iterate(kCabModeCount);
    return count_;
}

bool cCabFile::GetInfo(const std::string& FileToInvestigate) {
    try {
        fileToFind_ = FileToInvestigate;
        match_ = false;
        Iterate(kCabModeFind);
        return match_;  // the iteration ends early at the first match: that is the answer, not an error
    } catch (...) {
        reraiseWithSource("CabFile.GetInfo");
    }
}

bool cCabFile::Extract(const std::string& FileToExtract, const std::string& OutputPath, const std::string& OutputFile) {
    fileToFind_ = FileToExtract;
    outputFolder_ = OutputPath;
    outputFile_ = OutputFile;
    refused_.clear();
    return Iterate(kCabModeExtract);
}

std::string cCabFile::GetXML(const std::string& FileToInvestigate) {
    try {
        fileToFind_ = FileToInvestigate;
        xml_.clear();
        Iterate(kCabModeDescribe);
        return "<?xml version=\"1.0\"?>" + element(element(xml_, "FILES"), "CABFILE", "CABFILENAME", xmlEscape(cabName_));
    } catch (...) {
        reraiseWithSource("CabFile.GetXML");
    }
}

}  // namespace nv

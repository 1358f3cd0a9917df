#include "cFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>

#include "UpdaterApp.h"
#include "VbConv.h"

namespace nv {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFailure = NV_TRANSLATE_NOOP("VbError", "CFile component failure");

std::string source() { return AppName() + ".CFile"; }

// `description` is marked NV_TRANSLATE_NOOP("cFile", ...).
[[noreturn]] void raiseCheck(int32_t number, const char* description) {
    throw VbError(number, source(), Translate("cFile", description));
}

// Checks are raised on purpose, outside this trap; anything else failing inside an operation
// becomes the component failure.
template <class F>
auto trapped(F&& body) -> decltype(body()) {
    return classTrap(kErrCFileFailure, source(), "", kFailure, std::forward<F>(body));
}

bool hasWildcards(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

struct Found {
    std::string path;  // the entry found
    struct stat st {};
};

// The directory search: the first entry that the path names or, with wildcards in its last
// part, matches.
std::optional<Found> findFirst(const std::string& path) {
    if (path.empty()) return std::nullopt;
    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!hasWildcards(name)) {
        Found f;
        f.path = path;
        if (::stat(path.c_str(), &f.st) != 0) return std::nullopt;
        return f;
    }
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return std::nullopt;
    // Only "*" and "?" are wildcards; every other character stands for itself.
    std::string pattern;
    for (char c : name) {
        if (c == '[' || c == ']' || c == '\\') pattern.push_back('\\');
        pattern.push_back(c);
    }
    while (dirent* e = ::readdir(dir.get())) {
        const std::string entry = e->d_name;
        if (entry == "." || entry == "..") continue;
        if (::fnmatch(pattern.c_str(), entry.c_str(), FNM_PERIOD) != 0) continue;
        Found f;
        f.path = (folder == "/" ? "" : folder) + "/" + entry;
        if (::stat(f.path.c_str(), &f.st) == 0) return f;
    }
    return std::nullopt;
}

bool isReadOnly(const struct stat& st) { return (st.st_mode & S_IWUSR) == 0; }

}  // namespace

void cFile::Init(const std::string& PathFileName) { this->PathFileName(PathFileName); }

void cFile::PathFileName(const std::string& value) {
    if (value.empty()) raiseCheck(kErrCFileInvalidName, NV_TRANSLATE_NOOP("cFile", "Invalid file name"));
    path_ = value;
}

namespace {
void checkP(const std::string& path) {
    if (path.empty())
        raiseCheck(kErrCFileNotInitialized,
                   NV_TRANSLATE_NOOP("cFile", "Object not properly initialized. Set the PathFileName property to a non-empty value first"));
}
Found checkPX(const std::string& path) {
    checkP(path);
    auto f = findFirst(path);
    if (!f) raiseCheck(kErrCFileNotFound, NV_TRANSLATE_NOOP("cFile", "File not found"));
    return *f;
}
void checkN(const std::string& name) {
    if (name.empty()) raiseCheck(kErrCFileInvalidName, NV_TRANSLATE_NOOP("cFile", "Invalid file name"));
}
}  // namespace

int32_t cFile::Attributes() const {
    const Found f = checkPX(path_);
    return trapped([&] {
        int32_t a = 0;
        if (isReadOnly(f.st)) a |= kAttrReadOnly;
        const size_t slash = f.path.rfind('/');
        const std::string name = slash == std::string::npos ? f.path : f.path.substr(slash + 1);
        if (!name.empty() && name[0] == '.' && name != "." && name != "..") a |= kAttrHidden;
        if (S_ISDIR(f.st.st_mode)) a |= kAttrDirectory;
        if (S_ISREG(f.st.st_mode)) a |= kAttrArchive;
        if (a == 0) a = kAttrNormal;
        return a;
    });
}

DateValue cFile::LastWriteTime() const {
    const Found f = checkPX(path_);
    return trapped([&] { return LocalDateFromTime(f.st.st_mtime); });
}

DateValue cFile::CreationTime() const {
    const Found f = checkPX(path_);
    return trapped([&] {
        struct statx sx {};
        if (::statx(AT_FDCWD, f.path.c_str(), 0, STATX_BTIME, &sx) == 0 && (sx.stx_mask & STATX_BTIME))
            return LocalDateFromTime(static_cast<time_t>(sx.stx_btime.tv_sec));
        return LocalDateFromTime(f.st.st_mtime);
    });
}

DateValue cFile::LastAccessTime() const {
    const Found f = checkPX(path_);
    return trapped([&] { return LocalDateFromTime(f.st.st_atime); });
}

bool cFile::ReadOnly() const {
    const Found f = checkPX(path_);
    return trapped([&] { return isReadOnly(f.st); });
}

int32_t cFile::Size() const {
    const Found f = checkPX(path_);
    return trapped([&] { return narrow32(static_cast<int64_t>(f.st.st_size)); });
}

std::string cFile::ShortFileName() const {
    checkPX(path_);
    return trapped([&] {
        const size_t nul = path_.find('\0');
        return nul == std::string::npos ? path_ : path_.substr(0, nul);
    });
}

std::string cFile::FileName() const {
    checkP(path_);
    return trapped([&] {
        const size_t slash = path_.rfind('/');
        return slash == std::string::npos ? path_ : path_.substr(slash + 1);
    });
}

std::string cFile::FileExt() const {
    const std::string name = FileName();
    return trapped([&] {
        const size_t dot = name.rfind('.');
        return dot == std::string::npos ? std::string() : name.substr(dot + 1);
    });
}

std::string cFile::FilePath() const {
    const std::string name = FileName();
    return trapped([&] {
        const size_t keep = path_.size() - name.size();
        return keep == 0 ? std::string() : path_.substr(0, keep - 1);
    });
}

void cFile::Contents(const std::string& text) {
    checkP(path_);
    trapped([&] {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        if (!out) raiseError(kErrPathNotFound, "");
        out << text << "\r\n";
        out.close();
        if (!out) raiseError(kErrInvalidCall, "");
    });
}

std::string cFile::Contents() const {
    checkPX(path_);
    return trapped([&] {
        std::ifstream in(path_, std::ios::binary);
        if (!in) raiseError(kErrFileNotFound, "");
        const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string result;
        size_t i = 0;
        while (i < data.size()) {
            size_t e = i;
            while (e < data.size() && data[e] != '\r' && data[e] != '\n') ++e;
            result += "\r\n";
            result.append(data, i, e - i);
            if (e < data.size() && data[e] == '\r' && e + 1 < data.size() && data[e + 1] == '\n') ++e;
            i = e + 1;
        }
        return result;
    });
}

void cFile::Copy(const std::string& NewFileName) {
    checkP(path_);
    checkN(NewFileName);
    checkPX(path_);
    const bool copied = trapped([&] {
        std::error_code ec;
        const std::string from = TrimBlanks(path_), to = TrimBlanks(NewFileName);
        bool ok = !fs::is_directory(from, ec) && !fs::equivalent(from, to, ec);
        if (ok) ok = fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) && !ec;
        return ok;
    });
    if (!copied) raiseCheck(kErrCFileCopyFailed, NV_TRANSLATE_NOOP("cFile", "File copy failed"));
}

namespace {

// The permission bits a staged copy of `from` that is to replace `to` gets: the target's own
// when it is there (an executable stays executable), else the source's. 0 or the error number.
int stageMode(const std::string& from, const std::string& to, mode_t& mode) {
    struct stat src {}, dst {};
    if (::stat(from.c_str(), &src) != 0) return errno;
    if (!S_ISREG(src.st_mode)) return EINVAL;
    const bool replacing = ::stat(to.c_str(), &dst) == 0;
    if (replacing && !S_ISREG(dst.st_mode)) return EISDIR;
    mode = (replacing ? dst.st_mode : src.st_mode) & 07777;
    return 0;
}

// Copies `from` into the open file `out` (then closed), with `mode`, flushed to the disk; on any
// error the file `path` is removed. 0 or the error number.
int copyInto(const std::string& from, int out, const std::string& path, mode_t mode) {
    int err = 0;
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) err = errno;
    char buf[1 << 16];
    while (!err) {
        const ssize_t n = ::read(in, buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            if (errno != EINTR) err = errno;
            continue;
        }
        for (ssize_t done = 0; !err && done < n;) {
            const ssize_t w = ::write(out, buf + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) err = w < 0 ? errno : EIO;
            else done += w;
        }
    }
    if (in >= 0) ::close(in);
    if (!err && ::fchmod(out, mode) != 0) err = errno;
    if (!err && ::fsync(out) != 0) err = errno;
    if (::close(out) != 0 && !err) err = errno;
    if (err) ::unlink(path.c_str());
    return err;
}

}  // namespace

int StageBeside(const std::string& from, const std::string& to, std::string& staged) {
    mode_t mode = 0;
    if (const int err = stageMode(from, to, mode)) return err;
    const size_t slash = to.rfind('/');
    std::string temp = (slash == std::string::npos ? std::string() : to.substr(0, slash + 1)) + ".";
    temp += (slash == std::string::npos ? to : to.substr(slash + 1)) + ".new-XXXXXX";
    const int out = ::mkstemp(temp.data());
    if (out < 0) return errno;
    if (const int err = copyInto(from, out, temp, mode)) return err;
    staged = temp;
    return 0;
}

int StageAt(const std::string& from, const std::string& to, const std::string& staged) {
    mode_t mode = 0;
    if (const int err = stageMode(from, to, mode)) return err;
    ::unlink(staged.c_str());
    const int out = ::open(staged.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (out < 0) return errno;
    return copyInto(from, out, staged, mode);
}

void cFile::Install(const std::string& NewFileName) {
    checkP(path_);
    checkN(NewFileName);
    checkPX(path_);
    const bool installed = trapped([&] {
        const std::string to = TrimBlanks(NewFileName);
        std::string temp;
        if (StageBeside(TrimBlanks(path_), to, temp) != 0) return false;
        if (::rename(temp.c_str(), to.c_str()) == 0) return true;
        ::unlink(temp.c_str());
        return false;
    });
    if (!installed) raiseCheck(kErrCFileCopyFailed, NV_TRANSLATE_NOOP("cFile", "File copy failed"));
}

void cFile::Move(const std::string& NewFileName) {
    checkP(path_);
    checkN(NewFileName);
    checkPX(path_);
    const bool moved = trapped([&] {
        const std::string from = TrimBlanks(path_), to = TrimBlanks(NewFileName);
        std::error_code ec;
        bool ok = !fs::exists(fs::symlink_status(to, ec));  // the platform's rename never replaces a file
        if (ok) {
            fs::rename(from, to, ec);
            if (ec == std::errc::cross_device_link) {  // another file system: copy, then remove
                ec.clear();
                ok = fs::copy_file(from, to, fs::copy_options::none, ec) && !ec && fs::remove(from, ec);
            } else {
                ok = !ec;
            }
        }
        return ok;
    });
    if (!moved) raiseCheck(kErrCFileMoveFailed, NV_TRANSLATE_NOOP("cFile", "File move failed"));
}

void cFile::Delete() {
    checkPX(path_);
    const bool deleted = trapped([&] {
        const std::string target = TrimBlanks(path_);
        struct stat st {};
        bool ok = ::lstat(target.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) && !isReadOnly(st);
        if (ok) ok = ::unlink(target.c_str()) == 0;
        return ok;
    });
    if (!deleted) raiseCheck(kErrCFileDeleteFailed, NV_TRANSLATE_NOOP("cFile", "File delete failed"));
}

bool cFile::Exists() const {
    checkP(path_);
    return trapped([&] {
        return findFirst(path_).has_value();
    });
}

bool cFile::IdenticalWith(const std::string& ReferenceFileName) const {
    checkP(path_);
    checkN(ReferenceFileName);
    checkPX(path_);
    checkPX(ReferenceFileName);
    return trapped([&] {
        if (ReferenceFileName == path_) return true;
        std::ifstream a(path_, std::ios::binary), b(ReferenceFileName, std::ios::binary);
        if (!a || !b) raiseError(kErrFileNotFound, "");
        a.seekg(0, std::ios::end);
        b.seekg(0, std::ios::end);
        const auto la = a.tellg(), lb = b.tellg();
        if (la != lb) return false;
        a.seekg(0);
        b.seekg(0);
        constexpr size_t kBlock = 16384;
        std::vector<char> ba(kBlock), bb(kBlock);
        auto left = static_cast<uint64_t>(la);
        while (left > 0) {
            const size_t n = static_cast<size_t>(std::min<uint64_t>(left, kBlock));
            a.read(ba.data(), static_cast<std::streamsize>(n));
            b.read(bb.data(), static_cast<std::streamsize>(n));
            if (!a || !b) raiseError(kErrInvalidCall, "");
            if (std::memcmp(ba.data(), bb.data(), n) != 0) return false;
            left -= n;
        }
        return true;
    });
}

bool FileExists(const std::string& path) {
    bool exists = false;
    resumeNext([&] {
        cFile f;
        f.PathFileName(path);
        exists = f.Exists();
    });
    return exists;
}

}  // namespace nv

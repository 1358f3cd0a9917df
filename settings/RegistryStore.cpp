#include "RegistryStore.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "Log.h"
#include "MsgBox.h"
#include "Process.h"
#include "SettingsFile.h"
#include "Translate.h"
#include "VbConv.h"

namespace nv {

namespace {

int32_t statusOf(int err) {
    return err == EACCES || err == EPERM || err == EROFS ? ERROR_ACCESS_DENIED : ERROR_WRITE_FAULT;
}

bool writeAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string baseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path names, its symbolic links followed; the last may name a file not made yet.
std::string linkTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char to[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), to, sizeof to);
        if (n <= 0 || static_cast<size_t>(n) >= sizeof to) return path;
        const std::string next(to, static_cast<size_t>(n));
        path = next[0] == '/' ? next : folderOf(path) + "/" + next;
    }
    return path;
}

// The test hook of the kill test: with NOORVALE_TEST_STORE_STOP_AFTER=N in its environment, the
// process ends itself with SIGKILL right after the store's Nth write step: the writers' lock
// taken, the temporary file made, the text written in it, flushed, and renamed over the store.
void writeStepDone() {
    static KillPoint point("NOORVALE_TEST_STORE_STOP_AFTER");
    point.Passed();
}

bool makeFolders(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return true;
        errno = ENOTDIR;
        return false;
    }
    const std::string parent = folderOf(folder);
    if (parent != folder && !makeFolders(parent)) return false;
    return ::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}

}  // namespace

RegistryStore& RegistryStore::instance() {
    static RegistryStore store;
    return store;
}

std::string RegistryStore::defaultFile() { return DefaultSettingsFile(); }

std::string RegistryStore::setFile(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::string previous = std::move(chosenFile_);
    chosenFile_ = path;
    loaded_ = false;
    unsaved_.clear();  // they were meant for the other file
    failedError_ = 0;
    told_ = false;
    return previous;
}

std::string RegistryStore::file() {
    std::lock_guard<std::mutex> lock(mutex_);
    return currentPathLocked();
}

std::string RegistryStore::currentPathLocked() { return chosenFile_.empty() ? defaultFile() : chosenFile_; }

RegistryStore::FileStamp RegistryStore::stampOf(const struct stat& st) {
    return FileStamp{true, st.st_dev, st.st_ino, st.st_size,
                     static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

RegistryStore::FileStamp RegistryStore::stampOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? stampOf(st) : FileStamp{};
}

void RegistryStore::refreshLocked() {
    const std::string path = currentPathLocked();
    if (loaded_ && path == loadedPath_ && stampOf(path) == loadedStamp_) return;

    RegTree tree;
    RegLoadReport report;
    FileStamp stamp;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR) {  // there, but not readable: never overwrite it unseen
            report.damaged = true;
            report.firstProblem = std::string("cannot be read: ") + std::strerror(errno);
            stamp = stampOf(path);
        }
    } else {
        struct stat st {};
        bool ok = ::fstat(fd, &st) == 0;
        RegParser parser(tree, report);
        char buf[65536];
        while (ok) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                ok = n == 0;
                break;
            }
            parser.feed(buf, static_cast<size_t>(n));
        }
        const int readErr = errno;
        ::close(fd);
        if (ok) {
            parser.finish();
            stamp = stampOf(st);
        } else {
            report.damaged = true;
            report.firstProblem = std::string("cannot be read: ") + std::strerror(readErr);
            stamp = stampOf(path);
        }
    }
    // What this process changed and could not write yet stays in effect over what the file holds.
    for (const Change& c : unsaved_) {
        auto [it, added] = tree.keys.try_emplace(c.key);
        if (added) it->second.path = c.key;
        it->second.set(c.name, c.data);
    }
    tree_ = std::move(tree);
    report_ = report;
    loadedPath_ = path;
    loadedStamp_ = stamp;
    loaded_ = true;
    damagedOnDisk_ = report.damaged;
}

std::optional<RegData> RegistryStore::query(HKEY root, const std::string& subKey, const std::string& name) {
    if (root != HKEY_CURRENT_USER) return std::nullopt;
    const std::string path = regKeyPath(root, subKey);
    std::lock_guard<std::mutex> lock(mutex_);
    refreshLocked();
    const auto it = tree_.keys.find(path);
    if (it == tree_.keys.end()) return std::nullopt;
    const RegData* d = it->second.find(name);
    if (!d) return std::nullopt;
    return *d;
}

bool RegistryStore::keyExists(HKEY root, const std::string& subKey) {
    if (root != HKEY_CURRENT_USER) return false;
    const std::string path = regKeyPath(root, subKey);
    std::lock_guard<std::mutex> lock(mutex_);
    refreshLocked();
    // The key itself, or a key under it (its parents exist by implication); both sort from
    // `path` on, among the keys that begin with it.
    for (auto it = tree_.keys.lower_bound(path); it != tree_.keys.end(); ++it) {
        const std::string& k = it->first;
        if (k.size() < path.size() || !sameRegName(k.substr(0, path.size()), path)) break;
        if (k.size() == path.size() || k[path.size()] == '\\') return true;
    }
    return false;
}

RegLoadReport RegistryStore::lastLoad() {
    std::lock_guard<std::mutex> lock(mutex_);
    refreshLocked();
    return report_;
}

bool RegistryStore::unsaved() {
    std::lock_guard<std::mutex> lock(mutex_);
    return !unsaved_.empty();
}

int RegistryStore::lastSaveError() {
    std::lock_guard<std::mutex> lock(mutex_);
    return failedError_;
}

// Between processes: one writer at a time, each starting from what the last one wrote. Where no
// lock file can be made (a read-only folder) the write goes on without one, and fails there.
void RegistryStore::takeLockLocked() {
    if (holding_) return;
    heldPath_ = currentPathLocked();
    makeFolders(folderOf(heldPath_));
    lockFd_ = ::open((heldPath_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ >= 0)
        while (::flock(lockFd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    holding_ = true;
    writeStepDone();
    refreshLocked();
}

int32_t RegistryStore::set(HKEY root, const std::string& subKey, const std::string& name, const RegData& data) {
    if (root == HKEY_LOCAL_MACHINE) return ERROR_ACCESS_DENIED;
    if (root != HKEY_CURRENT_USER) return ERROR_INVALID_HANDLE;
    const std::string keyPath = regKeyPath(root, subKey);
    std::optional<SaveFailure> failure;
    int32_t status = ERROR_SUCCESS;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        takeLockLocked();
        auto [it, added] = tree_.keys.try_emplace(keyPath);
        if (added) it->second.path = keyPath;
        if (it->second.set(name, data)) {
            auto same = [&](const Change& c) { return c.key == keyPath && sameRegName(c.name, name); };
            unsaved_.erase(std::remove_if(unsaved_.begin(), unsaved_.end(), same), unsaved_.end());
            unsaved_.push_back(Change{keyPath, name, data});
        }
        if (batchDepth_ > 0) return ERROR_SUCCESS;
        // Also when this value was stored already: what an earlier write could not save goes now.
        if (!unsaved_.empty()) status = writeLocked(heldPath_);
        releaseLockLocked();
        failure = failureToTellLocked(status);
    }
    tell(failure);
    return status;
}

void RegistryStore::releaseLockLocked() {
    if (lockFd_ >= 0) ::close(lockFd_);  // releases the lock
    lockFd_ = -1;
    holding_ = false;
}

void RegistryStore::beginBatch() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++batchDepth_;
}

int32_t RegistryStore::endBatch() {
    std::optional<SaveFailure> failure;
    int32_t status = ERROR_SUCCESS;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (batchDepth_ == 0 || --batchDepth_ > 0) return ERROR_SUCCESS;
        if (holding_ && !unsaved_.empty()) status = writeLocked(heldPath_);
        if (holding_) releaseLockLocked();
        failure = failureToTellLocked(status);
    }
    tell(failure);
    return status;
}

int32_t RegistryStore::saveNow() {
    std::optional<SaveFailure> failure;
    int32_t status = ERROR_SUCCESS;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (unsaved_.empty() || batchDepth_ > 0) return ERROR_SUCCESS;  // a batch writes when it ends
        takeLockLocked();
        status = writeLocked(heldPath_);
        releaseLockLocked();
        failure = failureToTellLocked(status);
    }
    tell(failure);
    return status;
}

std::optional<SaveFailure> RegistryStore::failureToTellLocked(int32_t status) {
    if (status == ERROR_SUCCESS || told_) return std::nullopt;
    told_ = true;
    return SaveFailure{currentPathLocked(), failedError_};
}

RegistryStore::SaveFailureHandler RegistryStore::setSaveFailureHandler(SaveFailureHandler handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    SaveFailureHandler previous = std::move(failureHandler_);
    failureHandler_ = std::move(handler);
    return previous;
}

void RegistryStore::tell(const std::optional<SaveFailure>& failure) {
    if (!failure) return;
    SaveFailureHandler handler;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        handler = failureHandler_;
    }
    if (handler) handler(*failure);
    else MsgBox(saveFailureText(*failure), vbExclamation);
}

std::string RegistryStore::saveFailureText(const SaveFailure& failure) {
    std::string why;
    switch (failure.error) {
    case EROFS:
        why = Translate("Settings", "the disk it is on is read-only");
        break;
    case EACCES:
    case EPERM:
        why = Translate("Settings", "you may not write in its folder");
        break;
    case ENOSPC:
    case EDQUOT:
        why = Translate("Settings", "the disk is full");
        break;
    default:
        why = std::strerror(failure.error);
    }
    //: %1 the settings file, %2 why it could not be written ("the disk is full").
    return FillIn(Translate("Settings", "Your settings could not be saved in %1: %2.\n\nThe changes stay in effect "
                                        "while Noorvale runs, and are saved as soon as the file can be written."),
                  {failure.file, why});
}

int32_t RegistryStore::writeLocked(const std::string& path) {
    const int err = writeFileLocked(path);
    if (err != 0) {
        failedError_ = err;
        return statusOf(err);
    }
    unsaved_.clear();
    failedError_ = 0;
    told_ = false;
    return ERROR_SUCCESS;
}

int RegistryStore::writeFileLocked(const std::string& path) {
    // Through a symbolic link to the file it names, so that the link stays.
    const std::string target = linkTarget(path);
    const std::string folder = folderOf(target);
    const std::string base = baseName(target);
    if (!makeFolders(folder)) return errno;

    // A damaged file is set aside, once, before anything replaces it: a second name for it
    // (the store keeps its own until the new text is renamed over it, so a kill in between loses
    // nothing), or, where the file system has no second names, a rename.
    if (damagedOnDisk_ && loadedStamp_.exists) {
        struct stat current {};
        if (::stat(target.c_str(), &current) != 0) return errno;
        if (!S_ISREG(current.st_mode)) return EISDIR;  // a folder or a device is never replaced
        char stamp[32];
        const std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
        std::string aside = target + ".damaged-" + stamp;
        int err = 0;
        for (int n = 2; n < 1000; ++n) {
            err = ::link(target.c_str(), aside.c_str()) == 0 ? 0 : errno;
            if (err == EPERM || err == EXDEV || err == ENOTSUP || err == EMLINK) {
                struct stat st {};
                err = ::lstat(aside.c_str(), &st) == 0 ? EEXIST : ::rename(target.c_str(), aside.c_str()) == 0 ? 0 : errno;
            }
            if (err != EEXIST) break;
            aside = target + ".damaged-" + stamp + "-" + std::to_string(n);
        }
        if (err != 0) return err;
        //: %1 the settings file, %2 what was wrong in it ("line 12: ..."), %3 the copy of it that is kept.
        qCWarning(lcSettings).noquote()
            << QString::fromStdString(FillIn(Translate("Settings", "Noorvale: the settings file %1 was damaged (%2); "
                                                                   "what could be read is kept, and the damaged file "
                                                                   "is kept as %3"),
                                             {target, report_.firstProblem, aside}));
        damagedOnDisk_ = false;
    }

    // Temporary files left by writers that were killed before their rename.
    if (DIR* dir = ::opendir(folder.c_str())) {
        const std::string prefix = base + ".";
        while (const dirent* e = ::readdir(dir)) {
            const std::string n = e->d_name;
            if (n.size() <= prefix.size() + 4 || n.compare(0, prefix.size(), prefix) != 0 ||
                n.compare(n.size() - 4, 4, ".tmp") != 0)
                continue;
            const std::string pid = n.substr(prefix.size(), n.size() - prefix.size() - 4);
            if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9) continue;
            const pid_t p = static_cast<pid_t>(std::stol(pid));
            if (p != ::getpid() && ::kill(p, 0) != 0 && errno == ESRCH) ::unlink((folder + "/" + n).c_str());
        }
        ::closedir(dir);
    }

    // The new text reaches the disk before the rename makes it the store, so the store is
    // always a whole file: the old one or the new one. (The folder is not flushed: after a power
    // cut the rename itself may be lost, which leaves the old file; it would cost each write
    // some 8 ms more.)
    // The file keeps the permissions it was given.
    const std::string temp = target + "." + std::to_string(::getpid()) + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    writeStepDone();
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
    bool ok = writeAll(fd, regText(tree_));
    if (ok) writeStepDone();
    ok = ok && ::fsync(fd) == 0;
    int err = errno;
    if (ok) writeStepDone();
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok || ::rename(temp.c_str(), target.c_str()) != 0) {
        if (ok) err = errno;
        ::unlink(temp.c_str());
        return err != 0 ? err : EIO;
    }
    writeStepDone();
    loadedPath_ = path;
    loadedStamp_ = stampOf(path);
    report_ = RegLoadReport{true, false, 0, {}};
    return 0;
}

}  // namespace nv

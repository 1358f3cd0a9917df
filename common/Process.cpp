#include "Process.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace nv {

namespace {
int lockFd = -1;
void makeFolders(const std::string& folder) {
    const size_t slash = folder.rfind('/');
    if (slash != std::string::npos && slash > 0 && ::access(folder.substr(0, slash).c_str(), F_OK) != 0)
        makeFolders(folder.substr(0, slash));
    ::mkdir(folder.c_str(), 0700);
}

std::string& lockFolder() {
    static std::string folder;
    return folder;
}
}  // namespace

std::string ExecutableFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    const std::string path(buf, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string() : path.substr(0, slash);
}

std::string InstanceFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    std::string folder = runtime && *runtime && ::stat(runtime, &st) == 0 && S_ISDIR(st.st_mode) ? runtime : "";
    if (folder.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        folder = tmp && *tmp ? tmp : "/tmp";
    }
    return folder;
}

bool InstanceLockHeldElsewhere(const std::string& name, const std::string& fallbackFolder) {
    if (lockFd >= 0) return false;  // this process holds it
    const std::string folders[] = {InstanceFolder(), fallbackFolder};
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        if (&folder == &folders[1]) makeFolders(folder);
        const std::string file = folder + "/" + name;
        int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);  // made before the folder became read-only
        if (fd < 0) continue;
        lockFolder() = folder;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return true;
        }
        lockFd = fd;
        return false;
    }
    return false;  // no lock can be had: let this copy run
}

std::string InstanceLockFolder() { return lockFolder().empty() ? InstanceFolder() : lockFolder(); }

void ReleaseInstanceLock() {
    if (lockFd >= 0) ::close(lockFd);
    lockFd = -1;
}

KillPoint::KillPoint(const char* variable) {
    const char* v = std::getenv(variable);
    stopAfter_ = v ? std::strtol(v, nullptr, 10) : 0L;
}

void KillPoint::Passed() {
    if (stopAfter_ > 0 && ++passed_ == stopAfter_) ::raise(SIGKILL);
}

}  // namespace nv

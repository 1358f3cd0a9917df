#include "Process.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace nv {

namespace {
int lockFd = -1;
}

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

bool InstanceLockHeldElsewhere(const std::string& name) {
    if (lockFd >= 0) return false;  // this process holds it
    const std::string file = InstanceFolder() + "/" + name;
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;  // no lock can be had: let this copy run
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return true;
    }
    lockFd = fd;
    return false;
}

void ReleaseInstanceLock() {
    if (lockFd >= 0) ::close(lockFd);
    lockFd = -1;
}

}  // namespace nv

// A folder that refuses writes, as it really does for this process, until writable() or the end of
// the object: a read-only bind mount of itself where the process is root (root writes through
// permission bits), else the folder without write permission.
#pragma once

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace nv::test {

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::string& folder) : folder_(folder) {
        if (::geteuid() != 0) {
            refusing_ = ::chmod(folder.c_str(), 0555) == 0;
            return;
        }
        mounted_ = ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0;
        refusing_ = mounted_ && ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    ~ReadOnlyFolder() {
        writable();
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // False when this process cannot be refused here (no permission to mount).
    bool refusing() const { return refusing_; }
    void writable() {
        if (!refusing_) return;
        refusing_ = false;
        if (mounted_) ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_BIND, nullptr);
        else ::chmod(folder_.c_str(), 0755);
    }

private:
    std::string folder_;
    bool mounted_ = false;
    bool refusing_ = false;
};

}  // namespace nv::test

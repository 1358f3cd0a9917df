#include "modCallback.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <filesystem>

#include "cCabFile.h"

namespace nv {

namespace {
cCabFile* registered = nullptr;
}

std::string fFixPath(const std::string& path) {
    if (path.empty() || path.back() == '/') return path;
    return path + "/";
}

void fSplitFile(const std::string& fullName, std::string& folder, std::string& file) {
    const size_t at = fullName.find_last_of("/\\");
    if (at == std::string::npos) {
        folder.clear();
        file = fullName;
    } else {
        folder = fullName.substr(0, at + 1);
        file = fullName.substr(at + 1);
    }
}

std::string fSafeRelativePath(const std::string& name) {
    std::string p = name;
    for (auto& c : p)
        if (c == '\\') c = '/';
    if (p.empty() || p[0] == '/') return {};
    if (p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':') return {};
    size_t i = 0;
    std::string last;
    while (i <= p.size()) {
        size_t e = p.find('/', i);
        if (e == std::string::npos) e = p.size();
        last = p.substr(i, e - i);
        if (last == "..") return {};
        i = e + 1;
    }
    if (last.empty() || last == ".") return {};
    return p;
}

bool fMakePath(const std::string& folder) {
    if (folder.empty()) return false;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);  // errors are ignored: the result says it
    return std::filesystem::is_directory(folder, ec);
}

bool fMakePathBelow(const std::string& root, const std::string& relativeFolder, bool* throughLink) {
    if (throughLink) *throughLink = false;
    std::string path = fFixPath(root);
    size_t i = 0;
    while (i < relativeFolder.size()) {
        size_t e = relativeFolder.find('/', i);
        if (e == std::string::npos) e = relativeFolder.size();
        const std::string part = relativeFolder.substr(i, e - i);
        i = e + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") return false;
        path += part;  // without a trailing "/", which would follow a link
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) return false;
            if (::lstat(path.c_str(), &st) != 0) return false;
        }
        path += "/";
        if (S_ISLNK(st.st_mode)) {
            if (throughLink) *throughLink = true;
            return false;
        }
        if (!S_ISDIR(st.st_mode)) return false;
    }
    return true;
}

void SetCabFile(cCabFile* cabFile) { registered = cabFile; }

cCabFile* RegisteredCabFile() { return registered; }

uint32_t CabinetCallback(uint32_t context, uint32_t notification, void* param1, void* param2) {
    if (!registered) return 0;
    return registered->CabCallBack(context, notification, param1, param2);
}

}  // namespace nv

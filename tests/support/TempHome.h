// A temporary HOME and XDG_CONFIG_HOME for the lifetime of the object, so that a test reads and
// writes its own settings store (<dir>/.config/Noorvale/registry.reg) and never the user's.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "RegistryStore.h"
#include "support/TempDir.h"

namespace nv::test {

class TempHome {
public:
    TempHome() {
        dir_ = folder_.path();
        home_ = saved("HOME");
        xdg_ = saved("XDG_CONFIG_HOME");
        ::setenv("HOME", dir_.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (dir_ + "/.config").c_str(), 1);
        previousFile_ = RegistryStore::instance().setFile("");
    }
    ~TempHome() {
        RegistryStore::instance().setFile(previousFile_);
        restore("HOME", home_);
        restore("XDG_CONFIG_HOME", xdg_);
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::string& dir() const { return dir_; }
    // The store file of this home.
    std::string storeFile() const { return dir_ + "/.config/Noorvale/registry.reg"; }

private:
    static std::optional<std::string> saved(const char* name) {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    }
    static void restore(const char* name, const std::optional<std::string>& v) {
        if (v) ::setenv(name, v->c_str(), 1);
        else ::unsetenv(name);
    }
    TempDir folder_;
    std::string dir_;
    std::optional<std::string> home_, xdg_;
    std::string previousFile_;
};

}  // namespace nv::test

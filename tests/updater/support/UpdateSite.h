// An update as a maker publishes it, for the Tarvo tests: a program folder holding an older
// copy of a product, the new product files published with tools/nv-publish (real cabinets made
// by gcab), and a real HTTP server on 127.0.0.1 that serves the published folder.
#pragma once

#include <sys/stat.h>
#include <sys/time.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "updlib/support/Gcab.h"
#include "updlib/support/HttpServer.h"
#include "support/TempDir.h"
#include "UpdaterApp.h"
#include "mXOR.h"

namespace nv::test {

inline void setMode(const std::string& path, mode_t mode) { ::chmod(path.c_str(), mode); }
inline mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}
// Gives the file a last-write time far in the past, so any published copy is newer.
inline void makeOld(const std::string& path) {
    const timeval times[2] = {{946684800, 0}, {946684800, 0}};  // 1 January 2000
    ::utimes(path.c_str(), times);
}

// Waits up to `seconds` for the condition.
template <class F>
bool eventually(F&& condition, double seconds = 20) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (std::chrono::steady_clock::now() < until) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return condition();
}

// A small program that writes its first argument into `record` when it is started.
inline std::string standInProgram(const std::string& record) {
    return "#!/bin/sh\nprintf '%s' \"$1\" > '" + record + "'\n";
}

// A stand-in for a new Tarvo: records its argument, and carries Tarvo's version mark.
inline std::string standInTarvo(const std::string& record, const std::string& version) {
    return standInProgram(record) + "# NOORVALE-TARVO-VERSION=" + version + "\n";
}

class UpdateSite {
public:
    UpdateSite() {
        prog = root / "prog";
        source = root / "new";
        site = root / "site";
        tmp = root / "tmp";
        std::filesystem::create_directories(tmp);
        // The installed, older product.
        writeFile(prog + "/Noorvale", standInProgram(root / "noorvale-started"));
        setMode(prog + "/Noorvale", 0755);
        writeFile(prog + "/readme.txt", "old readme\n");
        setMode(prog + "/readme.txt", 0600);
        writeFile(prog + "/graphics/picclock.jpg", std::string(3000, 'o'));
        writeFile(prog + "/Media/Nv_001.wav", "RIFF old sound");
        for (const char* f : {"Noorvale", "readme.txt", "graphics/picclock.jpg", "Media/Nv_001.wav"}) makeOld(prog + "/" + f);
        // The new product files: three files, one in a sub-folder, so two cabinets.
        writeFile(source + "/Noorvale", standInProgram(root / "noorvale-started") + "# version 1.1\n");
        writeFile(source + "/readme.txt", "new readme, version 1.1\n" + std::string(700, 'r'));
        std::string picture(40000, '\0');
        for (size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<char>((i * 7919) % 251);
        writeFile(source + "/graphics/picclock.jpg", picture);
    }

    // Runs the publishing tool; extra arguments as given. False when it failed.
    bool publish(const std::string& extra = "--allow-future-date --date '2030-01-01 12:00:00'") {
        const std::string cmd = "python3 " + shellQuote(std::string(NOORVALE_SOURCE_DIR) + "/tools/nv-publish") + " " +
                                shellQuote(source) + " " + shellQuote(site) +
                                " --product Noorvale --version 1.1 " + extra + " >/dev/null 2>" + shellQuote(root / "publish.err");
        if (std::system(cmd.c_str()) != 0) return false;
        serve();
        return true;
    }

    // Serves every file of the published folder under /noorvale/.
    void serve() {
        for (const auto& e : std::filesystem::directory_iterator(site))
            server.setPage("/noorvale/" + e.path().filename().string(), readFile(e.path().string()));
    }

    std::string infoPath() const { return site + "/update.ini"; }
    std::string info() const { return readFile(infoPath()); }
    // Replaces text in the published update information file and serves it again.
    void editInfo(const std::string& from, const std::string& to) {
        std::string text = info();
        const size_t at = text.find(from);
        if (at == std::string::npos) throw std::runtime_error("not in update.ini: " + from);
        text.replace(at, from.size(), to);
        writeFile(infoPath(), text);
        serve();
    }
    // The value of a key in the published update information file.
    std::string value(const std::string& key) const {
        const std::string text = info();
        const size_t at = text.find("\n" + key + "=");
        if (at == std::string::npos) return {};
        const size_t start = at + key.size() + 2;
        return text.substr(start, text.find('\r', start) - start);
    }

    std::string url() const { return server.url("/noorvale/update.ini"); }
    std::string parameters(const std::string& product = "Noorvale") const {
        return Scramble(url() + "," + product + ",Noorvale,4");
    }
    // Tarvo's work folder for the installation in `prog`.
    std::string workFolder() const { return tmp + "/" + WorkFolderName(prog + "/"); }

    // Every file below `folder`, relative path → contents (while a run moves files, as seen).
    static std::map<std::string, std::string> snapshot(const std::string& folder) {
        std::map<std::string, std::string> files;
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            if (it->is_regular_file())
                files[it->path().lexically_relative(folder).string()] = readFile(it->path().string());
        return files;
    }

    // The paths whose contents differ between two snapshots, or that only one of them holds.
    static std::string differences(const std::map<std::string, std::string>& a, const std::map<std::string, std::string>& b) {
        std::string paths;
        for (const auto& [path, data] : a)
            if (!b.count(path) || b.at(path) != data) paths += path + " ";
        for (const auto& [path, data] : b)
            if (!a.count(path)) paths += path + " ";
        return paths;
    }

    TempDir root;
    std::string prog, source, site, tmp;
    HttpServer server;
};

}  // namespace nv::test

#include "InstallRun.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "Translate.h"
#include "UpdaterApp.h"
#include "VbConv.h"
#include "VbError.h"
#include "cFile.h"
#include "modCallback.h"

namespace nv {

namespace {

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::string writeCause(int err, const std::string& name) {
    if (err == ENOSPC || err == EDQUOT) return Translate("InstallRun", "There is not enough free disk space.");
    //: %1 is a file name.
    return FillIn(Translate("InstallRun", "The file %1 could not be written."), {name});
}

// Whether the two files hold the same bytes.
bool sameContents(const std::string& a, const std::string& b) {
    bool same = false;
    resumeNext([&] {
        cFile f;
        f.PathFileName(a);
        same = f.IdenticalWith(b);
    });
    return same;
}

// Removes ".name.new-XXXXXX" files that a killed run left in the folder.
void sweep(const std::string& folder, const std::string& name) {
    DIR* d = ::opendir(folder.c_str());
    if (!d) return;
    const std::string prefix = "." + name + ".new-";
    while (dirent* e = ::readdir(d)) {
        const std::string entry = e->d_name;
        if (entry.size() == prefix.size() + 6 && entry.compare(0, prefix.size(), prefix) == 0)
            ::unlink((folder + entry).c_str());
    }
    ::closedir(d);
}

}  // namespace

InstallRun::InstallRun(std::string appFolder, std::string backupFolder)
    : appFolder_(std::move(appFolder)), backupFolder_(std::move(backupFolder)) {}

InstallRun::~InstallRun() {
    if (journal_ >= 0) ::close(journal_);
}

std::string InstallRun::JournalPath(const std::string& backupFolder) { return backupFolder + "Tarvo.journal"; }

bool InstallRun::Stage(const std::string& source, const std::string& subFolder, const std::string& name,
                       std::string& cause) {
    if (!fMakePathBelow(appFolder_, subFolder)) {
        //: %1 is a folder.
        cause = FillIn(Translate("InstallRun", "The folder %1 cannot be made."), {appFolder_ + subFolder});
        return false;
    }
    const std::string folder = appFolder_ + subFolder;
    Item item;
    item.target = folder + name;
    item.backup = backupFolder_ + name;
    sweep(folder, name);
    struct stat src {}, dst {};
    if (::stat(source.c_str(), &src) != 0) {
        cause = FillIn(Translate("InstallRun", "The file %1 is missing."), {name});
        return false;
    }
    item.existed = ::lstat(item.target.c_str(), &dst) == 0;
    if (item.existed && S_ISDIR(dst.st_mode)) {
        cause = FillIn(Translate("InstallRun", "A folder stands where the file %1 goes."), {name});
        return false;
    }
    // A file that already holds the new contents stays as it is, and so does its backup.
    if (item.existed && S_ISREG(dst.st_mode) && dst.st_size == src.st_size && sameContents(source, item.target))
        return true;
    std::string staged;
    int err = StageBeside(source, item.target, staged);
    struct stat copy {};
    if (!err && (::stat(staged.c_str(), &copy) != 0 || copy.st_size != src.st_size)) {
        ::unlink(staged.c_str());
        err = EIO;
    }
    if (err) {
        cause = writeCause(err, name);
        return false;
    }
    item.staged = staged;
    items_.push_back(std::move(item));
    return true;
}

bool InstallRun::Note(const std::string& line) {
    const std::string text = line + "\n";
    return journal_ >= 0 && ::write(journal_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

bool InstallRun::Commit(std::string& cause) {
    const std::string journal = JournalPath(backupFolder_);
    journal_ = ::open(journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    bool ok = journal_ >= 0;
    for (size_t i = 0; ok && i < items_.size(); ++i)
        ok = Note("P\t" + std::string(items_[i].existed ? "1" : "0") + "\t" + items_[i].target + "\t" + items_[i].staged +
                  "\t" + items_[i].backup);
    ok = ok && ::fsync(journal_) == 0;
    if (!ok) {
        cause = writeCause(errno, "Tarvo.journal");
        Discard();
        return false;
    }
    for (size_t i = 0; i < items_.size(); ++i) {
        Item& item = items_[i];
        if (item.existed) {
            if (::rename(item.target.c_str(), item.backup.c_str()) != 0) {
                cause = FillIn(Translate("InstallRun", "The old copy of %1 could not be kept."),
                               {item.target.substr(appFolder_.size())});
                Rollback();
                return false;
            }
            item.moved = true;
            Note("M\t" + std::to_string(i));
        }
        if (::rename(item.staged.c_str(), item.target.c_str()) != 0) {
            cause = FillIn(Translate("InstallRun", "The file %1 could not be put in place."),
                           {item.target.substr(appFolder_.size())});
            Rollback();
            return false;
        }
    }
    // The update has taken effect once the journal is gone.
    ::close(journal_);
    journal_ = -1;
    ::unlink(journal.c_str());
    items_.clear();
    return true;
}

void InstallRun::Discard() {
    for (const auto& item : items_) ::unlink(item.staged.c_str());
    items_.clear();
    if (journal_ >= 0) {
        ::close(journal_);
        journal_ = -1;
        ::unlink(JournalPath(backupFolder_).c_str());
    }
}

void InstallRun::Rollback() {
    for (const auto& item : items_) {
        if (item.existed) {
            if (item.moved || !exists(item.target)) ::rename(item.backup.c_str(), item.target.c_str());
        } else {
            ::unlink(item.target.c_str());
        }
    }
    Discard();
}

void InstallRun::Recover(const std::string& appFolder, const std::string& backupFolder) {
    std::ifstream in(JournalPath(backupFolder));
    if (!in) return;
    InstallRun run(appFolder, backupFolder);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string part; std::getline(fields, part, '\t');) f.push_back(part);
        if (f.size() == 5 && f[0] == "P") {
            // Only paths inside the program folder are touched.
            bool inside = true;
            for (size_t k = 2; k < 5; ++k)
                inside = inside && f[k].compare(0, appFolder.size(), appFolder) == 0 && f[k].find("/../") == std::string::npos;
            if (!inside) continue;
            Item item;
            item.existed = f[1] == "1";
            item.target = f[2];
            item.staged = f[3];
            item.backup = f[4];
            run.items_.push_back(item);
        } else if (f.size() == 2 && f[0] == "M") {
            const size_t i = static_cast<size_t>(std::strtoul(f[1].c_str(), nullptr, 10));
            if (i < run.items_.size()) run.items_[i].moved = true;
        }
    }
    in.close();
    run.Rollback();
    ::unlink(JournalPath(backupFolder).c_str());
}

}  // namespace nv

#include "InstallRun.h"

#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

#include "Process.h"
#include "Translate.h"
#include "UpdaterApp.h"
#include "VbConv.h"
#include "VbError.h"
#include "cFile.h"
#include "modCallback.h"

namespace nv {

namespace {

constexpr char kJournalMark[] = "NVJ2\n";

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

// The test hook of the kill test: with NOORVALE_TEST_STOP_AFTER_RENAME=N in its environment,
// Tarvo ends itself with SIGKILL right after the Nth rename or journal write.
void stepDone() {
    static KillPoint point("NOORVALE_TEST_STOP_AFTER_RENAME");
    point.Passed();
}

bool renameStep(const std::string& from, const std::string& to) {
    const bool ok = ::rename(from.c_str(), to.c_str()) == 0;
    if (ok) stepDone();
    return ok;
}

// Flushes a folder's entries (the renames in it) to the disk.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::string folderOf(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

bool writeAll(int fd, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t w = ::write(fd, text.data() + done, text.size() - done);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        done += static_cast<size_t>(w);
    }
    return true;
}

// A path relative to the program folder that stays inside it.
bool staysInside(const std::string& path) {
    if (path.empty() || path[0] == '/') return false;
    for (size_t at = 0; at <= path.size();) {
        const size_t slash = std::min(path.find('/', at), path.size());
        const std::string part = path.substr(at, slash - at);
        if (part.empty() || part == "." || part == "..") return false;
        at = slash + 1;
    }
    return true;
}

// Puts back the old copies of an install whose new files are not all in (idempotent).
void undo(const std::string& appFolder, const std::vector<InstallRun::Item>& items) {
    for (const auto& item : items) {
        if (item.existed) {
            if (exists(appFolder + item.aside)) renameStep(appFolder + item.aside, appFolder + item.target);
        } else {
            ::unlink((appFolder + item.target).c_str());
        }
        ::unlink((appFolder + item.staged).c_str());
    }
}

// Moves the old copies of an install whose new files are all in to their backup names.
void finish(const std::string& appFolder, const std::vector<InstallRun::Item>& items) {
    for (const auto& item : items)
        if (item.existed && exists(appFolder + item.aside)) renameStep(appFolder + item.aside, appFolder + item.backup);
}

void syncFoldersOf(const std::string& appFolder, const std::vector<InstallRun::Item>& items) {
    std::set<std::string> folders;
    for (const auto& item : items)
        for (const std::string* p : {&item.target, &item.staged, &item.backup}) folders.insert(appFolder + folderOf(*p));
    for (const auto& folder : folders) syncFolder(folder);
}

// The journal of the earlier release: "P\t<existed>\t<target>\t<staged>\t<backup>" lines with
// absolute paths, then "M\t<index>" for every old copy moved to its backup. Puts the old program
// back.
void recoverEarlierJournal(const std::string& appFolder, const std::string& text) {
    struct Old {
        std::string target, staged, backup;
        bool existed = false, moved = false;
    };
    std::vector<Old> items;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string part; std::getline(fields, part, '\t');) f.push_back(part);
        if (f.size() == 5 && f[0] == "P") {
            // Only paths inside the program folder are touched.
            bool inside = true;
            for (size_t k = 2; k < 5; ++k)
                inside = inside && f[k].compare(0, appFolder.size(), appFolder) == 0 && staysInside(f[k].substr(appFolder.size()));
            if (inside) items.push_back({f[2], f[3], f[4], f[1] == "1", false});
        } else if (f.size() == 2 && f[0] == "M") {
            const size_t i = static_cast<size_t>(std::strtoul(f[1].c_str(), nullptr, 10));
            if (i < items.size()) items[i].moved = true;
        }
    }
    for (const auto& item : items) {
        if (item.existed) {
            if (item.moved || !exists(item.target)) renameStep(item.backup, item.target);
        } else {
            ::unlink(item.target.c_str());
        }
        ::unlink(item.staged.c_str());
    }
}

// Removes the ".name.new-XXXXXX" copies that a killed run of the earlier release left beside
// their targets, in the program folder and its sub-folders (no link is followed).
void sweepEarlierCopies(const std::string& appFolder) {
    ::nftw(appFolder.c_str(),
           [](const char* path, const struct stat* st, int kind, struct FTW* at) {
               const char* name = path + at->base;
               const size_t n = std::strlen(name);
               if (kind == FTW_F && S_ISREG(st->st_mode) && name[0] == '.' && n > 12 && std::strncmp(name + n - 11, ".new-", 5) == 0)
                   ::unlink(path);
               return 0;
           },
           16, FTW_PHYS);
}

}  // namespace

InstallRun::InstallRun(std::string appFolder, std::string backupFolder)
    : appFolder_(std::move(appFolder)), backupFolder_(std::move(backupFolder)) {}

InstallRun::~InstallRun() {
    if (journal_ >= 0) ::close(journal_);
}

std::string InstallRun::JournalPath(const std::string& backupFolder) { return backupFolder + "Tarvo.journal"; }
std::string InstallRun::StagingFolder(const std::string& backupFolder) { return backupFolder + "Tarvo.staging/"; }

std::string InstallRun::JournalText(const std::vector<Item>& items, bool committed) {
    std::string text = kJournalMark;
    for (const auto& item : items) {
        text += item.existed ? "P1" : "P0";
        for (const std::string* p : {&item.target, &item.staged, &item.aside, &item.backup})
            text += " " + std::to_string(p->size()) + ":" + *p;
        text += "\n";
    }
    if (committed) text += "C\n";
    return text;
}

bool InstallRun::ReadJournal(const std::string& text, std::vector<Item>& items, bool& committed) {
    items.clear();
    committed = false;
    if (text.compare(0, sizeof kJournalMark - 1, kJournalMark) != 0) return false;
    size_t at = sizeof kJournalMark - 1;
    // A record cut short (the power failed while it was written) ends the journal.
    auto field = [&](std::string& value) {
        if (at >= text.size() || text[at] != ' ') return false;
        size_t digitsEnd = at + 1;
        while (digitsEnd < text.size() && digitsEnd - at <= 6 && text[digitsEnd] >= '0' && text[digitsEnd] <= '9') ++digitsEnd;
        if (digitsEnd == at + 1 || digitsEnd >= text.size() || text[digitsEnd] != ':') return false;
        const size_t length = std::strtoul(text.substr(at + 1, digitsEnd - at - 1).c_str(), nullptr, 10);
        if (length > text.size() - digitsEnd - 1) return false;
        value = text.substr(digitsEnd + 1, length);
        at = digitsEnd + 1 + length;
        return true;
    };
    while (at + 1 < text.size()) {
        if (text.compare(at, 2, "C\n") == 0) {
            committed = true;
            break;
        }
        Item item;
        if (text[at] != 'P' || (text[at + 1] != '0' && text[at + 1] != '1')) break;
        item.existed = text[at + 1] == '1';
        at += 2;
        if (!field(item.target) || !field(item.staged) || !field(item.aside) || !field(item.backup)) break;
        if (at >= text.size() || text[at] != '\n') break;
        ++at;
        items.push_back(std::move(item));
    }
    return true;
}

bool InstallRun::Stage(const std::string& source, const std::string& subFolder, const std::string& name,
                       std::string& cause) {
    const std::string staging = StagingFolder(backupFolder_);
    if (!fMakePathBelow(appFolder_, subFolder) || !fMakePathBelow(appFolder_, staging.substr(appFolder_.size()))) {
        //: %1 is a folder.
        cause = FillIn(Translate("InstallRun", "The folder %1 cannot be made."), {appFolder_ + subFolder});
        return false;
    }
    Item item;
    item.target = subFolder + name;
    item.backup = backupFolder_.substr(appFolder_.size()) + name;
    const std::string stagingRel = staging.substr(appFolder_.size()) + std::to_string(items_.size());
    item.staged = stagingRel + ".new";
    item.aside = stagingRel + ".old";
    const std::string target = appFolder_ + item.target;
    struct stat src {}, dst {};
    if (::stat(source.c_str(), &src) != 0) {
        cause = FillIn(Translate("InstallRun", "The file %1 is missing."), {name});
        return false;
    }
    item.existed = ::lstat(target.c_str(), &dst) == 0;
    if (item.existed && S_ISDIR(dst.st_mode)) {
        cause = FillIn(Translate("InstallRun", "A folder stands where the file %1 goes."), {name});
        return false;
    }
    // A file that already holds the new contents stays as it is, and so does its backup.
    if (item.existed && S_ISREG(dst.st_mode) && dst.st_size == src.st_size && sameContents(source, target)) return true;
    const std::string staged = appFolder_ + item.staged;
    int err = StageAt(source, target, staged);
    struct stat copy {};
    if (!err && (::stat(staged.c_str(), &copy) != 0 || copy.st_size != src.st_size)) {
        ::unlink(staged.c_str());
        err = EIO;
    }
    if (err) {
        cause = writeCause(err, name);
        return false;
    }
    items_.push_back(std::move(item));
    return true;
}

bool InstallRun::Note(const std::string& text) {
    const bool ok = journal_ >= 0 && writeAll(journal_, text) && ::fsync(journal_) == 0;
    if (ok) stepDone();
    return ok;
}

bool InstallRun::Commit(std::string& cause) {
    // Every old copy must be able to take its backup name once the new files are in.
    for (const auto& item : items_) {
        struct stat st {};
        if (item.existed && ::lstat((appFolder_ + item.backup).c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
            cause = FillIn(Translate("InstallRun", "The old copy of %1 could not be kept."), {item.target});
            Discard();
            return false;
        }
    }
    const std::string journal = JournalPath(backupFolder_);
    journal_ = ::open(journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (!Note(JournalText(items_, false))) {
        cause = writeCause(errno, "Tarvo.journal");
        Discard();
        return false;
    }
    syncFolder(backupFolder_);
    // The old copies go aside, then the new ones take their places: each batch reaches the disk
    // before the next begins.
    for (const auto& item : items_) {
        if (item.existed && !renameStep(appFolder_ + item.target, appFolder_ + item.aside)) {
            cause = FillIn(Translate("InstallRun", "The old copy of %1 could not be kept."), {item.target});
            Rollback();
            return false;
        }
    }
    syncFoldersOf(appFolder_, items_);
    for (const auto& item : items_) {
        if (!renameStep(appFolder_ + item.staged, appFolder_ + item.target)) {
            cause = FillIn(Translate("InstallRun", "The file %1 could not be put in place."), {item.target});
            Rollback();
            return false;
        }
    }
    syncFoldersOf(appFolder_, items_);
    // The update has taken effect once the journal says all new files are in.
    if (!Note("C\n")) {
        cause = writeCause(errno, "Tarvo.journal");
        Rollback();
        return false;
    }
    finish(appFolder_, items_);
    syncFoldersOf(appFolder_, items_);
    ::close(journal_);
    journal_ = -1;
    if (::unlink(journal.c_str()) == 0) stepDone();
    syncFolder(backupFolder_);
    ::rmdir(StagingFolder(backupFolder_).c_str());
    items_.clear();
    return true;
}

void InstallRun::Discard() {
    for (const auto& item : items_) ::unlink((appFolder_ + item.staged).c_str());
    items_.clear();
    if (journal_ >= 0) {
        ::close(journal_);
        journal_ = -1;
        ::unlink(JournalPath(backupFolder_).c_str());
    }
    ::rmdir(StagingFolder(backupFolder_).c_str());
}

void InstallRun::Rollback() {
    undo(appFolder_, items_);
    syncFoldersOf(appFolder_, items_);
    Discard();
}

void InstallRun::Recover(const std::string& appFolder, const std::string& backupFolder) {
    const std::string journal = JournalPath(backupFolder);
    std::string text;
    {
        std::ifstream in(journal, std::ios::binary);
        if (in) text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (exists(journal)) {
        std::vector<Item> items;
        bool committed = false;
        if (ReadJournal(text, items, committed)) {
            std::vector<Item> inside;
            for (auto& item : items)
                if (staysInside(item.target) && staysInside(item.staged) && staysInside(item.aside) && staysInside(item.backup))
                    inside.push_back(std::move(item));
            if (committed) finish(appFolder, inside);
            else undo(appFolder, inside);
            syncFoldersOf(appFolder, inside);
        } else {
            recoverEarlierJournal(appFolder, text);
        }
        if (::unlink(journal.c_str()) == 0) stepDone();
        syncFolder(backupFolder);
    }
    // What a killed run left in the staging folder.
    const std::string staging = StagingFolder(backupFolder);
    if (DIR* d = ::opendir(staging.c_str())) {
        while (dirent* e = ::readdir(d))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) ::unlink((staging + e->d_name).c_str());
        ::closedir(d);
        ::rmdir(staging.c_str());
    }
    sweepEarlierCopies(appFolder);
}

}  // namespace nv

// One installation of new files into the program folder, all or nothing.
//
// Stage copies each new file beside its target under a temporary name (".name.new-XXXXXX") and
// checks it there; nothing of the program changes. Commit then writes a journal into the backup
// folder, moves each old copy into the backup folder and renames the new one into its place,
// noting every move in the journal; when all are in place the journal is removed, and that is the
// moment the update takes effect. Should a step fail, every file already replaced is moved back.
// Should the run be killed, Recover (called before the next run chooses its files) reads the
// journal and puts the old program back, so the program folder always holds the old program or
// the new one whole, and a backup only ever receives a copy that was there before the run.
#pragma once

#include <string>
#include <vector>

namespace nv {

class InstallRun {
public:
    // `appFolder` and `backupFolder` end in "/"; the backup folder must exist.
    InstallRun(std::string appFolder, std::string backupFolder);
    ~InstallRun();
    InstallRun(const InstallRun&) = delete;
    InstallRun& operator=(const InstallRun&) = delete;

    // Stages `source` as appFolder + subFolder + name: the sub-folder is made below the program
    // folder without passing through a link, left-overs of an earlier run beside the target are
    // removed, the copy keeps the target's permission bits (a new file the source's). False with
    // the cause when it cannot.
    bool Stage(const std::string& source, const std::string& subFolder, const std::string& name, std::string& cause);
    // Swaps every staged file in; false with the cause (and the old files back) when it cannot.
    bool Commit(std::string& cause);
    // Removes the staged files; the program is unchanged.
    void Discard();

    // Puts back the program of a run that ended before its Commit was done.
    static void Recover(const std::string& appFolder, const std::string& backupFolder);
    // The journal's path in the backup folder.
    static std::string JournalPath(const std::string& backupFolder);

private:
    struct Item {
        std::string target, staged, backup;
        bool existed = false;
        bool moved = false;
    };
    void Rollback();
    bool Note(const std::string& line);

    std::string appFolder_, backupFolder_;
    std::vector<Item> items_;
    int journal_ = -1;
};

}  // namespace nv

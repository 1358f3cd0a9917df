// One installation of new files into the program folder, all or nothing.
//
// Stage copies each new file into the staging folder inside the backup folder and checks it
// there; nothing of the program changes, and nothing a killed run leaves there counts as part of
// the program. Commit writes the journal (the plan of every move) into the backup folder and
// flushes it, moves every old copy aside into the staging folder, renames every new copy into its
// place, notes in the journal that all are in, and only then moves the old copies to their
// backup names and removes the journal. Each batch of renames is flushed to the disk with its
// folders. Should a step fail, the old copies are put back.
//
// Should the run be killed (or the power fail), Recover, called first thing at every start,
// reads the journal: before the note that all new files are in, it puts every old copy back;
// after it, it finishes the move to the backup names. So the program folder always holds the
// old program or the new one whole, and a backup only ever receives a copy that was there
// before the run. Recover also reads the journal of the earlier release (tab-separated lines).
//
// The journal names every path relative to the program folder, each field with its length
// before it, so a name may hold any byte (a newline, a tab, 0xFF).
#pragma once

#include <string>
#include <vector>

namespace nv {

class InstallRun {
public:
    // `appFolder` and `backupFolder` end in "/"; the backup folder lies inside the program
    // folder and must exist.
    InstallRun(std::string appFolder, std::string backupFolder);
    ~InstallRun();
    InstallRun(const InstallRun&) = delete;
    InstallRun& operator=(const InstallRun&) = delete;

    // Stages `source` for appFolder + subFolder + name: the sub-folder is made below the program
    // folder without passing through a link; the copy keeps the target's permission bits (a new
    // file the source's). False with the cause when it cannot.
    bool Stage(const std::string& source, const std::string& subFolder, const std::string& name, std::string& cause);
    // Swaps every staged file in; false with the cause (and the old files back) when it cannot.
    bool Commit(std::string& cause);
    // Removes the staged files; the program is unchanged.
    void Discard();

    // Finishes or undoes the install of a run that ended before its Commit was done, and removes
    // what such a run left: staged copies in the staging folder and (from the earlier release)
    // ".name.new-XXXXXX" copies in the program folder.
    static void Recover(const std::string& appFolder, const std::string& backupFolder);
    // The journal's path in the backup folder, and the staging folder's.
    static std::string JournalPath(const std::string& backupFolder);
    static std::string StagingFolder(const std::string& backupFolder);

    // One entry of the journal: the paths relative to the program folder.
    struct Item {
        std::string target, staged, aside, backup;
        bool existed = false;
    };
    // The journal's text for the plan (with `committed`, also the note that all new files are
    // in), and the reading of it; false for a text that is not a journal of this form.
    static std::string JournalText(const std::vector<Item>& items, bool committed);
    static bool ReadJournal(const std::string& text, std::vector<Item>& items, bool& committed);

private:
    void Rollback();
    bool Note(const std::string& text);

    std::string appFolder_, backupFolder_;
    std::vector<Item> items_;
    int journal_ = -1;
};

}  // namespace nv

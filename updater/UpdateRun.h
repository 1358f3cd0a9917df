// Tarvo's update run: connect, look for updates (and for a newer Tarvo), download and check the
// cabinets, extract and check the files, install them with a backup, remove the work files; or
// hand over to Quenlo to replace Tarvo itself. What it does it shows through an UpdateDisplay
// (the window frmTarvo): each step's state beside its name, the progress bar, a message.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

#include "cCabFile.h"
#include "cIniFile.h"
#include "cNetGet.h"

namespace nv {

// What the update run shows, and where.
class UpdateDisplay {
public:
    enum class StepState { None, Working, OK, Error };

    virtual void SetMessage(const std::string& text) = 0;
    virtual void SetStep(int i, StepState state) = 0;
    // The name of step i ("Retrieving updates").
    virtual QString StepName(int i) const = 0;
    virtual int progressWidth() const = 0;
    virtual int progressFullWidth() const = 0;
    virtual void SetProgress(int width) = 0;
    // Says that the update read carries no signature.
    virtual void ShowUnsigned() = 0;
    // The new Tarvo is ready and Quenlo is about to take over: nothing is left to cancel.
    virtual void HandOverStarts() = 0;
    // Quenlo has been started (or failed to start, with its message): the window goes.
    virtual void HandOverEnds() = 0;
    // The window has been closed (and the run has nothing more to show).
    virtual bool Closed() const = 0;

protected:
    ~UpdateDisplay() = default;
};

class UpdateRun {
    // The texts keep the window's context in the catalogues.
    Q_DECLARE_TR_FUNCTIONS(nv::frmTarvo)

public:
    using StepState = UpdateDisplay::StepState;

    // Prepares the Internet session for the run's update address; messages go to `display`.
    explicit UpdateRun(UpdateDisplay& display);

    // The whole run, up to its last step; `last` is the step it ended in. True when the update is
    // installed (or Quenlo took over).
    bool Run(int& last);
    // Fetches the new Tarvo and hands over to Quenlo; true when the hand-over started.
    bool UpdateSelf();

    bool ConnectToNet(int i, int p);
    bool AnyUpdates(int i, int p);
    bool FilesToUpdate();
    bool DownloadUpdates(int i, int p);
    bool ExtractCab(int i, int p);
    bool InstallUpdates(int i, int p);
    bool VerifyCRC(const std::string& fileName, const std::string& crcText);
    void DeleteWorkFiles();

    const std::vector<std::string>& fileList() const { return FileList; }
    void ClearFileList() { FileList.clear(); }
    bool selfUpdatePending() const { return SelfUpdatePending; }
    cNetGet& netGet() { return NetGet; }

private:
    // The progress a step moves the bar through.
    struct Bar {
        int w0 = 0;
        int d = 0;
    };
    Bar StepEnter(int i, int p);
    void StepItem(const Bar& bar, int k, int n);
    void StepLeave(int i, const Bar& bar, bool ok);

    // Refuses an update file whose names would write outside the program or work folder, name
    // a work file (the update information file, a cabinet, Tarvo) or one backup name twice.
    bool PackageNamesAreSafe();
    // Downloads the URL into `local`, at most `limit` bytes (with `sizeStated`, the free space is
    // checked for that size first). On any failure the partial file is removed and `cause` says why.
    bool Fetch(const std::string& url, const std::string& local, uint64_t limit, bool sizeStated, std::string& cause);
    // When value[field] holds a SHA-256 (the extra field the publisher writes), the file must match
    // it; with the maker's key built in, the field must be there.
    bool VerifySHA256(const std::string& fileName, const std::vector<std::string>& value, size_t field);
    // Why the file fails its CRC text or its SHA-256 (value[field]; one that a signed update lacks
    // is named as missing), or empty when it passes both.
    std::string CheckFile(const std::string& fileName, const std::string& crcText, const std::vector<std::string>& value,
                          size_t field);

    // No going back: why the update read must not be installed over the installed version (older,
    // or the same version with the same files), or empty when it may.
    std::string RollbackRefusal();
    // Notes the version just installed, and its files, in InstalledRecord().
    void NoteInstalled();
    // The record of the installed version beside the program, and the fingerprint of the update's
    // files (names, folders and checksums) that it keeps.
    std::string InstalledRecord() const;
    std::string FilesFingerprint();

    // The work file that notes a self-update handed over (version number and day), and whether it
    // names this published version and today.
    std::string SelfUpdateRecord() const;
    bool SelfUpdateDoneToday(int32_t published) const;

    UpdateDisplay& display_;
    cIniFile IniFile;
    std::vector<std::string> FileList;
    cCabFile CabFile;
    cNetGet NetGet;
    bool SelfUpdatePending = false;
    bool extractFailed_ = false;  // the extraction has shown its own failure
};

}  // namespace nv

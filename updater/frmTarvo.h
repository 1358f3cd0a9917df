// The window of the update utility Tarvo and the update run it drives: connect, look for
// updates (and for a newer Tarvo), download and check the cabinets, extract and check the
// files, install them with a backup, remove the work files; or hand over to Quenlo to replace
// Tarvo itself. Every step shows its state beside its name and moves the progress bar.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cCabFile.h"
#include "cIniFile.h"
#include "cNetGet.h"

class QLabel;
class QPushButton;
class QCloseEvent;

namespace nv {

class frmTarvo : public QWidget {
    Q_OBJECT
public:
    explicit frmTarvo(QWidget* parent = nullptr);
    ~frmTarvo() override;

    // The whole update run.
    void TarvoUpdate();
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

    // What the program does when the window has been unloaded: end at once. Tests replace it.
    static void setProgramEnd(std::function<void()> end);

    // Read by the tests and by the screenshots.
    enum class StepState { None, Working, OK, Error };
    StepState stepState(int i) const { return stepState_.at(static_cast<size_t>(i)); }
    QString message() const;
    QString actionCaption() const;
    int progressWidth() const;
    int progressFullWidth() const;
    const std::vector<std::string>& fileList() const { return FileList; }
    bool selfUpdatePending() const { return SelfUpdatePending; }
    cNetGet& netGet() { return NetGet; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    bool Form_QueryUnload();
    void Form_Unload();
    void cmdAction_Click();

    // The status display of a step.
    struct Bar {
        int w0 = 0;
        int d = 0;
    };
    Bar StepEnter(int i, int p);
    void StepItem(const Bar& bar, int k, int n);
    void StepLeave(int i, const Bar& bar, bool ok);
    void SetStep(int i, StepState state);
    // Puts a child at its place as laid out left to right; mirrored in a right-to-left window.
    void Place(QWidget* child, int x, int y, int width, int height);
    void SetProgress(int width);
    void SetMessage(const std::string& text);
    // Says in the window and on the error output that the update read carries no signature.
    void ShowUnsigned();

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

    cIniFile IniFile;
    std::vector<std::string> FileList;
    cCabFile CabFile;
    cNetGet NetGet;
    bool SelfUpdatePending = false;
    bool unloaded_ = false;
    bool canCancel_ = true;      // the button still cancels the run (and asks first)
    bool extractFailed_ = false;  // the extraction has shown its own failure

    QLabel* lblTitle;
    QLabel* lblTitle2;
    std::array<QLabel*, 4> lblMsg;
    std::array<QLabel*, 4> imgMsg;
    std::array<StepState, 4> stepState_{};
    QLabel* lblMessage;
    QLabel* lblProgBar;
    QLabel* lblProgress;
    QLabel* lblUnsigned;
    QPushButton* cmdAction;
};

}  // namespace nv

// The window of the update utility Tarvo: the four steps of the update run (UpdateRun) with
// each one's state beside its name, the progress bar, the message and the button that cancels
// the run or, once it is over, closes the window. Closing it starts the updated program again,
// unless Quenlo has taken over.
#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "UpdateRun.h"

class QLabel;
class QPushButton;
class QCloseEvent;

namespace nv {

class frmTarvo : public QWidget, private UpdateDisplay {
    Q_OBJECT
public:
    using StepState = UpdateDisplay::StepState;

    explicit frmTarvo(QWidget* parent = nullptr);
    ~frmTarvo() override;

    // The whole update run, and then its outcome on show.
    void TarvoUpdate();

    // The steps of the run, one by one (tests).
    bool ConnectToNet(int i, int p) { return run_->ConnectToNet(i, p); }
    bool AnyUpdates(int i, int p) { return run_->AnyUpdates(i, p); }
    bool DownloadUpdates(int i, int p) { return run_->DownloadUpdates(i, p); }
    bool VerifyCRC(const std::string& fileName, const std::string& crcText) { return run_->VerifyCRC(fileName, crcText); }

    // What the program does when the window has been unloaded: end at once. Tests replace it.
    static void setProgramEnd(std::function<void()> end);

    // Read by the tests and by the screenshots.
    StepState stepState(int i) const { return stepState_.at(static_cast<size_t>(i)); }
    QString message() const;
    QString actionCaption() const;
    int progressWidth() const override;
    int progressFullWidth() const override;
    const std::vector<std::string>& fileList() const { return run_->fileList(); }
    bool selfUpdatePending() const { return run_->selfUpdatePending(); }
    cNetGet& netGet() { return run_->netGet(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    bool Form_QueryUnload();
    void Form_Unload();
    void cmdAction_Click();

    // What the run shows.
    void SetMessage(const std::string& text) override;
    void SetStep(int i, StepState state) override;
    QString StepName(int i) const override;
    void SetProgress(int width) override;
    // Says in the window and on the error output that the update read carries no signature.
    void ShowUnsigned() override;
    void HandOverStarts() override;
    void HandOverEnds() override;
    bool Closed() const override { return unloaded_; }

    // Puts a child at its place as laid out left to right; mirrored in a right-to-left window.
    void Place(QWidget* child, int x, int y, int width, int height);

    std::unique_ptr<UpdateRun> run_;
    bool unloaded_ = false;
    bool canCancel_ = true;  // the button still cancels the run (and asks first)

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

// The main window and the desktop around it: whether the desktop has a tray (without one a
// closed window is minimised, never hidden, so the program stays reachable), and the desktop
// notice and the urgency hint at a prayer.
#include <QApplication>
#include <QLabel>

#include "Bidi.h"
#include "DaySchedule.h"
#include "DesktopNotice.h"
#include "FormatDate.h"
#include "NoorvaleMain.h"
#include "TrayWatch.h"
#include "VbError.h"
#include "clsMMedia.h"
#include "frmCompact.h"
#include "frmMain.h"
#include "frmSysTray.h"
#include "modNoorvale.h"

namespace nv {

void frmMain::CreateDesktopHelpers() {
    trayWatch_ = new TrayWatch(this);
    connect(trayWatch_, &TrayWatch::changed, this, [this] { resumeNext([&] { KeepReachable(); }); });
    notice_ = new DesktopNotice(this);
    connect(notice_, &DesktopNotice::stopRequested, this, [this] { resumeNext([&] { StopPlayback(); }); });
}

bool frmMain::TrayAvailable() const { return trayWatch_ && trayWatch_->Available(); }

void frmMain::KeepReachable() {
    if (ViewMode == 2 && !TrayAvailable()) mnuViewCompact_Click();
}

void frmMain::CloseNormalView() {
    if (TrayAvailable()) SelNormalView(false);
    else showMinimized();
}

void frmMain::CloseCompactView() {
    if (TrayAvailable()) SelCompactView(false);
    else if (compact_) compact_->showMinimized();
}

void frmMain::NotifyPrayer(int16_t k) {
    resumeNext([&] { QApplication::alert(this); });
    resumeNext([&] {
        if (compact_ && compact_->isVisible()) QApplication::alert(compact_);
    });
    if (!notice_ || !LoadDesktopNotice()) return;
    const bool playing = QString::fromStdString(player()->Status()).toUpper() == "PLAYING";
    const QString summary = "It is time for " + Isolate(PrayerName(k)) + " prayer.";
    const QString body = QString::fromStdString(FormatDate(DaySchedule[k - 1].Time, "Medium Time")) + " in " +
                         Isolate(QString::fromStdString(PrayTime().LocationName()));
    notice_->Show(summary, body, playing, m_frmSysTray ? m_frmSysTray->icon() : nullptr);
}

}  // namespace nv

// The main window and the desktop around it: whether the desktop has a tray (without one a
// closed window is minimised, never hidden, so the program stays reachable), and the desktop
// notice and the urgency hint at a prayer.
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeWidget>

#include "AlertEngine.h"
#include "Bidi.h"
#include "DaySchedule.h"
#include "DesktopNotice.h"
#include "FormatDate.h"
#include "NoorvaleMain.h"
#include "Clock.h"
#include "TrayWatch.h"
#include "VbError.h"
#include "clsMMedia.h"
#include "frmCompact.h"
#include "frmMain.h"
#include "frmSysTray.h"
#include "modNoorvale.h"

namespace nv {

void frmMain::CreateDesktopHelpers() {
    AddShortcuts();
    NameControls();
    trayWatch_ = new TrayWatch(this);
    connect(trayWatch_, &TrayWatch::changed, this, [this] { resumeNext([&] { KeepReachable(); }); });
    if (m_frmSysTray) m_frmSysTray->Attach(trayWatch_);  // its icon is made once the tray is known
    notice_ = new DesktopNotice(this);
    connect(notice_, &DesktopNotice::stopRequested, this, [this] { resumeNext([&] { alerts_->StopPlayback(); }); });
}

bool frmMain::TrayAvailable() const { return trayWatch_ && trayWatch_->Available(); }

// Decided once the desktop has answered whether it has a tray (the watch's first answer calls
// here again).
void frmMain::KeepReachable() {
    if (ViewMode == 2 && trayWatch_ && trayWatch_->Settled() && !TrayAvailable()) mnuViewCompact_Click();
}

void frmMain::BringForward(const QByteArray& activationToken) {
    // A Wayland compositor gives back nothing its client minimised: the window is mapped anew.
    if (isMinimized() && QGuiApplication::platformName().startsWith("wayland")) hide();
    if (compact_) compact_->setWindowState(compact_->windowState() & ~Qt::WindowMinimized);
    // The toolkit's Wayland windows take the token from the environment as they ask for the
    // focus, and only a request with one gets it there; programs started later must not inherit it.
    if (!activationToken.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    mnuViewNormal_Click();
    qunsetenv("XDG_ACTIVATION_TOKEN");
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
    const bool playing = alerts_->SoundMode() == "PLAYING";
    const QString summary = PrayerSentence(k, AlertForm::Long);
    const QString time = SlotTime(alerts_->AlertMinute());  // the prayer's minute: it is now
    //: A desktop notice at a prayer: %1 is its time, %2 the place's name.
    const QString body = tr("%1 in %2").arg(time, Isolate(QString::fromStdString(PrayTime().LocationName())));
    notice_->Show(summary, body, playing, m_frmSysTray);
}

// The usual keys, the same on every desktop: Ctrl+P print, F1 help, F5 refresh, Ctrl+Q quit (with
// its question), Ctrl+1..4 the four views, Ctrl+D the other date style.
void frmMain::AddShortcuts() {
    action("mnuFilePrint")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    action("mnuHelpContents")->setShortcut(QKeySequence(Qt::Key_F1));
    action("mnuViewRefresh")->setShortcut(QKeySequence(Qt::Key_F5));
    const char* views[] = {"mnuViewToday", "mnuViewWeek", "mnuViewMonth", "mnuViewYear"};
    for (int i = 0; i < 4; ++i) action(views[i])->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + i)));
    auto windowKey = [this](const QKeySequence& keys, std::function<void()> run) {
        auto* a = new QAction(this);
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, [run] { resumeNext(run); });
        addAction(a);
    };
    windowKey(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { Exit(); });
    windowKey(QKeySequence(Qt::CTRL | Qt::Key_D), [this] { tlbMain_ButtonClick("Date"); });
}

// Names for screen readers: the toolkit's picture buttons (the toolbar's own are named as they
// are made) and the clocks; the clocks' descriptions follow the time and the next prayer
// (DescribeClocks).
void frmMain::NameControls() {
    // The toolkit's own "more" buttons, shown when the window is too narrow for the bar.
    if (auto* more = tlbMain->findChild<QWidget*>("qt_toolbar_ext_button")) more->setAccessibleName(tr("More tools"));
    if (auto* more = menuBar()->findChild<QWidget*>("qt_menubar_ext_button")) more->setAccessibleName(tr("More menus"));
    picClock->setAccessibleName(tr("Current Time Clock"));
}

void frmMain::DescribeClocks() {
    const DateValue minute = TruncToMinute(now());
    const QString& message = compactMessage_;
    if (minute == describedMinute_ && message == describedMessage_) return;  // once a minute, or as the message changes
    describedMinute_ = minute;
    describedMessage_ = message;
    const QString time = KeepOwnOrder(QString::fromStdString(FormatDate(now(), "Medium Time")));
    //: What a screen reader says of the clocks: %1 is the time, %2 the next prayer ("Asr at 03:43 PM").
    const QString text = tr("The time is %1. %2").arg(time, message);
    if (picClock->accessibleDescription() != text) picClock->setAccessibleDescription(text);
    if (compact_ && compact_->picSmClock->accessibleDescription() != text)
        compact_->picSmClock->setAccessibleDescription(text);
}

void frmMain::ShowPictures() {
    for (QAction* a : tlbMain->actions())
        if (!a->data().toString().isEmpty()) a->setIcon(picture(a->data().toString()));
    for (int r = 0; r < tvwAlertMngr->topLevelItemCount(); ++r) {
        QTreeWidgetItem* root = tvwAlertMngr->topLevelItem(r);
        root->setIcon(0, picture("BELL"));
        for (int c = 0; c < root->childCount(); ++c) root->child(c)->setIcon(0, picture("SPEAKER"));
    }
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        resumeNext([&] { ShowPictures(); });
}

}  // namespace nv

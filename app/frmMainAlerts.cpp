// What the main window shows of the alert engine: which prayer comes next, and at a prayer's
// minute the caption, the tray icon and the compact window's message blinking for the minute.
// Also the tray icon's menu and the Alert Manager tree.
#include <QApplication>
#include <QLabel>
#include <QTreeWidget>

#include "AlertEngine.h"
#include "AlertTexts.h"
#include "App.h"
#include "Bidi.h"
#include "DaySchedule.h"
#include "FormatDate.h"
#include "Language.h"
#include "NoorvaleMain.h"
#include "QtMsgBox.h"
#include "VbError.h"
#include "frmCompact.h"
#include "frmMain.h"
#include "frmSysTray.h"
#include "modNoorvale.h"

namespace nv {

namespace {
constexpr int kStopItem = 3;
}  // namespace

QString frmMain::SlotTime(DateValue t) {
    return KeepOwnOrder(QString::fromStdString(FormatDate(TimeOfDay(t), "Medium Time")));
}

QString frmMain::PrayerName(int16_t k) const {
    const int16_t period = AlertToPeriod(k);
    return period >= 1 && period <= 6 ? Isolate(QString::fromStdString(PeriodNames[period - 1])) : QString();
}

QString frmMain::PrayerSentence(int16_t k, AlertForm form) const {
    return QString::fromStdString(AlertText(AlertToPeriod(k), form, PrayerName(k).toStdString()));
}

// The engine's decisions, shown in the main window, the compact window and the tray.
void frmMain::ObserveAlerts() {
    connect(alerts_, &AlertEngine::nextPrayer, this,
            [this](int16_t k, DateValue t) { resumeNext([&] { ShowNextPrayer(k, t); }); });
    connect(alerts_, &AlertEngine::alertStarted, this, [this](int16_t k) { resumeNext([&] { NotifyPrayer(k); }); });
    connect(alerts_, &AlertEngine::blink, this,
            [this](int16_t k, bool shown) { resumeNext([&] { BlinkAlert(k, shown); }); });
    connect(alerts_, &AlertEngine::soundChanged, this, [this](bool playing) {
        if (m_frmSysTray) m_frmSysTray->EnableMenuItem(kStopItem, playing);
    });
    connect(alerts_, &AlertEngine::dayChanged, this, [this] {
        resumeNext([&] { RedisplayCalendar(); });
        resumeNext([&] { BuildAlertManager(); });
    });
    connect(alerts_, &AlertEngine::ticked, this, [this] {
        resumeNext([&] { UpdateStatusClock(); });
        resumeNext([&] { DescribeClocks(); });
    });
}

void frmMain::ShowNextPrayer(int16_t k, DateValue t) {
    //: The next prayer, in the compact window and after "Next Prayer:": %1 is its name, %2 its time.
    const QString text = tr("%1 at %2").arg(PrayerName(k), SlotTime(t));
    //: The main window's caption: %1 is the program's name, %2 the next prayer ("Asr at 03:43 PM").
    resumeNext([&] { setWindowTitle(tr("%1 - Next Prayer: %2").arg(App::Title(), text)); });
    resumeNext([&] {
        if (m_frmSysTray) {
            m_frmSysTray->ToolTip(tr("Next Prayer: %1").arg(text));
            m_frmSysTray->IconHandle(mainOn_);
        }
    });
    resumeNext([&] { CompactMessage(text); });
    resumeNext([&] {
        const QString place = Isolate(QString::fromStdString(PrayTime().LocationName()));
        panel("Location")->setText(tr("Current Location: %1").arg(place));
    });
}

void frmMain::BlinkAlert(int16_t k, bool shown) {
    const QString longText = UpperCase(PrayerSentence(k, AlertForm::Long));
    const QString shortText = UpperCase(PrayerSentence(k, AlertForm::Short));
    if (shown) {
        resumeNext([&] { setWindowTitle(isMinimized() ? shortText : longText); });
        resumeNext([&] {
            if (m_frmSysTray) {
                m_frmSysTray->ToolTip(longText);
                m_frmSysTray->IconHandle(mainOn_);
            }
        });
        resumeNext([&] { CompactMessage(shortText); });
    } else {
        // A blank, not an empty title: the desktop shows the program's name for an empty one.
        resumeNext([&] { setWindowTitle(QStringLiteral(" ")); });
        resumeNext([&] {
            if (m_frmSysTray) m_frmSysTray->IconHandle(mainOff_);
        });
        resumeNext([&] { CompactMessage(QString()); });
    }
}

void frmMain::BuildAlertManager() {
    tvwAlertMngr->clear();
    auto* root = new QTreeWidgetItem(tvwAlertMngr, QStringList{tr("Alert Manager")});
    root->setIcon(0, picture("BELL"));
    root->setExpanded(true);
    auto* kind = new QTreeWidgetItem(root, QStringList{QString::fromStdString(AlertKinds[0].name)});
    kind->setIcon(0, picture(QString::fromStdString(AlertKinds[0].imageKey)));
    for (int16_t k = 1; k <= 5; ++k) {
        const PrayerSlot& slot = alerts_->Schedule()[k - 1];
        auto* node = new QTreeWidgetItem(kind, QStringList{AlertNodeText(k, true)});
        node->setToolTip(0, node->text(0));
        node->setIcon(0, picture(slot.SoundAlert ? "GREEN" : "RED"));
        node->setData(0, Qt::UserRole, k);
    }
    root->child(0)->setExpanded(true);
}

// An Alert Manager entry: the prayer and its time, or the prayer marked off for today.
QString frmMain::AlertNodeText(int16_t k, bool soundOn) const {
    //: An Alert Manager entry: %1 is the prayer's name, %2 its time.
    if (soundOn) return tr("%1 (%2)").arg(PrayerName(k), SlotTime(alerts_->Schedule()[k - 1].Time));
    //: An Alert Manager entry whose sound is off for today; %1 is the prayer's name.
    return tr("%1 - OFF").arg(PrayerName(k));
}

void frmMain::ToggleAlertNode() {
    QTreeWidgetItem* node = tvwAlertMngr->currentItem();
    if (!node) return;
    const int k = node->data(0, Qt::UserRole).toInt();
    if (k < 1 || k > 5 || !node->parent()) return;
    if (node->parent()->text(0) != QString::fromStdString(AlertKinds[0].name)) return;
    const bool on = alerts_->ToggleSound(static_cast<int16_t>(k));
    node->setIcon(0, picture(on ? "GREEN" : "RED"));
    node->setText(0, AlertNodeText(static_cast<int16_t>(k), on));
    tvwAlertMngr->scrollToItem(node);
}

// ---------------------------------------------------------------------------------------------
// The tray icon

void frmMain::CreateSysTray() {
    m_frmSysTray = new frmSysTray(this);
    m_frmSysTray->AddMenuItem(tr("&Normal"), "Normal", true);
    m_frmSysTray->AddMenuItem(tr("&Compact"), "Compact");
    m_frmSysTray->AddMenuItem("-");
    m_frmSysTray->AddMenuItem(tr("&Stop Playback"), "Stop");
    m_frmSysTray->AddMenuItem("-");
    m_frmSysTray->AddMenuItem(tr("Check for &Updates"), "Update");
    m_frmSysTray->AddMenuItem("-");
    m_frmSysTray->AddMenuItem(tr("&Exit Noorvale"), "Exit");
    m_frmSysTray->ToolTip(App::Title());
    m_frmSysTray->EnableMenuItem(kStopItem, false);
    m_frmSysTray->IconHandle(mainOn_);
    connect(m_frmSysTray, &frmSysTray::SysTrayDoubleClick, this,
            [this](int b) { resumeNext([&] { m_frmSysTray_SysTrayDoubleClick(b); }); });
    connect(m_frmSysTray, &frmSysTray::MenuAboutToShow, this, [this] {
        resumeNext([&] { m_frmSysTray->EnableMenuItem(kStopItem, alerts_->SoundMode() == "PLAYING"); });
    });
    connect(m_frmSysTray, &frmSysTray::SysTrayMouseDown, this,
            [this](int b) { resumeNext([&] { m_frmSysTray_SysTrayMouseDown(b); }); });
    connect(m_frmSysTray, &frmSysTray::MenuClick, this,
            [this](int32_t i, const QString& key) { resumeNext([&] { m_frmSysTray_MenuClick(i, key); }); });
}

void frmMain::m_frmSysTray_SysTrayDoubleClick(int) { mnuViewNormal_Click(); }

void frmMain::m_frmSysTray_SysTrayMouseDown(int button) {
    const bool playing = alerts_->SoundMode() == "PLAYING";
    m_frmSysTray->EnableMenuItem(kStopItem, playing);
    if (button == 2) m_frmSysTray->ShowMenu();
}

void frmMain::m_frmSysTray_MenuClick(int32_t, const QString& key) {
    const QString k = key.toUpper();
    if (k == "NORMAL") mnuViewNormal_Click();
    else if (k == "COMPACT") mnuViewCompact_Click();
    else if (k == "STOP") alerts_->StopPlayback();
    else if (k == "UPDATE") mnuToolsUpdates_Click();
    else if (k == "EXIT") Exit();
}

void frmMain::Exit() {
    if (MsgBox(tr("Closing Noorvale will disable its Alert Features.\nAre you sure you want to quit?").toStdString(),
               vbYesNo | vbQuestion, std::string("Noorvale")) == vbYes)
        Form_Unload();
}

}  // namespace nv

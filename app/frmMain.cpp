#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMoveEvent>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

#include "AlertEngine.h"
#include "App.h"
#include "Bidi.h"
#include "CalendarModel.h"
#include "CalendarProps.h"
#include "Clock.h"
#include "FormatDate.h"
#include "Language.h"
#include "NoorvaleMain.h"
#include "QtMsgBox.h"
#include "QtPlacement.h"
#include "Twips.h"
#include "VbError.h"
#include "WindowPlacement.h"
#include "frmAbout.h"
#include "RegistryStore.h"
#include "frmCompact.h"
#include "frmSysTray.h"
#include "frmCustomize.h"
#include "frmOptions.h"
#include "modHelp.h"
#include "modNoorvale.h"
#include "modRegistry.h"

namespace nv {

namespace {

std::string systemKey(const char* control) { return std::string(kNoorvaleKey) + "\\System\\" + control; }

std::string optionsKey(const char* control) { return std::string(kNoorvaleKey) + "\\Options\\" + control; }

int32_t readLong(const std::string& key, const char* name, int32_t fallback) {
    int32_t v = fallback;
    resumeNext([&] { v = ReadRegValue(HKEY_CURRENT_USER, key, name, fallback).toLong(); });
    return v;
}

// A 0/1 switch: any other value counts as 1.
bool readSwitch(const std::string& key, const char* name) {
    const int32_t v = readLong(key, name, 1);
    return v == 0 ? false : true;
}

}  // namespace

QIcon picture(const QString& key) {
    const QString stem = QString::fromStdString(ProgramFolder()) + "/graphics/" + key;
    const QString dark = stem + "-dark.png";
    if (DarkPalette(QApplication::palette()) && QFile::exists(dark)) return QIcon(dark);
    const QString file = stem + ".png";
    return QFile::exists(file) ? QIcon(file) : QIcon();
}

bool DarkPalette(const QPalette& palette) { return palette.color(QPalette::Window).lightness() < 128; }

QString& ClockPicturePath() {
    static QString path;
    return path;
}

frmMain::frmMain() {
    setObjectName("frmMain");
    setWindowTitle(App::Title());
    mainOn_ = picture("Main_ON");
    mainOff_ = picture("Main_OFF");
    buildMenus();
    client_ = new QWidget(this);
    client_->setObjectName("client");
    setCentralWidget(client_);
    resize(twipsToPixels(12000, this), twipsToPixelsY(7500, this));  // until a size is stored
    buildToolbar();
    buildClientArea();
    buildStatusBar();
    alerts_ = new AlertEngine(this);
    ObserveAlerts();
}

frmMain::~frmMain() { delete compact_.data(); }

// Most starts never show the compact view: its window (and its picture) are made on first use.
frmCompact* frmMain::Compact() {
    if (compact_) return compact_;
    compact_ = new frmCompact;
    connect(compact_, &frmCompact::closeRequested, this, [this] { CloseCompactView(); });
    connect(compact_, &frmCompact::normalViewRequested, this, [this] { mnuViewNormal_Click(); });
    compact_->lblMessage->setText(compactMessage_);
    compact_->picSmClock->setAccessibleDescription(picClock->accessibleDescription());
    return compact_;
}

void frmMain::CompactMessage(const QString& text) {
    compactMessage_ = text;
    if (compact_) compact_->lblMessage->setText(text);
}

void frmMain::buildClientArea() {
    tvwAlertMngr = new QTreeWidget(client_);
    tvwAlertMngr->setObjectName("tvwAlertMngr");
    tvwAlertMngr->setHeaderHidden(true);
    // Entries are never cut: the column is as wide as its longest entry, and a tree narrower
    // than that scrolls; a small indentation lets the default width show them whole.
    tvwAlertMngr->header()->setStretchLastSection(false);
    tvwAlertMngr->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tvwAlertMngr->setIndentation(12);
    tvwAlertMngr->resize(pixelsX(3100), pixelsY(2600));
    connect(tvwAlertMngr, &QTreeWidget::itemDoubleClicked, this, [this] { resumeNext([&] { ToggleAlertNode(); }); });

    auto splitter = [this](const char* name, Qt::CursorShape shape) {
        auto* f = new QFrame(client_);
        f->setObjectName(name);
        f->setFrameShape(QFrame::NoFrame);
        f->setAutoFillBackground(true);
        f->setCursor(shape);
        f->installEventFilter(this);
        return f;
    };
    picHSplit = splitter("picHSplit", Qt::SizeVerCursor);
    picHSplit->resize(pixelsX(3100), pixelsY(60));
    picVSplit = splitter("picVSplit", Qt::SizeHorCursor);
    picVSplit->resize(pixelsX(60), pixelsY(4000));

    picClock = new Clock(client_);
    picClock->setObjectName("picClock");
    picClock->setToolTip(tr("Current Time Clock"));

    tabPrayerCal = new QTabWidget(client_);
    tabPrayerCal->setObjectName("tabPrayerCal");
    auto* page = new QWidget;
    tabPrayerCal->addTab(page, tr("Prayer Calendar"));
    page->installEventFilter(this);  // the calendar keeps the page's leading corner
    lvwCalendar = new QTreeView(page);
    lvwCalendar->setObjectName("lvwCalendar");
    calendar_ = new CalendarModel(lvwCalendar);
    lvwCalendar->setModel(calendar_);
    lvwCalendar->setRootIsDecorated(false);
    lvwCalendar->setUniformRowHeights(true);
    lvwCalendar->setItemsExpandable(false);
    lvwCalendar->setAllColumnsShowFocus(true);
    lvwCalendar->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvwCalendar->header()->setStretchLastSection(false);
    lvwCalendar->header()->setSectionsMovable(false);
}

void frmMain::buildStatusBar() {
    stbMain = new QStatusBar(client_);
    stbMain->setObjectName("stbMain");
    stbMain->setSizeGripEnabled(false);
    auto add = [this](const QString& key, int stretch) {
        auto* l = new QLabel(stbMain);
        l->setObjectName("stbMain" + key);
        l->setFrameShape(QFrame::StyledPanel);
        l->setFrameShadow(QFrame::Sunken);
        panels_[key.toUpper()] = l;
        stbMain->addPermanentWidget(l, stretch);
        return l;
    };
    add("Status", 1);
    add("Location", 2)->installEventFilter(this);
    add("Date", 0);
    add("Time", 0);
    UpdateStatusClock();
}

QAction* frmMain::action(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QLabel* frmMain::panel(const QString& key) const {
    const auto it = panels_.find(key.toUpper());
    return it == panels_.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------------------------------------
// Load and unload

void frmMain::Form_Load() {
    resumeNext([&] { setWindowIcon(mainOn_); });
    resumeNext([&] {
        picHSplit->setFrameShape(QFrame::NoFrame);
        picVSplit->setFrameShape(QFrame::NoFrame);
    });
    resumeNext([&] {
        const QString chm = QString::fromStdString(ProgramFolder()) + "/Noorvale.html";
        if (QFile::exists(chm)) helpFile_ = chm;
    });
    resumeNext([&] { CreateSysTray(); });
    resumeNext([&] { setMinimumSize(pixelsX(kMinWidth), pixelsY(kMinHeight)); });
    resumeNext([&] { CreateDesktopHelpers(); });
    resumeNext([&] { LoadSystemValues(); });
    resumeNext([&] { LoadUpdateProp(); });
    resumeNext([&] { LoadClockProp(); });
    resumeNext([&] {
        LoadCalProp(CalProp(), DefaultTimeFormat());
        Gridlines(LoadGridlines());
    });
    resumeNext([&] {
        ShowToolbarPictures();
        ArrangeControls();
    });
    resumeNext([&] { alerts_->Build(); });
    resumeNext([&] { RedisplayCalendar(); });
    resumeNext([&] { BuildAlertManager(); });
    resumeNext([&] {
        action("mnuViewHijri")->setChecked(CalProp().dateStyle == 2);
        action("mnuViewGrego")->setChecked(CalProp().dateStyle != 2);
    });
    resumeNext([&] { alerts_->Start(); });
    // The first tick at once: the caption, tray tip and compact clock name the next prayer as
    // the window shows, not a second later.
    resumeNext([&] { alerts_->Tick(); });
}

void frmMain::LoadSystemValues() {
    resumeNext([&] {
        QtPlaceable form(*this);
        std::string name = "frmMain";
        LoadFormSize(form, name);
        LoadFormPos(form, name);
    });
    resumeNext([&] {
        QtPlaceable tree(*tvwAlertMngr);
        std::string name = "tvwAlertMngr";
        LoadCtlSize(tree, name);
        LoadCtlPos(tree, name);
    });
    resumeNext([&] { FitTree(); });
    const bool toolbar = readSwitch(systemKey("tlbMain"), "Visible");
    const bool text = readSwitch(systemKey("tlbMain"), "Text");
    const bool status = readSwitch(systemKey("stbMain"), "Visible");
    int32_t tab = readLong(systemKey("tabPrayerCal"), "ActiveTab", 0);
    tlbMain->setVisible(toolbar);
    action("mnuViewToolbar")->setChecked(toolbar);
    action("mnuViewText")->setChecked(text);
    action("mnuViewText")->setEnabled(toolbar);
    ApplyToolbarText();
    stbMain->setVisible(status);
    action("mnuViewStatusBar")->setChecked(status);
    if (tab > tabPrayerCal->count()) tab = 0;
    tabPrayerCal->setCurrentIndex(std::clamp(tab, 0, tabPrayerCal->count() - 1));

    const std::string startup = systemKey("Startup");
    int32_t defaultView = readLong(startup, "DefaultView", 1);
    if (defaultView < 0 || defaultView > 3) defaultView = 0;
    if (defaultView == 3) {
        const int32_t last = readLong(startup, "ViewMode", 1);
        ViewMode = last >= 0 && last <= 2 ? last : 0;
    } else {
        ViewMode = defaultView;
    }
}

void frmMain::LoadUpdateProp() {
    const std::string startup = systemKey("Startup");
    UpdateMode = readLong(startup, "UpdateMode", 14);
    if (UpdateMode < 0 || UpdateMode > 90) UpdateMode = 14;
    UpdateLast = readLong(startup, "UpdateLast", 0);
    if (UpdateLast < 0) UpdateLast = 0;
}

void frmMain::LoadClockProp() {
    const std::string key = optionsKey("picClock");
    resumeNext([&] { picClock->BorderMode(0); });
    resumeNext([&] { picClock->ShowNumbers(readSwitch(key, "ShowNumbers")); });
    resumeNext([&] { picClock->ShowSeconds(readSwitch(key, "ShowSeconds")); });
    resumeNext([&] {
        const std::string fallback = (QString::fromStdString(ProgramFolder()) + "/graphics/picclock.jpg").toStdString();
        std::string file = fallback;
        resumeNext([&] { file = ReadRegValue(HKEY_CURRENT_USER, key, "Picture", fallback).toText(); });
        ClockPicturePath() = QString::fromStdString(file);
        const QImage image(QString::fromStdString(file));
        picClock->Picture(image);  // a missing file leaves the clock without a picture
        picClock->FollowWindowColor(true, file == fallback);
    });
    resumeNext([&] {
        int32_t back = readLong(key, "ColorBack", 0xFFFFFF);
        if (back < 0) back = 0xFFFFFF;
        picClock->ColorBack(back);
    });
    resumeNext([&] {
        int32_t border = readLong(key, "ColorBorder", 0);
        if (border < 0) border = 0;
        picClock->ColorBorder(border);
    });
}

void frmMain::Form_Unload() {
    if (unloading_) return;
    unloading_ = true;
    resumeNext([&] { alerts_->Stop(); });
    resumeNext([&] {
        if (options_) options_->reject();
        if (customize_) customize_->reject();
    });
    resumeNext([&] {
        // The icon leaves the tray first. The object goes once the event that led here is over:
        // Exit comes from its own menu, which must outlive the click.
        if (QSystemTrayIcon* icon = m_frmSysTray->icon()) icon->hide();  // made only where there is a tray
        m_frmSysTray->deleteLater();
        m_frmSysTray = nullptr;
    });
    {
        // Everything the window keeps reaches the store in one write.
        RegBatch batch;
        resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, systemKey("Startup"), "ViewMode", ViewMode); });
        resumeNext([&] {
            QtPlaceable form(*this);
            std::string name = "frmMain";
            SaveFormSize(form, name);
            SaveFormPos(form, name);
        });
        resumeNext([&] {
            QtPlaceable tree(*tvwAlertMngr);
            std::string name = "tvwAlertMngr";
            SaveCtlSize(tree, name);
            SaveCtlPos(tree, name);
        });
        resumeNext([&] {
            WriteRegLong(HKEY_CURRENT_USER, systemKey("tlbMain"), "Visible", action("mnuViewToolbar")->isChecked());
            WriteRegLong(HKEY_CURRENT_USER, systemKey("tlbMain"), "Text", action("mnuViewText")->isChecked());
            WriteRegLong(HKEY_CURRENT_USER, systemKey("stbMain"), "Visible", action("mnuViewStatusBar")->isChecked());
            WriteRegLong(HKEY_CURRENT_USER, systemKey("tabPrayerCal"), "ActiveTab", tabPrayerCal->currentIndex());
        });
        resumeNext([&] { SaveUpdateProp(); });
        resumeNext([&] { SaveClockProp(); });
        resumeNext([&] { SaveCalProp(); });
        resumeNext([&] {
            if (compact_) compact_->Unload();
        });
    }
    emit unloaded();
}

void frmMain::SaveUpdateProp() {
    const std::string startup = systemKey("Startup");
    WriteRegLong(HKEY_CURRENT_USER, startup, "UpdateMode", UpdateMode);
    WriteRegLong(HKEY_CURRENT_USER, startup, "UpdateLast", UpdateLast);
}

void frmMain::SaveClockProp() {
    const std::string key = optionsKey("picClock");
    WriteRegLong(HKEY_CURRENT_USER, key, "ShowNumbers", picClock->ShowNumbers() ? 1 : 0);
    WriteRegLong(HKEY_CURRENT_USER, key, "ShowSeconds", picClock->ShowSeconds() ? 1 : 0);
    WriteRegString(HKEY_CURRENT_USER, key, "Picture", ClockPicturePath().toStdString());
    WriteRegLong(HKEY_CURRENT_USER, key, "ColorBack", picClock->ColorBack());
    WriteRegLong(HKEY_CURRENT_USER, key, "ColorBorder", picClock->ColorBorder());
}

// ---------------------------------------------------------------------------------------------
// Views

void frmMain::mnuViewRefresh_Click() { alerts_->Refresh(); }

void frmMain::SelNormalView(bool show) {
    ViewMode = show ? 0 : 2;
    action("mnuViewNormal")->setChecked(show);
    resumeNext([&] {
        if (show) setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    });
    picClock->Enabled(show);
    setVisible(show);
}

void frmMain::SelCompactView(bool show) {
    ViewMode = show ? 1 : 2;
    action("mnuViewCompact")->setChecked(show);
    if (!show && !compact_) return;
    Compact()->picSmClock->Enabled(show);
    compact_->setVisible(show);
}

void frmMain::mnuViewNormal_Click() {
    SelCompactView(false);
    SelNormalView(true);
    raise();
    activateWindow();
}

void frmMain::mnuViewCompact_Click() {
    SelNormalView(false);
    SelCompactView(true);
    if (compact_) compact_->raise();
}

void frmMain::mnuFileClose_Click() { CloseNormalView(); }

void frmMain::mnuToolsCustomize_Click() {
    if (customize_) return;  // one at a time
    frmCustomize dialog(*this);
    customize_ = &dialog;
    dialog.exec();
}

void frmMain::mnuToolsOptions_Click() {
    if (options_) return;
    frmOptions dialog(*this);
    options_ = &dialog;
    dialog.exec();
}

void frmMain::mnuHelpContents_Click() {
    if (!helpFile_.isEmpty() && QFile::exists(helpFile_)) ShowHelp(helpFile_, QString());
}

frmCustomize* frmMain::CustomizeDialog() const { return customize_; }
frmOptions* frmMain::OptionsDialog() const { return options_; }

void frmMain::ReloadCompact() {
    frmCompact* old = compact_;
    if (!old) return;  // not made yet: it loads the saved values when it is
    old->Unload();
    compact_ = nullptr;
    old->deleteLater();
    if (ViewMode == 1) SelCompactView(true);
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout about(this);
    about.exec();
}

// ---------------------------------------------------------------------------------------------
// The status bar's clock

void frmMain::UpdateStatusClock() {
    const DateValue t = now();
    if (QLabel* d = panel("Date")) d->setText(KeepOwnOrder(QString::fromStdString(FormatDate(t, "Short Date"))));
    if (QLabel* l = panel("Time")) l->setText(KeepOwnOrder(QString::fromStdString(FormatDate(t, "Medium Time"))));
}

// ---------------------------------------------------------------------------------------------
// Events

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    framePending_ = true;
    QTimer::singleShot(0, this, [this] { moveEvent(nullptr); });
}

// The window manager frames the window after it is shown: its move (a spontaneous one) is the
// first moment the frame is known.
void frmMain::moveEvent(QMoveEvent* event) {
    if (event) QMainWindow::moveEvent(event);
    if (!framePending_ || !isVisible() || (event && !event->spontaneous())) return;
    if (frameGeometry().size() != size()) framePending_ = false;  // framed: the last fit
    KeepOnWorkArea(*this);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (unloading_) {
        event->accept();
        return;
    }
    event->ignore();  // the close box only hides the window; the program stays in the tray
    resumeNext([&] { CloseNormalView(); });
}

}  // namespace nv

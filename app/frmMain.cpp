#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QFont>
#include <QCursor>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPrinter>
#include <QProcess>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <cmath>
#include <span>

#include "AlertEngine.h"
#include "App.h"
#include "Bidi.h"
#include "CalendarModel.h"
#include "CalendarProps.h"
#include "CalendarRows.h"
#include "DaySchedule.h"
#include "Clock.h"
#include "ColorRef.h"
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
#include "PrintCalLVW.h"
#include "Pickers.h"
#include "frmCustomize.h"
#include "frmOptions.h"
#include "modDateLib.h"
#include "modHelp.h"
#include "modInternet.h"
#include "modNoorvale.h"
#include "mXOR.h"
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

// A toolbar button: its key (the picture's name and what a click does), the caption shown under
// its picture and its tool tip.
struct ToolButton {
    const char* key;
    const char* caption;
    const char* toolTip;
};
constexpr ToolButton kButtons[] = {
    {"Print", QT_TRANSLATE_NOOP("nv::frmMain", "Print"), QT_TRANSLATE_NOOP("nv::frmMain", "Print Calendar")},
    {"Compact", QT_TRANSLATE_NOOP("nv::frmMain", "Compact"), QT_TRANSLATE_NOOP("nv::frmMain", "View Compact Mode")},
    {"Date", QT_TRANSLATE_NOOP("nv::frmMain", "Date"), QT_TRANSLATE_NOOP("nv::frmMain", "Change Date Style")},
    {"Views", QT_TRANSLATE_NOOP("nv::frmMain", "Views"), QT_TRANSLATE_NOOP("nv::frmMain", "Change View Type")},
    {"Customize", QT_TRANSLATE_NOOP("nv::frmMain", "Customize"), QT_TRANSLATE_NOOP("nv::frmMain", "Customize")},
    {"Options", QT_TRANSLATE_NOOP("nv::frmMain", "Options"), QT_TRANSLATE_NOOP("nv::frmMain", "Options")},
    {"Update", QT_TRANSLATE_NOOP("nv::frmMain", "Update"), QT_TRANSLATE_NOOP("nv::frmMain", "Check for Program Updates")},
    {"Help", QT_TRANSLATE_NOOP("nv::frmMain", "Help"), QT_TRANSLATE_NOOP("nv::frmMain", "Display Help")},
};

// The entries of the toolbar's drop-down menus: key and caption.
struct ToolMenuItem {
    const char* key;
    const char* caption;
};
constexpr ToolMenuItem kDateItems[] = {
    {"Gregorian", QT_TRANSLATE_NOOP("nv::frmMain", "Gregorian")},
    {"Hijri", QT_TRANSLATE_NOOP("nv::frmMain", "Hijri")},
};
constexpr ToolMenuItem kViewItems[] = {
    {"Today", QT_TRANSLATE_NOOP("nv::frmMain", "Today")},
    {"Week", QT_TRANSLATE_NOOP("nv::frmMain", "Week")},
    {"Month", QT_TRANSLATE_NOOP("nv::frmMain", "Month")},
    {"Year", QT_TRANSLATE_NOOP("nv::frmMain", "Year")},
};

// Scrambled when the program is built, so the clear text never stands in the executable.
template <size_t N>
struct ScrambledText {
    char bytes[N]{};
    constexpr ScrambledText(const char (&clear)[N]) {
        for (size_t i = 0; i + 1 < N; ++i) bytes[i] = static_cast<char>(clear[i] ^ kScrambleKey);
    }
};
// The update information file's address is the maker's, given when the program is built.
constexpr ScrambledText kUpdateParameters(NOORVALE_UPDATE_URL ",Noorvale,Noorvale,4");

struct HelpLink {
    const char* entry;
    const char* address;
};
constexpr HelpLink kHelpPages[] = {
    {"mnuHelpHome", NOORVALE_PRODUCT_PAGE}, {"mnuHelpNews", NOORVALE_NEWS_PAGE},
    {"mnuHelpLibrary", NOORVALE_LIBRARY_PAGE}, {"mnuHelpFAQ", NOORVALE_FAQ_PAGE},
    {"mnuHelpSupport", NOORVALE_SUPPORT_PAGE}, {"mnuHelpORVEN", NOORVALE_HOME_PAGE},
};

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

std::string UpdateParameters() { return std::string(kUpdateParameters.bytes, sizeof kUpdateParameters.bytes - 1); }

QString HelpPage(const QString& entry) {
    for (const HelpLink& link : kHelpPages)
        if (entry == link.entry) return link.address;
    return {};
}

int32_t LastUpdateDay(int32_t updateLast, int32_t todayNumber, int32_t daysLastYear) {
    return updateLast > todayNumber ? updateLast - daysLastYear : updateLast;
}

frmMain::frmMain(frmCompact* compact) : compact_(compact) {
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
    AttachCompact(compact);
}

void frmMain::AttachCompact(frmCompact* compact) {
    compact_ = compact;
    if (!compact_) return;
    connect(compact_, &frmCompact::closeRequested, this, [this] { CloseCompactView(); });
    connect(compact_, &frmCompact::normalViewRequested, this, [this] { mnuViewNormal_Click(); });
}

frmMain::~frmMain() = default;

QAction* frmMain::addEntry(QMenu* menu, const char* name, const QString& caption, void (frmMain::*handler)()) {
    auto* a = menu->addAction(caption);
    a->setObjectName(name);
    actions_[name] = a;
    if (handler) connect(a, &QAction::triggered, this, [this, handler] { resumeNext([&] { (this->*handler)(); }); });
    return a;
}

void frmMain::buildMenus() {
    auto menu = [this](const char* name, const QString& caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        actions_[name] = m->menuAction();
        return m;
    };
    auto separator = [this](QMenu* m, const char* name = nullptr) {
        QAction* s = m->addSeparator();
        if (name) {
            s->setObjectName(name);
            actions_[name] = s;
        }
    };

    QMenu* file = menu("mnuFile", tr("&File"));
    addEntry(file, "mnuFilePrint", tr("&Print Calendar..."), &frmMain::mnuFilePrint_Click);
    separator(file, "mnuFileBar4");
    addEntry(file, "mnuFileClose", tr("&Close"), &frmMain::mnuFileClose_Click);

    QMenu* view = menu("mnuView", tr("&View"));
    addEntry(view, "mnuViewCompact", tr("Com&pact"), &frmMain::mnuViewCompact_Click)->setCheckable(true);
    addEntry(view, "mnuViewNormal", tr("&Normal"), &frmMain::mnuViewNormal_Click)->setCheckable(true);
    separator(view);
    addEntry(view, "mnuViewToolbar", tr("&Toolbar"), &frmMain::mnuViewToolbar_Click)->setCheckable(true);
    addEntry(view, "mnuViewText", tr("Toolbar Te&xt"), &frmMain::mnuViewText_Click)->setCheckable(true);
    addEntry(view, "mnuViewStatusBar", tr("Status &Bar"), &frmMain::mnuViewStatusBar_Click)->setCheckable(true);
    separator(view);
    addEntry(view, "mnuViewToday", tr("To&day"), &frmMain::mnuViewToday_Click)->setCheckable(true);
    addEntry(view, "mnuViewWeek", tr("&Week"), &frmMain::mnuViewWeek_Click)->setCheckable(true);
    addEntry(view, "mnuViewMonth", tr("&Month"), &frmMain::mnuViewMonth_Click)->setCheckable(true);
    addEntry(view, "mnuViewYear", tr("&Year"), &frmMain::mnuViewYear_Click)->setCheckable(true);
    separator(view);
    addEntry(view, "mnuViewGrego", tr("&Gregorian Date"), &frmMain::mnuViewGrego_Click)->setCheckable(true);
    addEntry(view, "mnuViewHijri", tr("&Hijri Date"), &frmMain::mnuViewHijri_Click)->setCheckable(true);
    separator(view);
    addEntry(view, "mnuViewRefresh", tr("&Refresh"), &frmMain::mnuViewRefresh_Click);

    QMenu* tools = menu("mnuTools", tr("&Tools"));
    addEntry(tools, "mnuToolsUpdates", tr("Check for &Updates..."), &frmMain::mnuToolsUpdates_Click);
    separator(tools, "mnuToolsBar1");
    addEntry(tools, "mnuToolsCustomize", tr("&Customize..."), &frmMain::mnuToolsCustomize_Click);
    addEntry(tools, "mnuToolsOptions", tr("&Options..."), &frmMain::mnuToolsOptions_Click);

    QMenu* help = menu("mnuHelp", tr("&Help"));
    addEntry(help, "mnuHelpContents", tr("&Contents and Index..."), &frmMain::mnuHelpContents_Click);
    separator(help);
    QMenu* online = help->addMenu(tr("Noorvale &Online"));
    online->setObjectName("mnuHelpNV");
    online->menuAction()->setObjectName("mnuHelpNV");
    actions_["mnuHelpNV"] = online->menuAction();
    addEntry(online, "mnuHelpHome", tr("&Noorvale Home Page..."), nullptr);
    separator(online);
    addEntry(online, "mnuHelpNews", tr("&Product News..."), nullptr);
    addEntry(online, "mnuHelpLibrary", tr("&Download Library..."), nullptr);
    separator(online);
    addEntry(online, "mnuHelpFAQ", tr("Frequently Asked &Questions..."), nullptr);
    addEntry(online, "mnuHelpSupport", tr("Online &Support..."), nullptr);
    separator(online);
    addEntry(online, "mnuHelpORVEN", tr("&ORVEN Home Page..."), nullptr);
    separator(help);
    addEntry(help, "mnuHelpAbout", tr("&About Noorvale..."), &frmMain::mnuHelpAbout_Click);
    for (const HelpLink& link : kHelpPages) {
        const QString entry = link.entry;
        connect(action(entry), &QAction::triggered, this, [this, entry] { resumeNext([&] { mnuHelpPage_Click(entry); }); });
    }
}

void frmMain::buildToolbar() {
    tlbMain = new QToolBar(client_);
    tlbMain->setObjectName("tlbMain");
    tlbMain->setMovable(false);
    tlbMain->setIconSize(QSize(24, 24));
    for (const ToolButton& b : kButtons) {
        const QString key = b.key;
        auto* a = new QAction(this);
        a->setObjectName(QString("tlbMain") + key);
        a->setData(key);
        a->setToolTip(tr(b.toolTip));
        actions_["TLB:" + key.toUpper()] = a;
        connect(a, &QAction::triggered, this, [this, key] { resumeNext([&] { tlbMain_ButtonClick(key); }); });
        if (key == "Date" || key == "Views") {
            auto* m = new QMenu(this);
            const auto items = key == "Date" ? std::span<const ToolMenuItem>(kDateItems)
                                             : std::span<const ToolMenuItem>(kViewItems);
            for (const ToolMenuItem& entry : items) {
                const QString item = entry.key;
                QAction* sub = m->addAction(tr(entry.caption));
                sub->setData(item);
                sub->setObjectName(QString("tlbMain") + key + item);
                actions_["TLB:" + item.toUpper()] = sub;
                connect(sub, &QAction::triggered, this,
                        [this, item] { resumeNext([&] { tlbMain_ButtonMenuClick(item); }); });
            }
            a->setMenu(m);
        }
        tlbMain->addAction(a);
        if (auto* button = qobject_cast<QToolButton*>(tlbMain->widgetForAction(a))) {
            if (a->menu()) button->setPopupMode(QToolButton::MenuButtonPopup);
            // Named for screen readers even while the bar shows pictures only.
            button->setAccessibleName(tr(b.caption));
            button->setAccessibleDescription(a->toolTip());
        }
    }
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

double frmMain::twipsX(int pixels) const { return pixelsToTwips(pixels, this); }
double frmMain::twipsY(int pixels) const { return pixelsToTwipsY(pixels, this); }
int frmMain::pixelsX(double twips) const { return twipsToPixels(twips, this); }
int frmMain::pixelsY(double twips) const { return twipsToPixelsY(twips, this); }

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
        for (const ToolButton& b : kButtons) action("TLB:" + QString(b.key).toUpper())->setIcon(picture(b.key));
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

// A stored tree size leaves room for the splitters' limits in the window as it opens: the
// vertical splitter at least 1000 twips from the right edge, the horizontal one at least 1000
// above the status bar, so the calendar and the clock never vanish for good.
void frmMain::FitTree() {
    const double w = twipsX(width()), h = twipsY(height());
    const double chrome = twipsY(menuBar()->sizeHint().height() + tlbMain->sizeHint().height() +
                                 stbMain->sizeHint().height()) + 60;
    const double maxWidth = std::max(kMinTreeSide, w - 1000 - 25);
    const double maxHeight = std::max(kMinTreeSide, h - chrome - 1000 - 5);
    const double treeW = twipsX(tvwAlertMngr->width()), treeH = twipsY(tvwAlertMngr->height());
    if (treeW > maxWidth) tvwAlertMngr->resize(pixelsX(maxWidth), tvwAlertMngr->height());
    if (treeH > maxHeight) tvwAlertMngr->resize(tvwAlertMngr->width(), pixelsY(maxHeight));
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
        m_frmSysTray->icon()->hide();
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

void frmMain::SaveCalProp() {
    std::array<int32_t, kCalendarColumns> widths{};
    for (int c = 0; c < kCalendarColumns; ++c)
        widths[c] = c < lvwCalendar->header()->count()
                        ? static_cast<int32_t>(std::lround(twipsX(lvwCalendar->header()->sectionSize(c))))
                        : kDefaultColumnWidth;
    nv::SaveCalProp(CalProp(), lvwCalendar->property("Gridlines").toBool(), widths);
}

// ---------------------------------------------------------------------------------------------
// The calendar

void frmMain::SetupColumns() {
    calendar_->Clear();
    calendar_->SetHeaders();
    lvwCalendar->header()->setSectionResizeMode(QHeaderView::Interactive);
    lvwCalendar->header()->setMinimumSectionSize(0);
    for (int c = 0; c < kCalendarColumns; ++c) lvwCalendar->setColumnWidth(c, c == 0 ? 0 : pixelsX(LoadColumnWidth(c + 1)));
    lvwCalendar->setColumnHidden(0, true);
}

void frmMain::ShowCalendar(int view) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    panel("Status")->setText(tr("Updating Calendar, Please wait..."));
    calendar_->Clear();
    DateValue first = StartDate, last = StartDate;
    CalendarRange(view, StartDate, first, last);
    clsPrayTime& calculator = PrayTime();
    lvwCalendar->setUpdatesEnabled(false);
    for (DateValue d = first; d <= last; d += 1) {
        resumeNext([&] { calculator.PrayerDate(d); });
        resumeNext([&] { calculator.Calculate(); });
        calendar_->AddDay(calculator);
        if (std::fmod(std::trunc(d), 20.0) == 0) {  // let the list show its progress
            lvwCalendar->setUpdatesEnabled(true);
            lvwCalendar->viewport()->repaint();
            lvwCalendar->setUpdatesEnabled(false);
            ++calendarRepaints_;
        }
    }
    lvwCalendar->setUpdatesEnabled(true);
    lvwCalendar->viewport()->update();
    if (CalProp().autoResize) AutoSizeColumns();
    resumeNext([&] { calculator.PrayerDate(StartDate); });
    resumeNext([&] { calculator.Calculate(); });
    QApplication::restoreOverrideCursor();
    panel("Status")->clear();
}

void frmMain::MarkToday() {
    DateValue first = StartDate, last = StartDate;
    CalendarRange(CalProp().view, StartDate, first, last);
    const int row = calendar_->MarkToday(first, StartDate, colorFromRef(CalProp().markColor));
    if (row >= 0) lvwCalendar->scrollTo(calendar_->index(row, 0));
}

void frmMain::AutoSizeColumns() { nv::AutoSizeColumns(*lvwCalendar); }

void frmMain::RedisplayCalendar() {
    SetupColumns();
    switch (CalProp().view) {
    case 1: mnuViewToday_Click(); break;
    case 3: mnuViewMonth_Click(); break;
    case 4: mnuViewYear_Click(); break;
    default: mnuViewWeek_Click(); break;
    }
}

void frmMain::SelectView(int view) {
    static const char* names[] = {"mnuViewToday", "mnuViewWeek", "mnuViewMonth", "mnuViewYear"};
    for (const char* n : names) action(n)->setChecked(false);
    action(names[view - 1])->setChecked(true);
    CalProp().view = static_cast<int16_t>(view);  // MarkToday looks for today in this view's range
    ShowCalendar(view);
    MarkToday();
}

void frmMain::SelectDateStyle(int style) {
    CalProp().dateStyle = static_cast<int16_t>(style);
    action("mnuViewGrego")->setChecked(false);
    action("mnuViewHijri")->setChecked(false);
    action(style == 2 ? "mnuViewHijri" : "mnuViewGrego")->setChecked(true);
    ShowCalendar(CalProp().view);
    MarkToday();
}

void frmMain::mnuViewRefresh_Click() { alerts_->Refresh(); }

// ---------------------------------------------------------------------------------------------
// Views

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
    if (!compact_) return;
    compact_->picSmClock->Enabled(show);
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

void frmMain::mnuViewToolbar_Click() {
    const bool on = action("mnuViewToolbar")->isChecked();  // already inverted by the click
    tlbMain->setVisible(on);
    action("mnuViewText")->setEnabled(on);
    ArrangeControls();
}

void frmMain::mnuViewText_Click() {
    ApplyToolbarText();
    ArrangeControls();  // the toolbar's height changed: the controls below it follow
}

void frmMain::ApplyToolbarText() {
    const bool text = action("mnuViewText")->isChecked();
    for (const ToolButton& b : kButtons)
        action("TLB:" + QString(b.key).toUpper())->setText(text ? tr(b.caption) : QString());
    tlbMain->setToolButtonStyle(text ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    tlbMain->adjustSize();
}

void frmMain::mnuViewStatusBar_Click() {
    stbMain->setVisible(action("mnuViewStatusBar")->isChecked());
    ArrangeControls();
}

void frmMain::tlbMain_ButtonClick(const QString& key) {
    const QString k = key.toUpper();
    if (k == "PRINT") action("mnuFilePrint")->trigger();
    else if (k == "COMPACT") mnuViewCompact_Click();
    else if (k == "DATE") SelectDateStyle(CalProp().dateStyle != 1 ? 1 : 2);
    else if (k == "VIEWS") {
        const int v = CalProp().view;
        SelectView(v >= 1 && v <= 3 ? v + 1 : v == 4 ? 1 : 2);
    } else if (k == "CUSTOMIZE") action("mnuToolsCustomize")->trigger();
    else if (k == "OPTIONS") action("mnuToolsOptions")->trigger();
    else if (k == "UPDATE") mnuToolsUpdates_Click();
    else if (k == "HELP") action("mnuHelpContents")->trigger();
}

void frmMain::tlbMain_ButtonMenuClick(const QString& key) {
    const QString k = key.toUpper();
    if (k == "GREGORIAN") SelectDateStyle(1);
    else if (k == "HIJRI") SelectDateStyle(2);
    else if (k == "TODAY") SelectView(1);
    else if (k == "MONTH") SelectView(3);
    else if (k == "YEAR") SelectView(4);
    else SelectView(2);
}

bool frmMain::Gridlines() const { return lvwCalendar->property("Gridlines").toBool(); }

void frmMain::Gridlines(bool on) {
    lvwCalendar->setProperty("Gridlines", on);
    lvwCalendar->setStyleSheet(on ? "QTreeView::item { border-right: 1px solid palette(mid); "
                                    "border-bottom: 1px solid palette(mid); }"
                                  : QString());
}

void frmMain::mnuFilePrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    bool accepted = false;
    resumeNext([&] { accepted = ShowPrinter(this, printer); });
    if (!accepted) return;  // Cancel prints nothing
    QApplication::setOverrideCursor(Qt::BusyCursor);
    panel("Status")->setText(tr("Printing Calendar, Please wait..."));
    const QFont font = PrintFont();  // Arial 10, or the closest installed face
    resumeNext([&] { PrintCalLVW(printer, font, *calendar_, panel("Status"), CalProp().view == 4); });
    panel("Status")->clear();
    QApplication::restoreOverrideCursor();
}

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

void frmMain::mnuHelpPage_Click(const QString& entry) { OpenURL(this, HelpPage(entry), SW_SHOW); }

frmCompact* frmMain::Compact() { return compact_; }
frmCustomize* frmMain::CustomizeDialog() const { return customize_; }
frmOptions* frmMain::OptionsDialog() const { return options_; }

void frmMain::ReloadCompact() {
    frmCompact* old = compact_;
    if (!old) return;
    old->Unload();
    auto* fresh = new frmCompact;
    AttachCompact(fresh);
    emit compactReloaded(old, fresh);
    if (ViewMode == 1) SelCompactView(true);
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout about(this);
    about.exec();
}

// ---------------------------------------------------------------------------------------------
// Updates

void frmMain::mnuToolsUpdates_Click() {
    const QString path = QString::fromStdString(ProgramFolder()) + "/Tarvo";
    if (!QFile::exists(path)) return;
    UpdateLast = DayOfYear(today());
    resumeNext([&] { QProcess::startDetached(path, QStringList{QString::fromStdString(UpdateParameters())}); });
    Form_Unload();
}

// A reminder due just after a new year counts the last start in the old year's days.
void frmMain::Check4Updates() {
    if (UpdateMode == 0) return;
    const int32_t day = DayOfYear(today());
    const int32_t last = LastUpdateDay(UpdateLast, day, IsLeapYear(static_cast<int16_t>(year(today()) - 1)) ? 366 : 365);
    if (last + UpdateMode > day) return;
    //: %n is the number of days between two reminders.
    const QString text = tr("%n days update reminder\n\n"
                            "Using your Internet connections Tarvo can connects to the\n"
                            "ORVEN site, checks for available updates, then downloads and\n"
                            "installs them automatically. This is the most efficient method\n"
                            "to update your Noorvale files,\n\n"
                            "Would you like to run Tarvo now?",
                            nullptr, UpdateMode)
                             .replace('\n', QStringLiteral("\r\n"));  // the box's line ends, as it always had
    if (MsgBox(text, vbYesNo | vbQuestion, tr("Noorvale message")) == vbYes) mnuToolsUpdates_Click();
}

// ---------------------------------------------------------------------------------------------
// The status bar's clock

void frmMain::UpdateStatusClock() {
    const DateValue t = now();
    if (QLabel* d = panel("Date")) d->setText(KeepOwnOrder(QString::fromStdString(FormatDate(t, "Short Date"))));
    if (QLabel* l = panel("Time")) l->setText(KeepOwnOrder(QString::fromStdString(FormatDate(t, "Medium Time"))));
}

// ---------------------------------------------------------------------------------------------
// Layout

void frmMain::ArrangeControls() {
    if (isMinimized()) return;
    const double clientWidth = twipsX(client_->width()), clientHeight = twipsY(client_->height());
    const bool toolbar = !tlbMain->isHidden(), status = !stbMain->isHidden();
    if (toolbar) tlbMain->setGeometry(0, 0, client_->width(), tlbMain->sizeHint().height());
    if (status) {
        const int h = stbMain->sizeHint().height();
        stbMain->setGeometry(0, client_->height() - h, client_->width(), h);
    }
    const double toolbarHeight = toolbar ? twipsY(tlbMain->height()) : 0;
    const double statusHeight = status ? twipsY(stbMain->height()) : 0;

    // Left column: the tree, the horizontal splitter and the clock.
    const double top = toolbar ? toolbarHeight + 60 : 60;
    const double bottom = status ? clientHeight - statusHeight - 50 : clientHeight - 50;
    const double treeWidth = twipsX(tvwAlertMngr->width()), treeHeight = twipsY(tvwAlertMngr->height());
    PlaceMirrored(tvwAlertMngr, QRect(QPoint(pixelsX(20), pixelsY(top)), tvwAlertMngr->size()));
    const double splitTop = top + treeHeight;
    PlaceMirrored(picHSplit, QRect(pixelsX(20), pixelsY(splitTop), pixelsX(treeWidth), picHSplit->height()));
    const double clockTop = splitTop + twipsY(picHSplit->height());
    // The clock: the largest square of the room under the splitter, centred in it, so that it stays round.
    const int roomWidth = pixelsX(treeWidth), roomHeight = std::max(0, pixelsY(bottom - clockTop));
    const int side = std::min(roomWidth, roomHeight);
    PlaceMirrored(picClock, QRect(pixelsX(3) + (roomWidth - side) / 2, pixelsY(clockTop) + (roomHeight - side) / 2,
                                  side, side));

    // Right side: the tab control with the list, and the vertical splitter.
    const double rightBottom = status ? clientHeight - statusHeight + 12 : clientHeight + 12;
    const double tabTop = top + 100, tabLeft = treeWidth + 100;
    const double tabWidth = clientWidth - tabLeft - 25, tabHeight = rightBottom - tabTop;
    PlaceMirrored(tabPrayerCal, QRect(pixelsX(tabLeft), pixelsY(tabTop), std::max(0, pixelsX(tabWidth)),
                              std::max(0, pixelsY(tabHeight))));
    PlaceMirrored(picVSplit, QRect(pixelsX(20 + treeWidth), pixelsY(top), picVSplit->width(),
                           std::max(0, pixelsY(rightBottom - top))));
    lvwCalendar->resize(std::max(0, pixelsX(tabWidth - 250)), std::max(0, pixelsY(tabHeight - 600)));
    PlaceCalendar();
    if (toolbar) tlbMain->raise();
    if (status) stbMain->raise();
}

// The calendar keeps its size in the tab's page, at the page's leading corner.
void frmMain::PlaceCalendar() { PlaceMirrored(lvwCalendar, QRect(QPoint(0, 0), lvwCalendar->size())); }

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    resumeNext([&] { ArrangeControls(); });
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

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (lvwCalendar && watched == lvwCalendar->parentWidget() && event->type() == QEvent::Resize &&
        layoutDirection() == Qt::RightToLeft)
        PlaceCalendar();
    if (watched == panel("Location") && event->type() == QEvent::MouseButtonDblClick) {
        action("mnuToolsCustomize")->trigger();
        return true;
    }
    auto* splitter = qobject_cast<QFrame*>(watched);
    const QEvent::Type type = event->type();
    const bool mouseEvent =
        type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
    if (splitter && (splitter == picHSplit || splitter == picVSplit) && mouseEvent) {
        auto* mouse = static_cast<QMouseEvent*>(event);  // only mouse events come this far
        switch (type) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton) {
                dragging_ = true;
                dragStart_ = mouse->position().toPoint();
                splitterPressed(splitter);
            }
            return true;
        case QEvent::MouseMove:
            if (dragging_ && (mouse->buttons() & Qt::LeftButton))
                splitterMoved(splitter, mouse->position().toPoint() - dragStart_);
            return true;
        case QEvent::MouseButtonRelease:
            if (dragging_ && mouse->button() == Qt::LeftButton) {
                dragging_ = false;
                splitterReleased(splitter);
            }
            return true;
        default: break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::splitterPressed(QFrame* splitter) {
    QPalette p = splitter->palette();
    p.setColor(QPalette::Window, Qt::black);
    splitter->setPalette(p);
}

void frmMain::splitterMoved(QFrame* splitter, const QPoint& offset) {
    if (splitter == picHSplit) splitter->move(splitter->x(), splitter->y() + offset.y());
    else splitter->move(splitter->x() + offset.x(), splitter->y());
}

void frmMain::splitterReleased(QFrame* splitter) {
    splitter->setPalette(QPalette());
    const double clientWidth = twipsX(client_->width()), clientHeight = twipsY(client_->height());
    if (splitter == picHSplit) {
        const double limit = (!stbMain->isHidden() ? clientHeight - twipsY(stbMain->height()) : clientHeight) - 1000;
        double t = twipsY(splitter->y());
        t = std::max(1000.0, std::min(t, limit));
        const double treeHeight = t - twipsY(tvwAlertMngr->y()) - 5;
        if (treeHeight > 0) tvwAlertMngr->resize(tvwAlertMngr->width(), pixelsY(treeHeight));
    } else {
        double l = twipsX(LeftToRightPlace(splitter).x());
        l = std::max(1000.0, std::min(l, clientWidth - 1000));
        const double treeWidth = l - twipsX(LeftToRightPlace(tvwAlertMngr).x()) - 5;
        if (treeWidth > 0) tvwAlertMngr->resize(pixelsX(treeWidth), tvwAlertMngr->height());
    }
    ArrangeControls();
}

}  // namespace nv

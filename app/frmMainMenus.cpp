// The main window's menus and toolbar: how they are built, the entries that show and hide the
// toolbar, its texts and the status bar, and what the toolbar's buttons and drop-down entries do.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <span>

#include "CalendarProps.h"
#include "VbError.h"
#include "frmMain.h"
#include "modInternet.h"
#include "modNoorvale.h"

namespace nv {

namespace {

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

QString HelpPage(const QString& entry) {
    for (const HelpLink& link : kHelpPages)
        if (entry == link.entry) return link.address;
    return {};
}

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

void frmMain::ShowToolbarPictures() {
    for (const ToolButton& b : kButtons) action("TLB:" + QString(b.key).toUpper())->setIcon(picture(b.key));
}

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

void frmMain::mnuHelpPage_Click(const QString& entry) { OpenURL(this, HelpPage(entry), SW_SHOW); }

}  // namespace nv

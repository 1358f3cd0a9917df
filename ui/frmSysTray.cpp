#include "frmSysTray.h"

#include <QAction>
#include <QCursor>
#include <QFont>
#include <QMenu>

#include "TrayWatch.h"

namespace nv {

frmSysTray::frmSysTray(QObject* parent) : QObject(parent) {
    setObjectName("frmSysTray");
    //: The title of the tray icon's menu (seen by screen readers).
    menu_ = new QMenu(tr("&Popup"));
    menu_->setObjectName("mnuPopup");
    connect(menu_, &QMenu::aboutToShow, this, &frmSysTray::MenuAboutToShow);
}

frmSysTray::~frmSysTray() {
    if (icon_) icon_->hide();  // the icon leaves the tray with its window
    delete menu_;
}

void frmSysTray::Attach(TrayWatch* watch) {
    auto place = [this, watch] {
        if (!icon_ && watch->IconPlaceable()) makeIcon(watch->DBusHost());
    };
    connect(watch, &TrayWatch::changed, this, place);
    place();
}

// Making the toolkit's icon settles, once a run, whether it goes to a D-Bus host or to the
// XEmbed tray; the toolkit asks the watcher for that and waits for the answer, which is why the
// icon is made only when the watcher has just answered or is not there at all. On desktops other
// than X11 it is made for a D-Bus host only: the toolkit's other tray is X11's.
void frmSysTray::makeIcon(bool dbusHost) {
    dbusHost_ = dbusHost;
    icon_ = new QSystemTrayIcon(this);
    icon_->setContextMenu(menu_);
    connect(icon_, &QSystemTrayIcon::activated, this, &frmSysTray::activate);
    if (!tip_.isEmpty()) icon_->setToolTip(tip_);
    if (!picture_.isNull()) {
        icon_->setIcon(picture_);
        icon_->show();
    }
}

void frmSysTray::ToolTip(const QString& text) {
    const QString tip = text.left(kTipLength);
    if (tip == tip_) return;
    tip_ = tip;
    if (icon_) icon_->setToolTip(tip_);
    ++tipChanges_;
}

void frmSysTray::IconHandle(const QIcon& icon) {
    if (icon.cacheKey() == iconKey_) return;
    iconKey_ = icon.cacheKey();
    picture_ = icon;
    if (icon_) {
        icon_->setIcon(icon);
        if (!icon_->isVisible()) icon_->show();  // into the tray with its first icon, never without one
    }
    ++iconChanges_;
}

int32_t frmSysTray::AddMenuItem(const QString& caption, const QString& key, bool isDefault) {
    QAction* a = caption == "-" ? menu_->addSeparator() : menu_->addAction(caption);
    const int32_t index = static_cast<int32_t>(items_.size());
    a->setObjectName(QString("mnuSysTray%1").arg(index));
    a->setData(key);
    items_.push_back(a);
    connect(a, &QAction::triggered, this, [this, index, key] { emit MenuClick(index, key); });
    if (isDefault) defaultIndex_ = index;
    return index;
}

void frmSysTray::EnableMenuItem(int32_t index, bool enabled) {
    if (QAction* a = mnuSysTray(index)) a->setEnabled(enabled);
}

QAction* frmSysTray::mnuSysTray(int32_t index) const {
    return index >= 0 && index < static_cast<int32_t>(items_.size()) ? items_[index] : nullptr;
}

int32_t frmSysTray::ShowMenu() {
    for (int32_t i = 0; i < static_cast<int32_t>(items_.size()); ++i) {
        QFont f = items_[i]->font();
        f.setBold(i == defaultIndex_);
        items_[i]->setFont(f);
    }
    if (defaultIndex_ >= 0) menu_->setDefaultAction(mnuSysTray(defaultIndex_));
    // A D-Bus host draws the menu itself, and the XEmbed tray may already have opened it.
    if (!dbusHost_ && !menu_->isVisible()) menu_->popup(QCursor::pos());
    return 0;
}

void frmSysTray::activate(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        emit SysTrayMouseDown(1);
        if (dbusHost_) emit SysTrayDoubleClick(1);
        break;
    case QSystemTrayIcon::Context:
        emit SysTrayMouseDown(2);
        emit SysTrayMouseUp(2);
        break;
    case QSystemTrayIcon::DoubleClick:
        emit SysTrayDoubleClick(1);
        break;
    case QSystemTrayIcon::MiddleClick:
    default:
        break;
    }
}

}  // namespace nv

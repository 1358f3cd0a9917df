#include "frmSysTray.h"

#include <QAction>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFont>
#include <QMenu>

namespace nv {

frmSysTray::frmSysTray(QObject* parent) : QObject(parent) {
    setObjectName("frmSysTray");
    //: The title of the tray icon's menu (seen by screen readers).
    menu_ = new QMenu(tr("&Popup"));
    menu_->setObjectName("mnuPopup");
    connect(menu_, &QMenu::aboutToShow, this, &frmSysTray::MenuAboutToShow);
    dbusHost_ = StatusNotifierHostPresent();
    icon_ = new QSystemTrayIcon(this);
    icon_->setContextMenu(menu_);
    connect(icon_, &QSystemTrayIcon::activated, this, &frmSysTray::activate);
}

frmSysTray::~frmSysTray() {
    icon_->hide();  // the icon leaves the tray with its window
    delete menu_;
}

void frmSysTray::ToolTip(const QString& text) {
    const QString tip = text.left(kTipLength);
    if (tip == tip_) return;
    tip_ = tip;
    icon_->setToolTip(tip_);
    ++tipChanges_;
}

void frmSysTray::IconHandle(const QIcon& icon) {
    if (icon.cacheKey() == iconKey_) return;
    iconKey_ = icon.cacheKey();
    icon_->setIcon(icon);
    if (!icon_->isVisible()) icon_->show();  // into the tray with its first icon, never without one
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

bool frmSysTray::StatusNotifierHostPresent() {
    // Asked once a run, as the toolkit does when it chooses between the D-Bus and the X11 tray.
    static const bool present = [] {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) return false;
        QDBusMessage ask = QDBusMessage::createMethodCall("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                                                          "org.freedesktop.DBus.Properties", "Get");
        ask << QString("org.kde.StatusNotifierWatcher") << QString("IsStatusNotifierHostRegistered");
        const QDBusMessage reply = bus.call(ask, QDBus::Block, 2000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
        return qvariant_cast<QDBusVariant>(reply.arguments().first()).variant().toBool();
    }();
    return present;
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

#include "DesktopNotice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFile>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QVariantMap>

#include "frmSysTray.h"
#include "modNoorvale.h"
#include "modRegistry.h"

namespace nv {

namespace {
const QString kService = "org.freedesktop.Notifications";
const QString kPath = "/org/freedesktop/Notifications";
std::string alertsKey() { return std::string(kNoorvaleKey) + "\\Options\\Alerts"; }

// The program's icon as a file the service can read, else its name in the icon theme.
QString iconForNotice() {
    const QString file = QString::fromStdString(ProgramFolder()) + "/graphics/Main_ON.png";
    return QFile::exists(file) ? file : QString("noorvale");
}
}  // namespace

bool LoadDesktopNotice() { return ReadRegValue(HKEY_CURRENT_USER, alertsKey(), "DesktopNotice", 1).toLong() != 0; }

void SaveDesktopNotice(bool on) { WriteRegLong(HKEY_CURRENT_USER, alertsKey(), "DesktopNotice", on ? 1 : 0); }

DesktopNotice::DesktopNotice(QObject* parent) : QObject(parent) {}

void DesktopNotice::Show(const QString& summary, const QString& body, bool stopAction, frmSysTray* tray) {
    QPointer<frmSysTray> owner(tray);
    // Only the XEmbed tray has a balloon of its own: a tray on D-Bus hands its messages to the very
    // service that is missing.
    auto showBalloon = [this, owner, summary, body] {
        if (owner && !owner->DBusHost() && owner->icon() && owner->icon()->isVisible())
            owner->icon()->showMessage(summary, body, QSystemTrayIcon::Information);
        emit shown(false);
    };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        showBalloon();
        return;
    }
    // The bus is first touched at the first notice, not at start-up. From any sender: naming the
    // service would ask the bus for its owner and wait; the sender is checked as the signal comes.
    if (!listening_)
        listening_ = bus.connect(QString(), kPath, kService, "ActionInvoked", this,
                                 SLOT(onActionInvoked(uint, QString, QDBusMessage)));
    QDBusMessage notify = QDBusMessage::createMethodCall(kService, kPath, kService, "Notify");
    const QStringList actions = stopAction ? QStringList{kStopKey, tr("Stop sound")} : QStringList{};
    QVariantMap hints;
    hints["desktop-entry"] = QString("noorvale");
    hints["urgency"] = QVariant::fromValue<uchar>(1);
    notify << QString("Noorvale") << static_cast<uint>(id_) << iconForNotice() << summary << body << actions << hints
           << static_cast<int>(-1);
    // Asked without waiting: the window goes on ticking while the service answers.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, showBalloon] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            id_ = reply.arguments().first().toUInt();
            server_ = reply.service();
            emit shown(true);
            return;
        }
        // The balloon only where the bus has no such service: one that failed or was slow to
        // answer may show the notice yet, and a prayer gets one notice.
        const QString error = reply.errorName();
        if (error == "org.freedesktop.DBus.Error.ServiceUnknown" || error == "org.freedesktop.DBus.Error.NameHasNoOwner")
            showBalloon();
    });
}

void DesktopNotice::onActionInvoked(uint id, const QString& key, const QDBusMessage& message) {
    if (id == id_ && id_ != 0 && key == kStopKey && message.service() == server_) emit stopRequested();
}

}  // namespace nv

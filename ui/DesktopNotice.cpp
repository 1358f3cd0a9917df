#include "DesktopNotice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QVariantMap>

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

void DesktopNotice::Show(const QString& summary, const QString& body, bool stopAction, QSystemTrayIcon* fallback) {
    QPointer<QSystemTrayIcon> tray(fallback);
    auto showFallback = [this, tray, summary, body] {
        if (tray && tray->isVisible() && QSystemTrayIcon::supportsMessages())
            tray->showMessage(summary, body, QSystemTrayIcon::Information);
        emit shown(false);
    };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        showFallback();
        return;
    }
    if (!listening_)  // the bus is first touched at the first notice, not at start-up
        listening_ = bus.connect(kService, kPath, kService, "ActionInvoked", this, SLOT(onActionInvoked(uint, QString)));
    QDBusMessage notify = QDBusMessage::createMethodCall(kService, kPath, kService, "Notify");
    const QStringList actions = stopAction ? QStringList{kStopKey, tr("Stop sound")} : QStringList{};
    QVariantMap hints;
    hints["desktop-entry"] = QString("noorvale");
    hints["urgency"] = QVariant::fromValue<uchar>(1);
    notify << QString("Noorvale") << static_cast<uint>(id_) << iconForNotice() << summary << body << actions << hints
           << static_cast<int>(-1);
    // Asked without waiting: the window goes on ticking while the service answers.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, showFallback] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            showFallback();
            return;
        }
        id_ = reply.value();
        emit shown(true);
    });
}

void DesktopNotice::onActionInvoked(uint id, const QString& key) {
    if (id == id_ && id_ != 0 && key == kStopKey) emit stopRequested();
}

}  // namespace nv

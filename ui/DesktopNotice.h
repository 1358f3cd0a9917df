// DesktopNotice: the desktop notification shown at each prayer, through the freedesktop
// notification service (org.freedesktop.Notifications) on the session bus. Each notice replaces
// the one before it; while an alert sound plays it offers the action "Stop sound". Where the bus
// has no notification service, the XEmbed tray icon's balloon is shown instead. A prayer gets one
// notice, never two: a service that is slow to answer is waited for, never doubled by the balloon,
// and a tray on D-Bus has no balloon of its own (its messages go to the same service). Nothing
// here waits for the service: its answers arrive as events.
//
// The user switches the notices on and off in Options ("\Options\Alerts", "DesktopNotice": 1
// on, the default; 0 off).
#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>


namespace nv {

class frmSysTray;

bool LoadDesktopNotice();
void SaveDesktopNotice(bool on);

class DesktopNotice : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kStopKey = "stop";

    explicit DesktopNotice(QObject* parent = nullptr);

    // Shows `summary` with `body`; with `stopAction` the notice offers "Stop sound". `tray` (may
    // be null) shows the message where there is no notification service.
    void Show(const QString& summary, const QString& body, bool stopAction, frmSysTray* tray);
    // The service's number of the last notice shown (0 before the first answer).
    uint32_t LastId() const { return id_; }

signals:
    // The user chose "Stop sound" on the notice.
    void stopRequested();
    // The service answered a Show (byService), or there was no service and the tray's balloon,
    // if any, was shown instead.
    void shown(bool byService);

private slots:
    void onActionInvoked(uint id, const QString& key, const QDBusMessage& message);

private:
    uint32_t id_ = 0;
    QString server_;  // the service's unique name on the bus, from its last answer
    bool listening_ = false;
};

}  // namespace nv

// DesktopNotice: the desktop notification shown at each prayer, through the freedesktop
// notification service (org.freedesktop.Notifications) on the session bus. Each notice replaces
// the one before it; while an alert sound plays it offers the action "Stop sound". Where the bus
// has no notification service, the tray icon's own message is shown instead.
//
// The user switches the notices on and off in Options ("\Options\Alerts", "DesktopNotice": 1
// on, the default; 0 off).
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>

class QSystemTrayIcon;

namespace nv {

bool LoadDesktopNotice();
void SaveDesktopNotice(bool on);

class DesktopNotice : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kStopKey = "stop";

    explicit DesktopNotice(QObject* parent = nullptr);

    // Shows `summary` with `body`; with `stopAction` the notice offers "Stop sound". `fallback`
    // (may be null) shows the message where there is no notification service.
    void Show(const QString& summary, const QString& body, bool stopAction, QSystemTrayIcon* fallback);
    // The service's number of the last notice shown (0 before the first answer).
    uint32_t LastId() const { return id_; }

signals:
    // The user chose "Stop sound" on the notice.
    void stopRequested();
    // The service answered a Show (or failed to, and the fallback ran).
    void shown(bool byService);

private slots:
    void onActionInvoked(uint id, const QString& key);

private:
    uint32_t id_ = 0;
    bool listening_ = false;
};

}  // namespace nv

// Whether the desktop has a system tray, asked at start and again every few seconds (desktops
// gain and lose their tray as panels and extensions come and go). Without a tray the program
// must keep a window the user can reach: its owner minimises a closed window instead of hiding
// it, and opens the compact clock instead of living in the tray alone.
#pragma once

#include <QObject>
#include <functional>

class QTimer;

namespace nv {

class TrayWatch : public QObject {
    Q_OBJECT

public:
    // How the tray is asked for; QSystemTrayIcon::isSystemTrayAvailable unless a test set it.
    static std::function<bool()>& Source();

    explicit TrayWatch(QObject* parent = nullptr, int intervalMs = 5000);

    bool Available() const { return available_; }
    // Asks again; emits changed when the answer differs from the last one.
    void Poll();

signals:
    void changed(bool available);

private:
    QTimer* timer_ = nullptr;
    bool available_ = false;
};

}  // namespace nv

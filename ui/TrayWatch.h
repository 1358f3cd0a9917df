// Whether the desktop has a system tray, followed while the program runs (desktops gain and lose
// their tray as panels and extensions come and go). Without a tray the program must keep a
// window the user can reach: its owner minimises a closed window instead of hiding it, and opens
// the compact clock instead of living in the tray alone.
//
// Nothing here waits for another program: a tray on D-Bus (a StatusNotifierWatcher with a host)
// is learnt from the bus's signals and from questions whose answers arrive as events, so a
// watcher that hangs delays neither the alerts nor a second start. On X11 the XEmbed tray (the
// owner of the _NET_SYSTEM_TRAY_S<n> selection) counts too; the X server names it and the
// toolkit reports its changes.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QDBusPendingCallWatcher;

namespace nv {

class XEmbedTray;

class TrayWatch : public QObject {
    Q_OBJECT

public:
    // A test's answer in place of the desktop's; empty (the default) watches the desktop.
    static std::function<bool()>& Source();

    explicit TrayWatch(QObject* parent = nullptr);
    ~TrayWatch() override;

    bool Available() const { return available_; }
    // The first answer is in (at once with a test's answer or without a session bus; a watcher
    // that does not answer within kFirstAnswerMs counts as no tray until it does).
    bool Settled() const { return settled_; }
    // The tray is a StatusNotifierItem host on the session bus (the toolkit then shows the icon
    // over D-Bus, and the host draws its menu).
    bool DBusHost() const { return dbus_ == Yes; }
    // The toolkit's tray icon can be made now without it waiting for the watcher: a host
    // answered, or (on X11, where the toolkit then uses the XEmbed tray) the bus said there is none.
    bool IconPlaceable() const;
    // Asks again: a test's answer at once, the desktop's without waiting.
    void Poll();

    static constexpr int kFirstAnswerMs = 2000;

signals:
    // Available() changed, or the first answer came.
    void changed(bool available);

private slots:
    void onHostRegistered();
    void onHostUnregistered();

private:
    enum DBusState { Asking, Yes, No, Silent };
    void ask(int timeoutMs);
    void onAnswer(QDBusPendingCallWatcher* call);
    void setDBus(DBusState state);
    void update();

    DBusState dbus_ = Asking;
    std::unique_ptr<XEmbedTray> xembed_;  // on X11 only
    bool available_ = false;
    bool settled_ = false;
    bool asking_ = false;
    bool askAgain_ = false;
};

}  // namespace nv

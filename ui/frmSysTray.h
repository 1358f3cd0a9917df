// frmSysTray: the program's icon in the desktop's notification area (the system tray), with its
// pop-up menu. It shows the program's state (its picture blinks during a prayer's minute), its
// tool tip tells the next prayer, and it reports mouse actions and menu choices as signals.
// Built on QSystemTrayIcon and QMenu: a left click reports a mouse-down of button 1, the
// context-menu request a mouse-down of button 2 (and the owner shows the menu), a double click
// a double click of button 1. The menu is also handed to the tray itself, so the desktops that
// draw tray menus on their own (StatusNotifierItem hosts over D-Bus: KDE Plasma, the
// AppIndicator extension) show it; such hosts send a single Activate for a click and never a
// double click, so there a left click also reports a double click (the normal view).
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <cstdint>
#include <vector>

class QAction;
class QMenu;

namespace nv {

class TrayWatch;

class frmSysTray : public QObject {
    Q_OBJECT

public:
    static constexpr int kTipLength = 63;  // characters of a tool tip that are kept

    explicit frmSysTray(QObject* parent = nullptr);
    ~frmSysTray() override;

    QString ToolTip() const { return tip_; }
    void ToolTip(const QString& text);
    // The icon shown; the same icon again changes nothing (its cache key is compared).
    void IconHandle(const QIcon& icon);
    // How many times the shown icon or tip was changed; read by tests.
    int IconChanges() const { return iconChanges_; }
    int TipChanges() const { return tipChanges_; }

    // Adds an item ("-" makes a separator) and returns its index, 0 for the first.
    int32_t AddMenuItem(const QString& caption, const QString& key = QString(), bool isDefault = false);
    void EnableMenuItem(int32_t index, bool enabled);
    // Pops the menu up at the mouse position, the default item in bold. Returns 0.
    int32_t ShowMenu();
    int32_t DefaultMenuIndex() const { return defaultIndex_; }

    QMenu* mnuPopup() const { return menu_; }
    QAction* mnuSysTray(int32_t index) const;
    // The toolkit's icon; null until the tray watch let it be made.
    QSystemTrayIcon* icon() const { return icon_; }
    // Follows `watch`: the icon is made as soon as it can be (now, or when the watch changes).
    void Attach(TrayWatch* watch);

    // The desktop reports an activation of the icon (also how tests click it).
    void activate(QSystemTrayIcon::ActivationReason reason);
    // True when the tray is a StatusNotifierItem host on the session bus (as the watch said when
    // the icon was made; the toolkit chooses the same way, once a run).
    bool DBusHost() const { return dbusHost_; }

signals:
    void SysTrayMouseDown(int button);
    void SysTrayMouseUp(int button);
    void SysTrayMouseMove();
    void SysTrayDoubleClick(int button);
    void MenuClick(int32_t index, const QString& key);
    // The menu is about to be shown, by us or by the desktop.
    void MenuAboutToShow();

private:
    void makeIcon(bool dbusHost);

    QSystemTrayIcon* icon_ = nullptr;
    QIcon picture_;
    QMenu* menu_ = nullptr;
    std::vector<QAction*> items_;
    QString tip_;
    qint64 iconKey_ = 0;
    int32_t defaultIndex_ = -1;
    int iconChanges_ = 0, tipChanges_ = 0;
    bool dbusHost_ = false;
};

}  // namespace nv

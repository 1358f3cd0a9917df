// frmMain: Noorvale's main window. It shows the prayer calendar as a report list (one row per
// day, one column per prayer period), the Alert Manager tree, the analog clock picClock, a
// toolbar, the menus and a status bar. It owns the AlertEngine and shows what it decides, in
// itself, the compact window and the tray. It is loaded once at start-up and lives until the
// program ends; closing it only hides it.
//
// Every control carries its name as its objectName (tlbMain, tvwAlertMngr, picHSplit, picClock,
// picVSplit, tabPrayerCal, lvwCalendar, stbMain; the menu entries mnuFile ... mnuHelpAbout).
// The controls are laid out by ArrangeControls in twips of the client area, as they are stored.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "AlertTexts.h"
#include "DateValue.h"
#include "DialogOwner.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPalette;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QToolButton;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

namespace nv {

class AlertEngine;
class CalendarModel;
class Clock;
class frmCompact;
class frmCustomize;
class frmOptions;
class frmSysTray;
class DesktopNotice;
class TrayWatch;

// A picture of the program's image lists by its key ("Main_ON", "BELL", "Print", ...): the
// file graphics/<key>.png of the program folder, or graphics/<key>-dark.png (light lines) when
// the application's palette is dark and there is one; an empty icon when there is none.
QIcon picture(const QString& key);
// True when the palette's window colour is dark.
bool DarkPalette(const QPalette& palette);


// The main clock's picture file: program-wide, shared with the Options dialog.
QString& ClockPicturePath();

// The update utility's command line: the update information file's address, the product name,
// the main program's file name and the field count, held scrambled; it is passed on as it is.
std::string UpdateParameters();

// The maker's pages the Help menu opens, by the menu entry's name ("mnuHelpHome" ...); empty for
// any other name.
QString HelpPage(const QString& entry);

// The day number UpdateLast stands for, seen from today's day number: a day number above today's
// is a day of the year before (of `daysLastYear` days), so it comes out at or below 0.
int32_t LastUpdateDay(int32_t updateLast, int32_t todayNumber, int32_t daysLastYear);

class frmMain : public QMainWindow, public DialogOwner {
    Q_OBJECT

public:
    // The compact window the view commands switch to is made when first needed (Compact()).
    frmMain();
    ~frmMain() override;

    // The window's load: settings, tray, clock, calendar, Alert Manager, timer.
    void Form_Load();
    // The window's unload: saves its settings and releases what it owns; the program ends
    // after it. Also run by SIGTERM and by the update start.
    void Form_Unload();

    void SelNormalView(bool show);
    void SelCompactView(bool show);
    void SaveCalProp() override;
    void SaveClockProp() override;
    void SaveUpdateProp() override;
    // The update reminder, once per start.
    void Check4Updates();
    void mnuViewRefresh_Click() override;
    void mnuViewNormal_Click();
    void mnuViewCompact_Click();

    // The desktop around the windows: whether it has a tray now, and the notices at a prayer.
    bool TrayAvailable() const;
    TrayWatch* Tray() const { return trayWatch_; }
    DesktopNotice* Notice() const { return notice_; }
    // Without a tray no view may be left hidden: the tray-only view opens the compact clock.
    void KeepReachable();
    // A second start asked for the main window: it comes back, a minimised one restored, and is
    // activated with the desktop's activation token when the second start had one.
    void BringForward(const QByteArray& activationToken);

    // A menu entry or toolbar button by its control name ("mnuViewYear") or, for a toolbar
    // button, its key in upper case ("TLB:VIEWS").
    QAction* action(const QString& name) const;
    // A status panel by its key, compared in upper case ("STATUS", "LOCATION", "DATE", "TIME").
    QLabel* panel(const QString& key) const;

    QToolBar* tlbMain = nullptr;
    QTreeWidget* tvwAlertMngr = nullptr;
    QFrame* picHSplit = nullptr;
    Clock* picClock = nullptr;
    QFrame* picVSplit = nullptr;
    QTabWidget* tabPrayerCal = nullptr;
    // The calendar: a list view of a CalendarModel, one row a day.
    QTreeView* lvwCalendar = nullptr;
    QStatusBar* stbMain = nullptr;
    frmSysTray* m_frmSysTray = nullptr;
    // The alerts: the day's schedule, the tick, the sound. The window shows what it decides.
    AlertEngine& Alerts() const { return *alerts_; }

    // The update reminder's values: days between reminders (0 = none) and the day of the year
    // the update utility was last started.
    int32_t UpdateMode = 14;
    int32_t UpdateLast = 0;

    // Double click in the Alert Manager: switches the selected prayer's sound for today.
    void ToggleAlertNode();

    // What the dialogs use of the main window.
    QWidget* OwnerWindow() override { return this; }
    QIcon TreeImage(const QString& key) const override { return picture(key); }
    Clock& MainClock() override { return *picClock; }
    QString& MainClockPicture() override { return ClockPicturePath(); }
    frmCompact* Compact() override;
    void ReloadCompact() override;
    int32_t UpdateDays() const override { return UpdateMode; }
    void UpdateDays(int32_t days) override { UpdateMode = days; }
    bool Gridlines() const override;
    void Gridlines(bool on) override;

    // The dialogs while they are open (null otherwise).
    frmCustomize* CustomizeDialog() const;
    frmOptions* OptionsDialog() const;

    // Repaints of the calendar while it fills (one per 20th day number); read by tests.
    int CalendarRepaints() const { return calendarRepaints_; }

signals:
    // The program ends after this (Exit, the update start, the session ending).
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Once the window manager has framed the window, the frame is kept on the work area.
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new palette (the desktop switched between light and dark): the pictures follow it.
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildClientArea();
    void buildStatusBar();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption, void (frmMain::*handler)());

    void LoadSystemValues();
    void FitTree();
    void LoadUpdateProp();
    void LoadClockProp();
    void ApplyToolbarText();
    void ShowToolbarPictures();

    void ShowCalendar(int view);
    void MarkToday();
    void SetupColumns();
    void RedisplayCalendar();
    void ArrangeControls();
    void SelectView(int view);
    void SelectDateStyle(int style);
    void AutoSizeColumns();
    void UpdateStatusClock();

    // What the window, the compact window and the tray show of the alert engine.
    void ObserveAlerts();
    void ShowNextPrayer(int16_t k, DateValue minute);
    void BlinkAlert(int16_t k, bool shown);
    void BuildAlertManager();
    // Prayer k's name as our texts show it: set apart when it is written right to left.
    QString PrayerName(int16_t k) const;
    // A schedule minute as its time of day, in the shown format and its own reading order.
    static QString SlotTime(DateValue t);
    // What the alerts say at prayer k's minute (AlertText), in the program's language.
    QString PrayerSentence(int16_t k, AlertForm form) const;
    QString AlertNodeText(int16_t k, bool soundOn) const;
    void CreateSysTray();
    void CreateDesktopHelpers();
    void AddShortcuts();
    void NameControls();
    void DescribeClocks();
    void ShowPictures();
    void CloseNormalView();
    void CloseCompactView();
    void NotifyPrayer(int16_t k);
    void m_frmSysTray_SysTrayDoubleClick(int button);
    void m_frmSysTray_SysTrayMouseDown(int button);
    void m_frmSysTray_MenuClick(int32_t index, const QString& key);
    void Exit();

    void tlbMain_ButtonClick(const QString& key);
    void tlbMain_ButtonMenuClick(const QString& key);
    void mnuFileClose_Click();
    void mnuViewToolbar_Click();
    void mnuViewText_Click();
    void mnuViewStatusBar_Click();
    void mnuViewToday_Click() { SelectView(1); }
    void mnuViewWeek_Click() { SelectView(2); }
    void mnuViewMonth_Click() { SelectView(3); }
    void mnuViewYear_Click() { SelectView(4); }
    void mnuViewGrego_Click() { SelectDateStyle(1); }
    void mnuViewHijri_Click() { SelectDateStyle(2); }
    void mnuFilePrint_Click();
    void mnuToolsUpdates_Click();
    void mnuToolsCustomize_Click();
    void mnuToolsOptions_Click();
    void mnuHelpContents_Click();
    void mnuHelpPage_Click(const QString& entry);
    void mnuHelpAbout_Click();
    // The compact window's message (the next prayer, or the blinking alert), kept while it has
    // no window yet.
    void CompactMessage(const QString& text);

    // Splitter dragging.
    void splitterPressed(QFrame* splitter);
    void splitterMoved(QFrame* splitter, const QPoint& offsetPixels);
    void splitterReleased(QFrame* splitter);

    // The smallest window (twips): below it the toolbar, tree and status bar would overlap.
    static constexpr double kMinWidth = 7000, kMinHeight = 3500;
    // The tree is never made smaller than this to fit a window.
    static constexpr double kMinTreeSide = 500;

    void PlaceCalendar();

    // Lengths of the client area in twips.
    double twipsX(int pixels) const;
    double twipsY(int pixels) const;
    int pixelsX(double twips) const;
    int pixelsY(double twips) const;

    QPointer<frmCompact> compact_;  // made the first time it is needed; the main window owns it
    QString compactMessage_;
    QPointer<frmCustomize> customize_;
    QPointer<frmOptions> options_;
    TrayWatch* trayWatch_ = nullptr;
    DesktopNotice* notice_ = nullptr;
    DateValue describedMinute_ = -1;
    QString describedMessage_;
    AlertEngine* alerts_ = nullptr;
    CalendarModel* calendar_ = nullptr;
    QIcon mainOn_, mainOff_;
    QWidget* client_ = nullptr;
    std::map<QString, QAction*> actions_;
    std::map<QString, QLabel*> panels_;
    QString helpFile_;
    bool unloading_ = false;
    bool framePending_ = false;  // shown, and not yet seen with its frame
    bool dragging_ = false;
    QPoint dragStart_;
    int calendarRepaints_ = 0;
};

}  // namespace nv

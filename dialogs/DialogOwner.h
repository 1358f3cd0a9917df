// What the Customize and Options dialogs use of the window that opens them (the main window):
// its tree pictures, its clock, calendar and update values with their savers, the compact
// window, and its Refresh command.
#pragma once

#include <QIcon>
#include <QString>
#include <cstdint>

class QWidget;

namespace nv {

class Clock;
class frmCompact;

class DialogOwner {
public:
    virtual ~DialogOwner() = default;

    // The window the dialogs are modal to.
    virtual QWidget* OwnerWindow() = 0;
    // A picture of the tree image list: "BELL", "SPEAKER", "GREEN", "RED".
    virtual QIcon TreeImage(const QString& key) const = 0;
    // Recalculates and redraws the calendar and the Alert Manager.
    virtual void mnuViewRefresh_Click() = 0;

    // The main clock and its picture file.
    virtual Clock& MainClock() = 0;
    virtual QString& MainClockPicture() = 0;
    // The compact window, loaded if it is not; null when the program has none.
    virtual frmCompact* Compact() = 0;
    // Unloads the compact window and loads it again from the saved values.
    virtual void ReloadCompact() = 0;
    // Days between update reminders (0 = none).
    virtual int32_t UpdateDays() const = 0;
    virtual void UpdateDays(int32_t days) = 0;
    // Grid lines of the calendar list.
    virtual bool Gridlines() const = 0;
    virtual void Gridlines(bool on) = 0;

    virtual void SaveUpdateProp() = 0;
    virtual void SaveCalProp() = 0;
    virtual void SaveClockProp() = 0;
};

}  // namespace nv

// frmCompact: the compact view, a borderless window with the analog clock picSmClock joined to
// a thin control bar (fraControl) that carries the next-prayer message (lblMessage), a push pin
// (chkOnTop) that keeps the window above all others, and a close button (cmdClose). Its outline
// is cut to the clock's oval plus the bar, and the user moves it by dragging the bar with the
// left button. Its look lives in the settings under "Options\Compact\" and "System\frmCompact".
//
// The window loads itself from the settings when it is created, and Unload() saves it; its
// owner (the program) deletes it after Unload(). The main window connects closeRequested and
// normalViewRequested to its own view switching.
#pragma once

#include <QPoint>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <cstdint>

class QFrame;
class QLabel;
class QToolButton;

namespace nv {

class Clock;

// The compact clock's picture path: program-wide, shared with the Options dialog.
QString& SmClockPicturePath();

class frmCompact : public QWidget {
    Q_OBJECT

public:
    explicit frmCompact(QWidget* parent = nullptr);

    Clock* picSmClock = nullptr;
    QFrame* fraControl = nullptr;
    QLabel* lblMessage = nullptr;
    QToolButton* chkOnTop = nullptr;
    QToolButton* cmdClose = nullptr;

    // Writes the clock's six values (ShowBorder, ShowNumbers, ShowSeconds, Picture, ColorBack,
    // ColorBorder) from its current properties and the program's compact picture path.
    void SaveSmClockProp();
    // 1: the bar on top of the clock; 2: directly under it; anything else: on top.
    void MoveControlBar(int16_t position);

    // The bar's background and the message's text colour (COLORREF numbers).
    int32_t fraControlBackColor() const { return barBack_; }
    void fraControlBackColor(int32_t color);
    int32_t lblMessageForeColor() const { return barFore_; }
    void lblMessageForeColor(int32_t color);

    // The window's outline as it was cut at load.
    QRegion Outline() const { return outline_; }

    // The window goes away: its outline is removed and its values are saved.
    void Unload();

signals:
    // The close button: the main window hides the compact view (SelCompactView false).
    void closeRequested();
    // A double click on the message: back to the normal view (the main window's Normal command).
    void normalViewRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A close from the window manager does what the close button does.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void ShapeWindow();
    void chkOnTop_Click();
    void cmdClose_Click();
    void setTopMost(bool on);

    int32_t barBack_ = 0xFF0000, barFore_ = 0xFFFFFF;
    QRegion outline_;
    bool pressed_ = false, dragging_ = false;
    QPoint pressGlobal_, pressWindowPos_;
};

}  // namespace nv

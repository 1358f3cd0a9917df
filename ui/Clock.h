// Clock: the analog clock control. It draws an oval face, the hour, minute and second hands,
// optionally the numbers 12, 3, 6 and 9 and a background picture stretched over its area, and
// moves the hands by itself from the program's clock (nv::now()) on a 499 ms timer that redraws
// only when the second changes. All geometry follows the control's size, so one control serves
// the main window's large clock (picClock) and the compact window's small one (picSmClock).
//
// Properties follow the program's style: Name() reads, Name(value) sets. Colours are COLORREF
// numbers (0x00BBGGRR). Setters other than Enabled, BackMode and BorderMode announce the change
// through PropertyChanged. A setter that fails raises error 0x80042906 "Clock component
// failure" with source "Noorvale.Clock." + the property's name.
#pragma once

#include <QFont>
#include <QColor>
#include <QImage>
#include <QLine>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QVariantMap>
#include <QWidget>
#include <array>
#include <cstdint>

class QTimer;

namespace nv {

inline constexpr int32_t kErrClockFailure = static_cast<int32_t>(0x80042906u);

class Clock : public QWidget {
    Q_OBJECT

public:
    // A freshly created control: no numbers, face outline and second hand shown, black hands,
    // white face, opaque black background, no border, timer off.
    explicit Clock(QWidget* parent = nullptr);

    int32_t BorderMode() const { return borderMode_; }
    void BorderMode(int32_t value);  // non-zero: a single-line border around the control
    int32_t BackMode() const { return backMode_; }
    void BackMode(int32_t value);  // non-zero: the background is painted; 0: transparent
    bool Enabled() const { return enabled_; }
    void Enabled(bool value);  // the tick timer runs exactly when true
    bool ShowNumbers() const { return showNumbers_; }
    void ShowNumbers(bool value);
    bool ShowBorder() const { return showBorder_; }
    void ShowBorder(bool value);  // the face outline
    bool ShowSeconds() const { return showSeconds_; }
    void ShowSeconds(bool value);
    // The colour of the outline, hands and numbers as used: a value equal to ColorBack is
    // replaced by the contrast rule (see ColorRef.h).
    int32_t ColorBorder() const { return colorBorder_; }
    void ColorBorder(int32_t value);
    int32_t ColorBack() const { return colorBack_; }
    void ColorBack(int32_t value);
    // Setting it fills the face with this colour (again, after a picture was assigned).
    int32_t ColorFace() const { return colorFace_; }
    void ColorFace(int32_t value);
    // The background picture, a null image for none. Assigning (even none) leaves the face
    // unfilled until ColorFace is set again.
    const QImage& Picture() const { return picture_; }
    void Picture(const QImage& value);

    // A background left at the default white takes the window's colour instead, so the clock
    // sits in a dark window without a white square; a round face picture (the program's own)
    // then leaves its corners to that background.
    void FollowWindowColor(bool on, bool roundPicture);
    // The colour the background is filled with.
    QColor BackgroundColor() const;

    // The saved property set, by the names "Enabled", "ShowNumbers", "ShowBorder",
    // "ShowSeconds", "ColorBack", "ColorBorder", "ColorFace", "Picture", "BackMode",
    // "BorderMode". Absent names read as their defaults; values equal to the default are not
    // written; the picture is assigned only when one is stored.
    void ReadProperties(const QVariantMap& bag);
    QVariantMap WriteProperties() const;

    // The inner parts as laid out, in the control's pixels.
    QRectF ClockFace() const { return face_; }
    bool FaceFilled() const { return faceFilled_; }
    QLine lHour() const { return hands_[0]; }
    QLine lMinute() const { return hands_[1]; }
    QLine lSecond() const { return hands_[2]; }
    // Label 0 "12", 1 "3", 2 "6", 3 "9": its rectangle, empty while the numbers are hidden.
    QRect lblNumber(int index) const;
    int NumberFontSize() const { return numberFont_.pointSize(); }
    // The time text ("hhmmss") the hands show.
    QString TimeText() const { return timeText_; }

signals:
    void PropertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The timer's tick: redraws the hands when the second has changed since the last tick.
    void tmrClock_Timer();

private:
    // Offset of a point `r` × `f` out from the centre in the direction `pos` sixtieths of a
    // turn (nearest integer, halves to even).
    static int16_t GiveX(int16_t pos, int16_t r, float f);
    static int16_t GiveY(int16_t pos, int16_t r, float f);
    void UserControl_Resize();
    void DrawHands(const QString& t);
    void PlaceNumbers();
    double scaleWidth() const;
    double scaleHeight() const;
    int inset() const { return borderMode_ != 0 ? 1 : 0; }
    static QString currentTimeText();

    int32_t borderMode_ = 0, backMode_ = 1;
    bool enabled_ = false, showNumbers_ = false, showBorder_ = true, showSeconds_ = true;
    int32_t colorBorder_ = 0, colorBack_ = 0, colorFace_ = 0xFFFFFF;
    bool followWindow_ = false, roundPicture_ = false;
    bool faceFilled_ = true;
    QImage picture_;
    QPixmap scaledPicture_;  // the picture stretched to the current size, made on first paint

    QRectF face_;
    int32_t cx_ = 0, cy_ = 0;
    std::array<QLine, 3> hands_{};
    QFont numberFont_;
    std::array<QRect, 4> numbers_{};
    QString timeText_;       // last computed
    QString lastDrawnText_;  // last drawn by the timer
    QTimer* tmrClock_ = nullptr;
};

}  // namespace nv

#include "Clock.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QRegion>
#include <QTimer>
#include <cmath>

#include "ColorRef.h"
#include "DateValue.h"
#include "FormatDate.h"
#include "VbConv.h"
#include "VbError.h"

namespace nv {

namespace {

constexpr const char* kSource = "Noorvale.Clock.";
constexpr const char* kFailure = "Clock component failure";
constexpr double kTwoPi = 6.28318530717958;
const char* const kNumberTexts[4] = {"12", "3", "6", "9"};

// A procedure of the control: its own errors reach the caller as the component failure.
template <class F>
void trapped(const char* procedure, F&& body) {
    classTrap(kErrClockFailure, kSource, procedure, kFailure, std::forward<F>(body));
}

// Reads one value of a saved property set, or its default when the name is absent.
template <class T>
T bagValue(const QVariantMap& bag, const char* name, T defaultValue) {
    const auto it = bag.constFind(QLatin1String(name));
    return it == bag.constEnd() ? defaultValue : it->value<T>();
}

}  // namespace

Clock::Clock(QWidget* parent) : QWidget(parent) {
    numberFont_.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    numberFont_.setPointSize(8);
    tmrClock_ = new QTimer(this);
    tmrClock_->setObjectName(QStringLiteral("tmrClock"));
    tmrClock_->setInterval(499);
    connect(tmrClock_, &QTimer::timeout, this, &Clock::tmrClock_Timer);
    timeText_ = currentTimeText();
}

// --- properties --------------------------------------------------------------------------

void Clock::BorderMode(int32_t value) {
    trapped("BorderMode", [&] {
        borderMode_ = value != 0 ? 1 : 0;
        UserControl_Resize();  // the border takes its line from the drawing area
    });
}

void Clock::BackMode(int32_t value) {
    trapped("BackMode", [&] {
        backMode_ = value != 0 ? 1 : 0;
        update();
    });
}

void Clock::Enabled(bool value) {
    trapped("Enabled", [&] {
        enabled_ = value;
        if (value)
            tmrClock_->start();
        else
            tmrClock_->stop();
    });
}

void Clock::ShowNumbers(bool value) {
    trapped("ShowNumbers", [&] {
        showNumbers_ = value;
        UserControl_Resize();
        emit PropertyChanged(QStringLiteral("ShowNumbers"));
    });
}

void Clock::ShowBorder(bool value) {
    trapped("ShowBorder", [&] {
        showBorder_ = value;
        update();
        emit PropertyChanged(QStringLiteral("ShowBorder"));
    });
}

void Clock::ShowSeconds(bool value) {
    trapped("ShowSeconds", [&] {
        showSeconds_ = value;
        update();
        emit PropertyChanged(QStringLiteral("ShowSeconds"));
    });
}

void Clock::ColorBorder(int32_t value) {
    trapped("ColorBorder", [&] {
        colorBorder_ = contrastColor(value, colorBack_);
        update();
        emit PropertyChanged(QStringLiteral("ColorBorder"));
    });
}

void Clock::ColorBack(int32_t value) {
    trapped("ColorBack", [&] {
        colorBack_ = value;
        update();
        emit PropertyChanged(QStringLiteral("ColorBack"));
    });
}

void Clock::ColorFace(int32_t value) {
    trapped("ColorFace", [&] {
        colorFace_ = value;
        faceFilled_ = true;
        update();
        emit PropertyChanged(QStringLiteral("ColorFace"));
    });
}

void Clock::Picture(const QImage& value) {
    trapped("Picture", [&] {
        picture_ = value;
        scaledPicture_ = QPixmap();
        ColorBorder(colorBorder_);  // the contrast rule against the current background
        ColorFace(colorFace_);
        faceFilled_ = false;  // the picture shows through the face
        UserControl_Resize();
        emit PropertyChanged(QStringLiteral("Picture"));
    });
}

// --- saved property set ------------------------------------------------------------------

void Clock::ReadProperties(const QVariantMap& bag) {
    trapped("UserControl_ReadProperties", [&] {
        Enabled(bagValue(bag, "Enabled", false));
        ShowNumbers(bagValue(bag, "ShowNumbers", false));
        ShowBorder(bagValue(bag, "ShowBorder", true));
        ShowSeconds(bagValue(bag, "ShowSeconds", true));
        ColorBack(bagValue<int32_t>(bag, "ColorBack", 0xFFFFFF));
        ColorBorder(bagValue<int32_t>(bag, "ColorBorder", 0));
        ColorFace(bagValue<int32_t>(bag, "ColorFace", 0xFFFFFF));
        if (bag.contains(QStringLiteral("Picture"))) Picture(bag.value(QStringLiteral("Picture")).value<QImage>());
        BackMode(bagValue<int32_t>(bag, "BackMode", 1));
        BorderMode(bagValue<int32_t>(bag, "BorderMode", 1));
    });
}

QVariantMap Clock::WriteProperties() const {
    QVariantMap bag;
    trapped("UserControl_WriteProperties", [&] {
        auto put = [&bag](const char* name, const QVariant& value, const QVariant& defaultValue) {
            if (value != defaultValue) bag.insert(QLatin1String(name), value);
        };
        put("Enabled", enabled_, false);
        put("ShowNumbers", showNumbers_, false);
        put("ShowBorder", showBorder_, true);
        put("ShowSeconds", showSeconds_, true);
        put("ColorBack", colorBack_, 0xFFFFFF);
        put("ColorBorder", colorBorder_, 0);
        put("ColorFace", colorFace_, 0xFFFFFF);
        if (!picture_.isNull()) bag.insert(QStringLiteral("Picture"), picture_);
        put("BackMode", backMode_, 1);
        put("BorderMode", borderMode_, 1);
    });
    return bag;
}

// --- layout and drawing ------------------------------------------------------------------

QRect Clock::lblNumber(int index) const {
    if (!showNumbers_ || index < 0 || index > 3) return {};
    return numbers_[static_cast<size_t>(index)];
}

double Clock::scaleWidth() const { return std::max(0, width() - 2 * inset()); }
double Clock::scaleHeight() const { return std::max(0, height() - 2 * inset()); }

QString Clock::currentTimeText() {
    // The time to the whole second the clock is in (never rounded up into the next second).
    const DateValue t = std::floor(now() * 86400.0 + 1e-3) / 86400.0;
    return QString::fromStdString(FormatDate(t, "hhmmss"));
}

int16_t Clock::GiveX(int16_t pos, int16_t r, float f) {
    return toInt16(static_cast<double>(static_cast<float>(r) * f) * std::sin(pos / 60.0 * kTwoPi));
}

int16_t Clock::GiveY(int16_t pos, int16_t r, float f) {
    return toInt16(static_cast<double>(static_cast<float>(r) * f) * std::cos(pos / 60.0 * kTwoPi));
}

void Clock::DrawHands(const QString& t) {
    trapped("DrawHands", [&] {
        const int h = t.mid(0, 2).toInt(), m = t.mid(2, 2).toInt(), s = t.mid(4, 2).toInt();
        const int16_t rx = narrow16(cx_), ry = narrow16(cy_);
        auto hand = [&](int pos, float factor) {
            const auto p = static_cast<int16_t>(pos);
            return QLine(cx_, cy_, cx_ + GiveX(p, rx, factor), cy_ - GiveY(p, ry, factor));
        };
        hands_[0] = hand((h % 12) * 5 + m / 12, 0.55f);
        hands_[1] = hand(m, 0.75f);
        hands_[2] = hand(s, 0.85f);
    });
}

void Clock::PlaceNumbers() {
    trapped("PlaceNumbers", [&] {
        const double sw = scaleWidth(), sh = scaleHeight();
        const int targetHeight = toInt16(sh * 0.12);
        const int marginX = toInt16(sw * 0.035), marginY = toInt16(sh * 0.02);

        // The largest size (up to 1637 points) at which "3" stays below the target height, else 1.
        // A font's height grows in step with its size, so one measure at a large size puts the
        // search within a point or two; every size measured loads the font anew.
        QFont font = numberFont_;
        const auto height = [&](int size) {
            font.setPointSize(size);
            return QFontMetrics(font, this).height();
        };
        constexpr int kLargest = 1637, kMeasure = 100;
        int size = std::clamp(static_cast<int>(double(kMeasure) * targetHeight / std::max(1, height(kMeasure))), 1,
                              kLargest);
        while (size > 1 && height(size) >= targetHeight) --size;
        while (size < kLargest && height(size + 1) < targetHeight) ++size;
        font.setPointSize(size);
        numberFont_ = font;

        const QFontMetrics metrics(font, this);
        const int w = toInt32(sw), hgt = toInt32(sh);
        for (int i = 0; i < 4; ++i) {
            const int lw = metrics.horizontalAdvance(QLatin1String(kNumberTexts[i]));
            const int lh = metrics.height();
            QPoint at;
            switch (i) {
                case 0: at = {cx_ - lw / 2, marginY}; break;
                case 1: at = {w - lw - marginX, cy_ - lh / 2}; break;
                case 2: at = {cx_ - lw / 2, hgt - lh - marginY}; break;
                default: at = {marginX, cy_ - lh / 2}; break;
            }
            numbers_[static_cast<size_t>(i)] = QRect(at, QSize(lw, lh));
        }
    });
}

void Clock::UserControl_Resize() {
    resumeNext([&] { tmrClock_->stop(); });
    resumeNext([&] { face_ = QRectF(scaleWidth() * 0.01, scaleHeight() * 0.01, scaleWidth() * 0.98, scaleHeight() * 0.98); });
    resumeNext([&] { cx_ = toInt32(scaleWidth()) / 2; });
    resumeNext([&] { cy_ = toInt32(scaleHeight()) / 2; });
    resumeNext([&] { timeText_ = currentTimeText(); });
    resumeNext([&] { DrawHands(timeText_); });
    if (showNumbers_) resumeNext([&] { PlaceNumbers(); });
    resumeNext([&] {
        scaledPicture_ = QPixmap();
        update();
    });
    if (enabled_) resumeNext([&] { tmrClock_->start(); });
}

void Clock::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UserControl_Resize();
}

void Clock::tmrClock_Timer() {
    QString t;
    resumeNext([&] { t = currentTimeText(); });
    if (t.isEmpty() || t == lastDrawnText_) return;
    timeText_ = t;
    const std::array<QLine, 3> before = hands_;
    resumeNext([&] { DrawHands(t); });
    lastDrawnText_ = t;
    // Only where a hand was and is now is painted again (most seconds, the second hand alone):
    // the picture, face and numbers elsewhere stay as they were.
    QRegion moved;
    for (size_t i = 0; i < hands_.size(); ++i) {
        if (hands_[i] == before[i]) continue;
        for (const QLine& line : {before[i], hands_[i]})
            moved += QRect(line.p1(), line.p2()).normalized().adjusted(-4, -4, 5, 5).translated(inset(), inset());
    }
    update(moved);
}

// Paint runs from the event loop, where nothing may be thrown: a failing step is skipped.
void Clock::FollowWindowColor(bool on, bool roundPicture) {
    followWindow_ = on;
    roundPicture_ = roundPicture;
    update();
}

QColor Clock::BackgroundColor() const {
    return followWindow_ && colorBack_ == 0xFFFFFF ? palette().color(QPalette::Window) : colorFromRef(colorBack_);
}

void Clock::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QColor ink = colorFromRef(colorBorder_);
    if (backMode_ != 0) p.fillRect(rect(), BackgroundColor());
    if (borderMode_ != 0) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.translate(inset(), inset());

    if (!picture_.isNull()) {
        resumeNext([&] {
            // Stretched over the area less a margin of 2 twips on every side.
            const double margin = 2.0 * logicalDpiX() / 1440.0;
            const QRectF target(margin, margin, scaleWidth() - 2 * margin, scaleHeight() - 2 * margin);
            const QSize size = target.size().toSize();
            if (size.isEmpty()) return;
            if (scaledPicture_.size() != size)
                scaledPicture_ = QPixmap::fromImage(picture_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            if (roundPicture_ && followWindow_) {
                QPainterPath round;
                round.addEllipse(target);
                p.setClipPath(round);
                p.setRenderHint(QPainter::Antialiasing);
            }
            p.drawPixmap(target.topLeft(), scaledPicture_);
            p.setClipping(false);
        });
    }

    p.setRenderHint(QPainter::Antialiasing);
    if (faceFilled_ || showBorder_) {
        p.setPen(showBorder_ ? QPen(ink, 1) : QPen(Qt::NoPen));
        p.setBrush(faceFilled_ ? QBrush(colorFromRef(colorFace_)) : QBrush(Qt::NoBrush));
        p.drawEllipse(face_);
    }
    if (showNumbers_) {
        p.setFont(numberFont_);
        p.setPen(ink);
        // Only those the paint reaches: a second's repaint is the hands' strips alone, and laying
        // out text that would be clipped away is most of its cost.
        for (size_t i = 0; i < numbers_.size(); ++i)
            if (event->region().intersects(numbers_[i].translated(inset(), inset())))
                p.drawText(numbers_[i], Qt::AlignCenter, QLatin1String(kNumberTexts[i]));
    }

    // Hands on pixel centres, so a hand along an axis covers whole pixels.
    p.translate(0.5, 0.5);
    const int widths[3] = {4, 3, 1};
    for (int i = 0; i < 3; ++i) {
        if (i == 2 && !showSeconds_) break;
        p.setPen(QPen(ink, widths[i], Qt::SolidLine, Qt::RoundCap));
        p.drawLine(hands_[static_cast<size_t>(i)]);
    }
}

}  // namespace nv

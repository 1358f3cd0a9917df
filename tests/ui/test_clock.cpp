// The analog clock control, really laid out and painted offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTimer>
#include <cstdlib>

#include "Clock.h"
#include "support/FixedClock.h"

namespace nv {
namespace {

// Exposes the timer's tick and counts the paints that reach the control.
class TickClock : public Clock {
public:
    using Clock::tmrClock_Timer;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override {
        ++paints;
        Clock::paintEvent(e);
    }
};

class ClockTest : public ::testing::Test {
protected:
    // A plain clock on screen: white ground and face, black hands, no numbers, no outline.
    // (A control is laid out on its resize events, which a hidden widget does not get.)
    static void plain(Clock& c, int w = 200, int h = 200) {
        c.ColorBack(0xFFFFFF);
        c.ColorBorder(0);
        c.ShowBorder(false);
        c.show();
        c.resize(w, h);
    }
    static bool dark(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 60; }
    static bool light(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) > 200; }

    test::FixedClock clock;
};

// The numbers take the largest size that stays below 12 % of the clock's height, at any size.
TEST_F(ClockTest, TheNumbersAreAsLargeAsFitsAtEverySize) {
    Clock c;
    plain(c);
    c.ShowNumbers(true);
    for (int side : {10, 25, 60, 100, 200, 400, 1000, 3000}) {
        c.resize(side, side);
        const int target = side * 12 / 100;  // whole for these sides
        QFont font;
        font.setFamilies({"Tahoma", "DejaVu Sans", "Liberation Sans"});
        const auto height = [&](int size) {
            font.setPointSize(size);
            return QFontMetrics(font, &c).height();
        };
        const int size = c.NumberFontSize();
        EXPECT_EQ(c.lblNumber(1).height(), height(size)) << side;
        if (size > 1) {
            EXPECT_LT(height(size), target) << side;
        }
        EXPECT_GE(height(size + 1), target) << side;
    }
}

TEST_F(ClockTest, HandsPointAtTheirPositions) {
    Clock c;
    clock.set(10, 30, 15);
    plain(c);
    EXPECT_EQ(c.TimeText(), "103015");
    EXPECT_EQ(c.lHour(), QLine(100, 100, 59, 63));     // position 52: 10 × 5 + 30 \ 12
    EXPECT_EQ(c.lMinute(), QLine(100, 100, 100, 175)); // position 30: straight down
    EXPECT_EQ(c.lSecond(), QLine(100, 100, 185, 100)); // position 15: straight right

    for (int h : {0, 12}) {
        clock.set(h, 0, 0);
        c.resize(201, 200);
        c.resize(200, 200);
        EXPECT_EQ(c.lHour().p2(), QPoint(100, 45)) << h;
        EXPECT_EQ(c.lMinute().p2(), QPoint(100, 25)) << h;
        EXPECT_EQ(c.lSecond().p2(), QPoint(100, 15)) << h;
    }
}

TEST_F(ClockTest, HandsTraceTheOvalOfAWideControl) {
    Clock c;
    c.show();
    int maxX = 0, maxY = 0;
    for (int minutes = 0; minutes < 12 * 60; minutes += 3) {
        clock.set(minutes / 60, minutes % 60, 0);
        c.resize(2000, minutes % 2 ? 1000 : 1001);  // a new size lays the hands out again
        c.resize(2000, 1000);
        const QLine hour = c.lHour();
        ASSERT_EQ(hour.p1(), QPoint(1000, 500));
        maxX = std::max(maxX, std::abs(hour.dx()));
        maxY = std::max(maxY, std::abs(hour.dy()));
    }
    EXPECT_EQ(maxX, 550);
    EXPECT_EQ(maxY, 275);
}

TEST_F(ClockTest, PaintsHandsAndBackground) {
    Clock c;
    clock.set(3, 0, 0);
    plain(c);
    QImage img = c.grab().toImage();
    EXPECT_TRUE(light(img, 5, 5));
    EXPECT_TRUE(dark(img, 130, 100));  // hour hand, to the right
    EXPECT_TRUE(dark(img, 100, 50));   // minute hand, up
    EXPECT_TRUE(dark(img, 100, 20));   // only the second hand reaches this far
    EXPECT_TRUE(light(img, 100, 130));
    EXPECT_TRUE(light(img, 70, 100));

    c.ShowSeconds(false);
    img = c.grab().toImage();
    EXPECT_TRUE(light(img, 100, 20));
    EXPECT_TRUE(dark(img, 100, 50));

    c.ColorBack(0x0000FF);  // COLORREF red
    img = c.grab().toImage();
    EXPECT_EQ(img.pixelColor(3, 3), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(100, 150), QColor(255, 255, 255));  // the face stays white

    c.BackMode(0);  // transparent: the control paints no ground of its own
    QImage clear(200, 200, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    c.render(&clear, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(qAlpha(clear.pixel(3, 3)), 0);
    EXPECT_EQ(qAlpha(clear.pixel(100, 150)), 255);
}

TEST_F(ClockTest, ContrastRuleKeepsHandsVisible) {
    Clock c;
    c.ColorBack(0xFFFFFF);
    c.ColorBorder(0xFFFFFF);
    EXPECT_EQ(c.ColorBorder(), 1);
    c.ColorBack(0);
    c.ColorBorder(0);
    EXPECT_EQ(c.ColorBorder(), 0xFFFFFF);
    c.ColorBack(0x00FF00);
    c.ColorBorder(0x00FF00);
    EXPECT_EQ(c.ColorBorder(), 0xFFFFFF);
    c.ColorBorder(0x123456);
    EXPECT_EQ(c.ColorBorder(), 0x123456);

    // White hands on black, with a face that is black too.
    clock.set(3, 0, 0);
    c.ColorBack(0);
    c.ColorFace(0);
    c.ColorBorder(0);
    c.resize(200, 200);
    const QImage img = c.grab().toImage();
    EXPECT_EQ(img.pixelColor(130, 100), QColor(255, 255, 255));
    EXPECT_EQ(img.pixelColor(100, 150), QColor(0, 0, 0));
}

TEST_F(ClockTest, TickRedrawsOnlyWhenTheSecondChanges) {
    TickClock c;
    clock.set(8, 15, 40);
    plain(c);
    c.show();
    QApplication::processEvents();
    const QLine before = c.lSecond();

    clock.set(8, 15, 45);
    c.tmrClock_Timer();
    QApplication::processEvents();
    const int paints = c.paints;
    EXPECT_EQ(c.TimeText(), "081545");
    EXPECT_EQ(c.lSecond().p2(), QPoint(15, 100));  // second 45: straight left
    EXPECT_NE(c.lSecond(), before);

    c.tmrClock_Timer();  // the same second again: nothing to draw
    QApplication::processEvents();
    EXPECT_EQ(c.paints, paints);

    clock.set(8, 15, 46);
    c.tmrClock_Timer();
    QApplication::processEvents();
    EXPECT_EQ(c.paints, paints + 1);
    EXPECT_EQ(c.TimeText(), "081546");
}

TEST_F(ClockTest, TimerRunsExactlyWhenEnabled) {
    Clock c;
    c.show();
    auto* timer = c.findChild<QTimer*>(QStringLiteral("tmrClock"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 499);
    EXPECT_FALSE(timer->isActive());
    c.resize(120, 120);
    EXPECT_FALSE(timer->isActive());  // a resize restarts it only when enabled
    c.Enabled(true);
    EXPECT_TRUE(timer->isActive());
    c.resize(130, 130);
    EXPECT_TRUE(timer->isActive());
    c.Enabled(false);
    EXPECT_FALSE(timer->isActive());

    // Disabled, the hands keep the time of the last layout.
    clock.set(1, 2, 3);
    c.resize(140, 140);
    clock.set(4, 5, 6);
    QApplication::processEvents();
    EXPECT_EQ(c.TimeText(), "010203");
}

TEST_F(ClockTest, NumbersAreLaidOutWhenShown) {
    Clock c;
    clock.set(10, 8, 38);  // hands away from every number
    plain(c, 400, 200);
    EXPECT_TRUE(c.lblNumber(0).isEmpty());
    c.ShowNumbers(true);  // lays out at once
    const QRect n12 = c.lblNumber(0), n3 = c.lblNumber(1), n6 = c.lblNumber(2), n9 = c.lblNumber(3);
    ASSERT_FALSE(n12.isEmpty());
    EXPECT_LT(n3.height(), 24);  // below 12 % of the height
    EXPECT_GE(n3.height(), 14);  // and the largest size below it, not a tiny one
    EXPECT_EQ(n12.top(), 4);                          // margin Y = 2 % of 200
    EXPECT_EQ(n12.left(), 200 - n12.width() / 2);     // centred
    EXPECT_EQ(n3.right() + 1, 400 - 14);              // margin X = 3.5 % of 400
    EXPECT_EQ(n6.bottom() + 1, 200 - 4);
    EXPECT_EQ(n9.left(), 14);
    EXPECT_EQ(n9.top(), 100 - n9.height() / 2);

    // Each number is really drawn in the hands' colour.
    const QImage img = c.grab().toImage();
    int inked = 0;
    for (const QRect& n : {n12, n3, n6, n9}) {
        inked = 0;
        for (int y = n.top(); y <= n.bottom(); ++y)
            for (int x = n.left(); x <= n.right(); ++x) inked += dark(img, x, y);
        EXPECT_GT(inked, 5) << n.x() << "," << n.y();
    }
    // A repaint that reaches only part of it (a hand passing) draws that part again.
    QImage part(c.size(), QImage::Format_RGB32);
    part.fill(Qt::white);
    const QRect lower = n3.adjusted(0, n3.height() / 2, 0, 0);
    c.render(&part, lower.topLeft(), QRegion(lower));
    inked = 0;
    for (int y = lower.top(); y <= lower.bottom(); ++y)
        for (int x = lower.left(); x <= lower.right(); ++x) inked += dark(part, x, y);
    EXPECT_GT(inked, 2);

    c.ShowNumbers(false);
    EXPECT_TRUE(c.lblNumber(1).isEmpty());
}

TEST_F(ClockTest, PictureShowsThroughUntilTheFaceIsFilledAgain) {
    Clock c;
    clock.set(0, 0, 0);
    plain(c);
    QImage green(16, 16, QImage::Format_RGB32);
    green.fill(QColor(0, 160, 0));
    QStringList changed;
    QObject::connect(&c, &Clock::PropertyChanged, [&](const QString& name) { changed << name; });
    c.Picture(green);
    EXPECT_TRUE(changed.contains(QStringLiteral("Picture")));
    EXPECT_FALSE(c.FaceFilled());
    QImage img = c.grab().toImage();
    EXPECT_EQ(img.pixelColor(150, 150), QColor(0, 160, 0));
    EXPECT_EQ(img.pixelColor(1, 198), QColor(0, 160, 0));  // stretched over the whole area

    c.ColorFace(0xFFFFFF);
    EXPECT_TRUE(c.FaceFilled());
    img = c.grab().toImage();
    EXPECT_EQ(img.pixelColor(150, 150), QColor(255, 255, 255));
    EXPECT_EQ(img.pixelColor(1, 198), QColor(0, 160, 0));

    c.Picture(QImage());  // none: the face stays unfilled, the ground shows
    img = c.grab().toImage();
    EXPECT_EQ(img.pixelColor(150, 150), QColor(255, 255, 255));
    EXPECT_FALSE(c.FaceFilled());
}

TEST_F(ClockTest, SavedPropertySet) {
    Clock fresh;
    EXPECT_EQ(fresh.ColorBack(), 0);
    EXPECT_EQ(fresh.BorderMode(), 0);
    EXPECT_TRUE(fresh.ShowSeconds());
    const QVariantMap saved = fresh.WriteProperties();
    // Only what differs from the defaults is written.
    EXPECT_EQ(saved.keys(), (QStringList{QStringLiteral("BorderMode"), QStringLiteral("ColorBack")}));

    Clock restored;
    restored.ReadProperties({});
    EXPECT_EQ(restored.BorderMode(), 1);
    EXPECT_EQ(restored.ColorBack(), 0xFFFFFF);
    EXPECT_TRUE(restored.FaceFilled());
    EXPECT_TRUE(restored.Picture().isNull());

    QImage pic(4, 4, QImage::Format_RGB32);
    pic.fill(Qt::blue);
    restored.Picture(pic);
    restored.ShowNumbers(true);
    Clock copy;
    copy.ReadProperties(restored.WriteProperties());
    EXPECT_TRUE(copy.ShowNumbers());
    EXPECT_EQ(copy.Picture().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(copy.BorderMode(), 1);
}

TEST_F(ClockTest, OversizedControlKeepsRunning) {
    Clock c;
    clock.set(3, 0, 0);
    plain(c);
    const QLine hour = c.lHour();
    c.resize(70000, 100);  // a radius beyond 16 bits: the hands cannot be laid out
    ASSERT_EQ(c.width(), 70000);
    EXPECT_EQ(c.lHour(), hour);
    c.resize(100, 100);
    EXPECT_EQ(c.lHour(), QLine(50, 50, 78, 50));
}

}  // namespace
}  // namespace nv

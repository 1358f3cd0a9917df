// The compact window, loaded from and saved to a real settings store in a temporary home.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <memory>

#include "Clock.h"
#include "ColorRef.h"
#include "FitLabel.h"
#include "frmCompact.h"
#include "modNoorvale.h"
#include "modRegistry.h"
#include "support/TempHome.h"

namespace nv {
namespace {

const std::string kClockKey = std::string(kNoorvaleKey) + "\\Options\\Compact\\picSmClock";
const std::string kBarKey = std::string(kNoorvaleKey) + "\\Options\\Compact\\fraControl";
const std::string kFormKey = std::string(kNoorvaleKey) + "\\System\\frmCompact";

class CompactTest : public ::testing::Test {
protected:
    std::unique_ptr<frmCompact> load() { return std::make_unique<frmCompact>(); }
    static int32_t stored(const std::string& key, const char* name) {
        return ReadRegValue(HKEY_CURRENT_USER, key, name, RegValue(-12345)).toLong();
    }
    static QColor barColor(const frmCompact& f) { return f.fraControl->palette().color(QPalette::Window); }
    static QColor textColor(const frmCompact& f) { return f.lblMessage->palette().color(QPalette::WindowText); }
    // Presses the left or right button on `w`, moves by `by` and releases.
    static void drag(QWidget* w, Qt::MouseButton button, QPoint by) {
        const QPoint local(10, 5), global = w->mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QMouseEvent move(QEvent::MouseMove, local + by, global + by, Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, local + by, global + by, button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }

    test::TempHome home;
};

TEST_F(CompactTest, FirstLoadWithAnEmptyStore) {
    auto f = load();
    const Clock* clock = f->picSmClock;
    EXPECT_TRUE(clock->ShowNumbers());
    EXPECT_TRUE(clock->ShowSeconds());
    EXPECT_FALSE(clock->ShowBorder());
    EXPECT_EQ(clock->ColorBack(), 0xFFFFFF);
    EXPECT_EQ(clock->ColorBorder(), 0);
    EXPECT_EQ(clock->BorderMode(), 0);
    EXPECT_EQ(SmClockPicturePath(), QString::fromStdString(ProgramFolder() + "/graphics/picSmClock.jpg"));
    EXPECT_EQ(f->fraControl->y(), 0);
    EXPECT_EQ(barColor(*f), QColor(0, 0, 255));  // 0xFF0000 is blue
    EXPECT_EQ(textColor(*f), QColor(255, 255, 255));
    EXPECT_FALSE(f->chkOnTop->isChecked());
    EXPECT_FALSE(f->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(f->windowFlags() & Qt::FramelessWindowHint);

    // The outline: the clock's oval and the bar, nothing of the rest of the form.
    const QRegion outline = f->Outline();
    EXPECT_EQ(f->mask(), outline);
    const QRect c = clock->geometry();
    EXPECT_TRUE(outline.contains(c.center()));
    EXPECT_TRUE(outline.contains(f->fraControl->geometry().center()));
    EXPECT_FALSE(outline.contains(c.topLeft() + QPoint(2, 2)));
    EXPECT_FALSE(outline.contains(QPoint(c.right() + 5, c.center().y())));
}

// The longest messages of the default prayer names show whole; a text too long for any font is
// cut with "…" and shows whole in the tool tip.
TEST_F(CompactTest, TheMessageShowsWholeOrItsToolTipDoes) {
    auto f = load();
    f->show();
    auto* label = static_cast<FitLabel*>(f->lblMessage);
    for (const char* text : {"Maghrib at 11:05 PM", "Shurooq at 10:55 AM", "MAGHRIB NOW.", "Prayer at 00:00 PM"}) {
        SCOPED_TRACE(text);
        label->setText(text);
        label->grab();  // painted
        EXPECT_LE(QFontMetricsF(label->fittedFont()).horizontalAdvance(text), label->contentsRect().width());
        EXPECT_EQ(label->shownText(), text);
        EXPECT_GE(label->fittedFont().pointSizeF(), FitLabel::kMinPointSize);
        EXPECT_EQ(label->toolTip().isEmpty(), label->fittedFont() == label->font());
    }
    const QString tooLong = "It is time for a prayer with a very, very long name indeed.";
    label->setText(tooLong);
    label->grab();
    EXPECT_TRUE(label->shownText().endsWith(QChar(0x2026)));
    EXPECT_EQ(label->toolTip(), tooLong);
}

TEST_F(CompactTest, StoredValuesWithCorrections) {
    WriteRegLong(HKEY_CURRENT_USER, kClockKey, "ShowBorder", 5);
    WriteRegLong(HKEY_CURRENT_USER, kClockKey, "ShowNumbers", 7);
    WriteRegLong(HKEY_CURRENT_USER, kClockKey, "ShowSeconds", 0);
    WriteRegLong(HKEY_CURRENT_USER, kClockKey, "ColorBack", -5);
    WriteRegLong(HKEY_CURRENT_USER, kClockKey, "ColorBorder", -5);
    WriteRegLong(HKEY_CURRENT_USER, kBarKey, "ColorBack", -1);
    WriteRegLong(HKEY_CURRENT_USER, kBarKey, "ColorFore", -1);
    WriteRegLong(HKEY_CURRENT_USER, kFormKey, "OnTop", 3);
    auto f = load();
    EXPECT_FALSE(f->picSmClock->ShowBorder());
    EXPECT_TRUE(f->picSmClock->ShowNumbers());
    EXPECT_FALSE(f->picSmClock->ShowSeconds());
    EXPECT_EQ(f->picSmClock->ColorBack(), 0xFFFFFF);
    EXPECT_EQ(f->picSmClock->ColorBorder(), 0);
    EXPECT_EQ(f->fraControlBackColor(), 0xFFFFFF);
    EXPECT_EQ(f->lblMessageForeColor(), 0);
    EXPECT_FALSE(f->chkOnTop->isChecked());
}

TEST_F(CompactTest, BarPositionAndTextContrast) {
    WriteRegLong(HKEY_CURRENT_USER, kBarKey, "Position", 2);
    WriteRegLong(HKEY_CURRENT_USER, kBarKey, "ColorBack", 0xFF0000);
    WriteRegLong(HKEY_CURRENT_USER, kBarKey, "ColorFore", 0xFF0000);
    auto f = load();
    const QRect clock = f->picSmClock->geometry();
    EXPECT_EQ(f->fraControl->y(), clock.y() + clock.height());  // directly under the clock
    EXPECT_TRUE(f->Outline().contains(f->fraControl->geometry().center()));
    EXPECT_EQ(textColor(*f), QColor(255, 255, 255));  // blue on blue becomes white

    WriteRegLong(HKEY_CURRENT_USER, kBarKey, "Position", 3);
    WriteRegLong(HKEY_CURRENT_USER, kBarKey, "ColorBack", 0xFFFFFF);
    WriteRegLong(HKEY_CURRENT_USER, kBarKey, "ColorFore", 0xFFFFFF);
    f = load();
    EXPECT_EQ(f->fraControl->y(), 0);
    EXPECT_EQ(f->lblMessageForeColor(), 1);  // white on white becomes colour 1
}

TEST_F(CompactTest, PicturePathLoadsKeepsOrSkips) {
    const QString face = QStringLiteral(NOORVALE_BIN_DIR "/graphics/picSmClock.jpg");
    ASSERT_TRUE(QFile::exists(face));
    WriteRegString(HKEY_CURRENT_USER, kClockKey, "Picture", face.toStdString());
    EXPECT_FALSE(load()->picSmClock->Picture().isNull());

    // A missing file: no picture, but the path is kept and saved again.
    const std::string missing = home.dir() + "/gone.jpg";
    WriteRegString(HKEY_CURRENT_USER, kClockKey, "Picture", missing);
    auto f = load();
    EXPECT_TRUE(f->picSmClock->Picture().isNull());
    f->Unload();
    EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, kClockKey, "Picture", RegValue("")).toText(), missing);

    // A file that is no picture: nothing loaded, the other values still applied.
    const std::string junk = home.dir() + "/junk.jpg";
    QFile file(QString::fromStdString(junk));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    WriteRegString(HKEY_CURRENT_USER, kClockKey, "Picture", junk);
    WriteRegLong(HKEY_CURRENT_USER, kClockKey, "ColorBack", 0x00FF00);
    f = load();
    EXPECT_TRUE(f->picSmClock->Picture().isNull());
    EXPECT_EQ(f->picSmClock->ColorBack(), 0x00FF00);
}

TEST_F(CompactTest, PushPinKeepsTheWindowOnTop) {
    WriteRegLong(HKEY_CURRENT_USER, kFormKey, "OnTop", 1);
    auto f = load();
    f->show();
    EXPECT_TRUE(f->chkOnTop->isChecked());
    EXPECT_TRUE(f->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(f->chkOnTop->toolTip(), QStringLiteral("Click for Normal Window"));
    const QPoint at = f->pos();

    f->chkOnTop->click();
    EXPECT_FALSE(f->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(f->chkOnTop->toolTip(), QStringLiteral("Push Pin to Keep Window OnTop"));
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->pos(), at);

    f->showMinimized();
    f->chkOnTop->click();  // minimised: the pin is released instead
    EXPECT_FALSE(f->chkOnTop->isChecked());
    EXPECT_FALSE(f->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(CompactTest, DragByTheBarWithTheLeftButtonOnly) {
    auto f = load();
    f->show();
    f->move(100, 100);
    const QPoint start = f->pos();
    drag(f->fraControl, Qt::RightButton, {40, 30});
    EXPECT_EQ(f->pos(), start);
    drag(f->lblMessage, Qt::LeftButton, {40, 30});
    EXPECT_EQ(f->pos(), start + QPoint(40, 30));
}

TEST_F(CompactTest, CloseAndMessageDoubleClickAskTheMainWindow) {
    auto f = load();
    f->show();
    int closes = 0, normals = 0;
    QObject::connect(f.get(), &frmCompact::closeRequested, [&] { ++closes; });
    QObject::connect(f.get(), &frmCompact::normalViewRequested, [&] { ++normals; });
    f->cmdClose->click();
    f->close();  // the window manager's close does the same
    EXPECT_EQ(closes, 2);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), f->lblMessage->mapToGlobal(QPointF(5, 5)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f->lblMessage, &dbl);
    EXPECT_EQ(normals, 1);

    auto alone = load();  // with nobody to ask, the view hides itself
    alone->show();
    alone->picSmClock->Enabled(true);
    alone->cmdClose->click();
    EXPECT_FALSE(alone->isVisible());
    EXPECT_FALSE(alone->picSmClock->Enabled());
}

TEST_F(CompactTest, UnloadSavesWhatTheNextLoadReads) {
    auto f = load();
    f->show();
    f->move(300, 200);
    f->chkOnTop->setChecked(true);
    f->picSmClock->ShowSeconds(false);
    f->picSmClock->ShowBorder(true);
    f->picSmClock->ColorBack(0x203040);
    f->picSmClock->ColorBorder(0x00FFFF);
    f->MoveControlBar(2);
    f->fraControlBackColor(0x0000FF);
    f->lblMessageForeColor(0x00FF00);
    f->Unload();
    EXPECT_TRUE(f->mask().isEmpty());
    EXPECT_EQ(stored(kFormKey, "OnTop"), 1);
    EXPECT_EQ(stored(kClockKey, "ShowSeconds"), 0);
    EXPECT_EQ(stored(kClockKey, "ShowBorder"), 1);
    EXPECT_EQ(stored(kBarKey, "Position"), 2);
    EXPECT_EQ(stored(kBarKey, "ColorFore"), 0x00FF00);
    f.reset();

    auto again = load();
    EXPECT_EQ(again->pos(), QPoint(300, 200));
    EXPECT_TRUE(again->chkOnTop->isChecked());
    EXPECT_FALSE(again->picSmClock->ShowSeconds());
    EXPECT_TRUE(again->picSmClock->ShowBorder());
    EXPECT_EQ(again->picSmClock->ColorBack(), 0x203040);
    EXPECT_EQ(again->picSmClock->ColorBorder(), 0x00FFFF);
    EXPECT_GT(again->fraControl->y(), 0);
    EXPECT_EQ(barColor(*again), QColor(255, 0, 0));
    EXPECT_EQ(textColor(*again), QColor(0, 255, 0));
}

}  // namespace
}  // namespace nv

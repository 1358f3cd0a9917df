// The windows of this folder in a language read right to left, and the manual of the language spoken.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>

#include "Clock.h"
#include "FitLabel.h"
#include "Language.h"
#include "frmCompact.h"
#include "modHelp.h"
#include "modNoorvale.h"
#include "support/FixedClock.h"
#include "support/TempHome.h"
#include "support/UrlRecorder.h"

namespace nv {
namespace {

// Sets the application's direction for the lifetime of the object.
struct Direction {
    explicit Direction(Qt::LayoutDirection d) { QApplication::setLayoutDirection(d); }
    ~Direction() { QApplication::setLayoutDirection(Qt::LeftToRight); }
};

QImage clockFace() {
    Clock c;
    c.ColorBack(0xFFFFFF);
    c.ShowNumbers(true);
    c.show();
    c.resize(160, 160);
    return c.grab().toImage();
}

TEST(RightToLeft, TheClockFaceIsDrawnAsOnAnyClockWhileTheCompactBarMirrors) {
    test::TempHome home;
    test::FixedClock clock;
    clock.set(4, 10, 40);  // no hand on an axis: a mirrored face would differ
    const QImage leftToRight = clockFace();
    ASSERT_NE(leftToRight, leftToRight.mirrored(true, false));
    frmCompact ltr;
    EXPECT_LT(ltr.lblMessage->x(), ltr.chkOnTop->x());
    EXPECT_LT(ltr.chkOnTop->x(), ltr.cmdClose->x());

    Direction rtl(Qt::RightToLeft);
    EXPECT_EQ(clockFace(), leftToRight);
    frmCompact mirrored;
    EXPECT_EQ(mirrored.picSmClock->geometry(), ltr.picSmClock->geometry());
    EXPECT_EQ(mirrored.cmdClose->geometry(), QStyle::visualRect(Qt::RightToLeft, ltr.fraControl->rect(), ltr.cmdClose->geometry()));
    EXPECT_GT(mirrored.lblMessage->x(), mirrored.chkOnTop->x());
    EXPECT_GT(mirrored.chkOnTop->x(), mirrored.cmdClose->x());
    EXPECT_EQ(mirrored.lblMessage->width(), ltr.lblMessage->width());
}

TEST(Manual, HelpOpensTheManualOfTheLanguageSpokenWhenItIsThere) {
    test::TempDir dir;
    const QString folder = QString::fromStdString(dir.path());
    const QString english = folder + "/Noorvale.html";
    for (const char* name : {"Noorvale.html", "Noorvale_ar.html"}) {
        QFile f(folder + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QDir(folder).mkdir("Noorvale_fr.html");  // a folder of that name is no manual
    const std::pair<const char*, const char*> cases[] = {
        {"en", "Noorvale.html"}, {"", "Noorvale.html"},  {"ar", "Noorvale_ar.html"},
        {"fr", "Noorvale.html"}, {"ur", "Noorvale.html"}, {"a", "Noorvale.html"}};
    for (const auto& [language, opened] : cases)
        EXPECT_EQ(ManualInLanguage(english, language), folder + "/" + opened) << language;

    // Through Help, in the language the program installed; the program folder has both manuals.
    test::TempHome home;
    setProgramFolder(NOORVALE_BIN_DIR);
    ASSERT_EQ(InstallLanguage("ar"), "ar");
    test::UrlRecorder urls;
    ShowHelp(english, "main", 7);
    ShowHelp(QStringLiteral(NOORVALE_BIN_DIR "/Noorvale.html"), QString());
    InstallLanguage("en");
    ShowHelp(english, QString());
    ASSERT_EQ(urls.opened.size(), 3);
    EXPECT_EQ(urls.opened[0].toLocalFile(), folder + "/Noorvale_ar.html");
    EXPECT_EQ(urls.opened[0].fragment(), "context-7");
    EXPECT_EQ(urls.opened[1].toLocalFile(), QStringLiteral(NOORVALE_BIN_DIR "/Noorvale_ar.html"));
    EXPECT_EQ(urls.opened[2].toLocalFile(), english);
    EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);
}

// Help opens a manual at a section's anchor: the Arabic one has the same sections, read right to left.
TEST(Manual, TheArabicManualHasTheEnglishSectionsAndReadsRightToLeft) {
    auto read = [](const char* name) {
        QFile f(QStringLiteral(NOORVALE_BIN_DIR "/") + name);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    auto anchors = [](const QString& page) {
        QStringList ids;
        for (const auto& m : QRegularExpression(R"re((?:id|href)="#?([^"]+)")re").globalMatch(page)) ids << m.captured(1);
        return ids;
    };
    const QString english = read("Noorvale.html"), arabic = read("Noorvale_ar.html");
    ASSERT_GT(anchors(english).size(), 20);
    EXPECT_EQ(anchors(arabic), anchors(english));
    EXPECT_TRUE(arabic.contains(R"(<html lang="ar" dir="rtl">)"));
}

}  // namespace
}  // namespace nv

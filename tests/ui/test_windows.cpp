// The splash window and the About box, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include "App.h"
#include "MsgBox.h"
#include "Twips.h"
#include "frmAbout.h"
#include "frmSplash.h"
#include "support/TempHome.h"

namespace nv {
namespace {

TEST(Splash, ShowsTheVersionAndGrowsItsProgressBar) {
    QPointer<frmSplash> splash = new frmSplash;
    splash->show();
    EXPECT_EQ(splash->lblVersion->text(), QStringLiteral("Version %1.%2.%3").arg(App::Major()).arg(App::Minor()).arg(App::Revision()));
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(splash->rctStatusBar->isVisible());
    for (int quarter = 1; quarter <= 4; ++quarter) {
        splash->StatusBarWidth(870 * quarter);
        EXPECT_EQ(splash->rctStatusBar->width(), twipsToPixels(870 * quarter));
    }
    splash->StatusBarWidth(99999);
    EXPECT_EQ(splash->StatusBarWidth(), frmSplash::kStatusBarFullWidth);

    // What shows: the bar in its gold, the track still lighter than the ground past a half bar,
    // the title in white.
    splash->StatusBarWidth(frmSplash::kStatusBarFullWidth / 2);
    const QImage shot = splash->grab().toImage();
    const QRect bar = splash->rctStatusBar->geometry();
    EXPECT_EQ(shot.pixelColor(bar.center()), QColor(0xf2, 0xc9, 0x4c));
    const QPoint track(bar.right() + bar.width() / 2, bar.center().y()), ground(track.x(), bar.top() - 4);
    EXPECT_GT(shot.pixelColor(track).lightness(), shot.pixelColor(ground).lightness() + 20);
    int white = 0;
    const QRect title = splash->lblTitle->geometry();
    for (int y = title.top(); y <= title.bottom(); ++y)
        for (int x = title.left(); x <= title.right(); ++x) white += shot.pixelColor(x, y) == Qt::white;
    EXPECT_GT(white, 20);

    // A double click anywhere, even on a label, closes it at once.
    const QPoint at = splash->lblVersion->rect().center();
    QMouseEvent click(QEvent::MouseButtonDblClick, at, splash->lblVersion->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(splash->lblVersion, &click);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
}

TEST(About, ShowsTitleAndVersion) {
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Noorvale"));
    EXPECT_EQ(about.lblTitle->text(), QStringLiteral("Noorvale"));
    EXPECT_EQ(about.lblVersion->text(), App::VersionText());
    EXPECT_EQ(about.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    about.show();
    about.cmdOK->click();
    EXPECT_FALSE(about.isVisible());
}

// Longer texts (a translation, a larger font) wrap into more lines: the box grows to show them all.
TEST(About, ShowsEveryLineOfItsWrappedTexts) {
    const QFont previous = QApplication::font();
    for (int points : {9, 13, 16}) {
        QFont font = previous;
        font.setPointSize(points);
        QApplication::setFont(font);
        frmAbout about;
        about.show();
        for (QLabel* text : {about.lblDescription, about.lblDisclaimer})
            EXPECT_GE(text->height(), text->heightForWidth(text->width())) << points << " pt " << text->objectName().toStdString();
    }
    QApplication::setFont(previous);
}

TEST(About, SystemInformationIsUnavailableHere) {
    test::TempHome home;
    QStringList shown;
    const MsgBoxHandler previous = setMsgBoxHandler([&](const std::string& text, int style, const std::string& title) {
        shown << QString::fromStdString(title + ": " + text);
        EXPECT_EQ(style, vbOKOnly);
        return int{vbOK};
    });
    frmAbout about;
    about.cmdSysInfo->click();
    setMsgBoxHandler(previous);
    EXPECT_EQ(shown, QStringList{QStringLiteral("Noorvale: System Information Is Unavailable At This Time")});
}

TEST(About, GetKeyValueReadsTextAndNumbers) {
    test::TempHome home;
    const std::string key = std::string(kNoorvaleKey) + "\\Test";
    WriteRegString(HKEY_CURRENT_USER, key, "Path", std::string("C:\\Tools\\info.exe\0junk", 22));
    WriteRegLong(HKEY_CURRENT_USER, key, "Number", 0x2A);
    WriteRegLong(HKEY_CURRENT_USER, key, "Negative", -1);
    std::string value = "unchanged";
    EXPECT_FALSE(frmAbout::GetKeyValue(HKEY_CURRENT_USER, key, "Missing", value));
    EXPECT_FALSE(frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value));
    EXPECT_EQ(value, "unchanged");
    ASSERT_TRUE(frmAbout::GetKeyValue(HKEY_CURRENT_USER, key, "Path", value));
    EXPECT_EQ(value, "C:\\Tools\\info.exe");
    ASSERT_TRUE(frmAbout::GetKeyValue(HKEY_CURRENT_USER, key, "Number", value));
    EXPECT_EQ(value, "42");
    ASSERT_TRUE(frmAbout::GetKeyValue(HKEY_CURRENT_USER, key, "Negative", value));
    EXPECT_EQ(value, "-1");
}

}  // namespace
}  // namespace nv

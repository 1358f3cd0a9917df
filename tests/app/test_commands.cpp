// The Help menu's pages and manual, the update parameters and the update reminder across a new year.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>

#include "AppFixture.h"
#include "frmMain.h"
#include "mXOR.h"
#include "modHelp.h"
#include "modNoorvale.h"
#include "support/UrlRecorder.h"

using namespace nv;
using nv::test::AppFixture;

class CommandsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        storeLong("\\System\\Startup", "UpdateMode", 0);
    }
};

TEST_F(CommandsTest, HelpMenuOpensTheMakersPages) {
    ASSERT_TRUE(load());
    nv::test::UrlRecorder urls;
    const std::pair<const char*, const char*> pages[] = {
        {"mnuHelpHome", NOORVALE_PRODUCT_PAGE}, {"mnuHelpNews", NOORVALE_NEWS_PAGE},
        {"mnuHelpLibrary", NOORVALE_LIBRARY_PAGE}, {"mnuHelpFAQ", NOORVALE_FAQ_PAGE},
        {"mnuHelpSupport", NOORVALE_SUPPORT_PAGE}, {"mnuHelpORVEN", NOORVALE_HOME_PAGE}};
    for (const auto& [entry, address] : pages) main().action(entry)->trigger();
    ASSERT_EQ(urls.opened.size(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(urls.opened[i], QUrl(pages[i].second)) << pages[i].first;
}

TEST_F(CommandsTest, ContentsOpensTheManualOnlyWhenItExists) {
    ASSERT_TRUE(QFile::exists(QString(NOORVALE_BIN_DIR) + "/Noorvale.html"));
    ASSERT_TRUE(load());
    nv::test::UrlRecorder urls;
    main().action("mnuHelpContents")->trigger();
    main().action("TLB:HELP")->trigger();
    ASSERT_EQ(urls.opened.size(), 2);
    EXPECT_EQ(urls.opened[0], QUrl::fromLocalFile(QString(NOORVALE_BIN_DIR) + "/Noorvale.html"));
    unload();

    setProgramFolder((dir.path() + "/empty").toStdString());  // a program folder without the manual
    ASSERT_TRUE(load());
    main().action("mnuHelpContents")->trigger();
    EXPECT_EQ(urls.opened.size(), 2);
    unload();
    setProgramFolder(NOORVALE_BIN_DIR);
}

TEST(ShowHelp, WindowNameJoinsTheTrimmedPartsAndAnEmptyOneLeavesThePath) {
    EXPECT_EQ(HelpPath(" /a/Noorvale.html ", ""), " /a/Noorvale.html ");
    EXPECT_EQ(HelpPath(" /a/Noorvale.html ", "  main "), "/a/Noorvale.html>main");
    nv::test::UrlRecorder urls;
    ShowHelp("/a/Noorvale.html", "main", 12);
    ASSERT_EQ(urls.opened.size(), 1);
    EXPECT_EQ(urls.opened[0].toLocalFile(), "/a/Noorvale.html");
    EXPECT_EQ(urls.opened[0].fragment(), "context-12");
}

TEST(UpdateParameters, AreTheUpdateFilesAddressAndTheProgramScrambled) {
    EXPECT_EQ(Scramble(UpdateParameters()), NOORVALE_UPDATE_URL ",Noorvale,Noorvale,4");
}

TEST(UpdateReminder, LastStartInTheOldYearCountsBackFromNewYear) {
    EXPECT_EQ(LastUpdateDay(100, 114, 365), 100);
    EXPECT_EQ(LastUpdateDay(114, 114, 365), 114);
    EXPECT_EQ(LastUpdateDay(360, 5, 365), -5);
    EXPECT_EQ(LastUpdateDay(360, 5, 366), -6);
}

TEST_F(CommandsTest, ReminderDueJustAfterANewYearIsShownOnTime) {
    storeLong("\\System\\Startup", "UpdateMode", 14);
    storeLong("\\System\\Startup", "UpdateLast", 360);  // 26 December 2002
    setClock(2003, 1, 8);                              // day 8: 13 days later
    ASSERT_TRUE(load());
    EXPECT_TRUE(boxes.empty());
    unload();
    setClock(2003, 1, 9);  // 14 days later
    ASSERT_TRUE(load());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text.rfind("14 days update reminder", 0), 0u);
    unload();
    EXPECT_EQ(storedLong("\\System\\Startup", "UpdateLast"), 360);  // No keeps the stored day
}

TEST_F(CommandsTest, WithoutTarvoCheckForUpdatesDoesNothing) {
    setProgramFolder((dir.path() + "/empty").toStdString());
    storeLong("\\System\\Startup", "UpdateLast", 100);
    ASSERT_TRUE(load());
    bool ended = false;
    QObject::connect(&main(), &frmMain::unloaded, [&] { ended = true; });
    main().action("mnuToolsUpdates")->trigger();
    main().action("TLB:UPDATE")->trigger();
    EXPECT_FALSE(ended);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(main().UpdateLast, 100);
    unload();
    setProgramFolder(NOORVALE_BIN_DIR);
}

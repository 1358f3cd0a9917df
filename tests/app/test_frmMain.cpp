#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QPixmap>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <cmath>

#include "AlertEngine.h"
#include "AppFixture.h"
#include "CalendarProps.h"
#include "ProgramLanguage.h"
#include "NoorvaleMain.h"
#include "Twips.h"
#include "Clock.h"
#include "frmCompact.h"
#include "frmMain.h"
#include "modNoorvale.h"
#include "modRegistry.h"

using namespace nv;
using nv::test::AppFixture;

namespace {

QStringList column(const QAbstractItemModel* list, int c) {
    QStringList out;
    for (int r = 0; r < list->rowCount(); ++r) out << list->index(r, c).data().toString();
    return out;
}

int twips(const QWidget* w, int pixels) { return static_cast<int>(std::lround(pixels * 1440.0 / w->logicalDpiX())); }

}  // namespace

class MainWindowTest : public AppFixture {};

TEST_F(MainWindowTest, FirstStartOnAnEmptyStoreOpensTheCompactWeekView) {
    ASSERT_TRUE(load());
    EXPECT_EQ(ViewMode, 1);
    EXPECT_TRUE(compact().isVisible());
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(main().action("mnuViewCompact")->isChecked());
    EXPECT_EQ(CalProp().view, 2);
    EXPECT_TRUE(main().action("mnuViewWeek")->isChecked());
    EXPECT_TRUE(main().action("mnuViewGrego")->isChecked());
    EXPECT_FALSE(main().tlbMain->isHidden());
    EXPECT_EQ(main().action("TLB:PRINT")->text(), "Print");
    EXPECT_FALSE(main().stbMain->isHidden());
    // Friday 21 June 2002: Sunday 16 to Saturday 22, today's row in red.
    EXPECT_EQ(column(main().lvwCalendar->model(), 1),
              QStringList({"Jun 16 Sun", "Jun 17 Mon", "Jun 18 Tue", "Jun 19 Wed", "Jun 20 Thu", "Jun 21 Fri",
                           "Jun 22 Sat"}));
    EXPECT_EQ(cell(5, 2), "03:42");
    EXPECT_EQ(cell(5, 2, Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_NE(cell(4, 2, Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(main().lvwCalendar->model()->headerData(2, Qt::Horizontal).toString(), "Fajr");
    EXPECT_TRUE(main().lvwCalendar->isColumnHidden(0));
    // Nothing has started the update utility yet, so the reminder asks once.
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text.rfind("14 days update reminder", 0), 0u);
}

TEST_F(MainWindowTest, MenusCarryTheirNamesAndCaptions) {
    ASSERT_TRUE(load());
    const std::vector<std::pair<const char*, const char*>> entries = {
        {"mnuFile", "&File"},           {"mnuFilePrint", "&Print Calendar..."}, {"mnuFileClose", "&Close"},
        {"mnuViewCompact", "Com&pact"}, {"mnuViewText", "Toolbar Te&xt"},       {"mnuViewHijri", "&Hijri Date"},
        {"mnuToolsUpdates", "Check for &Updates..."}, {"mnuHelpNV", "Noorvale &Online"},
        {"mnuHelpORVEN", "&ORVEN Home Page..."},     {"mnuHelpAbout", "&About Noorvale..."}};
    for (const auto& [name, caption] : entries) {
        QAction* a = main().action(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), caption) << name;
        EXPECT_EQ(a->objectName(), name);
    }
}

TEST_F(MainWindowTest, YearViewOfALeapYearHas366Rows) {
    setClock(2004, 3, 10);
    ASSERT_TRUE(load());
    const int before = main().CalendarRepaints();
    main().action("mnuViewYear")->trigger();
    EXPECT_EQ(calendarRows(), 366);
    EXPECT_EQ(cell(365, 0), "366");
    int twentieths = 0;
    for (int d = static_cast<int>(dateSerial(2004, 1, 1)); d <= static_cast<int>(dateSerial(2004, 12, 31)); ++d)
        twentieths += d % 20 == 0;
    EXPECT_EQ(main().CalendarRepaints() - before, twentieths);
    EXPECT_EQ(CalProp().view, 4);
    EXPECT_EQ(PrayTime().PrayerDate(), dateSerial(2004, 3, 10));  // back on today afterwards
}

TEST_F(MainWindowTest, WeekViewRunsSundayToSaturday) {
    setClock(2002, 6, 16);  // a Sunday
    ASSERT_TRUE(load());
    EXPECT_EQ(column(main().lvwCalendar->model(), 0).join(","), "167,168,169,170,171,172,173");
    unload();
    setClock(2002, 6, 22);  // a Saturday
    ASSERT_TRUE(load());
    EXPECT_EQ(column(main().lvwCalendar->model(), 0).join(","), "167,168,169,170,171,172,173");
}

TEST_F(MainWindowTest, HijriDatesInTheChosenLayout) {
    storeLong("\\Options\\PrayCalendar", "StyleID", 2);
    storeText("\\Options\\PrayCalendar", "HijriFormat", "d-m-yyyy");
    ASSERT_TRUE(load());
    EXPECT_TRUE(main().action("mnuViewHijri")->isChecked());
    EXPECT_EQ(cell(5, 1), "10-4-1423");
    main().action("mnuViewGrego")->trigger();
    EXPECT_EQ(cell(5, 1), "Jun 21 Fri");
    main().action("TLB:DATE")->trigger();  // the Date button switches to the other style
    EXPECT_EQ(cell(5, 1), "10-4-1423");
}

TEST_F(MainWindowTest, StoredValuesOutOfRangeTakeTheirDefaults) {
    storeLong("\\Options\\PrayCalendar", "ViewID", 7);
    storeLong("\\Options\\PrayCalendar", "MarkColor", -1);
    storeLong("\\Options\\PrayCalendar", "AutoResize", 0);
    storeLong("\\Options\\PrayCalendar\\Column", " 3", 2500);
    storeLong("\\Options\\PrayCalendar\\Column", " 4", 1800);
    storeText("\\Options\\PrayCalendar", "TimeFormat", "   ");
    ASSERT_TRUE(load());
    EXPECT_EQ(CalProp().view, 2);
    EXPECT_EQ(CalProp().markColor, 255);
    EXPECT_EQ(CalProp().timeFormat, "hh:mm xx/xx");
    EXPECT_NEAR(twips(&main(), main().lvwCalendar->columnWidth(2)), 1250, 15);  // column " 3"
    EXPECT_NEAR(twips(&main(), main().lvwCalendar->columnWidth(3)), 1800, 15);  // column " 4"
}

// While the user has not chosen a time format the calendar shows the language's (24-hour times to
// a French reader) and none is stored, so it follows a later change of language; a stored one stays.
TEST_F(MainWindowTest, AnUnchosenTimeFormatFollowsTheLanguageAndIsNotStored) {
    struct English {
        ~English() { InstallLanguage("en"); }
    } english;
    auto friday = [&](const char* language) {  // Asr on Friday 21 June, as the calendar shows it
        InstallLanguage(language);
        EXPECT_TRUE(load());
        const QString asr = cell(5, 5);
        unload();
        return asr;
    };
    auto stored = [&] {
        return ReadRegValue(HKEY_CURRENT_USER, CalendarKey(), "TimeFormat", std::string("none")).toText();
    };
    EXPECT_EQ(friday("fr"), "15:44");
    EXPECT_EQ(stored(), "none");
    EXPECT_EQ(friday("en"), "03:44");
    EXPECT_EQ(friday("tr"), "15:44");
    storeText("\\Options\\PrayCalendar", "TimeFormat", "hh:mm xx/xx");
    EXPECT_EQ(friday("fr"), "03:44");
    EXPECT_EQ(stored(), "hh:mm xx/xx");
}

TEST_F(MainWindowTest, StartUpViewFollowsDefaultViewAndTheLastView) {
    storeLong("\\System\\Startup", "DefaultView", 3);
    storeLong("\\System\\Startup", "ViewMode", 2);
    ASSERT_TRUE(load());
    EXPECT_EQ(ViewMode, 2);  // tray only
    EXPECT_FALSE(main().isVisible());
    EXPECT_FALSE(compact().isVisible());
    unload();
    storeLong("\\System\\Startup", "DefaultView", 9);
    ASSERT_TRUE(load());
    EXPECT_EQ(ViewMode, 0);
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(compact().isVisible());
}

TEST_F(MainWindowTest, SettingsWrittenAtUnloadComeBackAtTheNextLoad) {
    storeLong("\\System\\Startup", "DefaultView", 3);
    ASSERT_TRUE(load());
    main().action("mnuViewNormal")->trigger();
    main().action("mnuViewMonth")->trigger();
    main().action("mnuViewText")->trigger();
    main().action("mnuViewStatusBar")->trigger();
    main().resize(700, 500);
    unload();
    EXPECT_EQ(storedLong("\\Options\\PrayCalendar", "ViewID"), 3);
    EXPECT_EQ(storedLong("\\System\\Startup", "ViewMode"), 0);
    EXPECT_EQ(storedLong("\\System\\tlbMain", "Text"), 0);
    EXPECT_EQ(storedLong("\\System\\stbMain", "Visible"), 0);
    EXPECT_EQ(storedLong("\\System\\tlbMain", "Visible"), 1);
    EXPECT_NE(storedLong("\\System\\frmMain", "Width"), -999);
    EXPECT_NE(storedLong("\\Options\\PrayCalendar\\Column", " 2"), -999);

    ASSERT_TRUE(load());
    EXPECT_EQ(ViewMode, 0);
    EXPECT_EQ(calendarRows(), 30);  // June
    EXPECT_TRUE(main().action("mnuViewMonth")->isChecked());
    EXPECT_FALSE(main().action("mnuViewText")->isChecked());
    EXPECT_EQ(main().action("TLB:PRINT")->text(), "");
    EXPECT_TRUE(main().stbMain->isHidden());
    EXPECT_EQ(main().size(), QSize(700, 500));
}

TEST_F(MainWindowTest, TodayIsMarkedByItsDateNotByItsDayNumberPrefix) {
    setClock(2003, 1, 3);  // day 3; the week starts on day 363 of 2002
    ASSERT_TRUE(load());
    ASSERT_EQ(cell(0, 0), "363");
    EXPECT_NE(cell(0, 2, Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(cell(5, 0), "3");
    EXPECT_EQ(cell(5, 2, Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
}

// Stored sizes no screen can show: the window opens within the screen, the tree leaves room for
// the calendar, and the window never gets smaller than 7000 x 3500 twips.
TEST_F(MainWindowTest, AbsurdStoredSizesOpenOnScreenAndTheWindowHasItsMinimumSize) {
    for (const char* key : {"\\System\\frmMain", "\\System\\tvwAlertMngr"}) {
        storeLong(key, "Width", 0x7fffffff);
        storeLong(key, "Height", 0x7fffffff);
        storeLong(key, "Top", int32_t(0x80000000u));
        storeLong(key, "Left", 0x7fffffff);
    }
    storeLong("\\System\\Startup", "DefaultView", 0);
    ASSERT_TRUE(load());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(screen.contains(main().pos()));
    EXPECT_LE(main().width(), screen.width());
    EXPECT_LE(main().height(), screen.height());
    EXPECT_LT(main().tvwAlertMngr->width(), main().width() - twipsToPixels(900, &main()));
    EXPECT_GT(main().tabPrayerCal->width(), 0);
    EXPECT_GT(main().picClock->height(), 0);
    main().resize(200, 150);
    EXPECT_EQ(main().width(), twipsToPixels(7000, &main()));
    EXPECT_EQ(main().height(), twipsToPixelsY(3500, &main()));
}

// The Alert Manager's entries show whole in the tree as it opens, even the widest time.
TEST_F(MainWindowTest, AlertManagerEntriesShowWhole) {
    storeLong("\\System\\Startup", "DefaultView", 0);
    ASSERT_TRUE(load());
    QTreeWidget* tree = main().tvwAlertMngr;
    QTreeWidgetItem* maghrib = tree->topLevelItem(0)->child(0)->child(3);
    ASSERT_TRUE(maghrib->text(0).startsWith("Maghrib ("));
    maghrib->setText(0, "Maghrib (11:05 PM)");
    QApplication::processEvents();
    const int needed = tree->indentation() * 2 + tree->iconSize().width() +
                       tree->fontMetrics().horizontalAdvance(maghrib->text(0));
    EXPECT_GE(tree->header()->sectionSize(0), needed);
    EXPECT_LE(tree->header()->sectionSize(0), tree->viewport()->width());
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->child(0)->toolTip(0), tree->topLevelItem(0)->child(0)->child(0)->text(0));
}

TEST_F(MainWindowTest, TodayStaysMarkedAcrossViewSwitches) {
    ASSERT_TRUE(load());  // Friday 21 June 2002, day 172, in the Week view
    const std::vector<std::pair<const char*, int>> switches = {
        {"mnuViewMonth", 20}, {"mnuViewWeek", 5}, {"mnuViewYear", 171}, {"mnuViewToday", 0}, {"mnuViewYear", 171},
        {"mnuViewMonth", 20}};
    for (const auto& [entry, row] : switches) {
        SCOPED_TRACE(entry);
        main().action(entry)->trigger();
        std::vector<int> marked;
        for (int r = 0; r < calendarRows(); ++r)
            if (cell(r, 2, Qt::ForegroundRole).value<QColor>() == QColor(255, 0, 0)) marked.push_back(r);
        EXPECT_EQ(marked, std::vector<int>{row});
        EXPECT_EQ(cell(row, 0), "172");
    }
}

TEST_F(MainWindowTest, ViewsButtonCyclesAndCloseBoxOnlyHides) {
    storeLong("\\Options\\PrayCalendar", "ViewID", 4);
    storeLong("\\System\\Startup", "DefaultView", 0);
    ASSERT_TRUE(load());
    main().action("TLB:VIEWS")->trigger();
    EXPECT_EQ(CalProp().view, 1);
    EXPECT_EQ(calendarRows(), 1);
    main().action("TLB:VIEWS")->trigger();
    EXPECT_EQ(CalProp().view, 2);
    main().action("TLB:MONTH")->trigger();
    EXPECT_EQ(CalProp().view, 3);

    ASSERT_TRUE(main().isVisible());
    EXPECT_FALSE(main().close());  // the close box is refused ...
    EXPECT_FALSE(main().isVisible());  // ... and the window hides
    EXPECT_EQ(ViewMode, 2);
    EXPECT_TRUE(main().Alerts().Running());  // the alerts go on
}

TEST_F(MainWindowTest, UpdateReminderAfterItsDays) {
    storeLong("\\System\\Startup", "UpdateMode", 14);
    storeLong("\\System\\Startup", "UpdateLast", 100);
    setClock(2002, 4, 23);  // day 113
    ASSERT_TRUE(load());
    EXPECT_TRUE(boxes.empty());
    unload();
    setClock(2002, 4, 24);  // day 114
    ASSERT_TRUE(load());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Noorvale message");
    EXPECT_EQ(boxes[0].style, vbYesNo | vbQuestion);
    EXPECT_EQ(boxes[0].text.rfind("14 days update reminder\r\n\r\nUsing your Internet connections Tarvo", 0), 0u);
    EXPECT_NE(boxes[0].text.find("to update your Noorvale files,\r\n\r\nWould you like to run Tarvo now?"),
              std::string::npos);
    unload();  // answered No: nothing changed, it asks again next time
    EXPECT_EQ(storedLong("\\System\\Startup", "UpdateLast"), 100);
    ASSERT_TRUE(load());
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(MainWindowTest, UpdateStartRunsTarvoWithTheScrambledParametersAndEnds) {
    // A program folder whose Tarvo writes down what it was given.
    const QString folder = dir.path() + "/program";
    QDir().mkpath(folder);
    const QString record = dir.path() + "/tarvo-args";
    QFile tarvo(folder + "/Tarvo");
    ASSERT_TRUE(tarvo.open(QIODevice::WriteOnly));
    tarvo.write(("#!/bin/sh\nprintf '%s' \"$1\" > '" + record + ".part' && mv '" + record + ".part' '" + record + "'\n")
                    .toLocal8Bit());  // whole when it appears
    tarvo.close();
    tarvo.setPermissions(tarvo.permissions() | QFileDevice::ExeOwner);
    setProgramFolder(folder.toStdString());
    ASSERT_TRUE(load());
    bool ended = false;
    QObject::connect(&main(), &frmMain::unloaded, [&] { ended = true; });
    main().action("mnuToolsUpdates")->trigger();
    EXPECT_TRUE(ended);
    EXPECT_EQ(storedLong("\\System\\Startup", "UpdateLast"), 172);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, 10000)) << "Tarvo was not started";
    QFile got(record);
    ASSERT_TRUE(got.open(QIODevice::ReadOnly));
    const std::string args = got.readAll().toStdString();
    EXPECT_EQ(args, UpdateParameters());
    EXPECT_EQ(args.find("Noorvale"), std::string::npos);  // never in the clear
    setProgramFolder(NOORVALE_BIN_DIR);
}

TEST_F(MainWindowTest, ASecondCopyIsRefusedWithoutTouchingTheStore) {
    const std::string lock = (dir.path() + "/Noorvale-" + QString::number(getuid()) + ".lock").toStdString();
    // Another copy of the program, for this test a process that holds the same lock.
    const pid_t other = fork();
    if (other == 0) {
        execlp("flock", "flock", "--no-fork", "-n", lock.c_str(), "sleep", "30", static_cast<char*>(nullptr));
        _exit(127);
    }
    auto held = [&] {
        const int fd = open(lock.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) return false;
        const bool taken = flock(fd, LOCK_EX | LOCK_NB) != 0;
        close(fd);
        return taken;
    };
    ASSERT_TRUE(QTest::qWaitFor(held, 10000));
    EXPECT_FALSE(load());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Program is already running");
    EXPECT_EQ(boxes[0].title, "Noorvale");
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(storeFile)));
    // The other copy crashes: its lock goes with it.
    kill(other, SIGKILL);
    waitpid(other, nullptr, 0);
    EXPECT_TRUE(load());
}

// Pictures of the main window for the eye, on request: NOORVALE_SHOTS=<folder>.
TEST_F(MainWindowTest, ScreenshotsOfTheMainWindow) {
    const QString folder = qEnvironmentVariable("NOORVALE_SHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "pictures only on request (NOORVALE_SHOTS=<folder>)";
    storeLong("\\System\\Startup", "DefaultView", 0);
    storeLong("\\System\\Startup", "UpdateMode", 0);
    setClock(2002, 6, 21, 13, 0);
    ASSERT_TRUE(load());
    main().resize(1000, 560);
    main().Alerts().Tick();
    QDir().mkpath(folder);
    QApplication::processEvents();
    main().grab().save(folder + "/main-week.png");
    main().action("mnuViewMonth")->trigger();
    main().action("mnuViewHijri")->trigger();
    QApplication::processEvents();
    main().grab().save(folder + "/main-month-hijri.png");
    // London's June: the days without true dawn stand out.
    unload();
    storeLong("\\Options\\PrayCalendar", "ViewID", 3);
    storeLong("\\Options\\PrayCalendar", "StyleID", 1);
    storeLondon(1, 0);
    ASSERT_TRUE(load());
    main().resize(1000, 560);
    QApplication::processEvents();
    main().grab().save(folder + "/main-high-latitude.png");
}

TEST_F(MainWindowTest, LayoutInTwipsAndTheSplitters) {
    storeLong("\\System\\Startup", "DefaultView", 0);
    storeLong("\\System\\Startup", "UpdateMode", 0);
    ASSERT_TRUE(load());
    frmMain& w = main();
    w.resize(1000, 700);
    QApplication::processEvents();  // the resize and layout events
    auto tw = [&](int px) { return twips(&w, px); };
    QWidget* tree = w.tvwAlertMngr;
    // The tree starts 60 twips below the toolbar, 20 from the left; the splitter under it, the
    // clock under that, round (square) whatever room it has; the tab control 100 twips right of
    // the tree.
    EXPECT_NEAR(tw(tree->x()), 20, 15);
    EXPECT_NEAR(tw(tree->y()), tw(w.tlbMain->height()) + 60, 15);
    EXPECT_EQ(w.picHSplit->y(), tree->y() + tree->height());
    auto clockIsRoundInItsRoom = [&] {
        const QRect clock = w.picClock->geometry();
        const int roomTop = w.picHSplit->y() + w.picHSplit->height();
        const int roomBottom = w.stbMain->y() - twipsToPixelsY(50, &w);
        EXPECT_EQ(clock.width(), clock.height());
        EXPECT_GE(clock.top(), roomTop);
        EXPECT_LE(clock.bottom() + 1, roomBottom + 1);
        EXPECT_GE(clock.left(), twipsToPixels(3, &w));
        EXPECT_LE(clock.right(), twipsToPixels(3, &w) + tree->width());
        // As large as the room allows: it fills the room's width or its height.
        EXPECT_TRUE(std::abs(clock.width() - tree->width()) <= 1 || std::abs(clock.height() - (roomBottom - roomTop)) <= 1)
            << clock.width() << "x" << clock.height();
    };
    clockIsRoundInItsRoom();
    w.resize(1000, 1400);  // taller than wide: the clock is still round
    QApplication::processEvents();  // the resize and layout events
    clockIsRoundInItsRoom();
    w.resize(1000, 700);
    QApplication::processEvents();  // the resize and layout events
    EXPECT_NEAR(tw(w.tabPrayerCal->x()), tw(tree->width()) + 100, 15);

    // Dragging the vertical splitter 60 pixels right widens the tree and moves the calendar.
    const int treeWidth = tree->width(), tabLeft = w.tabPrayerCal->x();
    QTest::mousePress(w.picVSplit, Qt::LeftButton, {}, QPoint(2, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(62, 50), w.picVSplit->mapToGlobal(QPointF(62, 50)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.picVSplit, &move);
    QTest::mouseRelease(w.picVSplit, Qt::LeftButton, {}, QPoint(62, 50));
    EXPECT_NEAR(tree->width(), treeWidth + 60, 2);
    EXPECT_NEAR(w.tabPrayerCal->x(), tabLeft + 60, 2);

    // A splitter is never dragged closer than 1000 twips to the window's edge.
    QTest::mousePress(w.picHSplit, Qt::LeftButton, {}, QPoint(10, 1));
    QMouseEvent far(QEvent::MouseMove, QPointF(10, 2000), w.picHSplit->mapToGlobal(QPointF(10, 2000)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.picHSplit, &far);
    QTest::mouseRelease(w.picHSplit, Qt::LeftButton, {}, QPoint(10, 2000));
    const int clientBottom = w.stbMain->y();
    EXPECT_LE(w.picHSplit->y(), clientBottom - twipsToPixelsY(1000, &w) + 2);

    // Hiding the status bar gives its room to the calendar.
    const int tabHeight = w.tabPrayerCal->height();
    w.action("mnuViewStatusBar")->trigger();
    EXPECT_TRUE(w.stbMain->isHidden());
    EXPECT_GT(w.tabPrayerCal->height(), tabHeight);
}

// Laid out right to left (Arabic, Urdu) the client area mirrors: the tree and the clock on the
// right, the calendar on the left, the splitters dragged the mirrored way; the times and dates of
// the rows and the status bar are set apart so that "05:12 AM" keeps its own order.
TEST_F(MainWindowTest, RightToLeftMirrorsTheClientAreaAndKeepsTimesInTheirOrder) {
    struct Restore {
        ~Restore() { QApplication::setLayoutDirection(Qt::LeftToRight); }
    } restore;
    QApplication::setLayoutDirection(Qt::RightToLeft);
    storeLong("\\System\\Startup", "DefaultView", 1);  // the main window is laid out while hidden
    storeLong("\\System\\Startup", "UpdateMode", 0);
    ASSERT_TRUE(load());
    frmMain& w = main();
    w.mnuViewNormal_Click();
    QApplication::processEvents();  // the resize and layout events
    QWidget* page = w.lvwCalendar->parentWidget();
    EXPECT_EQ(w.lvwCalendar->x() + w.lvwCalendar->width(), page->width());
    w.resize(1000, 700);
    QApplication::processEvents();  // the resize and layout events
    QWidget* tree = w.tvwAlertMngr;
    const int clientWidth = tree->parentWidget()->width();
    EXPECT_NEAR(twips(&w, clientWidth - tree->x() - tree->width()), 20, 15);
    // The clock's room mirrored: its square centred in it, on the right.
    EXPECT_NEAR(w.picClock->x() + w.picClock->width() / 2.0,
                clientWidth - twipsToPixels(3, &w) - tree->width() / 2.0, 1.5);
    EXPECT_NEAR(twips(&w, tree->x() - (w.tabPrayerCal->x() + w.tabPrayerCal->width())), 100, 30);
    EXPECT_EQ(w.lvwCalendar->x() + w.lvwCalendar->width(), page->width());

    // The vertical splitter dragged 60 pixels to the left widens the tree.
    const int treeWidth = tree->width();
    QTest::mousePress(w.picVSplit, Qt::LeftButton, {}, QPoint(2, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(-58, 50), w.picVSplit->mapToGlobal(QPointF(-58, 50)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.picVSplit, &move);
    QTest::mouseRelease(w.picVSplit, Qt::LeftButton, {}, QPoint(-58, 50));
    EXPECT_NEAR(tree->width(), treeWidth + 60, 2);
    EXPECT_NEAR(twips(&w, clientWidth - tree->x() - tree->width()), 20, 15);

    const QString isolate(QChar(0x2068)), pop(QChar(0x2069));
    ASSERT_GT(calendarRows(), 0);
    for (int c = 1; c <= 7; ++c) {
        const QString text = cell(0, c);
        EXPECT_TRUE(text.startsWith(isolate) && text.endsWith(pop) && text.size() > 2) << c << text.toStdString();
    }
    EXPECT_TRUE(w.panel("Time")->text().startsWith(isolate) && w.panel("Time")->text().endsWith(pop));
}

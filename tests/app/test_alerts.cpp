#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "AppFixture.h"
#include "support/DiskAudio.h"
#include "DaySchedule.h"
#include "FormatDate.h"
#include "NoorvaleMain.h"
#include "clsMMedia.h"
#include "clsPrayTime.h"
#include "frmCompact.h"
#include "frmMain.h"
#include "frmSysTray.h"
#include "ProgramLanguage.h"
#include "MciPlayer.h"
#include "modDateLib.h"
#include "modNoorvale.h"
#include "modRegistry.h"

using namespace nv;
using nv::test::AppFixture;

// Vellmore on Friday 21 June 2002 at UTC-6: Fajr 03:42, Dhuhr 12:08, Asr 15:44, Maghrib 19:11,
// Isha 20:30 (margin 2 included; each the nearest minute, as shown).
class AlertEngine : public AppFixture {
protected:
    void SetUp() override {
        test::useDummyAudio();
        AppFixture::SetUp();
        storeLong("\\System\\Startup", "DefaultView", 0);
        storeLong("\\System\\Startup", "UpdateMode", 0);
    }
    void startAt(int hh, int mm, int ss = 0) {
        setClock(2002, 6, 21, hh, mm, ss);
        ASSERT_TRUE(load());
        main().beep = [this] { ++beeps; };
    }
    void tickAt(int hh, int mm, int ss = 0, int day = 21) {
        setClock(2002, 6, day, hh, mm, ss);
        main().tmrAlert_Timer();
    }
    QString caption() { return main().windowTitle(); }
    frmSysTray& tray() { return *main().m_frmSysTray; }
    int beeps = 0;
};

TEST_F(AlertEngine, AtStartTheNextPrayerIsShownAndPassedOnesNeverAlert) {
    startAt(13, 0);
    EXPECT_FALSE(DaySchedule[0].Pending);  // Fajr
    EXPECT_FALSE(DaySchedule[1].Pending);  // Dhuhr
    EXPECT_TRUE(DaySchedule[2].Pending);   // Asr
    EXPECT_EQ(DaySchedule[2].Time, timeSerial(15, 44, 0));  // 15:44:10
    // Each alert comes at the minute the calendar shows: Dhuhr, 12:07:46, at 12:08.
    EXPECT_EQ(DaySchedule[1].Time, timeSerial(12, 8, 0));
    EXPECT_EQ(main().lvwCalendar->topLevelItem(5)->text(4), "12:08");
    tickAt(13, 0, 1);
    EXPECT_EQ(caption(), "Noorvale - Next Prayer: Asr at 03:44 PM");
    EXPECT_EQ(tray().ToolTip(), "Next Prayer: Asr at 03:44 PM");
    EXPECT_EQ(compact().lblMessage->text(), "Asr at 03:44 PM");
    EXPECT_EQ(main().panel("Location")->text(), "Current Location: Vellmore, LA -- USA");
}

TEST_F(AlertEngine, APrayersMinutePlaysItsSoundAndBlinks) {
    test::TempDir scratch;
    const std::string heard = scratch / "heard.raw";
    test::useDiskAudio(heard);
    startAt(15, 43, 58);
    tickAt(15, 43, 59);
    EXPECT_EQ(main().player()->Status(), "");
    tickAt(15, 44, 0);
    EXPECT_EQ(main().player()->Status(), "playing");
    EXPECT_TRUE(QTest::qWaitFor([&] { return test::Recording(heard).loudMs() > 100; }, 10000));  // really heard
    EXPECT_TRUE(tray().mnuSysTray(3)->isEnabled());  // Stop Playback
    EXPECT_EQ(beeps, 0);
    EXPECT_FALSE(DaySchedule[2].Pending);

    QStringList captions;
    const int before = tray().IconChanges();
    for (int s = 1; s <= 4; ++s) {
        tickAt(15, 44, s);
        captions << caption();
    }
    // The long text and a blank caption take turns.
    EXPECT_TRUE(captions.contains("IT IS TIME FOR ASR PRAYER."));
    EXPECT_TRUE(captions.contains(" "));
    EXPECT_GE(tray().IconChanges() - before, 4);  // Main_ON and Main_OFF in turn
    EXPECT_TRUE(compact().lblMessage->text() == "ASR NOW." || compact().lblMessage->text().isEmpty());

    tickAt(15, 45, 0);
    EXPECT_EQ(caption(), "Noorvale - Next Prayer: Maghrib at 07:11 PM");
    tickAt(15, 45, 1);
    EXPECT_EQ(main().player()->Status(), "playing");  // the alert plays on
    // The tray's Stop Playback ends it.
    tray().mnuSysTray(3)->trigger();
    EXPECT_EQ(main().player()->Status(), "");
    EXPECT_FALSE(tray().mnuSysTray(3)->isEnabled());
}

// At Fajr's minute the caption and the compact window name the prayer as the language spoken does,
// in its own capitals whatever the session's locale: Turkish names the time İmsak but the prayer
// Sabah, and writes a dotted İ; English in a Turkish session writes none.
TEST_F(AlertEngine, TheFajrAlertNamesThePrayerInTheLanguagesOwnWordsAndCapitals) {
    struct English {
        ~English() { InstallLanguage("en"); }
    } english;
    struct Case {
        const char* language;
        const char* session;
        QString caption, compactText;
    } cases[] = {
        {"tr", "en_US", "SABAH NAMAZI VAKTİ GELDİ.", "SABAH NAMAZI VAKTİ."},
        {"en", "tr_TR", "IT IS TIME FOR FAJR PRAYER.", "FAJR NOW."},
        {"fr", "tr_TR", "C'EST L'HEURE DE LA PRIÈRE DE FAJR.", "C'EST L'HEURE DE FAJR."},
        {"id", "tr_TR", "SUDAH MASUK WAKTU SALAT SUBUH.", "WAKTU SUBUH."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        InstallLanguage(c.language);
        QLocale::setDefault(QLocale(c.session));
        startAt(3, 41, 59);
        main().showMinimized();
        QStringList captions, messages;
        for (int s = 0; s <= 3; ++s) {
            tickAt(3, 42, s);
            captions << caption();
            messages << compact().lblMessage->text();
        }
        EXPECT_TRUE(captions.contains(c.compactText)) << captions.join('|').toStdString();  // minimised
        EXPECT_TRUE(messages.contains(c.compactText)) << messages.join('|').toStdString();
        main().showNormal();
        tickAt(3, 42, 4);
        tickAt(3, 42, 5);
        EXPECT_EQ(tray().ToolTip(), c.caption);
        // NOORVALE_SHOTS=<folder> keeps the screen at the blinking caption (with a window manager that
        // draws captions, under Xvfb).
        const QString shots = qEnvironmentVariable("NOORVALE_SHOTS");
        if (!shots.isEmpty()) {
            if (caption() != c.caption) tickAt(3, 42, 6);
            QTest::qWait(500);  // the window manager draws the new caption: nothing to observe
            QGuiApplication::primaryScreen()->grabWindow(0).save(QString("%1/fajr-caption-%2.png").arg(shots, c.language));
        }
        unload();
    }
}

TEST_F(AlertEngine, NoSoundDeviceBeeps) {
    test::TempDir scratch;
    test::useNoAudioDevice(scratch / "empty-alsa.conf");
    startAt(15, 43);
    tickAt(15, 44, 0);
    unsetenv("ALSA_CONFIG_PATH");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(main().player()->Status(), "");
}

TEST_F(AlertEngine, MissingSoundFileBeeps) {
    storeText("\\User\\Period\\4", "SoundFile", "/nonexistent/asr.wav");
    startAt(15, 43);
    tickAt(15, 44, 0);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(main().player()->Status(), "");
}

// Whatever the file holds, an alert is heard: the sound, or the bell when it cannot play; and
// the sound device is given back once nothing plays.
TEST_F(AlertEngine, ASoundThatCannotPlayBeepsAndTheDeviceIsGivenBack) {
    test::TempDir scratch;
    const std::string heard = scratch / "heard.raw";
    test::useDiskAudio(heard);
    {
        std::ofstream(scratch / "notes.wav") << "Not a sound at all, only a text file.\n";
        // A WAV header that claims a gigabyte, on a sparse file of that size.
        test::makeClip(scratch / "huge.wav", "synth 0.1 sine 440");
        std::filesystem::resize_file(scratch / "huge.wav", std::uintmax_t{1} << 30);
        test::makeClip(scratch / "tune.mp3", "synth 0.5 sine 440");
        std::filesystem::copy_file(scratch / "tune.mp3", scratch / "tune-mp3.wav");
        test::makeClip(scratch / "short.wav", "synth 0.2 sine 440");
    }
    struct Case {
        const char* file;
        bool plays;
    };
    const Case cases[] = {{"notes.wav", false}, {"huge.wav", false}, {"tune.mp3", false},
                          {"tune-mp3.wav", true}, {"short.wav", true}};
    startAt(15, 43);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        beeps = 0;
        for (PrayerSlot& slot : DaySchedule) slot.Pending = true;
        storeText("\\User\\Period\\4", "SoundFile", scratch / c.file);
        tickAt(15, 44, 0);
        EXPECT_EQ(beeps, c.plays ? 0 : 1);
        EXPECT_EQ(main().player()->Status(), c.plays ? "playing" : "");
        EXPECT_EQ(MciPlayer::instance().audioOpen(), c.plays);
        if (c.plays) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return main().player()->Status() != "playing"; }, 10000));  // it ends
            tickAt(15, 44, 1);
            EXPECT_EQ(main().player()->Status(), "");
            EXPECT_FALSE(MciPlayer::instance().audioOpen());
            EXPECT_FALSE(tray().mnuSysTray(3)->isEnabled());
        }
    }
    EXPECT_GT(test::Recording(heard).loudMs(), 150);
}

TEST_F(AlertEngine, AfterIshaTheNextPrayerIsTomorrowsFajr) {
    clsPrayTime tomorrow;
    tomorrow.GMTOffset(-6);
    tomorrow.PrayerDate(dateSerial(2002, 6, 22));
    tomorrow.Calculate();
    startAt(21, 0);
    tickAt(21, 0, 1);
    const QString fajr = QString::fromStdString(FormatDate(RoundToMinute(tomorrow.Dawn()), "Medium Time"));
    EXPECT_EQ(caption(), "Noorvale - Next Prayer: Fajr at " + fajr);
    EXPECT_FALSE(DaySchedule[4].Pending);
    EXPECT_EQ(StartDate, dateSerial(2002, 6, 21));  // the schedule is today's again
}

TEST_F(AlertEngine, TwoPrayersInOneMinuteOnlyTheLaterPlaysAndBlinks) {
    startAt(15, 0);
    DaySchedule[1].Time = DaySchedule[2].Time = timeSerial(15, 30, 0);
    DaySchedule[1].Pending = DaySchedule[2].Pending = true;
    DaySchedule[1].SoundAlert = true;
    storeText("\\User\\Period\\3", "SoundFile", "/nonexistent/dhuhr.wav");  // would beep if played
    tickAt(15, 30, 0);
    EXPECT_FALSE(DaySchedule[1].Pending);
    EXPECT_FALSE(DaySchedule[2].Pending);
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(main().player()->Status(), "playing");
    tickAt(15, 30, 1);
    tickAt(15, 30, 2);
    EXPECT_TRUE(caption() == "IT IS TIME FOR ASR PRAYER." || caption() == " ");
}

TEST_F(AlertEngine, ClockSetBackOrMidnightRebuildsTheDay) {
    startAt(15, 43);
    tickAt(15, 44, 0);
    EXPECT_FALSE(DaySchedule[2].Pending);
    tickAt(14, 44, 0);  // the clock goes back an hour
    EXPECT_TRUE(DaySchedule[2].Pending);
    tickAt(23, 59, 59);
    tickAt(0, 0, 1, 22);
    EXPECT_EQ(StartDate, dateSerial(2002, 6, 22));
    EXPECT_TRUE(DaySchedule[0].Pending);
    EXPECT_EQ(main().lvwCalendar->topLevelItem(6)->text(1), "Jun 22 Sat");
}

TEST_F(AlertEngine, AlertManagerSwitchesASoundOffForTheDay) {
    startAt(15, 0);
    QTreeWidget* tree = main().tvwAlertMngr;
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "Alert Manager");
    QTreeWidgetItem* kind = root->child(0);
    EXPECT_EQ(kind->text(0), "Sound Alert");
    ASSERT_EQ(kind->childCount(), 5);
    QTreeWidgetItem* asr = kind->child(2);
    EXPECT_EQ(asr->text(0), "Asr (03:44 PM)");
    tree->setCurrentItem(asr);
    main().ToggleAlertNode();
    EXPECT_EQ(asr->text(0), "Asr - OFF");
    EXPECT_FALSE(DaySchedule[2].SoundAlert);
    tickAt(15, 44, 0);
    EXPECT_EQ(main().player()->Status(), "");  // no sound ...
    EXPECT_EQ(beeps, 0);
    tickAt(15, 44, 1);
    tickAt(15, 44, 2);
    EXPECT_TRUE(caption() == "IT IS TIME FOR ASR PRAYER." || caption() == " ");  // ... but it blinks
    main().action("mnuViewRefresh")->trigger();  // the stored switch comes back
    EXPECT_TRUE(DaySchedule[2].SoundAlert);
}

TEST_F(AlertEngine, TrayClicksAndMenu) {
    startAt(10, 0);
    main().SelNormalView(false);
    EXPECT_EQ(tray().mnuSysTray(0)->text(), "&Normal");
    EXPECT_EQ(tray().DefaultMenuIndex(), 0);
    EXPECT_EQ(tray().mnuSysTray(7)->text(), "&Exit Noorvale");
    EXPECT_FALSE(tray().mnuSysTray(3)->isEnabled());
    tray().activate(QSystemTrayIcon::Trigger);  // a left click only refreshes Stop Playback
    EXPECT_FALSE(tray().mnuPopup()->isVisible());
    EXPECT_FALSE(main().isVisible());
    tray().activate(QSystemTrayIcon::Context);  // the right button opens the menu
    EXPECT_TRUE(tray().mnuPopup()->isVisible());
    EXPECT_TRUE(tray().mnuPopup()->defaultAction() == tray().mnuSysTray(0));
    tray().mnuPopup()->hide();
    tray().activate(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(main().isVisible());
    tray().mnuSysTray(1)->trigger();  // Compact
    EXPECT_TRUE(compact().isVisible());
    EXPECT_FALSE(main().isVisible());

    const int changes = tray().IconChanges();
    tray().IconHandle(tray().icon()->icon());
    EXPECT_EQ(tray().IconChanges(), changes);  // the same icon again changes nothing

    bool ended = false;
    QObject::connect(&main(), &frmMain::unloaded, [&] { ended = true; });
    answer = vbNo;
    tray().mnuSysTray(7)->trigger();
    EXPECT_FALSE(ended);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, "Closing Noorvale will disable its Alert Features.\nAre you sure you want to quit?");
    EXPECT_EQ(boxes.back().title, "Noorvale");
    answer = vbYes;
    tray().mnuSysTray(7)->trigger();
    EXPECT_TRUE(ended);
}

// London on Friday 21 June 2002 at GMT+1 with 18 and 17 degrees: the sun never sinks 17 degrees
// below the horizon.
TEST_F(AlertEngine, DaysWithoutTrueDawnStandOutInTheCalendarWithTheReason) {
    storeLondon(1, kHighLatNone);
    startAt(9, 0);
    QTreeWidgetItem* friday = main().lvwCalendar->topLevelItem(5);
    ASSERT_EQ(friday->text(1), "Jun 21 Fri");
    for (int c = 1; c <= 7; ++c) {
        EXPECT_TRUE(friday->font(c).italic()) << c;
        EXPECT_TRUE(friday->toolTip(c).startsWith("No true dawn/dusk: the sun does not sink to the Fajr or Isha angle"))
            << friday->toolTip(c).toStdString();
    }
}

TEST_F(AlertEngine, WithARuleAnIshaPastMidnightIsTheEveningsIsha) {
    storeLondon(1, kHighLatMiddle);
    clsPrayTime london;
    london.LatMinute(30);
    london.LatDegree(51);
    london.LonMinute(7);
    london.LonDegree(0);
    london.LonWestOfGW(true);
    london.Altitude(11);
    london.GMTOffset(1);
    ApplyCalcMethod(london, 1);
    london.HighLatRule(kHighLatMiddle);
    london.PrayerDate(dateSerial(2002, 6, 21));
    ASSERT_TRUE(london.Calculate());
    const DateValue isha = RoundToMinute(london.Night());
    ASSERT_LT(isha, timeSerial(3, 0, 0));  // after midnight
    const QString ishaText = "Isha at " + QString::fromStdString(FormatDate(isha, "Medium Time"));

    startAt(21, 40);  // after Maghrib
    EXPECT_FALSE(main().lvwCalendar->topLevelItem(5)->font(2).italic());  // in order with the rule
    tickAt(21, 40, 1);
    EXPECT_EQ(caption(), "Noorvale - Next Prayer: " + ishaText);
    EXPECT_EQ(tray().ToolTip(), "Next Prayer: " + ishaText);
    tickAt(23, 59, 59);
    tickAt(0, 0, 1, 22);
    EXPECT_EQ(StartDate, dateSerial(2002, 6, 21));  // the evening's Isha is still to come
    EXPECT_TRUE(DaySchedule[4].Pending);
    EXPECT_EQ(compact().lblMessage->text(), ishaText);
    const DateParts at = splitDate(isha);
    tickAt(at.hour, at.minute, 0, 22);
    EXPECT_FALSE(DaySchedule[4].Pending);  // it came, after midnight, and played
    EXPECT_EQ(main().player()->Status(), "playing");
    // Then the new day; with the middle of the night its Fajr may share Isha's minute.
    tickAt(at.hour, at.minute, 1, 22);
    EXPECT_EQ(StartDate, dateSerial(2002, 6, 22));
    london.PrayerDate(dateSerial(2002, 6, 22));
    london.Calculate();
    EXPECT_EQ(DaySchedule[0].Time, RoundToMinute(london.Dawn()));
    EXPECT_EQ(DaySchedule[4].Time, RoundToMinute(london.Night()) + 1);  // the next evening's
}

// Far north in June (Vardø, 70°22' N, UTC+2) the next day's Fajr falls before midnight, without a
// rule even before this day's Maghrib. Walked minute by minute from the morning to past midnight,
// every prayer alerts once, in its own minute, in the order the day brings them; of two sharing a
// minute the later one (the next day's Fajr last) plays. The captions between name the right one.
TEST_F(AlertEngine, FarNorthInJuneEachPrayerAlertsOnceInItsOwnMinute) {
    struct Case {
        int16_t rule;
        std::vector<std::pair<std::string, std::string>> alerts;  // the minute and the prayer alerted in it
    };
    const Case cases[] = {
        {kHighLatNone, {{"11:59", "DHUHR"}, {"17:14", "ASR"}, {"23:55", "FAJR"}, {"23:59", "ISHA"}}},
        {kHighLatMiddle, {{"11:59", "DHUHR"}, {"17:14", "ASR"}, {"23:01", "MAGHRIB"}, {"23:55", "FAJR"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        const std::string loc = "\\User\\Location";
        storeText(loc, "Name", "Vardø");
        for (const auto& [name, v] : {std::pair{"LatDegree", 70}, {"LatMinute", 22}, {"LatSouthOfEq", 0}, {"LonDegree", 31},
                                      {"LonMinute", 6}, {"LonWestOfGW", 0}, {"Altitude", 0}, {"TZMode", 1}, {"GMTOffset", 2}})
            storeLong(loc, name, v);
        storeLong("\\User\\Method", "CalcMethod", 1);
        storeLong("\\User\\Method", "HighLatRule", c.rule);
        startAt(9, 0);
        tickAt(9, 0, 1);
        EXPECT_EQ(caption().toStdString(), "Noorvale - Next Prayer: Dhuhr at 11:59 AM");

        std::vector<std::pair<std::string, std::string>> heard;
        for (int m = 9 * 60 + 1; m < 24 * 60 + 10; ++m) {
            const int day = 21 + m / (24 * 60), hh = m / 60 % 24, mm = m % 60;
            QString alerted;
            for (int ss = 0; ss <= 1; ++ss) {
                tickAt(hh, mm, ss, day);
                const QString text = caption();
                if (text.startsWith("IT IS TIME FOR ")) alerted = text.mid(15).section(' ', 0, 0);
            }
            if (!alerted.isEmpty()) heard.emplace_back(QTime(hh, mm).toString("HH:mm").toStdString(), alerted.toStdString());
        }
        EXPECT_EQ(heard, c.alerts);
        EXPECT_EQ(StartDate, dateSerial(2002, 6, 22));
        EXPECT_EQ(caption().toStdString(), "Noorvale - Next Prayer: Dhuhr at 12:00 PM");  // the 22nd's
        unload();
    }
}

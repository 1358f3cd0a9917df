#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "AppFixture.h"
#include "DialogRunner.h"
#include "NoorvaleMain.h"
#include "frmCustomize.h"
#include "frmMain.h"
#include "modNoorvale.h"
#include "modTimeZone.h"
#include "support/UrlRecorder.h"

using namespace nv;
using nv::test::AppFixture;
using nv::test::retype;

namespace {

QTreeWidgetItem* alertNode(QTreeWidget* tree, int alert) {
    QTreeWidgetItem* kind = tree->topLevelItem(0)->child(0);
    for (int i = 0; i < kind->childCount(); ++i)
        if (kind->child(i)->data(0, Qt::UserRole).toInt() == alert) return kind->child(i);
    return nullptr;
}

void doubleClick(QTreeWidget* tree, QTreeWidgetItem* node) {
    tree->setCurrentItem(node);
    tree->scrollToItem(node);
    tree->doItemsLayout();
    const QPoint at = tree->visualItemRect(node).center();
    // A double click as the mouse makes it: press, release, then the second press.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

bool sameImage(const QIcon& a, const QIcon& b) { return a.pixmap(16).toImage() == b.pixmap(16).toImage(); }

// Minutes of a "hh:mm" text on the 12-hour clock.
int minutesOf(const QString& t) { return t.left(2).toInt() % 12 * 60 + t.mid(3, 2).toInt(); }

}  // namespace

class CustomizeTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        storeLong("\\System\\Startup", "UpdateMode", 0);
        ASSERT_TRUE(load());
        dlg = std::make_unique<frmCustomize>(main());
        dlg->show();
    }
    void TearDown() override {
        dlg.reset();
        AppFixture::TearDown();
    }
    QByteArray store() {
        QFile f(QString::fromStdString(storeFile));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::unique_ptr<frmCustomize> dlg;
};

TEST_F(CustomizeTest, ControlsCarryTheirNamesAndTheTabsTheirOrder) {
    for (const char* name : {"tabCustomize", "lstPeriods", "txtPeriodName", "txtLocName", "txtLatDegree", "txtLatMinute",
                             "optLatNorth", "optLatSouth", "txtLonDegree", "txtLonMinute", "optLonEast", "optLonWest",
                             "txtAltitude", "cboTimeZone", "txtGMT", "lblUSAFind", "lblWorldFind", "cboCalcMethod",
                             "txtDawnAngle", "txtDawnMin", "txtNightAngle", "txtNightMin", "optShafi", "optHanafi",
                             "txtSafetyMin", "cboHighLat", "cboAstronomy", "treAlerts", "fraAlertProp", "cmdSound", "cmdOK", "cmdCancel"})
        EXPECT_NE(dlg->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(dlg->windowTitle(), "Customize");
    ASSERT_EQ(dlg->tabCustomize->count(), 4);
    EXPECT_EQ(dlg->tabCustomize->tabText(0), "&Period Names");
    EXPECT_EQ(dlg->tabCustomize->tabText(3), "&Alert Manager");
    EXPECT_EQ(dlg->tabCustomize->currentIndex(), 0);
    EXPECT_FALSE(dlg->txtPeriodName->isEnabled());
    EXPECT_EQ(dlg->lstPeriods->count(), 6);
    EXPECT_EQ(dlg->lstPeriods->item(0)->text(), "Dawn");
    EXPECT_EQ(dlg->lstPeriods->item(5)->text(), "Night");
    EXPECT_EQ(dlg->cboCalcMethod->itemText(0), "Umm Al-Qura, Makkah");
    EXPECT_EQ(dlg->cboCalcMethod->itemText(5), "Custom / User Defined");
    EXPECT_EQ(dlg->txtLocName->text(), QString::fromStdString(PrayTime().LocationName()));
    EXPECT_EQ(dlg->txtLatDegree->text(), QString::number(PrayTime().LatDegree()));
}

TEST_F(CustomizeTest, PresetsFillTheBoxesAndCustomUnlocksThem) {
    dlg->cboCalcMethod->setCurrentIndex(2);  // Egyptian: the fractional angles
    EXPECT_EQ(dlg->txtDawnAngle->text(), "19.5");
    EXPECT_EQ(dlg->txtNightAngle->text(), "17.5");
    dlg->cboCalcMethod->setCurrentIndex(0);
    EXPECT_EQ(dlg->txtDawnAngle->text(), "19");
    EXPECT_EQ(dlg->txtDawnMin->text(), "0");
    EXPECT_EQ(dlg->txtNightAngle->text(), "0");
    EXPECT_EQ(dlg->txtNightMin->text(), "90");

    dlg->cboCalcMethod->setCurrentIndex(5);
    EXPECT_EQ(dlg->txtDawnAngle->text(), "19");  // the values stay
    EXPECT_TRUE(dlg->txtDawnAngle->isEnabled());
    EXPECT_TRUE(dlg->txtNightAngle->isEnabled());
    EXPECT_TRUE(dlg->txtNightMin->isEnabled());
    EXPECT_FALSE(dlg->txtDawnMin->isEnabled());
    retype(dlg->txtDawnAngle, "0");
    EXPECT_TRUE(dlg->txtDawnMin->isEnabled());
    retype(dlg->txtDawnAngle, "17");
    EXPECT_EQ(dlg->txtDawnAngle->text(), "17");
    EXPECT_FALSE(dlg->txtDawnMin->isEnabled());
}

TEST_F(CustomizeTest, NumberBoxesTakeOnlyDigitsAndGmtALeadingMinus) {
    retype(dlg->txtLatDegree, "3.5a");
    EXPECT_EQ(dlg->txtLatDegree->text(), "35");
    dlg->txtLatDegree->selectAll();
    QTest::keyClick(dlg->txtLatDegree, Qt::Key_Backspace);  // emptied: "0" at once
    EXPECT_EQ(dlg->txtLatDegree->text(), "0");
    retype(dlg->txtDawnAngle, "");
    QTest::keyClicks(dlg->txtDawnAngle, "1x8.2.5");  // an angle takes one decimal point
    EXPECT_EQ(dlg->txtDawnAngle->text(), "18.25");
    retype(dlg->txtAltitude, "-1a5");  // metres: digits only
    EXPECT_EQ(dlg->txtAltitude->text(), "15");

    dlg->cboTimeZone->setCurrentIndex(1);
    EXPECT_TRUE(dlg->txtGMT->isEnabled());
    dlg->txtGMT->clear();
    QTest::keyClicks(dlg->txtGMT, "-5");
    EXPECT_EQ(dlg->txtGMT->text(), "-5");
    QTest::keyClicks(dlg->txtGMT, "-");
    EXPECT_EQ(dlg->txtGMT->text(), "-5");
    dlg->txtGMT->selectAll();  // the whole text selected: "-" replaces it
    QTest::keyClicks(dlg->txtGMT, "-3");
    EXPECT_EQ(dlg->txtGMT->text(), "-3");
}

TEST_F(CustomizeTest, OffsetBoxTakesHoursAndMinutesWithinTheRangeOfRealZones) {
    dlg->tabCustomize->setCurrentIndex(1);
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    dlg->cboTimeZone->setCurrentIndex(1);
    retype(dlg->txtGMT, "5::3a0");  // one colon, digits
    EXPECT_EQ(dlg->txtGMT->text(), "5:30");
    retype(dlg->txtGMT, "+1+3");
    EXPECT_EQ(dlg->txtGMT->text(), "+13");
    // Typed, the focus leaving, OK: the offset kept, in minutes; out of range: the message and
    // the offset as it was.
    struct Case {
        const char* typed;
        int32_t minutes;
        bool refused;
    };
    PrayTime().GMTOffsetMinutes(-360);
    for (const Case& c : {Case{"5:30", 330, false}, Case{"-3:30", -210, false}, Case{"+13", 780, false},
                          Case{"14", 840, false}, Case{"14:30", -360, true}, Case{"-12:30", -360, true},
                          Case{"5:3", -360, true}}) {
        boxes.clear();
        dlg->txtGMT->setFocus();
        retype(dlg->txtGMT, c.typed);
        dlg->txtAltitude->setFocus();
        EXPECT_EQ(boxes.size(), c.refused ? 1u : 0u) << c.typed;
        if (c.refused) {
            EXPECT_EQ(boxes[0].text, "Value must be between -12:00 and +14:00, please try again.");
            EXPECT_EQ(dlg->txtGMT->text(), "-6");
        }
    }
    retype(dlg->txtGMT, "-3:30");
    dlg->txtAltitude->setFocus();
    boxes.clear();
    retype(dlg->txtAltitude, "9001");
    dlg->txtGMT->setFocus();
    dlg->cboHighLat->setCurrentIndex(kHighLatSeventh);
    EXPECT_EQ(dlg->cboAstronomy->currentText(), "precise");  // the calculator's own
    dlg->cboAstronomy->setCurrentIndex(1);
    EXPECT_EQ(dlg->cboAstronomy->currentText(), "classic (as earlier versions)");
    dlg->cmdOK->click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Value must be between 0 and 9000, please try again.");
    EXPECT_EQ(PrayTime().Altitude(), 0);
    EXPECT_EQ(PrayTime().GMTOffsetMinutes(), -210);
    EXPECT_FALSE(PrayTime().AutoZone());
    EXPECT_EQ(PrayTime().HighLatRule(), kHighLatSeventh);
    EXPECT_EQ(storedLong("\\User\\Location", "GMTOffset"), -3);
    EXPECT_EQ(storedLong("\\User\\Location", "GMTOffsetMinutes"), -210);
    EXPECT_EQ(storedLong("\\User\\Method", "HighLatRule"), kHighLatSeventh);
    EXPECT_EQ(PrayTime().Astronomy(), kAstronomyClassic);
    EXPECT_EQ(storedLong("\\User\\Method", "Astronomy"), kAstronomyClassic);
}

TEST_F(CustomizeTest, AutomaticTimeZoneShowsAndStoresTheSystemsOffset) {
    const auto previous = setTimeZoneSource([](TimeZoneInformation& info) {
        info = {-330, 0, 0, 0};  // UTC+5:30
        return TIME_ZONE_ID_UNKNOWN;
    });
    dlg->cboTimeZone->setCurrentIndex(1);
    retype(dlg->txtGMT, "3");
    dlg->cboTimeZone->setCurrentIndex(0);
    EXPECT_FALSE(dlg->txtGMT->isEnabled());
    EXPECT_EQ(dlg->txtGMT->text(), "5:30");
    dlg->txtGMT->setText("9");  // not what OK stores
    dlg->cmdOK->click();
    EXPECT_EQ(PrayTime().GMTOffsetMinutes(), 330);
    EXPECT_TRUE(PrayTime().AutoZone());
    EXPECT_EQ(TZMode, 0);
    EXPECT_EQ(storedLong("\\User\\Location", "GMTOffset"), 5);
    EXPECT_EQ(storedLong("\\User\\Location", "GMTOffsetMinutes"), 330);
    setTimeZoneSource(previous);
}

TEST_F(CustomizeTest, MarginAboveFiveIsAnsweredWithTheMessageAndBecomesTwo) {
    dlg->tabCustomize->setCurrentIndex(2);
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    dlg->txtSafetyMin->setFocus();
    retype(dlg->txtSafetyMin, "5");
    dlg->txtDawnAngle->setFocus();  // the focus leaves: accepted
    EXPECT_TRUE(boxes.empty());
    dlg->txtSafetyMin->setFocus();
    retype(dlg->txtSafetyMin, "7");
    dlg->cboCalcMethod->setFocus();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Value must be between 0 and 5, please try again.");
    EXPECT_EQ(boxes[0].style, vbInformation);
    EXPECT_EQ(boxes[0].title, "Noorvale");
    EXPECT_EQ(dlg->txtSafetyMin->text(), "2");
    EXPECT_EQ(dlg->focusWidget(), dlg->cboCalcMethod);  // the focus is not held

    // Typed and confirmed at once with OK: checked all the same.
    retype(dlg->txtSafetyMin, "9");
    dlg->cmdOK->click();
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(PrayTime().MarginOfSafety(), 2);
}

TEST_F(CustomizeTest, EveryNumberBoxIsCheckedAgainstItsLimits) {
    struct Case {
        QLineEdit* box;
        int tab;
        const char* typed;
        const char* message;  // empty: accepted
        const char* after;
    };
    const Case cases[] = {
        {dlg->txtLatDegree, 1, "95", "Value must be between 0 and 90, please try again.", "90"},
        {dlg->txtLatDegree, 1, "90", "", "90"},
        {dlg->txtLatMinute, 1, "60", "Value must be between 0 and 59, please try again.", "59"},
        {dlg->txtLonDegree, 1, "181", "Value must be between 0 and 180, please try again.", "180"},
        {dlg->txtLonMinute, 1, "75", "Value must be between 0 and 59, please try again.", "59"},
        {dlg->txtSafetyMin, 2, "6", "Value must be between 0 and 5, please try again.", "2"},
    };
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box->objectName().toStdString() + " " + c.typed);
        boxes.clear();
        dlg->tabCustomize->setCurrentIndex(c.tab);
        c.box->setFocus();
        retype(c.box, c.typed);
        dlg->cmdCancel->setFocus();  // the focus leaves
        if (*c.message) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, c.message);
            EXPECT_EQ(boxes[0].style, vbInformation);
        } else {
            EXPECT_TRUE(boxes.empty());
        }
        EXPECT_EQ(c.box->text(), c.after);
    }
    // The method's own angles and minutes, typed and confirmed at once with OK.
    dlg->tabCustomize->setCurrentIndex(2);
    dlg->cboCalcMethod->setCurrentIndex(5);  // the user's own angles and minutes
    boxes.clear();
    retype(dlg->txtDawnAngle, "200");
    retype(dlg->txtNightMin, "0");
    retype(dlg->txtNightAngle, "45");
    dlg->cmdOK->click();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Value must be between 0 and 30, please try again.");
    EXPECT_EQ(PrayTime().DawnTwilightAngle(), 30);
    EXPECT_EQ(PrayTime().NightTwilightAngle(), 30);
}

TEST_F(CustomizeTest, AlertTreeSwitchesAndSounds) {
    QTreeWidget* tree = dlg->treAlerts;
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "Installed Alerts");
    EXPECT_EQ(root->child(0)->text(0), "Sound Alert");
    QTreeWidgetItem* fajr = alertNode(tree, 1);
    ASSERT_NE(fajr, nullptr);
    const QString sound = QString::fromStdString(GetSoundFile(1));
    EXPECT_EQ(fajr->text(0), "Dawn / Fajr - " + sound);
    EXPECT_TRUE(sameImage(fajr->icon(0), picture("GREEN")));
    EXPECT_EQ(alertNode(tree, 2)->text(0).left(13), "Noon / Dhuhr ");

    dlg->tabCustomize->setCurrentIndex(3);
    // The root and the kind: no properties, and a double click changes nothing.
    doubleClick(tree, root);
    EXPECT_TRUE(dlg->fraAlertProp->isHidden());
    doubleClick(tree, root->child(0));
    EXPECT_EQ(fajr->text(0), "Dawn / Fajr - " + sound);
    tree->expandAll();  // the double clicks folded the branches

    tree->setCurrentItem(fajr);
    EXPECT_FALSE(dlg->fraAlertProp->isHidden());
    EXPECT_TRUE(dlg->cmdSound->isEnabled());
    doubleClick(tree, fajr);
    EXPECT_EQ(fajr->text(0), "Dawn / Fajr - OFF");
    EXPECT_TRUE(sameImage(fajr->icon(0), picture("RED")));
    EXPECT_FALSE(dlg->cmdSound->isEnabled());
    doubleClick(tree, fajr);
    EXPECT_TRUE(dlg->cmdSound->isEnabled());

    // "Change...": a picked file becomes the sound, a cancel keeps it.
    nv::test::ScopedPickers pickers;
    pickers.files = {"/sounds/adhan.wav", ""};
    dlg->cmdSound->click();
    ASSERT_EQ(pickers.filters.size(), 1u);
    EXPECT_EQ(pickers.filters[0], "All Supported Files|*.wav|Windows Wave Files (*.wav)|*.wav|All Files |*.*");
    EXPECT_EQ(fajr->text(0), "Dawn / Fajr - /sounds/adhan.wav");
    dlg->cmdSound->click();
    EXPECT_EQ(fajr->text(0), "Dawn / Fajr - /sounds/adhan.wav");

    // Asr off, Fajr's new sound: stored by OK, and the main window's tree follows.
    doubleClick(tree, alertNode(tree, 3));
    dlg->cmdOK->click();
    EXPECT_EQ(GetSoundFile(1), "/sounds/adhan.wav");
    AlertRecords switches{};
    LoadAlertSwitches(switches);
    EXPECT_TRUE(switches[0].sound);
    EXPECT_FALSE(switches[2].sound);
}

TEST_F(CustomizeTest, OkStoresEverythingAndTheCalendarShowsTheNewTimes) {
    const QString fajrBefore = cell(5, 2);
    dlg->lstPeriods->setCurrentRow(0);
    EXPECT_TRUE(dlg->txtPeriodName->isEnabled());
    EXPECT_EQ(dlg->txtPeriodName->text(), "Fajr");
    retype(dlg->txtPeriodName, "Subh");
    dlg->lstPeriods->setCurrentRow(1);
    retype(dlg->txtPeriodName, "   ");  // a blank name changes nothing
    retype(dlg->txtLocName, "Makkah");
    retype(dlg->txtLatDegree, "21");
    retype(dlg->txtLatMinute, "25");
    dlg->optLatNorth->setChecked(true);
    retype(dlg->txtLonDegree, "39");
    retype(dlg->txtLonMinute, "49");
    dlg->optLonEast->setChecked(true);
    dlg->cboTimeZone->setCurrentIndex(1);
    retype(dlg->txtGMT, "3");
    retype(dlg->txtAltitude, "277");
    dlg->cboCalcMethod->setCurrentIndex(0);
    dlg->optHanafi->setChecked(true);
    dlg->cmdOK->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);

    const clsPrayTime& pt = PrayTime();
    EXPECT_EQ(pt.LocationName(), "Makkah");
    EXPECT_EQ(pt.LatDegree(), 21);
    EXPECT_EQ(pt.LonMinute(), 49);
    EXPECT_FALSE(pt.LonWestOfGW());
    EXPECT_EQ(pt.GMTOffset(), 3);
    EXPECT_EQ(pt.Altitude(), 277);
    EXPECT_EQ(pt.ShadowRatio(), 2);
    EXPECT_EQ(CalcMethod, 0);
    EXPECT_EQ(TZMode, 1);
    EXPECT_EQ(PeriodNames[0], "Subh");
    EXPECT_EQ(PeriodNames[1], "Shurooq");
    EXPECT_EQ(storedLong("\\User\\Method", "CalcMethod"), 0);
    EXPECT_EQ(storedLong("\\User\\Method", "MinutesAfterSunset"), 90);
    EXPECT_EQ(storedLong("\\User\\Location", "LatDegree"), 21);

    // The calendar: renamed column, Isha 90 minutes after Maghrib, another Fajr.
    EXPECT_EQ(main().lvwCalendar->model()->headerData(2, Qt::Horizontal).toString(), "Subh");
    EXPECT_EQ(minutesOf(cell(5, 7)) - minutesOf(cell(5, 6)), 90);
    EXPECT_NE(cell(5, 2), fajrBefore);
}

TEST_F(CustomizeTest, CancelAfterEditsChangesNothing) {
    const QByteArray before = store();
    const std::string place = PrayTime().LocationName();
    const int16_t method = CalcMethod;
    const QString fajr = cell(5, 2);
    retype(dlg->txtLocName, "Elsewhere");
    retype(dlg->txtLatDegree, "60");
    dlg->cboCalcMethod->setCurrentIndex(method == 0 ? 1 : 0);
    dlg->lstPeriods->setCurrentRow(2);
    retype(dlg->txtPeriodName, "Zuhr");
    doubleClick(dlg->treAlerts, alertNode(dlg->treAlerts, 1));
    dlg->cmdCancel->click();
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(PrayTime().LocationName(), place);
    EXPECT_EQ(CalcMethod, method);
    EXPECT_EQ(PeriodNames[2], "Dhuhr");
    EXPECT_EQ(store(), before);
    EXPECT_EQ(cell(5, 2), fajr);
}

TEST_F(CustomizeTest, UnconvertibleTextsLeaveTheirValuesAndTheRestIsApplied) {
    const int16_t altitude = PrayTime().Altitude();
    retype(dlg->txtAltitude, "high");
    retype(dlg->txtLatDegree, "95");  // rejected by the calculator: it keeps its replacement
    retype(dlg->txtLocName, "Somewhere");
    dlg->cmdOK->click();
    EXPECT_EQ(PrayTime().Altitude(), altitude);
    EXPECT_LT(PrayTime().LatDegree(), 90);
    EXPECT_EQ(PrayTime().LocationName(), "Somewhere");
    EXPECT_EQ(storedLong("\\User\\Location", "LatDegree"), PrayTime().LatDegree());
}

TEST_F(CustomizeTest, FindLinksOpenTheirPages) {
    nv::test::UrlRecorder urls;
    dlg->tabCustomize->setCurrentIndex(1);
    QTest::mouseClick(dlg->lblUSAFind, Qt::LeftButton);
    QTest::mouseClick(dlg->lblWorldFind, Qt::LeftButton);
    ASSERT_EQ(urls.opened.size(), 2);
    EXPECT_EQ(urls.opened[0], QUrl(kUSAFindURL));
    EXPECT_EQ(urls.opened[1], QUrl(kWorldFindURL));
}

TEST_F(CustomizeTest, MenuToolbarAndLocationPanelOpenItModally) {
    dlg.reset();
    int opened = 0;
    auto cancelSoon = [&] {
        QTimer::singleShot(0, [&] {
            frmCustomize* d = main().CustomizeDialog();
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(d->isModal());
            ++opened;
            d->cmdCancel->click();
        });
    };
    cancelSoon();
    main().action("mnuToolsCustomize")->trigger();
    cancelSoon();
    main().action("TLB:CUSTOMIZE")->trigger();
    cancelSoon();
    QTest::mouseDClick(main().panel("Location"), Qt::LeftButton);
    EXPECT_EQ(opened, 3);
    EXPECT_EQ(main().CustomizeDialog(), nullptr);  // the reference goes with the dialog
}

TEST_F(CustomizeTest, PickingAnAuthorityFillsTheCustomMethodAndOkStoresItAll) {
    dlg->tabCustomize->setCurrentIndex(2);
    ASSERT_EQ(dlg->cboAuthority->itemText(0), "Pick an authority…");
    dlg->cboAuthority->setCurrentIndex(dlg->cboAuthority->findText("Diyanet, Turkey"));
    EXPECT_EQ(dlg->cboAuthority->currentIndex(), 0);  // back to the prompt
    EXPECT_EQ(dlg->cboCalcMethod->currentIndex(), kCustomMethod);
    EXPECT_EQ(dlg->txtDawnAngle->text(), "18");
    EXPECT_EQ(dlg->txtNightAngle->text(), "17");
    const int turkey[6] = {0, -7, 5, 5, 8, 1};
    for (int p = 0; p < 6; ++p) EXPECT_EQ(dlg->spnAdjust[static_cast<size_t>(p)]->value(), turkey[p]) << p;
    EXPECT_TRUE(dlg->lblAuthority->text().contains("Diyanet, Turkey"));
    EXPECT_EQ(dlg->txtSafetyMin->text(), "0");  // its own minutes are its margin
    EXPECT_FALSE(dlg->cboShafaq->isVisible());

    // Tehran: fractional angles and a Maghrib angle that no box shows but the label names.
    dlg->cboAuthority->setCurrentIndex(dlg->cboAuthority->findText("Institute of Geophysics, University of Tehran"));
    EXPECT_EQ(dlg->txtDawnAngle->text(), "17.7");
    EXPECT_EQ(dlg->spnAdjust[1]->value(), 0);
    EXPECT_TRUE(dlg->lblAuthority->text().contains("Maghrib at 4.5° below the horizon")) << dlg->lblAuthority->text().toStdString();
    dlg->spnAdjust[0]->setValue(3);  // the mosque's own Fajr
    if (const QString shots = qEnvironmentVariable("NOORVALE_SHOTS"); !shots.isEmpty()) {
        QDir().mkpath(shots);
        dlg->grab().save(shots + "/customize-authority.png");
    }
    dlg->cmdOK->click();

    const clsPrayTime& pt = PrayTime();
    EXPECT_EQ(CalcMethod, kCustomMethod);
    EXPECT_EQ(AuthorityName, "Institute of Geophysics, University of Tehran");
    EXPECT_EQ(pt.DawnTwilightAngle(), 17.7);
    EXPECT_EQ(pt.SunsetTwilightAngle(), 4.5);
    EXPECT_EQ(pt.Adjustment(1), 3);
    EXPECT_EQ(storedLong("\\User\\Method", "DawnTwilightAngle"), 18);
    EXPECT_EQ(storedLong("\\User\\Method", "Adjustment1"), 3);

    // Typing an angle of one's own leaves the authority; a preset drops its Maghrib angle too.
    frmCustomize again(main());
    again.show();
    EXPECT_TRUE(again.lblAuthority->text().contains("Tehran"));
    EXPECT_EQ(again.spnAdjust[0]->value(), 3);
    again.txtNightAngle->selectAll();
    QTest::keyClicks(again.txtNightAngle, "15");
    EXPECT_FALSE(again.lblAuthority->text().contains("Tehran"));
    EXPECT_TRUE(again.lblAuthority->text().contains("Maghrib at 4.5°"));
    again.cboCalcMethod->setCurrentIndex(1);
    EXPECT_TRUE(again.lblAuthority->isHidden());
    again.cmdOK->click();
    EXPECT_EQ(AuthorityName, "");
    EXPECT_EQ(pt.SunsetTwilightAngle(), 0);
    EXPECT_EQ(pt.Adjustment(1), 3);  // the adjustments are the user's, whatever the method

    // The Moonsighting Committee: its seasonal rule comes with the shafaq to choose; the user
    // raises the margin again. OK stores both.
    frmCustomize third(main());
    third.show();
    third.tabCustomize->setCurrentIndex(2);
    EXPECT_FALSE(third.cboShafaq->isVisible());
    third.cboAuthority->setCurrentIndex(third.cboAuthority->findText("Moonsighting Committee Worldwide"));
    EXPECT_TRUE(third.cboShafaq->isVisible());
    EXPECT_TRUE(third.optHanafi->isChecked());
    EXPECT_EQ(third.txtSafetyMin->text(), "0");
    EXPECT_TRUE(third.lblAuthority->text().contains("within the season's minutes")) << third.lblAuthority->text().toStdString();
    third.cboShafaq->setCurrentIndex(third.cboShafaq->findText("Red"));
    retype(third.txtSafetyMin, "1");
    if (const QString shots = qEnvironmentVariable("NOORVALE_SHOTS"); !shots.isEmpty())
        third.grab().save(shots + "/customize-moonsighting.png");
    third.cmdOK->click();
    EXPECT_EQ(pt.Shafaq(), kShafaqRed);
    EXPECT_EQ(pt.MarginOfSafety(), 1);
    EXPECT_EQ(storedLong("\\User\\Method", "Shafaq"), kShafaqRed);
    EXPECT_EQ(storedLong("\\User\\Method", "SafetyMinutes"), 1);
}

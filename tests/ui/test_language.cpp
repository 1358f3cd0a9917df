// The program's languages: which one a session and a pick give; what installing one changes (the
// catalogue's texts, Qt's buttons, the reading direction, month names, Hijri months), with the real
// catalogues of the program folder; the windows of this folder read right to left; the manual of
// the language spoken.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <array>

#include "AlertTexts.h"
#include "CalendarRows.h"
#include "Clock.h"
#include "DateLocale.h"
#include "FormatDate.h"
#include "FitLabel.h"
#include "ProgramLanguage.h"
#include "Translate.h"
#include "VbConv.h"
#include "modDateLib.h"
#include "frmCompact.h"
#include "modHelp.h"
#include "modHijri.h"
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

// Help opens a manual at a section's anchor: every language's manual has the English sections, in
// the language's own words and direction, and names the program's menus as its windows do.
TEST(Manual, EachLanguagesManualHasTheEnglishSectionsInItsOwnDirectionAndWords) {
    auto read = [](const QString& name) {
        QFile f(QStringLiteral(NOORVALE_BIN_DIR "/") + name);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    auto anchors = [](const QString& page) {
        QStringList ids;
        for (const auto& m : QRegularExpression(R"re((?:id|href)="#?([^"]+)")re").globalMatch(page)) ids << m.captured(1);
        return ids;
    };
    const QString english = read("Noorvale.html");
    ASSERT_GT(anchors(english).size(), 30);
    test::TempHome home;
    setProgramFolder(NOORVALE_BIN_DIR);
    for (const char* code : {"ar", "ur", "tr", "id", "fr"}) {
        SCOPED_TRACE(code);
        const QString manual = read(QString("Noorvale_%1.html").arg(code));
        EXPECT_EQ(anchors(manual), anchors(english));
        const bool rightToLeft = std::string(code) == "ar" || std::string(code) == "ur";
        EXPECT_TRUE(manual.contains(QString(R"(<html lang="%1"%2>)").arg(code, rightToLeft ? R"( dir="rtl")" : "")));
        // The menu and tab names the manual points to are the program's own, its shortcut letter aside.
        ASSERT_EQ(InstallLanguage(code), code);
        for (const char* text : {"&Tools", "&Customize...", "&Options...", "&View"}) {
            QString name = QCoreApplication::translate("nv::frmMain", text).remove(QRegularExpression(" ?\\(&\\w\\)")).remove('&');
            name.remove(QStringLiteral("..."));
            EXPECT_TRUE(manual.contains(name)) << name.toStdString();
        }
        EXPECT_FALSE(manual.contains(QString::fromUtf8("إنهاء Noorvale")));
    }
    InstallLanguage("en");
}

TEST(Language, ThePickWinsThenTheSessionsFirstLanguageWithACatalogue) {
    struct Case {
        std::string pick;
        QStringList session;
        std::string spoken;
    } cases[] = {
        {"", {"ar-SA"}, "ar"},
        {"", {"ur-PK", "ur", "en"}, "ur"},
        {"", {"tr_TR"}, "tr"},
        {"", {"de-DE", "id-ID"}, "id"},  // no German catalogue: the next language that has one
        {"", {"en-GB", "fr-FR"}, "en"},  // English comes first
        {"", {"C"}, "en"},
        {"", {"C", "ar"}, "en"},  // the C locale means English
        {"", {"pt-BR"}, "en"},
        {"", {}, "en"},
        {"fr", {"ar-SA"}, "fr"},
        {"en", {"ar-SA"}, "en"},
        {"xx", {"ur"}, "ur"},  // an unknown stored pick counts as none
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveLanguage(c.pick, c.session), c.spoken) << c.pick << " " << c.session.join(",").toStdString();
}

TEST(Language, EachCatalogueTranslatesTheProgramQtsButtonsAndTheCalendar) {
    test::TempHome home;
    setProgramFolder(NOORVALE_BIN_DIR);
    struct Case {
        std::string code;
        Qt::LayoutDirection direction;
        QString yes;        // Qt's standard button, from our catalogue
        std::string muharram;
    } cases[] = {
        {"ar", Qt::RightToLeft, "نعم (&Y)", "محرم"},
        {"ur", Qt::RightToLeft, "ہاں (&Y)", "محرم"},
        {"tr", Qt::LeftToRight, "&Evet", "Muharrem"},
        {"id", Qt::LeftToRight, "&Ya", "Muharam"},
        {"fr", Qt::LeftToRight, "&Oui", "Mouharram"},
        {"en", Qt::LeftToRight, "&Yes", "Muharram"},
    };
    InstallLanguage("en");
    const std::string shortDate = FormatDate(dateSerial(2002, 6, 21), "Short Date");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ASSERT_EQ(InstallLanguage(c.code), c.code);
        EXPECT_EQ(CurrentLanguage(), c.code);
        EXPECT_EQ(QApplication::layoutDirection(), c.direction);
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), c.yes);
        EXPECT_EQ(HijriMonthName(1), c.muharram);
        // Qt's own dialogs speak every language: Qt's catalogue, or ours where Qt ships none.
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:") != "Look in:", c.code != "en");
        // Urdu is written in Nastaliq where it is installed; every other language keeps the desktop's face.
        const bool urduFace = c.code == "ur" && QFontDatabase::hasFamily("Noto Nastaliq Urdu");
        EXPECT_EQ(QApplication::font().families().value(0) == "Noto Nastaliq Urdu", urduFace);
        // One set of digits, 0 to 9, in every language: a spin box writes them as the calendar does.
        QSpinBox minutes;
        minutes.setRange(-60, 60);
        minutes.setValue(-15);
        EXPECT_EQ(minutes.text().remove(QChar(0x200E)), "-15");  // a left-to-right mark keeps the sign before the number
        // Friday 21 June 2002 in the language's words, in the session's own date layouts.
        const DateValue friday = dateSerial(2002, 6, 21);
        if (c.code == "en") {  // the session's own names ("Friday 21 June, Fri Jun" in the C locale)
            const auto session = systemDateLocale();
            EXPECT_EQ(FormatDate(friday, "dddd d mmmm, ddd mmm"),
                      session->dayName(6, false) + " 21 " + session->monthName(6, false) + ", " +
                          session->dayName(6, true) + " " + session->monthName(6, true));
        } else {
            const QLocale words(QString::fromStdString(c.code));
            const QString comma = c.code == "ar" || c.code == "ur" ? QStringLiteral("،") : QStringLiteral(",");
            EXPECT_EQ(QString::fromStdString(FormatDate(friday, "dddd d mmmm, ddd mmm")),
                      QString("%1 21 %2%5 %3 %4")
                          .arg(words.dayName(5), words.monthName(6), words.dayName(5, QLocale::ShortFormat),
                               words.monthName(6, QLocale::ShortFormat), comma));
            EXPECT_EQ(QString::fromStdString(FormatDate(dateSerial(2002, 6, 23), "dddd")), words.dayName(7));  // Sunday
        }
        EXPECT_EQ(FormatDate(friday, "Short Date"), shortDate);
        // A Hijri long date's comma is the script's own too.
        const QString hijri = QString::fromStdString(FormatHijriDate(friday, "Long Date"));
        EXPECT_EQ(hijri.contains(QChar(0x060C)), c.code == "ar" || c.code == "ur") << hijri.toStdString();
    }
}

// What follows the language spoken, whatever the session's locale says: capitals (a Turkish session
// must not put a dotted İ into English, an English one must put it into Turkish), the AM/PM
// designators and the time format shown until the user picks one.
TEST(Language, CaseDesignatorsAndTheDefaultTimeFormatFollowTheLanguage) {
    test::TempHome home;
    setProgramFolder(NOORVALE_BIN_DIR);
    struct Case {
        std::string code;
        const char* session;  // the session's locale
        QString upper;        // "it is time, vakti" in capitals
        QString afternoon;    // 17:05 in "Medium Time"
        std::string defaultFormat;
    } cases[] = {
        {"en", "tr_TR", "IT IS TIME, VAKTI", "05:05 PM", "hh:mm xx/xx"},
        {"tr", "en_US", "İT İS TİME, VAKTİ", "17:05", "Short Time"},
        {"ar", "en_US", "IT IS TIME, VAKTI", "05:05 م", "hh:mm xx/xx"},
        {"ur", "tr_TR", "IT IS TIME, VAKTI", "05:05 ب ظ", "hh:mm xx/xx"},
        {"fr", "en_US", "IT IS TIME, VAKTI", "17:05", "Short Time"},
        {"id", "tr_TR", "IT IS TIME, VAKTI", "17:05", "Short Time"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        SaveLanguage(c.code);  // picked: the language's own designators even for English
        ASSERT_EQ(InstallLanguage(), c.code);
        QLocale::setDefault(QLocale(c.session));
        EXPECT_EQ(UpperCase("it is time, vakti"), c.upper);
        EXPECT_EQ(QString::fromStdString(FormatDate(timeSerial(17, 5, 0), "Medium Time")), c.afternoon);
        EXPECT_EQ(DefaultTimeFormat(), c.defaultFormat);
    }
    SaveLanguage("");
    InstallLanguage("en");
}

// Each language's alert sentences for the six periods under their default names: a prayer's
// sentence names the prayer with the language's word for a prayer, sunrise (Shurooq) is no prayer,
// a column that names the time rather than the prayer (Turkish İmsak) is not put into the
// sentence, no two periods share a sentence, and a name the user gave goes into the general one.
TEST(Language, EachLanguagesAlertsNameThePrayerOfEveryPeriod) {
    test::TempHome home;
    setProgramFolder(NOORVALE_BIN_DIR);
    struct Case {
        std::string code;
        QString prayer;                // the language's word for a prayer
        std::array<QString, 6> names;  // how the sentences name periods 1 .. 6
    } cases[] = {
        {"en", "prayer", {"Fajr", "Shurooq", "Dhuhr", "Asr", "Maghrib", "Isha"}},
        {"ar", "صلاة", {"الفجر", "الشروق", "الظهر", "العصر", "المغرب", "العشاء"}},
        {"ur", "نماز", {"فجر", "طلوعِ آفتاب", "ظہر", "عصر", "مغرب", "عشاء"}},
        {"tr", "namaz", {"Sabah", "Güneş", "Öğle", "İkindi", "Akşam", "Yatsı"}},
        {"id", "salat", {"Subuh", "terbit", "Zuhur", "Asar", "Magrib", "Isya"}},
        {"fr", "prière", {"Fajr", "Chourouk", "Dhohr", "Asr", "Maghrib", "Icha"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ASSERT_EQ(InstallLanguage(c.code), c.code);
        LoadPeriodNames();
        QStringList said;
        for (int p = 1; p <= 6; ++p) {
            SCOPED_TRACE(p);
            const QString column = QString::fromStdString(DefaultPeriodName(p));
            for (const AlertForm form : {AlertForm::Long, AlertForm::Short}) {
                const QString text = QString::fromStdString(AlertText(p, form, "unused"));
                EXPECT_TRUE(text.contains(c.names[p - 1])) << text.toStdString();
                if (!c.names[p - 1].contains(column)) {
                    EXPECT_FALSE(text.contains(column)) << text.toStdString();
                }
                said << text;
            }
            const QString sentence = QString::fromStdString(AlertText(p, AlertForm::Long, "unused"));
            EXPECT_EQ(sentence.contains(c.prayer, Qt::CaseInsensitive), p != 2) << sentence.toStdString();
        }
        EXPECT_EQ(said.removeDuplicates(), 0);
        for (const int none : {0, 7}) EXPECT_EQ(AlertText(none, AlertForm::Long, "x"), "") << none;  // no such period
        PeriodNames[3] = "Ikindi-Asr";  // renamed by the user
        EXPECT_TRUE(QString::fromStdString(AlertText(4, AlertForm::Long, "Ikindi-Asr")).contains("Ikindi-Asr"));
        EXPECT_EQ(AlertText(4, AlertForm::Short, "Ikindi-Asr"), FillIn(Translate("Alert", "%1 now."), {"Ikindi-Asr"}));
    }
    InstallLanguage("en");
}

// Nastaliq sets a word's first letters past the start of the width the text measures. In Urdu a
// label and a check box at their own size show every letter: as much ink as the text drawn freely.
TEST(Language, NastaliqsFirstLettersAreNotCutOff) {
    test::TempHome home;
    setProgramFolder(NOORVALE_BIN_DIR);
    if (!QFontDatabase::hasFamily("Noto Nastaliq Urdu")) GTEST_SKIP() << "no Nastaliq face installed";
    ASSERT_EQ(InstallLanguage("ur"), "ur");
    auto inkOf = [](const QImage& image) {
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 128;
        return ink;
    };
    for (const QString& text : {QStringLiteral("پس"), QStringLiteral("گھڑی"), QStringLiteral("پس منظر کی تصویر")}) {
        SCOPED_TRACE(text.toStdString());
        QImage free(400, 120, QImage::Format_RGB32);
        free.fill(Qt::white);
        QPainter painter(&free);
        painter.setFont(QApplication::font());
        painter.setLayoutDirection(Qt::RightToLeft);
        painter.drawText(QPoint(200, 60), text);
        painter.end();
        const int whole = inkOf(free);
        ASSERT_GT(whole, 20);

        QLabel label(text);
        label.resize(label.sizeHint());
        EXPECT_GE(inkOf(label.grab().toImage()), whole * 95 / 100);
        QCheckBox bare, box(text);  // the text's ink: the box's less the bare indicator's
        bare.resize(bare.sizeHint());
        box.resize(box.sizeHint());
        EXPECT_GE(inkOf(box.grab().toImage()) - inkOf(bare.grab().toImage()), whole * 95 / 100);
    }
    InstallLanguage("en");
}

TEST(Language, AMissingCatalogueLeavesTheProgramInEnglish) {
    test::TempHome home;
    test::TempDir empty;
    setProgramFolder(empty.path());
    EXPECT_EQ(InstallLanguage("ar"), "en");
    EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(HijriMonthName(9), "Ramadan");
    EXPECT_EQ(Translate("Hijri", "Ramadan"), "Ramadan");
    setProgramFolder(NOORVALE_BIN_DIR);
    InstallLanguage("en");
}

TEST(Language, ThePickIsStoredAndReadBack) {
    test::TempHome home;
    setProgramFolder(NOORVALE_BIN_DIR);
    EXPECT_EQ(StoredLanguage(), "");
    SaveLanguage("tr");
    EXPECT_EQ(StoredLanguage(), "tr");
    EXPECT_EQ(PickInSettingsFile(), "tr");  // what Tarvo and Quenlo read without the store
    EXPECT_EQ(InstallLanguage(), "tr");
    EXPECT_EQ(Translate("Hijri", "Ramadan"), "Ramazan");
    SaveLanguage("");
    EXPECT_EQ(PickInSettingsFile(), "");
    InstallLanguage("en");
}

}  // namespace
}  // namespace nv

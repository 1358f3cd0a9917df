// The printed calendar, printed to PDF files and read back with poppler's pdfinfo and pdftotext.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <QCoreApplication>
#include <QFontInfo>
#include <QTextLayout>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTreeWidget>
#include <array>
#include <vector>

#include "AppFixture.h"
#include "CalendarRows.h"
#include "ProgramLanguage.h"
#include "modDateLib.h"
#include "NoorvaleMain.h"
#include "Pickers.h"
#include "PrintCalLVW.h"
#include "frmMain.h"
#include "modNoorvale.h"
#include "modTimeZone.h"

using namespace nv;
using nv::test::AppFixture;

namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pageCount(const QString& pdf) {
    const QRegularExpressionMatch m = QRegularExpression(R"(Pages:\s+(\d+))").match(run("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString pageText(const QString& pdf, int page) {
    return run("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
}

struct Word {
    double x, y, right;
    QString text;
};

// The words drawn on a page, left to right along each line. pdftotext -bbox gives every letter of
// an Arabic-script word a box of its own: the boxes that touch on one line are joined again into
// the word as drawn, its letters in reading order (right to left for Arabic script), back from
// their shaped forms, direction marks taken away.
std::vector<Word> pageWords(const QString& pdf, int page) {
    const QString html = run("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    static const QRegularExpression box(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>([^<]*)</word>)re");
    static const QRegularExpression marks(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]"));
    static const QRegularExpression arabic(QStringLiteral("[\\x{0600}-\\x{06FF}]"));
    std::vector<Word> boxes;
    for (const auto& m : box.globalMatch(html))
        boxes.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).normalized(QString::NormalizationForm_KC).remove(marks)});
    std::sort(boxes.begin(), boxes.end(), [](const Word& a, const Word& b) {
        return std::abs(a.y - b.y) > 2 ? a.y < b.y : a.x < b.x;
    });
    std::vector<Word> words;
    for (const Word& b : boxes) {
        Word* last = words.empty() ? nullptr : &words.back();
        const bool touching = last && std::abs(last->y - b.y) <= 2 && b.x - last->right < 0.5;
        if (!touching) {
            words.push_back(b);
            continue;
        }
        last->text = arabic.match(b.text).hasMatch() ? b.text + last->text : last->text + b.text;
        last->right = b.right;
    }
    return words;
}

const Word* find(const std::vector<Word>& words, const QString& text) {
    for (const Word& w : words)
        if (w.text == text) return &w;
    return nullptr;
}

// The faces embedded in a PDF, without the subset prefix and the style ("NotoSans").
QStringList embeddedFaces(const QString& pdf) {
    QStringList faces;
    for (const QString& line : run("pdffonts", {pdf}).split('\n').mid(2))
        if (!line.trimmed().isEmpty()) faces << line.section(' ', 0, 0).section('+', -1).section('-', 0, 0);
    faces.removeDuplicates();
    return faces;
}

}  // namespace

class PrintTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        storeLong("\\System\\Startup", "UpdateMode", 0);
        pdf = dir.path() + "/calendar.pdf";
        previous_ = setPrinterPicker([this](QWidget*, QPrinter& printer) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return accept;
        });
    }
    void TearDown() override {
        setPrinterPicker(previous_);
        AppFixture::TearDown();
    }
    QString pdf;
    int dialogs = 0;
    bool accept = true;  // the answer of the print dialog

private:
    PrinterPicker previous_;
};

TEST_F(PrintTest, CancelInThePrintDialogPrintsNothing) {
    ASSERT_TRUE(load());
    accept = false;
    main().action("mnuFilePrint")->trigger();
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(main().panel("Status")->text(), "");
}

TEST_F(PrintTest, WeekViewPrintsOnePageWithTheHeaderBlockAndTheRows) {
    ASSERT_TRUE(load());
    main().action("mnuFilePrint")->trigger();
    EXPECT_EQ(dialogs, 1);
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(pageCount(pdf), 1);
    const QString text = pageText(pdf, 1);
    const clsPrayTime& pt = PrayTime();
    EXPECT_TRUE(text.contains("Prayer Schedule for " + QString::fromStdString(pt.LocationName()).trimmed())) << text.toStdString();
    const QString latitude = QString("Latitude = %1` %2`` %3 Longitude = %4` %5`` %6")
                                 .arg(pt.LatDegree()).arg(pt.LatMinute()).arg(pt.LatSouthOfEq() ? "South" : "North")
                                 .arg(pt.LonDegree()).arg(pt.LonMinute()).arg(pt.LonWestOfGW() ? "West" : "East");
    EXPECT_TRUE(text.simplified().contains(latitude)) << text.toStdString();
    EXPECT_TRUE(text.contains("Time Zone = GMT " + QString::number(pt.GMTOffset())));
    EXPECT_TRUE(QRegularExpression(R"(Day\s+Fajr\s+Shurooq\s+Dhuhr\s+Asr\s+Maghrib\s+Isha)").match(text).hasMatch());
    // Each row as the list shows it, the day number left out.
    for (int r = 0; r < calendarRows(); ++r) {
        QStringList cells;
        for (int c = 1; c < 8; ++c) cells << QRegularExpression::escape(cell(r, c));
        EXPECT_TRUE(QRegularExpression(cells.join(R"(\s+)")).match(text).hasMatch()) << r;
    }
    EXPECT_FALSE(text.contains(" 167 "));
    EXPECT_EQ(main().panel("Status")->text(), "");
}

TEST_F(PrintTest, YearViewPrintsTwelveMonthlyPagesWithALeapFebruary) {
    setClock(2004, 7, 1);
    storeLong("\\Options\\PrayCalendar", "ViewID", 4);
    ASSERT_TRUE(load());
    main().action("TLB:PRINT")->trigger();
    EXPECT_EQ(pageCount(pdf), 12);
    auto rows = [&](int page, const QString& month) {
        return int(pageText(pdf, page).count(QRegularExpression("\\b" + month + " \\d+ \\w{3}\\b")));
    };
    EXPECT_EQ(rows(1, "Jan"), 31);
    EXPECT_EQ(rows(2, "Feb"), 29);
    EXPECT_TRUE(pageText(pdf, 2).contains("Feb 29 Sun"));
    EXPECT_EQ(rows(2, "Mar"), 0);
    EXPECT_EQ(rows(3, "Mar"), 31);
    EXPECT_EQ(rows(12, "Dec"), 31);
    EXPECT_TRUE(pageText(pdf, 12).contains("Prayer Schedule for"));
}

TEST_F(PrintTest, FebruaryOfAnOrdinaryYearHas28Rows) {
    setClock(2003, 7, 1);
    storeLong("\\Options\\PrayCalendar", "ViewID", 4);
    ASSERT_TRUE(load());
    main().action("mnuFilePrint")->trigger();
    EXPECT_EQ(pageCount(pdf), 12);
    EXPECT_EQ(pageText(pdf, 2).count(QRegularExpression(R"(\bFeb \d+ \w{3}\b)")), 28);
    EXPECT_TRUE(pageText(pdf, 3).contains("Mar 1 Sat"));
}

TEST_F(PrintTest, APrinterThatCannotPrintIsReportedAndTheStatusCleared) {
    pdf = dir.path() + "/no/such/folder/calendar.pdf";
    ASSERT_TRUE(load());
    main().action("mnuFilePrint")->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Printer error\nin Noorvale.modNoorvale.PrintCalLVW at line 1");
    EXPECT_EQ(boxes[0].style, vbOKOnly);
    EXPECT_EQ(main().panel("Status")->text(), "");
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintTest, AOneColumnListPrintsTheHeaderAndAnEmptyFrame) {
    ASSERT_TRUE(load());
    QTreeWidget list;
    list.setColumnCount(1);
    list.setHeaderLabels({"ID"});
    new QTreeWidgetItem(&list, QStringList{"1"});
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QLabel status;
    PrintCalLVW(printer, QFont("Arial", 10), *list.model(), &status, false);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(pageCount(pdf), 1);
    const QString text = pageText(pdf, 1);
    EXPECT_TRUE(text.contains("Time Zone = GMT"));
    EXPECT_FALSE(text.contains(QRegularExpression(R"(\b1\b)")));
    EXPECT_EQ(status.text(), "Printing Calendar, Page: 1 of 1");
}

// A printed page rendered to PNG for the eye, on request: NOORVALE_SHOTS=<folder>.
TEST_F(PrintTest, RenderedPageForTheEye) {
    const QString folder = qEnvironmentVariable("NOORVALE_SHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "pictures only on request (NOORVALE_SHOTS=<folder>)";
    storeLong("\\Options\\PrayCalendar", "ViewID", 3);
    ASSERT_TRUE(load());
    main().action("mnuFilePrint")->trigger();
    QDir().mkpath(folder);
    run("pdftoppm", {"-png", "-r", "75", "-singlefile", pdf, folder + "/printed-month"});
}

// A page printed in Arabic: its header and its column names are the catalogue's, and the times
// are those of the English page.
TEST_F(PrintTest, APagePrintedInArabicHasTheCataloguesHeaderAndTheSameTimes) {
    struct English {
        ~English() { InstallLanguage("en"); }
    } english;
    ASSERT_EQ(InstallLanguage("ar"), "ar");
    ASSERT_TRUE(load());
    main().action("mnuFilePrint")->trigger();
    // pdftotext gives Arabic letters in their shaped forms and wraps runs in direction marks.
    QString text = pageText(pdf, 1).normalized(QString::NormalizationForm_KC);
    text.remove(QRegularExpression(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("مواقيت الصلاة في Vellmore"))) << text.toStdString();
    for (const char* name : {"الفجر", "الشروق", "الظهر", "العصر", "المغرب", "العشاء"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(name))) << name;
    EXPECT_FALSE(text.contains("Prayer Schedule")) << text.toStdString();
    // The times in every row as the list shows them.
    for (int r = 0; r < calendarRows(); ++r)
        for (int c = 2; c < 8; ++c) {
            const QString time = cell(r, c).remove(QChar(0x2068)).remove(QChar(0x2069));
            EXPECT_TRUE(text.contains(time.left(5))) << r << " " << c;
        }
}

// Where each word lands on the page. In Arabic and Urdu the page reads from the right: the first
// row's times run from Fajr on the right to Isha on the left, and the zone ("GMT -6") and an
// adjustment ("+2") keep their own order. Every Arabic column name is one whole word, and the
// Urdu page is drawn only in the faces the screen uses (a face borrowed for a letter the first
// one lacks breaks the word's letters apart).
TEST_F(PrintTest, ArabicAndUrduPagesRunFromTheRightWithWholeWords) {
    struct English {
        ~English() { InstallLanguage("en"); }
    } english;
    storeLong("\\User\\Method", "Adjustment1", 2);
    struct Case {
        const char* language;
        bool rightToLeft;
        QStringList columns;  // column names that must be whole words
    } cases[] = {
        {"en", false, {"Day", "Fajr", "Shurooq", "Dhuhr", "Asr", "Maghrib", "Isha"}},
        {"ar", true, {"اليوم", "الفجر", "الشروق", "الظهر", "العصر", "المغرب", "العشاء"}},
        {"ur", true, {}},  // Nastaliq's letters carry no text in the PDF: its faces are checked instead
    };
    static const QRegularExpression time(R"(^\d\d:\d\d$)");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        ASSERT_EQ(InstallLanguage(c.language), c.language);
        ASSERT_TRUE(load());
        main().action("mnuFilePrint")->trigger();
        QStringList firstRow;  // the first row's six times, Fajr to Isha
        for (int col = 2; col < 8; ++col)
            firstRow << cell(0, col).remove(QChar(0x2068)).remove(QChar(0x2069));
        const QFont font = PrintFont();
        unload();
        const std::vector<Word> words = pageWords(pdf, 1);
        for (const QString& name : c.columns) EXPECT_NE(find(words, name), nullptr) << name.toStdString() << " is not one word";

        QStringList times;  // the topmost line of times, left to right on the page
        double rowY = 1e9;
        for (const Word& w : words)
            if (time.match(w.text).hasMatch()) rowY = std::min(rowY, w.y);
        for (const Word& w : words)
            if (time.match(w.text).hasMatch() && std::abs(w.y - rowY) <= 2) times << w.text;
        if (c.rightToLeft) std::reverse(times.begin(), times.end());
        EXPECT_EQ(times, firstRow);

        const Word* gmt = find(words, "GMT");
        const Word* offset = find(words, "-6");
        ASSERT_TRUE(gmt && offset);
        EXPECT_LT(gmt->x, offset->x);
        EXPECT_NE(find(words, "+2"), nullptr);
        // pdftotext gives the sign back in reading order whatever the page shows: the line is laid
        // out as the printer lays it out, and the sign must stand left of its number.
        const QString adjustments = QString::fromStdString(AdjustmentsText(PrayTime(), PeriodNames, c.rightToLeft));
        QTextLayout layout(QCoreApplication::translate("PrintCalLVW", "Adjustments = %1 minutes").arg(adjustments), font);
        QTextOption direction;
        direction.setTextDirection(c.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        layout.setTextOption(direction);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        const int sign = layout.text().indexOf('+');
        EXPECT_LT(line.cursorToX(sign), line.cursorToX(sign + 1)) << layout.text().toStdString();

        if (std::string(c.language) == "ur") {
            QStringList screenFaces;
            for (const QString& family : font.families()) screenFaces << QFontInfo(QFont(family)).family().remove(' ');
            for (const QString& face : embeddedFaces(pdf))
                EXPECT_TRUE(screenFaces.contains(face)) << face.toStdString() << " is not among " << screenFaces.join(", ").toStdString();
            EXPECT_TRUE(embeddedFaces(pdf).contains(UrduFace().remove(' ')));
        }
        if (const QString shots = qEnvironmentVariable("NOORVALE_SHOTS"); c.rightToLeft && !shots.isEmpty()) {
            QDir().mkpath(shots);
            run("pdftoppm", {"-png", "-r", "75", "-singlefile", pdf, shots + "/printed-week-" + c.language});
        }
        QFile::remove(pdf);
    }
}

// Adjustments stored beside the method: named in a fourth header line, and the printed times are
// the adjusted ones (Fajr 2 minutes later, Shurooq 7 earlier than without them).
TEST_F(PrintTest, AdjustmentsAreNamedInTheHeaderAndMoveThePrintedTimes) {
    storeLong("\\User\\Method", "Adjustment1", 2);
    storeLong("\\User\\Method", "Adjustment2", -7);
    storeLong("\\Options\\PrayCalendar", "ViewID", 1);  // today only
    ASSERT_TRUE(load());
    main().action("mnuFilePrint")->trigger();
    const QString text = pageText(pdf, 1);
    EXPECT_TRUE(text.contains("Adjustments = Fajr +2, Shurooq -7 minutes")) << text.toStdString();

    clsPrayTime plain = PrayTime();
    plain.Adjustment(1, 0);
    plain.Adjustment(2, 0);
    plain.PrayerDate(today());
    plain.Calculate();
    PrayTime().PrayerDate(today());
    PrayTime().Calculate();
    EXPECT_EQ(PrayTime().StoredSeconds(1), plain.StoredSeconds(1) + 120);
    EXPECT_EQ(PrayTime().StoredSeconds(2), plain.StoredSeconds(2) - 420);
    const QString row = QString::fromStdString(PeriodText(PrayTime(), 1, kTimeFormats[0]) + " " +
                                               PeriodText(PrayTime(), 2, kTimeFormats[0]));
    EXPECT_TRUE(text.simplified().contains(row)) << text.toStdString();

    if (const QString shots = qEnvironmentVariable("NOORVALE_SHOTS"); !shots.isEmpty()) {
        QDir().mkpath(shots);
        run("pdftoppm", {"-png", "-r", "75", "-singlefile", pdf, shots + "/printed-adjustments"});
    }
}

TEST_F(PrintTest, DaysWithoutTrueDawnAreMarkedAndExplained) {
    setClock(2002, 6, 21);
    storeLondon(1, 0);
    storeLong("\\Options\\PrayCalendar", "ViewID", 3);
    ASSERT_TRUE(load());
    main().action("mnuFilePrint")->trigger();
    const QString text = pageText(pdf, 1);
    EXPECT_TRUE(text.simplified().contains("Time Zone = GMT 1 Altitude = 11 metres")) << text.toStdString();
    // In June the sun never sinks 17 degrees below London: every row marked, the mark explained once.
    EXPECT_EQ(text.count(QRegularExpression(R"(\*\s+Jun \d+ \w{3})")), 30) << text.toStdString();
    EXPECT_EQ(text.count("* No true dawn/dusk: the sun does not sink to the Fajr or Isha angle on this day."), 1);
}

TEST_F(PrintTest, EachMonthPrintsTheZoneOffsetsInForceThatMonth) {
    setClock(2026, 7, 1);
    storeLong("\\Options\\PrayCalendar", "ViewID", 4);
    const TimeZoneSource fixed = setTimeZoneSource(nullptr);  // the C library's zone data
    {
        const ScopedLocalZone zone("America/New_York");
        ASSERT_TRUE(load());  // automatic zone: each date its own offset
        main().action("TLB:PRINT")->trigger();
        unload();
    }
    setTimeZoneSource(fixed);
    ASSERT_EQ(pageCount(pdf), 12);
    EXPECT_TRUE(pageText(pdf, 1).simplified().contains("Time Zone = GMT -5 Altitude")) << pageText(pdf, 1).toStdString();
    EXPECT_TRUE(pageText(pdf, 3).simplified().contains("Time Zone = GMT -5 / -4 Altitude")) << pageText(pdf, 3).toStdString();
    EXPECT_TRUE(pageText(pdf, 7).simplified().contains("Time Zone = GMT -4 Altitude"));
    EXPECT_TRUE(pageText(pdf, 11).simplified().contains("Time Zone = GMT -5 Altitude"));  // from 1 November
}

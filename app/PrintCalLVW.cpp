#include "PrintCalLVW.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QAbstractItemModel>
#include <cmath>
#include <vector>

#include "Bidi.h"
#include "CalendarModel.h"
#include "TwipsPrinter.h"
#include "frmMain.h"
#include "VbConv.h"
#include "VbError.h"
#include "modDateLib.h"
#include "modNoorvale.h"
#include "modTimeZone.h"

namespace nv {

namespace {

constexpr double kColumnGap = 200;      // added to each column; the inset of the texts
constexpr double kSeparatorInset = 100;  // the first separator from the table's left edge
constexpr double kTitleTop = 500;
constexpr double kTableTop = 1600;
constexpr double kRowPitch = 1.2;  // rows advance by the text height times this
constexpr int kMonths = 12;

void printCentred(TwipsPrinter& printer, const QString& text) {
    printer.CurrentX = static_cast<double>(intDiv(roundHalfEven(printer.ScaleWidth() - printer.TextWidth(text)), 2.0));
    printer.Print(text);
}

// The text shortened until it is narrower than `width`.
QString fit(const TwipsPrinter& printer, QString text, double width) {
    while (!text.isEmpty() && printer.TextWidth(text) >= width) text.chop(1);
    return text;
}

// An offset as the header shows it: whole hours as a plain number ("-6"), else "+5:30".
QString offsetText(int32_t minutes) {
    return minutes % 60 == 0 ? QString::number(minutes / 60) : QString::fromStdString(OffsetText(minutes));
}

// A row of the calendar: its texts and what its first column carries.
struct CalendarRow {
    const QAbstractItemModel& list;
    int r;
    QString text(int c) const { return list.index(r, c).data().toString(); }
    QVariant data(int c, int role) const { return list.index(r, c).data(role); }
};

// Row n, the first being 1.
CalendarRow row(const QAbstractItemModel& list, int n) {
    if (n < 1 || n > list.rowCount())
        raiseError(9, "Noorvale", QCoreApplication::translate("PrintCalLVW", "Subscript out of range").toStdString());
    return {list, n - 1};
}

QString headerText(const QAbstractItemModel& list, int c) { return list.headerData(c, Qt::Horizontal).toString(); }

}  // namespace

void PrintCalLVW(QPrinter& printerDevice, const QFont& font, const QAbstractItemModel& list, QLabel* statusPanel,
                 bool wholeYear) {
    TwipsPrinter printer(printerDevice, font, QGuiApplication::layoutDirection());
    const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    int line = 0;
    try {
        line = 1;
        printer.StartDoc();
        const int nCols = list.columnCount();
        std::vector<double> colW(static_cast<size_t>(std::max(nCols, 1)) + 1, 0.0);  // [1..nCols]
        line = 2;
        printer.FontBold(false);
        const double lineH = printer.TextHeight("X");

        line = 3;
        for (int c = 2; c <= nCols; ++c) colW[c] = std::max(colW[c], printer.TextWidth(headerText(list, c - 1)));
        for (int n = 1; n <= list.rowCount(); ++n) {
            const CalendarRow item = row(list, n);
            for (int i = 1; i <= nCols - 1; ++i) colW[i + 1] = std::max(colW[i + 1], printer.TextWidth(item.text(i)));
        }

        line = 4;
        int16_t totalW = 0;
        for (int c = 2; c <= nCols; ++c) {
            colW[c] += kColumnGap;
            totalW = add16(totalW, toInt16(colW[c]));
        }

        const clsPrayTime& pt = PrayTime();
        const int pages = wholeYear ? kMonths : 1;
        for (int p = 1; p <= pages; ++p) {
            line = 5;
            if (statusPanel)
                statusPanel->setText(
                    QCoreApplication::translate("PrintCalLVW", "Printing Calendar, Page: %1 of %2").arg(p).arg(pages));

            line = 6;  // the header block
            printer.FontBold(true);
            printer.CurrentX = 0;
            printer.CurrentY = kTitleTop;
            const QString place = Isolate(QString::fromStdString(pt.LocationName()).trimmed());
            //: The printed calendar's title; %1 is the place's name.
            printCentred(printer, QCoreApplication::translate("PrintCalLVW", "Prayer Schedule for %1").arg(place));
            const QString latitudeSide = pt.LatSouthOfEq() ? QCoreApplication::translate("PrintCalLVW", "South")
                                                           : QCoreApplication::translate("PrintCalLVW", "North");
            const QString longitudeSide = pt.LonWestOfGW() ? QCoreApplication::translate("PrintCalLVW", "West")
                                                           : QCoreApplication::translate("PrintCalLVW", "East");
            //: The printed calendar's place: degrees (%1, %4) and minutes (%2, %5) of latitude and
            //: longitude, written ` and ``; %3 is North or South, %6 East or West.
            printCentred(printer,
                         QCoreApplication::translate("PrintCalLVW", "Latitude = %1` %2`` %3 Longitude = %4` %5`` %6")
                                 .arg(QString::number(pt.LatDegree()), QString::number(pt.LatMinute()), latitudeSide,
                                      QString::number(pt.LonDegree()), QString::number(pt.LonMinute()), longitudeSide) +
                             ' ');
            line = 7;  // the rows of this page
            int first = 1, last = list.rowCount();
            if (wholeYear) {
                const DateValue d = dateSerial(year(today()), p, 1);
                first = DayOfYear(FirstDayOfMonth(d));
                last = DayOfYear(LastDayOfMonth(d));
            }
            // The page's zone offsets (two where daylight saving starts or ends on it).
            QStringList offsets;
            QStringList notes;
            for (int n = first; n <= last && n <= list.rowCount(); ++n) {
                const CalendarRow item = row(list, n);
                const QVariant offset = item.data(0, kDayOffsetRole);
                const QString o = offset.isValid() ? offsetText(offset.toInt()) : offsetText(pt.GMTOffsetMinutes());
                if (!offsets.contains(o)) offsets << o;
                const QString note = item.data(0, kDayNoteRole).toString();
                if (!note.isEmpty() && !notes.contains(note)) notes << note;
            }
            if (offsets.isEmpty()) offsets << offsetText(pt.GMTOffsetMinutes());
            //: %1 is the zone as "GMT" and the offset in hours ("GMT -5", "GMT +5:30", "GMT -5 / -4" when it
            //: changes), kept in its own left-to-right order; %2 is the altitude.
            printCentred(printer, QCoreApplication::translate("PrintCalLVW", "Time Zone = %1   Altitude = %2 metres")
                                      .arg(KeepOwnOrder("GMT " + offsets.join(" / ")), QString::number(pt.Altitude())));
            if (pt.HasAdjustments())  // the minutes added to the computed times
                //: %1 lists the minutes added to each prayer ("Fajr +2, Shurooq -7").
                printCentred(printer, QCoreApplication::translate("PrintCalLVW", "Adjustments = %1 minutes")
                                          .arg(QString::fromStdString(AdjustmentsText(pt, PeriodNames, rightToLeft))));
            printer.FontBold(false);
            printer.CurrentX = 0;
            printer.CurrentY = std::max(kTableTop, printer.CurrentY + lineH / 2);  // below a taller face's header

            line = 8;
            const double left = static_cast<double>(intDiv(roundHalfEven(printer.ScaleWidth() - totalW), 2.0));
            const double y0 = printer.CurrentY;

            line = 9;  // the column headers
            printer.CurrentY = y0 + kColumnGap;
            double x = left + kColumnGap;
            for (int c = 2; c <= nCols; ++c) {
                printer.CurrentX = x;
                printer.Print(fit(printer, headerText(list, c - 1), colW[c]), false);
                x += colW[c];
            }
            const double right = x + kColumnGap;
            printer.Print(QString());

            line = 10;
            const double halfLine = static_cast<double>(intDiv(roundHalfEven(lineH), 2.0));
            double yRow = printer.CurrentY + halfLine;
            printer.Line(left, yRow, right, yRow);
            yRow += halfLine;

            line = 11;
            for (int n = first; n <= last; ++n) {
                const CalendarRow item = row(list, n);
                x = left + kColumnGap;
                printer.CurrentY = yRow;
                if (!item.data(0, kDayNoteRole).toString().isEmpty()) {
                    printer.CurrentX = left + kSeparatorInset / 2;
                    printer.Print("*", false);
                }
                for (int i = 1; i <= nCols - 1; ++i) {
                    printer.CurrentX = x;
                    printer.Print(fit(printer, item.text(i), colW[i + 1]), false);
                    x += colW[i + 1];
                }
                yRow += lineH * kRowPitch;
            }

            line = 12;  // the frame and the column separators
            const double yEnd = yRow;
            printer.Line(left, y0, right, y0);
            printer.Line(left, yEnd, right, yEnd);
            printer.Line(left, y0, left, yEnd);
            printer.Line(right, y0, right, yEnd);
            x = left + kSeparatorInset;
            for (int c = 2; c <= nCols - 1; ++c) {
                x += colW[c];
                printer.Line(x, y0, x, yEnd);
            }

            line = 13;  // what the marks mean
            printer.CurrentY = yEnd + lineH / 2;
            for (const QString& note : notes) {
                printer.CurrentX = left;
                printer.Print("* " + note);
            }
            if (wholeYear && p != kMonths) printer.NewPage();
            QApplication::processEvents();
        }
        line = 14;
        printer.EndDoc();
    } catch (...) {
        showErrorBox(currentError(), "Noorvale.modNoorvale.PrintCalLVW", line);
        printer.KillDoc();  // a half-printed calendar is not sent to the printer
    }
}

}  // namespace nv

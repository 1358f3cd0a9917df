// A printing surface measured in twips (1/1440 inch) over a QPrinter, with what the calendar
// printout needs: the printable width, a current position, text measuring, a bold switch, text
// printed at the current position with or without ending the line, straight lines, new pages
// and the end of the document. Its origin is the top-left corner of the printable area.
//
// A page for a language read right to left is the mirror image: positions are measured from the
// right edge (CurrentX 0 is the right margin, a text printed there ends at it), lines are
// mirrored, and each text is laid out as a right-to-left paragraph.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

class QPrinter;

namespace nv {

// The run-time error a printer that cannot print raises.
inline constexpr int32_t kErrPrinter = 482;

class TwipsPrinter {
public:
    // `font` is the printer font; its point size is kept in twips (20 a point).
    TwipsPrinter(QPrinter& printer, const QFont& font, Qt::LayoutDirection direction = Qt::LeftToRight);
    ~TwipsPrinter();

    // Starts the document; raises kErrPrinter ("Printer error") when the printer cannot start.
    void StartDoc();

    double ScaleWidth() const;
    double CurrentX = 0, CurrentY = 0;

    bool FontBold() const { return font_.bold(); }
    void FontBold(bool bold);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;

    // Prints at the current position: ending the line goes to the start of the next line,
    // otherwise the position moves past the text on the same line.
    void Print(const QString& text, bool endLine = true);
    void Line(double x1, double y1, double x2, double y2);
    void NewPage();
    void EndDoc();
    // Drops the document being printed.
    void KillDoc();

private:
    // The page's x of a position measured from the start of the line.
    double pageX(double x) const;

    QPrinter& printer_;
    QFont font_;
    Qt::LayoutDirection direction_;
    QString regularStyle_;
    QPainter painter_;
};

}  // namespace nv

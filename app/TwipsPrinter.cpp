#include "TwipsPrinter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPrinter>

#include "VbError.h"

namespace nv {

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;
std::string printerError() { return QCoreApplication::translate("TwipsPrinter", "Printer error").toStdString(); }
}  // namespace

TwipsPrinter::TwipsPrinter(QPrinter& printer, const QFont& font, Qt::LayoutDirection direction)
    : printer_(printer), font_(font), direction_(direction), regularStyle_(font.styleName()) {
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10;
    font_.setPixelSize(static_cast<int>(points * kTwipsPerPoint));
}

TwipsPrinter::~TwipsPrinter() {
    if (painter_.isActive()) painter_.end();
}

void TwipsPrinter::StartDoc() {
    if (!painter_.begin(&printer_)) raiseError(kErrPrinter, "Noorvale", printerError());
    const double scale = printer_.resolution() / kTwipsPerInch;
    painter_.scale(scale, scale);
    painter_.setFont(font_);
    painter_.setLayoutDirection(direction_);
    painter_.setPen(QPen(Qt::black, 0));
    CurrentX = CurrentY = 0;
}

double TwipsPrinter::ScaleWidth() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).width() * kTwipsPerInch / printer_.resolution();
}

void TwipsPrinter::FontBold(bool bold) {
    font_.setBold(bold);
    // A face chosen by its style name (one whose bold file says it is regular) takes its bold style by name.
    if (!regularStyle_.isEmpty()) font_.setStyleName(bold ? QStringLiteral("Bold") : regularStyle_);
    if (painter_.isActive()) painter_.setFont(font_);
}

double TwipsPrinter::TextWidth(const QString& text) const { return QFontMetricsF(font_).horizontalAdvance(text); }

double TwipsPrinter::TextHeight(const QString&) const { return QFontMetricsF(font_).height(); }

void TwipsPrinter::Print(const QString& text, bool endLine) {
    if (!painter_.isActive()) raiseError(kErrPrinter, "Noorvale", printerError());
    const QFontMetricsF metrics(font_);
    const double width = metrics.horizontalAdvance(text);
    painter_.drawText(QPointF(direction_ == Qt::RightToLeft ? pageX(CurrentX) - width : CurrentX, CurrentY + metrics.ascent()),
                      text);
    if (endLine) {
        CurrentX = 0;
        CurrentY += metrics.height();
    } else {
        CurrentX += width;
    }
}

double TwipsPrinter::pageX(double x) const { return direction_ == Qt::RightToLeft ? ScaleWidth() - x : x; }

void TwipsPrinter::Line(double x1, double y1, double x2, double y2) {
    if (!painter_.isActive()) raiseError(kErrPrinter, "Noorvale", printerError());
    painter_.drawLine(QPointF(pageX(x1), y1), QPointF(pageX(x2), y2));
}

void TwipsPrinter::NewPage() {
    if (!printer_.newPage()) raiseError(kErrPrinter, "Noorvale", printerError());
    CurrentX = CurrentY = 0;
}

void TwipsPrinter::EndDoc() {
    if (painter_.isActive()) painter_.end();
}

void TwipsPrinter::KillDoc() {
    if (!painter_.isActive()) return;
    printer_.abort();
    painter_.end();
}

}  // namespace nv

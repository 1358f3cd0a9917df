#include "Pickers.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include "ColorRef.h"

namespace nv {

namespace {

OpenPicker& openPicker() {
    static OpenPicker picker;
    return picker;
}
ColorPicker& colorPicker() {
    static ColorPicker picker;
    return picker;
}
PrinterPicker& printerPicker() {
    static PrinterPicker picker;
    return picker;
}

}  // namespace

QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        // The descriptions are marked where the filters are written, in this file's context.
        const QByteArray description = parts[i].trimmed().toUtf8();
        out << QCoreApplication::translate("Pickers", description.constData()) + " (" + patterns.trimmed() + ")";
    }
    return out.join(";;");
}

QString ShowOpen(QWidget* owner, const QString& filter) {
    if (openPicker()) return openPicker()(owner, filter);
    // The file must exist, as the dialogs ask.
    return QFileDialog::getOpenFileName(owner, QCoreApplication::translate("Pickers", "Open"), QString(), qtFilter(filter));
}

std::optional<int32_t> ShowColor(QWidget* owner, int32_t current) {
    if (colorPicker()) return colorPicker()(owner, current);
    const QColor chosen = QColorDialog::getColor(colorFromRef(current), owner, QCoreApplication::translate("Pickers", "Color"));
    if (!chosen.isValid()) return std::nullopt;
    return refFromColor(chosen);
}

bool ShowPrinter(QWidget* owner, QPrinter& printer) {
    if (printerPicker()) return printerPicker()(owner, printer);
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

OpenPicker setOpenPicker(OpenPicker picker) { return std::exchange(openPicker(), std::move(picker)); }
ColorPicker setColorPicker(ColorPicker picker) { return std::exchange(colorPicker(), std::move(picker)); }
PrinterPicker setPrinterPicker(PrinterPicker picker) { return std::exchange(printerPicker(), std::move(picker)); }

}  // namespace nv

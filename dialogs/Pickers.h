// The common dialogs of the program: the file-open dialog, the colour dialog and the printer
// dialog. Each is Qt's own dialog; a test replaces it with a function that gives the answer.
// Filters are written as "Description|*.a;*.b|Description|*.c", the form the dialogs keep them in,
// each description marked with QT_TRANSLATE_NOOP("Pickers", ...).
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace nv {

// The chosen file, or an empty text when the user cancels.
QString ShowOpen(QWidget* owner, const QString& filter);
// The chosen colour (a COLORREF number), started from `current`; none when the user cancels.
std::optional<int32_t> ShowColor(QWidget* owner, int32_t current);
// The printer dialog: true when the user accepted it; the printer carries the choice.
bool ShowPrinter(QWidget* owner, QPrinter& printer);

// The seam: an empty function restores Qt's dialog; each returns the one it replaces.
using OpenPicker = std::function<QString(QWidget* owner, const QString& filter)>;
using ColorPicker = std::function<std::optional<int32_t>(QWidget* owner, int32_t current)>;
using PrinterPicker = std::function<bool(QWidget* owner, QPrinter& printer)>;
OpenPicker setOpenPicker(OpenPicker picker);
ColorPicker setColorPicker(ColorPicker picker);
PrinterPicker setPrinterPicker(PrinterPicker picker);

// "A|*.x|B|*.y" as Qt writes it: "A (*.x);;B (*.y)", the descriptions in the user's language.
QString qtFilter(const QString& filter);

}  // namespace nv

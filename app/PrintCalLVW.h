// Prints the prayer calendar the main window shows as a ruled table under a three-line page
// header naming the place: one page, or in the year view twelve, one per month.
#pragma once

class QFont;
class QLabel;
class QPrinter;
class QTreeWidget;

namespace nv {

// `list` is the calendar (its first column, the day number, is not printed); `statusPanel`
// shows the page being printed; `wholeYear` prints the year view's months on their own pages.
// The place comes from the shared calculator. An error is reported in a message box and the
// document is dropped.
void PrintCalLVW(QPrinter& printer, const QFont& font, const QTreeWidget& list, QLabel* statusPanel, bool wholeYear);

}  // namespace nv

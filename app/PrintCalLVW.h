// Prints the prayer calendar the main window shows as a ruled table under a three-line page
// header naming the place: one page, or in the year view twelve, one per month. In a language read
// right to left the page is mirrored: the first column on the right, each text right to left.
#pragma once

#include <Qt>

class QFont;
class QLabel;
class QPrinter;
class QTreeWidget;

namespace nv {

// What a calendar row carries besides its texts (in column 0): why its times cannot be right
// (empty when they are in order), and the zone offset in minutes its times are in.
inline constexpr int kDayNoteRole = Qt::UserRole + 1;
inline constexpr int kDayOffsetRole = Qt::UserRole + 2;

// `list` is the calendar (its first column, the day number, is not printed); `statusPanel`
// shows the page being printed; `wholeYear` prints the year view's months on their own pages.
// The place comes from the shared calculator, the zone offsets from the rows; a row whose times
// are not in order is marked "*" and the page explains the mark under the table. An error is reported in a message box and the
// document is dropped.
void PrintCalLVW(QPrinter& printer, const QFont& font, const QTreeWidget& list, QLabel* statusPanel, bool wholeYear);

}  // namespace nv

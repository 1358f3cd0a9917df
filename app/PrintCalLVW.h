// Prints the prayer calendar the main window shows as a ruled table under a three-line page
// header naming the place: one page, or in the year view twelve, one per month. In a language read
// right to left the page is mirrored: the first column on the right, each text right to left.
#pragma once

class QFont;
class QLabel;
class QPrinter;
class QAbstractItemModel;

namespace nv {

// `list` is the calendar, a CalendarModel (its first column, the day number, is not printed); `statusPanel`
// shows the page being printed; `wholeYear` prints the year view's months on their own pages.
// The place comes from the shared calculator, the zone offsets from the rows; a row whose times
// are not in order is marked "*" and the page explains the mark under the table. An error is reported in a message box and the
// document is dropped.
void PrintCalLVW(QPrinter& printer, const QFont& font, const QAbstractItemModel& list, QLabel* statusPanel,
                 bool wholeYear);

}  // namespace nv

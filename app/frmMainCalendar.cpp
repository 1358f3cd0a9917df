// The main window's calendar: its columns, the rows of the view in use with today marked, the
// view and date style chosen, gridlines, the stored column widths, and printing it.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QTreeView>
#include <cmath>

#include "CalendarModel.h"
#include "CalendarProps.h"
#include "CalendarRows.h"
#include "Language.h"
#include "ColorRef.h"
#include "NoorvaleMain.h"
#include "Pickers.h"
#include "PrintCalLVW.h"
#include "Twips.h"
#include "VbError.h"
#include "frmMain.h"
#include "modNoorvale.h"

namespace nv {

void frmMain::SaveCalProp() {
    std::array<int32_t, kCalendarColumns> widths{};
    for (int c = 0; c < kCalendarColumns; ++c)
        widths[c] = c < lvwCalendar->header()->count()
                        ? static_cast<int32_t>(std::lround(twipsX(lvwCalendar->header()->sectionSize(c))))
                        : kDefaultColumnWidth;
    nv::SaveCalProp(CalProp(), lvwCalendar->property("Gridlines").toBool(), widths);
}

void frmMain::SetupColumns() {
    calendar_->Clear();
    calendar_->SetHeaders();
    lvwCalendar->header()->setSectionResizeMode(QHeaderView::Interactive);
    lvwCalendar->header()->setMinimumSectionSize(0);
    for (int c = 0; c < kCalendarColumns; ++c) lvwCalendar->setColumnWidth(c, c == 0 ? 0 : pixelsX(LoadColumnWidth(c + 1)));
    lvwCalendar->setColumnHidden(0, true);
}

void frmMain::ShowCalendar(int view) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    panel("Status")->setText(tr("Updating Calendar, Please wait..."));
    calendar_->Clear();
    DateValue first = StartDate, last = StartDate;
    CalendarRange(view, StartDate, first, last);
    clsPrayTime& calculator = PrayTime();
    lvwCalendar->setUpdatesEnabled(false);
    for (DateValue d = first; d <= last; d += 1) {
        resumeNext([&] { calculator.PrayerDate(d); });
        resumeNext([&] { calculator.Calculate(); });
        calendar_->AddDay(calculator);
        if (std::fmod(std::trunc(d), 20.0) == 0) {  // let the list show its progress
            lvwCalendar->setUpdatesEnabled(true);
            lvwCalendar->viewport()->repaint();
            lvwCalendar->setUpdatesEnabled(false);
            ++calendarRepaints_;
        }
    }
    lvwCalendar->setUpdatesEnabled(true);
    lvwCalendar->viewport()->update();
    if (CalProp().autoResize) AutoSizeColumns();
    resumeNext([&] { calculator.PrayerDate(StartDate); });
    resumeNext([&] { calculator.Calculate(); });
    QApplication::restoreOverrideCursor();
    panel("Status")->clear();
}

void frmMain::MarkToday() {
    DateValue first = StartDate, last = StartDate;
    CalendarRange(CalProp().view, StartDate, first, last);
    const int row = calendar_->MarkToday(first, StartDate, colorFromRef(CalProp().markColor));
    if (row >= 0) lvwCalendar->scrollTo(calendar_->index(row, 0));
}

void frmMain::AutoSizeColumns() { nv::AutoSizeColumns(*lvwCalendar); }

void frmMain::RedisplayCalendar() {
    SetupColumns();
    switch (CalProp().view) {
    case 1: mnuViewToday_Click(); break;
    case 3: mnuViewMonth_Click(); break;
    case 4: mnuViewYear_Click(); break;
    default: mnuViewWeek_Click(); break;
    }
}

void frmMain::SelectView(int view) {
    static const char* names[] = {"mnuViewToday", "mnuViewWeek", "mnuViewMonth", "mnuViewYear"};
    for (const char* n : names) action(n)->setChecked(false);
    action(names[view - 1])->setChecked(true);
    CalProp().view = static_cast<int16_t>(view);  // MarkToday looks for today in this view's range
    ShowCalendar(view);
    MarkToday();
}

void frmMain::SelectDateStyle(int style) {
    CalProp().dateStyle = static_cast<int16_t>(style);
    action("mnuViewGrego")->setChecked(false);
    action("mnuViewHijri")->setChecked(false);
    action(style == 2 ? "mnuViewHijri" : "mnuViewGrego")->setChecked(true);
    ShowCalendar(CalProp().view);
    MarkToday();
}

bool frmMain::Gridlines() const { return lvwCalendar->property("Gridlines").toBool(); }

void frmMain::Gridlines(bool on) {
    lvwCalendar->setProperty("Gridlines", on);
    lvwCalendar->setStyleSheet(on ? "QTreeView::item { border-right: 1px solid palette(mid); "
                                    "border-bottom: 1px solid palette(mid); }"
                                  : QString());
}

void frmMain::mnuFilePrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    bool accepted = false;
    resumeNext([&] { accepted = ShowPrinter(this, printer); });
    if (!accepted) return;  // Cancel prints nothing
    QApplication::setOverrideCursor(Qt::BusyCursor);
    panel("Status")->setText(tr("Printing Calendar, Please wait..."));
    const QFont font = PrintFont();  // Arial 10, or the closest installed face
    resumeNext([&] { PrintCalLVW(printer, font, *calendar_, panel("Status"), CalProp().view == 4); });
    panel("Status")->clear();
    QApplication::restoreOverrideCursor();
}

}  // namespace nv

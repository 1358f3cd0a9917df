#include "CalendarModel.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>

#include "Bidi.h"
#include "CalendarProps.h"
#include "CalendarRows.h"
#include "VbError.h"
#include "clsPrayTime.h"
#include "modDateLib.h"
#include "modNoorvale.h"

namespace nv {

CalendarModel::CalendarModel(QObject* parent) : QAbstractTableModel(parent) { setObjectName("CalendarModel"); }

int CalendarModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CalendarModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kCalendarColumns; }

QVariant CalendarModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kCalendarColumns) return {};
    const Row& row = rows_[static_cast<size_t>(index.row())];
    const int c = index.column();
    const bool marked = !row.note.isEmpty() && c >= 1;
    switch (role) {
    case Qt::DisplayRole:
        return c == 0 ? row.id : c == 1 ? row.day : row.times[static_cast<size_t>(c - 2)];
    case Qt::TextAlignmentRole:
        return c >= 2 ? QVariant(Qt::AlignCenter) : QVariant();
    case Qt::ForegroundRole:
        return index.row() == today_ && c >= 1 ? QVariant(mark_) : QVariant();
    case Qt::FontRole: {
        if (!marked) return {};
        QFont f;
        f.setItalic(true);
        return f;
    }
    case Qt::BackgroundRole:
        return marked ? QVariant(QColor(0xFF, 0xEC, 0xB3)) : QVariant();
    case Qt::ToolTipRole:
        return marked ? QVariant(row.note + '\n' +
                                 // The main window's texts: their translations are the window's.
                                 QCoreApplication::translate("nv::frmMain",
                                                             "A high-latitude rule (Tools > Customize > Calculation "
                                                             "Method) keeps Fajr and Isha within the night."))
                      : QVariant();
    case kDayOffsetRole:
        return c == 0 ? row.offset : QVariant();
    case kDayNoteRole:
        return c == 0 && !row.note.isEmpty() ? QVariant(row.note) : QVariant();
    default:
        return {};
    }
}

QVariant CalendarModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headers_.size()) return {};
    if (role == Qt::DisplayRole) return headers_[section];
    if (role == Qt::TextAlignmentRole)
        return section < 2 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    return {};
}

void CalendarModel::SetHeaders() {
    headers_ = QStringList{QStringLiteral("ID"), QCoreApplication::translate("nv::frmMain", "Day")};  // the ID column stays hidden
    for (int p = 0; p < 6; ++p) headers_ << QString::fromStdString(PeriodNames[p]);
    emit headerDataChanged(Qt::Horizontal, 0, kCalendarColumns - 1);
}

void CalendarModel::Clear() {
    today_ = -1;
    if (rows_.empty()) return;
    beginRemoveRows({}, 0, rowCount() - 1);
    rows_.clear();
    endRemoveRows();
}

void CalendarModel::AddDay(const clsPrayTime& calculator) {
    ErrorBoxTrap trap("Noorvale.frmMain.DispCalendarLine");
    const DateValue d = calculator.PrayerDate();
    Row row;
    if (!trap(1, [&] { row.id = QString::number(DayOfYear(d)); })) return;
    trap(2, [&] {
        const CalendarProps& p = CalProp();
        row.day = KeepOwnOrder(
            QString::fromStdString(DayText(d, p.dateStyle, p.dateFormat, p.hijriFormat, p.hijriCalendar)));
    });
    for (int period = 1; period <= 6; ++period)
        trap(2 + period, [&] {
            row.times[static_cast<size_t>(period - 1)] =
                KeepOwnOrder(QString::fromStdString(PeriodText(calculator, period, CalProp().timeFormat)));
        });
    // A day whose times cannot be right stands out, and its tool tip says why.
    trap(9, [&] {
        row.offset = calculator.DayOffsetMinutes();
        row.note = QString::fromStdString(DayNote(calculator));
    });
    const int n = rowCount();
    beginInsertRows({}, n, n);
    rows_.push_back(std::move(row));
    endInsertRows();
}

// Today's row is the one whose date is today; the day number alone would also match a row of
// another year in views that cross a new year.
int CalendarModel::MarkToday(DateValue first, DateValue today, const QColor& color) {
    const QString number = QString::number(DayOfYear(today));
    for (int r = 0; r < rowCount(); ++r) {
        if (rows_[static_cast<size_t>(r)].id != number || first + r != today) continue;
        today_ = r;
        mark_ = color;
        emit dataChanged(index(r, 1), index(r, kCalendarColumns - 1), {Qt::ForegroundRole});
        return r;
    }
    return -1;
}

}  // namespace nv

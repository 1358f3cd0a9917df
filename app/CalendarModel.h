// CalendarModel: the rows of the main window's prayer calendar (lvwCalendar), one a day: the day
// number (the hidden ID column), the date in the Gregorian or Hijri style, the six period times,
// today's mark, and a day whose times cannot be right set apart (italic, shaded, its reason as a
// tool tip). The list view shows it, printing reads it.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <array>
#include <vector>

#include "DateValue.h"

namespace nv {

class clsPrayTime;

// What a row carries besides its texts (in column 0): why its times cannot be right (nothing
// when they are in order), and the zone offset in minutes its times are in.
inline constexpr int kDayNoteRole = Qt::UserRole + 1;
inline constexpr int kDayOffsetRole = Qt::UserRole + 2;

class CalendarModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CalendarModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The column headers afresh: the period names may have changed.
    void SetHeaders();
    // Empties the calendar.
    void Clear();
    // Adds the calculator's day as the last row, in the calendar's display settings. A part that
    // fails is reported in a message box and left empty; the other parts still show.
    void AddDay(const clsPrayTime& calculator);
    // Marks the row of `today` in `color`; the rows start at `first`. Returns the row, or -1
    // when today is not shown.
    int MarkToday(DateValue first, DateValue today, const QColor& color);

private:
    struct Row {
        QString id;                    // the day of the year
        QString day;                   // the date as the Day column shows it
        std::array<QString, 6> times;  // periods 1..6
        QVariant offset;               // minutes from UTC
        QString note;                  // why the times cannot be right
    };
    std::vector<Row> rows_;
    QStringList headers_;
    int today_ = -1;
    QColor mark_;
};

}  // namespace nv

// SPDX-License-Identifier: GPL-3.0-or-later
// What the month calendar's grid must show, worked out apart from the
// program's own code: the first day of the grid, the week number of any day
// (also before 1.1.100 and after 31.12.9999, through its day number), and
// the caption a grid row of seven days must carry.
#pragma once

#include "datevalue.h"
#include "modarvutused.h"

#include <QDate>
#include <QList>
#include <QString>

namespace weekgrid {

// The 1st of the month moved back to the first column, a whole week back
// when the 1st already stands there (QDate counts Monday as 1).
inline QDate firstGridDay(int year, int month, int firstDaySundayIsOne)
{
    const QDate first(year, month, 1);
    const int column0 = firstDaySundayIsOne == 1 ? 7 : firstDaySundayIsOne - 1;
    int back = (first.dayOfWeek() - column0 + 7) % 7;
    if (back == 0)
        back = 7;
    return first.addDays(-back);
}

inline int weekOf(const QDate &d, int firstDay, int firstWeek)
{
    return modArvutused::WeekNumberOf(datevalue::FromJdn(d.toJulianDay()), firstDay, firstWeek);
}

// The row's week number, or "53/1" when its December days and its January
// days carry different numbers; "?" for anything else.
inline QString expectedCaption(const QDate &rowStart, int firstDay, int firstWeek)
{
    QList<int> weeks;
    for (int c = 0; c < 7; ++c) {
        const int w = weekOf(rowStart.addDays(c), firstDay, firstWeek);
        if (weeks.isEmpty() || weeks.last() != w)
            weeks << w;
    }
    if (weeks.size() == 1)
        return QString::number(weeks[0]);
    if (weeks.size() == 2 && weeks[1] == 1)
        return QString::number(weeks[0]) + QStringLiteral("/1");
    return QStringLiteral("?");
}

// Whether a row starting on rowStart holds a day of the month.
inline bool rowInMonth(const QDate &rowStart, int month)
{
    return rowStart.month() == month || rowStart.addDays(6).month() == month;
}

} // namespace weekgrid

// SPDX-License-Identifier: GPL-3.0-or-later
// The week labels beside the six rows of the month calendar's grid. The grid
// starts each row with the first day of the week; the days of the
// neighbouring months fill the cells before the 1st and after the last day,
// and when the 1st falls on the first column the whole first row belongs to
// the previous month, so the month starts in row 2. Each label names the
// week of its row under the week settings; a row that lies wholly outside
// the month is greyed; a row whose days carry the numbers of two years
// ("53" and "1") is named for both ("53/1").
#pragma once

#include <QString>

#include <array>

namespace weekrows {

struct WeekRows {
    std::array<QString, 6> caption; // plain decimal numbers, or "53/1"
    std::array<bool, 6> enabled; // false: greyed
};

// The six labels of a month (years 100 to 9999; the neighbouring days of
// January 100 and December 9999 are counted through their day numbers)
// for FirstDayOfWeek (1 = Sunday .. 7) and FirstWeekOfYear (1..3).
WeekRows WeekRowCaptions(int year, int month, int firstDayOfWeek, int firstWeekOfYear);

// Whether a caption names the week: "53/1" names week 53 of the old year and
// week 1 of the new one.
bool NamesWeek(const QString &caption, int week);

// The row of the current week, to be marked: the first of rows 1 to 5 whose
// caption names weekNumber, else row 6. Rows count from 0.
int CurrentWeekRow(const WeekRows &rows, int weekNumber);

} // namespace weekrows

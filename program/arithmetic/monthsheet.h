// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar as text: its title, the weekday headers above the
// grid, the caption of its holidays button and the days in the grid's six
// rows, with the week settings the program starts with and the names the
// "Seaded" menu gives their choices. The week labels beside the rows are
// weekrows.h's.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace monthsheet {

// The week settings of every start: Monday first, and the first week of
// the year the first one with four days in it.
inline constexpr int kFirstDayOfWeekAtStart = 2;
inline constexpr int kFirstWeekOfYearAtStart = 2;

// The years the calendar shows, those of the date value.
inline constexpr int kFirstYear = 100;
inline constexpr int kLastYear = 9999;

// "Jaanuar" .. "Detsember", index 0 = January.
const QStringList &MonthNamesNominative();
// "Jaanuari" .. "Detsembri", index 0 = January.
const QStringList &MonthNamesGenitive();

// The calendar's title: "Veebruar  2004" (two spaces before the year).
QString Title(int year, int month);
// The holidays button: "Veebruari pühad".
QString HolidaysCaption(int month);
// The three-letter headers of the seven columns, left to right, starting
// with firstDayOfWeek (1 = Sunday .. 7 = Saturday): "Esm" .. "Püh" for 2.
std::array<QString, 7> WeekdayHeaders(int firstDayOfWeek);

// The choices of FirstWeekOfYear 1..3 by the names of the menu (without
// its access keys): "1. jaanuari nädal", "Esimesed neli päeva",
// "Esimene täsinädal".
const QStringList &FirstWeekOfYearNames();

// The day number of the grid's top left cell. Each row starts with
// firstDayOfWeek (1..7); the days of the neighbouring months fill the
// cells before the 1st and after the last day, and when the 1st falls on
// the first column the whole first row belongs to the previous month, so
// the month starts in row 2 and every month shows at least one day of each
// neighbour. Row r, column c holds the day FirstCellJdn + 7 r + c.
std::int64_t FirstCellJdn(int year, int month, int firstDayOfWeek);

} // namespace monthsheet

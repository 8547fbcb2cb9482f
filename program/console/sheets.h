// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar and the holidays listing as lines of text.
#pragma once

#include <QString>

namespace console {

// The month as the calendar window shows it: the title centred over the
// grid, the weekday headers, and six rows of days, each after its week
// label; a greyed label stands in parentheses, and the days of the
// neighbouring months are left out. Lines end without blanks; the text
// ends without a line break.
//
//          Veebruar  2004
//        Esm Tei Kol Nel Ree Lau Püh
//       5                           1
//       6   2   3   4   5   6   7   8
QString monthSheet(int year, int month, int firstDayOfWeek, int firstWeekOfYear);

// The listing of the month's notable days: the calendar's title of the
// month, then one line per row of the listing that holds a text: the day
// text, a tab, the name text, a tab and the marks in words ("punane päev",
// "lipupäev" or "leinalipp", joined by ", "). With iso the day is written
// "2004-02-24 / T". The text ends without a line break.
QString holidayListing(int year, int month, bool iso);

} // namespace console

// SPDX-License-Identifier: GPL-3.0-or-later
// The notable days of a month: Estonian public holidays and flag days, the
// days of national importance, folk-calendar days, a few international days
// and the two daylight-saving changes, as the rows of the holidays listing.
#pragma once

#include <QString>

#include <span>
#include <vector>

namespace holidays {

struct HolidayRow {
    QString dayText;  // "24. / T", or empty
    QString nameText; // the name exactly as listed, or empty
    bool red = false;
    bool flag = false;
    friend bool operator==(const HolidayRow &, const HolidayRow &) = default;
};

// The rows of a month's listing, top to bottom: at least eight, some of them
// empty; more when the month has more notable days than eight rows hold.
using HolidayList = std::vector<HolidayRow>;

// Weekday letters, index 0 = Sunday: P E T K N R L.
QChar WeekdayLetter(int weekdaySundayIsOne);

// First Sunday of a month (1..7) and last Sunday of a month (25..31 for March and October).
int FirstSunday(int month, int year);
int LastSunday(int month, int year);

struct MonthDay {
    int month;
    int day;
    friend constexpr bool operator==(const MonthDay &, const MonthDay &) = default;
};

// The folk-calendar table alone: the eight rows of month 1..12 in their
// places, some empty, as the listing has them in the years before the act.
HolidayList FolkCalendarRows(int month, int year);

// Easter Sunday of a year of the Gregorian calendar: 22 March .. 25 April.
MonthDay EasterSunday(int year);

// A day of the holidays act: how its date is found, its name, its marks,
// the years it is in force and the act (or amendment) that made it so.
struct StatutoryDay {
    enum class Rule {
        Fixed,      // month, day
        Easter,     // days after Easter Sunday (negative: before)
        NthWeekday, // the nth weekday (1 = Sunday .. 7 = Saturday) of month
    };
    Rule rule;
    int month;
    int day;     // Fixed: day of the month; Easter: offset; NthWeekday: n
    int weekday; // NthWeekday only
    const char *name;
    bool red;
    bool flag;
    int firstYear;
    int lastYear;
    const char *source;
};

// The days of the act, in the order their names join a row.
std::span<const StatutoryDay> StatutoryDays();

// The day of the month on which the day falls in that month of that year,
// or 0 when it falls in another month.
int DayInMonth(const StatutoryDay &day, int month, int year);

// The listing of month 1..12 of year 100..9999. The folk-calendar table
// gives each month its rows (eight, some empty); the days of the act in
// force that year join it in date order. A day of the act on a day of the
// table shares its row: the act's name first, then the table's, starting
// with a small letter unless it is a proper name, joined by "; "; the row is
// red or flagged when either is. Another day takes an empty row where one
// stands at its place in the order, else a row of its own; beyond eight rows,
// empty ones are dropped from the bottom up. A line without a day text stays
// under its row and takes its colour.
HolidayList BuildHolidayList(int month, int year);

} // namespace holidays

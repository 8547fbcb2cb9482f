// SPDX-License-Identifier: GPL-3.0-or-later
// The notable days of a month: Estonian public holidays and flag days, the
// days of national importance, folk-calendar days, a few international days
// and the two daylight-saving changes, as the rows of the holidays listing.
#pragma once

#include "icalendar.h"

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace holidays {

struct HolidayRow {
    QString dayText;  // "24. / T", or empty
    QString nameText; // the name exactly as listed, or empty
    bool red = false;
    bool flag = false;
    bool mourning = false; // the flag flies as a mourning flag (always with flag)
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

// The marks a line of the law sets on a day or takes away from it.
struct Marks {
    bool red = false;      // a day off
    bool flag = false;     // a state flag day
    bool mourning = false; // the flag flies as a mourning flag
};

// A line of the law: a day of the holidays act or of the flag rules, how its
// date is found, what the line does to it, the years it is in force and the
// act (or amendment) that made it so.
struct StatutoryDay {
    enum class Rule {
        Fixed,      // month, day
        Easter,     // days after Easter Sunday (negative: before)
        NthWeekday, // the nth weekday (1 = Sunday .. 7 = Saturday) of month
    };
    enum class Change {
        Adds,    // the day carries the name, with the marks set
        Marks,   // the day's row takes the marks set and loses those cleared
        Renames, // the table's name `replaced` on the day reads `name`
    };
    Rule rule;
    int month;
    int day;     // Fixed: day of the month; Easter: offset; NthWeekday: n
    int weekday; // NthWeekday only
    Change change;
    const char *name;     // Adds, Renames
    const char *replaced; // Renames
    Marks set;            // Adds, Marks
    Marks cleared;        // Marks
    int firstYear;
    int lastYear;
    const char *source;
};

// The lines of the law, in the order their names join a row.
std::span<const StatutoryDay> StatutoryDays();

// The day of the month on which the day falls in that month of that year,
// or 0 when it falls in another month.
int DayInMonth(const StatutoryDay &day, int month, int year);

// The folk-calendar table as the law in force in the year reads it: each
// name the law renames on its day in its new wording (a name is one of the
// parts of a row's text between "; "). Before 1998 the table as it is.
HolidayList TableRowsInForce(int month, int year);

// The listing of month 1..12 of year 100..9999. The folk-calendar table
// gives each month its rows (eight, some empty), renamed as the law in
// force that year says; the days the law adds join it in date order. A day of the act on a day of the
// table shares its row: the act's name first, then the table's, starting
// with a small letter unless it is a proper name, joined by "; "; the row is
// red or flagged when either is. Another day takes an empty row where one
// stands at its place in the order, else a row of its own; beyond eight rows,
// empty ones are dropped from the bottom up. A line without a day text stays
// under its row and takes its colour. Last, the lines that set or clear
// marks change the marks of their day's row.
HolidayList BuildHolidayList(int month, int year);

// One name of a notable day, as a calendar application is given it.
struct DayName {
    QString name;          // capitalised: "Madisepäev", "Iseseisvuspäev, Eesti Vabariigi aastapäev"
    QStringList categories; // of "riigipüha", "tähtpäev", "lipupäev", "leinalipp", "rahvakalender", "muu"
    QStringList sources;   // the legal sources of the lines in force that concern the name
};

// A day of the month that the listing names.
struct NotableDay {
    int day = 0;       // of the month
    QString names;     // the listing's name text, its continuation lines joined with " "
    bool red = false;  // the listing's red
    bool dayOff = false;   // one of its names is a public holiday (riigipüha)
    bool flag = false;     // a flag day, mourning or not
    bool mourning = false; // the flag flies as a mourning flag
    std::vector<DayName> parts; // the names one by one, in the listing's order
};

// The notable days of month 1..12 of year 100..9999, in date order, from
// BuildHolidayList. Each name is a public holiday ("riigipüha") or a day of
// national importance ("tähtpäev") when the law in force names it so (a
// line that adds it, or the table's state days), else a folk-calendar day
// ("rahvakalender") or another ("muu": other countries' days, international
// days, the daylight-saving notes). On a flag day the state days of the day
// are "lipupäev" (and "leinalipp" under a mourning flag), or its first name
// when it has no state day.
std::vector<NotableDay> NotableDays(int month, int year);

// The notable days of years firstYear..lastYear (each 100..9999, at most 100
// years; outside that nothing) as calendar events, one per day and name.
std::vector<icalendar::Event> CalendarEvents(int firstYear, int lastYear);

} // namespace holidays

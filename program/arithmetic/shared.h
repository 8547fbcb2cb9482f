// Program-wide state shared between the main window, the readouts, the
// calculator dialogs and the calendar. It lives only while the program runs.
#pragma once

#include <QString>
#include <QStringList>

namespace tundrik {

// Julian date of 0h UT of the current local date, minus 2400000.
extern double DayBase;
// 1 = Sunday .. 7 = Saturday.
extern qint16 FirstDayOfWeek;
// 1 = week of 1 January, 2 = first week with four days, 3 = first full week.
extern qint16 FirstWeekOfYear;
// Week number of the current date under the two settings above.
extern qint16 WeekNumber;
// "Pühapäev" .. "Laupäev", index 0 = Sunday; empty until the main window fills it.
extern QStringList WeekdayNames;
// "JP" selects the Julian day number in DayDescription, anything else the weekday.
extern QString DayDescriptionMode;
// True while a calculator dialog shows an answer.
extern bool AnswerShown;
// Year and month the month calendar shows; read by the holidays window.
extern qint16 CalendarYear;
extern qint16 CalendarMonth;

// The weekday names in their order, index 0 = Sunday.
QStringList standardWeekdayNames();

} // namespace tundrik

// SPDX-License-Identifier: GPL-3.0-or-later
// The windows that the main window opens from its menus. Every opener shows
// its window modally, owned by the main window, and returns when it closes.
#pragma once

class frmAeg;

namespace openers {

// Calculator dialogs. julianDay: true for "Leia Juliuse päev" (the dialog's
// DayDescriptionMode "JP"), false for "Leia nädalapäev" ("NP").
void openDayDescription(frmAeg &main, bool julianDay);
void openDateOfDayNumber(frmAeg &main);
void openInterval(frmAeg &main);
void openNewDate(frmAeg &main);
void openLeapYear(frmAeg &main);

// Month calendar.
void openCalendar(frmAeg &main);

// Clock and date setting, About.
void openSetTime(frmAeg &main);
void openSetDate(frmAeg &main);
void openAbout(frmAeg &main);

} // namespace openers

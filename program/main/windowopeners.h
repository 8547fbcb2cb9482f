// The windows that the main window opens from its menus. Each subsystem
// implements its own openers next to its windows; every opener shows its
// window modally, owned by the main window, and returns when it closes.
#pragma once

class frmAeg;

namespace openers {

// Calculator dialogs (program/dialogs). julianDay: true for "Leia Juliuse päev"
// (DayDescriptionMode "JP"), false for "Leia nädalapäev" ("NP").
void openDayDescription(frmAeg &main, bool julianDay);
void openDateOfDayNumber(frmAeg &main);
void openInterval(frmAeg &main);
void openNewDate(frmAeg &main);
void openLeapYear(frmAeg &main);

// Month calendar (program/calendar).
void openCalendar(frmAeg &main);

// Clock and date setting, About (program/setup).
void openSetTime(frmAeg &main);
void openSetDate(frmAeg &main);
void openAbout(frmAeg &main);

} // namespace openers

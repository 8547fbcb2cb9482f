// What's-This texts of the calculator dialogs' Julian check boxes, by help
// context number: 20 for a date read in the Julian calendar (day number or
// weekday of a date, time between two dates), 30 for the date of a Julian
// day number, 40 for the new date reached by adding or subtracting days.
#pragma once

#include <QString>

// The text of a help topic, or an empty string for a number without one.
QString dialogHelpTopic(int context);

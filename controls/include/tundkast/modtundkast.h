// SPDX-License-Identifier: GPL-3.0-or-later
// The routines the time and date boxes share: the digit-key filter of their
// fields, the date check and the day offset from the Julian to the Gregorian
// calendar.
#pragma once

#include <tundkast/tundkast_export.h>

#include <QString>

class QLineEdit;

namespace modTundkast {

/*! Filters a typed character for a digit field. key is the character code,
    set to 0 when the key is discarded. Digits are appended at the end of the
    text only while the number stays at most maxValue and the text shorter than
    maxLength; with a selection the routine replaces the selection itself (or
    only collapses it when the number would be too large) and discards the key.
    Backspace (8) passes; every other key is discarded. A null field discards. */
TUNDKAST_EXPORT void FilterDigitKey(int &key, QLineEdit *field, int maxLength, int maxValue,
                                    bool allowLeadingZero);

/*! Checks day, month and year texts: valid when all are whole numbers, day and
    month above 0, the year at least minimumYear and inside 100..9999, and they
    form an existing date of the Gregorian calendar (of the Julian calendar when
    julian is true, where 29 February of every fourth year exists).
    beforeReform is false only for a valid date that, as written, lies on or
    after 15.10.1582. Anything else (empty, signs, letters) is not valid. */
TUNDKAST_EXPORT void CheckDateFields(const QString &day, const QString &month, const QString &year,
                                     int minimumYear, bool &valid, bool &beforeReform,
                                     bool julian = false);

/*! The days to add to a date typed in the Julian calendar (given as the date
    value of the same day, month and year read as Gregorian) to reach its
    Gregorian date; exact for every date value (a fraction is dropped). */
TUNDKAST_EXPORT int JulianToGregorianOffset(double dateValue);

/*! The date value (days from 30.12.1899) of a Gregorian year, month and day;
    months outside 1..12 carry into the neighbouring years, and days outside
    the month into the neighbouring months, so every triple gives a value. */
TUNDKAST_EXPORT double DateValueOf(int year, int month, int day);

} // namespace modTundkast

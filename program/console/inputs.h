// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a question as the windows' boxes read them: a date written
// PP.KK.AAAA, a whole number, a month; and an answer's text in the form
// --iso asks for.
#pragma once

#include <QString>

#include <optional>

namespace console {

// A date as written: day, month and year as typed, not yet checked.
struct WrittenDate {
    int year;
    int month;
    int day;
};

// "PP.KK.AAAA": one or two digits of the day and of the month and up to
// four of the year, separated by points. Nothing else is a written date.
std::optional<WrittenDate> writtenDate(const QString &word);

// A whole number not below 0: digits, which may be grouped by threes with
// the regional group separator or a space (also a no-break one). Numbers
// too large for any range are told as 10^15.
std::optional<qint64> wholeNumber(const QString &word);

// A month: 1 to 12 (also "02"), or its name ("veebruar", "Veebruar",
// "marts" for "Märts").
std::optional<int> month(const QString &word);

// A word of the question as a message names it: „word“.
QString quoted(const QString &word);

// Folds a word for comparing names: lower case, ä, õ, ö, ü as a, o, o, u.
QString folded(const QString &word);

// The answer as --iso writes it: a calendar date "dd.mm.yyyy. a." as
// "yyyy-mm-dd", and the group separators between digits dropped.
QString isoText(const QString &answer);

// "yyyy-mm-dd" of a date of either calendar, the year in four digits at least.
QString isoDate(qint64 year, int month, int day);

} // namespace console

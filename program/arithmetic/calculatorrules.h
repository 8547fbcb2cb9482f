// SPDX-License-Identifier: GPL-3.0-or-later
// What the five calculators accept and offer, apart from their widgets: the
// ranges of their inputs with the texts of their range labels, which
// readings of a date and which units of an interval an input offers, the
// limits of a shift, and the leap-year answer. The calculator windows and
// the command line share them, so both accept and answer the same.
#pragma once

#include "datevalue.h"

#include <QString>
#include <QtGlobal>

namespace calculators {

// Dates as written (day, month, year, compared in that order of weight),
// with the text of the range label that states them.
struct DateRange {
    datevalue::Ymd first;
    datevalue::Ymd last;
    const char16_t *label;

    constexpr bool contains(int year, int month, int day) const noexcept
    {
        const auto key = [](int y, int m, int d) { return (qint64(y) * 13 + m) * 32 + d; };
        const qint64 k = key(year, month, day);
        return k >= key(first.year, first.month, first.day) && k <= key(last.year, last.month, last.day);
    }
    QString labelText() const { return QString::fromUtf16(label); }
};

// Whole numbers and the text of the label that states them.
struct NumberRange {
    qint64 minimum;
    qint64 maximum;
    const char16_t *label;

    constexpr bool contains(qint64 n) const noexcept { return n >= minimum && n <= maximum; }
    QString labelText() const { return QString::fromUtf16(label); }
};

// The date of "Leia Juliuse päev", "Leia nädalapäev" and both dates of
// "Leia päevade arv": a date box of the years 100 to 2299, whose Julian
// reading of 1 and 2 January 100 is 3 January, the first day of the date value.
inline constexpr DateRange kDayDates {{100, 1, 3}, {2299, 12, 31}, u"{03.01.100 - 31.12.2299}"};
// The date of "Leia uus kuupäev": the years 320 to 2079, so that every
// shift the window allows stays inside the years 100 to 2299.
inline constexpr DateRange kShiftDates {{320, 1, 1}, {2079, 12, 31}, u"{01.01.320 - 31.12.2079}"};
// The day number of "Leia kuupäev": every day whose Julian-calendar date
// is still a date value.
inline constexpr NumberRange kDayNumbers {1757600, 2561100, u"{1 757 600 - 2 561 100}"};
// The year of "Kas liigaasta, või mitte".
inline constexpr NumberRange kLeapYears {100, 2299, u"(100 - 2299)"};

// 15.10.1582, the first day of the Gregorian calendar. An earlier day
// number is read in the Julian calendar first, and only such a one offers
// the Gregorian reading ("G").
inline constexpr qint32 kReformDayNumber = 2299161;

// A day that only the Julian calendar has: 29 February of a year divisible
// by 100 and not by 400 (1700, 1500). A date box keeps such a date in the
// Julian reading, and "G" has no Gregorian reading of it to offer.
bool OnlyJulianDate(qint64 year, int month, int day) noexcept;

// The units an interval from first to second can be told in: years when
// the second date lies in a later year than the first, months when it lies
// in a later month; none when it comes first. Years and months are those
// of the calendar the interval is counted in (the Julian one when
// julianCalendar is set).
struct IntervalUnits {
    bool years = false;
    bool months = false;
    friend bool operator==(const IntervalUnits &, const IntervalUnits &) = default;
};
IntervalUnits IntervalUnitsOffered(datevalue::DateValue first, datevalue::DateValue second,
                                   bool julianCalendar);

// The largest counts of a shift and the texts of their limit labels, by
// the counts of years and months given: 219 years; 2639 months, or 11 with
// years; 79999 days, 365 with years, or 30 with months.
struct ShiftLimits {
    qint64 years;
    qint64 months;
    qint64 days;
    QString yearsLabel; // "< 220"
    QString monthsLabel; // "< 2640", "< 12"
    QString daysLabel; // "< 80 000", "< 366", "< 31"
};
ShiftLimits ShiftLimitsFor(qint64 years, qint64 months);

// Whether a shift of a Gregorian date by days alone (years and months 0)
// spans, from date - days to date + days, a year divisible by 100 without
// 29 February in the Gregorian calendar, where the Julian calendar counts
// one day more: then "Leia uus kuupäev" offers its Julian reading (and
// always for a date of the Julian calendar only).
bool ShiftSpansJulianLeapDay(datevalue::DateValue gregorianDate, qint64 years, qint64 months, qint64 days);

// "Jah, on liigaasta" or "Ei ole liigaasta", by the Gregorian rule for
// every year (so 1500 is none, although the Julian calendar had it).
QString LeapYearText(qint64 year);

} // namespace calculators

// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar arithmetic of the program: Julian day numbers, the two calendars,
// intervals and shifted dates, and the values of the present instant. Every
// routine returns the finished Estonian text or value; failures are thrown as
// the types of errors.h.
#pragma once

#include "clock.h"
#include "datevalue.h"

#include <QString>
#include <QStringList>

namespace modArvutused {

using datevalue::DateValue;

// ---- Day numbers and calendars -------------------------------------------

// Julian date of 0h UT of the reading's local date, minus 2400000 (always ends in .5).
double ComputeDayBase(const tundrik::ClockReading &now);

// "Pühapäev" .. "Laupäev", index 0 = Sunday.
const QStringList &WeekdayNames();

// "2 451 545. Juliuse päev" when DayDescriptionMode is "JP", else the
// weekday's name from weekdayNames (index 0 = Sunday, whatever the first day
// of the week is). Throws OverflowError in "JP" mode from 1.3.4681 on and
// SubscriptError in weekday mode when weekdayNames has fewer than seven names.
QString DayDescription(DateValue date, const QString &DayDescriptionMode,
                       const QStringList &weekdayNames = WeekdayNames());

// The Gregorian (julian == false) or Julian-calendar date of a day number, as
// "dd.mm.yyyy. a.". Throws OverflowError above 13689325 (and the mirror bound
// below), and with julian set DateRangeError when the Gregorian date of the day
// lies outside the date value's years 100..9999.
QString JulianDayToDateText(qint32 jdn, bool julian);

// Days the Julian calendar lags behind the Gregorian on this Gregorian date,
// from the table of century thresholds (1 March): -2 .. 15.
qint16 CalendarLag(DateValue gregorianDate);

// The Julian-calendar reading of a Gregorian date value (exact, through the day number).
datevalue::Ymd ToJulianCalendar(DateValue gregorianDate) noexcept;

// "dd.mm.yyyy. a." with the year as a plain signed number.
QString CalendarDateText(qint64 year, int month, int day);

// ---- Intervals and shifted dates -------------------------------------------

// The time from the first date to the second in years, months and days. For
// a first date not after the second: years is the largest count (0 unless
// counted) whose anniversary of the first date, built with the normalising
// date rule, is not after the second date; months the largest count (0 unless
// counted) for which date(Y1 + years, M1 + months, D1) is not after it; days
// the whole days from that date to the second. Every part is then >= 0 and
// adding the parts to the first date gives the second. For a first date after
// the second only days is set, negative. With julianCalendar both dates are
// read, and the counts made, in the Julian calendar.
struct IntervalParts {
    qint64 years;
    qint64 months;
    qint64 days;
    friend bool operator==(const IntervalParts &, const IntervalParts &) = default;
};
IntervalParts IntervalPartsOf(DateValue first, DateValue second, bool countYears, bool countMonths,
                              bool julianCalendar = false);

// Those parts as text: "2 aastat, 2 kuud ja 30 päeva", "822 päeva", "- 822 päeva".
QString IntervalText(DateValue first, DateValue second, bool countYears, bool countMonths,
                     bool julianCalendar = false);

// The date reached from start by adding (add) or subtracting the counts, as
// "dd.mm.yyyy. a.". With julian set, the start's Julian-calendar date is
// shifted with the Julian date rule and the result written in the Julian
// calendar. days is not changed.
// Throws OverflowError when a 16-bit sum overflows and DateRangeError when the
// result leaves 1.1.100..31.12.9999.
QString ShiftedDateText(DateValue start, qint16 years, qint16 months, const qint32 &days, bool add,
                        bool julian);

// ---- Values of the present instant ---------------------------------------
// dayBase is ComputeDayBase of the reading's local date.

double AstronomicalJulianDayNow(const tundrik::ClockReading &now, double dayBase);
double CommonJulianDayNow(const tundrik::ClockReading &now, double dayBase);
double UnixTimeNow(const tundrik::ClockReading &now, double dayBase);
// Thousandths of the day of UT+1, 0 <= value < 1000.
float InternetTimeNow(const tundrik::ClockReading &now);
// Sundial minus clock time in minutes on the given day of the year (k = 1 or 3).
float ClockDifference(int k, int dayOfYear);

// Week number of a date for FirstDayOfWeek (1 = Sunday .. 7) and
// FirstWeekOfYear (1..3).
int WeekNumberOf(DateValue date, int firstDayOfWeek, int firstWeekOfYear);
int QuarterOf(int month);

// Whole days after the given date up to the end of its year (0 on 31 December).
int DaysLeftInYear(int year, int month, int day);

// "- 14m 30s", "16m 15s", "0m 0s".
QString MinutesSecondsText(float minutes);

} // namespace modArvutused

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculatorrules.h"

#include "daynumbers.h"
#include "modarvutused.h"

namespace calculators {

bool OnlyJulianDate(qint64 year, int month, int day) noexcept
{
    if (month < 1 || month > 12 || day < 1)
        return false;
    return day <= daynumbers::julianMonthLength(year, month)
        && day > daynumbers::gregorianMonthLength(year, month);
}

IntervalUnits IntervalUnitsOffered(datevalue::DateValue first, datevalue::DateValue second,
                                   bool julianCalendar)
{
    if (first > second)
        return {};
    const datevalue::Ymd a = julianCalendar ? modArvutused::ToJulianCalendar(first) : datevalue::YmdOf(first);
    const datevalue::Ymd b = julianCalendar ? modArvutused::ToJulianCalendar(second)
                                            : datevalue::YmdOf(second);
    const int years = b.year - a.year;
    if (years > 0)
        return {true, true};
    return {false, 12 * years + b.month - a.month > 0};
}

ShiftLimits ShiftLimitsFor(qint64 years, qint64 months)
{
    ShiftLimits l {
        219, 2639, 79999, QStringLiteral("< 220"), QStringLiteral("< 2640"), QStringLiteral("< 80 000")};
    if (years != 0) {
        l.months = 11;
        l.monthsLabel = QStringLiteral("< 12");
        l.days = 365;
        l.daysLabel = QStringLiteral("< 366");
    }
    if (months != 0) {
        l.days = 30;
        l.daysLabel = QStringLiteral("< 31");
    }
    return l;
}

bool ShiftSpansJulianLeapDay(datevalue::DateValue gregorianDate, qint64 years, qint64 months, qint64 days)
{
    if (years != 0 || months != 0)
        return false;
    const int from = datevalue::Year(gregorianDate - double(days));
    const int to = datevalue::Year(gregorianDate + double(days));
    for (int y = from; y <= to; ++y) {
        if (y % 100 == 0 && y % 400 != 0)
            return true;
    }
    return false;
}

QString LeapYearText(qint64 year)
{
    return daynumbers::isGregorianLeap(year) ? QStringLiteral("Jah, on liigaasta")
                                             : QStringLiteral("Ei ole liigaasta");
}

} // namespace calculators

// SPDX-License-Identifier: GPL-3.0-or-later
// The time between two dates, and a date shifted by years, months and days.
#include "modarvutused.h"

#include "daynumbers.h"
#include "errors.h"
#include "readouttexts.h"

#include <limits>

namespace modArvutused {

using datevalue::Jdn;

namespace {

qint16 checked16(qint64 v)
{
    if (v > std::numeric_limits<qint16>::max() || v < std::numeric_limits<qint16>::min())
        throw tundrik::OverflowError("16-bit overflow");
    return qint16(v);
}

// One calendar's reading of a day number and its normalising date rule.
struct Calendar {
    daynumbers::CivilDate (*civil)(std::int64_t jdn);
    std::int64_t (*serial)(std::int64_t year, std::int64_t month, std::int64_t day);
};

constexpr Calendar kGregorian{&daynumbers::jdnToGregorian, &datevalue::GregorianSerialJdn};
constexpr Calendar kJulian{&daynumbers::jdnToJulian, &datevalue::JulianSerialJdn};

} // namespace

IntervalParts IntervalPartsOf(DateValue first, DateValue second, bool countYears, bool countMonths,
                              bool julianCalendar)
{
    const Calendar &cal = julianCalendar ? kJulian : kGregorian;
    const std::int64_t a = Jdn(first);
    const std::int64_t b = Jdn(second);
    if (a > b)
        return {0, 0, b - a};

    const auto [y1, m1, d1] = cal.civil(a);
    const auto s = cal.civil(b);
    // Each count is the largest whose date, built with the normalising rule,
    // is not after the second date. The dates grow with the count (a step
    // adds at least 28 days, the carry of a day past the month's end at most
    // 3), so the search starts at the step that lands in the second date's
    // year or month, which is never too small, and goes down. Count 0 gives
    // the first date itself, so no count goes below 0.
    std::int64_t years = 0;
    if (countYears) {
        years = s.year - y1;
        while (cal.serial(y1 + years, m1, d1) > b)
            --years;
    }
    std::int64_t months = 0;
    if (countMonths) {
        months = 12 * (s.year - (y1 + years)) + s.month - m1;
        while (cal.serial(y1 + years, m1 + months, d1) > b)
            --months;
    }
    return {years, months, b - cal.serial(y1 + years, m1 + months, d1)};
}

QString IntervalText(DateValue first, DateValue second, bool countYears, bool countMonths,
                     bool julianCalendar)
{
    const auto [years, months, days] =
        IntervalPartsOf(first, second, countYears, countMonths, julianCalendar);

    const QString yearWord = years == 1 ? QStringLiteral(" aasta") : QStringLiteral(" aastat");
    const QString monthWord = months == 1 ? QStringLiteral(" kuu") : QStringLiteral(" kuud");
    const QString dayWord = days == 1 ? QStringLiteral(" päev") : QStringLiteral(" päeva");
    const QString y = QString::number(years) + yearWord;
    const QString p = QString::number(days) + dayWord;

    if (years != 0) {
        const QString k = QString::number(months) + monthWord;
        if (months != 0)
            return days != 0 ? y + QStringLiteral(", ") + k + QStringLiteral(" ja ") + p
                             : y + QStringLiteral(" ja ") + k;
        return days != 0 ? y + QStringLiteral(" ja ") + p : y;
    }
    if (months != 0) {
        const QString k = readouttexts::groupedInteger(months) + monthWord;
        return days != 0 ? k + QStringLiteral(" ja ") + p : k;
    }
    if (days >= 0)
        return readouttexts::groupedInteger(days) + dayWord;
    return QStringLiteral("- ") + readouttexts::groupedInteger(-days) + dayWord;
}

QString ShiftedDateText(DateValue start, qint16 years, qint16 months, const qint32 &days,
                        bool add, bool julian)
{
    const qint64 sign = add ? 1 : -1;
    std::int64_t result;
    if (days <= 999) {
        // Years, months and days are counted in the calendar the answer is
        // written in, so that a Julian year ends on the same Julian day.
        const Calendar &cal = julian ? kJulian : kGregorian;
        const auto [y, m, d] = cal.civil(Jdn(start));
        result = cal.serial(checked16(y + sign * years), checked16(m + sign * months),
                            checked16(d + sign * days));
    } else {
        result = Jdn(start) + sign * days;
    }
    const DateValue value = datevalue::FromJdn(result);
    if (!datevalue::InRange(value))
        throw tundrik::DateRangeError("date outside 1.1.100..31.12.9999");
    const auto r = julian ? ToJulianCalendar(value) : datevalue::YmdOf(value);
    return CalendarDateText(r.year, r.month, r.day);
}

} // namespace modArvutused

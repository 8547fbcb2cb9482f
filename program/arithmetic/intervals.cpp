// The time between two dates, and a date shifted by years, months and days.
#include "modArvutused.h"

#include "errors.h"
#include "readoutTexts.h"

#include <limits>

namespace modArvutused {

using datevalue::DateSerial64;
using datevalue::WholeDays;
using datevalue::YmdOf;

namespace {

qint16 checked16(qint64 v)
{
    if (v > std::numeric_limits<qint16>::max() || v < std::numeric_limits<qint16>::min())
        throw tundrik::OverflowError("16-bit overflow");
    return qint16(v);
}

} // namespace

QString IntervalText(DateValue first, DateValue second, bool countYears, bool countMonths)
{
    const auto [y1, m1, d1] = YmdOf(first);
    const auto s = YmdOf(second);
    const qint64 secondDays = WholeDays(second);

    qint64 years = 0;
    if (countYears) {
        years = s.year - y1;
        // The anniversary of the first date in the second date's year has not come yet.
        if (WholeDays(DateSerial64(s.year, m1, d1)) > secondDays)
            --years;
    }
    qint64 months = 0;
    if (countMonths) {
        const auto x = YmdOf(DateSerial64(checked16(y1 + years), m1, d1));
        months = 12LL * (s.year - x.year) + s.month - x.month;
        if (d1 > s.day)
            --months;
    }
    const qint64 mid = WholeDays(DateSerial64(checked16(y1 + years), checked16(m1 + months), d1));
    const qint64 days = secondDays - mid;

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
    const int sign = add ? 1 : -1;
    DateValue result;
    if (days <= 999) {
        const auto [y, m, d] = YmdOf(start);
        result = DateSerial64(checked16(y + qint64(sign) * years),
                              checked16(m + qint64(sign) * months),
                              checked16(d + qint64(sign) * days));
    } else {
        result = double(WholeDays(start) + qint64(sign) * days);
        if (!datevalue::InRange(result))
            throw tundrik::DateRangeError("date outside 1.1.100..31.12.9999");
    }
    const auto r = julian ? ToJulianCalendar(result) : YmdOf(result);
    return CalendarDateText(r.year, r.month, r.day);
}

} // namespace modArvutused

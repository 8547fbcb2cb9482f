// SPDX-License-Identifier: GPL-3.0-or-later
// Day numbers and the two calendars.
#include "modarvutused.h"

#include "daynumbers.h"
#include "errors.h"
#include "readouttexts.h"

#include <array>
#include <limits>

namespace modArvutused {

using datevalue::DateSerial;

double ComputeDayBase(const tundrik::ClockReading &now)
{
    // The day number of the local date, less half a day: 0h UT of that date.
    return double(daynumbers::gregorianToJdn(now.year, now.month, now.day)) - 2400000.5;
}

namespace {

// The classic closed formula for the day number of a Gregorian date. Its
// terms Y + (M + 9) \ 12 and seven times it are 16-bit quantities, so the
// operation is refused from 1.3.4681 on, where 7 * 4682 leaves that range.
qint32 dayNumberOf(DateValue date)
{
    const auto [y, m, d] = datevalue::YmdOf(date);
    const int carried = y + (m + 9) / 12;
    if (7 * carried > std::numeric_limits<qint16>::max())
        throw tundrik::OverflowError("day number: 16-bit overflow");
    const qint64 jdn = 367LL * y - (7 * carried) / 4 - (3 * ((y + (m - 9) / 7) / 100 + 1)) / 4 + (275 * m) / 9
        + d + 1721029;
    return qint32(jdn);
}

} // namespace

const QStringList &WeekdayNames()
{
    static const QStringList names {QStringLiteral("Pühapäev"),  QStringLiteral("Esmaspäev"),
                                    QStringLiteral("Teisipäev"), QStringLiteral("Kolmapäev"),
                                    QStringLiteral("Neljapäev"), QStringLiteral("Reede"),
                                    QStringLiteral("Laupäev")};
    return names;
}

QString DayDescription(DateValue date, const QString &DayDescriptionMode, const QStringList &weekdayNames)
{
    if (DayDescriptionMode == QLatin1String("JP"))
        return readouttexts::groupedInteger(dayNumberOf(date)) + QStringLiteral(". Juliuse päev");

    const int index = datevalue::Weekday(date) - 1; // [0, 6]
    if (index >= weekdayNames.size())
        throw tundrik::SubscriptError("weekday names are not filled");
    return weekdayNames.at(index);
}

QString CalendarDateText(qint64 year, int month, int day)
{
    return QStringLiteral("%1.%2.%3. a.")
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(year);
}

QString JulianDayToDateText(qint32 jdn, bool julian)
{
    // The year is a 16-bit quantity: 31.12.32767 (day 13689325) is the last
    // day that can be written, and its mirror below.
    const auto gregorian = daynumbers::jdnToGregorian(jdn);
    if (gregorian.year > std::numeric_limits<qint16>::max()
        || gregorian.year < std::numeric_limits<qint16>::min())
        throw tundrik::OverflowError("day number: year outside 16-bit range");
    if (!julian)
        return CalendarDateText(gregorian.year, gregorian.month, gregorian.day);

    if (gregorian.year < datevalue::kMinYear || gregorian.year > datevalue::kMaxYear)
        throw tundrik::DateRangeError("day number outside the date value's years");
    const auto j = daynumbers::jdnToJulian(jdn);
    return CalendarDateText(j.year, j.month, j.day);
}

qint16 CalendarLag(DateValue gregorianDate)
{
    struct Step {
        int year;
        qint16 lag;
    };
    // Before 1 March of the year, the lag is the row's value.
    static constexpr std::array<Step, 17> steps {{
        {100, -2},
        {200, -1},
        {300, 0},
        {500, 1},
        {600, 2},
        {700, 3},
        {900, 4},
        {1000, 5},
        {1100, 6},
        {1300, 7},
        {1400, 8},
        {1500, 9},
        {1700, 10},
        {1800, 11},
        {1900, 12},
        {2100, 13},
        {2200, 14},
    }};
    for (const Step &s : steps) {
        if (gregorianDate < DateSerial(s.year, 3, 1))
            return s.lag;
    }
    return 15;
}

datevalue::Ymd ToJulianCalendar(DateValue gregorianDate) noexcept
{
    const auto j = daynumbers::jdnToJulian(datevalue::Jdn(gregorianDate));
    return {int(j.year), j.month, j.day};
}

} // namespace modArvutused

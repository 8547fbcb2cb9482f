// SPDX-License-Identifier: GPL-3.0-or-later
#include "readouttexts.h"

#include "daynumbers.h"
#include "modarvutused.h"
#include "regionalnumbers.h"

#include <cmath>
#include <cstdlib>

namespace readouttexts {

using regionalnumbers::decimalSeparator;
using regionalnumbers::groupDigits;
using regionalnumbers::groupSeparator;

QString groupedInteger(qint64 value)
{
    const QString digits = QString::number(value < 0 ? -(value + 1) + 1ULL : quint64(value));
    const QString grouped = groupDigits(digits, groupSeparator());
    return value < 0 ? QLatin1Char('-') + grouped : grouped;
}

QString groupedRounded(double value)
{
    return groupedInteger(std::llround(value));
}

QString julianDateText(double value)
{
    const qint64 scaled = std::llround(value * 100000.0);
    const qint64 whole = scaled / 100000;
    const qint64 fraction = std::llabs(scaled % 100000);
    return groupedInteger(whole) + decimalSeparator() + QLatin1Char(' ')
        + QStringLiteral("%1").arg(fraction, 5, 10, QLatin1Char('0'));
}

QString twoDecimals(double value)
{
    const qint64 scaled = std::llround(value * 100.0);
    const QString text = QString::number(std::llabs(scaled) / 100) + decimalSeparator()
        + QStringLiteral("%1").arg(std::llabs(scaled) % 100, 2, 10, QLatin1Char('0'));
    return scaled < 0 ? QLatin1Char('-') + text : text;
}

QString clockText(const tundrik::ClockReading &now)
{
    return QStringLiteral("%1:%2:%3")
        .arg(now.hour, 2, 10, QLatin1Char('0'))
        .arg(now.minute, 2, 10, QLatin1Char('0'))
        .arg(now.second, 2, 10, QLatin1Char('0'));
}

TimeTexts timeTexts(const tundrik::ClockReading &now, double dayBase)
{
    using namespace modArvutused;
    return {
        QStringLiteral("@ ") + twoDecimals(InternetTimeNow(now)),
        clockText(now),
        julianDateText(AstronomicalJulianDayNow(now, dayBase)),
        julianDateText(CommonJulianDayNow(now, dayBase)),
        groupedRounded(UnixTimeNow(now, dayBase)),
    };
}

DateTexts dateTexts(const tundrik::ClockReading &now, int firstDayOfWeek, int firstWeekOfYear)
{
    using namespace modArvutused;
    const qint64 jdn = daynumbers::gregorianToJdn(now.year, now.month, now.day);
    const DateValue today = datevalue::FromJdn(jdn);
    const int dayOfYear = int(jdn - daynumbers::gregorianToJdn(now.year, 1, 1)) + 1;
    DateTexts t;
    t.weekNumber = WeekNumberOf(today, firstDayOfWeek, firstWeekOfYear);
    t.dayOfYear = QString::number(dayOfYear) + QStringLiteral(". päev");
    t.week = QString::number(t.weekNumber) + QStringLiteral(". nädal");
    t.quarter = QString::number(QuarterOf(now.month)) + QStringLiteral(". kv.");
    t.clockDifferenceT = MinutesSecondsText(ClockDifference(3, dayOfYear));
    t.clockDifferenceL = MinutesSecondsText(ClockDifference(1, dayOfYear));
    return t;
}

QStringList monthNames()
{
    return {QStringLiteral("jaanuar"),  QStringLiteral("veebruar"), QStringLiteral("märts"),
            QStringLiteral("aprill"),   QStringLiteral("mai"),      QStringLiteral("juuni"),
            QStringLiteral("juuli"),    QStringLiteral("august"),   QStringLiteral("september"),
            QStringLiteral("oktoober"), QStringLiteral("november"), QStringLiteral("detsember")};
}

QString dateLine(const tundrik::ClockReading &now, const QStringList &weekdayNames,
                 const QStringList &monthNames)
{
    const qint64 jdn = daynumbers::gregorianToJdn(now.year, now.month, now.day);
    const int weekday = int(jdn + 1 - daynumbers::floorDiv(jdn + 1, 7) * 7); // [0, 6], 0 = Sunday
    return QStringLiteral(" %1, %2. %3 ")
        .arg(weekdayNames.value(weekday))
        .arg(now.day, 2, 10, QLatin1Char('0'))
        .arg(monthNames.value(now.month - 1));
}

Countdown countdownAtNewDay(const tundrik::ClockReading &now)
{
    return {QString::number(modArvutused::DaysLeftInYear(now.year, now.month, now.day)),
            QString::number(23 - now.hour), QString::number(59 - now.minute), QString()};
}

Countdown countdownTick(const tundrik::ClockReading &now)
{
    // At hh:mm:00 the row still shows the previous second's minute and hour
    // with 0 seconds, the exact remainder; the minute and hour move on at
    // hh:mm:01. Each refresh gives all three from the reading alone, so the
    // row is right at once after the clock is set or the window restored.
    Countdown c;
    int hour = now.hour;
    int minute = now.minute;
    if (now.second == 0) {
        c.seconds = QStringLiteral("0");
        // The second before: the minute (and at hh:00:00 the hour) before.
        if (--minute < 0) {
            minute = 59;
            hour = (hour + 23) % 24;
        }
    } else {
        c.seconds = QString::number(60 - now.second);
    }
    c.minutes = QString::number(59 - minute);
    c.hours = QString::number(23 - hour);
    return c;
}

} // namespace readouttexts

// SPDX-License-Identifier: GPL-3.0-or-later
// Values of the present instant, the week number and the time left in the year.
#include "modarvutused.h"

#include "daynumbers.h"

#include <cmath>

namespace modArvutused {

namespace {

constexpr double kSecondsPerDay = 86400.0;

// Sunday = 1 .. Saturday = 7; day number 0 was a Monday.
int weekdayOfJdn(qint64 jdn)
{
    return int(jdn + 1 - daynumbers::floorDiv(jdn + 1, 7) * 7) + 1;
}

// The first day of the week (beginning on weekday f) that contains the day.
qint64 weekStart(qint64 jdn, int f)
{
    return jdn - (weekdayOfJdn(jdn) - f + 7) % 7; // jdn - [0, 6]
}

// The first day of week 1 of the year.
qint64 firstWeekStart(qint64 year, int f, int rule)
{
    const qint64 jan1 = daynumbers::gregorianToJdn(year, 1, 1);
    const qint64 start = weekStart(jan1, f);
    switch (rule) {
    case 2: // at least four days of the week in the new year
        return jan1 - start <= 3 ? start : start + 7;
    case 3: // the first week wholly in the new year
        return start == jan1 ? start : start + 7;
    default: // the week of 1 January
        return start;
    }
}

} // namespace

int WeekNumberOf(DateValue date, int firstDayOfWeek, int firstWeekOfYear)
{
    const int f = (firstDayOfWeek >= 1 && firstDayOfWeek <= 7) ? firstDayOfWeek : 1;
    const qint64 jdn = datevalue::Jdn(date);
    const qint64 year = daynumbers::jdnToGregorian(jdn).year;
    const qint64 start = weekStart(jdn, f);
    // Only under the four-day rule does a week at the end of December belong
    // to the next year.
    if (firstWeekOfYear == 2 && start >= firstWeekStart(year + 1, f, 2))
        return 1;
    qint64 week1 = firstWeekStart(year, f, firstWeekOfYear);
    if (start < week1)
        week1 = firstWeekStart(year - 1, f, firstWeekOfYear);
    return int((start - week1) / 7) + 1;
}

int QuarterOf(int month)
{
    return (month - 1) / 3 + 1;
}

int DaysLeftInYear(int year, int month, int day)
{
    return int(daynumbers::gregorianToJdn(year + 1, 1, 1) - daynumbers::gregorianToJdn(year, month, day + 1));
}

double AstronomicalJulianDayNow(const tundrik::ClockReading &now, double dayBase)
{
    // Universal time is the local time less the offset in force. Just after
    // local midnight the fraction is negative; dayBase refers to 0h UT of the
    // local date, so the sum is still the Julian date of the instant.
    return (now.seconds() - now.utcOffset) / kSecondsPerDay + dayBase + 2400000.0;
}

double CommonJulianDayNow(const tundrik::ClockReading &now, double dayBase)
{
    // The day number of the local date plus the part of the local day gone by.
    return dayBase + 2400000.5 + now.seconds() / kSecondsPerDay;
}

double UnixTimeNow(const tundrik::ClockReading &now, double dayBase)
{
    // 40587.5 is dayBase of 1.1.1970.
    return (dayBase - 40587.5) * kSecondsPerDay + now.seconds() - now.utcOffset;
}

float InternetTimeNow(const tundrik::ClockReading &now)
{
    // Internet time counts the day of UT+1 in thousandths. The clock is read
    // once, so the value always lies in [0, 1000).
    double u = std::fmod(now.seconds() - now.utcOffset + 3600.0, kSecondsPerDay); // (-86400, 86400)
    if (u < 0)
        u += kSecondsPerDay;
    double whole = std::nearbyint(u); // to the nearest second, halves to even
    if (whole >= kSecondsPerDay)
        whole -= kSecondsPerDay;
    return float(whole / kSecondsPerDay * 1000.0);
}

float ClockDifference(int k, int dayOfYear)
{
    // An approximation of the equation of time from the mean anomaly G of the
    // sun and its ecliptic longitude; positive when the sundial is ahead.
    const double rad = std::atan(1.0) / 45.0;
    const float g = float(0.9856 * (dayOfYear - k / 4.0));
    const double lambda = 1.91 * std::sin(g * rad) + g - 79.957;
    return float(-(0.128 * std::sin((g - 2.257) * rad) - std::sin(2.0 * lambda * rad) / 6.0) * 60.0);
}

QString MinutesSecondsText(float minutes)
{
    const float a = std::fabs(minutes);
    const int whole = int(a);
    const int seconds = int((a - float(whole)) * 60.0f);
    const QString text = QStringLiteral("%1m %2s").arg(whole).arg(seconds);
    return minutes < 0 ? QStringLiteral("- ") + text : text;
}

} // namespace modArvutused

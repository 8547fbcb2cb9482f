#include "datevalue.h"

#include "daynumbers.h"
#include "errors.h"

#include <cmath>

namespace datevalue {

using daynumbers::kDateValueEpochJdn;

DateValue DateSerial64(std::int64_t year, std::int64_t month, std::int64_t day)
{
    if (year < -1000000 || year > 1000000)
        throw tundrik::DateRangeError("year outside 100..9999");
    // Carry the month into the year first, then count the day linearly from
    // the 1st of that month.
    const std::int64_t m0 = month - 1;
    const std::int64_t y = year + daynumbers::floorDiv(m0, 12);
    const int m = int(m0 - daynumbers::floorDiv(m0, 12) * 12) + 1; // [1, 12]
    const std::int64_t jdn = daynumbers::gregorianToJdn(y, m, 1) + (day - 1);
    const DateValue v = DateValue(jdn - kDateValueEpochJdn);
    if (!InRange(v))
        throw tundrik::DateRangeError("date outside 1.1.100..31.12.9999");
    return v;
}

DateValue DateSerial(int year, int month, int day)
{
    return DateSerial64(year, month, day);
}

bool IsValidDate(std::int64_t year, int month, int day) noexcept
{
    return month >= 1 && month <= 12 && day >= 1
        && day <= daynumbers::gregorianMonthLength(year, month);
}

std::int64_t WholeDays(DateValue v) noexcept
{
    return std::int64_t(std::trunc(v));
}

std::int64_t Jdn(DateValue v) noexcept
{
    return WholeDays(v) + kDateValueEpochJdn;
}

DateValue FromJdn(std::int64_t jdn) noexcept
{
    return DateValue(jdn - kDateValueEpochJdn);
}

Ymd YmdOf(DateValue v) noexcept
{
    const auto c = daynumbers::jdnToGregorian(Jdn(v));
    return {int(c.year), c.month, c.day};
}

int Year(DateValue v) noexcept { return YmdOf(v).year; }
int Month(DateValue v) noexcept { return YmdOf(v).month; }
int Day(DateValue v) noexcept { return YmdOf(v).day; }

int Weekday(DateValue v) noexcept
{
    // JDN 0 was a Monday; Sunday = 1.
    const std::int64_t jdn = Jdn(v);
    return int(jdn + 1 - daynumbers::floorDiv(jdn + 1, 7) * 7) + 1;
}

int DayOfYear(DateValue v) noexcept
{
    const std::int64_t jdn = Jdn(v);
    const auto c = daynumbers::jdnToGregorian(jdn);
    return int(jdn - daynumbers::gregorianToJdn(c.year, 1, 1)) + 1;
}

bool InRange(DateValue v) noexcept
{
    return v >= kFirstDate && v < kLastDate + 1;
}

} // namespace datevalue

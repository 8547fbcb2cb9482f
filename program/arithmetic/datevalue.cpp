// SPDX-License-Identifier: GPL-3.0-or-later
#include "datevalue.h"

#include "daynumbers.h"
#include "errors.h"

#include <cmath>

namespace datevalue {

using daynumbers::kDateValueEpochJdn;

namespace {

constexpr std::int64_t kYearLimit = 1000000;

// Year and month 1..12 after carrying the month into the year.
struct CarriedMonth {
    std::int64_t year;
    int month; // [1, 12]
};

CarriedMonth carryMonth(std::int64_t year, std::int64_t month) noexcept
{
    const std::int64_t m0 = month - 1;
    const std::int64_t carry = daynumbers::floorDiv(m0, 12);
    return {year + carry, int(m0 - carry * 12) + 1};
}

DateValue checkedValue(std::int64_t jdn)
{
    const DateValue v = DateValue(jdn - kDateValueEpochJdn);
    if (!InRange(v))
        throw tundrik::DateRangeError("date outside 1.1.100..31.12.9999");
    return v;
}

void checkYear(std::int64_t year)
{
    if (year < -kYearLimit || year > kYearLimit)
        throw tundrik::DateRangeError("year outside 100..9999");
}

} // namespace

std::int64_t GregorianSerialJdn(std::int64_t year, std::int64_t month, std::int64_t day) noexcept
{
    const CarriedMonth c = carryMonth(year, month);
    return daynumbers::gregorianToJdn(c.year, c.month, 1) + (day - 1);
}

std::int64_t JulianSerialJdn(std::int64_t year, std::int64_t month, std::int64_t day) noexcept
{
    const CarriedMonth c = carryMonth(year, month);
    return daynumbers::julianToJdn(c.year, c.month, 1) + (day - 1);
}

DateValue DateSerial64(std::int64_t year, std::int64_t month, std::int64_t day)
{
    checkYear(year);
    return checkedValue(GregorianSerialJdn(year, month, day));
}

DateValue JulianDateSerial64(std::int64_t year, std::int64_t month, std::int64_t day)
{
    checkYear(year);
    return checkedValue(JulianSerialJdn(year, month, day));
}

DateValue JulianDateSerial(int year, int month, int day)
{
    return JulianDateSerial64(year, month, day);
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

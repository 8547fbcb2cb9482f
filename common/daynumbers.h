// SPDX-License-Identifier: GPL-3.0-or-later
// Exact conversions between calendar dates and Julian day numbers, in the
// proleptic Gregorian and the Julian calendar.
//
// Header-only and free of Qt so that the calendar arithmetic of the program
// and the control library share one conversion. The algorithms are Howard
// Hinnant's days_from_civil / civil_from_days (era-based, valid for every
// representable year) and their Julian-calendar counterpart with 4-year eras.
// All intermediates are 64-bit; the callers check their own ranges.
#pragma once

#include <cstdint>

namespace daynumbers {

struct CivilDate {
    std::int64_t year;  // astronomical year numbering: 0 is 1 BC, -4712 is 4713 BC
    int month;          // [1, 12]
    int day;            // [1, 31]
    friend constexpr bool operator==(const CivilDate &, const CivilDate &) = default;
};

// JDN of 1.1.1970 (Gregorian); days_from_civil counts from there.
inline constexpr std::int64_t kUnixEpochJdn = 2440588;
// JDN of 30.12.1899, day 0 of the date value.
inline constexpr std::int64_t kDateValueEpochJdn = 2415019;
// First day of the Gregorian calendar, 15.10.1582.
inline constexpr std::int64_t kGregorianReformJdn = 2299161;

constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) noexcept
{
    return (a >= 0) ? a / b : -((-a + b - 1) / b);
}

constexpr bool isGregorianLeap(std::int64_t y) noexcept
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

constexpr bool isJulianLeap(std::int64_t y) noexcept
{
    return floorDiv(y, 4) * 4 == y;
}

constexpr int gregorianMonthLength(std::int64_t y, int m) noexcept
{
    constexpr int len[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && isGregorianLeap(y)) ? 29 : len[m - 1];
}

constexpr int julianMonthLength(std::int64_t y, int m) noexcept
{
    constexpr int len[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && isJulianLeap(y)) ? 29 : len[m - 1];
}

// Gregorian y-m-d (month 1..12, any day) to JDN; the day is added linearly,
// so day 0 or day 32 land on the neighbouring months.
constexpr std::int64_t gregorianToJdn(std::int64_t y, int m, std::int64_t d) noexcept
{
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;                                   // [0, 399]
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1; // [0, 365] for valid days
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;          // [0, 146096]
    return era * 146097 + doe - 719468 + kUnixEpochJdn;
}

constexpr CivilDate jdnToGregorian(std::int64_t jdn) noexcept
{
    const std::int64_t z = jdn - kUnixEpochJdn + 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;                                    // [0, 146096]
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);             // [0, 365]
    const std::int64_t mp = (5 * doy + 2) / 153;                                  // [0, 11]
    const int d = int(doy - (153 * mp + 2) / 5 + 1);                              // [1, 31]
    const int m = int(mp < 10 ? mp + 3 : mp - 9);                                // [1, 12]
    return {yoe + era * 400 + (m <= 2), m, d};
}

// Julian-calendar y-m-d to JDN, with the same linear day as above.
constexpr std::int64_t julianToJdn(std::int64_t y, int m, std::int64_t d) noexcept
{
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 4);
    const std::int64_t yoe = y - era * 4;                                     // [0, 3]
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1; // [0, 365]
    const std::int64_t doe = yoe * 365 + doy;                                 // [0, 1460]
    // 1 March of the Julian year 0 is JDN 1721118.
    return era * 1461 + doe + 1721118;
}

constexpr CivilDate jdnToJulian(std::int64_t jdn) noexcept
{
    const std::int64_t z = jdn - 1721118;
    const std::int64_t era = floorDiv(z, 1461);
    const std::int64_t doe = z - era * 1461;                  // [0, 1460]
    const std::int64_t yoe = (doe - doe / 1460) / 365;        // [0, 3]
    const std::int64_t doy = doe - 365 * yoe;                 // [0, 365]
    const std::int64_t mp = (5 * doy + 2) / 153;              // [0, 11]
    const int d = int(doy - (153 * mp + 2) / 5 + 1);          // [1, 31]
    const int m = int(mp < 10 ? mp + 3 : mp - 9);            // [1, 12]
    return {yoe + era * 4 + (m <= 2), m, d};
}

// Days to add to a Julian-calendar date, written as if it were Gregorian, to
// reach the Gregorian date of the same day. The Julian date must exist in the
// Julian calendar; 29 February of a Julian-only leap year counts from 1 March.
constexpr std::int64_t julianToGregorianShift(std::int64_t y, int m, int d) noexcept
{
    return julianToJdn(y, m, d) - gregorianToJdn(y, m, d);
}

static_assert(gregorianToJdn(2000, 1, 1) == 2451545);
static_assert(gregorianToJdn(1582, 10, 15) == kGregorianReformJdn);
static_assert(julianToJdn(1582, 10, 5) == kGregorianReformJdn);
static_assert(gregorianToJdn(-4713, 11, 24) == 0);
static_assert(julianToJdn(-4712, 1, 1) == 0);
static_assert(jdnToJulian(0) == CivilDate{-4712, 1, 1});
static_assert(jdnToGregorian(2299160) == CivilDate{1582, 10, 14});
static_assert(gregorianToJdn(1899, 12, 30) == kDateValueEpochJdn);

} // namespace daynumbers

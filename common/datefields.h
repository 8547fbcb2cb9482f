// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a date written as day, month and year numbers: whether it is
// a day of the calendar it is read in, and whether, as written, it lies
// before the Gregorian reform.
//
// Header-only so that the date box of the control library and the program's
// command line accept exactly the same dates.
#pragma once

#include "daynumbers.h"

#include <cstdint>

namespace datefields {

// The years a date value holds.
inline constexpr std::int64_t kFirstYear = 100;
inline constexpr std::int64_t kLastYear = 9999;

struct Check {
    bool valid = false;
    // True unless the date is valid and, as written, lies on or after
    // 15.10.1582.
    bool beforeReform = true;
    friend constexpr bool operator==(const Check &, const Check &) = default;
};

// The date as written, compared field by field: Julian 29.02.1700 lies
// after the reform although no Gregorian date is written so.
constexpr bool writtenBeforeReform(std::int64_t year, std::int64_t month, std::int64_t day) noexcept
{
    return year < 1582 || (year == 1582 && (month < 10 || (month == 10 && day < 15)));
}

// Valid when the day and month are above 0, the year at least minimumYear
// and inside kFirstYear..kLastYear, and the three form a day of the
// Gregorian calendar (of the Julian calendar when julian is set, where
// 29 February of every fourth year exists). Negative numbers stand for
// fields that hold no number.
constexpr Check check(std::int64_t day, std::int64_t month, std::int64_t year, std::int64_t minimumYear,
                      bool julian) noexcept
{
    if (day <= 0 || month <= 0 || month > 12 || year < 0 || year < minimumYear)
        return {};
    if (year < kFirstYear || year > kLastYear)
        return {};
    const int length = julian ? daynumbers::julianMonthLength(year, int(month))
                              : daynumbers::gregorianMonthLength(year, int(month));
    if (day > length)
        return {};
    return {true, writtenBeforeReform(year, month, day)};
}

static_assert(check(29, 2, 1700, 100, true) == Check {true, false});
static_assert(!check(29, 2, 1700, 100, false).valid);
static_assert(check(4, 10, 1582, 100, false) == Check {true, true});
static_assert(check(15, 10, 1582, 100, false) == Check {true, false});

} // namespace datefields

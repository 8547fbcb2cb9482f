// SPDX-License-Identifier: GPL-3.0-or-later
// The date value: a double whose whole part counts days from 30.12.1899 and
// whose fraction is the time of day, in the proleptic Gregorian calendar,
// for the years 100 to 9999.
#pragma once

#include <cstdint>

namespace datevalue {

using DateValue = double;

inline constexpr int kMinYear = 100;
inline constexpr int kMaxYear = 9999;

struct Ymd {
    int year;
    int month;
    int day;
    friend constexpr bool operator==(const Ymd &, const Ymd &) = default;
};

// Builds a date from year, month and day, carrying out-of-range parts: month 13
// is January of the next year, month 0 December of the previous one, day 0
// the last day of the previous month, negative days count further back.
// Throws tundrik::DateRangeError when the result lies outside 1.1.100..31.12.9999.
DateValue DateSerial(int year, int month, int day);

// The same, for whole day numbers beyond int range of the day part.
DateValue DateSerial64(std::int64_t year, std::int64_t month, std::int64_t day);

// The same rule in the Julian calendar: year, month and day name a
// Julian-calendar date, carried with Julian month lengths (29 February in
// every fourth year); the result is the date value of that day.
// Throws tundrik::DateRangeError when the day lies outside 1.1.100..31.12.9999
// (Gregorian), that is outside Julian 3.1.100..19.10.9999.
DateValue JulianDateSerial(int year, int month, int day);
DateValue JulianDateSerial64(std::int64_t year, std::int64_t month, std::int64_t day);

// The Julian day numbers the two rules give, for any year: month carried
// into the year first, then the day counted linearly from the 1st.
std::int64_t GregorianSerialJdn(std::int64_t year, std::int64_t month, std::int64_t day) noexcept;
std::int64_t JulianSerialJdn(std::int64_t year, std::int64_t month, std::int64_t day) noexcept;

// True when year-month-day names an existing day of the proleptic Gregorian
// calendar (any year).
bool IsValidDate(std::int64_t year, int month, int day) noexcept;

// Whole days of a value: the integer part (the fraction is the time of day).
std::int64_t WholeDays(DateValue v) noexcept;

Ymd YmdOf(DateValue v) noexcept;
int Year(DateValue v) noexcept;
int Month(DateValue v) noexcept;
int Day(DateValue v) noexcept;
// Weekday with Sunday = 1 .. Saturday = 7.
int Weekday(DateValue v) noexcept;
// 1 for 1 January.
int DayOfYear(DateValue v) noexcept;

// Julian day number of the date's day: whole days + 2415019.
std::int64_t Jdn(DateValue v) noexcept;
DateValue FromJdn(std::int64_t jdn) noexcept;

bool InRange(DateValue v) noexcept;

inline constexpr DateValue kFirstDate = -657434; // 1.1.100
inline constexpr DateValue kLastDate = 2958465;  // 31.12.9999

} // namespace datevalue

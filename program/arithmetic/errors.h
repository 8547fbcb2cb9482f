// SPDX-License-Identifier: GPL-3.0-or-later
// Failures of the calendar arithmetic. Each is thrown at the exact boundary
// where the fixed-width arithmetic it stands for would overflow or where a
// result leaves the range of the date value.
#pragma once

#include <stdexcept>

namespace tundrik {

class CalcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A 16-bit or 32-bit intermediate would overflow.
class OverflowError : public CalcError {
public:
    using CalcError::CalcError;
};

// A list is read before it was filled, or outside its bounds.
class SubscriptError : public CalcError {
public:
    using CalcError::CalcError;
};

// A date outside 1.1.100 .. 31.12.9999.
class DateRangeError : public CalcError {
public:
    using CalcError::CalcError;
};

} // namespace tundrik

// SPDX-License-Identifier: GPL-3.0-or-later
// The clock of tests and benchmarks: it reads whatever instant it was set to.
#pragma once

#include "clock.h"

namespace tundrik {

// A clock that stands where a test puts it.
class FakeClock final : public Clock {
public:
    FakeClock() = default;
    explicit FakeClock(const ClockReading &r)
        : m_now(r)
    { }
    ClockReading now() const override { return m_now; }

    void setNow(const ClockReading &r) { m_now = r; }
    // Local date and time with a fixed offset (+02:00 without daylight saving unless told).
    void setNow(int year, int month, int day, int hour, int minute, int second, int millisecond = 0,
                int utcOffset = 7200, bool daylightTime = false);
    // Moves the local time forward (or back), carrying into the date; the offset stays.
    void advance(qint64 milliseconds);

private:
    ClockReading m_now;
};

} // namespace tundrik

// SPDX-License-Identifier: GPL-3.0-or-later
// The one source of the present instant. The program reads the system clock;
// tests put a FakeClock at any instant.
#pragma once

#include <QtGlobal>

namespace tundrik {

// One reading of the clock: everything a refresh needs, taken at one instant.
struct ClockReading {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int utcOffset = 7200;      // seconds east of UTC in force at this instant
    bool daylightTime = false; // the offset includes daylight saving

    // Seconds since local midnight, with the fraction of the second.
    double seconds() const { return hour * 3600.0 + minute * 60.0 + second + millisecond / 1000.0; }
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual ClockReading now() const = 0;
};

// Reads the system clock through the system's time zone.
class SystemClock final : public Clock {
public:
    ClockReading now() const override;
};

// The clock the program's windows read unless they were given another.
Clock &systemClock();

} // namespace tundrik

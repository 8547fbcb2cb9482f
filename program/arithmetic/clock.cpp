// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

#include <QDateTime>

namespace tundrik {

ClockReading SystemClock::now() const
{
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime tm = t.time();
    ClockReading r;
    r.year = d.year();
    r.month = d.month();
    r.day = d.day();
    r.hour = tm.hour();
    r.minute = tm.minute();
    r.second = tm.second();
    r.millisecond = tm.msec();
    r.utcOffset = t.offsetFromUtc();
    r.daylightTime = t.isDaylightTime();
    return r;
}

Clock &systemClock()
{
    static SystemClock clock;
    return clock;
}

} // namespace tundrik

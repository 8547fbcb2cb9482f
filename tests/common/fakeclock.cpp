// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeclock.h"

#include "daynumbers.h"

namespace tundrik {

void FakeClock::setNow(int year, int month, int day, int hour, int minute, int second, int millisecond,
                       int utcOffset, bool daylightTime)
{
    m_now = ClockReading {year, month, day, hour, minute, second, millisecond, utcOffset, daylightTime};
}

void FakeClock::advance(qint64 milliseconds)
{
    constexpr qint64 msPerDay = 86400000;
    const qint64 dayStart = daynumbers::gregorianToJdn(m_now.year, m_now.month, m_now.day);
    const qint64 total = dayStart * msPerDay + ((m_now.hour * 60 + m_now.minute) * 60 + m_now.second) * 1000LL
        + m_now.millisecond + milliseconds;
    const qint64 jdn = daynumbers::floorDiv(total, msPerDay);
    qint64 ms = total - jdn * msPerDay;
    const auto c = daynumbers::jdnToGregorian(jdn);
    m_now.year = int(c.year);
    m_now.month = c.month;
    m_now.day = c.day;
    m_now.hour = int(ms / 3600000);
    ms %= 3600000;
    m_now.minute = int(ms / 60000);
    ms %= 60000;
    m_now.second = int(ms / 1000);
    m_now.millisecond = int(ms % 1000);
}

} // namespace tundrik

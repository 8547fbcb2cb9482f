// SPDX-License-Identifier: GPL-3.0-or-later
#include "programstate.h"

namespace tundrik {

ProgramState::ProgramState(QObject *parent)
    : QObject(parent)
{
}

void ProgramState::setFirstDayOfWeek(int day)
{
    if (day < 1 || day > 7 || day == m_firstDayOfWeek)
        return;
    m_firstDayOfWeek = day;
    emit weekSettingsChanged();
}

void ProgramState::setFirstWeekOfYear(int rule)
{
    if (rule < 1 || rule > 3 || rule == m_firstWeekOfYear)
        return;
    m_firstWeekOfYear = rule;
    emit weekSettingsChanged();
}

void ProgramState::setHolidaysInCalendar(bool shown)
{
    if (shown == m_holidaysInCalendar)
        return;
    m_holidaysInCalendar = shown;
    emit holidaysInCalendarChanged(shown);
}

} // namespace tundrik

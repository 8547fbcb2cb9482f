// SPDX-License-Identifier: GPL-3.0-or-later
// The settings the windows share while the program runs: the two week
// settings of the main window's "Seaded" menu and whether the month
// calendar marks the holidays. The main window owns the one object and
// hands it to the windows that read it; every change is announced, so
// whatever shows a week or a month follows at once. Nothing is stored
// between runs: each start begins with Monday, the four-day rule and the
// holidays marked.
#pragma once

#include "monthsheet.h"

#include <QObject>

namespace tundrik {

class ProgramState : public QObject {
    Q_OBJECT
    Q_PROPERTY(int FirstDayOfWeek READ FirstDayOfWeek WRITE setFirstDayOfWeek NOTIFY weekSettingsChanged)
    Q_PROPERTY(int FirstWeekOfYear READ FirstWeekOfYear WRITE setFirstWeekOfYear NOTIFY weekSettingsChanged)
    Q_PROPERTY(bool HolidaysInCalendar READ HolidaysInCalendar WRITE setHolidaysInCalendar NOTIFY
                   holidaysInCalendarChanged)
public:
    explicit ProgramState(QObject *parent = nullptr);

    // 1 = Sunday .. 7 = Saturday; 2 (Monday) at start.
    int FirstDayOfWeek() const { return m_firstDayOfWeek; }
    // 1 = the week of 1 January, 2 = the first week with four days in the
    // year, 3 = the first full week; 2 at start.
    int FirstWeekOfYear() const { return m_firstWeekOfYear; }
    // Whether the month calendar marks the holidays; true at start.
    bool HolidaysInCalendar() const { return m_holidaysInCalendar; }

public slots:
    /*! Values outside 1..7 are ignored. */
    void setFirstDayOfWeek(int day);
    /*! Values outside 1..3 are ignored. */
    void setFirstWeekOfYear(int rule);
    void setHolidaysInCalendar(bool shown);

signals:
    // Either setting took a new value (a setter that keeps the value is silent).
    void weekSettingsChanged();
    // The holidays setting took a new value.
    void holidaysInCalendarChanged(bool shown);

private:
    int m_firstDayOfWeek = monthsheet::kFirstDayOfWeekAtStart;
    int m_firstWeekOfYear = monthsheet::kFirstWeekOfYearAtStart;
    bool m_holidaysInCalendar = true;
};

} // namespace tundrik

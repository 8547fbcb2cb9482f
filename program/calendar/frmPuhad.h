// SPDX-License-Identifier: GPL-3.0-or-later
// The holidays window: the notable days of the month the calendar window
// shows, rows of day and name (eight, or as many more as the month needs,
// the window growing with them), red rows for days off and a small flag
// before the flag days. Filled once when it opens; the user reads it and
// closes it.
#pragma once

#include "holidays.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;

class frmPuhad : public QDialog {
    Q_OBJECT
public:
    // The month and year the calendar window shows; calendarWindow is its
    // owner and the window it is placed over.
    frmPuhad(int CalendarMonth, int CalendarYear, QWidget *calendarWindow);

private:
    void buildLayout();
    void placeOver(const QWidget *calendarWindow);
    void fillRows();

    holidays::HolidayList m_rows;
    std::vector<QLabel *> m_dayLabels;
    std::vector<QLabel *> m_nameLabels;
    std::vector<QLabel *> m_flagCells;
    QLabel *m_imgLipp = nullptr;
    QPushButton *m_cmdOlgu = nullptr;
};

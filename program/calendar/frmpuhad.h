// SPDX-License-Identifier: GPL-3.0-or-later
// The holidays window: the notable days of the month the calendar window
// shows, rows of day and name (eight, or as many more as the month needs,
// the window growing with them), red rows for days off and a small flag
// before the flag days (a mourning flag on a day of mourning). Filled once
// when it opens; the user reads it, may save the year's days (or a range of
// years) as an iCalendar file for another calendar application, and closes
// it.
#pragma once

#include "holidays.h"

#include <QDialog>

#include <memory>
#include <vector>

class QLabel;

namespace Ui {
class frmPühad;
}

class frmPuhad : public QDialog {
    Q_OBJECT
public:
    // The month and year the calendar window shows; calendarWindow is its
    // owner and the window it is placed over.
    frmPuhad(int CalendarMonth, int CalendarYear, QWidget *calendarWindow);
    ~frmPuhad() override;

    // The folder the save dialog opens in; the user's home folder unless set.
    void setSaveFolder(const QString &folder) { m_saveFolder = folder; }

public slots:
    // "Salvesta iCalendar…": the years, then the file through the file dialog.
    void saveICalendar();

private:
    void addRows(int count);
    void placeOver(const QWidget *calendarWindow);
    void fillRows();
    // Writes the file whole or not at all; an Estonian message when it cannot.
    bool writeICalendar(const QString &path, int firstYear, int lastYear);

    std::unique_ptr<Ui::frmPühad> m_ui;
    holidays::HolidayList m_rows;
    std::vector<QLabel *> m_dayLabels;
    std::vector<QLabel *> m_nameLabels;
    std::vector<QLabel *> m_flagCells;
    int m_year = 0;
    QString m_saveFolder;
};

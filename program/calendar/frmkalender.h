// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar window: one month as a grid of days with the week number
// of every grid row, a running clock, buttons that step the month or the year,
// return to today's month and open the listing of the month's holidays.
// Shown modally over the window that opened it (its host, the main window),
// whose close button it disables while it is open. It reads the clock, the
// week settings and the current week number from the host, and follows a
// change of the week settings, or of whether the grid marks the holidays,
// at once.
#pragma once

#include <QDate>
#include <QDialog>

#include <array>
#include <memory>

class MonthGrid;
class QLabel;
class QPushButton;

namespace Ui {
class frmKalender;
}
namespace forms {
class Ticker;
}
namespace tundrik {
class WindowHost;
}

class frmKalender : public QDialog {
    Q_OBJECT
public:
    // Placed over the host window, whose close button is disabled until the
    // window closes (or is destroyed).
    explicit frmKalender(tundrik::WindowHost &host);
    ~frmKalender() override;

    MonthGrid *grid() const { return m_clnKalender; }
    bool todayShown() const { return m_todayShown; }
    // The year and month the grid shows, as the last RefreshMonth read them.
    int CalendarYear() const { return m_calendarYear; }
    int CalendarMonth() const { return m_calendarMonth; }

public slots:
    // Titles, week labels and today's marking for the month the grid shows.
    void RefreshMonth();
    // One tick of tmrKell; tests call it directly after moving a fake clock.
    void tick();

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the form cannot say: the grid's week numbers and cells, the keys
    // of the focus target, and what the buttons do.
    void connectControls();
    // Centred across the host, at half the height of its title and menu bars below its top.
    void placeOverHost();
    // The grid's first column, the weekday headers and the month, for the week settings.
    void applyWeekSettings();
    void writeWeekdayHeaders();
    void stepAndRefresh(void (MonthGrid::*step)());
    void showTodaysMonth();
    void followNewDay();
    void openHolidays();
    QDate today() const;

    std::unique_ptr<Ui::frmKalender> m_ui;
    tundrik::WindowHost &m_host;
    bool m_hostCloseRestored = false;
    int m_calendarYear = 0;
    int m_calendarMonth = 0;

    MonthGrid *m_clnKalender = nullptr;
    std::array<QLabel *, 7> m_headers {};
    std::array<QLabel *, 6> m_weekLabels {};
    QPushButton *m_cmdFookus = nullptr;
    forms::Ticker *m_tmrKell = nullptr;

    bool m_todayShown = false;
    // The date today's marking was last made for.
    QDate m_markedDay;
    int m_lastClockSecond = 0;
    // The last release of a key on the focus button, to tell repeats.
    int m_lastReleaseKey = 0;
    quint64 m_lastReleaseTime = 0;
};

// The month calendar window: one month as a grid of days with the week number
// of every grid row, a running clock, buttons that step the month or the year,
// return to today's month and open the listing of the month's holidays.
// Shown modally over the main window, whose close button it disables while
// it is open.
#pragma once

#include "clock.h"

#include <QDialog>

#include <array>
#include <functional>

class MonthGrid;
class QLabel;
class QPushButton;
class QTimer;

class frmKalender : public QDialog {
    Q_OBJECT
public:
    // owner: the window it is shown over (placed relative to it);
    // setOwnerCloseEnabled: called with false on loading and true on closing.
    frmKalender(tundrik::Clock &clock, QWidget *owner,
                std::function<void(bool)> setOwnerCloseEnabled = {});
    ~frmKalender() override;

    // Centres the window across the owner, at half the height of the owner's
    // title and menu bars below its top.
    void placeOver(const QRect &ownerFrame, int ownerInnerHeight);

    MonthGrid *grid() const { return m_grid; }
    bool todayShown() const { return m_todayShown; }

public slots:
    // Titles, week labels and today's marking for the month the grid shows.
    void RefreshMonth();
    // One tick of tmrKell; tests call it directly after moving a fake clock.
    void tick();

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void writeWeekdayHeaders();
    void stepAndRefresh(void (MonthGrid::*step)());
    void showTodaysMonth();
    void openHolidays();
    QDate today() const;

    tundrik::Clock &m_clock;
    std::function<void(bool)> m_setOwnerCloseEnabled;
    bool m_ownerCloseRestored = false;

    MonthGrid *m_grid = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_clockLabel = nullptr;
    std::array<QLabel *, 7> m_headers{};
    std::array<QLabel *, 6> m_weekLabels{};
    QPushButton *m_cmdLopeta = nullptr;
    QPushButton *m_cmdJargmineAasta = nullptr;
    QPushButton *m_cmdJargmineKuu = nullptr;
    QPushButton *m_cmdKuuAasta = nullptr;
    QPushButton *m_cmdEelmineKuu = nullptr;
    QPushButton *m_cmdEelmineAasta = nullptr;
    QPushButton *m_cmdPuhad = nullptr;
    QPushButton *m_cmdFookus = nullptr;
    QTimer *m_tmrKell = nullptr;

    bool m_todayShown = false;
    int m_lastClockSecond = 0;
};

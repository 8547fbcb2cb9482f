// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: a live board of time readouts refreshed every second, the
// hub that opens every other window from its menus, and the owner of the two
// week settings. Closing it ends the program.
//
// The windows it opens know it only as their WindowHost: the clock it reads,
// the week settings and week number, and the caption and close button that
// a calculator or the calendar takes over while it is open.
#pragma once

#include "clock.h"
#include "windowhost.h"

#include <QMainWindow>

#include <memory>

class QPushButton;

namespace Ui {
class frmAeg;
}

class frmAeg : public QMainWindow, public tundrik::WindowHost {
    Q_OBJECT
public:
    explicit frmAeg(tundrik::Clock &clock = tundrik::systemClock(), QWidget *parent = nullptr);
    ~frmAeg() override;

    // ---- WindowHost --------------------------------------------------------
    QWidget *hostWindow() override { return this; }
    // Height of the client area below the menu bar, in pixels.
    int innerHeight() const override;
    tundrik::Clock &clock() const override;
    // The week settings, 2 and 2 at start, changed by the "Seaded" menu.
    tundrik::ProgramState &programState() const override;
    // The week of the current date, as lblNädal shows it.
    int WeekNumber() const override;
    // The caption shows a dialog's title until restoreCaption().
    void borrowCaption(const QString &title) override;
    // Back to the window's own title ("Tundrik {GMT +02:00  -  Ida-Euroopa aeg}" and the like).
    void restoreCaption() override;
    // The close button cmdSulge.
    void setCloseButtonEnabled(bool enabled) override;

    QPushButton *closeButton() const;
    // Julian date of 0h UT of the date of the last UusPaev, minus 2400000.
    double DayBase() const;

    // The window's own title for a UTC offset (seconds east of UTC): the
    // Estonian zone names for +02:00 and +03:00 with daylight saving, else
    // only "Tundrik {GMT +hh:mm}" with the offset's own sign.
    static QString zoneTitle(int utcOffset, bool daylightTime);

    // The per-second readouts (clock, Internet time, Julian dates, Unix time,
    // the seconds of the countdown and the countdown row's layout) from the clock.
    void UpdateTimeReadouts();
    // Day of year, week number (also into WeekNumber()), quarter and the two
    // clock differences, from the clock's date and the week settings.
    void UpdateDateReadouts();

public slots:
    // Recomputes the per-day readouts (date line, day of year, week, quarter,
    // days left in the year, clock differences) from the clock.
    void UusPaev();
    // One tick of tmrAeg, just after the turn of each second: refreshes the
    // readouts when the second has changed. Tests call it directly after
    // moving a fake clock.
    void tick();

public:
    // The board as text, one readout a line, "name: value", in the order the
    // board shows them; what Ctrl+C puts on the clipboard.
    QString boardText() const;

signals:
    // A help pop-up was shown for this context number (11 to 14).
    void helpShown(int context);
    // The window was closed; the program ends with it.
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Brings an open window of the program to the front; false when none is open.
    bool raiseOpenWindow();

    struct Private;
    std::unique_ptr<Private> d;
    std::unique_ptr<Ui::frmAeg> m_ui;

    void nameMenus();
    void wireMenus();
    void placeCountdownRow();
    void writeCaption();
    // The check marks of the two settings menus follow the week settings.
    void CheckFirstWeekItem();
    void CheckFirstDayItem();
    void showHelpPopup(int context, const QPoint &globalPos);
    void showHelpTopic();
};

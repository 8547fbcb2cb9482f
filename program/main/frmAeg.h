// The main window: a live board of time readouts refreshed every second, the
// hub that opens every other window from its menus, and the owner of the two
// week settings. Closing it ends the program.
//
// Public interface used by the other windows (the rest is the window's own):
// the clock it reads, its new-day routine, and the caption and close button
// that a calculator or calendar window borrows while it is open.
#pragma once

#include "clock.h"

#include <QMainWindow>

#include <memory>

class QPushButton;

class frmAeg : public QMainWindow {
    Q_OBJECT
public:
    explicit frmAeg(tundrik::Clock &clock = tundrik::systemClock(), QWidget *parent = nullptr);
    ~frmAeg() override;

    tundrik::Clock &clock() const;

    // While a dialog is open it shows its own title in the main window's caption.
    void borrowCaption(const QString &title);
    // Back to the window's own title ("Tundrik {GMT +02:00  -  Ida-Euroopa aeg}" and the like).
    void restoreCaption();
    // The close button cmdSulge is disabled while a calculator or the calendar is open.
    void setCloseButtonEnabled(bool enabled);
    QPushButton *closeButton() const;

    // Height of the client area below the menu bar, in pixels; with the outer
    // frame height it places the dialogs.
    int innerHeight() const;

    // The window's own title for a UTC offset (seconds east of UTC): the
    // Estonian zone names for +02:00 and +03:00 with daylight saving, else
    // only "Tundrik {GMT +hh:mm}" with the offset's own sign.
    static QString zoneTitle(int utcOffset, bool daylightTime);

    // The per-second readouts (clock, Internet time, Julian dates, Unix time,
    // the seconds of the countdown and the countdown row's layout) from the clock.
    void UpdateTimeReadouts();
    // Day of year, week number (also into tundrik::WeekNumber), quarter and the
    // two clock differences, from the clock's date and the week settings.
    void UpdateDateReadouts();

public slots:
    // Recomputes the per-day readouts (date line, day of year, week, quarter,
    // days left in the year, clock differences) from the clock.
    void UusPaev();
    // One tick of the 40 ms timer; tests call it directly after moving a fake clock.
    void tick();

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
    struct Private;
    std::unique_ptr<Private> d;

    void buildForm();
    void buildMenus();
    void scheduleTick();
    void placeCountdownRow();
    void refreshTimeReadouts(const tundrik::ClockReading &now);
    void refreshDateReadouts(const tundrik::ClockReading &now);
    void writeCaption();
    void CheckFirstWeekItem(QAction *chosen);
    void CheckFirstDayItem(QAction *chosen);
    void showHelpPopup(int context, const QPoint &globalPos);
    void showHelpTopic();
};

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

public slots:
    // Recomputes the per-day readouts (date line, day of year, week, quarter,
    // days left in the year, clock differences) from the clock.
    void UusPaev();
    // One tick of the 40 ms timer; tests call it directly after moving a fake clock.
    void tick();
};

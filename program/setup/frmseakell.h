// SPDX-License-Identifier: GPL-3.0-or-later
// The set-time dialog: the current time, ticking, beside a time box into
// which the user types the new time. "&Sea" sets the system clock to the typed
// time of today's date and closes the dialog; "&Loobu" or Esc closes it
// without change. When the system refuses, the dialog says why and stays open
// with the typed time.
#pragma once

#include "clock.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmSeaKell;
}
namespace forms {
class Ticker;
}

namespace setup {
class SystemClockSetter;
}

class frmSeaKell : public QDialog {
    Q_OBJECT
public:
    frmSeaKell(tundrik::Clock &clock, setup::SystemClockSetter &setter, QWidget *parent = nullptr);
    ~frmSeaKell() override;

    // Over the main window's frame: centred, one pixel to the left, a little above the middle.
    void placeOver(const QRect &mainFrame);

public slots:
    // One tick of tmrKell, just after the turn of each second: refreshes the
    // current-time label when the second has changed.
    void tick();

private:
    void cmdSeaClick();

    std::unique_ptr<Ui::frmSeaKell> m_ui;
    tundrik::Clock &m_clock;
    setup::SystemClockSetter &m_setter;
    forms::Ticker *m_tmrKell = nullptr;
    // Second of the minute at the last refresh of the label; -1 before the first.
    int m_lastSecond = -1;
};

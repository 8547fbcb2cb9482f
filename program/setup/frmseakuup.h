// SPDX-License-Identifier: GPL-3.0-or-later
// The set-date dialog: today's date beside a date box. "&Sea" sets the system
// date to the entered date, keeping the time of day, makes the main window
// start the new day at once and closes the dialog; "&Loobu" or Esc closes it
// without change. When the system refuses, the dialog says why and stays open
// with the entered date.
#pragma once

#include "clock.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class frmSeaKuup;
}
namespace setup {
class SystemClockSetter;
}

class frmSeaKuup : public QDialog {
    Q_OBJECT
public:
    // newDay runs after the date was set (the main window's UusPaev).
    frmSeaKuup(tundrik::Clock &clock, setup::SystemClockSetter &setter, std::function<void()> newDay,
               QWidget *parent = nullptr);
    ~frmSeaKuup() override;

    // Over the main window's frame: centred, a little above the middle.
    void placeOver(const QRect &mainFrame);

private:
    void cmdSeaClick();

    std::unique_ptr<Ui::frmSeaKuup> m_ui;
    tundrik::Clock &m_clock;
    setup::SystemClockSetter &m_setter;
    std::function<void()> m_newDay;
};

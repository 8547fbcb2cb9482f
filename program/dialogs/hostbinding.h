// SPDX-License-Identifier: GPL-3.0-or-later
// A calculator's tie to the window that opened it (its host, the main
// window): the dialog stands at the host, and while it is open the host's
// caption shows the dialog's title and the host's close button is disabled.
// Without a host the dialog stands in the middle of its screen and borrows
// nothing.
#pragma once

#include "windowhost.h"

class QWidget;

class HostBinding {
public:
    using Placement = tundrik::HostPlacement;

    HostBinding(tundrik::WindowHost *host, Placement placement);

    // The window the dialog belongs to: the host's, or none.
    QWidget *hostWindow() const;

    // The first showing: the dialog moves to its place and takes over the
    // host's caption and close button. Later showings change nothing.
    void open(QWidget *dialog);
    // Gives the caption and the close button back, once, if open() took them.
    void release();

private:
    tundrik::WindowHost *m_host;
    Placement m_placement;
    bool m_opened = false;
    bool m_released = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// A calculator's tie to the window that opened it (its host, the main
// window): the dialog stands at the host, and while it is open the host's
// caption shows the dialog's title and the host's close button is disabled.
// Without a host the dialog stands in the middle of its screen and borrows
// nothing.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace tundrik {
class WindowHost;
}

class HostBinding {
public:
    // Where the dialog stands horizontally: centred on the host window,
    // centred and one pixel to the left, or at the host window's left edge.
    enum class Placement { Centred, CentredLessOnePixel, HostLeft };

    HostBinding(tundrik::WindowHost *host, Placement placement);

    // The window the dialog belongs to: the host's, or none.
    QWidget *hostWindow() const;

    // Top left of a dialog of the given outer width at a host window whose
    // frame is hostFrame and whose client area below the menu bar is
    // hostInnerHeight high: its top level with the host's client area (the
    // host's frame less half its title and menu bars), its left as the
    // placement says.
    static QPoint position(Placement placement, const QRect &hostFrame, int hostInnerHeight, int width);

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

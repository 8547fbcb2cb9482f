// SPDX-License-Identifier: GPL-3.0-or-later
// What a window opened from the main window needs of it. The calculators
// and the month calendar know the main window only through this interface:
// the clock everyone reads, the week settings and the week number its
// readouts show, the caption and the close button they take over while they
// are open, and the window they are owned by and place themselves at.
// The main window implements it; a test implements it with a plain widget.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace tundrik {

class Clock;
class ProgramState;

class WindowHost {
public:
    // The window that owns the opened one (its parent), whose frame it is placed at.
    virtual QWidget *hostWindow() = 0;
    // Height of the host's client area below its menu bar; the frame's
    // height less this is the height of its title and menu bars.
    virtual int innerHeight() const = 0;

    virtual Clock &clock() const = 0;
    virtual ProgramState &programState() const = 0;
    // The week number of the current date, as the host's readouts show it.
    virtual int WeekNumber() const = 0;

    // While a calculator is open its title stands in the host's caption.
    virtual void borrowCaption(const QString &title) = 0;
    // The host's own caption again.
    virtual void restoreCaption() = 0;
    // The host's close button is disabled while a calculator or the calendar is open.
    virtual void setCloseButtonEnabled(bool enabled) = 0;

protected:
    ~WindowHost() = default;
};

// Where a window opened at the host stands horizontally: centred on the host
// window, centred and one pixel to the left, or at the host window's left edge.
enum class HostPlacement { Centred, CentredLessOnePixel, HostLeft };

// Top left of a window of the given outer width at a host window whose frame
// is hostFrame and whose client area below the menu bar is hostInnerHeight
// high: its top level with the host's client area (the host's frame less
// half its title and menu bars), its left as the placement says.
QPoint positionAtHost(HostPlacement placement, const QRect &hostFrame, int hostInnerHeight, int width);

} // namespace tundrik

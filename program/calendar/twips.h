// Twips (1/1440 inch) to pixels through the screen's logical DPI, so that the
// windows of the calendar keep their proportions at every screen density.
// One reading of the DPI serves a whole layout.
#pragma once

#include "main/twips.h"

#include <QRect>

#include <cmath>

namespace calendarui {

struct Twips {
    double dpiX = 96;
    double dpiY = 96;

    // The screen the widget is on (the primary screen for nullptr).
    static Twips of(const QWidget *w)
    {
        return Twips{logicalDpiX(w), logicalDpiY(w)};
    }

    int x(int twips) const { return int(std::lround(twips * dpiX / 1440.0)); }
    int y(int twips) const { return int(std::lround(twips * dpiY / 1440.0)); }
    QRect rect(int left, int top, int width, int height) const
    {
        return QRect(x(left), y(top), x(width), y(height));
    }
    // Twips per pixel across, rounded to an integer (halves to even).
    int perPixelX() const { return int(std::nearbyint(1440.0 / dpiX)); }
};

} // namespace calendarui

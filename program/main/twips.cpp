#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

constexpr double twipsPerInch = 1440.0;

const QScreen *screenOf(const QWidget *w)
{
    if (w && w->screen())
        return w->screen();
    return QGuiApplication::primaryScreen();
}

int toPixels(int twips, double dpi)
{
    return int(std::lround(twips * dpi / twipsPerInch));
}

} // namespace

double logicalDpiX(const QWidget *w)
{
    const QScreen *s = screenOf(w);
    return s ? s->logicalDotsPerInchX() : 96.0;
}

double logicalDpiY(const QWidget *w)
{
    const QScreen *s = screenOf(w);
    return s ? s->logicalDotsPerInchY() : 96.0;
}

int twipsToPixelsX(int twips, const QWidget *w)
{
    return toPixels(twips, logicalDpiX(w));
}

int twipsToPixelsY(int twips, const QWidget *w)
{
    return toPixels(twips, logicalDpiY(w));
}

QRect twipsToPixels(const QRect &twips, const QWidget *w)
{
    const double dx = logicalDpiX(w);
    const double dy = logicalDpiY(w);
    return QRect(toPixels(twips.x(), dx), toPixels(twips.y(), dy),
                 toPixels(twips.width(), dx), toPixels(twips.height(), dy));
}

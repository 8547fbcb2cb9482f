// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the main window's timer work costs: an idle tick (the second
// has not changed), a per-second refresh (all per-second texts and the
// countdown row's layout), the same with the repaint, and a new day.
// Runs offscreen unless a platform is given.
#include "fakeclock.h"
#include "forms.h"
#include "frmaeg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>

#include <cstdio>
#include <functional>

namespace {

void report(const char *what, int rounds, const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        step();
    const double us = double(timer.nsecsElapsed()) / rounds / 1000.0;
    std::printf("%-48s %9.2f us  (%d rounds)\n", what, us, rounds);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    forms::installFontSubstitutions();
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));

    tundrik::FakeClock clock;
    clock.setNow(2033, 9, 28, 12, 0, 0);
    frmAeg window(clock);
    window.tick();

    report("idle tick (same second)", 200000, [&] { window.tick(); });
    report("refresh of a new second", 20000, [&] {
        clock.advance(1000);
        window.tick();
    });
    report("UusPaev (new day)", 5000, [&] { window.UusPaev(); });

    window.show();
    QCoreApplication::processEvents();
    report("refresh of a new second, changed labels painted", 2000, [&] {
        clock.advance(1000);
        window.tick();
        QCoreApplication::processEvents();
    });
    report("repaint of the whole window", 2000, [&] { window.repaint(); });

    tundrik::SystemClock system;
    volatile int sink = 0;
    report("system clock reading", 200000, [&] { sink = sink + system.now().second; });
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// How a window follows the clock: a precise timer that wakes a few
// milliseconds after each turn of a second of the window's clock, rather
// than polling many times a second, so the program sleeps in between. A
// wake-up that finds the same second (a clock set back, a fake clock that
// stands still) changes nothing; the window's own tick compares the second.
// Tests call that tick directly after moving a fake clock.
#pragma once

#include <QObject>

class QTimer;

namespace tundrik {
class Clock;
}

namespace forms {

class Ticker : public QObject {
    Q_OBJECT
public:
    // Milliseconds after the turn of a second at which the timer wakes.
    static constexpr int margin = 2;

    // timerName: the objectName of the timer (the design's tmrAeg, tmrKell).
    Ticker(const tundrik::Clock &clock, const QString &timerName, QObject *parent);

    // The first tick at once (from the event loop), then one after each
    // turn of a second until stop().
    void start();
    void stop();
    bool isActive() const { return m_running; }

signals:
    void tick();

private:
    void fire();

    const tundrik::Clock &m_clock;
    QTimer *m_timer;
    bool m_running = false;
};

} // namespace forms

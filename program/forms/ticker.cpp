// SPDX-License-Identifier: GPL-3.0-or-later
#include "ticker.h"

#include "clock.h"

#include <QTimer>

namespace forms {

Ticker::Ticker(const tundrik::Clock &clock, const QString &timerName, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_timer(new QTimer(this))
{
    m_timer->setObjectName(timerName);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &Ticker::fire);
}

void Ticker::start()
{
    m_running = true;
    m_timer->start(0);
}

void Ticker::stop()
{
    m_running = false;
    m_timer->stop();
}

void Ticker::fire()
{
    emit tick();
    // The tick may have stopped the ticker (a window that closed).
    if (!m_running)
        return;
    const int toNextSecond = 1000 - m_clock.now().millisecond; // [1, 1000]
    m_timer->start(toNextSecond + margin);
}

} // namespace forms

// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the cost of computing one second's texts of every readout: the
// per-second texts, the countdown, and (once a day, shown separately) the
// per-day texts.
#include "fakeclock.h"
#include "modarvutused.h"
#include "readouttexts.h"

#include <QElapsedTimer>
#include <QLocale>

#include <cstdio>

int main()
{
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
    tundrik::FakeClock clock;
    clock.setNow(2026, 12, 7, 10, 0, 0);
    const double base = modArvutused::ComputeDayBase(clock.now());
    const QStringList weekdays = modArvutused::WeekdayNames();
    const QStringList months = readouttexts::monthNames();

    constexpr int rounds = 200000;
    qsizetype sink = 0;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < rounds; ++i) {
        clock.advance(1000);
        const auto now = clock.now();
        const auto texts = readouttexts::timeTexts(now, base);
        const auto c = readouttexts::countdownTick(now);
        sink += texts.unix.size() + texts.astronomicalJd.size() + c.seconds.size();
    }
    const double perSecond = double(t.nsecsElapsed()) / rounds / 1000.0;

    t.restart();
    constexpr int dayRounds = 50000;
    for (int i = 0; i < dayRounds; ++i) {
        clock.advance(86400000);
        const auto now = clock.now();
        const auto d = readouttexts::dateTexts(now, 2, 2);
        sink += d.week.size() + readouttexts::dateLine(now, weekdays, months).size()
            + readouttexts::countdownAtNewDay(now).days.size();
    }
    const double perDay = double(t.nsecsElapsed()) / dayRounds / 1000.0;

    std::printf("per-second texts of every readout: %.2f us\n", perSecond);
    std::printf("per-day texts (new day or week setting): %.2f us\n", perDay);
    std::printf("(checksum %lld)\n", static_cast<long long>(sink));
    return 0;
}

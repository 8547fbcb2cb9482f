// SPDX-License-Identifier: GPL-3.0-or-later
// The seed of a randomized test. Every run uses the test's fixed seed, so a
// failure in CI repeats from its log; TUNDRIK_SEED=<number> chooses another
// seed and TUNDRIK_SEED=random a fresh one for exploring. The seed in use is
// always printed.
#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QtGlobal>

namespace testseed {

inline quint64 fromEnvironment(quint64 fixedSeed)
{
    const QString wanted = qEnvironmentVariable("TUNDRIK_SEED").trimmed();
    quint64 seed = fixedSeed;
    if (wanted.compare(QLatin1String("random"), Qt::CaseInsensitive) == 0) {
        seed = QRandomGenerator::system()->generate64();
    } else if (!wanted.isEmpty()) {
        bool ok = false;
        seed = wanted.toULongLong(&ok);
        if (!ok)
            qFatal("TUNDRIK_SEED must be a number or \"random\", not \"%s\"", qPrintable(wanted));
    }
    qInfo("TUNDRIK_SEED=%llu (set TUNDRIK_SEED to repeat, or to \"random\")", seed);
    return seed;
}

} // namespace testseed

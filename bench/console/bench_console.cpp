// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long a thousand-line conversion takes through the subcommands:
// a thousand dates to day numbers (jp), a thousand day numbers to dates
// (kuupäev), a thousand intervals (vahe --aastad --kuud) and a thousand
// shifted dates (liida), each read from standard input; first inside the
// process, then as the program run from a script (its start included).
#include "console.h"
#include "fakeclock.h"

#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Conversion {
    const char *name;
    QStringList arguments;
    QString input;
};

std::vector<Conversion> conversions()
{
    QString dates, numbers, intervals, shifts;
    for (int i = 0; i < 1000; ++i) {
        const QDate d = QDate(1999, 1, 1).addDays(i);
        const QString text = d.toString(QStringLiteral("dd.MM.yyyy"));
        dates += text + QLatin1Char('\n');
        numbers += QString::number(d.toJulianDay() - 300000) + QLatin1Char('\n');
        intervals += QStringLiteral("24.02.1918 ") + text + QLatin1Char('\n');
        shifts += text + QStringLiteral(" 1 2 3\n");
    }
    return {{"jp", {QStringLiteral("jp")}, dates},
            {"kuupäev", {QStringLiteral("kuupäev")}, numbers},
            {"vahe --aastad --kuud",
             {QStringLiteral("vahe"), QStringLiteral("--aastad"), QStringLiteral("--kuud")},
             intervals},
            {"liida", {QStringLiteral("liida")}, shifts}};
}

// The conversion's name in a column of its own (counted in characters).
QString label(const Conversion &c)
{
    return QString::fromUtf8(c.name).leftJustified(22);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main()
{
    tundrik::FakeClock clock;
    clock.setNow(2026, 12, 7, 10, 0, 0);
    qsizetype sink = 0;
    std::printf("a thousand questions on standard input:\n");
    for (const Conversion &c : conversions()) {
        constexpr int rounds = 20;
        std::vector<double> ms;
        for (int r = 0; r < rounds; ++r) {
            QString in = c.input, out, err;
            QTextStream i(&in, QIODevice::ReadOnly), o(&out), e(&err);
            QElapsedTimer t;
            t.start();
            const int status = console::run(c.arguments, i, o, e, clock);
            o.flush();
            ms.push_back(double(t.nsecsElapsed()) / 1e6);
            if (status != 0 || !err.isEmpty()) {
                std::fprintf(stderr, "%s: %s\n", c.name, qPrintable(err));
                return 1;
            }
            sink += out.size();
        }
        std::printf("  %s in the process:    %7.2f ms (median of %d)\n", qPrintable(label(c)), median(ms),
                    rounds);
    }

    // The program as a script runs it: start, the thousand answers, exit.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const Conversion &c : conversions()) {
        constexpr int rounds = 7;
        std::vector<double> ms;
        for (int r = 0; r < rounds; ++r) {
            QProcess program;
            program.setProcessEnvironment(env);
            QElapsedTimer t;
            t.start();
            program.start(QStringLiteral(TUNDRIK_PROGRAM), c.arguments);
            program.write(c.input.toUtf8());
            program.closeWriteChannel();
            if (!program.waitForFinished(60000) || program.exitCode() != 0) {
                std::fprintf(stderr, "%s: the program failed\n", c.name);
                return 1;
            }
            ms.push_back(double(t.nsecsElapsed()) / 1e6);
            sink += program.readAllStandardOutput().size();
        }
        std::printf("  %s the whole program: %7.2f ms (median of %d)\n", qPrintable(label(c)), median(ms),
                    rounds);
    }
    std::printf("(checksum %lld)\n", static_cast<long long>(sink));
    return 0;
}

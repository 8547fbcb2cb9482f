// SPDX-License-Identifier: GPL-3.0-or-later
// The month sheet of "tundrik kalender" is the calendar window's month: the
// title, the weekday headers, the week labels (a greyed one in
// parentheses) and the day in every cell of the grid, for every month of
// 2003 to 2005 under every first day of the week and every first-week
// rule, named as the "Seaded" menu names them.
#include "calendartestsupport.h"
#include "fakeclock.h"

#include "console.h"
#include "monthsheet.h"

#include <QTextStream>

#include <memory>

using namespace calendartest;

namespace {

QString commandLineSheet(int year, int month, int firstDay, int firstWeek)
{
    // The menu's names of the choices.
    const QString day = modArvutused::WeekdayNames().at(firstDay - 1);
    const QString week = monthsheet::FirstWeekOfYearNames().at(firstWeek - 1);
    QString none, out, err;
    QTextStream in(&none, QIODevice::ReadOnly);
    QTextStream o(&out), e(&err);
    tundrik::FakeClock clock;
    const int status = console::run({QStringLiteral("kalender"), QStringLiteral("--esimene-päev=") + day,
                                     QStringLiteral("--esimene-nädal=") + week, QString::number(month),
                                     QString::number(year)},
                                    in, o, e, clock);
    o.flush();
    return status == 0 ? out : QStringLiteral("status %1: %2").arg(status).arg(err);
}

} // namespace

class tst_sheetaswindow : public QObject {
    Q_OBJECT

    tundrik::FakeClock m_clock;

private slots:
    void initTestCase() { installFonts(); }

    void sameMonth_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("firstWeek");
        for (int year = 2003; year <= 2005; ++year)
            for (int month = 1; month <= 12; ++month)
                for (int firstDay = 1; firstDay <= 7; ++firstDay)
                    for (int firstWeek = 1; firstWeek <= 3; ++firstWeek)
                        QTest::addRow("%d-%02d first day %d rule %d", year, month, firstDay, firstWeek)
                            << year << month << firstDay << firstWeek;
    }

    void sameMonth()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, firstDay);
        QFETCH(int, firstWeek);
        // The window opens on today's month.
        m_clock.setNow(year, month, 15, 12, 0, 30);
        TestHost host(m_clock);
        setWeekSettings(host, firstDay, firstWeek, QDate(year, month, 15));
        frmKalender window(host);

        const QStringList lines = commandLineSheet(year, month, firstDay, firstWeek).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 9); // eight lines and the line break after them
        QCOMPARE(lines.at(0).trimmed(), label(&window, "lblKalender")->text());
        const char *const headers[7] = {"lblEsNP", "lblTeNP", "lblKoNP", "lblNeNP",
                                        "lblViNP", "lblKuNP", "lblSeNP"};
        QStringList shownHeaders;
        for (const char *h : headers)
            shownHeaders << label(&window, h)->text();
        QCOMPARE(lines.at(1).simplified(), shownHeaders.join(QLatin1Char(' ')));

        const MonthGrid *grid = window.findChild<MonthGrid *>(QStringLiteral("clnKalender"));
        QVERIFY(grid);
        for (int row = 0; row < 6; ++row) {
            const QString line = lines.at(2 + row).leftJustified(6 + 7 * 4);
            const QLabel *week = weekLabel(&window, row);
            QCOMPARE(line.left(6).trimmed(),
                     week->isEnabled() ? week->text() : QLatin1Char('(') + week->text() + QLatin1Char(')'));
            for (int column = 0; column < 7; ++column) {
                const QString cell = line.mid(6 + 4 * column, 4).trimmed();
                const QDate date = grid->cellDate(row, column);
                const bool inMonth = grid->cellMonthOffset(row, column) == 0;
                QCOMPARE(cell, inMonth ? QString::number(date.day()) : QString());
            }
        }
    }
};

QTEST_MAIN(tst_sheetaswindow)
#include "tst_sheetaswindow.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar's texts and the place of the month in its grid: the
// titles and headers as the window has them, and the grid's first day for
// every month of a 400-year cycle (and of the first and last years of the
// date value) under every first day of the week, against the grid worked
// out with QDate (weekgrid.h).
#include "monthsheet.h"
#include "weekgrid.h"

#include <QTest>

class tst_monthsheet : public QObject {
    Q_OBJECT

private slots:
    void texts()
    {
        QCOMPARE(monthsheet::Title(2004, 2), QStringLiteral("Veebruar  2004"));
        QCOMPARE(monthsheet::Title(100, 12), QStringLiteral("Detsember  100"));
        QCOMPARE(monthsheet::HolidaysCaption(3), QStringLiteral("Märtsi pühad"));
        QCOMPARE(monthsheet::HolidaysCaption(5), QStringLiteral("Mai pühad"));
        QCOMPARE(monthsheet::FirstWeekOfYearNames(),
                 (QStringList {QStringLiteral("1. jaanuari nädal"), QStringLiteral("Esimesed neli päeva"),
                               QStringLiteral("Esimene täsinädal")}));
        QCOMPARE(monthsheet::kFirstDayOfWeekAtStart, 2);
        QCOMPARE(monthsheet::kFirstWeekOfYearAtStart, 2);
    }

    void headers_data()
    {
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QString>("headers");
        QTest::newRow("Monday") << 2 << "Esm Tei Kol Nel Ree Lau Püh";
        QTest::newRow("Sunday") << 1 << "Püh Esm Tei Kol Nel Ree Lau";
        QTest::newRow("Saturday") << 7 << "Lau Püh Esm Tei Kol Nel Ree";
    }

    void headers()
    {
        QFETCH(int, firstDay);
        QFETCH(QString, headers);
        const std::array<QString, 7> h = monthsheet::WeekdayHeaders(firstDay);
        QCOMPARE(QStringList(h.begin(), h.end()).join(QLatin1Char(' ')), headers);
    }

    void firstCell_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QDate>("first");
        // 1 February 2004 is a Sunday, 1 March 2004 a Monday.
        QTest::newRow("February 2004 from Monday") << 2004 << 2 << 2 << QDate(2004, 1, 26);
        QTest::newRow("March 2004 from Monday, a week before") << 2004 << 3 << 2 << QDate(2004, 2, 23);
        QTest::newRow("February 2004 from Sunday, a week before") << 2004 << 2 << 1 << QDate(2004, 1, 25);
    }

    void firstCell()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, firstDay);
        QFETCH(QDate, first);
        QCOMPARE(monthsheet::FirstCellJdn(year, month, firstDay), first.toJulianDay());
    }

    void firstCellOfEveryMonth()
    {
        QList<int> years;
        for (int y = 1900; y < 2300; ++y)
            years << y;
        years << 100 << 101 << 9998 << 9999;
        for (int y : years)
            for (int m = 1; m <= 12; ++m)
                for (int f = 1; f <= 7; ++f)
                    QCOMPARE(monthsheet::FirstCellJdn(y, m, f),
                             weekgrid::firstGridDay(y, m, f).toJulianDay());
    }
};

QTEST_APPLESS_MAIN(tst_monthsheet)
#include "tst_monthsheet.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// What the calculators accept and offer, apart from their widgets: the
// ranges with their labels, the days of the Julian calendar only, the
// units of an interval, the limits of a shift and when it offers the
// Julian reading, and the leap-year answer.
#include "calculatorrules.h"

#include <QDate>
#include <QTest>

using datevalue::DateSerial;

class tst_calculatorrules : public QObject {
    Q_OBJECT

private slots:
    void ranges_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("inside");
        QTest::newRow("day dates: 3 January 100") << "day" << 100 << 1 << 3 << true;
        QTest::newRow("day dates: 2 January 100") << "day" << 100 << 1 << 2 << false;
        QTest::newRow("day dates: 31 December 2299") << "day" << 2299 << 12 << 31 << true;
        QTest::newRow("day dates: 1 January 2300") << "day" << 2300 << 1 << 1 << false;
        QTest::newRow("shift dates: 1 January 320") << "shift" << 320 << 1 << 1 << true;
        QTest::newRow("shift dates: 31 December 319") << "shift" << 319 << 12 << 31 << false;
        QTest::newRow("shift dates: 31 December 2079") << "shift" << 2079 << 12 << 31 << true;
        QTest::newRow("shift dates: 1 January 2080") << "shift" << 2080 << 1 << 1 << false;
    }

    void ranges()
    {
        QFETCH(QString, range);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, inside);
        const calculators::DateRange &r = range == QLatin1String("day") ? calculators::kDayDates
                                                                        : calculators::kShiftDates;
        QCOMPARE(r.contains(year, month, day), inside);
    }

    void rangeLabels()
    {
        QCOMPARE(calculators::kDayDates.labelText(), QStringLiteral("{03.01.100 - 31.12.2299}"));
        QCOMPARE(calculators::kShiftDates.labelText(), QStringLiteral("{01.01.320 - 31.12.2079}"));
        QCOMPARE(calculators::kDayNumbers.labelText(), QStringLiteral("{1 757 600 - 2 561 100}"));
        QCOMPARE(calculators::kLeapYears.labelText(), QStringLiteral("(100 - 2299)"));
        QVERIFY(calculators::kDayNumbers.contains(1757600));
        QVERIFY(!calculators::kDayNumbers.contains(1757599));
        QVERIFY(calculators::kDayNumbers.contains(2561100));
        QVERIFY(!calculators::kDayNumbers.contains(2561101));
        // 15.10.1582 by Qt's own day count.
        QCOMPARE(qint64(calculators::kReformDayNumber), QDate(1582, 10, 15).toJulianDay());
    }

    void onlyJulianDate_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("onlyJulian");
        QTest::newRow("29.02.1700") << 1700 << 2 << 29 << true;
        QTest::newRow("29.02.1500") << 1500 << 2 << 29 << true;
        QTest::newRow("29.02.100") << 100 << 2 << 29 << true;
        QTest::newRow("29.02.1600, leap in both") << 1600 << 2 << 29 << false;
        QTest::newRow("29.02.2000, leap in both") << 2000 << 2 << 29 << false;
        QTest::newRow("29.02.1701, in neither") << 1701 << 2 << 29 << false;
        QTest::newRow("30.02.1700, in neither") << 1700 << 2 << 30 << false;
        QTest::newRow("28.02.1700, in both") << 1700 << 2 << 28 << false;
        QTest::newRow("month 13") << 1700 << 13 << 1 << false;
    }

    void onlyJulianDate()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, onlyJulian);
        QCOMPARE(calculators::OnlyJulianDate(year, month, day), onlyJulian);
    }

    void intervalUnits_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("second");
        QTest::addColumn<bool>("julianCalendar");
        QTest::addColumn<bool>("years");
        QTest::addColumn<bool>("months");
        QTest::newRow("a day across new year")
            << QDate(2000, 12, 31) << QDate(2001, 1, 1) << false << true << true;
        QTest::newRow("within one month")
            << QDate(2001, 1, 15) << QDate(2001, 1, 20) << false << false << false;
        QTest::newRow("next month") << QDate(2001, 1, 31) << QDate(2001, 2, 1) << false << false << true;
        QTest::newRow("second date earlier")
            << QDate(2005, 8, 9) << QDate(2003, 5, 10) << false << false << false;
        QTest::newRow("the same date") << QDate(2003, 5, 10) << QDate(2003, 5, 10) << false << false << false;
        // Gregorian 5 and 15 January 1700 are Julian 25 December 1699 and
        // 4 January 1700.
        QTest::newRow("one Gregorian month, two Julian years")
            << QDate(1700, 1, 5) << QDate(1700, 1, 15) << true << true << true;
        QTest::newRow("the same in the Gregorian calendar")
            << QDate(1700, 1, 5) << QDate(1700, 1, 15) << false << false << false;
    }

    void intervalUnits()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, second);
        QFETCH(bool, julianCalendar);
        QFETCH(bool, years);
        QFETCH(bool, months);
        const auto units = calculators::IntervalUnitsOffered(
            DateSerial(first.year(), first.month(), first.day()),
            DateSerial(second.year(), second.month(), second.day()), julianCalendar);
        QCOMPARE(units.years, years);
        QCOMPARE(units.months, months);
    }

    void shiftLimits_data()
    {
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("maxMonths");
        QTest::addColumn<int>("maxDays");
        QTest::addColumn<QString>("monthsLabel");
        QTest::addColumn<QString>("daysLabel");
        QTest::newRow("days alone") << 0 << 0 << 2639 << 79999 << "< 2640"
                                    << "< 80 000";
        QTest::newRow("with years") << 1 << 0 << 11 << 365 << "< 12"
                                    << "< 366";
        QTest::newRow("with months") << 0 << 1 << 2639 << 30 << "< 2640"
                                     << "< 31";
        QTest::newRow("with years and months") << 219 << 11 << 11 << 30 << "< 12"
                                               << "< 31";
    }

    void shiftLimits()
    {
        QFETCH(int, years);
        QFETCH(int, months);
        QFETCH(int, maxMonths);
        QFETCH(int, maxDays);
        QFETCH(QString, monthsLabel);
        QFETCH(QString, daysLabel);
        const calculators::ShiftLimits l = calculators::ShiftLimitsFor(years, months);
        QCOMPARE(l.years, 219);
        QCOMPARE(l.yearsLabel, QStringLiteral("< 220"));
        QCOMPARE(l.months, maxMonths);
        QCOMPARE(l.days, maxDays);
        QCOMPARE(l.monthsLabel, monthsLabel);
        QCOMPARE(l.daysLabel, daysLabel);
    }

    void julianShift_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("days");
        QTest::addColumn<bool>("offered");
        QTest::newRow("a day across 1700") << QDate(1700, 3, 1) << 0 << 0 << 1 << true;
        QTest::newRow("2000 has 29 February") << QDate(2000, 3, 1) << 0 << 0 << 1 << false;
        QTest::newRow("no century year") << QDate(1750, 3, 1) << 0 << 0 << 10 << false;
        QTest::newRow("1900 far ahead") << QDate(1850, 1, 1) << 0 << 0 << 30000 << true;
        QTest::newRow("1500 far back") << QDate(1580, 1, 1) << 0 << 0 << 30000 << true;
        QTest::newRow("years given") << QDate(1700, 3, 1) << 1 << 0 << 1 << false;
        QTest::newRow("months given") << QDate(1700, 3, 1) << 0 << 1 << 1 << false;
    }

    void julianShift()
    {
        QFETCH(QDate, date);
        QFETCH(int, years);
        QFETCH(int, months);
        QFETCH(int, days);
        QFETCH(bool, offered);
        QCOMPARE(calculators::ShiftSpansJulianLeapDay(DateSerial(date.year(), date.month(), date.day()),
                                                      years, months, days),
                 offered);
    }

    // Every year of the leap-year window, by Qt's own rule.
    void leapYears()
    {
        for (qint64 y = calculators::kLeapYears.minimum; y <= calculators::kLeapYears.maximum; ++y)
            QCOMPARE(calculators::LeapYearText(y),
                     QDate::isLeapYear(int(y)) ? QStringLiteral("Jah, on liigaasta")
                                               : QStringLiteral("Ei ole liigaasta"));
    }
};

QTEST_APPLESS_MAIN(tst_calculatorrules)
#include "tst_calculatorrules.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The date value: normalising construction and date parts, checked against
// QDate (an independent proleptic Gregorian implementation) over all years;
// the Julian-calendar date rule against QCalendar's Julian calendar.
#include "datevalue.h"
#include "errors.h"

#include <QCalendar>
#include <QDate>
#include <QTest>

using namespace datevalue;

class tst_datevalue : public QObject {
    Q_OBJECT
private slots:
    void normalising_data();
    void normalising();
    void outOfRange_data();
    void outOfRange();
    void partsAgreeWithQDateOverEveryDay();
    void validity_data();
    void validity();
    void julianNormalising_data();
    void julianNormalising();
    void julianOutOfRange_data();
    void julianOutOfRange();
    void julianAgreesWithQCalendarOverEveryDay();
    void julianCarriesLikeQCalendar();
};

static QDate toQDate(DateValue v)
{
    const Ymd p = YmdOf(v);
    return QDate(p.year, p.month, p.day);
}

void tst_datevalue::normalising_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("day zero") << 2004 << 3 << 0 << QDate(2004, 2, 29);
    QTest::newRow("day zero non-leap") << 1900 << 3 << 0 << QDate(1900, 2, 28);
    QTest::newRow("negative day") << 2000 << 1 << -1 << QDate(1999, 12, 30);
    QTest::newRow("month 13") << 2003 << 13 << 1 << QDate(2004, 1, 1);
    QTest::newRow("month 0") << 2003 << 0 << 15 << QDate(2002, 12, 15);
    QTest::newRow("month -11") << 2003 << -11 << 1 << QDate(2002, 1, 1);
    QTest::newRow("31 February") << 2003 << 2 << 31 << QDate(2003, 3, 3);
    QTest::newRow("31 April") << 2003 << 4 << 31 << QDate(2003, 5, 1);
    QTest::newRow("29.2.1500 is March") << 1500 << 2 << 29 << QDate(1500, 3, 1);
    QTest::newRow("day 1009") << 2003 << 5 << 1009 << QDate(2006, 2, 2);
    QTest::newRow("month 2640") << 1800 << 2640 << 1 << QDate(2019, 12, 1);
    QTest::newRow("first") << 100 << 1 << 1 << QDate(100, 1, 1);
    QTest::newRow("last") << 9999 << 12 << 31 << QDate(9999, 12, 31);
}

void tst_datevalue::normalising()
{
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(QDate, expected);
    const DateValue v = DateSerial(y, m, d);
    QCOMPARE(toQDate(v), expected);
    QCOMPARE(qint64(v), QDate(1899, 12, 30).daysTo(expected));
}

void tst_datevalue::outOfRange_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::newRow("day before 1.1.100") << 100 << 1 << 0;
    QTest::newRow("after 31.12.9999") << 9999 << 12 << 32;
    QTest::newRow("year 10000") << 10000 << 1 << 1;
    QTest::newRow("year 99") << 99 << 12 << 31;
}

void tst_datevalue::outOfRange()
{
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QVERIFY_THROWS_EXCEPTION(tundrik::DateRangeError, DateSerial(y, m, d));
}

void tst_datevalue::partsAgreeWithQDateOverEveryDay()
{
    const QDate epoch(1899, 12, 30);
    QDate q(100, 1, 1);
    for (DateValue v = kFirstDate; v <= kLastDate; v += 1, q = q.addDays(1)) {
        const Ymd p = YmdOf(v);
        if (p.year != q.year() || p.month != q.month() || p.day != q.day())
            QFAIL(qPrintable(QStringLiteral("parts of %1").arg(v)));
        if (Weekday(v) != q.dayOfWeek() % 7 + 1)
            QFAIL(qPrintable(QStringLiteral("weekday of %1").arg(q.toString(Qt::ISODate))));
        if (DayOfYear(v) != q.dayOfYear())
            QFAIL(qPrintable(QStringLiteral("day of year of %1").arg(q.toString(Qt::ISODate))));
        if (p.day == 1 && DateSerial(p.year, p.month, 1) != v)
            QFAIL(qPrintable(QStringLiteral("serial of %1").arg(q.toString(Qt::ISODate))));
    }
    QCOMPARE(epoch.daysTo(QDate(9999, 12, 31)), qint64(kLastDate));
}

void tst_datevalue::validity_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<bool>("valid");
    QTest::newRow("29.2.2000") << 2000 << 2 << 29 << true;
    QTest::newRow("29.2.1900") << 1900 << 2 << 29 << false;
    QTest::newRow("29.2.1500") << 1500 << 2 << 29 << false;
    QTest::newRow("31.4") << 2004 << 4 << 31 << false;
    QTest::newRow("month 13") << 2004 << 13 << 1 << false;
    QTest::newRow("day 0") << 2004 << 1 << 0 << false;
}

void tst_datevalue::validity()
{
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(bool, valid);
    QCOMPARE(IsValidDate(y, m, d), valid);
}

void tst_datevalue::julianNormalising_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<QDate>("gregorian");

    QTest::newRow("29.2.1500") << 1500 << 2 << 29 << QDate(1500, 3, 10);
    QTest::newRow("29.2.1700") << 1700 << 2 << 29 << QDate(1700, 3, 11);
    QTest::newRow("29.2.1900") << 1900 << 2 << 29 << QDate(1900, 3, 13);
    QTest::newRow("30.2.1700 is 1 March") << 1700 << 2 << 30 << QDate(1700, 3, 12);
    QTest::newRow("day zero of March 1900") << 1900 << 3 << 0 << QDate(1900, 3, 13);
    QTest::newRow("29.2.1901 is 1 March") << 1901 << 2 << 29 << QDate(1901, 3, 14);
    QTest::newRow("month 13") << 1699 << 13 << 1 << QDate(1700, 1, 11);
    QTest::newRow("month 0") << 1700 << 0 << 31 << QDate(1700, 1, 10);
    QTest::newRow("negative day") << 1700 << 3 << -1 << QDate(1700, 3, 10);
    QTest::newRow("eve of the reform") << 1582 << 10 << 4 << QDate(1582, 10, 14);
    QTest::newRow("reform") << 1582 << 10 << 5 << QDate(1582, 10, 15);
    QTest::newRow("first") << 100 << 1 << 3 << QDate(100, 1, 1);
    QTest::newRow("last") << 9999 << 10 << 19 << QDate(9999, 12, 31);
}

void tst_datevalue::julianNormalising()
{
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(QDate, gregorian);
    const DateValue v = JulianDateSerial(y, m, d);
    QCOMPARE(toQDate(v), gregorian);
    QCOMPARE(JulianSerialJdn(y, m, d), gregorian.toJulianDay());
}

void tst_datevalue::julianOutOfRange_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::newRow("2.1.100") << 100 << 1 << 2;
    QTest::newRow("20.10.9999") << 9999 << 10 << 20;
    QTest::newRow("year 10000") << 10000 << 1 << 1;
}

void tst_datevalue::julianOutOfRange()
{
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QVERIFY_THROWS_EXCEPTION(tundrik::DateRangeError, JulianDateSerial(y, m, d));
}

// Every day of the date value, named in the Julian calendar by QCalendar.
void tst_datevalue::julianAgreesWithQCalendarOverEveryDay()
{
    const QCalendar julian(QCalendar::System::Julian);
    for (DateValue v = kFirstDate; v <= kLastDate; v += 1) {
        const QCalendar::YearMonthDay p = julian.partsFromDate(QDate::fromJulianDay(Jdn(v)));
        if (JulianDateSerial(p.year, p.month, p.day) != v)
            QFAIL(qPrintable(QStringLiteral("Julian %1.%2.%3").arg(p.day).arg(p.month).arg(p.year)));
    }
}

// Out-of-range months and days carry as in the Julian calendar: the month
// into the year, then the day on from the 1st of that month.
void tst_datevalue::julianCarriesLikeQCalendar()
{
    const QCalendar julian(QCalendar::System::Julian);
    for (int y : {101, 1500, 1582, 1699, 1700, 1800, 1900, 1999, 2000, 2100, 9998}) {
        for (int m = -14; m <= 27; ++m) {
            const int carry = m >= 1 ? (m - 1) / 12 : -((12 - m) / 12);
            const QDate first = julian.dateFromParts(y + carry, m - 12 * carry, 1);
            QVERIFY(first.isValid());
            for (int d = -62; d <= 95; ++d) {
                const QDate expected = first.addDays(d - 1);
                if (JulianSerialJdn(y, m, d) != expected.toJulianDay())
                    QFAIL(qPrintable(QStringLiteral("Julian date(%1, %2, %3)").arg(y).arg(m).arg(d)));
            }
        }
    }
}

QTEST_APPLESS_MAIN(tst_datevalue)
#include "tst_datevalue.moc"

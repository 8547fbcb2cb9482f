// SPDX-License-Identifier: GPL-3.0-or-later
// Day numbers and the two calendars: the described cases, and whole-range
// agreement with independent conversions.
#include "daynumbers.h"
#include "errors.h"
#include "modarvutused.h"

#include <QDate>
#include <QLocale>
#include <QTest>

using namespace modArvutused;
using datevalue::DateSerial;

// The classic integer algorithm from a day number to a Julian-calendar date
// (valid for non-negative day numbers), kept apart from the library's own.
static void classicJulianCalendarDate(qint64 jdn, qint64 &y, int &m, int &d)
{
    const qint64 c = jdn + 32082;
    const qint64 dd = (4 * c + 3) / 1461;
    const qint64 e = c - (1461 * dd) / 4;
    const qint64 mm = (5 * e + 2) / 153;
    d = int(e - (153 * mm + 2) / 5 + 1);
    m = int(mm + 3 - 12 * (mm / 10));
    y = dd - 4800 + mm / 10;
}

static QString dateText(qint64 y, int m, int d)
{
    return QStringLiteral("%1.%2.%3. a.").arg(d, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0')).arg(y);
}

class tst_daynumbers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void dayDescriptionJp_data();
    void dayDescriptionJp();
    void dayDescriptionOverflowBoundary();
    void dayDescriptionMatchesDateValueOverWholeRange();
    void weekdayIgnoresWeekSettings();
    void weekdayNeedsNames();

    void julianDayToDateText_data();
    void julianDayToDateText();
    void julianDayToDateTextBounds();
    void julianDayToDateTextOverDialogRange();

    void calendarLag_data();
    void calendarLag();
    void exactConversionAroundJulianOnlyLeapDays_data();
    void exactConversionAroundJulianOnlyLeapDays();

    void computeDayBase_data();
    void computeDayBase();
};

void tst_daynumbers::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
}

static const QString jp = QStringLiteral("JP");

// Numbers are written with '_' where the Estonian group separator stands.
static QString est(QString text)
{
    return text.replace(QLatin1Char('_'), QChar(0x00a0));
}

void tst_daynumbers::dayDescriptionJp_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1.1.2000") << QDate(2000, 1, 1) << est(QStringLiteral("2_451_545. Juliuse päev"));
    QTest::newRow("15.10.1582") << QDate(1582, 10, 15) << est(QStringLiteral("2_299_161. Juliuse päev"));
    QTest::newRow("4.10.1582") << QDate(1582, 10, 4) << est(QStringLiteral("2_299_150. Juliuse päev"));
    QTest::newRow("1.1.100") << QDate(100, 1, 1) << est(QStringLiteral("1_757_585. Juliuse päev"));
}

void tst_daynumbers::dayDescriptionJp()
{
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(DayDescription(DateSerial(date.year(), date.month(), date.day()), jp), expected);
}

void tst_daynumbers::dayDescriptionOverflowBoundary()
{
    QCOMPARE(DayDescription(DateSerial(4681, 2, 28), jp),
             est(QStringLiteral("3_430_819. Juliuse päev")));
    QVERIFY_THROWS_EXCEPTION(tundrik::OverflowError, DayDescription(DateSerial(4681, 3, 1), jp));
    QVERIFY_THROWS_EXCEPTION(tundrik::OverflowError, DayDescription(DateSerial(9999, 12, 31), jp));
}

void tst_daynumbers::dayDescriptionMatchesDateValueOverWholeRange()
{
    // The day number of a date value is its serial + 2415019.
    QLocale::setDefault(QLocale::c()); // C falls back to the Estonian separators
    const QString sep = QStringLiteral("\u00a0");
    const double last = DateSerial(4681, 2, 28);
    for (double v = datevalue::kFirstDate; v <= last; v += 1) {
        const QString text = DayDescription(v, jp);
        const qint64 expected = qint64(v) + 2415019;
        QString digits = text.left(text.indexOf(QLatin1Char('.')));
        digits.remove(sep);
        if (digits.toLongLong() != expected)
            QFAIL(qPrintable(QStringLiteral("serial %1 gave %2").arg(v).arg(text)));
    }
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
}

void tst_daynumbers::weekdayIgnoresWeekSettings()
{
    // The names count from Sunday, whatever day the week starts with.
    const QString np = QStringLiteral("NP");
    QCOMPARE(DayDescription(DateSerial(2004, 12, 6), np), QStringLiteral("Esmaspäev"));
    QCOMPARE(DayDescription(DateSerial(2000, 1, 1), np), QStringLiteral("Laupäev"));
    QCOMPARE(DayDescription(DateSerial(1582, 10, 4), np), QStringLiteral("Esmaspäev"));
    // Every weekday of one week, against QDate's weekday (Monday = 1).
    for (int day = 1; day <= 7; ++day) {
        const QDate date(2024, 1, day);
        QCOMPARE(DayDescription(DateSerial(2024, 1, day), np),
                 WeekdayNames().at(date.dayOfWeek() % 7));
    }
    // Any mode other than "JP" gives the weekday.
    QCOMPARE(DayDescription(DateSerial(2000, 1, 2), QStringLiteral("jp")), QStringLiteral("Pühapäev"));
    QCOMPARE(DayDescription(DateSerial(2000, 1, 2), QString()), QStringLiteral("Pühapäev"));
}

void tst_daynumbers::weekdayNeedsNames()
{
    const QString np = QStringLiteral("NP");
    QVERIFY_THROWS_EXCEPTION(tundrik::SubscriptError,
                             DayDescription(DateSerial(2000, 1, 1), np, QStringList()));
    // Six names reach Friday but not Saturday.
    const QStringList six = WeekdayNames().mid(0, 6);
    QCOMPARE(DayDescription(DateSerial(2000, 1, 7), np, six), QStringLiteral("Reede"));
    QVERIFY_THROWS_EXCEPTION(tundrik::SubscriptError, DayDescription(DateSerial(2000, 1, 1), np, six));
}

void tst_daynumbers::julianDayToDateText_data()
{
    QTest::addColumn<int>("jdn");
    QTest::addColumn<bool>("julian");
    QTest::addColumn<QString>("expected");
    QTest::newRow("reform") << 2299161 << false << QStringLiteral("15.10.1582. a.");
    QTest::newRow("reform, Julian") << 2299161 << true << QStringLiteral("05.10.1582. a.");
    QTest::newRow("day before reform") << 2299160 << false << QStringLiteral("14.10.1582. a.");
    QTest::newRow("day before reform, Julian") << 2299160 << true << QStringLiteral("04.10.1582. a.");
    QTest::newRow("day 0") << 0 << false << QStringLiteral("24.11.-4713. a.");
    QTest::newRow("2000") << 2451545 << false << QStringLiteral("01.01.2000. a.");
    QTest::newRow("5.3.1700") << 2342036 << false << QStringLiteral("05.03.1700. a.");
    // The Julian calendar is 11 days behind from its 29.2.1700 on.
    QTest::newRow("G 1.3.1700 is J 19.2.1700") << 2342032 << true << QStringLiteral("19.02.1700. a.");
    QTest::newRow("G 11.3.1700 is J 29.2.1700") << 2342042 << true << QStringLiteral("29.02.1700. a.");
    QTest::newRow("G 12.3.1700 is J 1.3.1700") << 2342043 << true << QStringLiteral("01.03.1700. a.");
    QTest::newRow("last day") << 13689325 << false << QStringLiteral("31.12.32767. a.");
}

void tst_daynumbers::julianDayToDateText()
{
    QFETCH(int, jdn);
    QFETCH(bool, julian);
    QFETCH(QString, expected);
    QCOMPARE(JulianDayToDateText(jdn, julian), expected);
}

void tst_daynumbers::julianDayToDateTextBounds()
{
    QVERIFY_THROWS_EXCEPTION(tundrik::OverflowError, JulianDayToDateText(13689326, false));
    QVERIFY_THROWS_EXCEPTION(tundrik::OverflowError, JulianDayToDateText(536802343, false));
    QVERIFY_THROWS_EXCEPTION(tundrik::OverflowError, JulianDayToDateText(2147483647, false));
    QVERIFY_THROWS_EXCEPTION(tundrik::OverflowError, JulianDayToDateText(-2147483647 - 1, false));
    // The Julian reading needs a day inside the date value's years.
    QVERIFY_THROWS_EXCEPTION(tundrik::DateRangeError, JulianDayToDateText(1757584, true));
    QCOMPARE(JulianDayToDateText(1757585, true), QStringLiteral("03.01.100. a."));
    QCOMPARE(JulianDayToDateText(1757584, false), QStringLiteral("31.12.99. a."));
    QCOMPARE(JulianDayToDateText(-1, false), QStringLiteral("23.11.-4713. a."));
}

void tst_daynumbers::julianDayToDateTextOverDialogRange()
{
    for (qint32 j = 1757600; j <= 2561100; ++j) {
        const QDate g = QDate::fromJulianDay(j);
        const QString gText = JulianDayToDateText(j, false);
        if (gText != dateText(g.year(), g.month(), g.day()))
            QFAIL(qPrintable(QStringLiteral("Gregorian date of %1: %2").arg(j).arg(gText)));
        qint64 y;
        int m, d;
        classicJulianCalendarDate(j, y, m, d);
        const QString jText = JulianDayToDateText(j, true);
        if (jText != dateText(y, m, d))
            QFAIL(qPrintable(QStringLiteral("Julian date of %1: %2").arg(j).arg(jText)));
    }
}

void tst_daynumbers::calendarLag_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("lag");
    QTest::newRow("28.2.1700") << QDate(1700, 2, 28) << 10;
    QTest::newRow("1.3.1700") << QDate(1700, 3, 1) << 11;
    QTest::newRow("31.12.9999") << QDate(9999, 12, 31) << 15;
    QTest::newRow("1.1.100") << QDate(100, 1, 1) << -2;
    QTest::newRow("1.3.100") << QDate(100, 3, 1) << -1;
    QTest::newRow("1.1.2004") << QDate(2004, 1, 1) << 13;
    QTest::newRow("1.3.2200") << QDate(2200, 3, 1) << 15;
}

void tst_daynumbers::calendarLag()
{
    QFETCH(QDate, date);
    QFETCH(int, lag);
    QCOMPARE(int(CalendarLag(DateSerial(date.year(), date.month(), date.day()))), lag);
}

void tst_daynumbers::exactConversionAroundJulianOnlyLeapDays_data()
{
    QTest::addColumn<QDate>("gregorian");
    QTest::addColumn<QDate>("julian");
    QTest::newRow("G 1.3.1700") << QDate(1700, 3, 1) << QDate(1700, 2, 19);
    QTest::newRow("G 11.3.1700") << QDate(1700, 3, 11) << QDate(1700, 2, 29);
    QTest::newRow("G 2.3.600") << QDate(600, 3, 2) << QDate(600, 2, 28);
    QTest::newRow("G 25.10.1582") << QDate(1582, 10, 25) << QDate(1582, 10, 15);
    QTest::newRow("G 1.3.1500") << QDate(1500, 3, 1) << QDate(1500, 2, 20);
}

void tst_daynumbers::exactConversionAroundJulianOnlyLeapDays()
{
    QFETCH(QDate, gregorian);
    QFETCH(QDate, julian);
    const auto j = ToJulianCalendar(DateSerial(gregorian.year(), gregorian.month(), gregorian.day()));
    QCOMPARE(QDate(j.year, j.month, j.day), julian);
}

void tst_daynumbers::computeDayBase_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<double>("expected");
    QTest::newRow("1.1.2000") << QDate(2000, 1, 1) << 51544.5;
    QTest::newRow("31.12.2099") << QDate(2099, 12, 31) << 88068.5;
    // Exact across the centuries where the short formula drifts.
    QTest::newRow("1.3.2100") << QDate(2100, 3, 1) << 88128.5;
    QTest::newRow("1.3.2200") << QDate(2200, 3, 1) << 124652.5;
    QTest::newRow("28.2.1900") << QDate(1900, 2, 28) << 15078.5;
}

void tst_daynumbers::computeDayBase()
{
    QFETCH(QDate, date);
    QFETCH(double, expected);
    tundrik::ClockReading r;
    r.year = date.year();
    r.month = date.month();
    r.day = date.day();
    QCOMPARE(ComputeDayBase(r), expected);
    QCOMPARE(ComputeDayBase(r), double(date.toJulianDay()) - 2400000.5);
}

QTEST_APPLESS_MAIN(tst_daynumbers)
#include "tst_daynumbers.moc"

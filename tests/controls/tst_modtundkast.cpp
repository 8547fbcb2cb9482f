// SPDX-License-Identifier: GPL-3.0-or-later
// The shared routines: the digit-key filter case by case, the date check
// against Qt's proleptic Gregorian calendar for every text combination of
// the years 100 to 2299, and the Julian-to-Gregorian offset against an
// independent Julian day number formula for every date of the years 100 to
// 3999.
#include <tundkast/modtundkast.h>

#include <QDate>
#include <QLineEdit>
#include <QTest>

#include <cmath>

namespace {

// Julian day number of a Julian-calendar date (Meeus, Astronomical
// Algorithms, ch. 7, without the Gregorian correction).
qint64 julianCalendarJdn(int y, int m, int d)
{
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    return qint64(std::floor(365.25 * (y + 4716))) + qint64(std::floor(30.6001 * (m + 1))) + d - 1524;
}

bool julianLeap(int y)
{
    return y % 4 == 0;
}

int julianMonthLength(int y, int m)
{
    static const int len[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && julianLeap(y) ? 29 : len[m - 1];
}

double dateValue(int y, int m, int d)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(y, m, d)));
}

// The offset as a table of the Gregorian dates at which the lag between the
// two calendars grows by a day, to check the routine's arithmetic against.
int tableOffset(double v)
{
    struct Row {
        int y, m, d, result;
    };
    static const Row rows[] = {
        {100, 3, 3, -2},   {200, 3, 2, -1},   {300, 3, 1, 0},    {500, 3, 1, 1},
        {600, 2, 28, 2},   {700, 2, 27, 3},   {900, 2, 26, 4},   {1000, 2, 25, 5},
        {1100, 2, 24, 6},  {1300, 2, 23, 7},  {1400, 2, 22, 8},  {1500, 2, 21, 9},
        {1700, 2, 20, 10}, {1800, 2, 19, 11}, {1900, 2, 18, 12}, {2100, 2, 17, 13},
        {2200, 2, 16, 14}, {2300, 2, 15, 15}, {2500, 2, 14, 16}, {2600, 2, 13, 17},
        {2700, 2, 12, 18}, {2900, 2, 11, 19}, {3000, 2, 10, 20}, {3100, 2, 9, 21},
        {3300, 2, 8, 22},  {3400, 2, 7, 23},  {3500, 2, 6, 24},  {3700, 2, 5, 25},
        {3800, 2, 4, 26},  {3900, 2, 3, 27}};
    for (const Row &r : rows) {
        if (v < dateValue(r.y, r.m, r.d))
            return r.result;
    }
    return 28;
}

} // namespace

class tst_modtundkast : public QObject {
    Q_OBJECT

private slots:
    void filterDigitKey_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<bool>("leadingZero");
        QTest::addColumn<QChar>("keyAfter");
        QTest::addColumn<QString>("textAfter");
        QTest::addColumn<int>("cursorAfter");

        QTest::newRow("day 3, typing 2: 32 > 31") << "3" << 1 << -1 << 0 << QChar('2') << 2 << 31 << true << QChar(0) << "3" << 1;
        QTest::newRow("day 3, typing 1") << "3" << 1 << -1 << 0 << QChar('1') << 2 << 31 << true << QChar('1') << "3" << 1;
        QTest::newRow("month 0, typing 0") << "0" << 1 << -1 << 0 << QChar('0') << 2 << 12 << true << QChar('0') << "0" << 1;
        QTest::newRow("year empty, typing 0") << "" << 0 << -1 << 0 << QChar('0') << 4 << 2299 << false << QChar(0) << "" << 0;
        QTest::newRow("year 2004 selected, typing 0") << "2004" << 4 << 0 << 4 << QChar('0') << 4 << 2299 << false << QChar(0) << "0" << 1;
        QTest::newRow("hour 12, caret inside, typing 3") << "12" << 1 << -1 << 0 << QChar('3') << 2 << 23 << true << QChar(0) << "12" << 2;
        QTest::newRow("minute 15, 5 selected, typing 9") << "15" << 2 << 1 << 1 << QChar('9') << 2 << 59 << true << QChar(0) << "19" << 2;
        QTest::newRow("minute 15, 1 selected, typing 7") << "15" << 2 << 0 << 1 << QChar('7') << 2 << 59 << true << QChar(0) << "15" << 2;
        QTest::newRow("full field") << "12" << 2 << -1 << 0 << QChar('0') << 2 << 999 << true << QChar(0) << "12" << 2;
        QTest::newRow("empty, leading zero allowed") << "" << 0 << -1 << 0 << QChar('0') << 2 << 59 << true << QChar('0') << "" << 0;
        QTest::newRow("backspace passes") << "12" << 1 << -1 << 0 << QChar(8) << 2 << 23 << true << QChar(8) << "12" << 1;
        QTest::newRow("letter") << "1" << 1 << -1 << 0 << QChar('a') << 2 << 23 << true << QChar(0) << "1" << 1;
        QTest::newRow("paste shortcut") << "1" << 1 << -1 << 0 << QChar(22) << 2 << 23 << true << QChar(0) << "1" << 1;
        QTest::newRow("minus") << "" << 0 << -1 << 0 << QChar('-') << 2 << 23 << true << QChar(0) << "" << 0;
    }
    void filterDigitKey()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QChar, key);
        QFETCH(int, maxLength);
        QFETCH(int, maxValue);
        QFETCH(bool, leadingZero);
        QLineEdit field;
        field.setText(text);
        if (selStart >= 0)
            field.setSelection(selStart, selLength);
        else
            field.setCursorPosition(cursor);
        int k = key.unicode();
        modTundkast::FilterDigitKey(k, &field, maxLength, maxValue, leadingZero);
        QTEST(QChar(k), "keyAfter");
        QTEST(field.text(), "textAfter");
        QTEST(field.cursorPosition(), "cursorAfter");
    }

    void filterDigitKeyWithoutField()
    {
        int k = '5';
        modTundkast::FilterDigitKey(k, nullptr, 2, 59, true);
        QCOMPARE(k, 0);
    }

    void checkDateFieldsCases_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("julian");
        QTest::newRow("29.02.1900") << "29" << "02" << "1900" << 100 << false << true << false;
        QTest::newRow("29.02.1500") << "29" << "2" << "1500" << 100 << false << true << false;
        QTest::newRow("29.02.2000") << "29" << "02" << "2000" << 100 << true << false << false;
        QTest::newRow("14.10.1582") << "14" << "10" << "1582" << 100 << true << true << false;
        QTest::newRow("15.10.1582") << "15" << "10" << "1582" << 100 << true << false << false;
        QTest::newRow("year below minimum") << "1" << "1" << "999" << 1000 << false << true << false;
        QTest::newRow("year 99") << "1" << "1" << "99" << 0 << false << true << false;
        QTest::newRow("empty day") << "" << "1" << "2004" << 100 << false << true << false;
        QTest::newRow("letters") << "1a" << "1" << "2004" << 100 << false << true << false;
        QTest::newRow("month 13") << "1" << "13" << "2004" << 100 << false << true << false;
        QTest::newRow("Julian 29.02.1900") << "29" << "02" << "1900" << 100 << true << false << true;
        QTest::newRow("Julian 29.02.1500") << "29" << "2" << "1500" << 100 << true << true << true;
        QTest::newRow("Julian 29.02.1582") << "29" << "2" << "1582" << 100 << false << true << true;
        QTest::newRow("Julian 30.02.1700") << "30" << "02" << "1700" << 100 << false << true << true;
        QTest::newRow("Julian 14.10.1582") << "14" << "10" << "1582" << 100 << true << true << true;
        QTest::newRow("Julian 15.10.1582") << "15" << "10" << "1582" << 100 << true << false << true;
        QTest::newRow("Julian 31.04.1700") << "31" << "04" << "1700" << 100 << false << true << true;
    }
    void checkDateFieldsCases()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(int, minimum);
        QFETCH(bool, julian);
        bool valid = true, before = false;
        modTundkast::CheckDateFields(day, month, year, minimum, valid, before, julian);
        QTEST(valid, "valid");
        QTEST(before, "before");
    }

    void checkDateFieldsSweep()
    {
        // Every day and month text the fields can hold, every year 100..2299,
        // in both readings.
        QStringList days{QStringLiteral("0"), QStringLiteral("00"), QStringLiteral("32")};
        for (int i = 1; i <= 31; ++i) {
            days << QString::number(i);
            if (i < 10)
                days << QStringLiteral("0") + QString::number(i);
        }
        QStringList months{QStringLiteral("0"), QStringLiteral("00"), QStringLiteral("13")};
        for (int i = 1; i <= 12; ++i) {
            months << QString::number(i);
            if (i < 10)
                months << QStringLiteral("0") + QString::number(i);
        }
        const QDate reform(1582, 10, 15);
        const QCalendar julian(QCalendar::System::Julian);
        int checked = 0;
        for (int y = 100; y <= 2299; ++y) {
            const QString year = QString::number(y);
            for (const QString &month : months) {
                for (const QString &day : days) {
                    bool valid = false, before = false;
                    modTundkast::CheckDateFields(day, month, year, 100, valid, before);
                    const QDate date(y, month.toInt(), day.toInt());
                    const bool expected = QDate::isValid(y, month.toInt(), day.toInt());
                    if (valid != expected || before != (!expected || date < reform))
                        QFAIL(qPrintable(day + u'.' + month + u'.' + year));
                    // the Julian reading, against QCalendar's Julian calendar
                    modTundkast::CheckDateFields(day, month, year, 100, valid, before, true);
                    const bool julianExpected = julian.isDateValid(y, month.toInt(), day.toInt());
                    const bool writtenBefore = y < 1582 || (y == 1582 && (month.toInt() < 10
                                               || (month.toInt() == 10 && day.toInt() < 15)));
                    if (valid != julianExpected || before != (!julianExpected || writtenBefore))
                        QFAIL(qPrintable(QStringLiteral("Julian ") + day + u'.' + month + u'.' + year));
                    ++checked;
                }
            }
        }
        QCOMPARE(checked, 2200 * 24 * 43);
    }

    void julianOffsetCases_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("offset");
        QTest::newRow("28.02.300") << 300 << 2 << 28 << 0;
        QTest::newRow("01.03.300") << 300 << 3 << 1 << 1;
        QTest::newRow("27.02.600") << 600 << 2 << 27 << 2;
        QTest::newRow("28.02.600 (Julian 28.02.600 is 02.03.600)") << 600 << 2 << 28 << 2;
        QTest::newRow("01.03.600") << 600 << 3 << 1 << 3;
        QTest::newRow("01.01.2004") << 2004 << 1 << 1 << 13;
        QTest::newRow("04.10.1582") << 1582 << 10 << 4 << 10;
        QTest::newRow("01.03.3900") << 3900 << 3 << 1 << 28;
        QTest::newRow("03.01.100") << 100 << 1 << 3 << -2;
    }
    void julianOffsetCases()
    {
        QFETCH(int, y);
        QFETCH(int, m);
        QFETCH(int, d);
        QTEST(modTundkast::JulianToGregorianOffset(modTundkast::DateValueOf(y, m, d)), "offset");
    }

    void julianOffsetSweep()
    {
        // Every Gregorian date of the years 100..3999, read as a Julian date.
        int disagreements = 0;
        for (QDate date(100, 1, 1); date <= QDate(3999, 12, 31); date = date.addDays(1)) {
            const int y = date.year(), m = date.month(), d = date.day();
            const double v = modTundkast::DateValueOf(y, m, d);
            if (v != dateValue(y, m, d))
                QFAIL(qPrintable(QStringLiteral("date value of ") + date.toString(Qt::ISODate)));
            if (d > julianMonthLength(y, m))
                continue; // cannot be typed as a Julian date anyway
            const qint64 expected = julianCalendarJdn(y, m, d) - date.toJulianDay();
            const int offset = modTundkast::JulianToGregorianOffset(v);
            if (offset != expected)
                QFAIL(qPrintable(QStringLiteral("offset of ") + date.toString(Qt::ISODate)));
            // The old table is off by one only near the leap day of century
            // years that are leap years in the Julian calendar alone.
            const int table = tableOffset(v);
            if (table != offset) {
                ++disagreements;
                const bool centuryLeapDay = y % 100 == 0 && y % 400 != 0 && (m == 2 || m == 3);
                if (!centuryLeapDay || std::abs(table - offset) != 1)
                    QFAIL(qPrintable(QStringLiteral("table differs on ") + date.toString(Qt::ISODate)));
            }
        }
        QVERIFY(disagreements > 0);
        // the offset applied gives back the Gregorian date of the Julian date
        const double gr = modTundkast::DateValueOf(1582, 10, 4 + modTundkast::JulianToGregorianOffset(
                                                                   modTundkast::DateValueOf(1582, 10, 4)));
        QCOMPARE(gr, dateValue(1582, 10, 14));
    }

    void dateValueCarries()
    {
        QCOMPARE(modTundkast::DateValueOf(2004, 1, 45), dateValue(2004, 2, 14));
        QCOMPARE(modTundkast::DateValueOf(2004, 13, 1), dateValue(2005, 1, 1));
        QCOMPARE(modTundkast::DateValueOf(1899, 12, 30), 0.0);
    }
};

QTEST_MAIN(tst_modtundkast)
#include "tst_modtundkast.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The time between two dates and shifted dates: the described cases, and
// agreement with calendar-month arithmetic done through QDate.
#include "errors.h"
#include "modarvutused.h"
#include "testseed.h"

#include <QCalendar>
#include <QDate>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <array>

using namespace modArvutused;
using datevalue::DateSerial;

static double dv(const QDate &d)
{
    return DateSerial(d.year(), d.month(), d.day());
}

static QString est(QString text)
{
    return text.replace(QLatin1Char('_'), QChar(0x00a0));
}

class tst_intervals : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void intervalText_data();
    void intervalText();
    void intervalAgreesWithMonthArithmetic();
    void intervalRoundTripSweep_data();
    void intervalRoundTripSweep();
    void julianIntervalText_data();
    void julianIntervalText();
    void shiftedDateText_data();
    void shiftedDateText();
    void shiftedAgreesWithMonthArithmetic();
    void shiftedJulianIsExact();
    void shiftedFailures();
};

void tst_intervals::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
}

void tst_intervals::intervalText_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<bool>("years");
    QTest::addColumn<bool>("months");
    QTest::addColumn<QString>("expected");
    const QDate a(2003, 5, 10), b(2005, 8, 9);
    QTest::newRow("both") << a << b << true << true << QStringLiteral("2 aastat, 2 kuud ja 30 päeva");
    QTest::newRow("months only") << a << b << false << true << QStringLiteral("26 kuud ja 30 päeva");
    QTest::newRow("years only") << a << b << true << false << QStringLiteral("2 aastat ja 91 päeva");
    QTest::newRow("days only") << a << b << false << false << QStringLiteral("822 päeva");
    QTest::newRow("backwards") << b << a << false << false << QStringLiteral("- 822 päeva");
    QTest::newRow("one day") << a << QDate(2003, 5, 11) << true << true << QStringLiteral("1 päev");
    QTest::newRow("same day") << a << a << true << true << QStringLiteral("0 päeva");
    QTest::newRow("minus one day") << QDate(2003, 5, 11) << a << false << false << QStringLiteral("- 1 päeva");
    QTest::newRow("grouped days") << a << a.addDays(1234) << false << false << est(QStringLiteral("1_234 päeva"));
    QTest::newRow("one year") << a << QDate(2004, 5, 10) << true << true << QStringLiteral("1 aasta");
    QTest::newRow("one month") << a << QDate(2003, 6, 10) << true << true << QStringLiteral("1 kuu");
    QTest::newRow("year and month") << a << QDate(2004, 6, 10) << true << true << QStringLiteral("1 aasta ja 1 kuu");
    QTest::newRow("year and day") << a << QDate(2004, 5, 11) << true << true << QStringLiteral("1 aasta ja 1 päev");
    QTest::newRow("month and days") << a << QDate(2003, 6, 12) << true << true << QStringLiteral("1 kuu ja 2 päeva");
    QTest::newRow("grouped months") << QDate(1800, 1, 1) << QDate(1900, 1, 1) << false << true
        << est(QStringLiteral("1_200 kuud"));
    QTest::newRow("31.12 to 1.1") << QDate(2000, 12, 31) << QDate(2001, 1, 1) << true << true << QStringLiteral("1 päev");
    // The normalising rule: 31.1 plus one month is 3.3 (not a leap year).
    QTest::newRow("month end") << QDate(2003, 1, 31) << QDate(2003, 3, 3) << false << true << QStringLiteral("1 kuu");
    // A month counted only when its date, so built, is not after the second date.
    QTest::newRow("31.1 to 1.3, months") << QDate(2003, 1, 31) << QDate(2003, 3, 1) << false << true
        << QStringLiteral("29 päeva");
    QTest::newRow("31.1 to 1.3, both") << QDate(2003, 1, 31) << QDate(2003, 3, 1) << true << true
        << QStringLiteral("29 päeva");
    QTest::newRow("29.2 to 1.3 next year") << QDate(2000, 2, 29) << QDate(2001, 3, 1) << true << true
        << QStringLiteral("1 aasta");
    QTest::newRow("29.2 to 28.2 next year") << QDate(2000, 2, 29) << QDate(2001, 2, 28) << true << true
        << QStringLiteral("11 kuud ja 30 päeva");
    QTest::newRow("29.2 to 31.3 next year") << QDate(2000, 2, 29) << QDate(2001, 3, 31) << true << true
        << QStringLiteral("1 aasta, 1 kuu ja 2 päeva");
    QTest::newRow("29.2.400 to 19.12.401") << QDate(400, 2, 29) << QDate(401, 12, 19) << true << true
        << QStringLiteral("1 aasta, 9 kuud ja 20 päeva");
    QTest::newRow("31.3 to 30.4, months") << QDate(2003, 3, 31) << QDate(2003, 4, 30) << false << true
        << QStringLiteral("30 päeva");
    QTest::newRow("31.3 to 1.5, months") << QDate(2003, 3, 31) << QDate(2003, 5, 1) << false << true
        << QStringLiteral("1 kuu");
    // Reversed dates count days only, whatever the boxes say.
    QTest::newRow("backwards, both") << b << a << true << true << QStringLiteral("- 822 päeva");
    QTest::newRow("backwards, years") << b << a << true << false << QStringLiteral("- 822 päeva");
    QTest::newRow("backwards, months") << b << a << false << true << QStringLiteral("- 822 päeva");
    QTest::newRow("backwards a day, both") << QDate(2001, 1, 1) << QDate(2000, 12, 31) << true << true
        << QStringLiteral("- 1 päeva");
    QTest::newRow("backwards, grouped") << a.addDays(1234) << a << true << true
        << est(QStringLiteral("- 1_234 päeva"));
}

void tst_intervals::intervalText()
{
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(bool, years);
    QFETCH(bool, months);
    QFETCH(QString, expected);
    QCOMPARE(IntervalText(dv(first), dv(second), years, months), expected);
}

// Years, months and days between two dates with QDate's own arithmetic, for
// start days up to 28 (no month-end carry).
static void referenceInterval(QDate a, QDate b, bool countYears, bool countMonths, qint64 &y, qint64 &m, qint64 &d)
{
    y = m = 0;
    if (countYears) {
        while (a.addYears(int(y + 1)) <= b)
            ++y;
    }
    const QDate afterYears = a.addYears(int(y));
    if (countMonths) {
        qint64 guess = 12 * (b.year() - afterYears.year()) + b.month() - afterYears.month() + 1;
        while (afterYears.addMonths(int(guess)) > b)
            --guess;
        m = guess;
    }
    d = afterYears.addMonths(int(m)).daysTo(b);
}

// Groups by thousands arithmetically (Qt's Estonian locale leaves four digits ungrouped).
static QString refGroup(qint64 n)
{
    if (n < 1000)
        return QString::number(n);
    return refGroup(n / 1000) + QChar(0x00a0) + QStringLiteral("%1").arg(n % 1000, 3, 10, QLatin1Char('0'));
}

static QString words(qint64 y, qint64 m, qint64 d)
{
    QStringList parts;
    if (y)
        parts << QStringLiteral("%1 %2").arg(y).arg(y == 1 ? QStringLiteral("aasta") : QStringLiteral("aastat"));
    if (m)
        parts << QStringLiteral("%1 %2").arg(y ? QString::number(m) : refGroup(m))
                     .arg(m == 1 ? QStringLiteral("kuu") : QStringLiteral("kuud"));
    if (d || parts.isEmpty())
        parts << QStringLiteral("%1 %2").arg(parts.isEmpty() ? refGroup(d) : QString::number(d)).arg(d == 1 ? QStringLiteral("päev") : QStringLiteral("päeva"));
    if (parts.size() == 1)
        return parts.first();
    const QString last = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" ja ") + last;
}

void tst_intervals::intervalAgreesWithMonthArithmetic()
{
    QRandomGenerator64 rng(testseed::fromEnvironment(20031005));
    for (int i = 0; i < 20000; ++i) {
        const QDate a(rng.bounded(100, 2300), rng.bounded(1, 13), rng.bounded(1, 29));
        const QDate b = a.addDays(rng.bounded(0, i % 2 ? 800 : 80000));
        if (b.year() > 2299)
            continue;
        const bool cy = rng.bounded(2), cm = rng.bounded(2);
        qint64 y, m, d;
        referenceInterval(a, b, cy, cm, y, m, d);
        QString got;
        try {
            got = IntervalText(dv(a), dv(b), cy, cm);
        } catch (const std::exception &e) {
            QFAIL(qPrintable(QStringLiteral("%1 to %2: unexpected %3")
                                 .arg(a.toString(Qt::ISODate), b.toString(Qt::ISODate), QString::fromUtf8(e.what()))));
        }
        if (got != words(y, m, d))
            QFAIL(qPrintable(QStringLiteral("%1 to %2 (%3%4): %5, expected %6")
                                 .arg(a.toString(Qt::ISODate), b.toString(Qt::ISODate))
                                 .arg(cy).arg(cm).arg(got, words(y, m, d))));
    }
}

// date(y, m, d) with the normalising rule, built with QDate or QCalendar's
// Julian calendar instead of the arithmetic under test: the month carried
// into the year, then the day counted on from the 1st.
static QDate referenceSerial(const QCalendar &cal, int y, int m, int d)
{
    const int carry = m >= 1 ? (m - 1) / 12 : -((12 - m) / 12);
    return cal.dateFromParts(y + carry, m - 12 * carry, 1).addDays(d - 1);
}

static QString calendarText(const QCalendar &cal, const QDate &d)
{
    const QCalendar::YearMonthDay p = cal.partsFromDate(d);
    return QStringLiteral("%1.%2.%3. a.").arg(p.day, 2, 10, QLatin1Char('0'))
        .arg(p.month, 2, 10, QLatin1Char('0')).arg(p.year);
}

void tst_intervals::intervalRoundTripSweep_data()
{
    QTest::addColumn<bool>("julian");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("Gregorian, starts 2000-2004") << false << QDate(2000, 1, 1) << QDate(2004, 12, 31);
    // Starts from Julian 1.3.1699 to 29.2.1700, the leap day of the Julian
    // calendar alone, with gaps across it and on past the next 29 February.
    QTest::newRow("Julian, starts 1699-1700") << true << QDate(1699, 3, 12) << QDate(1700, 3, 11);
}

// Every start day against every gap from 0 days to 3 years, in all four unit
// combinations: every part is >= 0, each count is the largest whose date is
// not after the second date (so the day part is shorter than the step it
// would make), adding the parts to the first date gives the second, the
// text says the parts, and the reverse order gives "- N päeva".
void tst_intervals::intervalRoundTripSweep()
{
    QFETCH(bool, julian);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    const QCalendar cal = julian ? QCalendar(QCalendar::System::Julian) : QCalendar();
    int checked = 0;
    for (QDate a = from; a <= to; a = a.addDays(1)) {
        const QCalendar::YearMonthDay p = cal.partsFromDate(a);
        const double first = dv(a);
        for (int gap = 0; gap <= 1096; ++gap) {
            const QDate b = a.addDays(gap);
            const double second = first + gap;
            const QCalendar::YearMonthDay q = cal.partsFromDate(b);
            const auto secondText = [&] { return calendarText(cal, b); };
            // Parts already shifted to the second date (often the same for
            // several unit combinations).
            std::array<IntervalParts, 4> leadBack{};
            int leading = 0;
            for (int units = 0; units < 4; ++units) {
                const bool cy = units & 1, cm = units & 2;
                const IntervalParts parts = IntervalPartsOf(first, second, cy, cm, julian);
                const auto [y, m, d] = parts;
                const auto request = [&] {
                    return QStringLiteral("%1 to %2 (%3%4)").arg(calendarText(cal, a), secondText()).arg(cy).arg(cm);
                };
                if (y < 0 || m < 0 || d < 0 || (!cy && y) || (!cm && m))
                    QFAIL(qPrintable(request() + QStringLiteral(": %1/%2/%3").arg(y).arg(m).arg(d)));
                if ((cy && referenceSerial(cal, p.year + int(y) + 1, p.month, p.day) <= b)
                    || (cm && referenceSerial(cal, p.year + int(y), p.month + int(m) + 1, p.day) <= b))
                    QFAIL(qPrintable(request() + QStringLiteral(": %1/%2/%3 is not the largest count")
                                                   .arg(y).arg(m).arg(d)));
                if (std::find(leadBack.begin(), leadBack.begin() + leading, parts) == leadBack.begin() + leading) {
                    const qint32 days = qint32(d);
                    const QString back = ShiftedDateText(first, qint16(y), qint16(m), days, true, julian);
                    // "dd.mm.yyyy. a.", read back without building the expected text.
                    const QStringView v(back);
                    if (v.size() != 14 || v.left(2).toInt() != q.day || v.mid(3, 2).toInt() != q.month
                        || v.mid(6, 4).toInt() != q.year)
                        QFAIL(qPrintable(request() + QStringLiteral(": %1/%2/%3 leads to %4, not %5")
                                                       .arg(y).arg(m).arg(d).arg(back, secondText())));
                    leadBack[leading++] = parts;
                }
                // Reversed, days only, negative.
                if (IntervalPartsOf(second, first, cy, cm, julian) != IntervalParts{0, 0, -gap})
                    QFAIL(qPrintable(request() + QStringLiteral(" reversed")));
                // The texts, for one unit combination per pair in turn. A
                // negative count takes the plural, "- 1 päeva" too.
                if (units == gap % 4) {
                    if (IntervalText(first, second, cy, cm, julian) != words(y, m, d))
                        QFAIL(qPrintable(request() + QStringLiteral(": ") + IntervalText(first, second, cy, cm, julian)));
                    const QString reversed = IntervalText(second, first, cy, cm, julian);
                    if (gap > 0 && reversed != QStringLiteral("- ") + refGroup(gap) + QStringLiteral(" päeva"))
                        QFAIL(qPrintable(request() + QStringLiteral(" reversed: ") + reversed));
                }
                ++checked;
            }
        }
    }
    qInfo("%d intervals checked", checked);
}

void tst_intervals::julianIntervalText_data()
{
    QTest::addColumn<int>("y1");
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("d1");
    QTest::addColumn<int>("y2");
    QTest::addColumn<int>("m2");
    QTest::addColumn<int>("d2");
    QTest::addColumn<bool>("years");
    QTest::addColumn<bool>("months");
    QTest::addColumn<QString>("expected");
    // 1500 has a 29 February in the Julian calendar: the day count is the
    // same whichever units are counted.
    QTest::newRow("28.2 to 1.3.1500, days") << 1500 << 2 << 28 << 1500 << 3 << 1 << false << false << "2 päeva";
    QTest::newRow("28.2 to 1.3.1500, months") << 1500 << 2 << 28 << 1500 << 3 << 1 << false << true << "2 päeva";
    QTest::newRow("28.2 to 1.3.1500, both") << 1500 << 2 << 28 << 1500 << 3 << 1 << true << true << "2 päeva";
    QTest::newRow("28.2.1700 to 28.2.1701, days") << 1700 << 2 << 28 << 1701 << 2 << 28 << false << false << "366 päeva";
    QTest::newRow("28.2.1700 to 28.2.1701, years") << 1700 << 2 << 28 << 1701 << 2 << 28 << true << false << "1 aasta";
    QTest::newRow("29.2.1700 to 28.2.1701, both") << 1700 << 2 << 29 << 1701 << 2 << 28 << true << true
        << "11 kuud ja 30 päeva";
    QTest::newRow("29.2.1700 to 1.3.1701, both") << 1700 << 2 << 29 << 1701 << 3 << 1 << true << true << "1 aasta";
    // Julian 31.1.1900 plus a month is 2 March: 1900 has a 29 February.
    QTest::newRow("31.1 to 1.3.1900, months") << 1900 << 1 << 31 << 1900 << 3 << 1 << false << true << "30 päeva";
    QTest::newRow("31.1 to 2.3.1900, months") << 1900 << 1 << 31 << 1900 << 3 << 2 << false << true << "1 kuu";
    QTest::newRow("reversed") << 1701 << 2 << 28 << 1700 << 2 << 28 << true << true << "- 366 päeva";
}

void tst_intervals::julianIntervalText()
{
    QFETCH(int, y1);
    QFETCH(int, m1);
    QFETCH(int, d1);
    QFETCH(int, y2);
    QFETCH(int, m2);
    QFETCH(int, d2);
    QFETCH(bool, years);
    QFETCH(bool, months);
    QFETCH(QString, expected);
    QCOMPARE(IntervalText(datevalue::JulianDateSerial(y1, m1, d1), datevalue::JulianDateSerial(y2, m2, d2),
                          years, months, true),
             expected);
}

void tst_intervals::shiftedDateText_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("add");
    QTest::addColumn<bool>("julian");
    QTest::addColumn<QString>("expected");
    const QDate s(2003, 5, 10);
    QTest::newRow("minus 1000 days") << s << 0 << 0 << 1000 << false << false << QStringLiteral("13.08.2000. a.");
    QTest::newRow("plus 999 days") << s << 0 << 0 << 999 << true << false << QStringLiteral("02.02.2006. a.");
    QTest::newRow("reform to Julian") << QDate(1582, 10, 25) << 0 << 0 << 0 << true << true << QStringLiteral("15.10.1582. a.");
    QTest::newRow("31.1 plus a month") << QDate(2003, 1, 31) << 0 << 1 << 0 << true << false << QStringLiteral("03.03.2003. a.");
    QTest::newRow("29.2 plus a year") << QDate(2000, 2, 29) << 1 << 0 << 0 << true << false << QStringLiteral("01.03.2001. a.");
    QTest::newRow("31.3 minus a month") << QDate(2003, 3, 31) << 0 << 1 << 0 << false << false << QStringLiteral("03.03.2003. a.");
    QTest::newRow("to 9.8.2005") << s << 2 << 2 << 30 << true << false << QStringLiteral("09.08.2005. a.");
    QTest::newRow("1.3.1700 minus 1 day") << QDate(1700, 3, 1) << 0 << 0 << 1 << false << false << QStringLiteral("28.02.1700. a.");
    // G 28.2.1700 is J 18.2.1700; the Julian calendar has 29 February 1700 eleven days later.
    QTest::newRow("1.3.1700 minus 1 day, Julian") << QDate(1700, 3, 1) << 0 << 0 << 1 << false << true << QStringLiteral("18.02.1700. a.");
    QTest::newRow("into Julian-only leap day") << QDate(1700, 3, 1) << 0 << 0 << 10 << true << true << QStringLiteral("29.02.1700. a.");
    QTest::newRow("largest day shift") << QDate(2079, 12, 31) << 0 << 0 << 79999 << false << false << QStringLiteral("20.12.1860. a.");
    // With the Julian flag, years and months are counted in the Julian
    // calendar: Julian 29.2.1696 (G 10.3.1696) plus 4 years is Julian 29.2.1700.
    QTest::newRow("Julian leap day plus 4 years") << QDate(1696, 3, 10) << 4 << 0 << 0 << true << true
        << QStringLiteral("29.02.1700. a.");
    QTest::newRow("Julian leap day plus a year") << QDate(1700, 3, 11) << 1 << 0 << 0 << true << true
        << QStringLiteral("01.03.1701. a.");
    QTest::newRow("Julian 31.1 plus a month") << QDate(1700, 2, 10) << 0 << 1 << 0 << true << true
        << QStringLiteral("02.03.1700. a.");
    QTest::newRow("Julian leap day minus a month") << QDate(1700, 3, 11) << 0 << 1 << 0 << false << true
        << QStringLiteral("29.01.1700. a.");
}

void tst_intervals::shiftedDateText()
{
    QFETCH(QDate, start);
    QFETCH(int, years);
    QFETCH(int, months);
    QFETCH(int, days);
    QFETCH(bool, add);
    QFETCH(bool, julian);
    QFETCH(QString, expected);
    const qint32 d = days;
    QCOMPARE(ShiftedDateText(dv(start), qint16(years), qint16(months), d, add, julian), expected);
    QCOMPARE(d, days);
}

static QString dateText(const QDate &d)
{
    return QStringLiteral("%1.%2.%3. a.").arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0')).arg(d.year());
}

// Shifts drawn over the whole range of the date value: start days from the
// year 100 to 9999, year counts up to 9999 and day counts up to ten thousand
// years, so that many results fall outside 1.1.100..31.12.9999. Those must
// throw DateRangeError; the others must agree with QDate's arithmetic (start
// days up to 28, where adding years and months never clamps).
void tst_intervals::shiftedAgreesWithMonthArithmetic()
{
    QRandomGenerator64 rng(testseed::fromEnvironment(20050809));
    const QDate first(datevalue::kMinYear, 1, 1), last(datevalue::kMaxYear, 12, 31);
    int inside = 0, outside = 0;
    for (int i = 0; i < 30000; ++i) {
        const QDate s(rng.bounded(datevalue::kMinYear, datevalue::kMaxYear + 1), rng.bounded(1, 13),
                      rng.bounded(1, 29));
        const bool add = rng.bounded(2);
        const bool byDays = i % 3 == 0;
        const int y = byDays ? 0 : (rng.bounded(2) ? rng.bounded(0, 220) : rng.bounded(0, 10000));
        const int m = byDays ? 0 : (rng.bounded(4) ? rng.bounded(0, 12) : rng.bounded(0, 1200));
        const int d = byDays ? rng.bounded(1000, 3700000) : rng.bounded(0, 1000);
        const int sign = add ? 1 : -1;
        const QDate expected = byDays ? s.addDays(qint64(sign) * d)
                                      : s.addYears(sign * y).addMonths(sign * m).addDays(sign * d);
        const bool inRange = expected >= first && expected <= last;
        const QString request = QStringLiteral("%1 %2 %3/%4/%5").arg(s.toString(Qt::ISODate))
                                    .arg(add ? '+' : '-').arg(y).arg(m).arg(d);
        const qint32 days = d;
        try {
            const QString got = ShiftedDateText(dv(s), qint16(y), qint16(m), days, add, false);
            if (!inRange)
                QFAIL(qPrintable(QStringLiteral("%1: %2, expected DateRangeError").arg(request, got)));
            if (got != dateText(expected))
                QFAIL(qPrintable(QStringLiteral("%1: %2, expected %3").arg(request, got, dateText(expected))));
            ++inside;
        } catch (const tundrik::DateRangeError &) {
            if (inRange)
                QFAIL(qPrintable(QStringLiteral("%1: DateRangeError, expected %2").arg(request, dateText(expected))));
            ++outside;
        } catch (const std::exception &e) {
            QFAIL(qPrintable(QStringLiteral("%1: unexpected %2").arg(request, QString::fromUtf8(e.what()))));
        }
    }
    // Both kinds of result are drawn in earnest.
    QVERIFY2(inside > 5000 && outside > 5000, qPrintable(QStringLiteral("%1 inside, %2 outside").arg(inside).arg(outside)));
}

void tst_intervals::shiftedJulianIsExact()
{
    // Shifting by days in the Julian reading names the Julian date of the
    // Gregorian result, for every day across the Julian-only leap days.
    for (qint64 jdn = 2340000; jdn < 2380000; ++jdn) {
        const double v = datevalue::FromJdn(jdn);
        const QDate g = QDate::fromJulianDay(jdn);
        const auto j = ToJulianCalendar(v);
        const qint32 zero = 0;
        const QString want = QStringLiteral("%1.%2.%3. a.").arg(j.day, 2, 10, QLatin1Char('0'))
                                 .arg(j.month, 2, 10, QLatin1Char('0')).arg(j.year);
        QCOMPARE(ShiftedDateText(dv(g), 0, 0, zero, true, true), want);
        // The Julian date is the Gregorian date less the calendars' lag.
        QCOMPARE(QDate(j.year, j.month, 1).isValid(), true);
    }
}

void tst_intervals::shiftedFailures()
{
    const qint32 days = 1;
    QVERIFY_THROWS_EXCEPTION(tundrik::DateRangeError,
                             ShiftedDateText(dv(QDate(9999, 12, 31)), 0, 0, days, true, false));
    const qint32 many = 5000;
    QVERIFY_THROWS_EXCEPTION(tundrik::DateRangeError,
                             ShiftedDateText(dv(QDate(9999, 1, 1)), 0, 0, many, true, false));
    QVERIFY_THROWS_EXCEPTION(tundrik::OverflowError,
                             ShiftedDateText(dv(QDate(2000, 1, 1)), 32767, 0, days, true, false));
}

QTEST_APPLESS_MAIN(tst_intervals)
#include "tst_intervals.moc"

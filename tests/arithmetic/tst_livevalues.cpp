// SPDX-License-Identifier: GPL-3.0-or-later
// Values and texts of the live readouts at fixed instants of a fake clock.
#include "fakeclock.h"
#include "modarvutused.h"
#include "readouttexts.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <QLocale>
#include <QTest>

using namespace modArvutused;
using tundrik::ClockReading;

static ClockReading at(int y, int mo, int d, int h, int mi, int s, int ms = 0, int offset = 7200, bool dst = false)
{
    return ClockReading{y, mo, d, h, mi, s, ms, offset, dst};
}

static QString est(QString text)
{
    return text.replace(QLatin1Char('_'), QChar(0x00a0));
}

class tst_livevalues : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void julianDatesAndUnixTime_data();
    void julianDatesAndUnixTime();
    void unixTimeAgreesWithQDateTimeOverCenturies();
    void internetTime_data();
    void internetTime();
    void clockDifference_data();
    void clockDifference();
    void minutesSecondsText_data();
    void minutesSecondsText();
    void weekNumber_data();
    void weekNumber();
    void fourDayRuleAgreesWithIndependentCount();
    void isoWeeksAgreeWithQDate();
    void quarterAndDayOfYear();
    void countdown_data();
    void countdown();
    void dateLineAndTexts();
    void fakeClockAdvance();
};

void tst_livevalues::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
}

void tst_livevalues::julianDatesAndUnixTime_data()
{
    QTest::addColumn<ClockReading>("now");
    QTest::addColumn<QString>("astronomical");
    QTest::addColumn<QString>("common");
    QTest::addColumn<QString>("unix");
    QTest::newRow("1.1.2000 02:00 +2") << at(2000, 1, 1, 2, 0, 0)
        << est("2_451_544, 50000") << est("2_451_545, 08333") << est("946_684_800");
    QTest::newRow("1.1.2000 local midnight") << at(2000, 1, 1, 0, 0, 0)
        << est("2_451_544, 41667") << est("2_451_545, 00000") << est("946_677_600");
    QTest::newRow("summer +3") << at(2004, 7, 1, 15, 0, 0, 0, 10800, true)
        << est("2_453_188, 00000") << est("2_453_188, 62500") << est("1_088_683_200");
    QTest::newRow("UTC machine") << at(2000, 1, 1, 12, 0, 0, 0, 0)
        << est("2_451_545, 00000") << est("2_451_545, 50000") << est("946_728_000");
    QTest::newRow("after 2100") << at(2100, 3, 1, 2, 0, 0)
        << est("2_488_128, 50000") << est("2_488_129, 08333") << est("4_107_542_400");
    QTest::newRow("rounding carries") << at(2000, 1, 1, 23, 59, 59, 999)
        << est("2_451_545, 41667") << est("2_451_546, 00000") << est("946_764_000");
}

void tst_livevalues::julianDatesAndUnixTime()
{
    QFETCH(ClockReading, now);
    QFETCH(QString, astronomical);
    QFETCH(QString, common);
    QFETCH(QString, unix);
    const double base = ComputeDayBase(now);
    const auto t = readouttexts::timeTexts(now, base);
    QCOMPARE(t.astronomicalJd, astronomical);
    QCOMPARE(t.commonJd, common);
    QCOMPARE(t.unix, unix);
}

void tst_livevalues::unixTimeAgreesWithQDateTimeOverCenturies()
{
    // Every 7th day from 1900 to 2299 at 13:37:11 in the summer-time zone of +3 h.
    for (QDate d(1900, 1, 1); d.year() < 2300; d = d.addDays(7)) {
        const ClockReading now = at(d.year(), d.month(), d.day(), 13, 37, 11, 0, 10800, true);
        const QDateTime utc(d, QTime(13, 37, 11), QTimeZone(10800));
        QCOMPARE(qint64(UnixTimeNow(now, ComputeDayBase(now))), utc.toSecsSinceEpoch());
        const double jd = AstronomicalJulianDayNow(now, ComputeDayBase(now));
        QVERIFY(qAbs(jd - (2440587.5 + utc.toSecsSinceEpoch() / 86400.0)) < 1e-6);
    }
}

void tst_livevalues::internetTime_data()
{
    QTest::addColumn<ClockReading>("now");
    QTest::addColumn<QString>("text");
    QTest::newRow("00:00 UT") << at(2000, 1, 1, 2, 0, 0) << QStringLiteral("@ 41,67");
    QTest::newRow("23:00 UT") << at(2000, 1, 2, 1, 0, 0) << QStringLiteral("@ 0,00");
    QTest::newRow("local 00:30") << at(2000, 1, 1, 0, 30, 0) << QStringLiteral("@ 979,17");
    QTest::newRow("noon BMT") << at(2000, 1, 1, 13, 0, 0) << QStringLiteral("@ 500,00");
    QTest::newRow("summer +3") << at(2004, 7, 1, 2, 0, 0, 0, 10800, true) << QStringLiteral("@ 0,00");
    QTest::newRow("last second") << at(2000, 1, 2, 0, 59, 59) << QStringLiteral("@ 999,99");
    QTest::newRow("half second rounds to even") << at(2000, 1, 2, 0, 59, 59, 500) << QStringLiteral("@ 0,00");
}

void tst_livevalues::internetTime()
{
    QFETCH(ClockReading, now);
    QFETCH(QString, text);
    QCOMPARE(readouttexts::timeTexts(now, ComputeDayBase(now)).internet, text);
    const float v = InternetTimeNow(now);
    QVERIFY(v >= 0 && v < 1000);
}

void tst_livevalues::clockDifference_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<double>("minutes");
    QTest::newRow("3 November") << 307 << 16.5;
    QTest::newRow("14 February") << 45 << -14.5;
}

void tst_livevalues::clockDifference()
{
    QFETCH(int, day);
    QFETCH(double, minutes);
    QVERIFY2(qAbs(ClockDifference(1, day) - minutes) < 0.2, qPrintable(QString::number(ClockDifference(1, day))));
    QVERIFY2(qAbs(ClockDifference(3, day) - minutes) < 0.2, qPrintable(QString::number(ClockDifference(3, day))));
}

void tst_livevalues::minutesSecondsText_data()
{
    QTest::addColumn<float>("v");
    QTest::addColumn<QString>("text");
    QTest::newRow("-14.5") << -14.5f << QStringLiteral("- 14m 30s");
    QTest::newRow("16.25") << 16.25f << QStringLiteral("16m 15s");
    QTest::newRow("zero") << 0.0f << QStringLiteral("0m 0s");
    QTest::newRow("under a minute") << -0.5f << QStringLiteral("- 0m 30s");
}

void tst_livevalues::minutesSecondsText()
{
    QFETCH(float, v);
    QFETCH(QString, text);
    QCOMPARE(MinutesSecondsText(v), text);
}

void tst_livevalues::weekNumber_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("week");
    QTest::newRow("1.1.2005 four days") << QDate(2005, 1, 1) << 2 << 2 << 53;
    QTest::newRow("3.1.2005 four days") << QDate(2005, 1, 3) << 2 << 2 << 1;
    QTest::newRow("1.1.2005 week of 1 January") << QDate(2005, 1, 1) << 2 << 1 << 1;
    QTest::newRow("31.12.2003 week of 1 January") << QDate(2003, 12, 31) << 2 << 1 << 53;
    QTest::newRow("29.12.2003 four days: next year") << QDate(2003, 12, 29) << 2 << 2 << 1;
    QTest::newRow("31.12.2004 four days") << QDate(2004, 12, 31) << 2 << 2 << 53;
    QTest::newRow("week 54: leap year from a Sunday") << QDate(2012, 12, 31) << 2 << 1 << 54;
    QTest::newRow("full week rule, 1.1.2004") << QDate(2004, 1, 1) << 2 << 3 << 52;
    QTest::newRow("full week rule, 5.1.2004") << QDate(2004, 1, 5) << 2 << 3 << 1;
    QTest::newRow("full week rule, 31.12.2004") << QDate(2004, 12, 31) << 2 << 3 << 52;
    QTest::newRow("Sunday first, 1.1.2000") << QDate(2000, 1, 1) << 1 << 1 << 1;
    QTest::newRow("Sunday first, 2.1.2000") << QDate(2000, 1, 2) << 1 << 1 << 2;
}

void tst_livevalues::weekNumber()
{
    QFETCH(QDate, date);
    QFETCH(int, firstDay);
    QFETCH(int, rule);
    QFETCH(int, week);
    QCOMPARE(WeekNumberOf(datevalue::DateSerial(date.year(), date.month(), date.day()), firstDay, rule), week);
}

void tst_livevalues::fourDayRuleAgreesWithIndependentCount()
{
    // A week with at least four days in a year belongs to that year: its
    // fourth day lies in it. The week's number is then the ordinal of that
    // fourth day's seven-day block within its own year.
    for (int f = 1; f <= 7; ++f) {
        for (QDate d(1600, 1, 1); d.year() < 2300; d = d.addDays(1)) {
            const int sun1 = d.dayOfWeek() % 7 + 1;
            const QDate start = d.addDays(-((sun1 - f + 7) % 7));
            const QDate fourth = start.addDays(3);
            const int expected = (fourth.dayOfYear() - 1) / 7 + 1;
            const int got = WeekNumberOf(datevalue::DateSerial(d.year(), d.month(), d.day()), f, 2);
            if (got != expected)
                QFAIL(qPrintable(QStringLiteral("%1 first day %2: %3, expected %4")
                                     .arg(d.toString(Qt::ISODate)).arg(f).arg(got).arg(expected)));
        }
    }
}

void tst_livevalues::isoWeeksAgreeWithQDate()
{
    for (QDate d(1600, 1, 1); d.year() < 2300; d = d.addDays(1)) {
        if (WeekNumberOf(datevalue::DateSerial(d.year(), d.month(), d.day()), 2, 2) != d.weekNumber())
            QFAIL(qPrintable(d.toString(Qt::ISODate)));
    }
}

void tst_livevalues::quarterAndDayOfYear()
{
    const auto t = readouttexts::dateTexts(at(2004, 2, 3, 12, 0, 0), 2, 2);
    QCOMPARE(t.dayOfYear, QStringLiteral("34. päev"));
    QCOMPARE(t.quarter, QStringLiteral("1. kv."));
    QCOMPARE(t.week, QStringLiteral("6. nädal"));
    QCOMPARE(t.weekNumber, 6);
    for (int m = 1; m <= 12; ++m)
        QCOMPARE(QuarterOf(m), (m + 2) / 3);
    QCOMPARE(readouttexts::dateTexts(at(2004, 12, 31, 0, 0, 0), 2, 2).dayOfYear, QStringLiteral("366. päev"));
}

void tst_livevalues::countdown_data()
{
    QTest::addColumn<ClockReading>("now");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    // Days as the new day sets them; hours, minutes and seconds as each
    // refresh shows them, the exact time left.
    QTest::newRow("31.12 23:59:01") << at(2003, 12, 31, 23, 59, 1) << "0" << "0" << "0" << "59";
    QTest::newRow("1.1 00:00:01") << at(2004, 1, 1, 0, 0, 1) << "365" << "23" << "59" << "59";
    QTest::newRow("1.1 leap") << at(2004, 1, 1, 12, 30, 30) << "365" << "11" << "29" << "30";
    QTest::newRow("30.12, at hh:mm:00") << at(2003, 12, 30, 10, 10, 0) << "1" << "13" << "50" << "0";
}

void tst_livevalues::countdown()
{
    QFETCH(ClockReading, now);
    QFETCH(QString, days);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    const auto start = readouttexts::countdownAtNewDay(now);
    const auto tick = readouttexts::countdownTick(now);
    QCOMPARE(start.days, days);
    QCOMPARE(tick.hours, hours);
    QCOMPARE(tick.minutes, minutes);
    QCOMPARE(tick.seconds, seconds);
}

void tst_livevalues::dateLineAndTexts()
{
    const auto now = at(2026, 12, 7, 9, 5, 3);
    QCOMPARE(readouttexts::dateLine(now, modArvutused::WeekdayNames(), readouttexts::monthNames()),
             QStringLiteral(" Esmaspäev, 07. detsember "));
    QCOMPARE(readouttexts::clockText(now), QStringLiteral("09:05:03"));
    // Minute and hour labels move only at hh:mm:01: at hh:mm:00 they still
    // read the second before.
    const auto atZero = readouttexts::countdownTick(at(2026, 12, 7, 9, 0, 0));
    QCOMPARE(atZero.seconds, QStringLiteral("0"));
    QCOMPARE(atZero.minutes, QStringLiteral("0"));
    QCOMPARE(atZero.hours, QStringLiteral("15"));
    const auto atOne = readouttexts::countdownTick(at(2026, 12, 7, 9, 0, 1));
    QCOMPARE(atOne.minutes, QStringLiteral("59"));
    QCOMPARE(atOne.hours, QStringLiteral("14"));
    const auto atOneLater = readouttexts::countdownTick(at(2026, 12, 7, 9, 7, 1));
    QCOMPARE(atOneLater.minutes, QStringLiteral("52"));
    QCOMPARE(atOneLater.hours, QStringLiteral("14"));
    QCOMPARE(readouttexts::groupedInteger(-1234567), est("-1_234_567"));
    QCOMPARE(readouttexts::groupedInteger(0), QStringLiteral("0"));
    QCOMPARE(readouttexts::groupedInteger(999), QStringLiteral("999"));
    QCOMPARE(readouttexts::groupedInteger(1000), est("1_000"));
}

void tst_livevalues::fakeClockAdvance()
{
    tundrik::FakeClock clock;
    clock.setNow(2003, 12, 31, 23, 59, 59, 500);
    clock.advance(600);
    const auto r = clock.now();
    QCOMPARE(QDate(r.year, r.month, r.day), QDate(2004, 1, 1));
    QCOMPARE(r.second, 0);
    QCOMPARE(r.millisecond, 100);
    clock.advance(-200);
    QCOMPARE(clock.now().year, 2003);
}

QTEST_APPLESS_MAIN(tst_livevalues)
#include "tst_livevalues.moc"

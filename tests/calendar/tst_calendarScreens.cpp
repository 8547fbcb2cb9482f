// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the calendar and the holidays window for a person to look at.
// Runs only when TUNDRIK_SCREENSHOT_DIR names a folder, on a real display:
//   TUNDRIK_SCREENSHOT_DIR=/tmp/shots QT_QPA_PLATFORM=xcb DISPLAY=:1 ./tst_calendarScreens
#include "calendartestsupport.h"

#include "frmPuhad.h"

#include <QDir>

using namespace calendartest;

class tst_calendarScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void screens();
};

void tst_calendarScreens::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("TUNDRIK_SCREENSHOT_DIR"))
        QSKIP("TUNDRIK_SCREENSHOT_DIR is not set");
    installFonts();
}

void tst_calendarScreens::screens()
{
    const QDir dir(qEnvironmentVariable("TUNDRIK_SCREENSHOT_DIR"));
    // January 2004 under the rule of 1 January: the first row reads 53/1.
    tundrik::FakeClock clock;
    clock.setNow(2004, 1, 15, 14, 25, 7);
    TestHost owner(clock);
    owner.setGeometry(100, 100, 460, 420);
    setWeekSettings(owner, 2, 1, QDate(2004, 1, 15));
    frmKalender calendar(owner);
    calendar.tick();
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    QTest::qWait(300);
    QVERIFY(calendar.grab().save(dir.filePath(QStringLiteral("kalender-2004-01.png"))));

    // The last month there is, today on its last day; the cells after it blank.
    {
        tundrik::FakeClock lastDay;
        lastDay.setNow(9999, 12, 31, 23, 59, 30);
        TestHost lastOwner(lastDay);
        lastOwner.setGeometry(100, 100, 460, 420);
        setWeekSettings(lastOwner, 2, 2, QDate(9999, 12, 31));
        frmKalender last(lastOwner);
        last.tick();
        last.show();
        QVERIFY(QTest::qWaitForWindowExposed(&last));
        QTest::qWait(300);
        QVERIFY(last.grab().save(dir.filePath(QStringLiteral("kalender-9999-12.png"))));
    }

    // The holidays in the grid: April 2026 with Easter and veterans' day,
    // June 2004 with the flag days and the mourning flag.
    for (const QDate &today : {QDate(2026, 4, 28), QDate(2004, 6, 28)}) {
        tundrik::FakeClock when;
        when.setNow(today.year(), today.month(), today.day(), 10, 0, 0);
        TestHost host(when);
        host.setGeometry(100, 100, 460, 420);
        setWeekSettings(host, 2, 2, today);
        frmKalender month(host);
        month.tick();
        month.show();
        QVERIFY(QTest::qWaitForWindowExposed(&month));
        QTest::qWait(300);
        QVERIFY(month.grab().save(dir.filePath(
            QStringLiteral("kalender-%1-%2.png").arg(today.year()).arg(today.month(), 2, 10, QLatin1Char('0')))));
    }

    // June 2004 as the table has it; April 2026 with Easter; March 2005 with
    // names longer than a line; June 2011 with nine rows.
    const std::pair<int, int> months[] = {{2004, 6}, {2026, 4}, {2005, 3}, {2011, 6}};
    for (const auto &[year, month] : months) {
        frmPuhad holidays(month, year, &calendar);
        holidays.show();
        QVERIFY(QTest::qWaitForWindowExposed(&holidays));
        QTest::qWait(300);
        QVERIFY(holidays.grab().save(
            dir.filePath(QStringLiteral("puhad-%1-%2.png").arg(year).arg(month, 2, 10, QLatin1Char('0')))));
        if (!qEnvironmentVariableIsEmpty("TUNDRIK_SCREENSHOT_HOLD"))
            QTest::qWait(qEnvironmentVariableIntValue("TUNDRIK_SCREENSHOT_HOLD"));
    }
}

QTEST_MAIN(tst_calendarScreens)
#include "tst_calendarScreens.moc"

// Pictures of the calendar and the holidays window for a person to look at.
// Runs only when TUNDRIK_SCREENSHOT_DIR names a folder, on a real display:
//   TUNDRIK_SCREENSHOT_DIR=/tmp/shots QT_QPA_PLATFORM=xcb DISPLAY=:1 ./tst_calendarScreens
#include "calendartestsupport.h"

#include "calendar/frmPuhad.h"

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
    setWeekSettings(2, 1, QDate(2004, 1, 15));
    tundrik::FakeClock clock;
    clock.setNow(2004, 1, 15, 14, 25, 7);
    QWidget owner;
    owner.setGeometry(100, 100, 460, 420);
    frmKalender calendar(clock, &owner);
    calendar.tick();
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    QTest::qWait(300);
    QVERIFY(calendar.grab().save(dir.filePath(QStringLiteral("kalender-2004-01.png"))));

    tundrik::CalendarMonth = 6;
    tundrik::CalendarYear = 2004;
    frmPuhad holidays(&calendar);
    holidays.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holidays));
    QTest::qWait(300);
    QVERIFY(holidays.grab().save(dir.filePath(QStringLiteral("puhad-2004-06.png"))));
    if (!qEnvironmentVariableIsEmpty("TUNDRIK_SCREENSHOT_HOLD"))
        QTest::qWait(qEnvironmentVariableIntValue("TUNDRIK_SCREENSHOT_HOLD"));
}

QTEST_MAIN(tst_calendarScreens)
#include "tst_calendarScreens.moc"

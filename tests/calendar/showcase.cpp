// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: pictures of the calendar and the holidays window for a person
// to look at, saved in the folder given, on a real display:
//   QT_QPA_PLATFORM=xcb DISPLAY=:1 build/tests/calendar/calendar_showcase /tmp/shots
// With TUNDRIK_SCREENSHOT_HOLD=<ms> each holidays window stays up that long.
#include "calendartestsupport.h"
#include "fakeclock.h"

#include "frmpuhad.h"

#include <QDir>

#include <cstdio>

using namespace calendartest;

namespace {

int failures = 0;

// Shows the window, lets it settle and saves its own pixels as <file>.
void save(QWidget &window, const QDir &dir, const QString &file)
{
    window.show();
    bool saved = false;
    if (QTest::qWaitForWindowExposed(&window)) {
        QTest::qWait(300);
        saved = window.grab().save(dir.filePath(file));
    }
    if (!saved) {
        std::fprintf(stderr, "calendar_showcase: %s was not saved\n", qPrintable(file));
        ++failures;
    }
}

void pictures(const QDir &dir)
{
    // January 2004 under the rule of 1 January: the first row reads 53/1.
    tundrik::FakeClock clock;
    clock.setNow(2004, 1, 15, 14, 25, 7);
    TestHost owner(clock);
    owner.setGeometry(100, 100, 460, 420);
    setWeekSettings(owner, 2, 1, QDate(2004, 1, 15));
    frmKalender calendar(owner);
    calendar.tick();
    save(calendar, dir, QStringLiteral("kalender-2004-01.png"));

    // The last month there is, today on its last day, the cells after it
    // blank; the holidays in the grid: April 2026 with Easter and veterans'
    // day, June 2004 with the flag days and the mourning flag.
    for (const QDate &today : {QDate(9999, 12, 31), QDate(2026, 4, 28), QDate(2004, 6, 28)}) {
        tundrik::FakeClock when;
        when.setNow(today.year(), today.month(), today.day(), 10, 0, 0);
        TestHost host(when);
        host.setGeometry(100, 100, 460, 420);
        setWeekSettings(host, 2, 2, today);
        frmKalender month(host);
        month.tick();
        save(month, dir,
             QStringLiteral("kalender-%1-%2.png")
                 .arg(today.year())
                 .arg(today.month(), 2, 10, QLatin1Char('0')));
    }

    // June 2004 as the table has it; April 2026 with Easter; March 2005 with
    // names longer than a line; June 2011 with nine rows.
    const std::pair<int, int> months[] = {{2004, 6}, {2026, 4}, {2005, 3}, {2011, 6}};
    for (const auto &[year, month] : months) {
        frmPuhad holidays(month, year, &calendar);
        save(holidays, dir, QStringLiteral("puhad-%1-%2.png").arg(year).arg(month, 2, 10, QLatin1Char('0')));
        if (!qEnvironmentVariableIsEmpty("TUNDRIK_SCREENSHOT_HOLD"))
            QTest::qWait(qEnvironmentVariableIntValue("TUNDRIK_SCREENSHOT_HOLD"));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: calendar_showcase FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;
    installFonts();
    pictures(dir);
    return failures == 0 ? 0 : 1;
}

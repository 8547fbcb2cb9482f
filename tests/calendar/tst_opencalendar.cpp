// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar opened from the main window: F4 shows it modally over the
// main window, whose close button stays disabled until the calendar closes.
#include "calendartestsupport.h"
#include "fakeclock.h"

#include "frmaeg.h"
#include "windowopeners.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

using namespace calendartest;

class tst_opencalendar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFonts(); }
    void f4OpensTheCalendar();
};

void tst_opencalendar::f4OpensTheCalendar()
{
    tundrik::FakeClock clock;
    clock.setNow(2004, 2, 15, 12, 0, 30);
    frmAeg main(clock);
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QVERIFY(main.closeButton()->isEnabled());

    QString opened;
    int month = 0;
    bool closeEnabledWhileOpen = true;
    QString title;
    // The opener lets pending events run before it shows the window, so
    // look for it until it is there.
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll.stop();
        opened = modal->objectName();
        if (auto *calendar = qobject_cast<frmKalender *>(modal))
            month = calendar->CalendarMonth();
        closeEnabledWhileOpen = main.closeButton()->isEnabled();
        if (auto *t = modal->findChild<QLabel *>(QStringLiteral("lblKalender")))
            title = t->text();
        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
    });
    poll.start();
    QTest::keyClick(&main, Qt::Key_F4);
    QCOMPARE(opened, QStringLiteral("frmKalender"));
    QVERIFY(!closeEnabledWhileOpen);
    QCOMPARE(title, QStringLiteral("Veebruar  2004"));
    QVERIFY(main.closeButton()->isEnabled());
    QCOMPARE(month, 2);
}

QTEST_MAIN(tst_opencalendar)
#include "tst_opencalendar.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendartestsupport.h"
#include "fakeclock.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateTime>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTableView>
#include <QTextCharFormat>
#include <QTimer>

#include <memory>

using namespace calendartest;

class tst_frmkalender : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void layout();
    void weekLabels_data();
    void weekLabels();
    void weekdayHeaders_data();
    void weekdayHeaders();
    void todaysWeek_data();
    void todaysWeek();
    void stepAwayAndBack();
    void homeWhileTodayShownOnlyMovesFocus();
    void stepKeepsTheDay();
    void keys_data();
    void keys();
    void enterOpensHolidays();
    void dragOffMovesFocus();
    void choosingADayKeepsTheMonth();
    void heldKeyStepsOnce();
    void greyedDaysIgnoreClicks();
    void daysNamedForScreenReaders();
    void clock();
    void closeButtonOfOwner();
    void weekSettingsChangeFollowed();
    void firstAndLastMonths_data();
    void firstAndLastMonths();
    void gridShowsNoHolidays();
    void clockJumps_data();
    void clockJumps();

private:
    std::unique_ptr<frmKalender> open(int year, int month, int day, int hour = 12, int minute = 0,
                                      int second = 30, int millisecond = 0);
    tundrik::FakeClock m_clock;
    TestHost m_host {m_clock};
};

void tst_frmkalender::initTestCase()
{
    installFonts();
}

void tst_frmkalender::init()
{
    m_host.closeButton.clear();
    m_host.state.setHolidaysInCalendar(true);
}

std::unique_ptr<frmKalender> tst_frmkalender::open(int year, int month, int day, int hour, int minute,
                                                   int second, int millisecond)
{
    m_clock.setNow(year, month, day, hour, minute, second, millisecond);
    m_host.weekNumber = modArvutused::WeekNumberOf(datevalue::DateSerial(year, month, day),
                                                   m_host.state.FirstDayOfWeek(),
                                                   m_host.state.FirstWeekOfYear());
    return std::make_unique<frmKalender>(m_host);
}

void tst_frmkalender::layout()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 2, 10));
    auto w = open(2004, 2, 10);
    QCOMPARE(w->objectName(), QStringLiteral("frmKalender"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Tundrik {Kalender}"));
    QCOMPARE(label(w.get(), "lblKalender")->text(), QStringLiteral("Veebruar  2004"));
    QCOMPARE(button(w.get(), "cmdPühad")->text(), QStringLiteral("Veebruari pühad"));
    QCOMPARE(button(w.get(), "cmdLõpeta")->text(), QStringLiteral("X"));
    QCOMPARE(button(w.get(), "cmdLõpeta")->toolTip(), QStringLiteral(" Sule kalender (Esc) "));
    QCOMPARE(button(w.get(), "cmdJärgmineKuu")->toolTip(), QStringLiteral(" Järgmine kuu (PageUp)  "));
    QCOMPARE(button(w.get(), "cmdKuuAasta")->text(), QStringLiteral("<+>"));
    QVERIFY(w->findChild<MonthGrid *>(QStringLiteral("clnKalender")));
    QCOMPARE(w->findChildren<QFrame *>(QStringLiteral("lneEraldaja")).size(), 6);

    // The focus target lies below the visible client area and has the focus.
    QPushButton *fookus = button(w.get(), "cmdFookus");
    QVERIFY(fookus->geometry().top() >= w->height());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(QApplication::focusWidget(), fookus);

    // Every week label sits beside its grid row.
    QCalendarWidget *cal = w->grid()->calendarWidget();
    auto *view = cal->findChild<QTableView *>();
    for (int row = 0; row < 6; ++row) {
        const QLabel *l = weekLabel(w.get(), row);
        const QRect cell = view->visualRect(view->model()->index(row, 0));
        const int cellCentre = view->viewport()->mapTo(w.get(), cell.center()).y();
        const int labelCentre = l->mapTo(w.get(), l->rect().center()).y();
        QVERIFY2(qAbs(cellCentre - labelCentre) <= 2, QByteArray::number(row));
    }
}

void tst_frmkalender::weekLabels_data()
{
    QTest::addColumn<int>("firstWeek");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("expected");
    QTest::newRow("February 2004, row 6 in March") << 2 << 2004 << 2 << "5 6 7 8 9 [10]";
    QTest::newRow("March 2004, starts in row 2") << 2 << 2004 << 3 << "[9] 10 11 12 13 14";
    QTest::newRow("January 2005, 1st a Saturday") << 2 << 2005 << 1 << "53 1 2 3 4 5";
    QTest::newRow("January 2004, 1st a Thursday") << 2 << 2004 << 1 << "1 2 3 4 5 [6]";
    QTest::newRow("January 2004, week of 1 January") << 1 << 2004 << 1 << "53/1 2 3 4 5 [6]";
    QTest::newRow("December 2004") << 2 << 2004 << 12 << "49 50 51 52 53 [1]";
    QTest::newRow("December 2003") << 2 << 2003 << 12 << "[48] 49 50 51 52 1";
    QTest::newRow("December 2003, week of 1 January") << 1 << 2003 << 12 << "[48] 49 50 51 52 53/1";
    QTest::newRow("December 2003, first full week") << 3 << 2003 << 12 << "[47] 48 49 50 51 52";
}

void tst_frmkalender::weekLabels()
{
    QFETCH(int, firstWeek);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, expected);
    setWeekSettings(m_host, 2, firstWeek, QDate(year, month, 15));
    auto w = open(year, month, 15);
    QCOMPARE(weekLabelsText(w.get()), expected);
    QCOMPARE(w->CalendarYear(), year);
    QCOMPARE(w->CalendarMonth(), month);
}

void tst_frmkalender::weekdayHeaders_data()
{
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Monday") << 2 << "Esm Tei Kol Nel Ree Lau Püh";
    QTest::newRow("Sunday") << 1 << "Püh Esm Tei Kol Nel Ree Lau";
    QTest::newRow("Saturday") << 7 << "Lau Püh Esm Tei Kol Nel Ree";
}

void tst_frmkalender::weekdayHeaders()
{
    QFETCH(int, firstDay);
    QFETCH(QString, expected);
    setWeekSettings(m_host, firstDay, 2, QDate(2004, 2, 10));
    auto w = open(2004, 2, 10);
    QStringList got;
    for (const char *name : {"lblEsNP", "lblTeNP", "lblKoNP", "lblNeNP", "lblViNP", "lblKuNP", "lblSeNP"})
        got << label(w.get(), name)->text();
    QCOMPARE(got.join(QLatin1Char(' ')), expected);
    QCOMPARE(w->grid()->firstColumnWeekday(), firstDay);
    QCOMPARE(int(w->grid()->calendarWidget()->firstDayOfWeek()), firstDay == 1 ? 7 : firstDay - 1);
}

void tst_frmkalender::todaysWeek_data()
{
    QTest::addColumn<int>("firstWeek");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("italic");
    QTest::newRow("15 February 2004") << 2 << QDate(2004, 2, 15) << 2;
    QTest::newRow("1 March 2004, row 2") << 2 << QDate(2004, 3, 1) << 1;
    QTest::newRow("1 January 2005, week 53") << 2 << QDate(2005, 1, 1) << 0;
    QTest::newRow("31 January 2005, row 6") << 2 << QDate(2005, 1, 31) << 5;
    QTest::newRow("31 December 2003, week 1") << 2 << QDate(2003, 12, 31) << 5;
    QTest::newRow("31 December 2003, 53/1") << 1 << QDate(2003, 12, 31) << 5;
    QTest::newRow("31 December 2004, week 53") << 2 << QDate(2004, 12, 31) << 4;
    // The row reads 53/1 and today lies in its January part, week 1.
    QTest::newRow("1 January 2004, 53/1") << 1 << QDate(2004, 1, 1) << 0;
}

void tst_frmkalender::todaysWeek()
{
    QFETCH(int, firstWeek);
    QFETCH(QDate, today);
    QFETCH(int, italic);
    setWeekSettings(m_host, 2, firstWeek, today);
    auto w = open(today.year(), today.month(), today.day());
    QVERIFY(w->todayShown());
    QCOMPARE(italicRow(w.get()), italic);
    QVERIFY(w->grid()->isSelectionVisible());
    QCOMPARE(w->grid()->calendarWidget()->selectedDate(), today);
}

void tst_frmkalender::stepAwayAndBack()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 2, 15));
    auto w = open(2004, 2, 15);
    auto *view = w->grid()->calendarWidget()->findChild<QTableView *>();
    QVERIFY(view->selectionModel()->hasSelection());
    QCOMPARE(italicRow(w.get()), 2);

    // Given today's month, when the user steps to the next month,
    QTest::mouseClick(button(w.get(), "cmdJärgmineKuu"), Qt::LeftButton);
    // then no day is marked and no week label is italic.
    QCOMPARE(label(w.get(), "lblKalender")->text(), QStringLiteral("Märts  2004"));
    QVERIFY(!w->todayShown());
    QVERIFY(!view->selectionModel()->hasSelection());
    QCOMPARE(italicRow(w.get()), -1);

    QTest::mouseClick(button(w.get(), "cmdJärgmineAasta"), Qt::LeftButton);
    QCOMPARE(label(w.get(), "lblKalender")->text(), QStringLiteral("Märts  2005"));
    QVERIFY(!view->selectionModel()->hasSelection());

    // "<+>" comes back to today with its mark and italic week.
    QTest::mouseClick(button(w.get(), "cmdKuuAasta"), Qt::LeftButton);
    QCOMPARE(label(w.get(), "lblKalender")->text(), QStringLiteral("Veebruar  2004"));
    QVERIFY(w->todayShown());
    QVERIFY(view->selectionModel()->hasSelection());
    QCOMPARE(w->grid()->calendarWidget()->selectedDate(), QDate(2004, 2, 15));
    QCOMPARE(italicRow(w.get()), 2);

    // So does Home, and stepping back by hand.
    QTest::mouseClick(button(w.get(), "cmdEelmineAasta"), Qt::LeftButton);
    QCOMPARE(italicRow(w.get()), -1);
    QTest::keyClick(button(w.get(), "cmdFookus"), Qt::Key_Home);
    QCOMPARE(italicRow(w.get()), 2);
    QTest::mouseClick(button(w.get(), "cmdEelmineKuu"), Qt::LeftButton);
    QTest::mouseClick(button(w.get(), "cmdJärgmineKuu"), Qt::LeftButton);
    QVERIFY(w->todayShown());
    QCOMPARE(italicRow(w.get()), 2);
    QCOMPARE(w->focusWidget(), button(w.get(), "cmdFookus"));
}

void tst_frmkalender::homeWhileTodayShownOnlyMovesFocus()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 2, 15));
    auto w = open(2004, 2, 15);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    // The user chooses another day of the month and leaves the focus on the step button.
    w->grid()->setDay(20);
    QPushButton *step = button(w.get(), "cmdKuuAasta");
    step->setFocus();
    QSignalSpy spy(w->grid()->calendarWidget(), &QCalendarWidget::selectionChanged);
    QTest::mouseClick(step, Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(w->grid()->selectedDate(), QDate(2004, 2, 20));
    QCOMPARE(w->focusWidget(), button(w.get(), "cmdFookus"));
}

void tst_frmkalender::stepKeepsTheDay()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 1, 31));
    auto w = open(2004, 1, 31);
    QTest::mouseClick(button(w.get(), "cmdJärgmineKuu"), Qt::LeftButton);
    QCOMPARE(w->grid()->selectedDate(), QDate(2004, 2, 29));
    QTest::mouseClick(button(w.get(), "cmdJärgmineAasta"), Qt::LeftButton);
    QCOMPARE(w->grid()->selectedDate(), QDate(2005, 2, 28));
    QTest::mouseClick(button(w.get(), "cmdEelmineAasta"), Qt::LeftButton);
    QTest::mouseClick(button(w.get(), "cmdEelmineKuu"), Qt::LeftButton);
    QCOMPARE(w->grid()->selectedDate(), QDate(2004, 1, 31));
    QVERIFY(w->todayShown());
    QCOMPARE(italicRow(w.get()), 4);
}

void tst_frmkalender::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("title");
    QTest::newRow("PageUp") << int(Qt::Key_PageUp) << 0 << "Märts  2004";
    QTest::newRow("Ctrl+PageUp") << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << "Veebruar  2005";
    QTest::newRow("Ctrl+Shift+PageUp is a month")
        << int(Qt::Key_PageUp) << int(Qt::ControlModifier | Qt::ShiftModifier) << "Märts  2004";
    QTest::newRow("PageDown") << int(Qt::Key_PageDown) << 0 << "Jaanuar  2004";
    QTest::newRow("Ctrl+PageDown") << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << "Veebruar  2003";
    QTest::newRow("Alt+PageDown is a month")
        << int(Qt::Key_PageDown) << int(Qt::AltModifier) << "Jaanuar  2004";
    QTest::newRow("Home in today's month") << int(Qt::Key_Home) << 0 << "Veebruar  2004";
}

void tst_frmkalender::keys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, title);
    setWeekSettings(m_host, 2, 2, QDate(2004, 2, 15));
    auto w = open(2004, 2, 15);
    QPushButton *fookus = button(w.get(), "cmdFookus");
    // The step comes with the press; the release (with or without the
    // modifiers, let go first or not) adds nothing.
    QTest::keyPress(fookus, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(label(w.get(), "lblKalender")->text(), title);
    QTest::keyRelease(fookus, Qt::Key(key), Qt::NoModifier);
    QCOMPARE(label(w.get(), "lblKalender")->text(), title);
    // The same key on another button does nothing.
    QTest::keyClick(button(w.get(), "cmdLõpeta"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(label(w.get(), "lblKalender")->text(), title);
}

void tst_frmkalender::enterOpensHolidays()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 6, 15));
    auto w = open(2004, 6, 15);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QString opened;
    QTimer::singleShot(0, this, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    QTest::keyClick(button(w.get(), "cmdFookus"), Qt::Key_Return);
    QCOMPARE(opened, QStringLiteral("frmPühad"));
    QVERIFY(w->isVisible());
    QCOMPARE(w->focusWidget(), button(w.get(), "cmdFookus"));
}

void tst_frmkalender::dragOffMovesFocus()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 2, 15));
    auto w = open(2004, 2, 15);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QPushButton *fookus = button(w.get(), "cmdFookus");
    for (const char *name : {"cmdEelmineAasta", "cmdEelmineKuu", "cmdJärgmineAasta", "cmdJärgmineKuu",
                             "cmdKuuAasta", "cmdLõpeta", "cmdPühad"}) {
        QPushButton *b = button(w.get(), name);
        b->setFocus();
        auto move = [&](QPoint p, Qt::MouseButtons held) {
            QMouseEvent e(QEvent::MouseMove, p, b->mapToGlobal(p), Qt::NoButton, held, Qt::NoModifier);
            QApplication::sendEvent(b, &e);
        };
        move(QPoint(2, 2), Qt::LeftButton); // inside
        move(QPoint(b->width() + 5, 2), Qt::RightButton); // another button
        move(QPoint(-1, 2), Qt::LeftButton | Qt::RightButton); // not exactly left
        QCOMPARE(w->focusWidget(), b);
        move(QPoint(2, b->height()), Qt::LeftButton); // off the bottom edge
        QVERIFY2(w->focusWidget() == fookus, name);
    }
}

void tst_frmkalender::choosingADayKeepsTheMonth()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 2, 15));
    auto w = open(2004, 2, 15);
    const QString labels = weekLabelsText(w.get());
    QCalendarWidget *cal = w->grid()->calendarWidget();
    cal->setSelectedDate(QDate(2004, 2, 3)); // as a click on the 3rd does
    QCOMPARE(w->grid()->selectedDate(), QDate(2004, 2, 3));
    // A day of the next month (or the calendar's own page keys) would leave the month.
    cal->setSelectedDate(QDate(2004, 3, 2));
    QCOMPARE(cal->monthShown(), 2);
    QCOMPARE(w->grid()->selectedDate(), QDate(2004, 2, 3));
    cal->setCurrentPage(2004, 5);
    QCOMPARE(cal->monthShown(), 2);
    QCOMPARE(weekLabelsText(w.get()), labels);
    QCOMPARE(w->CalendarMonth(), 2);
}

// A held key repeats: the window system sends release and press pairs,
// marked as repeats or (when it cannot tell in time) only stamped alike.
void tst_frmkalender::heldKeyStepsOnce()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 2, 15));
    auto w = open(2004, 2, 15);
    QPushButton *fookus = button(w.get(), "cmdFookus");
    auto send = [fookus](QEvent::Type type, Qt::KeyboardModifiers mods, bool repeat, quint64 time) {
        QKeyEvent e(type, Qt::Key_PageUp, mods, QString(), repeat);
        e.setTimestamp(time);
        QApplication::sendEvent(fookus, &e);
    };
    send(QEvent::KeyPress, Qt::NoModifier, false, 1000);
    for (quint64 t = 1500; t < 2000; t += 33) {
        send(QEvent::KeyRelease, Qt::NoModifier, t % 2 == 0, t);
        send(QEvent::KeyPress, Qt::NoModifier, t % 2 == 0, t);
    }
    send(QEvent::KeyRelease, Qt::NoModifier, false, 2100);
    QCOMPARE(label(w.get(), "lblKalender")->text(), QStringLiteral("Märts  2004"));
    // Ctrl held at the press decides, though it is let go before the key.
    send(QEvent::KeyPress, Qt::ControlModifier, false, 3000);
    send(QEvent::KeyRelease, Qt::NoModifier, false, 3100);
    QCOMPARE(label(w.get(), "lblKalender")->text(), QStringLiteral("Märts  2005"));
}

// A click on a greyed day of a neighbouring month marks nothing and moves
// nothing; a click inside the month chooses that day.
void tst_frmkalender::greyedDaysIgnoreClicks()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 7, 30));
    auto w = open(2004, 5, 30);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    // Move to July (today is in May, so nothing is marked there).
    QTest::keyPress(button(w.get(), "cmdFookus"), Qt::Key_PageUp);
    QTest::keyPress(button(w.get(), "cmdFookus"), Qt::Key_PageUp);
    QCOMPARE(w->CalendarMonth(), 7);
    QVERIFY(!w->todayShown());
    auto *view = w->grid()->calendarWidget()->findChild<QTableView *>();
    QVERIFY(view);
    auto cellOf = [view](int row, int day) {
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            const QModelIndex i = view->model()->index(row, c);
            if (i.data(Qt::DisplayRole).toInt() == day)
                return view->visualRect(i).center();
        }
        return QPoint(-1, -1);
    };
    const QDate before = w->grid()->selectedDate();
    const QPoint june28 = cellOf(0, 28); // Monday 28 June 2004, first row
    QVERIFY(june28.x() >= 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, june28);
    QCOMPARE(w->CalendarMonth(), 7);
    QCOMPARE(w->grid()->selectedDate(), before);
    QVERIFY(view->selectionModel()->selectedIndexes().isEmpty());
    const QPoint august1 = cellOf(4, 1);
    QVERIFY(august1.x() >= 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, august1);
    QCOMPARE(w->CalendarMonth(), 7);
    QVERIFY(view->selectionModel()->selectedIndexes().isEmpty());
    // A day of July is chosen.
    const QPoint july14 = cellOf(2, 14);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, july14);
    QCOMPARE(w->grid()->selectedDate(), QDate(2004, 7, 14));
}

// Each cell of the grid is named by its whole date and ISO week (Monday and
// the first four-day week); the greyed days of the neighbouring months say
// so and cannot be chosen. Checked against QDate's own weeks over 31 years of
// months, and at the edges of the years the grid can show.
void tst_frmkalender::daysNamedForScreenReaders()
{
    static const char *const weekdays[] = {"Esmaspäev", "Teisipäev", "Kolmapäev", "Neljapäev",
                                           "Reede",     "Laupäev",   "Pühapäev"};
    static const char *const months[] = {"jaanuar",   "veebruar", "märts",    "aprill",
                                         "mai",       "juuni",    "juuli",    "august",
                                         "september", "oktoober", "november", "detsember"};
    setWeekSettings(m_host, 2, 2, QDate(2004, 1, 5));
    // With the holidays off the names are those of the days alone.
    m_host.state.setHolidaysInCalendar(false);
    auto w = open(2004, 1, 5);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    MonthGrid *grid = w->grid();
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid->dayView());
    QVERIFY(table);
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->childCount(), 42);
    QVERIFY(table->tableInterface());
    QCOMPARE(table->tableInterface()->cellAt(0, 1)->text(QAccessible::Name),
             QStringLiteral("Teisipäev, 30. detsember 2003, 1. nädal, eelmine kuu"));
    QCOMPARE(table->tableInterface()->cellAt(1, 0)->text(QAccessible::Name),
             QStringLiteral("Esmaspäev, 5. jaanuar 2004, 2. nädal"));

    auto check = [&](int year, int month) {
        grid->setYear(year);
        grid->setMonth(month);
        const QDate first(year, month, 1);
        // The 1st is never in the first column's first row: a whole week before it.
        const int lead = (first.dayOfWeek() - 1) == 0 ? 7 : first.dayOfWeek() - 1;
        for (int i = 0; i < 42; ++i) {
            const QDate date = first.addDays(i - lead);
            QAccessibleInterface *cell = table->child(i);
            QString expected;
            if (date >= QDate(100, 1, 1) && date <= QDate(9999, 12, 31)) {
                expected = QString::fromUtf8(weekdays[date.dayOfWeek() - 1]) + QStringLiteral(", ")
                    + QString::number(date.day()) + QStringLiteral(". ")
                    + QString::fromUtf8(months[date.month() - 1]) + QLatin1Char(' ')
                    + QString::number(date.year()) + QStringLiteral(", ") + QString::number(date.weekNumber())
                    + QStringLiteral(". nädal");
                if (date < first)
                    expected += QStringLiteral(", eelmine kuu");
                else if (date.month() != month)
                    expected += QStringLiteral(", järgmine kuu");
            }
            if (cell->text(QAccessible::Name) != expected)
                return QStringLiteral("%1-%2 cell %3: %4, expected %5")
                    .arg(year)
                    .arg(month)
                    .arg(i)
                    .arg(cell->text(QAccessible::Name), expected);
            const bool choosable = !expected.isEmpty() && date.month() == month;
            if (cell->state().disabled == choosable || cell->tableCellInterface()->rowIndex() != i / 7)
                return QStringLiteral("%1-%2 cell %3: state").arg(year).arg(month).arg(i);
        }
        return QString();
    };
    for (int year = 2000; year <= 2030; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QString fault = check(year, month);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }
    for (const QDate &edge : {QDate(100, 1, 1), QDate(100, 2, 1), QDate(9999, 12, 1)}) {
        const QString fault = check(edge.year(), edge.month());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Press on a day of the shown month chooses it; on a greyed day, nothing.
    grid->setYear(2004);
    grid->setMonth(7);
    grid->setDay(2);
    QAccessibleInterface *june28 = table->tableInterface()->cellAt(0, 0);
    QVERIFY(june28->actionInterface()->actionNames().isEmpty());
    june28->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(grid->selectedDate(), QDate(2004, 7, 2));
    QAccessibleInterface *july14 = table->tableInterface()->cellAt(2, 2);
    QCOMPARE(july14->text(QAccessible::Name), QStringLiteral("Kolmapäev, 14. juuli 2004, 29. nädal"));
    QVERIFY(!july14->state().selected);
    july14->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(grid->selectedDate(), QDate(2004, 7, 14));
    QVERIFY(july14->state().selected);
    QCOMPARE(table->tableInterface()->selectedCellCount(), 1);
}

void tst_frmkalender::clock()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 2, 15));
    // Opened during the first second of a minute: the clock stays empty.
    auto w = open(2004, 2, 15, 9, 5, 0, 200);
    QLabel *kell = label(w.get(), "lblKell");
    QVERIFY(kell->text().isEmpty());
    w->tick();
    QVERIFY(kell->text().isEmpty());
    m_clock.advance(700);
    w->tick();
    QVERIFY(kell->text().isEmpty());
    m_clock.advance(100); // 09:05:01.000
    w->tick();
    QCOMPARE(kell->text(), QStringLiteral("09:05:01"));
    m_clock.advance(58999); // 09:05:59.999
    w->tick();
    QCOMPARE(kell->text(), QStringLiteral("09:05:59"));
    m_clock.setNow(2004, 2, 15, 23, 59, 59, 0);
    w->tick(); // the same second of the minute: nothing to write
    QCOMPARE(kell->text(), QStringLiteral("09:05:59"));
    m_clock.advance(1000);
    w->tick();
    QCOMPARE(kell->text(), QStringLiteral("00:00:00"));

    // tmrKell wakes just after the turn of each second of the clock (here
    // 00:00:00.000, so a whole second and the margin), not every 40 ms.
    auto *tmrKell = w->findChild<QTimer *>(QStringLiteral("tmrKell"));
    QVERIFY(tmrKell->isActive());
    QCOMPARE(tmrKell->timerType(), Qt::PreciseTimer);
    QTRY_COMPARE(tmrKell->interval(), 1002);
}

void tst_frmkalender::closeButtonOfOwner()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 2, 15));
    auto w = open(2004, 2, 15);
    QCOMPARE(m_host.closeButton, QList<bool> {false});
    w->show();
    QTest::keyClick(button(w.get(), "cmdFookus"), Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    QCOMPARE(m_host.closeButton, (QList<bool> {false, true}));
    w.reset();
    QCOMPARE(m_host.closeButton, (QList<bool> {false, true}));
}

// A change of the week settings while the window is open shows at once: the
// grid's first column, the weekday headers and the week labels follow.
void tst_frmkalender::weekSettingsChangeFollowed()
{
    setWeekSettings(m_host, 2, 2, QDate(2004, 1, 15));
    auto w = open(2004, 1, 15);
    QCOMPARE(weekLabelsText(w.get()), QStringLiteral("1 2 3 4 5 [6]"));
    QCOMPARE(label(w.get(), "lblEsNP")->text(), QStringLiteral("Esm"));
    setWeekSettings(m_host, 1, 1, QDate(2004, 1, 15));
    QCOMPARE(w->grid()->firstColumnWeekday(), 1);
    QCOMPARE(label(w.get(), "lblEsNP")->text(), QStringLiteral("Püh"));
    QCOMPARE(label(w.get(), "lblSeNP")->text(), QStringLiteral("Lau"));
    QCOMPARE(weekLabelsText(w.get()), QStringLiteral("53/1 2 3 4 5 [6]"));
    QCOMPARE(italicRow(w.get()), 2);
}

void tst_frmkalender::firstAndLastMonths_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("weeks");
    const int ctrl = int(Qt::ControlModifier);
    // Default week settings: 1.1.100 is a Friday in week 53 of the year 99
    // (Python's ISO calendar agrees); 31.12.9999 a Friday in week 52.
    QTest::newRow("31.12.9999, next month")
        << QDate(9999, 12, 31) << int(Qt::Key_PageUp) << 0 << "Detsember  9999"
        << "48 49 50 51 52 [1]";
    QTest::newRow("31.12.9999, next year")
        << QDate(9999, 12, 31) << int(Qt::Key_PageUp) << ctrl << "Detsember  9999"
        << "48 49 50 51 52 [1]";
    QTest::newRow("31.12.9999, previous month")
        << QDate(9999, 12, 31) << int(Qt::Key_PageDown) << 0 << "November  9999"
        << "";
    QTest::newRow("15.6.9998, next year")
        << QDate(9998, 6, 15) << int(Qt::Key_PageUp) << ctrl << "Juuni  9999"
        << "";
    QTest::newRow("1.1.100, previous month")
        << QDate(100, 1, 1) << int(Qt::Key_PageDown) << 0 << "Jaanuar  100"
        << "53 1 2 3 4 [5]";
    QTest::newRow("1.1.100, previous year")
        << QDate(100, 1, 1) << int(Qt::Key_PageDown) << ctrl << "Jaanuar  100"
        << "53 1 2 3 4 [5]";
    QTest::newRow("1.1.100, next month") << QDate(100, 1, 1) << int(Qt::Key_PageUp) << 0 << "Veebruar  100"
                                         << "";
}

// The first and the last month of the date value can be shown, with today
// marked in them, and the steps stop there.
void tst_frmkalender::firstAndLastMonths()
{
    QFETCH(QDate, today);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QFETCH(QString, weeks);
    setWeekSettings(m_host, 2, 2, today);
    auto w = open(today.year(), today.month(), today.day());
    QCOMPARE(label(w.get(), "lblKalender")->text(),
             QString::fromUtf8(today.month() == 12      ? "Detsember"
                                   : today.month() == 1 ? "Jaanuar"
                                                        : "Juuni")
                 + QStringLiteral("  ") + QString::number(today.year()));
    QVERIFY(w->todayShown());
    QVERIFY(w->grid()->isSelectionVisible());
    QCOMPARE(w->grid()->calendarWidget()->selectedDate(), today);
    const int row = int(firstGridDay(today.year(), today.month(), 2).daysTo(today) / 7);
    QCOMPARE(italicRow(w.get()), row);

    QTest::keyClick(button(w.get(), "cmdFookus"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(label(w.get(), "lblKalender")->text(), after);
    if (!weeks.isEmpty()) {
        QCOMPARE(weekLabelsText(w.get()), weeks);
        QVERIFY(w->todayShown());
    }
    QCOMPARE(w->grid()->calendarWidget()->yearShown(), w->grid()->year());
    QCOMPARE(w->grid()->calendarWidget()->monthShown(), w->grid()->month());
}

// With the holidays off, Good Friday and Easter stand in the holidays
// listing only; the grid draws their days as any other.
void tst_frmkalender::gridShowsNoHolidays()
{
    setWeekSettings(m_host, 2, 2, QDate(2026, 4, 5));
    m_host.state.setHolidaysInCalendar(false);
    auto w = open(2026, 4, 5);
    QCalendarWidget *cal = w->grid()->calendarWidget();
    QVERIFY(cal->dateTextFormat().isEmpty());
    QCOMPARE(cal->dateTextFormat(QDate(2026, 4, 3)), cal->dateTextFormat(QDate(2026, 4, 10)));
}

void tst_frmkalender::clockJumps_data()
{
    QTest::addColumn<QDateTime>("opened");
    QTest::addColumn<QList<QDateTime>>("clock"); // the clock's readings at the ticks after opening
    QTest::addColumn<QString>("title"); // the month shown after them
    QTest::addColumn<QDate>("marked"); // the day marked, or none
    QTest::addColumn<QString>("italicWeek"); // caption of the italic week label, or none
    QTest::addColumn<QString>("todaysTitle"); // the month Home then shows
    QTest::addColumn<QString>("todaysWeek"); // with the caption of its italic week label

    const auto at = [](int y, int mo, int d, int h, int mi, int s) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
    };
    const QDateTime march28 = at(2026, 3, 28, 12, 0, 0);
    QTest::newRow("forward from 28 March to 31 December 23:59:55")
        << march28 << QList<QDateTime> {at(2026, 12, 31, 23, 59, 55)} << "Märts  2026" << QDate() << ""
        << "Detsember  2026"
        << "53";
    QList<QDateTime> acrossYearEnd {at(2026, 12, 31, 23, 59, 55)};
    for (int s = 1; s <= 7; ++s)
        acrossYearEnd << acrossYearEnd.first().addSecs(s);
    QTest::newRow("then on across the year end") << march28 << acrossYearEnd << "Märts  2026" << QDate() << ""
                                                 << "Jaanuar  2027"
                                                 << "53";
    QTest::newRow("forward across midnight into a new week")
        << at(2026, 4, 19, 23, 59, 58)
        << QList<QDateTime> {at(2026, 4, 19, 23, 59, 59), at(2026, 4, 20, 0, 0, 0)} << "Aprill  2026"
        << QDate(2026, 4, 20) << "17"
        << "Aprill  2026"
        << "17";
    QTest::newRow("forward into the next month")
        << at(2026, 4, 30, 23, 59, 59) << QList<QDateTime> {at(2026, 5, 1, 0, 0, 1)} << "Aprill  2026"
        << QDate() << ""
        << "Mai  2026"
        << "18";
    QTest::newRow("back an hour, same day")
        << at(2026, 4, 15, 12, 30, 0)
        << QList<QDateTime> {at(2026, 4, 15, 11, 30, 0), at(2026, 4, 15, 11, 30, 1)} << "Aprill  2026"
        << QDate(2026, 4, 15) << "16"
        << "Aprill  2026"
        << "16";
    QTest::newRow("back across midnight")
        << at(2026, 4, 20, 0, 0, 10) << QList<QDateTime> {at(2026, 4, 19, 23, 59, 50)} << "Aprill  2026"
        << QDate(2026, 4, 19) << "16"
        << "Aprill  2026"
        << "16";
    QTest::newRow("back across midnight into the month before")
        << at(2027, 1, 1, 0, 0, 30)
        << QList<QDateTime> {at(2026, 12, 31, 23, 30, 30), at(2026, 12, 31, 23, 30, 31)} << "Jaanuar  2027"
        << QDate() << ""
        << "Detsember  2026"
        << "53";
}

// The clock moves on or is set while the calendar is open: today's marking
// follows the date at the next tick, the shown month never changes by
// itself, and Home shows today's month with today marked.
void tst_frmkalender::clockJumps()
{
    QFETCH(QDateTime, opened);
    QFETCH(QList<QDateTime>, clock);
    QFETCH(QString, title);
    QFETCH(QDate, marked);
    QFETCH(QString, italicWeek);
    QFETCH(QString, todaysTitle);
    QFETCH(QString, todaysWeek);
    setWeekSettings(m_host, 2, 2, opened.date());
    auto w = open(opened.date().year(), opened.date().month(), opened.date().day(), opened.time().hour(),
                  opened.time().minute(), opened.time().second());
    QVERIFY(w->todayShown());

    for (const QDateTime &t : clock) {
        m_clock.setNow(t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(),
                       t.time().second());
        w->tick();
    }
    const QDateTime now = clock.last();
    QCOMPARE(label(w.get(), "lblKalender")->text(), title);
    QCOMPARE(label(w.get(), "lblKell")->text(), now.time().toString(QStringLiteral("HH:mm:ss")));
    QCOMPARE(w->todayShown(), marked.isValid());
    QCOMPARE(w->grid()->isSelectionVisible(), marked.isValid());
    const int italic = italicRow(w.get());
    QCOMPARE(italic >= 0 ? weekLabel(w.get(), italic)->text() : QString(), italicWeek);
    if (marked.isValid())
        QCOMPARE(w->grid()->calendarWidget()->selectedDate(), marked);

    QTest::keyClick(button(w.get(), "cmdFookus"), Qt::Key_Home);
    QCOMPARE(label(w.get(), "lblKalender")->text(), todaysTitle);
    QVERIFY(w->todayShown());
    QCOMPARE(w->grid()->calendarWidget()->selectedDate(), now.date());
    QVERIFY(italicRow(w.get()) >= 0);
    QCOMPARE(weekLabel(w.get(), italicRow(w.get()))->text(), todaysWeek);
}

QTEST_MAIN(tst_frmkalender)
#include "tst_frmkalender.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The week labels of the calendar window against the grid they stand beside:
// for every month of 1900 to 2299 and of the first and last years of the
// date value under every first day of the week and every first-week rule,
// and for every month of 100 to 9999 under the default settings, each
// enabled label names the weeks of the dates in its grid row and each greyed
// label stands beside a row wholly outside the month.
#include "calendartestsupport.h"
#include "fakeclock.h"

#include <QCalendarWidget>
#include <QElapsedTimer>
#include <QSet>
#include <QTableView>

#include <memory>

using namespace calendartest;

using weekgrid::expectedCaption;

class tst_weeklabels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void gridLayout_data();
    void gridLayout();
    void everyMonthEveryRule_data();
    void everyMonthEveryRule();
    void everyMonthOfTheDateValue();
    void cellsOutsideTheDateValueAreBlank_data();
    void cellsOutsideTheDateValueAreBlank();
    void todaysWeekEveryDay();

private:
    QString checkLabels(int year, int month, int firstDay, int firstWeek);
    tundrik::FakeClock m_clock;
    TestHost m_host {m_clock};
    std::unique_ptr<frmKalender> m_window;
};

void tst_weeklabels::initTestCase()
{
    installFonts();
    m_clock.setNow(2004, 2, 15, 12, 0, 30);
    m_window = std::make_unique<frmKalender>(m_host);
}

void tst_weeklabels::gridLayout_data()
{
    QTest::addColumn<int>("firstDay");
    for (int f = 1; f <= 7; ++f)
        QTest::addRow("first day %d", f) << f;
}

// The calendar widget lays out the months as the week labels assume: the
// cells read the days from firstGridDay on, and a month whose 1st falls on
// the first column starts in row 2.
void tst_weeklabels::gridLayout()
{
    QFETCH(int, firstDay);
    MonthGrid *grid = m_window->grid();
    grid->setFirstColumnWeekday(firstDay);
    auto *view = grid->calendarWidget()->findChild<QTableView *>();
    QVERIFY(view);
    QCOMPARE(view->model()->rowCount(), 6);
    QCOMPARE(view->model()->columnCount(), 7);
    int startsInRow2 = 0;
    for (int year : {2003, 2004}) {
        for (int month = 1; month <= 12; ++month) {
            grid->setYear(year);
            grid->setMonth(month);
            const QDate first = firstGridDay(year, month, firstDay);
            for (int r = 0; r < 6; ++r)
                for (int c = 0; c < 7; ++c)
                    QCOMPARE(view->model()->index(r, c).data().toInt(), first.addDays(7 * r + c).day());
            if (first.addDays(7).day() == 1) {
                ++startsInRow2;
                QCOMPARE(view->model()->index(0, 0).data().toInt(), first.day());
                QVERIFY(first.day() > 20);
            }
        }
    }
    QVERIFY(startsInRow2 > 0);
}

// Empty when the labels of the month the window shows stand right.
QString tst_weeklabels::checkLabels(int year, int month, int firstDay, int firstWeek)
{
    const QDate first = firstGridDay(year, month, firstDay);
    for (int r = 0; r < 6; ++r) {
        const QLabel *l = weekLabel(m_window.get(), r);
        const QDate rowStart = first.addDays(7 * r);
        const bool inMonth = weekgrid::rowInMonth(rowStart, month);
        const QString expected = expectedCaption(rowStart, firstDay, firstWeek);
        if (l->isEnabled() && inMonth && l->text() == expected)
            continue;
        if (!l->isEnabled() && !inMonth)
            continue;
        return QStringLiteral("%1-%2, first day %3, rule %4, row %5: '%6' %7, expected '%8' %9")
            .arg(year)
            .arg(month)
            .arg(firstDay)
            .arg(firstWeek)
            .arg(r + 1)
            .arg(l->text(), l->isEnabled() ? "enabled" : "greyed", expected, inMonth ? "enabled" : "greyed");
    }
    return {};
}

void tst_weeklabels::everyMonthEveryRule_data()
{
    QTest::addColumn<int>("fromYear");
    QTest::addColumn<int>("toYear");
    QTest::newRow("1900-2299") << 1900 << 2299;
    QTest::newRow("first years") << 100 << 101;
    QTest::newRow("last years") << 9998 << 9999;
}

void tst_weeklabels::everyMonthEveryRule()
{
    QFETCH(int, fromYear);
    QFETCH(int, toYear);
    QElapsedTimer timer;
    timer.start();
    MonthGrid *grid = m_window->grid();
    int checked = 0;
    for (int firstDay = 1; firstDay <= 7; ++firstDay) {
        for (int firstWeek = 1; firstWeek <= 3; ++firstWeek) {
            m_host.state.setFirstDayOfWeek(firstDay);
            m_host.state.setFirstWeekOfYear(firstWeek);
            grid->setFirstColumnWeekday(firstDay);
            for (int year = fromYear; year <= toYear; ++year) {
                grid->setYear(year);
                for (int month = 1; month <= 12; ++month) {
                    grid->setMonth(month);
                    m_window->RefreshMonth();
                    const QString fault = checkLabels(year, month, firstDay, firstWeek);
                    if (!fault.isEmpty())
                        QFAIL(qPrintable(fault));
                    ++checked;
                }
            }
        }
    }
    QCOMPARE(checked, 21 * (toYear - fromYear + 1) * 12);
    qInfo("%d months in %lld ms", checked, timer.elapsed());
}

// Every month of the date value's years, under the default settings.
void tst_weeklabels::everyMonthOfTheDateValue()
{
    MonthGrid *grid = m_window->grid();
    m_host.state.setFirstDayOfWeek(2);
    m_host.state.setFirstWeekOfYear(2);
    grid->setFirstColumnWeekday(2);
    for (int year = datevalue::kMinYear; year <= datevalue::kMaxYear; ++year) {
        grid->setYear(year);
        for (int month = 1; month <= 12; ++month) {
            grid->setMonth(month);
            m_window->RefreshMonth();
            QCOMPARE(m_window->CalendarYear(), year);
            QCOMPARE(m_window->CalendarMonth(), month);
            const QString fault = checkLabels(year, month, 2, 2);
            if (!fault.isEmpty())
                QFAIL(qPrintable(fault));
        }
    }
}

// The cells of January 100 before the 1st and of December 9999 after the
// 31st stay blank; every other cell shows its day.
void tst_weeklabels::cellsOutsideTheDateValueAreBlank_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("firstDay");
    for (int f = 1; f <= 7; ++f) {
        QTest::addRow("January 100, first day %d", f) << 100 << 1 << f;
        QTest::addRow("December 9999, first day %d", f) << 9999 << 12 << f;
    }
}

void tst_weeklabels::cellsOutsideTheDateValueAreBlank()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, firstDay);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    MonthGrid *grid = m_window->grid();
    grid->setFirstColumnWeekday(firstDay);
    grid->setYear(year);
    grid->setMonth(month);
    grid->setSelectionVisible(false);
    auto *view = grid->calendarWidget()->findChild<QTableView *>();
    const QImage image = view->viewport()->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QDate first = firstGridDay(year, month, firstDay);
    int blank = 0;
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 7; ++c) {
            const QDate d = first.addDays(7 * r + c);
            // The inside of the cell, without the grid lines.
            const QRect cell = view->visualRect(view->model()->index(r, c)).adjusted(2, 2, -2, -2);
            QSet<QRgb> colours;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    colours.insert(image.pixel(QPoint(int(x * ratio), int(y * ratio))));
            const bool inRange = d >= QDate(100, 1, 1) && d <= QDate(9999, 12, 31);
            QVERIFY2(inRange == (colours.size() > 1),
                     qPrintable(QStringLiteral("%1.%2.%3: %4 colours")
                                    .arg(d.day())
                                    .arg(d.month())
                                    .arg(d.year())
                                    .arg(colours.size())));
            blank += !inRange;
        }
    }
    QVERIFY(blank > 0);
}

// Today's week label is the one beside today's row, for every day of a few
// years around the turns of the years, under every setting.
void tst_weeklabels::todaysWeekEveryDay()
{
    MonthGrid *grid = m_window->grid();
    for (int firstDay = 1; firstDay <= 7; ++firstDay) {
        for (int firstWeek = 1; firstWeek <= 3; ++firstWeek) {
            grid->setFirstColumnWeekday(firstDay);
            for (QDate d(2003, 12, 1); d <= QDate(2005, 1, 31); d = d.addDays(1)) {
                setWeekSettings(m_host, firstDay, firstWeek, d);
                m_clock.setNow(d.year(), d.month(), d.day(), 12, 0, 30);
                grid->setYear(d.year());
                grid->setMonth(d.month());
                grid->setDay(d.day());
                m_window->RefreshMonth();
                const int row = int(firstGridDay(d.year(), d.month(), firstDay).daysTo(d) / 7);
                if (italicRow(m_window.get()) != row)
                    QFAIL(
                        qPrintable(QStringLiteral("%1, first day %2, rule %3: italic row %4, today in row %5")
                                       .arg(d.toString(Qt::ISODate))
                                       .arg(firstDay)
                                       .arg(firstWeek)
                                       .arg(italicRow(m_window.get()) + 1)
                                       .arg(row + 1)));
            }
        }
    }
}

QTEST_MAIN(tst_weeklabels)
#include "tst_weeklabels.moc"

// The week labels of the calendar window against the grid they stand beside:
// for every month of 1900 to 2299 under every first day of the week and
// every first-week rule, each enabled label names the weeks of the dates in
// its grid row and each greyed label stands beside a row wholly outside the
// month.
#include "calendartestsupport.h"

#include <QCalendarWidget>
#include <QElapsedTimer>
#include <QTableView>

#include <memory>

using namespace calendartest;

namespace {

int weekOf(const QDate &d, int firstDay, int firstWeek)
{
    return modArvutused::WeekNumberOf(datevalue::DateSerial(d.year(), d.month(), d.day()), firstDay,
                                      firstWeek);
}

// The caption a grid row must carry: its week number, or "53/1" for a row
// whose December days and January days carry different numbers.
QString expectedCaption(const QDate &rowStart, int firstDay, int firstWeek)
{
    QList<int> weeks;
    for (int c = 0; c < 7; ++c) {
        const int w = weekOf(rowStart.addDays(c), firstDay, firstWeek);
        if (weeks.isEmpty() || weeks.last() != w)
            weeks << w;
    }
    if (weeks.size() == 1)
        return QString::number(weeks[0]);
    if (weeks.size() == 2 && weeks[1] == 1)
        return QString::number(weeks[0]) + QStringLiteral("/1");
    return QStringLiteral("?");
}

} // namespace

class tst_weekLabels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void gridLayout_data();
    void gridLayout();
    void everyMonthEveryRule();
    void todaysWeekEveryDay();

private:
    tundrik::FakeClock m_clock;
    std::unique_ptr<frmKalender> m_window;
};

void tst_weekLabels::initTestCase()
{
    installFonts();
    tundrik::FirstDayOfWeek = 2;
    tundrik::FirstWeekOfYear = 2;
    m_clock.setNow(2004, 2, 15, 12, 0, 30);
    m_window = std::make_unique<frmKalender>(m_clock, nullptr);
}

void tst_weekLabels::gridLayout_data()
{
    QTest::addColumn<int>("firstDay");
    for (int f = 1; f <= 7; ++f)
        QTest::addRow("first day %d", f) << f;
}

// The calendar widget lays out the months as the week labels assume: the
// cells read the days from firstGridDay on, and a month whose 1st falls on
// the first column starts in row 2.
void tst_weekLabels::gridLayout()
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

void tst_weekLabels::everyMonthEveryRule()
{
    QElapsedTimer timer;
    timer.start();
    MonthGrid *grid = m_window->grid();
    int checked = 0;
    for (int firstDay = 1; firstDay <= 7; ++firstDay) {
        for (int firstWeek = 1; firstWeek <= 3; ++firstWeek) {
            tundrik::FirstDayOfWeek = qint16(firstDay);
            tundrik::FirstWeekOfYear = qint16(firstWeek);
            grid->setFirstColumnWeekday(firstDay);
            for (int year = 1900; year <= 2299; ++year) {
                grid->setYear(year);
                for (int month = 1; month <= 12; ++month) {
                    grid->setMonth(month);
                    m_window->RefreshMonth();
                    const QDate first = firstGridDay(year, month, firstDay);
                    for (int r = 0; r < 6; ++r) {
                        const QLabel *l = weekLabel(m_window.get(), r);
                        const QDate rowStart = first.addDays(7 * r);
                        const bool inMonth = (rowStart.month() == month)
                            || (rowStart.addDays(6).month() == month);
                        if (l->isEnabled() && inMonth && l->text() == expectedCaption(rowStart, firstDay, firstWeek))
                            continue;
                        if (!l->isEnabled() && !inMonth)
                            continue;
                        QFAIL(qPrintable(QStringLiteral("%1-%2, first day %3, rule %4, row %5: '%6' %7, expected '%8' %9")
                                             .arg(year).arg(month).arg(firstDay).arg(firstWeek).arg(r + 1)
                                             .arg(l->text(), l->isEnabled() ? "enabled" : "greyed",
                                                  expectedCaption(rowStart, firstDay, firstWeek),
                                                  inMonth ? "enabled" : "greyed")));
                    }
                    ++checked;
                }
            }
        }
    }
    QCOMPARE(checked, 21 * 400 * 12);
    qInfo("%d months in %lld ms", checked, timer.elapsed());
}

// Today's week label is the one beside today's row, for every day of a few
// years around the turns of the years, under every setting.
void tst_weekLabels::todaysWeekEveryDay()
{
    MonthGrid *grid = m_window->grid();
    for (int firstDay = 1; firstDay <= 7; ++firstDay) {
        for (int firstWeek = 1; firstWeek <= 3; ++firstWeek) {
            grid->setFirstColumnWeekday(firstDay);
            for (QDate d(2003, 12, 1); d <= QDate(2005, 1, 31); d = d.addDays(1)) {
                setWeekSettings(firstDay, firstWeek, d);
                m_clock.setNow(d.year(), d.month(), d.day(), 12, 0, 30);
                grid->setYear(d.year());
                grid->setMonth(d.month());
                grid->setDay(d.day());
                m_window->RefreshMonth();
                const int row = int(firstGridDay(d.year(), d.month(), firstDay).daysTo(d) / 7);
                if (italicRow(m_window.get()) != row)
                    QFAIL(qPrintable(QStringLiteral("%1, first day %2, rule %3: italic row %4, today in row %5")
                                         .arg(d.toString(Qt::ISODate)).arg(firstDay).arg(firstWeek)
                                         .arg(italicRow(m_window.get()) + 1).arg(row + 1)));
            }
        }
    }
}

QTEST_MAIN(tst_weekLabels)
#include "tst_weekLabels.moc"

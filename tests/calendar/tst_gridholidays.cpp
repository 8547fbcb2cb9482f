// SPDX-License-Identifier: GPL-3.0-or-later
// The holidays in the month grid, as a user sees them and a screen reader
// tells them: public holidays red, a small flag on flag days (a mourning
// flag on the day of mourning), the listing's names as a tooltip and in the
// cell's name; the neighbouring months' days untouched; all of it gone at
// once when the setting is turned off.
#include "calendartestsupport.h"
#include "fakeclock.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QCalendarWidget>
#include <QTableView>
#include <QTextCharFormat>

using namespace calendartest;

namespace {

struct Cell {
    int row = -1;
    int column = -1;
};

Cell cellOf(const MonthGrid *grid, const QDate &date)
{
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c)
            if (grid->cellDate(r, c) == date)
                return {r, c};
    return {};
}

QVariant cellData(const MonthGrid *grid, const QDate &date, int role)
{
    const Cell at = cellOf(grid, date);
    return grid->dayView()->model()->index(at.row, at.column).data(role);
}

QColor textColour(const MonthGrid *grid, const QDate &date)
{
    return cellData(grid, date, Qt::ForegroundRole).value<QColor>();
}

QString screenReaderName(const MonthGrid *grid, const QDate &date)
{
    const Cell at = cellOf(grid, date);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid->dayView());
    return table->tableInterface()->cellAt(at.row, at.column)->text(QAccessible::Name);
}

// What the top right corner of the day's cell shows: "flag", "mourning
// flag" (a flag with a black ribbon beside its pole) or "".
QString cornerMark(const MonthGrid *grid, const QDate &date)
{
    const Cell at = cellOf(grid, date);
    QTableView *view = grid->dayView();
    const QRect rect = view->visualRect(view->model()->index(at.row, at.column));
    const QImage cell = view->viewport()->grab(rect).toImage();
    const int w = cell.width();
    int blue = 0, ribbon = 0;
    for (int y = 0; y < 9; ++y) {
        for (int x = w - 16; x < w; ++x) {
            const QColor c = cell.pixelColor(x, y);
            if (x >= w - 11 && c.blue() > 150 && c.red() < 60 && c.green() < 160)
                ++blue;
            if (x < w - 12 && c.lightness() < 60)
                ++ribbon;
        }
    }
    if (!blue)
        return QString();
    return ribbon ? QStringLiteral("mourning flag") : QStringLiteral("flag");
}

} // namespace

class tst_gridholidays : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void daysOfTheMonth_data();
    void daysOfTheMonth();
    void neighbouringMonthsStayAsTheyWere();
    void settingFollowedAtOnce();

private:
    std::unique_ptr<frmKalender> open(const QDate &today);
    tundrik::FakeClock m_clock;
    TestHost m_host {m_clock};
};

void tst_gridholidays::initTestCase()
{
    installFonts();
}

void tst_gridholidays::init()
{
    m_host.state.setHolidaysInCalendar(true);
}

std::unique_ptr<frmKalender> tst_gridholidays::open(const QDate &today)
{
    m_clock.setNow(today.year(), today.month(), today.day(), 12, 0, 30);
    setWeekSettings(m_host, 2, 2, today);
    auto w = std::make_unique<frmKalender>(m_host);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        return nullptr;
    return w;
}

void tst_gridholidays::daysOfTheMonth_data()
{
    QTest::addColumn<QDate>("today"); // a plain day of the month, marked as today
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("red");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("name");
    const QDate april2026(2026, 4, 28);
    QTest::newRow("Good Friday 2026, a day off") << april2026 << QDate(2026, 4, 3) << true << ""
                                                 << "Suur reede"
                                                 << "Reede, 3. aprill 2026, 14. nädal, Suur reede, riigipüha";
    QTest::newRow("Easter Sunday 2026")
        << april2026 << QDate(2026, 4, 5) << true << ""
        << "Ülestõusmispühade 1. püha"
        << "Pühapäev, 5. aprill 2026, 14. nädal, Ülestõusmispühade 1. püha, riigipüha";
    QTest::newRow("veterans' day 2026, a flag on a working day")
        << april2026 << QDate(2026, 4, 23) << false << "flag"
        << "Veteranipäev; jüripäev"
        << "Neljapäev, 23. aprill 2026, 17. nädal, Veteranipäev; jüripäev, lipupäev";
    QTest::newRow("a folk-calendar day, no mark") << april2026 << QDate(2026, 4, 14) << false << ""
                                                  << "Künnipäev"
                                                  << "Teisipäev, 14. aprill 2026, 16. nädal, Künnipäev";
    QTest::newRow("a day the listing does not name") << april2026 << QDate(2026, 4, 8) << false << ""
                                                     << ""
                                                     << "Kolmapäev, 8. aprill 2026, 15. nädal";
    const QDate june2004(2004, 6, 28);
    QTest::newRow("day of mourning 2004") << june2004 << QDate(2004, 6, 14) << false << "mourning flag"
                                          << "Leinapäev"
                                          << "Esmaspäev, 14. juuni 2004, 25. nädal, Leinapäev, leinalipp";
    QTest::newRow("day of the flag 2004") << june2004 << QDate(2004, 6, 4) << false << "flag"
                                          << "Eesti lipu päev"
                                          << "Reede, 4. juuni 2004, 23. nädal, Eesti lipu päev, lipupäev";
    QTest::newRow("Victory Day 2004, red with a flag")
        << june2004 << QDate(2004, 6, 23) << true << "flag"
        << "Võidupüha; jaanilaupäev"
        << "Kolmapäev, 23. juuni 2004, 26. nädal, Võidupüha; jaanilaupäev, riigipüha, lipupäev";
    QTest::newRow("Midsummer Day 2004")
        << june2004 << QDate(2004, 6, 24) << true << "flag"
        << "Jaanipäev"
        << "Neljapäev, 24. juuni 2004, 26. nädal, Jaanipäev, riigipüha, lipupäev";
    QTest::newRow("2 February 2026, a flag day, no day off")
        << QDate(2026, 2, 20) << QDate(2026, 2, 2) << false << "flag"
        << "Küünlapäev; Tartu rahulepingu aastapäev"
        << "Esmaspäev, 2. veebruar 2026, 6. nädal, Küünlapäev; Tartu rahulepingu aastapäev, lipupäev";
    QTest::newRow("2 February 1997, a day off of the old table")
        << QDate(1997, 2, 20) << QDate(1997, 2, 3) << false << ""
        << "Klaasmusepäev"
        << "Esmaspäev, 3. veebruar 1997, 6. nädal, Klaasmusepäev";
    QTest::newRow("24 February 1997, the old name")
        << QDate(1997, 2, 20) << QDate(1997, 2, 24) << true << "flag"
        << "Iseseisvuspäev; madisepäev"
        << "Esmaspäev, 24. veebruar 1997, 9. nädal, Iseseisvuspäev; madisepäev, riigipüha, lipupäev";
    QTest::newRow("Easter on 25 March 2035, a name of two lines")
        << QDate(2035, 3, 7) << QDate(2035, 3, 25) << true << ""
        << "Ülestõusmispühade 1. püha; paastumaarjapäev; leinapäev; üleminek suveajale kell 3.00"
        << "Pühapäev, 25. märts 2035, 12. nädal, Ülestõusmispühade 1. püha; paastumaarjapäev; "
           "leinapäev; üleminek suveajale kell 3.00, riigipüha";
}

void tst_gridholidays::daysOfTheMonth()
{
    QFETCH(QDate, today);
    QFETCH(QDate, date);
    QFETCH(bool, red);
    QFETCH(QString, mark);
    QFETCH(QString, toolTip);
    QFETCH(QString, name);
    auto w = open(today);
    QVERIFY(w);
    const MonthGrid *grid = w->grid();
    // Red is the weekend's red; other days keep the colour of a plain weekday
    // (weekend days are red all the same).
    // (A Sunday of the month without a holiday, and a weekday beside today.)
    QDate sunday(date.year(), date.month(), 8);
    while (sunday.dayOfWeek() != Qt::Sunday)
        sunday = sunday.addDays(1);
    QDate weekday = today.addDays(-1);
    if (weekday.dayOfWeek() >= 6)
        weekday = today.addDays(1);
    const QColor plain = textColour(grid, weekday);
    QVERIFY(textColour(grid, sunday) != plain);
    const bool weekend = date.dayOfWeek() >= 6;
    QCOMPARE(textColour(grid, date), (red || weekend) ? textColour(grid, sunday) : plain);
    QCOMPARE(cornerMark(grid, date), mark);
    QCOMPARE(cellData(grid, date, Qt::ToolTipRole).toString(), toolTip);
    QCOMPARE(screenReaderName(grid, date), name);
}

// A public holiday and a flag day of March that the April page shows (and
// one of February on the March page) stay grey, without tooltip or flag.
void tst_gridholidays::neighbouringMonthsStayAsTheyWere()
{
    auto w = open(QDate(2026, 3, 18));
    QVERIFY(w);
    const MonthGrid *grid = w->grid();
    const QDate independence(2026, 2, 24), next(2026, 2, 25);
    QCOMPARE(cellOf(grid, independence).row, 0);
    QCOMPARE(textColour(grid, independence), textColour(grid, next));
    QCOMPARE(cornerMark(grid, independence), QString());
    QCOMPARE(cellData(grid, independence, Qt::ToolTipRole).toString(), QString());
    QCOMPARE(screenReaderName(grid, independence),
             QStringLiteral("Teisipäev, 24. veebruar 2026, 9. nädal, eelmine kuu"));
    // The same day on its own page.
    QTest::mouseClick(button(w.get(), "cmdEelmineKuu"), Qt::LeftButton);
    QCOMPARE(cornerMark(grid, independence), QStringLiteral("flag"));
    QCOMPARE(cellData(grid, independence, Qt::ToolTipRole).toString(),
             QStringLiteral("Iseseisvuspäev, Eesti Vabariigi aastapäev; madisepäev"));
    // Back on March: February's marks are gone from the page.
    QTest::mouseClick(button(w.get(), "cmdJärgmineKuu"), Qt::LeftButton);
    QCOMPARE(cornerMark(grid, independence), QString());
    QCOMPARE(cellData(grid, independence, Qt::ToolTipRole).toString(), QString());
}

// Turning the holidays off while the calendar is open takes every mark away
// at once, and on again brings them back.
void tst_gridholidays::settingFollowedAtOnce()
{
    auto w = open(QDate(2026, 4, 28));
    QVERIFY(w);
    const MonthGrid *grid = w->grid();
    const QDate goodFriday(2026, 4, 3), veterans(2026, 4, 23), thursday(2026, 4, 2);
    QVERIFY(textColour(grid, goodFriday) != textColour(grid, thursday));
    QCOMPARE(cornerMark(grid, veterans), QStringLiteral("flag"));

    m_host.state.setHolidaysInCalendar(false);
    QCOMPARE(textColour(grid, goodFriday), textColour(grid, thursday));
    QCOMPARE(cornerMark(grid, veterans), QString());
    QCOMPARE(cellData(grid, goodFriday, Qt::ToolTipRole).toString(), QString());
    QCOMPARE(screenReaderName(grid, goodFriday), QStringLiteral("Reede, 3. aprill 2026, 14. nädal"));
    QVERIFY(grid->calendarWidget()->dateTextFormat().isEmpty());

    m_host.state.setHolidaysInCalendar(true);
    QVERIFY(textColour(grid, goodFriday) != textColour(grid, thursday));
    QCOMPARE(cornerMark(grid, veterans), QStringLiteral("flag"));
    QCOMPARE(screenReaderName(grid, goodFriday),
             QStringLiteral("Reede, 3. aprill 2026, 14. nädal, Suur reede, riigipüha"));
}

QTEST_MAIN(tst_gridholidays)
#include "tst_gridholidays.moc"

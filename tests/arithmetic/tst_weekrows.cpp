// SPDX-License-Identifier: GPL-3.0-or-later
// The week labels of the month calendar's rows, computed without a window:
// the described months, and every month of 1900 to 2299 (and of the first
// and last years of the date value) under every first day of the week and
// every first-week rule, checked against the days of each grid row.
#include "datevalue.h"
#include "modarvutused.h"
#include "weekgrid.h"
#include "weekrows.h"

#include <QDate>
#include <QTest>

using weekgrid::expectedCaption;
using weekgrid::firstGridDay;
using weekgrid::weekOf;
using weekrows::WeekRows;

namespace {

// "5 6 7 8 9 [10]": the captions, a greyed one in brackets.
QString text(const WeekRows &rows)
{
    QStringList parts;
    for (int i = 0; i < 6; ++i)
        parts << (rows.enabled[i] ? rows.caption[i] : QLatin1Char('[') + rows.caption[i] + QLatin1Char(']'));
    return parts.join(QLatin1Char(' '));
}

// Empty when every row of the month stands right: its caption names the
// weeks of its days, and it is greyed exactly when none of them is in the month.
QString fault(int year, int month, int firstDay, int firstWeek)
{
    const WeekRows rows = weekrows::WeekRowCaptions(year, month, firstDay, firstWeek);
    const QDate first = firstGridDay(year, month, firstDay);
    for (int r = 0; r < 6; ++r) {
        const QDate rowStart = first.addDays(7 * r);
        const bool inMonth = weekgrid::rowInMonth(rowStart, month);
        const QString expected = expectedCaption(rowStart, firstDay, firstWeek);
        if (rows.enabled[r] == inMonth && rows.caption[r] == expected)
            continue;
        return QStringLiteral("%1-%2, first day %3, rule %4, row %5: '%6' %7, expected '%8' %9")
            .arg(year).arg(month).arg(firstDay).arg(firstWeek).arg(r + 1)
            .arg(rows.caption[r], rows.enabled[r] ? "enabled" : "greyed", expected,
                 inMonth ? "enabled" : "greyed");
    }
    return {};
}

} // namespace

class tst_weekrows : public QObject {
    Q_OBJECT

private slots:
    void described_data()
    {
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<int>("firstWeek");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("expected");
        QTest::newRow("February 2004, row 6 in March") << 2 << 2 << 2004 << 2 << "5 6 7 8 9 [10]";
        QTest::newRow("March 2004, starts in row 2") << 2 << 2 << 2004 << 3 << "[9] 10 11 12 13 14";
        QTest::newRow("January 2005, 1st a Saturday") << 2 << 2 << 2005 << 1 << "53 1 2 3 4 5";
        QTest::newRow("January 2004, 1st a Thursday") << 2 << 2 << 2004 << 1 << "1 2 3 4 5 [6]";
        QTest::newRow("January 2004, week of 1 January") << 2 << 1 << 2004 << 1 << "53/1 2 3 4 5 [6]";
        QTest::newRow("December 2004") << 2 << 2 << 2004 << 12 << "49 50 51 52 53 [1]";
        QTest::newRow("December 2003") << 2 << 2 << 2003 << 12 << "[48] 49 50 51 52 1";
        QTest::newRow("December 2003, week of 1 January") << 2 << 1 << 2003 << 12 << "[48] 49 50 51 52 53/1";
        QTest::newRow("December 2003, first full week") << 2 << 3 << 2003 << 12 << "[47] 48 49 50 51 52";
        // 1.2.2004 a Sunday: week 1 of 2004 began on Sunday 4 January.
        QTest::newRow("February 2004, Sunday first") << 1 << 2 << 2004 << 2 << "[4] 5 6 7 8 9";
        // 1.1.2012 a Sunday: row 1 is the last week of 2011, all of it in December.
        QTest::newRow("January 2012, Sunday first, 1st in row 2") << 1 << 1 << 2012 << 1 << "[53] 1 2 3 4 5";
    }

    void described()
    {
        QFETCH(int, firstDay);
        QFETCH(int, firstWeek);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(QString, expected);
        QCOMPARE(text(weekrows::WeekRowCaptions(year, month, firstDay, firstWeek)), expected);
        QCOMPARE(fault(year, month, firstDay, firstWeek), QString());
    }

    void everyMonthEveryRule_data()
    {
        QTest::addColumn<int>("fromYear");
        QTest::addColumn<int>("toYear");
        QTest::newRow("1900-2299") << 1900 << 2299;
        QTest::newRow("first years") << 100 << 102;
        QTest::newRow("last years") << 9997 << 9999;
    }

    void everyMonthEveryRule()
    {
        QFETCH(int, fromYear);
        QFETCH(int, toYear);
        int checked = 0;
        for (int firstDay = 1; firstDay <= 7; ++firstDay) {
            for (int firstWeek = 1; firstWeek <= 3; ++firstWeek) {
                for (int year = fromYear; year <= toYear; ++year) {
                    for (int month = 1; month <= 12; ++month) {
                        if (const QString f = fault(year, month, firstDay, firstWeek); !f.isEmpty())
                            QFAIL(qPrintable(f));
                        ++checked;
                    }
                }
            }
        }
        QCOMPARE(checked, 21 * (toYear - fromYear + 1) * 12);
    }

    // Every month of the date value's years under the settings the program starts with.
    void everyMonthOfTheDateValue()
    {
        for (int year = datevalue::kMinYear; year <= datevalue::kMaxYear; ++year) {
            for (int month = 1; month <= 12; ++month) {
                if (const QString f = fault(year, month, 2, 2); !f.isEmpty())
                    QFAIL(qPrintable(f));
            }
        }
    }

    void namesWeek_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("week");
        QTest::addColumn<bool>("names");
        QTest::newRow("the same number") << "7" << 7 << true;
        QTest::newRow("another number") << "7" << 17 << false;
        QTest::newRow("53/1, week 53") << "53/1" << 53 << true;
        QTest::newRow("53/1, week 1") << "53/1" << 1 << true;
        QTest::newRow("53/1, week 5") << "53/1" << 5 << false;
        QTest::newRow("52/1, week 53") << "52/1" << 53 << false;
    }

    void namesWeek()
    {
        QFETCH(QString, caption);
        QFETCH(int, week);
        QFETCH(bool, names);
        QCOMPARE(weekrows::NamesWeek(caption, week), names);
    }

    // The row marked as the current week is today's row of the grid, for
    // every day of the years around two turns of the year, under every setting.
    void currentWeekRowIsTodaysRow()
    {
        for (int firstDay = 1; firstDay <= 7; ++firstDay) {
            for (int firstWeek = 1; firstWeek <= 3; ++firstWeek) {
                for (QDate d(2003, 12, 1); d <= QDate(2005, 1, 31); d = d.addDays(1)) {
                    const WeekRows rows = weekrows::WeekRowCaptions(d.year(), d.month(), firstDay, firstWeek);
                    const int row = int(firstGridDay(d.year(), d.month(), firstDay).daysTo(d) / 7);
                    const int marked = weekrows::CurrentWeekRow(rows, weekOf(d, firstDay, firstWeek));
                    if (marked != row)
                        QFAIL(qPrintable(QStringLiteral("%1, first day %2, rule %3: row %4 marked, today in row %5")
                                             .arg(d.toString(Qt::ISODate)).arg(firstDay).arg(firstWeek)
                                             .arg(marked + 1).arg(row + 1)));
                }
            }
        }
    }

    // Under Monday and the four-day rule the weeks are ISO weeks: every row
    // of every month of 1600 to 2299 against QDate's own week numbers.
    void isoWeeksAgainstQDate()
    {
        for (int year = 1600; year <= 2299; ++year) {
            for (int month = 1; month <= 12; ++month) {
                const WeekRows rows = weekrows::WeekRowCaptions(year, month, 2, 2);
                const QDate first = firstGridDay(year, month, 2);
                for (int r = 0; r < 6; ++r) {
                    // A Monday-first row is one ISO week.
                    const QString iso = QString::number(first.addDays(7 * r).weekNumber());
                    if (rows.caption[r] != iso)
                        QFAIL(qPrintable(QStringLiteral("%1-%2 row %3: %4, ISO %5")
                                             .arg(year).arg(month).arg(r + 1).arg(rows.caption[r], iso)));
                }
            }
        }
    }
};

QTEST_MAIN(tst_weekrows)
#include "tst_weekrows.moc"

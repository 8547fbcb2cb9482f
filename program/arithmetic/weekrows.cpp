// SPDX-License-Identifier: GPL-3.0-or-later
#include "weekrows.h"

#include "datevalue.h"
#include "modarvutused.h"

#include <QStringList>

#include <algorithm>

namespace weekrows {

WeekRows WeekRowCaptions(int year, int month, int firstDayOfWeek, int firstWeekOfYear)
{
    const int y = year;
    const int m = month;
    const int f = firstDayOfWeek;

    // The rows of January 100 and December 9999 reach past the date value's
    // years; their days are still counted, as day numbers.
    auto dayOf = [](int yy, int mm, int dd) {
        return datevalue::FromJdn(datevalue::GregorianSerialJdn(yy, mm, dd));
    };
    auto wn = [&](int yy, int mm, int dd) {
        return modArvutused::WeekNumberOf(dayOf(yy, mm, dd), f, firstWeekOfYear);
    };
    auto weekday = [&](int yy, int mm, int dd) { return datevalue::Weekday(dayOf(yy, mm, dd)); };
    // The first day of the month on the first column: [1, 7].
    auto firstDayOnColumnOne = [&](int yy, int mm) {
        int d = 1;
        while (d < 8 && weekday(yy, mm, d) != f)
            ++d;
        return d;
    };
    auto num = [](int n) { return QString::number(n); };
    auto straddling = [](int n) { return QString::number(n) + QStringLiteral("/1"); };

    WeekRows rows {{}, {true, true, true, true, true, true}};
    std::array<QString, 6> &caption = rows.caption;
    // b: the week of row 2.
    int b = 0;
    if (weekday(y, m, 1) == f) {
        // The month starts in row 2; row 1 is the previous month's last week.
        b = wn(y, m, 1);
        rows.enabled[0] = false;
        caption[1] = num(b);
        caption[0] = b == 1 ? num(wn(y - 1, 12, 31)) : num(b - 1);
    } else {
        const int s = firstDayOnColumnOne(y, m);
        const int w = wn(y, m, s);
        if (w == 1) {
            caption[0] = num(wn(y - 1, 12, 31));
            b = 1;
            caption[1] = QStringLiteral("1");
        } else if (w == 2) {
            const int last = wn(y - 1, 12, 31);
            caption[0] = last == 1 ? QStringLiteral("1") : straddling(last);
            b = 2;
            caption[1] = QStringLiteral("2");
        } else {
            b = w;
            caption[0] = num(w - 1);
            caption[1] = num(w);
        }
    }

    // The month's last day: the first of 31, 30, 29, 28 that is a date.
    int n = 31;
    while (!datevalue::IsValidDate(y, m, n))
        --n;
    const int e = wn(y, m, n);
    if (e == b + 3) {
        // The month ends in row 5; row 6 lies wholly in the next month.
        rows.enabled[5] = false;
        if (m == 12) {
            const int j = firstDayOnColumnOne(y + 1, 1);
            const int x = wn(y, 12, 31);
            const int next = wn(y + 1, 1, j);
            if (next == 2) {
                caption[4] = x == next ? num(next) : straddling(x);
                caption[5] = QStringLiteral("2");
            } else {
                caption[4] = num(b + 3);
                caption[5] = num(next);
            }
        }
    } else if (m == 12) {
        caption[4] = num(b + 3);
        const int x = wn(y, 12, 31);
        const int next = wn(y + 1, 1, 1);
        caption[5] = x == next ? num(next) : straddling(x);
    }
    caption[2] = num(b + 1);
    caption[3] = num(b + 2);
    if (m != 12) {
        caption[4] = num(b + 3);
        caption[5] = num(b + 4);
    }
    return rows;
}

bool NamesWeek(const QString &caption, int week)
{
    const QStringList parts = caption.split(QLatin1Char('/'));
    return std::any_of(parts.begin(), parts.end(), [week](const QString &p) { return p.toInt() == week; });
}

int CurrentWeekRow(const WeekRows &rows, int weekNumber)
{
    for (int i = 0; i < 5; ++i) {
        if (NamesWeek(rows.caption[i], weekNumber))
            return i;
    }
    return 5;
}

} // namespace weekrows

// SPDX-License-Identifier: GPL-3.0-or-later
// Writes, for check_icalendar.py, the iCalendar file of each year of a
// range and of the whole range, and the holidays listing of every month of
// those years as the listing shows it:
//   holidays_ics_files FOLDER FIRST LAST
// listing-YEAR.tsv: one line per dated row, "yyyy-mm-dd<TAB>name text with
// its continuation lines<TAB>marks" (R red, F flag, M mourning flag).
#include "holidays.h"
#include "icalendar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray listing(int year)
{
    QByteArray out;
    for (int month = 1; month <= 12; ++month) {
        const holidays::HolidayList rows = holidays::BuildHolidayList(month, year);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const holidays::HolidayRow &r = rows[i];
            if (r.dayText.isEmpty())
                continue;
            QString text = r.nameText;
            for (std::size_t j = i + 1; j < rows.size() && rows[j].dayText.isEmpty() && !rows[j].nameText.isEmpty(); ++j)
                text += QLatin1Char(' ') + rows[j].nameText;
            const QDate date(year, month, r.dayText.left(2).toInt());
            out += date.toString(Qt::ISODate).toUtf8() + '\t' + text.toUtf8() + '\t'
                + (r.red ? "R" : "") + (r.flag ? "F" : "") + (r.mourning ? "M" : "") + '\n';
        }
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: holidays_ics_files FOLDER FIRST LAST\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const int first = std::atoi(argv[2]);
    const int last = std::atoi(argv[3]);
    // A fixed stamp: the files of two runs are the same.
    const QDateTime stamp(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC);
    for (int year = first; year <= last; ++year) {
        if (!write(dir.filePath(QStringLiteral("pühad-%1.ics").arg(year)),
                   icalendar::Calendar(holidays::CalendarEvents(year, year), stamp))
            || !write(dir.filePath(QStringLiteral("listing-%1.tsv").arg(year)), listing(year)))
            return 1;
    }
    if (!write(dir.filePath(QStringLiteral("pühad-%1-%2.ics").arg(first).arg(last)),
               icalendar::Calendar(holidays::CalendarEvents(first, last), stamp)))
        return 1;
    return 0;
}

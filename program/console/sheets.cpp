// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets.h"

#include "holidays.h"
#include "inputs.h"
#include "monthsheet.h"
#include "weekrows.h"

#include "daynumbers.h"

#include <QStringList>

namespace console {

namespace {

// Widths in characters: the week label's column, then seven day columns.
constexpr int kLabelWidth = 6;
constexpr int kDayWidth = 4;
constexpr int kSheetWidth = kLabelWidth + 7 * kDayWidth;

QString trimmedRight(QString line)
{
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line;
}

} // namespace

QString monthSheet(int year, int month, int firstDayOfWeek, int firstWeekOfYear)
{
    QStringList lines;
    const QString title = monthsheet::Title(year, month);
    lines << QString((kSheetWidth - title.size()) / 2, QLatin1Char(' ')) + title;

    QString header(kLabelWidth, QLatin1Char(' '));
    for (const QString &h : monthsheet::WeekdayHeaders(firstDayOfWeek))
        header += h.rightJustified(kDayWidth);
    lines << header;

    const weekrows::WeekRows weeks = weekrows::WeekRowCaptions(year, month, firstDayOfWeek, firstWeekOfYear);
    const std::int64_t firstCell = monthsheet::FirstCellJdn(year, month, firstDayOfWeek);
    for (int row = 0; row < 6; ++row) {
        const QString caption = weeks.enabled[row] ? weeks.caption[row]
                                                   : QLatin1Char('(') + weeks.caption[row] + QLatin1Char(')');
        QString line = caption.rightJustified(kLabelWidth);
        for (int column = 0; column < 7; ++column) {
            const daynumbers::CivilDate d = daynumbers::jdnToGregorian(firstCell + 7 * row + column);
            const bool shown = d.year == year && d.month == month;
            line += shown ? QString::number(d.day).rightJustified(kDayWidth)
                          : QString(kDayWidth, QLatin1Char(' '));
        }
        lines << trimmedRight(line);
    }
    return lines.join(QLatin1Char('\n'));
}

QString holidayListing(int year, int month, bool iso)
{
    QStringList lines {monthsheet::Title(year, month)};
    for (const holidays::HolidayRow &row : holidays::BuildHolidayList(month, year)) {
        if (row.dayText.isEmpty() && row.nameText.isEmpty())
            continue;
        QString day = row.dayText;
        // "24. / T": the day of the month, then its weekday letter.
        if (iso && !day.isEmpty())
            day = isoDate(year, month, day.left(2).toInt()) + day.mid(3);
        QStringList marks;
        if (row.red)
            marks << QStringLiteral("punane päev");
        if (row.flag)
            marks << (row.mourning ? QStringLiteral("leinalipp") : QStringLiteral("lipupäev"));
        lines << day + QLatin1Char('\t') + row.nameText + QLatin1Char('\t')
                + marks.join(QStringLiteral(", "));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace console

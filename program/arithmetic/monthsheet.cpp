// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthsheet.h"

#include "daynumbers.h"

namespace monthsheet {

const QStringList &MonthNamesNominative()
{
    static const QStringList names {
        QStringLiteral("Jaanuar"),  QStringLiteral("Veebruar"), QStringLiteral("Märts"),
        QStringLiteral("Aprill"),   QStringLiteral("Mai"),      QStringLiteral("Juuni"),
        QStringLiteral("Juuli"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("Oktoober"), QStringLiteral("November"), QStringLiteral("Detsember")};
    return names;
}

const QStringList &MonthNamesGenitive()
{
    static const QStringList names {
        QStringLiteral("Jaanuari"), QStringLiteral("Veebruari"), QStringLiteral("Märtsi"),
        QStringLiteral("Aprilli"),  QStringLiteral("Mai"),       QStringLiteral("Juuni"),
        QStringLiteral("Juuli"),    QStringLiteral("Augusti"),   QStringLiteral("Septembri"),
        QStringLiteral("Oktoobri"), QStringLiteral("Novembri"),  QStringLiteral("Detsembri")};
    return names;
}

QString Title(int year, int month)
{
    return MonthNamesNominative().at(month - 1) + QStringLiteral("  ") + QString::number(year);
}

QString HolidaysCaption(int month)
{
    return MonthNamesGenitive().at(month - 1) + QStringLiteral(" pühad");
}

std::array<QString, 7> WeekdayHeaders(int firstDayOfWeek)
{
    // Sunday first.
    static const char16_t *const headers[7] = {u"Püh", u"Esm", u"Tei", u"Kol", u"Nel", u"Ree", u"Lau"};
    std::array<QString, 7> out;
    for (int i = 0; i < 7; ++i)
        out[i] = QString::fromUtf16(headers[(firstDayOfWeek - 1 + i) % 7]);
    return out;
}

const QStringList &FirstWeekOfYearNames()
{
    static const QStringList names {QStringLiteral("1. jaanuari nädal"),
                                    QStringLiteral("Esimesed neli päeva"),
                                    QStringLiteral("Esimene täsinädal")};
    return names;
}

std::int64_t FirstCellJdn(int year, int month, int firstDayOfWeek)
{
    const std::int64_t first = daynumbers::gregorianToJdn(year, month, 1);
    // Weekday of the 1st with Sunday = 1: JDN 0 was a Monday.
    const int weekday = int((first + 1) % 7) + 1; // [1, 7]
    const int before = (weekday - firstDayOfWeek + 7) % 7; // [0, 6]
    return first - (before == 0 ? 7 : before);
}

} // namespace monthsheet

#include "shared.h"

namespace tundrik {

double DayBase = 0;
qint16 FirstDayOfWeek = 2;
qint16 FirstWeekOfYear = 2;
qint16 WeekNumber = 0;
QStringList WeekdayNames;
QString DayDescriptionMode;
bool AnswerShown = false;
qint16 CalendarYear = 0;
qint16 CalendarMonth = 0;

QStringList standardWeekdayNames()
{
    return {QStringLiteral("Pühapäev"), QStringLiteral("Esmaspäev"), QStringLiteral("Teisipäev"),
            QStringLiteral("Kolmapäev"), QStringLiteral("Neljapäev"), QStringLiteral("Reede"),
            QStringLiteral("Laupäev")};
}

} // namespace tundrik

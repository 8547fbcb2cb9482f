// The program icon in all its drawn sizes.
#pragma once

#include <QIcon>

namespace calendarui {

inline QIcon programIcon()
{
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tundrik-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace calendarui

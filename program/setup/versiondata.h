// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own version data, as the About window shows it.
#pragma once

#include <QString>

namespace setup::version {

constexpr int major = TUNDRIK_VERSION_MAJOR;
constexpr int minor = TUNDRIK_VERSION_MINOR;
constexpr int revision = TUNDRIK_VERSION_PATCH;

inline QString description()
{
    return QStringLiteral("Kõik, mis seondub ajaga ...");
}

inline QString comments()
{
    return QStringLiteral("Programmiga saab vaadata hetke aega ning teha sellega mitmesuguseid "
                          "arvutusi. Alates sellest versioonist saab ka kalendrit vaadata.");
}

} // namespace setup::version

// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the host's property store: keys match without regard to case, and
// a missing key reads as an empty value (0 or false).
#pragma once

#include <QVariantMap>

inline QVariant persistedValue(const QVariantMap &store, const QString &key)
{
    for (auto it = store.cbegin(); it != store.cend(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

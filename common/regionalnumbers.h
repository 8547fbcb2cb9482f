// SPDX-License-Identifier: GPL-3.0-or-later
// Digit-group and decimal separators of the user's regional settings.
//
// Header-only so that the control library groups its numbers with the same
// character as the program. The bare C/POSIX locale carries no regional
// settings; the program is Estonian, so it falls back to the Estonian ones.
#pragma once

#include <QLocale>
#include <QString>

namespace regionalnumbers {

inline QLocale numberLocale()
{
    const QLocale locale; // the default locale: the system's unless a test pinned another
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::Estonian, QLocale::Estonia);
    return locale;
}

inline QString groupSeparator()
{
    return numberLocale().groupSeparator();
}

inline QString decimalSeparator()
{
    return numberLocale().decimalPoint();
}

// Writes the decimal digits of a whole number in groups of three from the right.
// Qt's own formatting leaves four-digit numbers ungrouped in some locales, so
// the grouping is done here and only the separator comes from the locale.
inline QString groupDigits(const QString &digits, const QString &separator)
{
    QString out;
    out.reserve(digits.size() + digits.size() / 3 * separator.size());
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits.at(i);
    }
    return out;
}

} // namespace regionalnumbers

// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs.h"

#include "monthsheet.h"
#include "regionalnumbers.h"

#include <QRegularExpression>

namespace console {

namespace {

constexpr qint64 kTooLarge = 1'000'000'000'000'000;

bool isSpace(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

} // namespace

std::optional<WrittenDate> writtenDate(const QString &word)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{1,4})$"));
    const QRegularExpressionMatch m = form.match(word);
    if (!m.hasMatch())
        return std::nullopt;
    return WrittenDate {m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt()};
}

std::optional<qint64> wholeNumber(const QString &word)
{
    if (word.isEmpty())
        return std::nullopt;
    const QString separator = regionalnumbers::groupSeparator();
    // The groups between separators: the first of one to three digits, every
    // other of three.
    QString digits;
    qsizetype group = 0;
    bool grouped = false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            digits += c;
            ++group;
            continue;
        }
        const bool separatorHere = isSpace(c)
            || (!separator.isEmpty() && QStringView(word).mid(i).startsWith(separator));
        if (!separatorHere || group == 0 || (grouped && group != 3) || group > 3)
            return std::nullopt;
        if (!isSpace(c))
            i += separator.size() - 1;
        grouped = true;
        group = 0;
    }
    if (group == 0 || (grouped && group != 3))
        return std::nullopt;
    if (digits.size() > 15)
        return kTooLarge;
    return digits.toLongLong();
}

QString quoted(const QString &word)
{
    return QStringLiteral("„") + word + QStringLiteral("“");
}

QString folded(const QString &word)
{
    QString out = word.toLower();
    out.replace(QChar(u'ä'), QLatin1Char('a'));
    out.replace(QChar(u'õ'), QLatin1Char('o'));
    out.replace(QChar(u'ö'), QLatin1Char('o'));
    out.replace(QChar(u'ü'), QLatin1Char('u'));
    out.replace(QChar(u'š'), QLatin1Char('s'));
    out.replace(QChar(u'ž'), QLatin1Char('z'));
    return out;
}

std::optional<int> month(const QString &word)
{
    static const QRegularExpression number(QStringLiteral("^\\d{1,2}$"));
    if (number.match(word).hasMatch()) {
        const int m = word.toInt();
        return m >= 1 && m <= 12 ? std::optional<int>(m) : std::nullopt;
    }
    const QStringList &names = monthsheet::MonthNamesNominative();
    for (int i = 0; i < names.size(); ++i) {
        if (folded(names.at(i)) == folded(word))
            return i + 1;
    }
    return std::nullopt;
}

QString isoDate(qint64 year, int month, int day)
{
    const QString y = QString::number(year < 0 ? -year : year).rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("%1%2-%3-%4")
        .arg(year < 0 ? QStringLiteral("-") : QString(), y)
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

QString isoText(const QString &answer)
{
    static const QRegularExpression date(QStringLiteral("^(\\d{2})\\.(\\d{2})\\.(-?\\d+)\\. a\\.$"));
    if (const QRegularExpressionMatch m = date.match(answer); m.hasMatch())
        return isoDate(m.captured(3).toLongLong(), m.captured(2).toInt(), m.captured(1).toInt());
    const QString separator = regionalnumbers::groupSeparator();
    if (separator.isEmpty())
        return answer;
    QString out;
    for (qsizetype i = 0; i < answer.size(); ++i) {
        if (i > 0 && answer.at(i - 1).isDigit() && QStringView(answer).mid(i).startsWith(separator)
            && i + separator.size() < answer.size() && answer.at(i + separator.size()).isDigit()) {
            i += separator.size() - 1;
            continue;
        }
        out += answer.at(i);
    }
    return out;
}

} // namespace console

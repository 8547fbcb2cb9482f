// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberlimits.h"

#include "regionalnumbers.h"

#include <QStringList>

#include <limits>

namespace {

// Numbers of up to 20 digits (and texts a little longer) fit in 128 bits.
using Big = __int128;

constexpr Big kInt64Max = std::numeric_limits<qint64>::max();
constexpr Big kInt64Min = std::numeric_limits<qint64>::min();

struct Number {
    bool ok = false; // a sign and at least one digit, nothing else
    bool negative = false;
    QString digits;  // as written, leading zeros included
};

bool isGroupSeparator(QChar c)
{
    static const QString separator = regionalnumbers::groupSeparator();
    return separator.contains(c) || c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

// Reads "-", digits and group separators anywhere (the box's own texts).
Number parseNumber(const QString &text)
{
    Number n;
    qsizetype i = 0;
    if (text.startsWith(u'-')) {
        n.negative = true;
        i = 1;
    }
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= u'0' && c <= u'9')
            n.digits += c;
        else if (!isGroupSeparator(c))
            return {};
    }
    n.ok = !n.digits.isEmpty();
    return n;
}

// Reads a pasted text: plain digits or digits in correct groups of three.
Number parsePasted(const QString &text)
{
    const QString t = text.trimmed();
    Number n = parseNumber(t);
    if (!n.ok)
        return {};
    const QString body = n.negative ? t.mid(1) : t;
    if (body.size() == n.digits.size())
        return n;
    // Grouped: every separator stands before a group of exactly three digits.
    QStringList groups;
    QString group;
    for (QChar c : body) {
        if (isGroupSeparator(c)) {
            groups << group;
            group.clear();
        } else {
            group += c;
        }
    }
    groups << group;
    if (groups.first().isEmpty() || groups.first().size() > 3)
        return {};
    for (qsizetype i = 1; i < groups.size(); ++i) {
        if (groups.at(i).size() != 3)
            return {};
    }
    return n;
}

QString withoutLeadingZeros(const QString &digits)
{
    qsizetype i = 0;
    while (i < digits.size() - 1 && digits.at(i) == u'0')
        ++i;
    return digits.mid(i);
}

// The value of at most 30 digits; [0, 10^30).
Big magnitude(const QString &digits)
{
    Big v = 0;
    for (QChar c : digits)
        v = v * 10 + (c.unicode() - u'0');
    return v;
}

// The value of a number, held to ±10^30 for longer texts (which lie beyond
// every limit either way).
Big valueOf(const Number &n)
{
    const QString d = withoutLeadingZeros(n.digits);
    const Big m = d.size() > 30 ? magnitude(QStringLiteral("1").append(QString(30, u'0'))) : magnitude(d);
    return n.negative ? -m : m;
}

int digitCount(qint32 v)
{
    return int(QString::number(v).size()) - (v < 0 ? 1 : 0);
}

QString digitsOf(Big magnitudeValue)
{
    QString digits;
    for (Big m = magnitudeValue; m > 0 || digits.isEmpty(); m /= 10)
        digits.prepend(QChar(u'0' + int(m % 10)));
    return digits;
}

} // namespace

void NumberLimits::setNegativeAllowed(bool allowed)
{
    negativeAllowed = allowed;
    if (allowed) {
        maximum = 0;
        minimum = 0;
    }
}

void NumberLimits::setZeroAllowed(bool allowed)
{
    zeroAllowed = allowed;
    minimum = 0;
}

void NumberLimits::setMaximum(int value)
{
    if (negativeAllowed)
        return;
    if (value > minimum) {
        maximum = value;
    } else if (value > 0) {
        maximum = qint32(qMin<qint64>(qint64(minimum) + 1, std::numeric_limits<qint32>::max()));
    } else {
        maximum = 0;
        minimum = 0;
    }
}

void NumberLimits::setMinimum(int value)
{
    if (negativeAllowed || zeroAllowed)
        return;
    if (value < maximum)
        minimum = value < 0 ? 0 : value;
    else
        minimum = maximum > 0 ? maximum - 1 : 0;
}

void NumberLimits::setDigitLimit(int digits)
{
    characterLimit = charactersForDigits(digits);
}

int NumberLimits::charactersForDigits(int n)
{
    if (n < 0)
        return 0;
    if (n <= 4)
        return n;
    if (n <= kMaxDigits)
        return n + n / 3 - (n % 3 == 0 ? 1 : 0);
    return kMaxGroupedLength;
}

int NumberLimits::digitsForCharacters(int characters)
{
    // Exact for the limits charactersForDigits gives: a group separator
    // follows every three digits but the last.
    return characters > 4 ? characters - characters / 4 : qMax(characters, 0);
}

int NumberLimits::digitLimit() const
{
    return digitsForCharacters(characterLimit);
}

int NumberLimits::maximumDigits() const
{
    return maximum > 0 ? digitCount(maximum) : 0;
}

bool NumberLimits::sameWidth() const
{
    return maximum > 0 && minimum >= 0 && digitCount(minimum) == digitCount(maximum);
}

bool NumberLimits::grouping() const
{
    return !(characterLimit == 4 || maximumDigits() == 4);
}

int NumberLimits::characterLimitFor(const QString &text) const
{
    return characterLimit > 0 ? characterLimit + (text.startsWith(u'-') ? 1 : 0) : 0;
}

bool NumberLimits::inLimits(const QString &text) const
{
    if (text.isEmpty())
        return minimum == 0;
    const Number n = parseNumber(text);
    if (!n.ok)
        return false;
    const QString d = withoutLeadingZeros(n.digits);
    const bool zero = d == QLatin1String("0");
    if (n.negative && zero)
        return false; // "-0" is not how a number is written
    const QString sign = n.negative ? QStringLiteral("-") : QString();
    if (text != sign + d && text != sign + regionalnumbers::groupDigits(d, regionalnumbers::groupSeparator()))
        return false;
    if ((n.negative && !negativeAllowed) || (zero && !zeroAllowed))
        return false;
    if (d.size() > kMaxDigits || (digitLimit() > 0 && d.size() > digitLimit()))
        return false;
    const Big v = valueOf(n);
    if (maximum > 0)
        return v >= minimum && v <= maximum;
    return minimum <= 0 || v >= minimum;
}

qint64 NumberLimits::value(const QString &text) const
{
    if (text.isEmpty() || !inLimits(text))
        return 0;
    const Big v = valueOf(parseNumber(text));
    return (v < kInt64Min || v > kInt64Max) ? 0 : qint64(v);
}

QString NumberLimits::canonical(const QString &text) const
{
    const Number n = parseNumber(text);
    if (!n.ok) // nothing but a sign and separators
        return text.startsWith(u'-') ? QStringLiteral("-") : QString();
    const QString d = withoutLeadingZeros(n.digits);
    const bool negative = n.negative && d != QLatin1String("0");
    const QString body = grouping() ? regionalnumbers::groupDigits(d, regionalnumbers::groupSeparator()) : d;
    return negative ? QStringLiteral("-") + body : body;
}

QString NumberLimits::fitted(const QString &text) const
{
    const Number n = parseNumber(text);
    if (!n.ok)
        return {};
    QString d = withoutLeadingZeros(n.digits);
    const int room = digitLimit() > 0 ? qMin(digitLimit(), kMaxDigits) : kMaxDigits;
    if (d.size() > room)
        d.truncate(room);
    return canonical(n.negative ? QStringLiteral("-") + d : d);
}

bool NumberLimits::aboveMaximum(const QString &text) const
{
    const Number n = parseNumber(text);
    return n.ok && maximum > 0 && valueOf(n) > maximum;
}

bool NumberLimits::belowMinimum(const QString &text) const
{
    const Number n = parseNumber(text);
    return n.ok && minimum > 0 && valueOf(n) < minimum;
}

bool NumberLimits::tooManyDigits(const QString &text) const
{
    const Number n = parseNumber(text);
    return n.ok && digitLimit() > 0 && withoutLeadingZeros(n.digits).size() > digitLimit();
}

bool NumberLimits::mayType(const QString &text, QChar c) const
{
    if (c == u'-')
        return negativeAllowed && text.isEmpty();
    if (c < u'0' || c > u'9')
        return false;
    if (text == QLatin1String("0"))
        return false; // nothing follows a lone zero
    const int limit = characterLimitFor(text);
    if (limit > 0 && text.size() >= limit)
        return false;
    Number next = parseNumber(text + c);
    if (!next.ok)
        return false;
    if (next.digits.size() == 1 && c == u'0')
        return zeroAllowed && !next.negative; // 0 stands only on its own, never as "-0"
    if (next.digits.size() > kMaxDigits || (digitLimit() > 0 && next.digits.size() > digitLimit()))
        return false;
    if (maximum <= 0)
        return true;
    const Big v = valueOf(next);
    if (!sameWidth())
        return v <= maximum;
    // Each prefix of the number lies between the prefixes of the same length
    // of the minimum and the maximum (which have the same number of digits):
    // every number between the two passes, digit by digit.
    const qsizetype t = next.digits.size();
    const Big lo = magnitude(QString::number(minimum).left(t));
    const Big hi = magnitude(QString::number(maximum).left(t));
    return v >= lo && v <= hi;
}

bool NumberLimits::complete(const QString &text) const
{
    const Number n = parseNumber(text);
    if (!n.ok)
        return false;
    if (valueOf(n) == 0)
        return true;
    const int limit = characterLimitFor(text);
    if (limit > 0)
        return text.size() >= limit;
    const int md = maximumDigits();
    if (md >= 1 && md <= 4)
        return text.size() == md;
    if (md >= 5)
        return n.digits.size() == md;
    return false;
}

QString NumberLimits::pasted(const QString &fieldText, const QString &pasted) const
{
    if (!fieldText.isEmpty() || pasted.size() > 40)
        return {};
    const Number n = parsePasted(pasted);
    if (!n.ok)
        return {};
    const QString d = withoutLeadingZeros(n.digits);
    if (d.size() > kMaxDigits)
        return {};
    const bool negative = n.negative && d != QLatin1String("0");
    const QString candidate = canonical(negative ? QStringLiteral("-") + d : d);
    if (!inLimits(candidate))
        return {};
    if (maximum > 0)
        return candidate;
    if (negative) {
        // Without a character limit the box never takes a pasted negative number.
        if (characterLimit == 0 || candidate.size() > characterLimit + 1)
            return {};
        return candidate;
    }
    if (characterLimit > 0 && candidate.size() > characterLimit)
        return {};
    return candidate;
}

QString NumberLimits::written(qint64 value) const
{
    Big v = value;
    if (v < 0 && !negativeAllowed)
        v = 0;
    // (Loaded limits may have the minimum above the maximum; nothing is
    // inside them then, and the minimum is shown.)
    if (maximum > 0 && v > maximum)
        v = maximum;
    if (minimum > 0 && v < minimum)
        v = minimum;
    const bool negative = v < 0;
    QString digits = digitsOf(negative ? -v : v);
    if (digitLimit() > 0 && digits.size() > digitLimit())
        digits = QString(digitLimit(), u'9'); // the largest number the limit holds
    if (digits == QLatin1String("0") && !zeroAllowed)
        return {};
    return canonical(negative ? QStringLiteral("-") + digits : digits);
}

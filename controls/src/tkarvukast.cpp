// SPDX-License-Identifier: GPL-3.0-or-later
#include <tundkast/tkarvukast.h>

#include "regionalnumbers.h"
#include "persisted.h"
#include "tkfield.h"

#include <QResizeEvent>

#include <limits>

namespace {

// Numbers of up to 20 digits (and texts a little longer) fit in 128 bits.
using Big = __int128;

constexpr int kMaxDigits = 20;
// 20 digits grouped by threes.
constexpr int kMaxGroupedLength = 26;

struct Number {
    bool ok = false;       // a sign and at least one digit, nothing else
    bool negative = false;
    QString digits;        // as written, leading zeros included
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
    const QStringList groups = [&] {
        QStringList out;
        QString cur;
        for (QChar c : body) {
            if (isGroupSeparator(c)) {
                out << cur;
                cur.clear();
            } else {
                cur += c;
            }
        }
        out << cur;
        return out;
    }();
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

Big magnitude(const QString &digits)
{
    Big v = 0;
    for (QChar c : digits)
        v = v * 10 + (c.unicode() - u'0');
    return v;
}

Big valueOf(const Number &n)
{
    const QString d = withoutLeadingZeros(n.digits);
    if (d.size() > 30)
        return n.negative ? -magnitude(QStringLiteral("1").append(QString(30, u'0')))
                          : magnitude(QStringLiteral("1").append(QString(30, u'0')));
    return n.negative ? -magnitude(d) : magnitude(d);
}

// The limits as the change signals of their properties see them.
struct Limits {
    bool neg, zero;
    int max, min, digits, characters;
};

// Signals each limit property whose value differs from before.
void signalLimitChanges(TKArvuKast *box, const Limits &before, const Limits &now)
{
    if (now.neg != before.neg)
        emit box->TKNegArvLubatudChanged(now.neg);
    if (now.zero != before.zero)
        emit box->TKNullLubatudChanged(now.zero);
    if (now.max != before.max)
        emit box->TKMaksimaalneVaartusChanged(now.max);
    if (now.min != before.min)
        emit box->TKMinimaalneVaartusChanged(now.min);
    if (now.digits != before.digits)
        emit box->TKMaksimaalnePikkusChanged(now.digits);
    if (now.characters != before.characters)
        emit box->maxpikkusChanged(now.characters);
}

constexpr Big kInt64Max = std::numeric_limits<qint64>::max();
constexpr Big kInt64Min = std::numeric_limits<qint64>::min();

int widthOf(qint64 v)
{
    return int(QString::number(v).size());
}

// Digit count to the character limit that leaves room for the separators.
int charactersForDigits(int n)
{
    if (n < 0)
        return 0;
    if (n <= 4)
        return n;
    if (n <= kMaxDigits)
        return n + n / 3 - (n % 3 == 0 ? 1 : 0);
    return kMaxGroupedLength;
}

int digitsForCharacters(int limit)
{
    return limit > 4 ? limit - limit / 4 : limit;
}

} // namespace

struct TKArvuKast::Private {
    TKField *field = nullptr;
    bool negAllowed = false;
    bool zeroAllowed = false;
    bool sameWidth = false;
    qint32 maximum = 0;
    qint32 minimum = 0;
    int limit = 0; // characters for a number without sign; 0 = none

    // The flag the last TKChange carried.
    bool toldInLimits = false;
    // Counts the rounds of change signals, so that one interrupted by a
    // nested round stops.
    quint64 round = 0;
    // The values the property change signals last carried.
    QVariant toldArvText;
    bool toldFlag = false;
    qint64 toldValue = 0;

    Limits limits() const { return {negAllowed, zeroAllowed, maximum, minimum, digitLimit(), limit}; }

    int maxDigits() const { return maximum > 0 ? widthOf(maximum) : 0; }
    // The most digits the character limit leaves room for; 0 = no limit.
    int digitLimit() const { return digitsForCharacters(limit); }
    // Four-digit numbers such as years stay ungrouped.
    bool grouping() const { return !(limit == 4 || maxDigits() == 4); }
    int effectiveLimit(const QString &text) const
    {
        return limit > 0 ? limit + (text.startsWith(u'-') ? 1 : 0) : 0;
    }

    // The one form a number is shown in: no leading zeros, no sign on 0,
    // groups of three unless the box keeps four-digit numbers plain.
    QString canonical(bool negative, const QString &digits) const
    {
        const QString d = withoutLeadingZeros(digits);
        const bool neg = negative && d != QLatin1String("0");
        const QString body =
            grouping() ? regionalnumbers::groupDigits(d, regionalnumbers::groupSeparator()) : d;
        return neg ? QStringLiteral("-") + body : body;
    }

    // A number the box writes on its own account (a bound, a value set by
    // the host), cut to the leading digits the digit limit leaves room for.
    QString fitted(bool negative, const QString &digits) const
    {
        QString d = withoutLeadingZeros(digits);
        const int room = digitLimit() > 0 ? qMin(digitLimit(), kMaxDigits) : kMaxDigits;
        if (d.size() > room)
            d.truncate(room);
        return canonical(negative, d);
    }

    // Whether a text is a number inside the current limits: the one meaning
    // of the in-limits flag, whatever brought the text or the limits.
    bool inLimits(const QString &text) const
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
        if (text != sign + d
            && text != sign + regionalnumbers::groupDigits(d, regionalnumbers::groupSeparator()))
            return false;
        if ((n.negative && !negAllowed) || (zero && !zeroAllowed))
            return false;
        if (d.size() > kMaxDigits || (digitLimit() > 0 && d.size() > digitLimit()))
            return false;
        const Big v = valueOf(n);
        if (maximum > 0)
            return v >= minimum && v <= maximum;
        return minimum <= 0 || v >= minimum;
    }

    bool inLimits() const { return inLimits(field->text()); }

    QVariant arvText() const
    {
        const QString text = field->text();
        if (text.isEmpty() || !inLimits(text))
            return {};
        return text;
    }

    qint64 value() const
    {
        const QString text = field->text();
        if (text.isEmpty() || !inLimits(text))
            return 0;
        const Big v = valueOf(parseNumber(text));
        return (v < kInt64Min || v > kInt64Max) ? 0 : qint64(v);
    }

    // What a paste of text would put into the empty field; empty when refused.
    QString pasteCandidate(const QString &text) const
    {
        if (!field->text().isEmpty() || text.size() > 40)
            return {};
        const Number n = parsePasted(text);
        if (!n.ok)
            return {};
        const QString d = withoutLeadingZeros(n.digits);
        if (d.size() > kMaxDigits)
            return {};
        const bool neg = n.negative && d != QLatin1String("0");
        const QString candidate = canonical(neg, d);
        if (!inLimits(candidate))
            return {};
        if (maximum > 0)
            return candidate;
        if (neg) {
            // Without a character limit the box never takes a pasted negative number.
            if (limit == 0 || candidate.size() > limit + 1)
                return {};
            return candidate;
        }
        if (limit > 0 && candidate.size() > limit)
            return {};
        return candidate;
    }
};

TKArvuKast::TKArvuKast(QWidget *parent)
    : TKControl(parent), d(std::make_unique<Private>())
{
    // The field itself cuts nothing: the box keeps its own character limit.
    d->field = addField(QStringLiteral("txtArv"), 2, 96, 0);
    d->field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFixedHeight(px(22));
    setMinimumWidth(px(24));
    setMaximumWidth(px(175));
    resize(px(100), px(22));
    d->toldInLimits = d->toldFlag = d->inLimits();
}

TKArvuKast::~TKArvuKast() = default;

QSize TKArvuKast::sizeHint() const
{
    return {px(100), px(22)};
}

void TKArvuKast::resizeEvent(QResizeEvent *event)
{
    TKControl::resizeEvent(event);
    d->field->setGeometry(px(2), px(3), qMax(0, width() - px(4)), px(16));
}

// Every change of the text or of the limits ends here: TKChange carries the
// in-limits flag of the text shown when the content changed or the flag did,
// then each property whose value changed signals it.
void TKArvuKast::publish(bool contentChanged, bool complete)
{
    const bool inLimits = d->inLimits();
    if (contentChanged || inLimits != d->toldInLimits) {
        d->toldInLimits = inLimits;
        emit TKChange(inLimits);
    }
    if (complete)
        emit TKFullChange();
    // A handler may change the box again; then its own publish has told the
    // newest values, and what is left here is stale.
    const quint64 round = ++d->round;
    if (const bool flag = d->inLimits(); flag != d->toldFlag) {
        d->toldFlag = flag;
        emit TKArvPiiridesChanged(flag);
    }
    if (const QVariant text = d->arvText(); round == d->round && text != d->toldArvText) {
        d->toldArvText = text;
        emit TKArvChanged(text);
    }
    if (const qint64 value = d->value(); round == d->round && value != d->toldValue) {
        d->toldValue = value;
        emit arvChanged(value);
    }
}

void TKArvuKast::updateState()
{
    publish(false, false);
}


void TKArvuKast::replaceText(const QString &text)
{
    setTextInternally(d->field, text);
}

QVariant TKArvuKast::TKArv() const
{
    return d->arvText();
}

bool TKArvuKast::TKArvPiirides() const
{
    return d->inLimits();
}

qint64 TKArvuKast::arv() const
{
    return d->value();
}

void TKArvuKast::setArv(qint64 value)
{
    Big v = value;
    if (v < 0 && !d->negAllowed)
        v = 0;
    // (Loaded limits may have the minimum above the maximum; nothing is
    // inside them then, and the minimum is shown.)
    if (d->maximum > 0 && v > d->maximum)
        v = d->maximum;
    if (d->minimum > 0 && v < d->minimum)
        v = d->minimum;
    const bool negative = v < 0;
    const Big magnitudeOf = negative ? -v : v;
    QString digits;
    for (Big m = magnitudeOf; m > 0 || digits.isEmpty(); m /= 10)
        digits.prepend(QChar(u'0' + int(m % 10)));
    if (d->digitLimit() > 0 && digits.size() > d->digitLimit())
        digits = QString(d->digitLimit(), u'9'); // the largest number the limit holds
    const QString text = (digits == QLatin1String("0") && !d->zeroAllowed)
                             ? QString()
                             : d->canonical(negative, digits);
    const bool changed = text != d->field->text();
    if (changed)
        replaceText(text);
    publish(changed, false);
}

bool TKArvuKast::TKNegArvLubatud() const
{
    return d->negAllowed;
}

bool TKArvuKast::TKNullLubatud() const
{
    return d->zeroAllowed;
}

int TKArvuKast::TKMaksimaalnePikkus() const
{
    return d->digitLimit();
}

int TKArvuKast::TKMaksimaalneVaartus() const
{
    return d->maximum;
}

int TKArvuKast::TKMinimaalneVaartus() const
{
    return d->minimum;
}

void TKArvuKast::setTKNegArvLubatud(bool allowed)
{
    const Limits before = d->limits();
    d->negAllowed = allowed;
    if (allowed) {
        d->maximum = 0;
        d->minimum = 0;
    }
    signalLimitChanges(this, before, d->limits());
    publish(false, false);
}

void TKArvuKast::setTKNullLubatud(bool allowed)
{
    const Limits before = d->limits();
    d->zeroAllowed = allowed;
    d->minimum = 0;
    signalLimitChanges(this, before, d->limits());
    publish(false, false);
}

void TKArvuKast::setTKMaksimaalnePikkus(int digits)
{
    const Limits before = d->limits();
    d->limit = charactersForDigits(digits);
    bool changed = false;
    const Number n = parseNumber(d->field->text());
    if (d->limit > 0 && n.ok && withoutLeadingZeros(n.digits).size() > d->digitLimit()) {
        // Too long for the new limit: keep the leading digits that fit.
        replaceText(d->fitted(n.negative, n.digits));
        changed = true;
    }
    signalLimitChanges(this, before, d->limits());
    publish(changed, false);
}

void TKArvuKast::setTKMaksimaalneVaartus(int value)
{
    if (d->negAllowed)
        return;
    const Limits before = d->limits();
    if (value > d->minimum) {
        d->maximum = value;
    } else if (value > 0) {
        d->maximum = qint32(qMin<qint64>(qint64(d->minimum) + 1, std::numeric_limits<qint32>::max()));
    } else {
        d->maximum = 0;
        d->minimum = 0;
    }
    bool changed = false;
    const Number n = parseNumber(d->field->text());
    if (n.ok && d->maximum > 0 && valueOf(n) > d->maximum) {
        replaceText(d->fitted(false, QString::number(d->maximum)));
        changed = true;
    }
    d->sameWidth = widthOf(d->maximum) == widthOf(d->minimum);
    signalLimitChanges(this, before, d->limits());
    publish(changed, false);
}

void TKArvuKast::setTKMinimaalneVaartus(int value)
{
    if (d->negAllowed || d->zeroAllowed)
        return;
    const Limits before = d->limits();
    if (value < d->maximum)
        d->minimum = value < 0 ? 0 : value;
    else
        d->minimum = d->maximum > 0 ? d->maximum - 1 : 0;
    bool changed = false;
    const Number n = parseNumber(d->field->text());
    if (n.ok && d->minimum > 0 && valueOf(n) < d->minimum) {
        replaceText(d->fitted(false, QString::number(d->minimum)));
        changed = true;
    }
    d->sameWidth = widthOf(d->maximum) == widthOf(d->minimum);
    signalLimitChanges(this, before, d->limits());
    publish(changed, false);
}

bool TKArvuKast::lubanegarv() const
{
    return d->negAllowed;
}

bool TKArvuKast::lubanull() const
{
    return d->zeroAllowed;
}

int TKArvuKast::maksimaalnev() const
{
    return d->maximum;
}

int TKArvuKast::minimaalnev() const
{
    return d->minimum;
}

int TKArvuKast::maxpikkus() const
{
    return d->limit;
}

void TKArvuKast::setLubanegarv(bool value)
{
    const Limits before = d->limits();
    d->negAllowed = value;
    signalLimitChanges(this, before, d->limits());
    publish(false, false);
}

void TKArvuKast::setLubanull(bool value)
{
    const Limits before = d->limits();
    d->zeroAllowed = value;
    signalLimitChanges(this, before, d->limits());
    publish(false, false);
}

void TKArvuKast::setMaksimaalnev(int value)
{
    const Limits before = d->limits();
    d->maximum = value;
    d->sameWidth = widthOf(d->maximum) == widthOf(d->minimum);
    signalLimitChanges(this, before, d->limits());
    publish(false, false);
}

void TKArvuKast::setMinimaalnev(int value)
{
    const Limits before = d->limits();
    d->minimum = value;
    d->sameWidth = widthOf(d->maximum) == widthOf(d->minimum);
    signalLimitChanges(this, before, d->limits());
    publish(false, false);
}

void TKArvuKast::setMaxpikkus(int characters)
{
    const Limits before = d->limits();
    d->limit = characters > 0 ? characters : 0;
    signalLimitChanges(this, before, d->limits());
    publish(false, false);
}

void TKArvuKast::loadPersisted(const QVariantMap &store)
{
    const Limits before = d->limits();
    d->negAllowed = persistedValue(store, QStringLiteral("LubaNegArv")).toBool();
    d->zeroAllowed = persistedValue(store, QStringLiteral("LubaNull")).toBool();
    d->maximum = persistedValue(store, QStringLiteral("MaksimaalneV")).toInt();
    d->minimum = persistedValue(store, QStringLiteral("MinimaalneV")).toInt();
    const int limit = persistedValue(store, QStringLiteral("MaxPikkus")).toInt();
    d->limit = limit > 0 ? limit : 0;
    d->sameWidth = widthOf(d->maximum) == widthOf(d->minimum);
    signalLimitChanges(this, before, d->limits());
    publish(false, false);
}

QVariantMap TKArvuKast::savePersisted() const
{
    return {{QStringLiteral("LubaNegArv"), d->negAllowed},
            {QStringLiteral("LubaNull"), d->zeroAllowed},
            {QStringLiteral("MaksimaalneV"), d->maximum},
            {QStringLiteral("MinimaalneV"), d->minimum},
            {QStringLiteral("MaxPikkus"), d->limit}};
}

bool TKArvuKast::fieldKey(TKField *field, Qt::Key key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (d->inLimits())
            emit TKEnterPress();
        return false;
    }
    if (field->isReadOnly())
        return false;
    if (key == Qt::Key_Backspace)
        return true;

    const QString text = field->text();
    const bool selected = field->hasSelectedText();
    // A selection that a typed character may replace: the whole text when it
    // is a lone "0" (as focus entry selects it) or a lone "-".
    const bool replaceable = selected && field->selectedText().size() == text.size()
                             && (text == QLatin1String("0") || text == QLatin1String("-"));

    if (key == Qt::Key_Minus) {
        if (!d->negAllowed)
            return false;
        return selected ? replaceable : text.isEmpty();
    }
    if (key < Qt::Key_0 || key > Qt::Key_9)
        return false;
    const int digit = key - Qt::Key_0;
    const QChar character(u'0' + digit);

    const auto firstDigit = [&](bool afterSign) {
        if (digit == 0)
            return d->zeroAllowed && !afterSign;
        if (d->sameWidth && d->maximum > 0) {
            const int lo = QString::number(d->minimum).at(0).unicode() - u'0';
            const int hi = QString::number(d->maximum).at(0).unicode() - u'0';
            if (digit < lo || digit > hi)
                return false;
        }
        return !(d->maximum > 0 && digit > d->maximum);
    };

    if (selected) {
        if (!replaceable) {
            field->setCursorPosition(int(text.size()));
            return false;
        }
        return firstDigit(false);
    }
    if (text.isEmpty())
        return firstDigit(false);
    if (text == QLatin1String("0"))
        return false;
    const int limit = d->effectiveLimit(text);
    if (text == QLatin1String("-")) {
        if (limit > 0 && text.size() >= limit)
            return false;
        field->setCursorPosition(1); // the digit goes after the sign
        return firstDigit(true);
    }

    if (field->cursorPosition() != text.size())
        field->setCursorPosition(int(text.size()));
    const Number n = parseNumber(text);
    if (!n.ok || n.digits.size() >= kMaxDigits)
        return false;
    if (d->digitLimit() > 0 && n.digits.size() >= d->digitLimit())
        return false;
    Number next = n;
    next.digits += character;
    const Big v = valueOf(next);
    if (!d->sameWidth) {
        if (d->maximum > 0 && v > d->maximum)
            return false;
    } else if (d->maximum > 0) {
        // Each prefix of the input lies between the same-length prefixes of
        // the minimum and the maximum.
        const qsizetype t = next.digits.size();
        const Big lo = magnitude(QString::number(d->minimum).left(t));
        const Big hi = magnitude(QString::number(d->maximum).left(t));
        if (v < lo || v > hi)
            return false;
    } else if (text.size() >= kMaxGroupedLength + (n.negative ? 1 : 0)) {
        return false;
    }
    return !(limit > 0 && text.size() >= limit);
}

void TKArvuKast::fieldChanged(TKField *field)
{
    const QString text = field->text();
    bool complete = false;
    if (!text.isEmpty() && text != QLatin1String("-")) {
        const Number n = parseNumber(text);
        // Re-formatting is itself a change: its processing runs nested.
        QString formatted;
        if (n.ok)
            formatted = d->canonical(n.negative, n.digits);
        else // nothing but a sign and separators is left
            formatted = text.startsWith(u'-') ? QStringLiteral("-") : QString();
        if (formatted != text) {
            field->setText(formatted);
            field->setCursorPosition(int(formatted.size()));
        }
        const QString now = field->text();
        const Number cur = parseNumber(now);
        if (cur.ok) {
            const int md = d->maxDigits();
            const int limit = d->effectiveLimit(now);
            if (valueOf(cur) == 0)
                complete = true;
            else if (limit > 0)
                complete = now.size() >= limit;
            else if (md >= 1 && md <= 4)
                complete = now.size() == md;
            else if (md >= 5)
                complete = cur.digits.size() == md;
        }
    }
    publish(true, complete);
}

void TKArvuKast::controlEntered(TKField *field)
{
    const QString text = field->text();
    if (text == QLatin1String("0") || text == QLatin1String("-"))
        field->setSelection(0, 1);
}

void TKArvuKast::controlLeft(TKField *field)
{
    if (field->hasSelectedText())
        field->setCursorPosition(int(field->text().size()));
}

bool TKArvuKast::canPaste(TKField *, const QString &text) const
{
    return !d->pasteCandidate(text).isEmpty();
}

void TKArvuKast::doPaste(TKField *field, const QString &text)
{
    const QString candidate = d->pasteCandidate(text);
    if (!candidate.isEmpty())
        field->insert(candidate);
}

void TKArvuKast::TKClear()
{
    setTextInternally(d->field, QString());
    publish(true, false);
}

void TKArvuKast::TKFocusInValidation()
{
    focusField(d->field);
}

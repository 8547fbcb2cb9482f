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
    bool inLimits = false;
    bool negAllowed = false;
    bool zeroAllowed = false;
    bool sameWidth = false;
    qint32 maximum = 0;
    qint32 minimum = 0;
    int limit = 0; // characters for a number without sign; 0 = none

    int maxDigits() const { return maximum > 0 ? widthOf(maximum) : 0; }
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

    bool valueInLimits(const Number &n) const
    {
        if (withoutLeadingZeros(n.digits).size() > kMaxDigits)
            return false;
        const Big v = valueOf(n);
        if (maximum > 0)
            return v >= minimum && v <= maximum;
        return minimum <= 0 || v >= minimum;
    }

    // Whether a text is a number the in-limits flag may stand for.
    bool evaluate(const QString &text) const
    {
        if (text.isEmpty())
            return minimum == 0;
        const Number n = parseNumber(text);
        if (!n.ok)
            return false;
        const QString d = withoutLeadingZeros(n.digits);
        const bool neg = n.negative && d != QLatin1String("0");
        const QString sign = neg ? QStringLiteral("-") : QString();
        const QString plain = sign + d;
        const QString grouped = sign + regionalnumbers::groupDigits(d, regionalnumbers::groupSeparator());
        if (text != plain && text != grouped)
            return false;
        return valueInLimits(n);
    }

    // Keeps the field's character limit in step with the sign: a leading "-"
    // takes one character more. The field never cuts its text here.
    void applyLimit() const
    {
        const QString text = field->text();
        int wanted = effectiveLimit(text);
        if (wanted > 0 && wanted < text.size())
            wanted = int(text.size());
        if (field->characterLimit() == wanted)
            return;
        const bool selected = field->hasSelectedText();
        const int pos = field->cursorPosition();
        const int selStart = field->selectionStart();
        const int selLength = int(field->selectedText().size());
        field->setCharacterLimit(wanted);
        if (selected)
            field->setSelection(selStart, selLength);
        else
            field->setCursorPosition(pos);
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
        if (d == QLatin1String("0") && !zeroAllowed)
            return {};
        const QString candidate = canonical(neg, d);
        const Big v = valueOf(n);
        if (maximum > 0)
            return (v >= minimum && v <= maximum) ? candidate : QString();
        if (neg) {
            if (!negAllowed || limit == 0 || candidate.size() > limit + 1)
                return {};
            return candidate;
        }
        if (limit > 0 && candidate.size() > limit)
            return {};
        if (minimum > 0 && v < minimum)
            return {};
        return candidate;
    }
};

TKArvuKast::TKArvuKast(QWidget *parent)
    : TKControl(parent), d(std::make_unique<Private>())
{
    d->field = addField(QStringLiteral("txtArv"), 2, 96, 0);
    d->field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFixedHeight(px(22));
    setMinimumWidth(px(24));
    setMaximumWidth(px(175));
    resize(px(100), px(22));
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

TKField *TKArvuKast::mainField() const
{
    return d->field;
}

QVariant TKArvuKast::TKArv() const
{
    const QString text = d->field->text();
    if (!d->inLimits || text.isEmpty())
        return {};
    return text;
}

bool TKArvuKast::TKArvPiirides() const
{
    return d->inLimits;
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
    return digitsForCharacters(d->limit);
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
    d->negAllowed = allowed;
    if (allowed) {
        d->maximum = 0;
        d->minimum = 0;
    }
    if (d->inLimits && !d->evaluate(d->field->text()))
        d->inLimits = false;
}

void TKArvuKast::setTKNullLubatud(bool allowed)
{
    d->zeroAllowed = allowed;
    d->minimum = 0;
    if (d->inLimits && !d->evaluate(d->field->text()))
        d->inLimits = false;
}

void TKArvuKast::setTKMaksimaalnePikkus(int digits)
{
    d->limit = charactersForDigits(digits);
    const QString text = d->field->text();
    if (d->limit > 0 && !text.isEmpty() && text.size() > d->effectiveLimit(text)) {
        // Too long for the new limit: keep the leading digits that fit.
        const Number n = parseNumber(text);
        const QString cut =
            n.ok ? d->canonical(n.negative, n.digits.left(digitsForCharacters(d->limit))) : QString();
        setTextInternally(d->field, cut);
        d->applyLimit();
        d->inLimits = d->evaluate(cut);
        emitChange(false);
        return;
    }
    d->applyLimit();
    if (d->inLimits && !d->evaluate(text))
        d->inLimits = false;
}

void TKArvuKast::setTKMaksimaalneVaartus(int value)
{
    if (d->negAllowed)
        return;
    bool changed = false;
    if (value > d->minimum) {
        d->maximum = value;
    } else if (value > 0) {
        d->maximum = qint32(qMin<qint64>(qint64(d->minimum) + 1, std::numeric_limits<qint32>::max()));
    } else {
        d->maximum = 0;
        d->minimum = 0;
        d->inLimits = d->evaluate(d->field->text());
    }
    const QString text = d->field->text();
    const Number n = parseNumber(text);
    if (n.ok && d->maximum > 0 && valueOf(n) > d->maximum) {
        const QString bound = d->canonical(false, QString::number(d->maximum));
        setTextInternally(d->field, bound);
        d->applyLimit();
        d->inLimits = d->evaluate(bound);
        changed = true;
    }
    if (changed)
        emitChange(false);
    d->sameWidth = widthOf(d->maximum) == widthOf(d->minimum);
    if (d->inLimits && !d->evaluate(d->field->text()))
        d->inLimits = false;
}

void TKArvuKast::setTKMinimaalneVaartus(int value)
{
    if (d->negAllowed || d->zeroAllowed)
        return;
    if (value < d->maximum)
        d->minimum = value < 0 ? 0 : value;
    else
        d->minimum = d->maximum > 0 ? d->maximum - 1 : 0;
    const QString text = d->field->text();
    const Number n = parseNumber(text);
    if (n.ok && valueOf(n) < d->minimum) {
        const QString bound = d->canonical(false, QString::number(d->minimum));
        setTextInternally(d->field, bound);
        d->applyLimit();
        d->inLimits = d->evaluate(bound);
        emitChange(false);
    }
    d->sameWidth = widthOf(d->maximum) == widthOf(d->minimum);
    if (d->inLimits && !d->evaluate(d->field->text()))
        d->inLimits = false;
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

// The load rules, after any persisted value was stored as it was.
void TKArvuKast::applyLoadRules()
{
    d->applyLimit();
    if (d->minimum == 0)
        d->inLimits = d->evaluate(d->field->text());
    d->sameWidth = widthOf(d->maximum) == widthOf(d->minimum);
    if (d->inLimits && !d->evaluate(d->field->text()))
        d->inLimits = false;
}

void TKArvuKast::setLubanegarv(bool value)
{
    d->negAllowed = value;
    applyLoadRules();
}

void TKArvuKast::setLubanull(bool value)
{
    d->zeroAllowed = value;
    applyLoadRules();
}

void TKArvuKast::setMaksimaalnev(int value)
{
    d->maximum = value;
    applyLoadRules();
}

void TKArvuKast::setMinimaalnev(int value)
{
    d->minimum = value;
    applyLoadRules();
}

void TKArvuKast::setMaxpikkus(int characters)
{
    d->limit = characters > 0 ? characters : 0;
    applyLoadRules();
}

void TKArvuKast::loadPersisted(const QVariantMap &store)
{
    d->negAllowed = persistedValue(store, QStringLiteral("LubaNegArv")).toBool();
    d->zeroAllowed = persistedValue(store, QStringLiteral("LubaNull")).toBool();
    d->maximum = persistedValue(store, QStringLiteral("MaksimaalneV")).toInt();
    d->minimum = persistedValue(store, QStringLiteral("MinimaalneV")).toInt();
    const int limit = persistedValue(store, QStringLiteral("MaxPikkus")).toInt();
    d->limit = limit > 0 ? limit : 0;
    applyLoadRules();
}

QVariantMap TKArvuKast::savePersisted() const
{
    return {{QStringLiteral("LubaNegArv"), d->negAllowed},
            {QStringLiteral("LubaNull"), d->zeroAllowed},
            {QStringLiteral("MaksimaalneV"), d->maximum},
            {QStringLiteral("MinimaalneV"), d->minimum},
            {QStringLiteral("MaxPikkus"), d->limit}};
}

void TKArvuKast::emitChange(bool complete)
{
    bool inLimits = d->inLimits;
    emit TKChange(inLimits);
    if (complete)
        emit TKFullChange();
}

int TKArvuKast::fieldKey(TKField *field, int key)
{
    if (key == 13) {
        if (d->inLimits)
            emit TKEnterPress();
        return 0;
    }
    if (field->isReadOnly())
        return 0;
    if (key == 8)
        return key;

    const QString text = field->text();
    const bool selected = field->hasSelectedText();
    // A selection that a typed character may replace: the whole text when it
    // is a lone "0" (as focus entry selects it) or a lone "-".
    const bool replaceable = selected && field->selectedText().size() == text.size()
                             && (text == QLatin1String("0") || text == QLatin1String("-"));

    if (key == '-') {
        if (!d->negAllowed)
            return 0;
        if (selected ? !replaceable : !text.isEmpty())
            return 0;
        return key;
    }
    if (key < '0' || key > '9')
        return 0;
    const int digit = key - '0';

    const auto firstDigit = [&](bool afterSign) {
        if (digit == 0)
            return (d->zeroAllowed && !afterSign) ? key : 0;
        if (d->sameWidth && d->maximum > 0) {
            const int lo = QString::number(d->minimum).at(0).unicode() - u'0';
            const int hi = QString::number(d->maximum).at(0).unicode() - u'0';
            if (digit < lo || digit > hi)
                return 0;
        }
        if (d->maximum > 0 && digit > d->maximum)
            return 0;
        return key;
    };

    if (selected) {
        if (!replaceable) {
            field->setCursorPosition(int(text.size()));
            return 0;
        }
        return firstDigit(false);
    }
    if (text.isEmpty())
        return firstDigit(false);
    if (text == QLatin1String("0"))
        return 0;
    const int limit = d->effectiveLimit(text);
    if (text == QLatin1String("-")) {
        if (limit > 0 && text.size() >= limit)
            return 0;
        field->setCursorPosition(1); // the digit goes after the sign
        return firstDigit(true);
    }

    if (field->cursorPosition() != text.size())
        field->setCursorPosition(int(text.size()));
    const Number n = parseNumber(text);
    if (!n.ok || n.digits.size() >= kMaxDigits)
        return 0;
    Number next = n;
    next.digits += QChar(key);
    const Big v = valueOf(next);
    if (!d->sameWidth) {
        if (d->maximum > 0 && v > d->maximum)
            return 0;
    } else if (d->maximum > 0) {
        // Each prefix of the input lies between the same-length prefixes of
        // the minimum and the maximum.
        const qsizetype t = next.digits.size();
        const Big lo = magnitude(QString::number(d->minimum).left(t));
        const Big hi = magnitude(QString::number(d->maximum).left(t));
        if (v < lo || v > hi)
            return 0;
    } else if (text.size() >= kMaxGroupedLength + (n.negative ? 1 : 0)) {
        return 0;
    }
    if (limit > 0 && text.size() >= limit)
        return 0;
    return key;
}

void TKArvuKast::fieldChanged(TKField *field)
{
    d->applyLimit();
    const QString text = field->text();
    d->inLimits = false;
    bool complete = false;
    if (text.isEmpty()) {
        d->inLimits = d->minimum == 0;
    } else if (text != QLatin1String("-")) {
        const Number n = parseNumber(text);
        if (n.ok) {
            d->inLimits = d->valueInLimits(n);
            // Re-formatting is itself a change: its processing runs nested.
            const QString formatted = d->canonical(n.negative, n.digits);
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
    }
    emitChange(complete);
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
    if (candidate.isEmpty())
        return;
    field->setCharacterLimit(d->effectiveLimit(candidate));
    field->insert(candidate);
}

void TKArvuKast::TKClear()
{
    if (d->minimum != 0)
        d->inLimits = false;
    setTextInternally(d->field, QString());
    d->applyLimit();
    emitChange(false);
}

void TKArvuKast::TKFocusInValidation()
{
    focusField(d->field);
}

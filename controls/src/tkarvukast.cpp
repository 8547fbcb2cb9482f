// SPDX-License-Identifier: GPL-3.0-or-later
#include <tundkast/tkarvukast.h>

#include "numberlimits.h"
#include "persisted.h"
#include "tkcontrol_p.h"
#include "tkfield.h"

#include <QResizeEvent>

class TUNDKAST_NO_EXPORT TKArvuKast::Private final : public TKControl::Private
{
public:
    explicit Private(TKArvuKast *box) : TKControl::Private(box), q(box) {}

    TKArvuKast *const q;
    TKField *field = nullptr;
    // The limits; every rule of the numbers is asked of them.
    NumberLimits limits;

    // The flag the last TKChange carried.
    bool toldInLimits = false;
    // Counts the rounds of change signals, so that one interrupted by a
    // nested round stops.
    quint64 round = 0;
    // The values the property change signals last carried.
    QVariant toldArvText;
    bool toldFlag = false;
    qint64 toldValue = 0;

    bool inLimits() const { return limits.inLimits(field->text()); }

    QVariant arvText() const
    {
        const QString text = field->text();
        if (text.isEmpty() || !limits.inLimits(text))
            return {};
        return text;
    }

    void publish(bool contentChanged, bool complete);
    void limitsChanged(const NumberLimits &before, bool textChanged);
    void replaceText(const QString &text) { setTextInternally(field, text); }

    bool fieldKey(TKField *field, Qt::Key key) override;
    void fieldChanged(TKField *field) override;
    void controlEntered(TKField *field) override;
    void controlLeft(TKField *field) override;
    bool canPaste(TKField *field, const QString &text) const override;
    void doPaste(TKField *field, const QString &text) override;
    void updateState() override { publish(false, false); }
};

TKArvuKast::TKArvuKast(QWidget *parent)
    : TKControl(std::make_unique<Private>(this), parent)
    , d(static_cast<Private *>(TKControl::Private::of(this)))
{
    // The field itself cuts nothing: the box keeps its own character limit.
    d->field = d->addField(QStringLiteral("txtArv"), 2, 96, 0);
    d->field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFixedHeight(d->px(22));
    setMinimumWidth(d->px(24));
    setMaximumWidth(d->px(175));
    resize(d->px(100), d->px(22));
    d->toldInLimits = d->toldFlag = d->inLimits();
}

TKArvuKast::~TKArvuKast() = default;

QSize TKArvuKast::sizeHint() const
{
    return {d->px(100), d->px(22)};
}

void TKArvuKast::resizeEvent(QResizeEvent *event)
{
    TKControl::resizeEvent(event);
    d->field->setGeometry(d->px(2), d->px(3), qMax(0, width() - d->px(4)), d->px(16));
}

// Every change of the text or of the limits ends here: TKChange carries the
// in-limits flag of the text shown when the content changed or the flag did,
// then each property whose value changed signals it.
void TKArvuKast::Private::publish(bool contentChanged, bool complete)
{
    const bool now = inLimits();
    if (contentChanged || now != toldInLimits) {
        toldInLimits = now;
        emit q->TKChange(now);
    }
    if (complete)
        emit q->TKFullChange();
    // A handler may change the box again; then its own publish has told the
    // newest values, and what is left here is stale.
    const quint64 thisRound = ++round;
    if (const bool flag = inLimits(); flag != toldFlag) {
        toldFlag = flag;
        emit q->TKArvPiiridesChanged(flag);
    }
    if (const QVariant text = arvText(); thisRound == round && text != toldArvText) {
        toldArvText = text;
        emit q->TKArvChanged(text);
    }
    if (const qint64 value = limits.value(field->text()); thisRound == round && value != toldValue) {
        toldValue = value;
        emit q->arvChanged(value);
    }
}

// The end of every setter of a limit: each limit property that changed
// signals it, then the flag and the values are told.
void TKArvuKast::Private::limitsChanged(const NumberLimits &before, bool textChanged)
{
    if (limits.negativeAllowed != before.negativeAllowed)
        emit q->TKNegArvLubatudChanged(limits.negativeAllowed);
    if (limits.zeroAllowed != before.zeroAllowed)
        emit q->TKNullLubatudChanged(limits.zeroAllowed);
    if (limits.maximum != before.maximum)
        emit q->TKMaksimaalneVaartusChanged(limits.maximum);
    if (limits.minimum != before.minimum)
        emit q->TKMinimaalneVaartusChanged(limits.minimum);
    if (limits.digitLimit() != before.digitLimit())
        emit q->TKMaksimaalnePikkusChanged(limits.digitLimit());
    if (limits.characterLimit != before.characterLimit)
        emit q->maxpikkusChanged(limits.characterLimit);
    publish(textChanged, false);
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
    return d->limits.value(d->field->text());
}

void TKArvuKast::setArv(qint64 value)
{
    const QString text = d->limits.written(value);
    const bool changed = text != d->field->text();
    if (changed)
        d->replaceText(text);
    d->publish(changed, false);
}

bool TKArvuKast::TKNegArvLubatud() const
{
    return d->limits.negativeAllowed;
}

bool TKArvuKast::TKNullLubatud() const
{
    return d->limits.zeroAllowed;
}

int TKArvuKast::TKMaksimaalnePikkus() const
{
    return d->limits.digitLimit();
}

int TKArvuKast::TKMaksimaalneVaartus() const
{
    return d->limits.maximum;
}

int TKArvuKast::TKMinimaalneVaartus() const
{
    return d->limits.minimum;
}

void TKArvuKast::setTKNegArvLubatud(bool allowed)
{
    const NumberLimits before = d->limits;
    d->limits.setNegativeAllowed(allowed);
    d->limitsChanged(before, false);
}

void TKArvuKast::setTKNullLubatud(bool allowed)
{
    const NumberLimits before = d->limits;
    d->limits.setZeroAllowed(allowed);
    d->limitsChanged(before, false);
}

void TKArvuKast::setTKMaksimaalnePikkus(int digits)
{
    const NumberLimits before = d->limits;
    d->limits.setDigitLimit(digits);
    // Too long for the new limit: keep the leading digits that fit.
    const bool changed = d->limits.tooManyDigits(d->field->text());
    if (changed)
        d->replaceText(d->limits.fitted(d->field->text()));
    d->limitsChanged(before, changed);
}

void TKArvuKast::setTKMaksimaalneVaartus(int value)
{
    if (d->limits.negativeAllowed)
        return;
    const NumberLimits before = d->limits;
    d->limits.setMaximum(value);
    const bool changed = d->limits.aboveMaximum(d->field->text());
    if (changed)
        d->replaceText(d->limits.fitted(QString::number(d->limits.maximum)));
    d->limitsChanged(before, changed);
}

void TKArvuKast::setTKMinimaalneVaartus(int value)
{
    if (d->limits.negativeAllowed || d->limits.zeroAllowed)
        return;
    const NumberLimits before = d->limits;
    d->limits.setMinimum(value);
    const bool changed = d->limits.belowMinimum(d->field->text());
    if (changed)
        d->replaceText(d->limits.fitted(QString::number(d->limits.minimum)));
    d->limitsChanged(before, changed);
}

bool TKArvuKast::lubanegarv() const
{
    return d->limits.negativeAllowed;
}

bool TKArvuKast::lubanull() const
{
    return d->limits.zeroAllowed;
}

int TKArvuKast::maksimaalnev() const
{
    return d->limits.maximum;
}

int TKArvuKast::minimaalnev() const
{
    return d->limits.minimum;
}

int TKArvuKast::maxpikkus() const
{
    return d->limits.characterLimit;
}

void TKArvuKast::setLubanegarv(bool value)
{
    const NumberLimits before = d->limits;
    d->limits.negativeAllowed = value;
    d->limitsChanged(before, false);
}

void TKArvuKast::setLubanull(bool value)
{
    const NumberLimits before = d->limits;
    d->limits.zeroAllowed = value;
    d->limitsChanged(before, false);
}

void TKArvuKast::setMaksimaalnev(int value)
{
    const NumberLimits before = d->limits;
    d->limits.maximum = value;
    d->limitsChanged(before, false);
}

void TKArvuKast::setMinimaalnev(int value)
{
    const NumberLimits before = d->limits;
    d->limits.minimum = value;
    d->limitsChanged(before, false);
}

void TKArvuKast::setMaxpikkus(int characters)
{
    const NumberLimits before = d->limits;
    d->limits.characterLimit = qMax(characters, 0);
    d->limitsChanged(before, false);
}

void TKArvuKast::loadPersisted(const QVariantMap &store)
{
    const NumberLimits before = d->limits;
    d->limits.negativeAllowed = persistedValue(store, QStringLiteral("LubaNegArv")).toBool();
    d->limits.zeroAllowed = persistedValue(store, QStringLiteral("LubaNull")).toBool();
    d->limits.maximum = persistedValue(store, QStringLiteral("MaksimaalneV")).toInt();
    d->limits.minimum = persistedValue(store, QStringLiteral("MinimaalneV")).toInt();
    d->limits.characterLimit = qMax(persistedValue(store, QStringLiteral("MaxPikkus")).toInt(), 0);
    d->limitsChanged(before, false);
}

QVariantMap TKArvuKast::savePersisted() const
{
    return {{QStringLiteral("LubaNegArv"), d->limits.negativeAllowed},
            {QStringLiteral("LubaNull"), d->limits.zeroAllowed},
            {QStringLiteral("MaksimaalneV"), d->limits.maximum},
            {QStringLiteral("MinimaalneV"), d->limits.minimum},
            {QStringLiteral("MaxPikkus"), d->limits.characterLimit}};
}

bool TKArvuKast::Private::fieldKey(TKField *field, Qt::Key key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (inLimits())
            emit q->TKEnterPress();
        return false;
    }
    if (field->isReadOnly())
        return false;
    if (key == Qt::Key_Backspace)
        return true;
    QChar character;
    if (key == Qt::Key_Minus)
        character = u'-';
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        character = QChar(u'0' + (key - Qt::Key_0));
    else
        return false;

    const QString text = field->text();
    if (field->hasSelectedText()) {
        // A selection that a typed character may replace: the whole text
        // when it is a lone "0" (as focus entry selects it) or a lone "-".
        // Any other selection only collapses under a digit.
        const bool replaceable = field->selectedText().size() == text.size()
                                 && (text == QLatin1String("0") || text == QLatin1String("-"));
        if (!replaceable) {
            if (character != u'-')
                field->setCursorPosition(int(text.size()));
            return false;
        }
        return limits.mayType(QString(), character);
    }
    // A typed digit always goes to the end (after a lone "-" too).
    if (character != u'-' && !text.isEmpty() && text != QLatin1String("0")
        && field->cursorPosition() != text.size())
        field->setCursorPosition(int(text.size()));
    return limits.mayType(text, character);
}

void TKArvuKast::Private::fieldChanged(TKField *field)
{
    const QString text = field->text();
    bool complete = false;
    if (!text.isEmpty() && text != QLatin1String("-")) {
        // Re-formatting is itself a change: its processing runs nested.
        const QString formatted = limits.canonical(text);
        if (formatted != text) {
            field->setText(formatted);
            field->setCursorPosition(int(formatted.size()));
        }
        complete = limits.complete(field->text());
    }
    publish(true, complete);
}

void TKArvuKast::Private::controlEntered(TKField *field)
{
    const QString text = field->text();
    if (text == QLatin1String("0") || text == QLatin1String("-"))
        field->setSelection(0, 1);
}

void TKArvuKast::Private::controlLeft(TKField *field)
{
    if (field->hasSelectedText())
        field->setCursorPosition(int(field->text().size()));
}

bool TKArvuKast::Private::canPaste(TKField *field, const QString &text) const
{
    return !limits.pasted(field->text(), text).isEmpty();
}

void TKArvuKast::Private::doPaste(TKField *field, const QString &text)
{
    const QString number = limits.pasted(field->text(), text);
    if (!number.isEmpty())
        field->insert(number);
}

void TKArvuKast::TKClear()
{
    d->replaceText(QString());
    d->publish(true, false);
}

void TKArvuKast::TKFocusInValidation()
{
    d->focusField(d->field);
}

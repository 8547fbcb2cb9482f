// SPDX-License-Identifier: GPL-3.0-or-later
#include <tundkast/tkarvukast.h>

#include "numberlimits.h"
#include "persisted.h"
#include "tkfield.h"

#include <QResizeEvent>

namespace {

// Signals each limit property whose value differs from before.
void signalLimitChanges(TKArvuKast *box, const NumberLimits &before, const NumberLimits &now)
{
    if (now.negativeAllowed != before.negativeAllowed)
        emit box->TKNegArvLubatudChanged(now.negativeAllowed);
    if (now.zeroAllowed != before.zeroAllowed)
        emit box->TKNullLubatudChanged(now.zeroAllowed);
    if (now.maximum != before.maximum)
        emit box->TKMaksimaalneVaartusChanged(now.maximum);
    if (now.minimum != before.minimum)
        emit box->TKMinimaalneVaartusChanged(now.minimum);
    if (now.digitLimit() != before.digitLimit())
        emit box->TKMaksimaalnePikkusChanged(now.digitLimit());
    if (now.characterLimit != before.characterLimit)
        emit box->maxpikkusChanged(now.characterLimit);
}

} // namespace

struct TKArvuKast::Private {
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
    if (const qint64 value = d->limits.value(d->field->text()); round == d->round && value != d->toldValue) {
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
    return d->limits.value(d->field->text());
}

void TKArvuKast::setArv(qint64 value)
{
    const QString text = d->limits.written(value);
    const bool changed = text != d->field->text();
    if (changed)
        replaceText(text);
    publish(changed, false);
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
    signalLimitChanges(this, before, d->limits);
    publish(false, false);
}

void TKArvuKast::setTKNullLubatud(bool allowed)
{
    const NumberLimits before = d->limits;
    d->limits.setZeroAllowed(allowed);
    signalLimitChanges(this, before, d->limits);
    publish(false, false);
}

void TKArvuKast::setTKMaksimaalnePikkus(int digits)
{
    const NumberLimits before = d->limits;
    d->limits.setDigitLimit(digits);
    // Too long for the new limit: keep the leading digits that fit.
    const bool changed = d->limits.tooManyDigits(d->field->text());
    if (changed)
        replaceText(d->limits.fitted(d->field->text()));
    signalLimitChanges(this, before, d->limits);
    publish(changed, false);
}

void TKArvuKast::setTKMaksimaalneVaartus(int value)
{
    if (d->limits.negativeAllowed)
        return;
    const NumberLimits before = d->limits;
    d->limits.setMaximum(value);
    const bool changed = d->limits.aboveMaximum(d->field->text());
    if (changed)
        replaceText(d->limits.fitted(QString::number(d->limits.maximum)));
    signalLimitChanges(this, before, d->limits);
    publish(changed, false);
}

void TKArvuKast::setTKMinimaalneVaartus(int value)
{
    if (d->limits.negativeAllowed || d->limits.zeroAllowed)
        return;
    const NumberLimits before = d->limits;
    d->limits.setMinimum(value);
    const bool changed = d->limits.belowMinimum(d->field->text());
    if (changed)
        replaceText(d->limits.fitted(QString::number(d->limits.minimum)));
    signalLimitChanges(this, before, d->limits);
    publish(changed, false);
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
    signalLimitChanges(this, before, d->limits);
    publish(false, false);
}

void TKArvuKast::setLubanull(bool value)
{
    const NumberLimits before = d->limits;
    d->limits.zeroAllowed = value;
    signalLimitChanges(this, before, d->limits);
    publish(false, false);
}

void TKArvuKast::setMaksimaalnev(int value)
{
    const NumberLimits before = d->limits;
    d->limits.maximum = value;
    signalLimitChanges(this, before, d->limits);
    publish(false, false);
}

void TKArvuKast::setMinimaalnev(int value)
{
    const NumberLimits before = d->limits;
    d->limits.minimum = value;
    signalLimitChanges(this, before, d->limits);
    publish(false, false);
}

void TKArvuKast::setMaxpikkus(int characters)
{
    const NumberLimits before = d->limits;
    d->limits.characterLimit = qMax(characters, 0);
    signalLimitChanges(this, before, d->limits);
    publish(false, false);
}

void TKArvuKast::loadPersisted(const QVariantMap &store)
{
    const NumberLimits before = d->limits;
    d->limits.negativeAllowed = persistedValue(store, QStringLiteral("LubaNegArv")).toBool();
    d->limits.zeroAllowed = persistedValue(store, QStringLiteral("LubaNull")).toBool();
    d->limits.maximum = persistedValue(store, QStringLiteral("MaksimaalneV")).toInt();
    d->limits.minimum = persistedValue(store, QStringLiteral("MinimaalneV")).toInt();
    d->limits.characterLimit = qMax(persistedValue(store, QStringLiteral("MaxPikkus")).toInt(), 0);
    signalLimitChanges(this, before, d->limits);
    publish(false, false);
}

QVariantMap TKArvuKast::savePersisted() const
{
    return {{QStringLiteral("LubaNegArv"), d->limits.negativeAllowed},
            {QStringLiteral("LubaNull"), d->limits.zeroAllowed},
            {QStringLiteral("MaksimaalneV"), d->limits.maximum},
            {QStringLiteral("MinimaalneV"), d->limits.minimum},
            {QStringLiteral("MaxPikkus"), d->limits.characterLimit}};
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
        return d->limits.mayType(QString(), character);
    }
    // A typed digit always goes to the end (after a lone "-" too).
    if (character != u'-' && !text.isEmpty() && text != QLatin1String("0")
        && field->cursorPosition() != text.size())
        field->setCursorPosition(int(text.size()));
    return d->limits.mayType(text, character);
}

void TKArvuKast::fieldChanged(TKField *field)
{
    const QString text = field->text();
    bool complete = false;
    if (!text.isEmpty() && text != QLatin1String("-")) {
        // Re-formatting is itself a change: its processing runs nested.
        const QString formatted = d->limits.canonical(text);
        if (formatted != text) {
            field->setText(formatted);
            field->setCursorPosition(int(formatted.size()));
        }
        complete = d->limits.complete(field->text());
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

bool TKArvuKast::canPaste(TKField *field, const QString &text) const
{
    return !d->limits.pasted(field->text(), text).isEmpty();
}

void TKArvuKast::doPaste(TKField *field, const QString &text)
{
    const QString number = d->limits.pasted(field->text(), text);
    if (!number.isEmpty())
        field->insert(number);
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

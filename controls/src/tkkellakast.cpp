#include <tundkast/tkkellakast.h>

#include <tundkast/modtundkast.h>

#include "tkfield.h"

struct TKKellaKast::Private {
    TKField *hour = nullptr;
    TKField *minute = nullptr;
    TKField *second = nullptr;
    bool allSet = false;
};

TKKellaKast::TKKellaKast(QWidget *parent)
    : TKControl(parent), d(std::make_unique<Private>())
{
    d->hour = addField(QStringLiteral("txtTund"), 2, 20, 2);
    addSeparator(QStringLiteral("lblKoolon"), QStringLiteral(":"), 22);
    d->minute = addField(QStringLiteral("txtMinut"), 25, 20, 2);
    addSeparator(QStringLiteral("lblKoolon"), QStringLiteral(":"), 45);
    d->second = addField(QStringLiteral("txtSekund"), 48, 20, 2);
    for (TKField *f : std::as_const(m_fields))
        f->setAlignment(Qt::AlignCenter);
    setFixedSize(px(70), px(22));
}

TKKellaKast::~TKKellaKast() = default;

QSize TKKellaKast::sizeHint() const
{
    return {px(70), px(22)};
}

TKField *TKKellaKast::mainField() const
{
    return d->hour;
}

QVariant TKKellaKast::TKKell() const
{
    if (!d->allSet)
        return {};
    const auto two = [](const QString &t) { return t.size() < 2 ? QStringLiteral("0") + t : t; };
    return QString(two(d->hour->text()) + u':' + two(d->minute->text()) + u':'
                   + two(d->second->text()));
}

int TKKellaKast::fieldKey(TKField *field, int key)
{
    if (key == 13) {
        if (d->allSet)
            emit TKEnterPress();
        return 0;
    }
    if (field->isReadOnly())
        return 0;
    modTundkast::FilterDigitKey(key, field, 2, field == d->hour ? 23 : 59, true);
    return key;
}

bool TKKellaKast::fieldTab(TKField *field)
{
    if (field != d->second || d->allSet)
        return false;
    focusField(d->hour);
    return true;
}

void TKKellaKast::fieldChanged(TKField *field)
{
    const bool hourSet = !d->hour->text().isEmpty();
    const bool minuteSet = !d->minute->text().isEmpty();
    const bool secondSet = !d->second->text().isEmpty();
    d->allSet = hourSet && minuteSet && secondSet;

    bool complete = false;
    if (field->text().size() == 2) {
        // Auto-advance to the next field that still needs input.
        TKField *next = nullptr;
        if (field == d->hour)
            next = !minuteSet ? d->minute : !secondSet ? d->second : nullptr;
        else if (field == d->minute)
            next = !secondSet ? d->second : !hourSet ? d->hour : nullptr;
        else
            next = !hourSet ? d->hour : !minuteSet ? d->minute : nullptr;
        if (next)
            focusField(next);
        else
            complete = true;
    }
    bool allSet = d->allSet;
    emit TKChange(allSet);
    if (complete)
        emit TKFullChange();
}

void TKKellaKast::fieldValidate(TKField *field)
{
    const QString text = field->text();
    if (text.isEmpty())
        return;
    if (field->hasSelectedText())
        field->setCursorPosition(int(text.size()));
    if (text.size() < 2)
        setTextInternally(field, QStringLiteral("0") + text, 2);
}

void TKKellaKast::controlEntered(TKField *)
{
    for (TKField *f : {d->hour, d->minute, d->second}) {
        if (f->text().isEmpty()) {
            focusField(f);
            return;
        }
    }
}

void TKKellaKast::TKClear()
{
    d->allSet = false;
    for (TKField *f : {d->hour, d->minute, d->second})
        setTextInternally(f, QString());
    bool allSet = false;
    emit TKChange(allSet);
}

void TKKellaKast::TKFocusInValidation()
{
    focusField(d->hour);
}

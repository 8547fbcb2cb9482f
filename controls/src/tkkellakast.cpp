// SPDX-License-Identifier: GPL-3.0-or-later
#include <tundkast/tkkellakast.h>

#include <tundkast/modtundkast.h>

#include "tkfield.h"

#include <utility>

namespace {

QString twoDigits(const QString &text)
{
    return text.size() < 2 ? QStringLiteral("0") + text : text;
}

} // namespace

struct TKKellaKast::Private {
    TKField *hour = nullptr;
    TKField *minute = nullptr;
    TKField *second = nullptr;
    // The all-set flag as the last TKChange carried it.
    bool toldAllSet = false;
    // Counts the rounds of change signals, so that one interrupted by a
    // nested round stops.
    quint64 round = 0;
    // The values the property change signals last carried.
    QVariant toldKell;
    QTime toldTime;

    bool allSet() const
    {
        return !hour->text().isEmpty() && !minute->text().isEmpty() && !second->text().isEmpty();
    }
    QVariant kell() const
    {
        if (!allSet())
            return {};
        return QString(twoDigits(hour->text()) + u':' + twoDigits(minute->text()) + u':'
                       + twoDigits(second->text()));
    }
    QTime time() const
    {
        if (!allSet())
            return {};
        return {hour->text().toInt(), minute->text().toInt(), second->text().toInt()};
    }
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

// Every change of the text ends here: TKChange carries the all-set flag when
// the content changed or the flag did, then each property whose value
// changed signals it.
void TKKellaKast::publish(bool contentChanged, bool complete)
{
    const bool allSet = d->allSet();
    if (contentChanged || allSet != d->toldAllSet) {
        d->toldAllSet = allSet;
        emit TKChange(allSet);
    }
    if (complete)
        emit TKFullChange();
    // A handler may change the box again; then its own publish has told the
    // newest values, and what is left here is stale.
    const quint64 round = ++d->round;
    if (const QVariant now = d->kell(); now != d->toldKell) {
        d->toldKell = now;
        emit TKKellChanged(now);
    }
    if (const QTime time = d->time(); round == d->round && time != d->toldTime) {
        d->toldTime = time;
        emit kellChanged(time);
    }
}

void TKKellaKast::updateState()
{
    publish(false, false);
}

QVariant TKKellaKast::TKKell() const
{
    return d->kell();
}

QTime TKKellaKast::kell() const
{
    return d->time();
}

void TKKellaKast::setKell(const QTime &time)
{
    QString texts[3];
    if (time.isValid()) {
        texts[0] = twoDigits(QString::number(time.hour()));
        texts[1] = twoDigits(QString::number(time.minute()));
        texts[2] = twoDigits(QString::number(time.second()));
    }
    bool changed = false;
    TKField *fields[3] = {d->hour, d->minute, d->second};
    for (int i = 0; i < 3; ++i) {
        if (fields[i]->text() != texts[i]) {
            setTextInternally(fields[i], texts[i]);
            changed = true;
        }
    }
    publish(changed, false);
}

bool TKKellaKast::fieldKey(TKField *field, Qt::Key key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (d->allSet())
            emit TKEnterPress();
        return false;
    }
    if (field->isReadOnly())
        return false;
    int code = characterCode(key);
    modTundkast::FilterDigitKey(code, field, 2, field == d->hour ? 23 : 59, true);
    return code != 0;
}

bool TKKellaKast::fieldTab(TKField *field)
{
    if (field != d->second || d->allSet())
        return false;
    focusField(d->hour);
    return true;
}

void TKKellaKast::fieldChanged(TKField *field)
{
    const bool hourSet = !d->hour->text().isEmpty();
    const bool minuteSet = !d->minute->text().isEmpty();
    const bool secondSet = !d->second->text().isEmpty();

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
    publish(true, complete);
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
    for (TKField *f : {d->hour, d->minute, d->second})
        setTextInternally(f, QString());
    publish(true, false);
}

void TKKellaKast::TKFocusInValidation()
{
    focusField(d->hour);
}

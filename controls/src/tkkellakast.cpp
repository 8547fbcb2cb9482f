// SPDX-License-Identifier: GPL-3.0-or-later
#include <tundkast/tkkellakast.h>

#include <tundkast/modtundkast.h>

#include "tkcontrol_p.h"
#include "tkfield.h"

#include <utility>

namespace {

QString twoDigits(const QString &text)
{
    return text.size() < 2 ? QStringLiteral("0") + text : text;
}

} // namespace

class TUNDKAST_NO_EXPORT TKKellaKast::Private final : public TKControl::Private
{
public:
    explicit Private(TKKellaKast *box) : TKControl::Private(box), q(box) {}

    TKKellaKast *const q;
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

    void publish(bool contentChanged, bool complete);

    bool fieldKey(TKField *field, Qt::Key key) override;
    bool fieldTab(TKField *field) override;
    void fieldChanged(TKField *field) override;
    void fieldValidate(TKField *field) override;
    void controlEntered(TKField *field) override;
    void updateState() override { publish(false, false); }
};

TKKellaKast::TKKellaKast(QWidget *parent)
    : TKControl(std::make_unique<Private>(this), parent)
    , d(static_cast<Private *>(TKControl::Private::of(this)))
{
    d->hour = d->addField(QStringLiteral("txtTund"), 2, 20, 2);
    d->addSeparator(QStringLiteral("lblKoolon"), QStringLiteral(":"), 22);
    d->minute = d->addField(QStringLiteral("txtMinut"), 25, 20, 2);
    d->addSeparator(QStringLiteral("lblKoolon"), QStringLiteral(":"), 45);
    d->second = d->addField(QStringLiteral("txtSekund"), 48, 20, 2);
    for (TKField *f : std::as_const(d->fields))
        f->setAlignment(Qt::AlignCenter);
    setFixedSize(d->px(70), d->px(22));
}

TKKellaKast::~TKKellaKast() = default;

QSize TKKellaKast::sizeHint() const
{
    return {d->px(70), d->px(22)};
}

// Every change of the text ends here: TKChange carries the all-set flag when
// the content changed or the flag did, then each property whose value
// changed signals it.
void TKKellaKast::Private::publish(bool contentChanged, bool complete)
{
    const bool now = allSet();
    if (contentChanged || now != toldAllSet) {
        toldAllSet = now;
        emit q->TKChange(now);
    }
    if (complete)
        emit q->TKFullChange();
    // A handler may change the box again; then its own publish has told the
    // newest values, and what is left here is stale.
    const quint64 thisRound = ++round;
    if (const QVariant text = kell(); text != toldKell) {
        toldKell = text;
        emit q->TKKellChanged(text);
    }
    if (const QTime t = time(); thisRound == round && t != toldTime) {
        toldTime = t;
        emit q->kellChanged(t);
    }
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
            d->setTextInternally(fields[i], texts[i]);
            changed = true;
        }
    }
    d->publish(changed, false);
}

bool TKKellaKast::Private::fieldKey(TKField *field, Qt::Key key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (allSet())
            emit q->TKEnterPress();
        return false;
    }
    if (field->isReadOnly())
        return false;
    int code = characterCode(key);
    modTundkast::FilterDigitKey(code, field, 2, field == hour ? 23 : 59, true);
    return code != 0;
}

bool TKKellaKast::Private::fieldTab(TKField *field)
{
    if (field != second || allSet())
        return false;
    focusField(hour);
    return true;
}

void TKKellaKast::Private::fieldChanged(TKField *field)
{
    const bool hourSet = !hour->text().isEmpty();
    const bool minuteSet = !minute->text().isEmpty();
    const bool secondSet = !second->text().isEmpty();

    bool complete = false;
    if (field->text().size() == 2) {
        // Auto-advance to the next field that still needs input.
        TKField *next = nullptr;
        if (field == hour)
            next = !minuteSet ? minute : !secondSet ? second : nullptr;
        else if (field == minute)
            next = !secondSet ? second : !hourSet ? hour : nullptr;
        else
            next = !hourSet ? hour : !minuteSet ? minute : nullptr;
        if (next)
            focusField(next);
        else
            complete = true;
    }
    publish(true, complete);
}

void TKKellaKast::Private::fieldValidate(TKField *field)
{
    const QString text = field->text();
    if (text.isEmpty())
        return;
    if (field->hasSelectedText())
        field->setCursorPosition(int(text.size()));
    if (text.size() < 2)
        setTextInternally(field, QStringLiteral("0") + text, 2);
}

void TKKellaKast::Private::controlEntered(TKField *)
{
    for (TKField *f : {hour, minute, second}) {
        if (f->text().isEmpty()) {
            focusField(f);
            return;
        }
    }
}

void TKKellaKast::TKClear()
{
    for (TKField *f : {d->hour, d->minute, d->second})
        d->setTextInternally(f, QString());
    d->publish(true, false);
}

void TKKellaKast::TKFocusInValidation()
{
    d->focusField(d->hour);
}

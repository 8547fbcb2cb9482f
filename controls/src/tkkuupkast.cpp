#include <tundkast/tkkuupkast.h>

#include <tundkast/modtundkast.h>
#include <tundkast/tundkast.h>

#include "daynumbers.h"
#include "persisted.h"
#include "tkfield.h"

#include <QDate>

namespace {

int valueOf(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? v : 0;
}

} // namespace

struct TKKuupKast::Private {
    TKField *day = nullptr;
    TKField *month = nullptr;
    TKField *year = nullptr;
    bool beforeReform = false;
    bool valid = false;
    bool julian = false;
    int yearMaximum = 2299;
    int yearMinimum = 100;
};

TKKuupKast::TKKuupKast(QWidget *parent)
    : TKControl(parent), d(std::make_unique<Private>())
{
    d->day = addField(QStringLiteral("txtPäev"), 2, 20, 2);
    addSeparator(QStringLiteral("lblPunkt"), QStringLiteral("."), 22);
    d->month = addField(QStringLiteral("txtKuu"), 25, 20, 2);
    addSeparator(QStringLiteral("lblPunkt"), QStringLiteral("."), 45);
    d->year = addField(QStringLiteral("txtAasta"), 48, 34, 4);
    for (TKField *f : std::as_const(m_fields))
        f->setAlignment(Qt::AlignCenter);
    setFixedSize(px(84), px(22));
}

TKKuupKast::~TKKuupKast() = default;

QSize TKKuupKast::sizeHint() const
{
    return {px(84), px(22)};
}

TKField *TKKuupKast::mainField() const
{
    return d->year;
}

int TKKuupKast::TKAastaMaksimum() const
{
    return d->yearMaximum;
}

void TKKuupKast::setTKAastaMaksimum(int year)
{
    d->yearMaximum = qBound(2000, year, 3999);
    const QString text = d->year->text();
    if (!text.isEmpty() && valueOf(text) > d->yearMaximum) {
        setTextInternally(d->year, QString::number(d->yearMaximum));
        evaluate();
        emitChange(false);
    }
}

int TKKuupKast::TKAastaMiinimum() const
{
    return d->yearMinimum;
}

void TKKuupKast::setTKAastaMiinimum(int year)
{
    d->yearMinimum = qBound(100, year, 1999);
    const QString text = d->year->text();
    if (!text.isEmpty() && valueOf(text) < d->yearMinimum) {
        setTextInternally(d->year, QString::number(d->yearMinimum));
        evaluate();
        emitChange(false);
    }
}

bool TKKuupKast::TKEnneGregoriust() const
{
    return d->beforeReform;
}

bool TKKuupKast::TKKuupaevOige() const
{
    return d->valid;
}

double TKKuupKast::TKKuupaev() const
{
    if (!d->valid)
        return 0.0;
    const int y = valueOf(d->year->text());
    const int m = valueOf(d->month->text());
    const int dd = valueOf(d->day->text());
    // A day of the Julian reading only (29.02.1700) is no Gregorian date.
    if (dd > daynumbers::gregorianMonthLength(y, m))
        return 0.0;
    return modTundkast::DateValueOf(y, m, dd);
}

bool TKKuupKast::TKJuliuseKalender() const
{
    return d->julian;
}

void TKKuupKast::setTKJuliuseKalender(bool julian)
{
    if (d->julian == julian)
        return;
    d->julian = julian;
    const bool beforeReform = d->beforeReform;
    const bool valid = d->valid;
    evaluate();
    emit TKJuliuseKalenderChanged(julian);
    if (beforeReform != d->beforeReform || valid != d->valid)
        emitChange(false);
}

double TKKuupKast::TKKuupaevGr()
{
    if (!d->valid)
        return 0.0;
    // The first two days of the year 100 lie before the first Gregorian date
    // a date value holds; they are read as 3 January.
    if (valueOf(d->year->text()) == 100 && valueOf(d->month->text()) == 1
        && valueOf(d->day->text()) < 3)
        setTextInternally(d->day, QStringLiteral("03"), 2);
    const int y = valueOf(d->year->text());
    const int m = valueOf(d->month->text());
    const int dd = valueOf(d->day->text());
    // Through the day number: a day offset added to the same day, month and
    // year read as Gregorian misses 29 February of the Julian-only leap years.
    return double(daynumbers::julianToJdn(y, m, dd) - daynumbers::kDateValueEpochJdn);
}

int TKKuupKast::maksimum() const
{
    return d->yearMaximum;
}

void TKKuupKast::setMaksimum(int year)
{
    d->yearMaximum = year;
    d->beforeReform = true;
    d->valid = false;
}

int TKKuupKast::miinimum() const
{
    return d->yearMinimum;
}

void TKKuupKast::setMiinimum(int year)
{
    d->yearMinimum = year;
    d->beforeReform = true;
    d->valid = false;
}

void TKKuupKast::loadPersisted(const QVariantMap &store)
{
    d->yearMaximum = persistedValue(store, QStringLiteral("Maksimum")).toInt();
    d->yearMinimum = persistedValue(store, QStringLiteral("Miinimum")).toInt();
    d->beforeReform = true;
    d->valid = false;
}

QVariantMap TKKuupKast::savePersisted() const
{
    return {{QStringLiteral("Maksimum"), d->yearMaximum},
            {QStringLiteral("Miinimum"), d->yearMinimum}};
}

void TKKuupKast::evaluate()
{
    modTundkast::CheckDateFields(d->day->text(), d->month->text(), d->year->text(), d->yearMinimum,
                                 d->valid, d->beforeReform, d->julian);
    // The year must also lie within the maximum, which typing keeps but a
    // filled-in date or loaded limits may not.
    if (d->valid && valueOf(d->year->text()) > d->yearMaximum) {
        d->valid = false;
        d->beforeReform = true;
    }
}

void TKKuupKast::emitChange(bool complete)
{
    bool beforeReform = d->beforeReform;
    bool valid = d->valid;
    emit TKChange(beforeReform, valid);
    if (complete)
        emit TKFullChange();
}

int TKKuupKast::fieldKey(TKField *field, int key)
{
    if (key == 13) {
        if (d->valid)
            emit TKEnterPress();
        return 0;
    }
    if (field->isReadOnly())
        return 0;
    if (field == d->year)
        modTundkast::FilterDigitKey(key, field, 4, d->yearMaximum, false);
    else
        modTundkast::FilterDigitKey(key, field, 2, field == d->day ? 31 : 12, true);
    return key;
}

bool TKKuupKast::fieldTab(TKField *field)
{
    if (field != d->year || d->valid)
        return false;
    focusField(d->day);
    return true;
}

void TKKuupKast::fieldChanged(TKField *field)
{
    if (field != d->year && field->text() == QLatin1String("00")) {
        // The replacement runs its own change processing first.
        field->setText(QStringLiteral("01"));
        field->setCursorPosition(2);
    }
    evaluate();

    const QString text = field->text();
    bool complete = false;
    const int full = field == d->year ? 4 : 2;
    if (text.size() == full) {
        const bool dayFilled = !d->day->text().isEmpty();
        const bool monthFilled = !d->month->text().isEmpty();
        const bool yearFilled = !d->year->text().isEmpty();
        TKField *next = nullptr;
        if (field == d->day) {
            next = !monthFilled ? d->month : !yearFilled ? d->year : d->valid ? nullptr : d->year;
            complete = monthFilled && yearFilled && d->valid;
        } else if (field == d->month) {
            next = !yearFilled ? d->year : !dayFilled ? d->day : d->valid ? nullptr : d->year;
            complete = yearFilled && dayFilled && d->valid;
        } else {
            next = !dayFilled ? d->day : !monthFilled ? d->month : nullptr;
            complete = dayFilled && monthFilled && d->valid;
        }
        if (next)
            focusField(next);
    }
    emitChange(complete);
}

void TKKuupKast::fieldValidate(TKField *field)
{
    const QString text = field->text();
    if (text.isEmpty())
        return;
    const int value = valueOf(text);
    if (field == d->year) {
        if (value < d->yearMinimum)
            setTextInternally(d->year, QString::number(d->yearMinimum));
        else if (field->hasSelectedText())
            field->setCursorPosition(int(text.size()));
        return;
    }
    if (value == 0) {
        setTextInternally(field, QStringLiteral("01"), 2);
        return;
    }
    if (field->hasSelectedText())
        field->setCursorPosition(int(text.size()));
    if (text.size() != 2)
        setTextInternally(field, QString::number(value).rightJustified(2, u'0'), 2);
}

void TKKuupKast::controlEntered(TKField *)
{
    for (TKField *f : {d->day, d->month, d->year}) {
        if (f->text().isEmpty()) {
            focusField(f);
            return;
        }
    }
    if (d->valid && d->year->text().size() < 4)
        focusField(d->year);
}

bool TKKuupKast::fieldDoubleClicked(TKField *field)
{
    if (field->isReadOnly())
        return true;
    const QDate today = Tundkast::today();
    setTextInternally(d->day, QString::number(today.day()).rightJustified(2, u'0'), 2);
    setTextInternally(d->month, QString::number(today.month()).rightJustified(2, u'0'), 2);
    setTextInternally(d->year, QString::number(today.year()));
    // Today is checked like any date: it may lie outside the year limits.
    evaluate();
    emitChange(d->valid);
    return true;
}

void TKKuupKast::TKClear()
{
    d->beforeReform = true;
    d->valid = false;
    for (TKField *f : {d->day, d->month, d->year})
        setTextInternally(f, QString());
    emitChange(false);
}

void TKKuupKast::TKFocusInValidation()
{
    focusField(d->day);
}

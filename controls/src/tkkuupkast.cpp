// SPDX-License-Identifier: GPL-3.0-or-later
#include <tundkast/tkkuupkast.h>

#include <tundkast/modtundkast.h>
#include <tundkast/tundkast.h>

#include "daynumbers.h"
#include "persisted.h"
#include "tkcontrol_p.h"
#include "tkfield.h"

#include <utility>

namespace {

int valueOf(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? v : 0;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

} // namespace

class TUNDKAST_NO_EXPORT TKKuupKast::Private final : public TKControl::Private
{
public:
    explicit Private(TKKuupKast *box) : TKControl::Private(box), q(box) {}

    TKKuupKast *const q;
    TKField *day = nullptr;
    TKField *month = nullptr;
    TKField *year = nullptr;
    bool julian = false;
    // The box's own source of today; empty: the library's.
    std::function<QDate()> todayProvider;
    int yearMaximum = 2299;
    int yearMinimum = 100;

    // The flags the last TKChange carried.
    bool toldBeforeReform = true;
    bool toldValid = false;

    // Counts the rounds of change signals, so that one interrupted by a
    // nested round stops.
    quint64 round = 0;
    // The values the property change signals last carried.
    struct Values {
        bool beforeReform = true;
        bool valid = false;
        double gregorian = 0.0;
        double julian = 0.0;
        QDate date;
    } told;

    // What the text shown means under the limits and the reading: the
    // fields' numbers and the two flags.
    struct Reading {
        int y = 0, m = 0, dd = 0;
        bool beforeReform = true;
        bool valid = false;
    };
    Reading read() const
    {
        const QString dayText = day->text(), monthText = month->text(), yearText = year->text();
        Reading r{valueOf(yearText), valueOf(monthText), valueOf(dayText)};
        modTundkast::CheckDateFields(dayText, monthText, yearText, yearMinimum, r.valid,
                                     r.beforeReform, julian);
        // The year must also lie within the maximum, which typing keeps but a
        // filled-in date or loaded limits may not.
        if (r.valid && r.y > yearMaximum) {
            r.valid = false;
            r.beforeReform = true;
        }
        return r;
    }
    bool valid() const { return read().valid; }

    // The Gregorian reading: a date value only where the text writes a
    // Gregorian date (not Julian 29.02.1700).
    static double gregorianValue(const Reading &r)
    {
        if (!r.valid || r.dd > daynumbers::gregorianMonthLength(r.y, r.m))
            return 0.0;
        return modTundkast::DateValueOf(r.y, r.m, r.dd);
    }

    // The Julian reading as TKKuupaevGr gives it, 1 and 2 January 100 read
    // as 3 January.
    static double julianValue(const Reading &r)
    {
        if (!r.valid)
            return 0.0;
        const int day = (r.y == 100 && r.m == 1 && r.dd < 3) ? 3 : r.dd;
        return double(daynumbers::julianToJdn(r.y, r.m, day) - daynumbers::kDateValueEpochJdn);
    }

    QDate date(const Reading &r) const
    {
        if (!r.valid)
            return {};
        if (julian)
            return QDate::fromJulianDay(daynumbers::julianToJdn(r.y, r.m, r.dd));
        return {r.y, r.m, r.dd};
    }

    Values values() const
    {
        const Reading r = read();
        return {r.beforeReform, r.valid, gregorianValue(r), julianValue(r), date(r)};
    }

    void publish(bool contentChanged, bool complete);
    void setYearMaximum(int year);
    void setYearMinimum(int year);

    bool fieldKey(TKField *field, Qt::Key key) override;
    bool fieldTab(TKField *field) override;
    void fieldChanged(TKField *field) override;
    void fieldValidate(TKField *field) override;
    void controlEntered(TKField *field) override;
    bool fieldDoubleClicked(TKField *field) override;
    void updateState() override { publish(false, false); }
};

TKKuupKast::TKKuupKast(QWidget *parent)
    : TKControl(std::make_unique<Private>(this), parent)
    , d(static_cast<Private *>(TKControl::Private::of(this)))
{
    d->day = d->addField(QStringLiteral("txtPäev"), 2, 20, 2);
    d->addSeparator(QStringLiteral("lblPunkt"), QStringLiteral("."), 22);
    d->month = d->addField(QStringLiteral("txtKuu"), 25, 20, 2);
    d->addSeparator(QStringLiteral("lblPunkt"), QStringLiteral("."), 45);
    d->year = d->addField(QStringLiteral("txtAasta"), 48, 34, 4);
    for (TKField *f : std::as_const(d->fields))
        f->setAlignment(Qt::AlignCenter);
    setFixedSize(d->px(84), d->px(22));
    d->told = d->values();
}

TKKuupKast::~TKKuupKast() = default;

QSize TKKuupKast::sizeHint() const
{
    return {d->px(84), d->px(22)};
}

// Every change of the text or of the limits ends here: the flags are
// computed from the text shown, TKChange carries them when the content
// changed or a flag did, and each property whose value changed signals it.
void TKKuupKast::Private::publish(bool contentChanged, bool complete)
{
    const Reading f = read();
    if (contentChanged || f.beforeReform != toldBeforeReform || f.valid != toldValid) {
        toldBeforeReform = f.beforeReform;
        toldValid = f.valid;
        emit q->TKChange(f.beforeReform, f.valid);
    }
    if (complete)
        emit q->TKFullChange();
    // A handler may change the box again; then its own publish has told the
    // newest values, and what is left here is stale.
    const quint64 thisRound = ++round;
    const Values now = values();
    if (now.beforeReform != told.beforeReform) {
        told.beforeReform = now.beforeReform;
        emit q->TKEnneGregoriustChanged(now.beforeReform);
    }
    if (thisRound == round && now.valid != told.valid) {
        told.valid = now.valid;
        emit q->TKKuupaevOigeChanged(now.valid);
    }
    if (thisRound == round && now.gregorian != told.gregorian) {
        told.gregorian = now.gregorian;
        emit q->TKKuupaevChanged(now.gregorian);
    }
    if (thisRound == round && now.julian != told.julian) {
        told.julian = now.julian;
        emit q->TKKuupaevGrChanged(now.julian);
    }
    if (thisRound == round && now.date != told.date) {
        told.date = now.date;
        emit q->kuupaevChanged(now.date);
    }
}

int TKKuupKast::TKAastaMaksimum() const
{
    return d->yearMaximum;
}

void TKKuupKast::Private::setYearMaximum(int year)
{
    if (yearMaximum == year)
        return;
    yearMaximum = year;
    emit q->TKAastaMaksimumChanged(year);
}

void TKKuupKast::Private::setYearMinimum(int year)
{
    if (yearMinimum == year)
        return;
    yearMinimum = year;
    emit q->TKAastaMiinimumChanged(year);
}

void TKKuupKast::setTKAastaMaksimum(int year)
{
    d->setYearMaximum(qBound(2000, year, 3999));
    const QString text = d->year->text();
    if (!text.isEmpty() && valueOf(text) > d->yearMaximum) {
        d->setTextInternally(d->year, QString::number(d->yearMaximum));
        d->publish(true, false);
    } else {
        d->publish(false, false);
    }
}

int TKKuupKast::TKAastaMiinimum() const
{
    return d->yearMinimum;
}

void TKKuupKast::setTKAastaMiinimum(int year)
{
    d->setYearMinimum(qBound(100, year, 1999));
    const QString text = d->year->text();
    if (!text.isEmpty() && valueOf(text) < d->yearMinimum) {
        d->setTextInternally(d->year, QString::number(d->yearMinimum));
        d->publish(true, false);
    } else {
        d->publish(false, false);
    }
}

bool TKKuupKast::TKEnneGregoriust() const
{
    return d->read().beforeReform;
}

bool TKKuupKast::TKKuupaevOige() const
{
    return d->valid();
}

double TKKuupKast::TKKuupaev() const
{
    return Private::gregorianValue(d->read());
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
    emit TKJuliuseKalenderChanged(julian);
    d->publish(false, false);
}

double TKKuupKast::TKKuupaevGr()
{
    const Private::Reading r = d->read();
    if (!r.valid)
        return 0.0;
    // The first two days of the year 100 lie before the first Gregorian date
    // a date value holds; they are read as 3 January.
    if (r.y == 100 && r.m == 1 && r.dd < 3) {
        d->setTextInternally(d->day, QStringLiteral("03"), 2);
        d->publish(false, false);
    }
    // Through the day number: a day offset added to the same day, month and
    // year read as Gregorian misses 29 February of the Julian-only leap years.
    return Private::julianValue(d->read());
}

QDate TKKuupKast::kuupaev() const
{
    return d->date(d->read());
}

void TKKuupKast::setKuupaev(const QDate &date)
{
    QString day, month, year;
    const int lo = qMax(d->yearMinimum, 100);
    const int hi = qMin(d->yearMaximum, 9999);
    if (date.isValid() && lo <= hi) {
        daynumbers::CivilDate c{date.year(), date.month(), date.day()};
        if (d->julian)
            c = daynumbers::jdnToJulian(date.toJulianDay());
        if (c.year < lo)
            c = {lo, 1, 1};
        else if (c.year > hi)
            c = {hi, 12, 31};
        day = twoDigits(c.day);
        month = twoDigits(c.month);
        year = QString::number(c.year);
    }
    bool changed = false;
    const std::pair<TKField *, QString> texts[] = {{d->day, day}, {d->month, month}, {d->year, year}};
    for (const auto &[field, text] : texts) {
        if (field->text() != text) {
            d->setTextInternally(field, text);
            changed = true;
        }
    }
    d->publish(changed, false);
}

int TKKuupKast::maksimum() const
{
    return d->yearMaximum;
}

void TKKuupKast::setMaksimum(int year)
{
    d->setYearMaximum(year);
    d->publish(false, false);
}

int TKKuupKast::miinimum() const
{
    return d->yearMinimum;
}

void TKKuupKast::setMiinimum(int year)
{
    d->setYearMinimum(year);
    d->publish(false, false);
}

void TKKuupKast::loadPersisted(const QVariantMap &store)
{
    d->setYearMaximum(persistedValue(store, QStringLiteral("Maksimum")).toInt());
    d->setYearMinimum(persistedValue(store, QStringLiteral("Miinimum")).toInt());
    d->publish(false, false);
}

QVariantMap TKKuupKast::savePersisted() const
{
    return {{QStringLiteral("Maksimum"), d->yearMaximum},
            {QStringLiteral("Miinimum"), d->yearMinimum}};
}

bool TKKuupKast::Private::fieldKey(TKField *field, Qt::Key key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (valid())
            emit q->TKEnterPress();
        return false;
    }
    if (field->isReadOnly())
        return false;
    int code = characterCode(key);
    if (field == year)
        modTundkast::FilterDigitKey(code, field, 4, yearMaximum, false);
    else
        modTundkast::FilterDigitKey(code, field, 2, field == day ? 31 : 12, true);
    return code != 0;
}

bool TKKuupKast::Private::fieldTab(TKField *field)
{
    if (field != year || valid())
        return false;
    focusField(day);
    return true;
}

void TKKuupKast::Private::fieldChanged(TKField *field)
{
    if (field != year && field->text() == QLatin1String("00")) {
        // The replacement runs its own change processing first.
        field->setText(QStringLiteral("01"));
        field->setCursorPosition(2);
    }
    const bool isValid = valid();
    const QString text = field->text();
    bool complete = false;
    const int full = field == year ? 4 : 2;
    if (text.size() == full) {
        const bool dayFilled = !day->text().isEmpty();
        const bool monthFilled = !month->text().isEmpty();
        const bool yearFilled = !year->text().isEmpty();
        TKField *next = nullptr;
        if (field == day) {
            next = !monthFilled ? month : !yearFilled ? year : isValid ? nullptr : year;
            complete = monthFilled && yearFilled && isValid;
        } else if (field == month) {
            next = !yearFilled ? year : !dayFilled ? day : isValid ? nullptr : year;
            complete = yearFilled && dayFilled && isValid;
        } else {
            next = !dayFilled ? day : !monthFilled ? month : nullptr;
            complete = dayFilled && monthFilled && isValid;
        }
        if (next)
            focusField(next);
    }
    publish(true, complete);
}

// Zero-filling as the focus leaves a field; the base class then calls
// updateState(), which tells the host when the filled text changed a flag
// (a year 99 raised to the minimum 100 makes 01.01.100 valid).
void TKKuupKast::Private::fieldValidate(TKField *field)
{
    const QString text = field->text();
    if (text.isEmpty())
        return;
    const int value = valueOf(text);
    if (field == year) {
        if (value < yearMinimum)
            setTextInternally(year, QString::number(yearMinimum));
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
        setTextInternally(field, twoDigits(value), 2);
}

void TKKuupKast::Private::controlEntered(TKField *)
{
    for (TKField *f : {day, month, year}) {
        if (f->text().isEmpty()) {
            focusField(f);
            return;
        }
    }
    if (valid() && year->text().size() < 4)
        focusField(year);
}

bool TKKuupKast::Private::fieldDoubleClicked(TKField *field)
{
    if (field->isReadOnly())
        return true;
    const QDate today = todayProvider ? todayProvider() : Tundkast::today();
    if (!today.isValid())
        return false;
    setTextInternally(day, twoDigits(today.day()), 2);
    setTextInternally(month, twoDigits(today.month()), 2);
    setTextInternally(year, QString::number(today.year()));
    // Today is checked like any date: it may lie outside the year limits.
    publish(true, valid());
    return true;
}

void TKKuupKast::setTodayProvider(std::function<QDate()> provider)
{
    d->todayProvider = std::move(provider);
}

void TKKuupKast::TKClear()
{
    for (TKField *f : {d->day, d->month, d->year})
        d->setTextInternally(f, QString());
    d->publish(true, false);
}

void TKKuupKast::TKFocusInValidation()
{
    d->focusField(d->day);
}

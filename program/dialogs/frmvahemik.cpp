// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmvahemik.h"

#include "calculatorrules.h"
#include "datevalue.h"
#include "framewidgets.h"
#include "julianboxes.h"
#include "modarvutused.h"
#include "ui_frmvahemik.h"

#include <tundkast/tkkuupkast.h>

#include <algorithm>

frmVahemik::frmVahemik(tundrik::WindowHost *host, QWidget *parent)
    : CalculatorDialog(host, Placement::HostLeft,
                       {QStringLiteral("Ku&stuta"), QStringLiteral(" Kustuta vastus ja kuupäevad ")}, parent)
    , m_ui(std::make_unique<Ui::frmVahemik>())
{
    m_ui->setupUi(this);
    m_ui->lblKuupäev->setText(calculators::kDayDates.labelText());
    setUpFrame({m_ui->fraSisesta, m_ui->lblVastus, m_ui->cmdArvuta, m_ui->cmdLõpeta});
    for (TKKuupKast *box : {m_ui->tkpIKuupäev, m_ui->tkpIIKuupäev}) {
        box->setMaksimum(calculators::kDayDates.last.year);
        box->setMiinimum(calculators::kDayDates.first.year);
    }
    setBuddy(m_ui->lblSisestaAlgus, m_ui->tkpIKuupäev);
    setBuddy(m_ui->lblSisestaLõpp, m_ui->tkpIIKuupäev);

    addJulianBox(m_ui->chkIJuliuseKal, true);
    addJulianBox(m_ui->chkIIJuliuseKal, true);
    connectJulianBox(m_ui->chkIJuliuseKal, m_ui->chkIJuliuseKal);
    connectJulianBox(m_ui->chkIIJuliuseKal, m_ui->chkIJuliuseKal);
    julianBoxes().pair(m_ui->chkIJuliuseKal, m_ui->tkpIKuupäev);
    julianBoxes().pair(m_ui->chkIIJuliuseKal, m_ui->tkpIIKuupäev);

    // "aastat" has no letter free of the dialog's other access keys: the form
    // makes it the one tab stop after cmdArvuta, and Space clicks it.
    m_ui->chkPäev->setTristate(true);
    m_ui->chkPäev->setCheckState(Qt::PartiallyChecked);
    m_ui->chkPäev->setRefuseClicks(true);

    for (FrameCheckBox *box : {m_ui->chkAasta, m_ui->chkKuu}) {
        connect(box, &FrameCheckBox::mouseReleased, this,
                [this](Qt::MouseButton, const QPoint &) { recomputeOrFocus(); });
    }
    connect(m_ui->chkPäev, &FrameCheckBox::mousePressed, this,
            [this](Qt::MouseButton, const QPoint &) { recomputeOrFocus(); });

    connect(m_ui->tkpIKuupäev, &TKKuupKast::TKChange, this, [this](bool enneGregoriust, bool kuupaevOige) {
        dateChanged(m_ui->tkpIIKuupäev, m_ui->chkIJuliuseKal, enneGregoriust, kuupaevOige);
    });
    connect(m_ui->tkpIIKuupäev, &TKKuupKast::TKChange, this, [this](bool enneGregoriust, bool kuupaevOige) {
        dateChanged(m_ui->tkpIKuupäev, m_ui->chkIIJuliuseKal, enneGregoriust, kuupaevOige);
    });
    for (auto [box, other] : {std::pair {m_ui->tkpIKuupäev, m_ui->tkpIIKuupäev},
                              std::pair {m_ui->tkpIIKuupäev, m_ui->tkpIKuupäev}}) {
        connect(box, &TKKuupKast::TKEnterPress, this, [this, other] {
            if (other->TKKuupaevOige())
                pressArvuta();
        });
        connect(box, &TKKuupKast::TKFullChange, this, [this, other] {
            if (other->TKKuupaevOige())
                focusTo(m_ui->cmdArvuta);
            else
                focusTo(other);
        });
    }
}

frmVahemik::~frmVahemik() = default;

void frmVahemik::dateChanged(TKKuupKast *other, FrameCheckBox *julianBox, bool beforeReform, bool valid)
{
    julianBoxes().lock(julianBox, beforeReform);
    // The lock may have changed the date's reading and with it its flags
    // (the change that followed has seen to them); go on with the flags as
    // they are now.
    const TKKuupKast *date = other == m_ui->tkpIKuupäev ? m_ui->tkpIIKuupäev : m_ui->tkpIKuupäev;
    valid = date->TKKuupaevOige();
    if (other->TKKuupaevOige())
        m_ui->cmdArvuta->setEnabled(valid);
    UpdateUnitBoxes();
}

namespace {

// The date value of the box's date read in the Julian calendar, as
// TKKuupaevGr gives it but without its correction of the box's text: the
// Julian 1 and 2 January 100 read as 3 January, the first day there is.
double quietJulianReading(TKKuupKast *box)
{
    const double gregorian = box->TKKuupaev();
    // Also a date that is valid only in the Julian reading.
    if (gregorian == 0.0)
        return box->TKKuupaevGr();
    const auto [y, m, d] = datevalue::YmdOf(gregorian);
    return datevalue::FromJdn(
        std::max(datevalue::JulianSerialJdn(y, m, d), datevalue::Jdn(datevalue::kFirstDate)));
}

} // namespace

frmVahemik::Readings frmVahemik::readings(bool forAnswer) const
{
    const bool firstJulian = JulianBoxes::julianReading(m_ui->chkIJuliuseKal);
    const bool secondJulian = JulianBoxes::julianReading(m_ui->chkIIJuliuseKal);
    auto value = [forAnswer](TKKuupKast *box, bool julian) {
        if (!julian)
            return box->TKKuupaev();
        return forAnswer ? box->TKKuupaevGr() : quietJulianReading(box);
    };
    // Both readings are fetched before either is chosen.
    const double first = value(m_ui->tkpIKuupäev, firstJulian);
    const double second = value(m_ui->tkpIIKuupäev, secondJulian);
    return {first, second, firstJulian && secondJulian};
}

void frmVahemik::UpdateUnitBoxes()
{
    if (m_ui->tkpIKuupäev->TKKuupaevOige() && m_ui->tkpIIKuupäev->TKKuupaevOige()) {
        // The same values, in the same calendar, as the answer counts: the
        // units are offered only where the answer can use them.
        const Readings r = readings(false);
        const calculators::IntervalUnits units = calculators::IntervalUnitsOffered(r.first, r.second,
                                                                                   r.julianCalendar);
        if (units.years) {
            m_ui->chkAasta->setEnabled(true);
            m_ui->chkKuu->setEnabled(true);
            return;
        }
        if (units.months) {
            m_ui->chkAasta->setChecked(false);
            m_ui->chkAasta->setEnabled(false);
            m_ui->chkKuu->setEnabled(true);
            return;
        }
    }
    for (FrameCheckBox *box : {m_ui->chkAasta, m_ui->chkKuu}) {
        box->setChecked(false);
        box->setEnabled(false);
    }
}

void frmVahemik::julianBoxToggled(FrameCheckBox *)
{
    // The reading of a date changed, and with it what the units can count.
    UpdateUnitBoxes();
}

QWidget *frmVahemik::focusTarget() const
{
    if (m_ui->cmdArvuta->isEnabled())
        return m_ui->cmdArvuta;
    if (m_ui->tkpIKuupäev->TKKuupaevOige())
        return m_ui->tkpIIKuupäev;
    return m_ui->tkpIKuupäev;
}

void frmVahemik::showAnswer()
{
    // Two Julian dates are counted within the Julian calendar, whichever
    // units are asked for; a date of each calendar is counted in days of
    // the Gregorian calendar.
    const Readings r = readings(true);
    const bool years = m_ui->chkAasta->isChecked();
    const bool months = m_ui->chkKuu->isChecked();
    setAnswer([&] { return modArvutused::IntervalText(r.first, r.second, years, months, r.julianCalendar); });
}

void frmVahemik::clearInputs()
{
    m_ui->tkpIIKuupäev->TKClear();
    m_ui->tkpIKuupäev->TKClear();
}

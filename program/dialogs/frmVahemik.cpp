// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmVahemik.h"

#include "calculatorrules.h"
#include "datevalue.h"
#include "forms.h"
#include "framewidgets.h"
#include "modarvutused.h"

#include <tundkast/tkkuupkast.h>

#include <QFrame>
#include <QLabel>

#include <algorithm>

frmVahemik::frmVahemik(tundrik::WindowHost *host, QWidget *parent)
    : CalculatorDialog(host, QStringLiteral("frmVahemik"), QSize(6855, 4575), Placement::HostLeft,
                       {QStringLiteral("&Arvuta"), QStringLiteral("Ku&stuta"),
                        QStringLiteral(" Kustuta vastus ja kuupäevad ")},
                       parent)
{
    const CommonLayout layout{
        QRect(360, 120, 6135, 4095),  QRect(240, 300, 5655, 2295), QRect(240, 2700, 5655, 615),
        QRect(240, 240, 5175, 240),   QRect(240, 3480, 1815, 855), QRect(4800, 3480, 1815, 855)};
    buildCommon(layout);

    QLabel *lblSisestaAlgus = addLabel(m_fraSisesta, QStringLiteral("lblSisestaAlgus"),
                                       QRect(240, 360, 1620, 240),
                                       QStringLiteral("&Esimene kuupäev"));
    m_tkpIKuupaev = forms::widget<TKKuupKast>(m_fraSisesta, QStringLiteral("tkpIKuupäev"),
                                              QRect(2235, 360, 1260, 330));
    m_tkpIKuupaev->setAccessibleName(QStringLiteral("Esimene kuupäev"));
    addRangeLabel(m_fraSisesta, QStringLiteral("lblKuupäev"), QRect(240, 690, 1785, 195),
                  calculators::kDayDates.labelText());
    QLabel *lblSisestaLopp = addLabel(m_fraSisesta, QStringLiteral("lblSisestaLõpp"),
                                      QRect(240, 960, 1350, 240), QStringLiteral("&Teine kuupäev"));
    m_tkpIIKuupaev = forms::widget<TKKuupKast>(m_fraSisesta, QStringLiteral("tkpIIKuupäev"),
                                               QRect(2235, 840, 1260, 330));
    m_tkpIIKuupaev->setAccessibleName(QStringLiteral("Teine kuupäev"));
    for (TKKuupKast *box : {m_tkpIKuupaev, m_tkpIIKuupaev}) {
        box->setMaksimum(calculators::kDayDates.last.year);
        box->setMiinimum(calculators::kDayDates.first.year);
    }
    setBuddy(lblSisestaAlgus, m_tkpIKuupaev);
    setBuddy(lblSisestaLopp, m_tkpIIKuupaev);

    buildButtons(layout);

    m_chkIJuliuseKal = addJulianBox(QStringLiteral("fraIJuliuseKal"), QStringLiteral("chkIJuliuseKal"),
                                    QRect(4200, 750, 1935, 375), QRect(0, 0, 1815, 255), 20, true);
    m_chkIIJuliuseKal = addJulianBox(QStringLiteral("fraIIJuliuseKal"),
                                     QStringLiteral("chkIIJuliuseKal"), QRect(4200, 1365, 1935, 375),
                                     QRect(0, 0, 1815, 255), 20, true,
                                     QStringLiteral("juuliuse &kalender"));
    connectJulianBox(m_chkIJuliuseKal, m_chkIJuliuseKal);
    connectJulianBox(m_chkIIJuliuseKal, m_chkIJuliuseKal);
    pairJulianBox(m_chkIJuliuseKal, m_tkpIKuupaev);
    pairJulianBox(m_chkIIJuliuseKal, m_tkpIIKuupaev);

    QFrame *fraValik = forms::frame(this, QStringLiteral("fraValik"), QRect(1680, 1860, 3615, 615));
    m_chkAasta = forms::widget<FrameCheckBox>(fraValik, QStringLiteral("chkAasta"),
                                              QRect(240, 225, 975, 255));
    m_chkAasta->setText(QStringLiteral("aastat"));
    m_chkKuu = forms::widget<FrameCheckBox>(fraValik, QStringLiteral("chkKuu"), QRect(1440, 225, 855, 255));
    m_chkKuu->setText(QStringLiteral("k&uud"));
    m_chkPaev = forms::widget<FrameCheckBox>(fraValik, QStringLiteral("chkPäev"),
                                             QRect(2520, 225, 975, 255));
    m_chkPaev->setText(QStringLiteral("&päeva"));
    m_chkPaev->setTristate(true);
    m_chkPaev->setCheckState(Qt::PartiallyChecked);
    m_chkPaev->setRefuseClicks(true);
    m_chkAasta->setEnabled(false);
    m_chkKuu->setEnabled(false);
    // "aastat" has no letter free of the dialog's other access keys: it is
    // the one tab stop after cmdArvuta, and Space clicks it.
    m_chkAasta->setFocusPolicy(Qt::TabFocus);
    setTabOrder(m_cmdArvuta, m_chkAasta);

    for (FrameCheckBox *box : {m_chkAasta, m_chkKuu}) {
        connect(box, &FrameCheckBox::mouseReleased, this,
                [this](Qt::MouseButton, const QPoint &) { recomputeOrFocus(); });
    }
    connect(m_chkPaev, &FrameCheckBox::mousePressed, this,
            [this](Qt::MouseButton, const QPoint &) { recomputeOrFocus(); });

    connect(m_tkpIKuupaev, &TKKuupKast::TKChange, this, [this](bool enneGregoriust, bool kuupaevOige) {
        dateChanged(m_tkpIIKuupaev, m_chkIJuliuseKal, enneGregoriust, kuupaevOige);
    });
    connect(m_tkpIIKuupaev, &TKKuupKast::TKChange, this, [this](bool enneGregoriust, bool kuupaevOige) {
        dateChanged(m_tkpIKuupaev, m_chkIIJuliuseKal, enneGregoriust, kuupaevOige);
    });
    for (auto [box, other] : {std::pair{m_tkpIKuupaev, m_tkpIIKuupaev}, std::pair{m_tkpIIKuupaev, m_tkpIKuupaev}}) {
        connect(box, &TKKuupKast::TKEnterPress, this, [this, other] {
            if (other->TKKuupaevOige())
                pressArvuta();
        });
        connect(box, &TKKuupKast::TKFullChange, this, [this, other] {
            if (other->TKKuupaevOige())
                focusTo(m_cmdArvuta);
            else
                focusTo(other);
        });
    }
}

void frmVahemik::dateChanged(TKKuupKast *other, FrameCheckBox *julianBox, bool beforeReform,
                             bool valid)
{
    lockJulianBox(julianBox, beforeReform);
    // The lock may have changed the date's reading and with it its flags
    // (the change that followed has seen to them); go on with the flags as
    // they are now.
    const TKKuupKast *date = other == m_tkpIKuupaev ? m_tkpIIKuupaev : m_tkpIKuupaev;
    valid = date->TKKuupaevOige();
    if (other->TKKuupaevOige())
        m_cmdArvuta->setEnabled(valid);
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
    return datevalue::FromJdn(std::max(datevalue::JulianSerialJdn(y, m, d),
                                       datevalue::Jdn(datevalue::kFirstDate)));
}

} // namespace

frmVahemik::Readings frmVahemik::readings(bool forAnswer) const
{
    const bool firstJulian = julianReading(m_chkIJuliuseKal);
    const bool secondJulian = julianReading(m_chkIIJuliuseKal);
    auto value = [forAnswer](TKKuupKast *box, bool julian) {
        if (!julian)
            return box->TKKuupaev();
        return forAnswer ? box->TKKuupaevGr() : quietJulianReading(box);
    };
    // Both readings are fetched before either is chosen.
    const double first = value(m_tkpIKuupaev, firstJulian);
    const double second = value(m_tkpIIKuupaev, secondJulian);
    return {first, second, firstJulian && secondJulian};
}

void frmVahemik::UpdateUnitBoxes()
{
    if (m_tkpIKuupaev->TKKuupaevOige() && m_tkpIIKuupaev->TKKuupaevOige()) {
        // The same values, in the same calendar, as the answer counts: the
        // units are offered only where the answer can use them.
        const Readings r = readings(false);
        const calculators::IntervalUnits units = calculators::IntervalUnitsOffered(r.first, r.second,
                                                                                   r.julianCalendar);
        if (units.years) {
            m_chkAasta->setEnabled(true);
            m_chkKuu->setEnabled(true);
            return;
        }
        if (units.months) {
            m_chkAasta->setChecked(false);
            m_chkAasta->setEnabled(false);
            m_chkKuu->setEnabled(true);
            return;
        }
    }
    for (FrameCheckBox *box : {m_chkAasta, m_chkKuu}) {
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
    if (m_cmdArvuta->isEnabled())
        return m_cmdArvuta;
    if (m_tkpIKuupaev->TKKuupaevOige())
        return m_tkpIIKuupaev;
    return m_tkpIKuupaev;
}

void frmVahemik::showAnswer()
{
    // Two Julian dates are counted within the Julian calendar, whichever
    // units are asked for; a date of each calendar is counted in days of
    // the Gregorian calendar.
    const Readings r = readings(true);
    const bool years = m_chkAasta->isChecked();
    const bool months = m_chkKuu->isChecked();
    setAnswer([&] {
        return modArvutused::IntervalText(r.first, r.second, years, months, r.julianCalendar);
    });
}

void frmVahemik::clearInputs()
{
    m_tkpIIKuupaev->TKClear();
    m_tkpIKuupaev->TKClear();
}

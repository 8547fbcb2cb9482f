// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmjuuliusepaev.h"

#include "calculatorrules.h"
#include "julianboxes.h"
#include "modarvutused.h"
#include "ui_frmjuuliusepaev.h"

#include <tundkast/tkkuupkast.h>

frmJuuliusePaev::frmJuuliusePaev(tundrik::WindowHost *host, const QString &DayDescriptionMode,
                                 QWidget *parent)
    : CalculatorDialog(host, Placement::Centred,
                       {QStringLiteral("Ku&stuta"), QStringLiteral(" Kustuta vastus ja kuupäev ")}, parent)
    , m_ui(std::make_unique<Ui::frmJuuliusePäev>())
    , m_dayDescriptionMode(DayDescriptionMode)
{
    m_ui->setupUi(this);
    m_ui->lblKuupäev->setText(calculators::kDayDates.labelText());
    setUpFrame({m_ui->fraSisesta, m_ui->lblVastus, m_ui->cmdArvuta, m_ui->cmdLõpeta});
    m_ui->tkpKuupäev->setMaksimum(calculators::kDayDates.last.year);
    m_ui->tkpKuupäev->setMiinimum(calculators::kDayDates.first.year);
    setBuddy(m_ui->lblSisesta, m_ui->tkpKuupäev);

    addJulianBox(m_ui->chkJuliuseKal, true);
    connectJulianBox(m_ui->chkJuliuseKal, m_ui->chkJuliuseKal);
    julianBoxes().pair(m_ui->chkJuliuseKal, m_ui->tkpKuupäev);
    addGregorianToggle(m_ui->fraGregorius, m_ui->chkGregorius, 273, 241,
                       QStringLiteral("Sisestatud kuupäev jääb aega enne 15.10.1582, "));

    connect(m_ui->tkpKuupäev, &TKKuupKast::TKChange, this, [this](bool enneGregoriust, bool kuupaevOige) {
        m_ui->cmdArvuta->setEnabled(kuupaevOige);
        julianBoxes().lock(m_ui->chkJuliuseKal, enneGregoriust);
    });
    connect(m_ui->tkpKuupäev, &TKKuupKast::TKEnterPress, this, [this] { pressArvuta(); });
    connect(m_ui->tkpKuupäev, &TKKuupKast::TKFullChange, this, [this] { focusTo(m_ui->cmdArvuta); });
}

frmJuuliusePaev::~frmJuuliusePaev() = default;

QWidget *frmJuuliusePaev::focusTarget() const
{
    if (m_ui->cmdArvuta->isEnabled())
        return m_ui->cmdArvuta;
    return m_ui->tkpKuupäev;
}

bool frmJuuliusePaev::inputBeforeReform() const
{
    // A date of the Julian calendar only (29.02.1500) has no Gregorian
    // reading for "G" to offer.
    return m_ui->tkpKuupäev->TKEnneGregoriust() && !JulianBoxes::validOnlyInJulianReading(m_ui->tkpKuupäev);
}

void frmJuuliusePaev::showAnswer()
{
    const double julian = m_ui->tkpKuupäev->TKKuupaevGr();
    const double gregorian = m_ui->tkpKuupäev->TKKuupaev();
    const bool useJulian = JulianBoxes::julianReading(m_ui->chkJuliuseKal);
    setAnswer(
        [&] { return modArvutused::DayDescription(useJulian ? julian : gregorian, m_dayDescriptionMode); });
}

void frmJuuliusePaev::showGregorianAnswer(bool gregorian)
{
    const double date = gregorian ? m_ui->tkpKuupäev->TKKuupaev() : m_ui->tkpKuupäev->TKKuupaevGr();
    setAnswer([&] { return modArvutused::DayDescription(date, m_dayDescriptionMode); });
}

void frmJuuliusePaev::clearInputs()
{
    m_ui->tkpKuupäev->TKClear();
}

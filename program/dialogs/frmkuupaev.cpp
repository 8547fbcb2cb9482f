// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmkuupaev.h"

#include "calculatorrules.h"
#include "julianboxes.h"
#include "modarvutused.h"
#include "ui_frmkuupaev.h"

#include <tundkast/tkarvukast.h>

frmKuupaev::frmKuupaev(tundrik::WindowHost *host, QWidget *parent)
    : CalculatorDialog(host, Placement::CentredLessOnePixel,
                       {QStringLiteral("Ku&stuta"), QStringLiteral(" Kustuta vastus ja Juliuse päev ")},
                       parent)
    , m_ui(std::make_unique<Ui::frmKuupäev>())
{
    m_ui->setupUi(this);
    m_ui->lblJuliusePäev->setText(calculators::kDayNumbers.labelText());
    setUpFrame({m_ui->fraSisesta, m_ui->lblVastus, m_ui->cmdArvuta, m_ui->cmdLõpeta});
    m_ui->takJuliusePäev->loadPersisted(
        {{QStringLiteral("lubanegarv"), false},
         {QStringLiteral("lubanull"), false},
         {QStringLiteral("maksimaalnev"), int(calculators::kDayNumbers.maximum)},
         {QStringLiteral("minimaalnev"), int(calculators::kDayNumbers.minimum)},
         {QStringLiteral("maxpikkus"), 0}});
    setBuddy(m_ui->lblSisesta, m_ui->takJuliusePäev);

    addJulianBox(m_ui->chkJuliuseKal, true);
    connectJulianBox(m_ui->chkJuliuseKal, m_ui->chkJuliuseKal);
    addGregorianToggle(m_ui->fraGregorius, m_ui->chkGregorius, 249, 217,
                       QStringLiteral("Sisestatud Juliuse päev jääb aega enne 15.10.1582, "));

    connect(m_ui->takJuliusePäev, &TKArvuKast::TKChange, this, [this](bool arvPiirides) {
        m_ui->cmdArvuta->setEnabled(arvPiirides);
        julianBoxes().lock(m_ui->chkJuliuseKal, dayNumber() < calculators::kReformDayNumber);
    });
    connect(m_ui->takJuliusePäev, &TKArvuKast::TKEnterPress, this, [this] { pressArvuta(); });
    connect(m_ui->takJuliusePäev, &TKArvuKast::TKFullChange, this, [this] { focusTo(m_ui->cmdArvuta); });
}

frmKuupaev::~frmKuupaev() = default;

qint32 frmKuupaev::dayNumber() const
{
    const qint64 n = m_ui->takJuliusePäev->arv();
    return calculators::kDayNumbers.contains(n) ? qint32(n) : 0;
}

QWidget *frmKuupaev::focusTarget() const
{
    if (m_ui->cmdArvuta->isEnabled())
        return m_ui->cmdArvuta;
    return m_ui->takJuliusePäev;
}

bool frmKuupaev::inputBeforeReform() const
{
    return dayNumber() < calculators::kReformDayNumber;
}

void frmKuupaev::showAnswer()
{
    const qint32 n = dayNumber();
    const bool julian = JulianBoxes::julianReading(m_ui->chkJuliuseKal);
    setAnswer([&] { return modArvutused::JulianDayToDateText(n, julian); });
}

void frmKuupaev::showGregorianAnswer(bool gregorian)
{
    const qint32 n = dayNumber();
    setAnswer([&] { return modArvutused::JulianDayToDateText(n, !gregorian); });
}

void frmKuupaev::clearInputs()
{
    m_ui->takJuliusePäev->TKClear();
}

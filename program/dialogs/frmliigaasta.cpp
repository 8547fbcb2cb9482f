// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmliigaasta.h"

#include "answerdisplay.h"
#include "calculatorrules.h"
#include "ui_frmliigaasta.h"

#include <tundkast/tkarvukast.h>

frmLiigaasta::frmLiigaasta(tundrik::WindowHost *host, QWidget *parent)
    : CalculatorDialog(host, Placement::CentredLessOnePixel, {QStringLiteral("&Kustuta"), QString()}, parent)
    , m_ui(std::make_unique<Ui::frmLiigaasta>())
{
    m_ui->setupUi(this);
    m_ui->lblVahemik->setText(calculators::kLeapYears.labelText());
    setUpFrame({m_ui->fraSisesta, m_ui->lblVastus, m_ui->cmdArvuta, m_ui->cmdLõpeta});
    m_ui->takAasta->loadPersisted({{QStringLiteral("lubanegarv"), false},
                                   {QStringLiteral("lubanull"), false},
                                   {QStringLiteral("maksimaalnev"), int(calculators::kLeapYears.maximum)},
                                   {QStringLiteral("minimaalnev"), int(calculators::kLeapYears.minimum)},
                                   {QStringLiteral("maxpikkus"), 0}});
    setBuddy(m_ui->lblAasta, m_ui->takAasta);

    connect(m_ui->takAasta, &TKArvuKast::TKChange, this,
            [this](bool arvPiirides) { m_ui->cmdArvuta->setEnabled(arvPiirides); });
    connect(m_ui->takAasta, &TKArvuKast::TKEnterPress, this, [this] { pressArvuta(); });
    connect(m_ui->takAasta, &TKArvuKast::TKFullChange, this, [this] { focusTo(m_ui->cmdArvuta); });
}

frmLiigaasta::~frmLiigaasta() = default;

QWidget *frmLiigaasta::focusTarget() const
{
    if (m_ui->cmdArvuta->isEnabled())
        return m_ui->cmdArvuta;
    return m_ui->takAasta;
}

void frmLiigaasta::showAnswer()
{
    answer().show(calculators::LeapYearText(m_ui->takAasta->arv()));
}

void frmLiigaasta::clearInputs()
{
    m_ui->takAasta->TKClear();
}

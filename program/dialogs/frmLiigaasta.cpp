// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmLiigaasta.h"

#include "calculatorrules.h"
#include "forms.h"
#include "framewidgets.h"

#include <tundkast/tkarvukast.h>

#include <QFrame>
#include <QLabel>

frmLiigaasta::frmLiigaasta(tundrik::WindowHost *host, QWidget *parent)
    : CalculatorDialog(host, QStringLiteral("frmLiigaasta"), QSize(4455, 3030),
                       Placement::CentredLessOnePixel,
                       {QStringLiteral("&Kontrolli"), QStringLiteral("&Kustuta"), QString()}, parent)
{
    const CommonLayout layout{
        QRect(360, 120, 3735, 2595),  QRect(300, 240, 3135, 855),  QRect(300, 1200, 3135, 615),
        QRect(240, 240, 2655, 240),   QRect(240, 1980, 1815, 855), QRect(2400, 1980, 1815, 855)};
    buildCommon(layout);

    QLabel *lblAasta = addLabel(m_fraSisesta, QStringLiteral("lblAasta"), QRect(330, 345, 645, 240),
                                QStringLiteral("&Aasta"));
    addRangeLabel(m_fraSisesta, QStringLiteral("lblVahemik"), QRect(1005, 375, 975, 255),
                  calculators::kLeapYears.labelText());
    m_takAasta = forms::widget<TKArvuKast>(m_fraSisesta, QStringLiteral("takAasta"),
                                           QRect(2160, 300, 615, 330));
    m_takAasta->setAccessibleName(QStringLiteral("Aasta"));
    m_takAasta->loadPersisted({{QStringLiteral("lubanegarv"), false},
                               {QStringLiteral("lubanull"), false},
                               {QStringLiteral("maksimaalnev"), int(calculators::kLeapYears.maximum)},
                               {QStringLiteral("minimaalnev"), int(calculators::kLeapYears.minimum)},
                               {QStringLiteral("maxpikkus"), 0}});
    setBuddy(lblAasta, m_takAasta);

    buildButtons(layout);

    connect(m_takAasta, &TKArvuKast::TKChange, this,
            [this](bool arvPiirides) { m_cmdArvuta->setEnabled(arvPiirides); });
    connect(m_takAasta, &TKArvuKast::TKEnterPress, this, [this] { pressArvuta(); });
    connect(m_takAasta, &TKArvuKast::TKFullChange, this, [this] { focusTo(m_cmdArvuta); });
}

QWidget *frmLiigaasta::focusTarget() const
{
    if (m_cmdArvuta->isEnabled())
        return m_cmdArvuta;
    return m_takAasta;
}

void frmLiigaasta::showAnswer()
{
    m_lblVastus->setText(calculators::LeapYearText(m_takAasta->arv()));
}

void frmLiigaasta::clearInputs()
{
    m_takAasta->TKClear();
}

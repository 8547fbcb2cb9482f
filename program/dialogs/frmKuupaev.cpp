// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmKuupaev.h"

#include "calculatorrules.h"
#include "forms.h"
#include "framewidgets.h"
#include "modarvutused.h"

#include <tundkast/tkarvukast.h>

#include <QFrame>
#include <QLabel>

frmKuupaev::frmKuupaev(tundrik::WindowHost *host, QWidget *parent)
    : CalculatorDialog(host, QStringLiteral("frmKuupäev"), QSize(5535, 3495),
                       Placement::CentredLessOnePixel,
                       {QStringLiteral("&Arvuta"), QStringLiteral("Ku&stuta"),
                        QStringLiteral(" Kustuta vastus ja Juliuse päev ")},
                       parent)
{
    const CommonLayout layout{
        QRect(360, 120, 4815, 3015),  QRect(300, 300, 4215, 1215), QRect(300, 1620, 4215, 615),
        QRect(240, 240, 3735, 240),   QRect(240, 2400, 1815, 855), QRect(3480, 2400, 1815, 855)};
    buildCommon(layout);

    QLabel *lblSisesta = addLabel(m_fraSisesta, QStringLiteral("lblSisesta"),
                                  QRect(240, 390, 1275, 240), QStringLiteral("&Juliuse päev"));
    m_takJuliusePaev = forms::widget<TKArvuKast>(m_fraSisesta, QStringLiteral("takJuliusePäev"),
                                                 QRect(2160, 360, 1035, 330));
    m_takJuliusePaev->setAccessibleName(QStringLiteral("Juliuse päev"));
    m_takJuliusePaev->loadPersisted({{QStringLiteral("lubanegarv"), false},
                                     {QStringLiteral("lubanull"), false},
                                     {QStringLiteral("maksimaalnev"), int(calculators::kDayNumbers.maximum)},
                                     {QStringLiteral("minimaalnev"), int(calculators::kDayNumbers.minimum)},
                                     {QStringLiteral("maxpikkus"), 0}});
    setBuddy(lblSisesta, m_takJuliusePaev);
    addRangeLabel(m_fraSisesta, QStringLiteral("lblJuliusePäev"), QRect(240, 690, 1815, 255),
                  calculators::kDayNumbers.labelText());

    buildButtons(layout);

    m_chkJuliuseKal = addJulianBox(QStringLiteral("fraJuliuseKal"), QStringLiteral("chkJuliuseKal"),
                                   QRect(2820, 1140, 1935, 375), QRect(0, 0, 1815, 255), 30, true,
                                   QStringLiteral("juuliuse &kalender"));
    connectJulianBox(m_chkJuliuseKal, m_chkJuliuseKal);
    addGregorius(QRect(4380, 1905, 375, 375), QRect(0, 0, 375, 375), 249, 217,
                 QStringLiteral("Sisestatud Juliuse päev jääb aega enne 15.10.1582, "));

    connect(m_takJuliusePaev, &TKArvuKast::TKChange, this, [this](bool arvPiirides) {
        m_cmdArvuta->setEnabled(arvPiirides);
        lockJulianBox(m_chkJuliuseKal, dayNumber() < calculators::kReformDayNumber);
    });
    connect(m_takJuliusePaev, &TKArvuKast::TKEnterPress, this, [this] { pressArvuta(); });
    connect(m_takJuliusePaev, &TKArvuKast::TKFullChange, this, [this] { focusTo(m_cmdArvuta); });
}

qint32 frmKuupaev::dayNumber() const
{
    const qint64 n = m_takJuliusePaev->arv();
    return calculators::kDayNumbers.contains(n) ? qint32(n) : 0;
}

QWidget *frmKuupaev::focusTarget() const
{
    if (m_cmdArvuta->isEnabled())
        return m_cmdArvuta;
    return m_takJuliusePaev;
}

bool frmKuupaev::inputBeforeReform() const
{
    return dayNumber() < calculators::kReformDayNumber;
}

void frmKuupaev::showAnswer()
{
    const qint32 n = dayNumber();
    const bool julian = julianReading(m_chkJuliuseKal);
    setAnswer([&] { return modArvutused::JulianDayToDateText(n, julian); });
}

void frmKuupaev::showGregorianAnswer(bool gregorian)
{
    const qint32 n = dayNumber();
    setAnswer([&] { return modArvutused::JulianDayToDateText(n, !gregorian); });
}

void frmKuupaev::clearInputs()
{
    m_takJuliusePaev->TKClear();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmJuuliusePaev.h"

#include "calculatorrules.h"
#include "forms.h"
#include "framewidgets.h"
#include "modarvutused.h"

#include <tundkast/tkkuupkast.h>

#include <QFrame>
#include <QLabel>

frmJuuliusePaev::frmJuuliusePaev(tundrik::WindowHost *host, const QString &DayDescriptionMode,
                                 QWidget *parent)
    : CalculatorDialog(host, QStringLiteral("frmJuuliusePäev"), QSize(5775, 3555),
                       Placement::Centred,
                       {QStringLiteral("&Arvuta"), QStringLiteral("Ku&stuta"),
                        QStringLiteral(" Kustuta vastus ja kuupäev ")},
                       parent),
      m_dayDescriptionMode(DayDescriptionMode)
{
    const CommonLayout layout{
        QRect(360, 120, 5055, 3075),  QRect(240, 360, 4575, 1215), QRect(240, 1680, 4575, 615),
        QRect(240, 240, 4095, 240),   QRect(240, 2460, 1815, 855), QRect(3720, 2460, 1815, 855)};
    buildCommon(layout);

    QLabel *lblSisesta = addLabel(m_fraSisesta, QStringLiteral("lblSisesta"),
                                  QRect(240, 390, 2055, 240),
                                  QStringLiteral("&Kuupäev  (pp.kk.aaaa)"));
    m_tkpKuupaev = forms::widget<TKKuupKast>(m_fraSisesta, QStringLiteral("tkpKuupäev"),
                                             QRect(2520, 360, 1260, 330));
    m_tkpKuupaev->setAccessibleName(QStringLiteral("Kuupäev"));
    m_tkpKuupaev->setMaksimum(calculators::kDayDates.last.year);
    m_tkpKuupaev->setMiinimum(calculators::kDayDates.first.year);
    setBuddy(lblSisesta, m_tkpKuupaev);
    addRangeLabel(m_fraSisesta, QStringLiteral("lblKuupäev"), QRect(240, 690, 1935, 255),
                  calculators::kDayDates.labelText());

    buildButtons(layout);

    m_chkJuliuseKal = addJulianBox(QStringLiteral("fraJuliuseKal"), QStringLiteral("chkJuliuseKal"),
                                   QRect(3120, 1200, 1935, 375), QRect(0, 0, 1815, 300), 20, true);
    connectJulianBox(m_chkJuliuseKal, m_chkJuliuseKal);
    pairJulianBox(m_chkJuliuseKal, m_tkpKuupaev);
    addGregorius(QRect(4680, 1965, 375, 375), QRect(0, 0, 375, 375), 273, 241,
                 QStringLiteral("Sisestatud kuupäev jääb aega enne 15.10.1582, "));

    connect(m_tkpKuupaev, &TKKuupKast::TKChange, this, [this](bool enneGregoriust, bool kuupaevOige) {
        m_cmdArvuta->setEnabled(kuupaevOige);
        lockJulianBox(m_chkJuliuseKal, enneGregoriust);
    });
    connect(m_tkpKuupaev, &TKKuupKast::TKEnterPress, this, [this] { pressArvuta(); });
    connect(m_tkpKuupaev, &TKKuupKast::TKFullChange, this, [this] { focusTo(m_cmdArvuta); });
}

QWidget *frmJuuliusePaev::focusTarget() const
{
    if (m_cmdArvuta->isEnabled())
        return m_cmdArvuta;
    return m_tkpKuupaev;
}

bool frmJuuliusePaev::inputBeforeReform() const
{
    // A date of the Julian calendar only (29.02.1500) has no Gregorian
    // reading for "G" to offer.
    return m_tkpKuupaev->TKEnneGregoriust() && !validOnlyInJulianReading(m_tkpKuupaev);
}

void frmJuuliusePaev::showAnswer()
{
    const double julian = m_tkpKuupaev->TKKuupaevGr();
    const double gregorian = m_tkpKuupaev->TKKuupaev();
    const bool useJulian = julianReading(m_chkJuliuseKal);
    setAnswer([&] {
        return modArvutused::DayDescription(useJulian ? julian : gregorian, m_dayDescriptionMode);
    });
}

void frmJuuliusePaev::showGregorianAnswer(bool gregorian)
{
    const double date = gregorian ? m_tkpKuupaev->TKKuupaev() : m_tkpKuupaev->TKKuupaevGr();
    setAnswer([&] { return modArvutused::DayDescription(date, m_dayDescriptionMode); });
}

void frmJuuliusePaev::clearInputs()
{
    m_tkpKuupaev->TKClear();
}

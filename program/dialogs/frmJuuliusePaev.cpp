#include "frmJuuliusePaev.h"

#include "forms.h"
#include "framewidgets.h"
#include "modArvutused.h"

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

    QLabel *lblSisesta = addLabel(fraSisesta, QStringLiteral("lblSisesta"),
                                  QRect(240, 390, 2055, 240),
                                  QStringLiteral("&Kuupäev  (pp.kk.aaaa)"));
    tkpKuupaev = forms::widget<TKKuupKast>(fraSisesta, QStringLiteral("tkpKuupäev"),
                                       QRect(2520, 360, 1260, 330));
    tkpKuupaev->setAccessibleName(QStringLiteral("Kuupäev"));
    tkpKuupaev->setMaksimum(2299);
    tkpKuupaev->setMiinimum(100);
    setBuddy(lblSisesta, tkpKuupaev);
    addRangeLabel(fraSisesta, QStringLiteral("lblKuupäev"), QRect(240, 690, 1935, 255),
                  QStringLiteral("{03.01.100 - 31.12.2299}"));

    buildButtons(layout);

    chkJuliuseKal = addJulianBox(QStringLiteral("fraJuliuseKal"), QStringLiteral("chkJuliuseKal"),
                                 QRect(3120, 1200, 1935, 375), QRect(0, 0, 1815, 300), 20, true);
    connectJulianBox(chkJuliuseKal, chkJuliuseKal);
    pairJulianBox(chkJuliuseKal, tkpKuupaev);
    addGregorius(QRect(4680, 1965, 375, 375), QRect(0, 0, 375, 375), 273, 241,
                 QStringLiteral("Sisestatud kuupäev jääb aega enne 15.10.1582, "));

    connect(tkpKuupaev, &TKKuupKast::TKChange, this, [this](bool enneGregoriust, bool kuupaevOige) {
        cmdArvuta->setEnabled(kuupaevOige);
        lockJulianBox(chkJuliuseKal, enneGregoriust);
    });
    connect(tkpKuupaev, &TKKuupKast::TKEnterPress, this, [this] { pressArvuta(); });
    connect(tkpKuupaev, &TKKuupKast::TKFullChange, this, [this] { focusTo(cmdArvuta); });
}

QWidget *frmJuuliusePaev::focusTarget() const
{
    if (cmdArvuta->isEnabled())
        return cmdArvuta;
    return tkpKuupaev;
}

bool frmJuuliusePaev::inputBeforeReform() const
{
    // A date of the Julian calendar only (29.02.1500) has no Gregorian
    // reading for "G" to offer.
    return tkpKuupaev->TKEnneGregoriust() && !validOnlyInJulianReading(tkpKuupaev);
}

void frmJuuliusePaev::showAnswer()
{
    const double julian = tkpKuupaev->TKKuupaevGr();
    const double gregorian = tkpKuupaev->TKKuupaev();
    const bool useJulian = julianReading(chkJuliuseKal);
    setAnswer([&] {
        return modArvutused::DayDescription(useJulian ? julian : gregorian, m_dayDescriptionMode);
    });
}

void frmJuuliusePaev::showGregorianAnswer(bool gregorian)
{
    const double date = gregorian ? tkpKuupaev->TKKuupaev() : tkpKuupaev->TKKuupaevGr();
    setAnswer([&] { return modArvutused::DayDescription(date, m_dayDescriptionMode); });
}

void frmJuuliusePaev::clearInputs()
{
    tkpKuupaev->TKClear();
}

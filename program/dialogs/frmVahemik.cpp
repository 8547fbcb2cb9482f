#include "frmVahemik.h"

#include "datevalue.h"
#include "framewidgets.h"
#include "modArvutused.h"

#include <tundkast/tkkuupkast.h>

#include <QFrame>
#include <QLabel>

frmVahemik::frmVahemik(frmAeg *main, QWidget *parent)
    : CalculatorDialog(main, QStringLiteral("frmVahemik"), QSize(6855, 4575), Placement::MainLeft,
                       true,
                       {QStringLiteral("&Arvuta"), QStringLiteral("Ku&stuta"),
                        QStringLiteral(" Kustuta vastus ja kuupäevad ")},
                       parent)
{
    const CommonLayout layout{
        QRect(360, 120, 6135, 4095),  QRect(240, 300, 5655, 2295), QRect(240, 2700, 5655, 615),
        QRect(240, 240, 5175, 240),   QRect(240, 3480, 1815, 855), QRect(4800, 3480, 1815, 855)};
    buildCommon(layout);

    QLabel *lblSisestaAlgus = addLabel(QStringLiteral("lblSisestaAlgus"), fraSisesta,
                                       QRect(240, 360, 1620, 240),
                                       QStringLiteral("&Esimene kuupäev"));
    tkpIKuupaev = addWidget<TKKuupKast>(QStringLiteral("tkpIKuupäev"), fraSisesta,
                                        QRect(2235, 360, 1260, 330));
    tkpIKuupaev->setAccessibleName(QStringLiteral("Esimene kuupäev"));
    addRangeLabel(QStringLiteral("lblKuupäev"), fraSisesta, QRect(240, 690, 1785, 195),
                  QStringLiteral("{03.01.100 - 31.12.2299}"));
    QLabel *lblSisestaLopp = addLabel(QStringLiteral("lblSisestaLõpp"), fraSisesta,
                                      QRect(240, 960, 1350, 240), QStringLiteral("&Teine kuupäev"));
    tkpIIKuupaev = addWidget<TKKuupKast>(QStringLiteral("tkpIIKuupäev"), fraSisesta,
                                         QRect(2235, 840, 1260, 330));
    tkpIIKuupaev->setAccessibleName(QStringLiteral("Teine kuupäev"));
    for (TKKuupKast *box : {tkpIKuupaev, tkpIIKuupaev}) {
        box->setMaksimum(2299);
        box->setMiinimum(100);
    }
    setBuddy(lblSisestaAlgus, tkpIKuupaev);
    setBuddy(lblSisestaLopp, tkpIIKuupaev);

    buildButtons(layout);

    chkIJuliuseKal = addJulianBox(QStringLiteral("fraIJuliuseKal"), QStringLiteral("chkIJuliuseKal"),
                                  QRect(4200, 750, 1935, 375), QRect(0, 0, 1815, 255), 20, true);
    chkIIJuliuseKal = addJulianBox(QStringLiteral("fraIIJuliuseKal"),
                                   QStringLiteral("chkIIJuliuseKal"), QRect(4200, 1365, 1935, 375),
                                   QRect(0, 0, 1815, 255), 20, true);
    connectJulianBox(chkIJuliuseKal, chkIJuliuseKal);
    connectJulianBox(chkIIJuliuseKal, chkIJuliuseKal);

    QFrame *fraValik = addFrame(QStringLiteral("fraValik"), this, QRect(1680, 1860, 3615, 615), true);
    chkAasta = addWidget<FrameCheckBox>(QStringLiteral("chkAasta"), fraValik,
                                        QRect(240, 225, 975, 255));
    chkAasta->setText(QStringLiteral("aastat"));
    chkKuu = addWidget<FrameCheckBox>(QStringLiteral("chkKuu"), fraValik, QRect(1440, 225, 855, 255));
    chkKuu->setText(QStringLiteral("kuud"));
    chkPaev = addWidget<FrameCheckBox>(QStringLiteral("chkPäev"), fraValik,
                                       QRect(2520, 225, 975, 255));
    chkPaev->setText(QStringLiteral("päeva"));
    chkPaev->setTristate(true);
    chkPaev->setCheckState(Qt::PartiallyChecked);
    chkPaev->setRefuseClicks(true);
    chkAasta->setEnabled(false);
    chkKuu->setEnabled(false);

    for (FrameCheckBox *box : {chkAasta, chkKuu}) {
        connect(box, &FrameCheckBox::mouseReleased, this,
                [this](Qt::MouseButton, const QPoint &) { recomputeOrFocus(); });
    }
    connect(chkPaev, &FrameCheckBox::mousePressed, this,
            [this](Qt::MouseButton, const QPoint &) { recomputeOrFocus(); });

    connect(tkpIKuupaev, &TKKuupKast::TKChange, this, [this](bool enneGregoriust, bool kuupaevOige) {
        dateChanged(tkpIIKuupaev, chkIJuliuseKal, enneGregoriust, kuupaevOige);
    });
    connect(tkpIIKuupaev, &TKKuupKast::TKChange, this, [this](bool enneGregoriust, bool kuupaevOige) {
        dateChanged(tkpIKuupaev, chkIIJuliuseKal, enneGregoriust, kuupaevOige);
    });
    for (auto [box, other] : {std::pair{tkpIKuupaev, tkpIIKuupaev}, std::pair{tkpIIKuupaev, tkpIKuupaev}}) {
        connect(box, &TKKuupKast::TKEnterPress, this, [this, other] {
            if (other->TKKuupaevOige())
                pressArvuta();
        });
        connect(box, &TKKuupKast::TKFullChange, this, [this, other] {
            if (other->TKKuupaevOige())
                focusTo(cmdArvuta);
            else
                focusTo(other);
        });
    }
}

void frmVahemik::dateChanged(TKKuupKast *other, FrameCheckBox *julianBox, bool beforeReform,
                             bool valid)
{
    lockJulianBox(julianBox, beforeReform);
    if (other->TKKuupaevOige())
        cmdArvuta->setEnabled(valid);
    UpdateUnitBoxes();
}

void frmVahemik::UpdateUnitBoxes()
{
    if (tkpIKuupaev->TKKuupaevOige() && tkpIIKuupaev->TKKuupaevOige()) {
        const double first = tkpIKuupaev->TKKuupaev();
        const double second = tkpIIKuupaev->TKKuupaev();
        const int years = datevalue::Year(second) - datevalue::Year(first);
        if (years > 0) {
            chkAasta->setEnabled(true);
            chkKuu->setEnabled(true);
            return;
        }
        const int months = 12 * years + datevalue::Month(second) - datevalue::Month(first);
        if (months > 0) {
            chkAasta->setChecked(false);
            chkAasta->setEnabled(false);
            chkKuu->setEnabled(true);
            return;
        }
    }
    for (FrameCheckBox *box : {chkAasta, chkKuu}) {
        box->setChecked(false);
        box->setEnabled(false);
    }
}

QWidget *frmVahemik::focusTarget() const
{
    if (cmdArvuta->isEnabled())
        return cmdArvuta;
    if (tkpIKuupaev->TKKuupaevOige())
        return tkpIIKuupaev;
    return tkpIKuupaev;
}

void frmVahemik::showAnswer()
{
    const bool firstJulian = julianReading(chkIJuliuseKal);
    const bool secondJulian = julianReading(chkIIJuliuseKal);
    const bool years = chkAasta->isChecked();
    const bool months = chkKuu->isChecked();
    // Counting whole years or months between two Julian dates happens within
    // the Julian calendar, so both dates are taken as written; a day count
    // always uses the true days.
    const bool asWritten = firstJulian && secondJulian && (years || months);
    const double first = firstJulian && !asWritten ? tkpIKuupaev->TKKuupaevGr()
                                                   : tkpIKuupaev->TKKuupaev();
    const double second = secondJulian && !asWritten ? tkpIIKuupaev->TKKuupaevGr()
                                                     : tkpIIKuupaev->TKKuupaev();
    setAnswer([&] { return modArvutused::IntervalText(first, second, years, months); });
}

void frmVahemik::clearInputs()
{
    tkpIIKuupaev->TKClear();
    tkpIKuupaev->TKClear();
}

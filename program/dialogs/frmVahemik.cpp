#include "frmVahemik.h"

#include "datevalue.h"
#include "forms.h"
#include "framewidgets.h"
#include "modArvutused.h"

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

    QLabel *lblSisestaAlgus = addLabel(fraSisesta, QStringLiteral("lblSisestaAlgus"),
                                       QRect(240, 360, 1620, 240),
                                       QStringLiteral("&Esimene kuupäev"));
    tkpIKuupaev = forms::widget<TKKuupKast>(fraSisesta, QStringLiteral("tkpIKuupäev"),
                                        QRect(2235, 360, 1260, 330));
    tkpIKuupaev->setAccessibleName(QStringLiteral("Esimene kuupäev"));
    addRangeLabel(fraSisesta, QStringLiteral("lblKuupäev"), QRect(240, 690, 1785, 195),
                  QStringLiteral("{03.01.100 - 31.12.2299}"));
    QLabel *lblSisestaLopp = addLabel(fraSisesta, QStringLiteral("lblSisestaLõpp"),
                                      QRect(240, 960, 1350, 240), QStringLiteral("&Teine kuupäev"));
    tkpIIKuupaev = forms::widget<TKKuupKast>(fraSisesta, QStringLiteral("tkpIIKuupäev"),
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
    pairJulianBox(chkIJuliuseKal, tkpIKuupaev);
    pairJulianBox(chkIIJuliuseKal, tkpIIKuupaev);

    QFrame *fraValik = forms::frame(this, QStringLiteral("fraValik"), QRect(1680, 1860, 3615, 615));
    chkAasta = forms::widget<FrameCheckBox>(fraValik, QStringLiteral("chkAasta"),
                                        QRect(240, 225, 975, 255));
    chkAasta->setText(QStringLiteral("aastat"));
    chkKuu = forms::widget<FrameCheckBox>(fraValik, QStringLiteral("chkKuu"), QRect(1440, 225, 855, 255));
    chkKuu->setText(QStringLiteral("kuud"));
    chkPaev = forms::widget<FrameCheckBox>(fraValik, QStringLiteral("chkPäev"),
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
    // The lock may have changed the date's reading and with it its flags
    // (the change that followed has seen to them); go on with the flags as
    // they are now.
    const TKKuupKast *date = other == tkpIKuupaev ? tkpIIKuupaev : tkpIKuupaev;
    valid = date->TKKuupaevOige();
    if (other->TKKuupaevOige())
        cmdArvuta->setEnabled(valid);
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
    const bool firstJulian = julianReading(chkIJuliuseKal);
    const bool secondJulian = julianReading(chkIIJuliuseKal);
    auto value = [forAnswer](TKKuupKast *box, bool julian) {
        if (!julian)
            return box->TKKuupaev();
        return forAnswer ? box->TKKuupaevGr() : quietJulianReading(box);
    };
    // Both readings are fetched before either is chosen.
    const double first = value(tkpIKuupaev, firstJulian);
    const double second = value(tkpIIKuupaev, secondJulian);
    return {first, second, firstJulian && secondJulian};
}

void frmVahemik::UpdateUnitBoxes()
{
    if (tkpIKuupaev->TKKuupaevOige() && tkpIIKuupaev->TKKuupaevOige()) {
        // The same values, in the same calendar, as the answer counts: the
        // units are offered only where the answer can use them.
        const Readings r = readings(false);
        if (r.first <= r.second) {
            const datevalue::Ymd a = r.julianCalendar ? modArvutused::ToJulianCalendar(r.first)
                                                      : datevalue::YmdOf(r.first);
            const datevalue::Ymd b = r.julianCalendar ? modArvutused::ToJulianCalendar(r.second)
                                                      : datevalue::YmdOf(r.second);
            const int years = b.year - a.year;
            if (years > 0) {
                chkAasta->setEnabled(true);
                chkKuu->setEnabled(true);
                return;
            }
            const int months = 12 * years + b.month - a.month;
            if (months > 0) {
                chkAasta->setChecked(false);
                chkAasta->setEnabled(false);
                chkKuu->setEnabled(true);
                return;
            }
        }
    }
    for (FrameCheckBox *box : {chkAasta, chkKuu}) {
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
    if (cmdArvuta->isEnabled())
        return cmdArvuta;
    if (tkpIKuupaev->TKKuupaevOige())
        return tkpIIKuupaev;
    return tkpIKuupaev;
}

void frmVahemik::showAnswer()
{
    // Two Julian dates are counted within the Julian calendar, whichever
    // units are asked for; a date of each calendar is counted in days of
    // the Gregorian calendar.
    const Readings r = readings(true);
    const bool years = chkAasta->isChecked();
    const bool months = chkKuu->isChecked();
    setAnswer([&] {
        return modArvutused::IntervalText(r.first, r.second, years, months, r.julianCalendar);
    });
}

void frmVahemik::clearInputs()
{
    tkpIIKuupaev->TKClear();
    tkpIKuupaev->TKClear();
}

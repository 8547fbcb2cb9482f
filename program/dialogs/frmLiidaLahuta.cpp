#include "frmLiidaLahuta.h"

#include "datevalue.h"
#include "forms.h"
#include "framewidgets.h"
#include "modArvutused.h"

#include <tundkast/tkarvukast.h>
#include <tundkast/tkkuupkast.h>

#include <QFrame>
#include <QLabel>

frmLiidaLahuta::frmLiidaLahuta(tundrik::WindowHost *host, QWidget *parent)
    : CalculatorDialog(host, QStringLiteral("frmLiidaLahuta"), QSize(6015, 4755), Placement::Centred,
                       {QStringLiteral("&Arvuta"), QStringLiteral("Ku&stuta"),
                        QStringLiteral(" Kustuta vastus ja sisestuskastid ")},
                       parent)
{
    setWindowTitle(QStringLiteral("Leia uus kuupäev"));
    const CommonLayout layout{
        QRect(360, 120, 5295, 4275),  QRect(240, 240, 4815, 2535), QRect(240, 2880, 4815, 615),
        QRect(240, 240, 4335, 240),   QRect(240, 3660, 1815, 855), QRect(3960, 3660, 1815, 855)};
    buildCommon(layout);

    QLabel *lblSisesta = addLabel(fraSisesta, QStringLiteral("lblSisesta"),
                                  QRect(240, 390, 2070, 240),
                                  QStringLiteral("&Kuupäev  (pp.kk.aaaa)"));
    tkpKuupaev = forms::widget<TKKuupKast>(fraSisesta, QStringLiteral("tkpKuupäev"),
                                       QRect(2640, 360, 1260, 330));
    tkpKuupaev->setAccessibleName(QStringLiteral("Kuupäev"));
    tkpKuupaev->setMaksimum(2079);
    tkpKuupaev->setMiinimum(320);
    setBuddy(lblSisesta, tkpKuupaev);
    addRangeLabel(fraSisesta, QStringLiteral("lblKuupäev"), QRect(240, 690, 1905, 195),
                  QStringLiteral("{01.01.320 - 31.12.2079}"));
    QLabel *lblLiidaLahuta = addLabel(fraSisesta, QStringLiteral("lblLiidaLahuta"),
                                      QRect(240, 1260, 2790, 240),
                                      QStringLiteral("&Aastate, kuude ja päevade arv:"));

    auto numberBox = [this](const QString &name, const QString &accessibleName, QRect twips,
                            int maximum) {
        auto *box = forms::widget<TKArvuKast>(fraSisesta, name, twips);
        box->setAccessibleName(accessibleName);
        box->loadPersisted({{QStringLiteral("lubanegarv"), false},
                            {QStringLiteral("lubanull"), true},
                            {QStringLiteral("maksimaalnev"), maximum},
                            {QStringLiteral("minimaalnev"), 0},
                            {QStringLiteral("maxpikkus"), 0}});
        return box;
    };
    takAasta = numberBox(QStringLiteral("takAasta"), QStringLiteral("Aastate arv"),
                         QRect(240, 1680, 495, 330), 219);
    takKuu = numberBox(QStringLiteral("takKuu"), QStringLiteral("Kuude arv"),
                       QRect(1110, 1680, 615, 330), 2639);
    takPaev = numberBox(QStringLiteral("takPäev"), QStringLiteral("Päevade arv"),
                        QRect(2100, 1680, 735, 330), 79999);
    setBuddy(lblLiidaLahuta, takAasta);

    auto limitLabel = [this](const QString &name, QRect twips, const QString &text) {
        QLabel *l = addRangeLabel(fraSisesta, name, twips, text);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return l;
    };
    limitLabel(QStringLiteral("lblAasta"), QRect(240, 2100, 495, 255), QStringLiteral("< 220"));
    lblKuu = limitLabel(QStringLiteral("lblKuu"), QRect(1110, 2100, 615, 255), QStringLiteral("< 2640"));
    lblPaev = limitLabel(QStringLiteral("lblPäev"), QRect(2100, 2100, 735, 255),
                         QStringLiteral("< 80 000"));

    buildButtons(layout);

    chkJuliuseKal = addJulianBox(QStringLiteral("fraJuliuseKal"), QStringLiteral("chkJuliuseKal"),
                                 QRect(3240, 1080, 1935, 375), QRect(0, 0, 1815, 255), 40, false);
    chkJuliuseKal->setEnabled(false);
    pairJulianBox(chkJuliuseKal, tkpKuupaev);
    connect(chkJuliuseKal, &FrameCheckBox::mouseReleased, this,
            [this](Qt::MouseButton button, const QPoint &globalPos) {
                if (button == Qt::RightButton)
                    showHelpMenu(chkJuliuseKal, globalPos);
                else
                    recomputeOrFocus();
            });

    QFrame *fraValik = forms::frame(this, QStringLiteral("fraValik"), QRect(3960, 1680, 1215, 975));
    chkLiida = forms::widget<FrameCheckBox>(fraValik, QStringLiteral("chkLiida"),
                                        QRect(120, 240, 975, 255));
    chkLiida->setText(QStringLiteral("Liida"));
    chkLiida->setChecked(true);
    chkLahuta = forms::widget<FrameCheckBox>(fraValik, QStringLiteral("chkLahuta"),
                                         QRect(120, 600, 975, 255));
    chkLahuta->setText(QStringLiteral("Lahuta"));
    // Every press switches the operation; the release shows it in both boxes.
    for (FrameCheckBox *box : {chkLiida, chkLahuta}) {
        box->setRefuseClicks(true);
        connect(box, &FrameCheckBox::mousePressed, this,
                [this](Qt::MouseButton, const QPoint &) { AddMode = !AddMode; });
        connect(box, &FrameCheckBox::mouseReleased, this, [this](Qt::MouseButton, const QPoint &) {
            chkLiida->setChecked(AddMode);
            chkLahuta->setChecked(!AddMode);
            recomputeOrFocus();
        });
    }

    connect(tkpKuupaev, &TKKuupKast::TKChange, this, [this](bool, bool kuupaevOige) {
        cmdArvuta->setEnabled(kuupaevOige);
        UpdateJulianBox();
    });
    connect(tkpKuupaev, &TKKuupKast::TKEnterPress, this, [this] { pressArvuta(); });
    connect(tkpKuupaev, &TKKuupKast::TKFullChange, this, [this] {
        if (years() == 0)
            focusTo(takAasta);
        else if (months() == 0)
            focusTo(takKuu);
        else if (days() == 0)
            focusTo(takPaev);
        else
            focusTo(cmdArvuta);
    });

    for (TKArvuKast *box : {takAasta, takKuu}) {
        connect(box, &TKArvuKast::TKChange, this, [this](bool) {
            UpdateLimits();
            UpdateJulianBox();
        });
    }
    connect(takPaev, &TKArvuKast::TKChange, this, [this](bool) { UpdateJulianBox(); });
    for (TKArvuKast *box : {takAasta, takKuu, takPaev}) {
        connect(box, &TKArvuKast::TKEnterPress, this, [this] {
            if (tkpKuupaev->TKKuupaevOige())
                pressArvuta();
        });
    }
    // The focus moves on to the next box still at 0, or to cmdArvuta.
    auto firstOf = [this](std::initializer_list<QWidget *> candidates) {
        for (QWidget *w : candidates) {
            if (w) {
                focusTo(w);
                return;
            }
        }
    };
    connect(takAasta, &TKArvuKast::TKFullChange, this, [this, firstOf] {
        firstOf({months() == 0 ? takKuu : nullptr, days() == 0 ? takPaev : nullptr,
                 cmdArvuta->isEnabled() ? cmdArvuta : nullptr, tkpKuupaev});
    });
    connect(takKuu, &TKArvuKast::TKFullChange, this, [this, firstOf] {
        QWidget *again = nullptr;
        if (tkpKuupaev->TKKuupaevOige())
            again = years() == 0 ? static_cast<QWidget *>(takAasta) : takKuu;
        firstOf({days() == 0 ? takPaev : nullptr, cmdArvuta->isEnabled() ? cmdArvuta : nullptr,
                 again, tkpKuupaev});
    });
    connect(takPaev, &TKArvuKast::TKFullChange, this, [this, firstOf] {
        QWidget *again = nullptr;
        if (tkpKuupaev->TKKuupaevOige())
            again = years() == 0 ? static_cast<QWidget *>(takAasta)
                                 : months() == 0 ? static_cast<QWidget *>(takKuu) : takPaev;
        firstOf({cmdArvuta->isEnabled() ? cmdArvuta : nullptr, again, tkpKuupaev});
    });
}

qint64 frmLiidaLahuta::years() const
{
    return numberValue(takAasta->TKArv());
}

qint64 frmLiidaLahuta::months() const
{
    return numberValue(takKuu->TKArv());
}

qint64 frmLiidaLahuta::days() const
{
    return numberValue(takPaev->TKArv());
}

void frmLiidaLahuta::UpdateLimits()
{
    const qint64 m = months();
    if (years() == 0) {
        takKuu->setTKMaksimaalneVaartus(2639);
        lblKuu->setText(QStringLiteral("< 2640"));
        takPaev->setTKMaksimaalneVaartus(m != 0 ? 30 : 79999);
        lblPaev->setText(m != 0 ? QStringLiteral("< 31") : QStringLiteral("< 80 000"));
    } else {
        takKuu->setTKMaksimaalneVaartus(11);
        lblKuu->setText(QStringLiteral("< 12"));
        takPaev->setTKMaksimaalneVaartus(m != 0 ? 30 : 365);
        lblPaev->setText(m != 0 ? QStringLiteral("< 31") : QStringLiteral("< 366"));
    }
}

void frmLiidaLahuta::UpdateJulianBox()
{
    const bool valid = tkpKuupaev->TKKuupaevOige();
    // A day of the Julian calendar only (29.02.1700) has only that reading.
    bool offered = valid && validOnlyInJulianReading(tkpKuupaev);
    if (!offered && valid && years() == 0 && months() == 0) {
        const double date = tkpKuupaev->TKKuupaev();
        const qint64 n = days();
        const int from = datevalue::Year(date - double(n));
        const int to = datevalue::Year(date + double(n));
        // A century year without 29 February in the Gregorian calendar.
        for (int y = from; y <= to && !offered; ++y)
            offered = y % 100 == 0 && y % 400 != 0;
    }
    // While the date is being typed (not valid yet) the box keeps the
    // reading chosen for it, so that a Julian date can be typed over another.
    if (!offered && valid)
        chkJuliuseKal->setChecked(false);
    chkJuliuseKal->setEnabled(offered);
}

QWidget *frmLiidaLahuta::focusTarget() const
{
    if (cmdArvuta->isEnabled())
        return cmdArvuta;
    return tkpKuupaev;
}

QWidget *frmLiidaLahuta::closeFocusTarget() const
{
    if (cmdArvuta->isEnabled())
        return cmdArvuta;
    if (tkpKuupaev->TKKuupaevOige()) {
        if (years() == 0)
            return takAasta;
        if (months() == 0)
            return takKuu;
        return takPaev;
    }
    return tkpKuupaev;
}

void frmLiidaLahuta::showAnswer()
{
    const bool julian = chkJuliuseKal->isChecked();
    const qint16 y = qint16(years());
    const qint16 m = qint16(months());
    const qint32 d = qint32(days());
    QString julianText;
    QString gregorianText;
    // Both readings are computed; a refusal of one leaves its text empty.
    runArithmetic([&] {
        julianText = modArvutused::ShiftedDateText(tkpKuupaev->TKKuupaevGr(), y, m, d, AddMode, true);
    });
    runArithmetic([&] {
        gregorianText = modArvutused::ShiftedDateText(tkpKuupaev->TKKuupaev(), y, m, d, AddMode, false);
    });
    lblVastus->setText(julian ? julianText : gregorianText);
}

void frmLiidaLahuta::clearInputs()
{
    takAasta->TKClear();
    takKuu->TKClear();
    takPaev->TKClear();
    tkpKuupaev->TKClear();
    // An empty date keeps no reading.
    chkJuliuseKal->setChecked(false);
}

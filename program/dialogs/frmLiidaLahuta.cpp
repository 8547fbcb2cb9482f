// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmLiidaLahuta.h"

#include "calculatorrules.h"
#include "forms.h"
#include "framewidgets.h"
#include "modarvutused.h"

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

    QLabel *lblSisesta = addLabel(m_fraSisesta, QStringLiteral("lblSisesta"),
                                  QRect(240, 390, 2070, 240),
                                  QStringLiteral("&Kuupäev  (pp.kk.aaaa)"));
    m_tkpKuupaev = forms::widget<TKKuupKast>(m_fraSisesta, QStringLiteral("tkpKuupäev"),
                                             QRect(2640, 360, 1260, 330));
    m_tkpKuupaev->setAccessibleName(QStringLiteral("Kuupäev"));
    m_tkpKuupaev->setMaksimum(calculators::kShiftDates.last.year);
    m_tkpKuupaev->setMiinimum(calculators::kShiftDates.first.year);
    setBuddy(lblSisesta, m_tkpKuupaev);
    addRangeLabel(m_fraSisesta, QStringLiteral("lblKuupäev"), QRect(240, 690, 1905, 195),
                  calculators::kShiftDates.labelText());
    QLabel *lblLiidaLahuta = addLabel(m_fraSisesta, QStringLiteral("lblLiidaLahuta"),
                                      QRect(240, 1260, 2790, 240),
                                      QStringLiteral("&Aastate, kuude ja päevade arv:"));

    auto numberBox = [this](const QString &name, const QString &accessibleName, QRect twips,
                            int maximum) {
        auto *box = forms::widget<TKArvuKast>(m_fraSisesta, name, twips);
        box->setAccessibleName(accessibleName);
        box->loadPersisted({{QStringLiteral("lubanegarv"), false},
                            {QStringLiteral("lubanull"), true},
                            {QStringLiteral("maksimaalnev"), maximum},
                            {QStringLiteral("minimaalnev"), 0},
                            {QStringLiteral("maxpikkus"), 0}});
        return box;
    };
    const calculators::ShiftLimits limits = calculators::ShiftLimitsFor(0, 0);
    m_takAasta = numberBox(QStringLiteral("takAasta"), QStringLiteral("Aastate arv"),
                           QRect(240, 1680, 495, 330), int(limits.years));
    m_takKuu = numberBox(QStringLiteral("takKuu"), QStringLiteral("Kuude arv"), QRect(1110, 1680, 615, 330),
                         int(limits.months));
    m_takPaev = numberBox(QStringLiteral("takPäev"), QStringLiteral("Päevade arv"),
                          QRect(2100, 1680, 735, 330), int(limits.days));
    setBuddy(lblLiidaLahuta, m_takAasta);

    auto limitLabel = [this](const QString &name, QRect twips, const QString &text) {
        QLabel *l = addRangeLabel(m_fraSisesta, name, twips, text);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return l;
    };
    limitLabel(QStringLiteral("lblAasta"), QRect(240, 2100, 495, 255), limits.yearsLabel);
    m_lblKuu = limitLabel(QStringLiteral("lblKuu"), QRect(1110, 2100, 615, 255), limits.monthsLabel);
    m_lblPaev = limitLabel(QStringLiteral("lblPäev"), QRect(2100, 2100, 735, 255), limits.daysLabel);

    buildButtons(layout);

    m_chkJuliuseKal = addJulianBox(QStringLiteral("fraJuliuseKal"), QStringLiteral("chkJuliuseKal"),
                                   QRect(3240, 1080, 1935, 375), QRect(0, 0, 1815, 255), 40, false);
    m_chkJuliuseKal->setEnabled(false);
    pairJulianBox(m_chkJuliuseKal, m_tkpKuupaev);
    connect(m_chkJuliuseKal, &FrameCheckBox::mouseReleased, this,
            [this](Qt::MouseButton button, const QPoint &globalPos) {
                if (button == Qt::RightButton)
                    showHelpMenu(m_chkJuliuseKal, globalPos);
                else
                    recomputeOrFocus();
            });

    QFrame *fraValik = forms::frame(this, QStringLiteral("fraValik"), QRect(3960, 1680, 1215, 975));
    m_chkLiida = forms::widget<FrameCheckBox>(fraValik, QStringLiteral("chkLiida"),
                                              QRect(120, 240, 975, 255));
    m_chkLiida->setText(QStringLiteral("L&iida"));
    m_chkLiida->setChecked(true);
    m_chkLahuta = forms::widget<FrameCheckBox>(fraValik, QStringLiteral("chkLahuta"),
                                               QRect(120, 600, 975, 255));
    m_chkLahuta->setText(QStringLiteral("La&huta"));
    // Every press switches the operation; the release shows it in both boxes.
    for (FrameCheckBox *box : {m_chkLiida, m_chkLahuta}) {
        box->setRefuseClicks(true);
        connect(box, &FrameCheckBox::mousePressed, this,
                [this](Qt::MouseButton, const QPoint &) { m_addMode = !m_addMode; });
        connect(box, &FrameCheckBox::mouseReleased, this, [this](Qt::MouseButton, const QPoint &) {
            m_chkLiida->setChecked(m_addMode);
            m_chkLahuta->setChecked(!m_addMode);
            recomputeOrFocus();
        });
    }

    connect(m_tkpKuupaev, &TKKuupKast::TKChange, this, [this](bool, bool kuupaevOige) {
        m_cmdArvuta->setEnabled(kuupaevOige);
        UpdateJulianBox();
    });
    connect(m_tkpKuupaev, &TKKuupKast::TKEnterPress, this, [this] { pressArvuta(); });
    connect(m_tkpKuupaev, &TKKuupKast::TKFullChange, this, [this] {
        if (years() == 0)
            focusTo(m_takAasta);
        else if (months() == 0)
            focusTo(m_takKuu);
        else if (days() == 0)
            focusTo(m_takPaev);
        else
            focusTo(m_cmdArvuta);
    });

    for (TKArvuKast *box : {m_takAasta, m_takKuu}) {
        connect(box, &TKArvuKast::TKChange, this, [this](bool) {
            UpdateLimits();
            UpdateJulianBox();
        });
    }
    connect(m_takPaev, &TKArvuKast::TKChange, this, [this](bool) { UpdateJulianBox(); });
    for (TKArvuKast *box : {m_takAasta, m_takKuu, m_takPaev}) {
        connect(box, &TKArvuKast::TKEnterPress, this, [this] {
            if (m_tkpKuupaev->TKKuupaevOige())
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
    connect(m_takAasta, &TKArvuKast::TKFullChange, this, [this, firstOf] {
        firstOf({months() == 0 ? m_takKuu : nullptr, days() == 0 ? m_takPaev : nullptr,
                 m_cmdArvuta->isEnabled() ? m_cmdArvuta : nullptr, m_tkpKuupaev});
    });
    connect(m_takKuu, &TKArvuKast::TKFullChange, this, [this, firstOf] {
        QWidget *again = nullptr;
        if (m_tkpKuupaev->TKKuupaevOige())
            again = years() == 0 ? static_cast<QWidget *>(m_takAasta) : m_takKuu;
        firstOf({days() == 0 ? m_takPaev : nullptr, m_cmdArvuta->isEnabled() ? m_cmdArvuta : nullptr,
                 again, m_tkpKuupaev});
    });
    connect(m_takPaev, &TKArvuKast::TKFullChange, this, [this, firstOf] {
        QWidget *again = nullptr;
        if (m_tkpKuupaev->TKKuupaevOige())
            again = years() == 0 ? static_cast<QWidget *>(m_takAasta)
                                 : months() == 0 ? static_cast<QWidget *>(m_takKuu) : m_takPaev;
        firstOf({m_cmdArvuta->isEnabled() ? m_cmdArvuta : nullptr, again, m_tkpKuupaev});
    });
}

qint64 frmLiidaLahuta::years() const
{
    return m_takAasta->arv();
}

qint64 frmLiidaLahuta::months() const
{
    return m_takKuu->arv();
}

qint64 frmLiidaLahuta::days() const
{
    return m_takPaev->arv();
}

void frmLiidaLahuta::UpdateLimits()
{
    // The months are read first: a new maximum of the months may change them.
    const qint64 m = months();
    const calculators::ShiftLimits limits = calculators::ShiftLimitsFor(years(), m);
    m_takKuu->setTKMaksimaalneVaartus(int(limits.months));
    m_lblKuu->setText(limits.monthsLabel);
    m_takPaev->setTKMaksimaalneVaartus(int(limits.days));
    m_lblPaev->setText(limits.daysLabel);
}

void frmLiidaLahuta::UpdateJulianBox()
{
    const bool valid = m_tkpKuupaev->TKKuupaevOige();
    // A day of the Julian calendar only (29.02.1700) has only that reading.
    const bool offered = valid
        && (validOnlyInJulianReading(m_tkpKuupaev)
            || calculators::ShiftSpansJulianLeapDay(m_tkpKuupaev->TKKuupaev(), years(), months(), days()));
    // While the date is being typed (not valid yet) the box keeps the
    // reading chosen for it, so that a Julian date can be typed over another.
    if (!offered && valid)
        m_chkJuliuseKal->setChecked(false);
    m_chkJuliuseKal->setEnabled(offered);
}

QWidget *frmLiidaLahuta::focusTarget() const
{
    if (m_cmdArvuta->isEnabled())
        return m_cmdArvuta;
    return m_tkpKuupaev;
}

QWidget *frmLiidaLahuta::closeFocusTarget() const
{
    if (m_cmdArvuta->isEnabled())
        return m_cmdArvuta;
    if (m_tkpKuupaev->TKKuupaevOige()) {
        if (years() == 0)
            return m_takAasta;
        if (months() == 0)
            return m_takKuu;
        return m_takPaev;
    }
    return m_tkpKuupaev;
}

void frmLiidaLahuta::showAnswer()
{
    const bool julian = m_chkJuliuseKal->isChecked();
    const qint16 y = qint16(years());
    const qint16 m = qint16(months());
    const qint32 d = qint32(days());
    QString julianText;
    QString gregorianText;
    // Both readings are computed; a refusal of one leaves its text empty.
    runArithmetic([&] {
        julianText = modArvutused::ShiftedDateText(m_tkpKuupaev->TKKuupaevGr(), y, m, d, m_addMode, true);
    });
    runArithmetic([&] {
        gregorianText = modArvutused::ShiftedDateText(m_tkpKuupaev->TKKuupaev(), y, m, d, m_addMode, false);
    });
    m_lblVastus->setText(julian ? julianText : gregorianText);
}

void frmLiidaLahuta::clearInputs()
{
    m_takAasta->TKClear();
    m_takKuu->TKClear();
    m_takPaev->TKClear();
    m_tkpKuupaev->TKClear();
    // An empty date keeps no reading.
    m_chkJuliuseKal->setChecked(false);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmliidalahuta.h"

#include "answerdisplay.h"
#include "calculatorrules.h"
#include "framewidgets.h"
#include "julianboxes.h"
#include "modarvutused.h"
#include "ui_frmliidalahuta.h"

#include <tundkast/tkarvukast.h>
#include <tundkast/tkkuupkast.h>

frmLiidaLahuta::frmLiidaLahuta(tundrik::WindowHost *host, QWidget *parent)
    : CalculatorDialog(host, Placement::Centred,
                       {QStringLiteral("Ku&stuta"), QStringLiteral(" Kustuta vastus ja sisestuskastid ")},
                       parent)
    , m_ui(std::make_unique<Ui::frmLiidaLahuta>())
{
    m_ui->setupUi(this);
    const calculators::ShiftLimits limits = calculators::ShiftLimitsFor(0, 0);
    m_ui->lblKuupäev->setText(calculators::kShiftDates.labelText());
    m_ui->lblAasta->setText(limits.yearsLabel);
    m_ui->lblKuu->setText(limits.monthsLabel);
    m_ui->lblPäev->setText(limits.daysLabel);
    setUpFrame({m_ui->fraSisesta, m_ui->lblVastus, m_ui->cmdArvuta, m_ui->cmdLõpeta});

    m_ui->tkpKuupäev->setMaksimum(calculators::kShiftDates.last.year);
    m_ui->tkpKuupäev->setMiinimum(calculators::kShiftDates.first.year);
    setBuddy(m_ui->lblSisesta, m_ui->tkpKuupäev);
    const auto numberLimits = [](TKArvuKast *box, int maximum) {
        box->loadPersisted({{QStringLiteral("lubanegarv"), false},
                            {QStringLiteral("lubanull"), true},
                            {QStringLiteral("maksimaalnev"), maximum},
                            {QStringLiteral("minimaalnev"), 0},
                            {QStringLiteral("maxpikkus"), 0}});
    };
    numberLimits(m_ui->takAasta, int(limits.years));
    numberLimits(m_ui->takKuu, int(limits.months));
    numberLimits(m_ui->takPäev, int(limits.days));
    setBuddy(m_ui->lblLiidaLahuta, m_ui->takAasta);

    addJulianBox(m_ui->chkJuliuseKal, false);
    julianBoxes().pair(m_ui->chkJuliuseKal, m_ui->tkpKuupäev);
    connect(m_ui->chkJuliuseKal, &FrameCheckBox::mouseReleased, this,
            [this](Qt::MouseButton button, const QPoint &globalPos) {
                if (button == Qt::RightButton)
                    showHelpMenu(m_ui->chkJuliuseKal, globalPos);
                else
                    recomputeOrFocus();
            });

    // Every press switches the operation; the release shows it in both boxes.
    for (FrameCheckBox *box : {m_ui->chkLiida, m_ui->chkLahuta}) {
        box->setRefuseClicks(true);
        connect(box, &FrameCheckBox::mousePressed, this,
                [this](Qt::MouseButton, const QPoint &) { m_addMode = !m_addMode; });
        connect(box, &FrameCheckBox::mouseReleased, this, [this](Qt::MouseButton, const QPoint &) {
            m_ui->chkLiida->setChecked(m_addMode);
            m_ui->chkLahuta->setChecked(!m_addMode);
            recomputeOrFocus();
        });
    }

    connect(m_ui->tkpKuupäev, &TKKuupKast::TKChange, this, [this](bool, bool kuupaevOige) {
        m_ui->cmdArvuta->setEnabled(kuupaevOige);
        UpdateJulianBox();
    });
    connect(m_ui->tkpKuupäev, &TKKuupKast::TKEnterPress, this, [this] { pressArvuta(); });
    connect(m_ui->tkpKuupäev, &TKKuupKast::TKFullChange, this, [this] {
        if (years() == 0)
            focusTo(m_ui->takAasta);
        else if (months() == 0)
            focusTo(m_ui->takKuu);
        else if (days() == 0)
            focusTo(m_ui->takPäev);
        else
            focusTo(m_ui->cmdArvuta);
    });

    for (TKArvuKast *box : {m_ui->takAasta, m_ui->takKuu}) {
        connect(box, &TKArvuKast::TKChange, this, [this](bool) {
            UpdateLimits();
            UpdateJulianBox();
        });
    }
    connect(m_ui->takPäev, &TKArvuKast::TKChange, this, [this](bool) { UpdateJulianBox(); });
    for (TKArvuKast *box : {m_ui->takAasta, m_ui->takKuu, m_ui->takPäev}) {
        connect(box, &TKArvuKast::TKEnterPress, this, [this] {
            if (m_ui->tkpKuupäev->TKKuupaevOige())
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
    connect(m_ui->takAasta, &TKArvuKast::TKFullChange, this, [this, firstOf] {
        firstOf({months() == 0 ? m_ui->takKuu : nullptr, days() == 0 ? m_ui->takPäev : nullptr,
                 m_ui->cmdArvuta->isEnabled() ? m_ui->cmdArvuta : nullptr, m_ui->tkpKuupäev});
    });
    connect(m_ui->takKuu, &TKArvuKast::TKFullChange, this, [this, firstOf] {
        QWidget *again = nullptr;
        if (m_ui->tkpKuupäev->TKKuupaevOige())
            again = years() == 0 ? static_cast<QWidget *>(m_ui->takAasta) : m_ui->takKuu;
        firstOf({days() == 0 ? m_ui->takPäev : nullptr,
                 m_ui->cmdArvuta->isEnabled() ? m_ui->cmdArvuta : nullptr, again, m_ui->tkpKuupäev});
    });
    connect(m_ui->takPäev, &TKArvuKast::TKFullChange, this, [this, firstOf] {
        QWidget *again = nullptr;
        if (m_ui->tkpKuupäev->TKKuupaevOige())
            again = years() == 0 ? static_cast<QWidget *>(m_ui->takAasta)
                : months() == 0  ? static_cast<QWidget *>(m_ui->takKuu)
                                 : m_ui->takPäev;
        firstOf({m_ui->cmdArvuta->isEnabled() ? m_ui->cmdArvuta : nullptr, again, m_ui->tkpKuupäev});
    });
}

frmLiidaLahuta::~frmLiidaLahuta() = default;

qint64 frmLiidaLahuta::years() const
{
    return m_ui->takAasta->arv();
}

qint64 frmLiidaLahuta::months() const
{
    return m_ui->takKuu->arv();
}

qint64 frmLiidaLahuta::days() const
{
    return m_ui->takPäev->arv();
}

void frmLiidaLahuta::UpdateLimits()
{
    // The months are read first: a new maximum of the months may change them.
    const qint64 m = months();
    const calculators::ShiftLimits limits = calculators::ShiftLimitsFor(years(), m);
    m_ui->takKuu->setTKMaksimaalneVaartus(int(limits.months));
    m_ui->lblKuu->setText(limits.monthsLabel);
    m_ui->takPäev->setTKMaksimaalneVaartus(int(limits.days));
    m_ui->lblPäev->setText(limits.daysLabel);
}

void frmLiidaLahuta::UpdateJulianBox()
{
    const bool valid = m_ui->tkpKuupäev->TKKuupaevOige();
    // A day of the Julian calendar only (29.02.1700) has only that reading.
    const bool offered = valid
        && (JulianBoxes::validOnlyInJulianReading(m_ui->tkpKuupäev)
            || calculators::ShiftSpansJulianLeapDay(m_ui->tkpKuupäev->TKKuupaev(), years(), months(),
                                                    days()));
    // While the date is being typed (not valid yet) the box keeps the
    // reading chosen for it, so that a Julian date can be typed over another.
    if (!offered && valid)
        m_ui->chkJuliuseKal->setChecked(false);
    m_ui->chkJuliuseKal->setEnabled(offered);
}

QWidget *frmLiidaLahuta::focusTarget() const
{
    if (m_ui->cmdArvuta->isEnabled())
        return m_ui->cmdArvuta;
    return m_ui->tkpKuupäev;
}

QWidget *frmLiidaLahuta::closeFocusTarget() const
{
    if (m_ui->cmdArvuta->isEnabled())
        return m_ui->cmdArvuta;
    if (m_ui->tkpKuupäev->TKKuupaevOige()) {
        if (years() == 0)
            return m_ui->takAasta;
        if (months() == 0)
            return m_ui->takKuu;
        return m_ui->takPäev;
    }
    return m_ui->tkpKuupäev;
}

void frmLiidaLahuta::showAnswer()
{
    const bool julian = m_ui->chkJuliuseKal->isChecked();
    const qint16 y = qint16(years());
    const qint16 m = qint16(months());
    const qint32 d = qint32(days());
    QString julianText;
    QString gregorianText;
    // Both readings are computed; a refusal of one leaves its text empty.
    runArithmetic([&] {
        julianText = modArvutused::ShiftedDateText(m_ui->tkpKuupäev->TKKuupaevGr(), y, m, d, m_addMode, true);
    });
    runArithmetic([&] {
        gregorianText = modArvutused::ShiftedDateText(m_ui->tkpKuupäev->TKKuupaev(), y, m, d, m_addMode,
                                                      false);
    });
    answer().show(julian ? julianText : gregorianText);
}

void frmLiidaLahuta::clearInputs()
{
    m_ui->takAasta->TKClear();
    m_ui->takKuu->TKClear();
    m_ui->takPäev->TKClear();
    m_ui->tkpKuupäev->TKClear();
    // An empty date keeps no reading.
    m_ui->chkJuliuseKal->setChecked(false);
}

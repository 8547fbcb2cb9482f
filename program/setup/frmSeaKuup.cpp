// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSeaKuup.h"

#include "forms.h"
#include "refusal.h"
#include "setbuttons.h"
#include "systemclocksetter.h"

#include <tundkast/tkkuupkast.h>

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTime>
#include <QVariantMap>

#include <cmath>

namespace {

// The client area in twips: the border frame with equal margins.
constexpr int clientWidth = 4095;
constexpr int clientHeight = 2175;

// Day 0 of the date value.
const QDate dateValueEpoch(1899, 12, 30);

} // namespace

using namespace setup;

frmSeaKuup::frmSeaKuup(tundrik::Clock &clock, SystemClockSetter &setter,
                       std::function<void()> newDay, QWidget *parent)
    : QDialog(parent)
    , m_clock(clock)
    , m_setter(setter)
    , m_newDay(std::move(newDay))
{
    setObjectName(QStringLiteral("frmSeaKuup"));
    setWindowTitle(QStringLiteral("Sea kuupäev"));
    setFont(forms::sans(8.25));
    forms::setDialogTitleBar(this);
    forms::setClientSize(this, clientWidth, clientHeight);

    QFrame *fraRaam = forms::frame(this, QStringLiteral("fraRaam"), QRect(300, 120, 3495, 1935));
    QFrame *fraKuupaev = forms::frame(fraRaam, QStringLiteral("fraKuupäev"), QRect(240, 300, 1215, 615));
    const tundrik::ClockReading now = m_clock.now();
    // As in the set-time dialog, the label spans the frame's inside, centred.
    QLabel *lblKuupaev = forms::label(fraKuupaev, QStringLiteral("lblKuupäev"), QRect(30, 240, 1155, 240),
                                      QString::asprintf("%02d.%02d.%d", now.day, now.month, now.year));
    lblKuupaev->setFont(forms::sans(9.75));
    lblKuupaev->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    QFrame *fraSeaKuup = forms::frame(fraRaam, QStringLiteral("fraSeaKuup"), QRect(1680, 240, 1575, 735));
    m_tkpKuupaev = new TKKuupKast(fraSeaKuup);
    m_tkpKuupaev->setObjectName(QStringLiteral("tkpKuupäev"));
    m_tkpKuupaev->setAccessibleName(QStringLiteral("Uus kuupäev"));
    // The year limits as the form stores them with the control.
    m_tkpKuupaev->loadPersisted(QVariantMap{{QStringLiteral("maksimum"), 2299},
                                            {QStringLiteral("miinimum"), 100}});
    forms::place(m_tkpKuupaev, QRect(150, 240, 1260, 330));

    const SetButtons buttons =
        addSetButtons(this, fraRaam, m_tkpKuupaev, QRect(240, 1200, 1425, 495),
                      QRect(1920, 1200, 1335, 495), QStringLiteral(" Salvesta kuupäev (Enter) "));
    m_cmdLoobu = buttons.cmdLoobu;
    m_cmdSea = buttons.cmdSea;

    connect(m_tkpKuupaev, &TKKuupKast::TKChange, this,
            [this](bool, bool valid) { m_cmdSea->setEnabled(valid); });
    connect(m_tkpKuupaev, &TKKuupKast::TKEnterPress, m_cmdSea, &QPushButton::click);
    connect(m_tkpKuupaev, &TKKuupKast::TKFullChange, this, [this] { m_cmdSea->setFocus(); });
    connect(m_cmdSea, &QPushButton::clicked, this, &frmSeaKuup::cmdSeaClick);

    m_tkpKuupaev->setFocus();
}

frmSeaKuup::~frmSeaKuup()
{
    // The box must not see its field lose the focus while the window is
    // being torn down; let it go while every control is whole.
    if (QWidget *f = focusWidget())
        f->clearFocus();
}

void frmSeaKuup::placeOver(const QRect &mainFrame)
{
    move(forms::centredOver(mainFrame, size(), 0));
}

void frmSeaKuup::cmdSeaClick()
{
    if (!m_tkpKuupaev->TKKuupaevOige())
        return;
    // The date as the box holds it, also before the Gregorian reform; the
    // local time of day stays.
    const QDate date = dateValueEpoch.addDays(qint64(std::floor(m_tkpKuupaev->TKKuupaev())));
    const tundrik::ClockReading now = m_clock.now();
    const QTime time(now.hour, now.minute, now.second, now.millisecond);
    if (!applyLocalTime(this, m_setter, date, time, QStringLiteral("Kuupäeva")))
        return;
    if (m_newDay)
        m_newDay();
    accept();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSeaKell.h"

#include "forms.h"
#include "ticker.h"
#include "readoutTexts.h"
#include "refusal.h"
#include "setbuttons.h"
#include "systemclocksetter.h"

#include <tundkast/tkkellakast.h>

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTime>

namespace {

// The client area in twips: the border frame with equal margins.
constexpr int clientWidth = 3735;
constexpr int clientHeight = 2175;

} // namespace

using namespace setup;

frmSeaKell::frmSeaKell(tundrik::Clock &clock, SystemClockSetter &setter, QWidget *parent)
    : QDialog(parent)
    , m_clock(clock)
    , m_setter(setter)
{
    setObjectName(QStringLiteral("frmSeaKell"));
    setWindowTitle(QStringLiteral("Sea kellaaeg"));
    setFont(forms::sans(8.25));
    forms::setDialogTitleBar(this);
    forms::setClientSize(this, clientWidth, clientHeight);

    QFrame *fraRaam = forms::frame(this, QStringLiteral("fraRaam"), QRect(360, 120, 3015, 1935));
    QFrame *fraKell = forms::frame(fraRaam, QStringLiteral("fraKell"), QRect(240, 300, 975, 615));
    // The label spans the frame's inside, the time centred: the substitute
    // font is wider than the form's own, and "00:00:00" must not be cut.
    m_lblKell = forms::label(fraKell, QStringLiteral("lblKell"), QRect(30, 240, 915, 240));
    m_lblKell->setFont(forms::sans(9.75));
    m_lblKell->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    QFrame *fraSea = forms::frame(fraRaam, QStringLiteral("fraSea"), QRect(1440, 240, 1335, 735));
    m_tklKell = forms::widget<TKKellaKast>(fraSea, QStringLiteral("tklKell"), QRect(135, 240, 1050, 330));
    m_tklKell->setAccessibleName(QStringLiteral("Uus kellaaeg"));

    const SetButtons buttons =
        addSetButtons(this, fraRaam, m_tklKell, QRect(240, 1200, 1185, 495),
                      QRect(1680, 1200, 1095, 495), QStringLiteral(" Salvesta uus kellaaeg (Enter) "));
    m_cmdLoobu = buttons.cmdLoobu;
    m_cmdSea = buttons.cmdSea;

    connect(m_tklKell, &TKKellaKast::TKChange, this,
            [this](bool allSet) { m_cmdSea->setEnabled(allSet); });
    connect(m_tklKell, &TKKellaKast::TKEnterPress, m_cmdSea, &QPushButton::click);
    connect(m_tklKell, &TKKellaKast::TKFullChange, this, [this] { m_cmdSea->setFocus(); });
    connect(m_cmdSea, &QPushButton::clicked, this, &frmSeaKell::cmdSeaClick);

    m_tmrKell = new forms::Ticker(m_clock, QStringLiteral("tmrKell"), this);
    connect(m_tmrKell, &forms::Ticker::tick, this, &frmSeaKell::tick);
    m_tmrKell->start();
    // The label shows the time from the start, not only from the first change of second.
    tick();

    m_tklKell->setFocus();
}

frmSeaKell::~frmSeaKell()
{
    // The box must not see its field lose the focus while the window is
    // being torn down; let it go while every control is whole.
    if (QWidget *f = focusWidget())
        f->clearFocus();
}

void frmSeaKell::placeOver(const QRect &mainFrame)
{
    move(forms::centredOver(mainFrame, size(), 1));
}

void frmSeaKell::tick()
{
    const tundrik::ClockReading now = m_clock.now();
    if (now.second == m_lastSecond)
        return;
    m_lastSecond = now.second;
    m_lblKell->setText(readouttexts::clockText(now));
}

void frmSeaKell::cmdSeaClick()
{
    const QTime time = QTime::fromString(m_tklKell->TKKell().toString(), QStringLiteral("HH:mm:ss"));
    if (!time.isValid())
        return;
    // Today's local date stays; only the time of day changes.
    const tundrik::ClockReading now = m_clock.now();
    const QDate today(now.year, now.month, now.day);
    if (applyLocalTime(this, m_setter, today, time, QStringLiteral("Kellaaega")))
        accept();
}

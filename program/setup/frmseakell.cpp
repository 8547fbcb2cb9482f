// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmseakell.h"

#include "forms.h"
#include "readouttexts.h"
#include "refusal.h"
#include "setbuttons.h"
#include "systemclocksetter.h"
#include "ticker.h"
#include "ui_frmseakell.h"

#include <tundkast/tkkellakast.h>

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTime>

using namespace setup;

frmSeaKell::frmSeaKell(tundrik::Clock &clock, SystemClockSetter &setter, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmSeaKell>())
    , m_clock(clock)
    , m_setter(setter)
{
    m_ui->setupUi(this);
    forms::setDialogTitleBar(this);
    forms::finish(this);
    wireSetButtons(this, m_ui->cmdLoobu, m_ui->cmdSea);

    connect(m_ui->tklKell, &TKKellaKast::TKChange, this,
            [this](bool allSet) { m_ui->cmdSea->setEnabled(allSet); });
    connect(m_ui->tklKell, &TKKellaKast::TKEnterPress, m_ui->cmdSea, &QPushButton::click);
    connect(m_ui->tklKell, &TKKellaKast::TKFullChange, this, [this] { m_ui->cmdSea->setFocus(); });
    connect(m_ui->cmdSea, &QPushButton::clicked, this, &frmSeaKell::cmdSeaClick);

    m_tmrKell = new forms::Ticker(m_clock, QStringLiteral("tmrKell"), this);
    connect(m_tmrKell, &forms::Ticker::tick, this, &frmSeaKell::tick);
    m_tmrKell->start();
    // The label shows the time from the start, not only from the first change of second.
    tick();

    m_ui->tklKell->setFocus();
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
    m_ui->lblKell->setText(readouttexts::clockText(now));
}

void frmSeaKell::cmdSeaClick()
{
    const QTime time = m_ui->tklKell->kell();
    if (!time.isValid())
        return;
    // Today's local date stays; only the time of day changes.
    const tundrik::ClockReading now = m_clock.now();
    const QDate today(now.year, now.month, now.day);
    if (applyLocalTime(this, m_setter, today, time, QStringLiteral("Kellaaega")))
        accept();
}

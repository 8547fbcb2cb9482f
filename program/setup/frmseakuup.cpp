// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmseakuup.h"

#include "forms.h"
#include "refusal.h"
#include "setbuttons.h"
#include "systemclocksetter.h"
#include "ui_frmseakuup.h"

#include <tundkast/tkkuupkast.h>

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTime>

using namespace setup;

frmSeaKuup::frmSeaKuup(tundrik::Clock &clock, SystemClockSetter &setter, std::function<void()> newDay,
                       QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmSeaKuup>())
    , m_clock(clock)
    , m_setter(setter)
    , m_newDay(std::move(newDay))
{
    m_ui->setupUi(this);
    forms::setDialogTitleBar(this);
    forms::finish(this);
    wireSetButtons(this, m_ui->cmdLoobu, m_ui->cmdSea);
    const tundrik::ClockReading now = m_clock.now();
    m_ui->lblKuupäev->setText(QString::asprintf("%02d.%02d.%d", now.day, now.month, now.year));

    connect(m_ui->tkpKuupäev, &TKKuupKast::TKChange, this,
            [this](bool, bool valid) { m_ui->cmdSea->setEnabled(valid); });
    connect(m_ui->tkpKuupäev, &TKKuupKast::TKEnterPress, m_ui->cmdSea, &QPushButton::click);
    connect(m_ui->tkpKuupäev, &TKKuupKast::TKFullChange, this, [this] { m_ui->cmdSea->setFocus(); });
    connect(m_ui->cmdSea, &QPushButton::clicked, this, &frmSeaKuup::cmdSeaClick);

    m_ui->tkpKuupäev->setFocus();
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
    // The date as the box holds it, also before the Gregorian reform; the
    // local time of day stays.
    const QDate date = m_ui->tkpKuupäev->kuupaev();
    if (!date.isValid())
        return;
    const tundrik::ClockReading now = m_clock.now();
    const QTime time(now.hour, now.minute, now.second, now.millisecond);
    if (!applyLocalTime(this, m_setter, date, time, QStringLiteral("Kuupäeva")))
        return;
    if (m_newDay)
        m_newDay();
    accept();
}

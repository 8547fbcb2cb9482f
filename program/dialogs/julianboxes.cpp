// SPDX-License-Identifier: GPL-3.0-or-later
#include "julianboxes.h"

#include "calculatorrules.h"
#include "framewidgets.h"
#include "modarvutused.h"

#include <tundkast/tkkuupkast.h>

#include <QScopedValueRollback>

JulianBoxes::JulianBoxes(QObject *parent)
    : QObject(parent)
{ }

void JulianBoxes::lockAtStart(FrameCheckBox *box)
{
    box->setTristate(true);
    box->setCheckState(Qt::PartiallyChecked);
    box->setTag(QStringLiteral("KEELA"));
}

bool JulianBoxes::julianReading(const FrameCheckBox *box)
{
    return box->checkState() != Qt::Unchecked;
}

bool JulianBoxes::validOnlyInJulianReading(TKKuupKast *date)
{
    // TKKuupaev is 0.0 for a text that is no Gregorian date (and for 30.12.1899).
    if (!date->TKKuupaevOige() || !date->TKJuliuseKalender() || date->TKKuupaev() != 0.0)
        return false;
    const datevalue::Ymd j = modArvutused::ToJulianCalendar(date->TKKuupaevGr());
    return calculators::OnlyJulianDate(j.year, j.month, j.day);
}

void JulianBoxes::pair(FrameCheckBox *box, TKKuupKast *date)
{
    m_dates.insert(box, date);
    date->setTKJuliuseKalender(julianReading(box));
    connect(box, &QCheckBox::stateChanged, this, [this, box, date] {
        // A click chooses the reading, and the lock rule leaves the choice
        // standing even when the date is then no date of that calendar.
        const QScopedValueRollback<bool> user(m_userReading, m_userReading || box->userToggling());
        date->setTKJuliuseKalender(julianReading(box));
    });
}

void JulianBoxes::lock(FrameCheckBox *box, bool beforeReform)
{
    if (m_userReading)
        return;
    TKKuupKast *date = m_dates.value(box);
    // The tag first: a new state may change the date's reading, and the
    // change that follows from it sets the box anew.
    if (beforeReform) {
        box->setTag(QStringLiteral("KEELA"));
        box->setCheckState(Qt::PartiallyChecked);
    } else if (date && validOnlyInJulianReading(date)) {
        box->setTag(QStringLiteral("LUBA"));
        box->setCheckState(Qt::Checked);
    } else {
        box->setTag(QStringLiteral("LUBA"));
        box->setCheckState(Qt::Unchecked);
    }
}

void JulianBoxes::holdForAnswer(bool answerShown)
{
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it)
        it.key()->setRefuseClicks(answerShown && it.value() && validOnlyInJulianReading(it.value()));
}

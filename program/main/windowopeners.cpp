// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowopeners.h"

#include "frmaeg.h"

#include "frmjuuliusepaev.h"
#include "frmkuupaev.h"
#include "frmliidalahuta.h"
#include "frmliigaasta.h"
#include "frmvahemik.h"

#include "frmkalender.h"

#include "frmseakell.h"
#include "frmseakuup.h"
#include "frmtkp.h"
#include "systemclocksetter.h"
#include "systeminfo.h"

#include <QCoreApplication>

namespace {

// A calculator gets its title (where the menu gives one), the pending window
// events run, and it is shown until it closes.
void run(CalculatorDialog &dialog, const QString &title = QString())
{
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    QCoreApplication::processEvents();
    dialog.exec();
}

} // namespace

namespace openers {

void openDayDescription(frmAeg &main, bool julianDay)
{
    frmJuuliusePaev dialog(&main, julianDay ? QStringLiteral("JP") : QStringLiteral("NP"));
    run(dialog, julianDay ? QStringLiteral("Leia Juliuse päev") : QStringLiteral("Leia nädalapäev"));
}

void openDateOfDayNumber(frmAeg &main)
{
    frmKuupaev dialog(&main);
    run(dialog, QStringLiteral("Leia kuupäev"));
}

void openInterval(frmAeg &main)
{
    frmVahemik dialog(&main);
    run(dialog, QStringLiteral("Leia päevade arv"));
}

void openNewDate(frmAeg &main)
{
    // The dialog names itself.
    frmLiidaLahuta dialog(&main);
    run(dialog);
}

void openLeapYear(frmAeg &main)
{
    frmLiigaasta dialog(&main);
    run(dialog, QStringLiteral("Kas liigaasta, või mitte"));
}

void openCalendar(frmAeg &main)
{
    QCoreApplication::processEvents();
    frmKalender calendar(main);
    calendar.exec();
}

void openSetTime(frmAeg &main)
{
    const std::unique_ptr<setup::SystemClockSetter> setter = setup::makeSystemClockSetter();
    frmSeaKell dialog(main.clock(), *setter, &main);
    dialog.placeOver(main.frameGeometry());
    dialog.exec();
}

void openSetDate(frmAeg &main)
{
    const std::unique_ptr<setup::SystemClockSetter> setter = setup::makeSystemClockSetter();
    frmSeaKuup dialog(main.clock(), *setter, [&main] { main.UusPaev(); }, &main);
    dialog.placeOver(main.frameGeometry());
    dialog.exec();
}

void openAbout(frmAeg &main)
{
    frmTKp about(setup::currentSystemInfo(&main), &main);
    about.placeOver(main.frameGeometry(), main.innerHeight());
    about.exec();
}

} // namespace openers

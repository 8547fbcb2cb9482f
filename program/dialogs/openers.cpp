// The main window's "Tegevus" commands of the calculators: each sets the
// title (and the description mode), lets pending window events run and
// shows its dialog modally over the main window until it closes.
#include "main/windowopeners.h"

#include "frmJuuliusePaev.h"
#include "frmKuupaev.h"
#include "frmLiidaLahuta.h"
#include "frmLiigaasta.h"
#include "frmVahemik.h"
#include "shared.h"

#include <QCoreApplication>

namespace {

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
    tundrik::DayDescriptionMode = julianDay ? QStringLiteral("JP") : QStringLiteral("NP");
    frmJuuliusePaev dialog(&main);
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

} // namespace openers

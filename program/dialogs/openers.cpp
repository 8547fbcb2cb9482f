#include "main/windowopeners.h"

namespace openers {

void openDayDescription(frmAeg &, bool)
{
    // not built yet
}

void openDateOfDayNumber(frmAeg &)
{
    // not built yet
}

void openInterval(frmAeg &)
{
    // not built yet
}

void openNewDate(frmAeg &)
{
    // not built yet
}

void openLeapYear(frmAeg &)
{
    // not built yet
}

} // namespace openers

#include "main/windowopeners.h"

namespace openers {

void openSetTime(frmAeg &)
{
    // not built yet
}

void openSetDate(frmAeg &)
{
    // not built yet
}

void openAbout(frmAeg &)
{
    // not built yet
}

} // namespace openers

#include "main/windowopeners.h"

#include "frmSeaKell.h"
#include "frmSeaKuup.h"
#include "frmTKp.h"
#include "systemclocksetter.h"
#include "systeminfo.h"

#include "main/frmAeg.h"

namespace openers {

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

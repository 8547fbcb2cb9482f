#include "main/windowopeners.h"

#if __has_include(<tundkast/tkkellakast.h>)
#define TUNDRIK_SETTING_DIALOGS 1
#include "frmSeaKell.h"
#include "frmSeaKuup.h"
#endif
#include "frmTKp.h"
#include "systemclocksetter.h"
#include "systeminfo.h"

#include "main/frmAeg.h"

namespace openers {

#ifdef TUNDRIK_SETTING_DIALOGS
void openSetTime(frmAeg &main)
{
    frmSeaKell dialog(main.clock(), setup::systemClockSetter(), &main);
    dialog.placeOver(main.frameGeometry());
    dialog.exec();
}

void openSetDate(frmAeg &main)
{
    frmSeaKuup dialog(main.clock(), setup::systemClockSetter(), [&main] { main.UusPaev(); }, &main);
    dialog.placeOver(main.frameGeometry());
    dialog.exec();
}

#else
// Without the control library's boxes the two setting dialogs are not built.
void openSetTime(frmAeg &) {}
void openSetDate(frmAeg &) {}
#endif

void openAbout(frmAeg &main)
{
    frmTKp about(setup::currentSystemInfo(&main), &main);
    about.placeOver(main.frameGeometry(), main.innerHeight());
    about.exec();
}

} // namespace openers

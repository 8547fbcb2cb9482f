#include "main/windowopeners.h"

#include "frmKalender.h"
#include "main/frmAeg.h"

#include <QCoreApplication>

namespace openers {

void openCalendar(frmAeg &main)
{
    QCoreApplication::processEvents();
    frmKalender calendar(main.clock(), &main,
                         [&main](bool enabled) { main.setCloseButtonEnabled(enabled); });
    calendar.placeOver(main.frameGeometry(), main.innerHeight());
    calendar.exec();
}

} // namespace openers

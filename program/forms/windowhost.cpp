// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowhost.h"

namespace tundrik {

QPoint positionAtHost(HostPlacement placement, const QRect &hostFrame, int hostInnerHeight, int width)
{
    const bool centred = placement != HostPlacement::HostLeft;
    const int shiftLeft = placement == HostPlacement::CentredLessOnePixel ? 1 : 0;
    const int left = hostFrame.left() + (centred ? hostFrame.width() / 2 - width / 2 - shiftLeft : 0);
    const int top = hostFrame.top() + (hostFrame.height() - hostInnerHeight) / 2;
    return QPoint(left, top);
}

} // namespace tundrik

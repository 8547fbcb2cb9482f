// SPDX-License-Identifier: GPL-3.0-or-later
// The two buttons of the set-time and set-date dialogs, side by side below
// the box the user types into: "&Loobu" closes the dialog without a change
// (so does Esc), "&Sea" sets the typed value and starts disabled until the
// box holds a whole value. The focus runs from the box to "&Loobu" to "&Sea";
// a drag off "&Loobu" sends it to "&Sea" when that is enabled, else into the
// box.
#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QPushButton;
class QWidget;

namespace setup {

struct SetButtons {
    QPushButton *cmdLoobu;
    QPushButton *cmdSea;
};

// seaToolTip: what "&Sea" saves, as its tooltip says it.
SetButtons addSetButtons(QDialog *dialog, QWidget *frame, QWidget *box, const QRect &loobuTwips,
                         const QRect &seaTwips, const QString &seaToolTip);

} // namespace setup

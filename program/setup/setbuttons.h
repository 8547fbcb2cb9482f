// SPDX-License-Identifier: GPL-3.0-or-later
// The two buttons of the set-time and set-date dialogs, side by side below
// the box the user types into: "&Loobu" closes the dialog without a change
// (so does Esc, the form's cancel button), "&Sea" sets the typed value and
// starts disabled until the box holds a whole value. The forms give the
// focus order box, "&Loobu", "&Sea", and the drag-off rule of "&Loobu",
// which sends the focus to "&Sea" when that is enabled, else into the box.
#pragma once

class QDialog;
class QPushButton;

namespace setup {

// What the forms cannot say: "&Sea" is the default button exactly while it
// is enabled, Enter on the focused "&Loobu" presses it, and "&Loobu" rejects
// the dialog.
void wireSetButtons(QDialog *dialog, QPushButton *cmdLoobu, QPushButton *cmdSea);

} // namespace setup

// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the month grid: a table of six weeks whose
// cells are named by their whole dates ("Esmaspäev, 5. jaanuar 2004,
// 2. nädal"), the greyed days of the neighbouring months saying so. A day of
// the shown month can be chosen with the cell's press action.
#pragma once

namespace monthgridaccessible {

// Installs the interface factory once; call before the grid's calendar
// widget is made.
void install();

} // namespace monthgridaccessible

// SPDX-License-Identifier: GPL-3.0-or-later
// Names for screen readers. One table, keyed by the objectName of a control
// (optionally narrowed by the objectName of its window), says what every
// readout, caption and button of the program's windows is. An accessibility
// factory serves interfaces that read the table when a screen reader asks, so
// a readout reads "Unixi aeg, 946 684 800" with its current text, without any
// work of its own each second, and windows need no code of their own for it.
// The Tundkast input boxes are the library's own: each window gives its boxes
// their accessible names, and the library names the fields.
#pragma once

#include <QString>

class QWidget;

namespace accessibility {

// Installs the factory; once per process, later calls do nothing. Call it
// after the QApplication exists (the factories installed last are asked
// first, and the application installs Qt's own) and before the first window
// is built.
void install();

// What the table says of a widget in its place: the role name of a readout,
// the action name of a button; empty when the table does not know it.
QString tableName(const QWidget *widget);

} // namespace accessibility

// SPDX-License-Identifier: GPL-3.0-or-later
// Names for screen readers. A window names its readouts, captions and
// buttons where it builds them, in its form or with forms::tell(): the
// accessible name and the words of the dynamic property "a11y" that say how
// a label is read. An accessibility factory serves interfaces that
// read these when a screen reader asks, so a readout reads "Unixi aeg,
// 946 684 800" with its current text, without any work of its own each
// second. The Tundkast input boxes are the library's own: each window gives
// its boxes their accessible names, and the library names the fields.
#pragma once

#include <QString>

class QWidget;

namespace accessibility {

// Installs the factory; once per process, later calls do nothing. Call it
// after the QApplication exists (the factories installed last are asked
// first, and the application installs Qt's own) and before the first window
// is built.
void install();

// The name a control is given where it is built: the role name of a
// readout, the action name of a button, as its accessible name; empty for a
// control named by its text alone.
QString tableName(const QWidget *widget);

} // namespace accessibility

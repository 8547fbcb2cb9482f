// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Estonian. Qt draws some texts of its own in the program's
// windows: the buttons of a message box, the "What's This?" menu of a dialog,
// the menus of text fields, key names beside menu items, and the names of the
// actions an assistive technology offers. Qt ships no Estonian catalog for
// them, so the program carries one (translations/tundrik_qt_et.ts, compiled
// into the program as a resource); Qt's own catalog for Estonian is loaded too
// when the system has one, for any text the program's catalog does not hold.
#pragma once

#include <QString>

class QCoreApplication;

namespace qttranslations {

// The compiled catalog inside the program.
QString catalogPath();

// Installs Qt's system catalog for Estonian (if there is one) and the
// program's catalog, which is asked first. Returns false when the program's
// catalog cannot be loaded; the translators belong to app.
bool install(QCoreApplication &app);

} // namespace qttranslations

// SPDX-License-Identifier: GPL-3.0-or-later
// The control library as a whole: its descriptions, creation of its controls
// by class name, and the source of "today" that the date box fills in on a
// double-click.
#pragma once

#include <tundkast/tundkast_export.h>

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace Tundkast {

/*! The library's version, "1.0.2". */
TUNDKAST_EXPORT QString version();
/*! The library's description, "Tundkast: täisarvu, kella ja kuupäeva kastid". */
TUNDKAST_EXPORT QString libraryDescription();
/*! The library's comment naming its three controls. */
TUNDKAST_EXPORT QString libraryComment();

/*! The class names the controls are created by: "Tundkast.TKArvuKast",
    "Tundkast.TKKellaKast", "Tundkast.TKKuupKast". */
TUNDKAST_EXPORT QStringList controlClassNames();

/*! Creates the control of a class name (as listed by controlClassNames(),
    matched exactly) as a child of parent (a window of its own when parent is
    nullptr); nullptr for any other name. */
TUNDKAST_EXPORT QWidget *createControl(const QString &className, QWidget *parent = nullptr);

/*! The Estonian description of a control's class name; empty for an unknown name. */
TUNDKAST_EXPORT QString controlDescription(const QString &className);

/*! Replaces the process-wide source of today's date (by default
    QDate::currentDate()), which every date box uses unless it was given
    one of its own (TKKuupKast::setTodayProvider). An empty function restores
    the default; a function that gives an invalid QDate leaves a double-click
    with nothing to fill in. */
TUNDKAST_EXPORT void setTodayProvider(std::function<QDate()> provider);

/*! Today's date from the current process-wide source; an invalid QDate only
    when a source set by setTodayProvider gives one. */
TUNDKAST_EXPORT QDate today();

} // namespace Tundkast

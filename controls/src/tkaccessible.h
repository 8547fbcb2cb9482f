// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is told about the controls: each control is one
// group named by its host, holding its fields in the order the focus visits
// them, each field named by the control.
#pragma once

class QWidget;
class QString;

namespace Tundkast {

// Installs the accessibility factory of the controls; later calls do nothing.
void installAccessibility();

// The name a field of a control reads under: "Päev", "Kuu", "Aasta", "Tund",
// "Minut", "Sekund"; the only field of the integer box combines "arv" with
// the box's name.
QString fieldAccessibleName(const QWidget *field);

} // namespace Tundkast

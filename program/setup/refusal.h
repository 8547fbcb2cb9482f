// SPDX-License-Identifier: GPL-3.0-or-later
// Setting the clock from a dialog: the local date and time through the
// system's time zone to the backend, and a message box titled "Tundrik" when
// the system refuses. The box is a QMessageBox named "msgEiSeatud" shown
// modally over the dialog.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>

class QWidget;

namespace setup {

class SystemClockSetter;

// True when the clock was set. While the backend waits (the user may be
// typing a password) the dialog takes no input. subject: "Kellaaega" or "Kuupäeva".
bool applyLocalTime(QWidget *dialog, SystemClockSetter &setter, const QDate &date,
                    const QTime &time, const QString &subject);

} // namespace setup

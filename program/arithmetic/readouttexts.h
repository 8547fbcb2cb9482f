// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the main window's readouts, computed from one clock reading.
// The window only copies them into its labels.
#pragma once

#include "clock.h"

#include <QString>
#include <QStringList>

namespace readouttexts {

// "#,#": the whole number grouped by three with the regional group separator.
QString groupedInteger(qint64 value);
// "#,#" of a double, rounded to the nearest whole number (halves away from zero).
QString groupedRounded(double value);
// "#,#. 00000": grouped whole part, decimal separator, a space, five decimals.
QString julianDateText(double value);
// "0.00" with the regional decimal separator.
QString twoDecimals(double value);

// Texts that change every second.
struct TimeTexts {
    QString internet; // lblInternet: "@ 41,67"
    QString clock; // lblKell: "HH:mm:ss"
    QString astronomicalJd; // lblAstronJP
    QString commonJd; // lblTavalineJP
    QString unix; // lblUnix
};
TimeTexts timeTexts(const tundrik::ClockReading &now, double dayBase);

// Texts that change once a day or with the week settings.
struct DateTexts {
    int weekNumber = 0;
    QString dayOfYear; // lblPäevaNr: "34. päev"
    QString week; // lblNädal: "5. nädal"
    QString quarter; // lblKvartal: "1. kv."
    QString clockDifferenceT; // lblKelladeVaheT: ClockDifference(3)
    QString clockDifferenceL; // lblKelladeVaheL: ClockDifference(1)
};
DateTexts dateTexts(const tundrik::ClockReading &now, int firstDayOfWeek, int firstWeekOfYear);

// The twelve month names in the genitive-free form of the date line, index 0 = January.
QStringList monthNames();

// lblKuupäev: " Esmaspäev, 07. detsember ".
QString dateLine(const tundrik::ClockReading &now, const QStringList &weekdayNames,
                 const QStringList &monthNames);

// The countdown to the end of the year as the labels show it at a new day.
struct Countdown {
    QString days; // lblPäev
    QString hours; // lblTund
    QString minutes; // lblMinut
    QString seconds; // lblSekund
};
Countdown countdownAtNewDay(const tundrik::ClockReading &now);

// What a per-second refresh shows in the countdown: seconds, minutes and
// hours (days stay as the new day set them). At hh:mm:00 the minutes and
// hours are still those of the second before.
Countdown countdownTick(const tundrik::ClockReading &now);

// "HH:mm:ss".
QString clockText(const tundrik::ClockReading &now);

} // namespace readouttexts

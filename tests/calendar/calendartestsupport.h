// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the calendar tests: fonts, locale, a stand-in for the
// main window with its week settings, and access to the calendar window's
// controls by their names.
#pragma once

#include "frmkalender.h"
#include "monthgrid.h"

#include "datevalue.h"
#include "modarvutused.h"
#include "testhost.h"
#include "weekgrid.h"

#include <QFont>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>

namespace calendartest {

inline void installFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
}

// Week settings and the week number of "today" as the main window keeps them.
inline void setWeekSettings(TestHost &host, int firstDay, int firstWeek, const QDate &today)
{
    host.state.setFirstDayOfWeek(firstDay);
    host.state.setFirstWeekOfYear(firstWeek);
    host.weekNumber = modArvutused::WeekNumberOf(
        datevalue::DateSerial(today.year(), today.month(), today.day()), firstDay, firstWeek);
}

inline const char *const kWeekLabelNames[6] = {"lblEsimN", "lblTeineN", "lblKolmN",
                                              "lblNelN", "lblViiesN", "lblKuuesN"};

inline QLabel *weekLabel(const QWidget *w, int row)
{
    return w->findChild<QLabel *>(QString::fromUtf8(kWeekLabelNames[row]));
}

// The six captions joined by spaces, a greyed one in brackets: "[9] 10 11".
inline QString weekLabelsText(const QWidget *w)
{
    QStringList parts;
    for (int i = 0; i < 6; ++i) {
        const QLabel *l = weekLabel(w, i);
        parts << (l->isEnabled() ? l->text() : QLatin1Char('[') + l->text() + QLatin1Char(']'));
    }
    return parts.join(QLatin1Char(' '));
}

// Row whose label is in italic type, or -1.
inline int italicRow(const QWidget *w)
{
    int found = -1;
    for (int i = 0; i < 6; ++i) {
        if (weekLabel(w, i)->font().italic()) {
            if (found >= 0)
                return -2; // more than one
            found = i;
        }
    }
    return found;
}

inline QPushButton *button(const QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QString::fromUtf8(name));
}

inline QLabel *label(const QWidget *w, const char *name)
{
    return w->findChild<QLabel *>(QString::fromUtf8(name));
}

using weekgrid::firstGridDay;

} // namespace calendartest

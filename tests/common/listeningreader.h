// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for a screen reader on the accessibility bus: while it lives,
// every event a widget tells is answered the way the AT-SPI bridge answers it, by reading the interface of the event, its
// parent and its children (name, description, value, role, state, place,
// actions, table cells). Widgets tell events while they are being built and
// torn down, so a window opened and closed with one of these listening shows
// whether its interfaces answer safely then; a fault is a crash or a
// sanitizer report, not a failed comparison.
//
// Widgets tell events only while accessibility is active, which takes the
// platform's bridge: run the test on a display with an accessibility bus
// (tests/accessibility/atspi_session.py does both); listening() says whether
// it is on.
#pragma once

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtGlobal>

class ListeningReader {
public:
    ListeningReader()
    {
        s_events = 0;
        s_previous = QAccessible::installUpdateHandler(&ListeningReader::onEvent);
    }
    ~ListeningReader() { QAccessible::installUpdateHandler(s_previous); }
    ListeningReader(const ListeningReader &) = delete;
    ListeningReader &operator=(const ListeningReader &) = delete;

    static bool listening() { return QAccessible::isActive(); }
    // Events read since the reader started.
    static int events() { return s_events; }

private:
    static void read(QAccessibleInterface *iface, int depth)
    {
        if (!iface || !iface->isValid())
            return;
        for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value,
                                    QAccessible::Help, QAccessible::Accelerator})
            (void)iface->text(t);
        (void)iface->role();
        (void)iface->state();
        (void)iface->rect();
        (void)iface->window();
        if (QAccessibleActionInterface *actions = iface->actionInterface()) {
            for (const QString &name : actions->actionNames())
                (void)actions->keyBindingsForAction(name);
        }
        if (QAccessibleTableInterface *table = iface->tableInterface()) {
            (void)table->selectedCellCount();
            for (int row = 0; row < table->rowCount(); ++row)
                for (int column = 0; column < table->columnCount(); ++column)
                    if (QAccessibleInterface *cell = table->cellAt(row, column))
                        (void)cell->state(), (void)cell->text(QAccessible::Name);
        }
        if (depth == 0)
            return;
        const int count = iface->childCount();
        for (int i = 0; i < count; ++i)
            read(iface->child(i), depth - 1);
    }

    static void onEvent(QAccessibleEvent *event)
    {
        ++s_events;
        QAccessibleInterface *iface = event->accessibleInterface();
        if (!iface)
            return;
        read(iface, 1);
        if (iface->isValid())
            read(iface->parent(), 0);
    }

    static inline QAccessible::UpdateHandler s_previous = nullptr;
    static inline int s_events = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Shared steps of the control tests: a shown host window with the control
// and a neutral field to move the focus to, typing into whatever has the
// focus, and a log of the controls' events in the order they came.
#pragma once

#include <tundkast/tkarvukast.h>
#include <tundkast/tkkellakast.h>
#include <tundkast/tkkuupkast.h>

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QDropEvent>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace tktest {

inline void pinLocale()
{
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
}

inline QString nbsp()
{
    return QString(QChar(0x00A0));
}

// "1 234 567" with the Estonian group separator.
inline QString grouped(QString s)
{
    return s.replace(u' ', QChar(0x00A0));
}

// A host window with the control at the top and a line edit below it.
template <typename Control>
struct Host {
    QWidget window;
    Control *box;
    QLineEdit *other;

    Host()
    {
        window.resize(300, 120);
        box = new Control(&window);
        box->move(10, 10);
        other = new QLineEdit(&window);
        other->setObjectName(QStringLiteral("other"));
        other->setGeometry(10, 60, 120, 22);
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("host window not active");
        other->setFocus();
    }

    QLineEdit *field(const QString &name) const { return box->template findChild<QLineEdit *>(name); }
};

inline QWidget *focused()
{
    return QApplication::focusWidget();
}

// Types each character into the widget that has the focus at that moment.
inline void type(const QString &keys)
{
    for (QChar c : keys) {
        QWidget *w = focused();
        if (!w)
            return;
        QTest::keyClick(w, c.toLatin1());
    }
}

inline void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    if (QWidget *w = focused())
        QTest::keyClick(w, k, m);
}

// Drags text onto a widget and drops it there; true when the drop was taken.
inline bool dropText(QWidget *target, const QString &text)
{
    QMimeData mime;
    mime.setText(text);
    const QPoint pos(5, 5);
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(pos, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(pos), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// The events of a control as "C(1,0)", "E", "F".
class EventLog : public QObject
{
public:
    QStringList events;

    explicit EventLog(TKKuupKast *box)
    {
        connect(box, &TKKuupKast::TKChange, this, [this](bool before, bool valid) {
            events << QStringLiteral("C(%1,%2)").arg(int(before)).arg(int(valid));
        });
        connect(box, &TKKuupKast::TKEnterPress, this, [this] { events << QStringLiteral("E"); });
        connect(box, &TKKuupKast::TKFullChange, this, [this] { events << QStringLiteral("F"); });
    }
    explicit EventLog(TKKellaKast *box)
    {
        connect(box, &TKKellaKast::TKChange, this,
                [this](bool set) { events << QStringLiteral("C(%1)").arg(int(set)); });
        connect(box, &TKKellaKast::TKEnterPress, this, [this] { events << QStringLiteral("E"); });
        connect(box, &TKKellaKast::TKFullChange, this, [this] { events << QStringLiteral("F"); });
    }
    explicit EventLog(TKArvuKast *box)
    {
        connect(box, &TKArvuKast::TKChange, this,
                [this](bool in) { events << QStringLiteral("C(%1)").arg(int(in)); });
        connect(box, &TKArvuKast::TKEnterPress, this, [this] { events << QStringLiteral("E"); });
        connect(box, &TKArvuKast::TKFullChange, this, [this] { events << QStringLiteral("F"); });
    }
    QString take()
    {
        const QString s = events.join(u' ');
        events.clear();
        return s;
    }
};

} // namespace tktest

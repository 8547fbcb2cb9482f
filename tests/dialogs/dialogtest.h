// SPDX-License-Identifier: GPL-3.0-or-later
// Shared steps of the calculator tests: a main window on a fake clock, the
// Estonian locale and fonts, typing into whatever has the focus (the input
// boxes move the focus on by themselves), mouse clicks, and an answerer for
// the "G" confirmation.
#pragma once

#include "calculatordialog.h"
#include "fakeclock.h"
#include "forms.h"
#include "framewidgets.h"
#include "frmaeg.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <deque>
#include <memory>

namespace dialogtest {

inline QString nb(QString text)
{
    return text.replace(QLatin1Char(' '), QChar(0x00A0));
}

// "2 451 545. Juliuse päev" with the Estonian group separator in the number.
inline QString jp(const QString &groupedNumber)
{
    return nb(groupedNumber) + QStringLiteral(". Juliuse päev");
}

inline void setUpApplication()
{
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
    forms::installFontSubstitutions();
}

// The main window at 1.1.2004 12:00 (its readouts do not matter here).
struct MainWindow {
    tundrik::FakeClock clock;
    std::unique_ptr<frmAeg> window;
    MainWindow()
    {
        clock.setNow(2004, 1, 1, 12, 0, 0);
        window = std::make_unique<frmAeg>(clock);
        window->show();
    }
};

// Shows the dialog and waits until it has the focus.
inline bool showDialog(QWidget *dialog)
{
    dialog->show();
    dialog->activateWindow();
    return QTest::qWaitForWindowActive(dialog);
}

// Types each character into the widget that has the focus at that moment.
inline void type(const QString &keys)
{
    for (QChar c : keys) {
        QWidget *w = QApplication::focusWidget();
        if (!w)
            return;
        QTest::keyClick(w, c.toLatin1());
    }
}

inline void key(Qt::Key k)
{
    if (QWidget *w = QApplication::focusWidget())
        QTest::keyClick(w, k);
}

template <class W = QWidget>
W *child(QWidget *parent, const QString &name)
{
    W *w = parent->findChild<W *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

inline void click(QWidget *w, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(w, button, {}, QPoint(6, w->height() / 2));
}

inline QString answer(QWidget *dialog)
{
    return child<QLabel>(dialog, QStringLiteral("lblVastus"))->text();
}

inline QWidget *focused()
{
    return QApplication::focusWidget();
}

// True when the focus is on w or inside it (an input box's field).
inline bool hasFocusIn(QWidget *w)
{
    QWidget *f = QApplication::focusWidget();
    return f && (f == w || w->isAncestorOf(f));
}

// Answers the confirmation of "G" of the dialog from a queue and records
// its texts; the dialog asks with its own message box again afterwards.
struct Answerer {
    std::deque<QMessageBox::StandardButton> answers;
    QStringList asked;
    QPointer<CalculatorDialog> dialog;
    explicit Answerer(CalculatorDialog *d)
        : dialog(d)
    {
        d->gregorianToggle()->setConfirm([this](QWidget *, const QString &text) {
            asked << text;
            if (answers.empty())
                return QMessageBox::No;
            const QMessageBox::StandardButton a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    ~Answerer()
    {
        if (dialog)
            dialog->gregorianToggle()->setConfirm({});
    }
};

// Sends a press at the widget's middle, a move to `to` (in its coordinates)
// with the left button held, and the release there.
inline void dragOff(QWidget *w, QPoint to)
{
    const QPoint inside(w->width() / 2, w->height() / 2);
    QTest::mousePress(w, Qt::LeftButton, {}, inside);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(w->mapToGlobal(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, Qt::LeftButton, {}, to);
}

} // namespace dialogtest

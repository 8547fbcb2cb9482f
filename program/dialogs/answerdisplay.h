// SPDX-License-Identifier: GPL-3.0-or-later
// The answer of a calculator: the label lblVastus that shows it, its copy to
// the clipboard (Ctrl+C and the label's menu "Kopeeri"), and what a screen
// reader is told of it.
#pragma once

#include <QObject>
#include <QString>

class QAbstractButton;
class QLabel;
class QMenu;
class QWidget;

class AnswerDisplay : public QObject {
    Q_OBJECT
public:
    // window: the dialog, which owns the menu and the copy key; announcer: the
    // control a screen reader reads the new answer from (cmdArvuta).
    AnswerDisplay(QWidget *window, QLabel *label, QAbstractButton *announcer);

    QString text() const;
    bool isEmpty() const { return text().isEmpty(); }
    void show(const QString &text);
    void clear();

    // Puts the answer on the clipboard, exactly as shown; without an answer
    // the clipboard keeps what it has.
    void copy() const;

    // Tells a screen reader the answer now shown (or that it is gone): a
    // screen reader reads a new description of the control that has the
    // focus (cmdArvuta, once an answer stands), while the label itself
    // changes where no one is looking.
    void announce();

    // The label's width in pixels, its height kept.
    int width() const;
    void setWidth(int pixels);

private:
    QLabel *m_label;
    QAbstractButton *m_announcer;
    QMenu *m_menu;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "setbuttons.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace setup {

namespace {

// Keeps "Sea" the default button exactly while it is enabled.
class DefaultWhileEnabled : public QObject {
public:
    explicit DefaultWhileEnabled(QPushButton *button) : QObject(button), m_button(button)
    {
        button->installEventFilter(this);
        button->setDefault(button->isEnabled());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_button && event->type() == QEvent::EnabledChange)
            m_button->setDefault(m_button->isEnabled());
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton *m_button;
};

// Enter on the focused "Loobu" presses it, as Space does; otherwise the dialog
// would hand Enter to its default button and set the value.
class EnterPresses : public QObject {
public:
    explicit EnterPresses(QPushButton *button) : QObject(button), m_button(button)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_button || event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (!key->isAutoRepeat())
            m_button->click();
        return true;
    }

private:
    QPushButton *m_button;
};

} // namespace

void wireSetButtons(QDialog *dialog, QPushButton *cmdLoobu, QPushButton *cmdSea)
{
    // Enter sets: "Sea" is the default, and neither button takes the default
    // along with the focus (the forms turn autoDefault off).
    new DefaultWhileEnabled(cmdSea);
    new EnterPresses(cmdLoobu);
    QObject::connect(cmdLoobu, &QPushButton::clicked, dialog, &QDialog::reject);
}

} // namespace setup

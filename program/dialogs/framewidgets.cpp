// SPDX-License-Identifier: GPL-3.0-or-later
#include "framewidgets.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QPointer>

FrameCheckBox::FrameCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

bool FrameCheckBox::locked() const
{
    return m_tag == QLatin1String("KEELA");
}

void FrameCheckBox::mousePressEvent(QMouseEvent *event)
{
    const QPointer<FrameCheckBox> self(this);
    emit mousePressed(event->button(), event->globalPosition().toPoint());
    if (!self)
        return;
    // Only a free box under the left button goes on to toggle; other presses
    // are kept, so that their release comes back to this box.
    m_refused = locked() || m_refuseClicks || event->button() != Qt::LeftButton;
    if (m_refused) {
        event->accept();
        return;
    }
    QCheckBox::mousePressEvent(event);
}

void FrameCheckBox::mouseMoveEvent(QMouseEvent *event)
{
    if (m_refused) {
        event->accept();
        return;
    }
    QCheckBox::mouseMoveEvent(event);
}

void FrameCheckBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_refused) {
        event->accept();
    } else {
        m_mouseRelease = true;
        QCheckBox::mouseReleaseEvent(event);
        m_mouseRelease = false;
    }
    m_refused = false;
    emit mouseReleased(event->button(), event->globalPosition().toPoint());
}

void FrameCheckBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click is a press like any other.
    mousePressEvent(event);
}

bool FrameCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void FrameCheckBox::nextCheckState()
{
    // click() from anything but the mouse (Space, animateClick) runs the
    // whole click as the mouse makes it.
    if (!m_mouseRelease) {
        activate();
        return;
    }
    toggleByUser();
}

void FrameCheckBox::toggleByUser()
{
    m_userToggling = true;
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    m_userToggling = false;
}

void FrameCheckBox::activate()
{
    if (!isEnabled())
        return;
    const QPointer<FrameCheckBox> self(this);
    const QPoint centre = mapToGlobal(rect().center());
    emit mousePressed(Qt::LeftButton, centre);
    if (!self)
        return;
    if (!locked() && !m_refuseClicks)
        toggleByUser();
    emit mouseReleased(Qt::LeftButton, centre);
}

void FrameCheckBox::contextMenuEvent(QContextMenuEvent *event)
{
    // The right button's release opens the dialog's own pop-up; Qt would
    // offer its "What's This?" menu on the press.
    event->accept();
}

bool FrameCheckBox::event(QEvent *event)
{
    // The access key clicks at once, so that typing right after it goes
    // where the click sent the focus.
    if (event->type() == QEvent::Shortcut && isEnabled()) {
        const auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (!shortcut->isAmbiguous()) {
            activate();
            return true;
        }
    }
    return QCheckBox::event(event);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "framewidgets.h"

#include <QMouseEvent>
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
    if (m_refused)
        event->accept();
    else
        QCheckBox::mouseReleaseEvent(event);
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
    m_userToggling = true;
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    m_userToggling = false;
}

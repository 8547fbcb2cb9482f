// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostbinding.h"

#include "windowhost.h"

#include <QScreen>
#include <QWidget>

HostBinding::HostBinding(tundrik::WindowHost *host, Placement placement)
    : m_host(host)
    , m_placement(placement)
{ }

QWidget *HostBinding::hostWindow() const
{
    return m_host ? m_host->hostWindow() : nullptr;
}

void HostBinding::open(QWidget *dialog)
{
    if (m_opened)
        return;
    m_opened = true;
    if (!m_host) {
        if (const QScreen *s = dialog->screen())
            dialog->move(s->availableGeometry().center() - dialog->rect().center());
        return;
    }
    dialog->move(tundrik::positionAtHost(m_placement, m_host->hostWindow()->frameGeometry(),
                                         m_host->innerHeight(), dialog->frameGeometry().width()));
    m_host->borrowCaption(dialog->windowTitle());
    m_host->setCloseButtonEnabled(false);
}

void HostBinding::release()
{
    if (m_released)
        return;
    m_released = true;
    if (m_host && m_opened) {
        m_host->setCloseButtonEnabled(true);
        m_host->restoreCaption();
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "answerdisplay.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QShortcut>

AnswerDisplay::AnswerDisplay(QWidget *window, QLabel *label, QAbstractButton *announcer)
    : QObject(window)
    , m_label(label)
    , m_announcer(announcer)
{
    // The answer can be taken away: Ctrl+C (where no text field takes it for
    // its own selection) and the answer's menu copy it as it is shown.
    m_menu = new QMenu(window);
    m_menu->setObjectName(QStringLiteral("mnuVastus"));
    QAction *copyItem = m_menu->addAction(QStringLiteral("&Kopeeri"));
    copyItem->setObjectName(QStringLiteral("mnuVastusKopeeri"));
    connect(copyItem, &QAction::triggered, this, &AnswerDisplay::copy);
    m_label->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_label, &QWidget::customContextMenuRequested, this, [this, copyItem](const QPoint &pos) {
        copyItem->setEnabled(!isEmpty());
        m_menu->popup(m_label->mapToGlobal(pos));
    });
    auto *copyKey = new QShortcut(QKeySequence::Copy, window);
    connect(copyKey, &QShortcut::activated, this, &AnswerDisplay::copy);
}

QString AnswerDisplay::text() const
{
    return m_label->text();
}

void AnswerDisplay::show(const QString &text)
{
    m_label->setText(text);
}

void AnswerDisplay::clear()
{
    m_label->clear();
}

void AnswerDisplay::copy() const
{
    const QString shown = text();
    if (!shown.isEmpty())
        QGuiApplication::clipboard()->setText(shown);
}

void AnswerDisplay::announce()
{
    const QString shown = text();
    m_announcer->setAccessibleDescription(shown.isEmpty() ? QString() : QStringLiteral("Vastus: ") + shown);
}

int AnswerDisplay::width() const
{
    return m_label->width();
}

void AnswerDisplay::setWidth(int pixels)
{
    m_label->resize(pixels, m_label->height());
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "setbuttons.h"

#include "forms.h"

#include <QDialog>
#include <QPushButton>

namespace setup {

SetButtons addSetButtons(QDialog *dialog, QWidget *frame, QWidget *box, const QRect &loobuTwips,
                         const QRect &seaTwips, const QString &seaToolTip)
{
    const QFont buttonFont = forms::sans(12);
    QPushButton *loobu = forms::button(frame, QStringLiteral("cmdLoobu"), loobuTwips,
                                       QStringLiteral("&Loobu"),
                                       QStringLiteral(" Sule aken ilma salvestamata (Esc) "));
    loobu->setFont(buttonFont);
    QPushButton *sea = forms::button(frame, QStringLiteral("cmdSea"), seaTwips, QStringLiteral("&Sea"),
                                     seaToolTip);
    sea->setFont(buttonFont);
    sea->setEnabled(false);
    QWidget::setTabOrder(box, loobu);
    QWidget::setTabOrder(loobu, sea);

    QObject::connect(loobu, &QPushButton::clicked, dialog, &QDialog::reject);
    forms::makeCancelButton(dialog, loobu);
    forms::onDragOff(loobu, [sea, box] {
        QWidget *target = sea->isEnabled() ? static_cast<QWidget *>(sea) : box;
        target->setFocus(Qt::MouseFocusReason);
    });
    return {loobu, sea};
}

} // namespace setup

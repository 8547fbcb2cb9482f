// SPDX-License-Identifier: GPL-3.0-or-later
#include "refusal.h"

#include "systemclocksetter.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace setup {

bool applyLocalTime(QWidget *dialog, SystemClockSetter &setter, const QDate &date,
                    const QTime &time, const QString &subject)
{
    SetResult result{SetResult::InvalidTime, QString()};
    if (const std::optional<qint64> utc = localToUtcMicroseconds(date, time)) {
        QPointer<QWidget> guard(dialog);
        QPointer<QWidget> focus(dialog->focusWidget());
        dialog->setEnabled(false);
        result = setter.setSystemTime(*utc);
        if (!guard)
            return result.ok();
        dialog->setEnabled(true);
        if (focus)
            focus->setFocus();
    }
    if (result.ok())
        return true;

    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tundrik"),
                    refusalText(result, subject), QMessageBox::Ok, dialog);
    box.setObjectName(QStringLiteral("msgEiSeatud"));
    box.exec();
    return false;
}

} // namespace setup

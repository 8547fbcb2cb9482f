// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the tests of the clock and date dialogs: a fake clock
// setter, a watcher that answers the refusal message box, and typing into
// whichever field of a control has the focus.
#pragma once

#include "systemclocksetter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Records every instant it is asked to set and answers as told; sets nothing.
class FakeClockSetter final : public setup::SystemClockSetter {
public:
    setup::SetResult setSystemTime(qint64 utcMicroseconds) override
    {
        requests.append(utcMicroseconds);
        if (answer.ok() && onSet)
            onSet(utcMicroseconds);
        return answer;
    }

    QList<qint64> requests;
    setup::SetResult answer{setup::SetResult::Set, QString()};
    std::function<void(qint64)> onSet;
};

// Answers the dialogs' refusal message box as a user would: notes its title
// and text, then presses its OK button.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box->objectName() != QLatin1String("msgEiSeatud"))
                return;
            titles << box->windowTitle();
            texts << box->text();
            box->button(QMessageBox::Ok)->click();
        });
        m_timer.start();
    }

    QStringList titles;
    QStringList texts;

private:
    QTimer m_timer;
};

// Types each character into the widget that has the focus at that moment, as
// the controls move the focus between their fields.
inline void typeIntoFocus(const QString &keys)
{
    for (const QChar c : keys) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY2(target, "no widget has the focus");
        QTest::keyClick(target, c.toLatin1());
    }
}

inline void pressKeyInFocus(Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY2(target, "no widget has the focus");
    QTest::keyClick(target, key);
}

// Microseconds since the epoch of a UTC date and time.
inline qint64 utcMicros(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC).toMSecsSinceEpoch() * 1000;
}

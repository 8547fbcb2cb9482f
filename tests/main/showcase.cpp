// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the main window with its clock standing at a given instant, for
// screenshots: showcase [yyyy-MM-dd HH:mm:ss [utcOffsetSeconds [dst]]] [--help-popup].
// Without an instant it uses one where the readouts have their longest texts.
// --help-popup right-clicks the Unix time and chooses "Mis see on?".
#include "fakeclock.h"
#include "forms.h"
#include "frmaeg.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    forms::installFontSubstitutions();

    // Wednesday 28.9.2033 23:59:48: a ten-digit Unix time, a seven-digit
    // Julian date, a three-digit day count and the longest date line.
    QDateTime at(QDate(2033, 9, 28), QTime(23, 59, 48));
    int offset = 7200;
    bool dst = false;
    QStringList args = app.arguments();
    const bool helpPopup = args.removeAll(QStringLiteral("--help-popup")) > 0;
    if (args.size() > 1)
        at = QDateTime::fromString(args.at(1), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (args.size() > 2)
        offset = args.at(2).toInt();
    if (args.size() > 3)
        dst = args.at(3) == QLatin1String("dst");

    tundrik::FakeClock clock;
    clock.setNow(at.date().year(), at.date().month(), at.date().day(), at.time().hour(),
                 at.time().minute(), at.time().second(), 0, offset, dst);
    frmAeg window(clock);
    // The clock stands still: every tick finds the same second, so only the
    // first refresh is shown.
    window.tick();
    window.show();
    if (helpPopup) {
        QTimer::singleShot(500, &window, [&window] {
            auto *unix = window.findChild<QLabel *>(QStringLiteral("lblUnix"));
            const QPointF local(unix->width() / 2.0, unix->height() / 2.0);
            QMouseEvent press(QEvent::MouseButtonPress, local, unix->mapToGlobal(local),
                              Qt::RightButton, Qt::RightButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, local, unix->mapToGlobal(local),
                                Qt::RightButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(unix, &press);
            QCoreApplication::sendEvent(unix, &release);
        });
        QTimer::singleShot(1500, &window, [&window] {
            window.findChild<QAction *>(QStringLiteral("mnuAbiM"))->trigger();
        });
    }
    return app.exec();
}

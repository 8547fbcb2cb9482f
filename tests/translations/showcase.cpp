// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: Qt's own texts in Estonian on screen, for screenshots under
// Xvfb, with the catalog loaded as the program loads it.
//   qttexts_showcase confirm    the "G" confirmation over "Leia Juliuse päev"
//   qttexts_showcase refusal    a refusal of "Sea kuupäev" and its "Olgu"
//   qttexts_showcase fieldmenu  the date box's own menu in "Sea kuupäev"
// The windows stay up for the given seconds (default 6).
#include "fakeclock.h"
#include "forms.h"
#include "frmaeg.h"
#include "frmseakuup.h"
#include "qttranslations.h"
#include "systemclocksetter.h"
#include "windowopeners.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

// Never sets anything; always refuses.
class RefusingSetter final : public setup::SystemClockSetter {
public:
    setup::SetResult setSystemTime(qint64) override { return {setup::SetResult::NotAuthorized, {}}; }
};

void typeKeys(const QString &keys)
{
    for (const QChar c : keys)
        if (QWidget *w = QApplication::focusWidget())
            QTest::keyClick(w, c.toLatin1());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    qttranslations::install(app);
    forms::installFontSubstitutions();
    const QString what = app.arguments().value(1, QStringLiteral("confirm"));
    const int seconds = app.arguments().value(2, QStringLiteral("6")).toInt();
    QTimer::singleShot(seconds * 1000, &app, [] { std::exit(0); });

    tundrik::FakeClock clock;
    clock.setNow(2004, 6, 23, 12, 0, 0, 0, 10800, true);
    frmAeg main(clock);
    main.show();
    if (what == QLatin1String("fieldmenu")) {
        RefusingSetter setter;
        frmSeaKuup dialog(clock, setter, [] {});
        dialog.move(main.pos() + QPoint(40, 40));
        dialog.show();
        QTimer::singleShot(500, [&dialog] {
            dialog.activateWindow();
            if (!QTest::qWaitForWindowActive(&dialog))
                return;
            typeKeys(QStringLiteral("2406"));
            QWidget *field = QApplication::focusWidget();
            const QPoint at = field->mapTo(&dialog, QPoint(4, 4));
            QTest::mousePress(dialog.windowHandle(), Qt::RightButton, {}, at);
        });
        return app.exec();
    }
    if (what == QLatin1String("confirm")) {
        QTimer::singleShot(500, [&main] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            typeKeys(QStringLiteral("04101582\r"));
            auto *g = dialog->findChild<QAbstractButton *>(QStringLiteral("chkGregorius"));
            QTest::mouseClick(g, Qt::LeftButton);
        });
        openers::openDayDescription(main, true);
    } else {
        RefusingSetter setter;
        frmSeaKuup dialog(clock, setter, [] {});
        dialog.move(main.pos() + QPoint(40, 40));
        dialog.show();
        QTimer::singleShot(500, [&dialog] {
            dialog.activateWindow();
            if (!QTest::qWaitForWindowActive(&dialog))
                return;
            typeKeys(QStringLiteral("24062004"));
            if (QWidget *w = QApplication::focusWidget())
                QTest::keyClick(w, Qt::Key_Return);
        });
        return app.exec();
    }
    return app.exec();
}

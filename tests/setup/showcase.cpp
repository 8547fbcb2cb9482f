// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: shows one window of this folder for a screenshot under Xvfb.
//   setup_showcase kell [keys]   the set-time dialog, keys typed into the time box
//   setup_showcase kuup [keys]   the set-date dialog, keys typed into the date box
//   setup_showcase tkp           the About window with this machine's values
//   setup_showcase keeld         the set-time dialog after a refusal, with its message
// The dialogs get a backend that refuses every request: nothing here can set a clock.
#include "fakeclock.h"
#include "frmseakell.h"
#include "frmseakuup.h"
#include "frmtkp.h"
#include "systemclocksetter.h"
#include "systeminfo.h"

#include "forms.h"
#include "frmaeg.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class RefusingSetter final : public setup::SystemClockSetter {
public:
    setup::SetResult setSystemTime(qint64) override
    {
        return {setup::SetResult::AutomaticTimeSync,
                QStringLiteral("org.freedesktop.timedate1.AutomaticTimeSyncEnabled: "
                               "Automatic time synchronization is enabled")};
    }
};

void typeLater(const QString &keys)
{
    QTimer::singleShot(300, [keys] {
        for (const QChar c : keys) {
            QWidget *w = QApplication::focusWidget();
            if (w)
                QTest::keyClick(w, c.toLatin1());
        }
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    forms::installFontSubstitutions();
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("tkp");
    const QString keys = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    tundrik::FakeClock clock;
    clock.setNow(2026, 12, 7, 14, 5, 9);
    RefusingSetter setter;
    // The main window stands behind, at the same fake instant; the dialogs are
    // built here with the refusing backend, not through the main window's menus.
    frmAeg main(clock);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    const QRect mainFrame = main.frameGeometry();

    if (which == QLatin1String("kell") || which == QLatin1String("keeld")) {
        frmSeaKell dialog(clock, setter, &main);
        dialog.placeOver(mainFrame);
        if (which == QLatin1String("keeld")) {
            typeLater(QStringLiteral("093015"));
            QTimer::singleShot(600, &dialog, [&dialog] {
                dialog.findChild<QPushButton *>(QStringLiteral("cmdSea"))->click();
            });
        } else {
            typeLater(keys);
        }
        return dialog.exec();
    }
    if (which == QLatin1String("kuup")) {
        frmSeaKuup dialog(clock, setter, [] {}, &main);
        dialog.placeOver(mainFrame);
        typeLater(keys);
        return dialog.exec();
    }
    frmTKp about(setup::currentSystemInfo(&main), &main);
    about.placeOver(mainFrame, main.innerHeight());
    return about.exec();
}

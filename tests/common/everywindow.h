// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program in one state a person meets it in, for tests
// and showcases that look at all of them: the main window at a known
// instant, each calculator with an answer shown, the calendar and the
// holidays of June 2004, the years of the iCalendar saving, the set-time,
// set-date and About windows. The clock stands at 23.06.2004 14:25:07.
#pragma once

#include "../dialogs/dialogtest.h"
#include "fakeclock.h"

#include "frmaeg.h"
#include "frmjuuliusepaev.h"
#include "frmkalender.h"
#include "frmkuupaev.h"
#include "frmliidalahuta.h"
#include "frmliigaasta.h"
#include "frmpuhad.h"
#include "frmseakell.h"
#include "frmseakuup.h"
#include "frmtkp.h"
#include "frmvahemik.h"
#include "systemclocksetter.h"
#include "systeminfo.h"
#include "testhost.h"

#include <QPushButton>
#include <QTimer>

#include <functional>

namespace everywindow {

// The windows by their objectNames.
inline QStringList names()
{
    return {QStringLiteral("frmAeg"),         QStringLiteral("frmJuuliusePäev"),
            QStringLiteral("frmKuupäev"),     QStringLiteral("frmVahemik"),
            QStringLiteral("frmLiidaLahuta"), QStringLiteral("frmLiigaasta"),
            QStringLiteral("frmKalender"),    QStringLiteral("frmPühad"),
            QStringLiteral("frmSalvestaPühad"), QStringLiteral("frmSeaKell"),
            QStringLiteral("frmSeaKuup"),     QStringLiteral("frmTKp")};
}

// Never sets anything.
class NoClockSetter final : public setup::SystemClockSetter {
public:
    setup::SetResult setSystemTime(qint64) override { return {}; }
};

// Opens the named window in its state, hands it to use while it is shown,
// and closes it. Returns false for a name it does not know or a window that
// did not come up as expected.
inline bool open(const QString &name, const std::function<void(QWidget *)> &use)
{
    using namespace dialogtest;
    tundrik::FakeClock clock;
    clock.setNow(2004, 6, 23, 14, 25, 7);
    TestHost host(clock);
    host.setGeometry(100, 100, 460, 420);
    NoClockSetter setter;
    bool ok = true;
    const auto calculator = [&](QDialog *dialog, const QString &keys) {
        ok = showDialog(dialog);
        type(keys);
        key(Qt::Key_Return);
        ok = ok && !child<QLabel>(dialog, QStringLiteral("lblVastus"))->text().isEmpty();
        use(dialog);
    };
    const auto shown = [&](QWidget *w) {
        w->show();
        ok = QTest::qWaitForWindowExposed(w);
        use(w);
    };
    if (name == QLatin1String("frmAeg")) {
        frmAeg w(clock);
        w.tick();
        shown(&w);
    } else if (name == QStringLiteral("frmJuuliusePäev")) {
        frmJuuliusePaev w(&host, QStringLiteral("JP"));
        w.setWindowTitle(QStringLiteral("Leia Juliuse päev"));
        calculator(&w, QStringLiteral("01012000"));
    } else if (name == QStringLiteral("frmKuupäev")) {
        frmKuupaev w(&host);
        w.setWindowTitle(QStringLiteral("Leia kuupäev"));
        calculator(&w, QStringLiteral("2451545"));
    } else if (name == QLatin1String("frmVahemik")) {
        frmVahemik w(&host);
        w.setWindowTitle(QStringLiteral("Leia päevade arv"));
        calculator(&w, QStringLiteral("2402191820081991"));
    } else if (name == QLatin1String("frmLiidaLahuta")) {
        frmLiidaLahuta w(&host);
        calculator(&w, QStringLiteral("01012000\t\t1"));
    } else if (name == QLatin1String("frmLiigaasta")) {
        frmLiigaasta w(&host);
        w.setWindowTitle(QStringLiteral("Kas liigaasta, või mitte"));
        calculator(&w, QStringLiteral("2000"));
    } else if (name == QLatin1String("frmKalender")) {
        frmKalender w(host);
        w.tick();
        shown(&w);
    } else if (name == QStringLiteral("frmPühad")) {
        frmPuhad w(6, 2004, &host);
        shown(&w);
    } else if (name == QStringLiteral("frmSalvestaPühad")) {
        frmPuhad holidays(6, 2004, &host);
        holidays.show();
        bool seen = false;
        // The years come up in a window of their own, modal over the listing.
        QTimer::singleShot(0, [&] {
            QWidget *w = QApplication::activeModalWidget();
            seen = w && w->objectName() == name;
            if (seen) {
                (void)QTest::qWaitForWindowExposed(w);
                use(w);
                w->close();
            }
        });
        auto *save = holidays.findChild<QPushButton *>(QStringLiteral("cmdSalvesta"));
        ok = save != nullptr;
        if (save)
            save->click();
        ok = ok && seen;
    } else if (name == QLatin1String("frmSeaKell")) {
        frmSeaKell w(clock, setter);
        w.tick();
        shown(&w);
    } else if (name == QLatin1String("frmSeaKuup")) {
        frmSeaKuup w(clock, setter, [] {});
        shown(&w);
    } else if (name == QLatin1String("frmTKp")) {
        setup::SystemInfo info;
        info.versionMajor = 6;
        info.versionMinor = 1;
        info.build = 55;
        info.workArea = QRect(0, 0, 1024, 738);
        frmTKp w(info);
        shown(&w);
    } else {
        return false;
    }
    return ok;
}

} // namespace everywindow

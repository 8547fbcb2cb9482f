// SPDX-License-Identifier: GPL-3.0-or-later
// Shows windows of the program with a standing fake clock and the program's
// accessibility names installed, for atspi_check.py to read through the
// AT-SPI tree:
//   a11y_host main      the main window at 1.1.2000 02:00:00 (UT + 2)
//   a11y_host calendar  the calendar for January 2004 and the holidays of June
//   a11y_host boxes     the three Tundkast boxes as the dialogs name them
//   a11y_host setup     the set-time, set-date and About windows
//   a11y_host dialogs   the five calculator dialogs
#include "accessibility.h"
#include "fakeclock.h"
#include "forms.h"
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
#include "qttranslations.h"
#include "systemclocksetter.h"
#include "systeminfo.h"

#include "testhost.h"

#include <tundkast/tkarvukast.h>
#include <tundkast/tkkellakast.h>
#include <tundkast/tkkuupkast.h>

#include <QApplication>
#include <QLabel>
#include <QLocale>

namespace {

// Never sets anything: the windows are only read.
class NoClockSetter final : public setup::SystemClockSetter {
public:
    setup::SetResult setSystemTime(qint64) override { return {}; }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // As the program does: Qt's own words (role and action names) in Estonian.
    qttranslations::install(app);
    forms::installFontSubstitutions();
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
    accessibility::install();
    const QString what = app.arguments().value(1, QStringLiteral("main"));

    tundrik::FakeClock clock;
    if (what == QLatin1String("main")) {
        clock.setNow(2000, 1, 1, 2, 0, 0);
        auto *window = new frmAeg(clock);
        window->tick();
        window->show();
    } else if (what == QLatin1String("calendar")) {
        clock.setNow(2004, 1, 15, 14, 25, 7);
        auto *owner = new TestHost(clock);
        owner->weekNumber = 3;
        owner->setGeometry(100, 100, 460, 420);
        auto *calendar = new frmKalender(*owner);
        calendar->tick();
        calendar->show();
        auto *holidays = new frmPuhad(6, 2004, calendar);
        holidays->move(calendar->x() + calendar->width() + 20, calendar->y());
        holidays->show();
    } else if (what == QLatin1String("dialogs")) {
        clock.setNow(2000, 1, 1, 2, 0, 0);
        auto *main = new frmAeg(clock);
        main->tick();
        const QList<QWidget *> dialogs{new frmJuuliusePaev(main, QStringLiteral("JP")), new frmKuupaev(main),
                                       new frmVahemik(main), new frmLiidaLahuta(main),
                                       new frmLiigaasta(main)};
        for (QWidget *d : dialogs)
            d->show();
    } else if (what == QLatin1String("setup")) {
        clock.setNow(2026, 12, 7, 14, 25, 7);
        static NoClockSetter setter;
        auto *setTime = new frmSeaKell(clock, setter);
        setTime->tick();
        setTime->move(0, 0);
        setTime->show();
        auto *setDate = new frmSeaKuup(clock, setter, [] {});
        setDate->move(300, 0);
        setDate->show();
        setup::SystemInfo info;
        info.workArea = QRect(0, 0, 1024, 738);
        auto *about = new frmTKp(info);
        about->move(0, 300);
        about->show();
    } else {
        // As the set-time, set-date and interval dialogs place and name them.
        auto *setTime = new QWidget;
        setTime->setObjectName(QStringLiteral("frmSeaKell"));
        setTime->setWindowTitle(QStringLiteral("Sea kellaaeg"));
        auto *time = new TKKellaKast(setTime);
        time->setObjectName(QStringLiteral("tklKell"));
        time->setAccessibleName(QStringLiteral("Uus kellaaeg"));
        setTime->resize(200, 60);
        setTime->show();
        auto *interval = new QWidget;
        interval->setObjectName(QStringLiteral("frmVahemik"));
        interval->setWindowTitle(QStringLiteral("Leia päevade arv"));
        auto *first = new TKKuupKast(interval);
        first->setObjectName(QStringLiteral("tkpIKuupäev"));
        first->setAccessibleName(QStringLiteral("Esimene kuupäev"));
        auto *second = new TKKuupKast(interval);
        second->setObjectName(QStringLiteral("tkpIIKuupäev"));
        second->setAccessibleName(QStringLiteral("Teine kuupäev"));
        second->move(0, 40);
        interval->resize(200, 100);
        interval->show();
        auto *julian = new QWidget;
        julian->setObjectName(QStringLiteral("frmKuupäev"));
        julian->setWindowTitle(QStringLiteral("Leia kuupäev"));
        auto *number = new TKArvuKast(julian);
        number->setObjectName(QStringLiteral("takJuliusePäev"));
        number->setAccessibleName(QStringLiteral("Juliuse päev"));
        julian->resize(200, 60);
        julian->show();
    }
    return app.exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven like a user with a fake clock: the readouts at known
// instants, the midnight sequence, the week settings, the help pop-up, the
// minimised title, closing, and the window's own title for the UTC offset.
#include "accessibility.h"
#include "fakeclock.h"
#include "forms.h"
#include "frmaeg.h"
#include "frmjuuliusepaev.h"
#include "programstate.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QDateTime>
#include <QTimer>
#include <QWhatsThis>

Q_DECLARE_METATYPE(tundrik::ClockReading)

using tundrik::ClockReading;
using tundrik::FakeClock;

namespace {

const QChar nbsp(0x00A0);

// "2 451 544, 50000" with the Estonian no-break group separator.
QString grouped(QString text)
{
    return text.replace(QLatin1Char(' '), nbsp).replace(QStringLiteral(",") + nbsp,
                                                        QStringLiteral(", "));
}

ClockReading at(int y, int mo, int d, int h, int mi, int s, int offset = 7200, bool dst = false)
{
    return ClockReading{y, mo, d, h, mi, s, 0, offset, dst};
}

const QString ownTitle = QStringLiteral("Tundrik {GMT +02:00  -  Ida-Euroopa aeg}");

} // namespace

class tst_frmaeg : public QObject {
    Q_OBJECT

    FakeClock m_clock;

    QLabel *label(frmAeg &w, const QString &name)
    {
        auto *l = w.findChild<QLabel *>(name);
        if (!l)
            qFatal("no label %s", qPrintable(name));
        return l;
    }
    QString text(frmAeg &w, const QString &name) { return label(w, name)->text(); }
    QAction *action(frmAeg &w, const QString &name)
    {
        auto *a = w.findChild<QAction *>(name);
        if (!a)
            qFatal("no action %s", qPrintable(name));
        return a;
    }
    // Moves the clock to an instant and lets the timer tick once.
    void tickAt(frmAeg &w, const ClockReading &r)
    {
        m_clock.setNow(r);
        w.tick();
    }
    QStringList countdown(frmAeg &w)
    {
        return {text(w, QStringLiteral("lblPäev")), text(w, QStringLiteral("lblTund")),
                text(w, QStringLiteral("lblMinut")), text(w, QStringLiteral("lblSekund"))};
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
        forms::installFontSubstitutions();
    }

    void init()
    {
        QWhatsThis::hideText();
        m_clock.setNow(at(2005, 6, 15, 12, 0, 0));
    }

    // What the form shows besides the readouts: captions and units; the
    // readouts are filled at once. (Their places: tst_formlayout.)
    void controlsOfTheForm_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, const char *className, const char *caption) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromLatin1(className)
                                << QString::fromUtf8(caption);
        };
        row("lblAutor", "QLabel", "© Tundrik, 2004");
        row("cmdSulge", "QPushButton", "S U L E");
        row("lblUnixiAeg", "QLabel", "UNIX 'i aeg:");
        row("lblAstronoomJuliusePäev", "QLabel", "Astronoomiline Juliuse päev:");
        row("lblTavalineJuliusePäev", "QLabel", "Tavakasutuses olev Juliuse päev:");
        row("lblAastaLõpuniJäänud", "QLabel", "Aasta lõpuni jäänud:");
        row("lblD", "QLabel", "d");
        row("lblH", "QLabel", "h");
        row("lblM", "QLabel", "m");
        row("lblS", "QLabel", "s");
        for (const char *name : {"lblKuupäev", "lblInternet", "lblKell", "lblKvartal", "lblPäevaNr",
                                 "lblNädal", "lblKelladeVaheT", "lblKelladeVaheL", "lblUnix",
                                 "lblAstronJP", "lblTavalineJP", "lblPäev", "lblTund", "lblMinut",
                                 "lblSekund"})
            row(name, "QLabel", "*");
    }

    void controlsOfTheForm()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, caption);
        frmAeg w(m_clock);
        w.tick();
        auto *widget = w.findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        if (caption == QLatin1String("*"))
            QVERIFY2(!static_cast<QLabel *>(widget)->text().isEmpty(), "readout left empty");
        else if (auto *l = qobject_cast<QLabel *>(widget))
            QCOMPARE(l->text(), caption);
        else if (auto *b = qobject_cast<QPushButton *>(widget))
            QCOMPARE(b->text(), caption);
    }

    void windowFrame()
    {
        frmAeg w(m_clock);
        w.show();
        QCOMPARE(w.windowTitle(), ownTitle);
        QCOMPARE(w.innerHeight(), w.centralWidget()->height());
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));


        QPushButton *sulge = w.closeButton();
        QCOMPARE(sulge->objectName(), QStringLiteral("cmdSulge"));
        QCOMPARE(sulge->toolTip(), QStringLiteral(" Sule programm (Esc) "));
        QVERIFY(sulge->font().bold());
        QCOMPARE(sulge->font().pointSizeF(), 13.5);
        // The close button is the only control that takes the focus.
        QCOMPARE(w.focusWidget(), sulge);
        for (const QWidget *child : w.findChildren<QWidget *>())
            if (child != sulge && !qobject_cast<const QMenu *>(child))
                QVERIFY2(child->focusPolicy() == Qt::NoFocus, qPrintable(child->objectName()));
    }

    // The timer refreshes at once after start, then wakes just after the turn
    // of each second of the clock.
    void timerFollowsTheTurnOfTheSecond()
    {
        m_clock.setNow(ClockReading{2005, 6, 15, 12, 0, 0, 700, 7200, false});
        frmAeg w(m_clock);
        auto *timer = w.findChild<QTimer *>(QStringLiteral("tmrAeg"));
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(text(w, QStringLiteral("lblKell")), QString());
        QTRY_COMPARE(text(w, QStringLiteral("lblKell")), QStringLiteral("12:00:00"));
        QTRY_COMPARE(timer->interval(), 302);
        QVERIFY(timer->isActive());
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("lblInternet") << "lblInternet" << "Liberation Serif" << 13.5 << false;
        QTest::newRow("lblKell") << "lblKell" << "Liberation Serif" << 13.5 << false;
        QTest::newRow("lblKvartal") << "lblKvartal" << "Liberation Sans" << 12.0 << true;
        QTest::newRow("lblPäevaNr") << "lblPäevaNr" << "Liberation Sans" << 12.0 << true;
        QTest::newRow("lblNädal") << "lblNädal" << "Liberation Sans" << 12.0 << true;
        QTest::newRow("lblKelladeVaheT") << "lblKelladeVaheT" << "Liberation Sans" << 12.0 << true;
        QTest::newRow("lblAstronoomJuliusePäev") << "lblAstronoomJuliusePäev" << "Liberation Sans" << 12.0 << false;
        QTest::newRow("lblTavalineJP") << "lblTavalineJP" << "Liberation Sans" << 12.0 << true;
        QTest::newRow("lblPäev") << "lblPäev" << "Liberation Sans" << 13.5 << true;
        QTest::newRow("lblSekund") << "lblSekund" << "Liberation Sans" << 13.5 << true;
        QTest::newRow("lblAutor") << "lblAutor" << "DejaVu Sans Mono" << 9.0 << false;
    }

    void fonts()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        frmAeg w(m_clock);
        const QFont f = label(w, name)->font();
        QCOMPARE(QFontInfo(f).family(), family);
        QCOMPARE(f.pointSizeF(), points);
        QCOMPARE(f.bold(), bold);
    }

    void menus_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<QString>("parentMenu"); // objectName of the menu action it sits in
        QTest::newRow("nurk") << "mnuNurk" << "." << QKeySequence() << "";
        QTest::newRow("tegevus") << "mnuTegevus" << "  &Tegevus  " << QKeySequence() << "";
        QTest::newRow("juuliuse päev") << "mnuTegevusJuuliusePäev" << "Leia kuupäevale vastav &Juliuse päev"
                                       << QKeySequence(QStringLiteral("Ctrl+J")) << "mnuTegevus";
        QTest::newRow("nädalapäev") << "mnuTegevusNädalapäev" << "Leia kuupäevale vastav &nädalapäev"
                                    << QKeySequence(QStringLiteral("Ctrl+N")) << "mnuTegevus";
        QTest::newRow("kuupäev") << "mnuTegevusKuupäev" << "Leia Juliuse päevale vastav &kuupäev"
                                 << QKeySequence(QStringLiteral("Ctrl+K")) << "mnuTegevus";
        QTest::newRow("liigaasta") << "mnuTegevusLiigaasta" << "&Leia, kas aasta on liigaasta või mitte"
                                   << QKeySequence(QStringLiteral("Ctrl+L")) << "mnuTegevus";
        QTest::newRow("liida lahuta") << "mnuTegevusLiidaLahuta" << "Leia &uus kuupäev"
                                      << QKeySequence(QStringLiteral("Ctrl+U")) << "mnuTegevus";
        QTest::newRow("vahemik") << "mnuTegevusVahemik" << "Leia kahe kuupäeva &vaheline aeg"
                                 << QKeySequence(QStringLiteral("Ctrl+V")) << "mnuTegevus";
        QTest::newRow("kalender") << "mnuTegevusKalender" << "Kalender"
                                  << QKeySequence(QStringLiteral("F4")) << "mnuTegevus";
        QTest::newRow("seaded") << "mnuSeaded" << "  &Seaded  " << QKeySequence() << "";
        QTest::newRow("esimene nädal") << "mnuSeadedEsimeneNädal" << "&Aasta esimene nädal"
                                       << QKeySequence() << "mnuSeaded";
        QTest::newRow("1. jaanuar") << "mnuSeadedEsimeneNädalEsimeneJaanuar" << "1. ja&anuari nädal"
                                    << QKeySequence() << "mnuSeadedEsimeneNädal";
        QTest::newRow("neli päeva") << "mnuSeadedEsimeneNädalEsimesedNeliPäeva" << "Esimesed &neli päeva"
                                    << QKeySequence() << "mnuSeadedEsimeneNädal";
        QTest::newRow("täisnädal") << "mnuSeadedEsimeneNädalEsimeneTäisnädal" << "Esimene &täsinädal"
                                   << QKeySequence() << "mnuSeadedEsimeneNädal";
        QTest::newRow("esimene päev") << "mnuSeadedEsimenePäev" << "&Nädala esimene päev"
                                      << QKeySequence() << "mnuSeaded";
        const char *const days[][2] = {{"Esmasp", "&Esmaspäev"}, {"Teisip", "&Teisipäev"},
                                       {"Kolmap", "&Kolmapäev"}, {"Neljap", "&Neljapäev"},
                                       {"Reede", "&Reede"},      {"Laup", "&Laupäev"},
                                       {"Pühap", "&Pühapäev"}};
        for (const auto &day : days)
            QTest::newRow(day[0]) << QStringLiteral("mnuSeadedEsimenePäev") + QString::fromUtf8(day[0])
                                  << QString::fromUtf8(day[1]) << QKeySequence()
                                  << "mnuSeadedEsimenePäev";
        QTest::newRow("sea kell") << "mnuSeadedSeaKell" << "Sea kellaaeg"
                                  << QKeySequence(QStringLiteral("F8")) << "mnuSeaded";
        QTest::newRow("sea kuup") << "mnuSeadedSeaKuup" << "Sea kuupäev"
                                  << QKeySequence(QStringLiteral("F9")) << "mnuSeaded";
        QTest::newRow("programmist") << "mnuProgrammist" << "  &Programmist  " << QKeySequence() << "";
        QTest::newRow("abi m") << "mnuAbiM" << "&Mis see on?" << QKeySequence() << "mnuAbi";
    }

    void menus()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(QString, parentMenu);
        frmAeg w(m_clock);
        QAction *a = action(w, name);
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->shortcut(), shortcut);
        QCOMPARE(a->isEnabled(), name != QLatin1String("mnuNurk"));

        // Where the item sits: the bar (in this order) or its parent menu.
        const QList<QAction *> bar = w.menuBar()->actions();
        if (parentMenu.isEmpty()) {
            const QStringList order{QStringLiteral("mnuNurk"), QStringLiteral("mnuTegevus"),
                                    QStringLiteral("mnuSeaded"), QStringLiteral("mnuProgrammist")};
            QCOMPARE(bar.indexOf(a), order.indexOf(name));
        } else if (parentMenu == QLatin1String("mnuAbi")) {
            auto *abi = w.findChild<QMenu *>(QStringLiteral("mnuAbi"));
            QVERIFY(abi);
            QCOMPARE(abi->title(), QStringLiteral("Appi"));
            QVERIFY(abi->actions().contains(a));
            QVERIFY(!bar.contains(abi->menuAction()));
        } else {
            QMenu *menu = action(w, parentMenu)->menu();
            QVERIFY(menu);
            QVERIFY(menu->actions().contains(a));
        }
    }

    // The shortcut keys reach the day-description items, which set the mode
    // before the dialog opens.
    void dayDescriptionMode_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("mode");
        QTest::newRow("Ctrl+J") << int(Qt::Key_J) << "JP";
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << "NP";
    }

    void dayDescriptionMode()
    {
        QFETCH(int, key);
        QFETCH(QString, mode);
        frmAeg w(m_clock);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // The dialog opens modally; note its mode and close it as soon as it is shown.
        QString shown;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&closer, &shown] {
            if (QWidget *modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
                closer.stop();
                if (auto *dialog = qobject_cast<frmJuuliusePaev *>(modal))
                    shown = dialog->dayDescriptionMode();
                modal->close();
            }
        });
        closer.start(5);
        QTest::keyClick(&w, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(shown, mode);
    }

    void separatorsInTheirPlaces()
    {
        frmAeg w(m_clock);
        QMenu *tegevus = action(w, QStringLiteral("mnuTegevus"))->menu();
        QStringList names;
        for (QAction *a : tegevus->actions())
            names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        QCOMPARE(names, (QStringList{"mnuTegevusJuuliusePäev", "mnuTegevusNädalapäev", "-",
                                     "mnuTegevusKuupäev", "mnuTegevusLiigaasta", "-",
                                     "mnuTegevusLiidaLahuta", "mnuTegevusVahemik", "-",
                                     "mnuTegevusKalender"}));
        QVERIFY(action(w, QStringLiteral("mnuSeadedEraldaja"))->isSeparator());
    }

    void checkMarksAtStart()
    {
        {
            // Settings chosen in one window are its own.
            frmAeg earlier(m_clock);
            earlier.programState().setFirstDayOfWeek(5);
            earlier.programState().setFirstWeekOfYear(3);
        }
        frmAeg w(m_clock);
        QCOMPARE(w.programState().FirstDayOfWeek(), 2);
        QCOMPARE(w.programState().FirstWeekOfYear(), 2);
        QStringList checked;
        for (QAction *a : w.findChildren<QAction *>())
            if (a->isChecked())
                checked << a->objectName();
        checked.sort();
        QCOMPARE(checked, (QStringList{"mnuSeadedEsimeneNädalEsimesedNeliPäeva",
                                       "mnuSeadedEsimenePäevEsmasp", "mnuSeadedPühadKalendris"}));
    }

    void readouts_data()
    {
        QTest::addColumn<ClockReading>("now");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const ClockReading y2k = at(2000, 1, 1, 2, 0, 0);
        QTest::newRow("unix 1.1.2000 02:00") << y2k << "lblUnix" << grouped("946 684 800");
        QTest::newRow("astron 1.1.2000 02:00") << y2k << "lblAstronJP" << grouped("2 451 544, 50000");
        QTest::newRow("tavaline 1.1.2000 02:00") << y2k << "lblTavalineJP" << grouped("2 451 545, 08333");
        QTest::newRow("tavaline at midnight") << at(2000, 1, 1, 0, 0, 0) << "lblTavalineJP"
                                              << grouped("2 451 545, 00000");
        QTest::newRow("internet at 01:00") << at(2000, 1, 1, 1, 0, 0) << "lblInternet" << "@ 0,00";
        QTest::newRow("internet at 02:00") << y2k << "lblInternet" << "@ 41,67";
        QTest::newRow("kell") << at(2000, 1, 1, 9, 5, 7) << "lblKell" << "09:05:07";
        QTest::newRow("date line") << at(2020, 12, 7, 9, 5, 7) << "lblKuupäev" << " Esmaspäev, 07. detsember ";
        QTest::newRow("day of year") << at(2005, 2, 3, 12, 0, 0) << "lblPäevaNr" << "34. päev";
        QTest::newRow("week 53") << at(2005, 1, 1, 12, 0, 0) << "lblNädal" << "53. nädal";
        QTest::newRow("week 1") << at(2005, 1, 3, 12, 0, 0) << "lblNädal" << "1. nädal";
        QTest::newRow("quarter") << at(2005, 10, 1, 12, 0, 0) << "lblKvartal" << "4. kv.";
        QTest::newRow("clock difference, February") << at(2005, 2, 14, 12, 0, 0) << "lblKelladeVaheT"
                                                    << "- 14m 28s";
        QTest::newRow("clock difference, November") << at(2005, 11, 3, 12, 0, 0) << "lblKelladeVaheL"
                                                    << "16m 32s";
    }

    void readouts()
    {
        QFETCH(ClockReading, now);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        m_clock.setNow(now);
        frmAeg w(m_clock);
        w.tick();
        QCOMPARE(text(w, name), expected);
    }

    void countdownRow_data()
    {
        QTest::addColumn<ClockReading>("now");
        QTest::addColumn<QStringList>("expected"); // days, hours, minutes, seconds
        QTest::newRow("31.12. 23:59:01") << at(2004, 12, 31, 23, 59, 1) << QStringList{"0", "0", "0", "59"};
        QTest::newRow("31.12. 23:59:59") << at(2004, 12, 31, 23, 59, 59) << QStringList{"0", "0", "0", "1"};
        QTest::newRow("1.1. of a leap year") << at(2004, 1, 1, 0, 0, 1) << QStringList{"365", "23", "59", "59"};
        QTest::newRow("midday") << at(2005, 6, 15, 12, 30, 20) << QStringList{"199", "11", "29", "40"};
    }

    void countdownRow()
    {
        QFETCH(ClockReading, now);
        QFETCH(QStringList, expected);
        m_clock.setNow(now);
        frmAeg w(m_clock);
        w.tick();
        QCOMPARE(countdown(w), expected);

        // Left to right, each label 2 or 6 pixels after its neighbour, on one baseline.
        const char *const row[] = {"lblPäev", "lblD", "lblTund", "lblH",
                                   "lblMinut", "lblM", "lblSekund", "lblS"};
        for (int i = 1; i < 8; ++i) {
            const QLabel *left = label(w, QString::fromUtf8(row[i - 1]));
            const QLabel *right = label(w, QString::fromUtf8(row[i]));
            QCOMPARE(right->x(), left->geometry().right() + 1 + (i % 2 == 1 ? 2 : 6));
            QCOMPARE(left->sizeHint().width(), left->width());
        }
    }

    void minuteTurnsAtSecondOne()
    {
        m_clock.setNow(at(2005, 6, 15, 12, 59, 59));
        frmAeg w(m_clock);
        w.tick();
        QCOMPARE(countdown(w), (QStringList{"199", "11", "0", "1"}));
        tickAt(w, at(2005, 6, 15, 13, 0, 0));
        QCOMPARE(countdown(w), (QStringList{"199", "11", "0", "0"}));
        tickAt(w, at(2005, 6, 15, 13, 0, 1));
        QCOMPARE(countdown(w), (QStringList{"199", "10", "59", "59"}));
        // Within the same second nothing is refreshed.
        label(w, QStringLiteral("lblKell"))->clear();
        tickAt(w, ClockReading{2005, 6, 15, 13, 0, 1, 960, 7200, false});
        QCOMPARE(text(w, QStringLiteral("lblKell")), QString());
    }

    void midnightSequence()
    {
        m_clock.setNow(at(2004, 12, 31, 23, 59, 59));
        frmAeg w(m_clock);
        w.tick();
        const qint64 unixBefore = text(w, QStringLiteral("lblUnix")).remove(nbsp).toLongLong();
        QCOMPARE(text(w, QStringLiteral("lblKuupäev")), QStringLiteral(" Reede, 31. detsember "));

        // 00:00:00 marks the new day; the per-day readouts still show the old one.
        tickAt(w, at(2005, 1, 1, 0, 0, 0));
        QCOMPARE(text(w, QStringLiteral("lblKuupäev")), QStringLiteral(" Reede, 31. detsember "));
        QCOMPARE(text(w, QStringLiteral("lblPäevaNr")), QStringLiteral("366. päev"));
        QCOMPARE(countdown(w), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(text(w, QStringLiteral("lblKell")), QStringLiteral("00:00:00"));
        // The running counts go on without falling back a day for this second.
        QCOMPARE(text(w, QStringLiteral("lblUnix")).remove(nbsp).toLongLong(), unixBefore + 1);
        QCOMPARE(text(w, QStringLiteral("lblTavalineJP")), grouped("2 453 372, 00000"));

        // 00:00:01 shows the new day.
        tickAt(w, at(2005, 1, 1, 0, 0, 1));
        QCOMPARE(text(w, QStringLiteral("lblKuupäev")), QStringLiteral(" Laupäev, 01. jaanuar "));
        QCOMPARE(text(w, QStringLiteral("lblPäevaNr")), QStringLiteral("1. päev"));
        QCOMPARE(text(w, QStringLiteral("lblNädal")), QStringLiteral("53. nädal"));
        QCOMPARE(text(w, QStringLiteral("lblKvartal")), QStringLiteral("1. kv."));
        QCOMPARE(countdown(w), (QStringList{"364", "23", "59", "59"}));
        QCOMPARE(w.DayBase(), 53371.5);
    }

    void weekSettings_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("firstWeekOfYear");
        QTest::addColumn<int>("firstDayOfWeek");
        QTest::addColumn<QString>("week"); // on Saturday 1.1.2005
        QTest::newRow("1. jaanuari nädal") << "mnuSeadedEsimeneNädalEsimeneJaanuar" << 1 << 2 << "1. nädal";
        QTest::newRow("esimesed neli päeva") << "mnuSeadedEsimeneNädalEsimesedNeliPäeva" << 2 << 2 << "53. nädal";
        QTest::newRow("esimene täisnädal") << "mnuSeadedEsimeneNädalEsimeneTäisnädal" << 3 << 2 << "52. nädal";
        QTest::newRow("laupäev") << "mnuSeadedEsimenePäevLaup" << 2 << 7 << "1. nädal";
        QTest::newRow("pühapäev") << "mnuSeadedEsimenePäevPühap" << 2 << 1 << "52. nädal";
        QTest::newRow("esmaspäev") << "mnuSeadedEsimenePäevEsmasp" << 2 << 2 << "53. nädal";
    }

    void weekSettings()
    {
        QFETCH(QString, item);
        QFETCH(int, firstWeekOfYear);
        QFETCH(int, firstDayOfWeek);
        QFETCH(QString, week);
        m_clock.setNow(at(2005, 1, 1, 12, 0, 0));
        frmAeg w(m_clock);
        w.tick();
        QCOMPARE(text(w, QStringLiteral("lblNädal")), QStringLiteral("53. nädal"));

        // The readout changes at once, without waiting for the next second.
        QAction *chosen = action(w, item);
        chosen->trigger();
        QCOMPARE(text(w, QStringLiteral("lblNädal")), week);
        QCOMPARE(w.programState().FirstWeekOfYear(), firstWeekOfYear);
        QCOMPARE(w.programState().FirstDayOfWeek(), firstDayOfWeek);
        QCOMPARE(QString::number(w.WeekNumber()) + QStringLiteral(". nädal"), week);

        // Exactly one item of the chosen group carries the check mark, also when
        // the checked item is chosen again.
        chosen->trigger();
        QVERIFY(chosen->isChecked());
        const QString group = item.contains(QStringLiteral("Nädal")) ? QStringLiteral("mnuSeadedEsimeneNädal")
                                                                     : QStringLiteral("mnuSeadedEsimenePäev");
        int checked = 0;
        for (QAction *a : action(w, group)->menu()->actions())
            checked += a->isChecked();
        QCOMPARE(checked, 1);
    }

    // A change of the settings from elsewhere than the menus (a window that
    // was handed the state) shows in the readout and the check marks at once.
    void weekSettingsFollowTheState()
    {
        m_clock.setNow(at(2005, 1, 1, 12, 0, 0));
        frmAeg w(m_clock);
        w.tick();
        QSignalSpy changed(&w.programState(), &tundrik::ProgramState::weekSettingsChanged);
        w.programState().setFirstWeekOfYear(1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(text(w, QStringLiteral("lblNädal")), QStringLiteral("1. nädal"));
        QCOMPARE(w.WeekNumber(), 1);
        QVERIFY(action(w, QStringLiteral("mnuSeadedEsimeneNädalEsimeneJaanuar"))->isChecked());
        QVERIFY(!action(w, QStringLiteral("mnuSeadedEsimeneNädalEsimesedNeliPäeva"))->isChecked());
        // Sunday first: 1.1.2005 (a Saturday) ends the week of 26.12.2004.
        w.programState().setFirstDayOfWeek(1);
        QVERIFY(action(w, QStringLiteral("mnuSeadedEsimenePäevPühap"))->isChecked());
        QVERIFY(!action(w, QStringLiteral("mnuSeadedEsimenePäevEsmasp"))->isChecked());
        QCOMPARE(text(w, QStringLiteral("lblNädal")), QStringLiteral("1. nädal"));
        // Out-of-range values and the values in force change nothing.
        w.programState().setFirstDayOfWeek(0);
        w.programState().setFirstDayOfWeek(8);
        w.programState().setFirstWeekOfYear(4);
        w.programState().setFirstWeekOfYear(1);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(w.programState().FirstDayOfWeek(), 1);
        QCOMPARE(w.programState().FirstWeekOfYear(), 1);
    }

    void helpPopup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("context"); // 0: no pop-up
        QTest::newRow("lblUnix") << "lblUnix" << Qt::RightButton << 12;
        QTest::newRow("lblUnixiAeg") << "lblUnixiAeg" << Qt::RightButton << 12;
        QTest::newRow("fraUnix") << "fraUnix" << Qt::RightButton << 12;
        QTest::newRow("fraInternet") << "fraInternet" << Qt::RightButton << 11;
        QTest::newRow("lblInternet") << "lblInternet" << Qt::RightButton << 11;
        QTest::newRow("lblAstronJP") << "lblAstronJP" << Qt::RightButton << 13;
        QTest::newRow("lblTavalineJuliusePäev") << "lblTavalineJuliusePäev" << Qt::RightButton << 13;
        QTest::newRow("fraKelladeVahe") << "fraKelladeVahe" << Qt::RightButton << 14;
        QTest::newRow("lblKelladeVaheL") << "lblKelladeVaheL" << Qt::RightButton << 14;
        QTest::newRow("lblKell") << "lblKell" << Qt::RightButton << 0;
        QTest::newRow("fraNädal") << "fraNädal" << Qt::RightButton << 0;
        QTest::newRow("lblNädal") << "lblNädal" << Qt::RightButton << 0;
        QTest::newRow("lblUnix, left button") << "lblUnix" << Qt::LeftButton << 0;
        QTest::newRow("lblUnix, middle button") << "lblUnix" << Qt::MiddleButton << 0;
    }

    void helpPopup()
    {
        QFETCH(QString, name);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, context);
        frmAeg w(m_clock);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy shown(&w, &frmAeg::helpShown);
        auto *abi = w.findChild<QMenu *>(QStringLiteral("mnuAbi"));

        QTest::mouseClick(w.findChild<QWidget *>(name), button);
        QCOMPARE(abi->isVisible(), context != 0);
        if (context == 0)
            return;
        QTest::keyClick(abi, Qt::Key_M);
        QVERIFY(!abi->isVisible());
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toInt(), context);
        QWhatsThis::hideText();
    }

    void minimisedTitleAndFrozenReadouts()
    {
        m_clock.setNow(at(2005, 6, 15, 12, 0, 0));
        frmAeg w(m_clock);
        w.show();
        w.tick();
        QCOMPARE(w.windowTitle(), ownTitle);

        w.showMinimized();
        QCOMPARE(w.windowTitle(), QStringLiteral("12:00:00"));
        tickAt(w, at(2005, 6, 15, 12, 0, 1));
        QCOMPARE(w.windowTitle(), QStringLiteral("12:00:01"));
        tickAt(w, at(2005, 6, 15, 12, 0, 2));
        QCOMPARE(w.windowTitle(), QStringLiteral("12:00:02"));
        QCOMPARE(text(w, QStringLiteral("lblKell")), QStringLiteral("12:00:00"));
        QCOMPARE(text(w, QStringLiteral("lblSekund")), QStringLiteral("0"));

        w.showNormal();
        QCOMPARE(w.windowTitle(), ownTitle);
        // The readouts resume with the next second.
        tickAt(w, ClockReading{2005, 6, 15, 12, 0, 2, 500, 7200, false});
        QCOMPARE(text(w, QStringLiteral("lblKell")), QStringLiteral("12:00:00"));
        tickAt(w, at(2005, 6, 15, 12, 0, 3));
        QCOMPARE(text(w, QStringLiteral("lblKell")), QStringLiteral("12:00:03"));
        QCOMPARE(text(w, QStringLiteral("lblSekund")), QStringLiteral("57"));
        QCOMPARE(w.windowTitle(), ownTitle);
    }

    void borrowedCaption()
    {
        frmAeg w(m_clock);
        w.show();
        w.borrowCaption(QStringLiteral("Leia päevade arv"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Leia päevade arv"));
        tickAt(w, at(2005, 6, 15, 12, 0, 1, 10800, true)); // the offset changes meanwhile
        QCOMPARE(w.windowTitle(), QStringLiteral("Leia päevade arv"));
        w.restoreCaption();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tundrik {GMT +03:00  -  Ida-Euroopa suveaeg}"));
    }

    // Ctrl+C copies the board, a readout a line, "name: value".
    void copyingTheBoard()
    {
        accessibility::install();
        frmAeg w(m_clock);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.tick();
        QGuiApplication::clipboard()->setText(QStringLiteral("enne"));
        QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        QVERIFY2(lines.size() >= 14, qPrintable(lines.join(QLatin1Char('|'))));
        QVERIFY(lines.contains(QStringLiteral("Kell: ") + text(w, QStringLiteral("lblKell")).simplified()));
        QVERIFY(lines.indexOf(QStringLiteral("Kvartal: 2. kv.")) > lines.indexOf(QStringLiteral("Nädal: 24. nädal")));
        QVERIFY(lines.contains(QStringLiteral("Unixi aeg: ") + text(w, QStringLiteral("lblUnix")).simplified()));
        QVERIFY(lines.contains(QStringLiteral("Nädal: ") + text(w, QStringLiteral("lblNädal")).simplified()));
        QVERIFY(lines.contains(QStringLiteral("Aasta lõpuni päevi: ") + text(w, QStringLiteral("lblPäev")).simplified()));
        for (const QString &line : lines)
            QVERIFY2(line.contains(QStringLiteral(": ")) && line == line.trimmed()
                         && !line.contains(QStringLiteral(":  ")),
                     qPrintable(line));
    }

    // The explained readouts carry their help text for a screen reader and for
    // What's This, which Shift+F1 starts.
    void helpFromTheKeyboard()
    {
        frmAeg w(m_clock);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QLabel *unix = label(w, QStringLiteral("lblUnix"));
        QVERIFY(!unix->accessibleDescription().isEmpty());
        QCOMPARE(unix->accessibleDescription(), unix->whatsThis());
        QCOMPARE(QAccessible::queryAccessibleInterface(unix)->text(QAccessible::Description),
                 unix->whatsThis());
        QVERIFY(label(w, QStringLiteral("lblKell"))->whatsThis().isEmpty());
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QTest::keyClick(&w, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWhatsThis::leaveWhatsThisMode();
    }

    // A menu command reached while its window is open (as an assistive tool
    // can, past the modal window) brings that window forward, no second copy.
    void windowOpensOnce()
    {
        frmAeg w(m_clock);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        int dialogs = -1;
        QString captionWhileOpen;
        // The opener runs pending events before it opens, so wait for the
        // modal window itself before asking again.
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, &w, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            poll.stop();
            action(w, QStringLiteral("mnuTegevusVahemik"))->trigger();
            action(w, QStringLiteral("mnuTegevusKalender"))->trigger();
            action(w, QStringLiteral("mnuProgrammist"))->trigger();
            dialogs = 0;
            for (QWidget *top : QApplication::topLevelWidgets())
                dialogs += top->isVisible() && top != &w ? 1 : 0;
            captionWhileOpen = w.windowTitle();
            modal->close();
        });
        poll.start();
        action(w, QStringLiteral("mnuTegevusVahemik"))->trigger();
        QCOMPARE(dialogs, 1);
        QCOMPARE(captionWhileOpen, QStringLiteral("Leia päevade arv"));
        QCOMPARE(w.windowTitle(), ownTitle);
    }

    void escCloses()
    {
        frmAeg w(m_clock);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QSignalSpy closed(&w, &frmAeg::closed);

        // While a dialog holds the close button, Esc does not close.
        w.setCloseButtonEnabled(false);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        QCOMPARE(closed.count(), 0);

        w.setCloseButtonEnabled(true);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(closed.count(), 1);
    }

    void clickOnSulgeCloses()
    {
        frmAeg w(m_clock);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.closeButton(), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    // The title names the UTC offset in force and follows a change of it.
    void titleFollowsOffset_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("dst");
        QTest::addColumn<QString>("title");
        QTest::newRow("+2 winter") << 7200 << false << ownTitle;
        QTest::newRow("+3 summer") << 10800 << true << "Tundrik {GMT +03:00  -  Ida-Euroopa suveaeg}";
        QTest::newRow("+3 standard") << 10800 << false << "Tundrik {GMT +03:00}";
        QTest::newRow("+2 summer") << 7200 << true << "Tundrik {GMT +02:00}";
        QTest::newRow("UTC") << 0 << false << "Tundrik {GMT +00:00}";
        QTest::newRow("-5") << -18000 << false << "Tundrik {GMT -05:00}";
        QTest::newRow("-3:30") << -12600 << false << "Tundrik {GMT -03:30}";
        QTest::newRow("+5:45") << 20700 << false << "Tundrik {GMT +05:45}";
        QTest::newRow("+14") << 50400 << false << "Tundrik {GMT +14:00}";
    }

    void titleFollowsOffset()
    {
        QFETCH(int, offset);
        QFETCH(bool, dst);
        QFETCH(QString, title);
        // At start.
        m_clock.setNow(at(2005, 6, 15, 12, 0, 0, offset, dst));
        {
            frmAeg w(m_clock);
            QCOMPARE(w.windowTitle(), title);
        }
        // After a change of offset, at the next refresh.
        m_clock.setNow(at(2005, 3, 27, 2, 59, 59));
        frmAeg w(m_clock);
        w.tick();
        QCOMPARE(w.windowTitle(), ownTitle);
        tickAt(w, at(2005, 3, 27, 3, 0, 0, offset, dst));
        QCOMPARE(w.windowTitle(), title);
    }

    void summerTimeReadouts()
    {
        // 1.7.2005 12:00 at +03:00 is 09:00 UT.
        m_clock.setNow(at(2005, 7, 1, 12, 0, 0, 10800, true));
        frmAeg w(m_clock);
        w.tick();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tundrik {GMT +03:00  -  Ida-Euroopa suveaeg}"));
        QCOMPARE(text(w, QStringLiteral("lblUnix")), grouped("1 120 208 400"));
        QCOMPARE(text(w, QStringLiteral("lblAstronJP")), grouped("2 453 552, 87500"));
        QCOMPARE(text(w, QStringLiteral("lblInternet")), QStringLiteral("@ 416,67"));
    }

    // A new day that no refresh of 00:00:00 saw starts at the next refresh.
    void missedMidnightWhileMinimised()
    {
        m_clock.setNow(at(2004, 12, 31, 23, 59, 58));
        frmAeg w(m_clock);
        w.show();
        w.tick();
        w.showMinimized();
        for (int s = 59; s <= 62; ++s) // 23:59:59 .. 00:00:02
            tickAt(w, s < 60 ? at(2004, 12, 31, 23, 59, s) : at(2005, 1, 1, 0, 0, s - 60));
        QCOMPARE(w.windowTitle(), QStringLiteral("00:00:02"));
        QCOMPARE(text(w, QStringLiteral("lblKuupäev")), QStringLiteral(" Reede, 31. detsember "));

        w.showNormal();
        tickAt(w, at(2005, 1, 1, 0, 0, 3));
        QCOMPARE(text(w, QStringLiteral("lblKuupäev")), QStringLiteral(" Laupäev, 01. jaanuar "));
        QCOMPARE(text(w, QStringLiteral("lblPäevaNr")), QStringLiteral("1. päev"));
        QCOMPARE(countdown(w), (QStringList{"364", "23", "59", "57"}));
        QCOMPARE(text(w, QStringLiteral("lblTavalineJP")), grouped("2 453 372, 00003"));
    }

    void dateSetByHand_data()
    {
        QTest::addColumn<ClockReading>("changed");
        QTest::addColumn<QString>("dateLine");
        QTest::addColumn<QString>("dayOfYear");
        QTest::addColumn<QString>("days");
        QTest::newRow("a day forward") << at(2005, 6, 16, 12, 0, 1) << " Neljapäev, 16. juuni " << "167. päev" << "198";
        QTest::newRow("a day back") << at(2005, 6, 14, 12, 0, 1) << " Teisipäev, 14. juuni " << "165. päev" << "200";
        QTest::newRow("a year forward") << at(2006, 6, 15, 12, 0, 1) << " Neljapäev, 15. juuni " << "166. päev" << "199";
        QTest::newRow("to 23:59:59 of the next day") << at(2005, 6, 16, 23, 59, 59) << " Neljapäev, 16. juuni "
                                                     << "167. päev" << "198";
    }

    void dateSetByHand()
    {
        QFETCH(ClockReading, changed);
        QFETCH(QString, dateLine);
        QFETCH(QString, dayOfYear);
        QFETCH(QString, days);
        m_clock.setNow(at(2005, 6, 15, 12, 0, 0));
        frmAeg w(m_clock);
        w.tick();
        QCOMPARE(text(w, QStringLiteral("lblKuupäev")), QStringLiteral(" Kolmapäev, 15. juuni "));

        tickAt(w, changed);
        QCOMPARE(text(w, QStringLiteral("lblKuupäev")), dateLine);
        QCOMPARE(text(w, QStringLiteral("lblPäevaNr")), dayOfYear);
        QCOMPARE(text(w, QStringLiteral("lblPäev")), days);
    }

    void clockJumps_data()
    {
        QTest::addColumn<ClockReading>("start");
        QTest::addColumn<QList<ClockReading>>("clock"); // readings at the refreshes after the start
        QTest::addColumn<QString>("dateLine");
        QTest::addColumn<QString>("dayOfYear");
        QTest::addColumn<QString>("week");
        QTest::addColumn<QStringList>("countdown"); // days, hours, minutes, seconds

        const ClockReading march28 = at(2026, 3, 28, 12, 0, 0);
        QTest::newRow("forward from 28 March to 31 December 23:59:55")
            << march28 << QList<ClockReading>{at(2026, 12, 31, 23, 59, 55)} << " Neljapäev, 31. detsember "
            << "365. päev" << "53. nädal" << QStringList{"0", "0", "0", "5"};
        QList<ClockReading> acrossYearEnd{at(2026, 12, 31, 23, 59, 55)};
        for (int s = 56; s <= 62; ++s) // 23:59:56 .. 00:00:02
            acrossYearEnd << (s < 60 ? at(2026, 12, 31, 23, 59, s) : at(2027, 1, 1, 0, 0, s - 60));
        QTest::newRow("then on across the year end")
            << march28 << acrossYearEnd << " Reede, 01. jaanuar " << "1. päev" << "53. nädal"
            << QStringList{"364", "23", "59", "58"};
        QTest::newRow("back an hour")
            << at(2026, 6, 15, 12, 30, 20) << QList<ClockReading>{at(2026, 6, 15, 11, 30, 21)}
            << " Esmaspäev, 15. juuni " << "166. päev" << "25. nädal" << QStringList{"199", "12", "29", "39"};
        QTest::newRow("back an hour to a whole minute")
            << at(2026, 6, 15, 12, 0, 5) << QList<ClockReading>{at(2026, 6, 15, 11, 0, 0)}
            << " Esmaspäev, 15. juuni " << "166. päev" << "25. nädal" << QStringList{"199", "13", "0", "0"};
        QTest::newRow("back across midnight")
            << at(2026, 6, 16, 0, 0, 10) << QList<ClockReading>{at(2026, 6, 15, 23, 59, 50)}
            << " Esmaspäev, 15. juuni " << "166. päev" << "25. nädal" << QStringList{"199", "0", "0", "10"};
        QTest::newRow("back across the year end")
            << at(2027, 1, 1, 0, 0, 30) << QList<ClockReading>{at(2026, 12, 31, 23, 0, 31)}
            << " Neljapäev, 31. detsember " << "365. päev" << "53. nädal" << QStringList{"0", "0", "59", "29"};
    }

    // The system clock is set forward or back while the program runs: the
    // refresh after the jump shows the new instant on the whole board, and
    // the board goes on from there.
    void clockJumps()
    {
        QFETCH(ClockReading, start);
        QFETCH(QList<ClockReading>, clock);
        QFETCH(QString, dateLine);
        QFETCH(QString, dayOfYear);
        QFETCH(QString, week);
        QFETCH(QStringList, countdown);
        m_clock.setNow(start);
        frmAeg w(m_clock);
        w.tick();
        for (const ClockReading &r : clock)
            tickAt(w, r);

        const ClockReading now = clock.last();
        const QDateTime instant(QDate(now.year, now.month, now.day), QTime(now.hour, now.minute, now.second),
                                Qt::OffsetFromUTC, now.utcOffset);
        QCOMPARE(text(w, QStringLiteral("lblKell")), instant.time().toString(QStringLiteral("HH:mm:ss")));
        QCOMPARE(text(w, QStringLiteral("lblUnix")).remove(nbsp).toLongLong(), instant.toSecsSinceEpoch());
        QCOMPARE(text(w, QStringLiteral("lblKuupäev")), dateLine);
        QCOMPARE(text(w, QStringLiteral("lblPäevaNr")), dayOfYear);
        QCOMPARE(text(w, QStringLiteral("lblNädal")), week);
        QCOMPARE(this->countdown(w), countdown);

        // It keeps ticking from the new instant.
        const QDateTime next = instant.addSecs(1);
        tickAt(w, at(next.date().year(), next.date().month(), next.date().day(), next.time().hour(),
                     next.time().minute(), next.time().second()));
        QCOMPARE(text(w, QStringLiteral("lblKell")), next.time().toString(QStringLiteral("HH:mm:ss")));
        QCOMPARE(text(w, QStringLiteral("lblUnix")).remove(nbsp).toLongLong(), next.toSecsSinceEpoch());
    }

    // Every readout at its longest texts lies whole inside its label, and every
    // label inside its frame.
    void nothingClipped_data()
    {
        QTest::addColumn<ClockReading>("now");
        QTest::newRow("ten-digit Unix time") << at(2033, 9, 28, 23, 59, 48);
        QTest::newRow("near the end of the 32-bit Unix time") << at(2038, 1, 19, 5, 14, 7);
        QTest::newRow("leap year, 365 days left") << at(2032, 1, 1, 0, 0, 1);
        QTest::newRow("most negative clock difference") << at(2033, 2, 12, 22, 22, 22);
        QTest::newRow("most positive clock difference") << at(2033, 11, 2, 18, 28, 38);
        QTest::newRow("week 53") << at(2032, 12, 31, 20, 58, 58);
    }

    void nothingClipped()
    {
        QFETCH(ClockReading, now);
        m_clock.setNow(now);
        frmAeg w(m_clock);
        w.show();
        w.tick();
        const auto labels = w.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 24);
        for (const QLabel *l : labels) {
            const QString what = l->objectName() + QStringLiteral(": ") + l->text();
            QVERIFY2(l->sizeHint().width() <= l->width(), qPrintable(what));
            QVERIFY2(l->sizeHint().height() <= l->height(), qPrintable(what));
            const QRect inside = l->parentWidget()->contentsRect();
            QVERIFY2(inside.contains(l->geometry()), qPrintable(what));
        }
    }

    // The date line and the clock differences over every day of a year: each
    // weekday with each month name, both signs of the difference.
    void dateLineFitsEveryDay()
    {
        m_clock.setNow(at(2033, 1, 1, 12, 0, 0));
        frmAeg w(m_clock);
        QLabel *line = label(w, QStringLiteral("lblKuupäev"));
        const QWidget *frame = line->parentWidget();
        const QList<QLabel *> differences{label(w, QStringLiteral("lblKelladeVaheT")),
                                          label(w, QStringLiteral("lblKelladeVaheL"))};
        for (QDate d(2033, 1, 1); d.year() == 2033; d = d.addDays(1)) {
            m_clock.setNow(at(d.year(), d.month(), d.day(), 12, 0, 0));
            w.UusPaev();
            QVERIFY2(frame->contentsRect().contains(line->geometry()), qPrintable(line->text()));
            QVERIFY(qAbs(line->geometry().center().x() - frame->width() / 2) <= 1);
            for (const QLabel *l : differences)
                QVERIFY2(l->sizeHint().width() <= l->width(), qPrintable(l->text()));
        }
    }
};

QTEST_MAIN(tst_frmaeg)
#include "tst_frmaeg.moc"

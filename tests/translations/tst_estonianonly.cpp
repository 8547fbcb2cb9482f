// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and message box of the program speaks Estonian, Qt's own texts
// included. The windows are opened from the real main window with keys and
// clicks, with the translators installed as the program installs them; every
// text they show or tell an assistive technology is checked against the
// English texts of the program's catalog of Qt texts. A recording translator
// notes every text Qt asks to have translated meanwhile, and each of them must
// be in the catalog.
#include "fakeclock.h"
#include "qttextsupport.h"

#include "listeningreader.h"

#include "../setup/privatebus.h"
#include "../setup/setuptestsupport.h"

#include "accessibility.h"
#include "forms.h"
#include "frmaeg.h"
#include "frmseakell.h"
#include "frmseakuup.h"
#include "qttranslations.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QWindow>

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace qttexts;
using setup::SetResult;

Q_DECLARE_METATYPE(SetResult::Status)

namespace {

// Texts of the program's own classes that go through tr() in Estonian.
const QStringList ownContexts{QStringLiteral("TKField")};

// The process gives up the right to set the clock before anything else, so
// no path of the windows can reach the real clock.
bool dropClockRight()
{
    if (::prctl(PR_CAPBSET_DROP, CAP_SYS_TIME) != 0 && errno != EINVAL)
        return false;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    const quint32 bit = 1u << (CAP_SYS_TIME % 32);
    data[CAP_SYS_TIME / 32].effective &= ~bit;
    data[CAP_SYS_TIME / 32].permitted &= ~bit;
    data[CAP_SYS_TIME / 32].inheritable &= ~bit;
    return ::syscall(SYS_capset, &header, data) == 0;
}

// Collects the texts of every pop-up menu that opens while it lives, and
// closes each one, as a user would with Esc.
class PopupCollector : public QObject {
public:
    explicit PopupCollector(QList<Shown> &out) : m_out(out)
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible())
                return;
            QStringList items;
            for (QAction *a : menu->actions())
                if (!a->isSeparator())
                    items << a->text();
            menus << items;
            m_out += collectTexts(menu);
            QTest::keyClick(menu, Qt::Key_Escape);
        });
        m_timer.start();
    }
    QList<QStringList> menus;

private:
    QList<Shown> &m_out;
    QTimer m_timer;
};

// The widget with the keyboard focus. When a message box closes, the window
// it came from gets the focus back from the window manager; the offscreen
// platform has none, so the test hands it back.
QWidget *focusTarget()
{
    if (!QApplication::focusWidget()) {
        QWidget *window = QApplication::activeModalWidget();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!window && w->isVisible() && w->windowType() != Qt::Popup)
                window = w;
        if (window) {
            window->activateWindow();
            // On a loaded machine the focus can come back late.
            (void)QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 10000);
        }
    }
    return QApplication::focusWidget();
}

// A key pressed and released where the keyboard focus is.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *w = focusTarget();
    QVERIFY2(w, qPrintable(QStringLiteral("no widget has the keyboard focus for key %1; active %2, modal %3")
                               .arg(key)
                               .arg(describe(QApplication::activeWindow()),
                                    describe(QApplication::activeModalWidget()))));
    QTest::keyClick(w, key, modifiers);
}

void type(const QString &keys)
{
    for (const QChar c : keys) {
        QWidget *w = focusTarget();
        QVERIFY2(w, qPrintable(QStringLiteral("no widget has the keyboard focus for %1; modal %2")
                                   .arg(c)
                                   .arg(describe(QApplication::activeModalWidget()))));
        QTest::keyClick(w, c.toLatin1());
    }
}

// A right click through the window, as the window system delivers it: Qt
// turns the press into the context-menu request (which goes on to the
// parents while it is ignored), then the release follows.
void rightClick(QWidget *w)
{
    QWidget *top = w->window();
    const QPoint at = w->mapTo(top, QPoint(4, w->height() / 2));
    QWindow *window = top->windowHandle();
    QTest::mousePress(window, Qt::RightButton, {}, at);
    QTest::mouseRelease(window, Qt::RightButton, {}, at);
}

template <class W = QWidget>
W *child(QWidget *parent, const char *name)
{
    W *w = parent->findChild<W *>(QString::fromUtf8(name));
    if (!w)
        qFatal("no control %s in %s", name, qPrintable(parent->objectName()));
    return w;
}

} // namespace

class tst_estonianonly : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void catalogAnswersEveryMessage_data();
    void catalogAnswersEveryMessage();
    void accessKeysOfOneBoxDiffer();

    void confirmationBox_data();
    void confirmationBox();
    void everyWindow_data();
    void everyWindow();
    void refusals_data();
    void refusals();
    void textMenus();

    // Last: what Qt asked for while all the windows above were open.
    void everyTextQtAskedForIsInTheCatalog();

private:
    // Fails on each text that is an English text of the catalog.
    void verifyEstonian(const QList<Shown> &shown);
    // Opens the main window and waits until it is active.
    bool openMain(frmAeg &main);

    QList<Message> m_catalog;
    QTranslator m_compiled; // the program's compiled catalog, asked directly
    QHash<QString, QString> m_english; // English text without access keys -> its context
    RecordingTranslator m_recorder;
    tundrik::FakeClock m_clock;
    PrivateBus m_bus;
    bool m_busUp = false;
    QString m_busError;
};

void tst_estonianonly::initTestCase()
{
    forms::installFontSubstitutions();
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
    accessibility::install();
    QVERIFY(qttranslations::install(*qApp));
    QCoreApplication::installTranslator(&m_recorder);
    QVERIFY(m_compiled.load(qttranslations::catalogPath()));

    QString error;
    m_catalog = readCatalog(QStringLiteral(TUNDRIK_QT_CATALOG), &error);
    QVERIFY2(!m_catalog.isEmpty(), qPrintable(error));
    for (const Message &m : m_catalog) {
        // A text the same in both languages (a key name such as "Ctrl") is not English.
        if (withoutAccessKeys(m.source) != withoutAccessKeys(m.translation))
            m_english.insert(withoutAccessKeys(m.source), m.context);
    }

    m_busUp = m_bus.start(&m_busError);
    QVERIFY2(m_busUp, qPrintable(m_busError));
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address().toUtf8());
    QVERIFY2(m_bus.startFakeTimedate(QStringLiteral(FAKE_TIMEDATED), &error), qPrintable(error));
}

void tst_estonianonly::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_recorder);
    m_bus.stop();
}

bool tst_estonianonly::openMain(frmAeg &main)
{
    main.show();
    main.activateWindow();
    return QTest::qWaitForWindowActive(&main);
}

void tst_estonianonly::verifyEstonian(const QList<Shown> &shown)
{
    QStringList english;
    for (const Shown &s : shown) {
        const QString text = withoutAccessKeys(s.text);
        if (m_english.contains(text))
            english << QStringLiteral("\"%1\" (%2) in %3").arg(s.text, m_english.value(text), s.where);
    }
    english.removeDuplicates();
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
}

void tst_estonianonly::catalogAnswersEveryMessage_data()
{
    QTest::addColumn<Message>("message");
    for (const Message &m : m_catalog)
        QTest::addRow("%s: %s", qPrintable(m.context), qPrintable(m.source)) << m;
}

// Each message is finished, keeps the access key of its source, and is what
// the installed translators answer, so the compiled catalog in the program is
// the one in the source tree.
void tst_estonianonly::catalogAnswersEveryMessage()
{
    QFETCH(Message, message);
    QVERIFY2(message.type.isEmpty(), qPrintable(QStringLiteral("marked ") + message.type));
    QVERIFY(!message.translation.trimmed().isEmpty());
    QCOMPARE(withoutAccessKeys(message.translation) != message.translation,
             withoutAccessKeys(message.source) != message.source);
    QCOMPARE(QCoreApplication::translate(message.context.toUtf8().constData(),
                                         message.source.toUtf8().constData()),
             message.translation);
}

// The buttons one message box can carry together, under either kind of theme,
// have access keys of their own.
void tst_estonianonly::accessKeysOfOneBoxDiffer()
{
    const auto accessKey = [](const QString &t) {
        const qsizetype at = t.indexOf(QLatin1Char('&'));
        return at < 0 || at + 1 >= t.size() ? QChar() : t.at(at + 1).toLower();
    };
    for (const char *context : {"QPlatformTheme", "QGnomeTheme"}) {
        QHash<QChar, QString> seen;
        for (const char *source : {"&Yes", "Yes to &All", "&No", "N&o to All", "&OK", "&Cancel",
                                   "&Save", "&Close"}) {
            const QString t = m_compiled.translate(context, source);
            if (t.isEmpty())
                continue; // not a text of this theme
            const QChar key = accessKey(t);
            QVERIFY2(!key.isNull(), qPrintable(t));
            QVERIFY2(!seen.contains(key), qPrintable(t + QStringLiteral(" and ") + seen.value(key)));
            seen.insert(key, t);
        }
    }
}

void tst_estonianonly::confirmationBox_data()
{
    QTest::addColumn<int>("opener");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("answerKey");
    QTest::addColumn<int>("answerModifiers");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("julianAnswer");
    QTest::addColumn<QString>("answerAfter");
    const QString jd = QStringLiteral("2\u00a0299\u00a0160. Juliuse päev");
    const QString gd = QStringLiteral("2\u00a0299\u00a0150. Juliuse päev");
    QTest::newRow("day number, Esc is No") << int(Qt::Key_J) << "04101582" << int(Qt::Key_Escape) << 0
                                           << false << jd << jd;
    QTest::newRow("day number, Enter is No") << int(Qt::Key_J) << "04101582" << int(Qt::Key_Return) << 0
                                             << false << jd << jd;
    QTest::newRow("day number, Alt+J is Yes") << int(Qt::Key_J) << "04101582" << int(Qt::Key_J)
                                              << int(Qt::AltModifier) << true << jd << gd;
    QTest::newRow("date, Alt+E is No") << int(Qt::Key_K) << "2299160" << int(Qt::Key_E)
                                       << int(Qt::AltModifier) << false << "04.10.1582. a."
                                       << "04.10.1582. a.";
    QTest::newRow("date, J is Yes") << int(Qt::Key_K) << "2299160" << int(Qt::Key_J) << 0 << true
                                    << "04.10.1582. a." << "14.10.1582. a.";
}

// The "G" confirmation from the real main window: "&Jah" and "&Ei", No the
// default, Esc and Enter answer No, the access keys answer as they say.
void tst_estonianonly::confirmationBox()
{
    QFETCH(int, opener);
    QFETCH(QString, keys);
    QFETCH(int, answerKey);
    QFETCH(int, answerModifiers);
    QFETCH(bool, yes);
    QFETCH(QString, julianAnswer);
    QFETCH(QString, answerAfter);

    m_clock.setNow(2004, 1, 1, 12, 0, 0);
    frmAeg main(m_clock);
    QVERIFY(openMain(main));
    QList<Shown> shown;
    bool asked = false;
    bool dialogSeen = false;
    whenModal("CalculatorDialog", [&](QWidget *dialog) {
        dialogSeen = true;
        type(keys);
        press(Qt::Key_Return);
        auto *answer = child<QLabel>(dialog, "lblVastus");
        QCOMPARE(answer->text(), julianAnswer);
        auto *g = child<QAbstractButton>(dialog, "chkGregorius");
        whenModal("QMessageBox", [&](QWidget *w) {
            asked = true;
            auto *box = qobject_cast<QMessageBox *>(w);
            shown += collectTexts(box);
            QCOMPARE(box->windowTitle(), QStringLiteral("Tundrik"));
            QCOMPARE(box->buttons().size(), 2);
            QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("&Jah"));
            QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("&Ei"));
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            QVERIFY(box->button(QMessageBox::No)->hasFocus());
            press(Qt::Key(answerKey), Qt::KeyboardModifiers(answerModifiers));
            QTRY_VERIFY(!box->isVisible());
        });
        QTest::mouseClick(g, Qt::LeftButton);
        QCOMPARE(g->isChecked(), yes);
        QCOMPARE(answer->text(), answerAfter);
        press(Qt::Key_Escape);
    });
    QTest::keyClick(&main, Qt::Key(opener), Qt::ControlModifier);
    QVERIFY(dialogSeen);
    QVERIFY(asked);
    verifyEstonian(shown);
}

void tst_estonianonly::everyWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << "frmAeg";
    QTest::newRow("Leia Juliuse päev") << "frmJuuliusePäev JP";
    QTest::newRow("Leia nädalapäev") << "frmJuuliusePäev NP";
    QTest::newRow("Leia kuupäev") << "frmKuupäev";
    QTest::newRow("Leia päevade arv") << "frmVahemik";
    QTest::newRow("Leia uus kuupäev") << "frmLiidaLahuta";
    QTest::newRow("Kas liigaasta, või mitte") << "frmLiigaasta";
    QTest::newRow("calendar and holidays") << "frmKalender";
    QTest::newRow("Sea kellaaeg, refused by the time service") << "frmSeaKell";
    QTest::newRow("Sea kuupäev, refused by the time service") << "frmSeaKuup";
    QTest::newRow("About") << "frmTKp";
}

// Each window opened from the main window as a user opens it, with its
// answers, message boxes and pop-up menus shown, and every text collected,
// while a screen reader listens to whatever the windows tell it.
void tst_estonianonly::everyWindow()
{
    QFETCH(QString, window);
    const ListeningReader screenReader;
    m_clock.setNow(2004, 6, 23, 12, 0, 0, 0, 10800, true);
    frmAeg main(m_clock);
    QVERIFY(openMain(main));
    QList<Shown> shown;
    QStringList opened;
    m_bus.reset();

    // Right clicks on a calculator's Julian box and on its date fields.
    const auto popups = [&](QWidget *dialog) {
        PopupCollector collector(shown);
        // Whatever a Julian box offers on a right click is read.
        for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
            if (box->objectName().contains(QLatin1String("JuliuseKal")) && box->isVisible())
                rightClick(box);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        // A field offers its own menu.
        const qsizetype before = collector.menus.size();
        QWidget *field = focusTarget();
        QVERIFY(field);
        rightClick(field);
        QTRY_COMPARE(collector.menus.size(), before + 1);
    };
    const auto calculator = [&](const char *className, const QString &keys) {
        whenModal(className, [&, keys](QWidget *dialog) {
            opened << dialog->objectName();
            popups(dialog);
            type(keys);
            shown += collectTexts(dialog);
            if (auto *g = dialog->findChild<QAbstractButton *>(QStringLiteral("chkGregorius"));
                g && g->isVisible()) {
                whenModal("QMessageBox", [&](QWidget *box) {
                    opened << QStringLiteral("QMessageBox");
                    shown += collectTexts(box);
                    press(Qt::Key_Escape);
                });
                QTest::mouseClick(g, Qt::LeftButton);
            }
            press(Qt::Key_Escape);
        });
    };
    // A setting dialog: the value typed and "&Sea" pressed, the time service
    // (the fake one on this test's bus) refuses, the refusal is read and
    // answered with Enter, and Esc closes the dialog.
    const auto setting = [&](const char *name, const QString &keys) {
        m_bus.refuse(QStringLiteral("org.freedesktop.PolicyKit1.Error.NotAuthorized"),
                     QStringLiteral("Kella ei saanud seada"));
        whenModal(name, [&, keys](QWidget *dialog) {
            opened << dialog->objectName();
            shown += collectTexts(dialog);
            popups(dialog);
            type(keys);
            whenModal("QMessageBox", [&](QWidget *box) {
                opened << box->objectName();
                shown += collectTexts(box);
                press(Qt::Key_Return);
            });
            press(Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            press(Qt::Key_Escape);
        });
    };

    if (window == QLatin1String("frmAeg")) {
        shown += collectTexts(&main);
        PopupCollector collector(shown);
        rightClick(child(&main, "lblUnix"));
        QTRY_COMPARE(collector.menus.size(), 1);
        opened << QStringLiteral("mnuAbi");
    } else if (window.startsWith(QStringLiteral("frmJuuliusePäev"))) {
        calculator("frmJuuliusePäev", QStringLiteral("04101582\r"));
        QTest::keyClick(&main, window.endsWith(QLatin1String("JP")) ? Qt::Key_J : Qt::Key_N,
                        Qt::ControlModifier);
    } else if (window == QStringLiteral("frmKuupäev")) {
        calculator("frmKuupäev", QStringLiteral("2299160\r"));
        QTest::keyClick(&main, Qt::Key_K, Qt::ControlModifier);
    } else if (window == QLatin1String("frmVahemik")) {
        calculator("frmVahemik", QStringLiteral("0101150031122000\r"));
        QTest::keyClick(&main, Qt::Key_V, Qt::ControlModifier);
    } else if (window == QLatin1String("frmLiidaLahuta")) {
        calculator("frmLiidaLahuta", QStringLiteral("01031700\t\t1\r"));
        QTest::keyClick(&main, Qt::Key_U, Qt::ControlModifier);
    } else if (window == QLatin1String("frmLiigaasta")) {
        calculator("frmLiigaasta", QStringLiteral("2024\r"));
        QTest::keyClick(&main, Qt::Key_L, Qt::ControlModifier);
    } else if (window == QLatin1String("frmKalender")) {
        whenModal("frmKalender", [&](QWidget *calendar) {
            opened << calendar->objectName();
            shown += collectTexts(calendar);
            whenModal("frmPühad", [&](QWidget *holidays) {
                opened << holidays->objectName();
                shown += collectTexts(holidays);
                // "Salvesta &iCalendar…": the years, then Qt's own file
                // dialog, given up with Esc.
                whenModal("frmSalvestaPühad", [&](QWidget *years) {
                    opened << years->objectName();
                    shown += collectTexts(years);
                    whenModal("dlgSalvesta", [&](QWidget *files) {
                        opened << files->objectName();
                        shown += collectTexts(files);
                        press(Qt::Key_Escape);
                    });
                    press(Qt::Key_Return);
                });
                press(Qt::Key_I, Qt::AltModifier);
                // The access key clicks a moment later; the dialogs come and go.
                QTRY_VERIFY_WITH_TIMEOUT(opened.contains(QStringLiteral("dlgSalvesta"))
                                             && QApplication::activeModalWidget() == holidays, 20000);
                press(Qt::Key_Escape);
            });
            QTest::mouseClick(child(calendar, "cmdPühad"), Qt::LeftButton);
            press(Qt::Key_Escape);
        });
        QTest::keyClick(&main, Qt::Key_F4);
    } else if (window == QLatin1String("frmSeaKell")) {
        setting("frmSeaKell", QStringLiteral("120000"));
        QTest::keyClick(&main, Qt::Key_F8);
    } else if (window == QLatin1String("frmSeaKuup")) {
        setting("frmSeaKuup", QStringLiteral("24062004"));
        QTest::keyClick(&main, Qt::Key_F9);
    } else if (window == QLatin1String("frmTKp")) {
        whenModal("frmTKp", [&](QWidget *about) {
            opened << about->objectName();
            shown += collectTexts(about);
            press(Qt::Key_Escape);
        });
        // F1 released on the close button, which has the focus.
        QTest::keyClick(main.closeButton(), Qt::Key_F1);
    }

    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY2(!opened.isEmpty(), "no window was opened");
    const QStringList expected = window == QLatin1String("frmKalender")
        ? QStringList{QStringLiteral("frmKalender"), QStringLiteral("frmPühad"),
                      QStringLiteral("frmSalvestaPühad"), QStringLiteral("dlgSalvesta")}
        : window == QLatin1String("frmSeaKell") || window == QLatin1String("frmSeaKuup")
        ? QStringList{window, QStringLiteral("msgEiSeatud")}
        : window.startsWith(QStringLiteral("frmJuuliusePäev")) || window == QStringLiteral("frmKuupäev")
        ? QStringList{window.section(QLatin1Char(' '), 0, 0), QStringLiteral("QMessageBox")}
        : QStringList{window == QLatin1String("frmAeg") ? QStringLiteral("mnuAbi") : window};
    QCOMPARE(opened, expected);
    QVERIFY(shown.size() > 5);
    verifyEstonian(shown);

    // Esc closes the main window.
    press(Qt::Key_Escape);
    QVERIFY(!main.isVisible());
    if (qEnvironmentVariableIsSet("TUNDRIK_SCREEN_READER_BUS")) {
        QVERIFY2(ListeningReader::listening(), "accessibility is not active on the accessibility bus");
        QVERIFY(ListeningReader::events() > 0);
    }
}

void tst_estonianonly::refusals_data()
{
    QTest::addColumn<bool>("date");
    QTest::addColumn<SetResult::Status>("status");
    for (const bool date : {false, true}) {
        const char *what = date ? "date" : "time";
        QTest::addRow("%s: no permission", what) << date << SetResult::NotAuthorized;
        QTest::addRow("%s: automatic sync", what) << date << SetResult::AutomaticTimeSync;
        QTest::addRow("%s: no service, no right", what) << date << SetResult::NoServiceNoRight;
        QTest::addRow("%s: invalid time", what) << date << SetResult::InvalidTime;
        QTest::addRow("%s: the service's own text", what) << date << SetResult::Failed;
    }
}

// Each refusal of the clock dialogs, through the fake backend: the box and
// its button are Estonian.
void tst_estonianonly::refusals()
{
    QFETCH(bool, date);
    QFETCH(SetResult::Status, status);
    m_clock.setNow(2004, 6, 23, 12, 0, 0, 0, 10800, true);
    FakeClockSetter setter;
    setter.answer = {status, QStringLiteral("ee.tundrik.Viga: katki")};
    std::unique_ptr<QDialog> dialog;
    if (date)
        dialog = std::make_unique<frmSeaKuup>(m_clock, setter, [] {});
    else
        dialog = std::make_unique<frmSeaKell>(m_clock, setter);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

    QList<Shown> shown;
    QString okText;
    whenModal("QMessageBox", [&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        shown += collectTexts(box);
        okText = box->button(QMessageBox::Ok)->text();
        press(Qt::Key_Return);
    });
    type(date ? QStringLiteral("24062004") : QStringLiteral("120000"));
    press(Qt::Key_Return);
    QCOMPARE(setter.requests.size(), 1);
    QCOMPARE(okText, QStringLiteral("Olgu"));
    QVERIFY(dialog->isVisible());
    verifyEstonian(shown);
}

// The menus of texts: the date box keeps the control library's own Estonian
// menu, and the text of a message box offers Qt's menu of a text in Estonian.
void tst_estonianonly::textMenus()
{
    m_clock.setNow(2004, 6, 23, 12, 0, 0, 0, 10800, true);
    FakeClockSetter setter;
    setter.answer = {SetResult::NotAuthorized, QString()};
    frmSeaKuup dialog(m_clock, setter, [] {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    QList<Shown> shown;
    {
        PopupCollector collector(shown);
        rightClick(focusTarget());
        QTRY_COMPARE(collector.menus.size(), 1);
        QCOMPARE(collector.menus.first(),
                 (QStringList{QStringLiteral("Lõika"), QStringLiteral("Kopeeri"), QStringLiteral("Kleebi"),
                              QStringLiteral("Kustuta"), QStringLiteral("Vali kõik")}));
    }

    // The refusal's text can be selected with the mouse (the style makes it
    // so). Qt's menu for a selectable text is the one a QTextEdit builds
    // (QWidgetTextControl's); it speaks Estonian, read-only and editable.
    bool selectable = false;
    whenModal("QMessageBox", [&](QWidget *box) {
        for (QLabel *l : box->findChildren<QLabel *>())
            if (l->text().startsWith(QStringLiteral("Kuupäeva ei seatud")))
                selectable = l->textInteractionFlags() & Qt::TextSelectableByMouse;
        press(Qt::Key_Escape);
    });
    type(QStringLiteral("24062004"));
    press(Qt::Key_Return);
    QVERIFY(selectable);

    QTextEdit text;
    text.setReadOnly(true);
    text.setPlainText(QStringLiteral("Kuupäeva ei seatud."));
    text.selectAll();
    std::unique_ptr<QMenu> menu(text.createStandardContextMenu());
    QStringList items;
    for (QAction *a : menu->actions())
        if (a->isVisible() && !a->isSeparator())
            items << a->text().section(QLatin1Char('\t'), 0, 0);
    QCOMPARE(items, (QStringList{QStringLiteral("&Kopeeri"), QStringLiteral("Vali kõik")}));
    shown += collectTexts(menu.get());

    // An editable one offers the whole menu.
    text.setReadOnly(false);
    menu.reset(text.createStandardContextMenu());
    items.clear();
    for (QAction *a : menu->actions())
        if (a->isVisible() && !a->isSeparator())
            items << a->text().section(QLatin1Char('\t'), 0, 0);
    QCOMPARE(items.mid(0, 7), (QStringList{QStringLiteral("&Võta tagasi"), QStringLiteral("&Tee uuesti"),
                                           QStringLiteral("&Lõika"), QStringLiteral("&Kopeeri"),
                                           QStringLiteral("Kl&eebi"), QStringLiteral("Kustuta"),
                                           QStringLiteral("Vali kõik")}));
    shown += collectTexts(menu.get());
    verifyEstonian(shown);
}

void tst_estonianonly::everyTextQtAskedForIsInTheCatalog()
{
    QStringList missing;
    for (const auto &[context, source] : std::as_const(m_recorder.requests)) {
        if (ownContexts.contains(context))
            continue;
        if (m_compiled.translate(context.toUtf8().constData(), source.toUtf8().constData()).isEmpty())
            missing << context + QStringLiteral(": \"") + source + QStringLiteral("\"");
    }
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the catalog:\n") + missing.join(QLatin1Char('\n'))));
    // The windows above did ask for the texts this test is about.
    QVERIFY(m_recorder.requests.contains({QStringLiteral("QPlatformTheme"), QStringLiteral("&Yes")}));
}

int main(int argc, char *argv[])
{
    // Before any thread starts, so none keeps the right.
    if (!dropClockRight()) {
        std::fprintf(stderr, "cannot give up the right to set the clock\n");
        return 1;
    }
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    tst_estonianonly test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_estonianonly.moc"

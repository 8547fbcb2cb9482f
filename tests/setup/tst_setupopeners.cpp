// SPDX-License-Identifier: GPL-3.0-or-later
// The main window opens the three windows of this folder: "Sea kellaaeg" (F8),
// "Sea kuupäev" (F9), "  &Programmist  " and F1 released on its close button.
// Opening a setting dialog reaches for the system bus; here that is a private
// bus started by the test, and no test presses "&Sea".
#include "fakeclock.h"
#include "privatebus.h"

#include "forms.h"
#include "frmaeg.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs check on the first modal window that opens, then presses Esc in it as
// soon as it is the active window.
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(std::function<void(QWidget *)> check) : m_check(std::move(check))
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || QApplication::activeWindow() != modal)
                return;
            if (!seen) {
                seen = modal->objectName();
                m_check(modal);
            }
            if (++m_escapes > 20) { // the window does not close: stop the test's wait
                modal->close();
                return;
            }
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : modal, Qt::Key_Escape);
        });
        m_timer.start();
    }

    std::optional<QString> seen;
    // Esc presses it took to close the window (1 when Esc closes it at once).
    int escapes() const { return m_escapes; }

private:
    std::function<void(QWidget *)> m_check;
    QTimer m_timer;
    int m_escapes = 0;
};

} // namespace

class tst_setupopeners : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void opens_data();
    void opens();
    void aboutFromF1OnCloseButton();

private:
    PrivateBus m_bus;
    bool m_busUp = false;
    QString m_busError;
    tundrik::FakeClock m_clock;
};

void tst_setupopeners::initTestCase()
{
    forms::installFontSubstitutions();
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
    m_busUp = m_bus.start(&m_busError);
    if (m_busUp)
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address().toUtf8());
    m_clock.setNow(2026, 12, 7, 14, 5, 9);
}

void tst_setupopeners::cleanupTestCase()
{
    m_bus.stop();
}

void tst_setupopeners::opens_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("needsBus");

    QTest::newRow("Sea kellaaeg, F8") << "mnuSeadedSeaKell" << int(Qt::Key_F8) << "frmSeaKell" << true;
    QTest::newRow("Sea kuupäev, F9") << "mnuSeadedSeaKuup" << int(Qt::Key_F9) << "frmSeaKuup" << true;
    QTest::newRow("Programmist") << "mnuProgrammist" << 0 << "frmTKp" << false;
}

void tst_setupopeners::opens()
{
    QFETCH(QString, action);
    QFETCH(int, key);
    QFETCH(QString, window);
    QFETCH(bool, needsBus);
    if (needsBus && !m_busUp)
        QSKIP(qPrintable(QStringLiteral("no private bus: ") + m_busError));

    frmAeg main(m_clock);
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    QStringList texts;
    QWidget *parent = nullptr;
    ModalWatcher watcher([&](QWidget *w) {
        parent = w->parentWidget();
        for (const char *name : {"lblKuupäev", "lblVersioon"})
            if (auto *l = w->findChild<QLabel *>(QString::fromUtf8(name)))
                texts << l->text();
    });
    if (key)
        QTest::keyClick(&main, Qt::Key(key));
    else
        main.findChild<QAction *>(action)->trigger();

    QCOMPARE(watcher.seen, std::optional<QString>(window));
    QCOMPARE(watcher.escapes(), 1);
    QCOMPARE(parent, &main);
    QVERIFY(!QApplication::activeModalWidget());
    if (window == QLatin1String("frmSeaKuup"))
        QCOMPARE(texts, QStringList{QStringLiteral("07.12.2026")});
    if (window == QLatin1String("frmTKp"))
        QCOMPARE(texts, QStringList{QStringLiteral("Versioon:  3.03.2004")});
    if (needsBus) {
        // The program's backend took the bus of this test, never the machine's own.
        const QString self = QDBusConnection::systemBus().baseService();
        QVERIFY(!self.isEmpty());
        QVERIFY(m_bus.connection().interface()->isServiceRegistered(self));
    }
}

void tst_setupopeners::aboutFromF1OnCloseButton()
{
    frmAeg main(m_clock);
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QPushButton *close = main.closeButton();
    QCOMPARE(QApplication::focusWidget(), close);
    ModalWatcher watcher([](QWidget *) {});
    QTest::keyPress(close, Qt::Key_F1);
    QTest::keyRelease(close, Qt::Key_F1);
    QCOMPARE(watcher.seen, std::optional<QString>(QStringLiteral("frmTKp")));
    QCOMPARE(watcher.escapes(), 1);
    QVERIFY(main.isVisible());
}

int main(int argc, char *argv[])
{
    // Until the test's own bus runs, "the system bus" is a socket nobody listens on.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/tundrik-test-no-bus");
    QApplication app(argc, argv);
    tst_setupopeners test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_setupopeners.moc"

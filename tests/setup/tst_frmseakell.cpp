// SPDX-License-Identifier: GPL-3.0-or-later
// The set-time dialog driven like a user: typing into the time box, Enter,
// Esc, a refusal of the system, the ticking current time, the drag off
// "&Loobu", and the whole way to a fake time service on a private bus.
#include "fakeclock.h"
#include "privatebus.h"
#include "setuptestsupport.h"
#include <QAccessible>

#include "frmseakell.h"
#include "systemclocksetter.h"

#include "forms.h"

#include <tundkast/tkkellakast.h>

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using setup::SetResult;

Q_DECLARE_METATYPE(SetResult::Status)

namespace {

int refusedClockSets = 0;
// The kernel clock-setting call the dialogs' backend gets here: it refuses and counts.
int refuseClockSet(clockid_t, const timespec *)
{
    ++refusedClockSets;
    errno = EPERM;
    return -1;
}

} // namespace

class tst_frmseakell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void layout();
    void partialTimeLeavesSeaDisabled_data();
    void partialTimeLeavesSeaDisabled();
    void enterInCompleteBoxSetsAndCloses();
    void enterOnSeaAfterFullChange();
    void escChangesNothing();
    void seaIsTheDefaultWhileEnabled();
    void enterOnLoobuCancels();
    void refusalKeepsDialog_data();
    void refusalKeepsDialog();
    void clockLabelTicksOncePerSecond();
    void dragOffLoobu();
    void placement();

    void throughTimeService();
    void timeServiceRefuses();

private:
    // Shows the dialog and waits until it has the focus.
    bool open(frmSeaKell &dialog);
    QPushButton *sea(frmSeaKell &d) { return d.findChild<QPushButton *>(QStringLiteral("cmdSea")); }
    TKKellaKast *box(frmSeaKell &d) { return d.findChild<TKKellaKast *>(QStringLiteral("tklKell")); }

    tundrik::FakeClock m_clock;
    FakeClockSetter m_setter;
    PrivateBus m_bus;
    bool m_busUp = false;
    QString m_busError;
};

void tst_frmseakell::initTestCase()
{
    qputenv("TZ", "Europe/Tallinn");
    forms::installFontSubstitutions();
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
    m_busUp = m_bus.start(&m_busError);
    if (m_busUp)
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address().toUtf8());
}

void tst_frmseakell::cleanupTestCase()
{
    m_bus.stop();
}

void tst_frmseakell::init()
{
    // Thursday 1 July 2004, 10:20:30 local summer time.
    m_clock.setNow(2004, 7, 1, 10, 20, 30, 0, 10800, true);
    m_setter = FakeClockSetter();
}

bool tst_frmseakell::open(frmSeaKell &dialog)
{
    dialog.show();
    return QTest::qWaitForWindowActive(&dialog);
}

void tst_frmseakell::layout()
{
    frmSeaKell dialog(m_clock, m_setter);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmSeaKell"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Sea kellaaeg"));
    // The controls' places: tst_formlayout.
    QVERIFY(dialog.findChild<QObject *>(QStringLiteral("tmrKell")));
    auto *loobu = dialog.findChild<QPushButton *>(QStringLiteral("cmdLoobu"));
    QCOMPARE(loobu->text(), QStringLiteral("&Loobu"));
    QCOMPARE(loobu->toolTip(), QStringLiteral(" Sule aken ilma salvestamata (Esc) "));
    QCOMPARE(sea(dialog)->text(), QStringLiteral("&Sea"));
    QCOMPARE(sea(dialog)->toolTip(), QStringLiteral(" Salvesta uus kellaaeg (Enter) "));
    QVERIFY(!sea(dialog)->isEnabled());
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("lblKell"))->text(), QStringLiteral("10:20:30"));
}

void tst_frmseakell::partialTimeLeavesSeaDisabled_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("hour only") << "12" << false;
    QTest::newRow("hour and minute") << "1230" << false;
    QTest::newRow("one digit of the second") << "12305" << true;
    QTest::newRow("complete") << "123059" << true;
    QTest::newRow("over 23 discarded") << "2" "4" << false;
}

void tst_frmseakell::partialTimeLeavesSeaDisabled()
{
    QFETCH(QString, keys);
    QFETCH(bool, enabled);
    frmSeaKell dialog(m_clock, m_setter);
    QVERIFY(open(dialog));
    typeIntoFocus(keys);
    QCOMPARE(sea(dialog)->isEnabled(), enabled);
    QVERIFY(m_setter.requests.isEmpty());
    // Enter in an incomplete box does nothing at all.
    if (!enabled) {
        pressKeyInFocus(Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QVERIFY(m_setter.requests.isEmpty());
    }
}

// Hour and minute complete, the second typed as one digit: Enter in the box
// sets 12:00:05 of today's date and closes the dialog.
void tst_frmseakell::enterInCompleteBoxSetsAndCloses()
{
    frmSeaKell dialog(m_clock, m_setter);
    QVERIFY(open(dialog));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    typeIntoFocus(QStringLiteral("12005"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtSekund"));
    pressKeyInFocus(Qt::Key_Return);

    QCOMPARE(accepted.size(), 1);
    QVERIFY(!dialog.isVisible());
    // 12:00:05 in Tallinn in summer is 09:00:05 UTC.
    QCOMPARE(m_setter.requests, QList<qint64>{utcMicros(2004, 7, 1, 9, 0, 5)});
}

// "Sea" is the default button (what Enter presses) exactly while it can
// set; "Loobu" never is, not even with the focus on it.
void tst_frmseakell::seaIsTheDefaultWhileEnabled()
{
    frmSeaKell dialog(m_clock, m_setter);
    QVERIFY(open(dialog));
    auto *loobu = dialog.findChild<QPushButton *>(QStringLiteral("cmdLoobu"));
    QVERIFY(!sea(dialog)->isDefault());
    QVERIFY(!loobu->isDefault());
    typeIntoFocus(QStringLiteral("12005"));
    QVERIFY(sea(dialog)->isDefault());
    loobu->setFocus(Qt::TabFocusReason);
    QVERIFY(!loobu->isDefault());
    QVERIFY(sea(dialog)->isDefault());
    QVERIFY(QAccessible::queryAccessibleInterface(sea(dialog))->state().defaultButton);
    box(dialog)->setFocus(Qt::TabFocusReason);
    pressKeyInFocus(Qt::Key_Backspace);
    pressKeyInFocus(Qt::Key_Backspace);
    QVERIFY(!sea(dialog)->isEnabled());
    QVERIFY(!sea(dialog)->isDefault());
    QVERIFY(m_setter.requests.isEmpty());
}

// Enter with the focus on "&Loobu" closes the dialog without a change, though
// "&Sea" is the default button.
void tst_frmseakell::enterOnLoobuCancels()
{
    frmSeaKell dialog(m_clock, m_setter);
    QVERIFY(open(dialog));
    typeIntoFocus(QStringLiteral("123059"));
    QVERIFY(sea(dialog)->isDefault());
    auto *loobu = dialog.findChild<QPushButton *>(QStringLiteral("cmdLoobu"));
    loobu->setFocus(Qt::TabFocusReason);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::keyClick(loobu, Qt::Key_Return);
    QCOMPARE(rejected.size(), 1);
    QCOMPARE(accepted.size(), 0);
    QVERIFY(m_setter.requests.isEmpty());
}

// The complete time moves the focus to "&Sea"; Enter there presses it.
void tst_frmseakell::enterOnSeaAfterFullChange()
{
    m_clock.setNow(2004, 1, 15, 23, 59, 59, 500, 7200, false);
    frmSeaKell dialog(m_clock, m_setter);
    QVERIFY(open(dialog));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    typeIntoFocus(QStringLiteral("120000"));
    QCOMPARE(QApplication::focusWidget(), sea(dialog));
    pressKeyInFocus(Qt::Key_Return);
    QCOMPARE(accepted.size(), 1);
    // Winter: 12:00:00 local is 10:00:00 UTC; the date stays 15.01.2004.
    QCOMPARE(m_setter.requests, QList<qint64>{utcMicros(2004, 1, 15, 10, 0, 0)});
}

void tst_frmseakell::escChangesNothing()
{
    frmSeaKell dialog(m_clock, m_setter);
    QVERIFY(open(dialog));
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    typeIntoFocus(QStringLiteral("12000"));
    pressKeyInFocus(Qt::Key_Escape);
    QCOMPARE(rejected.size(), 1);
    QVERIFY(!dialog.isVisible());
    QVERIFY(m_setter.requests.isEmpty());
}

void tst_frmseakell::refusalKeepsDialog_data()
{
    QTest::addColumn<SetResult::Status>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("no permission") << SetResult::NotAuthorized << "puudub luba";
    QTest::newRow("automatic sync") << SetResult::AutomaticTimeSync << "automaatne ajasünkroonimine";
    QTest::newRow("no service, no right") << SetResult::NoServiceNoRight << "ajateenus ei vasta";
    QTest::newRow("service's own text") << SetResult::Failed << "Süsteemi teade: x.Failed: katki";
}

void tst_frmseakell::refusalKeepsDialog()
{
    QFETCH(SetResult::Status, status);
    QFETCH(QString, says);
    m_setter.answer = {status, QStringLiteral("x.Failed: katki")};
    frmSeaKell dialog(m_clock, m_setter);
    QVERIFY(open(dialog));
    QSignalSpy finished(&dialog, &QDialog::finished);
    MessageBoxAnswerer answerer;

    typeIntoFocus(QStringLiteral("081500"));
    pressKeyInFocus(Qt::Key_Return);

    QCOMPARE(answerer.titles, QStringList{QStringLiteral("Tundrik")});
    QVERIFY2(answerer.texts.first().startsWith(QStringLiteral("Kellaaega ei seatud")), qPrintable(answerer.texts.first()));
    QVERIFY2(answerer.texts.first().contains(says), qPrintable(answerer.texts.first()));
    QCOMPARE(m_setter.requests.size(), 1);
    // The dialog stays with the typed time, ready for another try.
    QCOMPARE(finished.size(), 0);
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.isEnabled());
    QCOMPARE(box(dialog)->TKKell(), QVariant(QStringLiteral("08:15:00")));
    QVERIFY(sea(dialog)->isEnabled());

    // Once the system agrees, the next press sets the time and closes.
    m_setter.answer = {SetResult::Set, QString()};
    QTest::mouseClick(sea(dialog), Qt::LeftButton);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(answerer.texts.size(), 1);
    QCOMPARE(m_setter.requests.size(), 2);
    QCOMPARE(m_setter.requests.last(), utcMicros(2004, 7, 1, 5, 15, 0));
}

void tst_frmseakell::clockLabelTicksOncePerSecond()
{
    frmSeaKell dialog(m_clock, m_setter);
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("lblKell"));
    QStringList shown{label->text()};
    // Two seconds of ticks 40 ms apart from 10:20:30.000: the label changes
    // only at the turn of a second, however often the dialog is woken.
    for (int i = 0; i < 50; ++i) {
        m_clock.advance(40);
        dialog.tick();
        if (label->text() != shown.last())
            shown << label->text();
    }
    QCOMPARE(shown, (QStringList{QStringLiteral("10:20:30"), QStringLiteral("10:20:31"),
                                 QStringLiteral("10:20:32")}));
}

void tst_frmseakell::dragOffLoobu()
{
    frmSeaKell dialog(m_clock, m_setter);
    QVERIFY(open(dialog));
    auto *loobu = dialog.findChild<QPushButton *>(QStringLiteral("cmdLoobu"));
    const auto dragOff = [loobu] {
        QTest::mousePress(loobu, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), loobu);
        QMouseEvent inside(QEvent::MouseMove, QPointF(3, 3), loobu->mapToGlobal(QPointF(3, 3)),
                           Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(loobu, &inside);
        QCOMPARE(QApplication::focusWidget(), loobu);
        const QPointF out(loobu->width() + 2, 3);
        QMouseEvent outside(QEvent::MouseMove, out, loobu->mapToGlobal(out), Qt::NoButton,
                            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(loobu, &outside);
        QTest::mouseRelease(loobu, Qt::LeftButton, {}, out.toPoint());
    };

    // "&Sea" disabled: the focus goes to the time box, its first empty field.
    dragOff();
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtTund"));
    QVERIFY(dialog.isVisible());

    // "&Sea" enabled: the focus goes to it.
    typeIntoFocus(QStringLiteral("010203"));
    QVERIFY(sea(dialog)->isEnabled());
    dragOff();
    QCOMPARE(QApplication::focusWidget(), sea(dialog));
    QVERIFY(dialog.isVisible());
    QVERIFY(m_setter.requests.isEmpty());
}

void tst_frmseakell::placement()
{
    frmSeaKell dialog(m_clock, m_setter);
    const QRect mainFrame(100, 50, 460, 420);
    dialog.placeOver(mainFrame);
    QCOMPARE(dialog.pos(), QPoint(460 / 2 + 100 - dialog.width() / 2 - 1,
                                  420 / 2 + 50 - dialog.height() * 4 / 7));
}

// The whole way: the dialog, the backend and a fake time service on a private
// bus, which records the exact microseconds it was sent.
void tst_frmseakell::throughTimeService()
{
    if (!m_busUp)
        QSKIP(qPrintable(QStringLiteral("no private bus: ") + m_busError));
    QString error;
    QVERIFY2(m_bus.startFakeTimedate(QStringLiteral(FAKE_TIMEDATED), &error), qPrintable(error));
    setup::TimedateClockSetter backend(m_bus.connection(), &refuseClockSet);

    frmSeaKell dialog(m_clock, backend);
    QVERIFY(open(dialog));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    typeIntoFocus(QStringLiteral("120000"));
    pressKeyInFocus(Qt::Key_Return);
    QCOMPARE(accepted.size(), 1);
    QCOMPARE(m_bus.calls(), QStringList{QStringLiteral("%1 0 1").arg(utcMicros(2004, 7, 1, 9, 0, 0))});
    QCOMPARE(refusedClockSets, 0);
    m_bus.stopFakeTimedate();
}

void tst_frmseakell::timeServiceRefuses()
{
    if (!m_busUp)
        QSKIP(qPrintable(QStringLiteral("no private bus: ") + m_busError));
    // Each refusal's sorting is tested with the backend; here the dialog's side.
    QString error;
    QVERIFY2(m_bus.startFakeTimedate(QStringLiteral(FAKE_TIMEDATED), &error), qPrintable(error));
    m_bus.refuse(QStringLiteral("org.freedesktop.PolicyKit1.Error.NotAuthorized"),
                 QStringLiteral("Kella ei saanud seada"));
    setup::TimedateClockSetter backend(m_bus.connection(), &refuseClockSet);

    frmSeaKell dialog(m_clock, backend);
    QVERIFY(open(dialog));
    QSignalSpy finished(&dialog, &QDialog::finished);
    MessageBoxAnswerer answerer;
    typeIntoFocus(QStringLiteral("235959"));
    pressKeyInFocus(Qt::Key_Return);

    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY2(answerer.texts.first().contains(QStringLiteral("puudub luba")), qPrintable(answerer.texts.first()));
    QCOMPARE(finished.size(), 0);
    QCOMPARE(box(dialog)->TKKell(), QVariant(QStringLiteral("23:59:59")));
    QCOMPARE(m_bus.calls(), QStringList{QStringLiteral("%1 0 1").arg(utcMicros(2004, 7, 1, 20, 59, 59))});
    m_bus.stopFakeTimedate();
}

QTEST_MAIN(tst_frmseakell)
#include "tst_frmseakell.moc"

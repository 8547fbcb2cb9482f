// SPDX-License-Identifier: GPL-3.0-or-later
// The set-date dialog driven like a user: typing into the date box, Enter,
// Esc, dates before the Gregorian reform, a refusal of the system, the main
// window's new day, and the whole way to a fake time service on a private bus.
#include "fakeclock.h"
#include "privatebus.h"
#include "setuptestsupport.h"

#include "frmseakuup.h"
#include "systemclocksetter.h"

#include "forms.h"
#include "frmaeg.h"

#include <tundkast/tkkuupkast.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using setup::SetResult;

namespace {

int refusedClockSets = 0;
int refuseClockSet(clockid_t, const timespec *)
{
    ++refusedClockSets;
    errno = EPERM;
    return -1;
}

} // namespace

class tst_frmseakuup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void layout();
    void incompleteOrInvalidLeavesSeaDisabled_data();
    void incompleteOrInvalidLeavesSeaDisabled();
    void enterSetsDateKeepingTimeOfDay();
    void beforeGregorianReform();
    void escChangesNothing();
    void refusalKeepsDialog();
    void mainWindowShowsNewDateAtOnce();
    void placement();

    void throughTimeService();
    void timeServiceRefuses();

private:
    bool open(frmSeaKuup &dialog);
    QPushButton *sea(frmSeaKuup &d) { return d.findChild<QPushButton *>(QStringLiteral("cmdSea")); }
    TKKuupKast *box(frmSeaKuup &d) { return d.findChild<TKKuupKast *>(QStringLiteral("tkpKuupäev")); }

    tundrik::FakeClock m_clock;
    FakeClockSetter m_setter;
    int m_newDays = 0;
    PrivateBus m_bus;
    bool m_busUp = false;
    QString m_busError;
};

void tst_frmseakuup::initTestCase()
{
    qputenv("TZ", "Europe/Tallinn");
    forms::installFontSubstitutions();
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));
    m_busUp = m_bus.start(&m_busError);
    if (m_busUp)
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address().toUtf8());
}

void tst_frmseakuup::cleanupTestCase()
{
    m_bus.stop();
}

void tst_frmseakuup::init()
{
    // Monday 7 December 2026, 08:15:30.250 local winter time.
    m_clock.setNow(2026, 12, 7, 8, 15, 30, 250);
    m_setter = FakeClockSetter();
    m_newDays = 0;
}

bool tst_frmseakuup::open(frmSeaKuup &dialog)
{
    dialog.show();
    return QTest::qWaitForWindowActive(&dialog);
}

void tst_frmseakuup::layout()
{
    frmSeaKuup dialog(m_clock, m_setter, {});
    QCOMPARE(dialog.objectName(), QStringLiteral("frmSeaKuup"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Sea kuupäev"));
    // The controls' places: tst_formlayout.
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("lblKuupäev"))->text(), QStringLiteral("07.12.2026"));
    auto *loobu = dialog.findChild<QPushButton *>(QStringLiteral("cmdLoobu"));
    QCOMPARE(loobu->text(), QStringLiteral("&Loobu"));
    QCOMPARE(loobu->toolTip(), QStringLiteral(" Sule aken ilma salvestamata (Esc) "));
    QCOMPARE(sea(dialog)->text(), QStringLiteral("&Sea"));
    QCOMPARE(sea(dialog)->toolTip(), QStringLiteral(" Salvesta kuupäev (Enter) "));
    QVERIFY(!sea(dialog)->isEnabled());
    QCOMPARE(box(dialog)->TKAastaMiinimum(), 100);
    QCOMPARE(box(dialog)->TKAastaMaksimum(), 2299);
}

void tst_frmseakuup::incompleteOrInvalidLeavesSeaDisabled_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("day and month") << "0107" << false;
    QTest::newRow("one digit of the year") << "01072" << false;
    QTest::newRow("year 200") << "0107200" << true;
    QTest::newRow("complete") << "01072004" << true;
    QTest::newRow("31 April") << "31042004" << false;
    QTest::newRow("29 February 1900") << "29021900" << false;
    QTest::newRow("29 February 1700") << "29021700" << false;
    QTest::newRow("29 February 1500") << "29021500" << false;
    QTest::newRow("29 February 2000") << "29022000" << true;
    QTest::newRow("year 2299, the maximum") << "31122299" << true;
    QTest::newRow("year 99 below the minimum") << "010199" << false;
}

void tst_frmseakuup::incompleteOrInvalidLeavesSeaDisabled()
{
    QFETCH(QString, keys);
    QFETCH(bool, enabled);
    frmSeaKuup dialog(m_clock, m_setter, [this] { ++m_newDays; });
    QVERIFY(open(dialog));
    typeIntoFocus(keys);
    QCOMPARE(sea(dialog)->isEnabled(), enabled);
    QVERIFY(m_setter.requests.isEmpty());
    if (!enabled) {
        pressKeyInFocus(Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QVERIFY(m_setter.requests.isEmpty());
    }
    QCOMPARE(m_newDays, 0);
}

// The date box's complete date moves the focus to "&Sea"; Enter presses it.
// The time of day stays 08:15:30.250; in summer Tallinn is UTC+3.
void tst_frmseakuup::enterSetsDateKeepingTimeOfDay()
{
    frmSeaKuup dialog(m_clock, m_setter, [this] { ++m_newDays; });
    QVERIFY(open(dialog));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    typeIntoFocus(QStringLiteral("01072004"));
    QCOMPARE(QApplication::focusWidget(), sea(dialog));
    pressKeyInFocus(Qt::Key_Return);
    QCOMPARE(accepted.size(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_setter.requests, QList<qint64>{utcMicros(2004, 7, 1, 5, 15, 30, 250)});
    QCOMPARE(m_newDays, 1);
}

// A date before 15.10.1582 is set as the box holds it.
void tst_frmseakuup::beforeGregorianReform()
{
    frmSeaKuup dialog(m_clock, m_setter, [this] { ++m_newDays; });
    QVERIFY(open(dialog));
    bool beforeReform = false;
    connect(box(dialog), &TKKuupKast::TKChange, this, [&](bool before, bool) { beforeReform = before; });
    typeIntoFocus(QStringLiteral("04101582"));
    QVERIFY(beforeReform);
    QVERIFY(sea(dialog)->isEnabled());
    QTest::mouseClick(sea(dialog), Qt::LeftButton);
    QCOMPARE(m_setter.requests.size(), 1);
    const QDateTime sent = QDateTime::fromMSecsSinceEpoch(m_setter.requests.first() / 1000, Qt::LocalTime);
    QCOMPARE(sent.date(), QDate(1582, 10, 4));
    QCOMPARE(sent.time(), QTime(8, 15, 30, 250));
    QCOMPARE(m_newDays, 1);
}

void tst_frmseakuup::escChangesNothing()
{
    frmSeaKuup dialog(m_clock, m_setter, [this] { ++m_newDays; });
    QVERIFY(open(dialog));
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    typeIntoFocus(QStringLiteral("01072004"));
    pressKeyInFocus(Qt::Key_Escape);
    QCOMPARE(rejected.size(), 1);
    QVERIFY(m_setter.requests.isEmpty());
    QCOMPARE(m_newDays, 0);
}

void tst_frmseakuup::refusalKeepsDialog()
{
    m_setter.answer = {SetResult::NotAuthorized, QStringLiteral("org.freedesktop.DBus.Error.AccessDenied")};
    frmSeaKuup dialog(m_clock, m_setter, [this] { ++m_newDays; });
    QVERIFY(open(dialog));
    QSignalSpy finished(&dialog, &QDialog::finished);
    MessageBoxAnswerer answerer;
    typeIntoFocus(QStringLiteral("24022018"));
    pressKeyInFocus(Qt::Key_Return);

    QCOMPARE(answerer.titles, QStringList{QStringLiteral("Tundrik")});
    QVERIFY2(answerer.texts.first().startsWith(QStringLiteral("Kuupäeva ei seatud")), qPrintable(answerer.texts.first()));
    QVERIFY(answerer.texts.first().contains(QStringLiteral("puudub luba")));
    QCOMPARE(finished.size(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_newDays, 0);
    QCOMPARE(box(dialog)->TKKuupaev(), double(QDate(1899, 12, 30).daysTo(QDate(2018, 2, 24))));
    QVERIFY(sea(dialog)->isEnabled());
}

// After "&Sea" the main window's date line and day of year show the new date
// at once. The fake backend moves the fake clock as the system clock would move.
void tst_frmseakuup::mainWindowShowsNewDateAtOnce()
{
    frmAeg main(m_clock);
    auto *dateLine = main.findChild<QLabel *>(QStringLiteral("lblKuupäev"));
    auto *dayOfYear = main.findChild<QLabel *>(QStringLiteral("lblPäevaNr"));
    QVERIFY(dateLine && dayOfYear);
    QCOMPARE(dayOfYear->text(), QStringLiteral("341. päev"));
    const QString before = dateLine->text();

    m_setter.onSet = [this](qint64 micros) {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(micros / 1000, Qt::LocalTime);
        m_clock.setNow(local.date().year(), local.date().month(), local.date().day(),
                       local.time().hour(), local.time().minute(), local.time().second(),
                       local.time().msec(), local.offsetFromUtc(), local.isDaylightTime());
    };
    frmSeaKuup dialog(m_clock, m_setter, [&main] { main.UusPaev(); }, &main);
    QVERIFY(open(dialog));
    typeIntoFocus(QStringLiteral("29022004"));
    pressKeyInFocus(Qt::Key_Return);
    QVERIFY(!dialog.isVisible());

    QCOMPARE(dayOfYear->text(), QStringLiteral("60. päev"));
    QVERIFY(dateLine->text() != before);
    QCOMPARE(dateLine->text().trimmed(), QStringLiteral("Pühapäev, 29. veebruar"));
}

void tst_frmseakuup::placement()
{
    frmSeaKuup dialog(m_clock, m_setter, {});
    dialog.placeOver(QRect(100, 50, 460, 420));
    QCOMPARE(dialog.pos(), QPoint(460 / 2 + 100 - dialog.width() / 2, 420 / 2 + 50 - dialog.height() * 4 / 7));
}

void tst_frmseakuup::throughTimeService()
{
    if (!m_busUp)
        QSKIP(qPrintable(QStringLiteral("no private bus: ") + m_busError));
    QString error;
    QVERIFY2(m_bus.startFakeTimedate(QStringLiteral(FAKE_TIMEDATED), &error), qPrintable(error));
    setup::TimedateClockSetter backend(m_bus.connection(), &refuseClockSet);
    m_clock.setNow(2026, 12, 7, 12, 0, 0, 0);

    frmSeaKuup dialog(m_clock, backend, [this] { ++m_newDays; });
    QVERIFY(open(dialog));
    typeIntoFocus(QStringLiteral("01072004"));
    pressKeyInFocus(Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    // 12:00:00 local on 1.7.2004 is 09:00 UTC.
    QCOMPARE(m_bus.calls(), QStringList{QStringLiteral("%1 0 1").arg(utcMicros(2004, 7, 1, 9, 0, 0))});
    QCOMPARE(m_newDays, 1);
    QCOMPARE(refusedClockSets, 0);
    m_bus.stopFakeTimedate();
}

void tst_frmseakuup::timeServiceRefuses()
{
    if (!m_busUp)
        QSKIP(qPrintable(QStringLiteral("no private bus: ") + m_busError));
    QString error;
    QVERIFY2(m_bus.startFakeTimedate(QStringLiteral(FAKE_TIMEDATED), &error), qPrintable(error));
    m_bus.refuse(QStringLiteral("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"),
                 QStringLiteral("Automatic time synchronization is enabled"));
    setup::TimedateClockSetter backend(m_bus.connection(), &refuseClockSet);

    frmSeaKuup dialog(m_clock, backend, [this] { ++m_newDays; });
    QVERIFY(open(dialog));
    MessageBoxAnswerer answerer;
    typeIntoFocus(QStringLiteral("01072004"));
    pressKeyInFocus(Qt::Key_Return);
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY2(answerer.texts.first().contains(QStringLiteral("automaatne ajasünkroonimine välja")),
             qPrintable(answerer.texts.first()));
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_newDays, 0);
    QCOMPARE(m_bus.calls().size(), 1);
    m_bus.stopFakeTimedate();
}

QTEST_MAIN(tst_frmseakuup)
#include "tst_frmseakuup.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The clock-setting backend: local time to UTC through the time zone, the
// call to the time service on a private bus with a fake service, the sorting
// of its refusals, and the fallback to the kernel call through a fake function.
// No test here can reach the machine's clock or its system bus.
#include "privatebus.h"
#include "setuptestsupport.h"

#include "systemclocksetter.h"

#include <QCoreApplication>
#include <QTest>

#include <cerrno>

using setup::SetResult;
using setup::TimedateClockSetter;

namespace {

// The stand-in for the kernel clock-setting call: records and answers as told.
struct FakeSetClock {
    static inline QList<timespec> calls;
    static inline QList<clockid_t> clocks;
    static inline int error = 0;

    static int set(clockid_t clock, const timespec *ts)
    {
        clocks.append(clock);
        calls.append(*ts);
        if (error) {
            errno = error;
            return -1;
        }
        return 0;
    }
    static void reset()
    {
        calls.clear();
        clocks.clear();
        error = 0;
    }
};

} // namespace

Q_DECLARE_METATYPE(SetResult::Status)

class tst_systemclocksetter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void localToUtc_data();
    void localToUtc();

    void busErrors_data();
    void busErrors();

    void fallbackWithoutBus_data();
    void fallbackWithoutBus();
    void fallbackWithoutService();
    void noFallbackFunction();

    void setTimeCall();
    void refusals_data();
    void refusals();

    void refusalTexts_data();
    void refusalTexts();

private:
    PrivateBus m_bus;
    bool m_busUp = false;
    QString m_busError;
};

void tst_systemclocksetter::initTestCase()
{
    qputenv("TZ", "Europe/Tallinn");
    m_busUp = m_bus.start(&m_busError);
    if (m_busUp) {
        // Anything that asks for "the system bus" in this process finds the private one.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.address().toUtf8());
    }
}

void tst_systemclocksetter::cleanupTestCase()
{
    m_bus.stop();
}

void tst_systemclocksetter::init()
{
    FakeSetClock::reset();
}

void tst_systemclocksetter::localToUtc_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("summer noon") << QDate(2004, 7, 1) << QTime(12, 0, 0)
                                 << utcMicros(2004, 7, 1, 9, 0, 0);
    QTest::newRow("winter noon") << QDate(2004, 1, 15) << QTime(12, 0, 0)
                                 << utcMicros(2004, 1, 15, 10, 0, 0);
    QTest::newRow("milliseconds kept") << QDate(2026, 12, 7) << QTime(23, 59, 59, 999)
                                       << utcMicros(2026, 12, 7, 21, 59, 59, 999);
    QTest::newRow("local midnight is the day before in UTC") << QDate(2005, 1, 1) << QTime(0, 0, 0)
                                                             << utcMicros(2004, 12, 31, 22, 0, 0);
    QTest::newRow("last summer-time hour") << QDate(2004, 10, 31) << QTime(2, 30, 0)
                                           << utcMicros(2004, 10, 30, 23, 30, 0);
    QTest::newRow("before 1970") << QDate(1969, 12, 31) << QTime(23, 0, 0)
                                 << utcMicros(1969, 12, 31, 20, 0, 0);
}

void tst_systemclocksetter::localToUtc()
{
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(qint64, expected);
    const std::optional<qint64> utc = setup::localToUtcMicroseconds(date, time);
    QVERIFY(utc);
    QCOMPARE(*utc, expected);
}

void tst_systemclocksetter::busErrors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("noService");
    QTest::addColumn<SetResult::Status>("status");

    const auto noService = [](const char *name) {
        QTest::newRow(name) << QString::fromLatin1(name) << true << SetResult::Failed;
    };
    noService("org.freedesktop.DBus.Error.ServiceUnknown");
    noService("org.freedesktop.DBus.Error.NameHasNoOwner");
    noService("org.freedesktop.DBus.Error.NoServer");
    noService("org.freedesktop.DBus.Error.Disconnected");
    noService("org.freedesktop.DBus.Error.Spawn.ChildExited");

    const auto refusal = [](const char *name, SetResult::Status status) {
        QTest::newRow(name) << QString::fromLatin1(name) << false << status;
    };
    refusal("org.freedesktop.DBus.Error.AccessDenied", SetResult::NotAuthorized);
    refusal("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired", SetResult::NotAuthorized);
    refusal("org.freedesktop.PolicyKit1.Error.NotAuthorized", SetResult::NotAuthorized);
    refusal("org.freedesktop.PolicyKit1.Error.Cancelled", SetResult::NotAuthorized);
    refusal("org.freedesktop.timedate1.AutomaticTimeSyncEnabled", SetResult::AutomaticTimeSync);
    refusal("org.freedesktop.DBus.Error.InvalidArgs", SetResult::InvalidTime);
    refusal("org.freedesktop.DBus.Error.NoReply", SetResult::Failed);
    refusal("org.freedesktop.DBus.Error.UnknownMethod", SetResult::Failed);
    refusal("com.example.Whatever", SetResult::Failed);
}

void tst_systemclocksetter::busErrors()
{
    QFETCH(QString, name);
    QFETCH(bool, noService);
    QFETCH(SetResult::Status, status);
    const std::optional<SetResult::Status> got = setup::statusOfBusError(name);
    QCOMPARE(!got.has_value(), noService);
    if (got)
        QCOMPARE(*got, status);
}

void tst_systemclocksetter::fallbackWithoutBus_data()
{
    QTest::addColumn<qint64>("micros");
    QTest::addColumn<int>("error");
    QTest::addColumn<SetResult::Status>("status");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<long>("nanoseconds");

    const qint64 noon = utcMicros(2004, 7, 1, 9, 0, 0);
    QTest::newRow("set") << noon + 250001 << 0 << SetResult::Set << noon / 1000000 << 250001000L;
    QTest::newRow("no right") << noon << EPERM << SetResult::NoServiceNoRight << noon / 1000000 << 0L;
    QTest::newRow("out of range") << noon << EINVAL << SetResult::InvalidTime << noon / 1000000 << 0L;
    QTest::newRow("other error") << noon << EIO << SetResult::Failed << noon / 1000000 << 0L;
    // Before 1970 the seconds round down and the nanoseconds stay positive.
    QTest::newRow("before the epoch") << qint64(-1500000) << 0 << SetResult::Set << qint64(-2) << 500000000L;
}

void tst_systemclocksetter::fallbackWithoutBus()
{
    QFETCH(qint64, micros);
    QFETCH(int, error);
    QFETCH(SetResult::Status, status);
    QFETCH(qint64, seconds);
    QFETCH(long, nanoseconds);

    // A bus that is not there: a socket path nobody listens on.
    QTemporaryDir dir;
    const QDBusConnection none = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=") + dir.filePath(QStringLiteral("nobody")),
        QStringLiteral("tundrik-no-bus"));
    QVERIFY(!none.isConnected());

    FakeSetClock::error = error;
    TimedateClockSetter setter(none, &FakeSetClock::set);
    const SetResult result = setter.setSystemTime(micros);
    QDBusConnection::disconnectFromBus(QStringLiteral("tundrik-no-bus"));

    QCOMPARE(result.status, status);
    QCOMPARE(result.ok(), error == 0);
    QCOMPARE(FakeSetClock::calls.size(), 1);
    QCOMPARE(FakeSetClock::clocks.first(), CLOCK_REALTIME);
    QCOMPARE(qint64(FakeSetClock::calls.first().tv_sec), seconds);
    QCOMPARE(FakeSetClock::calls.first().tv_nsec, nanoseconds);
}

void tst_systemclocksetter::fallbackWithoutService()
{
    if (!m_busUp)
        QSKIP(qPrintable(QStringLiteral("no private bus: ") + m_busError));
    // The private bus runs, but nobody owns the time service's name.
    m_bus.stopFakeTimedate();
    QVERIFY(!m_bus.connection().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.timedate1")));

    const qint64 micros = utcMicros(2026, 12, 7, 10, 11, 12, 13);
    TimedateClockSetter setter(m_bus.connection(), &FakeSetClock::set);
    QCOMPARE(setter.setSystemTime(micros).status, SetResult::Set);
    QCOMPARE(FakeSetClock::calls.size(), 1);
    QCOMPARE(qint64(FakeSetClock::calls.first().tv_sec), micros / 1000000);
    QCOMPARE(FakeSetClock::calls.first().tv_nsec, 13000000L);

    FakeSetClock::reset();
    FakeSetClock::error = EPERM;
    const SetResult refused = setter.setSystemTime(micros);
    QCOMPARE(refused.status, SetResult::NoServiceNoRight);
    QVERIFY(!refused.ok());
}

void tst_systemclocksetter::noFallbackFunction()
{
    QTemporaryDir dir;
    const QDBusConnection none = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=") + dir.filePath(QStringLiteral("nobody")),
        QStringLiteral("tundrik-no-bus-2"));
    TimedateClockSetter setter(none, nullptr);
    QCOMPARE(setter.setSystemTime(0).status, SetResult::NoServiceNoRight);
    QDBusConnection::disconnectFromBus(QStringLiteral("tundrik-no-bus-2"));
}

void tst_systemclocksetter::setTimeCall()
{
    if (!m_busUp)
        QSKIP(qPrintable(QStringLiteral("no private bus: ") + m_busError));
    QString error;
    QVERIFY2(m_bus.startFakeTimedate(QStringLiteral(FAKE_TIMEDATED), &error), qPrintable(error));

    const qint64 micros = utcMicros(2004, 7, 1, 9, 0, 0) + 123456;
    TimedateClockSetter setter(m_bus.connection(), &FakeSetClock::set);
    const SetResult result = setter.setSystemTime(micros);
    QVERIFY2(result.ok(), qPrintable(result.message));
    // An absolute instant in exact microseconds, with the password prompt allowed.
    QCOMPARE(m_bus.calls(), QStringList{QStringLiteral("%1 0 1").arg(micros)});
    QVERIFY(FakeSetClock::calls.isEmpty());
    m_bus.stopFakeTimedate();
}

void tst_systemclocksetter::refusals_data()
{
    QTest::addColumn<QString>("errorName");
    QTest::addColumn<SetResult::Status>("status");
    QTest::addColumn<bool>("fallsBack");

    QTest::newRow("access denied") << "org.freedesktop.DBus.Error.AccessDenied" << SetResult::NotAuthorized << false;
    QTest::newRow("not authorised") << "org.freedesktop.PolicyKit1.Error.NotAuthorized" << SetResult::NotAuthorized << false;
    QTest::newRow("prompt cancelled") << "org.freedesktop.PolicyKit1.Error.Cancelled" << SetResult::NotAuthorized << false;
    QTest::newRow("automatic sync") << "org.freedesktop.timedate1.AutomaticTimeSyncEnabled" << SetResult::AutomaticTimeSync << false;
    QTest::newRow("invalid time") << "org.freedesktop.DBus.Error.InvalidArgs" << SetResult::InvalidTime << false;
    QTest::newRow("other failure") << "org.freedesktop.DBus.Error.Failed" << SetResult::Failed << false;
    // A service that answers "no such service" sends the backend to the fallback,
    // which (as this fake function says) has no right to set the clock.
    QTest::newRow("service unknown") << "org.freedesktop.DBus.Error.ServiceUnknown" << SetResult::NoServiceNoRight << true;
}

void tst_systemclocksetter::refusals()
{
    if (!m_busUp)
        QSKIP(qPrintable(QStringLiteral("no private bus: ") + m_busError));
    QFETCH(QString, errorName);
    QFETCH(SetResult::Status, status);
    QFETCH(bool, fallsBack);

    QString error;
    QVERIFY2(m_bus.startFakeTimedate(QStringLiteral(FAKE_TIMEDATED), &error), qPrintable(error));
    m_bus.refuse(errorName, QStringLiteral("Kella ei seatud"));
    FakeSetClock::error = EPERM;

    TimedateClockSetter setter(m_bus.connection(), &FakeSetClock::set);
    const qint64 micros = utcMicros(2010, 3, 4, 5, 6, 7);
    const SetResult result = setter.setSystemTime(micros);
    QCOMPARE(result.status, status);
    QVERIFY(!result.ok());
    if (!fallsBack)
        QVERIFY2(result.message.contains(errorName) && result.message.contains(QStringLiteral("Kella ei seatud")),
                 qPrintable(result.message));
    QCOMPARE(FakeSetClock::calls.size(), fallsBack ? 1 : 0);
    QCOMPARE(m_bus.calls(), QStringList{QStringLiteral("%1 0 1").arg(micros)});
    m_bus.stopFakeTimedate();
}

void tst_systemclocksetter::refusalTexts_data()
{
    QTest::addColumn<SetResult::Status>("status");
    QTest::addColumn<QString>("says");
    QTest::addColumn<bool>("systemWords");

    QTest::newRow("no permission") << SetResult::NotAuthorized << "puudub luba" << false;
    QTest::newRow("automatic sync") << SetResult::AutomaticTimeSync << "automaatne ajasünkroonimine välja" << false;
    QTest::newRow("no service, no right") << SetResult::NoServiceNoRight << "ajateenus ei vasta" << false;
    QTest::newRow("impossible time") << SetResult::InvalidTime << "ei saa sellele ajale" << true;
    QTest::newRow("other") << SetResult::Failed << "Kellaaega ei seatud." << true;
}

void tst_systemclocksetter::refusalTexts()
{
    QFETCH(SetResult::Status, status);
    QFETCH(QString, says);
    QFETCH(bool, systemWords);
    const QString text = setup::refusalText({status, QStringLiteral("x.Y: põhjus")}, QStringLiteral("Kellaaega"));
    QVERIFY2(text.startsWith(QStringLiteral("Kellaaega ei seatud")), qPrintable(text));
    QVERIFY2(text.contains(says), qPrintable(text));
    QCOMPARE(text.contains(QStringLiteral("Süsteemi teade: x.Y: põhjus")), systemWords);
    QVERIFY(setup::refusalText({SetResult::Set, QString()}, QStringLiteral("Kellaaega")).isEmpty());
}

QTEST_GUILESS_MAIN(tst_systemclocksetter)
#include "tst_systemclocksetter.moc"

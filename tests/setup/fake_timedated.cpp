// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the system's time service on a private test bus: it owns
// org.freedesktop.timedate1, answers SetTime without touching any clock and
// records every call, and can be told to refuse with a given error. It
// connects only to the bus address on its command line.
//
// Control interface (object /ee/tundrik/FakeTimedate, interface ee.tundrik.FakeTimedate):
//   Refuse(s errorName, s errorText)   refuse the following calls ("" = answer again)
//   Calls() -> as                      "usec relative interactive" of each SetTime
//   Reset()                            forget the calls, answer again
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QStringList>

#include <cstdio>

namespace {

struct State {
    QStringList calls;
    QString errorName;
    QString errorText;
};

class Timedate : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.timedate1")
public:
    explicit Timedate(State &state) : m_state(state) {}

public slots:
    void SetTime(qlonglong usecUtc, bool relative, bool interactive)
    {
        m_state.calls << QStringLiteral("%1 %2 %3").arg(usecUtc).arg(relative).arg(interactive);
        if (!m_state.errorName.isEmpty())
            sendErrorReply(m_state.errorName, m_state.errorText);
    }

private:
    State &m_state;
};

class Control : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "ee.tundrik.FakeTimedate")
public:
    explicit Control(State &state) : m_state(state) {}

public slots:
    void Refuse(const QString &errorName, const QString &errorText)
    {
        m_state.errorName = errorName;
        m_state.errorText = errorText;
    }
    QStringList Calls() const { return m_state.calls; }
    void Reset()
    {
        m_state = State();
    }

private:
    State &m_state;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    // Only a private bus: never the machine's own system bus.
    if (args.size() != 2 || !args.at(1).startsWith(QLatin1String("unix:"))
        || args.at(1).contains(QLatin1String("system_bus_socket"))) {
        std::fprintf(stderr, "usage: fake_timedated unix:path=...\n");
        return 2;
    }
    QDBusConnection bus = QDBusConnection::connectToBus(args.at(1), QStringLiteral("fake"));
    if (!bus.isConnected()) {
        std::fprintf(stderr, "fake_timedated: cannot connect to %s\n", qPrintable(args.at(1)));
        return 1;
    }
    State state;
    Timedate timedate(state);
    Control control(state);
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/timedate1"), &timedate,
                            QDBusConnection::ExportAllSlots)
        || !bus.registerObject(QStringLiteral("/ee/tundrik/FakeTimedate"), &control,
                               QDBusConnection::ExportAllSlots)
        || !bus.registerService(QStringLiteral("org.freedesktop.timedate1"))) {
        std::fprintf(stderr, "fake_timedated: cannot register: %s\n",
                     qPrintable(bus.lastError().message()));
        return 1;
    }
    // The test waits for this line before it calls.
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "fake_timedated.moc"

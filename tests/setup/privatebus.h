// SPDX-License-Identifier: GPL-3.0-or-later
// A private message bus for one test process, with the fake time service on
// it. The bus daemon runs from a configuration written here into a temporary
// folder, listens only on a socket in that folder and ends with the test (also
// when the test dies). Nothing here ever speaks to the machine's system bus.
#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <sys/prctl.h>

class PrivateBus {
public:
    PrivateBus() = default;
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;
    ~PrivateBus() { stop(); }

    static QString daemonProgram() { return QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")); }

    // Starts the bus daemon; false with a reason when it cannot.
    bool start(QString *error)
    {
        if (!m_dir.isValid())
            return fail(error, QStringLiteral("no temporary folder"));
        const QString socket = m_dir.filePath(QStringLiteral("bus"));
        const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly))
            return fail(error, QStringLiteral("cannot write ") + config);
        f.write(QStringLiteral(
                    "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                    " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                    "<busconfig>\n"
                    "  <type>session</type>\n"
                    "  <listen>unix:path=%1</listen>\n"
                    "  <auth>EXTERNAL</auth>\n"
                    "  <policy context=\"default\">\n"
                    "    <allow user=\"*\"/>\n"
                    "    <allow own=\"*\"/>\n"
                    "    <allow send_destination=\"*\"/>\n"
                    "    <allow receive_sender=\"*\"/>\n"
                    "  </policy>\n"
                    "</busconfig>\n")
                    .arg(socket)
                    .toUtf8());
        f.close();

        const QString program = daemonProgram();
        if (program.isEmpty())
            return fail(error, QStringLiteral("dbus-daemon not found"));
        endWithParent(m_daemon);
        m_daemon.setProgram(program);
        m_daemon.setArguments({QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                               QStringLiteral("--nopidfile"), QStringLiteral("--nosyslog"),
                               QStringLiteral("--print-address=1")});
        m_daemon.start();
        if (!m_daemon.waitForStarted(10000))
            return fail(error, QStringLiteral("dbus-daemon did not start"));
        while (!m_daemon.canReadLine()) {
            if (!m_daemon.waitForReadyRead(10000))
                return fail(error, QStringLiteral("dbus-daemon printed no address: ")
                                       + QString::fromLocal8Bit(m_daemon.readAllStandardError()));
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        if (!m_address.startsWith(QLatin1String("unix:path=") + socket))
            return fail(error, QStringLiteral("unexpected bus address ") + m_address);
        m_connection = QDBusConnection::connectToBus(m_address, QStringLiteral("tundrik-private-test-bus"));
        if (!m_connection.isConnected())
            return fail(error, QStringLiteral("cannot connect to the private bus"));
        return true;
    }

    // Starts the fake time service and waits until it owns its name.
    bool startFakeTimedate(const QString &program, QString *error)
    {
        endWithParent(m_fake);
        m_fake.setProgram(program);
        m_fake.setArguments({m_address});
        m_fake.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_fake.start();
        if (!m_fake.waitForStarted(10000))
            return fail(error, QStringLiteral("the fake time service did not start"));
        while (!m_fake.canReadLine()) {
            if (!m_fake.waitForReadyRead(10000))
                return fail(error, QStringLiteral("the fake time service did not get ready"));
        }
        if (m_fake.readLine().trimmed() != "ready")
            return fail(error, QStringLiteral("the fake time service failed"));
        if (!m_connection.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.timedate1")))
            return fail(error, QStringLiteral("the time service name is not on the private bus"));
        return true;
    }

    void stopFakeTimedate() { finish(m_fake); }

    void stop()
    {
        finish(m_fake);
        if (m_connection.isConnected() || !m_connection.name().isEmpty())
            QDBusConnection::disconnectFromBus(m_connection.name());
        m_connection = QDBusConnection(QString());
        finish(m_daemon);
    }

    QString address() const { return m_address; }
    // The test's own connection to the private bus.
    QDBusConnection connection() const { return m_connection; }

    // The fake service's records and orders.
    QStringList calls() const
    {
        QDBusReply<QStringList> reply = control().call(QStringLiteral("Calls"));
        return reply.isValid() ? reply.value() : QStringList{QStringLiteral("<no answer>")};
    }
    void refuse(const QString &errorName, const QString &errorText = QString())
    {
        control().call(QStringLiteral("Refuse"), errorName, errorText);
    }
    void reset() { control().call(QStringLiteral("Reset")); }

private:
    QDBusInterface control() const
    {
        return QDBusInterface(QStringLiteral("org.freedesktop.timedate1"),
                              QStringLiteral("/ee/tundrik/FakeTimedate"),
                              QStringLiteral("ee.tundrik.FakeTimedate"), m_connection);
    }

    static void endWithParent(QProcess &p)
    {
        p.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    }

    static void finish(QProcess &p)
    {
        if (p.state() == QProcess::NotRunning)
            return;
        p.terminate();
        if (!p.waitForFinished(5000)) {
            p.kill();
            p.waitForFinished(5000);
        }
    }

    static bool fail(QString *error, const QString &reason)
    {
        if (error)
            *error = reason;
        return false;
    }

    QTemporaryDir m_dir{QStringLiteral("/tmp/tundrik-bus-XXXXXX")};
    QProcess m_daemon;
    QProcess m_fake;
    QString m_address;
    QDBusConnection m_connection{QString()};
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Setting the system clock. The dialogs speak to one small interface; the
// program's backend asks systemd-timedated over the system bus, which lets the
// desktop's authorisation agent ask the user for a password, and where no time
// service runs it sets the clock itself if the process holds the right to.
// Tests use fakes of the interface, of the bus and of clock_settime.
#pragma once

#include <QDBusConnection>
#include <QDate>
#include <QString>
#include <QTime>

#include <ctime>
#include <memory>
#include <optional>

namespace setup {

struct SetResult {
    enum Status {
        Set,               // the clock was set
        NotAuthorized,     // the user has no right, or cancelled the password prompt
        AutomaticTimeSync, // the time service refuses while network time synchronisation is on
        NoServiceNoRight,  // no time service answers and the process may not set the clock itself
        InvalidTime,       // the local date and time do not exist or are out of the clock's range
        Failed,            // any other refusal; message holds the system's own text
    };
    Status status = Failed;
    QString message; // the error name and text from the service or the system, if any

    bool ok() const { return status == Set; }
};

class SystemClockSetter {
public:
    virtual ~SystemClockSetter() = default;
    // Sets the system clock to an absolute instant, microseconds since
    // 1.1.1970 00:00 UTC. Never reports Set unless the clock was set.
    virtual SetResult setSystemTime(qint64 utcMicroseconds) = 0;
};

// clock_settime's signature; the fallback calls the real one only in the program.
using ClockSetFunction = int (*)(clockid_t, const struct timespec *);

// The program's backend. The connection is the system bus in the program
// and a private bus in tests; setClock is ::clock_settime in the program.
class TimedateClockSetter final : public SystemClockSetter {
public:
    TimedateClockSetter(const QDBusConnection &bus, ClockSetFunction setClock);
    SetResult setSystemTime(qint64 utcMicroseconds) override;

    // How long a call may wait for an answer: the user may be typing a password.
    static constexpr int callTimeoutMs = 5 * 60 * 1000;

    static constexpr const char *service = "org.freedesktop.timedate1";
    static constexpr const char *path = "/org/freedesktop/timedate1";
    static constexpr const char *interface = "org.freedesktop.timedate1";

private:
    SetResult setDirectly(qint64 utcMicroseconds);

    QDBusConnection m_bus;
    ClockSetFunction m_setClock;
};

// Sorts a D-Bus error name into a status; nullopt for "no time service on this bus".
std::optional<SetResult::Status> statusOfBusError(const QString &errorName);

// The backend the program's dialogs use: the system bus and the real
// clock_settime. Made for each opening of a dialog, so that no bus connection
// outlives the application.
std::unique_ptr<SystemClockSetter> makeSystemClockSetter();

// A local date and time read through the system's time zone (TZ honoured),
// as microseconds since the epoch in UTC; nullopt when that local time does
// not exist or does not fit.
std::optional<qint64> localToUtcMicroseconds(const QDate &date, const QTime &time);

// What the dialogs tell the user when the clock was not set: what happened and
// what to do, with the system's own message for refusals without a known cause.
// subject names what was to be set: "Kellaaega" or "Kuupäeva".
QString refusalText(const SetResult &result, const QString &subject);

} // namespace setup

// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemclocksetter.h"

#include <QDBusMessage>
#include <QDateTime>

#include <cerrno>
#include <cstring>

namespace setup {

namespace {

QString busErrorText(const QDBusMessage &reply)
{
    const QString text = reply.errorMessage();
    return text.isEmpty() ? reply.errorName() : reply.errorName() + QStringLiteral(": ") + text;
}

} // namespace

std::optional<SetResult::Status> statusOfBusError(const QString &name)
{
    // Nobody on the bus answers for the time service, or there is no bus.
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
        || name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")
        || name == QLatin1String("org.freedesktop.DBus.Error.NoServer")
        || name == QLatin1String("org.freedesktop.DBus.Error.Disconnected")
        || name.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn.")))
        return std::nullopt;

    if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied")
        || name == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired")
        || name == QLatin1String("org.freedesktop.PolicyKit1.Error.NotAuthorized")
        || name == QLatin1String("org.freedesktop.PolicyKit1.Error.Cancelled"))
        return SetResult::NotAuthorized;
    if (name == QLatin1String("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"))
        return SetResult::AutomaticTimeSync;
    if (name == QLatin1String("org.freedesktop.DBus.Error.InvalidArgs"))
        return SetResult::InvalidTime;
    return SetResult::Failed;
}

TimedateClockSetter::TimedateClockSetter(const QDBusConnection &bus, ClockSetFunction setClock)
    : m_bus(bus)
    , m_setClock(setClock)
{
}

SetResult TimedateClockSetter::setSystemTime(qint64 utcMicroseconds)
{
    if (!m_bus.isConnected())
        return setDirectly(utcMicroseconds);

    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(service), QLatin1String(path),
                                                       QLatin1String(interface),
                                                       QStringLiteral("SetTime"));
    // An absolute instant (relative = false), with the password prompt allowed.
    call << qlonglong(utcMicroseconds) << false << true;
    call.setInteractiveAuthorizationAllowed(true);
    // The window keeps repainting while the user answers the password prompt.
    const QDBusMessage reply = m_bus.call(call, QDBus::BlockWithGui, callTimeoutMs);

    if (reply.type() == QDBusMessage::ReplyMessage)
        return {SetResult::Set, QString()};
    if (reply.type() != QDBusMessage::ErrorMessage)
        return {SetResult::Failed, QStringLiteral("Ajateenus ei vastanud.")};
    const std::optional<SetResult::Status> status = statusOfBusError(reply.errorName());
    if (!status)
        return setDirectly(utcMicroseconds);
    return {*status, busErrorText(reply)};
}

// Without a time service the process sets the clock itself, which works only
// with the right to set the clock (CAP_SYS_TIME); the attempt itself tells.
SetResult TimedateClockSetter::setDirectly(qint64 utcMicroseconds)
{
    if (!m_setClock)
        return {SetResult::NoServiceNoRight, QString()};
    timespec ts{};
    qint64 seconds = utcMicroseconds / 1000000;
    qint64 micros = utcMicroseconds % 1000000;
    if (micros < 0) { // floor division: the nanoseconds must not be negative
        micros += 1000000;
        --seconds;
    }
    ts.tv_sec = time_t(seconds);
    ts.tv_nsec = long(micros * 1000); // [0, 999999000]
    errno = 0;
    if (m_setClock(CLOCK_REALTIME, &ts) == 0)
        return {SetResult::Set, QString()};
    const int error = errno;
    const QString text = QString::fromLocal8Bit(std::strerror(error));
    if (error == EPERM || error == EACCES)
        return {SetResult::NoServiceNoRight, text};
    if (error == EINVAL)
        return {SetResult::InvalidTime, text};
    return {SetResult::Failed, text};
}

std::unique_ptr<SystemClockSetter> makeSystemClockSetter()
{
    return std::make_unique<TimedateClockSetter>(QDBusConnection::systemBus(), ::clock_settime);
}

std::optional<qint64> localToUtcMicroseconds(const QDate &date, const QTime &time)
{
    const QDateTime local(date, time, Qt::LocalTime);
    if (!local.isValid())
        return std::nullopt;
    return local.toMSecsSinceEpoch() * 1000;
}

QString refusalText(const SetResult &result, const QString &subject)
{
    QString text;
    switch (result.status) {
    case SetResult::Set:
        return QString();
    case SetResult::NotAuthorized:
        text = subject + QStringLiteral(" ei seatud: selleks puudub luba või jäi parool sisestamata.\n\n"
                                        "Süsteemi kella seadmiseks on vaja administraatori õigust. "
                                        "Vajuta uuesti nuppu „Sea” ja sisesta parool, kui seda küsitakse, "
                                        "või palu kella seada arvuti haldajal.");
        break;
    case SetResult::AutomaticTimeSync:
        text = subject + QStringLiteral(" ei seatud, sest kella sünkroonitakse automaatselt võrgu kaudu.\n\n"
                                        "Lülita süsteemi aja seadetes automaatne ajasünkroonimine välja "
                                        "ja proovi siis uuesti.");
        break;
    case SetResult::NoServiceNoRight:
        text = subject + QStringLiteral(" ei seatud: süsteemi ajateenus ei vasta ja programmil pole "
                                        "õigust kella ise seada.\n\n"
                                        "Käivita ajateenus (systemd-timedated) või sea kell "
                                        "administraatori õigustes.");
        break;
    case SetResult::InvalidTime:
        text = subject + QStringLiteral(" ei seatud: süsteemi kella ei saa sellele ajale seada.\n\n"
                                        "Vali mõni teine kuupäev või kellaaeg.");
        break;
    case SetResult::Failed:
        text = subject + QStringLiteral(" ei seatud.");
        break;
    }
    // The system's own words where they say more than the explanation above.
    if ((result.status == SetResult::Failed || result.status == SetResult::InvalidTime)
        && !result.message.isEmpty())
        text += QStringLiteral("\n\nSüsteemi teade: ") + result.message;
    return text;
}

} // namespace setup

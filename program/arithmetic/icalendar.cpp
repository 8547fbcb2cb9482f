// SPDX-License-Identifier: GPL-3.0-or-later
#include "icalendar.h"

#include <QCryptographicHash>

namespace icalendar {

namespace {

constexpr qsizetype kMaxOctets = 75;

QString dateValue(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

QString UidOf(const QDate &date, const QString &name)
{
    // The date in the open, a digest of the name: a UID of printable ASCII.
    const QByteArray digest = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
    return dateValue(date) + QLatin1Char('-') + QString::fromLatin1(digest.left(20))
        + QStringLiteral("@tundrik");
}

QString EscapedText(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
        case ';':
        case ',':
            out += QLatin1Char('\\');
            out += c;
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

QByteArray FoldedLine(const QString &line)
{
    const QByteArray utf8 = line.toUtf8();
    QByteArray out;
    qsizetype at = 0;
    bool first = true;
    do {
        // A continuation line's leading space counts towards its 75 octets.
        const qsizetype room = first ? kMaxOctets : kMaxOctets - 1;
        qsizetype end = std::min(at + room, utf8.size());
        // Back to the first byte of a character cut in two.
        while (end < utf8.size() && end > at && isContinuationByte(utf8.at(end)))
            --end;
        if (!first)
            out += ' ';
        out += utf8.mid(at, end - at);
        out += "\r\n";
        at = end;
        first = false;
    } while (at < utf8.size());
    return out;
}

QByteArray Calendar(const std::vector<Event> &events, const QDateTime &stamp)
{
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QByteArray out;
    auto put = [&out](const QString &line) { out += FoldedLine(line); };
    put(QStringLiteral("BEGIN:VCALENDAR"));
    put(QStringLiteral("VERSION:2.0"));
    put(QStringLiteral("PRODID:-//Tundrik//Tundrik pühad//ET"));
    put(QStringLiteral("CALSCALE:GREGORIAN"));
    put(QStringLiteral("METHOD:PUBLISH"));
    for (const Event &e : events) {
        if (!e.date.isValid())
            continue;
        QStringList categories;
        for (const QString &c : e.categories)
            categories << EscapedText(c);
        put(QStringLiteral("BEGIN:VEVENT"));
        put(QStringLiteral("UID:") + (e.uid.isEmpty() ? UidOf(e.date, e.summary) : e.uid));
        put(QStringLiteral("DTSTAMP:") + dtstamp);
        put(QStringLiteral("DTSTART;VALUE=DATE:") + dateValue(e.date));
        put(QStringLiteral("DTEND;VALUE=DATE:") + dateValue(e.date.addDays(1)));
        put(QStringLiteral("SUMMARY:") + EscapedText(e.summary));
        if (!categories.isEmpty())
            put(QStringLiteral("CATEGORIES:") + categories.join(QLatin1Char(',')));
        if (!e.description.isEmpty())
            put(QStringLiteral("DESCRIPTION:") + EscapedText(e.description));
        put(QStringLiteral("TRANSP:TRANSPARENT"));
        put(QStringLiteral("END:VEVENT"));
    }
    put(QStringLiteral("END:VCALENDAR"));
    return out;
}

} // namespace icalendar

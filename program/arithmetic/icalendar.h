// SPDX-License-Identifier: GPL-3.0-or-later
// iCalendar files (RFC 5545) of all-day events: text in, text out, no state
// and no clock, so that any part of the program that has events to give
// another calendar application writes them the same way.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace icalendar {

// One all-day event.
struct Event {
    QDate date;
    QString summary;
    QStringList categories;
    QString description; // none when empty
    QString uid;         // UidOf(date, summary) when empty
};

// A UID that depends on the day and the name only, so that a calendar that
// imports the same day again updates its event instead of adding another.
QString UidOf(const QDate &date, const QString &name);

// A TEXT value: backslash, semicolon and comma escaped with a backslash, a
// line break written as \n.
QString EscapedText(const QString &text);

// One content line in UTF-8, folded into lines of at most 75 octets (the
// line break not counted), each ended with CRLF; a continuation line starts
// with one space. A fold never falls inside a UTF-8 character.
QByteArray FoldedLine(const QString &line);

// The VCALENDAR with one VEVENT per event, in the order given: DTSTART and
// DTEND as dates (the event lasts its day), DTSTAMP the stamp in UTC,
// SUMMARY, CATEGORIES, DESCRIPTION when there is one, and the UID. Events
// without a valid date are left out.
QByteArray Calendar(const std::vector<Event> &events, const QDateTime &stamp);

} // namespace icalendar

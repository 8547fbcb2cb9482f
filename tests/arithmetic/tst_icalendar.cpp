// SPDX-License-Identifier: GPL-3.0-or-later
#include "icalendar.h"

#include <QTest>

using icalendar::Event;

class tst_icalendar : public QObject {
    Q_OBJECT
private slots:
    void escapedText_data();
    void escapedText();
    void foldedLine_data();
    void foldedLine();
    void uidOfADayAndAName();
    void calendarOfTwoEvents();
};

void tst_icalendar::escapedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("plain") << "Suur reede" << "Suur reede";
    QTest::newRow("comma") << "Iseseisvuspäev, Eesti Vabariigi aastapäev"
                           << "Iseseisvuspäev\\, Eesti Vabariigi aastapäev";
    QTest::newRow("semicolon and commas") << "RT I 1998, 13, 162; RT I 2005, 20, 126"
                                          << "RT I 1998\\, 13\\, 162\\; RT I 2005\\, 20\\, 126";
    QTest::newRow("backslash") << "a\\b" << "a\\\\b";
    QTest::newRow("line break") << "üks\nkaks" << "üks\\nkaks";
    QTest::newRow("colon stays") << "kell 3.00: suveaeg" << "kell 3.00: suveaeg";
}

void tst_icalendar::escapedText()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(icalendar::EscapedText(text), escaped);
}

void tst_icalendar::foldedLine_data()
{
    QTest::addColumn<QString>("line");
    // The octets of each physical line, without its CRLF.
    QTest::addColumn<QList<int>>("octets");
    QTest::newRow("short") << "SUMMARY:Uusaasta" << QList<int>{16};
    QTest::newRow("75 octets, unfolded") << QString(75, QLatin1Char('a')) << QList<int>{75};
    QTest::newRow("76 octets") << QString(76, QLatin1Char('a')) << QList<int>{75, 2};
    QTest::newRow("three lines") << QString(75 + 74 + 10, QLatin1Char('a')) << QList<int>{75, 75, 11};
    // "ä" is two octets: 74 ASCII octets and an "ä" would end at octet 76.
    QTest::newRow("a two-octet letter across the fold")
        << QString(74, QLatin1Char('a')) + QStringLiteral("äb") << QList<int>{74, 4};
    // "€" is three octets.
    QTest::newRow("a three-octet sign across the fold")
        << QString(73, QLatin1Char('a')) + QStringLiteral("€b") << QList<int>{73, 5};
    QTest::newRow("empty") << QString() << QList<int>{0};
}

// Lines of at most 75 octets, each ended by CRLF, continuations led by one
// space; unfolded and decoded they give the line again.
void tst_icalendar::foldedLine()
{
    QFETCH(QString, line);
    QFETCH(QList<int>, octets);
    const QByteArray folded = icalendar::FoldedLine(line);
    QVERIFY(folded.endsWith("\r\n"));
    QList<QByteArray> lines = folded.chopped(2).split('\n');
    QList<int> sizes;
    QByteArray unfolded;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray l = lines[i];
        if (i + 1 < lines.size()) {
            QVERIFY(l.endsWith('\r'));
            l.chop(1);
        }
        sizes << int(l.size());
        QVERIFY(l.size() <= 75);
        if (i > 0) {
            QVERIFY(l.startsWith(' '));
            l.remove(0, 1);
        }
        // Every physical line is whole UTF-8 on its own.
        QCOMPARE(QString::fromUtf8(l).toUtf8(), l);
        QVERIFY(!QString::fromUtf8(l).contains(QChar::ReplacementCharacter));
        unfolded += l;
    }
    QCOMPARE(sizes, octets);
    QCOMPARE(QString::fromUtf8(unfolded), line);
}

void tst_icalendar::uidOfADayAndAName()
{
    const QString a = icalendar::UidOf(QDate(2026, 4, 3), QStringLiteral("Suur reede"));
    QCOMPARE(a, icalendar::UidOf(QDate(2026, 4, 3), QStringLiteral("Suur reede")));
    QVERIFY(a != icalendar::UidOf(QDate(2027, 3, 26), QStringLiteral("Suur reede")));
    QVERIFY(a != icalendar::UidOf(QDate(2026, 4, 3), QStringLiteral("Suur laupäev")));
    QVERIFY(a.startsWith(QStringLiteral("20260403-")));
    for (const QChar c : a)
        QVERIFY(c.unicode() > 32 && c.unicode() < 127);
}

void tst_icalendar::calendarOfTwoEvents()
{
    const std::vector<Event> events{
        {QDate(2026, 2, 24), QStringLiteral("Iseseisvuspäev, Eesti Vabariigi aastapäev"),
         {QStringLiteral("riigipüha"), QStringLiteral("lipupäev")}, QStringLiteral("RT I 1998, 13, 162"), {}},
        {QDate(2026, 2, 24), QStringLiteral("Madisepäev"), {QStringLiteral("rahvakalender")}, {}, {}},
        {QDate(), QStringLiteral("kuupäevata"), {}, {}, {}},
    };
    const QByteArray ics = icalendar::Calendar(events, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC));
    QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    QVERIFY(ics.endsWith("END:VCALENDAR\r\n"));
    QVERIFY(!ics.contains("\r\n\r\n"));
    QVERIFY(!QByteArray(ics).replace("\r\n", "").contains('\n'));
    const QString text = QString::fromUtf8(icalendar::Calendar(events, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC)))
                             .replace(QStringLiteral("\r\n "), QString());
    QCOMPARE(text.count(QStringLiteral("BEGIN:VEVENT\r\n")), 2);
    QCOMPARE(text.count(QStringLiteral("DTSTAMP:20260102T030405Z\r\n")), 2);
    QCOMPARE(text.count(QStringLiteral("DTSTART;VALUE=DATE:20260224\r\n")), 2);
    QVERIFY(text.contains(QStringLiteral("SUMMARY:Iseseisvuspäev\\, Eesti Vabariigi aastapäev\r\n")));
    QVERIFY(text.contains(QStringLiteral("CATEGORIES:riigipüha,lipupäev\r\n")));
    QVERIFY(text.contains(QStringLiteral("DESCRIPTION:RT I 1998\\, 13\\, 162\r\n")));
    QCOMPARE(text.count(QStringLiteral("DESCRIPTION:")), 1);
    QVERIFY(!text.contains(QStringLiteral("kuupäevata")));
}

QTEST_GUILESS_MAIN(tst_icalendar)
#include "tst_icalendar.moc"

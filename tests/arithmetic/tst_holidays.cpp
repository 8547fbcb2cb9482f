// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays.h"

#include <QDate>
#include <QMap>
#include <QSet>
#include <QTest>

#include <algorithm>

using holidays::BuildHolidayList;
using holidays::HolidayList;
using holidays::HolidayRow;

Q_DECLARE_METATYPE(HolidayList)

namespace {

// Letters indexed by QDate::dayOfWeek() - 1 (Monday first).
QChar letterOf(const QDate &d)
{
    return QLatin1Char("ETKNRLP"[d.dayOfWeek() - 1]);
}

// Marks: R red, F flag, M mourning flag (with F).
HolidayRow row(const char *day, const char *name, const char *marks = "")
{
    const QByteArray m(marks);
    return HolidayRow{QString::fromUtf8(day), QString::fromUtf8(name), m.contains('R'),
                      m.contains('F'), m.contains('M')};
}

const HolidayRow empty{};

QDate lastSundayByQDate(int year, int month)
{
    QDate d(year, month, QDate(year, month, 1).daysInMonth());
    while (d.dayOfWeek() != Qt::Sunday)
        d = d.addDays(-1);
    return d;
}

QDate secondSundayByQDate(int year, int month)
{
    QDate d(year, month, 1);
    while (d.dayOfWeek() != Qt::Sunday)
        d = d.addDays(1);
    return d.addDays(7);
}

// The date of a row: its own day text, or, for a continuation row without
// one, the day of the row above.
QDate dateOfRow(const HolidayList &list, int index, int year, int month)
{
    while (index > 0 && list[index].dayText.isEmpty())
        --index;
    return QDate(year, month, list[index].dayText.left(2).toInt());
}

int rowOf(const HolidayList &list, const QString &needle)
{
    for (int i = 0; i < 8; ++i)
        if (list[i].nameText.contains(needle, Qt::CaseInsensitive))
            return i;
    return -1;
}

} // namespace

class tst_holidays : public QObject {
    Q_OBJECT
private slots:
    void listing_data();
    void listing();
    void sundays_data();
    void sundays();
    void weekdayLetters();
    void invariantsOverYears();
    void easterSunday_data();
    void easterSunday();
    void easterAgainstGauss();
    void firstYearInForce_data();
    void firstYearInForce();
    void actInForceOverYears();
    void lawOfTheYear_data();
    void lawOfTheYear();
    void flagDaysOfTheYear_data();
    void flagDaysOfTheYear();
    void namesOfADay_data();
    void namesOfADay();
    void calendarEventsOfYears_data();
    void calendarEventsOfYears();
};

void tst_holidays::listing_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<HolidayList>("expected");

    QTest::newRow("January 2004, 1st a Thursday")
        << 1 << 2004
        << HolidayList{row("01. / N", "Uusaasta", "RF"), row("06. / T", "Kolmekuningapäev"),
                       row("14. / K", "Taliharjapäev"), row("17. / L", "Tõnisepäev"),
                       row("25. / P", "Paavlipäev"), empty, empty, empty};
    QTest::newRow("February 2004")
        << 2 << 2004
        << HolidayList{row("02. / E", "Küünlapäev; Tartu rahulepingu aastapäev", "F"),
                       row("03. / T", "Klaasmusepäev"), row("09. / E", "Luuvalupäev"),
                       row("14. / L", "Valentinipäev"), row("16. / E", "Leedu iseseisvuspäev", "F"),
                       row("22. / P", "Peetripäev"),
                       row("24. / T", "Iseseisvuspäev, Eesti Vabariigi aastapäev; madisepäev", "RF"), empty};
    QTest::newRow("March 2007, last Sunday on the 25th")
        << 3 << 2007
        << HolidayList{row("08. / N", "Naistepäev"), row("12. / E", "Korjusepäev; palvepäev"),
                       row("14. / K", "Emakeelepäev", "F"), empty,
                       row("25. / P", "Paastumaarjapäev; leinapäev;"),
                       row("", "üleminek suveajale kell 3.00"), empty, empty};
    QTest::newRow("March 2004, last Sunday on the 28th")
        << 3 << 2004
        << HolidayList{row("08. / E", "Naistepäev"), row("12. / R", "Korjusepäev; palvepäev"),
                       row("14. / P", "Emakeelepäev", "F"),
                       row("25. / N", "Paastumaarjapäev; leinapäev"),
                       row("28. / P", "Üleminek suveajale kell 3.00"), empty, empty, empty};
    QTest::newRow("April 1997")
        << 4 << 1997
        << HolidayList{row("01. / T", "Karjalaskepäev; naljapäev"), row("14. / E", "Künnipäev"),
                       row("23. / K", "Jüripäev"), row("25. / R", "Markusepäev"), empty, empty,
                       empty, empty};
    // Easter 11 April 2004: Good Friday and Easter Sunday join the table.
    QTest::newRow("April 2004")
        << 4 << 2004
        << HolidayList{row("01. / N", "Karjalaskepäev; naljapäev"), row("09. / R", "Suur reede", "R"),
                       row("11. / P", "Ülestõusmispühade 1. püha", "R"), row("14. / K", "Künnipäev"),
                       row("23. / R", "Jüripäev"), row("25. / P", "Markusepäev"), empty, empty};
    // Pentecost on 15 May 2005 and on 30 May 2004.
    QTest::newRow("May 2005, second Sunday on the 8th")
        << 5 << 2005
        << HolidayList{empty, row("01. / P", "Kevadpüha; volbripäev", "RF"),
                       row("08. / P", "Emadepäev", "RF"), row("09. / E", "Euroopa päev; nigulapäev", "F"),
                       row("15. / P", "Nelipühade 1. püha", "R"), empty, empty, empty};
    QTest::newRow("May 2004, second Sunday on the 9th")
        << 5 << 2004
        << HolidayList{empty, row("01. / L", "Kevadpüha; volbripäev", "RF"),
                       row("09. / P", "Euroopa päev; emadepäev; nigulapäev", "RF"),
                       row("30. / P", "Nelipühade 1. püha", "R"), empty, empty, empty, empty};
    QTest::newRow("May 1993, second Sunday on the 9th")
        << 5 << 1993
        << HolidayList{empty, row("01. / L", "Kevadpüha; volbripäev", "RF"),
                       row("09. / P", "Emadepäev; nigulapäev", "RF"), empty, empty, empty, empty,
                       empty};
    QTest::newRow("May 2003, second Sunday on the 11th")
        << 5 << 2003
        << HolidayList{empty, row("01. / N", "Kevadpüha; volbripäev", "RF"),
                       row("09. / R", "Nigulapäev"), row("11. / P", "Emadepäev", "RF"), empty,
                       empty, empty, empty};
    QTest::newRow("June 2004")
        << 6 << 2004
        << HolidayList{row("01. / T", "Lastekaitsepäev"),
                       row("04. / R", "Eesti lipu päev", "F"),
                       row("14. / E", "Leinapäev", "FM"), row("15. / T", "Viidipäev"),
                       row("23. / K", "Võidupüha; jaanilaupäev", "RF"),
                       row("24. / N", "Jaanipäev", "RF"), row("27. / P", "Seitsmemagajapäev"),
                       row("29. / T", "Peetripäev; peeterpaulipäev")};
    QTest::newRow("July 2004")
        << 7 << 2004
        << HolidayList{row("02. / R", "Heinamaarjapäev"), row("10. / L", "Seitsmevennapäev"),
                       row("13. / T", "Maretapäev; karusepäev"), row("20. / T", "Eliapäev (22.)"),
                       row("22. / N", "Madlipäev; (iljapäev)"), row("25. / P", "Jaagupipäev"),
                       row("26. / E", "Annepäev"), row("29. / N", "Olevipäev")};
    QTest::newRow("August 2004")
        << 8 << 2004
        << HolidayList{row("10. / T", "Lauritsapäev"), row("15. / P", "Rukkimaarjapäev"),
                       row("20. / R", "Taasiseseisvumispäev", "RF"), row("24. / T", "Pärtlipäev"),
                       empty, empty, empty, empty};
    QTest::newRow("September 2004")
        << 9 << 2004
        << HolidayList{row("01. / K", "Teadmistepäev"), row("08. / K", "Ussimaarjapäev"),
                       row("21. / T", "Madisepäev"), row("29. / K", "Mihklipäev"), empty, empty,
                       empty, empty};
    QTest::newRow("October 2007, second Sunday on the 14th")
        << 10 << 2007
        << HolidayList{row("14. / P", "Kolletamispäev; lõikustänupüha", "R"),
                       row("18. / N", "Luukapäev"), empty, row("28. / P", "Simunapäev;"),
                       row("", "üleminek talveajale kell 4.00"), empty,
                       row("31. / K", "Usupuhastuspüha; halloween"), empty};
    QTest::newRow("October 2005, Sundays on the 9th and 30th")
        << 10 << 2005
        << HolidayList{row("09. / P", "Lõikustänupüha", "R"), row("14. / R", "Kolletamispäev"),
                       row("18. / T", "Luukapäev"), row("28. / R", "Simunapäev"),
                       row("30. / P", "Üleminek talveajale kell 4.00"),
                       row("31. / E", "Usupuhastuspüha; halloween"), empty, empty};
    QTest::newRow("October 2004, Sundays on the 10th and 31st")
        << 10 << 2004
        << HolidayList{row("10. / P", "Lõikustänupüha", "R"), row("14. / N", "Kolletamispäev"),
                       row("18. / E", "Luukapäev"), row("28. / N", "Simunapäev"), empty,
                       row("31. / P", "Usupuhastuspüha; halloween;"),
                       row("", "üleminek talveajale kell 4.00"), empty};
    QTest::newRow("October 2009, Sundays on the 11th and 25th")
        << 10 << 2009
        << HolidayList{row("11. / P", "Lõikustänupüha", "R"), row("14. / K", "Kolletamispäev"),
                       row("18. / P", "Luukapäev"),
                       row("25. / P", "Üleminek talveajale kell 4.00"),
                       row("28. / K", "Simunapäev"), row("31. / L", "Usupuhastuspüha; halloween"),
                       empty, empty};
    QTest::newRow("November 2013, second Sunday on the 10th")
        << 11 << 2013
        << HolidayList{row("01. / R", "Pühakutepäev"), row("02. / L", "Hingedepäev"),
                       row("10. / P", "Isadepäev; mardipäev", "RF"),
                       row("16. / L", "Taassünni päev"),
                       row("18. / E", "Läti iseseisvuspäev"), row("25. / E", "Kadripäev"),
                       row("30. / L", "Andresepäev"), empty};
    QTest::newRow("November 2003, second Sunday on the 9th")
        << 11 << 2003
        << HolidayList{row("01. / L", "Pühakutepäev"), row("02. / P", "Hingedepäev"),
                       row("09. / P", "Isadepäev", "RF"), row("10. / E", "Mardipäev"),
                       row("16. / P", "Taassünni päev", "F"),
                       row("18. / T", "Läti iseseisvuspäev", "F"), row("25. / T", "Kadripäev"),
                       row("30. / P", "Andresepäev")};
    QTest::newRow("November 2004, second Sunday on the 14th")
        << 11 << 2004
        << HolidayList{row("01. / E", "Pühakutepäev"), row("02. / T", "Hingedepäev"),
                       row("10. / K", "Mardipäev"), row("14. / P", "Isadepäev", "RF"),
                       row("16. / T", "Taassünni päev", "F"),
                       row("18. / N", "Läti iseseisvuspäev", "F"), row("25. / N", "Kadripäev"),
                       row("30. / T", "Andresepäev")};
    QTest::newRow("December 2004, red without flags")
        << 12 << 2004
        << HolidayList{row("06. / E", "Nigulapäev"), row("13. / E", "Luutsinapäev"),
                       row("21. / T", "Toomapäev"), row("24. / R", "Jõululaupäev"),
                       row("25. / L", "Esimene jõulupüha", "R"),
                       row("26. / P", "Teine jõulupüha; tabanipäev", "R"),
                       row("28. / T", "Süütalastepäev"), row("31. / R", "Vana-aasta õhtu")};

    // The days of the act in force.
    QTest::newRow("April 2026, Easter on the 5th")
        << 4 << 2026
        << HolidayList{row("01. / K", "Karjalaskepäev; naljapäev"), row("03. / R", "Suur reede", "R"),
                       row("05. / P", "Ülestõusmispühade 1. püha", "R"), row("14. / T", "Künnipäev"),
                       row("23. / N", "Veteranipäev; jüripäev", "F"), row("25. / L", "Markusepäev"), empty, empty};
    QTest::newRow("May 2026, Pentecost on the 24th")
        << 5 << 2026
        << HolidayList{empty, row("01. / R", "Kevadpüha; volbripäev", "R"),
                       row("09. / L", "Euroopa päev; nigulapäev", "F"), row("10. / P", "Emadepäev", "RF"),
                       row("24. / P", "Nelipühade 1. püha", "R"), empty, empty, empty};
    QTest::newRow("March 2005, Easter on the last Sunday")
        << 3 << 2005
        << HolidayList{row("08. / T", "Naistepäev"), row("12. / L", "Korjusepäev; palvepäev"),
                       row("14. / E", "Emakeelepäev", "F"),
                       row("25. / R", "Suur reede; paastumaarjapäev; leinapäev", "R"),
                       row("27. / P", "Ülestõusmispühade 1. püha; üleminek suveajale kell 3.00", "R"),
                       empty, empty, empty};
    // Easter on 25 March, the last Sunday: the table's continuation line
    // stays under its row and takes its colour; Good Friday takes the empty row.
    QTest::newRow("March 2035, Easter on the 25th")
        << 3 << 2035
        << HolidayList{row("08. / N", "Naistepäev"), row("12. / E", "Korjusepäev; palvepäev"),
                       row("14. / K", "Emakeelepäev", "F"), row("23. / R", "Suur reede", "R"),
                       row("25. / P", "Ülestõusmispühade 1. püha; paastumaarjapäev; leinapäev;", "R"),
                       row("", "üleminek suveajale kell 3.00", "R"), empty, empty};
    QTest::newRow("May 2008, Pentecost on Mother's Day")
        << 5 << 2008
        << HolidayList{empty, row("01. / N", "Kevadpüha; volbripäev", "R"),
                       row("09. / R", "Euroopa päev; nigulapäev", "F"),
                       row("11. / P", "Nelipühade 1. püha; emadepäev", "RF"),
                       empty, empty, empty, empty};
    QTest::newRow("June 2011, nine rows")
        << 6 << 2011
        << HolidayList{row("01. / K", "Lastekaitsepäev"), row("04. / L", "Eesti lipu päev", "F"),
                       row("12. / P", "Nelipühade 1. püha", "R"), row("14. / T", "Leinapäev", "FM"),
                       row("15. / K", "Viidipäev"), row("23. / N", "Võidupüha; jaanilaupäev", "RF"),
                       row("24. / R", "Jaanipäev", "RF"), row("27. / E", "Seitsmemagajapäev"),
                       row("29. / K", "Peetripäev; peeterpaulipäev")};
    QTest::newRow("June 2038, nine rows")
        << 6 << 2038
        << HolidayList{row("01. / T", "Lastekaitsepäev", "F"), row("04. / R", "Eesti lipu päev", "F"),
                       row("13. / P", "Nelipühade 1. püha", "R"), row("14. / E", "Leinapäev", "FM"),
                       row("15. / T", "Viidipäev"), row("23. / K", "Võidupüha; jaanilaupäev", "RF"),
                       row("24. / N", "Jaanipäev", "RF"), row("27. / P", "Seitsmemagajapäev"),
                       row("29. / T", "Peetripäev; peeterpaulipäev")};
    // A proper name keeps its capital after the act's name.
    QTest::newRow("June 2006, Pentecost on the 4th")
        << 6 << 2006
        << HolidayList{row("01. / N", "Lastekaitsepäev"),
                       row("04. / P", "Nelipühade 1. püha; Eesti lipu päev", "RF"),
                       row("14. / K", "Leinapäev", "FM"), row("15. / N", "Viidipäev"),
                       row("23. / R", "Võidupüha; jaanilaupäev", "RF"), row("24. / L", "Jaanipäev", "RF"),
                       row("27. / T", "Seitsmemagajapäev"), row("29. / N", "Peetripäev; peeterpaulipäev")};
    QTest::newRow("December 2005, Christmas Eve red")
        << 12 << 2005
        << HolidayList{row("06. / T", "Nigulapäev"), row("13. / T", "Luutsinapäev"),
                       row("21. / K", "Toomapäev"), row("24. / L", "Jõululaupäev", "R"),
                       row("25. / P", "Esimene jõulupüha", "R"),
                       row("26. / E", "Teine jõulupüha; tabanipäev", "R"),
                       row("28. / K", "Süütalastepäev"), row("31. / L", "Vana-aasta õhtu")};
    QTest::newRow("September 2009")
        << 9 << 2009
        << HolidayList{row("01. / T", "Teadmistepäev", "F"), row("08. / T", "Ussimaarjapäev"),
                       row("21. / E", "Madisepäev"), row("22. / T", "Vastupanuvõitluse päev"),
                       row("29. / T", "Mihklipäev"), empty, empty, empty};
    QTest::newRow("September 2010, grandparents on the 12th")
        << 9 << 2010
        << HolidayList{row("01. / K", "Teadmistepäev", "F"), row("08. / K", "Ussimaarjapäev"),
                       row("12. / P", "Vanavanemate päev"), row("21. / T", "Madisepäev"),
                       row("22. / K", "Vastupanuvõitluse päev"), row("29. / K", "Mihklipäev"), empty, empty};
    QTest::newRow("September 2013, grandparents on the 8th")
        << 9 << 2013
        << HolidayList{row("01. / P", "Teadmistepäev", "F"), row("08. / P", "Vanavanemate päev; ussimaarjapäev"),
                       row("21. / L", "Madisepäev"), row("22. / P", "Vastupanuvõitluse päev"),
                       row("29. / P", "Mihklipäev"), empty, empty, empty};
    QTest::newRow("August 2009")
        << 8 << 2009
        << HolidayList{row("10. / E", "Lauritsapäev"), row("15. / L", "Rukkimaarjapäev"),
                       row("20. / N", "Taasiseseisvumispäev", "RF"), row("23. / P", "Kommunismi ja natsismi ohvrite mälestuspäev"),
                       row("24. / E", "Pärtlipäev"), empty, empty, empty};
    QTest::newRow("January 2023")
        << 1 << 2023
        << HolidayList{row("01. / P", "Uusaasta", "R"),
                       row("03. / T", "Vabadussõjas võidelnute mälestuspäev", "F"),
                       row("06. / R", "Kolmekuningapäev"), row("14. / L", "Taliharjapäev"),
                       row("17. / T", "Tõnisepäev"), row("25. / K", "Paavlipäev"),
                       row("30. / E", "Eesti kirjanduse päev", "F"), empty};
    // Hõimupäev takes the table's empty row 3.
    QTest::newRow("October 2012, second Sunday on the 14th")
        << 10 << 2012
        << HolidayList{row("14. / P", "Kolletamispäev; lõikustänupüha", "R"),
                       row("18. / N", "Luukapäev"), row("20. / L", "Hõimupäev", "F"), row("28. / P", "Simunapäev;"),
                       row("", "üleminek talveajale kell 4.00"), empty,
                       row("31. / K", "Usupuhastuspüha; halloween"), empty};
    // Nine rows with the table's empty row 5: that one goes.
    QTest::newRow("October 2021, last Sunday on the 31st")
        << 10 << 2021
        << HolidayList{row("01. / R", "Omavalitsuspäev"), row("10. / P", "Lõikustänupüha", "R"),
                       row("14. / N", "Kolletamispäev"), row("16. / L", "Hõimupäev", "F"),
                       row("18. / E", "Luukapäev"), row("28. / N", "Simunapäev"),
                       row("31. / P", "Usupuhastuspüha; halloween;"),
                       row("", "üleminek talveajale kell 4.00")};
}

void tst_holidays::listing()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(HolidayList, expected);
    const HolidayList got = BuildHolidayList(month, year);
    QCOMPARE(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        const QByteArray where = "row " + QByteArray::number(qsizetype(i) + 1);
        QVERIFY2(got[i].dayText == expected[i].dayText, where + ": " + got[i].dayText.toUtf8());
        QVERIFY2(got[i].nameText == expected[i].nameText, where + ": " + got[i].nameText.toUtf8());
        QVERIFY2(got[i].red == expected[i].red, where);
        QVERIFY2(got[i].flag == expected[i].flag, where);
        QVERIFY2(got[i].mourning == expected[i].mourning, where);
    }
}

void tst_holidays::sundays_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("March 2007") << 3 << 2007 << 4 << 25;
    QTest::newRow("March 2004") << 3 << 2004 << 7 << 28;
    QTest::newRow("October 2004") << 10 << 2004 << 3 << 31;
    QTest::newRow("October 2007") << 10 << 2007 << 7 << 28;
    QTest::newRow("May 2005, 1st a Sunday") << 5 << 2005 << 1 << 29;
    QTest::newRow("February 2004, leap") << 2 << 2004 << 1 << 29;
    QTest::newRow("February 2015, four whole weeks") << 2 << 2015 << 1 << 22;
    QTest::newRow("April 2001, 30 days, 1st a Sunday") << 4 << 2001 << 1 << 29;
    QTest::newRow("September 2012, 30th a Sunday") << 9 << 2012 << 2 << 30;
    QTest::newRow("January 100") << 1 << 100 << 3 << 31;
    QTest::newRow("December 9999") << 12 << 9999 << 5 << 26;
}

void tst_holidays::sundays()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, first);
    QFETCH(int, last);
    QCOMPARE(holidays::FirstSunday(month, year), first);
    QCOMPARE(holidays::LastSunday(month, year), last);
}

void tst_holidays::weekdayLetters()
{
    const QString expected = QStringLiteral("PETKNRL");
    for (int w = 1; w <= 7; ++w)
        QCOMPARE(holidays::WeekdayLetter(w), expected.at(w - 1));
    QVERIFY(holidays::WeekdayLetter(0).isNull());
    QVERIFY(holidays::WeekdayLetter(8).isNull());
}

// Every month of the years before the act, 1800 to 1997, against QDate's
// calendar: weekday letters, the movable Sundays, the daylight-saving rows
// and the shape of each month; the table alone the same in every year.
void tst_holidays::invariantsOverYears()
{
    // Filled rows of the fixed months (bit i = row i + 1).
    const QHash<int, int> fixedShape{{1, 0x1f}, {2, 0x7f}, {4, 0x0f}, {6, 0xff},
                                     {7, 0xff}, {8, 0x0f}, {9, 0x0f}, {12, 0xff}};
    for (int year = 1800; year <= 2299; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QByteArray where = QByteArray::number(month) + "/" + QByteArray::number(year);
            const HolidayList list = holidays::FolkCalendarRows(month, year);
            QCOMPARE(list.size(), std::size_t(8));
            if (year < 1998)
                QVERIFY2(BuildHolidayList(month, year) == list, where);

            const int first = holidays::FirstSunday(month, year);
            QVERIFY2(first >= 1 && first <= 7, where);
            QCOMPARE(QDate(year, month, first).dayOfWeek(), int(Qt::Sunday));
            QCOMPARE(QDate(year, month, first).addDays(7), secondSundayByQDate(year, month));
            QCOMPARE(QDate(year, month, holidays::LastSunday(month, year)),
                     lastSundayByQDate(year, month));

            int shape = 0;
            int previousDay = 0;
            for (int i = 0; i < 8; ++i) {
                const HolidayRow &r = list[i];
                if (r.nameText.isEmpty()) {
                    QVERIFY2(r == HolidayRow{}, where + " empty row with content");
                    continue;
                }
                shape |= 1 << i;
                QVERIFY2(!r.flag || i < 7, where + " flag in row 8");
                if (r.dayText.isEmpty()) {
                    // A continuation row follows a dated row and has no marks.
                    QVERIFY2(i > 0 && !list[i - 1].dayText.isEmpty(), where);
                    QVERIFY2(!r.red && !r.flag, where);
                    continue;
                }
                QCOMPARE(r.dayText.size(), 7);
                QCOMPARE(r.dayText.mid(2, 4), QStringLiteral(". / "));
                const int day = r.dayText.left(2).toInt();
                QVERIFY2(day > previousDay, where + " days out of order");
                previousDay = day;
                const QDate date(year, month, day);
                QVERIFY2(date.isValid(), where);
                QCOMPARE(r.dayText.at(6), letterOf(date));
            }

            // The movable days sit on their Sundays.
            auto checkOn = [&](const char *name, const QDate &expected) {
                const int i = rowOf(list, QString::fromUtf8(name));
                QVERIFY2(i >= 0, where + " " + name);
                QCOMPARE(dateOfRow(list, i, year, month), expected);
            };
            switch (month) {
            case 3:
                checkOn("suveajale", lastSundayByQDate(year, 3));
                QCOMPARE(shape, lastSundayByQDate(year, 3).day() == 25 ? 0x37 : 0x1f);
                break;
            case 5:
                checkOn("Emadepäev", secondSundayByQDate(year, 5));
                QVERIFY(list[1].red && list[1].flag);
                QCOMPARE(shape, secondSundayByQDate(year, 5).day() == 9 ? 0x06 : 0x0e);
                break;
            case 10: {
                checkOn("talveajale", lastSundayByQDate(year, 10));
                checkOn("lõikustänupüha", secondSundayByQDate(year, 10));
                QVERIFY2(list[0].red, where);
                const int s = lastSundayByQDate(year, 10).day();
                const int h = secondSundayByQDate(year, 10).day();
                QCOMPARE(shape, h == 14 ? 0x5b : s == 31 ? 0x6f : 0x3f);
                break;
            }
            case 11:
                checkOn("Isadepäev", secondSundayByQDate(year, 11));
                QCOMPARE(shape, secondSundayByQDate(year, 11).day() == 10 ? 0x7f : 0xff);
                break;
            default:
                QCOMPARE(shape, fixedShape.value(month));
                break;
            }
        }
    }
}

void tst_holidays::easterSunday_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("easter");
    QTest::newRow("1998") << 1998 << QDate(1998, 4, 12);
    QTest::newRow("2005, on the last Sunday of March") << 2005 << QDate(2005, 3, 27);
    QTest::newRow("2008") << 2008 << QDate(2008, 3, 23);
    QTest::newRow("2011") << 2011 << QDate(2011, 4, 24);
    QTest::newRow("2026") << 2026 << QDate(2026, 4, 5);
    QTest::newRow("2038, latest") << 2038 << QDate(2038, 4, 25);
    QTest::newRow("2285, earliest") << 2285 << QDate(2285, 3, 22);
    QTest::newRow("1981, the 19 April exception") << 1981 << QDate(1981, 4, 19);
    QTest::newRow("1954, the 18 April exception") << 1954 << QDate(1954, 4, 18);
}

void tst_holidays::easterSunday()
{
    QFETCH(int, year);
    QFETCH(QDate, easter);
    QCOMPARE(holidays::EasterSunday(year), (holidays::MonthDay{easter.month(), easter.day()}));
}

// Gauss's Easter formula with its two exceptions, a second computus that
// shares no steps with the one under test.
static QDate gaussEaster(int year)
{
    const int a = year % 19, b = year % 4, c = year % 7;
    const int k = year / 100, p = (13 + 8 * k) / 25, q = k / 4;
    const int m = (15 - p + k - q) % 30, n = (4 + k - q) % 7;
    const int d = (19 * a + m) % 30, e = (2 * b + 4 * c + 6 * d + n) % 7;
    if (d == 29 && e == 6)
        return QDate(year, 4, 19);
    if (d == 28 && e == 6 && (11 * m + 11) % 30 < 19)
        return QDate(year, 4, 18);
    return QDate(year, 3, 22).addDays(d + e);
}

void tst_holidays::easterAgainstGauss()
{
    for (int year = 1583; year <= 9999; ++year) {
        const QDate expected = gaussEaster(year);
        const holidays::MonthDay got = holidays::EasterSunday(year);
        if (got != holidays::MonthDay{expected.month(), expected.day()})
            QFAIL(qPrintable(QStringLiteral("%1: %2.%3, Gauss %4").arg(year).arg(got.day).arg(got.month)
                                 .arg(expected.toString(QStringLiteral("d.M")))));
        QCOMPARE(expected.dayOfWeek(), int(Qt::Sunday));
        QVERIFY(expected >= QDate(year, 3, 22) && expected <= QDate(year, 4, 25));
    }
}

void tst_holidays::firstYearInForce_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("firstYear");
    // Easter 1997 on 30 March and 1998 on 12 April.
    QTest::newRow("Good Friday") << "Suur reede" << 0 << 1998;
    QTest::newRow("Easter") << "Ülestõusmispühade 1. püha" << 0 << 1998;
    QTest::newRow("Pentecost") << "Nelipühade 1. püha" << 5 << 1998;
    QTest::newRow("resistance") << "Vastupanuvõitluse päev" << 9 << 2007;
    QTest::newRow("victims") << "Kommunismi ja natsismi ohvrite mälestuspäev" << 8 << 2009;
    QTest::newRow("grandparents") << "Vanavanemate päev" << 9 << 2010;
    QTest::newRow("kindred peoples") << "Hõimupäev" << 10 << 2011;
    QTest::newRow("local government") << "Omavalitsuspäev" << 10 << 2018;
    QTest::newRow("literature") << "Eesti kirjanduse päev" << 1 << 2023;
    QTest::newRow("Europe Day") << "Euroopa päev" << 5 << 2004;
    QTest::newRow("War of Independence") << "Vabadussõjas võidelnute mälestuspäev" << 1 << 2006;
    QTest::newRow("veterans") << "Veteranipäev" << 4 << 2015;
}

// Each day of the act is listed from the year it came into force, not before.
void tst_holidays::firstYearInForce()
{
    QFETCH(QString, name);
    QFETCH(int, month);
    QFETCH(int, firstYear);
    auto listed = [&](int year) {
        for (int m : month ? QList<int>{month} : QList<int>{3, 4}) {
            for (const HolidayRow &r : BuildHolidayList(m, year))
                if (r.nameText.startsWith(name))
                    return true;
        }
        return false;
    };
    QVERIFY(!listed(firstYear - 1));
    QVERIFY(listed(firstYear));
    QVERIFY(listed(firstYear + 1));
}

namespace {

// The date of a day of the act in a year, found with QDate and Gauss's Easter.
QDate actDate(const holidays::StatutoryDay &d, int year)
{
    using Rule = holidays::StatutoryDay::Rule;
    switch (d.rule) {
    case Rule::Fixed:
        return QDate(year, d.month, d.day);
    case Rule::Easter:
        return gaussEaster(year).addDays(d.day);
    case Rule::NthWeekday: {
        QDate x(year, d.month, 1);
        while (x.dayOfWeek() % 7 + 1 != d.weekday)
            x = x.addDays(1);
        return x.addDays(7 * (d.day - 1));
    }
    }
    return {};
}

QString lowerFirst(const QString &s)
{
    for (const char *proper : {"Eesti ", "Tartu ", "Leedu ", "Läti "})
        if (s.startsWith(QString::fromUtf8(proper)))
            return s;
    return s.left(1).toLower() + s.mid(1);
}

} // namespace

// Every month of 1998 to 2299 and of the last years: each day the law adds
// stands on its date, first in its row; each row of the table as the law
// words it keeps its text unless a day of the law joins it, and then follows
// the law's names with a small first letter; on a day whose marks no line
// of the law sets or clears, the marks are those of either; a mourning flag
// is a flag; rows stay in date order with the continuation lines under their
// rows; more than eight rows only when none is empty.
void tst_holidays::actInForceOverYears()
{
    int largest = 0;
    QList<int> years;
    for (int y = 1998; y <= 2299; ++y)
        years << y;
    years << 9998 << 9999;
    for (int year : years) {
        for (int month = 1; month <= 12; ++month) {
            const QByteArray where = QByteArray::number(month) + "/" + QByteArray::number(year);
            const HolidayList list = BuildHolidayList(month, year);
            const HolidayList table = holidays::TableRowsInForce(month, year);
            largest = std::max(largest, int(list.size()));
            QVERIFY2(list.size() >= 8, where);

            // What the law adds on each day of this month, and the days whose
            // marks it sets or clears.
            QMap<int, QList<const holidays::StatutoryDay *>> act;
            QSet<int> marked;
            for (const holidays::StatutoryDay &d : holidays::StatutoryDays()) {
                const QDate date = actDate(d, year);
                if (year < d.firstYear || year > d.lastYear || date.month() != month)
                    continue;
                if (d.change == holidays::StatutoryDay::Change::Adds)
                    act[date.day()] << &d;
                else if (d.change == holidays::StatutoryDay::Change::Marks)
                    marked << date.day();
            }
            const auto sameTexts = [](const HolidayList &a, const HolidayList &b) {
                return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const HolidayRow &x, const HolidayRow &y) {
                    return x.dayText == y.dayText && x.nameText == y.nameText;
                });
            };
            if (act.isEmpty())
                QVERIFY2(sameTexts(list, table), where);

            // The rows as (day, name, marks), continuation lines folded into their rows.
            int previousDay = 0;
            int filled = 0;
            QMap<int, HolidayRow> byDay;
            for (std::size_t i = 0; i < list.size(); ++i) {
                const HolidayRow &r = list[i];
                if (r.nameText.isEmpty()) {
                    QVERIFY2(r == HolidayRow{}, where);
                    QVERIFY2(list.size() == 8, where + " an empty row among more than eight");
                    continue;
                }
                ++filled;
                QVERIFY2(!r.mourning || r.flag, where + " mourning without a flag");
                if (r.dayText.isEmpty()) {
                    QVERIFY2(i > 0 && !list[i - 1].nameText.isEmpty() && !list[i - 1].dayText.isEmpty(), where);
                    QVERIFY2(r.red == list[i - 1].red && !r.flag, where + " continuation marks");
                    continue;
                }
                const int day = r.dayText.left(2).toInt();
                QVERIFY2(day > previousDay, where + " days out of order");
                previousDay = day;
                QCOMPARE(r.dayText.at(6), letterOf(QDate(year, month, day)));
                byDay[day] = r;
            }

            // Each table row: unchanged, or joined by the act's names.
            int tableFilled = 0;
            for (const HolidayRow &t : table) {
                if (t.nameText.isEmpty() || t.dayText.isEmpty()) {
                    tableFilled += !t.nameText.isEmpty();
                    continue;
                }
                ++tableFilled;
                const int day = t.dayText.left(2).toInt();
                QVERIFY2(byDay.contains(day), where + " table row " + t.dayText.toUtf8());
                const HolidayRow &r = byDay[day];
                QCOMPARE(r.dayText, t.dayText);
                if (!act.contains(day)) {
                    QVERIFY2(r.nameText == t.nameText, where + " " + r.nameText.toUtf8());
                    if (!marked.contains(day))
                        QVERIFY2(r == t, where + " " + r.nameText.toUtf8());
                    continue;
                }
                QStringList names;
                bool red = t.red, flag = t.flag;
                for (const auto *d : act[day]) {
                    const QString n = QString::fromUtf8(d->name);
                    names << (names.isEmpty() ? n : lowerFirst(n));
                    red = red || d->set.red;
                    flag = flag || d->set.flag;
                }
                if (t.nameText.compare(QString::fromUtf8(act[day].first()->name), Qt::CaseInsensitive) != 0)
                    names << lowerFirst(t.nameText);
                QCOMPARE(r.nameText, names.join(QStringLiteral("; ")));
                if (!marked.contains(day)) {
                    QCOMPARE(r.red, red);
                    QCOMPARE(r.flag, flag);
                }
            }
            // Each day of the act on a day without a table row has a row of its own.
            int ownRows = 0;
            for (auto it = act.cbegin(); it != act.cend(); ++it) {
                QVERIFY2(byDay.contains(it.key()), where + " act day " + QByteArray::number(it.key()));
                const bool onTableRow = std::any_of(table.begin(), table.end(), [&](const HolidayRow &t) {
                    return !t.dayText.isEmpty() && t.dayText.left(2).toInt() == it.key();
                });
                if (onTableRow)
                    continue;
                ++ownRows;
                QStringList names;
                for (const auto *d : it.value())
                    names << (names.isEmpty() ? QString::fromUtf8(d->name) : lowerFirst(QString::fromUtf8(d->name)));
                QCOMPARE(byDay[it.key()].nameText, names.join(QStringLiteral("; ")));
            }
            QCOMPARE(filled, tableFilled + ownRows);
        }
    }
    // Pentecost in June gives nine rows, and nothing gives more.
    QCOMPARE(largest, 9);
}

namespace {

// The listing's row of a day: its name text with its continuation lines,
// and its marks ("R", "F", "M"); "-" when the day has no row.
QString dayInListing(const QDate &date)
{
    const HolidayList list = BuildHolidayList(date.month(), date.year());
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].dayText.left(2).toInt() != date.day())
            continue;
        QString text = list[i].nameText;
        for (std::size_t j = i + 1; j < list.size() && list[j].dayText.isEmpty() && !list[j].nameText.isEmpty(); ++j)
            text += QLatin1Char(' ') + list[j].nameText;
        const HolidayRow &r = list[i];
        return text + QLatin1Char('|') + (r.red ? "R" : "") + (r.flag ? "F" : "") + (r.mourning ? "M" : "");
    }
    return QStringLiteral("-");
}

} // namespace

// The day on both sides of each change of the law: names and marks as the
// act and the flag rules in force that year say them.
void tst_holidays::lawOfTheYear_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    // 1998: the act of 1998 words the state days anew; 2 February is no day off.
    QTest::newRow("1997 2 Feb, a day off of the old table") << QDate(1997, 2, 2) << "Küünlapäev; Tartu rahu aastapäev|RF";
    QTest::newRow("1998 2 Feb, a day of national importance") << QDate(1998, 2, 2) << "Küünlapäev; Tartu rahulepingu aastapäev|F";
    QTest::newRow("1997 24 Feb") << QDate(1997, 2, 24) << "Iseseisvuspäev; madisepäev|RF";
    QTest::newRow("1998 24 Feb") << QDate(1998, 2, 24) << "Iseseisvuspäev, Eesti Vabariigi aastapäev; madisepäev|RF";
    QTest::newRow("1997 Good Friday 28 Mar, not a holiday yet") << QDate(1997, 3, 28) << "-";
    QTest::newRow("1998 Good Friday 10 Apr") << QDate(1998, 4, 10) << "Suur reede|R";
    QTest::newRow("1997 14 Jun, a flag") << QDate(1997, 6, 14) << "Leinapäev|F";
    QTest::newRow("1998 14 Jun, a mourning flag") << QDate(1998, 6, 14) << "Leinapäev|FM";
    QTest::newRow("1997 16 Nov") << QDate(1997, 11, 16) << "Taassünnipäev|F";
    QTest::newRow("1998 16 Nov") << QDate(1998, 11, 16) << "Taassünni päev|F";
    QTest::newRow("1997 25 Dec") << QDate(1997, 12, 25) << "1. jõulupüha|R";
    QTest::newRow("1998 25 Dec") << QDate(1998, 12, 25) << "Esimene jõulupüha|R";
    QTest::newRow("1998 26 Dec") << QDate(1998, 12, 26) << "Teine jõulupüha; tabanipäev|R";
    // 2004: Europe Day and the day of the flag, both flag days.
    QTest::newRow("2003 9 May") << QDate(2003, 5, 9) << "Nigulapäev|";
    QTest::newRow("2004 9 May, Mother's Day too") << QDate(2004, 5, 9) << "Euroopa päev; emadepäev; nigulapäev|RF";
    QTest::newRow("2005 9 May, a Monday") << QDate(2005, 5, 9) << "Euroopa päev; nigulapäev|F";
    QTest::newRow("2003 4 Jun") << QDate(2003, 6, 4) << "Eesti lipu õnnistamise aastapäev|";
    QTest::newRow("2004 4 Jun") << QDate(2004, 6, 4) << "Eesti lipu päev|F";
    // 2006: the Flag Act's flag days replace the regulation's.
    QTest::newRow("2005 1 Jan") << QDate(2005, 1, 1) << "Uusaasta|RF";
    QTest::newRow("2006 1 Jan, no flag") << QDate(2006, 1, 1) << "Uusaasta|R";
    QTest::newRow("2005 3 Jan") << QDate(2005, 1, 3) << "-";
    QTest::newRow("2006 3 Jan") << QDate(2006, 1, 3) << "Vabadussõjas võidelnute mälestuspäev|F";
    QTest::newRow("2005 16 Feb") << QDate(2005, 2, 16) << "Leedu iseseisvuspäev|F";
    QTest::newRow("2006 16 Feb, no flag") << QDate(2006, 2, 16) << "Leedu iseseisvuspäev|";
    QTest::newRow("2005 1 May") << QDate(2005, 5, 1) << "Kevadpüha; volbripäev|RF";
    QTest::newRow("2006 1 May, no flag") << QDate(2006, 5, 1) << "Kevadpüha; volbripäev|R";
    QTest::newRow("2006 Mother's Day 14 May") << QDate(2006, 5, 14) << "Emadepäev|RF";
    QTest::newRow("2006 14 Jun, a mourning flag") << QDate(2006, 6, 14) << "Leinapäev|FM";
    QTest::newRow("2005 1 Sep") << QDate(2005, 9, 1) << "Teadmistepäev|";
    QTest::newRow("2006 1 Sep") << QDate(2006, 9, 1) << "Teadmistepäev|F";
    QTest::newRow("2005 16 Nov") << QDate(2005, 11, 16) << "Taassünni päev|F";
    QTest::newRow("2006 16 Nov, no flag") << QDate(2006, 11, 16) << "Taassünni päev|";
    QTest::newRow("2005 18 Nov") << QDate(2005, 11, 18) << "Läti iseseisvuspäev|F";
    QTest::newRow("2006 18 Nov, no flag") << QDate(2006, 11, 18) << "Läti iseseisvuspäev|";
    QTest::newRow("2006 Father's Day 12 Nov") << QDate(2006, 11, 12) << "Isadepäev|RF";
    QTest::newRow("2006 20 Aug") << QDate(2006, 8, 20) << "Taasiseseisvumispäev|RF";
    // 2011: the kindred peoples' day, a flag day from its first year.
    QTest::newRow("2010 third Saturday of October, 16th") << QDate(2010, 10, 16) << "-";
    QTest::newRow("2011 third Saturday of October, 15th") << QDate(2011, 10, 15) << "Hõimupäev|F";
    // 2015: veterans' day.
    QTest::newRow("2014 23 Apr") << QDate(2014, 4, 23) << "Jüripäev|";
    QTest::newRow("2015 23 Apr") << QDate(2015, 4, 23) << "Veteranipäev; jüripäev|F";
    // 2021: children's day and grandparents' day.
    QTest::newRow("2020 1 Jun") << QDate(2020, 6, 1) << "Lastekaitsepäev|";
    QTest::newRow("2021 1 Jun") << QDate(2021, 6, 1) << "Lastekaitsepäev|F";
    QTest::newRow("2020 second Sunday of September, 13th") << QDate(2020, 9, 13) << "Vanavanemate päev|";
    QTest::newRow("2021 second Sunday of September, 12th") << QDate(2021, 9, 12) << "Vanavanemate päev|F";
    // 2023: Estonian literature day.
    QTest::newRow("2022 30 Jan") << QDate(2022, 1, 30) << "-";
    QTest::newRow("2023 30 Jan") << QDate(2023, 1, 30) << "Eesti kirjanduse päev|F";
    QTest::newRow("2026 2 Feb") << QDate(2026, 2, 2) << "Küünlapäev; Tartu rahulepingu aastapäev|F";
    QTest::newRow("2026 Good Friday 3 Apr") << QDate(2026, 4, 3) << "Suur reede|R";
}

void tst_holidays::lawOfTheYear()
{
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(dayInListing(date), expected);
}

// The number of flag days of a year, counted from the flag rules of that
// year (a day on which two flag days fall is one day).
void tst_holidays::flagDaysOfTheYear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("flagDays");
    QTest::addColumn<int>("mourning");
    // 1 Jan, 2 Feb, 16 Feb, 24 Feb, 14 Mar, 1 May, Mother's Day, 14 Jun,
    // 23 Jun, 24 Jun, 20 Aug, Father's Day, 16 Nov, 18 Nov.
    QTest::newRow("1997, the regulation of 1993") << 1997 << 14 << 0;
    QTest::newRow("1998, a mourning flag on 14 June") << 1998 << 14 << 1;
    QTest::newRow("2004, Mother's Day on Europe Day") << 2004 << 15 << 1;
    QTest::newRow("2005, with 9 May and 4 June") << 2005 << 16 << 1;
    // 3 Jan, 2 Feb, 24 Feb, 14 Mar, Mother's Day, 9 May, 4 Jun, 14 Jun,
    // 23 Jun, 24 Jun, 20 Aug, 1 Sep, Father's Day.
    QTest::newRow("2006, the Flag Act") << 2006 << 13 << 1;
    QTest::newRow("2011, kindred peoples' day") << 2011 << 14 << 1;
    QTest::newRow("2015, veterans' day") << 2015 << 15 << 1;
    QTest::newRow("2022, children's and grandparents' days") << 2022 << 17 << 1;
    QTest::newRow("2023, literature day") << 2023 << 18 << 1;
    QTest::newRow("2026") << 2026 << 18 << 1;
}

void tst_holidays::flagDaysOfTheYear()
{
    QFETCH(int, year);
    QFETCH(int, flagDays);
    QFETCH(int, mourning);
    int flags = 0, mournings = 0;
    for (int month = 1; month <= 12; ++month) {
        for (const HolidayRow &r : BuildHolidayList(month, year)) {
            flags += r.flag;
            mournings += r.mourning;
        }
    }
    QCOMPARE(flags, flagDays);
    QCOMPARE(mournings, mourning);
}

void tst_holidays::namesOfADay_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("dayOff");
    // Each name: "Name {categories} (sources)".
    QTest::addColumn<QStringList>("names");
    QTest::newRow("Good Friday 2026")
        << QDate(2026, 4, 3) << true << QStringList{"Suur reede {riigipüha} (RT I 1998, 13, 162)"};
    QTest::newRow("2 February 2026, a flag day off no longer")
        << QDate(2026, 2, 2) << false
        << QStringList{"Küünlapäev {rahvakalender} ()",
                       "Tartu rahulepingu aastapäev {tähtpäev,lipupäev} (RT I 1998, 13, 162; RT I 2005, 20, 126)"};
    QTest::newRow("2 February 1997, a day off of the old table")
        << QDate(1997, 2, 2) << true
        << QStringList{"Küünlapäev {rahvakalender} ()", "Tartu rahu aastapäev {riigipüha,lipupäev} ()"};
    QTest::newRow("14 June 2026, the mourning flag")
        << QDate(2026, 6, 14) << false << QStringList{"Leinapäev {tähtpäev,lipupäev,leinalipp} (RT I 2005, 20, 126)"};
    QTest::newRow("Midsummer's eve 2026, the flag for Victory Day")
        << QDate(2026, 6, 23) << true
        << QStringList{"Võidupüha {riigipüha,lipupäev} (RT I 1998, 13, 162; RT I 2005, 20, 126)",
                       "Jaanilaupäev {rahvakalender} ()"};
    QTest::newRow("Lithuania's day 2005, a flag without a state day")
        << QDate(2005, 2, 16) << false << QStringList{"Leedu iseseisvuspäev {muu,lipupäev} ()"};
    QTest::newRow("last Sunday of March 2005, Easter and summer time")
        << QDate(2005, 3, 27) << true
        << QStringList{"Ülestõusmispühade 1. püha {riigipüha} (RT I 1998, 13, 162)",
                       "Üleminek suveajale kell 3.00 {muu} ()"};
    QTest::newRow("25 March 2035, a name over two lines")
        << QDate(2035, 3, 25) << true
        << QStringList{"Ülestõusmispühade 1. püha {riigipüha} (RT I 1998, 13, 162)", "Paastumaarjapäev {rahvakalender} ()",
                       "Leinapäev {rahvakalender} ()", "Üleminek suveajale kell 3.00 {muu} ()"};
    QTest::newRow("Christmas Eve 2004, before it was a day off")
        << QDate(2004, 12, 24) << false << QStringList{"Jõululaupäev {rahvakalender} ()"};
    QTest::newRow("Christmas Eve 2005") << QDate(2005, 12, 24) << true
                                        << QStringList{"Jõululaupäev {riigipüha} (RT I 2005, 24, 185)"};
}

void tst_holidays::namesOfADay()
{
    QFETCH(QDate, date);
    QFETCH(bool, dayOff);
    QFETCH(QStringList, names);
    const std::vector<holidays::NotableDay> days = holidays::NotableDays(date.month(), date.year());
    auto it = std::find_if(days.begin(), days.end(), [&](const holidays::NotableDay &d) { return d.day == date.day(); });
    QVERIFY(it != days.end());
    QCOMPARE(it->dayOff, dayOff);
    QStringList got;
    for (const holidays::DayName &n : it->parts)
        got << n.name + QStringLiteral(" {") + n.categories.join(QLatin1Char(',')) + QStringLiteral("} (")
                + n.sources.join(QStringLiteral("; ")) + QLatin1Char(')');
    QCOMPARE(got, names);
}

void tst_holidays::calendarEventsOfYears_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("given");
    QTest::newRow("one year") << 2026 << 2026 << true;
    QTest::newRow("a hundred years") << 1950 << 2049 << true;
    QTest::newRow("a hundred and one years") << 1950 << 2050 << false;
    QTest::newRow("backwards") << 2027 << 2026 << false;
    QTest::newRow("before year 100") << 99 << 101 << false;
    QTest::newRow("the last year") << 9999 << 9999 << true;
    QTest::newRow("after year 9999") << 9999 << 10000 << false;
}

// Events of the years asked for, each on a day of those years, in date
// order; nothing for a range the program does not export.
void tst_holidays::calendarEventsOfYears()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(bool, given);
    const std::vector<icalendar::Event> events = holidays::CalendarEvents(first, last);
    QCOMPARE(!events.empty(), given);
    if (!given)
        return;
    QCOMPARE(events.front().date, QDate(first, 1, 1)); // New Year's Day first
    QCOMPARE(events.front().summary, QStringLiteral("Uusaasta"));
    QCOMPARE(events.back().date, QDate(last, 12, 31));
    QCOMPARE(events.back().summary, QStringLiteral("Vana-aasta õhtu"));
    for (std::size_t i = 1; i < events.size(); ++i)
        QVERIFY(events[i - 1].date <= events[i].date);
}

QTEST_GUILESS_MAIN(tst_holidays)
#include "tst_holidays.moc"

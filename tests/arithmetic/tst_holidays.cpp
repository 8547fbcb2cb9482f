#include "holidays.h"

#include <QDate>
#include <QTest>

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

HolidayRow row(const char *day, const char *name, const char *marks = "")
{
    const QByteArray m(marks);
    return HolidayRow{QString::fromUtf8(day), QString::fromUtf8(name), m.contains('R'),
                      m.contains('F')};
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
        << HolidayList{row("02. / E", "Küünlapäev; Tartu rahu aastapäev", "RF"),
                       row("03. / T", "Klaasmusepäev"), row("09. / E", "Luuvalupäev"),
                       row("14. / L", "Valentinipäev"), row("16. / E", "Leedu iseseisvuspäev", "F"),
                       row("22. / P", "Peetripäev"), row("24. / T", "Iseseisvuspäev; madisepäev", "RF"),
                       empty};
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
    QTest::newRow("April 2004")
        << 4 << 2004
        << HolidayList{row("01. / N", "Karjalaskepäev; naljapäev"), row("14. / K", "Künnipäev"),
                       row("23. / R", "Jüripäev"), row("25. / P", "Markusepäev"), empty, empty,
                       empty, empty};
    QTest::newRow("May 2005, second Sunday on the 8th")
        << 5 << 2005
        << HolidayList{empty, row("01. / P", "Kevadpüha; volbripäev", "RF"),
                       row("08. / P", "Emadepäev", "RF"), row("09. / E", "Nigulapäev"), empty,
                       empty, empty, empty};
    QTest::newRow("May 2004, second Sunday on the 9th")
        << 5 << 2004
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
                       row("04. / R", "Eesti lipu õnnistamise aastapäev"),
                       row("14. / E", "Leinapäev", "F"), row("15. / T", "Viidipäev"),
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
                       row("16. / L", "Taassünnipäev", "F"),
                       row("18. / E", "Läti iseseisvuspäev", "F"), row("25. / E", "Kadripäev"),
                       row("30. / L", "Andresepäev"), empty};
    QTest::newRow("November 2003, second Sunday on the 9th")
        << 11 << 2003
        << HolidayList{row("01. / L", "Pühakutepäev"), row("02. / P", "Hingedepäev"),
                       row("09. / P", "Isadepäev", "RF"), row("10. / E", "Mardipäev"),
                       row("16. / P", "Taassünnipäev", "F"),
                       row("18. / T", "Läti iseseisvuspäev", "F"), row("25. / T", "Kadripäev"),
                       row("30. / P", "Andresepäev")};
    QTest::newRow("November 2004, second Sunday on the 14th")
        << 11 << 2004
        << HolidayList{row("01. / E", "Pühakutepäev"), row("02. / T", "Hingedepäev"),
                       row("10. / K", "Mardipäev"), row("14. / P", "Isadepäev", "RF"),
                       row("16. / T", "Taassünnipäev", "F"),
                       row("18. / N", "Läti iseseisvuspäev", "F"), row("25. / N", "Kadripäev"),
                       row("30. / T", "Andresepäev")};
    QTest::newRow("December 2004, red without flags")
        << 12 << 2004
        << HolidayList{row("06. / E", "Nigulapäev"), row("13. / E", "Luutsinapäev"),
                       row("21. / T", "Toomapäev"), row("24. / R", "Jõululaupäev"),
                       row("25. / L", "1. jõulupüha", "R"),
                       row("26. / P", "2. jõulupüha; tabanipäev", "R"),
                       row("28. / T", "Süütalastepäev"), row("31. / R", "Vana-aasta õhtu")};
}

void tst_holidays::listing()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(HolidayList, expected);
    const HolidayList got = BuildHolidayList(month, year);
    for (int i = 0; i < 8; ++i) {
        const QByteArray where = "row " + QByteArray::number(i + 1);
        QVERIFY2(got[i].dayText == expected[i].dayText, where + ": " + got[i].dayText.toUtf8());
        QVERIFY2(got[i].nameText == expected[i].nameText, where + ": " + got[i].nameText.toUtf8());
        QVERIFY2(got[i].red == expected[i].red, where);
        QVERIFY2(got[i].flag == expected[i].flag, where);
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

// Every month of 1990 to 2100 against QDate's calendar: weekday letters,
// the movable Sundays, the daylight-saving rows and the shape of each month.
void tst_holidays::invariantsOverYears()
{
    // Filled rows of the fixed months (bit i = row i + 1).
    const QHash<int, int> fixedShape{{1, 0x1f}, {2, 0x7f}, {4, 0x0f}, {6, 0xff},
                                     {7, 0xff}, {8, 0x0f}, {9, 0x0f}, {12, 0xff}};
    for (int year = 1990; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QByteArray where = QByteArray::number(month) + "/" + QByteArray::number(year);
            const HolidayList list = BuildHolidayList(month, year);

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

QTEST_GUILESS_MAIN(tst_holidays)
#include "tst_holidays.moc"

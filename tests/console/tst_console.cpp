// SPDX-License-Identifier: GPL-3.0-or-later
// The subcommands as a script sees them: what each answers and with which
// status, every refusal with its message, the questions of standard input
// answered line by line (a thousand of them), and every day of 1582 to 1583
// and 1999 to 2001 answered with the text the calculators' arithmetic gives
// the windows. The month sheets are checked against grids worked out with
// QDate (weekgrid.h), not with the program's own rule.
#include "console.h"

#include "calculatorrules.h"
#include "datevalue.h"
#include "fakeclock.h"
#include "holidays.h"
#include "modarvutused.h"
#include "monthsheet.h"
#include "weekgrid.h"

#include <QRegularExpression>
#include <QTest>
#include <QTextStream>

#include <functional>

namespace {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

// The subcommand run as the program runs it, on a clock at 15.3.2004 12:00.
Result run(const QStringList &arguments, const QString &input = QString())
{
    Result r;
    QString in = input;
    QTextStream inStream(&in, QIODevice::ReadOnly);
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    tundrik::FakeClock clock;
    clock.setNow(2004, 3, 15, 12, 0, 0);
    r.status = console::run(arguments, inStream, out, err, clock);
    out.flush();
    err.flush();
    return r;
}

// The Estonian group separator, a no-break space.
QString nb(const char *text)
{
    return QString::fromUtf8(text).replace(QLatin1Char('_'), QChar(0x00A0));
}

QString hint(const QString &subcommand)
{
    return QStringLiteral("Võimalikud võtmed näitab „tundrik %1 --help“.\n").arg(subcommand);
}

// "dd.mm.yyyy" as a question writes it.
QString written(int y, int m, int d)
{
    return QStringLiteral("%1.%2.%3").arg(d, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0')).arg(y);
}

struct Day {
    int y, m, d;
};

// Every day of the years, as written in the Gregorian calendar.
QList<Day> daysOf(int firstYear, int lastYear)
{
    QList<Day> days;
    for (int y = firstYear; y <= lastYear; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; datevalue::IsValidDate(y, m, d); ++d)
                days.append({y, m, d});
    return days;
}

QList<Day> sweepDays()
{
    return daysOf(1582, 1583) + daysOf(1999, 2001);
}

bool beforeReform(const Day &x)
{
    return x.y < 1582 || (x.y == 1582 && (x.m < 10 || (x.m == 10 && x.d < 15)));
}

datevalue::DateValue valueOf(const Day &x, bool julian)
{
    return julian ? datevalue::JulianDateSerial(x.y, x.m, x.d) : datevalue::DateSerial(x.y, x.m, x.d);
}

// Runs one subcommand over many questions through standard input and
// compares each answer line with the expected one.
void compareLines(const QStringList &arguments, const QStringList &questions, const QStringList &expected)
{
    const Result r = run(arguments, questions.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QCOMPARE(r.err, QString());
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), expected.size() + 1);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (lines.at(i) != expected.at(i))
            QFAIL(qPrintable(
                QStringLiteral("%1 %2: %3, expected %4")
                    .arg(arguments.join(QLatin1Char(' ')), questions.at(i), lines.at(i), expected.at(i))));
    }
}

} // namespace

class tst_console : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");

        QTest::newRow("day number") << QStringList {"jp", "01.01.2000"} << nb("2_451_545. Juliuse päev\n");
        QTest::newRow("day and month of one digit")
            << QStringList {"jp", "1.1.2000"} << nb("2_451_545. Juliuse päev\n");
        QTest::newRow("last day before the reform, Julian")
            << QStringList {"jp", "04.10.1582"} << nb("2_299_160. Juliuse päev\n");
        QTest::newRow("last day before the reform, G")
            << QStringList {"jp", "04.10.1582", "--gregooriuse"} << nb("2_299_150. Juliuse päev\n");
        QTest::newRow("first Gregorian day")
            << QStringList {"jp", "15.10.1582"} << nb("2_299_161. Juliuse päev\n");
        QTest::newRow("Julian reading asked")
            << QStringList {"jp", "--juliuse", "01.01.2000"} << nb("2_451_558. Juliuse päev\n");
        // Before the reform the Julian box is grayed: the date is read in the
        // Julian calendar, and asking for it changes nothing.
        QTest::newRow("Julian reading asked before the reform")
            << QStringList {"jp", "04.10.1582", "--juliuse"} << nb("2_299_160. Juliuse päev\n");
        QTest::newRow("Julian date asked before the reform")
            << QStringList {"kuupäev", "2299160", "--juliuse"} << "04.10.1582. a.\n";
        QTest::newRow("a day of the Julian calendar only")
            << QStringList {"jp", "29.02.1700"} << nb("2_342_042. Juliuse päev\n");
        QTest::newRow("first day of the range")
            << QStringList {"jp", "03.01.100"} << nb("1_757_585. Juliuse päev\n");
        QTest::newRow("last day of the range")
            << QStringList {"jp", "31.12.2299"} << nb("2_561_117. Juliuse päev\n");
        QTest::newRow("--iso, day number")
            << QStringList {"jp", "01.01.2000", "--iso"} << "2451545. Juliuse päev\n";
        QTest::newRow("ASCII spelling of a subcommand")
            << QStringList {"nadalapaev", "01.01.2000"} << "Laupäev\n";
        QTest::newRow("weekday") << QStringList {"nädalapäev", "01.01.2000"} << "Laupäev\n";
        QTest::newRow("weekday, Julian") << QStringList {"nädalapäev", "04.10.1582"} << "Neljapäev\n";
        QTest::newRow("weekday, G") << QStringList {"nädalapäev", "04.10.1582", "--gregooriuse"}
                                    << "Esmaspäev\n";
        QTest::newRow("date of a day number") << QStringList {"kuupäev", "2451545"} << "01.01.2000. a.\n";
        QTest::newRow("day number with groups")
            << QStringList {"kuupäev", nb("2_451_545")} << "01.01.2000. a.\n";
        QTest::newRow("day number with spaces") << QStringList {"kuupäev", "2 451 545"} << "01.01.2000. a.\n";
        QTest::newRow("first Gregorian day number")
            << QStringList {"kuupäev", "2299161"} << "15.10.1582. a.\n";
        QTest::newRow("first Gregorian day number, Julian")
            << QStringList {"kuupäev", "2299161", "--juliuse"} << "05.10.1582. a.\n";
        QTest::newRow("day before, Julian") << QStringList {"kuupäev", "2299160"} << "04.10.1582. a.\n";
        QTest::newRow("day before, G")
            << QStringList {"kuupäev", "2299160", "--gregooriuse"} << "14.10.1582. a.\n";
        QTest::newRow("first day number") << QStringList {"kuupäev", "1757600"} << "18.01.100. a.\n";
        QTest::newRow("last day number") << QStringList {"kuupäev", "2561100"} << "14.12.2299. a.\n";
        QTest::newRow("--iso, date") << QStringList {"kuupäev", "2451545", "--iso"} << "2000-01-01\n";
        QTest::newRow("--iso, Julian date of a year of three digits")
            << QStringList {"kuupäev", "1757600", "--iso"} << "0100-01-18\n";
        QTest::newRow("interval in days")
            << QStringList {"vahe", "24.02.1918", "20.08.1991"} << nb("26_840 päeva\n");
        QTest::newRow("interval in years, months and days")
            << QStringList {"vahe", "24.02.1918", "20.08.1991", "--aastad", "--kuud"}
            << "73 aastat, 5 kuud ja 27 päeva\n";
        QTest::newRow("interval in months")
            << QStringList {"vahe", "10.05.2003", "09.08.2005", "--kuud"} << "26 kuud ja 30 päeva\n";
        QTest::newRow("interval in years")
            << QStringList {"vahe", "10.05.2003", "09.08.2005", "--aastad"} << "2 aastat ja 91 päeva\n";
        QTest::newRow("interval backwards")
            << QStringList {"vahe", "09.08.2005", "10.05.2003"} << "- 822 päeva\n";
        QTest::newRow("interval --iso")
            << QStringList {"vahe", "24.02.1918", "20.08.1991", "--iso"} << "26840 päeva\n";
        QTest::newRow("interval of two Julian dates in Julian years")
            << QStringList {"vahe", "01.03.1500", "01.03.1501", "--aastad"} << "1 aasta\n";
        QTest::newRow("second date Julian")
            << QStringList {"vahe", "01.01.2000", "01.01.2000", "--juliuse2"} << "13 päeva\n";
        QTest::newRow("add") << QStringList {"liida", "01.01.2000", "1", "2", "3"} << "04.03.2001. a.\n";
        QTest::newRow("31 February runs on")
            << QStringList {"liida", "31.01.2003", "0", "1", "0"} << "03.03.2003. a.\n";
        QTest::newRow("subtract 1000 days")
            << QStringList {"lahuta", "10.05.2003", "0", "0", "1000"} << "13.08.2000. a.\n";
        QTest::newRow("largest shift back")
            << QStringList {"lahuta", "01.01.1800", "0", "0", "79999"} << "21.12.1580. a.\n";
        QTest::newRow("back across 1700, Gregorian")
            << QStringList {"lahuta", "01.03.1700", "0", "0", "1"} << "28.02.1700. a.\n";
        QTest::newRow("back across 1700, Julian")
            << QStringList {"lahuta", "01.03.1700", "0", "0", "1", "--juliuse"} << "29.02.1700. a.\n";
        QTest::newRow("a Julian-only day, Julian")
            << QStringList {"liida", "29.02.1700", "0", "0", "0", "--juliuse"} << "29.02.1700. a.\n";
        QTest::newRow("add --iso") << QStringList {"liida", "01.01.2000", "1", "2", "3", "--iso"}
                                   << "2001-03-04\n";
        QTest::newRow("leap year") << QStringList {"liigaasta", "2000"} << "Jah, on liigaasta\n";
        QTest::newRow("century") << QStringList {"liigaasta", "1900"} << "Ei ole liigaasta\n";
        QTest::newRow("1500 by the Gregorian rule")
            << QStringList {"liigaasta", "1500"} << "Ei ole liigaasta\n";
        QTest::newRow("options after --") << QStringList {"liigaasta", "--", "2024"} << "Jah, on liigaasta\n";
        QTest::newRow("holidays of May 2004")
            << QStringList {"pühad", "5", "2004"}
            << QStringLiteral("Mai  2004\n"
                              "01. / L\tKevadpüha; volbripäev\tpunane päev, lipupäev\n"
                              "09. / P\tEuroopa päev; emadepäev; nigulapäev\tpunane päev, lipupäev\n"
                              "30. / P\tNelipühade 1. püha\tpunane päev\n");
        QTest::newRow("holidays of a month by name, --iso")
            << QStringList {"puhad", "juuni", "2004", "--iso"}
            << QStringLiteral("Juuni  2004\n"
                              "2004-06-01 / T\tLastekaitsepäev\t\n"
                              "2004-06-04 / R\tEesti lipu päev\tlipupäev\n"
                              "2004-06-14 / E\tLeinapäev\tleinalipp\n"
                              "2004-06-15 / T\tViidipäev\t\n"
                              "2004-06-23 / K\tVõidupüha; jaanilaupäev\tpunane päev, lipupäev\n"
                              "2004-06-24 / N\tJaanipäev\tpunane päev, lipupäev\n"
                              "2004-06-27 / P\tSeitsmemagajapäev\t\n"
                              "2004-06-29 / T\tPeetripäev; peeterpaulipäev\t\n");
        QTest::newRow("holidays, a note under its row")
            << QStringList {"pühad", "märts", "1990"}
            << QStringLiteral("Märts  1990\n"
                              "08. / N\tNaistepäev\t\n"
                              "12. / E\tKorjusepäev; palvepäev\t\n"
                              "14. / K\tEmakeelepäev\tlipupäev\n"
                              "25. / P\tPaastumaarjapäev; leinapäev;\t\n"
                              "\tüleminek suveajale kell 3.00\t\n");
        QTest::newRow("month calendar") << QStringList {"kalender", "2", "2004"}
                                        << QStringLiteral("          Veebruar  2004\n"
                                                          "       Esm Tei Kol Nel Ree Lau Püh\n"
                                                          "     5                           1\n"
                                                          "     6   2   3   4   5   6   7   8\n"
                                                          "     7   9  10  11  12  13  14  15\n"
                                                          "     8  16  17  18  19  20  21  22\n"
                                                          "     9  23  24  25  26  27  28  29\n"
                                                          "  (10)\n");
        QTest::newRow("today's month") << QStringList {"kalender"}
                                       << QStringLiteral("           Märts  2004\n"
                                                         "       Esm Tei Kol Nel Ree Lau Püh\n"
                                                         "   (9)\n"
                                                         "    10   1   2   3   4   5   6   7\n"
                                                         "    11   8   9  10  11  12  13  14\n"
                                                         "    12  15  16  17  18  19  20  21\n"
                                                         "    13  22  23  24  25  26  27  28\n"
                                                         "    14  29  30  31\n");
        QTest::newRow("first week of the year by the week of 1 January")
            << QStringList {"kalender", "--esimene-nädal=1.-jaanuari-nädal", "jaanuar", "2004"}
            << QStringLiteral("          Jaanuar  2004\n"
                              "       Esm Tei Kol Nel Ree Lau Püh\n"
                              "  53/1               1   2   3   4\n"
                              "     2   5   6   7   8   9  10  11\n"
                              "     3  12  13  14  15  16  17  18\n"
                              "     4  19  20  21  22  23  24  25\n"
                              "     5  26  27  28  29  30  31\n"
                              "   (6)\n");
        QTest::newRow("the settings of every start, named as the menu does")
            << QStringList {"kalender",
                            "--esimene-päev",
                            "Esmaspäev",
                            "--esimene-nädal",
                            "Esimesed neli päeva",
                            "12",
                            "2003"}
            << QStringLiteral("         Detsember  2003\n"
                              "       Esm Tei Kol Nel Ree Lau Püh\n"
                              "  (48)\n"
                              "    49   1   2   3   4   5   6   7\n"
                              "    50   8   9  10  11  12  13  14\n"
                              "    51  15  16  17  18  19  20  21\n"
                              "    52  22  23  24  25  26  27  28\n"
                              "     1  29  30  31\n");
        QTest::newRow("weeks from Sunday") << QStringList {"kalender", "--esimene-paev=pühapäev", "1", "2004"}
                                           << QStringLiteral("          Jaanuar  2004\n"
                                                             "       Püh Esm Tei Kol Nel Ree Lau\n"
                                                             "    53                   1   2   3\n"
                                                             "     1   4   5   6   7   8   9  10\n"
                                                             "     2  11  12  13  14  15  16  17\n"
                                                             "     3  18  19  20  21  22  23  24\n"
                                                             "     4  25  26  27  28  29  30  31\n"
                                                             "   (5)\n");
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        const Result r = run(arguments);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, out);
        QCOMPARE(r.status, 0);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");

        const QString day = QStringLiteral("lubatud on 03.01.100 - 31.12.2299");
        QTest::newRow("no date form") << QStringList {"jp", "2000-01-01"}
                                      << "tundrik jp: „2000-01-01“ ei ole kuupäev kujul PP.KK.AAAA\n";
        QTest::newRow("no such day") << QStringList {"jp", "31.02.2000"}
                                     << "tundrik jp: „31.02.2000“ ei ole kuupäev\n";
        QTest::newRow("30 February of a Julian year") << QStringList {"nädalapäev", "30.02.1700"}
                                                      << "tundrik nädalapäev: „30.02.1700“ ei ole kuupäev\n";
        QTest::newRow("after the range") << QStringList {"jp", "01.01.2300"}
                                         << "tundrik jp: „01.01.2300“ jääb vahemikust välja: " + day + "\n";
        QTest::newRow("before the range") << QStringList {"jp", "02.01.100"}
                                          << "tundrik jp: „02.01.100“ jääb vahemikust välja: " + day + "\n";
        QTest::newRow("a year of two digits")
            << QStringList {"nädalapäev", "01.01.99"}
            << "tundrik nädalapäev: „01.01.99“ jääb vahemikust välja: " + day + "\n";
        QTest::newRow("G after the reform")
            << QStringList {"jp", "15.10.1582", "--gregooriuse"}
            << "tundrik jp: --gregooriuse käib vaid kuupäevaga enne 15.10.1582; „15.10.1582“ loetakse "
               "nagunii gregooriuse kalendri järgi\n";
        QTest::newRow("G of a Julian-only day") << QStringList {"jp", "29.02.1500", "--gregooriuse"}
                                                << "tundrik jp: „29.02.1500“ on olemas vaid juliuse "
                                                   "kalendris; gregooriuse kalendri järgi seda päeva "
                                                   "pole\n";
        QTest::newRow("both readings") << QStringList {"jp", "01.01.1500", "--gregooriuse", "--juliuse"}
                                       << "tundrik jp: --juliuse ja --gregooriuse välistavad teineteist\n";
        QTest::newRow("no day number")
            << QStringList {"kuupäev", "2.4e6"} << "tundrik kuupäev: „2.4e6“ ei ole Juliuse päeva number\n";
        QTest::newRow("digit groups of two") << QStringList {"kuupäev", "24 51 545"}
                                             << "tundrik kuupäev: „24 51 545“ ei ole Juliuse päeva number\n";
        QTest::newRow("day number below the range")
            << QStringList {"kuupäev", "1757599"}
            << "tundrik kuupäev: „1757599“ jääb vahemikust välja: lubatud on 1 757 600 - 2 561 100\n";
        QTest::newRow("day number above the range")
            << QStringList {"kuupäev", "2561101"}
            << "tundrik kuupäev: „2561101“ jääb vahemikust välja: lubatud on 1 757 600 - 2 561 100\n";
        QTest::newRow("a huge day number") << QStringList {"kuupäev", "99999999999999999999"}
                                           << "tundrik kuupäev: „99999999999999999999“ jääb vahemikust "
                                              "välja: lubatud on 1 757 600 - 2 561 100\n";
        QTest::newRow("G of a Gregorian day number")
            << QStringList {"kuupäev", "2299161", "--gregooriuse"}
            << nb("tundrik kuupäev: --gregooriuse käib vaid Juliuse päevaga enne 2_299_161 (15.10.1582); "
                  "„2299161“ loetakse nagunii gregooriuse kalendri järgi\n");
        QTest::newRow("years of an interval within a year")
            << QStringList {"vahe", "15.01.2001", "20.12.2001", "--aastad"}
            << "tundrik vahe: --aastad: aastaid saab lugeda vaid siis, kui teine kuupäev on hilisemal aastal "
               "kui esimene\n";
        QTest::newRow("months of an interval within a month")
            << QStringList {"vahe", "15.01.2001", "20.01.2001", "--kuud"}
            << "tundrik vahe: --kuud: kuid saab lugeda vaid siis, kui teine kuupäev on hilisemas kuus kui "
               "esimene\n";
        QTest::newRow("months of an interval backwards")
            << QStringList {"vahe", "20.08.1991", "24.02.1918", "--kuud"}
            << "tundrik vahe: --kuud: kuid saab lugeda vaid siis, kui teine kuupäev on hilisemas kuus kui "
               "esimene\n";
        QTest::newRow("second date out of range")
            << QStringList {"vahe", "01.01.2000", "01.01.2300"}
            << "tundrik vahe: „01.01.2300“ jääb vahemikust välja: " + day + "\n";
        QTest::newRow("a Julian-only day read as Gregorian")
            << QStringList {"liida", "29.02.1700", "0", "0", "0"}
            << "tundrik liida: „29.02.1700“ on olemas vaid juliuse kalendris (vt --juliuse)\n";
        QTest::newRow("shift date before its range")
            << QStringList {"liida", "31.12.319", "0", "0", "0"}
            << "tundrik liida: „31.12.319“ jääb vahemikust välja: lubatud on 01.01.320 - 31.12.2079\n";
        QTest::newRow("shift date after its range")
            << QStringList {"lahuta", "01.01.2080", "0", "0", "0"}
            << "tundrik lahuta: „01.01.2080“ jääb vahemikust välja: lubatud on 01.01.320 - 31.12.2079\n";
        QTest::newRow("years") << QStringList {
            "liida", "01.01.2000", "220", "0",
            "0"} << "tundrik liida: aastate arv „220“ jääb vahemikust välja: lubatud on < 220\n";
        QTest::newRow("months") << QStringList {
            "liida", "01.01.2000", "0", "2640",
            "0"} << "tundrik liida: kuude arv „2640“ jääb vahemikust välja: lubatud on < 2640\n";
        QTest::newRow("months with years")
            << QStringList {"liida", "01.01.2000", "1", "12", "0"}
            << "tundrik liida: kuude arv „12“ jääb vahemikust välja: aastatega on lubatud < 12\n";
        QTest::newRow("days") << QStringList {
            "lahuta", "01.01.2000", "0", "0",
            "80000"} << "tundrik lahuta: päevade arv „80000“ jääb vahemikust välja: lubatud on < 80 000\n";
        QTest::newRow("days with years")
            << QStringList {"liida", "01.01.2000", "1", "0", "366"}
            << "tundrik liida: päevade arv „366“ jääb vahemikust välja: aastatega on lubatud < 366\n";
        QTest::newRow("days with months")
            << QStringList {"liida", "01.01.2000", "1", "1", "31"}
            << "tundrik liida: päevade arv „31“ jääb vahemikust välja: kuudega on lubatud < 31\n";
        QTest::newRow("a count that is no number")
            << QStringList {"liida", "01.01.2000", "1", "x", "0"} << "tundrik liida: „x“ ei ole kuude arv\n";
        QTest::newRow("Julian shift without a century")
            << QStringList {"liida", "01.03.1750", "0", "0", "10", "--juliuse"}
            << "tundrik liida: --juliuse käib vaid nihkega päevades (0 aastat ja 0 kuud), mis ulatub üle "
               "sajandi aasta, millel gregooriuse kalendris 29. veebruari pole (1700, 1800, 1900, …)\n";
        QTest::newRow("Julian shift across 2000")
            << QStringList {"liida", "01.03.2000", "0", "0", "1", "--juliuse"}
            << "tundrik liida: --juliuse käib vaid nihkega päevades (0 aastat ja 0 kuud), mis ulatub üle "
               "sajandi aasta, millel gregooriuse kalendris 29. veebruari pole (1700, 1800, 1900, …)\n";
        QTest::newRow("Julian shift with years")
            << QStringList {"liida", "01.03.1700", "1", "0", "1", "--juliuse"}
            << "tundrik liida: --juliuse käib vaid nihkega päevades (0 aastat ja 0 kuud), mis ulatub üle "
               "sajandi aasta, millel gregooriuse kalendris 29. veebruari pole (1700, 1800, 1900, …)\n";
        QTest::newRow("year below") << QStringList {
            "liigaasta", "99"} << "tundrik liigaasta: „99“ jääb vahemikust välja: lubatud on 100 - 2299\n";
        QTest::newRow("year above") << QStringList {
            "liigaasta",
            "2300"} << "tundrik liigaasta: „2300“ jääb vahemikust välja: lubatud on 100 - 2299\n";
        QTest::newRow("no year") << QStringList {"liigaasta", "MMXXIV"}
                                 << "tundrik liigaasta: „MMXXIV“ ei ole aasta\n";
        QTest::newRow("no month") << QStringList {"pühad", "13", "2004"}
                                  << "tundrik pühad: „13“ ei ole kuu: kuu on 1 - 12 või kuu nimi\n";
        QTest::newRow("holidays year above")
            << QStringList {"pühad", "10000"}
            << "tundrik pühad: „10000“ jääb vahemikust välja: lubatud on 100 - 9999\n";
        QTest::newRow("calendar year below")
            << QStringList {"kalender", "1", "99"}
            << "tundrik kalender: „99“ jääb vahemikust välja: lubatud on 100 - 9999\n";

        // Mistakes in the words: their message, then where to look.
        QTest::newRow("unknown option") << QStringList {"jp", "--gregoriuse", "01.01.1500"}
                                        << "tundrik jp: tundmatu võti „--gregoriuse“\n" + hint("jp");
        QTest::newRow("option of another subcommand")
            << QStringList {"kuupäev", "--kuud", "2451545"}
            << "tundrik kuupäev: võti „--kuud“ ei käi alamkäsuga kuupäev\n" + hint("kuupäev");
        QTest::newRow("G has no place in the interval")
            << QStringList {"vahe", "--gregooriuse", "01.01.1500", "01.01.1501"}
            << "tundrik vahe: võti „--gregooriuse“ ei käi alamkäsuga vahe\n" + hint("vahe");
        QTest::newRow("a negative number") << QStringList {"liida", "01.01.2000", "-1", "0", "0"}
                                           << "tundrik liida: tundmatu võti „-1“\n" + hint("liida");
        QTest::newRow("a flag with a value") << QStringList {"jp", "--iso=jah", "01.01.2000"}
                                             << "tundrik jp: võti „--iso“ ei võta väärtust\n" + hint("jp");
        QTest::newRow("a value missing")
            << QStringList {"kalender", "--esimene-päev"}
            << "tundrik kalender: võti „--esimene-päev“ vajab väärtust\n" + hint("kalender");
        QTest::newRow("no such first day")
            << QStringList {"kalender", "--esimene-päev=nädalavahetus"}
            << "tundrik kalender: --esimene-päev: tundmatu päev „nädalavahetus“; valida saab: esmaspäev, "
               "teisipäev, kolmapäev, neljapäev, reede, laupäev, pühapäev\n"
                + hint("kalender");
        QTest::newRow("no such first week")
            << QStringList {"kalender", "--esimene-nädal=teine"}
            << "tundrik kalender: --esimene-nädal: tundmatu valik „teine“; valida saab: „1. jaanuari nädal“, "
               "„esimesed neli päeva“, „esimene täsinädal“\n"
                + hint("kalender");
        QTest::newRow("too few words")
            << QStringList {"liida", "01.01.2000", "1"}
            << "tundrik liida: liiga vähe argumente; kasutamine: tundrik liida PP.KK.AAAA A K P\n"
                + hint("liida");
        QTest::newRow("a word too many") << QStringList {"jp", "01.01.2000", "02.01.2000"}
                                         << "tundrik jp: liigne argument „02.01.2000“\n" + hint("jp");
        QTest::newRow("a word too many for the calendar")
            << QStringList {"kalender", "1", "2", "2004"}
            << "tundrik kalender: liigne argument „2004“\n" + hint("kalender");
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const Result r = run(arguments);
        QCOMPARE(r.err, error);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.status, 1);
    }

    void helpOfEverySubcommand()
    {
        const QRegularExpression english(QStringLiteral("Usage|Options|Displays|help on|Unknown|Missing"));
        for (const console::SubcommandInfo &s : console::subcommands()) {
            const Result r = run({s.name, QStringLiteral("--help")});
            QCOMPARE(r.status, 0);
            QCOMPARE(r.err, QString());
            QVERIFY2(r.out.startsWith(QStringLiteral("Kasutamine: tundrik %1 ").arg(s.name)),
                     qPrintable(r.out));
            QCOMPARE(run({s.name, QStringLiteral("-h")}).out, r.out);
            QCOMPARE(console::helpText(s.name), r.out);
            QVERIFY2(!english.match(r.out).hasMatch(), qPrintable(r.out));
            for (const QString &line : r.out.split(QLatin1Char('\n')))
                QVERIFY2(line.size() <= 79, qPrintable(line));
            // Every option it takes is told.
            for (const QString &option : s.options)
                QVERIFY2(r.out.contains(QRegularExpression(QStringLiteral("(  |, )")
                                                           + QRegularExpression::escape(option)
                                                           + QStringLiteral("[ \n]"))),
                         qPrintable(s.name + QLatin1Char(' ') + option));
            // Help wins over the question.
            QCOMPARE(run({s.name, QStringLiteral("01.01.2000"), QStringLiteral("--help")}).out, r.out);
        }
        // The calendar's help names the menu's choices.
        const QString calendar = console::helpText(QStringLiteral("kalender"));
        for (const QString &name : monthsheet::FirstWeekOfYearNames())
            QVERIFY2(calendar.contains(name.toLower()), qPrintable(name));
        for (const QString &name : modArvutused::WeekdayNames())
            QVERIFY2(calendar.contains(name.toLower()), qPrintable(name));
    }

    // A thousand questions on standard input, every seventh of them wrong:
    // each answer stands on the line of its question, a wrong one leaves its
    // line empty and says on standard error which line it was.
    void thousandLinesOfStandardInput()
    {
        const QList<Day> days = daysOf(1999, 2001);
        QStringList questions;
        QStringList expected;
        QStringList errors;
        for (int i = 0; i < 1000; ++i) {
            const Day &x = days.at(i);
            if (i % 7 == 3) {
                questions << written(x.y, x.m, x.d + 40);
                expected << QString();
                errors << QStringLiteral("tundrik jp: rida %1: „%2“ ei ole kuupäev\n")
                              .arg(i + 1)
                              .arg(questions.last());
            } else {
                questions << written(x.y, x.m, x.d);
                expected << modArvutused::DayDescription(datevalue::DateSerial(x.y, x.m, x.d),
                                                         QStringLiteral("JP"));
            }
        }
        const Result r = run({QStringLiteral("jp")}, questions.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(r.err, errors.join(QString()));
    }

    void standardInputLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("error");
        QTest::newRow("options of the command line hold for every line")
            << QStringList {"kuupäev", "--iso"} << "2451545\n2299160\n"
            << "2000-01-01\n1582-10-04\n"
            << QString();
        QTest::newRow("a line's own options")
            << QStringList {"jp"} << "04.10.1582 --gregooriuse\n04.10.1582\n"
            << nb("2_299_150. Juliuse päev\n2_299_160. Juliuse päev\n") << QString();
        QTest::newRow("blanks, tabs and CRLF")
            << QStringList {"vahe"} << "  24.02.1918\t20.08.1991 --aastad   --kuud \r\n"
            << "73 aastat, 5 kuud ja 27 päeva\n"
            << QString();
        QTest::newRow("an empty line") << QStringList {"liigaasta"} << "2000\n\n1900\n"
                                       << "Jah, on liigaasta\n\nEi ole liigaasta\n"
                                       << "tundrik liigaasta: rida 2: tühi rida\n";
        QTest::newRow("a last line without its line break") << QStringList {"liigaasta"} << "2000\n2001"
                                                            << "Jah, on liigaasta\nEi ole liigaasta\n"
                                                            << QString();
        QTest::newRow("a word too many on a line") << QStringList {"liida"} << "01.01.2000 1 2 3 4\n"
                                                   << "\n"
                                                   << "tundrik liida: rida 1: liigne argument „4“\n";
        QTest::newRow("too few words on a line")
            << QStringList {"vahe"} << "01.01.2000\n"
            << "\n"
            << "tundrik vahe: rida 1: liiga vähe argumente; kasutamine: tundrik vahe PP.KK.AAAA PP.KK.AAAA\n";
        QTest::newRow("an unknown option on a line") << QStringList {"jp"} << "01.01.2000 --x\n"
                                                     << "\n"
                                                     << "tundrik jp: rida 1: tundmatu võti „--x“\n";
        QTest::newRow("help on a line") << QStringList {"jp"} << "--help\n"
                                        << "\n"
                                        << "tundrik jp: rida 1: võti „--help“ käib vaid käsureal\n";
        QTest::newRow("a refusal of the options together")
            << QStringList {"jp", "--juliuse"} << "01.01.1500 --gregooriuse\n"
            << "\n"
            << "tundrik jp: rida 1: --juliuse ja --gregooriuse välistavad teineteist\n";
        QTest::newRow("holidays, a listing per line")
            << QStringList {"pühad"} << "4 1990\n13 1990\naprill 1991\n"
            << QStringLiteral("Aprill  1990\n01. / P\tKarjalaskepäev; naljapäev\t\n14. / L\tKünnipäev\t\n"
                              "23. / E\tJüripäev\t\n25. / K\tMarkusepäev\t\n"
                              "\n"
                              "Aprill  1991\n01. / E\tKarjalaskepäev; naljapäev\t\n14. / P\tKünnipäev\t\n"
                              "23. / T\tJüripäev\t\n25. / N\tMarkusepäev\t\n")
            << "tundrik pühad: rida 2: „13“ ei ole kuu: kuu on 1 - 12 või kuu nimi\n";
        QTest::newRow("no input") << QStringList {"jp"} << ""
                                  << "" << QString();
    }

    void standardInputLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, input);
        QFETCH(QString, out);
        QFETCH(QString, error);
        const Result r = run(arguments, input);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, error);
        QCOMPARE(r.status, error.isEmpty() ? 0 : 1);
    }

    // ---- every day of 1582 to 1583 and 1999 to 2001 -------------------------

    void everyDayNumberAndWeekday()
    {
        const QList<Day> days = sweepDays();
        QStringList questions;
        QStringList jp, weekday, jpOther, weekdayOther;
        QStringList other; // the reading by the other option
        for (const Day &x : days) {
            questions << written(x.y, x.m, x.d);
            const bool before = beforeReform(x);
            const datevalue::DateValue v = valueOf(x, before);
            const datevalue::DateValue w = valueOf(x, !before);
            jp << modArvutused::DayDescription(v, QStringLiteral("JP"));
            weekday << modArvutused::DayDescription(v, QStringLiteral("NP"));
            jpOther << modArvutused::DayDescription(w, QStringLiteral("JP"));
            weekdayOther << modArvutused::DayDescription(w, QStringLiteral("NP"));
        }
        compareLines({QStringLiteral("jp")}, questions, jp);
        compareLines({QStringLiteral("nädalapäev")}, questions, weekday);
        // The other reading: "G" before the reform, the Julian box after it.
        QStringList withOption;
        for (qsizetype i = 0; i < days.size(); ++i)
            withOption << questions.at(i)
                    + (beforeReform(days.at(i)) ? QStringLiteral(" --gregooriuse")
                                                : QStringLiteral(" --juliuse"));
        compareLines({QStringLiteral("jp")}, withOption, jpOther);
        compareLines({QStringLiteral("nädalapäev")}, withOption, weekdayOther);
    }

    void everyDateOfADayNumber()
    {
        QList<qint64> numbers;
        for (const Day &x : sweepDays())
            numbers << datevalue::Jdn(datevalue::DateSerial(x.y, x.m, x.d));
        // The ends of the range.
        numbers << calculators::kDayNumbers.minimum << calculators::kDayNumbers.minimum + 1
                << calculators::kDayNumbers.maximum - 1 << calculators::kDayNumbers.maximum;
        QStringList questions, dates, otherQuestions, otherDates, iso;
        for (qint64 n : numbers) {
            const bool before = n < calculators::kReformDayNumber;
            questions << QString::number(n);
            dates << modArvutused::JulianDayToDateText(qint32(n), before);
            otherQuestions << QString::number(n)
                    + (before ? QStringLiteral(" --gregooriuse") : QStringLiteral(" --juliuse"));
            otherDates << modArvutused::JulianDayToDateText(qint32(n), !before);
            const datevalue::Ymd j = modArvutused::ToJulianCalendar(datevalue::FromJdn(n));
            const datevalue::Ymd g = datevalue::YmdOf(datevalue::FromJdn(n));
            const datevalue::Ymd &shown = before ? j : g;
            iso << QStringLiteral("%1-%2-%3")
                       .arg(shown.year, 4, 10, QLatin1Char('0'))
                       .arg(shown.month, 2, 10, QLatin1Char('0'))
                       .arg(shown.day, 2, 10, QLatin1Char('0'));
        }
        compareLines({QStringLiteral("kuupäev")}, questions, dates);
        compareLines({QStringLiteral("kuupäev")}, otherQuestions, otherDates);
        compareLines({QStringLiteral("kuupäev"), QStringLiteral("--iso")}, questions, iso);
    }

    void everyInterval()
    {
        // Each day to and from a day of its years: 15.10.1582 and 1.1.2000.
        for (const auto &[first, last, partner] :
             {std::tuple {1582, 1583, Day {1582, 10, 15}}, std::tuple {1999, 2001, Day {2000, 1, 1}}}) {
            QStringList questions, answers;
            for (const Day &x : daysOf(first, last)) {
                for (const auto &[a, b] : {std::pair {x, partner}, std::pair {partner, x}}) {
                    const bool ja = beforeReform(a), jb = beforeReform(b);
                    const bool julianCalendar = ja && jb;
                    const datevalue::DateValue va = valueOf(a, ja), vb = valueOf(b, jb);
                    const calculators::IntervalUnits units = calculators::IntervalUnitsOffered(
                        va, vb, julianCalendar);
                    const QString pair = written(a.y, a.m, a.d) + QLatin1Char(' ') + written(b.y, b.m, b.d);
                    questions << pair;
                    answers << modArvutused::IntervalText(va, vb, false, false, julianCalendar);
                    if (units.months) {
                        questions << pair + QStringLiteral(" --kuud");
                        answers << modArvutused::IntervalText(va, vb, false, true, julianCalendar);
                    }
                    if (units.years) {
                        questions << pair + QStringLiteral(" --aastad --kuud");
                        answers << modArvutused::IntervalText(va, vb, true, true, julianCalendar);
                        questions << pair + QStringLiteral(" --aastad");
                        answers << modArvutused::IntervalText(va, vb, true, false, julianCalendar);
                    }
                    // Both dates in the Julian reading.
                    const datevalue::DateValue ua = valueOf(a, true), ub = valueOf(b, true);
                    const calculators::IntervalUnits julianUnits = calculators::IntervalUnitsOffered(ua, ub,
                                                                                                     true);
                    questions << pair + QStringLiteral(" --juliuse1 --juliuse2")
                            + (julianUnits.years ? QStringLiteral(" --aastad --kuud") : QString());
                    answers << modArvutused::IntervalText(ua, ub, julianUnits.years, julianUnits.years, true);
                }
            }
            compareLines({QStringLiteral("vahe")}, questions, answers);
        }
    }

    void everyShift()
    {
        struct Shift {
            int years, months, days;
        };
        const Shift shifts[] = {{1, 2, 3}, {0, 0, 1000}, {0, 13, 0}, {219, 11, 30}, {0, 0, 1}, {0, 0, 79999}};
        for (const bool add : {true, false}) {
            QStringList questions, answers;
            for (const Day &x : sweepDays()) {
                const datevalue::DateValue g = valueOf(x, false);
                for (const Shift &s : shifts) {
                    const QString q = QStringLiteral("%1 %2 %3 %4")
                                          .arg(written(x.y, x.m, x.d))
                                          .arg(s.years)
                                          .arg(s.months)
                                          .arg(s.days);
                    questions << q;
                    answers << modArvutused::ShiftedDateText(g, qint16(s.years), qint16(s.months), s.days,
                                                             add, false);
                    if (calculators::ShiftSpansJulianLeapDay(g, s.years, s.months, s.days)) {
                        questions << q + QStringLiteral(" --juliuse");
                        answers << modArvutused::ShiftedDateText(valueOf(x, true), qint16(s.years),
                                                                 qint16(s.months), s.days, add, true);
                    }
                }
            }
            compareLines({add ? QStringLiteral("liida") : QStringLiteral("lahuta")}, questions, answers);
        }
    }

    void everyLeapYear()
    {
        QStringList questions, answers;
        for (qint64 y = calculators::kLeapYears.minimum; y <= calculators::kLeapYears.maximum; ++y) {
            questions << QString::number(y);
            answers << (QDate::isLeapYear(int(y)) ? QStringLiteral("Jah, on liigaasta")
                                                  : QStringLiteral("Ei ole liigaasta"));
        }
        compareLines({QStringLiteral("liigaasta")}, questions, answers);
    }

    // Every month of the years under every week setting: the rows hold the
    // days a grid starting on that weekday holds, and each row's label names
    // the weeks of its days, in parentheses when no day of it is in the month.
    void everyMonthSheet()
    {
        const QStringList dayNames = {QStringLiteral("pühapäev"),  QStringLiteral("esmaspäev"),
                                      QStringLiteral("teisipäev"), QStringLiteral("kolmapäev"),
                                      QStringLiteral("neljapäev"), QStringLiteral("reede"),
                                      QStringLiteral("laupäev")};
        const QStringList weekdayHeaders = {
            QStringLiteral("Püh"), QStringLiteral("Esm"), QStringLiteral("Tei"), QStringLiteral("Kol"),
            QStringLiteral("Nel"), QStringLiteral("Ree"), QStringLiteral("Lau")};
        const QStringList weekNames = {QStringLiteral("1.-jaanuari-nädal"),
                                       QStringLiteral("esimesed-neli-päeva"),
                                       QStringLiteral("esimene-täsinädal")};
        for (int firstDay = 1; firstDay <= 7; ++firstDay) {
            for (int firstWeek = 1; firstWeek <= 3; ++firstWeek) {
                for (const int year : {1582, 1583, 1999, 2000, 2001}) {
                    const Result r = run({QStringLiteral("kalender"),
                                          QStringLiteral("--esimene-päev=") + dayNames[firstDay - 1],
                                          QStringLiteral("--esimene-nädal=") + weekNames[firstWeek - 1],
                                          QString::number(year)});
                    QCOMPARE(r.status, 0);
                    const QStringList sheets = r.out.chopped(1).split(QStringLiteral("\n\n"));
                    QCOMPARE(sheets.size(), 12);
                    for (int month = 1; month <= 12; ++month) {
                        const QStringList lines = sheets.at(month - 1).split(QLatin1Char('\n'));
                        QCOMPARE(lines.size(), 8);
                        QCOMPARE(lines.at(0).trimmed(), monthsheet::Title(year, month));
                        QString headers;
                        for (int c = 0; c < 7; ++c)
                            headers += QLatin1Char(' ') + weekdayHeaders.at((firstDay - 1 + c) % 7);
                        QCOMPARE(lines.at(1), QString(6, QLatin1Char(' ')) + headers);
                        const QDate first = weekgrid::firstGridDay(year, month, firstDay);
                        for (int row = 0; row < 6; ++row) {
                            const QString line = lines.at(2 + row).leftJustified(6 + 7 * 4);
                            const QDate rowStart = first.addDays(7 * row);
                            const QString caption = weekgrid::expectedCaption(rowStart, firstDay, firstWeek);
                            const QString label = weekgrid::rowInMonth(rowStart, month)
                                ? caption
                                : QLatin1Char('(') + caption + QLatin1Char(')');
                            QCOMPARE(line.left(6).trimmed(), label);
                            for (int c = 0; c < 7; ++c) {
                                const QDate day = rowStart.addDays(c);
                                const QString cell = line.mid(6 + 4 * c, 4).trimmed();
                                QCOMPARE(cell, day.month() == month ? QString::number(day.day()) : QString());
                            }
                        }
                    }
                }
            }
        }
    }

    // The listing of every month of the years: one line per row of the
    // holidays window that holds a text, with its marks.
    void everyHolidayListing()
    {
        for (const int year : {1582, 1583, 1999, 2000, 2001, 2024}) {
            const Result r = run({QStringLiteral("pühad"), QString::number(year)});
            QCOMPARE(r.status, 0);
            QStringList expected;
            for (int month = 1; month <= 12; ++month) {
                expected << monthsheet::Title(year, month);
                for (const holidays::HolidayRow &row : holidays::BuildHolidayList(month, year)) {
                    if (row.dayText.isEmpty() && row.nameText.isEmpty())
                        continue;
                    const QString marks = row.flag
                        ? (row.mourning ? QStringLiteral("leinalipp") : QStringLiteral("lipupäev"))
                        : QString();
                    const QString red = row.red ? QStringLiteral("punane päev") : QString();
                    expected << row.dayText + QLatin1Char('\t') + row.nameText + QLatin1Char('\t')
                            + (red.isEmpty() || marks.isEmpty() ? red + marks
                                                                : red + QStringLiteral(", ") + marks);
                }
            }
            QCOMPARE(r.out, expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        }
    }
};

QTEST_APPLESS_MAIN(tst_console)
#include "tst_console.moc"

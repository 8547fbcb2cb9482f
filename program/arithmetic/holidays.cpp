// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays.h"

#include "daynumbers.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace holidays {

namespace {

// Weekday of a Gregorian date, Sunday = 1 .. Saturday = 7. JDN 0 is a Monday,
// so (jdn + 1) mod 7 is 0 on Sundays.
int weekdayOf(int year, int month, int day)
{
    const std::int64_t jdn = daynumbers::gregorianToJdn(year, month, day);
    return int(jdn + 1 - daynumbers::floorDiv(jdn + 1, 7) * 7) + 1; // [1, 7]
}

// Fills the rows of one month; row numbers count from 1 as in the listing.
class Builder {
public:
    Builder(int month, int year) : m_month(month), m_year(year) {}

    // A row with a date: "dd. / L" and the name.
    void day(int row, int day, const char *name, bool red = false, bool flag = false)
    {
        HolidayRow &r = m_rows[row - 1];
        r.dayText = QStringLiteral("%1. / %2")
                        .arg(day, 2, 10, QLatin1Char('0'))
                        .arg(WeekdayLetter(weekdayOf(m_year, m_month, day)));
        r.nameText = QString::fromUtf8(name);
        r.red = red;
        r.flag = flag;
    }
    // A continuation row without a date of its own.
    void note(int row, const char *name)
    {
        m_rows[row - 1].nameText = QString::fromUtf8(name);
    }

    HolidayList rows() const { return HolidayList(m_rows.begin(), m_rows.end()); }

private:
    int m_month;
    int m_year;
    std::array<HolidayRow, 8> m_rows{};
};

constexpr bool R = true;
constexpr bool F = true;

} // namespace

QChar WeekdayLetter(int weekdaySundayIsOne)
{
    static constexpr char letters[] = "PETKNRL";
    if (weekdaySundayIsOne < 1 || weekdaySundayIsOne > 7)
        return QChar();
    return QLatin1Char(letters[weekdaySundayIsOne - 1]);
}

int FirstSunday(int month, int year)
{
    // A Sunday always lies within the first seven days.
    return 1 + (8 - weekdayOf(year, month, 1)) % 7; // [1, 7]
}

int LastSunday(int month, int year)
{
    const int last = daynumbers::gregorianMonthLength(year, month);
    return last - (weekdayOf(year, month, last) - 1); // [last - 6, last]
}

HolidayList FolkCalendarRows(int month, int year)
{
    Builder b(month, year);
    switch (month) {
    case 1:
        b.day(1, 1, "Uusaasta", R, F);
        b.day(2, 6, "Kolmekuningapäev");
        b.day(3, 14, "Taliharjapäev");
        b.day(4, 17, "Tõnisepäev");
        b.day(5, 25, "Paavlipäev");
        break;
    case 2:
        b.day(1, 2, "Küünlapäev; Tartu rahu aastapäev", R, F);
        b.day(2, 3, "Klaasmusepäev");
        b.day(3, 9, "Luuvalupäev");
        b.day(4, 14, "Valentinipäev");
        b.day(5, 16, "Leedu iseseisvuspäev", false, F);
        b.day(6, 22, "Peetripäev");
        b.day(7, 24, "Iseseisvuspäev; madisepäev", R, F);
        break;
    case 3: {
        const int s = LastSunday(3, year); // [25, 31]
        b.day(1, 8, "Naistepäev");
        b.day(2, 12, "Korjusepäev; palvepäev");
        b.day(3, 14, "Emakeelepäev", false, F);
        if (s == 25) {
            b.day(5, 25, "Paastumaarjapäev; leinapäev;");
            b.note(6, "üleminek suveajale kell 3.00");
        } else {
            b.day(4, 25, "Paastumaarjapäev; leinapäev");
            b.day(5, s, "Üleminek suveajale kell 3.00");
        }
        break;
    }
    case 4:
        b.day(1, 1, "Karjalaskepäev; naljapäev");
        b.day(2, 14, "Künnipäev");
        b.day(3, 23, "Jüripäev");
        b.day(4, 25, "Markusepäev");
        break;
    case 5: {
        const int m = FirstSunday(5, year) + 7; // [8, 14]
        b.day(2, 1, "Kevadpüha; volbripäev", R, F);
        if (m == 8) {
            b.day(3, 8, "Emadepäev", R, F);
            b.day(4, 9, "Nigulapäev");
        } else if (m == 9) {
            b.day(3, 9, "Emadepäev; nigulapäev", R, F);
        } else {
            b.day(3, 9, "Nigulapäev");
            b.day(4, m, "Emadepäev", R, F);
        }
        break;
    }
    case 6:
        b.day(1, 1, "Lastekaitsepäev");
        b.day(2, 4, "Eesti lipu õnnistamise aastapäev");
        b.day(3, 14, "Leinapäev", false, F);
        b.day(4, 15, "Viidipäev");
        b.day(5, 23, "Võidupüha; jaanilaupäev", R, F);
        b.day(6, 24, "Jaanipäev", R, F);
        b.day(7, 27, "Seitsmemagajapäev");
        b.day(8, 29, "Peetripäev; peeterpaulipäev");
        break;
    case 7:
        b.day(1, 2, "Heinamaarjapäev");
        b.day(2, 10, "Seitsmevennapäev");
        b.day(3, 13, "Maretapäev; karusepäev");
        b.day(4, 20, "Eliapäev (22.)");
        b.day(5, 22, "Madlipäev; (iljapäev)");
        b.day(6, 25, "Jaagupipäev");
        b.day(7, 26, "Annepäev");
        b.day(8, 29, "Olevipäev");
        break;
    case 8:
        b.day(1, 10, "Lauritsapäev");
        b.day(2, 15, "Rukkimaarjapäev");
        b.day(3, 20, "Taasiseseisvumispäev", R, F);
        b.day(4, 24, "Pärtlipäev");
        break;
    case 9:
        b.day(1, 1, "Teadmistepäev");
        b.day(2, 8, "Ussimaarjapäev");
        b.day(3, 21, "Madisepäev");
        b.day(4, 29, "Mihklipäev");
        break;
    case 10: {
        const int h = FirstSunday(10, year) + 7; // [8, 14]
        const int s = LastSunday(10, year);      // [25, 31], 28 when h is 14
        if (h == 14) {
            b.day(1, 14, "Kolletamispäev; lõikustänupüha", R);
            b.day(2, 18, "Luukapäev");
            b.day(4, 28, "Simunapäev;");
            b.note(5, "üleminek talveajale kell 4.00");
            b.day(7, 31, "Usupuhastuspüha; halloween");
            break;
        }
        b.day(1, h, "Lõikustänupüha", R);
        b.day(2, 14, "Kolletamispäev");
        b.day(3, 18, "Luukapäev");
        if (s <= 27) {
            b.day(4, s, "Üleminek talveajale kell 4.00");
            b.day(5, 28, "Simunapäev");
            b.day(6, 31, "Usupuhastuspüha; halloween");
        } else if (s <= 30) {
            b.day(4, 28, "Simunapäev");
            b.day(5, s, "Üleminek talveajale kell 4.00");
            b.day(6, 31, "Usupuhastuspüha; halloween");
        } else {
            b.day(4, 28, "Simunapäev");
            b.day(6, 31, "Usupuhastuspüha; halloween;");
            b.note(7, "üleminek talveajale kell 4.00");
        }
        break;
    }
    case 11: {
        const int f = FirstSunday(11, year) + 7; // [8, 14]
        b.day(1, 1, "Pühakutepäev");
        b.day(2, 2, "Hingedepäev");
        if (f <= 9) {
            b.day(3, f, "Isadepäev", R, F);
            b.day(4, 10, "Mardipäev");
            b.day(5, 16, "Taassünnipäev", false, F);
            b.day(6, 18, "Läti iseseisvuspäev", false, F);
            b.day(7, 25, "Kadripäev");
            b.day(8, 30, "Andresepäev");
        } else if (f == 10) {
            b.day(3, 10, "Isadepäev; mardipäev", R, F);
            b.day(4, 16, "Taassünnipäev", false, F);
            b.day(5, 18, "Läti iseseisvuspäev", false, F);
            b.day(6, 25, "Kadripäev");
            b.day(7, 30, "Andresepäev");
        } else {
            b.day(3, 10, "Mardipäev");
            b.day(4, f, "Isadepäev", R, F);
            b.day(5, 16, "Taassünnipäev", false, F);
            b.day(6, 18, "Läti iseseisvuspäev", false, F);
            b.day(7, 25, "Kadripäev");
            b.day(8, 30, "Andresepäev");
        }
        break;
    }
    case 12:
        b.day(1, 6, "Nigulapäev");
        b.day(2, 13, "Luutsinapäev");
        b.day(3, 21, "Toomapäev");
        b.day(4, 24, "Jõululaupäev");
        b.day(5, 25, "1. jõulupüha", R);
        b.day(6, 26, "2. jõulupüha; tabanipäev", R);
        b.day(7, 28, "Süütalastepäev");
        b.day(8, 31, "Vana-aasta õhtu");
        break;
    default:
        break;
    }
    return b.rows();
}

// The Gregorian computus in the arithmetic form of Meeus, Jones and Butcher:
// the epact from the golden number with the solar and lunar corrections,
// then the Sunday after the paschal full moon.
MonthDay EasterSunday(int year)
{
    const int a = year % 19;                         // [0, 18] golden number - 1
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;    // [0, 29] days to the full moon
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;  // [0, 6] days on to Sunday
    const int m = (a + 11 * h + 22 * l) / 451;       // 0 or 1
    const int n = h + l - 7 * m + 114;               // [114, 149]
    return {n / 31, n % 31 + 1};
}

namespace {

constexpr int kInForce = 9999;
constexpr int kSunday = 1;
constexpr int kSaturday = 7;
using Rule = StatutoryDay::Rule;
using Change = StatutoryDay::Change;

// The sources: the Public Holidays and Days of National Importance Act
// (Pühade ja tähtpäevade seadus) of 1998 and its amendments, and the Flag
// Act (Eesti lipu seadus) in force from 1 January 2006 with its amendments.
constexpr const char *kAct1998 = "RT I 1998, 13, 162";
constexpr const char *kAct2004 = "Pühade ja tähtpäevade seaduse muudatus, jõust. 24.04.2004";
constexpr const char *kFlagAct = "RT I 2005, 20, 126";

// Where a line's day falls.
struct When {
    Rule rule;
    int month;
    int day;
    int weekday;
};
constexpr When on(int month, int day) { return {Rule::Fixed, month, day, 0}; }
constexpr When easter(int offset) { return {Rule::Easter, 0, offset, 0}; }
constexpr When nth(int n, int weekday, int month) { return {Rule::NthWeekday, month, n, weekday}; }

constexpr Marks kNone{};
constexpr Marks kRed{true, false, false};
constexpr Marks kFlag{false, true, false};
constexpr Marks kMourning{false, true, true};

constexpr StatutoryDay adds(When w, const char *name, Marks marks, int from, int to, const char *source)
{
    return {w.rule, w.month, w.day, w.weekday, Change::Adds, name, nullptr, marks, kNone, from, to, source};
}
constexpr StatutoryDay sets(When w, Marks marks, int from, int to, const char *source)
{
    return {w.rule, w.month, w.day, w.weekday, Change::Marks, nullptr, nullptr, marks, kNone, from, to, source};
}
constexpr StatutoryDay clears(When w, Marks marks, int from, int to, const char *source)
{
    return {w.rule, w.month, w.day, w.weekday, Change::Marks, nullptr, nullptr, kNone, marks, from, to, source};
}
constexpr StatutoryDay renames(When w, const char *replaced, const char *name, int from, int to,
                               const char *source)
{
    return {w.rule, w.month, w.day, w.weekday, Change::Renames, name, replaced, kNone, kNone, from, to, source};
}

// The law from 1998 over the folk-calendar table: the days it adds, the
// marks it sets and takes away, the names it words anew. Song and dance
// festival days and election days change from year to year and are not
// here. A new amendment is one more line.
constexpr StatutoryDay kStatutoryDays[] = {
    // Days off of the act; the table's own ones are its days off from 1998.
    adds(easter(-2), "Suur reede", kRed, 1998, kInForce, kAct1998),
    adds(easter(0), "Ülestõusmispühade 1. püha", kRed, 1998, kInForce, kAct1998),
    adds(easter(49), "Nelipühade 1. püha", kRed, 1998, kInForce, kAct1998),
    sets(on(1, 1), kRed, 1998, kInForce, kAct1998),
    sets(on(2, 24), kRed, 1998, kInForce, kAct1998),
    sets(on(5, 1), kRed, 1998, kInForce, kAct1998),
    sets(on(6, 23), kRed, 1998, kInForce, kAct1998),
    sets(on(6, 24), kRed, 1998, kInForce, kAct1998),
    sets(on(8, 20), kRed, 1998, kInForce, kAct1998),
    sets(on(12, 25), kRed, 1998, kInForce, kAct1998),
    sets(on(12, 26), kRed, 1998, kInForce, kAct1998),
    adds(on(12, 24), "Jõululaupäev", kRed, 2005, kInForce, "RT I 2005, 24, 185"),
    // 2 February is a day of national importance, no day off.
    clears(on(2, 2), kRed, 1998, kInForce, kAct1998),
    renames(on(2, 2), "Tartu rahu aastapäev", "Tartu rahulepingu aastapäev", 1998, kInForce, kAct1998),
    renames(on(2, 24), "Iseseisvuspäev", "Iseseisvuspäev, Eesti Vabariigi aastapäev", 1998, kInForce, kAct1998),
    renames(on(11, 16), "Taassünnipäev", "Taassünni päev", 1998, kInForce, kAct1998),
    renames(on(12, 25), "1. jõulupüha", "Esimene jõulupüha", 1998, kInForce, kAct1998),
    renames(on(12, 26), "2. jõulupüha", "Teine jõulupüha", 1998, kInForce, kAct1998),
    sets(on(6, 14), kMourning, 1998, 2005, kAct1998),
    // 2004: Europe Day and the day of the flag.
    adds(on(5, 9), "Euroopa päev", kFlag, 2004, kInForce, kAct2004),
    renames(on(6, 4), "Eesti lipu õnnistamise aastapäev", "Eesti lipu päev", 2004, kInForce, kAct2004),
    sets(on(6, 4), kFlag, 2004, 2005, kAct2004),
    // The flag days of the Flag Act; the regulation's other flag days end.
    adds(on(1, 3), "Vabadussõjas võidelnute mälestuspäev", kFlag, 2006, kInForce, kFlagAct),
    sets(on(2, 2), kFlag, 2006, kInForce, kFlagAct),
    sets(on(2, 24), kFlag, 2006, kInForce, kFlagAct),
    sets(on(3, 14), kFlag, 2006, kInForce, kFlagAct),
    sets(nth(2, kSunday, 5), kFlag, 2006, kInForce, kFlagAct),
    sets(on(5, 9), kFlag, 2006, kInForce, kFlagAct),
    sets(on(6, 4), kFlag, 2006, kInForce, kFlagAct),
    sets(on(6, 14), kMourning, 2006, kInForce, kFlagAct),
    sets(on(6, 23), kFlag, 2006, kInForce, kFlagAct),
    sets(on(6, 24), kFlag, 2006, kInForce, kFlagAct),
    sets(on(8, 20), kFlag, 2006, kInForce, kFlagAct),
    sets(on(9, 1), kFlag, 2006, kInForce, kFlagAct),
    sets(nth(2, kSunday, 11), kFlag, 2006, kInForce, kFlagAct),
    clears(on(1, 1), kFlag, 2006, kInForce, kFlagAct),
    clears(on(2, 16), kFlag, 2006, kInForce, kFlagAct),
    clears(on(5, 1), kFlag, 2006, kInForce, kFlagAct),
    clears(on(11, 16), kFlag, 2006, kInForce, kFlagAct),
    clears(on(11, 18), kFlag, 2006, kInForce, kFlagAct),
    // Days of national importance added later, some of them flag days.
    adds(on(9, 22), "Vastupanuvõitluse päev", kNone, 2007, kInForce, "RT I 2007, 22, 118"),
    adds(on(8, 23), "Kommunismi ja natsismi ohvrite mälestuspäev", kNone, 2009, kInForce, "RT I 2009, 34, 229"),
    adds(nth(2, kSunday, 9), "Vanavanemate päev", kNone, 2010, kInForce, "RT I 2010, 7, 27"),
    adds(nth(3, kSaturday, 10), "Hõimupäev", kFlag, 2011, kInForce, "RT I, 09.03.2011, 2"),
    adds(on(4, 23), "Veteranipäev", kFlag, 2015, kInForce, "RT I, 04.06.2014, 1"),
    adds(on(10, 1), "Omavalitsuspäev", kNone, 2018, kInForce, "RT I, 12.06.2018, 2"),
    sets(on(6, 1), kFlag, 2021, kInForce, "RT I, 24.11.2020, 3"),
    sets(nth(2, kSunday, 9), kFlag, 2021, kInForce, "RT I, 24.11.2020, 3"),
    adds(on(1, 30), "Eesti kirjanduse päev", kFlag, 2023, kInForce, "RT I, 20.12.2022, 1"),
};

bool inForce(const StatutoryDay &line, int year)
{
    return year >= line.firstYear && year <= line.lastYear;
}

// Names that begin with a proper name keep their capital inside a row.
bool startsWithProperName(const QString &name)
{
    static const QStringList properNames{QStringLiteral("Eesti "), QStringLiteral("Tartu "),
                                         QStringLiteral("Leedu "), QStringLiteral("Läti "),
                                         QStringLiteral("Euroopa ")};
    return std::any_of(properNames.begin(), properNames.end(),
                       [&](const QString &p) { return name.startsWith(p); });
}

QString joinedName(const QString &name)
{
    if (name.isEmpty() || startsWithProperName(name))
        return name;
    return name.front().toLower() + name.mid(1);
}

// A row while the listing is put together.
struct Row {
    int day = 0;             // 0: no day text (empty, or a continuation)
    QStringList actNames;    // the act's names on this day, in the act's order
    QString tableName;       // the table's name text, as written
    bool red = false;
    bool flag = false;
    bool mourning = false;

    bool empty() const { return actNames.isEmpty() && tableName.isEmpty(); }
};

int dayOfText(const QString &dayText)
{
    return dayText.isEmpty() ? 0 : dayText.left(2).toInt();
}

} // namespace

std::span<const StatutoryDay> StatutoryDays()
{
    return kStatutoryDays;
}

int DayInMonth(const StatutoryDay &day, int month, int year)
{
    switch (day.rule) {
    case Rule::Fixed:
        return day.month == month ? day.day : 0;
    case Rule::Easter: {
        const MonthDay easter = EasterSunday(year);
        const auto c = daynumbers::jdnToGregorian(
            daynumbers::gregorianToJdn(year, easter.month, easter.day) + day.day);
        return c.month == month && c.year == year ? c.day : 0;
    }
    case Rule::NthWeekday: {
        if (day.month != month)
            return 0;
        const int first = 1 + (day.weekday - weekdayOf(year, month, 1) + 7) % 7; // [1, 7]
        const int d = first + 7 * (day.day - 1);
        return d <= daynumbers::gregorianMonthLength(year, month) ? d : 0;
    }
    }
    return 0;
}

namespace {

// A line of the law that falls on a day of this month.
struct Dated {
    int day;
    const StatutoryDay *line;
};

// The lines in force in the year whose day lies in the month, in date order
// (the table's order on one day).
std::vector<Dated> linesOfMonth(int month, int year)
{
    std::vector<Dated> lines;
    for (const StatutoryDay &s : kStatutoryDays) {
        if (!inForce(s, year))
            continue;
        if (const int d = DayInMonth(s, month, year))
            lines.push_back({d, &s});
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Dated &a, const Dated &b) { return a.day < b.day; });
    return lines;
}

// A name of a row's text (the parts between "; ") replaced by another; a
// part that ends the row's first line keeps its ";".
QString renamed(const QString &text, const QString &replaced, const QString &name)
{
    QStringList parts = text.split(QStringLiteral("; "));
    for (QString &part : parts) {
        const bool semicolon = part.endsWith(QLatin1Char(';'));
        if ((semicolon ? part.chopped(1) : part) == replaced)
            part = name + (semicolon ? QStringLiteral(";") : QString());
    }
    return parts.join(QStringLiteral("; "));
}

void applyRenames(HolidayList &rows, const std::vector<Dated> &lines)
{
    for (const auto &[day, line] : lines) {
        if (line->change != Change::Renames)
            continue;
        for (HolidayRow &r : rows) {
            if (dayOfText(r.dayText) == day)
                r.nameText = renamed(r.nameText, QString::fromUtf8(line->replaced), QString::fromUtf8(line->name));
        }
    }
}

} // namespace

HolidayList TableRowsInForce(int month, int year)
{
    HolidayList table = FolkCalendarRows(month, year);
    applyRenames(table, linesOfMonth(month, year));
    return table;
}

HolidayList BuildHolidayList(int month, int year)
{
    const std::vector<Dated> lines = linesOfMonth(month, year);
    HolidayList table = FolkCalendarRows(month, year);
    if (lines.empty())
        return table;
    applyRenames(table, lines);

    std::vector<Row> rows;
    for (const HolidayRow &r : table)
        rows.push_back(Row{dayOfText(r.dayText), {}, r.nameText, r.red, r.flag, r.mourning});

    for (const auto &[day, line] : lines) {
        if (line->change != Change::Adds)
            continue;
        auto sameDay = std::find_if(rows.begin(), rows.end(), [&](const Row &r) { return r.day == day; });
        if (sameDay == rows.end()) {
            // Before the first row of a later day, or after the last filled row.
            auto later = std::find_if(rows.begin(), rows.end(), [&](const Row &r) { return r.day > day; });
            if (later == rows.end()) {
                later = std::find_if(rows.rbegin(), rows.rend(), [](const Row &r) { return !r.empty(); }).base();
                if (later != rows.end() && later->empty())
                    ++later; // stands on the empty row itself, taken below
            }
            if (later != rows.begin() && std::prev(later)->empty())
                sameDay = std::prev(later);
            else
                sameDay = rows.insert(later, Row{});
            sameDay->day = day;
        }
        sameDay->actNames << QString::fromUtf8(line->name);
        sameDay->red = sameDay->red || line->set.red;
        sameDay->flag = sameDay->flag || line->set.flag;
        sameDay->mourning = sameDay->mourning || line->set.mourning;
    }

    // The marks the law sets on a day and takes away from it, whatever
    // names the day carries.
    for (const auto &[day, line] : lines) {
        if (line->change != Change::Marks)
            continue;
        for (Row &r : rows) {
            if (r.day != day)
                continue;
            r.red = (r.red && !line->cleared.red) || line->set.red;
            r.flag = (r.flag && !line->cleared.flag) || line->set.flag;
            r.mourning = (r.mourning && !line->cleared.mourning) || line->set.mourning;
        }
    }

    // More than eight rows: the empty ones go, from the bottom up, as long
    // as there are more than eight.
    for (auto it = rows.end(); rows.size() > 8 && it != rows.begin();) {
        --it;
        if (it->empty())
            it = rows.erase(it);
    }

    HolidayList list;
    bool rowRed = false;
    for (const Row &r : rows) {
        HolidayRow out;
        if (r.empty()) {
            list.push_back(out);
            continue;
        }
        // A continuation line is the rest of its row's name, in its colour.
        if (r.day)
            rowRed = r.red;
        else
            out.red = rowRed;
        if (r.day)
            out.dayText = QStringLiteral("%1. / %2")
                              .arg(r.day, 2, 10, QLatin1Char('0'))
                              .arg(WeekdayLetter(weekdayOf(year, month, r.day)));
        QStringList names;
        for (const QString &n : r.actNames)
            names << (names.isEmpty() ? n : joinedName(n));
        // The table's own name for a day the act only marks anew is not repeated.
        if (!r.tableName.isEmpty()
            && !r.actNames.contains(r.tableName, Qt::CaseInsensitive))
            names << (names.isEmpty() ? r.tableName : joinedName(r.tableName));
        out.nameText = names.join(QStringLiteral("; "));
        out.red = out.red || r.red;
        out.flag = r.flag || r.mourning;
        out.mourning = r.mourning;
        list.push_back(out);
    }
    return list;
}

namespace {

enum class Kind { PublicHoliday, NationalDay, Folk, Other };

// The kind of a name of the folk-calendar table (month 0: in any month).
// Names not here are folk-calendar days.
struct TableKind {
    int month;
    const char *name;
    Kind kind;
};
constexpr TableKind kTableKinds[] = {
    {0, "Uusaasta", Kind::PublicHoliday},
    {0, "Tartu rahu aastapäev", Kind::PublicHoliday},
    {0, "Iseseisvuspäev", Kind::PublicHoliday},
    {0, "Iseseisvuspäev, Eesti Vabariigi aastapäev", Kind::PublicHoliday},
    {0, "Kevadpüha", Kind::PublicHoliday},
    {0, "Võidupüha", Kind::PublicHoliday},
    {0, "Jaanipäev", Kind::PublicHoliday},
    {0, "Taasiseseisvumispäev", Kind::PublicHoliday},
    {0, "1. jõulupüha", Kind::PublicHoliday},
    {0, "2. jõulupüha", Kind::PublicHoliday},
    {0, "Esimene jõulupüha", Kind::PublicHoliday},
    {0, "Teine jõulupüha", Kind::PublicHoliday},
    {0, "Kolmekuningapäev", Kind::NationalDay},
    {0, "Tartu rahulepingu aastapäev", Kind::NationalDay},
    {0, "Emakeelepäev", Kind::NationalDay},
    {0, "Emadepäev", Kind::NationalDay},
    {6, "Leinapäev", Kind::NationalDay},
    {0, "Eesti lipu õnnistamise aastapäev", Kind::NationalDay},
    {0, "Eesti lipu päev", Kind::NationalDay},
    {0, "Hingedepäev", Kind::NationalDay},
    {0, "Isadepäev", Kind::NationalDay},
    {0, "Taassünnipäev", Kind::NationalDay},
    {0, "Taassünni päev", Kind::NationalDay},
    {0, "Naistepäev", Kind::Other},
    {0, "Valentinipäev", Kind::Other},
    {0, "Leedu iseseisvuspäev", Kind::Other},
    {0, "Läti iseseisvuspäev", Kind::Other},
    {0, "Lastekaitsepäev", Kind::Other},
    {0, "Teadmistepäev", Kind::Other},
    {0, "Usupuhastuspüha", Kind::Other},
    {0, "Halloween", Kind::Other},
    {0, "Üleminek suveajale kell 3.00", Kind::Other},
    {0, "Üleminek talveajale kell 4.00", Kind::Other},
};

QString capitalised(const QString &name)
{
    return name.isEmpty() ? name : name.front().toUpper() + name.mid(1);
}

Kind tableKind(int month, const QString &name)
{
    for (const TableKind &k : kTableKinds) {
        if ((k.month == 0 || k.month == month) && name == QString::fromUtf8(k.name))
            return k.kind;
    }
    return Kind::Folk;
}

QString categoryOf(Kind kind)
{
    switch (kind) {
    case Kind::PublicHoliday:
        return QStringLiteral("riigipüha");
    case Kind::NationalDay:
        return QStringLiteral("tähtpäev");
    case Kind::Folk:
        return QStringLiteral("rahvakalender");
    case Kind::Other:
        break;
    }
    return QStringLiteral("muu");
}

bool isStateDay(Kind kind)
{
    return kind == Kind::PublicHoliday || kind == Kind::NationalDay;
}

} // namespace

std::vector<NotableDay> NotableDays(int month, int year)
{
    const HolidayList list = BuildHolidayList(month, year);
    const std::vector<Dated> lines = linesOfMonth(month, year);
    std::vector<NotableDay> days;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const HolidayRow &row = list[i];
        if (row.dayText.isEmpty())
            continue;
        NotableDay d;
        d.day = dayOfText(row.dayText);
        d.names = row.nameText;
        for (std::size_t j = i + 1; j < list.size() && list[j].dayText.isEmpty() && !list[j].nameText.isEmpty(); ++j)
            d.names += QLatin1Char(' ') + list[j].nameText;
        d.red = row.red;
        d.flag = row.flag;
        d.mourning = row.mourning;

        std::vector<Kind> kinds;
        for (const QString &part : d.names.split(QLatin1Char(';'))) {
            const QString name = capitalised(part.trimmed());
            if (name.isEmpty())
                continue;
            DayName n{name, {}, {}};
            Kind kind = tableKind(month, name);
            for (const auto &[day, line] : lines) {
                if (day != d.day || !line->name || name.compare(QString::fromUtf8(line->name), Qt::CaseInsensitive) != 0)
                    continue;
                if (line->change == Change::Adds)
                    kind = line->set.red ? Kind::PublicHoliday : Kind::NationalDay;
                n.sources << QString::fromUtf8(line->source);
            }
            kinds.push_back(kind);
            n.categories << categoryOf(kind);
            d.dayOff = d.dayOff || kind == Kind::PublicHoliday;
            d.parts.push_back(n);
        }
        if (d.parts.empty())
            continue;

        // The marks of the day belong to its state days, or to its first name.
        const bool anyStateDay = std::any_of(kinds.begin(), kinds.end(), isStateDay);
        for (std::size_t k = 0; k < d.parts.size(); ++k) {
            if (anyStateDay ? !isStateDay(kinds[k]) : k != 0)
                continue;
            DayName &n = d.parts[k];
            if (d.flag)
                n.categories << QStringLiteral("lipupäev");
            if (d.mourning)
                n.categories << QStringLiteral("leinalipp");
            for (const auto &[day, line] : lines) {
                const Marks &m = line->set;
                if (day == d.day && line->change == Change::Marks && (m.red || m.flag || m.mourning)
                    && !n.sources.contains(QString::fromUtf8(line->source)))
                    n.sources << QString::fromUtf8(line->source);
            }
        }
        days.push_back(std::move(d));
    }
    return days;
}

std::vector<icalendar::Event> CalendarEvents(int firstYear, int lastYear)
{
    std::vector<icalendar::Event> events;
    if (firstYear < 100 || lastYear > 9999 || firstYear > lastYear || lastYear - firstYear >= 100)
        return events;
    for (int year = firstYear; year <= lastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (const NotableDay &d : NotableDays(month, year)) {
                for (const DayName &n : d.parts) {
                    icalendar::Event e;
                    e.date = QDate(year, month, d.day);
                    e.summary = n.name;
                    e.categories = n.categories;
                    e.description = n.sources.join(QStringLiteral("; "));
                    events.push_back(std::move(e));
                }
            }
        }
    }
    return events;
}

} // namespace holidays

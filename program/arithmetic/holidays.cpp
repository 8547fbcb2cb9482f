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

// Public Holidays and Days of National Importance Act (Pühade ja tähtpäevade
// seadus) with its amendments: the days it adds to the folk-calendar table
// or whose marks it changes. A new amendment is one more line.
constexpr StatutoryDay kStatutoryDays[] = {
    // rule             mo  day wd  name                                          red    flag   from  to        act
    {Rule::Easter,       0,  -2, 0, "Suur reede",                                 true,  false, 1998, kInForce, "RT I 1998, 13, 162"},
    {Rule::Easter,       0,   0, 0, "Ülestõusmispühade 1. püha",                  true,  false, 1998, kInForce, "RT I 1998, 13, 162"},
    {Rule::Easter,       0,  49, 0, "Nelipühade 1. püha",                         true,  false, 1998, kInForce, "RT I 1998, 13, 162"},
    {Rule::Fixed,       12,  24, 0, "Jõululaupäev",                               true,  false, 2005, kInForce, "RT I 2005, 24, 185"},
    {Rule::Fixed,        9,  22, 0, "Vastupanuvõitluse päev",                     false, false, 2007, kInForce, "RT I 2007, 22, 118"},
    {Rule::Fixed,        8,  23, 0, "Kommunismi ja natsismi ohvrite mälestuspäev", false, false, 2009, kInForce, "RT I 2009, 34, 229"},
    {Rule::NthWeekday,   9,   2, kSunday, "Vanavanemate päev",                    false, false, 2010, kInForce, "RT I 2010, 7, 27"},
    {Rule::NthWeekday,  10,   3, kSaturday, "Hõimupäev",                          false, false, 2011, kInForce, "RT I, 09.03.2011, 2"},
    {Rule::Fixed,       10,   1, 0, "Omavalitsuspäev",                            false, false, 2018, kInForce, "RT I, 12.06.2018, 2"},
    {Rule::Fixed,        1,  30, 0, "Eesti kirjanduse päev",                      false, false, 2023, kInForce, "RT I, 20.12.2022, 1"},
};

// Names that begin with a proper name keep their capital inside a row.
bool startsWithProperName(const QString &name)
{
    static const QStringList properNames{QStringLiteral("Eesti "), QStringLiteral("Tartu "),
                                         QStringLiteral("Leedu "), QStringLiteral("Läti ")};
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

HolidayList BuildHolidayList(int month, int year)
{
    const HolidayList table = FolkCalendarRows(month, year);

    // The act's days of this month, in date order (the act's order on one day).
    struct Dated {
        int day;
        const StatutoryDay *entry;
    };
    std::vector<Dated> act;
    for (const StatutoryDay &s : kStatutoryDays) {
        if (year < s.firstYear || year > s.lastYear)
            continue;
        if (const int d = DayInMonth(s, month, year))
            act.push_back({d, &s});
    }
    if (act.empty())
        return table;
    std::stable_sort(act.begin(), act.end(), [](const Dated &a, const Dated &b) { return a.day < b.day; });

    std::vector<Row> rows;
    for (const HolidayRow &r : table)
        rows.push_back(Row{dayOfText(r.dayText), {}, r.nameText, r.red, r.flag});

    for (const auto &[day, entry] : act) {
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
        sameDay->actNames << QString::fromUtf8(entry->name);
        sameDay->red = sameDay->red || entry->red;
        sameDay->flag = sameDay->flag || entry->flag;
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
        out.flag = r.flag;
        list.push_back(out);
    }
    return list;
}

} // namespace holidays

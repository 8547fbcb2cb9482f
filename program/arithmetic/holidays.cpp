#include "holidays.h"

#include "daynumbers.h"

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

    HolidayList rows() const { return m_rows; }

private:
    int m_month;
    int m_year;
    HolidayList m_rows{};
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

HolidayList BuildHolidayList(int month, int year)
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

} // namespace holidays

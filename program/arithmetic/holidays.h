// The notable days of a month: Estonian public holidays and flag days,
// folk-calendar days, a few international days and the two daylight-saving
// changes, as the eight rows of the holidays listing.
#pragma once

#include <QString>

#include <array>

namespace holidays {

struct HolidayRow {
    QString dayText;  // "24. / T", or empty
    QString nameText; // the name exactly as listed, or empty
    bool red = false;
    bool flag = false;
    friend bool operator==(const HolidayRow &, const HolidayRow &) = default;
};

using HolidayList = std::array<HolidayRow, 8>;

// Weekday letters, index 0 = Sunday: P E T K N R L.
QChar WeekdayLetter(int weekdaySundayIsOne);

// First Sunday of a month (1..7) and last Sunday of a month (25..31 for March and October).
int FirstSunday(int month, int year);
int LastSunday(int month, int year);

// The eight rows for month 1..12 of year 100..9999.
HolidayList BuildHolidayList(int month, int year);

} // namespace holidays

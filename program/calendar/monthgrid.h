// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid of the calendar window: six rows of seven days starting with
// a chosen weekday, the days of the neighbouring months filling the cells
// before the 1st and after the last day. When the 1st falls on the first
// column, the first row belongs wholly to the previous month and the month
// starts in row 2, so that every month shows one week before and after it.
//
// The grid holds a value of year, month and day. Stepping the month or the
// year keeps the day of the month (clamped only for display), so the selected
// date returns to the same day when the user steps back. The user may choose
// a day of the shown month; the grid does not move to another month by itself.
//
// With its holidays shown, the days of the shown month that the holidays
// listing names carry their names as a tooltip, a public holiday is drawn
// red, a flag day has a small flag in its cell's corner (a mourning flag on
// a day of mourning), and a screen reader is told all of it. The days of
// the neighbouring months stay as they are.
#pragma once

#include "holidays.h"
#include "monthsheet.h"

#include <QDate>
#include <QMap>
#include <QWidget>

#include <functional>

class QCalendarWidget;
class QTableView;

class MonthGrid : public QWidget {
    Q_OBJECT
public:
    // Years the grid can show, those of the date value. The cells of the
    // first and last months that fall before 1.1.100 or after 31.12.9999
    // stay blank.
    static constexpr int kMinYear = monthsheet::kFirstYear;
    static constexpr int kMaxYear = monthsheet::kLastYear;

    explicit MonthGrid(QWidget *parent = nullptr);
    ~MonthGrid() override;

    int year() const { return m_year; }
    int month() const { return m_month; }
    // The day as set or chosen; may exceed the length of the shown month.
    int day() const { return m_day; }
    /*! Years outside kMinYear..kMaxYear are clamped. */
    void setYear(int year);
    /*! Months outside 1..12 are clamped. */
    void setMonth(int month);
    /*! Days outside 1..31 are clamped; a day past the month's end shows its last day. */
    void setDay(int day);

    /*! 1 = Sunday .. 7 = Saturday; other values are ignored. */
    void setFirstColumnWeekday(int weekdaySundayIsOne);
    int firstColumnWeekday() const;

    // The selected date: year, month and the day clamped to the month.
    QDate selectedDate() const;

    // Whether the selected day is marked in the grid.
    void setSelectionVisible(bool visible);
    bool isSelectionVisible() const { return m_selectionVisible; }

    // Places the cells of the grid inside the widget (six rows, seven columns).
    void setCellsRect(const QRect &rect);

    QCalendarWidget *calendarWidget() const { return m_calendar; }
    // The table of day cells inside the calendar widget.
    QTableView *dayView() const;

    // The cells of the day grid, row 0..5 and column 0..6. The date is
    // invalid for a blank cell (before 1.1.100 or after 31.12.9999); the
    // month offset is -1 for a greyed day of the month before, +1 for one of
    // the month after and 0 inside the shown month.
    QDate cellDate(int row, int column) const;
    int cellMonthOffset(int row, int column) const;
    // What a screen reader says for a cell: "Esmaspäev, 5. jaanuar 2004",
    // the week number when one is set, and whether the day belongs to a
    // neighbouring month; empty for a blank cell.
    QString cellName(int row, int column) const;
    void setWeekNumbering(std::function<int(QDate)> weekOf);

    // Chooses a day of the shown month, as a click on its cell does.
    void chooseDay(int day);

    // Whether the shown month's holidays are marked; off at construction.
    void setHolidaysShown(bool shown);
    // The notable day of a date of the shown month while holidays are
    // shown, else nullptr.
    const holidays::NotableDay *holidayOf(const QDate &date) const;

public slots:
    void nextMonth();
    void previousMonth();
    void nextYear();
    void previousYear();

protected:
    // A change of the desktop's palette shades the weekend red anew.
    void changeEvent(QEvent *event) override;
    // Clicks on the greyed days of the neighbouring months are kept from the
    // calendar: they change nothing.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stepMonths(int months);
    // Saturday and Sunday in red, in the shade that reads on the grid's background.
    void applyWeekendColour();
    // The shown month's holidays as the calendar's date formats (colour and
    // tooltip), or none.
    void applyHolidays();
    void apply();
    void onUserSelection();

    QCalendarWidget *m_calendar = nullptr;
    int m_year = 2000;
    int m_month = 1;
    int m_day = 1;
    bool m_selectionVisible = true;
    bool m_applying = false;
    std::function<int(QDate)> m_weekOf;
    bool m_holidaysShown = false;
    // The notable days by day of the month, for m_holidayMonth (year * 12 + month - 1).
    QMap<int, holidays::NotableDay> m_holidays;
    int m_holidayMonth = -1;
};

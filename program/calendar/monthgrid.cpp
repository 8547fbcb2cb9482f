// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthgrid.h"

#include "forms.h"
#include "modarvutused.h"
#include "monthgridaccessible.h"
#include "readouttexts.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>
#include <QTextCharFormat>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The small flag of a flag day in the top right corner of a day's cell:
// three bands, blue, black and white, in a grey outline on a grey pole; a
// mourning flag has a black ribbon down the pole. Colours as they read on
// the cell's background.
void paintFlag(QPainter *painter, const QRect &cell, bool mourning, const QPalette &palette)
{
    const bool dark = forms::isDark(palette);
    const QColor background = palette.color(QPalette::Active, QPalette::Base);
    auto shade = [&](const QColor &c) { return forms::textShade(c, background, dark); };
    // 9 x 6 pixels of flag at 96 DPI, larger on a denser screen.
    const int unit = std::max(1, int(std::lround(painter->device()->logicalDpiY() / 96.0)));
    const int bandHeight = 2 * unit;
    const int width = 9 * unit;
    const int right = cell.right() - 2 * unit;
    const int top = cell.top() + unit;
    const QRect flag(right - width + 1, top, width, 3 * bandHeight);
    painter->save();
    painter->setPen(Qt::NoPen);
    // The pole on the left of the flag, a little longer, clear of the day's number.
    painter->fillRect(QRect(flag.left() - unit, top, unit, flag.height() + unit),
                      shade(QColor(0x80, 0x80, 0x80)));
    painter->fillRect(QRect(flag.left(), top, width, bandHeight), shade(QColor(0x00, 0x72, 0xCE)));
    painter->fillRect(QRect(flag.left(), top + bandHeight, width, bandHeight), shade(QColor(Qt::black)));
    painter->fillRect(QRect(flag.left(), top + 2 * bandHeight, width, bandHeight), shade(QColor(Qt::white)));
    painter->setPen(QPen(shade(QColor(0x80, 0x80, 0x80)), 0));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(flag.adjusted(0, 0, -1, -1));
    if (mourning) {
        // The ribbon hangs from the top of the pole, left of it.
        painter->fillRect(QRect(flag.left() - 3 * unit, top, 2 * unit, flag.height() + unit),
                          shade(QColor(Qt::black)));
    }
    painter->restore();
}

// The calendar widget with the days outside its date range left blank
// (it would grey them), so that no day before 1.1.100 or after 31.12.9999
// is shown, and with the flag of a flag day of the grid's holidays.
class RangeCalendar : public QCalendarWidget {
public:
    RangeCalendar(const MonthGrid *grid, QWidget *parent)
        : QCalendarWidget(parent)
        , m_grid(grid)
    { }

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override
    {
        if (date < minimumDate() || date > maximumDate())
            return;
        QCalendarWidget::paintCell(painter, rect, date);
        if (const holidays::NotableDay *day = m_grid->holidayOf(date); day && day->flag)
            paintFlag(painter, rect, day->mourning, palette());
    }

private:
    const MonthGrid *m_grid;
};

} // namespace

MonthGrid::MonthGrid(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("clnKalender"));
    monthgridaccessible::install();
    // The calendar widget tells assistive technology of its selection while
    // it is being built; until it is assigned, the grid answers for no cell.
    m_calendar = new RangeCalendar(this, this);
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setHorizontalHeaderFormat(QCalendarWidget::NoHorizontalHeader);
    m_calendar->setDateEditEnabled(false);
    m_calendar->setAccessibleName(QStringLiteral("Kuu kalender"));
    m_calendar->setDateRange(QDate(kMinYear, 1, 1), QDate(kMaxYear, 12, 31));
    m_calendar->setGeometry(rect());
    if (auto *view = m_calendar->findChild<QTableView *>())
        view->viewport()->installEventFilter(this);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &MonthGrid::onUserSelection);
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, &MonthGrid::onUserSelection);
    applyWeekendColour();
    apply();
}

void MonthGrid::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && m_calendar) {
        applyWeekendColour();
        applyHolidays();
    }
    QWidget::changeEvent(event);
}

void MonthGrid::applyWeekendColour()
{
    // The grid's palette, which the calendar inherits (its own may not have
    // followed a change yet).
    const QPalette p = palette();
    QTextCharFormat weekend;
    weekend.setForeground(
        forms::textShade(QColor(Qt::red), p.color(QPalette::Active, QPalette::Base), forms::isDark(p)));
    m_calendar->setWeekdayTextFormat(Qt::Saturday, weekend);
    m_calendar->setWeekdayTextFormat(Qt::Sunday, weekend);
}

MonthGrid::~MonthGrid()
{
    // The calendar goes first, while the grid is whole: whatever it tells
    // on its way out finds no cells and no week numbering.
    m_weekOf = nullptr;
    QCalendarWidget *calendar = std::exchange(m_calendar, nullptr);
    delete calendar;
}

void MonthGrid::setYear(int year)
{
    m_year = std::clamp(year, kMinYear, kMaxYear);
    apply();
}

void MonthGrid::setMonth(int month)
{
    m_month = std::clamp(month, 1, 12);
    apply();
}

void MonthGrid::setDay(int day)
{
    m_day = std::clamp(day, 1, 31);
    apply();
}

void MonthGrid::setFirstColumnWeekday(int weekdaySundayIsOne)
{
    if (weekdaySundayIsOne < 1 || weekdaySundayIsOne > 7)
        return;
    // Qt counts Monday = 1 .. Sunday = 7.
    m_calendar->setFirstDayOfWeek(Qt::DayOfWeek(weekdaySundayIsOne == 1 ? 7 : weekdaySundayIsOne - 1));
    apply();
}

int MonthGrid::firstColumnWeekday() const
{
    return int(m_calendar->firstDayOfWeek()) % 7 + 1;
}

QDate MonthGrid::selectedDate() const
{
    const QDate first(m_year, m_month, 1);
    return QDate(m_year, m_month, std::min(m_day, first.daysInMonth()));
}

void MonthGrid::setSelectionVisible(bool visible)
{
    m_selectionVisible = visible;
    apply();
}

QTableView *MonthGrid::dayView() const
{
    return m_calendar ? m_calendar->findChild<QTableView *>() : nullptr;
}

int MonthGrid::cellMonthOffset(int row, int column) const
{
    const QTableView *view = dayView();
    if (!view || !view->model())
        return 0;
    // Six rows of days: a large day number in the first two rows belongs to
    // the month before, a small one in the last two to the month after.
    const int day = view->model()->index(row, column).data(Qt::DisplayRole).toInt();
    if (row <= 1 && day > 14)
        return -1;
    if (row >= 4 && day < 15)
        return 1;
    return 0;
}

QDate MonthGrid::cellDate(int row, int column) const
{
    const QTableView *view = dayView();
    if (!view || !view->model() || row < 0 || row > 5 || column < 0 || column > 6)
        return {};
    const int day = view->model()->index(row, column).data(Qt::DisplayRole).toInt();
    const QDate first = QDate(m_year, m_month, 1).addMonths(cellMonthOffset(row, column));
    const QDate date(first.year(), first.month(), day);
    if (!date.isValid() || date < QDate(kMinYear, 1, 1) || date > QDate(kMaxYear, 12, 31))
        return {};
    return date;
}

QString MonthGrid::cellName(int row, int column) const
{
    const QDate date = cellDate(row, column);
    if (!date.isValid())
        return {};
    static const QStringList months = readouttexts::monthNames();
    QString name = modArvutused::WeekdayNames().at(date.dayOfWeek() % 7) + QStringLiteral(", ")
        + QString::number(date.day()) + QStringLiteral(". ") + months.at(date.month() - 1) + QLatin1Char(' ')
        + QString::number(date.year());
    if (m_weekOf)
        name += QStringLiteral(", ") + QString::number(m_weekOf(date)) + QStringLiteral(". nädal");
    const int offset = cellMonthOffset(row, column);
    if (offset < 0)
        name += QStringLiteral(", eelmine kuu");
    else if (offset > 0)
        name += QStringLiteral(", järgmine kuu");
    else if (const holidays::NotableDay *day = holidayOf(date)) {
        name += QStringLiteral(", ") + day->names;
        if (day->dayOff)
            name += QStringLiteral(", riigipüha");
        if (day->mourning)
            name += QStringLiteral(", leinalipp");
        else if (day->flag)
            name += QStringLiteral(", lipupäev");
    }
    return name;
}

void MonthGrid::setHolidaysShown(bool shown)
{
    if (shown == m_holidaysShown)
        return;
    m_holidaysShown = shown;
    applyHolidays();
}

const holidays::NotableDay *MonthGrid::holidayOf(const QDate &date) const
{
    if (!m_holidaysShown || date.year() != m_year || date.month() != m_month)
        return nullptr;
    const auto it = m_holidays.constFind(date.day());
    return it == m_holidays.cend() ? nullptr : &it.value();
}

void MonthGrid::applyHolidays()
{
    if (!m_calendar)
        return;
    const int month = m_year * 12 + m_month - 1;
    if (month != m_holidayMonth) {
        m_holidayMonth = month;
        m_holidays.clear();
        for (holidays::NotableDay &d : holidays::NotableDays(m_month, m_year))
            m_holidays.insert(d.day, std::move(d));
    }
    // The formats of another month go: its days may be on this page too.
    m_calendar->setDateTextFormat(QDate(), QTextCharFormat());
    if (!m_holidaysShown) {
        m_calendar->update();
        return;
    }
    // The grid's palette, as for the weekend's red.
    const QPalette p = palette();
    const QColor red = forms::textShade(forms::colour::red, p.color(QPalette::Active, QPalette::Base),
                                        forms::isDark(p));
    for (const holidays::NotableDay &d : std::as_const(m_holidays)) {
        QTextCharFormat format;
        if (d.dayOff)
            format.setForeground(red);
        format.setToolTip(d.names);
        m_calendar->setDateTextFormat(QDate(m_year, m_month, d.day), format);
    }
}

void MonthGrid::setWeekNumbering(std::function<int(QDate)> weekOf)
{
    m_weekOf = std::move(weekOf);
}

void MonthGrid::chooseDay(int day)
{
    if (day < 1 || day > QDate(m_year, m_month, 1).daysInMonth())
        return;
    m_day = day;
    m_selectionVisible = true;
    apply();
}

void MonthGrid::setCellsRect(const QRect &rect)
{
    m_calendar->setGeometry(rect);
}

void MonthGrid::nextMonth()
{
    stepMonths(1);
}
void MonthGrid::previousMonth()
{
    stepMonths(-1);
}
void MonthGrid::nextYear()
{
    stepMonths(12);
}
void MonthGrid::previousYear()
{
    stepMonths(-12);
}

void MonthGrid::stepMonths(int months)
{
    const int index = std::clamp(m_year * 12 + (m_month - 1) + months, kMinYear * 12, kMaxYear * 12 + 11);
    m_year = index / 12;
    m_month = index % 12 + 1;
    apply();
}

// Shows the value in the calendar widget. Qt marks the selected date whenever
// the page or the date changes; hiding the mark means clearing the view's
// selection model afterwards.
void MonthGrid::apply()
{
    m_applying = true;
    m_calendar->setSelectedDate(selectedDate());
    m_calendar->setCurrentPage(m_year, m_month);
    if (m_holidaysShown && m_year * 12 + m_month - 1 != m_holidayMonth)
        applyHolidays();
    if (!m_selectionVisible) {
        if (QTableView *view = dayView())
            view->selectionModel()->clear();
    }
    m_applying = false;
}

bool MonthGrid::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        QTableView *view = dayView();
        if (!view || watched != view->viewport())
            break;
        const QModelIndex index = view->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (!index.isValid() || cellMonthOffset(index.row(), index.column()) != 0)
            return true;
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// A day chosen with the mouse or the calendar's own keys. A day of the shown
// month becomes the value; anything that would leave the shown month (a day
// of a neighbouring month, the mouse wheel, the calendar's page keys) is
// undone, so the grid stays on the month the window labels.
void MonthGrid::onUserSelection()
{
    if (m_applying || !m_calendar)
        return;
    const QDate d = m_calendar->selectedDate();
    if (d.year() == m_year && d.month() == m_month && m_calendar->yearShown() == m_year
        && m_calendar->monthShown() == m_month) {
        m_day = d.day();
        m_selectionVisible = true;
        return;
    }
    apply();
}

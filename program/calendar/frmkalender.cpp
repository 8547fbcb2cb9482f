// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmkalender.h"

#include "frmpuhad.h"
#include "monthgrid.h"

#include "clock.h"
#include "forms.h"
#include "modarvutused.h"
#include "monthsheet.h"
#include "programstate.h"
#include "ticker.h"
#include "ui_frmkalender.h"
#include "weekrows.h"
#include "windowhost.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

frmKalender::frmKalender(tundrik::WindowHost &host)
    : QDialog(host.hostWindow())
    , m_ui(std::make_unique<Ui::frmKalender>())
    , m_host(host)
{
    m_ui->setupUi(this);
    setWindowIcon(forms::programIcon());
    forms::finish(this);
    m_clnKalender = m_ui->clnKalender;
    m_cmdFookus = m_ui->cmdFookus;
    m_headers = {m_ui->lblEsNP, m_ui->lblTeNP, m_ui->lblKoNP, m_ui->lblNeNP,
                 m_ui->lblViNP, m_ui->lblKuNP, m_ui->lblSeNP};
    m_weekLabels = {m_ui->lblEsimN, m_ui->lblTeineN, m_ui->lblKolmN,
                    m_ui->lblNelN,  m_ui->lblViiesN, m_ui->lblKuuesN};
    connectControls();

    placeOverHost();

    m_clnKalender->setFirstColumnWeekday(m_host.programState().FirstDayOfWeek());
    const QDate now = today();
    m_clnKalender->setDay(now.day());
    m_clnKalender->setMonth(now.month());
    m_clnKalender->setYear(now.year());
    RefreshMonth();
    m_host.setCloseButtonEnabled(false);
    writeWeekdayHeaders();
    connect(&m_host.programState(), &tundrik::ProgramState::weekSettingsChanged, this,
            &frmKalender::applyWeekSettings);
    m_clnKalender->setHolidaysShown(m_host.programState().HolidaysInCalendar());
    connect(&m_host.programState(), &tundrik::ProgramState::holidaysInCalendarChanged, m_clnKalender,
            &MonthGrid::setHolidaysShown);

    m_tmrKell = new forms::Ticker(m_host.clock(), QStringLiteral("tmrKell"), this);
    connect(m_tmrKell, &forms::Ticker::tick, this, &frmKalender::tick);
    m_tmrKell->start();

    m_cmdFookus->setFocus(Qt::OtherFocusReason);
}

frmKalender::~frmKalender()
{
    // A window destroyed without being closed still gives the close button back.
    if (!m_hostCloseRestored)
        m_host.setCloseButtonEnabled(true);
}

void frmKalender::connectControls()
{
    m_cmdFookus->installEventFilter(this);
    // A screen reader names each day with its week under the settings in force.
    m_clnKalender->setWeekNumbering([this](QDate date) {
        return modArvutused::WeekNumberOf(datevalue::DateSerial(date.year(), date.month(), date.day()),
                                          m_host.programState().FirstDayOfWeek(),
                                          m_host.programState().FirstWeekOfYear());
    });
    // Seven columns under the weekday headers (525 twips apart, the first
    // centred at 945) and six rows beside the week labels (420 apart, the
    // first centred at 1327), relative to the grid's corner.
    m_clnKalender->setCellsRect(
        forms::Twips::of(this).rect(945 - 262 - 600, 1327 - 210 - 960, 7 * 525, 6 * 420));

    connect(m_ui->cmdLõpeta, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->cmdJärgmineAasta, &QPushButton::clicked, this,
            [this] { stepAndRefresh(&MonthGrid::nextYear); });
    connect(m_ui->cmdJärgmineKuu, &QPushButton::clicked, this,
            [this] { stepAndRefresh(&MonthGrid::nextMonth); });
    connect(m_ui->cmdEelmineKuu, &QPushButton::clicked, this,
            [this] { stepAndRefresh(&MonthGrid::previousMonth); });
    connect(m_ui->cmdEelmineAasta, &QPushButton::clicked, this,
            [this] { stepAndRefresh(&MonthGrid::previousYear); });
    connect(m_ui->cmdKuuAasta, &QPushButton::clicked, this, &frmKalender::showTodaysMonth);
    connect(m_ui->cmdPühad, &QPushButton::clicked, this, &frmKalender::openHolidays);
    // Enter on the focus target opens the holidays too.
    connect(m_cmdFookus, &QPushButton::clicked, m_ui->cmdPühad, &QPushButton::click);
}

void frmKalender::placeOverHost()
{
    move(tundrik::positionAtHost(tundrik::HostPlacement::Centred, m_host.hostWindow()->frameGeometry(),
                                 m_host.innerHeight(), frameGeometry().width()));
}

void frmKalender::applyWeekSettings()
{
    m_clnKalender->setFirstColumnWeekday(m_host.programState().FirstDayOfWeek());
    writeWeekdayHeaders();
    RefreshMonth();
}

void frmKalender::writeWeekdayHeaders()
{
    const int first = m_host.programState().FirstDayOfWeek(); // 1 = Sunday
    const std::array<QString, 7> headers = monthsheet::WeekdayHeaders(first);
    for (int i = 0; i < 7; ++i)
        m_headers[i]->setText(headers[i]);
}

QDate frmKalender::today() const
{
    const tundrik::ClockReading r = m_host.clock().now();
    return QDate(r.year, r.month, r.day);
}

void frmKalender::RefreshMonth()
{
    m_calendarMonth = m_clnKalender->month();
    m_calendarYear = m_clnKalender->year();
    const int y = m_calendarYear;
    const int m = m_calendarMonth;
    const int f = m_host.programState().FirstDayOfWeek();
    const int rule = m_host.programState().FirstWeekOfYear();

    m_ui->lblKalender->setText(monthsheet::Title(y, m));
    m_ui->cmdPühad->setText(monthsheet::HolidaysCaption(m));

    const weekrows::WeekRows rows = weekrows::WeekRowCaptions(y, m, f, rule);
    for (int i = 0; i < 6; ++i) {
        m_weekLabels[i]->setText(rows.caption[i]);
        m_weekLabels[i]->setEnabled(rows.enabled[i]);
    }

    // Today's marking: the selection stays on today and today's week label
    // is set in italic type. The week is that of the date the marking is
    // for, which the host's week number catches up with a second later at
    // midnight.
    int italic = -1;
    m_markedDay = today();
    if (m_markedDay == m_clnKalender->selectedDate()) {
        m_todayShown = true;
        m_clnKalender->setSelectionVisible(true);
        const int week = modArvutused::WeekNumberOf(
            datevalue::DateSerial(m_markedDay.year(), m_markedDay.month(), m_markedDay.day()), f, rule);
        italic = weekrows::CurrentWeekRow(rows, week);
    } else {
        m_todayShown = false;
        m_clnKalender->setSelectionVisible(false);
    }
    for (int i = 0; i < 6; ++i) {
        QFont font = m_weekLabels[i]->font();
        font.setItalic(i == italic);
        m_weekLabels[i]->setFont(font);
    }
}

void frmKalender::stepAndRefresh(void (MonthGrid::*step)())
{
    (m_clnKalender->*step)();
    RefreshMonth();
    m_cmdFookus->setFocus(Qt::OtherFocusReason);
}

void frmKalender::showTodaysMonth()
{
    if (!m_todayShown) {
        const QDate now = today();
        m_clnKalender->setYear(now.year());
        m_clnKalender->setMonth(now.month());
        m_clnKalender->setDay(now.day());
        RefreshMonth();
    }
    m_cmdFookus->setFocus(Qt::OtherFocusReason);
}

// A new date (midnight, or the system clock set forward or back) moves
// today's marking to it: the grid's day becomes today's, so the mark shows
// if today lies in the shown month and returns when the user steps back to
// it; the shown month stays.
void frmKalender::followNewDay()
{
    m_clnKalender->setDay(today().day());
    RefreshMonth();
}

void frmKalender::openHolidays()
{
    {
        frmPuhad holidays(m_calendarMonth, m_calendarYear, this);
        holidays.exec();
    }
    m_cmdFookus->setFocus(Qt::OtherFocusReason);
}

void frmKalender::tick()
{
    const tundrik::ClockReading r = m_host.clock().now();
    if (QDate(r.year, r.month, r.day) != m_markedDay)
        followNewDay();
    if (r.second == m_lastClockSecond)
        return;
    m_lastClockSecond = r.second;
    m_ui->lblKell->setText(QTime(r.hour, r.minute, r.second).toString(QStringLiteral("HH:mm:ss")));
}

void frmKalender::done(int result)
{
    m_tmrKell->stop();
    if (!m_hostCloseRestored) {
        m_hostCloseRestored = true;
        m_host.setCloseButtonEnabled(true);
    }
    QDialog::done(result);
}

bool frmKalender::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_cmdFookus)
        return QDialog::eventFilter(watched, event);
    const bool stepKey = [event] {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const int k = static_cast<QKeyEvent *>(event)->key();
        return k == Qt::Key_PageUp || k == Qt::Key_PageDown || k == Qt::Key_Home;
    }();
    if (!stepKey)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // One step for each key press, decided by the modifiers held as the key
    // went down. A held key repeats as release and press pairs of one
    // timestamp, which the window system does not always mark as repeats:
    // a press stamped like the release before it is a repeat too.
    if (event->type() == QEvent::KeyRelease) {
        m_lastReleaseKey = key->key();
        m_lastReleaseTime = key->timestamp();
        return true;
    }
    const bool repeat = key->isAutoRepeat()
        || (key->key() == m_lastReleaseKey && key->timestamp() == m_lastReleaseTime && key->timestamp() != 0);
    if (repeat)
        return true;
    const bool ctrlOnly = key->modifiers() == Qt::ControlModifier;
    switch (key->key()) {
    case Qt::Key_PageUp:
        (ctrlOnly ? m_ui->cmdJärgmineAasta : m_ui->cmdJärgmineKuu)->click();
        break;
    case Qt::Key_PageDown:
        (ctrlOnly ? m_ui->cmdEelmineAasta : m_ui->cmdEelmineKuu)->click();
        break;
    default:
        m_ui->cmdKuuAasta->click();
        break;
    }
    return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmKalender.h"

#include "MonthGrid.h"
#include "frmPuhad.h"

#include "clock.h"
#include "forms.h"
#include "modArvutused.h"
#include "monthSheet.h"
#include "programstate.h"
#include "ticker.h"
#include "weekRows.h"
#include "windowhost.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

frmKalender::frmKalender(tundrik::WindowHost &host)
    : QDialog(host.hostWindow()), m_host(host)
{
    setObjectName(QStringLiteral("frmKalender"));
    setWindowTitle(QStringLiteral("Tundrik {Kalender}"));
    setWindowIcon(forms::programIcon());
    setFont(forms::sans(9.75));
    buildLayout();

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

void frmKalender::buildLayout()
{
    using forms::colour::blue;
    using forms::WhenDisabled;
    forms::setClientSize(this, 6975, 5745);
    auto label = [](QWidget *parent, const QString &name, const QRect &twips, const QFont &font) {
        QLabel *l = forms::label(parent, name, twips);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(font);
        return l;
    };
    auto button = [](QWidget *parent, const QString &name, const QRect &twips,
                     const QString &caption, const QString &toolTip) {
        QPushButton *b = forms::button(parent, name, twips, caption, toolTip);
        b->setFont(forms::sans(9.75, true));
        return b;
    };

    // The focus target comes first in the tab order and lies below the
    // visible client area.
    m_cmdFookus = forms::button(this, QStringLiteral("cmdFookus"), QRect(360, 5880, 1455, 375),
                                QStringLiteral("Fookus"));
    m_cmdFookus->installEventFilter(this);
    // It is never seen: a screen reader says what it is and what its keys do.
    m_cmdFookus->setAccessibleName(QStringLiteral("Kalender"));
    m_cmdFookus->setAccessibleDescription(
        QStringLiteral("PageUp: järgmine kuu, PageDown: eelmine kuu, Ctrl+PageUp: järgmine aasta, "
                       "Ctrl+PageDown: eelmine aasta, Home: tänane kuu, Enter: kuu pühad, "
                       "Esc: sulge kalender"));

    QFrame *fraRaam = forms::frame(this, QStringLiteral("fraRaam"), QRect(360, 120, 6255, 5295));
    QFrame *fraKalender =
        forms::frame(fraRaam, QStringLiteral("fraKalender"), QRect(240, 240, 4695, 3855));

    QFont titleFont = forms::font("Arial", 12, true);
    titleFont.setUnderline(true);
    m_lblKalender = label(fraKalender, QStringLiteral("lblKalender"), QRect(720, 300, 3255, 315), titleFont);
    forms::setTextColour(m_lblKalender, forms::colour::darkBlue, WhenDisabled::StyleGrey);

    m_clnKalender = forms::widget<MonthGrid>(fraKalender, QStringLiteral("clnKalender"),
                                             QRect(600, 960, 3855, 2775));
    m_clnKalender->setFont(forms::sans(9.75));
    // A screen reader names each day with its week under the settings in force.
    m_clnKalender->setWeekNumbering([this](QDate date) {
        return modArvutused::WeekNumberOf(datevalue::DateSerial(date.year(), date.month(), date.day()),
                                          m_host.programState().FirstDayOfWeek(),
                                          m_host.programState().FirstWeekOfYear());
    });
    // Seven columns under the weekday headers (525 twips apart, the first
    // centred at 945) and six rows beside the week labels (420 apart, the
    // first centred at 1327), relative to the grid's corner.
    m_clnKalender->setCellsRect(forms::Twips::of(this).rect(945 - 262 - 600, 1327 - 210 - 960, 7 * 525,
                                                            6 * 420));

    static const char *const headerNames[7] = {"lblEsNP", "lblTeNP", "lblKoNP", "lblNeNP",
                                               "lblViNP", "lblKuNP", "lblSeNP"};
    for (int i = 0; i < 7; ++i) {
        m_headers[i] = label(fraKalender, QString::fromLatin1(headerNames[i]),
                             QRect(690 + 525 * i, 750, 510, 255), forms::sans(9.75));
        forms::setTextColour(m_headers[i], blue, WhenDisabled::StyleGrey);
    }
    const forms::Twips t = forms::Twips::of(this);
    for (int i = 0; i < 6; ++i) {
        forms::line(fraKalender, QStringLiteral("lneEraldaja"),
                    QRect(t.x(1200 + 525 * i), t.y(750), 1, t.y(1020 - 750)), QPalette::Dark);
    }

    static const char *const weekNames[6] = {"lblEsimN", "lblTeineN", "lblKolmN",
                                             "lblNelN", "lblViiesN", "lblKuuesN"};
    for (int i = 0; i < 6; ++i) {
        const bool wide = i == 0 || i >= 4; // room for "53/1"
        m_weekLabels[i] = label(fraKalender, QString::fromLatin1(weekNames[i]),
                                QRect(wide ? 150 : 240, 1200 + 420 * i, wide ? 460 : 300, 255),
                                forms::sans(9.75, true));
        forms::setTextColour(m_weekLabels[i], blue, WhenDisabled::StyleGrey);
    }

    m_cmdLopeta = button(fraRaam, QStringLiteral("cmdLõpeta"), QRect(240, 4380, 615, 615),
                         QStringLiteral("X"), QStringLiteral(" Sule kalender (Esc) "));
    m_cmdLopeta->setFont(forms::sans(17.25, true));
    connect(m_cmdLopeta, &QPushButton::clicked, this, &QDialog::reject);

    QFrame *fraNupud = forms::frame(this, QStringLiteral("fraNupud"), QRect(5520, 360, 855, 3855));
    m_cmdJargmineAasta = button(fraNupud, QStringLiteral("cmdJärgmineAasta"), QRect(120, 240, 615, 495),
                                QStringLiteral(">>"), QStringLiteral(" Järgmine aasta (Ctrl + PageUp) "));
    m_cmdJargmineKuu = button(fraNupud, QStringLiteral("cmdJärgmineKuu"), QRect(120, 840, 615, 495),
                              QStringLiteral(">"), QStringLiteral(" Järgmine kuu (PageUp)  "));
    m_cmdKuuAasta = button(fraNupud, QStringLiteral("cmdKuuAasta"), QRect(120, 1740, 615, 495),
                           QStringLiteral("<+>"), QStringLiteral(" Tänane kuu ja aasta (Home) "));
    m_cmdEelmineKuu = button(fraNupud, QStringLiteral("cmdEelmineKuu"), QRect(120, 2640, 615, 495),
                             QStringLiteral("<"), QStringLiteral(" Eelmine kuu (PageDown) "));
    m_cmdEelmineAasta = button(fraNupud, QStringLiteral("cmdEelmineAasta"), QRect(120, 3240, 615, 495),
                               QStringLiteral("<<"), QStringLiteral(" Eelmine aasta (Ctrl + PageDown) "));
    connect(m_cmdJargmineAasta, &QPushButton::clicked, this, [this] { stepAndRefresh(&MonthGrid::nextYear); });
    connect(m_cmdJargmineKuu, &QPushButton::clicked, this, [this] { stepAndRefresh(&MonthGrid::nextMonth); });
    connect(m_cmdEelmineKuu, &QPushButton::clicked, this, [this] { stepAndRefresh(&MonthGrid::previousMonth); });
    connect(m_cmdEelmineAasta, &QPushButton::clicked, this, [this] { stepAndRefresh(&MonthGrid::previousYear); });
    connect(m_cmdKuuAasta, &QPushButton::clicked, this, &frmKalender::showTodaysMonth);

    QFrame *frame1 = forms::frame(this, QStringLiteral("Frame1"), QRect(3120, 4320, 3255, 855));
    m_cmdPuhad = button(frame1, QStringLiteral("cmdPühad"), QRect(120, 240, 3015, 495), QString(),
                        QStringLiteral(" Vaata valitud kuu pühi (Enter) "));
    connect(m_cmdPuhad, &QPushButton::clicked, this, &frmKalender::openHolidays);
    // Enter on the focus target opens the holidays too.
    connect(m_cmdFookus, &QPushButton::clicked, m_cmdPuhad, &QPushButton::click);

    QFrame *fraKell = forms::frame(this, QStringLiteral("fraKell"), QRect(1440, 4455, 1455, 615));
    m_lblKell = label(fraKell, QStringLiteral("lblKell"), QRect(120, 225, 1215, 270),
                      forms::font("Arial", 12, true));
    forms::setTextColour(m_lblKell, QPalette::Highlight, WhenDisabled::StyleGrey);

    for (QPushButton *b : {m_cmdEelmineAasta, m_cmdEelmineKuu, m_cmdJargmineAasta, m_cmdJargmineKuu,
                           m_cmdKuuAasta, m_cmdLopeta, m_cmdPuhad})
        forms::onDragOff(b, [this] { m_cmdFookus->setFocus(Qt::MouseFocusReason); });

    setTabOrder(m_cmdFookus, m_cmdLopeta);
}

void frmKalender::placeOverHost()
{
    const QRect hostFrame = m_host.hostWindow()->frameGeometry();
    const int left = hostFrame.left() + hostFrame.width() / 2 - frameGeometry().width() / 2;
    const int top = hostFrame.top() + (hostFrame.height() - m_host.innerHeight()) / 2;
    move(left, top);
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

    m_lblKalender->setText(monthsheet::Title(y, m));
    m_cmdPuhad->setText(monthsheet::HolidaysCaption(m));

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
    m_lblKell->setText(QTime(r.hour, r.minute, r.second).toString(QStringLiteral("HH:mm:ss")));
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
                        || (key->key() == m_lastReleaseKey && key->timestamp() == m_lastReleaseTime
                            && key->timestamp() != 0);
    if (repeat)
        return true;
    const bool ctrlOnly = key->modifiers() == Qt::ControlModifier;
    switch (key->key()) {
    case Qt::Key_PageUp:
        (ctrlOnly ? m_cmdJargmineAasta : m_cmdJargmineKuu)->click();
        break;
    case Qt::Key_PageDown:
        (ctrlOnly ? m_cmdEelmineAasta : m_cmdEelmineKuu)->click();
        break;
    default:
        m_cmdKuuAasta->click();
        break;
    }
    return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmaeg.h"

#include "accessibility.h"
#include "forms.h"
#include "modarvutused.h"
#include "programstate.h"
#include "readouttexts.h"
#include "ticker.h"
#include "ui_frmaeg.h"
#include "windowopeners.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWhatsThis>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Pixel gaps of the countdown row: number to its unit, unit to the next number.
constexpr int unitGap = 2;
constexpr int groupGap = 6;

QDate dateOf(const tundrik::ClockReading &r)
{
    return QDate(r.year, r.month, r.day);
}

} // namespace

struct frmAeg::Private {
    explicit Private(tundrik::Clock &c)
        : clock(c)
    { }

    tundrik::Clock &clock;
    tundrik::ProgramState state;
    forms::Ticker *tmrAeg = nullptr;

    // The countdown row, left to right: number, unit, number, unit, ...
    std::array<QLabel *, 8> countdown {};
    // Where the row starts in fraAastaLõpuniJäänud, as the form places its first number.
    int countdownLeft = 0;

    QMenu *mnuAbi = nullptr;
    // The items of the two settings menus, each with the value it sets.
    std::vector<QAction *> weekItems;
    std::vector<QAction *> dayItems;

    QStringList monthNames;

    // The readouts' own state: the day base of the last new day, and the
    // week number of the current date under the week settings.
    double dayBase = 0;
    int weekNumber = 0;

    // Second of the minute at the last refresh; -1 until the first one.
    int lastSecond = -1;
    // Set by the refresh of 00:00:00; the next refresh starts the new day.
    bool newDay = false;
    // Local date of the last UusPaev.
    QDate dayOfLastNewDay;

    // Help context of each frame and label that opens the help pop-up.
    QHash<const QObject *, int> helpContexts;
    int helpContext = 0;
    QPoint helpPos;

    QString ownTitle;
    QString borrowedTitle;
    bool captionBorrowed = false;
};

frmAeg::frmAeg(tundrik::Clock &clock, QWidget *parent)
    : QMainWindow(parent)
    , d(std::make_unique<Private>(clock))
    , m_ui(std::make_unique<Ui::frmAeg>())
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    m_ui->setupUi(this);
    nameMenus();
    forms::finish(this);
    d->countdown = {m_ui->lblPäev,  m_ui->lblD, m_ui->lblTund,   m_ui->lblH,
                    m_ui->lblMinut, m_ui->lblM, m_ui->lblSekund, m_ui->lblS};
    d->countdownLeft = m_ui->lblPäev->x();
    connect(m_ui->cmdSulge, &QPushButton::clicked, this, &QWidget::close);
    m_ui->cmdSulge->installEventFilter(this);
    // The help pop-up over the groups the form gives a help topic.
    for (QWidget *w : findChildren<QWidget *>()) {
        if (const int context = w->property(forms::formProperty::helpTopic).toInt()) {
            d->helpContexts.insert(w, context);
            w->installEventFilter(this);
        }
    }
    wireMenus();
    auto *copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this,
            [this] { QGuiApplication::clipboard()->setText(boardText()); });

    // Loading: the name lists, the place on the screen, the week settings, the first day.
    d->monthNames = readouttexts::monthNames();

    if (const QScreen *s = screen()) {
        const QRect area = s->geometry();
        move(area.x() + area.width() / 2 - width() / 2, area.y() + area.height() / 3 - height() / 3);
    }

    // The settings start at Monday and the four-day rule (ProgramState's own start).
    CheckFirstWeekItem();
    CheckFirstDayItem();
    connect(&d->state, &tundrik::ProgramState::weekSettingsChanged, this, [this] {
        CheckFirstWeekItem();
        CheckFirstDayItem();
        UpdateDateReadouts();
    });

    const tundrik::ClockReading now = d->clock.now();
    d->ownTitle = zoneTitle(now.utcOffset, now.daylightTime);
    setWindowTitle(d->ownTitle);
    UusPaev();

    // The first refresh at once, then one at the turn of each second.
    d->tmrAeg = new forms::Ticker(d->clock, QStringLiteral("tmrAeg"), this);
    connect(d->tmrAeg, &forms::Ticker::tick, this, &frmAeg::tick);
    d->tmrAeg->start();

    m_ui->cmdSulge->setFocus();
}

frmAeg::~frmAeg()
{
    // The windows it owns go first, while they can still give back the
    // caption and the close button they took over.
    qDeleteAll(findChildren<QDialog *>(Qt::FindDirectChildrenOnly));
}

// A menu's item in the menu bar or its parent menu carries the menu's name,
// and its separators, anonymous in the form, the menu's name and "Eraldaja",
// numbered when there are more of them.
void frmAeg::nameMenus()
{
    for (QMenu *menu : findChildren<QMenu *>()) {
        menu->menuAction()->setObjectName(menu->objectName());
        QList<QAction *> separators;
        for (QAction *a : menu->actions())
            if (a->isSeparator())
                separators << a;
        for (int i = 0; i < separators.size(); ++i)
            separators[i]->setObjectName(menu->objectName() + QStringLiteral("Eraldaja")
                                         + (separators.size() > 1 ? QString::number(i + 1) : QString()));
    }
}

void frmAeg::wireMenus()
{
    // A window opens once: asked again while it (or any window of ours) is
    // open, by an assistive tool that reaches a menu past the modal window,
    // the open one comes to the front instead.
    auto opener = [this](QAction *a, auto open) {
        connect(a, &QAction::triggered, this, [this, open] {
            if (raiseOpenWindow())
                return;
            QCoreApplication::processEvents();
            open(*this);
        });
    };
    opener(m_ui->mnuTegevusJuuliusePäev, [](frmAeg &w) { openers::openDayDescription(w, true); });
    opener(m_ui->mnuTegevusNädalapäev, [](frmAeg &w) { openers::openDayDescription(w, false); });
    opener(m_ui->mnuTegevusKuupäev, [](frmAeg &w) { openers::openDateOfDayNumber(w); });
    opener(m_ui->mnuTegevusLiigaasta, [](frmAeg &w) { openers::openLeapYear(w); });
    opener(m_ui->mnuTegevusLiidaLahuta, [](frmAeg &w) { openers::openNewDate(w); });
    opener(m_ui->mnuTegevusVahemik, [](frmAeg &w) { openers::openInterval(w); });
    opener(m_ui->mnuTegevusKalender, [](frmAeg &w) { openers::openCalendar(w); });
    opener(m_ui->mnuSeadedSeaKell, [](frmAeg &w) { openers::openSetTime(w); });
    opener(m_ui->mnuSeadedSeaKuup, [](frmAeg &w) { openers::openSetDate(w); });

    // The settings items, each with the value the form gives it.
    for (QAction *rule : m_ui->mnuSeadedEsimeneNädal->actions()) {
        d->weekItems.push_back(rule);
        connect(rule, &QAction::triggered, this, [this, rule] {
            d->state.setFirstWeekOfYear(rule->property("firstWeekOfYear").toInt());
            // Choosing the rule in force changes nothing, but its mark stays.
            CheckFirstWeekItem();
        });
    }
    for (QAction *day : m_ui->mnuSeadedEsimenePäev->actions()) {
        d->dayItems.push_back(day);
        connect(day, &QAction::triggered, this, [this, day] {
            d->state.setFirstDayOfWeek(day->property("firstDayOfWeek").toInt());
            CheckFirstDayItem();
        });
    }
    // The month calendar's holidays: on at every start, followed at once by
    // an open calendar.
    QAction *holidaysItem = m_ui->mnuSeadedPühadKalendris;
    holidaysItem->setChecked(d->state.HolidaysInCalendar());
    connect(holidaysItem, &QAction::toggled, &d->state, &tundrik::ProgramState::setHolidaysInCalendar);
    connect(&d->state, &tundrik::ProgramState::holidaysInCalendarChanged, holidaysItem, &QAction::setChecked);

    // Programmist: the About window, without pending events run first.
    connect(m_ui->mnuProgrammist, &QAction::triggered, this, [this] {
        if (!raiseOpenWindow())
            openers::openAbout(*this);
    });

    // The help pop-up, never in the menu bar.
    d->mnuAbi = forms::helpMenu(this, [this] { showHelpTopic(); });
}

tundrik::Clock &frmAeg::clock() const
{
    return d->clock;
}

tundrik::ProgramState &frmAeg::programState() const
{
    return d->state;
}

int frmAeg::WeekNumber() const
{
    return d->weekNumber;
}

double frmAeg::DayBase() const
{
    return d->dayBase;
}

QString frmAeg::zoneTitle(int utcOffset, bool daylightTime)
{
    const int minutes = std::abs(utcOffset) / 60;
    const QString offset = QStringLiteral("%1%2:%3")
                               .arg(utcOffset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
    QString zone;
    if (utcOffset == 7200 && !daylightTime)
        zone = QStringLiteral("  -  Ida-Euroopa aeg");
    else if (utcOffset == 10800 && daylightTime)
        zone = QStringLiteral("  -  Ida-Euroopa suveaeg");
    return QStringLiteral("Tundrik {GMT %1%2}").arg(offset, zone);
}

void frmAeg::borrowCaption(const QString &title)
{
    d->borrowedTitle = title;
    d->captionBorrowed = true;
    writeCaption();
}

void frmAeg::restoreCaption()
{
    d->captionBorrowed = false;
    d->borrowedTitle.clear();
    writeCaption();
}

// The caption outside the minimised state: a dialog's borrowed title or the window's own.
void frmAeg::writeCaption()
{
    if (windowState() & Qt::WindowMinimized)
        return;
    setWindowTitle(d->captionBorrowed ? d->borrowedTitle : d->ownTitle);
}

void frmAeg::setCloseButtonEnabled(bool enabled)
{
    m_ui->cmdSulge->setEnabled(enabled);
}

QPushButton *frmAeg::closeButton() const
{
    return m_ui->cmdSulge;
}

int frmAeg::innerHeight() const
{
    return centralWidget()->height();
}

void frmAeg::UusPaev()
{
    const tundrik::ClockReading now = d->clock.now();
    d->dayBase = modArvutused::ComputeDayBase(now);
    d->dayOfLastNewDay = dateOf(now);

    m_ui->lblKuupäev->setText(readouttexts::dateLine(now, modArvutused::WeekdayNames(), d->monthNames));
    m_ui->lblKuupäev->adjustSize();
    m_ui->lblKuupäev->move(m_ui->fraKuupäev->width() / 2 - m_ui->lblKuupäev->width() / 2,
                           (m_ui->fraKuupäev->height() - m_ui->lblKuupäev->height()) / 2);

    const readouttexts::Countdown c = readouttexts::countdownAtNewDay(now);
    m_ui->lblPäev->setText(c.days);
    m_ui->lblTund->setText(c.hours);
    m_ui->lblMinut->setText(c.minutes);
    placeCountdownRow();

    UpdateDateReadouts();
}

void frmAeg::UpdateDateReadouts()
{
    const tundrik::ClockReading now = d->clock.now();
    const readouttexts::DateTexts t = readouttexts::dateTexts(now, d->state.FirstDayOfWeek(),
                                                              d->state.FirstWeekOfYear());
    d->weekNumber = t.weekNumber;
    m_ui->lblPäevaNr->setText(t.dayOfYear);
    m_ui->lblNädal->setText(t.week);
    m_ui->lblKvartal->setText(t.quarter);
    m_ui->lblKelladeVaheT->setText(t.clockDifferenceT);
    m_ui->lblKelladeVaheL->setText(t.clockDifferenceL);
}

void frmAeg::UpdateTimeReadouts()
{
    const tundrik::ClockReading now = d->clock.now();
    // The day base of the reading's own date: at the refresh of 00:00:00 the
    // new day has not been started yet, and the running day counts must not
    // fall back by a whole day for that second.
    const double dayBase = dateOf(now) == d->dayOfLastNewDay ? d->dayBase : modArvutused::ComputeDayBase(now);
    const readouttexts::TimeTexts t = readouttexts::timeTexts(now, dayBase);
    m_ui->lblInternet->setText(t.internet);
    m_ui->lblKell->setText(t.clock);
    m_ui->lblAstronJP->setText(t.astronomicalJd);
    m_ui->lblTavalineJP->setText(t.commonJd);
    m_ui->lblUnix->setText(t.unix);

    const readouttexts::Countdown c = readouttexts::countdownTick(now);
    m_ui->lblSekund->setText(c.seconds);
    m_ui->lblMinut->setText(c.minutes);
    m_ui->lblTund->setText(c.hours);
    placeCountdownRow();
}

// Each label of the row sizes itself to its text and stands at the right edge
// of its left neighbour plus a gap of whole pixels; the units share the
// numbers' baseline.
void frmAeg::placeCountdownRow()
{
    QWidget *row = m_ui->fraAastaLõpuniJäänud;
    const QFontMetrics numberMetrics(m_ui->lblPäev->font());
    const QFontMetrics unitMetrics(d->countdown[1]->font());
    for (QLabel *l : d->countdown)
        l->adjustSize();
    const int numberTop = (row->height() - m_ui->lblPäev->height()) / 2;
    const int unitTop = numberTop + numberMetrics.ascent() - unitMetrics.ascent()
        + (m_ui->lblPäev->height() - numberMetrics.height()) / 2
        - (d->countdown[1]->height() - unitMetrics.height()) / 2;
    int x = d->countdownLeft;
    for (size_t i = 0; i < d->countdown.size(); ++i) {
        QLabel *l = d->countdown[i];
        const bool unit = i % 2 == 1;
        l->move(x, unit ? unitTop : numberTop);
        x += l->width() + (unit ? groupGap : unitGap);
    }
}

void frmAeg::tick()
{
    const tundrik::ClockReading now = d->clock.now();
    if (now.second == d->lastSecond)
        return;
    d->lastSecond = now.second;

    if (windowState() & Qt::WindowMinimized) {
        setWindowTitle(readouttexts::clockText(now));
        return;
    }

    // A day is started at the refresh after the one of 00:00:00; a change of
    // date that no refresh of 00:00:00 saw (minimised at midnight, a machine
    // asleep, a clock set forward or back) starts it at once.
    const bool firstSecondOfDay = now.hour == 0 && now.minute == 0 && now.second == 0;
    if (d->newDay || (!firstSecondOfDay && dateOf(now) != d->dayOfLastNewDay)) {
        d->newDay = false;
        UusPaev();
    }
    if (firstSecondOfDay)
        d->newDay = true;

    const QString title = zoneTitle(now.utcOffset, now.daylightTime);
    if (title != d->ownTitle) {
        d->ownTitle = title;
        writeCaption();
    }
    UpdateTimeReadouts();
}

void frmAeg::CheckFirstWeekItem()
{
    for (QAction *a : d->weekItems)
        a->setChecked(a->property("firstWeekOfYear").toInt() == d->state.FirstWeekOfYear());
}

void frmAeg::CheckFirstDayItem()
{
    for (QAction *a : d->dayItems)
        a->setChecked(a->property("firstDayOfWeek").toInt() == d->state.FirstDayOfWeek());
}

QString frmAeg::boardText() const
{
    struct Line {
        QPoint at;
        QString text;
    };
    std::vector<Line> lines;
    for (const QLabel *label : findChildren<QLabel *>()) {
        const QString name = accessibility::tableName(label);
        const QString value = label->text().simplified();
        if (name.isEmpty() || value.isEmpty() || !label->isVisibleTo(this))
            continue;
        lines.push_back({label->mapTo(this, QPoint(0, 0)), name + QStringLiteral(": ") + value});
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line &a, const Line &b) {
        return a.at.y() != b.at.y() ? a.at.y() < b.at.y() : a.at.x() < b.at.x();
    });
    QStringList out;
    for (const Line &l : lines)
        out << l.text;
    return out.join(QLatin1Char('\n'));
}

bool frmAeg::raiseOpenWindow()
{
    QWidget *open = QApplication::activeModalWidget();
    if (!open || open == this)
        return false;
    open->raise();
    open->activateWindow();
    return true;
}

bool frmAeg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->cmdSulge && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && !key->isAutoRepeat()) {
            if (!raiseOpenWindow())
                openers::openAbout(*this);
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int context = d->helpContexts.value(watched, 0);
        if (context != 0 && mouse->button() == Qt::RightButton) {
            showHelpPopup(context, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmAeg::showHelpPopup(int context, const QPoint &globalPos)
{
    d->helpContext = context;
    d->helpPos = globalPos;
    d->mnuAbi->popup(globalPos);
}

void frmAeg::showHelpTopic()
{
    const QString text = forms::helpTopic(d->helpContext);
    if (text.isEmpty())
        return;
    QWhatsThis::showText(d->helpPos, text, this);
    emit helpShown(d->helpContext);
}

void frmAeg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange) {
        if (windowState() & Qt::WindowMinimized)
            setWindowTitle(readouttexts::clockText(d->clock.now()));
        else
            writeCaption();
    }
    QMainWindow::changeEvent(event);
}

void frmAeg::closeEvent(QCloseEvent *event)
{
    d->tmrAeg->stop();
    QMainWindow::closeEvent(event);
    emit closed();
}

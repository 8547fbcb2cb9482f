// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAeg.h"

#include "accessibility.h"
#include "forms.h"
#include "modArvutused.h"
#include "programstate.h"
#include "readoutTexts.h"
#include "ticker.h"
#include "windowopeners.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWhatsThis>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The client area in twips.
constexpr int clientWidth = 6855;
constexpr int clientHeight = 5775;

// Left of the first number of the countdown row inside fraAastaLõpuniJäänud.
constexpr int countdownLeft = 3000;
// Pixel gaps of the countdown row: number to its unit, unit to the next number.
constexpr int unitGap = 2;
constexpr int groupGap = 6;

QDate dateOf(const tundrik::ClockReading &r)
{
    return QDate(r.year, r.month, r.day);
}

} // namespace

struct frmAeg::Private {
    explicit Private(tundrik::Clock &c) : clock(c) {}

    tundrik::Clock &clock;
    tundrik::ProgramState state;
    forms::Ticker *tmrAeg = nullptr;

    QFrame *fraKuupaev = nullptr;
    QFrame *fraAastaLopuniJaanud = nullptr;
    QLabel *lblKuupaev = nullptr;
    QLabel *lblInternet = nullptr;
    QLabel *lblKell = nullptr;
    QLabel *lblKvartal = nullptr;
    QLabel *lblPaevaNr = nullptr;
    QLabel *lblNadal = nullptr;
    QLabel *lblKelladeVaheT = nullptr;
    QLabel *lblKelladeVaheL = nullptr;
    QLabel *lblUnix = nullptr;
    QLabel *lblAstronJP = nullptr;
    QLabel *lblTavalineJP = nullptr;
    // The countdown row, left to right: number, unit, number, unit, ...
    std::array<QLabel *, 8> countdown{};
    QLabel *&lblPaev = countdown[0];
    QLabel *&lblTund = countdown[2];
    QLabel *&lblMinut = countdown[4];
    QLabel *&lblSekund = countdown[6];
    QPushButton *cmdSulge = nullptr;

    QMenu *mnuAbi = nullptr;
    std::array<QAction *, 3> weekItems{};
    std::array<QAction *, 7> dayItems{};

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
{
    setObjectName(QStringLiteral("frmAeg"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    buildForm();
    buildMenus();
    auto *copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this,
            [this] { QGuiApplication::clipboard()->setText(boardText()); });

    // Loading: the name lists, the place on the screen, the week settings, the first day.
    d->monthNames = readouttexts::monthNames();

    setFixedSize(centralWidget()->width(),
                 menuBar()->sizeHint().height() + centralWidget()->height());
    if (const QScreen *s = screen()) {
        const QRect area = s->geometry();
        move(area.x() + area.width() / 2 - width() / 2,
             area.y() + area.height() / 3 - height() / 3);
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

    d->cmdSulge->setFocus();
}

frmAeg::~frmAeg()
{
    // The windows it owns go first, while they can still give back the
    // caption and the close button they took over.
    qDeleteAll(findChildren<QDialog *>(Qt::FindDirectChildrenOnly));
}

// The form is built from its twips (left, top, width, height; inside a frame
// relative to the frame). The two frames that only hold other frames
// (fraKalender, fraLoetudPäevad) draw no border; fraUnix lies flush with
// fraKalender's left and bottom edges.
void frmAeg::buildForm()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmAegClient"));
    forms::setClientSize(client, clientWidth, clientHeight);
    setCentralWidget(client);

    using forms::Border;
    using forms::frame;
    auto label = [](QWidget *parent, const QString &name, const QRect &twips, const QFont &font,
                    Qt::Alignment alignment, const QString &text = QString()) {
        QLabel *l = forms::label(parent, name, twips, text);
        l->setFont(font);
        l->setAlignment(alignment);
        return l;
    };
    const Qt::Alignment centred = Qt::AlignCenter;
    const Qt::Alignment leftAligned = Qt::AlignLeft | Qt::AlignVCenter;
    const QFont bold12 = forms::sans(12, true);
    const QFont plain12 = forms::sans(12);
    const QFont serif135 = forms::font("MS Serif", 13.5);

    // The upper group of readouts.
    QFrame *fraKalender = frame(client, QStringLiteral("fraKalender"), QRect(360, 0, 6135, 2415),
                                Border::None);

    d->fraKuupaev = frame(fraKalender, QStringLiteral("fraKuupäev"), QRect(120, 120, 4095, 855));
    d->lblKuupaev = label(d->fraKuupaev, QStringLiteral("lblKuupäev"), QRect(), bold12, leftAligned);

    QFrame *fraInternet = frame(fraKalender, QStringLiteral("fraInternet"), QRect(120, 960, 1455, 615));
    d->lblInternet = label(fraInternet, QStringLiteral("lblInternet"), QRect(45, 105, 1365, 405),
                           serif135, centred);

    QFrame *fraKell = frame(fraKalender, QStringLiteral("fraKell"), QRect(1680, 960, 1335, 615));
    d->lblKell = label(fraKell, QStringLiteral("lblKell"), QRect(45, 105, 1245, 405), serif135, centred);

    QFrame *fraKvartal = frame(fraKalender, QStringLiteral("fraKvartal"), QRect(3120, 960, 1095, 615));
    d->lblKvartal = label(fraKvartal, QStringLiteral("lblKvartal"), QRect(45, 105, 1005, 405), bold12,
                          centred);

    QFrame *fraNadal = frame(fraKalender, QStringLiteral("fraNädal"), QRect(4320, 120, 1695, 1095));
    d->lblPaevaNr = label(fraNadal, QStringLiteral("lblPäevaNr"), QRect(45, 240, 1605, 330), bold12,
                          centred);
    d->lblNadal = label(fraNadal, QStringLiteral("lblNädal"), QRect(45, 660, 1605, 330), bold12, centred);

    QFrame *fraKelladeVahe =
        frame(fraKalender, QStringLiteral("fraKelladeVahe"), QRect(4320, 1200, 1695, 1095));
    d->lblKelladeVaheT = label(fraKelladeVahe, QStringLiteral("lblKelladeVaheT"),
                               QRect(45, 240, 1605, 330), bold12, centred);
    d->lblKelladeVaheL = label(fraKelladeVahe, QStringLiteral("lblKelladeVaheL"),
                               QRect(45, 660, 1605, 330), bold12, centred);

    QFrame *fraUnix = frame(fraKalender, QStringLiteral("fraUnix"), QRect(0, 1680, 4065, 735));
    QLabel *lblUnixiAeg = label(fraUnix, QStringLiteral("lblUnixiAeg"), QRect(240, 195, 1455, 345),
                                plain12, leftAligned, QStringLiteral("UNIX 'i aeg:"));
    d->lblUnix = label(fraUnix, QStringLiteral("lblUnix"), QRect(1740, 195, 2220, 345), bold12,
                       leftAligned);

    // The two Julian dates.
    QFrame *fraJuliusePaev =
        frame(client, QStringLiteral("fraJuliusePäev"), QRect(360, 2520, 6135, 1095));
    QLabel *lblAstronoomJuliusePaev =
        label(fraJuliusePaev, QStringLiteral("lblAstronoomJuliusePäev"), QRect(240, 240, 3660, 330),
              plain12, leftAligned, QStringLiteral("Astronoomiline Juliuse päev:"));
    d->lblAstronJP = label(fraJuliusePaev, QStringLiteral("lblAstronJP"), QRect(3960, 240, 2055, 330),
                           bold12, leftAligned);
    QLabel *lblTavalineJuliusePaev =
        label(fraJuliusePaev, QStringLiteral("lblTavalineJuliusePäev"), QRect(240, 600, 3660, 330),
              plain12, leftAligned, QStringLiteral("Tavakasutuses olev Juliuse päev:"));
    d->lblTavalineJP = label(fraJuliusePaev, QStringLiteral("lblTavalineJP"),
                             QRect(3960, 600, 2055, 330), bold12, leftAligned);

    // The countdown to the end of the year.
    QFrame *fraLoetudPaevad = frame(client, QStringLiteral("fraLoetudPäevad"),
                                    QRect(360, 3720, 6135, 1095), Border::None);
    d->fraAastaLopuniJaanud = frame(fraLoetudPaevad, QStringLiteral("fraAastaLõpuniJäänud"),
                                    QRect(120, 120, 5895, 855));
    label(d->fraAastaLopuniJaanud, QStringLiteral("lblAastaLõpuniJäänud"), QRect(240, 255, 2640, 345),
          plain12, leftAligned, QStringLiteral("Aasta lõpuni jäänud:"));
    static const char16_t *const rowNames[] = {u"lblPäev", u"lblD",     u"lblTund",   u"lblH",
                                               u"lblMinut", u"lblM",    u"lblSekund", u"lblS"};
    static const char *const units[] = {"d", "h", "m", "s"};
    const QFont numberFont = forms::sans(13.5, true);
    for (int i = 0; i < 8; ++i) {
        const bool unit = i % 2 == 1;
        d->countdown[i] = label(d->fraAastaLopuniJaanud, QString::fromUtf16(rowNames[i]), QRect(),
                                unit ? plain12 : numberFont, leftAligned,
                                unit ? QString::fromLatin1(units[i / 2]) : QString());
        d->countdown[i]->adjustSize();
    }

    // The credit line and the close button.
    label(client, QStringLiteral("lblAutor"), QRect(360, 5040, 1695, 480), forms::font("Fixedsys", 9),
          leftAligned, QStringLiteral("© Tundrik, 2004"));

    d->cmdSulge = forms::button(client, QStringLiteral("cmdSulge"), QRect(4680, 5040, 1815, 495),
                                QStringLiteral("S U L E"), QStringLiteral(" Sule programm (Esc) "));
    d->cmdSulge->setFont(forms::sans(13.5, true));
    d->cmdSulge->setAutoDefault(false);
    connect(d->cmdSulge, &QPushButton::clicked, this, &QWidget::close);
    d->cmdSulge->installEventFilter(this);
    forms::makeCancelButton(this, d->cmdSulge);

    // The help pop-up over the four explained groups.
    const std::pair<QWidget *, int> helpGroups[] = {
        {fraInternet, 11}, {d->lblInternet, 11},
        {fraUnix, 12}, {d->lblUnix, 12}, {lblUnixiAeg, 12},
        {fraJuliusePaev, 13}, {d->lblAstronJP, 13}, {lblAstronoomJuliusePaev, 13},
        {d->lblTavalineJP, 13}, {lblTavalineJuliusePaev, 13},
        {fraKelladeVahe, 14}, {d->lblKelladeVaheT, 14}, {d->lblKelladeVaheL, 14},
    };
    for (const auto &[w, context] : helpGroups) {
        d->helpContexts.insert(w, context);
        w->installEventFilter(this);
        forms::setHelpTopic(w, context);
    }
}

void frmAeg::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setFont(forms::sans(8.25));

    auto item = [this](QWidget *menu, const QString &name, const QString &caption,
                       const QKeySequence &shortcut = QKeySequence()) {
        auto *a = new QAction(caption, this);
        a->setObjectName(name);
        a->setShortcut(shortcut);
        menu->addAction(a);
        return a;
    };
    auto separator = [this](QMenu *menu, const QString &name) {
        QAction *a = menu->addSeparator();
        a->setParent(this);
        a->setObjectName(name);
    };
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

    QAction *mnuNurk = item(bar, QStringLiteral("mnuNurk"), QStringLiteral("."));
    mnuNurk->setEnabled(false);

    // Tegevus
    auto *tegevus = new QMenu(QStringLiteral("  &Tegevus  "), this);
    tegevus->setObjectName(QStringLiteral("mnuTegevus"));
    tegevus->menuAction()->setObjectName(QStringLiteral("mnuTegevus"));
    bar->addMenu(tegevus);
    QAction *a = item(tegevus, QStringLiteral("mnuTegevusJuuliusePäev"),
                      QStringLiteral("Leia kuupäevale vastav &Juliuse päev"),
                      QKeySequence(Qt::CTRL | Qt::Key_J));
    opener(a, [](frmAeg &w) { openers::openDayDescription(w, true); });
    a = item(tegevus, QStringLiteral("mnuTegevusNädalapäev"),
             QStringLiteral("Leia kuupäevale vastav &nädalapäev"),
             QKeySequence(Qt::CTRL | Qt::Key_N));
    opener(a, [](frmAeg &w) { openers::openDayDescription(w, false); });
    separator(tegevus, QStringLiteral("mnuTegevusEraldaja1"));
    a = item(tegevus, QStringLiteral("mnuTegevusKuupäev"),
             QStringLiteral("Leia Juliuse päevale vastav &kuupäev"),
             QKeySequence(Qt::CTRL | Qt::Key_K));
    opener(a, [](frmAeg &w) { openers::openDateOfDayNumber(w); });
    a = item(tegevus, QStringLiteral("mnuTegevusLiigaasta"),
             QStringLiteral("&Leia, kas aasta on liigaasta või mitte"),
             QKeySequence(Qt::CTRL | Qt::Key_L));
    opener(a, [](frmAeg &w) { openers::openLeapYear(w); });
    separator(tegevus, QStringLiteral("mnuTegevusEraldaja2"));
    a = item(tegevus, QStringLiteral("mnuTegevusLiidaLahuta"), QStringLiteral("Leia &uus kuupäev"),
             QKeySequence(Qt::CTRL | Qt::Key_U));
    opener(a, [](frmAeg &w) { openers::openNewDate(w); });
    a = item(tegevus, QStringLiteral("mnuTegevusVahemik"),
             QStringLiteral("Leia kahe kuupäeva &vaheline aeg"), QKeySequence(Qt::CTRL | Qt::Key_V));
    opener(a, [](frmAeg &w) { openers::openInterval(w); });
    separator(tegevus, QStringLiteral("mnuTegevusEraldaja3"));
    a = item(tegevus, QStringLiteral("mnuTegevusKalender"), QStringLiteral("Kalender"),
             QKeySequence(Qt::Key_F4));
    opener(a, [](frmAeg &w) { openers::openCalendar(w); });

    // Seaded
    auto *seaded = new QMenu(QStringLiteral("  &Seaded  "), this);
    seaded->setObjectName(QStringLiteral("mnuSeaded"));
    seaded->menuAction()->setObjectName(QStringLiteral("mnuSeaded"));
    bar->addMenu(seaded);

    auto *esimeneNadal = new QMenu(QStringLiteral("&Aasta esimene nädal"), this);
    esimeneNadal->setObjectName(QStringLiteral("mnuSeadedEsimeneNädal"));
    esimeneNadal->menuAction()->setObjectName(QStringLiteral("mnuSeadedEsimeneNädal"));
    seaded->addMenu(esimeneNadal);
    const std::pair<const char16_t *, const char16_t *> weekRules[] = {
        {u"mnuSeadedEsimeneNädalEsimeneJaanuar", u"1. ja&anuari nädal"},
        {u"mnuSeadedEsimeneNädalEsimesedNeliPäeva", u"Esimesed &neli päeva"},
        {u"mnuSeadedEsimeneNädalEsimeneTäisnädal", u"Esimene &täsinädal"},
    };
    for (int i = 0; i < 3; ++i) {
        QAction *rule = item(esimeneNadal, QString::fromUtf16(weekRules[i].first),
                             QString::fromUtf16(weekRules[i].second));
        rule->setCheckable(true);
        rule->setData(i + 1);
        d->weekItems[i] = rule;
        connect(rule, &QAction::triggered, this, [this, rule] {
            d->state.setFirstWeekOfYear(rule->data().toInt());
            // Choosing the rule in force changes nothing, but its mark stays.
            CheckFirstWeekItem();
        });
    }

    auto *esimenePaev = new QMenu(QStringLiteral("&Nädala esimene päev"), this);
    esimenePaev->setObjectName(QStringLiteral("mnuSeadedEsimenePäev"));
    esimenePaev->menuAction()->setObjectName(QStringLiteral("mnuSeadedEsimenePäev"));
    seaded->addMenu(esimenePaev);
    const std::tuple<const char16_t *, const char16_t *, int> days[] = {
        {u"mnuSeadedEsimenePäevEsmasp", u"&Esmaspäev", 2},
        {u"mnuSeadedEsimenePäevTeisip", u"&Teisipäev", 3},
        {u"mnuSeadedEsimenePäevKolmap", u"&Kolmapäev", 4},
        {u"mnuSeadedEsimenePäevNeljap", u"&Neljapäev", 5},
        {u"mnuSeadedEsimenePäevReede", u"&Reede", 6},
        {u"mnuSeadedEsimenePäevLaup", u"&Laupäev", 7},
        {u"mnuSeadedEsimenePäevPühap", u"&Pühapäev", 1},
    };
    for (int i = 0; i < 7; ++i) {
        const auto &[name, caption, value] = days[i];
        QAction *day = item(esimenePaev, QString::fromUtf16(name), QString::fromUtf16(caption));
        day->setCheckable(true);
        day->setData(value);
        d->dayItems[i] = day;
        connect(day, &QAction::triggered, this, [this, day] {
            d->state.setFirstDayOfWeek(day->data().toInt());
            CheckFirstDayItem();
        });
    }
    // The month calendar's holidays: on at every start, followed at once by
    // an open calendar.
    QAction *holidaysItem = item(seaded, QStringLiteral("mnuSeadedPühadKalendris"), QStringLiteral("&Pühad kalendris"));
    holidaysItem->setCheckable(true);
    holidaysItem->setChecked(d->state.HolidaysInCalendar());
    connect(holidaysItem, &QAction::toggled, &d->state, &tundrik::ProgramState::setHolidaysInCalendar);
    connect(&d->state, &tundrik::ProgramState::holidaysInCalendarChanged, holidaysItem, &QAction::setChecked);
    separator(seaded, QStringLiteral("mnuSeadedEraldaja"));
    a = item(seaded, QStringLiteral("mnuSeadedSeaKell"), QStringLiteral("Sea kellaaeg"),
             QKeySequence(Qt::Key_F8));
    opener(a, [](frmAeg &w) { openers::openSetTime(w); });
    a = item(seaded, QStringLiteral("mnuSeadedSeaKuup"), QStringLiteral("Sea kuupäev"),
             QKeySequence(Qt::Key_F9));
    opener(a, [](frmAeg &w) { openers::openSetDate(w); });

    // Programmist: the About window, without pending events run first.
    a = item(bar, QStringLiteral("mnuProgrammist"), QStringLiteral("  &Programmist  "));
    connect(a, &QAction::triggered, this, [this] {
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
    d->cmdSulge->setEnabled(enabled);
}

QPushButton *frmAeg::closeButton() const
{
    return d->cmdSulge;
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

    d->lblKuupaev->setText(readouttexts::dateLine(now, modArvutused::WeekdayNames(), d->monthNames));
    d->lblKuupaev->adjustSize();
    d->lblKuupaev->move(d->fraKuupaev->width() / 2 - d->lblKuupaev->width() / 2,
                        (d->fraKuupaev->height() - d->lblKuupaev->height()) / 2);

    const readouttexts::Countdown c = readouttexts::countdownAtNewDay(now);
    d->lblPaev->setText(c.days);
    d->lblTund->setText(c.hours);
    d->lblMinut->setText(c.minutes);
    placeCountdownRow();

    refreshDateReadouts(now);
}

void frmAeg::UpdateDateReadouts()
{
    refreshDateReadouts(d->clock.now());
}

void frmAeg::refreshDateReadouts(const tundrik::ClockReading &now)
{
    const readouttexts::DateTexts t =
        readouttexts::dateTexts(now, d->state.FirstDayOfWeek(), d->state.FirstWeekOfYear());
    d->weekNumber = t.weekNumber;
    d->lblPaevaNr->setText(t.dayOfYear);
    d->lblNadal->setText(t.week);
    d->lblKvartal->setText(t.quarter);
    d->lblKelladeVaheT->setText(t.clockDifferenceT);
    d->lblKelladeVaheL->setText(t.clockDifferenceL);
}

void frmAeg::UpdateTimeReadouts()
{
    refreshTimeReadouts(d->clock.now());
}

void frmAeg::refreshTimeReadouts(const tundrik::ClockReading &now)
{
    // The day base of the reading's own date: at the refresh of 00:00:00 the
    // new day has not been started yet, and the running day counts must not
    // fall back by a whole day for that second.
    const double dayBase = dateOf(now) == d->dayOfLastNewDay
        ? d->dayBase
        : modArvutused::ComputeDayBase(now);
    const readouttexts::TimeTexts t = readouttexts::timeTexts(now, dayBase);
    d->lblInternet->setText(t.internet);
    d->lblKell->setText(t.clock);
    d->lblAstronJP->setText(t.astronomicalJd);
    d->lblTavalineJP->setText(t.commonJd);
    d->lblUnix->setText(t.unix);

    const readouttexts::Countdown c = readouttexts::countdownTick(now);
    d->lblSekund->setText(c.seconds);
    d->lblMinut->setText(c.minutes);
    d->lblTund->setText(c.hours);
    placeCountdownRow();
}

// Each label of the row sizes itself to its text and stands at the right edge
// of its left neighbour plus a gap of whole pixels; the units share the
// numbers' baseline.
void frmAeg::placeCountdownRow()
{
    QWidget *row = d->fraAastaLopuniJaanud;
    const QFontMetrics numberMetrics(d->lblPaev->font());
    const QFontMetrics unitMetrics(d->countdown[1]->font());
    for (QLabel *l : d->countdown)
        l->adjustSize();
    const int numberTop = (row->height() - d->lblPaev->height()) / 2;
    const int unitTop = numberTop + numberMetrics.ascent() - unitMetrics.ascent()
        + (d->lblPaev->height() - numberMetrics.height()) / 2
        - (d->countdown[1]->height() - unitMetrics.height()) / 2;
    int x = forms::Twips::of(this).x(countdownLeft);
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
    refreshTimeReadouts(now);
}

void frmAeg::CheckFirstWeekItem()
{
    for (QAction *a : d->weekItems)
        a->setChecked(a->data().toInt() == d->state.FirstWeekOfYear());
}

void frmAeg::CheckFirstDayItem()
{
    for (QAction *a : d->dayItems)
        a->setChecked(a->data().toInt() == d->state.FirstDayOfWeek());
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
    if (watched == d->cmdSulge && event->type() == QEvent::KeyRelease) {
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

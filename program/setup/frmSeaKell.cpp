#include "frmSeaKell.h"

#include "formparts.h"
#include "refusal.h"
#include "systemclocksetter.h"

#include <tundkast/tkkellakast.h>

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTime>
#include <QTimer>

namespace {

constexpr int tickMilliseconds = 40;
// The client area in twips: the border frame with equal margins.
constexpr int clientWidth = 3735;
constexpr int clientHeight = 2175;

QString clockText(const tundrik::ClockReading &r)
{
    return QString::asprintf("%02d:%02d:%02d", r.hour, r.minute, r.second);
}

} // namespace

using namespace setup;

frmSeaKell::frmSeaKell(tundrik::Clock &clock, SystemClockSetter &setter, QWidget *parent)
    : QDialog(parent)
    , m_clock(clock)
    , m_setter(setter)
{
    setObjectName(QStringLiteral("frmSeaKell"));
    setWindowTitle(QStringLiteral("Sea kellaaeg"));
    setFont(form::sans(8.25));
    form::setClientSize(this, clientWidth, clientHeight);

    QFrame *fraRaam = form::frame(this, QStringLiteral("fraRaam"), 360, 120, 3015, 1935);
    QFrame *fraKell = form::frame(fraRaam, QStringLiteral("fraKell"), 240, 300, 975, 615);
    // The label spans the frame's inside, the time centred: the substitute
    // font is wider than the form's own, and "00:00:00" must not be cut.
    m_lblKell = form::label(fraKell, QStringLiteral("lblKell"), form::sans(9.75), 30, 240, 915, 240);
    m_lblKell->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    QFrame *fraSea = form::frame(fraRaam, QStringLiteral("fraSea"), 1440, 240, 1335, 735);
    m_tklKell = new TKKellaKast(fraSea);
    m_tklKell->setObjectName(QStringLiteral("tklKell"));
    m_tklKell->setAccessibleName(QStringLiteral("Uus kellaaeg"));
    form::place(m_tklKell, 135, 240, 1050, 330);

    const QFont buttonFont = form::sans(12);
    m_cmdLoobu = form::button(fraRaam, QStringLiteral("cmdLoobu"), QStringLiteral("&Loobu"),
                              QStringLiteral(" Sule aken ilma salvestamata (Esc) "), buttonFont,
                              240, 1200, 1185, 495);
    m_cmdSea = form::button(fraRaam, QStringLiteral("cmdSea"), QStringLiteral("&Sea"),
                            QStringLiteral(" Salvesta uus kellaaeg (Enter) "), buttonFont, 1680,
                            1200, 1095, 495);
    m_cmdSea->setEnabled(false);
    setTabOrder(m_tklKell, m_cmdLoobu);
    setTabOrder(m_cmdLoobu, m_cmdSea);

    connect(m_tklKell, &TKKellaKast::TKChange, this,
            [this](bool allSet) { m_cmdSea->setEnabled(allSet); });
    connect(m_tklKell, &TKKellaKast::TKEnterPress, m_cmdSea, &QPushButton::click);
    connect(m_tklKell, &TKKellaKast::TKFullChange, this, [this] { m_cmdSea->setFocus(); });
    connect(m_cmdSea, &QPushButton::clicked, this, &frmSeaKell::cmdSeaClick);
    connect(m_cmdLoobu, &QPushButton::clicked, this, &QDialog::reject);
    form::makeCancelButton(this, m_cmdLoobu);
    form::moveFocusWhenDraggedOff(m_cmdLoobu, [this]() -> QWidget * {
        return m_cmdSea->isEnabled() ? static_cast<QWidget *>(m_cmdSea) : m_tklKell;
    });

    m_tmrKell = new QTimer(this);
    m_tmrKell->setObjectName(QStringLiteral("tmrKell"));
    m_tmrKell->setInterval(tickMilliseconds);
    connect(m_tmrKell, &QTimer::timeout, this, &frmSeaKell::tick);
    m_tmrKell->start();
    // The label shows the time from the start, not only from the first change of second.
    tick();

    m_tklKell->setFocus();
}

frmSeaKell::~frmSeaKell() = default;

void frmSeaKell::placeOver(const QRect &mainFrame)
{
    move(form::centredOver(mainFrame, size(), 1));
}

void frmSeaKell::tick()
{
    const tundrik::ClockReading now = m_clock.now();
    if (now.second == m_lastSecond)
        return;
    m_lastSecond = now.second;
    m_lblKell->setText(clockText(now));
}

void frmSeaKell::cmdSeaClick()
{
    const QTime time = QTime::fromString(m_tklKell->TKKell().toString(), QStringLiteral("HH:mm:ss"));
    if (!time.isValid())
        return;
    // Today's local date stays; only the time of day changes.
    const tundrik::ClockReading now = m_clock.now();
    const QDate today(now.year, now.month, now.day);
    if (applyLocalTime(this, m_setter, today, time, QStringLiteral("Kellaaega")))
        accept();
}

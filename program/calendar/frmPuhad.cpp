#include "frmPuhad.h"

#include "appicon.h"
#include "twips.h"

#include "holidays.h"
#include "shared.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor kSilver(192, 192, 192);
const QColor kRed(255, 0, 0);

QFont sansFont(double points, bool bold = false)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void setWindowColour(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setTextColour(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

QFrame *makeFrame(QWidget *parent, const char *name, const QRect &r)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromUtf8(name));
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    f->setGeometry(r);
    return f;
}

QFrame *makeLine(QWidget *parent, const QRect &r, QPalette::ColorRole role)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("lneEraldaja"));
    line->setGeometry(r);
    setWindowColour(line, line->palette().color(role));
    return line;
}

} // namespace

frmPuhad::frmPuhad(QWidget *calendarWindow) : QDialog(calendarWindow)
{
    setObjectName(QStringLiteral("frmPühad"));
    setWindowTitle(QStringLiteral("Tundrik {Kalender  -  Pühad}"));
    setWindowIcon(calendarui::programIcon());
    setFont(sansFont(9.75));
    buildLayout();
    if (calendarWindow)
        placeOver(calendarWindow);
    fillRows();
    m_cmdOlgu->setFocus(Qt::OtherFocusReason);
}

void frmPuhad::buildLayout()
{
    const auto t = calendarui::Twips::of(parentWidget());
    setFixedSize(t.x(5775), t.y(3705));
    setWindowColour(this, kSilver);

    QFrame *fraPuhad = makeFrame(this, "fraPühad", t.rect(360, 120, 5055, 3255));
    setWindowColour(fraPuhad, kSilver);

    static const char *const dayNames[8] = {"lblES", "lblTE", "lblKO", "lblNE",
                                            "lblVI", "lblKU", "lblSE", "lblKA"};
    static const char *const nameNames[8] = {"lblEsimene", "lblTeine", "lblKolmas", "lblNeljas",
                                             "lblViies", "lblKuues", "lblSeitsmes", "lblKaheksas"};
    static const char *const flagNames[7] = {"imgEsimene", "imgTeine", "imgKolmas", "imgNeljas",
                                             "imgViies", "imgKuues", "imgSeitsmes"};
    for (int i = 0; i < 8; ++i) {
        const int top = 360 + 240 * i;
        auto *day = new QLabel(fraPuhad);
        day->setObjectName(QString::fromUtf8(dayNames[i]));
        day->setGeometry(t.rect(240, top, 615, 255));
        m_dayLabels[i] = day;
        auto *name = new QLabel(fraPuhad);
        name->setObjectName(QString::fromUtf8(nameNames[i]));
        name->setGeometry(t.rect(1080, top, 3480, 240));
        m_nameLabels[i] = name;
        for (QLabel *l : {day, name})
            l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (i < 7) {
            auto *cell = new QLabel(fraPuhad);
            cell->setObjectName(QString::fromUtf8(flagNames[i]));
            cell->setGeometry(t.rect(960, top + 30, 360, 240));
            // The picture keeps its own size from the cell's corner.
            cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            m_flagCells[i] = cell;
        }
    }

    // An etched line below the last row.
    makeLine(fraPuhad, QRect(t.x(240), t.y(2475), t.x(4800 - 240), 1), QPalette::Dark);
    makeLine(fraPuhad, QRect(t.x(240), t.y(2475) + 1, t.x(4800 - 240), 1), QPalette::Light);

    auto *footer = new QLabel(QStringLiteral("Kuu- / nädalapäev     püha(de) nimetus(ed)"), fraPuhad);
    footer->setObjectName(QStringLiteral("lblTeadustaja"));
    footer->setGeometry(t.rect(240, 2760, 3540, 240));
    QFont serif(QStringLiteral("MS Serif"));
    serif.setPointSizeF(9.75);
    footer->setFont(serif);
    setTextColour(footer, QColor(0, 0, 128));

    QFrame *fraNupp = makeFrame(this, "fraNupp", t.rect(4200, 2640, 1335, 855));
    setWindowColour(fraNupp, kSilver);
    m_cmdOlgu = new QPushButton(QStringLiteral("Olgu"), fraNupp);
    m_cmdOlgu->setObjectName(QStringLiteral("cmdOlgu"));
    m_cmdOlgu->setGeometry(t.rect(240, 240, 975, 495));
    m_cmdOlgu->setFont(sansFont(9.75, true));
    m_cmdOlgu->setToolTip(QStringLiteral(" Sule aken (Esc) "));
    connect(m_cmdOlgu, &QPushButton::clicked, this, &QDialog::accept);

    // Holds the flag picture; it lies below the visible client area.
    m_imgLipp = new QLabel(this);
    m_imgLipp->setObjectName(QStringLiteral("imgLipp"));
    m_imgLipp->setGeometry(t.rect(240, 3840, 480, 480));
    // Through QIcon so that a high-density screen gets the doubled picture.
    m_imgLipp->setPixmap(QIcon(QStringLiteral(":/calendar/lipp.png"))
                             .pixmap(QSize(32, 32), devicePixelRatioF()));

    // Only the button takes the focus.
    for (QWidget *w : findChildren<QWidget *>())
        if (w != m_cmdOlgu)
            w->setFocusPolicy(Qt::NoFocus);
}

void frmPuhad::placeOver(const QWidget *calendarWindow)
{
    // Centred across the calendar, 71 pixels below the top of its client area.
    const QRect outer = calendarWindow->frameGeometry();
    const int left = outer.left() + outer.width() / 2 - frameGeometry().width() / 2;
    const int top = outer.top() + (outer.height() - calendarWindow->height()) + 71;
    move(left, top);
}

void frmPuhad::fillRows()
{
    const auto t = calendarui::Twips::of(parentWidget());
    const int p = t.perPixelX();
    const holidays::HolidayList rows =
        holidays::BuildHolidayList(tundrik::CalendarMonth, tundrik::CalendarYear);
    for (int i = 0; i < 8; ++i) {
        const holidays::HolidayRow &row = rows[i];
        m_dayLabels[i]->setText(row.dayText);
        m_nameLabels[i]->setText(row.nameText);
        if (row.red) {
            setTextColour(m_dayLabels[i], kRed);
            setTextColour(m_nameLabels[i], kRed);
        }
        if (row.flag && i < 7) {
            m_flagCells[i]->setPixmap(m_imgLipp->pixmap());
            m_nameLabels[i]->move(t.x(88 * p), m_nameLabels[i]->y());
        }
    }
}

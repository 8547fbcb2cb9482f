#include "frmPuhad.h"

#include "appicon.h"
#include "twips.h"

#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <iterator>

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

// The words of a name that is too long for one line, over as many lines as it takes.
QStringList wrapWords(const QString &name, const QFontMetrics &fm, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : name.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && fm.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    return lines;
}

// The rows as the window shows them. A name text too long for its label
// goes on in lines of their own below it, without a day text, broken after
// a "; " (the line keeps the ";") or, for one long name, between words; the
// lines keep the row's colour, the flag stays on the first. Beyond eight
// lines, empty rows go from the bottom up, as in the listing itself.
holidays::HolidayList linesOf(const holidays::HolidayList &rows, const QFontMetrics &fm, int width)
{
    holidays::HolidayList lines;
    for (const holidays::HolidayRow &row : rows) {
        QStringList texts;
        const QStringList names = row.nameText.split(QStringLiteral("; "));
        QString line;
        for (int i = 0; i < names.size(); ++i) {
            const bool last = i == names.size() - 1;
            const QString joined = line.isEmpty() ? names[i] : line + QStringLiteral("; ") + names[i];
            // A line that breaks here ends with ";".
            if (fm.horizontalAdvance(joined + (last ? QString() : QStringLiteral(";"))) <= width) {
                line = joined;
                continue;
            }
            if (!line.isEmpty())
                texts << line + QLatin1Char(';');
            QStringList words = wrapWords(names[i], fm, width);
            line = words.takeLast();
            texts << words;
        }
        texts << line;
        for (int i = 0; i < texts.size(); ++i) {
            holidays::HolidayRow out;
            out.dayText = i == 0 ? row.dayText : QString();
            out.nameText = texts[i];
            out.red = row.red;
            out.flag = i == 0 && row.flag;
            lines.push_back(out);
        }
    }
    for (auto it = lines.end(); lines.size() > 8 && it != lines.begin();) {
        --it;
        if (it->nameText.isEmpty())
            it = lines.erase(it);
    }
    return lines;
}

} // namespace

frmPuhad::frmPuhad(int CalendarMonth, int CalendarYear, QWidget *calendarWindow)
    : QDialog(calendarWindow)
{
    setObjectName(QStringLiteral("frmPühad"));
    setWindowTitle(QStringLiteral("Tundrik {Kalender  -  Pühad}"));
    setWindowIcon(calendarui::programIcon());
    setFont(sansFont(9.75));
    const auto t = calendarui::Twips::of(calendarWindow);
    m_rows = linesOf(holidays::BuildHolidayList(CalendarMonth, CalendarYear),
                     QFontMetrics(font()), t.x(3480));
    buildLayout();
    if (calendarWindow)
        placeOver(calendarWindow);
    fillRows();
    m_cmdOlgu->setFocus(Qt::OtherFocusReason);
}

namespace {

// Names of the rows' controls: day label, name label and flag cell, by the
// ordinal of the row.
struct RowNames {
    const char *day;
    const char *name;
    const char *flag;
};
constexpr RowNames kRowNames[] = {
    {"lblES", "lblEsimene", "imgEsimene"},   {"lblTE", "lblTeine", "imgTeine"},
    {"lblKO", "lblKolmas", "imgKolmas"},     {"lblNE", "lblNeljas", "imgNeljas"},
    {"lblVI", "lblViies", "imgViies"},       {"lblKU", "lblKuues", "imgKuues"},
    {"lblSE", "lblSeitsmes", "imgSeitsmes"}, {"lblKA", "lblKaheksas", "imgKaheksas"},
    {"lblÜH", "lblÜheksas", "imgÜheksas"},   {"lblKÜ", "lblKümnes", "imgKümnes"},
};

QString rowName(int row, const char *RowNames::*part, const char *prefix)
{
    if (row < int(std::size(kRowNames)))
        return QString::fromUtf8(kRowNames[row].*part);
    return QString::fromUtf8(prefix) + QString::number(row + 1);
}

} // namespace

void frmPuhad::buildLayout()
{
    const auto t = calendarui::Twips::of(parentWidget());
    // A month of more than eight rows moves everything below them down.
    const int count = std::max<int>(8, int(m_rows.size()));
    const int extra = 240 * (count - 8);
    setFixedSize(t.x(5775), t.y(3705 + extra));
    setWindowColour(this, kSilver);

    QFrame *fraPuhad = makeFrame(this, "fraPühad", t.rect(360, 120, 5055, 3255 + extra));
    setWindowColour(fraPuhad, kSilver);

    for (int i = 0; i < count; ++i) {
        const int top = 360 + 240 * i;
        auto *day = new QLabel(fraPuhad);
        day->setObjectName(rowName(i, &RowNames::day, "lblPäev"));
        day->setGeometry(t.rect(240, top, 615, 255));
        m_dayLabels.push_back(day);
        auto *name = new QLabel(fraPuhad);
        name->setObjectName(rowName(i, &RowNames::name, "lblNimi"));
        name->setGeometry(t.rect(1080, top, 3480, 240));
        m_nameLabels.push_back(name);
        for (QLabel *l : {day, name})
            l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        auto *cell = new QLabel(fraPuhad);
        cell->setObjectName(rowName(i, &RowNames::flag, "imgLipp"));
        cell->setGeometry(t.rect(960, top + 30, 360, 240));
        // The picture keeps its own size from the cell's corner.
        cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_flagCells.push_back(cell);
    }

    // An etched line below the last row.
    makeLine(fraPuhad, QRect(t.x(240), t.y(2475 + extra), t.x(4800 - 240), 1), QPalette::Dark);
    makeLine(fraPuhad, QRect(t.x(240), t.y(2475 + extra) + 1, t.x(4800 - 240), 1), QPalette::Light);

    auto *footer = new QLabel(QStringLiteral("Kuu- / nädalapäev     püha(de) nimetus(ed)"), fraPuhad);
    footer->setObjectName(QStringLiteral("lblTeadustaja"));
    footer->setGeometry(t.rect(240, 2760 + extra, 3540, 240));
    QFont serif(QStringLiteral("MS Serif"));
    serif.setPointSizeF(9.75);
    footer->setFont(serif);
    setTextColour(footer, QColor(0, 0, 128));

    QFrame *fraNupp = makeFrame(this, "fraNupp", t.rect(4200, 2640 + extra, 1335, 855));
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
    m_imgLipp->setGeometry(t.rect(240, 3840 + extra, 480, 480));
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
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const holidays::HolidayRow &row = m_rows[i];
        m_dayLabels[i]->setText(row.dayText);
        m_nameLabels[i]->setText(row.nameText);
        if (row.red) {
            setTextColour(m_dayLabels[i], kRed);
            setTextColour(m_nameLabels[i], kRed);
        }
        if (row.flag) {
            m_flagCells[i]->setPixmap(m_imgLipp->pixmap());
            m_nameLabels[i]->move(t.x(88 * p), m_nameLabels[i]->y());
        }
    }
}

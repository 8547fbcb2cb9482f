// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmPuhad.h"

#include "forms.h"
#include "icalendar.h"

#include <tundkast/tkarvukast.h>

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>

#include <algorithm>
#include <iterator>

namespace {

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
            out.mourning = i == 0 && row.mourning;
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

// The flag picture with a black mourning ribbon down its left edge.
QPixmap mourningFlag(const QPixmap &flag)
{
    QPixmap out = flag;
    QPainter painter(&out);
    const qreal unit = flag.width() / flag.devicePixelRatio() / 32.0;
    painter.scale(unit, unit);
    painter.fillRect(QRectF(0, 0, 3, 20), Qt::black);
    painter.fillRect(QRectF(3, 13, 3, 5), Qt::black);
    return out;
}

} // namespace

frmPuhad::frmPuhad(int CalendarMonth, int CalendarYear, QWidget *calendarWindow)
    : QDialog(calendarWindow), m_year(CalendarYear), m_saveFolder(QDir::homePath())
{
    setObjectName(QStringLiteral("frmPühad"));
    setWindowTitle(QStringLiteral("Tundrik {Kalender  -  Pühad}"));
    setWindowIcon(forms::programIcon());
    setFont(forms::sans(9.75));
    const auto t = forms::Twips::of(calendarWindow);
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
    using forms::colour::silver;
    // A month of more than eight rows moves everything below them down.
    const int count = std::max<int>(8, int(m_rows.size()));
    const int extra = 240 * (count - 8);
    // The save button has a strip of its own below the listing.
    forms::setClientSize(this, 5775, 4305 + extra);
    forms::setBackground(this, silver);

    QFrame *fraPuhad = forms::frame(this, QStringLiteral("fraPühad"), QRect(360, 120, 5055, 3255 + extra));
    forms::setBackground(fraPuhad, silver);

    for (int i = 0; i < count; ++i) {
        const int top = 360 + 240 * i;
        QLabel *day = forms::label(fraPuhad, rowName(i, &RowNames::day, "lblPäev"),
                                   QRect(240, top, 615, 255));
        m_dayLabels.push_back(day);
        QLabel *name = forms::label(fraPuhad, rowName(i, &RowNames::name, "lblNimi"),
                                    QRect(1080, top, 3480, 240));
        m_nameLabels.push_back(name);
        for (QLabel *l : {day, name})
            l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // The picture keeps its own size from the cell's corner.
        m_flagCells.push_back(forms::label(fraPuhad, rowName(i, &RowNames::flag, "imgLipp"),
                                           QRect(960, top + 30, 360, 240)));
    }

    // An etched line below the last row.
    const forms::Twips t = forms::Twips::of(this);
    const QString lne = QStringLiteral("lneEraldaja");
    forms::line(fraPuhad, lne, QRect(t.x(240), t.y(2475 + extra), t.x(4800 - 240), 1), QPalette::Dark);
    forms::line(fraPuhad, lne, QRect(t.x(240), t.y(2475 + extra) + 1, t.x(4800 - 240), 1),
                QPalette::Light);

    QLabel *footer = forms::label(fraPuhad, QStringLiteral("lblTeadustaja"),
                                  QRect(240, 2760 + extra, 3540, 240),
                                  QStringLiteral("Kuu- / nädalapäev     püha(de) nimetus(ed)"));
    footer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    footer->setFont(forms::font("MS Serif", 9.75));
    forms::setTextColour(footer, forms::colour::darkBlue);

    QFrame *fraNupp = forms::frame(this, QStringLiteral("fraNupp"), QRect(4200, 2640 + extra, 1335, 855));
    forms::setBackground(fraNupp, silver);
    m_cmdOlgu = forms::button(fraNupp, QStringLiteral("cmdOlgu"), QRect(240, 240, 975, 495),
                              QStringLiteral("Olgu"), QStringLiteral(" Sule aken (Esc) "));
    m_cmdOlgu->setFont(forms::sans(9.75, true));
    connect(m_cmdOlgu, &QPushButton::clicked, this, &QDialog::accept);

    m_cmdSalvesta = forms::button(this, QStringLiteral("cmdSalvesta"), QRect(360, 3630 + extra, 2895, 495),
                                  QStringLiteral("Salvesta &iCalendar…"),
                                  QStringLiteral(" Salvesta aasta pühad teise kalendri jaoks (Alt + I) "));
    m_cmdSalvesta->setFont(forms::sans(9.75, true));
    m_cmdSalvesta->setAutoDefault(false);
    connect(m_cmdSalvesta, &QPushButton::clicked, this, &frmPuhad::saveICalendar);

    // Holds the flag picture; it lies below the visible client area.
    m_imgLipp = forms::label(this, QStringLiteral("imgLipp"), QRect(240, 4440 + extra, 480, 480));
    // Through QIcon so that a high-density screen gets the doubled picture.
    m_imgLipp->setPixmap(QIcon(QStringLiteral(":/calendar/lipp.png"))
                             .pixmap(QSize(32, 32), devicePixelRatioF()));

    // Only the buttons take the focus, "Olgu" first.
    for (QWidget *w : findChildren<QWidget *>())
        if (w != m_cmdOlgu && w != m_cmdSalvesta)
            w->setFocusPolicy(Qt::NoFocus);
    setTabOrder(m_cmdOlgu, m_cmdSalvesta);
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
    const forms::Twips t = forms::Twips::of(this);
    const int p = t.perPixelX();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const holidays::HolidayRow &row = m_rows[i];
        m_dayLabels[i]->setText(row.dayText);
        m_nameLabels[i]->setText(row.nameText);
        if (row.red) {
            forms::setTextColour(m_dayLabels[i], forms::colour::red);
            forms::setTextColour(m_nameLabels[i], forms::colour::red);
        }
        if (row.flag) {
            m_flagCells[i]->setPixmap(row.mourning ? mourningFlag(m_imgLipp->pixmap()) : m_imgLipp->pixmap());
            m_flagCells[i]->setToolTip(row.mourning ? QStringLiteral("Leinalipp") : QStringLiteral("Lipupäev"));
            m_flagCells[i]->setAccessibleName(row.mourning ? QStringLiteral("leinalipp") : QStringLiteral("lipupäev"));
            m_nameLabels[i]->move(t.x(88 * p), m_nameLabels[i]->y());
        }
    }
}

namespace {

// The years to save: from one year to another, at most a hundred of them,
// both the shown year at first. Enter saves, Esc gives up.
class YearRangeDialog : public QDialog {
public:
    YearRangeDialog(int year, QWidget *parent) : QDialog(parent)
    {
        setObjectName(QStringLiteral("frmSalvestaPühad"));
        setWindowTitle(QStringLiteral("Tundrik {Pühad  -  iCalendar}"));
        setWindowIcon(forms::programIcon());
        setFont(forms::sans(9.75));
        forms::setClientSize(this, 4695, 1815);
        QLabel *lblAlates = forms::label(this, QStringLiteral("lblAlates"), QRect(240, 300, 1815, 255),
                                         QStringLiteral("&Alates aastast"));
        QLabel *lblKuni = forms::label(this, QStringLiteral("lblKuni"), QRect(240, 780, 1815, 255),
                                       QStringLiteral("&Kuni aastani"));
        m_first = yearBox(QStringLiteral("takAlates"), QRect(2160, 240, 615, 330), year);
        m_last = yearBox(QStringLiteral("takKuni"), QRect(2160, 720, 615, 330), year);
        m_first->setAccessibleName(QStringLiteral("Alates aastast"));
        m_last->setAccessibleName(QStringLiteral("Kuni aastani"));
        lblAlates->setBuddy(m_first->focusProxy() ? m_first->focusProxy() : m_first);
        lblKuni->setBuddy(m_last->focusProxy() ? m_last->focusProxy() : m_last);
        QLabel *lblVihje = forms::label(this, QStringLiteral("lblVihje"), QRect(240, 1260, 2535, 255),
                                        QStringLiteral("(100 - 9999, kuni 100 aastat)"));
        forms::setTextColour(lblVihje, forms::colour::darkBlue);

        m_cmdSalvesta = forms::button(this, QStringLiteral("cmdSalvesta"), QRect(3120, 240, 1335, 435),
                                      QStringLiteral("&Salvesta…"));
        QPushButton *cmdLoobu = forms::button(this, QStringLiteral("cmdLoobu"), QRect(3120, 780, 1335, 435),
                                              QStringLiteral("&Loobu"), QStringLiteral(" Ära salvesta (Esc) "));
        m_cmdSalvesta->setFont(forms::sans(9.75, true));
        cmdLoobu->setFont(forms::sans(9.75, true));
        m_cmdSalvesta->setDefault(true);
        connect(m_cmdSalvesta, &QPushButton::clicked, this, &QDialog::accept);
        connect(cmdLoobu, &QPushButton::clicked, this, &QDialog::reject);
        for (TKArvuKast *box : {m_first, m_last}) {
            connect(box, &TKArvuKast::TKChange, this, [this] { m_cmdSalvesta->setEnabled(valid()); });
            connect(box, &TKArvuKast::arvChanged, this, [this] { m_cmdSalvesta->setEnabled(valid()); });
            connect(box, &TKArvuKast::TKEnterPress, this, [this] {
                if (valid())
                    m_cmdSalvesta->click();
            });
        }
        setTabOrder(m_first, m_last);
        setTabOrder(m_last, m_cmdSalvesta);
        setTabOrder(m_cmdSalvesta, cmdLoobu);
        m_first->setFocus(Qt::OtherFocusReason);
    }

    int first() const { return int(m_first->arv()); }
    int last() const { return int(m_last->arv()); }

private:
    TKArvuKast *yearBox(const QString &name, const QRect &twips, int year)
    {
        auto *box = forms::widget<TKArvuKast>(this, name, twips);
        box->loadPersisted({{QStringLiteral("lubanegarv"), false},
                            {QStringLiteral("lubanull"), false},
                            {QStringLiteral("maksimaalnev"), 9999},
                            {QStringLiteral("minimaalnev"), 100},
                            {QStringLiteral("maxpikkus"), 4}});
        box->setArv(year);
        return box;
    }
    bool valid() const
    {
        return m_first->TKArvPiirides() && m_last->TKArvPiirides() && first() <= last()
               && last() - first() < 100;
    }

    TKArvuKast *m_first = nullptr;
    TKArvuKast *m_last = nullptr;
    QPushButton *m_cmdSalvesta = nullptr;
};

} // namespace

void frmPuhad::saveICalendar()
{
    YearRangeDialog years(m_year, this);
    if (years.exec() != QDialog::Accepted)
        return;
    const int first = years.first();
    const int last = years.last();
    const QString name = first == last ? QStringLiteral("pühad-%1.ics").arg(first)
                                       : QStringLiteral("pühad-%1-%2.ics").arg(first).arg(last);
    // Qt's own dialog, in the program's Estonian, on every desktop.
    QFileDialog dialog(this, QStringLiteral("Salvesta iCalendar"), m_saveFolder,
                       QStringLiteral("iCalendari fail (*.ics)"));
    dialog.setObjectName(QStringLiteral("dlgSalvesta"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("ics"));
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    m_saveFolder = QFileInfo(path).absolutePath();
    writeICalendar(path, first, last);
}

bool frmPuhad::writeICalendar(const QString &path, int firstYear, int lastYear)
{
    const QByteArray ics = icalendar::Calendar(holidays::CalendarEvents(firstYear, lastYear),
                                               QDateTime::currentDateTimeUtc());
    // A temporary file beside the target, renamed over it only when whole.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(ics) == ics.size() && file.commit())
        return true;
    file.cancelWriting();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tundrik"),
                    QStringLiteral("Faili ei saanud salvestada:\n%1").arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("msgEiSalvestatud"));
    box.setInformativeText(QFileInfo::exists(path)
                               ? QStringLiteral("Sinna ei saa kirjutada. Olemasolev fail jäi muutmata.")
                               : QStringLiteral("Sinna ei saa kirjutada. Vali teine kaust."));
    box.exec();
    return false;
}

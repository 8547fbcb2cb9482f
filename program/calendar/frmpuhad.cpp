// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmpuhad.h"

#include "forms.h"
#include "frmsalvestapuhad.h"
#include "icalendar.h"
#include "ui_frmpuhad.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
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
    : QDialog(calendarWindow)
    , m_ui(std::make_unique<Ui::frmPühad>())
    , m_year(CalendarYear)
    , m_saveFolder(QDir::homePath())
{
    m_ui->setupUi(this);
    setWindowIcon(forms::programIcon());
    m_dayLabels = {m_ui->lblES, m_ui->lblTE, m_ui->lblKO, m_ui->lblNE,
                   m_ui->lblVI, m_ui->lblKU, m_ui->lblSE, m_ui->lblKA};
    m_nameLabels = {m_ui->lblEsimene, m_ui->lblTeine, m_ui->lblKolmas,   m_ui->lblNeljas,
                    m_ui->lblViies,   m_ui->lblKuues, m_ui->lblSeitsmes, m_ui->lblKaheksas};
    m_flagCells = {m_ui->imgEsimene, m_ui->imgTeine, m_ui->imgKolmas,   m_ui->imgNeljas,
                   m_ui->imgViies,   m_ui->imgKuues, m_ui->imgSeitsmes, m_ui->imgKaheksas};
    // The names break at the width of the name column.
    const forms::Twips t = forms::Twips::of(calendarWindow);
    m_rows = linesOf(holidays::BuildHolidayList(CalendarMonth, CalendarYear),
                     QFontMetrics(forms::formFont(this)),
                     t.x(m_ui->lblEsimene->width() * forms::twipsPerFormPixel));
    addRows(int(m_rows.size()));
    forms::finish(this);

    // Through QIcon so that a high-density screen gets the doubled picture.
    m_ui->imgLipp->setPixmap(
        QIcon(QStringLiteral(":/calendar/lipp.png")).pixmap(QSize(32, 32), devicePixelRatioF()));
    // Only the buttons take the focus, "Olgu" first.
    for (QWidget *w : findChildren<QWidget *>())
        if (w != m_ui->cmdOlgu && w != m_ui->cmdSalvesta)
            w->setFocusPolicy(Qt::NoFocus);
    connect(m_ui->cmdOlgu, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cmdSalvesta, &QPushButton::clicked, this, &frmPuhad::saveICalendar);

    if (calendarWindow)
        placeOver(calendarWindow);
    fillRows();
    m_ui->cmdOlgu->setFocus(Qt::OtherFocusReason);
}

frmPuhad::~frmPuhad() = default;

namespace {

// Names of the controls of the rows beyond the form's eight: day label, name
// label and flag cell, by the ordinal of the row (the ninth and tenth have
// names of the design's kind, later ones a number).
struct RowNames {
    const char *day;
    const char *name;
    const char *flag;
};
constexpr RowNames kRowNames[] = {
    {"lblÜH", "lblÜheksas", "imgÜheksas"},
    {"lblKÜ", "lblKümnes", "imgKümnes"},
};

QString rowName(int row, const char *RowNames::*part, const char *prefix)
{
    if (row >= 8 && row - 8 < int(std::size(kRowNames)))
        return QString::fromUtf8(kRowNames[row - 8].*part);
    return QString::fromUtf8(prefix) + QString::number(row + 1);
}

} // namespace

// The form holds eight rows. A month of more rows gets rows of their own
// below them, each like the eighth, and everything below the rows moves down
// by as many rows: in the form's pixels, before finish() scales them all.
void frmPuhad::addRows(int count)
{
    if (count <= 8)
        return;
    QWidget *listing = m_ui->fraPühad;
    const int pitch = m_ui->lblTE->y() - m_ui->lblES->y();
    const int extra = pitch * (count - 8);
    const int rowsBottom = m_ui->lblKA->geometry().bottom();
    for (QWidget *w : listing->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->y() > rowsBottom)
            w->move(w->x(), w->y() + extra);
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w != listing && w->y() > listing->y() + rowsBottom)
            w->move(w->x(), w->y() + extra);
    listing->resize(listing->width(), listing->height() + extra);
    resize(width(), height() + extra);

    // A new row's label is like the eighth row's, a number of rows lower, and
    // stands before the line below the rows, as the rows of the form do.
    const auto like = [this, pitch](QLabel *model, const QString &name, int rowsDown) {
        auto *l = new QLabel(model->parentWidget());
        l->setObjectName(name);
        l->setGeometry(model->geometry().translated(0, rowsDown * pitch));
        l->setTextFormat(model->textFormat());
        l->setAlignment(model->alignment());
        forms::tell(l, model->accessibleName(), model->property(forms::accessibilityProperty).toString());
        l->stackUnder(m_ui->lneEraldaja_0);
        return l;
    };
    for (int i = 8; i < count; ++i) {
        m_dayLabels.push_back(like(m_ui->lblKA, rowName(i, &RowNames::day, "lblPäev"), i - 7));
        m_nameLabels.push_back(like(m_ui->lblKaheksas, rowName(i, &RowNames::name, "lblNimi"), i - 7));
        m_flagCells.push_back(like(m_ui->imgKaheksas, rowName(i, &RowNames::flag, "imgLipp"), i - 7));
    }
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
            m_flagCells[i]->setPixmap(row.mourning ? mourningFlag(m_ui->imgLipp->pixmap())
                                                   : m_ui->imgLipp->pixmap());
            m_flagCells[i]->setToolTip(row.mourning ? QStringLiteral("Leinalipp")
                                                    : QStringLiteral("Lipupäev"));
            m_flagCells[i]->setAccessibleName(row.mourning ? QStringLiteral("leinalipp")
                                                           : QStringLiteral("lipupäev"));
            m_nameLabels[i]->move(t.x(88 * p), m_nameLabels[i]->y());
        }
    }
}

void frmPuhad::saveICalendar()
{
    frmSalvestaPuhad years(m_year, this);
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

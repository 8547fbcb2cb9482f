// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendartestsupport.h"
#include "fakeclock.h"

#include "frmpuhad.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <deque>
#include <functional>

using namespace calendartest;

namespace {

// Row controls by ordinal; a month of more rows has the ninth and tenth too.
const char *const kDayLabels[10] = {"lblES", "lblTE", "lblKO", "lblNE", "lblVI",
                                    "lblKU", "lblSE", "lblKA", "lblÜH", "lblKÜ"};
const char *const kNameLabels[10] = {"lblEsimene", "lblTeine",    "lblKolmas",   "lblNeljas",  "lblViies",
                                     "lblKuues",   "lblSeitsmes", "lblKaheksas", "lblÜheksas", "lblKümnes"};
const char *const kFlagCells[10] = {"imgEsimene", "imgTeine",    "imgKolmas",   "imgNeljas",  "imgViies",
                                    "imgKuues",   "imgSeitsmes", "imgKaheksas", "imgÜheksas", "imgKümnes"};

int rowCount(const QWidget *w)
{
    int n = 0;
    while (n < 10 && label(w, kDayLabels[n]))
        ++n;
    return n;
}

// What a user sees of one row: "day|name|red|flag", "|M" for a mourning
// flag (the flag cell says so in its tooltip).
QString rowText(const QWidget *w, int i)
{
    const QLabel *day = label(w, kDayLabels[i]);
    const QLabel *name = label(w, kNameLabels[i]);
    const bool red = name->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    if ((day->palette().color(QPalette::WindowText) == QColor(255, 0, 0)) != red)
        return QStringLiteral("day and name in different colours");
    const bool flag = !label(w, kFlagCells[i])->pixmap().isNull();
    const bool mourning = flag && label(w, kFlagCells[i])->toolTip() == QStringLiteral("Leinalipp");
    return day->text() + QLatin1Char('|') + name->text() + (red ? "|R" : "") + (flag ? "|F" : "")
        + (mourning ? "|M" : "");
}

QStringList rows(const QWidget *w)
{
    QStringList all;
    for (int i = 0; i < rowCount(w); ++i)
        all << rowText(w, i);
    return all;
}

// Steps that run, one after the other, each when a modal window of its name
// (objectName, else class name) is the active one: what a user does in the
// dialogs that open one after the other.
class ModalSteps : public QObject {
public:
    struct Step {
        QString window;
        std::function<void(QWidget *)> action;
    };
    explicit ModalSteps(std::deque<Step> steps)
        : m_steps(std::move(steps))
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (m_steps.empty() || !modal)
                return;
            const QString name = modal->objectName().isEmpty()
                ? QString::fromLatin1(modal->metaObject()->className())
                : modal->objectName();
            if (name != m_steps.front().window)
                return;
            const Step step = m_steps.front();
            m_steps.pop_front();
            seen << name;
            // Run from a timer of its own: a step that opens the next modal
            // window waits in it, and this timer must go on meanwhile.
            QTimer::singleShot(0, this, [step, window = QPointer<QWidget>(modal)] {
                if (window)
                    step.action(window);
            });
        });
        m_timer.start();
    }
    bool done() const { return m_steps.empty(); }
    QStringList seen;

private:
    std::deque<Step> m_steps;
    QTimer m_timer;
};

// A key pressed in the window, as the window system delivers it (so that
// access keys work), to the control that has the focus.
void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    if (QWindow *handle = window->window()->windowHandle())
        QTest::keyClick(handle, key, modifiers);
    else
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key, modifiers);
}

// Overriding file permissions, as root may, switched off while it lives.
class NoPermissionOverride {
public:
    NoPermissionOverride()
    {
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct data[2] = {m_saved[0], m_saved[1]};
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            data[cap / 32].effective &= ~(1u << (cap % 32));
        m_changed = ::syscall(SYS_capset, &m_header, data) == 0;
    }
    ~NoPermissionOverride()
    {
        if (m_changed)
            ::syscall(SYS_capset, &m_header, m_saved);
    }

private:
    __user_cap_header_struct m_header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2] {};
    bool m_changed = false;
};

QByteArray contentsOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int px(int twips)
{
    return int(std::lround(twips * QGuiApplication::primaryScreen()->logicalDotsPerInchX() / 1440.0));
}

} // namespace

class tst_frmpuhad : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void layout();
    void june();
    void mayStartsInRowTwo();
    void fourRowMonths_data();
    void fourRowMonths();
    void flagPicture();
    void reopenedForAnotherMonth();
    void closing_data();
    void closing();
    void easterInApril();
    void namesTooLongForALine();
    void nineRowsInJune_data();
    void nineRowsInJune();
    void christmasEve_data();
    void christmasEve();
    void nothingClippedInAnyMonth();
    void saveTheYearWithKeysAlone();
    void saveARangeOfYears_data();
    void saveARangeOfYears();
    void unwritablePlaceLeavesTheFile_data();
    void unwritablePlaceLeavesTheFile();
};

void tst_frmpuhad::initTestCase()
{
    installFonts();
}

void tst_frmpuhad::layout()
{
    frmPuhad w(1, 2004, nullptr);
    QCOMPARE(w.objectName(), QStringLiteral("frmPühad"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tundrik {Kalender  -  Pühad}"));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(label(&w, "lblTeadustaja")->text(),
             QStringLiteral("Kuu- / nädalapäev     püha(de) nimetus(ed)"));
    QPushButton *olgu = button(&w, "cmdOlgu");
    QCOMPARE(olgu->text(), QStringLiteral("Olgu"));
    QCOMPARE(olgu->toolTip(), QStringLiteral(" Sule aken (Esc) "));
    QCOMPARE(w.findChildren<QFrame *>(QStringLiteral("lneEraldaja")).size(), 2);
    QPushButton *salvesta = button(&w, "cmdSalvesta");
    QCOMPARE(salvesta->text(), QStringLiteral("Salvesta &iCalendar…"));
    QVERIFY(salvesta->geometry().bottom() < w.height());
    QVERIFY(salvesta->geometry().top()
            > w.findChild<QWidget *>(QStringLiteral("fraPühad"))->geometry().bottom());
    // The buttons are the only controls that take the focus, "Olgu" first.
    for (const QWidget *c : w.findChildren<QWidget *>())
        QCOMPARE(c->focusPolicy() != Qt::NoFocus, c == olgu || c == salvesta);
    QCOMPARE(olgu->nextInFocusChain(), salvesta);
    // The first row: 1 January 2004, a Thursday.
    QCOMPARE(rowText(&w, 0), QStringLiteral("01. / N|Uusaasta|R|F"));
    // The picture holder lies below the visible area.
    QVERIFY(label(&w, "imgLipp")->y() >= w.height());
}

void tst_frmpuhad::june()
{
    frmPuhad w(6, 2004, nullptr);
    QCOMPARE(
        rows(&w),
        (QStringList {"01. / T|Lastekaitsepäev", "04. / R|Eesti lipu päev|F", "14. / E|Leinapäev|F|M",
                      "15. / T|Viidipäev", "23. / K|Võidupüha; jaanilaupäev|R|F", "24. / N|Jaanipäev|R|F",
                      "27. / P|Seitsmemagajapäev", "29. / T|Peetripäev; peeterpaulipäev"}));
    const int p = int(std::nearbyint(1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInchX()));
    for (int i = 0; i < 8; ++i) {
        const bool flag = i == 1 || i == 2 || i == 4 || i == 5;
        // A name without a flag stays where the first row's name stands.
        QCOMPARE(label(&w, kNameLabels[i])->x(), flag ? px(88 * p) : label(&w, kNameLabels[0])->x());
        if (i < 7) {
            // The flag lies clear of its name.
            const QLabel *cell = label(&w, kFlagCells[i]);
            QVERIFY(cell->x() + 18 <= px(88 * p));
        }
    }
    QCOMPARE(label(&w, kNameLabels[2])->x(), 88); // at the test screen's 96 DPI
}

void tst_frmpuhad::mayStartsInRowTwo()
{
    frmPuhad w(5, 2005, nullptr);
    QCOMPARE(rowText(&w, 0), QStringLiteral("|"));
    // The empty row stays where a name without a flag stands.
    const frmPuhad june(6, 2004, nullptr);
    QCOMPARE(label(&w, kNameLabels[0])->x(), label(&june, kNameLabels[0])->x());
    QCOMPARE(rowText(&w, 1), QStringLiteral("01. / P|Kevadpüha; volbripäev|R|F"));
    QCOMPARE(rowText(&w, 2), QStringLiteral("08. / P|Emadepäev|R|F"));
    QCOMPARE(rowText(&w, 3), QStringLiteral("09. / E|Euroopa päev; nigulapäev|F"));
}

void tst_frmpuhad::fourRowMonths_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    // Before Easter joined April, and before the days of 2007 and 2009.
    QTest::newRow("April 1997") << 4 << 1997;
    QTest::newRow("August 2004") << 8 << 2004;
    QTest::newRow("September 2004") << 9 << 2004;
}

void tst_frmpuhad::fourRowMonths()
{
    QFETCH(int, month);
    QFETCH(int, year);
    frmPuhad w(month, year, nullptr);
    const QStringList all = rows(&w);
    for (int i = 0; i < 4; ++i)
        QVERIFY(!label(&w, kDayLabels[i])->text().isEmpty());
    for (int i = 4; i < 8; ++i)
        QCOMPARE(all[i], QStringLiteral("|"));
    // The window and its footer stay as for a month of eight rows.
    const frmPuhad june(6, 2004, nullptr);
    QCOMPARE(w.size(), june.size());
    QCOMPARE(label(&w, "lblTeadustaja")->geometry(), label(&june, "lblTeadustaja")->geometry());
}

void tst_frmpuhad::flagPicture()
{
    const QImage flag = QImage(QStringLiteral(":/calendar/lipp.png")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(flag.size(), QSize(32, 32));
    int blue = 0, black = 0, white = 0, grey = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor c = flag.pixelColor(x, y);
            if (x >= 18 || y >= 13) {
                QCOMPARE(c.alpha(), 0); // transparent outside the flag
                continue;
            }
            if (c.alpha() == 0)
                continue;
            QCOMPARE(c.alpha(), 255); // crisp: no half-transparent edges
            blue += c == QColor(0x00, 0x72, 0xCE);
            black += c == QColor(Qt::black);
            white += c == QColor(Qt::white);
            grey += c == QColor(0x80, 0x80, 0x80);
        }
    }
    QVERIFY(blue > 30 && black > 30 && white > 30 && grey > 30);
    // Bands from top to bottom in the middle column.
    QCOMPARE(flag.pixelColor(8, 2), QColor(0x00, 0x72, 0xCE));
    QCOMPARE(flag.pixelColor(8, 5), QColor(Qt::black));
    QCOMPARE(flag.pixelColor(8, 8), QColor(Qt::white));
}

// Opened from the calendar for February, closed, stepped to March, opened
// again: nothing of February remains.
void tst_frmpuhad::reopenedForAnotherMonth()
{
    tundrik::FakeClock clock;
    clock.setNow(2004, 2, 15, 12, 0, 30);
    TestHost host(clock);
    frmKalender calendar(host);
    calendar.show();
    QStringList seen[2];
    int opening = 0;
    auto inspectAndClose = [&] {
        QWidget *w = QApplication::activeModalWidget();
        QVERIFY(w && w->objectName() == QStringLiteral("frmPühad"));
        seen[opening++] = rows(w);
        QTest::mouseClick(button(w, "cmdOlgu"), Qt::LeftButton);
    };
    QTimer::singleShot(0, this, inspectAndClose);
    QTest::mouseClick(button(&calendar, "cmdPühad"), Qt::LeftButton);
    QTest::mouseClick(button(&calendar, "cmdJärgmineKuu"), Qt::LeftButton);
    QTimer::singleShot(0, this, inspectAndClose);
    QTest::mouseClick(button(&calendar, "cmdPühad"), Qt::LeftButton);
    QCOMPARE(opening, 2);
    // The names of the act are longer than a line: nine lines.
    QCOMPARE(seen[0],
             (QStringList {"02. / E|Küünlapäev;|F", "|Tartu rahulepingu aastapäev", "03. / T|Klaasmusepäev",
                           "09. / E|Luuvalupäev", "14. / L|Valentinipäev", "16. / E|Leedu iseseisvuspäev|F",
                           "22. / P|Peetripäev", "24. / T|Iseseisvuspäev, Eesti Vabariigi|R|F",
                           "|aastapäev; madisepäev|R"}));
    QCOMPARE(seen[1],
             (QStringList {"08. / E|Naistepäev", "12. / R|Korjusepäev; palvepäev", "14. / P|Emakeelepäev|F",
                           "25. / N|Paastumaarjapäev; leinapäev", "28. / P|Üleminek suveajale kell 3.00", "|",
                           "|", "|"}));
}

void tst_frmpuhad::closing_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("space") << int(Qt::Key_Space);
}

void tst_frmpuhad::closing()
{
    QFETCH(int, key);
    frmPuhad w(12, 2004, nullptr);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.focusWidget(), button(&w, "cmdOlgu"));
    QTest::keyClick(w.focusWidget(), Qt::Key(key));
    QVERIFY(!w.isVisible());
}

void tst_frmpuhad::easterInApril()
{
    frmPuhad w(4, 2026, nullptr);
    QCOMPARE(rows(&w),
             (QStringList {"01. / K|Karjalaskepäev; naljapäev", "03. / R|Suur reede|R",
                           "05. / P|Ülestõusmispühade 1. püha|R", "14. / T|Künnipäev",
                           "23. / N|Veteranipäev; jüripäev|F", "25. / L|Markusepäev", "|", "|"}));
    QCOMPARE(w.size(), frmPuhad(6, 2004, nullptr).size());
}

// The lines of a name too long for its label follow it without a day text,
// in its colour; joined again they give the name.
void tst_frmpuhad::namesTooLongForALine()
{
    frmPuhad w(3, 2005, nullptr);
    const QStringList all = rows(&w);
    QCOMPARE(all.size(), 8);
    QCOMPARE(
        all.mid(0, 3),
        (QStringList {"08. / T|Naistepäev", "12. / L|Korjusepäev; palvepäev", "14. / E|Emakeelepäev|F"}));
    QString joined;
    QStringList days;
    for (int i = 3; i < 8; ++i) {
        const QLabel *name = label(&w, kNameLabels[i]);
        QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) <= name->width());
        if (name->text().isEmpty())
            continue;
        QVERIFY2(all[i].endsWith(QStringLiteral("|R")), qPrintable(all[i]));
        days << label(&w, kDayLabels[i])->text();
        joined += (joined.isEmpty() || label(&w, kDayLabels[i])->text().size() ? QStringLiteral("\n")
                                                                               : QStringLiteral(" "))
            + name->text();
    }
    QCOMPARE(joined,
             QStringLiteral("\nSuur reede; paastumaarjapäev; leinapäev"
                            "\nÜlestõusmispühade 1. püha; üleminek suveajale kell 3.00"));
    // Each of the two rows took two lines.
    QCOMPARE(days, (QStringList {"25. / R", "", "27. / P", ""}));
    QCOMPARE(w.size(), frmPuhad(6, 2004, nullptr).size());
}

void tst_frmpuhad::nineRowsInJune_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("2011") << 2011 << QStringList {"01. / K|Lastekaitsepäev",
                                                  "04. / L|Eesti lipu päev|F",
                                                  "12. / P|Nelipühade 1. püha|R",
                                                  "14. / T|Leinapäev|F|M",
                                                  "15. / K|Viidipäev",
                                                  "23. / N|Võidupüha; jaanilaupäev|R|F",
                                                  "24. / R|Jaanipäev|R|F",
                                                  "27. / E|Seitsmemagajapäev",
                                                  "29. / K|Peetripäev; peeterpaulipäev"};
    QTest::newRow("2038") << 2038 << QStringList {"01. / T|Lastekaitsepäev|F",
                                                  "04. / R|Eesti lipu päev|F",
                                                  "13. / P|Nelipühade 1. püha|R",
                                                  "14. / E|Leinapäev|F|M",
                                                  "15. / T|Viidipäev",
                                                  "23. / K|Võidupüha; jaanilaupäev|R|F",
                                                  "24. / N|Jaanipäev|R|F",
                                                  "27. / P|Seitsmemagajapäev",
                                                  "29. / T|Peetripäev; peeterpaulipäev"};
}

// Pentecost in June: nine rows; the window grows by one row and everything
// below the rows moves down with it.
void tst_frmpuhad::nineRowsInJune()
{
    QFETCH(int, year);
    QFETCH(QStringList, expected);
    frmPuhad w(6, year, nullptr);
    QCOMPARE(rows(&w), expected);
    // June 2004 fills the eight rows of the form.
    const frmPuhad eight(6, 2004, nullptr);
    const auto geometry = [](const QWidget *window, const char *name) {
        return window->findChild<QWidget *>(QString::fromUtf8(name))->geometry();
    };
    const int row = geometry(&eight, kDayLabels[1]).y() - geometry(&eight, kDayLabels[0]).y();
    QCOMPARE(w.size(), eight.size() + QSize(0, row));
    QCOMPARE(geometry(&w, "fraPühad"), geometry(&eight, "fraPühad").adjusted(0, 0, 0, row));
    QCOMPARE(geometry(&w, kDayLabels[8]), geometry(&eight, kDayLabels[7]).translated(0, row));
    QCOMPARE(geometry(&w, kNameLabels[8]).size(), geometry(&eight, kNameLabels[7]).size());
    QCOMPARE(geometry(&w, "lblTeadustaja"), geometry(&eight, "lblTeadustaja").translated(0, row));
    QCOMPARE(geometry(&w, "fraNupp"), geometry(&eight, "fraNupp").translated(0, row));
    const QList<QWidget *> lines = w.findChildren<QWidget *>(QStringLiteral("lneEraldaja"));
    const QList<QWidget *> eightLines = eight.findChildren<QWidget *>(QStringLiteral("lneEraldaja"));
    QCOMPARE(lines.size(), eightLines.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i]->geometry(), eightLines[i]->geometry().translated(0, row));
    const int p = int(std::nearbyint(1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInchX()));
    for (int i = 0; i < 9; ++i) {
        const bool flag = expected[i].contains(QStringLiteral("|F"));
        QCOMPARE(label(&w, kNameLabels[i])->x(), flag ? px(88 * p) : geometry(&eight, kNameLabels[0]).x());
    }
    QVERIFY(label(&w, "imgLipp")->y() >= w.height());
}

void tst_frmpuhad::christmasEve_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2004") << 2004 << "24. / R|Jõululaupäev";
    QTest::newRow("2005") << 2005 << "24. / L|Jõululaupäev|R";
}

void tst_frmpuhad::christmasEve()
{
    QFETCH(int, year);
    QFETCH(QString, expected);
    frmPuhad w(12, year, nullptr);
    QCOMPARE(rowText(&w, 3), expected);
}

// Every month of 1998 to 2299 and of 9999: every text fits its label, every
// row lies inside the listing's frame above the separator, and the window is
// as tall as its rows. (Months whose names and flags repeat an earlier
// month's are not opened again.)
void tst_frmpuhad::nothingClippedInAnyMonth()
{
    // June 2004 fills the eight rows of the form; each more row adds its pitch.
    const frmPuhad eight(6, 2004, nullptr);
    const int pitch = label(&eight, kDayLabels[1])->y() - label(&eight, kDayLabels[0])->y();
    QSet<QString> seen;
    QList<int> years;
    for (int y = 1998; y <= 2299; ++y)
        years << y;
    years << 9999;
    for (int year : years) {
        for (int month = 1; month <= 12; ++month) {
            QString key;
            for (const holidays::HolidayRow &r : holidays::BuildHolidayList(month, year))
                key += r.nameText + (r.flag ? QStringLiteral("|F\n") : QStringLiteral("\n"));
            if (seen.contains(key))
                continue;
            seen.insert(key);
            frmPuhad w(month, year, nullptr);
            const int n = rowCount(&w);
            const QString where = QStringLiteral("%1/%2").arg(month).arg(year);
            QVERIFY2(n >= 8 && n <= 10, qPrintable(where));
            QCOMPARE(w.height(), eight.height() + pitch * (n - 8));
            const QWidget *frame = w.findChild<QWidget *>(QStringLiteral("fraPühad"));
            const int separator = w.findChildren<QWidget *>(QStringLiteral("lneEraldaja")).first()->y();
            for (int i = 0; i < n; ++i) {
                for (const QLabel *l : {label(&w, kDayLabels[i]), label(&w, kNameLabels[i])}) {
                    if (l->fontMetrics().horizontalAdvance(l->text()) > l->width()
                        || l->geometry().right() >= frame->contentsRect().right()
                        || l->geometry().bottom() >= separator)
                        QFAIL(qPrintable(where + QStringLiteral(" row %1: ").arg(i + 1) + l->text()));
                }
            }
        }
    }
    qInfo("%lld different listings", qint64(seen.size()));
}

// Alt+I, Enter for the shown year, Enter for the proposed file: the year's
// days in an iCalendar file named for the year.
void tst_frmpuhad::saveTheYearWithKeysAlone()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    frmPuhad w(4, 2026, nullptr);
    w.setSaveFolder(dir.path());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QString proposed;
    QStringList years;
    ModalSteps steps({
        {QStringLiteral("frmSalvestaPühad"),
         [&](QWidget *d) {
             for (const char *name : {"takAlates", "takKuni"})
                 years
                     << d->findChild<QWidget *>(QString::fromLatin1(name))->findChild<QLineEdit *>()->text();
             press(d, Qt::Key_Return);
         }},
        {QStringLiteral("dlgSalvesta"),
         [&](QWidget *d) {
             auto *dialog = qobject_cast<QFileDialog *>(d);
             proposed = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
             QCOMPARE(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
             press(d, Qt::Key_Return);
         }},
    });
    press(&w, Qt::Key_I, Qt::AltModifier);
    // The access key clicks the button a moment later; the dialogs come and go.
    QTRY_VERIFY_WITH_TIMEOUT(!steps.seen.isEmpty() && !QApplication::activeModalWidget(), 20000);
    QVERIFY(steps.done());
    QCOMPARE(years, (QStringList {"2026", "2026"}));
    QCOMPARE(proposed, QStringLiteral("pühad-2026.ics"));
    const QByteArray ics = contentsOf(QDir(dir.path()).filePath(QStringLiteral("pühad-2026.ics")));
    QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
    QVERIFY(
        ics.contains("DTSTART;VALUE=DATE:20260403\r\nDTEND;VALUE=DATE:20260404\r\nSUMMARY:Suur reede\r\n"));
    QVERIFY(!ics.contains("DTSTART;VALUE=DATE:2025"));
    QVERIFY(!ics.contains("DTSTART;VALUE=DATE:2027"));
    QVERIFY(w.isVisible());
}

void tst_frmpuhad::saveARangeOfYears_data()
{
    QTest::addColumn<QString>("last"); // typed into "Kuni aastani"
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("file");
    QTest::newRow("two years") << "2027" << true << "pühad-2026-2027.ics";
    QTest::newRow("a hundred years") << "2125" << true << "pühad-2026-2125.ics";
    QTest::newRow("a hundred and one years") << "2126" << false << "";
    QTest::newRow("ending before it starts") << "2025" << false << "";
}

// The years typed in: at most a hundred, the last not before the first.
void tst_frmpuhad::saveARangeOfYears()
{
    QFETCH(QString, last);
    QFETCH(bool, saved);
    QFETCH(QString, file);
    QTemporaryDir dir;
    frmPuhad w(12, 2026, nullptr);
    w.setSaveFolder(dir.path());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    bool saveEnabled = true;
    QString proposed;
    ModalSteps steps({
        {QStringLiteral("frmSalvestaPühad"),
         [&](QWidget *d) {
             press(d, Qt::Key_K, Qt::AltModifier); // to "Kuni aastani"
             QLineEdit *field = d->focusWidget() ? qobject_cast<QLineEdit *>(d->focusWidget()) : nullptr;
             QVERIFY(field);
             // The shown year out, the last year in.
             QTest::keyClick(field, Qt::Key_End);
             for (int i = 0; i < 4; ++i)
                 QTest::keyClick(field, Qt::Key_Backspace);
             QTest::keyClicks(field, last);
             saveEnabled = d->findChild<QPushButton *>(QStringLiteral("cmdSalvesta"))->isEnabled();
             press(d, Qt::Key_Return);
             if (d->isVisible())
                 press(d, Qt::Key_Escape);
         }},
        {QStringLiteral("dlgSalvesta"),
         [&](QWidget *d) {
             proposed = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
             press(d, Qt::Key_Return);
         }},
    });
    press(&w, Qt::Key_I, Qt::AltModifier);
    // The access key clicks the button a moment later; the dialogs come and go.
    QTRY_VERIFY_WITH_TIMEOUT(!steps.seen.isEmpty() && !QApplication::activeModalWidget(), 20000);
    QCOMPARE(saveEnabled, saved);
    QCOMPARE(steps.done(), saved);
    QCOMPARE(proposed, file);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), saved ? QStringList {file} : QStringList {});
    if (saved) {
        const QByteArray ics = contentsOf(QDir(dir.path()).filePath(file));
        QVERIFY(ics.contains("DTSTART;VALUE=DATE:20260101\r\n"));
        QVERIFY(ics.contains(QByteArray("DTSTART;VALUE=DATE:") + last.toLatin1() + "1231\r\n"));
    }
}

void tst_frmpuhad::unwritablePlaceLeavesTheFile_data()
{
    QTest::addColumn<bool>("existing");
    QTest::newRow("a file saved before") << true;
    QTest::newRow("no file yet") << false;
}

// A folder the program may not write in: an Estonian message, and the file
// saved there before is as it was.
void tst_frmpuhad::unwritablePlaceLeavesTheFile()
{
    QFETCH(bool, existing);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("pühad-2026.ics"));
    if (existing) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("vana fail\n");
    }
    QVERIFY(QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser));
    NoPermissionOverride asAUser;
    frmPuhad w(6, 2026, nullptr);
    w.setSaveFolder(dir.path());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QString message;
    std::deque<ModalSteps::Step> plan {
        {QStringLiteral("frmSalvestaPühad"), [](QWidget *d) { press(d, Qt::Key_Return); }},
        {QStringLiteral("dlgSalvesta"),
         [](QWidget *d) {
             // The name of a file that is there: the first Enter takes the
             // completion the dialog offers, the second saves.
             QPointer<QWidget> dialog(d);
             press(d, Qt::Key_Return);
             if (dialog && dialog->isVisible())
                 press(d, Qt::Key_Return);
         }},
    };
    if (existing) { // Qt's question whether to replace the file: the access key of "Yes".
        plan.push_back({QStringLiteral("QMessageBox"), [](QWidget *d) {
                            const QKeyCombination yes =
                                qobject_cast<QMessageBox *>(d)->button(QMessageBox::Yes)->shortcut()[0];
                            press(d, yes.key(), yes.keyboardModifiers());
                        }});
    }
    plan.push_back({QStringLiteral("msgEiSalvestatud"), [&](QWidget *d) {
                        auto *box = qobject_cast<QMessageBox *>(d);
                        message = box->windowTitle() + QLatin1Char('|') + box->text() + QLatin1Char('|')
                            + box->informativeText();
                        press(d, Qt::Key_Return);
                    }});
    ModalSteps steps(plan);
    press(&w, Qt::Key_I, Qt::AltModifier);
    // The access key clicks the button a moment later; the dialogs come and go.
    QTRY_VERIFY_WITH_TIMEOUT(!steps.seen.isEmpty() && !QApplication::activeModalWidget(), 20000);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(steps.done(), qPrintable(steps.seen.join(QLatin1Char(' '))));
    QCOMPARE(message,
             QStringLiteral("Tundrik|Faili ei saanud salvestada:\n%1|%2")
                 .arg(QDir::toNativeSeparators(path),
                      existing ? QStringLiteral("Sinna ei saa kirjutada. Olemasolev fail jäi muutmata.")
                               : QStringLiteral("Sinna ei saa kirjutada. Vali teine kaust.")));
    QCOMPARE(contentsOf(path), existing ? QByteArray("vana fail\n") : QByteArray());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             existing ? QStringList {"pühad-2026.ics"} : QStringList {});
    QVERIFY(w.isVisible());
}

QTEST_MAIN(tst_frmpuhad)
#include "tst_frmpuhad.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendartestsupport.h"

#include "frmPuhad.h"

#include <QApplication>
#include <QSet>
#include <QTimer>

using namespace calendartest;

namespace {

// Row controls by ordinal; a month of more rows has the ninth and tenth too.
const char *const kDayLabels[10] = {"lblES", "lblTE", "lblKO", "lblNE", "lblVI",
                                    "lblKU", "lblSE", "lblKA", "lblÜH", "lblKÜ"};
const char *const kNameLabels[10] = {"lblEsimene", "lblTeine", "lblKolmas", "lblNeljas", "lblViies",
                                     "lblKuues", "lblSeitsmes", "lblKaheksas", "lblÜheksas", "lblKümnes"};
const char *const kFlagCells[10] = {"imgEsimene", "imgTeine", "imgKolmas", "imgNeljas", "imgViies",
                                    "imgKuues", "imgSeitsmes", "imgKaheksas", "imgÜheksas", "imgKümnes"};

int rowCount(const QWidget *w)
{
    int n = 0;
    while (n < 10 && label(w, kDayLabels[n]))
        ++n;
    return n;
}

// What a user sees of one row: "day|name|red|flag".
QString rowText(const QWidget *w, int i)
{
    const QLabel *day = label(w, kDayLabels[i]);
    const QLabel *name = label(w, kNameLabels[i]);
    const bool red = name->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    if ((day->palette().color(QPalette::WindowText) == QColor(255, 0, 0)) != red)
        return QStringLiteral("day and name in different colours");
    const bool flag = !label(w, kFlagCells[i])->pixmap().isNull();
    return day->text() + QLatin1Char('|') + name->text() + (red ? "|R" : "") + (flag ? "|F" : "");
}

QStringList rows(const QWidget *w)
{
    QStringList all;
    for (int i = 0; i < rowCount(w); ++i)
        all << rowText(w, i);
    return all;
}

int px(int twips)
{
    return int(std::lround(twips * QGuiApplication::primaryScreen()->logicalDotsPerInchX() / 1440.0));
}

} // namespace

class tst_frmPuhad : public QObject {
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
};

void tst_frmPuhad::initTestCase()
{
    installFonts();
}

void tst_frmPuhad::layout()
{
        frmPuhad w(1, 2004, nullptr);
    QCOMPARE(w.objectName(), QStringLiteral("frmPühad"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tundrik {Kalender  -  Pühad}"));
    QCOMPARE(w.size(), QSize(px(5775), px(3705)));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(label(&w, "lblTeadustaja")->text(), QStringLiteral("Kuu- / nädalapäev     püha(de) nimetus(ed)"));
    QPushButton *olgu = button(&w, "cmdOlgu");
    QCOMPARE(olgu->text(), QStringLiteral("Olgu"));
    QCOMPARE(olgu->toolTip(), QStringLiteral(" Sule aken (Esc) "));
    QCOMPARE(w.findChildren<QFrame *>(QStringLiteral("lneEraldaja")).size(), 2);
    // The button is the only control that takes the focus.
    for (const QWidget *c : w.findChildren<QWidget *>())
        QCOMPARE(c->focusPolicy() != Qt::NoFocus, c == olgu);
    // The first row: 1 January 2004, a Thursday.
    QCOMPARE(rowText(&w, 0), QStringLiteral("01. / N|Uusaasta|R|F"));
    // The picture holder lies below the visible area.
    QVERIFY(label(&w, "imgLipp")->y() >= w.height());
}

void tst_frmPuhad::june()
{
        frmPuhad w(6, 2004, nullptr);
    QCOMPARE(rows(&w), (QStringList{
        "01. / T|Lastekaitsepäev", "04. / R|Eesti lipu õnnistamise aastapäev",
        "14. / E|Leinapäev|F", "15. / T|Viidipäev", "23. / K|Võidupüha; jaanilaupäev|R|F",
        "24. / N|Jaanipäev|R|F", "27. / P|Seitsmemagajapäev", "29. / T|Peetripäev; peeterpaulipäev"}));
    const int p = int(std::nearbyint(1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInchX()));
    for (int i = 0; i < 8; ++i) {
        const bool flag = i == 2 || i == 4 || i == 5;
        QCOMPARE(label(&w, kNameLabels[i])->x(), flag ? px(88 * p) : px(1080));
        if (i < 7) {
            // The flag lies clear of its name.
            const QLabel *cell = label(&w, kFlagCells[i]);
            QVERIFY(cell->x() + 18 <= px(88 * p));
        }
    }
    QCOMPARE(label(&w, kNameLabels[2])->x(), 88); // at the test screen's 96 DPI
}

void tst_frmPuhad::mayStartsInRowTwo()
{
        frmPuhad w(5, 2005, nullptr);
    QCOMPARE(rowText(&w, 0), QStringLiteral("|"));
    QCOMPARE(label(&w, kNameLabels[0])->x(), px(1080));
    QCOMPARE(rowText(&w, 1), QStringLiteral("01. / P|Kevadpüha; volbripäev|R|F"));
    QCOMPARE(rowText(&w, 2), QStringLiteral("08. / P|Emadepäev|R|F"));
    QCOMPARE(rowText(&w, 3), QStringLiteral("09. / E|Nigulapäev"));
}

void tst_frmPuhad::fourRowMonths_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    // Before Easter joined April, and before the days of 2007 and 2009.
    QTest::newRow("April 1997") << 4 << 1997;
    QTest::newRow("August 2004") << 8 << 2004;
    QTest::newRow("September 2004") << 9 << 2004;
}

void tst_frmPuhad::fourRowMonths()
{
    QFETCH(int, month);
    QFETCH(int, year);
        frmPuhad w(month, year, nullptr);
    const QStringList all = rows(&w);
    for (int i = 0; i < 4; ++i)
        QVERIFY(!label(&w, kDayLabels[i])->text().isEmpty());
    for (int i = 4; i < 8; ++i)
        QCOMPARE(all[i], QStringLiteral("|"));
    QCOMPARE(w.size(), QSize(px(5775), px(3705)));
    QCOMPARE(label(&w, "lblTeadustaja")->geometry(), QRect(px(240), px(2760), px(3540), px(240)));
}

void tst_frmPuhad::flagPicture()
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
void tst_frmPuhad::reopenedForAnotherMonth()
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
    QCOMPARE(seen[0][6], QStringLiteral("24. / T|Iseseisvuspäev; madisepäev|R|F"));
    QCOMPARE(seen[1], (QStringList{"08. / E|Naistepäev", "12. / R|Korjusepäev; palvepäev",
                                   "14. / P|Emakeelepäev|F", "25. / N|Paastumaarjapäev; leinapäev",
                                   "28. / P|Üleminek suveajale kell 3.00", "|", "|", "|"}));
}

void tst_frmPuhad::closing_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("space") << int(Qt::Key_Space);
}

void tst_frmPuhad::closing()
{
    QFETCH(int, key);
        frmPuhad w(12, 2004, nullptr);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.focusWidget(), button(&w, "cmdOlgu"));
    QTest::keyClick(w.focusWidget(), Qt::Key(key));
    QVERIFY(!w.isVisible());
}

void tst_frmPuhad::easterInApril()
{
        frmPuhad w(4, 2026, nullptr);
    QCOMPARE(rows(&w), (QStringList{"01. / K|Karjalaskepäev; naljapäev", "03. / R|Suur reede|R",
                                    "05. / P|Ülestõusmispühade 1. püha|R", "14. / T|Künnipäev",
                                    "23. / N|Jüripäev", "25. / L|Markusepäev", "|", "|"}));
    QCOMPARE(w.size(), QSize(px(5775), px(3705)));
}

// The lines of a name too long for its label follow it without a day text,
// in its colour; joined again they give the name.
void tst_frmPuhad::namesTooLongForALine()
{
        frmPuhad w(3, 2005, nullptr);
    const QStringList all = rows(&w);
    QCOMPARE(all.size(), 8);
    QCOMPARE(all.mid(0, 3), (QStringList{"08. / T|Naistepäev", "12. / L|Korjusepäev; palvepäev",
                                         "14. / E|Emakeelepäev|F"}));
    QString joined;
    QStringList days;
    for (int i = 3; i < 8; ++i) {
        const QLabel *name = label(&w, kNameLabels[i]);
        QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) <= name->width());
        if (name->text().isEmpty())
            continue;
        QVERIFY2(all[i].endsWith(QStringLiteral("|R")), qPrintable(all[i]));
        days << label(&w, kDayLabels[i])->text();
        joined += (joined.isEmpty() || label(&w, kDayLabels[i])->text().size() ? QStringLiteral("\n") : QStringLiteral(" "))
            + name->text();
    }
    QCOMPARE(joined, QStringLiteral("\nSuur reede; paastumaarjapäev; leinapäev"
                                    "\nÜlestõusmispühade 1. püha; üleminek suveajale kell 3.00"));
    // Each of the two rows took two lines.
    QCOMPARE(days, (QStringList{"25. / R", "", "27. / P", ""}));
    QCOMPARE(w.size(), QSize(px(5775), px(3705)));
}

void tst_frmPuhad::nineRowsInJune_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("2011") << 2011 << QStringList{
        "01. / K|Lastekaitsepäev", "04. / L|Eesti lipu õnnistamise aastapäev",
        "12. / P|Nelipühade 1. püha|R", "14. / T|Leinapäev|F", "15. / K|Viidipäev",
        "23. / N|Võidupüha; jaanilaupäev|R|F", "24. / R|Jaanipäev|R|F", "27. / E|Seitsmemagajapäev",
        "29. / K|Peetripäev; peeterpaulipäev"};
    QTest::newRow("2038") << 2038 << QStringList{
        "01. / T|Lastekaitsepäev", "04. / R|Eesti lipu õnnistamise aastapäev",
        "13. / P|Nelipühade 1. püha|R", "14. / E|Leinapäev|F", "15. / T|Viidipäev",
        "23. / K|Võidupüha; jaanilaupäev|R|F", "24. / N|Jaanipäev|R|F", "27. / P|Seitsmemagajapäev",
        "29. / T|Peetripäev; peeterpaulipäev"};
}

// Pentecost in June: nine rows; the window grows by one row and everything
// below the rows moves down with it.
void tst_frmPuhad::nineRowsInJune()
{
    QFETCH(int, year);
    QFETCH(QStringList, expected);
        frmPuhad w(6, year, nullptr);
    QCOMPARE(rows(&w), expected);
    QCOMPARE(w.size(), QSize(px(5775), px(3705 + 240)));
    const QWidget *frame = w.findChild<QWidget *>(QStringLiteral("fraPühad"));
    QCOMPARE(frame->geometry(), QRect(px(360), px(120), px(5055), px(3255 + 240)));
    QCOMPARE(label(&w, kDayLabels[8])->geometry(), QRect(px(240), px(360 + 8 * 240), px(615), px(255)));
    QCOMPARE(label(&w, "lblTeadustaja")->geometry(), QRect(px(240), px(2760 + 240), px(3540), px(240)));
    QCOMPARE(w.findChild<QWidget *>(QStringLiteral("fraNupp"))->y(), px(2640 + 240));
    for (const QWidget *line : w.findChildren<QWidget *>(QStringLiteral("lneEraldaja")))
        QVERIFY(line->y() >= px(2475 + 240) && line->y() <= px(2475 + 240) + 1);
    const int p = int(std::nearbyint(1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInchX()));
    for (int i = 0; i < 9; ++i) {
        const bool flag = expected[i].endsWith(QStringLiteral("|F"));
        QCOMPARE(label(&w, kNameLabels[i])->x(), flag ? px(88 * p) : px(1080));
    }
    QVERIFY(label(&w, "imgLipp")->y() >= w.height());
}

void tst_frmPuhad::christmasEve_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2004") << 2004 << "24. / R|Jõululaupäev";
    QTest::newRow("2005") << 2005 << "24. / L|Jõululaupäev|R";
}

void tst_frmPuhad::christmasEve()
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
void tst_frmPuhad::nothingClippedInAnyMonth()
{
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
            QCOMPARE(w.height(), px(3705 + 240 * (n - 8)));
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

QTEST_MAIN(tst_frmPuhad)
#include "tst_frmPuhad.moc"

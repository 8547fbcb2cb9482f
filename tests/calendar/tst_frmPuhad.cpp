#include "calendartestsupport.h"

#include "calendar/frmPuhad.h"

#include <QApplication>
#include <QTimer>

using namespace calendartest;

namespace {

const char *const kDayLabels[8] = {"lblES", "lblTE", "lblKO", "lblNE", "lblVI", "lblKU", "lblSE", "lblKA"};
const char *const kNameLabels[8] = {"lblEsimene", "lblTeine", "lblKolmas", "lblNeljas",
                                    "lblViies", "lblKuues", "lblSeitsmes", "lblKaheksas"};
const char *const kFlagCells[7] = {"imgEsimene", "imgTeine", "imgKolmas", "imgNeljas",
                                   "imgViies", "imgKuues", "imgSeitsmes"};

// What a user sees of one row: "day|name|red|flag".
QString rowText(const QWidget *w, int i)
{
    const QLabel *day = label(w, kDayLabels[i]);
    const QLabel *name = label(w, kNameLabels[i]);
    const bool red = name->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    if ((day->palette().color(QPalette::WindowText) == QColor(255, 0, 0)) != red)
        return QStringLiteral("day and name in different colours");
    const bool flag = i < 7 && !label(w, kFlagCells[i])->pixmap().isNull();
    return day->text() + QLatin1Char('|') + name->text() + (red ? "|R" : "") + (flag ? "|F" : "");
}

QStringList rows(const QWidget *w)
{
    QStringList all;
    for (int i = 0; i < 8; ++i)
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
};

void tst_frmPuhad::initTestCase()
{
    installFonts();
    tundrik::FirstDayOfWeek = 2;
    tundrik::FirstWeekOfYear = 2;
}

void tst_frmPuhad::layout()
{
    tundrik::CalendarMonth = 1;
    tundrik::CalendarYear = 2004;
    frmPuhad w(nullptr);
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
    tundrik::CalendarMonth = 6;
    tundrik::CalendarYear = 2004;
    frmPuhad w(nullptr);
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
    tundrik::CalendarMonth = 5;
    tundrik::CalendarYear = 2005;
    frmPuhad w(nullptr);
    QCOMPARE(rowText(&w, 0), QStringLiteral("|"));
    QCOMPARE(label(&w, kNameLabels[0])->x(), px(1080));
    QCOMPARE(rowText(&w, 1), QStringLiteral("01. / P|Kevadpüha; volbripäev|R|F"));
    QCOMPARE(rowText(&w, 2), QStringLiteral("08. / P|Emadepäev|R|F"));
    QCOMPARE(rowText(&w, 3), QStringLiteral("09. / E|Nigulapäev"));
}

void tst_frmPuhad::fourRowMonths_data()
{
    QTest::addColumn<int>("month");
    QTest::newRow("April") << 4;
    QTest::newRow("August") << 8;
    QTest::newRow("September") << 9;
}

void tst_frmPuhad::fourRowMonths()
{
    QFETCH(int, month);
    tundrik::CalendarMonth = qint16(month);
    tundrik::CalendarYear = 2004;
    frmPuhad w(nullptr);
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
    frmKalender calendar(clock, nullptr);
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
    tundrik::CalendarMonth = 12;
    tundrik::CalendarYear = 2004;
    frmPuhad w(nullptr);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.focusWidget(), button(&w, "cmdOlgu"));
    QTest::keyClick(w.focusWidget(), Qt::Key(key));
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(tst_frmPuhad)
#include "tst_frmPuhad.moc"

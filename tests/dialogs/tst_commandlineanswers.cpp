// SPDX-License-Identifier: GPL-3.0-or-later
// The command line answers what the calculator windows show: each question
// is typed into its window, the boxes the options stand for are clicked
// ("juuliuse kalender", "G" answered Yes, "aastat", "kuud", "Lahuta"), and
// the window's answer is compared with the subcommand's. Where the window
// does not let a box be clicked for the input, the subcommand refuses the
// option. The month calendar's week settings are named as the main window's
// "Seaded" menu names them.
#include "dialogtest.h"
#include "fakeclock.h"
#include "frmjuuliusepaev.h"
#include "frmkuupaev.h"
#include "frmliidalahuta.h"
#include "frmliigaasta.h"
#include "frmvahemik.h"

#include "console.h"
#include "modarvutused.h"
#include "monthsheet.h"

#include <QAction>
#include <QMenu>

#include <QTextStream>

using namespace dialogtest;

namespace {

struct Reply {
    int status = -1;
    QString out;
};

Reply commandLine(const QStringList &arguments)
{
    Reply r;
    QString none, err;
    QTextStream in(&none, QIODevice::ReadOnly);
    QTextStream out(&r.out);
    QTextStream errors(&err);
    tundrik::FakeClock clock;
    clock.setNow(2004, 1, 1, 12, 0, 0);
    r.status = console::run(arguments, in, out, errors, clock);
    out.flush();
    if (r.out.endsWith(QLatin1Char('\n')))
        r.out.chop(1);
    return r;
}

// "dd.mm.yyyy" and the keys that type it.
struct Date {
    int y, m, d;
    QString text() const
    {
        return QStringLiteral("%1.%2.%3")
            .arg(d, 2, 10, QLatin1Char('0'))
            .arg(m, 2, 10, QLatin1Char('0'))
            .arg(y);
    }
    QString keys() const { return QString(text()).remove(QLatin1Char('.')); }
};

// Every 23rd day of 1582 to 1583 and every 37th of 1999 to 2001, and the
// days of the reform and of the Julian calendar only.
QList<Date> sampleDays()
{
    QList<Date> out;
    for (const auto &[first, last, step] : {std::tuple {1582, 1583, 23}, std::tuple {1999, 2001, 37}}) {
        for (QDate d(first, 1, 1); d.year() <= last; d = d.addDays(step))
            out.append({d.year(), d.month(), d.day()});
    }
    out.append({{1582, 10, 4},
                {1582, 10, 5},
                {1582, 10, 14},
                {1582, 10, 15},
                {1700, 2, 29},
                {1500, 2, 29},
                {2000, 2, 29},
                {2299, 12, 31},
                {1000, 1, 1}});
    return out;
}

bool beforeReform(const Date &x)
{
    return x.y < 1582 || (x.y == 1582 && (x.m < 10 || (x.m == 10 && x.d < 15)));
}

} // namespace

class tst_commandlineanswers : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<CalculatorDialog> m_dialog;

    QWidget *dlg() { return m_dialog.get(); }
    FrameCheckBox *box(const char *name) { return child<FrameCheckBox>(dlg(), QString::fromUtf8(name)); }
    QPushButton *button(const char *name) { return child<QPushButton>(dlg(), QString::fromUtf8(name)); }

    template<class Dialog, class... Args>
    bool open(Args &&...args)
    {
        m_dialog.reset();
        m_dialog = std::make_unique<Dialog>(m_main->window.get(), std::forward<Args>(args)...);
        return showDialog(dlg());
    }

    // Presses "G" and answers Yes; false when the window does not show it.
    bool gregorian()
    {
        if (!button("chkGregorius")->isVisibleTo(dlg()))
            return false;
        Answerer answerer(m_dialog.get());
        answerer.answers.push_back(QMessageBox::Yes);
        click(button("chkGregorius"));
        return true;
    }

    // Checks a box with a click unless it is checked already; false when
    // the window does not let it be changed.
    bool check(FrameCheckBox *b)
    {
        if (b->checkState() == Qt::Checked)
            return true;
        if (!b->isEnabled() || b->property("tag").toString() == QLatin1String("KEELA"))
            return false;
        const Qt::CheckState before = b->checkState();
        click(b);
        return b->checkState() != before;
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        m_main = std::make_unique<MainWindow>();
    }

    void cleanup() { m_dialog.reset(); }

    void dayDescription_data()
    {
        QTest::addColumn<QString>("subcommand");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("option");
        for (const QString &subcommand : {QStringLiteral("jp"), QStringLiteral("nädalapäev")}) {
            for (const Date &x : sampleDays()) {
                const QString other = beforeReform(x) ? QStringLiteral("--gregooriuse")
                                                      : QStringLiteral("--juliuse");
                for (const QString &option : {QString(), other})
                    QTest::addRow("%s %s %s", qPrintable(subcommand), qPrintable(x.text()),
                                  qPrintable(option))
                        << subcommand << x.text() << option;
            }
        }
        // Options the window does not offer for the input.
        QTest::newRow("G after the reform") << "jp"
                                            << "01.01.2000"
                                            << "--gregooriuse";
        QTest::newRow("G of a Julian-only day") << "nädalapäev"
                                                << "29.02.1500"
                                                << "--gregooriuse";
    }

    void dayDescription()
    {
        QFETCH(QString, subcommand);
        QFETCH(QString, date);
        QFETCH(QString, option);
        QVERIFY(open<frmJuuliusePaev>(subcommand == QLatin1String("jp") ? QStringLiteral("JP")
                                                                        : QStringLiteral("NP")));
        type(QString(date).remove(QLatin1Char('.')));
        bool offered = true;
        if (option == QLatin1String("--juliuse"))
            offered = check(box("chkJuliuseKal"));
        key(Qt::Key_Return);
        if (option == QLatin1String("--gregooriuse"))
            offered = gregorian();
        const Reply r = commandLine(QStringList {subcommand, date}
                                    + (option.isEmpty() ? QStringList() : QStringList {option}));
        QCOMPARE(r.status, offered ? 0 : 1);
        if (offered)
            QCOMPARE(r.out, answer(dlg()));
    }

    void dateOfADayNumber_data()
    {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("option");
        QList<qint64> numbers {1757600, 2299160, 2299161, 2342042, 2268992, 2561100};
        for (const Date &x : sampleDays())
            numbers << QDate(x.y, x.m, std::min(x.d, 28)).toJulianDay();
        for (qint64 n : numbers) {
            for (const QString &option :
                 {QString(), QStringLiteral("--juliuse"), QStringLiteral("--gregooriuse")})
                QTest::addRow("%lld %s", n, qPrintable(option)) << n << option;
        }
    }

    void dateOfADayNumber()
    {
        QFETCH(qint64, number);
        QFETCH(QString, option);
        QVERIFY(open<frmKuupaev>());
        type(QString::number(number));
        // Outside the range the window cannot compute.
        bool offered = button("cmdArvuta")->isEnabled();
        if (option == QLatin1String("--juliuse"))
            offered = offered && (check(box("chkJuliuseKal")) || number < 2299161);
        key(Qt::Key_Return);
        if (option == QLatin1String("--gregooriuse"))
            offered = offered && gregorian();
        const Reply r = commandLine(QStringList {QStringLiteral("kuupäev"), QString::number(number)}
                                    + (option.isEmpty() ? QStringList() : QStringList {option}));
        QCOMPARE(r.status, offered ? 0 : 1);
        if (offered)
            QCOMPARE(r.out, answer(dlg()));
    }

    void interval_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("options");
        const QList<Date> days = sampleDays();
        const QList<QStringList> optionSets {{},
                                             {"--aastad"},
                                             {"--kuud"},
                                             {"--aastad", "--kuud"},
                                             {"--juliuse1"},
                                             {"--juliuse2", "--kuud"},
                                             {"--juliuse1", "--juliuse2", "--aastad", "--kuud"}};
        for (qsizetype i = 0; i + 1 < days.size(); i += 3) {
            const Date &a = days.at(i);
            const Date &b = days.at(days.size() - 1 - i);
            const QStringList &options = optionSets.at(i % optionSets.size());
            QTest::addRow("%s %s %s", qPrintable(a.text()), qPrintable(b.text()),
                          qPrintable(options.join(' ')))
                << a.text() << b.text() << options;
        }
        QTest::newRow("the issue's example") << "24.02.1918"
                                             << "20.08.1991" << QStringList {"--aastad", "--kuud"};
        QTest::newRow("years within a year") << "15.01.2001"
                                             << "20.12.2001" << QStringList {"--aastad"};
        QTest::newRow("months within a month") << "15.01.2001"
                                               << "20.01.2001" << QStringList {"--kuud"};
    }

    void interval()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, options);
        QVERIFY(open<frmVahemik>());
        type(QString(first).remove(QLatin1Char('.')));
        type(QString(second).remove(QLatin1Char('.')));
        bool offered = true;
        // A date before the reform is in the Julian reading already: its
        // box is grayed.
        if (options.contains(QLatin1String("--juliuse1"))
            && box("chkIJuliuseKal")->checkState() == Qt::Unchecked)
            offered = check(box("chkIJuliuseKal")) && offered;
        if (options.contains(QLatin1String("--juliuse2"))
            && box("chkIIJuliuseKal")->checkState() == Qt::Unchecked)
            offered = check(box("chkIIJuliuseKal")) && offered;
        QVERIFY(button("cmdArvuta")->isEnabled());
        click(button("cmdArvuta"));
        if (options.contains(QLatin1String("--aastad")))
            offered = check(box("chkAasta")) && offered;
        if (options.contains(QLatin1String("--kuud")))
            offered = check(box("chkKuu")) && offered;
        const Reply r = commandLine(QStringList {QStringLiteral("vahe"), first, second} + options);
        QCOMPARE(r.status, offered ? 0 : 1);
        if (offered)
            QCOMPARE(r.out, answer(dlg()));
    }

    void shift_data()
    {
        QTest::addColumn<QString>("subcommand");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<bool>("julian");
        const QList<QStringList> counts {{"1", "2", "3"},     {"0", "0", "1000"},  {"0", "13", "0"},
                                         {"219", "11", "30"}, {"0", "0", "79999"}, {"0", "0", "1"}};
        int i = 0;
        for (const Date &x : sampleDays()) {
            if (x.y < 320 || x.y > 2079 || (x.m == 2 && x.d == 29 && x.y % 400 != 0))
                continue;
            const QStringList &c = counts.at(i % counts.size());
            const QString subcommand = i % 2 ? QStringLiteral("lahuta") : QStringLiteral("liida");
            ++i;
            for (const bool julian : {false, true})
                QTest::addRow("%s %s %s%s", qPrintable(subcommand), qPrintable(x.text()),
                              qPrintable(c.join(' ')), julian ? " --juliuse" : "")
                    << subcommand << x.text() << c << julian;
        }
        QTest::newRow("back across 1700") << "lahuta"
                                          << "01.03.1700" << QStringList {"0", "0", "1"} << true;
        QTest::newRow("1900 far ahead") << "liida"
                                        << "01.01.1850" << QStringList {"0", "0", "30000"} << true;
    }

    void shift()
    {
        QFETCH(QString, subcommand);
        QFETCH(QString, date);
        QFETCH(QStringList, counts);
        QFETCH(bool, julian);
        QVERIFY(open<frmLiidaLahuta>());
        type(QString(date).remove(QLatin1Char('.')));
        for (int i = 0; i < 3; ++i) {
            const char *names[] = {"takAasta", "takKuu", "takPäev"};
            QVERIFY(hasFocusIn(child(dlg(), QString::fromUtf8(names[i]))));
            type(counts.at(i));
            if (hasFocusIn(child(dlg(), QString::fromUtf8(names[i]))))
                key(Qt::Key_Tab);
        }
        if (subcommand == QLatin1String("lahuta"))
            click(box("chkLahuta"));
        bool offered = true;
        if (julian)
            offered = check(box("chkJuliuseKal"));
        click(button("cmdArvuta"));
        const Reply r = commandLine(QStringList {subcommand, date} + counts
                                    + (julian ? QStringList {QStringLiteral("--juliuse")} : QStringList()));
        QCOMPARE(r.status, offered ? 0 : 1);
        if (offered)
            QCOMPARE(r.out, answer(dlg()));
    }

    void leapYear_data()
    {
        QTest::addColumn<int>("year");
        for (int year = 100; year <= 2299; year += 41)
            QTest::addRow("%d", year) << year;
        for (int year : {1500, 1600, 1700, 2000, 2024, 2299})
            QTest::addRow("%d", year) << year;
    }

    // Every choice of "Aasta esimene nädal" and "Nädala esimene päev" by its
    // caption (without the access key): the command line takes it for the
    // setting the menu item sets.
    void settingsByTheMenusNames()
    {
        int items = 0;
        for (const auto &[menu, option, weeks] :
             {std::tuple {"mnuSeadedEsimeneNädal", "--esimene-nädal=", true},
              std::tuple {"mnuSeadedEsimenePäev", "--esimene-päev=", false}}) {
            const auto *submenu = m_main->window->findChild<QMenu *>(QString::fromUtf8(menu));
            QVERIFY(submenu);
            for (QAction *a : submenu->actions()) {
                const QString caption = a->text().remove(QLatin1Char('&'));
                // The value the form gives the item, which it sets when chosen.
                const int value = a->property(weeks ? "firstWeekOfYear" : "firstDayOfWeek").toInt();
                const QString name = weeks ? monthsheet::FirstWeekOfYearNames().at(value - 1)
                                           : modArvutused::WeekdayNames().at(value - 1);
                QCOMPARE(caption, name);
                QCOMPARE(commandLine({QStringLiteral("kalender"), QString::fromUtf8(option) + caption,
                                      QStringLiteral("2004")})
                             .status,
                         0);
                ++items;
            }
        }
        QCOMPARE(items, 10);
    }

    void leapYear()
    {
        QFETCH(int, year);
        QVERIFY(open<frmLiigaasta>());
        type(QString::number(year));
        key(Qt::Key_Return);
        const Reply r = commandLine({QStringLiteral("liigaasta"), QString::number(year)});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, answer(dlg()));
    }
};

QTEST_MAIN(tst_commandlineanswers)
#include "tst_commandlineanswers.moc"

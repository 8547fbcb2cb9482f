// SPDX-License-Identifier: GPL-3.0-or-later
// The leap-year calculator: the years of the edge cases, Enter and clicks,
// its own answer flag, and every year of the range against QDate.
#include "dialogtest.h"
#include "frmliigaasta.h"

#include <QDate>

using namespace dialogtest;

class tst_frmliigaasta : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<frmLiigaasta> m_dialog;

    QWidget *dlg() { return m_dialog.get(); }
    QWidget *yearBox() { return child(dlg(), QStringLiteral("takAasta")); }
    QPushButton *arvuta() { return child<QPushButton>(dlg(), QStringLiteral("cmdArvuta")); }

private slots:
    void initTestCase()
    {
        setUpApplication();
        m_main = std::make_unique<MainWindow>();
    }

    void init()
    {
        m_dialog = std::make_unique<frmLiigaasta>(m_main->window.get());
        QVERIFY(showDialog(dlg()));
    }

    void cleanup() { m_dialog.reset(); }

    void answers_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("expected");
        QTest::newRow("2000") << "2000" << "Jah, on liigaasta";
        QTest::newRow("1900") << "1900" << "Ei ole liigaasta";
        QTest::newRow("2024") << "2024" << "Jah, on liigaasta";
        QTest::newRow("2023") << "2023" << "Ei ole liigaasta";
        QTest::newRow("1500, Julian leap year") << "1500" << "Ei ole liigaasta";
        QTest::newRow("100, Julian leap year") << "100" << "Ei ole liigaasta";
    }

    void answers()
    {
        QFETCH(QString, year);
        QFETCH(QString, expected);
        QCOMPARE(arvuta()->text(), QStringLiteral("&Kontrolli"));
        QVERIFY(arvuta()->toolTip().isEmpty());
        type(year);
        QVERIFY(arvuta()->isEnabled());
        key(Qt::Key_Return);
        QCOMPARE(answer(dlg()), expected);
        QCOMPARE(arvuta()->text(), QStringLiteral("&Kustuta"));
        QVERIFY(arvuta()->toolTip().isEmpty());
        QVERIFY(m_dialog->answerShown());
        QVERIFY(!child(dlg(), QStringLiteral("fraSisesta"))->isEnabled());
        click(arvuta());
        QVERIFY(answer(dlg()).isEmpty());
        QCOMPARE(arvuta()->text(), QStringLiteral("&Kontrolli"));
        QVERIFY(yearBox()->property("TKArv").isNull());
        QVERIFY(!arvuta()->isEnabled());
        QVERIFY(hasFocusIn(yearBox()));
    }

    void yearsOutsideTheRangeCannotBeChecked_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::newRow("two digits") << "99";
        QTest::newRow("zero") << "0";
        QTest::newRow("above 2299") << "23"; // the 3 is refused
    }

    void yearsOutsideTheRangeCannotBeChecked()
    {
        QFETCH(QString, keys);
        type(keys);
        QVERIFY(!arvuta()->isEnabled());
        key(Qt::Key_Return);
        QVERIFY(answer(dlg()).isEmpty());
    }

    void everyYearAgainstQDate()
    {
        for (int year = 100; year <= 2299; ++year) {
            type(QString::number(year));
            // Four digits complete the year and send the focus to the button;
            // a shorter year is checked by Enter in the box.
            if (year >= 1000) {
                QCOMPARE(focused(), arvuta());
                key(Qt::Key_Space);
            } else {
                key(Qt::Key_Return);
                // The box is disabled with the answer; the button takes the focus.
                QCOMPARE(focused(), arvuta());
            }
            QCOMPARE(answer(dlg()), QDate::isLeapYear(year) ? QStringLiteral("Jah, on liigaasta")
                                                            : QStringLiteral("Ei ole liigaasta"));
            key(Qt::Key_Space);
        }
    }
};

QTEST_MAIN(tst_frmliigaasta)
#include "tst_frmliigaasta.moc"

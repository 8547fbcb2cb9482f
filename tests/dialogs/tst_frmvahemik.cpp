// SPDX-License-Identifier: GPL-3.0-or-later
// The interval calculator: two dates typed one after the other, the unit
// boxes that the dates enable, "päeva" that never leaves, the two Julian
// boxes and their readings.
#include "dialogtest.h"
#include "frmvahemik.h"

using namespace dialogtest;

class tst_frmvahemik : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<frmVahemik> m_dialog;

    QWidget *dlg() { return m_dialog.get(); }
    QWidget *first() { return child(dlg(), QStringLiteral("tkpIKuupäev")); }
    QWidget *second() { return child(dlg(), QStringLiteral("tkpIIKuupäev")); }
    FrameCheckBox *box(const char *name) { return child<FrameCheckBox>(dlg(), QString::fromUtf8(name)); }
    QPushButton *arvuta() { return child<QPushButton>(dlg(), QStringLiteral("cmdArvuta")); }

    // Types both dates; the first box sends the focus on to the second.
    void enter(const QString &a, const QString &b)
    {
        type(a);
        QVERIFY(hasFocusIn(second()));
        type(b);
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        m_main = std::make_unique<MainWindow>();
    }

    void init()
    {
        m_dialog = std::make_unique<frmVahemik>(m_main->window.get());
        QVERIFY(showDialog(dlg()));
    }

    void cleanup() { m_dialog.reset(); }

    void unitBoxesFollowTheDates_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("years");
        QTest::addColumn<bool>("months");
        QTest::addColumn<QString>("days");
        QTest::newRow("a day across new year") << "31122000" << "01012001" << true << true << "1 päev";
        QTest::newRow("within one month") << "15012001" << "20012001" << false << false << "5 päeva";
        QTest::newRow("next month, same year") << "31012001" << "01022001" << false << true << "1 päev";
        QTest::newRow("second date earlier") << "09082005" << "10052003" << false << false << "- 822 päeva";
        QTest::newRow("same date") << "10052003" << "10052003" << false << false << "0 päeva";
        QTest::newRow("grouped day count") << "01012000" << "19052003" << true << true << nb("1 234") + QStringLiteral(" päeva");
    }

    void unitBoxesFollowTheDates()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, years);
        QFETCH(bool, months);
        QFETCH(QString, days);
        QVERIFY(!box("chkAasta")->isEnabled());
        QVERIFY(!box("chkKuu")->isEnabled());
        enter(a, b);
        QCOMPARE(focused(), arvuta());
        QCOMPARE(box("chkAasta")->isEnabled(), years);
        QCOMPARE(box("chkKuu")->isEnabled(), months);
        key(Qt::Key_Return);
        QCOMPARE(answer(dlg()), days);
        QCOMPARE(arvuta()->toolTip(), QStringLiteral(" Kustuta vastus ja kuupäevad "));
    }

    void unitChoicesRecompute_data()
    {
        QTest::addColumn<bool>("years");
        QTest::addColumn<bool>("months");
        QTest::addColumn<QString>("expected");
        QTest::newRow("years and months") << true << true << "2 aastat, 2 kuud ja 30 päeva";
        QTest::newRow("months only") << false << true << "26 kuud ja 30 päeva";
        QTest::newRow("years only") << true << false << "2 aastat ja 91 päeva";
        QTest::newRow("days only") << false << false << "822 päeva";
    }

    void unitChoicesRecompute()
    {
        QFETCH(bool, years);
        QFETCH(bool, months);
        QFETCH(QString, expected);
        enter(QStringLiteral("10052003"), QStringLiteral("09082005"));
        // Chosen before computing: the click only moves the focus back.
        if (years)
            click(box("chkAasta"));
        QCOMPARE(focused(), arvuta());
        click(arvuta());
        QCOMPARE(answer(dlg()), years ? QStringLiteral("2 aastat ja 91 päeva") : QStringLiteral("822 päeva"));
        // Chosen while the answer is shown: recomputed at once.
        if (months)
            click(box("chkKuu"));
        QCOMPARE(answer(dlg()), expected);
        QCOMPARE(focused(), arvuta());
    }

    void daysCannotBeUnchecked()
    {
        FrameCheckBox *paev = box("chkPäev");
        QCOMPARE(paev->checkState(), Qt::PartiallyChecked);
        click(paev);
        QCOMPARE(paev->checkState(), Qt::PartiallyChecked);
        QVERIFY(hasFocusIn(first()));
        enter(QStringLiteral("10052003"), QStringLiteral("09082005"));
        click(arvuta());
        click(box("chkAasta"));
        QCOMPARE(answer(dlg()), QStringLiteral("2 aastat ja 91 päeva"));
        click(paev);
        click(paev, Qt::RightButton);
        QCOMPARE(paev->checkState(), Qt::PartiallyChecked);
        QCOMPARE(answer(dlg()), QStringLiteral("2 aastat ja 91 päeva"));
        QCOMPARE(focused(), arvuta());
    }

    void eachDateHasItsOwnJulianBox()
    {
        type(QStringLiteral("04101582"));
        QCOMPARE(box("chkIJuliuseKal")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(box("chkIIJuliuseKal")->checkState(), Qt::PartiallyChecked);
        QVERIFY(!arvuta()->isEnabled());
        type(QStringLiteral("15101582"));
        QCOMPARE(box("chkIJuliuseKal")->property("tag").toString(), QStringLiteral("KEELA"));
        QCOMPARE(box("chkIIJuliuseKal")->checkState(), Qt::Unchecked);
        QCOMPARE(box("chkIIJuliuseKal")->property("tag").toString(), QStringLiteral("LUBA"));
        click(arvuta());
        // Julian 4.10.1582 was the day before Gregorian 15.10.1582.
        QCOMPARE(answer(dlg()), QStringLiteral("1 päev"));
        click(box("chkIIJuliuseKal"));
        QCOMPARE(answer(dlg()), QStringLiteral("11 päeva"));
        click(box("chkIJuliuseKal"));
        QCOMPARE(box("chkIJuliuseKal")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(answer(dlg()), QStringLiteral("11 päeva"));
    }

    // Two Julian dates count whole years and months within the Julian
    // calendar, and a plain day count the same true days.
    void julianReadingsOfBothDates_data()
    {
        QTest::addColumn<bool>("years");
        QTest::addColumn<QString>("expected");
        QTest::newRow("days") << false << "366 päeva";
        QTest::newRow("years") << true << "1 aasta";
    }

    void julianReadingsOfBothDates()
    {
        QFETCH(bool, years);
        QFETCH(QString, expected);
        // 28.02.1700 to 28.02.1701 in the Julian calendar crosses Julian
        // 29.02.1700 (365 days in the Gregorian reading).
        enter(QStringLiteral("28021700"), QStringLiteral("28021701"));
        click(box("chkIJuliuseKal"));
        click(box("chkIIJuliuseKal"));
        if (years)
            click(box("chkAasta"));
        click(arvuta());
        QCOMPARE(answer(dlg()), expected);
    }

    // Every part of the answer is >= 0 and the day part is shorter than its
    // month; a month or year is counted only when its date, built with the
    // normalising rule, is not after the second date.
    void noNegativeParts_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("years");
        QTest::addColumn<bool>("months");
        QTest::addColumn<QString>("expected");
        QTest::newRow("31.1 to 1.3, months") << "31012003" << "01032003" << false << true << "29 päeva";
        QTest::newRow("29.2 to 1.3 next year") << "29022000" << "01032001" << true << true << "1 aasta";
        QTest::newRow("29.2.400 to 19.12.401") << "2902400" << "1912401" << true << true
                                               << "1 aasta, 9 kuud ja 20 päeva";
        QTest::newRow("listed, both") << "10052003" << "09082005" << true << true << "2 aastat, 2 kuud ja 30 päeva";
        QTest::newRow("listed, months") << "10052003" << "09082005" << false << true << "26 kuud ja 30 päeva";
        QTest::newRow("listed, years") << "10052003" << "09082005" << true << false << "2 aastat ja 91 päeva";
    }

    void noNegativeParts()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, years);
        QFETCH(bool, months);
        QFETCH(QString, expected);
        type(a);
        // A year of three digits completes nothing; Tab moves on.
        if (!hasFocusIn(second()))
            key(Qt::Key_Tab);
        QVERIFY(hasFocusIn(second()));
        type(b);
        if (years)
            click(box("chkAasta"));
        if (months)
            click(box("chkKuu"));
        QCOMPARE(box("chkAasta")->isChecked(), years);
        QCOMPARE(box("chkKuu")->isChecked(), months);
        click(arvuta());
        QCOMPARE(answer(dlg()), expected);
    }

    // The unit boxes compare the values the answer counts between: Julian
    // 25.12.2000 is Gregorian 7.1.2001, after the second date 2.1.2001.
    void mixedReadingsReversed()
    {
        enter(QStringLiteral("25122000"), QStringLiteral("02012001"));
        QVERIFY(box("chkAasta")->isEnabled());
        click(box("chkAasta"));
        click(box("chkKuu"));
        click(arvuta());
        QCOMPARE(answer(dlg()), QStringLiteral("8 päeva"));
        click(box("chkIJuliuseKal"));
        QCOMPARE(box("chkIJuliuseKal")->checkState(), Qt::Checked);
        QVERIFY(!box("chkAasta")->isEnabled());
        QVERIFY(!box("chkKuu")->isEnabled());
        QVERIFY(!box("chkAasta")->isChecked());
        QVERIFY(!box("chkKuu")->isChecked());
        QCOMPARE(answer(dlg()), QStringLiteral("- 5 päeva"));
        QCOMPARE(focused(), arvuta());
        // Back to the Gregorian reading: the dates are a year apart again.
        click(box("chkIJuliuseKal"));
        QVERIFY(box("chkAasta")->isEnabled());
        QVERIFY(box("chkKuu")->isEnabled());
        QCOMPARE(answer(dlg()), QStringLiteral("8 päeva"));
    }

    // Julian 25.12.2000 and Gregorian 10.1.2001 lie in one month of the
    // Gregorian calendar, in which the answer counts them.
    void mixedReadingsInOneMonth()
    {
        enter(QStringLiteral("25122000"), QStringLiteral("10012001"));
        QVERIFY(box("chkAasta")->isEnabled());
        click(box("chkIJuliuseKal"));
        QVERIFY(!box("chkAasta")->isEnabled());
        QVERIFY(!box("chkKuu")->isEnabled());
        click(arvuta());
        QCOMPARE(answer(dlg()), QStringLiteral("3 päeva"));
    }

    // Two dates before the reform are counted in the Julian calendar, which
    // has a 29 February in 1500: two days whichever units are ticked.
    void julianCountDoesNotDependOnUnits()
    {
        enter(QStringLiteral("28021500"), QStringLiteral("01031500"));
        QCOMPARE(box("chkIJuliuseKal")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(box("chkIIJuliuseKal")->checkState(), Qt::PartiallyChecked);
        QVERIFY(!box("chkAasta")->isEnabled());
        QVERIFY(box("chkKuu")->isEnabled());
        click(arvuta());
        QCOMPARE(answer(dlg()), QStringLiteral("2 päeva"));
        click(box("chkKuu"));
        QVERIFY(box("chkKuu")->isChecked());
        QCOMPARE(answer(dlg()), QStringLiteral("2 päeva"));
    }

    // Julian 29.02.1700 keeps its box checked; the second date, a date of
    // both calendars, starts in the Gregorian reading.
    void julianOnlyLeapDay()
    {
        enter(QStringLiteral("29021700"), QStringLiteral("28021701"));
        QCOMPARE(box("chkIJuliuseKal")->checkState(), Qt::Checked);
        QCOMPARE(box("chkIJuliuseKal")->property("tag").toString(), QStringLiteral("LUBA"));
        QCOMPARE(box("chkIIJuliuseKal")->checkState(), Qt::Unchecked);
        QCOMPARE(focused(), arvuta());
        // Gregorian 11.03.1700 to 28.02.1701.
        click(arvuta());
        QCOMPARE(answer(dlg()), QStringLiteral("354 päeva"));
        // Both Julian: counted in the Julian calendar.
        click(box("chkIIJuliuseKal"));
        QCOMPARE(answer(dlg()), QStringLiteral("365 päeva"));
        QVERIFY(box("chkAasta")->isEnabled());
        // A Julian year from 29 February ends on 1 March 1701.
        click(box("chkAasta"));
        QCOMPARE(answer(dlg()), QStringLiteral("365 päeva"));
        click(box("chkKuu"));
        QCOMPARE(answer(dlg()), QStringLiteral("11 kuud ja 30 päeva"));
        // The first date has no Gregorian reading: its box keeps its check.
        click(box("chkIJuliuseKal"));
        QCOMPARE(box("chkIJuliuseKal")->checkState(), Qt::Checked);
        QCOMPARE(answer(dlg()), QStringLiteral("11 kuud ja 30 päeva"));
        QVERIFY(arvuta()->isEnabled());
    }

    // Julian 29.02.1700 is Gregorian 11.03.1700, after 01.03.1700.
    void julianOnlyLeapDayAfterTheSecondDate()
    {
        enter(QStringLiteral("29021700"), QStringLiteral("01031700"));
        QVERIFY(!box("chkAasta")->isEnabled());
        QVERIFY(!box("chkKuu")->isEnabled());
        click(arvuta());
        QCOMPARE(answer(dlg()), QStringLiteral("- 10 päeva"));
    }

    // Unchecked, the first date is no date: cmdArvuta goes off until the
    // box is checked again.
    void uncheckingAJulianOnlyDay()
    {
        enter(QStringLiteral("29021700"), QStringLiteral("01031700"));
        QVERIFY(arvuta()->isEnabled());
        click(box("chkIJuliuseKal"));
        QCOMPARE(box("chkIJuliuseKal")->checkState(), Qt::Unchecked);
        QVERIFY(!arvuta()->isEnabled());
        QVERIFY(!box("chkKuu")->isEnabled());
        QVERIFY(hasFocusIn(first()));
        click(box("chkIJuliuseKal"));
        QCOMPARE(box("chkIJuliuseKal")->checkState(), Qt::Checked);
        QVERIFY(arvuta()->isEnabled());
    }

    void clearingEmptiesBothDates()
    {
        enter(QStringLiteral("10052003"), QStringLiteral("09082005"));
        click(box("chkAasta"));
        click(arvuta());
        click(arvuta());
        QVERIFY(answer(dlg()).isEmpty());
        QVERIFY(!first()->property("TKKuupaevOige").toBool());
        QVERIFY(!second()->property("TKKuupaevOige").toBool());
        QVERIFY(!arvuta()->isEnabled());
        QVERIFY(!box("chkAasta")->isEnabled());
        QVERIFY(!box("chkAasta")->isChecked());
        QCOMPARE(box("chkIJuliuseKal")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(box("chkIIJuliuseKal")->checkState(), Qt::PartiallyChecked);
        QVERIFY(hasFocusIn(first()));
    }

    void focusFollowsTheDates()
    {
        // The second date first: completing it sends the focus to the first.
        // The access key of "&Teine kuupäev".
        QTest::keyClick(dlg()->windowHandle(), Qt::Key_T, Qt::AltModifier);
        QVERIFY(hasFocusIn(second()));
        type(QStringLiteral("09082005"));
        QVERIFY(hasFocusIn(first()));
        QVERIFY(!arvuta()->isEnabled());
        type(QStringLiteral("10052003"));
        QCOMPARE(focused(), arvuta());
        // A press on a locked box with both dates valid goes to cmdArvuta.
        click(box("chkIJuliuseKal"));
        QCOMPARE(focused(), arvuta());
    }
};

QTEST_MAIN(tst_frmvahemik)
#include "tst_frmvahemik.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The new-date calculator: a date and three counts typed in keyboard order,
// the limits that follow the counts, the operation boxes that switch on
// every press, and the Julian box offered only across a century year without
// 29 February in the Gregorian calendar.
#include "datevalue.h"
#include "dialogtest.h"
#include "frmliidalahuta.h"
#include "modarvutused.h"

using namespace dialogtest;

class tst_frmliidalahuta : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<frmLiidaLahuta> m_dialog;

    QWidget *dlg() { return m_dialog.get(); }
    QWidget *w(const char *name) { return child(dlg(), QString::fromUtf8(name)); }
    FrameCheckBox *box(const char *name) { return child<FrameCheckBox>(dlg(), QString::fromUtf8(name)); }
    QString label(const char *name) { return child<QLabel>(dlg(), QString::fromUtf8(name))->text(); }
    QPushButton *arvuta() { return child<QPushButton>(dlg(), QStringLiteral("cmdArvuta")); }

    // Date, then the three counts with Tab between them (an empty count is 0).
    void enter(const QString &date, const QString &years, const QString &months, const QString &days)
    {
        type(date);
        QVERIFY(hasFocusIn(w("takAasta")));
        type(years);
        if (hasFocusIn(w("takAasta")))
            key(Qt::Key_Tab);
        QVERIFY(hasFocusIn(w("takKuu")));
        type(months);
        if (hasFocusIn(w("takKuu")))
            key(Qt::Key_Tab);
        QVERIFY(hasFocusIn(w("takPäev")));
        type(days);
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        m_main = std::make_unique<MainWindow>();
    }

    void init()
    {
        m_dialog = std::make_unique<frmLiidaLahuta>(m_main->window.get());
        QVERIFY(showDialog(dlg()));
    }

    void cleanup() { m_dialog.reset(); }

    void startState()
    {
        QCOMPARE(dlg()->windowTitle(), QStringLiteral("Leia uus kuupäev"));
        QVERIFY(box("chkLiida")->isChecked());
        QVERIFY(!box("chkLahuta")->isChecked());
        QVERIFY(!box("chkJuliuseKal")->isEnabled());
        QVERIFY(!box("chkJuliuseKal")->isChecked());
        QCOMPARE(label("lblAasta"), QStringLiteral("< 220"));
        QCOMPARE(label("lblKuu"), QStringLiteral("< 2640"));
        QCOMPARE(label("lblPäev"), QStringLiteral("< 80 000"));
        QVERIFY(!arvuta()->isEnabled());
    }

    void shifts_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("months");
        QTest::addColumn<QString>("days");
        QTest::addColumn<bool>("add");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a date alone") << "10052003" << "" << "" << "" << true << "10.05.2003. a.";
        QTest::newRow("minus 1000 days") << "10052003" << "" << "" << "1000" << false << "13.08.2000. a.";
        QTest::newRow("plus 999 days") << "10052003" << "" << "" << "999" << true << "02.02.2006. a.";
        QTest::newRow("31 February runs on") << "31012003" << "" << "1" << "" << true << "03.03.2003. a.";
        QTest::newRow("leap day plus a year") << "29022000" << "1" << "" << "" << true << "01.03.2001. a.";
        QTest::newRow("largest shift back") << "01011800" << "" << "" << "79999" << false << "21.12.1580. a.";
        QTest::newRow("years, months, days") << "15061990" << "10" << "11" << "30" << true << "14.06.2001. a.";
    }

    void shifts()
    {
        QFETCH(QString, date);
        QFETCH(QString, years);
        QFETCH(QString, months);
        QFETCH(QString, days);
        QFETCH(bool, add);
        QFETCH(QString, expected);
        if (!add)
            click(box("chkLiida"));
        QCOMPARE(m_dialog->addMode(), add);
        enter(date, years, months, days);
        key(Qt::Key_Return);
        QCOMPARE(answer(dlg()), expected);
        QCOMPARE(arvuta()->toolTip(), QStringLiteral(" Kustuta vastus ja sisestuskastid "));
    }

    void julianBoxAcrossCenturyYears_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("days");
        QTest::addColumn<bool>("offered");
        QTest::newRow("back across 1700") << "01031700" << "" << "1" << true;
        QTest::newRow("2000 has 29 February") << "01032000" << "" << "1" << false;
        QTest::newRow("no century year") << "01031750" << "" << "10" << false;
        QTest::newRow("1900 far ahead") << "01011850" << "" << "30000" << true;
        QTest::newRow("years given") << "01031700" << "1" << "1" << false;
    }

    void julianBoxAcrossCenturyYears()
    {
        QFETCH(QString, date);
        QFETCH(QString, years);
        QFETCH(QString, days);
        QFETCH(bool, offered);
        enter(date, years, QString(), days);
        QCOMPARE(box("chkJuliuseKal")->isEnabled(), offered);
    }

    void julianReadingOfOneDayBack()
    {
        click(box("chkLiida"));
        enter(QStringLiteral("01031700"), QString(), QString(), QStringLiteral("1"));
        QVERIFY(box("chkJuliuseKal")->isEnabled());
        key(Qt::Key_Return);
        QCOMPARE(answer(dlg()), QStringLiteral("28.02.1700. a."));
        click(box("chkJuliuseKal"));
        QVERIFY(box("chkJuliuseKal")->isChecked());
        QCOMPARE(focused(), arvuta());
        // Julian 1.3.1700 is Gregorian 12.3.1700; the day before it, read in
        // the Julian calendar, is what ShiftedDateText gives for it.
        const QString julian = modArvutused::ShiftedDateText(datevalue::DateSerial(1700, 3, 12), 0, 0,
                                                             1, false, true);
        QCOMPARE(answer(dlg()), julian);
        QVERIFY(julian != QStringLiteral("28.02.1700. a."));
        // Growing the count by a digit is no longer possible with the answer
        // shown; clearing it takes the box's check away with the offer.
        click(arvuta());
        QVERIFY(!box("chkJuliuseKal")->isEnabled());
        QVERIFY(!box("chkJuliuseKal")->isChecked());
    }

    void limitsFollowTheCounts()
    {
        type(QStringLiteral("01012000"));
        type(QStringLiteral("1"));
        QCOMPARE(label("lblKuu"), QStringLiteral("< 12"));
        QCOMPARE(label("lblPäev"), QStringLiteral("< 366"));
        QCOMPARE(w("takKuu")->property("TKMaksimaalneVaartus").toInt(), 11);
        QCOMPARE(w("takPäev")->property("TKMaksimaalneVaartus").toInt(), 365);
        key(Qt::Key_Tab);
        type(QStringLiteral("5"));
        QCOMPARE(label("lblPäev"), QStringLiteral("< 31"));
        QCOMPARE(w("takPäev")->property("TKMaksimaalneVaartus").toInt(), 30);
        // Back to no years: the months range opens again.
        QTest::keyClick(focused(), Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(hasFocusIn(w("takAasta")));
        key(Qt::Key_Backspace);
        QCOMPARE(label("lblKuu"), QStringLiteral("< 2640"));
        QCOMPARE(label("lblPäev"), QStringLiteral("< 31"));
        QCOMPARE(w("takKuu")->property("TKMaksimaalneVaartus").toInt(), 2639);
    }

    void monthsAboveTheNewLimitAreCut()
    {
        type(QStringLiteral("01012000"));
        key(Qt::Key_Tab);
        type(QStringLiteral("25"));
        QTest::keyClick(focused(), Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(hasFocusIn(w("takAasta")));
        type(QStringLiteral("1"));
        QCOMPARE(w("takKuu")->property("TKArv").toString(), QStringLiteral("11"));
        QCOMPARE(label("lblPäev"), QStringLiteral("< 31"));
    }

    void everyPressSwitchesTheOperation()
    {
        for (const char *name : {"chkLiida", "chkLiida", "chkLahuta", "chkLahuta", "chkLiida"}) {
            const bool before = m_dialog->addMode();
            click(box(name));
            QCOMPARE(m_dialog->addMode(), !before);
            QCOMPARE(box("chkLiida")->isChecked(), !before);
            QCOMPARE(box("chkLahuta")->isChecked(), before);
        }
        QVERIFY(hasFocusIn(w("tkpKuupäev")));
        // With an answer shown the switch recomputes.
        enter(QStringLiteral("10052003"), QString(), QString(), QStringLiteral("1000"));
        key(Qt::Key_Return);
        QCOMPARE(answer(dlg()), QStringLiteral("13.08.2000. a."));
        click(box("chkLahuta"), Qt::RightButton);
        QCOMPARE(answer(dlg()), QStringLiteral("03.02.2006. a."));
        QCOMPARE(focused(), arvuta());
    }

    void zerosMoveTheFocusOn()
    {
        type(QStringLiteral("01012000"));
        QVERIFY(hasFocusIn(w("takAasta")));
        type(QStringLiteral("0"));
        QVERIFY(hasFocusIn(w("takKuu")));
        type(QStringLiteral("0"));
        QVERIFY(hasFocusIn(w("takPäev")));
        type(QStringLiteral("0"));
        QCOMPARE(focused(), arvuta());
    }

    void clearingKeepsTheOperation()
    {
        click(box("chkLiida"));
        enter(QStringLiteral("10052003"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
        key(Qt::Key_Tab);
        QCOMPARE(focused(), arvuta());
        key(Qt::Key_Space);
        QCOMPARE(answer(dlg()), QStringLiteral("07.03.2002. a."));
        click(arvuta());
        for (const char *name : {"takAasta", "takKuu", "takPäev"})
            QVERIFY(w(name)->property("TKArv").isNull());
        QVERIFY(!w("tkpKuupäev")->property("TKKuupaevOige").toBool());
        QVERIFY(!m_dialog->addMode());
        QVERIFY(box("chkLahuta")->isChecked());
        QCOMPARE(label("lblKuu"), QStringLiteral("< 2640"));
        QCOMPARE(label("lblPäev"), QStringLiteral("< 80 000"));
        QVERIFY(hasFocusIn(w("tkpKuupäev")));
    }

    void dragOffCloseButtonFocusesTheFirstZeroCount()
    {
        // A valid date keeps cmdArvuta enabled, so it takes the focus.
        type(QStringLiteral("01012000"));
        dragOff(child(dlg(), QStringLiteral("cmdLõpeta")), QPoint(-5, -5));
        QVERIFY(dlg()->isVisible());
        QCOMPARE(focused(), arvuta());
    }

    // Types over one field of the date box: into it, its text selected with
    // End and Shift+Home, then the keys.
    void retype(const char *field, const QString &keys)
    {
        auto *f = child<QWidget>(w("tkpKuupäev"), QString::fromUtf8(field));
        f->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f, Qt::Key_End);
        QTest::keyClick(f, Qt::Key_Home, Qt::ShiftModifier);
        for (QChar c : keys)
            QTest::keyClick(f, c.toLatin1());
    }

    // Julian 29.02.1700 typed over a date whose Julian box is checked: the
    // box stays checked and enabled for it, also with a count of years.
    void julianOnlyLeapDay()
    {
        enter(QStringLiteral("01031700"), QString(), QString(), QStringLiteral("10"));
        QVERIFY(box("chkJuliuseKal")->isEnabled());
        click(box("chkJuliuseKal"));
        QVERIFY(box("chkJuliuseKal")->isChecked());
        QCOMPARE(w("tkpKuupäev")->property("TKJuliuseKalender").toBool(), true);
        // The month passes through "0": the box keeps its check meanwhile.
        retype("txtKuu", QStringLiteral("0"));
        QVERIFY(!box("chkJuliuseKal")->isEnabled());
        QVERIFY(box("chkJuliuseKal")->isChecked());
        retype("txtKuu", QStringLiteral("02"));
        retype("txtPäev", QStringLiteral("29"));
        QVERIFY(w("tkpKuupäev")->property("TKKuupaevOige").toBool());
        QVERIFY(box("chkJuliuseKal")->isEnabled());
        QVERIFY(box("chkJuliuseKal")->isChecked());
        QVERIFY(arvuta()->isEnabled());
        click(arvuta());
        QCOMPARE(answer(dlg()), QStringLiteral("10.03.1700. a."));
        // With the answer shown the box keeps its check.
        click(box("chkJuliuseKal"));
        QVERIFY(box("chkJuliuseKal")->isChecked());
        QCOMPARE(answer(dlg()), QStringLiteral("10.03.1700. a."));
        click(box("chkLahuta"));
        QCOMPARE(answer(dlg()), QStringLiteral("19.02.1700. a."));
    }

    // A year on from Julian 29.02.1700 is 1 March 1701 in the Julian calendar.
    void julianOnlyLeapDayPlusAYear()
    {
        enter(QStringLiteral("01031700"), QString(), QString(), QStringLiteral("1"));
        click(box("chkJuliuseKal"));
        retype("txtKuu", QStringLiteral("02"));
        retype("txtPäev", QStringLiteral("29"));
        child<QWidget>(w("takAasta"), QStringLiteral("txtArv"))->setFocus(Qt::TabFocusReason);
        type(QStringLiteral("1"));
        QVERIFY(box("chkJuliuseKal")->isEnabled());
        QVERIFY(box("chkJuliuseKal")->isChecked());
        click(arvuta());
        QCOMPARE(answer(dlg()), QStringLiteral("02.03.1701. a."));
    }

    // Unchecking the box makes Julian 29.02.1700 invalid until the date changes.
    void uncheckingAJulianOnlyDay()
    {
        enter(QStringLiteral("01031700"), QString(), QString(), QStringLiteral("1"));
        click(box("chkJuliuseKal"));
        retype("txtKuu", QStringLiteral("02"));
        retype("txtPäev", QStringLiteral("29"));
        QVERIFY(arvuta()->isEnabled());
        click(box("chkJuliuseKal"));
        QVERIFY(!box("chkJuliuseKal")->isChecked());
        QVERIFY(!w("tkpKuupäev")->property("TKKuupaevOige").toBool());
        QVERIFY(!arvuta()->isEnabled());
        QVERIFY(!box("chkJuliuseKal")->isEnabled());
        retype("txtPäev", QStringLiteral("28"));
        QVERIFY(arvuta()->isEnabled());
        click(arvuta());
        QCOMPARE(answer(dlg()), QStringLiteral("01.03.1700. a."));
        // Clearing leaves no reading behind.
        click(arvuta());
        QVERIFY(!box("chkJuliuseKal")->isChecked());
        QCOMPARE(w("tkpKuupäev")->property("TKJuliuseKalender").toBool(), false);
    }
};

QTEST_MAIN(tst_frmliidalahuta)
#include "tst_frmliidalahuta.moc"

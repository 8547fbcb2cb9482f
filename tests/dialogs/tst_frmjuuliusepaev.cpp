// SPDX-License-Identifier: GPL-3.0-or-later
// The Julian day and weekday calculator driven like a user: dates typed into
// the date box, Enter, clicks on the Julian box and on "G" with both answers
// to its question, and clearing.
#include "dialogtest.h"
#include "frmjuuliusepaev.h"

#include <QCheckBox>
#include <QFrame>

using namespace dialogtest;

class tst_frmjuuliusepaev : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<frmJuuliusePaev> m_dialog;

    QWidget *dlg() { return m_dialog.get(); }
    QWidget *dateBox() { return child(dlg(), QStringLiteral("tkpKuupäev")); }
    FrameCheckBox *julianBox() { return child<FrameCheckBox>(dlg(), QStringLiteral("chkJuliuseKal")); }
    QPushButton *arvuta() { return child<QPushButton>(dlg(), QStringLiteral("cmdArvuta")); }
    QPushButton *gregorius() { return child<QPushButton>(dlg(), QStringLiteral("chkGregorius")); }
    QLabel *vastus() { return child<QLabel>(dlg(), QStringLiteral("lblVastus")); }
    int pixels(int at96) { return qRound(at96 * dlg()->logicalDpiX() / 96.0); }

    // A fresh dialog in the given DayDescriptionMode, as its menu command opens it.
    bool open(const QString &mode)
    {
        m_dialog.reset();
        m_dialog = std::make_unique<frmJuuliusePaev>(m_main->window.get(), mode);
        return showDialog(dlg());
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        m_main = std::make_unique<MainWindow>();
    }

    void init() { QVERIFY(open(QStringLiteral("JP"))); }

    void cleanup() { m_dialog.reset(); }

    void startsEmptyAndLocked()
    {
        QVERIFY(hasFocusIn(dateBox()));
        QVERIFY(!arvuta()->isEnabled());
        QCOMPARE(julianBox()->checkState(), Qt::PartiallyChecked);
        QCOMPARE(julianBox()->property("tag").toString(), QStringLiteral("KEELA"));
        QVERIFY(!gregorius()->isVisibleTo(dlg()));
        QCOMPARE(arvuta()->toolTip(), QStringLiteral(" Arvuta vastus (Enter) "));
    }

    void answers_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("expected");
        QTest::newRow("day number of 01.01.2000") << "JP" << "01012000" << false << jp("2 451 545");
        QTest::newRow("weekday of 01.01.2000") << "NP" << "01012000" << false << "Laupäev";
        QTest::newRow("day number of 04.10.1582, Julian") << "JP" << "04101582" << true << jp("2 299 160");
        QTest::newRow("weekday of 04.10.1582, Julian") << "NP" << "04101582" << true << "Neljapäev";
        QTest::newRow("first Gregorian day") << "JP" << "15101582" << false << jp("2 299 161");
        QTest::newRow("last day of the range") << "JP" << "31122299" << false << jp("2 561 117");
    }

    void answers()
    {
        QFETCH(QString, mode);
        QFETCH(QString, keys);
        QFETCH(bool, locked);
        QFETCH(QString, expected);
        QVERIFY(open(mode));

        type(keys);
        // A complete date sends the focus to cmdArvuta; the Julian box follows the date.
        QCOMPARE(focused(), arvuta());
        QCOMPARE(julianBox()->checkState(), locked ? Qt::PartiallyChecked : Qt::Unchecked);
        QCOMPARE(julianBox()->property("tag").toString(),
                 locked ? QStringLiteral("KEELA") : QStringLiteral("LUBA"));

        key(Qt::Key_Return);
        QCOMPARE(answer(dlg()), expected);
        QVERIFY(m_dialog->answerShown());
        QCOMPARE(arvuta()->text(), QStringLiteral("Ku&stuta"));
        QCOMPARE(arvuta()->toolTip(), QStringLiteral(" Kustuta vastus ja kuupäev "));
        QVERIFY(!child(dlg(), QStringLiteral("fraSisesta"))->isEnabled());
        // "G" is offered, beside a narrower answer, only for a date before the reform.
        QCOMPARE(gregorius()->isVisibleTo(dlg()), locked);
        QCOMPARE(vastus()->width(), pixels(locked ? 241 : 273));
    }

    void enterInTheDateBoxComputes()
    {
        // A three-digit year leaves the date valid but the focus in the box.
        type(QStringLiteral("0101999"));
        QVERIFY(hasFocusIn(dateBox()));
        QVERIFY(arvuta()->isEnabled());
        key(Qt::Key_Return);
        // Julian 1.1.999; Julian 1.1.1000 is day 2 086 308.
        QCOMPARE(answer(dlg()), jp("2 085 943"));
    }

    void julianBoxReadsTheDateAsJulian()
    {
        type(QStringLiteral("01012000"));
        click(julianBox());
        QCOMPARE(julianBox()->checkState(), Qt::Checked);
        QCOMPARE(focused(), arvuta());
        click(arvuta());
        // Julian 1.1.2000 is Gregorian 14.1.2000.
        QCOMPARE(answer(dlg()), jp("2 451 558"));
        // With the answer shown, a click recomputes at once.
        click(julianBox());
        QCOMPARE(julianBox()->checkState(), Qt::Unchecked);
        QCOMPARE(answer(dlg()), jp("2 451 545"));
        QCOMPARE(focused(), arvuta());
        QVERIFY(!gregorius()->isVisibleTo(dlg()));
    }

    void lockedBoxIgnoresPresses_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("focusOnArvuta");
        QTest::newRow("empty date") << "" << false;
        QTest::newRow("incomplete date") << "0410" << false;
        QTest::newRow("date before the reform") << "04101582" << true;
    }

    void lockedBoxIgnoresPresses()
    {
        QFETCH(QString, keys);
        QFETCH(bool, focusOnArvuta);
        type(keys);
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::MiddleButton}) {
            click(julianBox(), b);
            QCOMPARE(julianBox()->checkState(), Qt::PartiallyChecked);
            if (focusOnArvuta)
                QCOMPARE(focused(), arvuta());
            else
                QVERIFY(hasFocusIn(dateBox()));
        }
        QVERIFY(answer(dlg()).isEmpty());
    }

    void gregorianReading_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QMessageBox::StandardButton>("reply");
        QTest::addColumn<QString>("julian");
        QTest::addColumn<QString>("afterReply");
        QTest::newRow("day number, Yes") << "JP" << QMessageBox::Yes << jp("2 299 160") << jp("2 299 150");
        QTest::newRow("day number, No") << "JP" << QMessageBox::No << jp("2 299 160") << jp("2 299 160");
        QTest::newRow("weekday, Yes") << "NP" << QMessageBox::Yes << "Neljapäev" << "Esmaspäev";
        QTest::newRow("weekday, No") << "NP" << QMessageBox::No << "Neljapäev" << "Neljapäev";
    }

    void gregorianReading()
    {
        QFETCH(QString, mode);
        QFETCH(QMessageBox::StandardButton, reply);
        QFETCH(QString, julian);
        QFETCH(QString, afterReply);
        QVERIFY(open(mode));
        Answerer answerer(m_dialog.get());
        answerer.answers.push_back(reply);

        type(QStringLiteral("04101582"));
        click(arvuta());
        QCOMPARE(answer(dlg()), julian);
        click(gregorius());
        QCOMPARE(answerer.asked,
                 QStringList{QStringLiteral("Sisestatud kuupäev jääb aega enne 15.10.1582, \n"
                                            "mil gregooriuse kalendrit ei olnud veel.\n\n"
                                            "Kas soovid ikka gregooriuse kalendri järgi arvutada?")});
        QCOMPARE(answer(dlg()), afterReply);
        QCOMPARE(gregorius()->isChecked(), reply == QMessageBox::Yes);
        QCOMPARE(focused(), arvuta());

        if (reply == QMessageBox::Yes) {
            // Releasing "G" goes back to the Julian reading without a question.
            click(gregorius());
            QCOMPARE(answer(dlg()), julian);
            QCOMPARE(answerer.asked.size(), 1);
        }
    }

    void clearingStartsAfresh()
    {
        Answerer answerer(m_dialog.get());
        answerer.answers.push_back(QMessageBox::Yes);
        type(QStringLiteral("04101582"));
        click(arvuta());
        click(gregorius());
        QVERIFY(gregorius()->isChecked());

        click(arvuta());
        QVERIFY(!m_dialog->answerShown());
        QVERIFY(answer(dlg()).isEmpty());
        QCOMPARE(arvuta()->text(), QStringLiteral("&Arvuta"));
        QCOMPARE(arvuta()->toolTip(), QStringLiteral(" Arvuta vastus (Enter) "));
        QVERIFY(!arvuta()->isEnabled());
        QVERIFY(child(dlg(), QStringLiteral("fraSisesta"))->isEnabled());
        QCOMPARE(dateBox()->property("TKKuupaevOige").toBool(), false);
        QCOMPARE(julianBox()->checkState(), Qt::PartiallyChecked);
        QCOMPARE(julianBox()->property("tag").toString(), QStringLiteral("KEELA"));
        QVERIFY(!gregorius()->isVisibleTo(dlg()));
        QCOMPARE(vastus()->width(), pixels(273));
        // Clearing also releases "G", so the next answer does not stand beside
        // a pressed toggle while it is computed in the Julian reading.
        QVERIFY(!gregorius()->isChecked());

        type(QStringLiteral("04101582"));
        click(arvuta());
        QCOMPARE(answer(dlg()), jp("2 299 160"));
        QVERIFY(gregorius()->isVisibleTo(dlg()));
        QVERIFY(!gregorius()->isChecked());
    }

    void julianBoxRecomputesTheWeekday()
    {
        QVERIFY(open(QStringLiteral("NP")));
        type(QStringLiteral("01012000"));
        click(arvuta());
        QCOMPARE(answer(dlg()), QStringLiteral("Laupäev"));
        click(julianBox());
        QCOMPARE(answer(dlg()), QStringLiteral("Reede")); // Julian 1.1.2000 = 14.1.2000
        click(arvuta());
        QVERIFY(answer(dlg()).isEmpty());
        QVERIFY(hasFocusIn(dateBox()));
    }

    // 29 February of the years that have it in the Julian calendar only:
    // before the reform the box stays grayed (and "G" has no Gregorian
    // reading to offer); after it the box stays checked.
    void julianOnlyLeapDays_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("expected");
        const int grayed = Qt::PartiallyChecked, checked = Qt::Checked;
        QTest::newRow("29.02.1500, day number") << "JP" << "29021500" << grayed << jp("2 268 992");
        QTest::newRow("29.02.1500, weekday") << "NP" << "29021500" << grayed << "Laupäev";
        QTest::newRow("29.02.1700, day number") << "JP" << "29021700" << checked << jp("2 342 042");
        QTest::newRow("29.02.1700, weekday") << "NP" << "29021700" << checked << "Neljapäev";
        QTest::newRow("29.02.1900, day number") << "JP" << "29021900" << checked << jp("2 415 092");
        QTest::newRow("29.02.1900, weekday") << "NP" << "29021900" << checked << "Teisipäev";
    }

    void julianOnlyLeapDays()
    {
        QFETCH(QString, mode);
        QFETCH(QString, keys);
        QFETCH(int, state);
        QFETCH(QString, expected);
        QVERIFY(open(mode));
        type(keys);
        QCOMPARE(focused(), arvuta());
        QCOMPARE(julianBox()->checkState(), Qt::CheckState(state));
        QCOMPARE(julianBox()->property("tag").toString(),
                 state == Qt::Checked ? QStringLiteral("LUBA") : QStringLiteral("KEELA"));
        QCOMPARE(dateBox()->property("TKJuliuseKalender").toBool(), true);
        key(Qt::Key_Return);
        QCOMPARE(answer(dlg()), expected);
        QVERIFY(!gregorius()->isVisibleTo(dlg()));
        QCOMPARE(vastus()->width(), pixels(273));
    }

    // Unchecking the box of 29.02.1700 asks for a Gregorian date that does
    // not exist: the date is invalid until the box or the date changes.
    void uncheckingAJulianOnlyDay()
    {
        type(QStringLiteral("29021700"));
        QVERIFY(arvuta()->isEnabled());
        click(julianBox());
        QCOMPARE(julianBox()->checkState(), Qt::Unchecked);
        QCOMPARE(julianBox()->property("tag").toString(), QStringLiteral("LUBA"));
        QVERIFY(!dateBox()->property("TKKuupaevOige").toBool());
        QVERIFY(!arvuta()->isEnabled());
        QVERIFY(hasFocusIn(dateBox()));
        // Enter does nothing for an invalid date.
        key(Qt::Key_Return);
        QVERIFY(answer(dlg()).isEmpty());
        click(julianBox());
        QCOMPARE(julianBox()->checkState(), Qt::Checked);
        QVERIFY(arvuta()->isEnabled());
        QCOMPARE(focused(), arvuta());

        // Unchecked again, then the year changed to 1704, which has a
        // 29 February in both calendars: a Gregorian date after the reform.
        click(julianBox());
        QVERIFY(!arvuta()->isEnabled());
        auto *year = child<QWidget>(dateBox(), QStringLiteral("txtAasta"));
        year->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(year, Qt::Key_End);
        QTest::keyClick(year, Qt::Key_Backspace);
        QCOMPARE(julianBox()->checkState(), Qt::PartiallyChecked);
        QTest::keyClick(year, '4');
        QCOMPARE(julianBox()->checkState(), Qt::Unchecked);
        QVERIFY(arvuta()->isEnabled());
        key(Qt::Key_Return);
        QCOMPARE(answer(dlg()), jp("2 343 492"));
    }

    // While the answer of 29.02.1700 stands, a click on its box changes
    // nothing: there is no other reading to show.
    void answerOfAJulianOnlyDayKeepsItsBox()
    {
        type(QStringLiteral("29021700"));
        key(Qt::Key_Return);
        QCOMPARE(answer(dlg()), jp("2 342 042"));
        click(julianBox());
        QCOMPARE(julianBox()->checkState(), Qt::Checked);
        QCOMPARE(answer(dlg()), jp("2 342 042"));
        QVERIFY(arvuta()->isEnabled());
        QCOMPARE(focused(), arvuta());
        click(arvuta());
        QVERIFY(answer(dlg()).isEmpty());
        QCOMPARE(julianBox()->checkState(), Qt::PartiallyChecked);
        // A date with both readings may switch again while its answer stands.
        type(QStringLiteral("01032000"));
        key(Qt::Key_Return);
        click(julianBox());
        QCOMPARE(julianBox()->checkState(), Qt::Checked);
        QCOMPARE(answer(dlg()), jp("2 451 618"));
    }

    void thirtiethOfFebruaryIsNoDate_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::newRow("30.02.1700") << "30021700";
        QTest::newRow("30.02.1500") << "30021500";
        QTest::newRow("29.02.1701") << "29021701";
    }

    void thirtiethOfFebruaryIsNoDate()
    {
        QFETCH(QString, keys);
        type(keys);
        QVERIFY(!arvuta()->isEnabled());
        QCOMPARE(julianBox()->checkState(), Qt::PartiallyChecked);
    }
};

QTEST_MAIN(tst_frmjuuliusepaev)
#include "tst_frmjuuliusepaev.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The time box driven like a user: typing, auto-advance, completion,
// zero-filling and its events.
#include "tkhelpers.h"

#include <QSignalSpy>

using namespace tktest;

class tst_tkkellakast : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }

    void typingWholeTime()
    {
        Host<TKKellaKast> h;
        EventLog log(h.box);
        h.box->setFocus();
        QCOMPARE(focused(), h.field("txtTund"));
        type("09");
        QCOMPARE(focused(), h.field("txtMinut"));
        type("30");
        QCOMPARE(focused(), h.field("txtSekund"));
        type("15");
        // the first digit of the second already sets all three
        QCOMPARE(log.take(), QStringLiteral("C(0) C(0) C(0) C(0) C(1) C(1) F"));
        QCOMPARE(h.box->TKKell(), QVariant(QStringLiteral("09:30:15")));
        QCOMPARE(h.box->property("TKKell").toString(), QStringLiteral("09:30:15"));
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("24 discarded") << "24" << "2" << "";
        QTest::newRow("23 taken") << "23" << "23" << "";
        QTest::newRow("minute 6 then nothing") << "236789" << "23" << "6";
        QTest::newRow("letters and colon") << "x1:2" << "12" << "";
    }
    void keyFilter()
    {
        QFETCH(QString, keys);
        Host<TKKellaKast> h;
        h.box->setFocus();
        type(keys);
        QTEST(h.field("txtTund")->text(), "hour");
        QTEST(h.field("txtMinut")->text(), "minute");
    }

    void caretMovesToTheEnd()
    {
        // 12 with the caret between the digits: the caret goes to the end
        // first, then 123 > 23 discards the key.
        Host<TKKellaKast> h;
        h.box->setFocus();
        type("1");
        QLineEdit *hour = h.field("txtTund");
        hour->setText(QStringLiteral("12"));
        hour->setFocus();
        hour->setCursorPosition(1);
        type("3");
        QCOMPARE(hour->text(), QStringLiteral("12"));
        QCOMPARE(hour->cursorPosition(), 2);
    }

    void selectionRules_data()
    {
        QTest::addColumn<int>("selStart");
        QTest::addColumn<QString>("digit");
        QTest::addColumn<QString>("after");
        QTest::newRow("5 of 15 by 9 gives 19") << 1 << "9" << "19";
        QTest::newRow("1 of 15 by 7 gives 75: only collapsed") << 0 << "7" << "15";
    }
    void selectionRules()
    {
        QFETCH(int, selStart);
        QFETCH(QString, digit);
        Host<TKKellaKast> h;
        h.box->setFocus();
        type("1");
        QLineEdit *minute = h.field("txtMinut");
        minute->setFocus();
        type("15");
        minute->setFocus();
        minute->setSelection(selStart, 1);
        type(digit);
        QTEST(minute->text(), "after");
        QVERIFY(!minute->hasSelectedText());
        QCOMPARE(minute->cursorPosition(), 2);
    }

    void singleDigitsAreSet()
    {
        // Set in code, so that no field was left and zero-filled.
        Host<TKKellaKast> h;
        h.field("txtTund")->setText(QStringLiteral("9"));
        h.field("txtMinut")->setText(QStringLiteral("5"));
        h.field("txtSekund")->setFocus();
        EventLog log(h.box);
        type("7");
        QCOMPARE(log.take(), QStringLiteral("C(1)"));
        QCOMPARE(h.box->TKKell(), QVariant(QStringLiteral("09:05:07")));
        QCOMPARE(h.field("txtTund")->text(), QStringLiteral("9"));
    }

    void secondFieldCompletesWithShortHour()
    {
        Host<TKKellaKast> h;
        h.box->setFocus();
        type("9");
        h.field("txtMinut")->setFocus();
        QCOMPARE(h.field("txtTund")->text(), QStringLiteral("09")); // zero-filled on leaving
        h.field("txtTund")->setText(QStringLiteral("9")); // as if typed once more
        h.field("txtMinut")->setFocus();
        type("45");
        EventLog log(h.box);
        type("01");
        QCOMPARE(log.take(), QStringLiteral("C(1) C(1) F"));
    }

    void enterAndTab()
    {
        Host<TKKellaKast> h;
        QSignalSpy enter(h.box, &TKKellaKast::TKEnterPress);
        h.box->setFocus();
        type("1230");
        key(Qt::Key_Return);
        QCOMPARE(enter.count(), 0);
        key(Qt::Key_Tab);
        QCOMPARE(focused(), h.field("txtTund"));
        h.field("txtSekund")->setFocus();
        type("0");
        key(Qt::Key_Return);
        QCOMPARE(enter.count(), 1);
        key(Qt::Key_Tab);
        QCOMPARE(focused(), h.other);
        QCOMPARE(h.field("txtSekund")->text(), QStringLiteral("00"));
    }

    void clearAndFocus()
    {
        Host<TKKellaKast> h;
        h.box->setFocus();
        type("123456");
        EventLog log(h.box);
        h.box->TKClear();
        QCOMPARE(log.take(), QStringLiteral("C(0)"));
        QVERIFY(!h.box->TKKell().isValid());
        h.other->setFocus();
        h.box->TKFocusInValidation();
        QCOMPARE(focused(), h.field("txtTund"));
    }

    void focusEntryGoesToFirstEmpty()
    {
        Host<TKKellaKast> h;
        h.box->setFocus();
        type("12");
        h.other->setFocus();
        h.field("txtSekund")->setFocus();
        QCOMPARE(focused(), h.field("txtMinut"));
    }

    // The value as a QTime: invalid until all three parts are there, then
    // the time shown; zero-filling as the focus leaves changes neither it
    // nor the flag, so nothing is raised.
    void timeProperty()
    {
        Host<TKKellaKast> h;
        QSignalSpy time(h.box, &TKKellaKast::kellChanged);
        QSignalSpy text(h.box, &TKKellaKast::TKKellChanged);
        h.box->setFocus();
        type("9");
        h.field("txtMinut")->setFocus();
        type("5");
        QVERIFY(!h.box->kell().isValid());
        h.field("txtSekund")->setFocus();
        type("7");
        QCOMPARE(h.box->kell(), QTime(9, 5, 7));
        QCOMPARE(h.box->property("kell").toTime(), QTime(9, 5, 7));
        QCOMPARE(time.count(), 1);
        QCOMPARE(time.at(0).at(0).toTime(), QTime(9, 5, 7));
        QCOMPARE(text.count(), 1);
        QCOMPARE(text.at(0).at(0), QVariant(QStringLiteral("09:05:07")));
        EventLog log(h.box);
        h.other->setFocus();
        QCOMPARE(h.field("txtSekund")->text(), QStringLiteral("07"));
        QCOMPARE(log.take(), QString());
        QCOMPARE(time.count(), 1);

        // written: every part two digits, the milliseconds dropped
        QVERIFY(h.box->setProperty("kell", QTime(23, 59, 1, 999)));
        QCOMPARE(h.field("txtTund")->text() + h.field("txtMinut")->text() + h.field("txtSekund")->text(),
                 QStringLiteral("235901"));
        QCOMPARE(log.take(), QStringLiteral("C(1)"));
        h.box->setKell(QTime());
        QCOMPARE(log.take(), QStringLiteral("C(0)"));
        QCOMPARE(time.last().at(0).toTime(), QTime());
    }

    void fixedSize()
    {
        TKKellaKast box;
        box.resize(10, 10);
        QCOMPARE(box.size(), QSize(70, 22));
    }
};

QTEST_MAIN(tst_tkkellakast)
#include "tst_tkkellakast.moc"

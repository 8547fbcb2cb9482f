// SPDX-License-Identifier: GPL-3.0-or-later
// The integer box driven like a user: typing under each kind of limit,
// grouping, the sign, pastes and drops, the setters and persisted limits.
#include "tkhelpers.h"

#include <limits>

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTimer>

using namespace tktest;

class tst_tkarvukast : public QObject {
    Q_OBJECT

    static QLineEdit *fieldOf(TKArvuKast *box) { return box->findChild<QLineEdit *>(QStringLiteral("txtArv")); }

private slots:
    void initTestCase() { pinLocale(); }

    void groupingWithoutLimits()
    {
        Host<TKArvuKast> h;
        EventLog log(h.box);
        h.box->setFocus();
        type("123");
        QCOMPARE(log.take(), QStringLiteral("C(1) C(1) C(1)"));
        type("4");
        // the re-formatting runs the change processing nested: two TKChange
        QCOMPARE(log.take(), QStringLiteral("C(1) C(1)"));
        type("567");
        QCOMPARE(h.field("txtArv")->text(), grouped("1 234 567"));
        QCOMPARE(h.field("txtArv")->cursorPosition(), 9);
        QCOMPARE(h.box->TKArv(), QVariant(grouped("1 234 567")));
        type("8901234567890");
        QCOMPARE(h.field("txtArv")->text().size(), 26);
        type("1");
        QCOMPARE(h.field("txtArv")->text(), grouped("12 345 678 901 234 567 890"));
    }

    void typing_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("digits");
        QTest::addColumn<bool>("zero");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inLimits");
        QTest::newRow("digit count 4 stays plain") << 0 << 0 << 4 << false << "20045" << "2004" << true;
        QTest::newRow("same width: 3 cannot start") << 2999 << 1000 << 0 << false << "3" << "" << false;
        QTest::newRow("same width: 2 9 3 by prefixes") << 2999 << 1000 << 0 << false << "293" << "293" << false;
        QTest::newRow("same width: nothing after 2999") << 2999 << 1000 << 0 << false << "29995" << "2999" << true;
        QTest::newRow("same width: 1 then 0 below prefix 10? no, equal") << 2999 << 1000 << 0 << false << "100" << "100" << false;
        QTest::newRow("different width: 13 > 12") << 12 << 1 << 0 << false << "13" << "1" << true;
        QTest::newRow("different width: 12") << 12 << 1 << 0 << false << "12" << "12" << true;
        QTest::newRow("zero not allowed") << 0 << 0 << 0 << false << "0" << "" << false;
        QTest::newRow("zero allowed, nothing after it") << 0 << 0 << 0 << true << "05" << "0" << true;
        QTest::newRow("maximum 5-digit grouped") << 50000 << 0 << 0 << false << "500001" << grouped("50 000") << true;
        QTest::newRow("letters and signs") << 0 << 0 << 0 << false << "a1+2 3-" << "123" << true;
    }
    void typing()
    {
        QFETCH(int, maximum);
        QFETCH(int, minimum);
        QFETCH(int, digits);
        QFETCH(bool, zero);
        QFETCH(QString, keys);
        Host<TKArvuKast> h;
        h.box->setTKNullLubatud(zero);
        h.box->setTKMaksimaalneVaartus(maximum);
        h.box->setTKMinimaalneVaartus(minimum);
        h.box->setTKMaksimaalnePikkus(digits);
        h.box->setFocus();
        type(keys);
        QTEST(h.field("txtArv")->text(), "text");
        if (!h.field("txtArv")->text().isEmpty())
            QTEST(h.box->TKArvPiirides(), "inLimits");
    }

    // Limits set one after another through the properties a program reaches
    // by name: the number rules follow the limits as they stand at the end,
    // whatever came before.
    void limitsSetOneAfterAnother_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inLimits");
        QTest::newRow("maximum 500, minimum 100: 7 cannot start")
            << "TKMaksimaalneVaartus=500 TKMinimaalneVaartus=100" << "7" << "" << false;
        QTest::newRow("maximum 500, minimum 100, then zero allowed: 7")
            << "TKMaksimaalneVaartus=500 TKMinimaalneVaartus=100 TKNullLubatud=true" << "7" << "7" << true;
        QTest::newRow("maximum 500, minimum 100, then zero allowed: 0")
            << "TKMaksimaalneVaartus=500 TKMinimaalneVaartus=100 TKNullLubatud=true" << "0" << "0" << true;
        QTest::newRow("maximum 2790, minimum 2651: 940 cannot start")
            << "TKMaksimaalneVaartus=2790 TKMinimaalneVaartus=2651" << "940" << "" << false;
        QTest::newRow("maximum 2790, minimum 2651, then zero forbidden: 940")
            << "TKMaksimaalneVaartus=2790 TKMinimaalneVaartus=2651 TKNullLubatud=false" << "940" << "940" << true;
        QTest::newRow("maximum 2790, minimum 2651, then negatives allowed and forbidden: 940")
            << "TKMaksimaalneVaartus=2790 TKMinimaalneVaartus=2651 TKNegArvLubatud=true TKNegArvLubatud=false"
            << "940" << "940" << true;
        QTest::newRow("loaded 500 and 100, then zero allowed: 7")
            << "maksimaalnev=500 minimaalnev=100 TKNullLubatud=true" << "7" << "7" << true;
        QTest::newRow("loaded minimum lowered to another width: 7")
            << "maksimaalnev=500 minimaalnev=100 minimaalnev=5" << "7" << "7" << true;
    }
    void limitsSetOneAfterAnother()
    {
        QFETCH(QString, steps);
        QFETCH(QString, keys);
        Host<TKArvuKast> h;
        for (const QString &step : steps.split(u' ')) {
            const QStringList nameAndValue = step.split(u'=');
            QVERIFY(h.box->setProperty(qPrintable(nameAndValue.at(0)), nameAndValue.at(1)));
        }
        h.box->setFocus();
        type(keys);
        QTEST(h.field("txtArv")->text(), "text");
        QTEST(h.box->TKArvPiirides(), "inLimits");
    }

    void completion_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("digits");
        QTest::addColumn<bool>("zero");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("lastEvents");
        QTest::newRow("digit count 4") << 0 << 4 << false << "2004" << "C(1) F";
        QTest::newRow("zero completes") << 0 << 0 << true << "0" << "C(1) F";
        QTest::newRow("maximum 12, two characters") << 12 << 0 << false << "12" << "C(1) F";
        QTest::newRow("maximum 99999, five digits") << 99999 << 0 << false << "12345" << "C(1) F C(1) F";
        QTest::newRow("no limits: never") << 0 << 0 << false << "12345" << "C(1) C(1)";
        QTest::newRow("digit count 7, grouped") << 0 << 7 << false << "1234567" << "C(1) F C(1) F";
    }
    void completion()
    {
        QFETCH(int, maximum);
        QFETCH(int, digits);
        QFETCH(bool, zero);
        QFETCH(QString, keys);
        Host<TKArvuKast> h;
        h.box->setTKNullLubatud(zero);
        h.box->setTKMaksimaalneVaartus(maximum);
        h.box->setTKMaksimaalnePikkus(digits);
        h.box->setFocus();
        type(keys.chopped(1));
        EventLog log(h.box);
        type(keys.right(1));
        QTEST(log.take(), "lastEvents");
    }

    void negativeNumbers()
    {
        Host<TKArvuKast> h;
        h.box->setTKMaksimaalneVaartus(100);
        h.box->setTKNegArvLubatud(true);
        QCOMPARE(h.box->TKMaksimaalneVaartus(), 0);
        h.box->setTKMaksimaalnePikkus(3);
        h.box->setFocus();
        EventLog log(h.box);
        type("-");
        QCOMPARE(log.take(), QStringLiteral("C(0)"));
        QVERIFY(!h.box->TKArvPiirides());
        QVERIFY(!h.box->TKArv().isValid());
        h.field("txtArv")->setCursorPosition(0);
        type("-0123"); // the digits go after the sign wherever the caret was
        QCOMPARE(h.field("txtArv")->text(), QStringLiteral("-123")); // limit one more for the sign
        QCOMPARE(h.box->TKArv(), QVariant(QStringLiteral("-123")));
        type("-");
        QCOMPARE(h.field("txtArv")->text(), QStringLiteral("-123"));
        for (int i = 0; i < 4; ++i)
            key(Qt::Key_Backspace);
        QCOMPARE(h.field("txtArv")->text(), QString());
        type("1234");
        QCOMPARE(h.field("txtArv")->text(), QStringLiteral("123")); // the limit went back
        h.box->setTKNegArvLubatud(false);
        h.box->TKClear();
        type("-");
        QCOMPARE(h.field("txtArv")->text(), QString());
    }

    void emptyBoxAndMinimum()
    {
        Host<TKArvuKast> h;
        h.box->setFocus();
        type("5");
        key(Qt::Key_Backspace);
        QVERIFY(h.box->TKArvPiirides());
        QVERIFY(!h.box->TKArv().isValid());
        h.box->setTKMaksimaalneVaartus(10);
        h.box->setTKMinimaalneVaartus(5);
        type("7");
        key(Qt::Key_Backspace);
        QVERIFY(!h.box->TKArvPiirides());
    }

    void settersReplaceTheText()
    {
        Host<TKArvuKast> h;
        h.box->setFocus();
        type("75");
        EventLog log(h.box);
        h.box->setTKMaksimaalneVaartus(50);
        QCOMPARE(h.field("txtArv")->text(), QStringLiteral("50"));
        QCOMPARE(log.take(), QStringLiteral("C(1)"));
        QVERIFY(h.box->TKArvPiirides());
        h.box->setTKMaksimaalneVaartus(100);
        h.box->TKClear();
        log.take();
        type("5");
        h.box->setTKMinimaalneVaartus(10);
        QCOMPARE(h.field("txtArv")->text(), QStringLiteral("10"));
        QCOMPARE(log.take(), QStringLiteral("C(1) C(1)"));
    }

    void minimumNeedsMaximum()
    {
        TKArvuKast box;
        box.setTKMinimaalneVaartus(10);
        QCOMPARE(box.TKMinimaalneVaartus(), 0);
        box.setTKMaksimaalneVaartus(20);
        box.setTKMinimaalneVaartus(30);
        QCOMPARE(box.TKMinimaalneVaartus(), 19);
        box.setTKMaksimaalneVaartus(5);
        QCOMPARE(box.TKMaksimaalneVaartus(), 20);
        box.setTKMaksimaalneVaartus(0);
        QCOMPARE(box.TKMaksimaalneVaartus(), 0);
        QCOMPARE(box.TKMinimaalneVaartus(), 0);
    }

    void digitLimit_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("readBack");
        QTest::newRow("7") << 7 << 9 << 7;
        QTest::newRow("9") << 9 << 11 << 9;
        QTest::newRow("25") << 25 << 26 << 20;
        QTest::newRow("4") << 4 << 4 << 4;
        QTest::newRow("-3") << -3 << 0 << 0;
    }
    void digitLimit()
    {
        QFETCH(int, digits);
        TKArvuKast box;
        box.setTKMaksimaalnePikkus(digits);
        QTEST(box.maxpikkus(), "characters");
        QTEST(box.TKMaksimaalnePikkus(), "readBack");
    }

    void digitLimitCutsLongerNumber()
    {
        Host<TKArvuKast> h;
        h.box->setFocus();
        type("1234567");
        EventLog log(h.box);
        h.box->setTKMaksimaalnePikkus(5);
        QCOMPARE(h.field("txtArv")->text(), grouped("12 345"));
        QCOMPARE(log.take(), QStringLiteral("C(1)"));
    }

    void partialZeroSelectionIsNotReplaced()
    {
        Host<TKArvuKast> h;
        h.box->setTKMaksimaalneVaartus(12);
        h.box->setFocus();
        type("10");
        h.field("txtArv")->setSelection(1, 1);
        type("5");
        QCOMPARE(h.field("txtArv")->text(), QStringLiteral("10"));
        QCOMPARE(h.field("txtArv")->cursorPosition(), 2);
    }

    void focusEntrySelectsLoneZero()
    {
        Host<TKArvuKast> h;
        h.box->setTKNullLubatud(true);
        h.box->setFocus();
        type("0");
        h.other->setFocus();
        h.box->setFocus();
        QCOMPARE(h.field("txtArv")->selectedText(), QStringLiteral("0"));
        type("7");
        QCOMPARE(h.field("txtArv")->text(), QStringLiteral("7"));
        type("12");
        h.field("txtArv")->setSelection(0, 1);
        h.other->setFocus();
        QVERIFY(!h.field("txtArv")->hasSelectedText());
        QCOMPARE(h.field("txtArv")->cursorPosition(), 3); // collapsed to the end
    }

    void enter()
    {
        Host<TKArvuKast> h;
        QSignalSpy enter(h.box, &TKArvuKast::TKEnterPress);
        h.box->setTKMaksimaalneVaartus(100);
        h.box->setTKMinimaalneVaartus(50);
        h.box->setFocus();
        type("4");
        key(Qt::Key_Return);
        QCOMPARE(enter.count(), 0);
        type("5");
        key(Qt::Key_Return);
        QCOMPARE(enter.count(), 0); // 45 < 50
        key(Qt::Key_Backspace);
        key(Qt::Key_Backspace);
        type("77");
        key(Qt::Key_Enter);
        QCOMPARE(enter.count(), 1);
    }

    void paste_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("digits");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("after");
        QTest::newRow("plain number") << 0 << 0 << false << "" << "1234567" << grouped("1 234 567");
        QTest::newRow("grouped with spaces") << 0 << 0 << false << "" << "12 345" << grouped("12 345");
        QTest::newRow("badly grouped") << 0 << 0 << false << "" << "1 2345" << "";
        QTest::newRow("letters") << 0 << 0 << false << "" << "12a" << "";
        QTest::newRow("field not empty") << 0 << 0 << false << "5" << "12" << "5";
        QTest::newRow("above the maximum") << 100 << 0 << false << "" << "150" << "";
        QTest::newRow("inside the maximum") << 100 << 0 << false << "" << "50" << "50";
        QTest::newRow("21 digits") << 0 << 0 << false << "" << "123456789012345678901" << "";
        QTest::newRow("longer than the digit limit") << 0 << 4 << false << "" << "12345" << "";
        QTest::newRow("negative allowed with limit") << 0 << 4 << true << "" << "-1234" << "-1234";
        QTest::newRow("negative without limit") << 0 << 0 << true << "" << "-12" << "";
        QTest::newRow("negative not allowed") << 0 << 4 << false << "" << "-12" << "";
    }
    void paste()
    {
        QFETCH(int, maximum);
        QFETCH(int, digits);
        QFETCH(bool, negative);
        QFETCH(QString, before);
        QFETCH(QString, clip);
        Host<TKArvuKast> h;
        h.box->setTKNegArvLubatud(negative);
        h.box->setTKMaksimaalneVaartus(maximum);
        h.box->setTKMaksimaalnePikkus(digits);
        h.box->setFocus();
        type(before);
        QGuiApplication::clipboard()->setText(clip);
        key(Qt::Key_V, Qt::ControlModifier);
        QTEST(h.field("txtArv")->text(), "after");
        QCOMPARE(QGuiApplication::clipboard()->text(), clip); // never emptied

        // a drop follows the same rule
        h.box->TKClear();
        type(before);
        QFETCH(QString, after);
        QCOMPARE(dropText(h.field("txtArv"), clip), after != before);
        QCOMPARE(h.field("txtArv")->text(), after);
    }

    void contextMenuOffersOnlyAllowedPaste()
    {
        Host<TKArvuKast> h;
        h.box->setTKMaksimaalneVaartus(100);
        QGuiApplication::clipboard()->setText(QStringLiteral("150"));
        bool pasteEnabled = true;
        QStringList texts;
        QTimer::singleShot(0, this, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *a : menu->actions()) {
                texts << a->text();
                if (a->text() == QLatin1String("Kleebi"))
                    pasteEnabled = a->isEnabled();
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                h.field("txtArv")->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(h.field("txtArv"), &event);
        QVERIFY(texts.contains(QStringLiteral("Kleebi")));
        QVERIFY(!texts.join(u' ').contains(QStringLiteral("Võta tagasi")));
        QVERIFY(!pasteEnabled);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("150"));
    }

    void middleClickPaste()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (!clipboard->supportsSelection())
            QSKIP("no selection clipboard on this platform");
        Host<TKArvuKast> h;
        clipboard->setText(QStringLiteral("12a"), QClipboard::Selection);
        QTest::mouseClick(h.field("txtArv"), Qt::MiddleButton);
        QCOMPARE(h.field("txtArv")->text(), QString());
        clipboard->setText(QStringLiteral("42"), QClipboard::Selection);
        QTest::mouseClick(h.field("txtArv"), Qt::MiddleButton);
        QCOMPARE(h.field("txtArv")->text(), QStringLiteral("42"));
    }

    void negativeTextUnderNewMaximum()
    {
        // A sign left from before negatives were forbidden does not count as
        // inside a maximum.
        Host<TKArvuKast> h;
        h.box->setTKNegArvLubatud(true);
        h.box->setFocus();
        type("-5");
        QVERIFY(h.box->TKArvPiirides());
        h.box->setTKNegArvLubatud(false);
        h.box->setTKMaksimaalneVaartus(10);
        QVERIFY(!h.box->TKArvPiirides());
        QVERIFY(!h.box->TKArv().isValid());
    }

    void persistedProperties()
    {
        TKArvuKast box;
        QVERIFY(box.TKArvPiirides()); // empty, without a minimum
        box.loadPersisted({{QStringLiteral("lubanull"), true},
                           {QStringLiteral("MAKSIMAALNEV"), 5},
                           {QStringLiteral("minimaalnev"), 10},
                           {QStringLiteral("maxpikkus"), 9}});
        QVERIFY(box.TKNullLubatud());
        QVERIFY(!box.TKNegArvLubatud());
        QCOMPARE(box.TKMaksimaalneVaartus(), 5);  // stored without clamping
        QCOMPARE(box.TKMinimaalneVaartus(), 10);
        QCOMPARE(box.TKMaksimaalnePikkus(), 7);
        QVERIFY(!box.TKArvPiirides());
        const QVariantMap saved = box.savePersisted();
        QCOMPARE(saved.keys(), (QStringList{"LubaNegArv", "LubaNull", "MaksimaalneV", "MaxPikkus", "MinimaalneV"}));
        QCOMPARE(saved.value(QStringLiteral("MaxPikkus")).toInt(), 9);

        TKArvuKast fromForm;
        QVERIFY(fromForm.setProperty("maksimaalnev", 2999));
        QVERIFY(fromForm.setProperty("minimaalnev", 1000));
        QVERIFY(fromForm.setProperty("maxpikkus", 4));
        QCOMPARE(fromForm.TKMaksimaalnePikkus(), 4);
        QCOMPARE(fromForm.TKMinimaalneVaartus(), 1000);
        fromForm.loadPersisted({});
        QCOMPARE(fromForm.TKMaksimaalneVaartus(), 0);
        QVERIFY(fromForm.TKArvPiirides()); // minimum 0
    }

    // Limits that widen or change check the text shown again, and TKChange
    // tells the host when the flag moved.
    void widerLimitsCheckTheTextAgain_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("events");
        QTest::addColumn<bool>("inLimits");
        auto row = [](const char *tag, const char *setup, const char *typed, const char *change,
                      const char *events, bool inLimits) {
            QTest::newRow(tag) << setup << typed << change << events << inLimits;
        };
        row("minimum lowered under the number", "max 9999; min 2999", "299", "min 99", "C(1)", true);
        row("zero allowed: empty box without minimum", "max 9999; min 2999", "", "zero 1", "C(1)", true);
        row("negatives allowed: limits gone", "max 99; min 10", "7", "neg 1", "C(1)", true);
        row("maximum 0 removes both limits", "max 99; min 50", "7", "max 0", "C(1)", true);
        row("zero forbidden while 0 is shown", "zero 1", "0", "zero 0", "C(0)", false);
        row("negatives forbidden while -5 is shown", "neg 1; digits 3", "-5", "neg 0", "C(0)", false);
        row("a loaded shorter limit", "", "12345", "chars 4", "C(0)", false);
        row("nothing changes: no event", "max 99", "12", "max 50", "", true);
    }
    void widerLimitsCheckTheTextAgain()
    {
        QFETCH(QString, setup);
        QFETCH(QString, typed);
        QFETCH(QString, change);
        Host<TKArvuKast> h;
        const auto apply = [&](const QString &steps) {
            for (const QString &step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
                const QString what = step.section(u' ', 0, 0);
                const int v = step.section(u' ', 1).toInt();
                if (what == QLatin1String("max"))
                    h.box->setTKMaksimaalneVaartus(v);
                else if (what == QLatin1String("min"))
                    h.box->setTKMinimaalneVaartus(v);
                else if (what == QLatin1String("zero"))
                    h.box->setTKNullLubatud(v);
                else if (what == QLatin1String("neg"))
                    h.box->setTKNegArvLubatud(v);
                else if (what == QLatin1String("digits"))
                    h.box->setTKMaksimaalnePikkus(v);
                else if (what == QLatin1String("chars"))
                    h.box->setMaxpikkus(v);
            }
        };
        apply(setup);
        h.box->setFocus();
        type(typed);
        QFETCH(bool, inLimits);
        const bool flagMoves = !QString(QTest::currentDataTag()).startsWith(QLatin1String("nothing"));
        QCOMPARE(h.box->TKArvPiirides(), flagMoves ? !inLimits : inLimits);
        EventLog log(h.box);
        QSignalSpy flag(h.box, &TKArvuKast::TKArvPiiridesChanged);
        apply(change);
        QTEST(log.take(), "events");
        QTEST(h.box->TKArvPiirides(), "inLimits");
        QCOMPARE(flag.count(), flagMoves ? 1 : 0);
        QCOMPARE(h.box->TKArv().isValid(), h.box->TKArvPiirides() && !typed.isEmpty());
    }

    void newEmptyBoxIsInsideTheLimits()
    {
        TKArvuKast box;
        QVERIFY(box.TKArvPiirides());
        QSignalSpy change(&box, &TKArvuKast::TKChange);
        box.TKClear();
        QCOMPARE(change.count(), 1);
        QCOMPARE(change.at(0), QVariantList{true});
        QVERIFY(box.TKArvPiirides());
        box.setTKMaksimaalneVaartus(20);
        box.setTKMinimaalneVaartus(5);
        QCOMPARE(change.count(), 2); // the minimum makes the empty box not inside
        QCOMPARE(change.at(1), QVariantList{false});
    }

    // Whatever the limits, the text is a number in whole groups: a bound
    // longer than the digit limit is cut to the digits the limit holds.
    void neverAMalformedNumber()
    {
        Host<TKArvuKast> h;
        h.box->setTKMaksimaalnePikkus(3);
        h.box->setFocus();
        type("1");
        h.box->setTKMaksimaalneVaartus(81273);
        h.box->setTKMinimaalneVaartus(26781);
        QCOMPARE(h.field("txtArv")->text(), QStringLiteral("267"));
        QVERIFY(!h.box->TKArvPiirides()); // 267 is below the minimum
        QVERIFY(!h.box->TKArv().isValid());

        // typing stays inside the digit limit however the characters count
        h.box->setTKMaksimaalneVaartus(0);
        h.box->TKClear();
        h.box->setMaxpikkus(8); // room for 6 digits grouped, and 2 characters more
        h.box->setFocus();
        type("1234567");
        QCOMPARE(h.field("txtArv")->text(), grouped(QStringLiteral("123 456")));
        QVERIFY(h.box->TKArvPiirides());
    }

    // The value as a number: what the text means, 0 where there is none.
    void numberProperty_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("value");
        QTest::newRow("grouped") << "1234567" << qint64(1234567);
        QTest::newRow("19 digits, the largest") << "9223372036854775807" << std::numeric_limits<qint64>::max();
        QTest::newRow("19 digits, one more") << "9223372036854775808" << qint64(0);
        QTest::newRow("20 digits") << "12345678901234567890" << qint64(0);
        QTest::newRow("negative") << "-42" << qint64(-42);
        QTest::newRow("empty") << "" << qint64(0);
    }
    void numberProperty()
    {
        QFETCH(QString, typed);
        Host<TKArvuKast> h;
        h.box->setTKNegArvLubatud(true);
        h.box->setTKMaksimaalnePikkus(20);
        h.box->setFocus();
        type(typed);
        QVERIFY(h.box->TKArvPiirides());
        QTEST(h.box->arv(), "value");
        QTEST(h.box->property("arv").toLongLong(), "value");
        // the text always carries the whole number
        QCOMPARE(h.box->TKArv().toString().remove(QChar(0x00A0)), typed);
    }

    void writingTheNumber()
    {
        Host<TKArvuKast> h;
        EventLog log(h.box);
        QSignalSpy value(h.box, &TKArvuKast::arvChanged);
        h.box->setArv(1234);
        QCOMPARE(h.field("txtArv")->text(), grouped(QStringLiteral("1 234")));
        QCOMPARE(log.take(), QStringLiteral("C(1)")); // no TKFullChange
        QCOMPARE(value.count(), 1);
        QCOMPARE(value.at(0), QVariantList{qint64(1234)});
        h.box->setArv(1234);
        QCOMPARE(log.take(), QString());
        // moved into the limits
        h.box->setTKMaksimaalneVaartus(500);
        h.box->setTKMinimaalneVaartus(20);
        h.box->setArv(-7);
        QCOMPARE(h.box->arv(), 20);
        h.box->setArv(9000);
        QCOMPARE(h.box->arv(), 500);
        h.box->setTKMaksimaalneVaartus(0);
        h.box->setTKMaksimaalnePikkus(3);
        h.box->setArv(123456);
        QCOMPARE(h.box->arv(), 999);
        // 0 where zero is not allowed: the empty box
        h.box->setArv(0);
        QCOMPARE(h.field("txtArv")->text(), QString());
        h.box->setTKNullLubatud(true);
        h.box->setArv(0);
        QCOMPARE(h.field("txtArv")->text(), QStringLiteral("0"));
        QVERIFY(h.box->TKArvPiirides());
    }

    void sizeLimits()
    {
        TKArvuKast box;
        box.show();
        box.resize(10, 50);
        QCOMPARE(box.size(), QSize(24, 22));
        box.resize(500, 22);
        QCOMPARE(box.width(), 175);
        box.resize(120, 22);
        QCOMPARE(fieldOf(&box)->width(), 116);
    }
};

QTEST_MAIN(tst_tkarvukast)
#include "tst_tkarvukast.moc"

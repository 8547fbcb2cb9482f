// SPDX-License-Identifier: GPL-3.0-or-later
// The date box driven like a user: typing, auto-advance, zero-filling,
// focus rules, limits, double-click and the events it raises.
#include "tkhelpers.h"

#include <tundkast/modtundkast.h>
#include <tundkast/tundkast.h>

#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>

using namespace tktest;

class tst_tkkuupkast : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        pinLocale();
        Tundkast::setTodayProvider([] { return QDate(2004, 3, 15); });
    }

    void typingWholeDate()
    {
        Host<TKKuupKast> h;
        EventLog log(h.box);
        QSignalSpy full(h.box, &TKKuupKast::TKFullChange);
        h.box->setFocus();
        QCOMPARE(focused(), h.field("txtPäev"));
        type("15");
        QCOMPARE(focused(), h.field("txtKuu"));
        type("03");
        QCOMPARE(focused(), h.field("txtAasta"));
        type("200");
        QCOMPARE(full.count(), 0);
        type("4");
        // 15.03.200 is already a valid date, before the reform
        QCOMPARE(log.take(), QStringLiteral("C(1,0) C(1,0) C(1,0) C(1,0) C(1,0) C(1,0) C(1,1) C(0,1) F"));
        QCOMPARE(full.count(), 1);
        QVERIFY(h.box->TKKuupaevOige());
        QVERIFY(!h.box->TKEnneGregoriust());
        QCOMPARE(h.box->TKKuupaev(), 38061.0); // 15.03.2004
        QCOMPARE(h.box->property("TKKuupaev").toDouble(), 38061.0);
    }

    void impossibleDateStaysInYear()
    {
        Host<TKKuupKast> h;
        EventLog log(h.box);
        h.box->setFocus();
        type("3104200");
        log.take();
        type("4");
        QCOMPARE(log.take(), QStringLiteral("C(1,0)"));
        QCOMPARE(focused(), h.field("txtAasta"));
        QCOMPARE(h.box->TKKuupaev(), 0.0);
        QCOMPARE(h.box->TKKuupaevGr(), 0.0);
        QVERIFY(h.box->TKEnneGregoriust());
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::newRow("32 discarded, 31 taken") << "321" << "31" << "" << "";
        QTest::newRow("letters and signs discarded") << "a1-+ 5" << "15" << "" << "";
        QTest::newRow("month 13 discarded") << "0113" << "01" << "1" << "";
        QTest::newRow("year starts without 0") << "01010" << "01" << "01" << "";
        QTest::newRow("year above the maximum discarded") << "01012300" << "01" << "01" << "230";
    }
    void keyFilter()
    {
        QFETCH(QString, keys);
        Host<TKKuupKast> h;
        h.box->setFocus();
        type(keys);
        QTEST(h.field("txtPäev")->text(), "day");
        QTEST(h.field("txtKuu")->text(), "month");
        QTEST(h.field("txtAasta")->text(), "year");
    }

    void doubleZeroBecomesOneTwice()
    {
        Host<TKKuupKast> h;
        EventLog log(h.box);
        h.box->setFocus();
        type("0");
        QCOMPARE(log.take(), QStringLiteral("C(1,0)"));
        type("0");
        // the nested processing of "01" runs first, then the outer one
        QCOMPARE(log.take(), QStringLiteral("C(1,0) C(1,0)"));
        QCOMPARE(h.field("txtPäev")->text(), QStringLiteral("01"));
        QCOMPARE(h.field("txtPäev")->cursorPosition(), 2);
        QCOMPARE(focused(), h.field("txtKuu"));
    }

    void doubleZeroCompletingTheDate()
    {
        Host<TKKuupKast> h;
        EventLog log(h.box);
        h.box->setFocus();
        type("15032004");
        h.box->TKFocusInValidation();
        QCOMPARE(focused(), h.field("txtPäev"));
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Backspace);
        QCOMPARE(h.field("txtPäev")->text(), QString());
        type("0");
        log.take();
        type("0");
        QCOMPARE(log.take(), QStringLiteral("C(0,1) F C(0,1) F"));
        QCOMPARE(h.box->TKKuupaev(), modTundkast::DateValueOf(2004, 3, 1));
    }

    void zeroFillOnLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("lone 0") << "0" << "01";
        QTest::newRow("5") << "5" << "05";
        QTest::newRow("two digits stay") << "12" << "12";
    }
    void zeroFillOnLeaving()
    {
        QFETCH(QString, typed);
        Host<TKKuupKast> h;
        h.box->setFocus();
        type("1503");
        h.field("txtKuu")->clear();
        h.box->TKFocusInValidation();
        h.field("txtPäev")->clear();
        type(typed);
        EventLog log(h.box);
        h.other->setFocus();
        QTEST(h.field("txtPäev")->text(), "after");
        QCOMPARE(log.take(), QString()); // no event from zero-filling
    }

    void yearBelowMinimumOnLeaving()
    {
        // Leaving "99" raises the year to the minimum: 15.03.100 is a valid
        // date, and the host hears of it at once.
        Host<TKKuupKast> h;
        h.box->setFocus();
        type("150399");
        QVERIFY(!h.box->TKKuupaevOige());
        EventLog log(h.box);
        h.other->setFocus();
        QCOMPARE(h.field("txtAasta")->text(), QStringLiteral("100"));
        QCOMPARE(h.field("txtAasta")->cursorPosition(), 3);
        QCOMPARE(log.take(), QStringLiteral("C(1,1)"));
        QVERIFY(h.box->TKKuupaevOige());
        QVERIFY(h.box->TKEnneGregoriust());
        QCOMPARE(h.box->TKKuupaev(), modTundkast::DateValueOf(100, 3, 15));
    }

    // A lone "0" in the day or month becomes "01" as the focus leaves it; when
    // that completes a valid date, the flags and a TKChange say so.
    void zeroFilledToAValidDate_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("day") << "txtPäev";
        QTest::newRow("month") << "txtKuu";
    }
    void zeroFilledToAValidDate()
    {
        QFETCH(QString, field);
        Host<TKKuupKast> h;
        h.box->setKuupaev(QDate(2004, 3, 15));
        QLineEdit *edit = h.field(field);
        edit->setFocus();
        edit->selectAll();
        key(Qt::Key_Backspace);
        type("0");
        QVERIFY(!h.box->TKKuupaevOige());
        EventLog log(h.box);
        h.other->setFocus();
        QCOMPARE(edit->text(), QStringLiteral("01"));
        QCOMPARE(log.take(), QStringLiteral("C(0,1)"));
        QVERIFY(h.box->TKKuupaevOige());
        QVERIFY(h.box->kuupaev().isValid());
    }

    // Limits that widen check the text shown again.
    void widerYearLimitsValidateTheText()
    {
        Host<TKKuupKast> h;
        h.box->loadPersisted({{QStringLiteral("maksimum"), 2299}, {QStringLiteral("miinimum"), 1500}});
        h.box->setFocus();
        type("01011200");
        QCOMPARE(h.field("txtAasta")->text(), QStringLiteral("1200"));
        QVERIFY(!h.box->TKKuupaevOige());
        EventLog log(h.box);
        QSignalSpy valid(h.box, &TKKuupKast::TKKuupaevOigeChanged);
        h.box->setTKAastaMiinimum(100);
        QCOMPARE(log.take(), QStringLiteral("C(1,1)"));
        QVERIFY(h.box->TKKuupaevOige());
        QCOMPARE(valid.count(), 1);
        QCOMPARE(valid.at(0), QVariantList{true});
        // and narrowing again replaces the year, which is then valid again
        h.box->setTKAastaMiinimum(1500);
        QCOMPARE(h.field("txtAasta")->text(), QStringLiteral("1500"));
        QCOMPARE(log.take(), QStringLiteral("C(1,1)"));
    }

    void todayFilledOutsideTheLimitsThenWidened()
    {
        Host<TKKuupKast> h;
        h.box->loadPersisted({{QStringLiteral("maksimum"), 100}, {QStringLiteral("miinimum"), 100}});
        QTest::mouseDClick(h.field("txtPäev"), Qt::LeftButton);
        QCOMPARE(h.field("txtAasta")->text(), QStringLiteral("2004"));
        QVERIFY(!h.box->TKKuupaevOige());
        EventLog log(h.box);
        h.box->setTKAastaMaksimum(2500);
        QCOMPARE(log.take(), QStringLiteral("C(0,1)"));
        QVERIFY(h.box->TKKuupaevOige());
        QCOMPARE(h.box->kuupaev(), QDate(2004, 3, 15));
    }

    void newBoxSaysBeforeTheReform()
    {
        TKKuupKast box;
        QVERIFY(box.TKEnneGregoriust());
        QVERIFY(!box.TKKuupaevOige());
        QVERIFY(!box.kuupaev().isValid());
        box.loadPersisted({{QStringLiteral("maksimum"), 2299}});
        QVERIFY(box.TKEnneGregoriust());
    }

    // The typed value as a QDate: the Gregorian date of the entered day in
    // either reading, written back in the box's reading.
    void userPropertyInBothReadings_data()
    {
        QTest::addColumn<bool>("julian");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date");
        QTest::newRow("Gregorian") << false << "15032004" << QDate(2004, 3, 15);
        QTest::newRow("Julian") << true << "02032004" << QDate(2004, 3, 15);
        QTest::newRow("Julian leap day") << true << "29021700" << QDate(1700, 3, 11);
        QTest::newRow("Julian 01.01.100") << true << "0101100" << QDate(99, 12, 30);
        QTest::newRow("invalid") << false << "29021700" << QDate();
    }
    void userPropertyInBothReadings()
    {
        QFETCH(bool, julian);
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        Host<TKKuupKast> h;
        h.box->setTKJuliuseKalender(julian);
        QSignalSpy changed(h.box, &TKKuupKast::kuupaevChanged);
        h.box->setFocus();
        type(typed);
        QCOMPARE(h.box->kuupaev(), date);
        QCOMPARE(h.box->property("kuupaev").toDate(), date);
        QCOMPARE(changed.isEmpty(), !date.isValid());
        if (date.isValid()) {
            QCOMPARE(changed.last().at(0).toDate(), date);
            // written back, the box shows the same text
            h.box->TKClear();
            QVERIFY(h.box->setProperty("kuupaev", date));
            QCOMPARE(h.field("txtPäev")->text() + h.field("txtKuu")->text() + h.field("txtAasta")->text(),
                     typed);
        }
    }

    void writingTheDate()
    {
        Host<TKKuupKast> h;
        EventLog log(h.box);
        h.box->setKuupaev(QDate(2004, 3, 15));
        QCOMPARE(log.take(), QStringLiteral("C(0,1)")); // no TKFullChange
        h.box->setKuupaev(QDate(2004, 3, 15));
        QCOMPARE(log.take(), QString()); // nothing changed
        h.box->setKuupaev(QDate(50, 6, 1)); // before the limits: their first day
        QCOMPARE(h.box->kuupaev(), QDate(100, 1, 1));
        h.box->setKuupaev(QDate(2500, 6, 1)); // after them: their last day
        QCOMPARE(h.box->kuupaev(), QDate(2299, 12, 31));
        log.take();
        h.box->setKuupaev(QDate());
        QCOMPARE(log.take(), QStringLiteral("C(1,0)"));
        QCOMPARE(h.field("txtAasta")->text(), QString());
    }

    void selectionCollapsedOnLeaving()
    {
        Host<TKKuupKast> h;
        h.box->setFocus();
        type("15");
        QLineEdit *day = h.field("txtPäev");
        day->setFocus();
        day->setSelection(0, 1);
        h.other->setFocus();
        QVERIFY(!day->hasSelectedText());
        QCOMPARE(day->cursorPosition(), 2);
    }

    void julianReading_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("gregorian");
        QTest::addColumn<QString>("dayAfter");
        QTest::newRow("04.10.1582") << "04101582" << modTundkast::DateValueOf(1582, 10, 14) << "04";
        QTest::newRow("01.01.2004") << "01012004" << modTundkast::DateValueOf(2004, 1, 14) << "01";
        QTest::newRow("01.01.100") << "0101100" << modTundkast::DateValueOf(100, 1, 1) << "03";
        QTest::newRow("28.02.600") << "2802600" << modTundkast::DateValueOf(600, 3, 2) << "28";
    }
    void julianReading()
    {
        QFETCH(QString, typed);
        Host<TKKuupKast> h;
        h.box->setFocus();
        type(typed);
        QVERIFY(h.box->TKKuupaevOige());
        EventLog log(h.box);
        QTEST(h.box->TKKuupaevGr(), "gregorian");
        QTEST(h.field("txtPäev")->text(), "dayAfter");
        QCOMPARE(log.take(), QString());
    }

    // 29 February of a year that is a leap year in the Julian calendar only:
    // refused in the Gregorian reading, a valid date after the reform in the
    // Julian one, converted through its day number.
    void julianOnlyLeapDay_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("julian");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("before");
        QTest::addColumn<qint64>("jdn");
        QTest::newRow("1700 Gregorian") << "29021700" << false << false << true << qint64(0);
        QTest::newRow("1700 Julian") << "29021700" << true << true << false << qint64(2342042);
        QTest::newRow("1500 Gregorian") << "29021500" << false << false << true << qint64(0);
        QTest::newRow("1500 Julian") << "29021500" << true << true << true << qint64(2268992);
        QTest::newRow("1900 Julian") << "29021900" << true << true << false << qint64(2415092);
        QTest::newRow("30.02 Julian") << "30021700" << true << false << true << qint64(0);
        QTest::newRow("2000 Gregorian") << "29022000" << false << true << false << qint64(2451617);
    }
    void julianOnlyLeapDay()
    {
        QFETCH(QString, typed);
        QFETCH(bool, julian);
        QFETCH(qint64, jdn);
        Host<TKKuupKast> h;
        h.box->setTKJuliuseKalender(julian);
        EventLog log(h.box);
        h.box->setFocus();
        type(typed);
        QTEST(h.box->TKKuupaevOige(), "valid");
        QTEST(h.box->TKEnneGregoriust(), "before");
        // the last events carry the flags, and a valid date is complete
        const QString flags = QStringLiteral("C(%1,%2)")
                                  .arg(int(h.box->TKEnneGregoriust()))
                                  .arg(int(h.box->TKKuupaevOige()));
        const QString events = log.take();
        QVERIFY2(events.endsWith(h.box->TKKuupaevOige() ? flags + QStringLiteral(" F") : flags),
                 qPrintable(events));
        QCOMPARE(h.box->TKKuupaevGr(), jdn ? double(jdn - 2415019) : 0.0);
        // the Gregorian reading of the text: a date only where one is written
        const QDate written(typed.right(4).toInt(), typed.mid(2, 2).toInt(), typed.left(2).toInt());
        QCOMPARE(h.box->TKKuupaev(),
                 h.box->TKKuupaevOige() && written.isValid() ? double(written.toJulianDay() - 2415019) : 0.0);
    }

    void julianPropertyChecksTheShownTextAgain()
    {
        Host<TKKuupKast> h;
        QSignalSpy changed(h.box, &TKKuupKast::TKJuliuseKalenderChanged);
        QVERIFY(!h.box->TKJuliuseKalender());
        QVERIFY(h.box->setProperty("TKJuliuseKalender", true));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.takeFirst().at(0).toBool(), true);
        h.box->setFocus();
        type("29021700");
        QVERIFY(h.box->TKKuupaevOige());
        EventLog log(h.box);

        // given 29.02.1700 shown, when the Gregorian reading is chosen, then
        // the date is invalid and the host is told
        h.box->setTKJuliuseKalender(false);
        QCOMPARE(log.take(), QStringLiteral("C(1,0)"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!h.box->TKKuupaevOige());
        QCOMPARE(h.box->TKKuupaevGr(), 0.0);
        QCOMPARE(h.box->property("TKJuliuseKalender").toBool(), false);

        // setting the same value again changes nothing
        h.box->setTKJuliuseKalender(false);
        QCOMPARE(log.take(), QString());
        QCOMPARE(changed.count(), 1);

        h.box->setTKJuliuseKalender(true);
        QCOMPARE(log.take(), QStringLiteral("C(0,1)"));
        QCOMPARE(h.box->TKKuupaevGr(), double(2342042 - 2415019));

        // a date valid in both readings keeps its flags: no TKChange
        h.box->TKClear();
        h.box->setFocus();
        type("15032004");
        log.take();
        h.box->setTKJuliuseKalender(false);
        QCOMPARE(log.take(), QString());
        QCOMPARE(changed.count(), 3);
    }

    // Every date of the Julian calendar over the years 100..3999, entered
    // with the Julian reading: valid, its reform flag as written, its
    // Gregorian date value that of QCalendar's Julian calendar, and its
    // Gregorian reading a date only where QDate has one.
    void julianReadingSweep()
    {
        TKKuupKast box;
        box.loadPersisted({{QStringLiteral("maksimum"), 3999}, {QStringLiteral("miinimum"), 100}});
        box.setTKJuliuseKalender(true);
        auto *day = box.findChild<QLineEdit *>(QStringLiteral("txtPäev"));
        auto *month = box.findChild<QLineEdit *>(QStringLiteral("txtKuu"));
        auto *year = box.findChild<QLineEdit *>(QStringLiteral("txtAasta"));
        const QCalendar julian(QCalendar::System::Julian);
        int checked = 0;
        for (int y = 100; y <= 3999; ++y) {
            year->setText(QString::number(y));
            for (int m = 1; m <= 12; ++m) {
                month->setText(QString::number(m).rightJustified(2, u'0'));
                const int length = julian.daysInMonth(m, y);
                for (int dd = 1; dd <= length; ++dd) {
                    day->setText(QString::number(dd).rightJustified(2, u'0'));
                    if (y == 100 && m == 1 && dd < 3)
                        continue; // read as 3 January 100, checked above
                    const qint64 jdn = QDate(y, m, dd, julian).toJulianDay();
                    const QDate written(y, m, dd);
                    const bool before = written.isValid() ? written < QDate(1582, 10, 15)
                                                          : y < 1582;
                    if (!box.TKKuupaevOige() || box.TKKuupaevGr() != double(jdn - 2415019)
                        || box.TKEnneGregoriust() != before
                        || box.TKKuupaev()
                               != (written.isValid() ? double(written.toJulianDay() - 2415019) : 0.0))
                        QFAIL(qPrintable(QStringLiteral("%1.%2.%3").arg(dd).arg(m).arg(y)));
                    ++checked;
                }
                // the day after the month's last is never valid
                day->setText(QString::number(length + 1));
                if (length < 31 && box.TKKuupaevOige())
                    QFAIL(qPrintable(QStringLiteral("%1.%2.%3").arg(length + 1).arg(m).arg(y)));
            }
        }
        QCOMPARE(checked, int(QDate(4000, 1, 1, julian).toJulianDay() - QDate(100, 1, 3, julian).toJulianDay()));
    }

    void reformFlag_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("before");
        QTest::newRow("14.10.1582") << "14101582" << true;
        QTest::newRow("15.10.1582") << "15101582" << false;
    }
    void reformFlag()
    {
        QFETCH(QString, typed);
        Host<TKKuupKast> h;
        h.box->setFocus();
        type(typed);
        QVERIFY(h.box->TKKuupaevOige());
        QTEST(h.box->TKEnneGregoriust(), "before");
    }

    void yearLimits()
    {
        Host<TKKuupKast> h;
        QCOMPARE(h.box->TKAastaMaksimum(), 2299);
        QCOMPARE(h.box->TKAastaMiinimum(), 100);
        h.box->setTKAastaMiinimum(50);
        QCOMPARE(h.box->TKAastaMiinimum(), 100);
        h.box->setTKAastaMiinimum(2500);
        QCOMPARE(h.box->TKAastaMiinimum(), 1999);
        h.box->setTKAastaMaksimum(1500);
        QCOMPARE(h.box->TKAastaMaksimum(), 2000);
        h.box->setTKAastaMaksimum(3999);
        h.box->setTKAastaMiinimum(100);

        h.box->setFocus();
        type("15032299");
        EventLog log(h.box);
        h.box->setTKAastaMaksimum(2100);
        QCOMPARE(h.field("txtAasta")->text(), QStringLiteral("2100"));
        QCOMPARE(h.field("txtAasta")->cursorPosition(), 4);
        QCOMPARE(log.take(), QStringLiteral("C(0,1)"));
        QCOMPARE(h.box->TKKuupaev(), modTundkast::DateValueOf(2100, 3, 15));
    }

    void maximumSetterChecksTheDateAgain()
    {
        // 29.02.2296 exists, 29.02.2100 does not: the flags follow the new text.
        Host<TKKuupKast> h;
        h.box->setFocus();
        type("29022296");
        QVERIFY(h.box->TKKuupaevOige());
        EventLog log(h.box);
        h.box->setTKAastaMaksimum(2100);
        QCOMPARE(log.take(), QStringLiteral("C(1,0)"));
        QVERIFY(!h.box->TKKuupaevOige());
        QCOMPARE(h.box->TKKuupaev(), 0.0);
    }

    void clearRaisesChange()
    {
        Host<TKKuupKast> h;
        h.box->setFocus();
        type("15032004");
        EventLog log(h.box);
        h.box->TKClear();
        QCOMPARE(log.take(), QStringLiteral("C(1,0)"));
        QCOMPARE(h.field("txtPäev")->text() + h.field("txtKuu")->text() + h.field("txtAasta")->text(),
                 QString());
        QVERIFY(!h.box->TKKuupaevOige());
    }

    void clearFromTheHostsHandler()
    {
        // A host that clears the box inside TKFullChange runs nested.
        Host<TKKuupKast> h;
        EventLog log(h.box);
        connect(h.box, &TKKuupKast::TKFullChange, h.box, &TKKuupKast::TKClear);
        h.box->setFocus();
        type("15032004");
        QVERIFY(log.take().endsWith(QStringLiteral("C(0,1) F C(1,0)")));
        QVERIFY(!h.box->TKKuupaevOige());
        QCOMPARE(h.field("txtAasta")->text(), QString());
    }

    void enterAndTab()
    {
        Host<TKKuupKast> h;
        QSignalSpy enter(h.box, &TKKuupKast::TKEnterPress);
        h.box->setFocus();
        type("1503");
        key(Qt::Key_Return);
        QCOMPARE(enter.count(), 0);
        key(Qt::Key_Tab); // year empty, date not valid: back to the day
        QCOMPARE(focused(), h.field("txtPäev"));
        h.field("txtAasta")->setFocus();
        type("2004");
        key(Qt::Key_Enter);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(h.field("txtAasta")->text(), QStringLiteral("2004"));
        h.field("txtAasta")->setFocus();
        key(Qt::Key_Tab); // valid: the focus leaves the box
        QCOMPARE(focused(), h.other);
    }

    void focusEntry()
    {
        Host<TKKuupKast> h;
        h.box->setFocus();
        type("15");
        h.other->setFocus();
        h.field("txtAasta")->setFocus();
        QCOMPARE(focused(), h.field("txtKuu")); // the first empty field
        type("03150");
        QVERIFY(h.box->TKKuupaevOige());
        h.other->setFocus();
        h.field("txtPäev")->setFocus();
        QCOMPARE(focused(), h.field("txtAasta")); // valid, year shorter than 4
        type("0");
        h.other->setFocus();
        h.field("txtKuu")->setFocus();
        QCOMPARE(focused(), h.field("txtKuu")); // stays where the host put it
    }

    void clickFromOutsideGoesToFirstEmptyField()
    {
        Host<TKKuupKast> h;
        QTest::mouseClick(h.field("txtAasta"), Qt::LeftButton);
        QCOMPARE(focused(), h.field("txtPäev"));
        type("150");
        QTest::mouseClick(h.field("txtPäev"), Qt::LeftButton); // inside the box: no entry rule
        QCOMPARE(focused(), h.field("txtPäev"));
        QCOMPARE(h.field("txtKuu")->text(), QStringLiteral("01")); // the month was left: filled
    }

    void doubleClickFillsToday()
    {
        Host<TKKuupKast> h;
        EventLog log(h.box);
        QTest::mouseDClick(h.field("txtKuu"), Qt::LeftButton);
        QCOMPARE(h.field("txtPäev")->text(), QStringLiteral("15"));
        QCOMPARE(h.field("txtKuu")->text(), QStringLiteral("03"));
        QCOMPARE(h.field("txtAasta")->text(), QStringLiteral("2004"));
        QCOMPARE(h.field("txtAasta")->cursorPosition(), 4);
        QVERIFY(!h.field("txtKuu")->hasSelectedText());
        QCOMPARE(log.take(), QStringLiteral("C(0,1) F"));
    }

    void doubleClickOutsideTheLimits()
    {
        Tundkast::setTodayProvider([] { return QDate(2350, 6, 1); });
        Host<TKKuupKast> h;
        EventLog log(h.box);
        QTest::mouseDClick(h.field("txtPäev"), Qt::LeftButton);
        QCOMPARE(h.field("txtAasta")->text(), QStringLiteral("2350"));
        QCOMPARE(log.take(), QStringLiteral("C(1,0)"));
        QVERIFY(!h.box->TKKuupaevOige());
        Tundkast::setTodayProvider([] { return QDate(2004, 3, 15); });
    }

    // A box given its own source of today fills in that day; the library's
    // source (15.03.2004 here) stays the one of every other box.
    void doubleClickFillsTheBoxsOwnToday_data()
    {
        QTest::addColumn<bool>("own");
        QTest::addColumn<QDate>("ownToday");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("events");
        QTest::newRow("the box's own day") << true << QDate(1999, 12, 31) << "31.12.1999" << "C(0,1) F";
        QTest::newRow("an own day before the reform") << true << QDate(1500, 2, 1) << "01.02.1500" << "C(1,1) F";
        QTest::newRow("an empty function: the library's day") << false << QDate() << "15.03.2004" << "C(0,1) F";
        QTest::newRow("an invalid day: nothing filled in") << true << QDate() << ".." << "";
    }
    void doubleClickFillsTheBoxsOwnToday()
    {
        QFETCH(bool, own);
        QFETCH(QDate, ownToday);
        Host<TKKuupKast> h;
        auto *neighbour = new TKKuupKast(&h.window);
        neighbour->move(10, 90);
        neighbour->show();
        h.box->setTodayProvider([] { return QDate(2222, 2, 22); });
        if (own)
            h.box->setTodayProvider([ownToday] { return ownToday; });
        else
            h.box->setTodayProvider({});
        EventLog log(h.box);
        QTest::mouseDClick(h.field("txtPäev"), Qt::LeftButton);
        QTEST(h.field("txtPäev")->text() + u'.' + h.field("txtKuu")->text() + u'.' + h.field("txtAasta")->text(),
              "shown");
        QTEST(log.take(), "events");
        // The neighbour keeps the library's day.
        QTest::mouseDClick(neighbour->findChild<QLineEdit *>(QStringLiteral("txtPäev")), Qt::LeftButton);
        QCOMPARE(neighbour->kuupaev(), QDate(2004, 3, 15));
    }

    void wholeYearSelectedReplacedByZero()
    {
        Host<TKKuupKast> h;
        h.box->setFocus();
        type("15032004");
        h.field("txtAasta")->setFocus();
        h.field("txtAasta")->selectAll();
        type("0");
        QCOMPARE(h.field("txtAasta")->text(), QStringLiteral("0"));
        QVERIFY(!h.box->TKKuupaevOige());
    }

    void pasteIsRefusedAndClipboardKept()
    {
        Host<TKKuupKast> h;
        QGuiApplication::clipboard()->setText(QStringLiteral("15"));
        h.box->setFocus();
        key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.field("txtPäev")->text(), QString());
        // a drop is refused as well
        QVERIFY(!dropText(h.field("txtPäev"), QStringLiteral("15")));
        QCOMPARE(h.field("txtPäev")->text(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("15"));
    }

    void lockedAndDisabled()
    {
        Host<TKKuupKast> h;
        h.box->setTKLukus(true);
        QVERIFY(h.box->TKLukus());
        h.box->setFocus();
        type("15");
        QCOMPARE(h.field("txtPäev")->text(), QString());
        QTest::mouseDClick(h.field("txtPäev"), Qt::LeftButton);
        QCOMPARE(h.field("txtPäev")->text(), QString());
        h.box->setTKLukus(false);
        h.box->setTKLubatud(false);
        QVERIFY(!h.box->TKLubatud());
        QVERIFY(h.box->isEnabled());
        QVERIFY(!h.field("txtKuu")->isEnabled());
    }

    void persistedLimits()
    {
        TKKuupKast box;
        box.loadPersisted({{QStringLiteral("maksimum"), 2500}, {QStringLiteral("MIINIMUM"), 50}});
        QCOMPARE(box.TKAastaMaksimum(), 2500);
        QCOMPARE(box.TKAastaMiinimum(), 50); // loaded without clamping
        QVERIFY(box.TKEnneGregoriust());
        QVERIFY(!box.TKKuupaevOige());
        QCOMPARE(box.savePersisted().value(QStringLiteral("Miinimum")).toInt(), 50);
        box.loadPersisted({});
        QCOMPARE(box.TKAastaMaksimum(), 0);
        QCOMPARE(box.TKAastaMiinimum(), 0);
        QVERIFY(box.setProperty("maksimum", 2200));
        QCOMPARE(box.TKAastaMaksimum(), 2200);
    }

    void fixedSize()
    {
        TKKuupKast box;
        box.resize(300, 100);
        QCOMPARE(box.size(), QSize(84, 22));
    }
};

QTEST_MAIN(tst_tkkuupkast)
#include "tst_tkkuupkast.moc"
